// The import of the timetabling program's XML export, on hand-written exports in the shape
// of real ones (tests/daten/xml).
#include "import/UxmlImp.h"
#include "import/UxmlImpBaum.h"
#include "planning/UFunctions.h"
#include "planning/UProjekt.h"

#include <QFile>
#include <QStringEncoder>
#include <gtest/gtest.h>

#include <deque>

namespace {

QString datei(const char* name)
{
    return QStringLiteral(SIMULTANO_QUELLORDNER "/tests/daten/xml/") + QString::fromUtf8(name);
}

// Answers from a script and records every question.
class TSkript : public IImportFragen
{
public:
    bool StufenAbbrechen = false;
    std::optional<TStufen> Bereich;  // unset: the range offered first
    std::deque<TRueckfrage> Antworten;
    QStringList Gefragt;             // "Stufen gy" / "Stufen -", "<teacher> <subject> <classes>"

    std::optional<TStufen> Stufenwahl(bool IstGymnasium) override
    {
        Gefragt << (IstGymnasium ? QStringLiteral("Stufen gy") : QStringLiteral("Stufen -"));
        if (StufenAbbrechen)
            return std::nullopt;
        return Bereich ? *Bereich : StufenVorwahl(IstGymnasium);
    }

    TRueckfrage Mehrklassen(const TLehrer& le, const QString& fa, const QStringList& kl) override
    {
        Gefragt << le.Kuerzel + QLatin1Char(' ') + fa + QLatin1Char(' ') + kl.join(QLatin1Char(','));
        if (Antworten.empty()) {
            ADD_FAILURE() << "unerwartete Frage " << Gefragt.last().toStdString();
            return {TMehrklassenAntwort::Abbrechen, false};
        }
        const TRueckfrage antwort = Antworten.front();
        Antworten.pop_front();
        return antwort;
    }
};

// "AB Albers Frau" per teacher, then "5a [AB/CD]: AB CD EF" per class.
QStringList inhalt(const TXmlImport& ergebnis)
{
    QStringList zeilen;
    for (const TLehrer* l : *ergebnis.Lehrer)
        zeilen << QStringLiteral("%1 %2 %3").arg(l->Kuerzel, l->Name, l->Anrede).trimmed();
    for (const TKlasse* k : *ergebnis.Klassen) {
        QStringList unterrichtende;
        for (const TLehrer* l : k->Unterrichtende)
            unterrichtende << l->Kuerzel;
        zeilen << QStringLiteral("%1 [%2]: %3").arg(k->Bezeichnung, KuerzelVerbunden(k->K_Leitung), unterrichtende.join(u' '));
    }
    return zeilen;
}

const QStringList gymnasiumLehrer = {"ALB Albers Frau", "BÖH Böhm Herr", "lkr isl Islami Frau", "KRÄ Krämer",
                                     "MÜL Müller-Weiß Frau", "XTR_Y Xaver Herr"};

constexpr TRueckfrage Ja{TMehrklassenAntwort::Ja, false};
constexpr TRueckfrage JaImmer{TMehrklassenAntwort::Ja, true};
constexpr TRueckfrage Nein{TMehrklassenAntwort::Nein, false};
constexpr TRueckfrage NeinImmer{TMehrklassenAntwort::Nein, true};
constexpr TRueckfrage Abbrechen{TMehrklassenAntwort::Abbrechen, false};
constexpr TRueckfrage JaAlle{TMehrklassenAntwort::Ja, false, true};
constexpr TRueckfrage NeinAlle{TMehrklassenAntwort::Nein, false, true};

struct TFall
{
    const char* name;
    const char* datei;
    std::optional<TStufen> bereich; // unset: the range offered first
    bool stufenAbbrechen;
    std::vector<TRueckfrage> antworten;
    QStringList gefragt;
    QStringList klassen; // expected after the teachers
    QStringList hinweise;
    QStringList lehrer = gymnasiumLehrer;
};

TEST(XmlImport, EchteExporte)
{
    const TFall faelle[] = {
        {"Vorwahl des Gymnasiums, immer JA gilt auch für andere Schreibweise; die Frage nennt alle Klassen im "
         "Bereich, auch die nicht übernommenen (9x, 6c), und immer NEIN gilt dann auch für Q1",
         "gymnasium.xml",
         std::nullopt,
         false,
         {JaImmer, Nein, NeinImmer},
         {"Stufen gy", "BÖH Religion 5a,5b", "KRÄ SU_B  G1 5b,6 B,9x", "XTR_Y latein Q1,6c"},
         {"5a [ALB/BÖH]: ALB BÖH MÜL", "5b [MÜL/lkr isl]: MÜL lkr isl BÖH ALB", "6 B [KRÄ]: KRÄ lkr isl", "Q1 [BÖH]: BÖH"},
         {}},
        {"Klassen nach der Klassenfolge; eine doppelt genannte Klasse zählt einmal",
         "klassenfolge.xml",
         std::nullopt,
         false,
         {NeinImmer, Ja},
         {"Stufen -", "BE SU_CH 11,12 1", "AN SU_D 10a,3x"},
         {"8a [BE]: BE", "9a [AN]: AN BE", "10a [BE]: BE AN", "10b [AN]: AN", "11 [AN]: AN"},
         {},
         {"AN Arnold Frau", "BE Berger Herr"}},
        {"JA ohne Haken fragt wieder, Abbruch behält das Bisherige",
         "gymnasium.xml",
         TStufen{5, 13},
         false,
         {Ja, Abbrechen},
         {"Stufen gy", "BÖH Religion 5a,5b", "MÜL religion 5a,5b"},
         {"5a [ALB/BÖH]: ALB BÖH", "5b [MÜL/lkr isl]: MÜL lkr isl BÖH", "6 B [KRÄ]: KRÄ", "Q1 [BÖH]: BÖH",
          "13 [XTR_Y]: XTR_Y"},
         {MeldungTeilweiseZugeordnet}},
        {"JA für alle Fächer: keine weitere Frage",
         "gymnasium.xml",
         std::nullopt,
         false,
         {JaAlle},
         {"Stufen gy", "BÖH Religion 5a,5b"},
         {"5a [ALB/BÖH]: ALB BÖH MÜL XTR_Y", "5b [MÜL/lkr isl]: MÜL lkr isl BÖH KRÄ ALB", "6 B [KRÄ]: KRÄ lkr isl",
          "Q1 [BÖH]: BÖH XTR_Y"},
         {}},
        {"Abbruch der Stufenwahl: nichts bleibt", "gymnasium.xml", std::nullopt, true, {}, {"Stufen gy"}, {}, {}, {}},
        {"NEIN für alle Fächer nach stets JA für Religion",
         "gymnasium.xml",
         std::nullopt,
         false,
         {JaImmer, NeinAlle},
         {"Stufen gy", "BÖH Religion 5a,5b", "KRÄ SU_B  G1 5b,6 B,9x"},
         {"5a [ALB/BÖH]: ALB BÖH MÜL", "5b [MÜL/lkr isl]: MÜL lkr isl BÖH ALB", "6 B [KRÄ]: KRÄ lkr isl", "Q1 [BÖH]: BÖH"},
         {}},
        {"Bereich ohne Klasse", "gymnasium.xml", TStufen{10, 9}, false, {}, {"Stufen gy"}, {}, {}},
        {"UTF-8, Latein-Korrektur nur für \"latein\"",
         "latein.xml",
         std::nullopt,
         false,
         {Nein, Nein},
         {"Stufen gy", "GÖ Latein 7a,7b", "SZ LATEIN 7a,7b"},
         {"7a [GÖ]: GÖ", "7b [SZ]: SZ"},
         {},
         {"GÖ Göbel Herr", "SZ Szabó Frau"}},
        {"keine Klassenleitung in der ganzen Datei, Windows-1252",
         "ohne_leitung.xml",
         std::nullopt,
         false,
         {},
         {"Stufen -"},
         {"5a []: DA", "EF []: HU"},
         {MeldungOhneKlassenleitung},
         {"DA d’Artois Frau", "HU Huber Herr"}},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.name);
        TSkript skript;
        skript.Bereich = f.bereich;
        skript.StufenAbbrechen = f.stufenAbbrechen;
        skript.Antworten.assign(f.antworten.begin(), f.antworten.end());
        const TXmlImport ergebnis = UntisXmlImportieren(datei(f.datei), skript);
        ASSERT_TRUE(ergebnis.Ok()) << ergebnis.Fehler.toStdString();
        EXPECT_EQ(ergebnis.Gefunden, !f.stufenAbbrechen);
        EXPECT_EQ(ergebnis.Abgebrochen, f.stufenAbbrechen);
        EXPECT_EQ(skript.Gefragt, f.gefragt);
        EXPECT_TRUE(skript.Antworten.empty());
        EXPECT_EQ(inhalt(ergebnis), f.lehrer + f.klassen);
        EXPECT_EQ(ergebnis.Hinweise, f.hinweise);
    }
}

