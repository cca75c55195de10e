#pragma once

#include "core/platform.h"

#include <memory>

class HilfeFenster;
class QWidget;

// The platform services as Qt's own dialogs.
class QtPlattform : public Plattform {
public:
    QtPlattform();
    ~QtPlattform() override;
    MsgAntwort MsgBox(const QString& text, MsgSymbol symbol, MsgKnoepfe knoepfe,
                      const QString& titel) override;
    QString InputBox(const QString& prompt, const QString& titel,
                     const QString& vorgabe) override;
    std::optional<int32_t> FarbDialog(int32_t vorgabe,
                                      const std::vector<int32_t>& farbfeld) override;
    QString DateiÖffnenDialog(const QString& titel, const QString& filter, const QString& ordner,
                              const QString& name) override;
    QString DateiSpeichernDialog(const QString& titel, const QString& filter,
                                 const QString& ordner, const QString& name) override;
    bool DruckDialog(QPrinter& drucker) override;
    void HilfeZeigen(const QString& datei, int kontext) override;

private:
    std::unique_ptr<HilfeFenster> hilfe_;  // one help window, kept once opened
};

// Text with the program's line breaks (character 13) as Qt shows them.
QString AlsAnzeigeText(const QString& text);
// The title a dialog shows: the given one, or the program's title.
QString FensterTitel(const QString& titel);
