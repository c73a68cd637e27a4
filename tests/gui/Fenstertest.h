#pragma once

#include "app/UFenster.h"
#include "app/UKlassenBaum.h"
#include "app/UMain.h"
#include "gui/ScriptDialoge.h"
#include "planning/UIni.h"
#include "planning/UVar.h"

#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <initializer_list>

// All windows of the program with scripted dialogs, on an empty project in a temporary
// program folder of their own (settings file included).
class TFensterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        Programmpfad = ordner.path() + QLatin1Char('/');
        IniDateiname = Programmpfad + QStringLiteral("Simultano.ini");
        Ini = std::make_unique<TIniDatei>(IniDateiname);
        LeeresProjekt();
        Geaendert = false;
        Dateiname.clear();
        Dateistand = TDateiStand();
        Dateiversion = 0;
        auto script = std::make_unique<TScriptDialoge>();
        dialoge = script.get();
        fenster = std::make_unique<TFenster>(std::move(script));
        haupt = fenster->Main.get();
    }

    void TearDown() override
    {
        EXPECT_TRUE(dialoge->AllesBeantwortet()) << dialoge->Offen() << " vorbereitete Antwort(en) nicht abgerufen";
        fenster.reset();
        LeeresProjekt();
        Ini.reset();
    }

    // Shows the main window and makes it the active one (shortcuts need that).
    void zeigen()
    {
        haupt->show();
        haupt->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(haupt));
    }

    static TLehrer* lehrer(const QString& kuerzel, const QString& name = QString(), const QString& anrede = QString())
    {
        auto neu = std::make_unique<TLehrer>(kuerzel, name.isEmpty() ? kuerzel : name, anrede);
        TLehrer* l = neu.get();
        Lehrerliste->LehrerHinzu(neu);
        return l;
    }

    static TKlasse* klasse(const QString& bezeichnung, std::initializer_list<TLehrer*> unterrichtende = {})
    {
        auto neu = std::make_unique<TKlasse>(bezeichnung);
        TKlasse* k = neu.get();
        for (TLehrer* l : unterrichtende)
            k->Unterrichtende << l;
        Klassenliste->KlasseHinzu(std::move(neu));
        return k;
    }

    // Teachers AB, CD, EF, GH; classes 5a (AB, CD, EF), 5b (CD, GH), 6a (no teacher).
    void kleineSchule()
    {
        ab = lehrer(QStringLiteral("AB"), QStringLiteral("Albers"), QStringLiteral("Frau"));
        cd = lehrer(QStringLiteral("CD"), QStringLiteral("Claßen"), QStringLiteral("Herr"));
        ef = lehrer(QStringLiteral("EF"), QStringLiteral("Ebert"), QStringLiteral("Frau"));
        gh = lehrer(QStringLiteral("GH"), QStringLiteral("Groß"), QStringLiteral("Herr"));
        k5a = klasse(QStringLiteral("5a"), {ab, cd, ef});
        k5b = klasse(QStringLiteral("5b"), {cd, gh});
        k6a = klasse(QStringLiteral("6a"));
        anzeigen();
    }

    void anzeigen()
    {
        haupt->ListViewAktualisieren();
        haupt->TreeViewAktualisieren();
    }

    TKnoten* klassenKnoten(int i) const { return Knoten(haupt->TV->topLevelItem(i)); }
    TKnoten* lehrerKnoten(int klasse, int i) const { return Knoten(haupt->TV->topLevelItem(klasse)->child(i)); }

    // A mouse click on a node, as the user does it (Ctrl or Shift for multiple selection).
    void klicken(QTreeWidgetItem* knoten, Qt::KeyboardModifiers tasten = Qt::NoModifier)
    {
        haupt->TV->scrollToItem(knoten);
        const QPoint stelle = haupt->TV->visualItemRect(knoten).center();
        QTest::mouseClick(haupt->TV->viewport(), Qt::LeftButton, tasten, stelle);
    }

    void zeileKlicken(int zeile, Qt::KeyboardModifiers tasten = Qt::NoModifier)
    {
        const QPoint stelle = haupt->LV->visualItemRect(haupt->LV->item(zeile, 0)).center();
        QTest::mouseClick(haupt->LV->viewport(), Qt::LeftButton, tasten, stelle);
    }

    QStringList knotenTexte() const
    {
        QStringList texte;
        for (int i = 0; i < haupt->TV->topLevelItemCount(); ++i)
            texte << haupt->TV->topLevelItem(i)->text(0);
        return texte;
    }

    QTemporaryDir ordner;
    std::unique_ptr<TFenster> fenster;
    TScriptDialoge* dialoge = nullptr;
    TFMain* haupt = nullptr;
    TLehrer *ab = nullptr, *cd = nullptr, *ef = nullptr, *gh = nullptr;
    TKlasse *k5a = nullptr, *k5b = nullptr, *k6a = nullptr;
};

// A caption as the user reads it: without the '&' that marks its mnemonic ("&&" shows one '&').
inline QString Beschriftung(const QString& text)
{
    QString gelesen;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        gelesen += text[i];
    }
    return gelesen;
}
