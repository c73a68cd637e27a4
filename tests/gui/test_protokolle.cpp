// The preview and the save window of the minutes texts, with scripted dialogs.
#include "gui/Fenstertest.h"
#include "gui/ImDialog.h"

#include "minutes/UEditorHinweis.h"
#include "minutes/UProtokoll.h"
#include "minutes/URtf.h"
#include "minutes/UText.h"
#include "minutes/UVorschau.h"
#include "planning/UDatei.h"
#include "planning/UProjekt.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextEdit>
#include <QTimer>

#include <utility>

namespace {

class TProtokollFenster : public TFensterTest
{
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        TFensterTest::SetUp();
        vorschau = fenster->Vorschau.get();
        text = fenster->Text.get();
    }

    void TearDown() override
    {
        TFensterTest::TearDown();
        QStandardPaths::setTestModeEnabled(false);
    }

    QString pfad(const QString& name) const { return ordner.filePath(name); }
    QString vorschauText() const { return vorschau->re->toPlainText(); }
    QString einstellung(const char* abschnitt, const char* schluessel) const
    {
        return Ini->ReadString(QString::fromUtf8(abschnitt), QString::fromUtf8(schluessel), QStringLiteral("-"));
    }

    static QByteArray lesen(const QString& datei)
    {
        QFile f(datei);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TFVorschau* vorschau = nullptr;
    TFText* text = nullptr;
};

TEST_F(TProtokollFenster, OhneLehrkraftNurHinweisSonstVorschau)
{
    dialoge->AufgabeBeantworten(TKnopf::Ok);
    haupt->TexteSpeichernClick();
    ASSERT_EQ(dialoge->Gezeigt.size(), 1u);
    EXPECT_EQ(dialoge->Letzter().Aufgabe.Fenstertitel, QStringLiteral("Hinweis"));
    EXPECT_EQ(dialoge->Letzter().Aufgabe.Hauptanweisung,
              QStringLiteral("Es muss eine Klasse vorhanden sein, in der mindestens eine Lehrkraft unterrichtet."));
    EXPECT_EQ(dialoge->Letzter().Aufgabe.Text, QStringLiteral("Die Eingaben sind unvollständig."));

    kleineSchule();
    bool gezeigt = false;
    QTimer::singleShot(0, vorschau, [&] {
        gezeigt = vorschau->isVisible();
        vorschau->reject();
    });
    haupt->TexteSpeichernClick();
    EXPECT_TRUE(gezeigt);
    EXPECT_EQ(vorschau->ListBox1->count(), 3);
    EXPECT_EQ(vorschau->Label3->text(), QStringLiteral("Vorschau (mit der Standardvorlage)."));
    EXPECT_FALSE(vorschau->BStandard->isEnabled());
    EXPECT_EQ(vorschau->BClipboardcopy->text(), QStringLiteral("Text für 5a k&opieren (Strg-C)"));
    EXPECT_TRUE(vorschauText().startsWith(QStringLiteral("N i e d e r s c h r i f t\nüber die Zeugniskonferenz")));
}

TEST_F(TProtokollFenster, MFGiltNachSchliessen)
{
    kleineSchule();
    k5a->Vorsitz = ab; // Frau Albers
    k6a->Vorsitz = cd; // Herr Claßen, a class without teachers can be chosen too
    MFnutzen = false;
    vorschau->FormShow();
    EXPECT_FALSE(vorschau->cbMF->isChecked());
    EXPECT_TRUE(vorschauText().contains(QStringLiteral("Vorsitzende/r:\tFrau Albers")));
    vorschau->cbMF->click();
    EXPECT_TRUE(vorschauText().contains(QStringLiteral("Vorsitzende:\tFrau Albers")));
    vorschau->ListBox1->setCurrentRow(2);
    EXPECT_TRUE(vorschauText().contains(QStringLiteral("Vorsitzender:\tHerr Claßen")));
    EXPECT_TRUE(vorschauText().contains(QStringLiteral("Fachlehrer/in:\t\n")));
    // the close box discards the choice, "Schließen" keeps it
    vorschau->reject();
    EXPECT_FALSE(MFnutzen);
    EXPECT_EQ(einstellung("Option", "useMF"), QStringLiteral("-"));
    vorschau->FormShow();
    vorschau->cbMF->click();
    // a settings file that cannot be written: the error, the choice is not taken
    auto schreibbar = std::exchange(Ini, std::make_unique<TIniDatei>(pfad("datei/Simultano.ini")));
    ASSERT_EQ(DateiSchreiben(pfad("datei"), "x"), QString());
    dialoge->FehlermeldungBestaetigen();
    vorschau->BCloseClick();
    EXPECT_TRUE(dialoge->Letzter().Text.contains(QStringLiteral("kann nicht geschrieben werden")));
    EXPECT_FALSE(MFnutzen);
    Ini = std::move(schreibbar);
    vorschau->BCloseClick();
    EXPECT_TRUE(MFnutzen);
    EXPECT_EQ(einstellung("Option", "useMF"), QStringLiteral("1"));
}

// The editor runs beside the program: a small note waits for "Fertig", which takes the edited
// template back; "Abbrechen" only ends the wait. Meanwhile the window stays usable.
TEST_F(TProtokollFenster, VorlageWirdNebenherBearbeitet)
{
    kleineSchule();
    const QString vorlage = pfad(QStringLiteral("eigene.rtf"));
    ASSERT_EQ(DateiSchreiben(vorlage, "{\\rtf1 Alt <Klasse>}"), QString());
    Ini->WriteString(QStringLiteral("Data"), QStringLiteral("template"), vorlage);
    Ini->WriteString(QStringLiteral("Option"), QStringLiteral("editor"), QStringLiteral("true"));
    Ini->WriteBool(QStringLiteral("Option"), QStringLiteral("hint1"), false);
    vorschau->FormShow();
    vorschau->BVorlBearbClick();
    TEditorHinweis* hinweis = vorschau->EditorHinweis();
    ASSERT_TRUE(hinweis);
    EXPECT_TRUE(hinweis->isVisible());
    EXPECT_FALSE(hinweis->isModal());
    EXPECT_EQ(hinweis->Text->text(), QStringLiteral("Die Vorlage wird in true bearbeitet."));
    EXPECT_TRUE(vorschau->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(dialoge->Gezeigt.empty());
    // the editor handed the file on and returned at once: the note waits for the user
    ASSERT_EQ(DateiSchreiben(vorlage, "{\\rtf1 Neu <Klasse>}"), QString());
    QTest::qWait(800);
    EXPECT_TRUE(hinweis->isVisible());
    EXPECT_EQ(vorschauText(), QStringLiteral("Alt 5a"));
    hinweis->BFertig->click();
    EXPECT_FALSE(hinweis->isVisible());
    EXPECT_EQ(vorschauText(), QStringLiteral("Neu 5a"));

    vorschau->BVorlBearbClick();
    ASSERT_EQ(DateiSchreiben(vorlage, "{\\rtf1 Verworfen <Klasse>}"), QString());
    hinweis->BAbbrechen->click();
    EXPECT_FALSE(hinweis->isVisible());
    EXPECT_EQ(vorschauText(), QStringLiteral("Neu 5a"));
}

// The texts saved from the preview are the texts it shows, with the m/w choice not yet closed.
TEST_F(TProtokollFenster, GespeicherteTexteWieDieVorschau)
{
    kleineSchule();
    k5a->Vorsitz = ab;
    MFnutzen = true;
    const QString ziel = pfad(QStringLiteral("texte"));
    ASSERT_TRUE(QDir().mkpath(ziel));
    QByteArray gezeigt;
    ASSERT_TRUE(ImDialog<TFVorschau>([&] { haupt->TexteSpeichernClick(); }, [&](TFVorschau& v) {
        v.cbMF->click();
        EXPECT_TRUE(vorschauText().contains(QStringLiteral("Vorsitzende/r:\tFrau Albers")));
        gezeigt = v.Text;
        EXPECT_TRUE(ImDialog<TFText>([&] { v.BTextSpeich->click(); }, [&](TFText& t) {
            dialoge->OrdnerWaehlen(ziel);
            t.BPfadClick();
            t.BokClick();
        }));
    }));
    EXPECT_EQ(lesen(ziel + QStringLiteral("/5a-Klassendaten.rtf")), gezeigt);
    EXPECT_TRUE(MFnutzen); // the choice itself is kept only by "Schließen"
}

TEST_F(TProtokollFenster, AndereVorlageOeffnenUndZurueck)
{
    kleineSchule();
    const QString vorlage = pfad(QStringLiteral("eigene.RTF"));
    ASSERT_EQ(DateiSchreiben(vorlage, "{\\rtf1 Klasse <Klasse>}"), QString());
    vorschau->FormShow();
    // .doc is refused, .RTF taken
    dialoge->DateiWaehlen(pfad(QStringLiteral("alt.doc")));
    dialoge->MeldungBestaetigen();
    vorschau->BVorlOeffnClick();
    EXPECT_EQ(dialoge->Letzter().Titel, QStringLiteral("Fehler"));
    EXPECT_EQ(dialoge->Letzter().Text, QStringLiteral("Sie müssen eine Textdatei im RichText-Format wählen."));
    EXPECT_TRUE(vorschau->VorlageDatei.isEmpty());
    dialoge->DateiWaehlen(vorlage);
    vorschau->BVorlOeffnClick();
    EXPECT_EQ(dialoge->Letzter().Datei.Filter, QStringLiteral("RichText-Vorlage (*.rtf)|*.rtf|Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(vorschauText(), QStringLiteral("Klasse 5a"));
    EXPECT_EQ(vorschau->Label3->text(), QStringLiteral("Die Vorschau basiert auf der Vorlage \"eigene.RTF\"."));
    EXPECT_TRUE(vorschau->BStandard->isEnabled());
    EXPECT_EQ(einstellung("Data", "template"), QStringLiteral("./eigene.RTF"));
    // the template moved away outside the program: the built-in one, the setting stays
    ASSERT_TRUE(QFile::rename(vorlage, pfad(QStringLiteral("weg.rtf"))));
    vorschau->FormShow();
    EXPECT_EQ(vorschau->Label3->text(), QStringLiteral("Vorschau (mit der Standardvorlage)."));
    EXPECT_FALSE(vorschau->BStandard->isEnabled());
    EXPECT_EQ(einstellung("Data", "template"), QStringLiteral("./eigene.RTF"));
    ASSERT_TRUE(QFile::rename(pfad(QStringLiteral("weg.rtf")), vorlage));
    vorschau->FormShow();
    vorschau->BStandardClick();
    EXPECT_EQ(einstellung("Data", "template"), QString());
    EXPECT_TRUE(vorschauText().startsWith(QStringLiteral("N i e d e r s c h r i f t")));
}

TEST_F(TProtokollFenster, StandardvorlageSpeichernUndBearbeiten)
{
    kleineSchule();
    Ini->WriteString(QStringLiteral("Option"), QStringLiteral("editor"), QStringLiteral("true"));
    vorschau->FormShow();
    const QString datei = pfad(QStringLiteral("protokoll.rtf"));
    dialoge->AufgabeBeantworten(TKnopf::Ok);       // save it first?
    dialoge->DateiWaehlen(datei);                  // where
    dialoge->AufgabeBeantworten(TKnopf::Ok, true); // the editor hint, not again
    vorschau->BVorlBearbClick();
    ASSERT_EQ(dialoge->Gezeigt.size(), 3u);
    EXPECT_EQ(dialoge->Gezeigt[0].Aufgabe.Hauptanweisung,
              QStringLiteral("Zum Bearbeiten der aktuellen Textvorlage muss sie zunächst gespeichert werden. Anschließend "
                             "können Sie sie mit true bearbeiten & speichern."));
    const TDateiDialog& sd = dialoge->Gezeigt[1].Datei;
    EXPECT_EQ(sd.Dateiname, QStringLiteral("protokoll.rtf"));
    EXPECT_EQ(sd.Ordner, TFVorschau::Vorlagenordner());
    EXPECT_EQ(sd.Filter, QStringLiteral("Richtext-Dateien (*.rtf)|*.rtf|Alle Dateien (*.*)|*.*"));
    EXPECT_TRUE(sd.UeberschreibenFragen);
    EXPECT_TRUE(dialoge->Gezeigt[2].Aufgabe.Hauptanweisung.startsWith(
        QStringLiteral("Zum Bearbeiten der Vorlage wird true aufgerufen. Speichern Sie die Vorlage dort und klicken Sie "
                       "dann auf \"Fertig\"")));
    ASSERT_TRUE(vorschau->EditorHinweis());
    EXPECT_TRUE(vorschau->EditorHinweis()->isVisible());
    vorschau->EditorHinweis()->BFertig->click();
    EXPECT_EQ(lesen(datei), VorlageBytes(Standardvorlage(TProtokollSchrift())));
    EXPECT_EQ(einstellung("Data", "template"), QStringLiteral("./protokoll.rtf"));
    EXPECT_EQ(einstellung("Option", "hint1"), QStringLiteral("0"));
    EXPECT_EQ(vorschau->Label3->text(), QStringLiteral("Die Vorschau basiert auf der Vorlage \"protokoll.rtf\"."));

    // now a user template: no hint any more; an editor that cannot start says so
    Ini->WriteString(QStringLiteral("Option"), QStringLiteral("editor"), QStringLiteral("/gibt/es/nicht --writer"));
    dialoge->FehlermeldungBestaetigen();
    vorschau->BVorlBearbClick();
    EXPECT_EQ(dialoge->Letzter().Text, QStringLiteral("nicht (/gibt/es/nicht) kann nicht gestartet werden."));
    EXPECT_TRUE(vorschau->isEnabled());

    // no editor on this system: the error alone, not first the hint that one is started
    Ini->WriteString(QStringLiteral("Option"), QStringLiteral("editor"), QString());
    Ini->WriteBool(QStringLiteral("Option"), QStringLiteral("hint1"), true);
    const QByteArray suchpfad = qgetenv("PATH");
    qputenv("PATH", ordner.path().toLocal8Bit()); // a folder without programs
    const std::size_t gezeigt = dialoge->Gezeigt.size();
    dialoge->FehlermeldungBestaetigen();
    vorschau->BVorlBearbClick();
    qputenv("PATH", suchpfad);
    ASSERT_EQ(dialoge->Gezeigt.size(), gezeigt + 1);
    EXPECT_TRUE(dialoge->Letzter().Text.startsWith(QStringLiteral("Auf diesem System ist kein Programm")));
}

TEST_F(TProtokollFenster, StrgCKopiertDenGanzenTextF1ZeigtHilfe)
{
    kleineSchule();
    vorschau->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(vorschau));
    QTextCursor auswahl(vorschau->re->document());
    auswahl.setPosition(3);
    auswahl.setPosition(10, QTextCursor::KeepAnchor);
    vorschau->re->setTextCursor(auswahl);
    for (QWidget* fokus : {static_cast<QWidget*>(vorschau->re), static_cast<QWidget*>(vorschau->ListBox1)}) {
        QGuiApplication::clipboard()->clear();
        fokus->setFocus();
        QTest::keyClick(fokus, Qt::Key_C, Qt::ControlModifier);
        const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
        ASSERT_TRUE(daten);
        EXPECT_EQ(daten->data(QStringLiteral("text/rtf")), vorschau->Text);
        EXPECT_EQ(daten->data(QStringLiteral("text/richtext")), vorschau->Text);
        EXPECT_EQ(daten->text(), RtfLesen(vorschau->Text).Text());
        EXPECT_TRUE(daten->text().contains(QStringLiteral("Fachlehrer/in:\tFrau Albers, Herr Claßen, Frau Ebert")));
        EXPECT_EQ(vorschau->re->textCursor().selectionStart(), 3);
        EXPECT_EQ(vorschau->re->textCursor().selectionEnd(), 10);
    }
    // F1 opens the help of the window (here without a help file: its error)
    vorschau->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(vorschau));
    dialoge->FehlermeldungBestaetigen();
    QTest::keyClick(vorschau->ListBox1, Qt::Key_F1);
    EXPECT_EQ(dialoge->Letzter().Art, TScriptDialoge::TArt::Fehlermeldung);
    vorschau->hide();
}

TEST_F(TProtokollFenster, TexteSpeichernFragtUndBleibtImOrdner)
{
    kleineSchule();
    klasse(QStringLiteral("../x"));
    const QString ziel = pfad(QStringLiteral("texte"));
    ASSERT_TRUE(QDir().mkpath(ziel));
    for (const char* name : {"5a-Klassendaten.rtf", "5b-Klassendaten.rtf"})
        ASSERT_EQ(DateiSchreiben(ziel + QLatin1Char('/') + QString::fromUtf8(name), "alt"), QString());
    text->FormShow();
    EXPECT_EQ(text->lb->selectedItems().size(), 4);
    EXPECT_EQ(text->Label11->text(), QStringLiteral("alle Klassen"));
    EXPECT_FALSE(text->MPfad->text().isEmpty()); // the desktop or the home folder
    dialoge->OrdnerWaehlen(ziel);
    text->BPfadClick();
    EXPECT_EQ(dialoge->Letzter().Titel, QStringLiteral("Zielordner für die Texte"));
    EXPECT_EQ(text->Label7->text(), QStringLiteral("Erste der Dateien: 5a-Klassendaten.rtf"));
    // "Ja" with "nicht mehr fragen": the later existing file is replaced as well
    dialoge->AufgabeBeantworten(TKnopf::Ja, true);
    text->BokClick();
    ASSERT_EQ(dialoge->Gezeigt.size(), 2u);
    EXPECT_EQ(dialoge->Letzter().Aufgabe.Hauptanweisung,
              QStringLiteral("Die Datei 5a-Klassendaten.rtf existiert bereits. Möchten Sie sie überschreiben?"));
    EXPECT_EQ(dialoge->Letzter().Aufgabe.Kontrollkaestchen, QStringLiteral("nicht mehr fragen"));
    const QDir dir(ziel);
    EXPECT_EQ(dir.entryList(QDir::Files), QStringList({"5a-Klassendaten.rtf", "5b-Klassendaten.rtf",
                                                       "6a-Klassendaten.rtf", "___x-Klassendaten.rtf"}));
    EXPECT_EQ(lesen(dir.filePath(QStringLiteral("5b-Klassendaten.rtf"))),
              ProtokollTextSchreiben(*k5b, Standardvorlage(TProtokollSchrift()), MFnutzen));
    EXPECT_EQ(einstellung("Data", "path"), ziel + QLatin1Char('/'));

    // opened again: the folder from the settings, the labels reset; one class chosen
    text->FormShow();
    EXPECT_EQ(text->MPfad->text(), ziel + QLatin1Char('/'));
    EXPECT_TRUE(text->Label7->text().isEmpty());
    EXPECT_TRUE(text->Bok->isEnabled());
    text->lb->clearSelection();
    EXPECT_FALSE(text->Bok->isEnabled());
    text->lb->item(2)->setSelected(true);
    EXPECT_EQ(text->Label11->text(), QStringLiteral("ausgewählte Klassen"));
    dialoge->AufgabeBeantworten(TKnopf::Nein);
    text->BokClick();
    EXPECT_EQ(dialoge->Letzter().Aufgabe.Hauptanweisung,
              QStringLiteral("Die Datei 6a-Klassendaten.rtf existiert bereits. Möchten Sie sie überschreiben?"));
}

} // namespace

namespace {

// Both windows with the sample school (and a teacher Yılmaz), saved as pictures with the
// shown RTF beside them, to be compared with LibreOffice's rendering of that file:
//   SIMULTANO_BILDSCHIRMFOTO_TEXTE=/tmp/texte build/bin/test_gui --gtest_filter='*.Bildschirmfotos'
// Without that variable the test only checks that the windows fit the screen.
// Run it on a netbook's screen with: xvfb-run -s "-screen 0 1024x600x24" env QT_QPA_PLATFORM=xcb ...
TEST_F(TProtokollFenster, Bildschirmfotos)
{
    TProjektErgebnis schule = ProjektLesen(QStringLiteral(SIMULTANO_QUELLORDNER "/resources/beispiel/Beispielschule.spz"));
    ASSERT_TRUE(schule.Ok());
    Klassenliste = std::move(schule.Klassen);
    Lehrerliste = std::move(schule.Lehrer);
    TKlasse* k = Klassenliste->Items(0);
    k->Unterrichtende.insert(1, lehrer(QStringLiteral("YI"), QStringLiteral("Yılmaz"), QStringLiteral("Frau")));
    const QRect frei = vorschau->screen()->availableGeometry();
    const QString ziel = qEnvironmentVariable("SIMULTANO_BILDSCHIRMFOTO_TEXTE");
    for (QDialog* f : {static_cast<QDialog*>(vorschau), static_cast<QDialog*>(text)}) {
        f->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
        QTest::qWait(100);
        // within the screen's height, and as wide as a 1024 x 600 netbook at most
        EXPECT_LE(f->frameGeometry().height(), frei.height());
        EXPECT_LE(f->frameGeometry().width(), 1024);
        if (!ziel.isEmpty()) {
            QDir().mkpath(ziel);
            EXPECT_TRUE(f->grab().save(QDir(ziel).filePath(f->objectName() + QStringLiteral(".png"))));
        }
        f->hide();
    }
    if (!ziel.isEmpty()) {
        EXPECT_EQ(DateiSchreiben(QDir(ziel).filePath(QStringLiteral("vorschau.rtf")), vorschau->Text), QString());
    }
}

} // namespace
