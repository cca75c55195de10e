// The start screen: scaling to the screen, the program folder, the way on.

#include "app_info.h"
#include "main_window/picture_box.h"
#include "main_window/resize_form.h"
#include "main_window/start_screen.h"
#include "tests/support/test_main.h"
#include "tests/support/window_fixture.h"
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

struct Start {
    SkriptPlattform plattform;
    Programmzustand z;
    QPointer<frmStartTessarolen> f;
    Start(QSize bildschirm, const char* ordner = "/opt")
    { z.plattform = &plattform; f = new frmStartTessarolen(z, bildschirm, QLatin1String(ordner)); }
    ~Start() { delete f; }
};

class StartScreenTest : public QObject {
    Q_OBJECT
private slots:
    void scalesToTheScreen()
    {
        Start entwurf({800, 600});
        QCOMPARE(entwurf.f->geometry(), QRect(0, 0, 800, 600));
        QCOMPARE(entwurf.f->lblVersion->text(), QStringLiteral("Version %1.%2.%3")
                     .arg(app_info::Major).arg(app_info::Minor).arg(app_info::Revision));
        const QList<QWidget*> vorlagen = entwurf.f->findChildren<QWidget*>();
        for (QWidget* w : vorlagen)
            QCOMPARE(w->font().family() == QStringLiteral("Tahoma"), w != entwurf.f->Image1);
        for (auto [breite, höhe, x, y] : {std::tuple{1600, 1200, 2.0, 2.0}, {1920, 1080, 2.4, 1.8}}) {
            Start s({breite, höhe});
            QCOMPARE(s.f->geometry(), QRect(0, 0, breite, höhe));
            for (QWidget* v : vorlagen) {
                auto* w = s.f->findChild<QWidget*>(v->objectName());
                const QRect r = v->geometry(), g = w->geometry();
                QCOMPARE(g.size(), QSize(qRound(r.width() * x), qRound(r.height() * y)));
                if (w == s.f->Frame1)  // centred on the screen
                    QCOMPARE(g.center(), QRect(0, 0, breite, höhe).center());
                else
                    QCOMPARE(g.topLeft(), QPoint(qRound(r.x() * x), qRound(r.y() * y)));
                const double schrift = w == s.f->Image1 ? 1 : y;  // a picture has no font
                QVERIFY(qAbs(w->font().pointSizeF() - v->font().pointSizeF() * schrift) < 1e-4);
            }
            QVERIFY(s.plattform.meldungen.empty());
        }
    }

    void scalesEachKindOfControl()
    {
        QWidget fenster;
        fenster.setGeometry(10, 20, 200, 100);
        const struct { QWidget* w; QRect ort; QString schrift; double punkte; } fälle[] = {
            {new QLabel(QStringLiteral("x")), {40, 23, 160, 45}, "Tahoma", 18},
            {new QLineEdit, {40, 23, 160, 45}, "DejaVu Serif", 8},
            {new QScrollBar(Qt::Vertical), {40, 23, 40, 45}, "DejaVu Serif", 8},
            {new QScrollBar(Qt::Horizontal), {40, 23, 160, 20}, "DejaVu Serif", 8},
            {new Bildfeld, {40, 23, 160, 45}, "DejaVu Serif", 8},
        };
        for (const auto& f : fälle) {
            f.w->setParent(&fenster);
            f.w->setObjectName(QStringLiteral("c%1").arg(&f - fälle));
            f.w->setGeometry(10, 10, 40, 20);
            f.w->setFont(QFont(QStringLiteral("DejaVu Serif"), 8));
        }
        ResizeForm(fenster, 2.0f, 1.5f);
        ResizeForm(fenster, 2.0f, 1.5f);  // scaling twice scales twice
        QCOMPARE(fenster.geometry(), QRect(40, 45, 800, 225));
        for (const auto& f : fälle)
            QCOMPARE(std::tuple(f.w->geometry(), f.w->font().family(), f.w->font().pointSizeF()),
                     std::tuple(f.ort, f.schrift, f.punkte));
    }

    void recordsTheProgramFolder()
    {
        for (auto [ordner, pfad] : {std::pair{"/", "/"}, {"/opt/mathe", "/opt/mathe/"}})
            QCOMPARE(Start({800, 600}, ordner).z.Programmpfad, QLatin1String(pfad));
    }

    void startOpensTheMainWindow()
    {
        Start s({800, 600});
        s.f->show();
        std::unique_ptr<frmTessarolen> haupt;
        bool startNochOffen = true;
        s.f->HauptfensterZeigen = [&] {
            startNochOffen = s.f->isVisible();
            haupt = std::make_unique<frmTessarolen>(s.z);
            haupt->show();
        };
        QTest::mouseClick(s.f->Command1, Qt::LeftButton);
        QVERIFY(!startNochOffen && haupt && haupt->isVisible());
        QCOMPARE(haupt->windowTitle(), QStringLiteral("Tessarolen"));  // its load ran
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(s.f.isNull() && s.plattform.meldungen.empty());
    }
};

TESSAROLEN_TEST_MAIN(StartScreenTest)
#include "test_start_screen.moc"