TEST(XmlImport, ZweimalGleich)
{
    const auto bytes = [] {
        TSkript skript;
        skript.Antworten = {JaImmer, Nein, Ja, Ja};
        const TXmlImport ergebnis = UntisXmlImportieren(datei("gymnasium.xml"), skript);
        return ProjektBytes(*ergebnis.Lehrer, *ergebnis.Klassen);
    };
    EXPECT_EQ(bytes(), bytes());
}

TEST(XmlImport, NurUnterrichtFindetNichts)
{
    TSkript skript;
    const TXmlImport ergebnis = UntisXmlImportieren(datei("nur_unterricht.xml"), skript);
    EXPECT_TRUE(ergebnis.Ok());
    EXPECT_FALSE(ergebnis.Gefunden);
    EXPECT_TRUE(skript.Gefragt.isEmpty());
}

// Bytes that are no readable XML (the sample files of this kind go through the command).
TEST(XmlImport, SchlechteDateienNennenDateiUndZeile)
{
    struct TSchlecht
    {
        QByteArray bytes;
        const char* meldung;
    };
    const TSchlecht faelle[] = {
        {" \n", "Die Datei ist leer."},
        {"<a>", "Zeile 1, Spalte 3: Die Datei endet, bevor das XML-Dokument vollständig ist."},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<a>\n\xFC</a>", "Zeile 3 ist nicht UTF-8-kodiert."},
        {"<?xml version=\"1.0\" encoding=\"EBCDIC-DE\"?><a/>", "Die Zeichenkodierung \"EBCDIC-DE\" wird nicht unterstützt"},
        {"\xEF\xBB\xBF<a>\n\xFF</a>", "Zeile 2 enthält Bytes"},
        {"<a>&auml;</a>", "Zeile 1, Spalte 9: Das XML ist nicht wohlgeformt (Entity 'auml' not declared.)."},
        {"<a><b></a>", "Zeile 1, Spalte 10: Das XML ist nicht wohlgeformt"},
    };
    for (const TSchlecht& f : faelle) {
        TSkript skript;
        const TXmlImport ergebnis = UntisXmlAusBytes(f.bytes, QStringLiteral("/tmp/export.xml"), skript);
        EXPECT_TRUE(ergebnis.Fehler.startsWith(QStringLiteral("Die Datei /tmp/export.xml kann nicht als XML gelesen werden.\n")))
            << ergebnis.Fehler.toStdString();
        EXPECT_TRUE(ergebnis.Fehler.contains(QString::fromUtf8(f.meldung))) << ergebnis.Fehler.toStdString();
        EXPECT_FALSE(ergebnis.Lehrer || ergebnis.Klassen);
        EXPECT_TRUE(skript.Gefragt.isEmpty());
    }
}

