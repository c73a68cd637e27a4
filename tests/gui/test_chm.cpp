#include "app/UChmDatei.h"
#include "app/USitemap.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

const QString hilfedatei = QStringLiteral(SIMULTANO_HILFEDATEI);

QByteArray Wort32(quint32 wert)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((wert >> (8 * i)) & 0xff);
    return b;
}

QByteArray Wort16(quint16 wert)
{
    return QByteArray(1, char(wert & 0xff)) + QByteArray(1, char(wert >> 8));
}

// #IVB in the layout help compilers write: byte count, then (context, offset) pairs.
QByteArray Ivb(const std::vector<std::pair<quint32, quint32>>& paare)
{
    QByteArray ivb = Wort32(quint32(paare.size() * 8));
    for (const auto& [kontext, versatz] : paare)
        ivb += Wort32(kontext) + Wort32(versatz);
    return ivb;
}

QByteArray SystemEintrag(quint16 code, const QByteArray& text)
{
    return Wort16(code) + Wort16(quint16(text.size() + 1)) + text + QByteArray(1, '\0');
}

std::unique_ptr<TChmDatei> GebauteHilfe()
{
    QString fehler;
    auto datei = TChmDatei::Oeffnen(hilfedatei, &fehler);
    EXPECT_TRUE(datei) << fehler.toStdString();
    return datei;
}

void SeitenSammeln(const std::vector<TSitemapEintrag>& eintraege, QStringList* seiten)
{
    for (const TSitemapEintrag& eintrag : eintraege) {
        seiten->append(eintrag.Seite);
        SeitenSammeln(eintrag.Unterpunkte, seiten);
    }
}

} // namespace

TEST(ChmKontexte, LiestPaareUndNamen)
{
    const QByteArray strings = QByteArray("\0a.html\0/home/bau/hilfe/b.html\0", 32);
    const auto kontexte = ChmKontexteLesen(Ivb({{20, 1}, {129, 8}}), strings);
    ASSERT_EQ(kontexte.size(), 2);
    EXPECT_EQ(kontexte.value(20), "a.html");
    EXPECT_EQ(kontexte.value(129), "/home/bau/hilfe/b.html");
}

TEST(ChmKontexte, BeschaedigteTabellenLaufenNichtUeberIhrEnde)
{
    const QByteArray strings("\0a.html", 7); // last name without terminator
    // Offset outside #STRINGS, a byte count larger than the data and a torn last pair.
    QByteArray ivb = Ivb({{1, 1}, {2, 4000}});
    ivb.replace(0, 4, Wort32(0xFFFFFFF0u));
    ivb += QByteArray("\x05\0\0", 3);
    const auto kontexte = ChmKontexteLesen(ivb, strings);
    ASSERT_EQ(kontexte.size(), 1);
    EXPECT_EQ(kontexte.value(1), "a.html");
    EXPECT_TRUE(ChmKontexteLesen(QByteArray("\x08", 1), strings).isEmpty());
    EXPECT_TRUE(ChmKontexteLesen(Ivb({{3, 0}}), strings).isEmpty()) << "an empty name is no topic";
}

TEST(ChmKontexte, ThemaWirdDerGespeichertenDateiZugeordnet)
{
    const QStringList dateien = {"/a.html", "/sub/", "/sub/a.html", "/Seite.HTML", "/bilder/x.svg"};
    EXPECT_EQ(ChmThemaFinden("a.html", dateien), "/a.html");
    EXPECT_EQ(ChmThemaFinden("/home/bau/hilfe/a.html", dateien), "/a.html");
    EXPECT_EQ(ChmThemaFinden("/home/bau/hilfe/sub/a.html", dateien), "/sub/a.html");
    EXPECT_EQ(ChmThemaFinden("C:\\Hilfe\\sub\\a.html", dateien), "/sub/a.html");
    EXPECT_EQ(ChmThemaFinden("seite.html", dateien), "/Seite.HTML");
    EXPECT_EQ(ChmThemaFinden("/home/bau/hilfe/ba.html", dateien), "") << "only at a folder boundary";
    EXPECT_EQ(ChmThemaFinden("fehlt.html", dateien), "");
    EXPECT_EQ(ChmThemaFinden("", dateien), "");
}

