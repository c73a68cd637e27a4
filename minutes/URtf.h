#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <map>

// A small reader of Rich Text, enough to show minutes texts and their templates as a word
// processor does: paragraphs with alignment, indents, spacing, line spacing and tab stops,
// runs of text with font, size, colour, bold, italic, underline. Pictures, headers,
// footnotes, style sheets and the like are skipped. It accepts any bytes: damaged input
// gives some document, never a crash; nesting and size are bounded.

// Groups nested deeper than this are skipped with their content.
constexpr int RtfHoechsteTiefe = 100;
// Bytes beyond this are not read.
constexpr qsizetype RtfHoechsteGroesse = 16 * 1024 * 1024;
// Tab stops of one paragraph beyond this are ignored.
constexpr int RtfHoechsteTabstopps = 64;

struct TRtfZeichen
{
    bool Fett = false;
    bool Kursiv = false;
    bool Unterstrichen = false;
    bool Durchgestrichen = false;
    int Hoehe = 0;      // 1 superscript, -1 subscript
    int Groesse = 24;   // half points
    int Schrift = -1;   // number in the font table; -1: the document's default font
    int Farbe = 0;      // index in the colour table; 0: automatic
    bool operator==(const TRtfZeichen&) const = default;
};

enum class TRtfAusrichtung { Links, Zentriert, Rechts, Blocksatz };
enum class TRtfTabArt { Links, Zentriert, Rechts, Dezimal };

struct TRtfTab
{
    int Position = 0; // twips from the left margin
    TRtfTabArt Art = TRtfTabArt::Links;
    bool operator==(const TRtfTab&) const = default;
};

// Lengths in twips (1/1440 inch).
struct TRtfAbsatzformat
{
    TRtfAusrichtung Ausrichtung = TRtfAusrichtung::Links;
    int Links = 0;
    int Rechts = 0;
    int Erstzeile = 0;   // relative to Links; negative for a hanging first line
    int Davor = 0;
    int Danach = 0;
    int Zeilenabstand = 0; // 0 single; with Mehrfach 240 per line; else > 0 at least, < 0 exactly
    bool Mehrfach = false;
    QList<TRtfTab> Tabs;
    bool operator==(const TRtfAbsatzformat&) const = default;
};

struct TRtfLauf
{
    QString Text; // tabs as '\t', line breaks as U+2028
    TRtfZeichen Format;
};

struct TRtfAbsatz
{
    TRtfAbsatzformat Format;
    TRtfZeichen Marke; // the format of the paragraph mark: the height of an empty line
    QList<TRtfLauf> Laeufe;
};

enum class TRtfFamilie { Unbekannt, Serif, Serifenlos, Festbreite, Schreibschrift, Zier };

struct TRtfSchrift
{
    QString Name;
    TRtfFamilie Familie = TRtfFamilie::Unbekannt;
    int Zeichensatz = 0; // \fcharset
};

struct TRtfDokument
{
    QList<TRtfAbsatz> Absaetze;
    std::map<int, TRtfSchrift> Schriften;
    QList<int> Farben;     // 0xRRGGBB; -1 automatic
    int StandardSchrift = 0;
    // page width and margins, twips; without them a letter page with margins of one inch,
    // as LibreOffice Writer lays such a file out
    int Seitenbreite = 12240;
    int RandLinks = 1440;
    int RandRechts = 1440;

    // The text: paragraphs and line breaks as '\n', tabs as '\t'.
    QString Text() const;
    // The font of that number, the default font for a negative one; null when there is none.
    const TRtfSchrift* Schrift(int nummer) const;
    int Farbe(int index) const; // -1 for automatic or unknown
};

// Reads Rich Text. Bytes that do not begin with "{\rtf" are taken as plain text, one
// paragraph per line.
TRtfDokument RtfLesen(QByteArrayView rtf);
