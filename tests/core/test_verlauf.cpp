#include "editing/UVerlauf.h"
#include "planning/UIni.h"
#include "planning/UZuletzt.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The history as the window drives it: states a, b, c after three actions, undo, redo,
// a new action after an undo, saving and the modified state.
TEST(Verlauf, SchritteZurueckUndVorUndDerGespeicherteStand)
{
    TVerlauf v;
    v.Beginnen("a", true);
    EXPECT_FALSE(v.Ungespeichert());
    EXPECT_FALSE(v.Festhalten("a")) << "an action that changed nothing is no step";
    EXPECT_FALSE(v.KannRueckgaengig());
    EXPECT_TRUE(v.Festhalten("b"));
    EXPECT_TRUE(v.Festhalten("c"));
    EXPECT_TRUE(v.Ungespeichert());

    EXPECT_EQ(v.Rueckgaengig(), QByteArray("b"));
    EXPECT_EQ(v.Rueckgaengig(), QByteArray("a"));
    EXPECT_FALSE(v.Ungespeichert()) << "back at the saved state";
    EXPECT_EQ(v.Rueckgaengig(), std::nullopt);
    EXPECT_EQ(v.Wiederholen(), QByteArray("b"));
    EXPECT_TRUE(v.Ungespeichert());
    v.Gespeichert();
    EXPECT_FALSE(v.Ungespeichert());

    // a new action after an undo ends the steps forward
    EXPECT_TRUE(v.Festhalten("d"));
    EXPECT_FALSE(v.KannWiederholen());
    EXPECT_EQ(v.Rueckgaengig(), QByteArray("b"));
    EXPECT_FALSE(v.Ungespeichert());

    // an import starts without a saved state and without steps
    v.Beginnen("x", false);
    EXPECT_FALSE(v.KannRueckgaengig() || v.KannWiederholen());
    EXPECT_TRUE(v.Ungespeichert());
}

TEST(Verlauf, AelteSchritteGehenUeberDerGrenze)
{
    TVerlauf v(10);
    v.Beginnen("0", true);
    for (const char* stand : {"1111", "2222", "3333", "4444"})
        v.Festhalten(stand);
    // 0, 1111, 2222, 3333 are 13 bytes: the oldest go until 10 are left
    EXPECT_EQ(v.Rueckgaengig(), QByteArray("3333"));
    EXPECT_EQ(v.Rueckgaengig(), QByteArray("2222"));
    EXPECT_EQ(v.Rueckgaengig(), std::nullopt);
    TVerlauf klein(1);
    klein.Beginnen("gross", true);
    klein.Festhalten("groesser");
    EXPECT_EQ(klein.Rueckgaengig(), QByteArray("gross")) << "the last step always stays";
}

TEST(Zuletzt, NeuesteVorneHoechstensAcht)
{
    QStringList liste;
    for (int i = 1; i <= 9; ++i)
        liste = ZuletztVorne(liste, QStringLiteral("/s/%1.spz").arg(i));
    ASSERT_EQ(liste.size(), ZuletztHoechstens);
    EXPECT_EQ(liste.first(), "/s/9.spz");
    EXPECT_EQ(liste.last(), "/s/2.spz");
    liste = ZuletztVorne(liste, QStringLiteral("/s/5.spz"));
    EXPECT_EQ(liste.mid(0, 3), QStringList({"/s/5.spz", "/s/9.spz", "/s/8.spz"}));
    EXPECT_EQ(liste.count(QStringLiteral("/s/5.spz")), 1);

    // kept in the settings file; a shorter list empties the keys beyond it
    QTemporaryDir ordner;
    TIniDatei ini(ordner.filePath(QStringLiteral("Simultano.ini")));
    ZuletztSchreiben(ini, liste);
    EXPECT_EQ(ZuletztLesen(ini), liste);
    ZuletztSchreiben(ini, liste.mid(0, 2));
    EXPECT_EQ(ZuletztLesen(ini), liste.mid(0, 2));
}

} // namespace
