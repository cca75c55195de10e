#include "main_window/start_screen.h"

#include "app_info.h"
#include "core/error_log.h"
#include "core/program_state.h"
#include "main_window/picture_box.h"
#include "main_window/resize_form.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace {

// The layout is drawn for a screen of this size in pixels.
constexpr int EntwurfBreite = 800;
constexpr int EntwurfHöhe = 600;

QLabel* Beschriftung(QWidget* eltern, const char* name, const QString& text, QRect ort,
                     double punkte, bool fett, Qt::Alignment ausrichtung, const char* farbe)
{
    auto* l = new QLabel(text, eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(ort);
    QFont f = l->font();
    f.setPointSizeF(punkte);
    f.setBold(fett);
    l->setFont(f);
    l->setAlignment(ausrichtung | Qt::AlignVCenter);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(QLatin1String(farbe)));
    l->setPalette(p);
    return l;
}

}  // namespace

QString MitTrenner(const QString& ordner)
{
    QString pfad = QDir::toNativeSeparators(ordner);
    if (!pfad.endsWith(QDir::separator()))
        pfad += QDir::separator();
    return pfad;
}

frmStartTessarolen::frmStartTessarolen(Programmzustand& zustand, QSize bildschirm,
                                       QString programmordner, QWidget* eltern)
    : QWidget(eltern, Qt::Window | Qt::FramelessWindowHint), z_(zustand), bildschirm_(bildschirm),
      programmordner_(std::move(programmordner))
{
    setObjectName(QStringLiteral("frmStartTessarolen"));
    setAttribute(Qt::WA_DeleteOnClose);
    baueEntwurf();
    Form_Load();
}

void frmStartTessarolen::baueEntwurf()
{
    setWindowTitle(QString::fromLatin1(app_info::Name));
    setGeometry(0, 0, EntwurfBreite, EntwurfHöhe);

    Image1 = new Bildfeld(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, EntwurfBreite, EntwurfHöhe);
    Image1->SetzeBild(QPixmap(QStringLiteral(":/start_picture.png")));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(180, 160, 440, 280);
    Frame1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Frame1->setLineWidth(2);
    Frame1->setAutoFillBackground(true);
    QPalette p = Frame1->palette();
    p.setColor(QPalette::Window, QColor(0xff, 0xfe, 0xf6));
    p.setColor(QPalette::WindowText, QColor(0x44, 0x54, 0x6a));
    Frame1->setPalette(p);

    const auto mitte = Qt::AlignHCenter;
    lblCompanyProduct = Beschriftung(Frame1, "lblCompanyProduct", QStringLiteral("ZEMBRALO"),
                                     {20, 12, 200, 20}, 9, true, Qt::AlignLeft, "#44546a");
    lblPlatform = Beschriftung(Frame1, "lblPlatform", QStringLiteral("Mathematik Realschule"),
                               {220, 12, 200, 20}, 9, false, Qt::AlignRight, "#44546a");
    Label2 = Beschriftung(Frame1, "Label2", QString(), {20, 38, 400, 3}, 9, false, mitte, "#44546a");
    Label2->setAutoFillBackground(true);
    p.setColor(QPalette::Window, QColor(0xc0, 0x39, 0x2b));
    Label2->setPalette(p);
    lblProductName = Beschriftung(Frame1, "lblProductName", QStringLiteral("Tessarolen"),
                                  {20, 52, 400, 64}, 32, true, mitte, "#1f5fa8");
    lblVersion = Beschriftung(Frame1, "lblVersion", QStringLiteral("Version 1.5"), {20, 118, 400, 20},
                              10, false, mitte, "#44546a");
    Label1 = Beschriftung(Frame1, "Label1",
                          QStringLiteral("Übungsaufgaben bereitlegen und  los geht's!!"),
                          {20, 156, 400, 26}, 11, false, mitte, "#202020");

    Command1 = new QPushButton(QStringLiteral("Programm starten"), Frame1);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(130, 206, 180, 44);
    QFont f = Command1->font();
    f.setPointSizeF(10);
    f.setBold(true);
    Command1->setFont(f);
    Command1->setAutoDefault(true);
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void frmStartTessarolen::Form_Load()
{
    Falle falle(z_, QStringLiteral("frmStartTessarolen:Form_Load"));
    float xFaktor = 1.0f;
    float yFaktor = 1.0f;
    falle([&] {
        xFaktor = float(bildschirm_.width()) / EntwurfBreite;
        yFaktor = float(bildschirm_.height()) / EntwurfHöhe;
    });
    falle([&] { ResizeForm(*this, xFaktor, yFaktor); });
    falle([&] {
        lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                                .arg(app_info::Major)
                                .arg(app_info::Minor)
                                .arg(app_info::Revision));
    });
    falle([&] {
        Frame1->move((bildschirm_.width() - Frame1->width()) / 2, Frame1->y());
        Frame1->move(Frame1->x(), (bildschirm_.height() - Frame1->height()) / 2);
    });
    falle([&] { z_.Programmpfad = MitTrenner(programmordner_); });
}

void frmStartTessarolen::Command1_Click()
{
    Falle falle(z_, QStringLiteral("frmStartTessarolen:Command1_Click"));
    falle([&] { close(); });
    falle([&] { HauptfensterZeigen(); });
}
