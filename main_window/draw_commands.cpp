// The commands of the "Zeichnen" menu: a point, a straight line and the
// three kinds of parabola, each entered through the input dialog.

#include "core/analysis_math.h"
#include "core/error_log.h"
#include "core/input_dialog.h"
#include "core/number_text.h"
#include "core/platform.h"
#include "core/twips.h"
#include "main_window/main_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Reads an input string with the point-only conversion into a 32-bit float.
float alsZahl(const QString& eingabe) { return AlsSingle(Val(eingabe)); }

}  // namespace

void frmTessarolen::EingabeLayout(bool dreiFelder)
{
    frmEingabe& d = kern_->Eingabe();
    d.labEingabe3->setVisible(dreiFelder);
    d.txtEingabe3->setVisible(dreiFelder);
    d.labHilfe->resize(d.labHilfe->width(), Px(dreiFelder ? 1355 : 855));
    for (QPushButton* knopf : {d.cmdAbbrechen, d.cmdHilfe, d.cmdOK})
        SetzeObenTwips(*knopf, dreiFelder ? 2160 : 1680);
    d.SetzeHöhe(dreiFelder ? 3150 : 2730);
}

void frmTessarolen::FunktionEingeben(const Funktionsbefehl& befehl)
{
    Falle falle(z_, QStringLiteral("frmTessarolen:") + befehl.name);
    GraphCore& k = *kern_;
    if (z_.AnzFkt >= MaxFkt) {
        falle([&] { z_.plattform->MsgBox(FunktionsGrenzeText()); });
        return;
    }
    z_.AnzFkt += 1;
    const int16_t n = z_.AnzFkt;
    falle([&] { EingabeLayout(befehl.dreiFelder); });
    falle([&] {
        k.EingabeBox(befehl.label1, befehl.label2, befehl.label3, befehl.titel, befehl.vorlage);
    });
    if (z_.Eingabe1.isEmpty() || z_.Eingabe2.isEmpty() ||
        (befehl.dreiFelder && z_.Eingabe3.isEmpty())) {
        z_.AnzFkt -= 1;
        return;
    }
    // The entered values and what follows from them are stored together; a
    // value that does not fit stores nothing.
    bool gespeichert = false;
    falle([&] { gespeichert = befehl.speichern(k.fkt, n, z_); });
    if (!gespeichert) {  // refused, or a value that does not fit
        z_.AnzFkt -= 1;
        return;
    }
    falle([&] { k.fkt.FktArt[n] = befehl.art; });
    falle([&] { k.FunktionZeichnen(n); });
    falle([&] { k.MenüFunktionsEinträge(n); });
}

void frmTessarolen::mnuLineareFunktion_Click()
{
    FunktionEingeben({QStringLiteral("mnuLineareFunktion_Click"), false,
                      QStringLiteral("Steigung m:"), QStringLiteral("Y-Achsenabschnitt b:"), QString(),
                      QStringLiteral("Lineare Funktion:"), QStringLiteral("y = mx + b"),
                      QStringLiteral("GE"), [](FunktionsTabelle& t, int16_t n, Programmzustand& z) {
                          const float m = alsZahl(z.Eingabe1);
                          const float b = alsZahl(z.Eingabe2);
                          t.m[n] = m;
                          t.b[n] = b;
                          t.a[n] = 0.0f;
                          return true;
                      }});
}

