#include "main_window/main_window.h"

#include "app_info.h"
#include "core/error_log.h"
#include "core/scroll_bar.h"
#include "core/sheet_widget.h"
#include "main_window/menu_tree.h"
#include "simulation/step_widths.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QShortcut>

frmTessarolen::frmTessarolen(Programmzustand& zustand, QWidget* eltern)
    : QMainWindow(eltern), z_(zustand)
{
    setObjectName(QStringLiteral("frmTessarolen"));
    ProgrammBeenden = [] { QCoreApplication::exit(0); };
    auto* klient = new QWidget(this);
    klient->setObjectName(QStringLiteral("Klientbereich"));
    picSchaubild = new SheetWidget(klient);
    VScroll1 = new Bildlaufleiste(klient);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setGeometry(picSchaubild->width(), 0, 17, 480);
    VScroll1->Change = [this] { VScroll1_Change(); };
    setCentralWidget(klient);
    kern_ = std::make_unique<GraphCore>(z_, *picSchaubild);
    baueMenüs();
    MausAnschließen();
    // The first size shows the sheet's width beside its scroll bar and the
    // whole menu bar, within what the screen offers (less a title bar, which
    // the window system adds).
    const QRect frei = screen()->availableGeometry();
    const int titel = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    resize(qMin(qMax(picSchaubild->width() + 17, menuBar()->sizeHint().width() + 8), frei.width()),
           qMin(720, frei.height() - titel));
    Form_Load();
}

frmTessarolen::~frmTessarolen() = default;

QAction* frmTessarolen::Aktion(const QString& name) const { return findChild<QAction*>(name); }
QMenu* frmTessarolen::Menü(const QString& name) const { return findChild<QMenu*>(name); }

void frmTessarolen::baueMenüs()
{
    const auto& baum = Menübaum();
    auto istMenü = [&](const QString& name) {
        for (const auto& e : baum)
            if (e.eltern == name)
                return true;
        return false;
    };
    for (const auto& e : baum) {
        QMenu* eltern = e.eltern.isEmpty() ? nullptr : Menü(e.eltern);
        QAction* aktion = nullptr;
        if (istMenü(e.name)) {
            QMenu* menü = eltern ? eltern->addMenu(e.caption) : menuBar()->addMenu(e.caption);
            menü->setObjectName(e.name);
            aktion = menü->menuAction();
        } else if (e.caption == QLatin1String("-")) {
            aktion = eltern->addSeparator();
        } else if (eltern) {
            aktion = eltern->addAction(e.caption);
        } else {
            aktion = menuBar()->addAction(e.caption);
        }
        aktion->setObjectName(e.name);
    }
    Aktion(QStringLiteral("mnuZusätze_0"))->setVisible(false);
    Aktion(QStringLiteral("mnuFunktionsgleichungenAusblenden"))->setCheckable(true);

    verbinde(QStringLiteral("mnuBeenden"), [this] { mnuBeenden_Click(); });
    verbinde(QStringLiteral("mnuSchrittweiten"), [this] { mnuSchrittweiten_Click(); });
    verbinde(QStringLiteral("mnuPunkte"), [this] { mnuPunkte_Click(); });
    verbinde(QStringLiteral("mnuLineareFunktion"), [this] { mnuLineareFunktion_Click(); });
    verbinde(QStringLiteral("mnuAllgParabel"), [this] { mnuAllgParabel_Click(); });
    verbinde(QStringLiteral("mnuNormalform"), [this] { mnuNormalform_Click(); });
    verbinde(QStringLiteral("mnuScheitelform"), [this] { mnuScheitelform_Click(); });
    verbinde(QStringLiteral("mnuLöscheFunktion"), [this] { mnuLöscheFunktion_Click(); });
    verbinde(QStringLiteral("mnuSchnittpunkte"), [this] { mnuSchnittpunkte_Click(); });
    verbinde(QStringLiteral("mnuFktPkt"), [this] { mnuFktPkt_Click(); });
    verbinde(QStringLiteral("mnuTessarolenLöschen"), [this] { mnuTessarolenLöschen_Click(); });
    verbinde(QStringLiteral("mnuPunkteLöschen"), [this] { mnuPunkteLöschen_Click(); });
    verbinde(QStringLiteral("mnuDrucken"), [this] { mnuDrucken_Click(); });
    verbinde(QStringLiteral("mnuAchsenZeichnen"), [this] { mnuAchsenZeichnen_Click(); });
    for (int i = 0; i < 3; ++i)
        verbinde(QStringLiteral("mnuEinheit_%1").arg(i), [this, i] { mnuEinheit_Click(i); });
    verbinde(QStringLiteral("mnuNormalAnsicht"), [this] { mnuNormalAnsicht_Click(); });
    verbinde(QStringLiteral("mnuGanzeSeite"), [this] { mnuGanzeSeite_Click(); });
    verbinde(QStringLiteral("mnuFarben"), [this] { mnuFarben_Click(); });
    verbinde(QStringLiteral("mnuFunktionsgleichungenAusblenden"),
             [this] { mnuFunktionsgleichungenAusblenden_Click(); });
    verbinde(QStringLiteral("mnuÜberschrift"), [this] { mnuÜberschrift_Click(); });
    verbinde(QStringLiteral("mnuAnleitung"), [this] { mnuAnleitung_Click(); });
    // The help key of the window system opens the help as "Anleitung" does.
    auto* hilfetaste = new QShortcut(QKeySequence::HelpContents, this);
    connect(hilfetaste, &QShortcut::activated, this, [this] { mnuAnleitung_Click(); });
    verbinde(QStringLiteral("mnuSpeichern"), [this] { mnuSpeichern_Click(); });
    verbinde(QStringLiteral("mnuÖffnen"), [this] { mnuÖffnen_Click(); });
    verbinde(QStringLiteral("mnuSimGerade"), [this] { mnuSimGerade_Click(); });
    verbinde(QStringLiteral("mnuSimAllgParabel"), [this] { mnuSimAllgParabel_Click(); });
    verbinde(QStringLiteral("mnuSimParabel"), [this] { mnuSimParabel_Click(); });
}