// UTF-16 is recognised by its byte-order mark, which is not part of the text, or by the
// start of the declaration, which is.
TEST(XmlImport, Utf16MitUndOhneMarke)
{
    const QString xml = QStringLiteral("<?xml version=\"1.0\"?><a>ü</a>");
    const auto utf16 = [&](QStringConverter::Encoding kodierung) { return QByteArray(QStringEncoder(kodierung).encode(xml)); };
    const QByteArray faelle[] = {"\xFF\xFE" + utf16(QStringConverter::Utf16LE), "\xFE\xFF" + utf16(QStringConverter::Utf16BE),
                                 utf16(QStringConverter::Utf16LE), utf16(QStringConverter::Utf16BE)};
    for (const QByteArray& bytes : faelle) {
        QString text, grund;
        EXPECT_TRUE(XmlTextDekodieren(bytes, text, grund)) << grund.toStdString();
        EXPECT_EQ(text, xml) << bytes.toHex().constData();
    }
}

TEST(XmlImport, IdsNurVorDemNaechstenPraefixGeteilt)
{
    const struct
    {
        const char* liste;
        const char* praefix;
        bool komma;
        QStringList ids;
    } faelle[] = {
        {"CL_3 B CL_4a", "CL_", false, {"3 B", "4a"}},
        {"CL_5  a", "CL_", false, {"5  a"}},
        {"CL_5a,CL_5b", "CL_", false, {"5a,CL_5b"}},
        {"TR_lkr isl", "TR_", true, {"lkr isl"}},
        {"TR_AB,TR_CD", "TR_", true, {"AB", "CD"}},
        {"TR_AB, TR_CD TR_EF", "TR_", true, {"AB", "CD", "EF"}},
        {"TR_XTR_Y", "TR_", true, {"XTR_Y"}},
        {"", "CL_", false, {""}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(IdsTeilen(QString::fromUtf8(f.liste), QLatin1StringView(f.praefix), f.komma), f.ids) << f.liste;
}

} // namespace
