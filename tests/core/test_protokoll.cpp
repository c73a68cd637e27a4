// The minutes texts: the built-in template byte for byte, the replacements and designations,
// user templates in three encodings.
#include "minutes/UProtokoll.h"
#include "planning/UDatei.h"
#include "planning/UFunctions.h"
#include "planning/UIni.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct TKlassenDaten
{
    TLehrerliste lehrer;
    TKlasse klasse{QStringLiteral("5a")};

    TLehrer* neu(const char* kuerzel, const char* name, const char* anrede)
    {
        auto l = std::make_unique<TLehrer>(QString::fromUtf8(kuerzel), QString::fromUtf8(name), QString::fromUtf8(anrede));
        TLehrer* zeiger = l.get();
        lehrer.LehrerHinzu(l);
        return zeiger;
    }

    // Chair Herr Groß; class leaders Frau Yılmaz and Herr Claßen; parents Frau Schäfer and
    // Herr Doğan; teachers Albers, Claßen, Yılmaz; conference on 28 January 2027.
    TKlassenDaten()
    {
        TLehrer* al = neu("AL", "Albers", "Frau");
        TLehrer* cl = neu("CL", "Claßen", "Herr");
        TLehrer* yi = neu("YI", "Yılmaz", "Frau");
        klasse.Vorsitz = neu("GR", "Groß", "Herr");
        klasse.K_Leitung = {yi, cl};
        klasse.Unterrichtende = {al, cl, yi};
        klasse.Elternvertreter.Add(std::make_unique<TEltern>(QStringLiteral("Frau"), QStringLiteral("Schäfer"), 1));
        klasse.Elternvertreter.Add(std::make_unique<TEltern>(QStringLiteral("Herr"), QStringLiteral("Doğan"), 2));
        klasse.Konferenzdatum = DatumZuWert(QDate(2027, 1, 28));
    }

    QString zeile(const QString& vorlage, bool mf) const { return ProtokollZeilen({vorlage}, klasse, mf).first(); }
};

// The document as the built-in template gives it with the default font settings, MF off.
const char* const StandardOhneMF = R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fcharset0 Calibri;{\f1\fnil\fcharset0 Calibri;}}}\viewkind4\uc1

\pard\ltrpar\sa200\sl276\slmult1\qc\lang1031\ul\b\f0\fs32 N i e d e r s c h r i f t
\par \ulnone\b0\fs22 \'FCber die Zeugniskonferenz (1. Halbjahr) der Klasse \b 5a\b0

\par Datum: 28.01.2027
\par \pard\sl360\ltrpar\sl360\slmult1\ul\b 
Anwesende:
\par \pard\fi-283\li283\tx2143\sl360\ulnone\b0 Vorsitzende/r:\tab\fs22\f1 Herr Gro\'DF
\par \f0\fs22 Klassenleitung:\tab\fs22\f1 
Frau Y\u305?lmaz, Herr Cla\'DFen
\par \f0\fs22 Elternvertreter/in:\tab\fs22\f1 
Frau Sch\'E4fer, Herr Do\u287?an
\par \f0\fs22 Fachlehrer/in:\tab\fs22\f1 
Frau Albers, Herr Cla\'DFen, Frau Y\u305?lmaz
\par \fi0\li0\ulnone\b0\i0\f0\fs22\par \pard\ltrpar 
Beginn der Konferenz: ________ Uhr 
\par\par 
Der/Die Vorsitzende stellt fest, dass die Konferenz ordnungsgem\'E4\'DF einberufen worden ist und beschlussf\'E4hig ist.
}
)";

QByteArray mitCrLf(QByteArray text)
{
    return text.replace("\n", "\r\n");
}

} // namespace

TEST(Protokoll, StandardvorlageByteFuerByte)
{
    const TKlassenDaten d;
    const QStringList vorlage = Standardvorlage(TProtokollSchrift());
    ASSERT_EQ(vorlage.size(), 13);
    const QByteArray ohne = mitCrLf(StandardOhneMF);
    EXPECT_EQ(ProtokollTextSchreiben(d.klasse, vorlage, false), ohne);
    // MF on with a male chair: the label and the closing sentence follow him; two class
    // leaders stay "Klassenleitung"
    QByteArray mit = ohne;
    mit.replace("Vorsitzende/r:", "Vorsitzender:").replace("Der/Die Vorsitzende stellt", "Der Vorsitzende stellt");
    EXPECT_EQ(ProtokollTextSchreiben(d.klasse, vorlage, true), mit);
}