TEST(ChmSystem, LiestEintraegeBisZumSchaden)
{
    QByteArray system = Wort32(3) + SystemEintrag(9, "Compiler") + SystemEintrag(0, "toc.hhc")
                        + SystemEintrag(2, "start.html") + SystemEintrag(3, "Titel");
    system += Wort16(1) + Wort16(500) + QByteArray("idx.hhk");
    const TChmSystem gelesen = ChmSystemLesen(system);
    EXPECT_EQ(gelesen.Inhaltsdatei, "/toc.hhc");
    EXPECT_EQ(gelesen.Startseite, "/start.html");
    EXPECT_EQ(gelesen.Titel, "Titel");
    EXPECT_EQ(gelesen.Indexdatei, "") << "a record longer than the file is not read";
    EXPECT_EQ(ChmSystemLesen(QByteArray("\x03\0", 2)).Titel, "");
}

TEST(ChmPfad, MachtAusAdressenPfadeInDerDatei)
{
    EXPECT_EQ(ChmPfad("start.html"), "/start.html");
    EXPECT_EQ(ChmPfad("./bilder/x.svg"), "/bilder/x.svg");
    EXPECT_EQ(ChmPfad("bilder\\x.svg"), "/bilder/x.svg");
    EXPECT_EQ(ChmPfad("mk:@MSITStore:Simulta.chm::/a.htm"), "/a.htm");
    EXPECT_EQ(ChmPfad("seite%20zwei.html#teil"), "/seite zwei.html#teil");
    EXPECT_EQ(ChmPfad("  "), "");
}

TEST(Sitemap, LiestVerschachtelteListen)
{
    const QString html = QStringLiteral(R"(
<OBJECT type="text/site properties"><param name="Name" value="Eigenschaften"></OBJECT>
<UL>
  <LI><OBJECT type="text/sitemap"><param name="Name" value="Erste"><param name="Local" value="eins.html"></OBJECT>
  <UL>
    <li><object type='text/sitemap'><param name=Name value=Unter><param name="Local" value="zwei.html#abschnitt"></object>
  </UL>
  <LI><OBJECT type="text/sitemap">
        <param name="Name" value="&Uuml;bersicht &amp; mehr"><param name="Name" value="Thema">
        <param name="Local" value="drei.html"><param name="Local" value="vier.html"></OBJECT>
  <LI><OBJECT type="text/sitemap"><param name="ImageNumber" value="1"></OBJECT>
</UL>)");
    const auto eintraege = SitemapLesen(html);
    ASSERT_EQ(eintraege.size(), 2u);
    EXPECT_EQ(eintraege[0].Name, "Erste");
    EXPECT_EQ(eintraege[0].Seite, "/eins.html");
    ASSERT_EQ(eintraege[0].Unterpunkte.size(), 1u);
    EXPECT_EQ(eintraege[0].Unterpunkte[0].Name, "Unter");
    EXPECT_EQ(eintraege[0].Unterpunkte[0].Seite, "/zwei.html#abschnitt");
    EXPECT_EQ(eintraege[1].Name, QStringLiteral("Übersicht & mehr"));
    EXPECT_EQ(eintraege[1].Seite, "/drei.html");
}

TEST(Sitemap, UnausgeglicheneListenBrechenNichts)
{
    const QString eintrag = QStringLiteral(R"(<LI><OBJECT type="text/sitemap"><param name="Name" value="%1"></OBJECT>)");
    const auto zuViele = SitemapLesen(eintrag.arg("a") + "</UL></UL>" + eintrag.arg("b"));
    ASSERT_EQ(zuViele.size(), 2u);
    const auto offen = SitemapLesen("<UL>" + eintrag.arg("a") + "<UL>" + eintrag.arg("b") + "<UL><UL>");
    ASSERT_EQ(offen.size(), 1u);
    ASSERT_EQ(offen[0].Unterpunkte.size(), 1u);
    EXPECT_EQ(offen[0].Unterpunkte[0].Name, "b");
    EXPECT_TRUE(SitemapLesen("<UL><OBJECT type=\"text/sitemap\"><param name=\"Name\"").empty());
}

