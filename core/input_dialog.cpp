#include "core/input_dialog.h"

#include "core/error_log.h"
#include "core/number_text.h"
#include "core/platform_qt.h"
#include "core/program_state.h"
#include "core/twips.h"

#include <QFocusEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString FehlerText = QStringLiteral("Fehlerhafte Eingabe!!");

void Lage(QWidget* w, int links, int oben, int breite, int hoehe)
{
    w->setGeometry(Px(links), Px(oben), Px(breite), Px(hoehe));
}

QFont EingabeSchrift()
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(9.75);
    f.setBold(true);
    return f;
}

void Platzhalter(QString& t, const char* platz)
{
    if (t.isEmpty())
        t = QString::fromLatin1(platz);
}

}  // namespace

frmEingabe::frmEingabe(Programmzustand& zustand) : z(zustand)
{
    setWindowTitle(QStringLiteral("Eingabefenster"));
    setFixedSize(Px(4470), Px(2640));
    const QFont schrift = EingabeSchrift();

    auto label = [&](const char* name, bool fett) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        if (fett)
            l->setFont(schrift);
        return l;
    };
    labGleichung = label("labGleichung", true);
    labEingabe1 = label("labEingabe1", true);
    labEingabe2 = label("labEingabe2", true);
    labEingabe3 = label("labEingabe3", true);

    auto feld = [&](const char* name) {
        auto* t = new QLineEdit(this);
        t->setObjectName(QString::fromLatin1(name));
        t->setFont(schrift);
        return t;
    };
    txtEingabe1 = feld("txtEingabe1");
    txtEingabe2 = feld("txtEingabe2");
    txtEingabe3 = feld("txtEingabe3");

    auto knopf = [&](const char* name, const char* text) {
        auto* k = new QPushButton(QString::fromLatin1(text), this);
        k->setObjectName(QString::fromLatin1(name));
        // Return moves on instead of pressing a default button.
        k->setAutoDefault(false);
        k->setDefault(false);
        return k;
    };
    cmdOK = knopf("cmdOK", "Ok");
    cmdAbbrechen = knopf("cmdAbbrechen", "Abbrechen");
    cmdHilfe = knopf("cmdHilfe", "Hilfe");

    // The help text covers the three field captions while it is shown.
    labHilfe = label("labHilfe", false);
    labHilfe->setWordWrap(true);
    labHilfe->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    labHilfe->setAutoFillBackground(true);
    labHilfe->hide();

    Lage(labGleichung, 600, 120, 3735, 375);
    Lage(labEingabe1, 120, 600, 3015, 375);
    Lage(labEingabe2, 120, 1080, 3015, 375);
    Lage(labEingabe3, 120, 1560, 3015, 375);
    Lage(txtEingabe1, 3240, 600, 1095, 375);
    Lage(txtEingabe2, 3240, 1080, 1095, 375);
    Lage(txtEingabe3, 3240, 1560, 1095, 375);
    Lage(cmdAbbrechen, 120, 2160, 1095, 375);
    Lage(cmdHilfe, 1680, 2160, 1095, 375);
    Lage(cmdOK, 3240, 2160, 1095, 375);
    Lage(labHilfe, 120, 600, 3015, 1335);
    labHilfe->raise();

    felder_ = {txtEingabe1, txtEingabe2, txtEingabe3};
    tabFolge_ = {txtEingabe1, txtEingabe2, txtEingabe3, cmdOK, cmdAbbrechen, cmdHilfe};
    for (int i = 0; i + 1 < int(tabFolge_.size()); ++i)
        setTabOrder(tabFolge_[i], tabFolge_[i + 1]);
    // The dialog moves the focus itself, so that leaving a field can be
    // refused before the focus has gone.
    for (QWidget* w : tabFolge_) {
        w->setFocusPolicy(Qt::TabFocus);
        w->installEventFilter(this);
    }

    for (int i = 0; i < 3; ++i)
        connect(felder_[i], &QLineEdit::textChanged, this, [this, i] { Feld_Change(i); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdAbbrechen, &QPushButton::clicked, this, [this] { cmdAbbrechen_Click(); });
    connect(cmdHilfe, &QPushButton::clicked, this, [this] { cmdHilfe_Click(); });
}

QString frmEingabe::HilfeText()
{
    return QStringLiteral("Dezimalzeichen: Punkt oder Komma.\r"
                          "Bruchstrich mit Schrägstrich (Bsp: 2/3).\r"
                          "Nächstes Feld mit Tab- oder Return-Taste.");
}

