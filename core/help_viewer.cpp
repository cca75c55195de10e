#include "core/help_viewer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
// Shows the pages straight out of the help collection.
class HilfeSeite : public QTextBrowser {
public:
    explicit HilfeSeite(QWidget* eltern) : QTextBrowser(eltern) {}
    QHelpEngine* engine = nullptr;

    QVariant loadResource(int typ, const QUrl& name) override
    {
        if (engine && name.scheme() == QLatin1String("qthelp"))
            return engine->fileData(name);
        return QTextBrowser::loadResource(typ, name);
    }
};
}  // namespace

HilfeFenster::HilfeFenster(QWidget* eltern) : QWidget(eltern, Qt::Window)
{
    setObjectName(QStringLiteral("dlgHilfe"));
    setWindowTitle(QStringLiteral("Tessarolen – Anleitung"));
    auto* teiler = new QSplitter(this);
    reiter_ = new QTabWidget(teiler);
    reiter_->setObjectName(QStringLiteral("Hilfereiter"));
    seite_ = new HilfeSeite(teiler);
    seite_->setObjectName(QStringLiteral("Hilfeseite"));
    seite_->setOpenExternalLinks(false);
    teiler->addWidget(reiter_);
    teiler->addWidget(seite_);
    teiler->setStretchFactor(1, 3);
    auto* rahmen = new QVBoxLayout(this);
    rahmen->setContentsMargins(0, 0, 0, 0);
    rahmen->addWidget(teiler);
    resize(900, 640);
}

HilfeFenster::~HilfeFenster() { leereReiter(); }

// The contents, index and search widgets use the engine's models: they go
// before the engine does.
void HilfeFenster::leereReiter()
{
    static_cast<HilfeSeite*>(seite_)->engine = nullptr;
    while (reiter_->count() > 0)
        delete reiter_->widget(0);
    indexsuche_ = nullptr;
    engine_.reset();
}

void HilfeFenster::Zeige(const QString& datei, int kontext)
{
    if (datei != datei_ || !engine_) {
        datei_ = datei;
        if (!lade(datei))
            zeigeFehlt(datei);
    }
    if (engine_) {
        const QList<QHelpLink> links = engine_->documentsForIdentifier(QString::number(kontext));
        if (!links.isEmpty())
            seite_->setSource(links.constFirst().url);
    }
    show();
    raise();
    activateWindow();
}

// The collection and its documentation are read from a private copy, so
// that the search index can be written beside them even when the program's
// folder is read-only.
bool HilfeFenster::lade(const QString& datei)
{
    leereReiter();
    const QFileInfo info(datei);
    if (!info.isFile())
        return false;
    kopie_ = std::make_unique<QTemporaryDir>();
    if (!kopie_->isValid())
        return false;
    const QDir ordner = info.absoluteDir();
    for (const QString& name :
         ordner.entryList({info.completeBaseName() + QStringLiteral(".*")}, QDir::Files))
        QFile::copy(ordner.filePath(name), kopie_->filePath(name));
    auto engine = std::make_unique<QHelpEngine>(kopie_->filePath(info.fileName()));
    engine->setReadOnly(false);
    engine->setUsesFilterEngine(true);
    if (!engine->setupData() || engine->registeredDocumentations().isEmpty())
        return false;
    engine_ = std::move(engine);
    static_cast<HilfeSeite*>(seite_)->engine = engine_.get();
    baueReiter();
    return true;
}

void HilfeFenster::zeigeFehlt(const QString& datei)
{
    reiter_->hide();
    seite_->setHtml(
        QStringLiteral("<h2>Die Hilfe ist nicht vorhanden.</h2>"
                       "<p>Die Hilfedatei <b>%1</b> wurde nicht gefunden oder kann nicht gelesen "
                       "werden.</p><p>Das Programm arbeitet ohne Hilfe normal weiter.</p>")
            .arg(QDir::toNativeSeparators(datei).toHtmlEscaped()));
}

void HilfeFenster::baueReiter()
{
    QHelpEngine* e = engine_.get();
    reiter_->show();

    QHelpContentWidget* inhalt = e->contentWidget();
    inhalt->setObjectName(QStringLiteral("Hilfeinhalt"));
    connect(inhalt, &QHelpContentWidget::linkActivated, seite_,
            [this](const QUrl& url) { seite_->setSource(url); });
    connect(e->contentModel(), &QHelpContentModel::contentsCreated, inhalt,
            [inhalt] { inhalt->expandAll(); });
    reiter_->addTab(inhalt, QStringLiteral("Inhalt"));

    auto* indexSeite = new QWidget;
    auto* indexRahmen = new QVBoxLayout(indexSeite);
    indexsuche_ = new QLineEdit(indexSeite);
    indexsuche_->setObjectName(QStringLiteral("Indexsuche"));
    indexsuche_->setPlaceholderText(QStringLiteral("Stichwort eingeben"));
    QHelpIndexWidget* index = e->indexWidget();
    index->setObjectName(QStringLiteral("Hilfeindex"));
    indexRahmen->addWidget(indexsuche_);
    indexRahmen->addWidget(index);
    connect(indexsuche_, &QLineEdit::textChanged, index,
            [index](const QString& t) { index->filterIndices(t); });
    connect(indexsuche_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, seite_,
            [this](const QHelpLink& link, const QString&) { seite_->setSource(link.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, seite_,
            [this](const QList<QHelpLink>& links, const QString&) {
                if (!links.isEmpty())
                    seite_->setSource(links.constFirst().url);
            });
    reiter_->addTab(indexSeite, QStringLiteral("Index"));

    auto* suchSeite = new QWidget;
    auto* suchRahmen = new QVBoxLayout(suchSeite);
    QHelpSearchEngine* suche = e->searchEngine();
    QHelpSearchQueryWidget* anfrage = suche->queryWidget();
    QHelpSearchResultWidget* treffer = suche->resultWidget();
    suchRahmen->addWidget(anfrage);
    suchRahmen->addWidget(treffer);
    connect(anfrage, &QHelpSearchQueryWidget::search, suche,
            [suche, anfrage] { suche->search(anfrage->searchInput()); });
    connect(treffer, &QHelpSearchResultWidget::requestShowLink, seite_,
            [this](const QUrl& url) { seite_->setSource(url); });
    reiter_->addTab(suchSeite, QStringLiteral("Suche"));
    suche->reindexDocumentation();
}
