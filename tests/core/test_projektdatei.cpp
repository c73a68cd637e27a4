#include "planning/UFehler.h"
#include "planning/UProjekt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#ifdef Q_OS_UNIX
#include "core/VollePlatte.h"

#include <unistd.h>
#endif

namespace {

// Hand-made files, written with the stream's own primitives.
class Bytes
{
public:
    Bytes& i(qint32 wert) { DS.WriteInt(wert); return *this; }
    Bytes& s(const QString& text) { DS.WriteStr(text); return *this; }
    Bytes& d(double wert) { DS.WriteDate(wert); return *this; }
    Bytes& roh(const QByteArray& bytes) { DS.Daten.append(bytes); DS.Position = DS.Daten.size(); return *this; }
    QByteArray daten() const { return DS.Daten; }

private:
    TMyStream DS;
};

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

struct Projekt
{
    std::unique_ptr<TLehrerliste> Lehrer = std::make_unique<TLehrerliste>();
    std::unique_ptr<TKlassenliste> Klassen = std::make_unique<TKlassenliste>();

    TLehrer* lehrer(const QString& k, const QString& n, const QString& a)
    {
        return Lehrer->Add(std::make_unique<TLehrer>(k, n, a));
    }
    TKlasse* klasse(const QString& bez) { return Klassen->Add(std::make_unique<TKlasse>(bez)); }
    QByteArray bytes() const { return ProjektBytes(*Lehrer, *Klassen); }
};

// One teacher "AB" without subjects who teaches and leads class 5a.
Projekt einLehrerEineKlasse()
{
    Projekt p;
    TLehrer* ab = p.lehrer("AB", "Abel", "Herr");
    TKlasse* k = p.klasse("5a");
    k->Unterrichtende << ab;
    k->K_Leitung << ab;
    return p;
}

// Everything a file can hold: subjects, several leaders, grade-level leadership, chair,
// parent representatives, dates, umlauts and the euro sign.
Projekt reichesProjekt()
{
    Projekt p;
    TLehrer* mue = p.lehrer("MÜ", "Müller", "Herr");
    mue->Unterrichtsfaecher << "Deutsch" << "Erdkunde";
    TLehrer* sz = p.lehrer("SZ", "Schulz-Weiß", "Frau");
    TLehrer* kl = p.lehrer("KL", "Klein", "");
    TLehrer* eu = p.lehrer("€U", "Euler", "Dr.");
    eu->Unterrichtsfaecher << "Mathematik";

    TKlasse* a = p.klasse("5a");
    a->Unterrichtende << mue << sz << kl;
    a->K_Leitung << sz << mue;
    a->Stufenleitung = kl;
    a->Vorsitz = eu;
    a->Elternvertreter.Add(std::make_unique<TEltern>("Frau", "Özdemir", 3));
    a->Elternvertreter.Add(std::make_unique<TEltern>("Herr", "Groß", 7));
    a->Konferenzdatum = 45667.5625;

    TKlasse* b = p.klasse("10b");
    b->Unterrichtende << eu;
    b->Konferenzdatum = -1.25;

    TKlasse* q = p.klasse("Q1");
    q->K_Leitung << kl;
    q->Vorsitz = mue;
    q->Elternvertreter.Add(std::make_unique<TEltern>("", "Ünal", 12));
    return p;
}

// Version 1: no header, negated counts, one class leader as a position.
QByteArray version1Datei(qint32 leiterPosition, qint32 elternAnzahl)
{
    Bytes b;
    b.i(-2).s("AB").s("Abel").s("Herr").i(1).s("Sport");
    b.s("CD").s("Dorn").s("Frau").i(0);
    b.i(-1).s("7c").i(-2).s("AB").s("CD").i(leiterPosition).i(1).i(-1).i(elternAnzahl);
    for (qint32 i = 0; i < -elternAnzahl; ++i)
        b.s("Frau").s("Eltern").i(4 + i);
    return b.d(45000.0).daten();
}

// Version 0: no header, positive counts, teachers without salutation, classes without
// anything but their teachers.
QByteArray version0Datei()
{
    return Bytes().i(2).s("AB").s("Abel").s("CD").s("Dorn").i(2).s("5a").i(1).s("CD").s("6b").i(2).s("AB").s("CD").daten();
}

// A version 1 file without teachers begins with 0, like a version 0 file; its class
// count is negated.
QByteArray version1OhneLehrer()
{
    return Bytes().i(0).i(-1).s("8a").i(0).i(-1).i(-1).i(-1).i(0).d(0.0).daten();
}

QString fehlerVon(const QByteArray& bytes)
{
    const TProjektErgebnis e = ProjektAusBytes(bytes, "/daten/schule.spz");
    EXPECT_FALSE(e.Lehrer);
    EXPECT_FALSE(e.Klassen);
    return e.Fehler;
}

void erwarteBeschaedigt(const QByteArray& bytes)
{
    const QString fehler = fehlerVon(bytes);
    EXPECT_TRUE(fehler.startsWith(QStringLiteral("Die Datei \"%1\" ist beschädigt").arg(QDir::toNativeSeparators("/daten/schule.spz"))))
        << fehler.toStdString();
}

TProjektErgebnis lesen(const QByteArray& bytes)
{
    TProjektErgebnis e = ProjektAusBytes(bytes, "test.spz");
    EXPECT_TRUE(e.Ok()) << e.Fehler.toStdString();
    return e;
}

QStringList kuerzel(const QList<TLehrer*>& lehrer)
{
    QStringList ergebnis;
    for (const TLehrer* l : lehrer)
        ergebnis << l->Kuerzel;
    return ergebnis;
}

} // namespace

