// The name labels of points and functions on the sheet, and the legend of
// functions 1 to 5 above the grid. On screen a label is a QLabel lying on the
// sheet widget; on the printer page it is printed as text at the same place.

#include "core/error_log.h"
#include "core/graph_core.h"
#include "core/label_drag.h"
#include "core/sheet_widget.h"
#include "core/slot_index.h"

#include <QLabel>

namespace {

constexpr int32_t Schwarz = 0x0;

// A new label element: hidden, transparent, no frame, the text's top left
// corner at the label's top left corner; the user can drag it.
QLabel* NeueBeschriftung(GraphCore& k, const QString& name, int16_t nummer)
{
    auto* l = new QLabel(&k.picSchaubild);
    l->setObjectName(QStringLiteral("%1_%2").arg(name).arg(nummer));
    l->setMargin(0);
    l->setIndent(0);
    l->setContentsMargins(0, 0, 0, 0);
    l->setTextFormat(Qt::PlainText);
    l->setAutoFillBackground(false);
    l->hide();
    new BeschriftungZiehen(k, *l, name == QLatin1String("FunkBeschriftung"), nummer);
    return l;
}

}  // namespace

bool GraphCore::IsLoaded(int16_t Index) const
{
    return Index >= 0 && Index < int(PunktBeschriftung.size()) && PunktBeschriftung[Index];
}

bool GraphCore::IsLoadedFkt(int16_t i) const
{
    return i >= 0 && i < int(FunkBeschriftung.size()) && FunkBeschriftung[i];
}

// Sets a screen label as a drawing would show it: colour, font, place in
// sheet mm of the surface, text, its whole text visible.
void GraphCore::ZeigeBeschriftung(QLabel& l, const QString& s, float x, float y, float size,
                                  bool bold, int32_t farbe)
{
    QPalette pal = l.palette();
    pal.setColor(QPalette::WindowText, AlsQColor(farbe));
    l.setPalette(pal);
    QFont f(ausgabe->FontName);
    f.setBold(bold);
    const float punkte = AlsSingle(double(size) * Zoom);
    f.setPointSizeF(punkte > 0.0f ? punkte : 1.0f);
    l.setFont(f);
    l.move(SheetWidget::AlsPixel(XPos(x)), SheetWidget::AlsPixel(YPos(y)));
    l.setText(s);
    l.adjustSize();
    l.setVisible(true);
}

void GraphCore::TextPkt(int16_t Index, const QString& s, float x, float y, float size, bool bold,
                        int32_t farbe)
{
    Falle falle(z, QStringLiteral("frmTessarolen:TextPkt"));
    falle([&] {
        if (!IsLoaded(Index)) {
            PruefeNummer(Index, MaxPkt);
            PunktBeschriftung[Index] = NeueBeschriftung(*this, QStringLiteral("PunktBeschriftung"), Index);
        }
    });
    falle([&] {
        if (ausgabe->IstDrucker())
            Text(s, x, y, size, bold, farbe);
        else if (IsLoaded(Index))
            ZeigeBeschriftung(*PunktBeschriftung[Index], s, x, y, size, bold, farbe);
    });
}

// No trap of its own: a failure goes to the caller's.
void GraphCore::TextFkt(int16_t i, const QString& s, float x, float y, float size, bool bold,
                        int32_t farbe)
{
    if (!IsLoadedFkt(i)) {
        PruefeNummer(i, MaxFkt);
        FunkBeschriftung[i] = NeueBeschriftung(*this, QStringLiteral("FunkBeschriftung"), i);
    }
    const float E = z.Einheit;
    const float xMm = AlsSingle(double(E) * x);
    const float yMm = AlsSingle(double(E) * y);
    if (ausgabe->IstDrucker())
        Text(s, xMm, yMm, size, bold, farbe);
    else
        ZeigeBeschriftung(*FunkBeschriftung[i], s, xMm, yMm, size, bold, farbe);
}

void GraphCore::TextFunktion(int16_t i, float x, float y)
{
    Falle falle(z, QStringLiteral("frmTessarolen:TextFunktion"));
    if (!falle([&] { PruefeNummer(i, MaxFkt + 1); }))
        return;
    const double E = z.Einheit;
    const QString buchstabe =
        fkt.FktArt[i] == QLatin1String("GE") ? QStringLiteral("g") : QStringLiteral("p");
    falle([&] {
        if (fkt.FktLabelX[i] == 0.0f || z.SimAktiv)
            fkt.FktLabelX[i] = AlsSingle(Teile(x, E) + 0.2);
    });
    falle([&] {
        if (fkt.FktLabelY[i] == 0.0f || z.SimAktiv)
            fkt.FktLabelY[i] = AlsSingle(Teile(y, E));
    });
    falle([&] {
        TextFkt(i, buchstabe + QString::number(i), fkt.FktLabelX[i], fkt.FktLabelY[i], 10.0f, true,
                Schwarz);
    });
    if (i > 5)
        return;
    const float k = float(i - 1) * 37.0f;
    Text(buchstabe, -xHalb + 2.0f + k, yHalb + 5.0f, 10.0f, true, Schwarz);
    Text(QString::number(i), -xHalb + 4.0f + k, yHalb + 3.0f, 6.0f, true, Schwarz);
    if (GleichungenAus)
        return;
    Text(QStringLiteral(":"), -xHalb + 5.5f + k, yHalb + 5.0f, 10.0f, true, Schwarz);
    Text(fkt.FktText[i], -xHalb + 8.0f + k, yHalb + 5.0f, 10.0f, true, fkt.Farbe[i]);
}