TEST(Protokoll, SchriftUndLaengenDerStandardvorlage)
{
    const TProtokollSchrift schrift{QStringLiteral("Times {Neu}"), 12, StilFett | StilKursiv | StilUnterstrichen, 1.0, 0.25, 4.0};
    const QStringList vorlage = Standardvorlage(schrift);
    EXPECT_TRUE(vorlage[0].contains(QStringLiteral("{\\f1\\fnil\\fcharset0 Times \\{Neu\\};}}}")));
    EXPECT_EQ(vorlage[5], QStringLiteral("\\par \\pard\\fi-425\\li567\\tx2268\\sl360\\ulnone\\b0 Vorsitzende/r:\\tab\\fs24"
                                         "\\b\\i\\ul\\f1 <Vorsitz>\\ulnone\\i0\\b0"));
    // without indent and first-line position the attendance lines keep the paragraph
    EXPECT_TRUE(Standardvorlage({QStringLiteral("F"), 11, 0, 0.0, 0.0, 3.78})[5].startsWith(QStringLiteral("\\par \\tx2143\\sl360")));

    // from the settings file: name, size and style; the lengths stay fixed
    QTemporaryDir ordner;
    const TIniDatei ini(ordner.filePath(QStringLiteral("Simultano.ini")));
    EXPECT_EQ(ProtokollSchriftLesen(ini), TProtokollSchrift());
    ASSERT_EQ(DateiSchreiben(ini.Dateiname(), "[Font]\r\nname=Times {Neu}\r\nsize=12\r\nstyle=biu\r\n"), QString());
    EXPECT_EQ(ProtokollSchriftLesen(ini), (TProtokollSchrift{schrift.Name, schrift.Groesse, schrift.Stil}));
}

TEST(Protokoll, ErsetzungenUndBezeichnungen)
{
    TKlassenDaten d;
    TLehrer* ohneAnrede = d.neu("XY", "Xander", "Dr.");
    TLehrer* frau = d.neu("FR", "Frei", "frau");
    struct TFall
    {
        const char* vorlage;
        bool mf;
        std::function<void(TKlasse&)> aendern;
        const char* ergebnis;
    };
    const auto keinVorsitz = [](TKlasse& k) { k.Vorsitz = nullptr; };
    const auto einLeiter = [](TKlasse& k) { k.K_Leitung.removeFirst(); };
    const TFall faelle[] = {
        // chair "Herr" with MF; the self-replacing "Vorsitzende/r" is not replaced twice
        {"Vorsitzende/r Der/Die Vorsitzende den Vorsitzenden/die Vorsitzende", true, {},
         "Vorsitzender Der Vorsitzende den Vorsitzenden"},
        {"Vorsitzende/r, Der/Die Vorsitzende, Dem/Der Vorsitzenden", true, keinVorsitz,
         "Vorsitzende/r, Der/Die Vorsitzende, Dem/Der Vorsitzenden"},
        {"Vorsitzende/r Der/Die Vorsitzende", true, [&](TKlasse& k) { k.Vorsitz = frau; }, "Vorsitzende Die Vorsitzende"},
        // any other salutation: the combined phrase, only its first letter lowered
        {"der/die Vorsitzende; den Vorsitzenden/die Vorsitzende", true, [&](TKlasse& k) { k.Vorsitz = ohneAnrede; },
         "der/Die Vorsitzende; den/Die Vorsitzende/n"},
        // two leaders: "Klassenleitung" even without MF; the phrases follow the first leader
        {"Klassenleiter/in <Klassenleitung>", false, {}, "Klassenleitung Frau Y\\u305?lmaz, Herr Cla\\'DFen"},
        {"Der Klassenleiter/Die Klassenleiterin, des Klassenleiters/der Klassenleiterin", true, {},
         "Die Klassenleiterin, der Klassenleiterin"},
        {"Klassenleiter/in Dem Klassenleiter/Der Klassenleiterin", true, einLeiter, "Klassenleiter Dem Klassenleiter"},
        // MF off and one leader: no phrase changes
        {"Vorsitzende/r Klassenleiter/in Der/Die Vorsitzende", false, einLeiter,
         "Vorsitzende/r Klassenleiter/in Der/Die Vorsitzende"},
        // no date
        {"<Datum> (<Halbjahr>)", true, [](TKlasse& k) { k.Konferenzdatum = 0; }, "_______________ (__. Halbjahr)"},
        // escaped designation; split and unknown placeholders stay
        {"<Klasse> <Kla\\b sse> <Schule>", true, [](TKlasse& k) { k.Bezeichnung = QStringLiteral("{5ä}"); },
         "\\{5\\'E4\\} <Kla\\b sse> <Schule>"},
        // in order, one pass each: a designation "<Datum>" meets the date replacement after
        // it, a chair named "<Klasse>" comes too late for the class replacement
        {"<Klasse> / <Vorsitz>", false,
         [&](TKlasse& k) {
             k.Bezeichnung = QStringLiteral("<Datum>");
             k.Vorsitz = d.neu("KL", "<Klasse>", "Herr");
         },
         "28.01.2027 / Herr <Klasse>"},
        {"<Eltern>|<Fachlehrer>", false, [](TKlasse& k) { k.Elternvertreter.Clear(); k.Unterrichtende.clear(); }, "|"},
    };
    for (const TFall& f : faelle) {
        TKlassenDaten frisch;
        TKlasse& k = frisch.klasse;
        k.Vorsitz = d.klasse.Vorsitz;
        k.K_Leitung = d.klasse.K_Leitung;
        if (f.aendern)
            f.aendern(k);
        EXPECT_EQ(frisch.zeile(QString::fromUtf8(f.vorlage), f.mf), QString::fromUtf8(f.ergebnis)) << f.vorlage;
    }
}

