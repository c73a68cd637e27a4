#include "minutes/URtfWoerter.h"

#include "minutes/URtf.h"

#include <initializer_list>
#include <map>
#include <utility>

const QHash<QByteArray, TRtfEintrag>& RtfWoerter()
{
    static const QHash<QByteArray, TRtfEintrag> tabelle = [] {
        QHash<QByteArray, TRtfEintrag> t;
        const auto setzen = [&t](std::initializer_list<const char*> namen, TRtfWort wort, int wert = 0) {
            for (const char* name : namen)
                t.insert(QByteArray(name), {wort, wert});
        };
        setzen({"fonttbl"}, TRtfWort::Schrifttabelle);
        setzen({"colortbl"}, TRtfWort::Farbtabelle);
        setzen({"stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf", "footer",
                "footerl", "footerr", "footerf", "footnote", "fldinst", "listtable", "listoverridetable", "revtbl",
                "rsidtbl", "filetbl", "xe", "tc", "rxe", "pn", "shp", "shpinst", "nonshppict", "template", "docvar",
                "userprops", "annotation", "atnid", "atnauthor", "ftnsep", "ftnsepc", "aftnsep", "aftnsepc",
                "ftncn", "aftncn", "generator", "themedata", "colorschememapping", "latentstyles", "datastore",
                "bkmkstart", "bkmkend", "objdata", "private", "comment", "author", "title", "subject",
                "operator", "keywords", "doccomm"},
               TRtfWort::Ueberspringen);
        setzen({"field", "fldrslt"}, TRtfWort::Transparent);
        setzen({"deff"}, TRtfWort::Deff);
        setzen({"ansicpg"}, TRtfWort::Ansicpg);
        setzen({"paperw"}, TRtfWort::Papierbreite);
        setzen({"margl"}, TRtfWort::RandLinks);
        setzen({"margr"}, TRtfWort::RandRechts);
        setzen({"u"}, TRtfWort::U);
        setzen({"uc"}, TRtfWort::Uc);
        setzen({"bin"}, TRtfWort::Bin);
        setzen({"froman"}, TRtfWort::Familie, int(TRtfFamilie::Serif));
        setzen({"fswiss"}, TRtfWort::Familie, int(TRtfFamilie::Serifenlos));
        setzen({"fmodern"}, TRtfWort::Familie, int(TRtfFamilie::Festbreite));
        setzen({"fscript"}, TRtfWort::Familie, int(TRtfFamilie::Schreibschrift));
        setzen({"fdecor", "ftech"}, TRtfWort::Familie, int(TRtfFamilie::Zier));
        setzen({"fnil", "fbidi"}, TRtfWort::Familie, int(TRtfFamilie::Unbekannt));
        setzen({"fcharset"}, TRtfWort::Zeichensatz);
        setzen({"red"}, TRtfWort::Rot);
        setzen({"green"}, TRtfWort::Gruen);
        setzen({"blue"}, TRtfWort::Blau);
        setzen({"plain"}, TRtfWort::Plain);
        setzen({"b"}, TRtfWort::Fett);
        setzen({"i"}, TRtfWort::Kursiv);
        setzen({"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd",
                "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"},
               TRtfWort::Unterstrichen);
        setzen({"ulnone"}, TRtfWort::KeinUnterstrich);
        setzen({"strike", "striked"}, TRtfWort::Durchgestrichen);
        setzen({"super"}, TRtfWort::Hoch);
        setzen({"sub"}, TRtfWort::Tief);
        setzen({"nosupersub"}, TRtfWort::Normalhoehe);
        setzen({"fs"}, TRtfWort::Groesse);
        setzen({"f"}, TRtfWort::Schrift);
        setzen({"cf"}, TRtfWort::Farbe);
        setzen({"v"}, TRtfWort::Verborgen);
        setzen({"pard"}, TRtfWort::Pard);
        setzen({"ql"}, TRtfWort::Links);
        setzen({"qc"}, TRtfWort::Zentriert);
        setzen({"qr"}, TRtfWort::Rechts);
        setzen({"qj", "qd"}, TRtfWort::Blocksatz);
        setzen({"li", "lin"}, TRtfWort::Einzug);
        setzen({"ri", "rin"}, TRtfWort::EinzugRechts);
        setzen({"fi"}, TRtfWort::Erstzeile);
        setzen({"sb"}, TRtfWort::Davor);
        setzen({"sa"}, TRtfWort::Danach);
        setzen({"sl"}, TRtfWort::Zeilenabstand);
        setzen({"slmult"}, TRtfWort::Mehrfach);
        setzen({"tx"}, TRtfWort::Tab);
        setzen({"tqr"}, TRtfWort::TabRechts);
        setzen({"tqc"}, TRtfWort::TabZentriert);
        setzen({"tqdec"}, TRtfWort::TabDezimal);
        setzen({"par", "row", "nestrow", "page", "sect"}, TRtfWort::Absatz);
        setzen({"line"}, TRtfWort::Zeile);
        setzen({"tab", "cell", "nestcell"}, TRtfWort::Tabulator);
        setzen({"emdash"}, TRtfWort::Zeichen, 0x2014);
        setzen({"endash"}, TRtfWort::Zeichen, 0x2013);
        setzen({"bullet"}, TRtfWort::Zeichen, 0x2022);
        setzen({"lquote"}, TRtfWort::Zeichen, 0x2018);
        setzen({"rquote"}, TRtfWort::Zeichen, 0x2019);
        setzen({"ldblquote"}, TRtfWort::Zeichen, 0x201C);
        setzen({"rdblquote"}, TRtfWort::Zeichen, 0x201D);
        setzen({"emspace"}, TRtfWort::Zeichen, 0x2003);
        setzen({"enspace"}, TRtfWort::Zeichen, 0x2002);
        setzen({"qmspace"}, TRtfWort::Zeichen, 0x2005);
        return t;
    }();
    return tabelle;
}

int CodepageDesZeichensatzes(int zeichensatz)
{
    static const std::pair<int, int> tabelle[] = {
        {77, 10000}, {128, 932}, {129, 949}, {134, 936}, {136, 950}, {161, 1253}, {162, 1254}, {163, 1258},
        {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251}, {222, 874}, {238, 1250}, {255, 437},
    };
    for (const auto& [satz, codepage] : tabelle)
        if (satz == zeichensatz)
            return codepage;
    return 0;
}

const char* CodepageName(int codepage)
{
    static const std::map<int, const char*> namen = {
        {437, "cp437"}, {850, "cp850"}, {852, "cp852"}, {866, "cp866"}, {874, "windows-874"}, {932, "Shift_JIS"},
        {936, "GBK"}, {949, "cp949"}, {950, "Big5"}, {1250, "windows-1250"}, {1251, "windows-1251"},
        {1253, "windows-1253"}, {1254, "windows-1254"}, {1255, "windows-1255"}, {1256, "windows-1256"},
        {1257, "windows-1257"}, {1258, "windows-1258"}, {10000, "macintosh"}};
    const auto name = namen.find(codepage);
    return name == namen.end() ? nullptr : name->second;
}
