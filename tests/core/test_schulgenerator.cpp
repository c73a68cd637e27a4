#include "planning/UFunctions.h"
#include "planning/UProjekt.h"
#include "support/Schulgenerator.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <map>

namespace {

QByteArray bytes(const TSchule& schule)
{
    return ProjektBytes(*schule.Lehrer, *schule.Klassen);
}

bool istSortiert(const TLehrerliste& lehrer)
{
    for (int i = 1; i < lehrer.Count(); ++i)
        if (LehrerVergleich(lehrer[i - 1], lehrer[i]) > 0)
            return false;
    return true;
}

bool istSortiert(const TKlassenliste& klassen)
{
    for (int i = 1; i < klassen.Count(); ++i)
        if (KlassenVergleich(klassen[i - 1], klassen[i]) > 0)
            return false;
    return true;
}

class Schulgroessen : public ::testing::TestWithParam<int>
{
};

} // namespace

TEST(Schulgenerator, GleicherStartwertGleicheSchule)
{
    EXPECT_EQ(bytes(SchuleErzeugen(60, 42)), bytes(SchuleErzeugen(60, 42)));
    EXPECT_NE(bytes(SchuleErzeugen(60, 42)), bytes(SchuleErzeugen(60, 43)));
}

TEST(Schulgenerator, KleineSchulenOhneOberstufe)
{
    EXPECT_TRUE(SchuleErzeugen(0, 1).Klassen->IsEmpty());
    const TSchule zwei = SchuleErzeugen(2, 1);
    ASSERT_EQ(zwei.Klassen->Count(), 2);
    EXPECT_EQ(zwei.Klassen->First()->Bezeichnung, "5a");
    EXPECT_EQ(zwei.Klassen->Last()->Bezeichnung, "6a");
    EXPECT_FALSE(zwei.Klassen->First()->Unterrichtende.isEmpty());
}

TEST(Schulgenerator, OptionenLehrerzahlUndKlassenOhneLehrkraft)
{
    TSchulOptionen optionen;
    optionen.Lehrerzahl = 5;
    optionen.KlassenOhneLehrer = 4;
    const TSchule schule = SchuleErzeugen(20, 9, optionen);
    EXPECT_EQ(schule.Lehrer->Count(), 5);
    int ohne = 0;
    for (const TKlasse* k : *schule.Klassen) {
        ohne += k->Unterrichtende.isEmpty() ? 1 : 0;
        EXPECT_LE(k->Unterrichtende.size(), 5);
        EXPECT_TRUE(k->Unterrichtende.isEmpty() || !k->K_Leitung.isEmpty());
    }
    EXPECT_EQ(ohne, 4);
}

TEST_P(Schulgroessen, KlassenStufenUndReihenfolge)
{
    const int klassenzahl = GetParam();
    const TSchule schule = SchuleErzeugen(klassenzahl, static_cast<std::uint32_t>(klassenzahl) + 7);
    ASSERT_EQ(schule.Klassen->Count(), klassenzahl);
    EXPECT_TRUE(istSortiert(*schule.Klassen));

    std::map<int, int> jeStufe;
    QSet<QString> bezeichnungen;
    for (const TKlasse* k : *schule.Klassen) {
        ++jeStufe[Klassenstufe(k->Bezeichnung)];
        bezeichnungen.insert(k->Bezeichnung.toLower());
    }
    EXPECT_EQ(bezeichnungen.size(), klassenzahl);
    for (int stufe = 5; stufe <= 9; ++stufe)
        EXPECT_GE(jeStufe[stufe], 2) << "Stufe " << stufe; // parallel classes
    for (const char* oberstufe : {"EF", "Q1", "Q2"})
        EXPECT_NE(schule.Klassen->SucheKlasse(QString::fromLatin1(oberstufe)), nullptr) << oberstufe;
}

TEST_P(Schulgroessen, LehrkraefteMitNamenKuerzelnUndFaechern)
{
    const TSchule schule = SchuleErzeugen(GetParam(), 11);
    const TLehrerliste& lehrer = *schule.Lehrer;
    EXPECT_GE(lehrer.Count(), 60);
    EXPECT_LE(lehrer.Count(), 150);
    EXPECT_TRUE(istSortiert(lehrer));

    const QRegularExpression kuerzelform(QStringLiteral("^[A-Z]{2,4}$"));
    QSet<QString> kuerzel;
    bool umlaut = false;
    for (const TLehrer* l : lehrer) {
        EXPECT_TRUE(kuerzelform.match(l->Kuerzel).hasMatch()) << l->Kuerzel.toStdString();
        kuerzel.insert(l->Kuerzel);
        EXPECT_TRUE(l->Anrede == "Herr" || l->Anrede == "Frau");
        EXPECT_GE(l->Unterrichtsfaecher.size(), 1);
        EXPECT_LE(l->Unterrichtsfaecher.size(), 3);
        EXPECT_EQ(QSet<QString>(l->Unterrichtsfaecher.begin(), l->Unterrichtsfaecher.end()).size(),
                  l->Unterrichtsfaecher.size());
        umlaut = umlaut || l->Name.contains(QRegularExpression(QStringLiteral("[äöüß]")));
    }
    EXPECT_EQ(kuerzel.size(), lehrer.Count());
    EXPECT_TRUE(umlaut);
}

