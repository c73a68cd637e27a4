#include "gui/Fenstertest.h"

#include "app/UHilfe.h"
#include "planning/UProjekt.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTableWidget>

namespace {

class TDateibefehle : public TFensterTest
{
protected:
    QString pfad(const QString& name) const { return ordner.filePath(name); }

    static QByteArray lesen(const QString& datei)
    {
        QFile f(datei);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // A project with unsaved changes.
    void bearbeitet()
    {
        kleineSchule();
        Geaendert = true;
    }

    // The reader may not be there yet: tests that open a good file wait for it.
    static bool leserVorhanden(const QString& datei) { return ProjektLesen(datei).Ok(); }

    void frageGezeigt(const TScriptDialoge::TGezeigt& g)
    {
        ASSERT_EQ(g.Art, TScriptDialoge::TArt::Aufgabe);
        EXPECT_EQ(g.Aufgabe.Fenstertitel, QStringLiteral("Hinweis:"));
        EXPECT_EQ(g.Aufgabe.Hauptanweisung, QStringLiteral("Daten wurden bearbeitet!"));
        EXPECT_EQ(g.Aufgabe.Text, QStringLiteral("Sollen die Änderungen gespeichert werden?"));
        EXPECT_EQ(g.Aufgabe.Knoepfe, TKnopfsatz::JaNeinAbbrechen);
        EXPECT_EQ(g.Aufgabe.Symbol, TSymbol::Frage);
        EXPECT_TRUE(g.Aufgabe.Kontrollkaestchen.isEmpty());
    }

    void projektUnveraendert(TLehrerliste* lehrer, TKlassenliste* klassen, const QString& datei)
    {
        EXPECT_EQ(Lehrerliste.get(), lehrer);
        EXPECT_EQ(Klassenliste.get(), klassen);
        EXPECT_EQ(Lehrerliste->Count(), 4);
        EXPECT_EQ(Klassenliste->Count(), 3);
        EXPECT_EQ(haupt->TV->topLevelItemCount(), 3);
        EXPECT_EQ(Dateiname, datei);
        EXPECT_EQ(haupt->Edit1->text(), datei);
    }
};

TEST_F(TDateibefehle, NeuOhneAenderungenFragtNicht)
{
    kleineSchule();
    Dateiname = pfad("alt.spz");
    haupt->Edit1->setText(Dateiname);
    haupt->Neu1->trigger();
    EXPECT_TRUE(dialoge->Gezeigt.empty());
    EXPECT_EQ(Lehrerliste->Count(), 0);
    EXPECT_EQ(Klassenliste->Count(), 0);
    EXPECT_EQ(haupt->TV->topLevelItemCount(), 0);
    EXPECT_EQ(haupt->LV->rowCount(), 0);
    EXPECT_TRUE(Dateiname.isEmpty());
    EXPECT_TRUE(haupt->Edit1->text().isEmpty());
    EXPECT_FALSE(Geaendert);
}

TEST_F(TDateibefehle, NeuNachFrage_NeinVerwirftAbbrechenBehaelt)
{
    bearbeitet();
    TLehrerliste* lehrer = Lehrerliste.get();
    TKlassenliste* klassen = Klassenliste.get();

    dialoge->AufgabeBeantworten(TKnopf::Abbrechen);
    haupt->TBnew->trigger();
    frageGezeigt(dialoge->Letzter());
    projektUnveraendert(lehrer, klassen, QString());
    EXPECT_TRUE(Geaendert);

    dialoge->AufgabeBeantworten(TKnopf::Nein);
    haupt->Neu1->trigger();
    EXPECT_EQ(Klassenliste->Count(), 0);
    EXPECT_FALSE(Geaendert);
    EXPECT_EQ(dialoge->Gezeigt.size(), 2u);
}

TEST_F(TDateibefehle, JaSpeichertErstUnterNeuemNamen)
{
    bearbeitet();
    const QByteArray erwartet = ProjektBytes(*Lehrerliste, *Klassenliste);
    dialoge->AufgabeBeantworten(TKnopf::Ja);
    dialoge->DateiWaehlen(pfad("schule"));
    haupt->Neu1->trigger();

    ASSERT_EQ(dialoge->Gezeigt.size(), 2u);
    const TScriptDialoge::TGezeigt& speichern = dialoge->Gezeigt[1];
    EXPECT_EQ(speichern.Art, TScriptDialoge::TArt::DateiSpeichern);
    EXPECT_EQ(speichern.Datei.Filter, QStringLiteral("Konferenzplanung (*.spz)|*.spz|Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(speichern.Datei.FilterIndex, 1);
    EXPECT_EQ(speichern.Datei.Standardendung, QStringLiteral("spz"));
    EXPECT_TRUE(speichern.Datei.UeberschreibenFragen);
    EXPECT_EQ(lesen(pfad("schule.spz")), erwartet);
    // then the new project
    EXPECT_EQ(Klassenliste->Count(), 0);
    EXPECT_TRUE(Dateiname.isEmpty());
    EXPECT_FALSE(Geaendert);
}

TEST_F(TDateibefehle, AbgebrochenerSpeicherdialogBrichtDenAufruferAb)
{
    bearbeitet();
    TLehrerliste* lehrer = Lehrerliste.get();
    TKlassenliste* klassen = Klassenliste.get();
    dialoge->AufgabeBeantworten(TKnopf::Ja);
    dialoge->DateiAbbrechen();
    haupt->Neu1->trigger();
    projektUnveraendert(lehrer, klassen, QString());
    EXPECT_TRUE(Geaendert);

    // closing the window likewise
    dialoge->AufgabeBeantworten(TKnopf::Ja);
    dialoge->DateiAbbrechen();
    zeigen();
    EXPECT_FALSE(haupt->close());
    EXPECT_TRUE(haupt->isVisible());
}

TEST_F(TDateibefehle, JaMitDateinameSpeichertOhneDialog)
{
    bearbeitet();
    Dateiname = pfad("da.spz");
    haupt->Edit1->setText(Dateiname);
    dialoge->AufgabeBeantworten(TKnopf::Ja);
    zeigen();
    EXPECT_TRUE(haupt->close());
    EXPECT_EQ(dialoge->Gezeigt.size(), 1u);
    EXPECT_EQ(lesen(pfad("da.spz")), ProjektBytes(*Lehrerliste, *Klassenliste));
    EXPECT_FALSE(Geaendert);
}

TEST_F(TDateibefehle, SpeichernOhneDialogWennEsEineDateiGibt)
{
    bearbeitet();
    // no file yet: "Speichern" asks
    dialoge->DateiWaehlen(pfad("erste.spz"));
    haupt->Speichern1->trigger();
    EXPECT_EQ(Dateiname, pfad("erste.spz"));
    EXPECT_EQ(haupt->Edit1->text(), pfad("erste.spz"));
    EXPECT_FALSE(Geaendert);

    // now it writes without a dialog, from the menu and from the tool bar
    k6a->Bezeichnung = QStringLiteral("6c");
    Geaendert = true;
    haupt->TBsave->trigger();
    haupt->Speichern1->trigger();
    EXPECT_EQ(dialoge->Gezeigt.size(), 1u);
    EXPECT_EQ(lesen(pfad("erste.spz")), ProjektBytes(*Lehrerliste, *Klassenliste));
    EXPECT_FALSE(Geaendert);
}

TEST_F(TDateibefehle, SpeichernUnterFragtImmer)
{
    kleineSchule();
    Dateiname = pfad("alt.spz");
    dialoge->DateiWaehlen(pfad("neu.spz"));
    haupt->Speichernunter1->trigger();
    ASSERT_EQ(dialoge->Gezeigt.size(), 1u);
    EXPECT_EQ(dialoge->Letzter().Art, TScriptDialoge::TArt::DateiSpeichern);
    EXPECT_EQ(Dateiname, pfad("neu.spz"));
    EXPECT_EQ(haupt->Edit1->text(), pfad("neu.spz"));
    EXPECT_TRUE(QFile::exists(pfad("neu.spz")));
    EXPECT_FALSE(QFile::exists(pfad("alt.spz")));

    // the save dialog keeps what it was given last time
    dialoge->DateiAbbrechen();
    haupt->Speichernunter1->trigger();
    EXPECT_EQ(dialoge->Letzter().Datei.Dateiname, pfad("neu.spz"));
    EXPECT_EQ(Dateiname, pfad("neu.spz"));
}

TEST_F(TDateibefehle, SpeichernAnUnbeschreibbaremOrtMeldetUndBehaeltGeaendert)
{
    bearbeitet();
    QFile sperre(pfad("keinOrdner"));
    ASSERT_TRUE(sperre.open(QIODevice::WriteOnly)); // a file where a folder would have to be
    sperre.close();
    const QString ziel = pfad("keinOrdner/schule.spz");

    dialoge->DateiWaehlen(ziel);
    dialoge->FehlermeldungBestaetigen();
    haupt->Speichernunter1->trigger();
    EXPECT_EQ(dialoge->Letzter().Art, TScriptDialoge::TArt::Fehlermeldung);
    EXPECT_TRUE(dialoge->Letzter().Text.contains(QStringLiteral("kann nicht erstellt werden")))
        << dialoge->Letzter().Text.toStdString();
    EXPECT_TRUE(Geaendert);
    EXPECT_EQ(Klassenliste->Count(), 3);

    // inside the question the failure also stops the caller
    dialoge->AufgabeBeantworten(TKnopf::Ja);
    dialoge->FehlermeldungBestaetigen();
    haupt->Neu1->trigger();
    EXPECT_EQ(Klassenliste->Count(), 3);
    EXPECT_TRUE(Geaendert);
}

TEST_F(TDateibefehle, BeschaedigteDateiLaesstDasProjektWieEsWar)
{
    bearbeitet();
    Dateiname = pfad("gut.spz");
    haupt->Edit1->setText(Dateiname);
    QByteArray zufall(4096, '\0');
    QRandomGenerator zahlen(20260124);
    for (char& c : zufall)
        c = static_cast<char>(zahlen.bounded(256));
    QFile kaputt(pfad("kaputt.spz"));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write(zufall);
    kaputt.close();
    TLehrerliste* lehrer = Lehrerliste.get();
    TKlassenliste* klassen = Klassenliste.get();

    dialoge->AufgabeBeantworten(TKnopf::Nein);
    dialoge->DateiWaehlen(pfad("kaputt.spz"));
    dialoge->FehlermeldungBestaetigen();
    haupt->TBopen->trigger();

    EXPECT_EQ(dialoge->Letzter().Art, TScriptDialoge::TArt::Fehlermeldung);
    EXPECT_FALSE(dialoge->Letzter().Text.isEmpty());
    projektUnveraendert(lehrer, klassen, pfad("gut.spz"));
    EXPECT_EQ(klassen->First(), k5a);
    EXPECT_EQ(k5a->Unterrichtende.first(), ab);
    EXPECT_TRUE(Geaendert);
    EXPECT_TRUE(Ini->ReadString(QStringLiteral("Data"), QStringLiteral("open"), QString()).isEmpty());
}

TEST_F(TDateibefehle, OeffnenFragtZuerstUndZeigtDenGemerktenOrdner)
{
    bearbeitet();
    const QString gemerkt = ordner.path() + QLatin1Char('/');
    Ini->WriteString(QStringLiteral("Data"), QStringLiteral("open"), gemerkt);
    dialoge->AufgabeBeantworten(TKnopf::Abbrechen);
    haupt->Oeffnen1->trigger();
    EXPECT_EQ(dialoge->Gezeigt.size(), 1u); // no open dialog after Cancel

    dialoge->AufgabeBeantworten(TKnopf::Nein);
    dialoge->DateiAbbrechen();
    haupt->Oeffnen1->trigger();
    ASSERT_EQ(dialoge->Gezeigt.size(), 3u);
    const TDateiDialog& od = dialoge->Letzter().Datei;
    EXPECT_EQ(dialoge->Letzter().Art, TScriptDialoge::TArt::DateiOeffnen);
    EXPECT_EQ(od.Filter, QStringLiteral("Konferenzplanung (*.spz)|*.spz|Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(od.FilterIndex, 1);
    EXPECT_TRUE(od.Dateiname.isEmpty());
    EXPECT_EQ(od.Ordner, gemerkt);
    // Cancel keeps everything, the changes too
    EXPECT_EQ(Klassenliste->Count(), 3);
    EXPECT_TRUE(Geaendert);
}

// Works once the project reader is there (it reads what ProjektSchreiben writes).
TEST_F(TDateibefehle, OeffnenErsetztDasProjektUndMerktDenOrdner)
{
    kleineSchule();
    k5a->K_Leitung = {ab};
    const QString datei = pfad("projekte/schule.spz");
    QDir(ordner.path()).mkpath(QStringLiteral("projekte"));
    ASSERT_TRUE(ProjektSchreiben(datei, *Lehrerliste, *Klassenliste).isEmpty());
    if (!leserVorhanden(datei))
        GTEST_SKIP() << "Der Projektleser liest noch keine Dateien.";
    LeeresProjekt();
    anzeigen();
    zeigen();
    haupt->TV->setFocus();

    dialoge->DateiWaehlen(datei);
    haupt->Oeffnen1->trigger();
    EXPECT_EQ(Lehrerliste->Count(), 4);
    EXPECT_EQ(Klassenliste->Count(), 3);
    EXPECT_EQ(Dateiversion, 2);
    EXPECT_EQ(haupt->LV->rowCount(), 4);
    EXPECT_EQ(knotenTexte(), QStringList({"5a (AB)", "5b", "6a"}));
    EXPECT_TRUE(haupt->TV->selectedItems().isEmpty());
    EXPECT_FALSE(Geaendert);
    EXPECT_EQ(Dateiname, datei);
    EXPECT_EQ(haupt->Edit1->text(), datei);
    EXPECT_EQ(haupt->focusWidget(), haupt->StaticText1);
    EXPECT_EQ(Ini->ReadString(QStringLiteral("Data"), QStringLiteral("open"), QString()), pfad("projekte/"));

    // a settings file that cannot be written is reported; the project is open all the same
    Ini = std::make_unique<TIniDatei>(pfad("schule.spz/Simultano.ini"));
    QFile::copy(datei, pfad("schule.spz"));
    dialoge->DateiWaehlen(pfad("schule.spz"));
    dialoge->FehlermeldungBestaetigen();
    haupt->Oeffnen1->trigger();
    EXPECT_TRUE(dialoge->Letzter().Text.contains(QStringLiteral("kann nicht geschrieben werden")));
    EXPECT_EQ(Dateiname, pfad("schule.spz"));
    EXPECT_EQ(Klassenliste->Count(), 3);
}

TEST_F(TDateibefehle, SchliessenNurWennDieFrageEsErlaubt)
{
    zeigen();
    EXPECT_TRUE(haupt->close()); // nothing changed: no question
    EXPECT_TRUE(dialoge->Gezeigt.empty());

    bearbeitet();
    zeigen();
    dialoge->AufgabeBeantworten(TKnopf::Abbrechen);
    haupt->Beenden1->trigger();
    EXPECT_TRUE(haupt->isVisible());
    frageGezeigt(dialoge->Letzter());

    dialoge->AufgabeBeantworten(TKnopf::Nein);
    haupt->TBexit->trigger();
    EXPECT_FALSE(haupt->isVisible());
    EXPECT_TRUE(Geaendert); // nothing was saved
}

TEST_F(TDateibefehle, HilfeUndInfo)
{
    EXPECT_EQ(THilfe::Datei(), Programmpfad + QStringLiteral("Simulta.chm"));
    zeigen();
    // there is no help file in the test folder: the viewer's message is shown
    dialoge->FehlermeldungBestaetigen();
    QTest::keyClick(haupt->TV, Qt::Key_F1);
    EXPECT_EQ(dialoge->Letzter().Art, TScriptDialoge::TArt::Fehlermeldung);
    EXPECT_FALSE(dialoge->Letzter().Text.isEmpty());

    dialoge->AufgabeBeantworten(TKnopf::Ok);
    haupt->Info1->trigger();
    const TAufgabe& info = dialoge->Letzter().Aufgabe;
    EXPECT_EQ(info.Fenstertitel, QStringLiteral("Programm-Info"));
    EXPECT_EQ(info.Hauptanweisung.count(QLatin1Char('\n')), 1);
    EXPECT_EQ(info.Text, QStringLiteral("Version: ") + QStringLiteral(SIMULTANO_VERSION));
    EXPECT_EQ(info.Knoepfe, TKnopfsatz::Ok);
    EXPECT_TRUE(info.Kontrollkaestchen.isEmpty());
}

} // namespace

// Names outside Windows-1252 would be saved with "?": the user is asked first (ten names at
// most, then "…"), and "Nein" saves nothing; not even the save dialog comes.
TEST_F(TDateibefehle, ZeichenAusserhalbDerCodepageNurNachFrage)
{
    bearbeitet();
    QStringList namen;
    for (int i = 0; i < 11; ++i)
        namen << lehrer(QStringLiteral("Y%1").arg(i), QStringLiteral("Yılmaz %1").arg(i))->Name;
    const QString frage = QStringLiteral("\n\nDiese Zeichen können in der Projektdatei nicht gespeichert werden "
                                         "und werden durch ? ersetzt. Trotzdem speichern?");
    for (const bool ja : {false, true}) {
        dialoge->Gezeigt.clear();
        dialoge->FrageBeantworten(ja);
        if (ja) { // ten names: all of them
            Lehrerliste->Delete(Lehrerliste->Count() - 1);
            dialoge->DateiWaehlen(pfad("schule.spz"));
        }
        haupt->Speichern1->trigger();
        ASSERT_EQ(dialoge->Gezeigt.size(), ja ? 2u : 1u);
        EXPECT_EQ(dialoge->Gezeigt[0].Art, TScriptDialoge::TArt::Frage);
        EXPECT_EQ(dialoge->Gezeigt[0].Titel, QStringLiteral("Hinweis:"));
        EXPECT_EQ(dialoge->Gezeigt[0].Text, namen.mid(0, 10).join('\n') + (ja ? "" : "\n…") + frage);
        EXPECT_EQ(QFile::exists(pfad("schule.spz")), ja);
        EXPECT_EQ(Geaendert, !ja);
    }
}

// Two abbreviations that the file would make equal are named in the question as well.
TEST_F(TDateibefehle, GleicheKuerzelWerdenGenannt)
{
    bearbeitet();
    lehrer(QStringLiteral("ŁA"), QStringLiteral("Adam"));
    lehrer(QStringLiteral("ŚA"), QStringLiteral("Bauer"));
    dialoge->FrageBeantworten(false);
    haupt->Speichern1->trigger();
    ASSERT_EQ(dialoge->Gezeigt.size(), 1u);
    EXPECT_EQ(dialoge->Gezeigt[0].Text,
              QStringLiteral("ŁA\nŚA\n\nDiese Zeichen können in der Projektdatei nicht gespeichert werden und werden durch ? "
                             "ersetzt.\n\nDie Kürzel \"ŁA\" und \"ŚA\" werden beide zu \"?A\".\nDie Klassen nennen ihre "
                             "Lehrkräfte beim Kürzel: Nach dem Öffnen stünden dort die falschen Lehrkräfte.\n\nTrotzdem speichern?"));
}
