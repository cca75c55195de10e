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

struct InputAufruf {
    QString prompt;
    QString titel;
    QString vorgabe;
};

class SkriptPlattform : public Plattform {
public:
    MsgAntwort MsgBox(const QString& text, MsgSymbol symbol, MsgKnoepfe knoepfe,
                      const QString& titel) override;
    QString InputBox(const QString& prompt, const QString& titel, const QString& vorgabe) override;

    std::vector<MsgAufruf> meldungen;
    std::vector<InputAufruf> eingaben;
    std::deque<MsgAntwort> msgAntworten;
    std::deque<QString> inputAntworten;
    // Runs while a message box is "open" (for tests that act inside it).
    std::function<void(const MsgAufruf&)> beiMeldung;

    QStringList Texte() const;
    void Leeren();
};