// ---------------------------------------------------------------- typed stream

TEST(MyStream, ZahlenLittleEndian)
{
    TMyStream DS;
    DS.WriteInt(0x01020304);
    DS.WriteInt(-2);
    DS.WriteDate(1.0);
    EXPECT_EQ(DS.Daten, hex("04030201" "FEFFFFFF" "000000000000F03F"));
    DS.Position = 0;
    EXPECT_EQ(DS.ReadInt(), 0x01020304);
    EXPECT_EQ(DS.ReadInt(), -2);
    EXPECT_EQ(DS.ReadDate(), 1.0);
}

TEST(MyStream, TexteInWindows1252MitUtf16Laenge)
{
    TMyStream DS;
    DS.WriteStr("äöüß€");
    DS.WriteStr("");
    DS.WriteStr(QString(QChar(0x03A9)) + "x"); // Greek Omega has no Windows-1252 byte
    EXPECT_EQ(DS.Daten, hex("05000000" "E4F6FCDF80" "00000000" "02000000" "3F78"));
    DS.Position = 0;
    EXPECT_EQ(DS.ReadStr(), "äöüß€");
    EXPECT_EQ(DS.ReadStr(), "");
    EXPECT_EQ(DS.ReadStr(), "?x");
}

TEST(MyStream, KlartextOhneLaenge)
{
    TMyStream DS;
    DS.WritePlainText("");
    EXPECT_TRUE(DS.Daten.isEmpty());
    DS.WritePlainText("Groß");
    DS.WriteRichText("{ö}");
    EXPECT_EQ(DS.Daten, QByteArray("Gro\xDF\\{\\'F6\\}"));
}

TEST(MyStream, NegativeLaengeIstLeererText)
{
    TMyStream DS(hex("FBFFFFFF" "41"));
    EXPECT_EQ(DS.ReadStr(), "");
    EXPECT_EQ(DS.Rest(), 1);
}

TEST(MyStream, LesenUeberDasEndeWirftOhneZuBewegen)
{
    TMyStream DS(hex("FFFFFF7F" "4142"));
    EXPECT_THROW(DS.ReadStr(), TFehler); // announces 2 GB, holds 2 bytes
    DS.Position = 4;
    EXPECT_THROW(DS.ReadInt(), TFehler);
    EXPECT_EQ(DS.Position, 4);
    EXPECT_THROW(DS.ReadDate(), TFehler);
}

// ---------------------------------------------------------------- writing version 2

TEST(Projektdatei, LeeresProjektIstZwoelfBytes)
{
    const QByteArray bytes = Projekt().bytes();
    EXPECT_EQ(bytes, hex("00000200" "00000000" "00000000"));
    const TProjektErgebnis e = lesen(bytes);
    EXPECT_EQ(e.Version, 2);
    EXPECT_TRUE(e.Lehrer->IsEmpty());
    EXPECT_TRUE(e.Klassen->IsEmpty());
}

