#include "minutes/URtfAnzeige.h"

#include "minutes/URtf.h"

#include <QTextCursor>
#include <QTextDocument>

namespace {

constexpr double PixelJeTwip = 96.0 / 1440.0;
// A tab without a tab stop goes to the next multiple of half an inch, as in word processors.
constexpr int StandardTabTwips = 720;

QFont::StyleHint stilHinweis(TRtfFamilie familie)
{
    switch (familie) {
    case TRtfFamilie::Serif: return QFont::Serif;
    case TRtfFamilie::Serifenlos: return QFont::SansSerif;
    case TRtfFamilie::Festbreite: return QFont::Monospace;
    case TRtfFamilie::Schreibschrift: return QFont::Cursive;
    case TRtfFamilie::Zier: return QFont::Decorative;
    case TRtfFamilie::Unbekannt: break;
    }
    return QFont::AnyStyle;
}

QTextCharFormat zeichenformat(const TRtfZeichen& z, const TRtfDokument& rtf)
{
    QTextCharFormat f;
    if (const TRtfSchrift* schrift = rtf.Schrift(z.Schrift)) {
        f.setFontFamilies(QStringList{schrift->Name});
        f.setFontStyleHint(stilHinweis(schrift->Familie));
    }
    f.setFontPointSize(z.Groesse / 2.0);
    f.setFontWeight(z.Fett ? QFont::Bold : QFont::Normal);
    f.setFontItalic(z.Kursiv);
    f.setFontUnderline(z.Unterstrichen);
    f.setFontStrikeOut(z.Durchgestrichen);
    if (z.Hoehe != 0)
        f.setVerticalAlignment(z.Hoehe > 0 ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignSubScript);
    const int farbe = rtf.Farbe(z.Farbe);
    f.setForeground(farbe < 0 ? QColor(Qt::black) : QColor(QRgb(farbe)));
    return f;
}

QTextOption::TabType tabArt(TRtfTabArt art)
{
    switch (art) {
    case TRtfTabArt::Zentriert: return QTextOption::CenterTab;
    case TRtfTabArt::Rechts: return QTextOption::RightTab;
    case TRtfTabArt::Dezimal: return QTextOption::DelimiterTab;
    case TRtfTabArt::Links: break;
    }
    return QTextOption::LeftTab;
}

QTextBlockFormat absatzformat(const TRtfAbsatzformat& a)
{
    QTextBlockFormat b;
    switch (a.Ausrichtung) {
    case TRtfAusrichtung::Links: b.setAlignment(Qt::AlignLeft); break;
    case TRtfAusrichtung::Zentriert: b.setAlignment(Qt::AlignHCenter); break;
    case TRtfAusrichtung::Rechts: b.setAlignment(Qt::AlignRight); break;
    case TRtfAusrichtung::Blocksatz: b.setAlignment(Qt::AlignJustify); break;
    }
    b.setLeftMargin(a.Links * PixelJeTwip);
    b.setRightMargin(a.Rechts * PixelJeTwip);
    b.setTextIndent(a.Erstzeile * PixelJeTwip);
    b.setTopMargin(a.Davor * PixelJeTwip);
    b.setBottomMargin(a.Danach * PixelJeTwip);
    if (a.Mehrfach && a.Zeilenabstand > 0)
        b.setLineHeight(a.Zeilenabstand * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (a.Zeilenabstand > 0)
        b.setLineHeight(a.Zeilenabstand * PixelJeTwip, QTextBlockFormat::MinimumHeight);
    else if (a.Zeilenabstand < 0)
        b.setLineHeight(-a.Zeilenabstand * PixelJeTwip, QTextBlockFormat::FixedHeight);
    QList<QTextOption::Tab> tabs;
    for (const TRtfTab& tab : a.Tabs)
        tabs.append(QTextOption::Tab(tab.Position * PixelJeTwip, tabArt(tab.Art), QLatin1Char(',')));
    b.setTabPositions(tabs);
    return b;
}

} // namespace

void RtfAnzeigen(const TRtfDokument& rtf, QTextDocument& ziel)
{
    ziel.clear();
    QTextOption option = ziel.defaultTextOption();
    option.setTabStopDistance(StandardTabTwips * PixelJeTwip);
    ziel.setDefaultTextOption(option);
    QTextCursor cursor(&ziel);
    cursor.beginEditBlock();
    bool erster = true;
    for (const TRtfAbsatz& absatz : rtf.Absaetze) {
        if (erster)
            cursor.setBlockFormat(absatzformat(absatz.Format));
        else
            cursor.insertBlock(absatzformat(absatz.Format));
        erster = false;
        // the paragraph mark's format gives an empty line its height
        cursor.setBlockCharFormat(zeichenformat(absatz.Marke, rtf));
        for (const TRtfLauf& lauf : absatz.Laeufe)
            cursor.insertText(lauf.Text, zeichenformat(lauf.Format, rtf));
    }
    cursor.endEditBlock();
}

int RtfTextbreite(const TRtfDokument& rtf)
{
    const double twips = static_cast<double>(rtf.Seitenbreite) - rtf.RandLinks - rtf.RandRechts;
    return static_cast<int>(std::clamp(twips, 1440.0, 30000.0) * PixelJeTwip);
}
