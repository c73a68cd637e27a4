#include "app/UHilfefenster.h"

#include "app/UBilder.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QSplitter>
#include <QStyle>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString schema = QStringLiteral("chm");
constexpr int seitenRolle = Qt::UserRole;

QString FehlendeSeite(const QString& seite)
{
    return QStringLiteral("<html><body><h2>Seite nicht gefunden</h2>"
                          "<p>Die Seite \"%1\" fehlt in der Hilfedatei.</p></body></html>")
        .arg(seite.toHtmlEscaped());
}

// Images drawn as SVG are rendered at twice their size, so they stay sharp on fine screens.
QImage SvgBild(const QByteArray& daten)
{
    QSvgRenderer zeichner(daten);
    if (!zeichner.isValid())
        return QImage();
    constexpr qreal faktor = 2;
    QImage bild(zeichner.defaultSize() * faktor, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    zeichner.render(&maler);
    maler.end();
    bild.setDevicePixelRatio(faktor);
    return bild;
}

// Chapters show a folder, open while expanded; pages a sheet of paper.
void KapitelBild(QTreeWidgetItem* punkt, bool offen)
{
    punkt->setIcon(0, Bild(punkt->childCount() == 0 ? 0 : offen ? 4 : 5));
}

void InhaltEinfuegen(QTreeWidgetItem* eltern, QTreeWidget* baum, const std::vector<TSitemapEintrag>& eintraege)
{
    for (const TSitemapEintrag& eintrag : eintraege) {
        auto* punkt = eltern ? new QTreeWidgetItem(eltern) : new QTreeWidgetItem(baum);
        punkt->setText(0, eintrag.Name);
        punkt->setData(0, seitenRolle, eintrag.Seite);
        InhaltEinfuegen(punkt, baum, eintrag.Unterpunkte);
        KapitelBild(punkt, false);
    }
}

QTreeWidgetItem* PunktZurSeite(QTreeWidgetItem* punkt, const QString& seite)
{
    const QString eigene = punkt->data(0, seitenRolle).toString().section(QLatin1Char('#'), 0, 0);
    if (!eigene.isEmpty() && eigene.compare(seite, Qt::CaseInsensitive) == 0)
        return punkt;
    for (int i = 0; i < punkt->childCount(); ++i)
        if (QTreeWidgetItem* gefunden = PunktZurSeite(punkt->child(i), seite))
            return gefunden;
    return nullptr;
}

} // namespace

THilfeBrowser::THilfeBrowser(const TChmDatei& datei, QWidget* parent) : QTextBrowser(parent), datei_(datei)
{
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &THilfeBrowser::verweisFolgen);
}

QUrl THilfeBrowser::Adresse(const QString& seite)
{
    QUrl adresse;
    adresse.setScheme(schema);
    const qsizetype raute = seite.indexOf(QLatin1Char('#'));
    adresse.setPath(raute < 0 ? seite : seite.left(raute));
    if (raute >= 0)
        adresse.setFragment(seite.mid(raute + 1));
    return adresse;
}

QString THilfeBrowser::Seite(const QUrl& adresse)
{
    return adresse.scheme() == schema ? adresse.path() : QString();
}

void THilfeBrowser::verweisFolgen(const QUrl& verweis)
{
    const QUrl ziel = source().resolved(verweis);
    if (ziel.scheme() == schema)
        setSource(ziel);
    else
        QDesktopServices::openUrl(ziel);
}

QVariant THilfeBrowser::loadResource(int type, const QUrl& name)
{
    const QUrl adresse = name.isRelative() ? document()->baseUrl().resolved(name) : name;
    const QString seite = Seite(adresse);
    if (seite.isEmpty())
        return QVariant();
    const QByteArray inhalt = datei_.Lesen(seite);
    switch (type) {
    case QTextDocument::HtmlResource:
        return inhalt.isEmpty() ? FehlendeSeite(seite) : HilfetextDekodieren(inhalt);
    case QTextDocument::StyleSheetResource:
        return HilfetextDekodieren(inhalt);
    case QTextDocument::ImageResource:
        return bildLaden(seite);
    default:
        return inhalt;
    }
}

QVariant THilfeBrowser::bildLaden(const QString& seite) const
{
    const QByteArray daten = datei_.Lesen(seite);
    if (QFileInfo(seite).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0)
        return SvgBild(daten);
    return QImage::fromData(daten);
}