TEST_P(Schulgroessen, UnterrichtLeitungVorsitzUndTermin)
{
    const TSchule schule = SchuleErzeugen(GetParam(), 12);
    const QDate januar(2027, 1, 25), juli(2027, 7, 5);
    QSet<QDate> tage;
    for (const TKlasse* k : *schule.Klassen) {
        const auto& lehrkraefte = k->Unterrichtende;
        EXPECT_GE(lehrkraefte.size(), 8);
        EXPECT_LE(lehrkraefte.size(), 16);
        EXPECT_EQ(QSet<TLehrer*>(lehrkraefte.begin(), lehrkraefte.end()).size(), lehrkraefte.size());
        for (TLehrer* l : lehrkraefte)
            EXPECT_GE(schule.Lehrer->IndexOf(l), 0);

        EXPECT_GE(k->K_Leitung.size(), 1);
        EXPECT_LE(k->K_Leitung.size(), 2);
        for (TLehrer* l : k->K_Leitung)
            EXPECT_TRUE(lehrkraefte.contains(l));
        EXPECT_GE(schule.Lehrer->IndexOf(k->Vorsitz), 0);

        const QDate tag = WertZuDatum(k->Konferenzdatum).date();
        EXPECT_TRUE((tag >= januar && tag < januar.addDays(5)) || (tag >= juli && tag < juli.addDays(5)))
            << k->Bezeichnung.toStdString();
        tage.insert(tag.addDays(-tag.dayOfWeek()));
    }
    EXPECT_EQ(tage.size(), 1); // one week for the whole school
}

TEST_P(Schulgroessen, ElternvertreterMitEindeutigenIDs)
{
    const TSchule schule = SchuleErzeugen(GetParam(), 13);
    QHash<QString, QString> personVonID;
    QHash<QString, int> klassenVonID;
    int zweifach = 0;
    for (const TKlasse* k : *schule.Klassen) {
        EXPECT_LE(k->Elternvertreter.Count(), 3);
        QSet<QString> hier;
        for (const TEltern* e : k->Elternvertreter) {
            EXPECT_TRUE(e->Anrede == "Herr" || e->Anrede == "Frau");
            EXPECT_FALSE(hier.contains(e->ID)) << "zweimal in einer Klasse";
            hier.insert(e->ID);
            const QString person = e->Anrede + QLatin1Char(' ') + e->Name;
            EXPECT_EQ(personVonID.value(e->ID, person), person) << "eine ID, zwei Personen";
            personVonID.insert(e->ID, person);
            if (++klassenVonID[e->ID] == 2)
                ++zweifach;
            EXPECT_LE(klassenVonID[e->ID], 2);
        }
    }
    EXPECT_GT(personVonID.size(), GetParam() / 2);
    if (GetParam() >= 60) {
        EXPECT_GT(zweifach, 0); // siblings appear in larger schools
    }
}

// A teacher teaches mostly in neighbouring grades: most of a teacher's classes lie within
// one grade level of the level the teacher teaches most.
TEST_P(Schulgroessen, LehrkraefteUnterrichtenInBenachbartenStufen)
{
    const TSchule schule = SchuleErzeugen(GetParam(), 14);
    QHash<const TLehrer*, std::map<int, int>> stufen;
    for (const TKlasse* k : *schule.Klassen)
        for (const TLehrer* l : k->Unterrichtende)
            ++stufen[l][Klassenstufe(k->Bezeichnung)];
    int nah = 0, alle = 0;
    for (const auto& jeStufe : stufen) {
        const auto haeufigste = std::max_element(jeStufe.begin(), jeStufe.end(),
                                                 [](const auto& a, const auto& b) { return a.second < b.second; });
        for (const auto& [stufe, anzahl] : jeStufe) {
            alle += anzahl;
            nah += std::abs(stufe - haeufigste->first) <= 1 ? anzahl : 0;
        }
    }
    EXPECT_GT(nah, alle * 3 / 4);
}

INSTANTIATE_TEST_SUITE_P(Schulgenerator, Schulgroessen, ::testing::Values(30, 60, 120));