TEST(Projektdatei, EinLehrerEineKlasseByteFuerByte)
{
    const QByteArray erwartet = hex("00000200"
                                    "FFFFFFFF"                                     // one teacher
                                    "02000000" "4142" "04000000" "4162656C" "04000000" "48657272" "00000000"
                                    "FFFFFFFF"                                     // one class
                                    "02000000" "3561" "01000000" "02000000" "4142" // designation, teacher
                                    "02000000" "4142"                              // leadership
                                    "FFFFFFFF" "FFFFFFFF" "00000000"               // none, none, no parents
                                    "0000000000000000");                           // no date
    EXPECT_EQ(einLehrerEineKlasse().bytes(), erwartet);
}

TEST(Projektdatei, ZweiKlassenleiterMitSchraegstrich)
{
    Projekt p = einLehrerEineKlasse();
    TLehrer* cd = p.lehrer("CD", "Dorn", "Frau");
    p.Klassen->First()->K_Leitung.prepend(cd);
    const QByteArray bytes = p.bytes();
    EXPECT_TRUE(bytes.contains(hex("05000000" "43442F4142"))); // "CD/AB"
    const TProjektErgebnis e = lesen(bytes);
    EXPECT_EQ(kuerzel(e.Klassen->First()->K_Leitung), QStringList({"CD", "AB"}));
}

TEST(Projektdatei, LeitungstextWirdAnAllenTrennernGeteilt)
{
    // "AB CD,EF" names three teachers; the teacher "AB CD" is not found as a whole
    const QByteArray bytes = Bytes().i(131072).i(-4)
                                 .s("AB CD").s("x").s("").i(0).s("AB").s("a").s("").i(0)
                                 .s("CD").s("c").s("").i(0).s("EF").s("e").s("").i(0)
                                 .i(-1).s("9a").i(0).s("AB CD,EF").i(-1).i(-1).i(0).d(0).daten();
    const TProjektErgebnis e = lesen(bytes);
    EXPECT_EQ(kuerzel(e.Klassen->First()->K_Leitung), QStringList({"AB", "CD", "EF"}));
}

TEST(Projektdatei, UmlauteEinByteUndFremdeZeichenAlsFragezeichen)
{
    Projekt p;
    p.lehrer("ÄÖ", "Weiß", "Frau");
    p.lehrer("ZH", QString("Zh") + QChar(0x0101) + "ng", "Herr"); // a with macron: not in Windows-1252
    const QByteArray bytes = p.bytes();
    EXPECT_TRUE(bytes.contains(hex("02000000" "C4D6" "04000000" "576569DF")));
    const TProjektErgebnis e = lesen(bytes);
    EXPECT_EQ(e.Lehrer->Items(0)->Kuerzel, "ÄÖ");
    EXPECT_EQ(e.Lehrer->Items(0)->Name, "Weiß");
    EXPECT_EQ(e.Lehrer->Items(1)->Name, "Zh?ng");
}

TEST(Projektdatei, ReichesProjektUeberstehtLesenUndSchreibenByteFuerByte)
{
    const QByteArray bytes = reichesProjekt().bytes();
    const TProjektErgebnis e = lesen(bytes);
    ASSERT_TRUE(e.Ok());
    EXPECT_EQ(ProjektBytes(*e.Lehrer, *e.Klassen), bytes);

    const TLehrerliste& l = *e.Lehrer;
    EXPECT_EQ(l.Items(0)->Unterrichtsfaecher, QStringList({"Deutsch", "Erdkunde"}));
    EXPECT_EQ(l.Items(3)->Kuerzel, "€U");
    EXPECT_EQ(l.Items(3)->Anrede, "Dr.");
    const TKlasse* a = e.Klassen->Items(0);
    EXPECT_EQ(kuerzel(a->Unterrichtende), QStringList({"MÜ", "SZ", "KL"}));
    EXPECT_EQ(kuerzel(a->K_Leitung), QStringList({"SZ", "MÜ"}));
    EXPECT_EQ(a->Stufenleitung, l.Items(2));
    EXPECT_EQ(a->Vorsitz, l.Items(3));
    ASSERT_EQ(a->Elternvertreter.Count(), 2);
    EXPECT_EQ(a->Elternvertreter.Items(1)->Name, "Groß");
    EXPECT_EQ(a->Elternvertreter.Items(1)->ID, "7");
    EXPECT_EQ(a->Konferenzdatum, 45667.5625);
    EXPECT_EQ(e.Klassen->Items(1)->Konferenzdatum, -1.25);
    EXPECT_EQ(e.Klassen->Items(2)->Vorsitz, l.Items(0));
}

