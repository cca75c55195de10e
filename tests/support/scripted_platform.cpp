#include "tests/support/scripted_platform.h"

namespace {
// The next answer of a queue, or `sonst` when it is empty.
template <class T> T nächste(std::deque<T>& antworten, T sonst)
{
    if (antworten.empty())
        return sonst;
    T a = antworten.front();
    antworten.pop_front();
    return a;
}
}  // namespace

MsgAntwort SkriptPlattform::MsgBox(const QString& text, MsgSymbol symbol, MsgKnoepfe knoepfe, const QString& titel)
{
    meldungen.push_back({text, symbol, knoepfe, titel});
    if (beiMeldung)
        beiMeldung(meldungen.back());
    return nächste(msgAntworten, MsgAntwort::OK);
}

QString SkriptPlattform::InputBox(const QString& prompt, const QString& titel, const QString& vorgabe)
{
    eingaben.push_back({prompt, titel, vorgabe});
    return nächste(inputAntworten, QString());
}

std::optional<int32_t> SkriptPlattform::FarbDialog(int32_t vorgabe, const std::vector<int32_t>& feld)
{
    farbVorgaben.push_back(feld.size() == 10 && std::count(feld.begin(), feld.end(), vorgabe) == 1 ? vorgabe : -1);
    return nächste(farbAntworten, std::optional<int32_t>());
}

QString SkriptPlattform::DateiÖffnenDialog(const QString& titel, const QString& filter,
                                           const QString& ordner, const QString& name)
{
    dateiDialoge.push_back({false, titel, filter, ordner, name});
    return nächste(dateiAntworten, QString());
}

QString SkriptPlattform::DateiSpeichernDialog(const QString& titel, const QString& filter,
                                              const QString& ordner, const QString& name)
{
    dateiDialoge.push_back({true, titel, filter, ordner, name});
    return nächste(dateiAntworten, QString());
}

bool SkriptPlattform::DruckDialog(QPrinter& drucker)
{
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
    meldungen.clear(), eingaben.clear(), msgAntworten.clear(), inputAntworten.clear();
    farbVorgaben.clear(), farbAntworten.clear(), dateiDialoge.clear(), dateiAntworten.clear();
    hilfeAufrufe.clear();
}