TFHilfefenster::TFHilfefenster(std::unique_ptr<TChmDatei> datei, QWidget* besitzer)
    : QMainWindow(besitzer, Qt::Window), datei_(std::move(datei))
{
    setObjectName(QStringLiteral("TFHilfefenster"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with its main window, whether help is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    const QString titel = datei_->System().Titel;
    setWindowTitle(titel.isEmpty() ? QStringLiteral("Hilfe") : titel);
    setWindowIcon(ProgrammIcon());

    browser_ = new THilfeBrowser(*datei_, this);
    inhalt_ = new QTreeWidget(this);
    inhalt_->setHeaderHidden(true);
    inhalt_->setIndentation(16);
    reiter_ = new QTabWidget(this);
    reiter_->addTab(inhalt_, QStringLiteral("&Inhalt"));
    reiter_->addTab(indexSeiteAnlegen(), QStringLiteral("In&dex"));

    auto* teiler = new QSplitter(this);
    teiler->addWidget(reiter_);
    teiler->addWidget(browser_);
    teiler->setStretchFactor(1, 1);
    teiler->setSizes({270, 630});
    setCentralWidget(teiler);
    werkzeugleisteAnlegen();
    resize(900, 640);
    // Tab goes from the tabs through the open tab to the page.
    setTabOrder(inhalt_, suche_);
    setTabOrder(suche_, index_);
    setTabOrder(index_, browser_);
    browser_->setFocus();

    inhaltFuellen();
    indexFuellen();
    connect(browser_, &QTextBrowser::sourceChanged, this, &TFHilfefenster::seiteGewechselt);
    connect(inhalt_, &QTreeWidget::currentItemChanged, this, &TFHilfefenster::inhaltGewaehlt);
    connect(inhalt_, &QTreeWidget::itemExpanded, this, [](QTreeWidgetItem* punkt) { KapitelBild(punkt, true); });
    connect(inhalt_, &QTreeWidget::itemCollapsed, this, [](QTreeWidgetItem* punkt) { KapitelBild(punkt, false); });
}

QWidget* TFHilfefenster::indexSeiteAnlegen()
{
    auto* seite = new QWidget(this);
    suche_ = new QLineEdit(seite);
    suche_->setPlaceholderText(QStringLiteral("Suchbegriff eingeben"));
    suche_->setClearButtonEnabled(true);
    index_ = new QListWidget(seite);
    auto* anordnung = new QVBoxLayout(seite);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->addWidget(suche_);
    anordnung->addWidget(index_);
    connect(suche_, &QLineEdit::textChanged, this, &TFHilfefenster::indexSuchen);
    connect(suche_, &QLineEdit::returnPressed, this, [this] { indexGewaehlt(index_->currentItem()); });
    connect(index_, &QListWidget::itemActivated, this, &TFHilfefenster::indexGewaehlt);
    connect(index_, &QListWidget::itemClicked, this, &TFHilfefenster::indexGewaehlt);
    return seite;
}

void TFHilfefenster::werkzeugleisteAnlegen()
{
    QToolBar* leiste = addToolBar(QStringLiteral("Navigation"));
    leiste->setMovable(false);
    leiste->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* zurueck = leiste->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Zurück"));
    zurueck->setShortcut(QKeySequence::Back);
    zurueck->setEnabled(false);
    QAction* vor = leiste->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Vorwärts"));
    vor->setShortcut(QKeySequence::Forward);
    vor->setEnabled(false);
    QAction* start = leiste->addAction(ProgrammIcon(), QStringLiteral("Startseite"));
    start->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    connect(zurueck, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(vor, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, zurueck, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, vor, &QAction::setEnabled);
    connect(start, &QAction::triggered, this, &TFHilfefenster::InhaltZeigen);
}

std::vector<TSitemapEintrag> TFHilfefenster::sitemap(const QString& datei) const
{
    if (datei.isEmpty())
        return {};
    return SitemapLesen(HilfetextDekodieren(datei_->Lesen(datei)));
}

void TFHilfefenster::inhaltFuellen()
{
    InhaltEinfuegen(nullptr, inhalt_, sitemap(datei_->System().Inhaltsdatei));
    inhalt_->expandAll();
}

// The index lists every keyword with its sub-keywords indented below it.
void TFHilfefenster::indexFuellen()
{
    const std::vector<TSitemapEintrag> eintraege = sitemap(datei_->System().Indexdatei);
    for (const TSitemapEintrag& eintrag : eintraege) {
        auto* punkt = new QListWidgetItem(eintrag.Name, index_);
        punkt->setData(seitenRolle, eintrag.Seite);
        for (const TSitemapEintrag& unter : eintrag.Unterpunkte) {
            auto* unterpunkt = new QListWidgetItem(QStringLiteral("    ") + unter.Name, index_);
            unterpunkt->setData(seitenRolle, unter.Seite);
        }
    }
}

void TFHilfefenster::SeiteZeigen(const QString& seite)
{
    browser_->setSource(THilfeBrowser::Adresse(seite), QTextDocument::HtmlResource);
}

QString TFHilfefenster::Seite() const
{
    return THilfeBrowser::Seite(browser_->source());
}

void TFHilfefenster::InhaltZeigen()
{
    reiter_->setCurrentWidget(inhalt_);
    QString start = datei_->System().Startseite;
    if (start.isEmpty() && inhalt_->topLevelItemCount() > 0)
        start = inhalt_->topLevelItem(0)->data(0, seitenRolle).toString();
    if (!start.isEmpty())
        SeiteZeigen(start);
}

// Marks the page in the contents, as far as the contents list it.
void TFHilfefenster::seiteGewechselt(const QUrl& adresse)
{
    const QString seite = THilfeBrowser::Seite(adresse);
    QTreeWidgetItem* gefunden = nullptr;
    for (int i = 0; i < inhalt_->topLevelItemCount() && !gefunden; ++i)
        gefunden = PunktZurSeite(inhalt_->topLevelItem(i), seite);
    abgleich_ = true;
    if (gefunden)
        inhalt_->setCurrentItem(gefunden);
    else
        inhalt_->clearSelection();
    abgleich_ = false;
}

void TFHilfefenster::inhaltGewaehlt(QTreeWidgetItem* punkt)
{
    if (abgleich_ || !punkt)
        return;
    const QString seite = punkt->data(0, seitenRolle).toString();
    if (!seite.isEmpty())
        SeiteZeigen(seite);
}

void TFHilfefenster::indexSuchen(const QString& text)
{
    const QString gesucht = text.trimmed();
    for (int i = 0; i < index_->count() && !gesucht.isEmpty(); ++i) {
        if (index_->item(i)->text().trimmed().startsWith(gesucht, Qt::CaseInsensitive)) {
            index_->setCurrentRow(i);
            index_->scrollToItem(index_->item(i), QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

void TFHilfefenster::indexGewaehlt(QListWidgetItem* punkt)
{
    if (!punkt)
        return;
    const QString seite = punkt->data(seitenRolle).toString();
    if (!seite.isEmpty())
        SeiteZeigen(seite);
}
