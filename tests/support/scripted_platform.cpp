#include "tests/support/scripted_platform.h"

MsgAntwort SkriptPlattform::MsgBox(const QString& text, MsgSymbol symbol, MsgKnoepfe knoepfe,
                                   const QString& titel)
{
    meldungen.push_back({text, symbol, knoepfe, titel});
    if (beiMeldung)
        beiMeldung(meldungen.back());
    if (msgAntworten.empty())
        return MsgAntwort::OK;
    const MsgAntwort a = msgAntworten.front();
    msgAntworten.pop_front();
    return a;
}

QString SkriptPlattform::InputBox(const QString& prompt, const QString& titel,
                                  const QString& vorgabe)
{
    eingaben.push_back({prompt, titel, vorgabe});
    if (inputAntworten.empty())
        return QString();
    const QString a = inputAntworten.front();
    inputAntworten.pop_front();
    return a;
}

QStringList SkriptPlattform::Texte() const
{
    QStringList t;
    for (const auto& m : meldungen)
        t << m.text;
    return t;
}

void SkriptPlattform::Leeren()
{
    meldungen.clear();
    eingaben.clear();
    msgAntworten.clear();
    inputAntworten.clear();
}
