// The teacher list import: reading small files and creating the teachers.
#include "gui/QtAusgabe.h"
#include "import/UCsvImport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// "caption|caption / field|field / ..." with " *" when the first line is a record.
QString beschreiben(const TCsvListe& liste)
{
    QStringList teile{liste.Kopf.join(u'|')};
    for (const QStringList& zeile : liste.Zeilen)
        teile << zeile.join(u'|');
    return teile.join(QStringLiteral(" / ")) + (liste.ohneFeldnamen ? QStringLiteral(" *") : QString());
}

// "abbreviation:name:salutation" of every teacher, in list order.
QStringList beschreiben(const TLehrerliste& liste)
{
    QStringList texte;
    for (const TLehrer* l : liste)
        texte << QStringLiteral("%1:%2:%3").arg(l->Kuerzel, l->Name, l->Anrede);
    return texte;
}

QList<QStringList> datensaetze(std::initializer_list<QStringList> zeilen)
{
    return QList<QStringList>(zeilen);
}

} // namespace

TEST(CsvImport, KleineDateien)
{
    struct TFall
    {
        const char* wofuer;
        QByteArray bytes; // as stored: Windows-1252 unless said otherwise
        const char* liste; // UTF-8
    };
    const TFall faelle[] = {
        {"Trennzeichenzeile", ";\r\nName;K\xFCrzel\r\nAlbers;AB", "Name|Kürzel / Albers|AB"},
        {"Satztrennung", ";|\r\nName;K|\r\nAlbers;AB|\r\nBerg|x;BE|", "Name|K / Albers|AB / Berg|x|BE"},
        {"Semikolon vor Komma", "Name,Vorname,Ort;K\r\na,b,c;d", "Name,Vorname,Ort|K / a,b,c|d"},
        {"Tabulator", "Name\tK\nAlbers\tAB\n", "Name|K / Albers|AB"},
        {"Anführungszeichen", "Name;K;A\r\n\"M\xFCller, Hans\";MH;m\r\n\"\";\"x\"\"y\";\"",
         "Name|K|A / Müller, Hans|MH|m / |x\"\"y|\""},
        {"UTF-8 erst in Zeile 2", "Name;K\nM\xC3\xBCller;MU\nGro\xC3\x9F;\xC3\x84\xC3\x96", "Name|K / Müller|MU / Groß|ÄÖ"},
        {"UTF-8 mit Marke", "\xEF\xBB\xBFName;K\nM\xC3\xBCller;MU", "Name|K / Müller|MU"},
        {"UTF-8 nur mit é", "Name\nRen\xC3\xA9", "Name / RenÃ©"},
        {"UTF-8 ungültig bleibt", "Name\nM\xC3\xBCller\nGr\xF6\xDF\xC3", "Name / Müller / GrößÃ"},
        {"DOS mit ü", "Name\nM\x81ller\nB\x84r \x82\x87\x8E\x94\x99\x9A\xE1\x80", "Name / Müller / Bär éçÄöÖÜß€"},
        {"DOS ohne ü", "Name\nB\x84r", "Name / B„r"},
        {"nur die Trennzeichenzeile", ";", ""},
        {"Leerzeilen und ^Z", "\r\n\r\nName\r\n\x1A\r\n\x1A\x1A", "Name *"},
        {"leere Zeilen des Inhalts fallen weg", "N;K\n;\n A ; B ", "N|K / A|B"},
        {"leeres Feld in der ersten Zeile", ";Name\n1;Albers", "|Name / 1|Albers *"},
        {"ohne Trennzeichen", "Name Vorname\nA B", "Name Vorname / A B"},
        {"Steuerzeichen vor Leerzeichen", QByteArray("K\n\x8D 0\x00\x00", 7), "K / 0"},
    };
    for (const TFall& f : faelle)
        EXPECT_EQ(beschreiben(CsvAusBytes(f.bytes)), QString::fromUtf8(f.liste)) << f.wofuer;
}

