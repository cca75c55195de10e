#pragma once
// The platform services answered from a script: every message box and
// input box is recorded with its texts, icon, buttons and title, and answered
// from the queue (OK / the empty text when the queue is empty).

#include "core/platform.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

struct MsgAufruf {
    QString text;
    MsgSymbol symbol;
    MsgKnoepfe knoepfe;
    QString titel;
};
struct DateiAufruf {
    bool speichern;
    QString titel, filter, ordner, name;
};
struct InputAufruf {
    QString prompt, titel, vorgabe;
};

class SkriptPlattform : public Plattform {
public:
    MsgAntwort MsgBox(const QString& text, MsgSymbol symbol, MsgKnoepfe knoepfe,
                      const QString& titel) override;
    QString InputBox(const QString& prompt, const QString& titel, const QString& vorgabe) override;
    std::optional<int32_t> FarbDialog(int32_t vorgabe, const std::vector<int32_t>&) override;
    QString DateiÖffnenDialog(const QString& titel, const QString& filter, const QString& ordner,
                              const QString& name) override;
    QString DateiSpeichernDialog(const QString& titel, const QString& filter,
                                 const QString& ordner, const QString& name) override;
    bool DruckDialog(QPrinter& drucker) override;
    void HilfeZeigen(const QString& datei, int kontext) override;

    std::vector<MsgAufruf> meldungen;
    std::vector<InputAufruf> eingaben;
    std::deque<MsgAntwort> msgAntworten;
    std::deque<QString> inputAntworten;
    // Colour dialogs: the presets shown (-1 for one not once among the ten of
    // the colour field); the answers (nothing = cancel; an empty queue cancels).
    std::vector<int32_t> farbVorgaben;
    std::deque<std::optional<int32_t>> farbAntworten;
    // File dialogs: what was asked; the answers (empty text = cancel).
    std::vector<DateiAufruf> dateiDialoge;
    std::deque<QString> dateiAntworten;
    // Printer dialog: runs on the printer (set a PDF file, margins ...) and
    // answers whether to print; without it the dialog is cancelled.
    std::function<bool(QPrinter&)> beiDruckDialog;
    // Help viewer calls.
    std::vector<std::pair<QString, int>> hilfeAufrufe;
    // Runs while a message box is "open" (for tests that act inside it).
    std::function<void(const MsgAufruf&)> beiMeldung;

    QStringList Texte() const;
    void Leeren();
};