TEST(Projektdatei, PositionenZaehlenInDerReihenfolgeDerDatei)
{
    // two teachers share an abbreviation: the position keeps the second apart
    Projekt p;
    p.lehrer("XY", "Erster", "");
    TLehrer* zweiter = p.lehrer("XY", "Zweiter", "");
    p.klasse("5a")->Vorsitz = zweiter;
    const TProjektErgebnis e = lesen(p.bytes());
    EXPECT_EQ(e.Klassen->First()->Vorsitz->Name, "Zweiter");
}

// ---------------------------------------------------------------- older versions

TEST(Projektdatei, Version0)
{
    const TProjektErgebnis e = lesen(version0Datei());
    EXPECT_EQ(e.Version, 0);
    ASSERT_EQ(e.Lehrer->Count(), 2);
    EXPECT_EQ(e.Lehrer->Items(1)->Name, "Dorn");
    EXPECT_TRUE(e.Lehrer->Items(0)->Anrede.isEmpty());
    ASSERT_EQ(e.Klassen->Count(), 2);
    const TKlasse* b = e.Klassen->Items(1);
    EXPECT_EQ(kuerzel(b->Unterrichtende), QStringList({"AB", "CD"}));
    EXPECT_TRUE(b->K_Leitung.isEmpty());
    EXPECT_FALSE(b->Vorsitz);
    EXPECT_FALSE(b->Stufenleitung);
    EXPECT_TRUE(b->Elternvertreter.IsEmpty());
    EXPECT_EQ(b->Konferenzdatum, 0.0);
    EXPECT_TRUE(ProjektBytes(*e.Lehrer, *e.Klassen).startsWith(hex("00000200" "FEFFFFFF")));
}

TEST(Projektdatei, Version1Klassenleitung)
{
    const TProjektErgebnis ohne = lesen(version1Datei(-1, 0));
    EXPECT_EQ(ohne.Version, 1);
    const TKlasse* k = ohne.Klassen->First();
    EXPECT_TRUE(k->K_Leitung.isEmpty());
    EXPECT_EQ(kuerzel(k->Unterrichtende), QStringList({"AB", "CD"}));
    EXPECT_EQ(k->Stufenleitung, ohne.Lehrer->Items(1));
    EXPECT_FALSE(k->Vorsitz);
    EXPECT_EQ(k->Konferenzdatum, 45000.0);
    EXPECT_EQ(ohne.Lehrer->First()->Unterrichtsfaecher, QStringList({"Sport"}));

    const TProjektErgebnis erster = lesen(version1Datei(0, 0));
    EXPECT_EQ(kuerzel(erster.Klassen->First()->K_Leitung), QStringList({"AB"}));
    EXPECT_TRUE(lesen(version1Datei(-7, 0)).Klassen->First()->K_Leitung.isEmpty());
}

TEST(Projektdatei, Version1Elternanzahl)
{
    // only a negated count announces parent records
    EXPECT_TRUE(lesen(version1Datei(0, 0)).Klassen->First()->Elternvertreter.IsEmpty());
    EXPECT_TRUE(lesen(version1Datei(0, 3)).Klassen->First()->Elternvertreter.IsEmpty());
    const TProjektErgebnis zwei = lesen(version1Datei(0, -2));
    ASSERT_EQ(zwei.Klassen->First()->Elternvertreter.Count(), 2);
    EXPECT_EQ(zwei.Klassen->First()->Elternvertreter.Items(1)->ID, "5");
}

TEST(Projektdatei, Version1OhneLehrerAnDerNegiertenKlassenzahlErkannt)
{
    const TProjektErgebnis e = lesen(version1OhneLehrer());
    EXPECT_EQ(e.Version, 1);
    ASSERT_EQ(e.Klassen->Count(), 1);
    EXPECT_EQ(e.Klassen->First()->Bezeichnung, "8a");
    // without classes both versions are the same empty project
    EXPECT_EQ(lesen(hex("00000000" "00000000")).Version, 0);
}