TEST(Protokoll, VorlagenInDreiKodierungen)
{
    QTemporaryDir ordner;
    const TKlassenDaten d;
    const QByteArray erwartet = "{\\rtf1 Pr\xFC" "fung <Klasse> \\'FC}\r\nzweite\r\n";
    const QString text16 = QStringLiteral("{\\rtf1 Prüfung <Klasse> \\'FC}\nzweite");
    const QByteArray utf16 = QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(text16.utf16()), text16.size() * 2);
    struct TFall
    {
        const char* name;
        QByteArray bytes;
    };
    const TFall faelle[] = {
        {"utf8.rtf", "\xEF\xBB\xBF{\\rtf1 Pr\xC3\xBC" "fung <Klasse> \\'FC}\r\nzweite"},
        {"utf16.rtf", utf16},
        {"ansi.rtf", "{\\rtf1 Pr\xFC" "fung <Klasse> \\'FC}\rzweite\r\n"},
    };
    for (const TFall& f : faelle) {
        const QString pfad = ordner.filePath(QString::fromUtf8(f.name));
        ASSERT_EQ(DateiSchreiben(pfad, f.bytes), QString());
        const TVorlage vorlage = VorlageLaden(pfad, TProtokollSchrift());
        EXPECT_EQ(vorlage.Datei, pfad);
        EXPECT_TRUE(vorlage.Fehler.isEmpty());
        QByteArray text = erwartet;
        text.replace("<Klasse>", "5a");
        EXPECT_EQ(ProtokollTextSchreiben(d.klasse, vorlage.Zeilen, true), text) << f.name;
    }
    // a missing file or a folder gives the built-in template
    for (const QString& pfad : {ordner.filePath(QStringLiteral("fehlt.rtf")), ordner.path(), QString()}) {
        const TVorlage vorlage = VorlageLaden(pfad, TProtokollSchrift());
        EXPECT_TRUE(vorlage.Standard());
        EXPECT_EQ(vorlage.Zeilen, Standardvorlage(TProtokollSchrift()));
    }
    // the built-in template saved for editing and read again is the same template
    const QString gespeichert = ordner.filePath(QStringLiteral("protokoll.rtf"));
    ASSERT_EQ(DateiSchreiben(gespeichert, VorlageBytes(Standardvorlage(TProtokollSchrift()))), QString());
    EXPECT_EQ(ProtokollTextSchreiben(d.klasse, VorlageLaden(gespeichert, TProtokollSchrift()).Zeilen, false),
              mitCrLf(StandardOhneMF));
}

TEST(Protokoll, VorlageAusDerEinstellung)
{
    QTemporaryDir ordner;
    const QDir dir(ordner.path());
    ASSERT_TRUE(dir.mkpath(QStringLiteral("bin")) && dir.mkpath(QStringLiteral("vorlagen")));
    const QString programm = dir.filePath(QStringLiteral("bin")) + QLatin1Char('/');
    const QString beimProgramm = dir.filePath(QStringLiteral("bin/v.rtf"));
    const QString daneben = dir.filePath(QStringLiteral("vorlagen/v.rtf"));
    for (const QString& datei : {beimProgramm, daneben})
        ASSERT_EQ(DateiSchreiben(datei, "{\\rtf1 }"), QString());
    const struct
    {
        QString einstellung;
        QString datei;
    } faelle[] = {
        {QStringLiteral("./v.rtf"), beimProgramm},
        {QStringLiteral("v.rtf"), beimProgramm},
        {QStringLiteral("../vorlagen/v.rtf"), daneben},
        {daneben, daneben},
        {QStringLiteral("./fehlt.rtf"), QString()},
        {QStringLiteral("../vorlagen"), QString()}, // a folder
        {QString(), QString()},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(VorlageAusEinstellung(f.einstellung, programm), f.datei) << f.einstellung.toStdString();
    // what RelativerPfad stores is found again
    EXPECT_EQ(VorlageAusEinstellung(RelativerPfad(daneben, programm), programm), daneben);
}