void frmTessarolen::verbinde(const QString& name, std::function<void()> handler)
{
    connect(Aktion(name), &QAction::triggered, this, [h = std::move(handler)] { h(); });
}

frmSchrittweiten& frmTessarolen::Schrittweiten()
{
    return HoleFenster<frmSchrittweiten>(schrittweiten_, z_, this);
}

void frmTessarolen::Form_Load()
{
    Falle falle(z_, QStringLiteral("frmTessarolen:Form_Load"));
    GraphCore& k = *kern_;
    falle([&] { z_.SimAktiv = false; });
    falle([&] {
        k.FktWahl();
        k.PktWahl();
        Schrittweiten();
    });
    falle([&] { k.ausgabe = &picSchaubild->Flaeche(); });
    falle([&] { z_.Einheit = 10.0f; });
    falle([&] { k.Zoom = 1.0f; });
    falle([&] { k.OffsetX = k.OffsetY = 0.0f; });
    falle([&] {
        VScroll1->SetzeBereich(0, 150);
        VScroll1->SetzeSmallChange(5);
        VScroll1->SetzeLargeChange(5);
        VScroll1->SetzeValue(9);
    });
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
    falle([&] { HilfeDatei = z_.Programmpfad + QString::fromLatin1(app_info::HilfeDatei); });
    falle([&] { k.Achsen(); });
}

void frmTessarolen::VScroll1_Change()
{
    Falle falle(z_, QStringLiteral("frmTessarolen:VScroll1_Change"));
    falle([&] { picSchaubild->move(0, SheetWidget::AlsPixel(-float(VScroll1->Value()))); });
}

void frmTessarolen::mnuLöscheFunktion_Click()
{
    Falle falle(z_, QStringLiteral("frmTessarolen:mnuLöscheFunktion_Click"));
    falle([&] { kern_->Löschen(); });
}

void frmTessarolen::mnuBeenden_Click()
{
    Falle falle(z_, QStringLiteral("frmTessarolen:mnuBeenden_Click"));
    falle([&] { ProgrammBeenden(); });
}

void frmTessarolen::mnuSchrittweiten_Click()
{
    Falle falle(z_, QStringLiteral("frmTessarolen:mnuSchrittweiten_Click"));
    falle([&] {
        frmSchrittweiten& d = Schrittweiten();
        d.setModal(false);
        d.show();
        d.raise();
    });
}

void frmTessarolen::closeEvent(QCloseEvent* e)
{
    // Closing the main window ends the program, even while hidden dialogs
    // or the step-width dialog still exist.
    e->accept();
    ProgrammBeenden();
}
