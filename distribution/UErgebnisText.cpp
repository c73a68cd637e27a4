#include "distribution/UErgebnisText.h"

#include "planning/UCodepage.h"
#include "planning/UFunctions.h"

#include <QDate>

#include <algorithm>
#include <QDateTime>

namespace {

QString feld(const QString& text)
{
    bool quoten = false;
    for (const QChar c : text)
        if ((c.unicode() >= 1 && c.unicode() <= 32) || c == u'"' || c == u',') {
            quoten = true;
            break;
        }
    if (!quoten)
        return text;
    QString innen = text;
    innen.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + innen + QLatin1Char('"');
}

} // namespace

QString Spaltenbuchstabe(int spalte)
{
    return QString(QChar(65 + spalte));
}

QString Zeilennummer(int zeile)
{
    return QStringLiteral("%1.").arg(zeile + 1);
}

TPlanZeilen Planzeilen(const TVerteilung& verteilung, int spalten)
{
    TPlanZeilen zeilen;
    for (const TGruppe* gruppe : verteilung) {
        QList<TKlasse*> zeile = gruppe->mid(0, spalten);
        while (zeile.size() < spalten)
            zeile << nullptr;
        zeilen << zeile;
    }
    return zeilen;
}

TErgebnisTabelle ErgebnisTabelle(const TVerteilung& verteilung, int spalten)
{
    return ErgebnisTabelle(Planzeilen(verteilung, spalten), spalten);
}

TErgebnisTabelle ErgebnisTabelle(const TPlanZeilen& zeilen, int spalten)
{
    TErgebnisTabelle tabelle;
    QStringList kopf{QString()};
    for (int c = 0; c < spalten; ++c)
        kopf << Spaltenbuchstabe(c);
    tabelle << kopf;
    for (qsizetype r = 0; r < zeilen.size(); ++r) {
        QStringList zeile{Zeilennummer(static_cast<int>(r))};
        for (int c = 0; c < spalten; ++c) {
            const TKlasse* klasse = zeilen[r].value(c);
            zeile << (klasse ? klasse->Bezeichnung : QString());
        }
        tabelle << zeile;
    }
    return tabelle;
}

QByteArray ErgebnisText(const TErgebnisTabelle& tabelle, bool tabulator)
{
    QString text;
    for (qsizetype r = 0; r < tabelle.size(); ++r) {
        QStringList felder;
        for (const QString& zelle : tabelle[r])
            felder << feld(zelle);
        QString zeile = (r == 0 ? QStringLiteral("//") : QString()) + felder.join(u',');
        if (tabulator)
            zeile.replace(u',', u'\t');
        text += zeile + QStringLiteral("\r\n");
    }
    return Cp1252Kodieren(text);
}

TErgebnisTabelle ZeitplanTabelle(const TPlanZeilen& zeilen, const TZeitplan& zeitplan, const QStringList& raeume)
{
    qsizetype spalten = 0;
    for (const QList<TKlasse*>& zeile : zeilen)
        spalten = std::max(spalten, zeile.size());
    QStringList kopf{QString(), QStringLiteral("Tag"), QStringLiteral("Beginn"), QStringLiteral("Ende")};
    for (qsizetype c = 0; c < spalten; ++c)
        kopf << raeume.value(c);
    TErgebnisTabelle tabelle{kopf};
    for (qsizetype r = 0; r < zeilen.size(); ++r)
        tabelle << QStringList{Zeilennummer(static_cast<int>(r)), QStringLiteral("nicht untergebracht"), QString(),
                               QString()};
    for (const TPlanTag& tag : zeitplan.Tage)
        for (const TZeitfenster& fenster : tag.Zeitfenster) {
            if (fenster.Zeile < 0 || fenster.Zeile >= zeilen.size())
                continue;
            QStringList& zeile = tabelle[fenster.Zeile + 1];
            zeile[1] = TagText(tag.Datum);
            zeile[2] = UhrzeitText(fenster.Beginn);
            zeile[3] = UhrzeitText(fenster.Ende);
        }
    for (qsizetype r = 0; r < zeilen.size(); ++r)
        for (qsizetype c = 0; c < spalten; ++c) {
            const TKlasse* klasse = zeilen[r].value(c);
            tabelle[r + 1] << (klasse ? klasse->Bezeichnung : QString());
        }
    return tabelle;
}
