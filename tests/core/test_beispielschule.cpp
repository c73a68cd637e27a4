#include "planning/UProjekt.h"
#include "support/Beispielschule.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QString beispieldatei = QStringLiteral(SIMULTANO_QUELLORDNER "/resources/beispiel/Beispielschule.spz");

} // namespace

// The shipped sample opens, is what the generator makes today, and has something to show
// in every view of the main window.
TEST(Beispielschule, OeffnetUndIstVollstaendig)
{
    const TProjektErgebnis projekt = ProjektLesen(beispieldatei);
    ASSERT_TRUE(projekt.Ok()) << projekt.Fehler.toStdString();
    EXPECT_EQ(projekt.Version, 2);
    EXPECT_EQ(projekt.Klassen->Count(), 30);
    EXPECT_EQ(projekt.Lehrer->Count(), 80);

    int mitLeitung = 0, mitVorsitz = 0, mitDatum = 0, mitEltern = 0;
    for (const TKlasse* k : *projekt.Klassen) {
        EXPECT_GE(k->Unterrichtende.size(), 8) << k->Bezeichnung.toStdString();
        mitLeitung += !k->K_Leitung.isEmpty();
        mitVorsitz += k->Vorsitz != nullptr;
        mitDatum += k->Konferenzdatum != 0.0;
        mitEltern += !k->Elternvertreter.IsEmpty();
    }
    EXPECT_EQ(mitLeitung, 30);
    EXPECT_EQ(mitVorsitz, 30);
    EXPECT_EQ(mitDatum, 30);
    EXPECT_GT(mitEltern, 15);

    bool umlaut = false;
    for (const TLehrer* l : *projekt.Lehrer)
        umlaut = umlaut || l->Name.contains(QRegularExpression(QStringLiteral("[äöüÄÖÜß]")));
    EXPECT_TRUE(umlaut);

    const TSchule neu = BeispielschuleErzeugen();
    QFile datei(beispieldatei);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.readAll(), ProjektBytes(*neu.Lehrer, *neu.Klassen))
        << "regenerate with: build/bin/beispielschule_schreiben resources/beispiel/Beispielschule.spz";
}