TEST(CsvImport, LehrerAnlegen)
{
    struct TFall
    {
        const char* wofuer;
        QStringList vorhanden; // abbreviations of teachers "Vorher" present before the import
        QList<QStringList> zeilen;
        TWahl wahl;
        QString wahrAnrede;
        QStringList ergebnis;
        int ersetzt;
    };
    const TWahl kna{0, 1, 2};
    const TFall faelle[] = {
        {"m/w/M/F/d", {},
         datensaetze({{"A", "Anna", "m"}, {"B", "Bea", "w"}, {"C", "Carl", "M"}, {"D", "Dora", "F"}, {"E", "Emil", "d"}}),
         kna, {}, {"A:Anna:Herr", "B:Bea:Frau", "C:Carl:Herr", "D:Dora:Frau", "E:Emil:d"}, 0},
        {"Geschlecht in Worten, auch in der ersten Zeile", {},
         datensaetze({{"A", "Anna", "w"}, {"B", "Bea", "Weiblich"}, {"C", "Carl", "männlich"}, {"D", "Dora", "female"},
                      {"E", "Emil", "MALE"}, {"F", "Fritz", "m"}}),
         kna, "Herr", {"A:Anna:Frau", "B:Bea:Frau", "C:Carl:Herr", "D:Dora:Frau", "E:Emil:Herr", "F:Fritz:Herr"}, 0},
        {"Wahrheitswert 1 für Frau; Geschlechtswörter gehen vor", {},
         datensaetze({{"A", "Anna", "1"}, {"B", "Bea", "0"}, {"C", "Carl", ""}, {"D", "Dora", "1"}, {"E", "Emil", "x"},
                      {"F", "Fritz", "m"}, {"G", "Gabi", "w"}}),
         kna, "Frau",
         {"A:Anna:Frau", "B:Bea:Herr", "C:Carl:Herr", "D:Dora:Frau", "E:Emil:Herr", "F:Fritz:Herr", "G:Gabi:Frau"}, 0},
        {"gleiche Kürzel; der Zähler überspringt vergebene Nummern", {"AB", "002"},
         datensaetze({{"AB", "Anna"}, {"AB", "Bea"}, {"XY", "Carl"}, {"AB", "Dora"}}), kna, {},
         {"001:Anna:", "003:Bea:", "XY:Carl:", "004:Dora:", "002:Vorher:", "AB:Vorher:"}, 4},
        {"ohne Kürzelfeld der Zeilenindex, auch für Zeilen ohne Namen", {},
         datensaetze({{"", "Anna"}, {"", ""}, {"", "Carl"}}), {-1, 1, -1}, {}, {"0:Anna:", "2:Carl:"}, 0},
        {"dieselbe Liste noch einmal", {"0", "2"},
         datensaetze({{"", "Anna"}, {"", ""}, {"", "Carl"}}), {-1, 1, -1}, {}, {"001:Anna:", "002:Carl:", "0:Vorher:", "2:Vorher:"}, 2},
        {"zu kurze Zeile und Leerzeichen", {},
         datensaetze({{"A", "  Anna   Maria ", "Frau"}, {"B"}, {"C", "Carl"}}), kna, {}, {"A:Anna Maria:Frau", "C:Carl:"}, 0},
    };
    for (const TFall& f : faelle) {
        TLehrerliste liste;
        for (const QString& k : f.vorhanden)
            liste.Add(std::make_unique<TLehrer>(k, QStringLiteral("Vorher"), QString()));
        const TImportErgebnis e = LehrerImportieren(liste, f.zeilen, f.wahl, f.wahrAnrede);
        EXPECT_EQ(beschreiben(liste), f.ergebnis) << f.wofuer;
        EXPECT_EQ(e.Ersetzt, f.ersetzt) << f.wofuer;
        EXPECT_EQ(e.Angelegt, liste.Count() - f.vorhanden.size()) << f.wofuer;
    }
}

TEST(CsvImport, WahrheitswertDerErstenZeile)
{
    const char* const wahrheitswerte[] = {"1", "0", "-", "WAHR", "False", "true", "falsch"};
    for (const char* wert : wahrheitswerte)
        EXPECT_EQ(WahrheitswertDerErstenZeile(datensaetze({{"A", wert}}), 1), QString::fromUtf8(wert));
    // "w" and "f" occur in the truth words, yet they are salutations
    const char* const anreden[] = {"m", "w", "f", "W", "weiblich", "female", "Herr", "Frau", "", "2"};
    for (const char* wert : anreden)
        EXPECT_EQ(WahrheitswertDerErstenZeile(datensaetze({{"A", wert}}), 1), QString()) << wert;
    EXPECT_EQ(WahrheitswertDerErstenZeile(datensaetze({{"A"}}), 1), QString());
}

TEST(CsvImport, LesefehlerGibtLeereListe)
{
    QTemporaryDir ordner;
    TCsvListe liste = CsvAusBytes("Name\nA");
    const QString fehler = CsvLesen(ordner.filePath(QStringLiteral("fehlt.csv")), liste);
    EXPECT_TRUE(fehler.contains(QStringLiteral("kann nicht geöffnet werden"))) << fehler.toStdString();
    EXPECT_TRUE(liste.Kopf.isEmpty() && liste.Zeilen.isEmpty());
}
