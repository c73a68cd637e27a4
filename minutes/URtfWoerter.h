#pragma once

#include <QByteArray>
#include <QHash>

// The vocabulary of the RTF reader: the control words it acts on and the code pages of fonts.

// What a control word does.
enum class TRtfWort {
    // destinations
    Schrifttabelle, Farbtabelle, Ueberspringen, Transparent,
    // document
    Deff, Ansicpg, Papierbreite, RandLinks, RandRechts, U, Uc, Bin,
    // font and colour tables
    Familie, Zeichensatz, Rot, Gruen, Blau,
    // characters
    Plain, Fett, Kursiv, Unterstrichen, KeinUnterstrich, Durchgestrichen, Hoch, Tief, Normalhoehe,
    Groesse, Schrift, Farbe, Verborgen,
    // paragraphs
    Pard, Links, Zentriert, Rechts, Blocksatz, Einzug, EinzugRechts, Erstzeile, Davor, Danach,
    Zeilenabstand, Mehrfach, Tab, TabRechts, TabZentriert, TabDezimal,
    // text
    Absatz, Zeile, Tabulator, Zeichen,
};

struct TRtfEintrag
{
    TRtfWort Wort;
    int Wert = 0; // the character of Zeichen, the family of Familie
};

// The control words the reader knows, by name without the backslash; any other is skipped.
const QHash<QByteArray, TRtfEintrag>& RtfWoerter();
// The code page of a font's \fcharset; 0 for the document's own.
int CodepageDesZeichensatzes(int zeichensatz);
// The decoder's name of a word processor's code page; null for any other number, which
// reads as Windows-1252.
const char* CodepageName(int codepage);
