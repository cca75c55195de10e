#include "core/platform_qt.h"

#include "app_info.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

QString AlsAnzeigeText(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QChar('\r'), QChar('\n'));
    return t;
}

QString FensterTitel(const QString& titel)
{
    return titel.isEmpty() ? QString::fromLatin1(app_info::Name) : titel;
}

MsgAntwort QtPlattform::MsgBox(const QString& text, MsgSymbol symbol, MsgKnoepfe knoepfe,
                               const QString& titel)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(FensterTitel(titel));
    box.setText(AlsAnzeigeText(text));
    switch (symbol) {
    case MsgSymbol::Keins: box.setIcon(QMessageBox::NoIcon); break;
    case MsgSymbol::Kritisch: box.setIcon(QMessageBox::Critical); break;
    case MsgSymbol::Frage: box.setIcon(QMessageBox::Question); break;
    case MsgSymbol::Ausruf: box.setIcon(QMessageBox::Warning); break;
    case MsgSymbol::Information: box.setIcon(QMessageBox::Information); break;
    }
    switch (knoepfe) {
    case MsgKnoepfe::OK: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgKnoepfe::OKAbbrechen: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgKnoepfe::JaNein: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgKnoepfe::JaNeinAbbrechen:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgAntwort::Ja;
    case QMessageBox::No: return MsgAntwort::Nein;
    case QMessageBox::Cancel: return MsgAntwort::Abbrechen;
    default: return MsgAntwort::OK;
    }
}

QString QtPlattform::InputBox(const QString& prompt, const QString& titel, const QString& vorgabe)
{
    QInputDialog dlg(QApplication::activeWindow());
    dlg.setWindowTitle(FensterTitel(titel));
    dlg.setLabelText(AlsAnzeigeText(prompt));
    dlg.setTextValue(vorgabe);
    if (dlg.exec() != QDialog::Accepted)
        return QString();
    return dlg.textValue();
}
