// The start screen: scaling to the screen, the program folder, the way on.
#include "main_window/picture_box.h"
#include "main_window/resize_form.h"
#include "main_window/start_screen.h"
#include "tests/support/test_main.h"
#include "core/program_state.h"
#include "tests/support/scripted_platform.h"
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

struct Start {
    SkriptPlattform plattform;
    Programmzustand z;
    QPointer<frmStartTessarolen> f;
    Start(QSize bild, const char* ordner = "/opt") { z.plattform = &plattform, f = new frmStartTessarolen(z, bild, ordner); }
    ~Start() { delete f; }
};

class StartScreenTest : public QObject {
    Q_OBJECT
private slots:
    void scalesToTheScreen()
    {
        Start entwurf({800, 600});
        QCOMPARE(entwurf.f->lblVersion->text(), QStringLiteral("Version 1.0.0"));
        const QList<QWidget*> vorlagen = entwurf.f->findChildren<QWidget*>();
        for (auto [breite, höhe, x, y, ordner, pfad] : {std::tuple{1600, 1200, 2.0, 2.0, "/", "/"},
                                                         {1920, 1080, 2.4, 1.8, "/opt/mathe", "/opt/mathe/"}}) {
            Start s({breite, höhe}, ordner);
            QCOMPARE(s.f->geometry(), QRect(0, 0, breite, höhe));
            QVERIFY(s.z.Programmpfad == QLatin1String(pfad) && s.plattform.meldungen.empty());
            for (QWidget* v : vorlagen) {
                auto* w = s.f->findChild<QWidget*>(v->objectName());
                const QRect r = v->geometry();
                QRect soll(qRound(r.x() * x), qRound(r.y() * y), qRound(r.width() * x), qRound(r.height() * y));
                if (w == s.f->Frame1) soll.moveCenter(QRect(0, 0, breite, höhe).center());  // centred on the screen
                QCOMPARE(w->geometry(), soll);
                QVERIFY(qAbs(w->font().pointSizeF() - v->font().pointSizeF() * (w == s.f->Image1 ? 1 : y)) < 1e-4);
            }
        }
        entwurf.f->show();  // "Programm starten": the start screen closes, then the main window shows
        int startNochOffen = -1;  // -1 while the main window was not called for
        entwurf.f->HauptfensterZeigen = [&] { startNochOffen = entwurf.f->isVisible(); };
        QTest::mouseClick(entwurf.f->Command1, Qt::LeftButton);
        QCOMPARE(startNochOffen, 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(entwurf.f.isNull() && entwurf.plattform.meldungen.empty());
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
            {new QFrame, {40, 23, 160, 20}, "DejaVu Serif", 8}, {new QFrame, {40, 23, 40, 45}, "DejaVu Serif", 8},  // lines
        };
        static_cast<QFrame*>(fälle[5].w)->setFrameShape(QFrame::HLine), static_cast<QFrame*>(fälle[6].w)->setFrameShape(QFrame::VLine);
        for (const auto& f : fälle)
            f.w->setParent(&fenster), f.w->setObjectName(QStringLiteral("c%1").arg(&f - fälle)),
                f.w->setGeometry(10, 10, 40, 20), f.w->setFont(QFont(QStringLiteral("DejaVu Serif"), 8));
        ResizeForm(fenster, 2.0f, 1.5f), ResizeForm(fenster, 2.0f, 1.5f);  // scaling twice scales twice
        QCOMPARE(fenster.geometry(), QRect(40, 45, 800, 225));
        for (const auto& [w, ort, schrift, punkte] : fälle)
            QCOMPARE(std::tuple(w->geometry(), w->font().family(), w->font().pointSizeF()), std::tuple(ort, schrift, punkte));
    }
};

TESSAROLEN_TEST_MAIN(StartScreenTest)
#include "test_start_screen.moc"
