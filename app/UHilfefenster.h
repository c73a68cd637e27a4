#pragma once

#include "app/UChmDatei.h"
#include "app/USitemap.h"

#include <QMainWindow>
#include <QTextBrowser>
#include <QUrl>

#include <memory>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

// Shows the pages of a help file: pages, style sheets and images come from the file;
// links to other addresses open in the desktop's browser.
class THilfeBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit THilfeBrowser(const TChmDatei& datei, QWidget* parent = nullptr);

    // The address of a page of the help file ("/start.html" -> chm:/start.html).
    static QUrl Adresse(const QString& seite);
    // The page of the help file an address stands for, without its fragment.
    static QString Seite(const QUrl& adresse);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    void verweisFolgen(const QUrl& verweis);
    QVariant bildLaden(const QString& seite) const;

    const TChmDatei& datei_;
};

// The help window: contents and index of the help file on the left, the page on the right,
// with back, forward and the start page. It deletes itself when closed.
class TFHilfefenster : public QMainWindow
{
    Q_OBJECT

public:
    TFHilfefenster(std::unique_ptr<TChmDatei> datei, QWidget* besitzer);

    const TChmDatei& Datei() const { return *datei_; }
    // Shows a page of the help file ("/hauptfenster.html", maybe with a #fragment).
    void SeiteZeigen(const QString& seite);
    // The page shown now, without fragment.
    QString Seite() const;
    void InhaltZeigen();

    THilfeBrowser* Browser() const { return browser_; }
    QTreeWidget* Inhalt() const { return inhalt_; }
    QListWidget* Index() const { return index_; }

private:
    void werkzeugleisteAnlegen();
    QWidget* indexSeiteAnlegen();
    void inhaltFuellen();
    void indexFuellen();
    void seiteGewechselt(const QUrl& adresse);
    void inhaltGewaehlt(QTreeWidgetItem* punkt);
    void indexSuchen(const QString& text);
    void indexGewaehlt(QListWidgetItem* punkt);
    std::vector<TSitemapEintrag> sitemap(const QString& datei) const;

    std::unique_ptr<TChmDatei> datei_;
    THilfeBrowser* browser_ = nullptr;
    QTabWidget* reiter_ = nullptr;
    QTreeWidget* inhalt_ = nullptr;
    QLineEdit* suche_ = nullptr;
    QListWidget* index_ = nullptr;
    bool abgleich_ = false;
};