TEST(Projektdatei, KuerzelOhneLehrerWirdUebersprungen)
{
    const QByteArray bytes = Bytes().i(131072).i(-1).s("AB").s("Abel").s("").i(0)
                                 .i(-1).s("5a").i(-3).s("ZZ").s("AB").s("").s("ZZ/AB").i(-1).i(-1).i(0).d(0).daten();
    const TProjektErgebnis e = lesen(bytes);
    EXPECT_EQ(kuerzel(e.Klassen->First()->Unterrichtende), QStringList({"AB"}));
    EXPECT_EQ(kuerzel(e.Klassen->First()->K_Leitung), QStringList({"AB"}));
}

TEST(Projektdatei, DatumOhneKalendertagGiltAlsKeinDatum)
{
    const QByteArray normal = einLehrerEineKlasse().bytes();
    for (const double wert : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(), 1e300}) {
        const QByteArray bytes = Bytes().roh(normal.chopped(8)).d(wert).daten();
        EXPECT_EQ(lesen(bytes).Klassen->First()->Konferenzdatum, 0.0) << wert;
    }
}

// ---------------------------------------------------------------- damaged files

TEST(Projektdatei, JedeGekuerzteDateiIstBeschaedigt)
{
    const QByteArray bytes = reichesProjekt().bytes();
    for (qsizetype laenge = 0; laenge < bytes.size(); ++laenge) {
        SCOPED_TRACE(laenge);
        erwarteBeschaedigt(bytes.left(laenge));
    }
}

TEST(Projektdatei, AngehaengteBytesSindBeschaedigt)
{
    erwarteBeschaedigt(Projekt().bytes() + "x");
    erwarteBeschaedigt(version0Datei() + hex("00000000"));
}

TEST(Projektdatei, UnsinnigeAnzahlenUndLaengen)
{
    const QByteArray kopf = hex("00000200");
    for (const qint32 anzahl : {std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), -1000000})
        erwarteBeschaedigt(Bytes().roh(kopf).i(anzahl).s("AB").daten());
    // a string, a subject count, a teacher count and a parent count far beyond the file
    erwarteBeschaedigt(Bytes().roh(kopf).i(-1).i(0x7FFFFFF0).daten());
    erwarteBeschaedigt(Bytes().roh(kopf).i(-1).s("AB").s("A").s("").i(0x40000000).daten());
    erwarteBeschaedigt(Bytes().roh(kopf).i(0).i(-1).s("5a").i(std::numeric_limits<qint32>::min()).daten());
    erwarteBeschaedigt(Bytes().roh(kopf).i(0).i(-1).s("5a").i(0).s("").i(-1).i(-1).i(-0x10000000).d(0).daten());
}

TEST(Projektdatei, UnbekannteVersionWirdAbgelehnt)
{
    const QString datei = QDir::toNativeSeparators("/daten/schule.spz");
    EXPECT_EQ(fehlerVon(hex("00000400" "00000000" "00000000")),
              QStringLiteral("Die Datei \"%1\" stammt von einer neueren Version von Simultano (Dateiversion 4) "
                             "und kann mit dieser Version nicht geöffnet werden.").arg(datei));
    // other kinds of file say so in words, not with a version number
    const QString fremd = QStringLiteral("Die Datei \"%1\" ist keine Projektdatei von Simultano.").arg(datei);
    for (const QByteArray& bytes : {QByteArray("Kürzel;Name\r\nAB;Albers\r\n"), QByteArray("\x89PNG\r\n\x1a\n"),
                                    hex("FFFFFF7F"), hex("01000300")})
        EXPECT_EQ(fehlerVon(bytes), fremd) << bytes.toHex().toStdString();
    // damage inside a file is reported as a sentence of its own
    const QString kurz = fehlerVon(hex("00000200" "FFFFFFFF"));
    EXPECT_TRUE(kurz.endsWith(QStringLiteral("Simultano.\nUnerwartetes Dateiende."))) << kurz.toStdString();
}

TEST(Projektdatei, LehrerpositionAusserhalbDerListe)
{
    auto datei = [](qint32 stufe, qint32 vorsitz) {
        return Bytes().i(131072).i(-1).s("AB").s("Abel").s("").i(0)
            .i(-1).s("5a").i(0).s("").i(stufe).i(vorsitz).i(0).d(0).daten();
    };
    EXPECT_TRUE(lesen(datei(0, -1)).Ok());
    for (const auto& [stufe, vorsitz, position] : {std::tuple{1, -1, 1}, {-1, 5, 5}, {-2, -1, -2}}) {
        const QString fehler = fehlerVon(datei(stufe, vorsitz));
        EXPECT_TRUE(fehler.contains("schule.spz"));
        EXPECT_TRUE(fehler.contains(QStringLiteral("Listenindex außerhalb des gültigen Bereichs (%1)").arg(position)))
            << fehler.toStdString();
    }
    EXPECT_TRUE(fehlerVon(version1Datei(2, 0)).contains("Bereichs (2)"));
}

