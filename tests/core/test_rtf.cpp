// The RTF reader of the preview: text, formats and the document's structure, and damaged input.
#include "minutes/UProtokoll.h"
#include "minutes/URtf.h"
#include "planning/UDatei.h"

#include <gtest/gtest.h>

TEST(Rtf, Text)
{
    struct TFall
    {
        QByteArray rtf;
        const char* text;
    };
    const TFall faelle[] = {
        {"{\\rtf1 a\\par b\\line c\\tab d}", "a\nb\nc\td"},
        // \'hh in the document's code page, in a font's code page; \u with \uc
        {"{\\rtf1\\ansi\\ansicpg1252 Gr\\'f6\\'DF\\'80}", "Größ€"},
        {"{\\rtf1\\ansicpg1251 \\'c0\\'e1}", "Аб"},
        {"{\\rtf1\\ansicpg932 \\'82\\'a0\\'82\\'a2}", "あい"}, // two bytes a character
        {"{\\rtf1\\ansicpg1047 \\'c1}", "Á"},               // no word processor's code page
        {"{\\rtf1{\\fonttbl{\\f1\\fcharset238 X;}}\\f1 \\'9a\\'e8}", "šč"},
        {"{\\rtf1\\deff1{\\fonttbl{\\f0 A;}{\\f1\\fcharset238 X;}}\\'e8}", "č"}, // the default font's code page
        {"{\\rtf1\\uc1 Y\\u305?lmaz \\uc2\\u-10179??\\u-8704\\'3f\\'3f!}", "Yılmaz \U0001F600!"},
        {"{\\rtf1\\uc1{\\u305?}?}", "ı?"}, // skipping ends with the group
        // skipped destinations and ignorable ones; fields show their result
        {"{\\rtf1{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}{\\*\\generator W;}{\\*\\unbekannt x}A"
         "{\\pict\\bin4 {{}}}B{\\field{\\*\\fldinst HYPERLINK}{\\fldrslt Link}}}",
         "ABLink"},
        // symbols, special characters, braces and a backslash-newline paragraph
        {"{\\rtf1 \\{\\}\\\\\\~x\\endash\\ldblquote y\\rdblquote\\\nz}", "{}\\\u00A0x\u2013\u201Cy\u201D\nz"},
        // hidden text, text after the document, a missing closing brace
        {"{\\rtf1 a{\\v b}c}d", "ac"},
        {"{\\rtf1 a{\\b b", "ab"},
        // not RTF: plain text, one paragraph per line
        {"erste\r\nzweite \xFC", "erste\nzweite ü"},
    };
    for (const TFall& f : faelle) {
        EXPECT_EQ(RtfLesen(f.rtf).Text(), QString::fromUtf8(f.text)) << f.rtf.constData();
    }
}

TEST(Rtf, FormateDerStandardvorlage)
{
    TLehrerliste lehrer;
    TKlasse klasse(QStringLiteral("5a"));
    const TRtfDokument d = RtfLesen(ProtokollTextSchreiben(klasse, Standardvorlage(TProtokollSchrift()), true));
    ASSERT_EQ(d.Absaetze.size(), 12);
    ASSERT_EQ(d.Schriften.size(), 2u);
    EXPECT_EQ(d.Schrift(1)->Name, QStringLiteral("Calibri"));
    EXPECT_EQ(d.Schrift(1)->Familie, TRtfFamilie::Unbekannt);

    const TRtfAbsatz& titel = d.Absaetze[0];
    EXPECT_EQ(titel.Format.Ausrichtung, TRtfAusrichtung::Zentriert);
    EXPECT_EQ(titel.Format.Danach, 200);
    EXPECT_EQ(titel.Format.Zeilenabstand, 276);
    EXPECT_TRUE(titel.Format.Mehrfach);
    ASSERT_EQ(titel.Laeufe.size(), 1);
    EXPECT_EQ(titel.Laeufe[0].Text, QStringLiteral("N i e d e r s c h r i f t"));
    EXPECT_TRUE(titel.Laeufe[0].Format.Fett && titel.Laeufe[0].Format.Unterstrichen);
    EXPECT_EQ(titel.Laeufe[0].Format.Groesse, 32);

    const TRtfAbsatz& vorsitz = d.Absaetze[4];
    EXPECT_EQ(vorsitz.Format.Links, 283);
    EXPECT_EQ(vorsitz.Format.Erstzeile, -283);
    EXPECT_EQ(vorsitz.Format.Tabs, QList<TRtfTab>({{2143, TRtfTabArt::Links}}));
    EXPECT_EQ(vorsitz.Laeufe[0].Text, QStringLiteral("Vorsitzende/r:\t"));
    EXPECT_FALSE(vorsitz.Laeufe[0].Format.Fett);
    EXPECT_EQ(d.Absaetze[3].Laeufe[0].Text, QStringLiteral("Anwesende:"));
    EXPECT_TRUE(d.Absaetze[3].Laeufe[0].Format.Fett);
    EXPECT_EQ(d.Absaetze[11].Format.Ausrichtung, TRtfAusrichtung::Links);
    EXPECT_EQ(d.Absaetze[11].Format.Links, 0);
}

