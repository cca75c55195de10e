// "Drucken...": the sheet drawn once more by the same operations, onto one
// printer page at true size, and everything that printing changed set back.

#include "main_window/printing.h"

#include "core/error_log.h"
#include "core/platform.h"
#include "core/printer_surface.h"
#include "core/sheet_widget.h"
#include "main_window/main_window.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace {

constexpr double MmProZoll = 25.3995;

// In device pixels, as whole numbers: the printable area's corner is the
// physical offset, its extent the printable size.
int32_t Pixel(double wert) { return int32_t(std::lround(wert)); }

}  // namespace

void Drucken(Programmzustand& z, const QPrinter& drucker, Druckerflaeche& seite, Druckmetrik& m)
{
    Falle falle(z, QStringLiteral("Module1:Drucken"));
    const QRectF bereich = drucker.pageRect(QPrinter::DevicePixel);
    // The page measures in millimetres already.
    falle([&] { seite.FontName = QStringLiteral("Arial"); });
    falle([&] {
        m.DpiX = drucker.resolution();
        m.DpiY = drucker.resolution();
    });
    falle([&] {
        m.DruckOffsetX = float(Pixel(bereich.left()));
        m.DruckOffsetY = float(Pixel(bereich.top()));
    });
    falle([&] {
        m.DruckOffsetX = AlsSingle(Teile(m.DruckOffsetX, m.DpiX) * MmProZoll);
        m.DruckOffsetY = AlsSingle(Teile(m.DruckOffsetY, m.DpiY) * MmProZoll);
    });
    falle([&] {
        m.DruckBreite = float(Pixel(bereich.width()));
        m.DruckHöhe = float(Pixel(bereich.height()));
    });
    falle([&] {
        m.DruckBreite = AlsSingle(Teile(m.DruckBreite, m.DpiX) * MmProZoll);
        m.DruckHöhe = AlsSingle(Teile(m.DruckHöhe, m.DpiY) * MmProZoll);
    });
}

void frmTessarolen::mnuDrucken_Click()
{
    GraphCore& k = *kern_;
    Falle falle(z_, QStringLiteral("frmTessarolen:mnuDrucken_Click"));
    float alterZoom = k.Zoom;
    falle([&] { z_.SimAktiv = false; });
    falle([&] {
        k.Überschrift = ÜberschriftAbfragen(QStringLiteral("Überschrift des Ausdrucks eingeben:"),
                                            QStringLiteral("Ausdruck"));
    });
    falle([&] {
        alterZoom = k.Zoom;
        k.Zoom = 1.0f;
    });

    // Every way out, through the end or a failure, sets back what printing
    // changed; the screen keeps its picture.
    struct Zurück {
        frmTessarolen& f;
        GraphCore& k;
        float zoom;
        ~Zurück()
        {
            k.ausgabe = &f.picSchaubild->Flaeche();
            k.OffsetX = 0.0f;
            k.OffsetY = 0.0f;
            k.Zoom = zoom;
            k.yHalb = 130.0f;
        }
    } zurück{*this, k, alterZoom};

    QPrinter drucker(QPrinter::HighResolution);
    QPainter maler;
    try {
        drucker.setPageSize(QPageSize(QPageSize::A4));
        drucker.setPageOrientation(QPageLayout::Portrait);
        if (!z_.plattform || !z_.plattform->DruckDialog(drucker))
            return;
        if (!maler.begin(&drucker))
            return;
        const QRect bereich = drucker.pageRect(QPrinter::DevicePixel).toRect();
        Druckerflaeche seite(maler, drucker.resolution(), bereich.width(), bereich.height());
        k.ausgabe = &seite;
        Druckmetrik m;
        Drucken(z_, drucker, seite, m);
        if (m.DruckHöhe < MindestDruckHöhe) {
            z_.plattform->MsgBox(
                QStringLiteral("Der Druckbereich des gewählten Druckers ist zu knapp,") + QChar(13) +
                    QStringLiteral("deshalb muss die Y-Achse beim Ausdruck um eine LE gekürzt werden!"),
                MsgSymbol::Information, MsgKnoepfe::OK, QStringLiteral("Hinweis..."));
            k.yHalb = k.yHalb - 10.0f;
        }
        k.OffsetX = m.DruckOffsetX;
        k.OffsetY = m.DruckOffsetY;
        k.Achsen();
        k.TessarolenZeichnen();
        k.PunkteZeichnen();
        maler.end();
    } catch (...) {
        // A failing printer ends the command without a message; the page is
        // not finished.
        if (maler.isActive())
            drucker.abort();
    }
}
