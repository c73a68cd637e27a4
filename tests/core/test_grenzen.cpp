// Work that input of any size keeps within bounds: the XML tree holds only what the import
// reads, a template cannot blow a text up beyond 16 MiB, and CSV fields never carry control
// characters, in whichever encoding the file comes.
#include "import/UCsvImport.h"
#include "import/UxmlImpBaum.h"
#include "minutes/UProtokoll.h"
#include "minutes/UTexte.h"
#include "planning/UDatei.h"

#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

qsizetype elemente(const TXmlElement& element)
{
    qsizetype anzahl = 1;
    for (const TXmlElement& kind : element.Kinder)
        anzahl += elemente(kind);
    return anzahl;
}

} // namespace

TEST(Grenzen, XmlBaumHaeltNurWasGelesenWird)
{
    const TXmlAuswahl auswahl = XmlKnoten(u"*", {XmlKnoten(u"teachers", {XmlKnoten(u"*", {XmlKnoten(u"surname")})})});
    QByteArray xml = "<document>";
    for (int i = 0; i < 100000; ++i)
        xml += "<a/>";
    xml += "<teachers>";
    for (int i = 0; i < 100000; ++i)
        xml += "<a/>";
    xml += "<teacher id='TR_A'><surname>M<b>\xC3\xBC</b>ller</surname><forename>Eva</forename></teacher>"
           "<x><surname>ohne id</surname></x><y>Text allein</y></teachers></document>";
    const TXmlDokument dokument = XmlLesen(xml, QStringLiteral("gross.xml"), auswahl);
    ASSERT_TRUE(dokument.Wurzel) << dokument.Fehler.toStdString();
    const TXmlElement& wurzel = *dokument.Wurzel;
    EXPECT_EQ(elemente(wurzel), 6); // document, teachers, the teacher and x with a surname each
    ASSERT_EQ(wurzel.Kind(u"teachers")->Kinder.size(), 2u);
    const TXmlElement& lehrer = wurzel.Kind(u"teachers")->Kinder.front();
    EXPECT_EQ(lehrer.Attribut(u"id"), QStringLiteral("TR_A"));
    EXPECT_EQ(lehrer.KindText(u"surname"), QStringLiteral("Müller")); // markup inside a field is its text
    EXPECT_EQ(lehrer.Kind(u"forename"), nullptr);
    EXPECT_TRUE(lehrer.HatInhalt);
}

TEST(Grenzen, VorlageWaechstHoechstens16MiB)
{
    TKlasse klasse(QStringLiteral("5a"));
    TLehrerliste lehrer;
    for (int i = 0; i < 40; ++i) {
        auto l = std::make_unique<TLehrer>(QStringLiteral("L%1").arg(i), QStringLiteral("Mustermann-Lüdenscheid"), QStringLiteral("Frau"));
        klasse.Unterrichtende << l.get();
        lehrer.LehrerHinzu(l);
    }
    // 24,000 placeholders of 12 characters: under 300 KB of template, over 24 MB of text
    const QStringList vorlage{QStringLiteral("{\\rtf1 "), QStringLiteral("<Fachlehrer>").repeated(24000), QStringLiteral("}")};
    QString fehler;
    EXPECT_TRUE(ProtokollTextSchreiben(klasse, vorlage, true, nullptr, &fehler).isEmpty());
    EXPECT_EQ(fehler, QStringLiteral("Der Text der Klasse \"5a\" würde größer als 16 MB: Die Vorlage wiederholt ihre Platzhalter zu oft."));
    EXPECT_FALSE(ProtokollTextSchreiben(klasse, vorlage.mid(0, 1) << QStringLiteral("<Fachlehrer>").repeated(2000), true, nullptr, &fehler).isEmpty());
    EXPECT_EQ(fehler, QString());

    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("vorlage.rtf"));
    ASSERT_EQ(DateiSchreiben(datei, VorlageBytes(vorlage)), QString());
    TTextAuftrag auftrag;
    auftrag.Klassen = {&klasse};
    auftrag.Ordner = ordner.path();
    auftrag.VorlageDatei = datei;
    struct : ITextUeberschreiben
    {
        TAntwort Fragen(const QString&) override { return {}; }
    } nie;
    const TTexteErgebnis ergebnis = TexteSpeichern(auftrag, nie);
    EXPECT_TRUE(ergebnis.Fehler.startsWith(QStringLiteral("Der Text der Klasse \"5a\" würde größer"))) << ergebnis.Fehler.toStdString();
    EXPECT_TRUE(ergebnis.Geschrieben.isEmpty());
}

TEST(Grenzen, CsvFelderOhneSteuerzeichenInJederKodierung)
{
    const QString text = QStringLiteral("Kürzel;Name\r\nA\u0000B;Mül\tler\u0007\r\nÇA;Öz\u008D\r\n");
    static const char cp1252[] = "K\xFCrzel;Name\r\nA\0B;M\xFCl\tler\x07\r\n\xC7\x41;\xD6z\x8D\r\n";
    const QList<QStringList> erwartet{{"AB", "Mül ler"}, {"ÇA", "Öz"}};
    const QByteArray kodiert[] = {
        QStringEncoder(QStringConverter::Utf16LE).encode(text),
        QStringEncoder(QStringConverter::Utf16BE).encode(text),
        QByteArray("\xEF\xBB\xBF") + text.toUtf8(),
        QByteArray(cp1252, sizeof cp1252 - 1),
    };
    for (const QByteArray& bytes : kodiert) {
        const TCsvListe liste = CsvAusBytes(bytes);
        EXPECT_EQ(liste.Kopf, QStringList({"Kürzel", "Name"}));
        EXPECT_EQ(liste.Datensaetze(), erwartet) << bytes.toHex().toStdString();
    }
    EXPECT_FALSE(Utf16OhneMarke("Kürzel;Name\r\n"));
}
