#include "distribution/UErgebnisText.h"

#include "planning/UCodepage.h"

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

TErgebnisTabelle ErgebnisTabelle(const TVerteilung& verteilung, int spalten)
{
    TErgebnisTabelle tabelle;
    QStringList kopf{QString()};
    for (int c = 1; c <= spalten; ++c)
        kopf << QString(QChar(64 + c));
    tabelle << kopf;
    int r = 0;
    for (const TGruppe* gruppe : verteilung) {
        QStringList zeile{QStringLiteral("%1.").arg(++r)};
        for (int c = 0; c < spalten; ++c)
            zeile << (c < gruppe->size() ? gruppe->at(c)->Bezeichnung : QString());
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
