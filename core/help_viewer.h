#pragma once
// The program's help window: the pages of the help collection with its
// contents, index and search beside them. A missing or unreadable help file
// is said plainly in the window; nothing else depends on it.

#include <QTemporaryDir>
#include <QWidget>
#include <memory>

class QHelpEngine;
class QLineEdit;
class QTabWidget;
class QTextBrowser;

class HilfeFenster : public QWidget {
public:
    explicit HilfeFenster(QWidget* eltern = nullptr);
    ~HilfeFenster() override;

    // Opens the collection `datei` (once; again when another file is given)
    // and shows the page registered under the context number.
    void Zeige(const QString& datei, int kontext);

    QTextBrowser* Seite() const { return seite_; }
    QLineEdit* Indexsuche() const { return indexsuche_; }
    QTabWidget* Reiter() const { return reiter_; }
    QHelpEngine* Engine() const { return engine_.get(); }
    // False when the help file could not be read.
    bool Geladen() const { return engine_ != nullptr; }

private:
    bool lade(const QString& datei);
    void zeigeFehlt(const QString& datei);
    void baueReiter();
    void leereReiter();

    QString datei_;
    std::unique_ptr<QTemporaryDir> kopie_;
    std::unique_ptr<QHelpEngine> engine_;
    QTabWidget* reiter_ = nullptr;
    QTextBrowser* seite_ = nullptr;
    QLineEdit* indexsuche_ = nullptr;
};