void frmTessarolen::mnuAllgParabel_Click()
{
    FunktionEingeben(
        {QStringLiteral("mnuAllgParabel_Click"), true, QStringLiteral("Formfaktor a:"),
         QStringLiteral("Scheitelkoordinate xs:"), QStringLiteral("Scheitelkoordinate ys:"),
         QStringLiteral("Allgemeine Parabel:"), QStringLiteral("y = a(x-b) ² + c"), QStringLiteral("AP"),
         [](FunktionsTabelle& t, int16_t n, Programmzustand& z) {
             const float a = alsZahl(z.Eingabe1);
             const float b = alsZahl(z.Eingabe2);
             const float c = alsZahl(z.Eingabe3);
             if (a == 0.0f) {
                 // With a = 0 there is no parabola to draw or analyse.
                 z.plattform->MsgBox(QStringLiteral("Der Formfaktor a darf nicht 0 sein!"),
                                     MsgSymbol::Information, MsgKnoepfe::OK,
                                     QStringLiteral("Hinweis..."));
                 return false;
             }
             t.a[n] = a;
             t.b[n] = b;
             t.c[n] = c;
             t.p[n] = 0.0f;
             t.q[n] = c;
             t.xs[n] = b;
             t.ys[n] = c;
             return true;
         }});
}

void frmTessarolen::mnuNormalform_Click()
{
    FunktionEingeben({QStringLiteral("mnuNormalform_Click"), false, QStringLiteral("Faktor p:"),
                      QStringLiteral("Konstante q:"), QString(), QStringLiteral("Normalform der Parabel:"),
                      QStringLiteral("y = x ² + px + q"), QStringLiteral("NP"),
                      [](FunktionsTabelle& t, int16_t n, Programmzustand& z) {
                          const float p = alsZahl(z.Eingabe1);
                          const float q = alsZahl(z.Eingabe2);
                          const float a = 1.0f;
                          const float xs = ScheitelXs(p, a);
                          const float ys = ScheitelYs(p, q, a);
                          t.p[n] = p;
                          t.q[n] = q;
                          t.a[n] = a;
                          t.xs[n] = xs;
                          t.ys[n] = ys;
                          return true;
                      }});
}

void frmTessarolen::mnuScheitelform_Click()
{
    FunktionEingeben({QStringLiteral("mnuScheitelform_Click"), false,
                      QStringLiteral("Scheitelkoordinate xs:"), QStringLiteral("Scheitelkoordinate ys:"),
                      QString(), QStringLiteral("Scheitelform der Parabel:"),
                      QStringLiteral("y = (x - xs) ² + ys"), QStringLiteral("SP"),
                      [](FunktionsTabelle& t, int16_t n, Programmzustand& z) {
                          const float xs = alsZahl(z.Eingabe1);
                          const float ys = alsZahl(z.Eingabe2);
                          const float a = 1.0f;
                          const float p = NormalformP(xs, a);
                          const float q = NormalformQ(xs, ys, a);
                          t.xs[n] = xs;
                          t.ys[n] = ys;
                          t.a[n] = a;
                          t.p[n] = p;
                          t.q[n] = q;
                          return true;
                      }});
}

void frmTessarolen::mnuPunkte_Click()
{
    Falle falle(z_, QStringLiteral("frmTessarolen:mnuPunkte_Click"));
    GraphCore& k = *kern_;
    z_.AnzPkt += 1;
    const int16_t n = z_.AnzPkt;
    if (n > MaxPkt) {
        falle([&] { z_.plattform->MsgBox(PunktGrenzeText()); });
        z_.AnzPkt -= 1;
        return;
    }
    falle([&] { EingabeLayout(false); });
    falle([&] {
        k.EingabeBox(QStringLiteral("Koordinate x:"), QStringLiteral("Koordinate y:"), QString(),
                     QStringLiteral("Punkt:"), QStringLiteral("P(x | y)"));
    });
    if (z_.Eingabe1.isEmpty() || z_.Eingabe2.isEmpty()) {
        z_.AnzPkt -= 1;
        return;
    }
    float x = 0.0f, y = 0.0f;
    if (!falle([&] {
            x = alsZahl(z_.Eingabe1);
            y = alsZahl(z_.Eingabe2);
        })) {
        z_.AnzPkt -= 1;
        return;
    }
    k.PunktEintragen(falle, n, x, y, QStringLiteral("P"));
}
