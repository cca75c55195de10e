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

std::optional<int32_t> SkriptPlattform::FarbDialog(int32_t vorgabe)
{
    farbVorgaben.push_back(vorgabe);
    if (farbAntworten.empty())
        return std::nullopt;
    const auto a = farbAntworten.front();
    farbAntworten.pop_front();
    return a;
}

namespace {
QString NächsteDatei(std::deque<QString>& antworten)
{
    if (antworten.empty())
        return QString();
    const QString a = antworten.front();
    antworten.pop_front();
    return a;
}
}  // namespace

QString SkriptPlattform::DateiÖffnenDialog(const QString& titel, const QString& filter,
                                           const QString& ordner, const QString& name)
{
    dateiDialoge.push_back({false, titel, filter, ordner, name});
    return NächsteDatei(dateiAntworten);
}

QString SkriptPlattform::DateiSpeichernDialog(const QString& titel, const QString& filter,
                                              const QString& ordner, const QString& name)
{
    dateiDialoge.push_back({true, titel, filter, ordner, name});
    return NächsteDatei(dateiAntworten);
}

bool SkriptPlattform::DruckDialog(QPrinter& drucker)
{
    ++druckDialoge;
    return beiDruckDialog ? beiDruckDialog(drucker) : false;
}

void SkriptPlattform::HilfeZeigen(const QString& datei, int kontext)
{
    hilfeAufrufe.emplace_back(datei, kontext);
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
    farbVorgaben.clear();
    farbAntworten.clear();
    dateiDialoge.clear();
    dateiAntworten.clear();
    hilfeAufrufe.clear();
    druckDialoge = 0;
}