TEST(Rtf, FarbenTabsUndZuruecksetzen)
{
    const TRtfDokument d = RtfLesen("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\qr\\li100\\tqc\\tx500\\tx300 "
                                    "\\cf1\\fs30 rot\\par\\pard\\plain normal}");
    ASSERT_EQ(d.Absaetze.size(), 2);
    EXPECT_EQ(d.Farbe(1), 0xFF0000);
    EXPECT_EQ(d.Farbe(0), -1);
    const TRtfAbsatzformat& a = d.Absaetze[0].Format;
    EXPECT_EQ(a.Ausrichtung, TRtfAusrichtung::Rechts);
    EXPECT_EQ(a.Tabs, QList<TRtfTab>({{300, TRtfTabArt::Links}, {500, TRtfTabArt::Zentriert}}));
    EXPECT_EQ(d.Absaetze[0].Laeufe[0].Format.Farbe, 1);
    EXPECT_EQ(d.Absaetze[0].Laeufe[0].Format.Groesse, 30);
    EXPECT_EQ(d.Absaetze[1].Format, TRtfAbsatzformat());
    EXPECT_EQ(d.Absaetze[1].Laeufe[0].Format, TRtfZeichen());
}

TEST(Rtf, BeschaedigteEingabe)
{
    // nesting far beyond the limit: the deep groups are skipped, the rest is read
    const QByteArray tief = "{\\rtf1 a" + QByteArray(100000, '{') + "x" + QByteArray(100000, '}') + "b}";
    EXPECT_EQ(RtfLesen(tief).Text(), QStringLiteral("ab"));
    const QByteArray faelle[] = {
        "{\\rtf1\\", "{\\rtf1\\'", "{\\rtf1\\'4", "{\\rtf1\\bin999999999", "{\\rtf1\\fs-2147483649 x",
        "{\\rtf1\\u99999999999999 x", "{\\rtf1}}}}", "{\\rtf1\\abcdefghijklmnopqrstuvwxyzabcdefghijklmnop1 x",
        "{\\rtf1" + QByteArray(1000, '}') + "{\\tx1\\tx2",
    };
    for (const QByteArray& f : faelle)
        RtfLesen(f).Text(); // no crash, no sanitizer finding
    // tab stops are bounded per paragraph
    QByteArray viele = "{\\rtf1";
    for (int i = 0; i < 1000; ++i)
        viele += "\\tx" + QByteArray::number(i);
    EXPECT_EQ(RtfLesen(viele + " x}").Absaetze[0].Format.Tabs.size(), RtfHoechsteTabstopps);
}

// LibreOffice Writer's own RTF of a minutes text (with style sheet, alternative fonts, list
// and revision tables) reads as the text it was made from.
TEST(Rtf, RtfVonLibreOffice)
{
    QByteArray eigenes, vonLibreOffice;
    const QString korpus = QStringLiteral(SIMULTANO_QUELLORDNER "/fuzz/corpus/rtf/");
    ASSERT_EQ(DateiLesen(korpus + QStringLiteral("standard.rtf"), eigenes), QString());
    ASSERT_EQ(DateiLesen(korpus + QStringLiteral("libreoffice.rtf"), vonLibreOffice), QString());
    const TRtfDokument d = RtfLesen(vonLibreOffice);
    EXPECT_EQ(d.Text(), RtfLesen(eigenes).Text());
    EXPECT_EQ(d.Absaetze[4].Format.Tabs, QList<TRtfTab>({{2143, TRtfTabArt::Links}}));
    EXPECT_TRUE(d.Absaetze[0].Laeufe[0].Format.Fett);
}
