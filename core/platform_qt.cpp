#include "core/platform_qt.h"

#include "app_info.h"

#include "core/ausgabe.h"
#include "core/help_viewer.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

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

std::optional<int32_t> QtPlattform::FarbDialog(int32_t vorgabe, const std::vector<int32_t>& farbfeld)
{
    // The dialog marks its preset where it finds it among its basic colours
    // or its own colours; these are filled before it is built.
    for (size_t i = 0; i < farbfeld.size() && int(i) < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(int(i), AlsQColor(farbfeld[i]));
    QColorDialog dlg(AlsQColor(vorgabe), QApplication::activeWindow());
    dlg.setOption(QColorDialog::DontUseNativeDialog);
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return AlsFarbwert(dlg.selectedColor());
}

namespace {
QString Dateidialog(QFileDialog::AcceptMode modus, const QString& titel, const QString& filter,
                    const QString& ordner, const QString& name)
{
    QFileDialog dlg(QApplication::activeWindow(), FensterTitel(titel), ordner, filter);
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setAcceptMode(modus);
    dlg.setFileMode(modus == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                      : QFileDialog::AnyFile);
    if (!name.isEmpty())
        dlg.selectFile(name);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().constFirst();
}
}  // namespace

QString QtPlattform::DateiÖffnenDialog(const QString& titel, const QString& filter,
                                       const QString& ordner, const QString& name)
{
    return Dateidialog(QFileDialog::AcceptOpen, titel, filter, ordner, name);
}

QString QtPlattform::DateiSpeichernDialog(const QString& titel, const QString& filter,
                                          const QString& ordner, const QString& name)
{
    return Dateidialog(QFileDialog::AcceptSave, titel, filter, ordner, name);
}

bool QtPlattform::DruckDialog(QPrinter& drucker)
{
    QPrintDialog dlg(&drucker, QApplication::activeWindow());
    dlg.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dlg.exec() == QDialog::Accepted;
}

QtPlattform::QtPlattform() = default;
QtPlattform::~QtPlattform() = default;

void QtPlattform::HilfeZeigen(const QString& datei, int kontext)
{
    if (!hilfe_)
        hilfe_ = std::make_unique<HilfeFenster>();
    hilfe_->Zeige(datei, kontext);
}