// ---------------------------------------------------------------- files on disk

class ProjektdateiAufPlatte : public ::testing::Test
{
protected:
    QTemporaryDir ordner;
    QString pfad(const QString& name) const { return ordner.filePath(name); }

    void schreibeRoh(const QString& name, const QByteArray& bytes) const
    {
        QFile datei(pfad(name));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(bytes);
    }
    QByteArray inhalt(const QString& name) const
    {
        QFile datei(pfad(name));
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }
};

TEST_F(ProjektdateiAufPlatte, SchreibenUndLesen)
{
    const Projekt p = reichesProjekt();
    schreibeRoh("schule.spz", "alt");
    EXPECT_EQ(ProjektSchreiben(pfad("schule.spz"), *p.Lehrer, *p.Klassen), "");
    EXPECT_EQ(inhalt("schule.spz"), p.bytes());
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList({"schule.spz"})); // no temporary file left
    const TProjektErgebnis e = ProjektLesen(pfad("schule.spz"));
    ASSERT_TRUE(e.Ok()) << e.Fehler.toStdString();
    EXPECT_EQ(e.Klassen->Count(), 3);
}

TEST_F(ProjektdateiAufPlatte, FehlendeDateiKannNichtGeoeffnetWerden)
{
    for (const QString& name : {pfad("fehlt.spz"), ordner.path()}) {
        const TProjektErgebnis e = ProjektLesen(name);
        EXPECT_FALSE(e.Lehrer);
        EXPECT_TRUE(e.Fehler.startsWith(QStringLiteral("Datei %1 kann nicht geöffnet werden. ").arg(QDir::toNativeSeparators(name))))
            << e.Fehler.toStdString();
    }
}

TEST_F(ProjektdateiAufPlatte, BeschaedigteDateiNenntDenNamen)
{
    schreibeRoh("kaputt.spz", "Hallo Welt");
    const TProjektErgebnis e = ProjektLesen(pfad("kaputt.spz"));
    EXPECT_TRUE(e.Fehler.contains(QDir::toNativeSeparators(pfad("kaputt.spz"))));
    EXPECT_FALSE(e.Klassen);
}

TEST_F(ProjektdateiAufPlatte, OrdnerFehltOderIstEineDatei)
{
    const Projekt p = einLehrerEineKlasse();
    schreibeRoh("datei", "inhalt");
    for (const QString& ziel : {pfad("fehlt/schule.spz"), pfad("datei/schule.spz")}) {
        const QString fehler = ProjektSchreiben(ziel, *p.Lehrer, *p.Klassen);
        EXPECT_TRUE(fehler.startsWith(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(QDir::toNativeSeparators(ziel))))
            << fehler.toStdString();
    }
    EXPECT_EQ(inhalt("datei"), "inhalt");
}

#ifdef Q_OS_UNIX
TEST_F(ProjektdateiAufPlatte, GeschuetzterOrdnerBehaeltDieAlteDatei)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write everywhere";
    schreibeRoh("schule.spz", "alt");
    QFile::setPermissions(ordner.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const Projekt p = einLehrerEineKlasse();
    const QString fehler = ProjektSchreiben(pfad("schule.spz"), *p.Lehrer, *p.Klassen);
    QFile::setPermissions(ordner.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(fehler.startsWith("Datei \"")) << fehler.toStdString();
    EXPECT_EQ(inhalt("schule.spz"), "alt");
}

// A file size limit makes the write fail the way a full disk does.
TEST_F(ProjektdateiAufPlatte, SchreibfehlerBehaeltDieAlteDatei)
{
    schreibeRoh("schule.spz", "alt");
    const Projekt p = reichesProjekt();
    ASSERT_GT(p.bytes().size(), 100);

    QString fehler;
    {
        TVollePlatte voll(100);
        fehler = ProjektSchreiben(pfad("schule.spz"), *p.Lehrer, *p.Klassen);
    }

    EXPECT_TRUE(fehler.startsWith(QStringLiteral("Stream-Schreibfehler: Die Datei \"%1\" konnte nicht vollständig geschrieben werden. ")
                                      .arg(QDir::toNativeSeparators(pfad("schule.spz")))))
        << fehler.toStdString();
    EXPECT_TRUE(fehler.endsWith(QLatin1Char('.')));
    EXPECT_EQ(inhalt("schule.spz"), "alt");
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList({"schule.spz"}));
}
#endif