TEST(Hilfetext, ErkenntDenZeichensatz)
{
    EXPECT_EQ(HilfetextDekodieren("<meta charset=\"utf-8\">\xc3\xa4"), QStringLiteral("<meta charset=\"utf-8\">ä"));
    EXPECT_EQ(HilfetextDekodieren("<p>K\xfc" "rzel</p>"), QStringLiteral("<p>Kürzel</p>"));
    EXPECT_EQ(HilfetextDekodieren("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\x80"),
              QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">€"));
}

TEST(ChmDatei, FehlendeOderFalscheDateiGibtMeldung)
{
    QString fehler;
    EXPECT_FALSE(TChmDatei::Oeffnen("", &fehler));
    EXPECT_EQ(fehler, "Es ist keine Hilfedatei festgelegt.");

    QTemporaryDir ordner;
    const QString fehlt = ordner.filePath("Simulta.chm");
    EXPECT_FALSE(TChmDatei::Oeffnen(fehlt, &fehler));
    EXPECT_EQ(fehler, QStringLiteral("Die Hilfedatei \"%1\" wurde nicht gefunden.").arg(fehlt));
    EXPECT_FALSE(TChmDatei::Oeffnen(ordner.path(), &fehler)) << "a folder is no help file";

    QFile text(fehlt);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray(4096, 'x'));
    text.close();
    EXPECT_FALSE(TChmDatei::Oeffnen(fehlt, &fehler));
    EXPECT_TRUE(fehler.contains("kann nicht gelesen werden")) << fehler.toStdString();
}

TEST(ChmDatei, GebauteHilfeFuehrtDieKontexteZuIhrenThemen)
{
    const auto datei = GebauteHilfe();
    ASSERT_TRUE(datei);
    EXPECT_EQ(datei->System().Titel, "Hilfe zu Simultano");
    EXPECT_EQ(datei->System().Startseite, "/start.html");
    EXPECT_EQ(datei->Kontexte().size(), 3);
    EXPECT_EQ(datei->Kontextseite(20), "/hauptfenster.html");
    EXPECT_EQ(datei->Kontextseite(129), "/ergebnis.html");
    EXPECT_EQ(datei->Kontextseite(118), "/vorschau.html");
    EXPECT_EQ(datei->Kontextseite(21), "");
    EXPECT_TRUE(datei->Lesen("/hauptfenster.html").contains("<title>Das Hauptfenster</title>"));
    EXPECT_EQ(datei->Lesen("/HAUPTFENSTER.html"), datei->Lesen("/hauptfenster.html"));
    EXPECT_TRUE(datei->Lesen("/fehlt.html").isEmpty());
}

// Every entry of contents and index, and every link and image of every page, is in the file.
TEST(ChmDatei, GebauteHilfeHatKeineToteVerweise)
{
    const auto datei = GebauteHilfe();
    ASSERT_TRUE(datei);
    QStringList ziele;
    for (const QString& sitemap : {datei->System().Inhaltsdatei, datei->System().Indexdatei}) {
        ASSERT_FALSE(sitemap.isEmpty());
        const auto eintraege = SitemapLesen(HilfetextDekodieren(datei->Lesen(sitemap)));
        EXPECT_GE(eintraege.size(), 6u) << sitemap.toStdString();
        SeitenSammeln(eintraege, &ziele);
    }
    static const QRegularExpression verweis(QStringLiteral(R"re((?:href|src)="([^"]+)")re"));
    for (const QString& seite : datei->Dateien()) {
        if (!seite.endsWith(".html"))
            continue;
        const QString text = HilfetextDekodieren(datei->Lesen(seite));
        for (const QRegularExpressionMatch& m : verweis.globalMatch(text))
            ziele.append(QUrl("chm:" + seite).resolved(QUrl(m.captured(1))).path());
    }
    for (const QString& ziel : ziele)
        EXPECT_TRUE(datei->Enthaelt(ziel.section('#', 0, 0))) << ziel.toStdString();
}
