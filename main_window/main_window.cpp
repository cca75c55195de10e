#include "main_window/main_window.h"

#include "app_info.h"
#include "core/error_log.h"
#include "core/sheet_widget.h"

#include <QScrollArea>

frmTessarolen::frmTessarolen(Programmzustand& zustand, QWidget* eltern)
    : QMainWindow(eltern), z_(zustand)
{
    setObjectName(QStringLiteral("frmTessarolen"));
    auto* rahmen = new QScrollArea(this);
    blatt_ = new SheetWidget();
    rahmen->setWidget(blatt_);
    rahmen->setAlignment(Qt::AlignHCenter);
    setCentralWidget(rahmen);
    kern_ = std::make_unique<GraphCore>(z_, *blatt_);
    resize(blatt_->width() + 40, 800);
    Form_Load();
}

frmTessarolen::~frmTessarolen() = default;

void frmTessarolen::Form_Load()
{
    Falle falle(z_, QStringLiteral("frmTessarolen:Form_Load"));
    GraphCore& k = *kern_;
    falle([&] { z_.SimAktiv = false; });
    falle([&] { k.ausgabe = &blatt_->Flaeche(); });
    falle([&] { z_.Einheit = 10.0f; });
    falle([&] { k.Zoom = 1.0f; });
    falle([&] { k.OffsetX = k.OffsetY = 0.0f; });
    falle([&] {
        k.MitteX = k.ausgabe->ScaleWidth() / 2.0f;
        k.MitteY = k.ausgabe->ScaleHeight() / 2.0f;
    });
    falle([&] {
        k.xHalb = 90.0f;
        k.yHalb = 130.0f;
    });
    falle([&] { setWindowTitle(QString::fromLatin1(app_info::Name)); });
    falle([&] { k.DefFarben(); });
    falle([&] { z_.AnzFkt = z_.AnzPkt = 0; });
    falle([&] { k.Achsen(); });
}