// Two programs save one project: the save that comes second finds the file no longer as it
// read it, stops and keeps the other's file; a save after one's own save goes through.
TEST_F(ProjektdateiAufPlatte, ZweiSchreiberVerlierenNichts)
{
    const Projekt eins = einLehrerEineKlasse();
    const Projekt reich = reichesProjekt();
    const QString datei = pfad("schule.spz");
    ASSERT_EQ(ProjektSchreiben(datei, *eins.Lehrer, *eins.Klassen), QString());
    const TProjektErgebnis fenster = ProjektLesen(datei);   // the window opened it
    const TProjektErgebnis befehl = ProjektLesen(datei);    // a command line reads it too
    const TProjektErgebnis neu = ProjektLesen(pfad("neu.spz")); // not there yet
    ASSERT_TRUE(fenster.Ok());
    EXPECT_FALSE(neu.Stand.Vorhanden);

    TDateiStand gespeichert;
    ASSERT_EQ(ProjektSchreiben(datei, *reich.Lehrer, *reich.Klassen, {}, &befehl.Stand, &gespeichert), QString());
    EXPECT_EQ(ProjektSchreiben(datei, *eins.Lehrer, *eins.Klassen, {}, &fenster.Stand),
              QStringLiteral("Die Datei wurde inzwischen von einem anderen Programm geändert."));
    EXPECT_EQ(inhalt("schule.spz"), reich.bytes());
    // the command line saves again on what it wrote itself
    EXPECT_EQ(ProjektSchreiben(datei, *eins.Lehrer, *eins.Klassen, {}, &gespeichert, &gespeichert), QString());
    EXPECT_EQ(inhalt("schule.spz"), eins.bytes());
    // a file that someone else created meanwhile is not replaced either
    schreibeRoh("neu.spz", "anderes");
    EXPECT_EQ(ProjektSchreiben(pfad("neu.spz"), *eins.Lehrer, *eins.Klassen, {}, &neu.Stand),
              QStringLiteral("Die Datei wurde inzwischen von einem anderen Programm geändert."));
    EXPECT_EQ(inhalt("neu.spz"), "anderes");
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList({"neu.spz", "schule.spz"})); // no lock or temporary file left
}

// ---------------------------------------------------------------- seed corpus of the fuzzer

namespace {

QDir korpusOrdner()
{
    return QDir(QStringLiteral(SIMULTANO_QUELLORDNER "/fuzz/corpus/projektdatei"));
}

QList<std::pair<QString, QByteArray>> korpus()
{
    return {{"v2_leer.spz", Projekt().bytes()},
            {"v2_ein_lehrer.spz", einLehrerEineKlasse().bytes()},
            {"v2_reich.spz", reichesProjekt().bytes()},
            {"v1_leiter.spz", version1Datei(0, -2)},
            {"v1_ohne_leiter.spz", version1Datei(-1, 3)},
            {"v1_ohne_lehrer.spz", version1OhneLehrer()},
            {"v0.spz", version0Datei()}};
}

} // namespace

// The committed seed corpus is what these builders write; every version is there.
TEST(Fuzzkorpus, EntsprichtDenBeispieldateien)
{
    const QDir ordner = korpusOrdner();
    QSet<int> versionen;
    for (const auto& [name, bytes] : korpus()) {
        QFile datei(ordner.filePath(name));
        ASSERT_TRUE(datei.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(datei.readAll(), bytes) << name.toStdString();
        versionen << lesen(bytes).Version;
    }
    EXPECT_EQ(versionen, QSet<int>({0, 1, 2}));
}

// Writes the seed corpus: test_core --gtest_also_run_disabled_tests --gtest_filter=Fuzzkorpus.*
TEST(Fuzzkorpus, DISABLED_Schreiben)
{
    const QDir ordner = korpusOrdner();
    for (const auto& [name, bytes] : korpus()) {
        QFile datei(ordner.filePath(name));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly)) << name.toStdString();
        datei.write(bytes);
    }
}
