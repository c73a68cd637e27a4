#include "app/USitemap.h"

#include "app/UChmDatei.h"
#include "planning/UCodepage.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocumentFragment>

namespace {

QString EntitaetenAufloesen(const QString& wert)
{
    if (!wert.contains(QLatin1Char('&')))
        return wert;
    return QTextDocumentFragment::fromHtml(wert).toPlainText();
}

QHash<QString, QString> Attribute(const QString& text)
{
    static const QRegularExpression attribut(
        QStringLiteral(R"re(([A-Za-z_:][-A-Za-z0-9_:.]*)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))re"));
    QHash<QString, QString> werte;
    for (const QRegularExpressionMatch& m : attribut.globalMatch(text)) {
        QString wert = m.captured(2);
        if (m.capturedStart(3) >= 0)
            wert = m.captured(3);
        else if (m.capturedStart(4) >= 0)
            wert = m.captured(4);
        werte.insert(m.captured(1).toLower(), EntitaetenAufloesen(wert));
    }
    return werte;
}

// Walks the tags of a sitemap and keeps the list that new entries go into.
class TSitemapLeser
{
public:
    std::vector<TSitemapEintrag> Wurzel;

    TSitemapLeser() { listen.push_back(&Wurzel); }

    void Tag(const QString& name, bool schliessend, const QString& attributtext)
    {
        if (name == QLatin1String("ul"))
            schliessend ? listeSchliessen() : listeOeffnen();
        else if (name == QLatin1String("object"))
            schliessend ? objektSchliessen() : objektOeffnen(attributtext);
        else if (name == QLatin1String("param") && imObjekt)
            parameter(Attribute(attributtext));
    }

private:
    // A nested list belongs to the entry before it; a list without one stays on its level.
    void listeOeffnen()
    {
        std::vector<TSitemapEintrag>* aktuell = listen.back();
        listen.push_back(aktuell->empty() || tiefe == 0 ? aktuell : &aktuell->back().Unterpunkte);
        ++tiefe;
    }

    void listeSchliessen()
    {
        if (listen.size() > 1)
            listen.pop_back();
        if (tiefe > 0)
            --tiefe;
    }

    void objektOeffnen(const QString& attributtext)
    {
        imObjekt = Attribute(attributtext).value(QStringLiteral("type")).compare(
                       QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0;
        eintrag = TSitemapEintrag();
    }

    void objektSchliessen()
    {
        if (imObjekt && (!eintrag.Name.isEmpty() || !eintrag.Seite.isEmpty()))
            listen.back()->push_back(std::move(eintrag));
        imObjekt = false;
    }

    void parameter(const QHash<QString, QString>& werte)
    {
        const QString name = werte.value(QStringLiteral("name")).toLower();
        const QString wert = werte.value(QStringLiteral("value")).trimmed();
        if (name == QLatin1String("name") && eintrag.Name.isEmpty())
            eintrag.Name = wert;
        else if (name == QLatin1String("local") && eintrag.Seite.isEmpty())
            eintrag.Seite = ChmPfad(wert);
    }

    std::vector<std::vector<TSitemapEintrag>*> listen;
    int tiefe = 0;
    bool imObjekt = false;
    TSitemapEintrag eintrag;
};

} // namespace

std::vector<TSitemapEintrag> SitemapLesen(const QString& html)
{
    static const QRegularExpression tag(
        QStringLiteral(R"(<\s*(/?)\s*(ul|object|param)\b([^>]*)>)"),
        QRegularExpression::CaseInsensitiveOption);
    TSitemapLeser leser;
    for (const QRegularExpressionMatch& m : tag.globalMatch(html))
        leser.Tag(m.captured(2).toLower(), !m.captured(1).isEmpty(), m.captured(3));
    return std::move(leser.Wurzel);
}

QString HilfetextDekodieren(const QByteArray& bytes)
{
    QStringDecoder dekodierer = QStringDecoder::decoderForHtml(bytes);
    if (!dekodierer.isValid())
        return Cp1252Dekodieren(bytes);
    QString text = dekodierer(bytes);
    return dekodierer.hasError() ? Cp1252Dekodieren(bytes) : text;
}