void frmEingabe::PrintEingabe(QString& t1, QString& t2, QString& t3)
{
    const QString titel = windowTitle();
    const QString quadrat = QStringLiteral(")² ");
    if (titel.startsWith(QLatin1String("Lineare Funktion"))) {
        Platzhalter(t1, "m");
        Platzhalter(t2, "b");
        labGleichung->setText(QStringLiteral("y = ") + t1 + QStringLiteral("x ") + VZ(t2));
    } else if (titel.startsWith(QLatin1String("Allgemeine Parabel"))) {
        Platzhalter(t1, "a");
        Platzhalter(t2, "xs");
        Platzhalter(t3, "ys");
        labGleichung->setText(QStringLiteral("y = ") + t1 + QStringLiteral("(x ") + VZ_minus(t2) +
                              quadrat + VZ(t3));
    } else if (titel.startsWith(QLatin1String("Normalform"))) {
        Platzhalter(t1, "p");
        Platzhalter(t2, "q");
        labGleichung->setText(QStringLiteral("y = x² ") + VZ(t1) + QStringLiteral("x ") + VZ(t2));
    } else if (titel.startsWith(QLatin1String("Scheitelform"))) {
        Platzhalter(t1, "xs");
        Platzhalter(t2, "ys");
        t1.replace(QChar(','), QChar('.'));
        labGleichung->setText(QStringLiteral("y = (x ") + VZ_minus(t1) + quadrat + VZ(t2));
    } else if (titel.startsWith(QLatin1String("Punkt"))) {
        Platzhalter(t1, "x");
        Platzhalter(t2, "y");
        labGleichung->setText(QStringLiteral("P(") + t1 + QStringLiteral(" | ") + t2 +
                              QStringLiteral(")"));
    }
}

void frmEingabe::Vorschau()
{
    QString t1 = txtEingabe1->text();
    QString t2 = txtEingabe2->text();
    QString t3 = txtEingabe3->text();
    PrintEingabe(t1, t2, t3);
}

int frmEingabe::FeldNummer(const QObject* o) const
{
    for (int i = 0; i < 3; ++i)
        if (felder_[i] == o)
            return i;
    return -1;
}

QString& frmEingabe::EingabeString(int nr)
{
    return nr == 0 ? z.Eingabe1 : nr == 1 ? z.Eingabe2 : z.Eingabe3;
}

bool frmEingabe::LoestPruefungAus(const QWidget* w) const
{
    return FeldNummer(w) >= 0 || w == cmdOK;
}

// ---- Handlers of the fields ------------------------------------------------

void frmEingabe::Feld_Change(int nr)
{
    QString& eingabe = EingabeString(nr);
    eingabe = felder_[nr]->text();
    if (IstZahl(eingabe))
        Vorschau();
    else
        labGleichung->setText(FehlerText);
}

void frmEingabe::Feld_GotFocus(int nr)
{
    Falle falle(z, QStringLiteral("frmEingabe:txtEingabe%1_GotFocus").arg(nr + 1));
    QLineEdit* feld = felder_[nr];
    falle([&] { Vorschau(); });
    falle([&] { feld->setSelection(0, int(feld->text().size())); });
}

bool frmEingabe::Feld_Validate(int nr)
{
    Falle falle(z, QStringLiteral("frmEingabe:txtEingabe%1_Validate").arg(nr + 1));
    QLineEdit* feld = felder_[nr];
    bool abgelehnt = false;
    falle([&] {
        QString& eingabe = EingabeString(nr);
        eingabe = feld->text();
        const bool zahl = IstZahl(eingabe);
        abgelehnt = !zahl || eingabe.isEmpty();
    });
    if (abgelehnt) {
        falle([&] { labGleichung->setText(FehlerText); });
        return false;
    }
    falle([&] {
        const QString text = feld->text();
        if (!text.isEmpty() && QStringLiteral(".,/").contains(text.back()))
            feld->setText(text.chopped(1));  // runs the change handler
    });
    falle([&] { Vorschau(); });
    return true;
}

// ---- Moving the focus --------------------------------------------------------

bool frmEingabe::FokusErlaubt(QWidget* w)
{
    QLineEdit* offen = offenesFeld_;
    if (!offen || offen == w || !LoestPruefungAus(w))
        return true;
    if (Feld_Validate(FeldNummer(offen))) {
        offenesFeld_ = nullptr;
        return true;
    }
    if (focusWidget() != offen || !offen->hasFocus()) {
        fokusZurueck_ = true;
        offen->setFocus(Qt::OtherFocusReason);
        fokusZurueck_ = false;
    }
    return false;
}

void frmEingabe::FokusNach(QWidget* w, Qt::FocusReason grund)
{
    if (w && FokusErlaubt(w))
        w->setFocus(grund);
}

QWidget* frmEingabe::Nachbar(QWidget* von, bool vorwaerts) const
{
    const int n = int(tabFolge_.size());
    int i = -1;
    for (int k = 0; k < n; ++k)
        if (tabFolge_[k] == von)
            i = k;
    if (i < 0)
        i = vorwaerts ? n - 1 : 0;
    for (int schritt = 1; schritt <= n; ++schritt) {
        QWidget* w = tabFolge_[((i + (vorwaerts ? schritt : -schritt)) % n + n) % n];
        if (w->isVisibleTo(this) && w->isEnabled())
            return w;
    }
    return nullptr;
}

