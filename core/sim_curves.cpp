// The curve that the simulation window shows: it lives in the slot after the
// last function from one step of the simulation to the next, and becomes a
// function of the drawing only when the window's "Ok" raises the count.

#include "core/analysis_math.h"
#include "core/check_box_array.h"
#include "core/deletion_dialogs.h"
#include "core/graph_core.h"
#include "core/number_text.h"
#include "core/platform.h"
#include "core/runtime_error.h"
#include "core/selection_dialogs.h"

#include <QLabel>
#include <initializer_list>

namespace {

float Zahl(const QString& text) { return AlsSingle(Val(text)); }

// Raises the count for the slot of the curve and lowers it again on the way
// out, also when a step fails.
class SimSlot {
public:
    explicit SimSlot(Programmzustand& z) : z_(z) { n = ++z_.AnzFkt; }
    ~SimSlot() { --z_.AnzFkt; }
    SimSlot(const SimSlot&) = delete;
    SimSlot& operator=(const SimSlot&) = delete;
    int16_t n;

private:
    Programmzustand& z_;
};

// The steps shared by the three kinds: the limit, the slot, the fields
// (only when no text is empty), the plot and the list entry.
template <class Setzen>
bool SimKurve(GraphCore& g, std::initializer_list<const QString*> texte, Setzen&& setzen)
{
    if (g.z.AnzFkt >= MaxFkt) {
        if (g.z.plattform)
            g.z.plattform->MsgBox(FunktionsGrenzeText());
        return false;
    }
    SimSlot slot(g.z);
    for (const QString* t : texte)
        if (t->isEmpty())
            return false;
    setzen(g.fkt, slot.n);
    g.FunktionZeichnen(slot.n);
    g.MenüFunktionsEinträge(slot.n);
    return true;
}

}  // namespace

bool GraphCore::SimGeradeZeichnen(const QString& mText, const QString& bText)
{
    return SimKurve(*this, {&mText, &bText}, [&](FunktionsTabelle& t, int16_t n) {
        t.FktArt[n] = QStringLiteral("GE");
        t.m[n] = Zahl(mText);
        t.b[n] = Zahl(bText);
        t.a[n] = 0.0f;
    });
}

bool GraphCore::simAllgParabelZeichnen(const QString& aText, const QString& bText,
                                       const QString& cText)
{
    return SimKurve(*this, {&aText, &bText, &cText}, [&](FunktionsTabelle& t, int16_t n) {
        t.FktArt[n] = QStringLiteral("AP");
        t.b[n] = Zahl(bText);
        t.a[n] = Zahl(aText);
        t.c[n] = Zahl(cText);
        t.p[n] = 0.0f;
        t.q[n] = t.c[n];
        t.xs[n] = t.b[n];
        t.ys[n] = t.c[n];
        if (t.a[n] == 0.0f) {
            // y = 0(x - xs)² + ys is the line y = ys. Every part of the
            // program that takes a = 0 for a line reads m and b, so they
            // hold that line, and the curve is drawn as it will be drawn
            // once kept.
            t.m[n] = 0.0f;
            t.b[n] = t.ys[n];
        }
    });
}

bool GraphCore::simNormParabelZeichnen(const QString& xsText, const QString& ysText)
{
    return SimKurve(*this, {&xsText, &ysText}, [&](FunktionsTabelle& t, int16_t n) {
        const float xs = Zahl(xsText);
        const float ys = Zahl(ysText);
        t.FktArt[n] = QStringLiteral("SP");
        t.a[n] = 1.0f;
        t.p[n] = NormalformP(xs, t.a[n]);
        t.q[n] = NormalformQ(xs, ys, t.a[n]);
        t.xs[n] = xs;
        t.ys[n] = ys;
    });
}

void GraphCore::GeradeSimZeichnen(int16_t i, float) { GeradeZeichnen(i); }

GraphCore::FktHakenStand GraphCore::FktHaken()
{
    FktHakenStand stand;
    ChkFeld& wahl = FktWahl().chkFkt;
    ChkFeld& löschen = FktLöschen().chkLöschen;
    for (int k = 0; k < z.AnzFkt; ++k) {
        stand.wahl.push_back(wahl.Existiert(k) && wahl.Angehakt(k));
        stand.löschen.push_back(löschen.Existiert(k) && löschen.Angehakt(k));
    }
    return stand;
}

// The dropped curve takes its values, its label place, its label and its
// list entries with it, so that the next function in its slot starts as on a
// fresh sheet, and the lists are left as they were before the simulation.
void GraphCore::SimKurveVerwerfen(const FktHakenStand& vorher)
{
    const int16_t n = z.AnzFkt + 1;
    if (n > MaxFkt)
        return;
    fkt.Leere(n);
    if (IsLoadedFkt(n)) {
        delete FunkBeschriftung[n];
        FunkBeschriftung[n] = nullptr;
    }
    if (FktWahl().chkFkt.Existiert(n - 1))
        MenüChkFktLöschen(n);
    const auto zurück = [](ChkFeld& feld, const std::vector<bool>& haken) {
        for (size_t k = 0; k < haken.size(); ++k)
            if (feld.Existiert(int(k)))
                feld.SetzeHaken(int(k), haken[k]);
    };
    zurück(FktWahl().chkFkt, vorher.wahl);
    zurück(FktLöschen().chkLöschen, vorher.löschen);
}