// ---- Events of the dialog ------------------------------------------------------

void frmEingabe::showEvent(QShowEvent* e)
{
    offenesFeld_ = nullptr;
    aktivierungOffen_ = true;
    Dialogfenster::showEvent(e);
    Form_Activate();
    activateWindow();
}

void frmEingabe::hideEvent(QHideEvent* e)
{
    offenesFeld_ = nullptr;
    aktivierungOffen_ = false;
    Dialogfenster::hideEvent(e);
}

void frmEingabe::Entlaedt()
{
    // What the fields held may never have been checked: nothing of it is taken.
    z.Eingabe1.clear();
    z.Eingabe2.clear();
    z.Eingabe3.clear();
}

void frmEingabe::keyPressEvent(QKeyEvent* e)
{
    // Escape does not cancel and Return presses no default button.
    switch (e->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        e->ignore();
        return;
    default:
        Dialogfenster::keyPressEvent(e);
    }
}

void frmEingabe::Form_Activate()
{
    Falle falle(z, QStringLiteral("frmEingabe:Form_Activate"));
    falle([&] {
        // Before the window is active the field gets its focus event when
        // the window shows or becomes active.
        if (txtEingabe1->hasFocus()) {
            aktivierungOffen_ = false;
            Feld_GotFocus(0);
        } else {
            txtEingabe1->setFocus(Qt::OtherFocusReason);
        }
    });
}

bool frmEingabe::Form_KeyPress(QObject* objekt, QKeyEvent* e)
{
    bool erledigt = false;
    Falle falle(z, QStringLiteral("frmEingabe:Form_KeyPress"));
    falle([&] {
        auto* w = static_cast<QWidget*>(objekt);
        switch (e->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab: {
            const bool vor = e->key() == Qt::Key_Tab && !(e->modifiers() & Qt::ShiftModifier);
            FokusNach(Nachbar(w, vor), vor ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            erledigt = true;
            break;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (auto* knopf = qobject_cast<QPushButton*>(w)) {
                // A focused button takes Return as its press.
                knopf->click();
                if (isVisible() && knopf->hasFocus())
                    FokusNach(Nachbar(knopf, true), Qt::TabFocusReason);
                erledigt = true;
            } else {
                FokusNach(Nachbar(w, true), Qt::TabFocusReason);
            }
            break;
        case Qt::Key_Escape:
            erledigt = true;
            break;
        default:
            break;
        }
    });
    return erledigt;
}

bool frmEingabe::eventFilter(QObject* objekt, QEvent* e)
{
    auto* w = static_cast<QWidget*>(objekt);
    switch (e->type()) {
    case QEvent::KeyPress:
        return Form_KeyPress(objekt, static_cast<QKeyEvent*>(e));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A click takes the focus only when the field left behind accepts.
        if (w->isEnabled() && w != focusWidget()) {
            if (!FokusErlaubt(w))
                return true;
            w->setFocus(Qt::MouseFocusReason);
        }
        return false;
    case QEvent::FocusIn: {
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
        // Coming back to the window is no arrival in the field, except for
        // the first focus after showing, which may come with the activation.
        if (fokusZurueck_ || grund == Qt::PopupFocusReason ||
            (grund == Qt::ActiveWindowFocusReason && !aktivierungOffen_))
            return false;
        // The focus came by another way than Tab, Return or a click.
        if (offenesFeld_ && offenesFeld_ != w && LoestPruefungAus(w) && !FokusErlaubt(w))
            return true;
        const int nr = FeldNummer(w);
        if (nr < 0)
            return false;
        offenesFeld_ = felder_[nr];
        aktivierungOffen_ = false;
        static_cast<QObject*>(w)->event(e);
        Feld_GotFocus(nr);
        return true;
    }
    default:
        return false;
    }
}

// ---- Buttons ---------------------------------------------------------------------

void frmEingabe::cmdOK_Click()
{
    Falle falle(z, QStringLiteral("frmEingabe:cmdOK_Click"));
    falle([&] { hide(); });
}

void frmEingabe::cmdAbbrechen_Click()
{
    Falle falle(z, QStringLiteral("frmEingabe:cmdAbbrechen_Click"));
    falle([&] {
        z.Eingabe1.clear();
        z.Eingabe2.clear();
        z.Eingabe3.clear();
    });
    falle([&] { hide(); });
}

void frmEingabe::cmdHilfe_Click()
{
    Falle falle(z, QStringLiteral("frmEingabe:cmdHilfe_Click"));
    falle([&] { labHilfe->setText(AlsAnzeigeText(HilfeText())); });
    falle([&] { labHilfe->setVisible(labHilfe->isHidden()); });
}
