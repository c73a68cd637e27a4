// "Import aus UNTIS (XML)" through the real command, with its two question windows answered
// by clicks; the project is replaced only by a complete import.
#include "gui/Fenstertest.h"

#include "import/UImpStufenwahl.h"
#include "import/UMultClass.h"
#include "import/UxmlImp.h"
#include "planning/UProjekt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>

#include <deque>
#include <functional>

namespace {

QString export_(const char* name)
{
    return QStringLiteral(SIMULTANO_QUELLORDNER "/tests/daten/xml/") + QString::fromUtf8(name);
}

// Runs one step on each of the program's own modal windows as it comes up; a step closes it.
class TFensterSkript
{
public:
    TFensterSkript()
    {
        uhr.setInterval(5);
        QObject::connect(&uhr, &QTimer::timeout, [this] { pruefen(); });
        uhr.start();
    }
    void Dann(std::function<void(QDialog*)> schritt) { schritte.push_back(std::move(schritt)); }
    bool Fertig() const { return schritte.empty(); }

private:
    void pruefen()
    {
        auto* fenster = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (beschaeftigt || !fenster || !fenster->isVisible())
            return;
        const QScopedValueRollback<bool> sperre(beschaeftigt, true); // a step may wait for events
        if (schritte.empty()) {
            ADD_FAILURE() << "unerwartetes Fenster " << fenster->objectName().toStdString();
            fenster->done(QDialog::Rejected);
            return;
        }
        const auto schritt = std::move(schritte.front());
        schritte.pop_front();
        schritt(fenster);
        EXPECT_FALSE(fenster->isVisible()) << "der Schritt hat " << fenster->objectName().toStdString() << " nicht geschlossen";
    }

    QTimer uhr;
    bool beschaeftigt = false;
    std::deque<std::function<void(QDialog*)>> schritte;
};

// Saves a picture of the window when SIMULTANO_BILDSCHIRMFOTO_ORDNER names a folder, and
// checks that it fits a small screen.
void foto(QWidget* fenster, const QString& name)
{
    EXPECT_LE(fenster->frameGeometry().width(), 1024);
    EXPECT_LE(fenster->frameGeometry().height(), 600);
    const QString ordner = qEnvironmentVariable("SIMULTANO_BILDSCHIRMFOTO_ORDNER");
    if (!ordner.isEmpty()) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(fenster));
        QTest::qWait(200);
        EXPECT_TRUE(fenster->grab().save(QDir(ordner).filePath(name)));
        EXPECT_TRUE(fenster->screen()->grabWindow(0).save(QDir(ordner).filePath(QStringLiteral("bildschirm-") + name)));
    }
}

auto stufen(int von, int bis)
{
    return [=](QDialog* d) {
        auto* f = qobject_cast<TFImpStufenwahl*>(d);
        ASSERT_TRUE(f);
        f->ComboBox1->setCurrentIndex(von - 1);
        f->ComboBox2->setCurrentIndex(bis - 1);
        f->Button1->click();
    };
}

auto antwort(QPushButton* TFMultClass::*knopf, bool immer = false)
{
    return [=](QDialog* d) {
        auto* f = qobject_cast<TFMultClass*>(d);
        ASSERT_TRUE(f);
        f->CheckBox1->setChecked(immer);
        (f->*knopf)->click();
    };
}

class TXmlImportBefehl : public TFensterTest
{
protected:
    // A small school opened from a file, with a distribution and nothing unsaved.
    void offenesProjekt()
    {
        kleineSchule();
        Dateiname = ordner.filePath(QStringLiteral("alt.spz"));
        haupt->Edit1->setText(Dateiname);
        Verteilung->Add(std::make_unique<TGruppe>(TGruppe{k5a}));
    }

    // Chooses the file in the file dialog; the plain message or error box that the import
    // shows at its end, if any, is confirmed.
    void importieren(const char* datei, std::optional<TScriptDialoge::TArt> meldung = std::nullopt)
    {
        dialoge->DateiWaehlen(export_(datei));
        if (meldung == TScriptDialoge::TArt::Meldung)
            dialoge->MeldungBestaetigen();
        else if (meldung == TScriptDialoge::TArt::Fehlermeldung)
            dialoge->FehlermeldungBestaetigen();
        haupt->ImportXML->trigger();
        EXPECT_TRUE(skript.Fertig());
    }

    TFensterSkript skript;
};

TEST_F(TXmlImportBefehl, EchterExportErsetztDasProjekt)
{
    offenesProjekt();
    zeigen();
    // a selected teacher of a class that the import replaces
    klassenKnoten(0)->setExpanded(true);
    klicken(lehrerKnoten(0, 1));
    skript.Dann([](QDialog* d) {
        auto* f = qobject_cast<TFImpStufenwahl*>(d);
        ASSERT_TRUE(f);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Klassenstufen festlegen"));
        EXPECT_EQ(f->Label4->text(), QStringLiteral("Die Lehrkräfte wurden importiert."));
        EXPECT_TRUE(f->Label1->text().startsWith(QStringLiteral("Sie können die Klassenstufen für die Suche nach parallelen")));
        EXPECT_TRUE(f->Label1->text().endsWith(QStringLiteral("weniger Rückfragen zu klassenübergreifenden Kursen.")));
        EXPECT_EQ(f->Label5->text(), QStringLiteral("(Vielleicht testen Sie es einfach.)"));
        EXPECT_EQ(f->Label2->text() + f->Label3->text(), QStringLiteral("&Beginn mit Stufe&Ende mit Stufe"));
        EXPECT_EQ(f->Button1->text() + f->Button2->text(), QStringLiteral("&WeiterImport &abbrechen"));
        EXPECT_FALSE(f->ComboBox1->isEditable() || f->ComboBox2->isEditable());
        ASSERT_EQ(f->ComboBox2->count(), 13);
        EXPECT_EQ(f->ComboBox2->itemText(9) + f->ComboBox2->itemText(10) + f->ComboBox2->itemText(11),
                  QStringLiteral("10 (E)11 (QI)12 (QII)"));
        // "Gymnasium": 5 to 12 (QII)
        EXPECT_EQ(f->ComboBox1->currentIndex(), 4);
        EXPECT_EQ(f->ComboBox2->currentIndex(), 11);
        foto(f, QStringLiteral("stufenwahl.png"));
        QTest::keyClick(f, Qt::Key_Escape);
        EXPECT_TRUE(f->isVisible());
        QTest::keyClick(f->ComboBox1, Qt::Key_Return);
    });
    skript.Dann([](QDialog* d) {
        auto* f = qobject_cast<TFMultClass*>(d);
        ASSERT_TRUE(f);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Rückfrage"));
        EXPECT_EQ(f->LabeledEdit1->text() + f->LabeledEdit2->text(), QStringLiteral("BÖHReligion"));
        EXPECT_TRUE(f->LabeledEdit1->isReadOnly() && f->LabeledEdit2->isReadOnly());
        ASSERT_EQ(f->libo->count(), 2);
        EXPECT_EQ(f->libo->item(0)->text() + f->libo->item(1)->text(), QStringLiteral("5a5b"));
        EXPECT_EQ(f->lab->text(), QStringLiteral("Herr Böhm ist für die Gruppe \"Religion\" eingesetzt, der die angezeigten "
                                                 "Klassen zugeordnet sind.\nSoll er allen diesen Klassen für die Konferenz "
                                                 "hinzugefügt werden?"));
        EXPECT_EQ(f->L_immer->text(), QStringLiteral("Sie können hier die Anzahl der Rückfragen einschränken:"));
        EXPECT_EQ(f->CheckBox1->text(), QStringLiteral("JA/NEIN-Entscheidung gilt &stets für Religion"));
        EXPECT_FALSE(f->CheckBox1->isChecked());
        EXPECT_EQ(f->focusWidget(), f->CheckBox1);
        foto(f, QStringLiteral("mehrklassen.png"));
        QTest::keyClick(f, Qt::Key_Escape);
        EXPECT_TRUE(f->isVisible());
        antwort(&TFMultClass::Button1, true)(f);
    });
    skript.Dann([](QDialog* d) {
        auto* f = qobject_cast<TFMultClass*>(d);
        ASSERT_TRUE(f);
        // no salutation: the name begins with the blank, and the pronoun is "sie"
        EXPECT_TRUE(f->lab->text().startsWith(QStringLiteral(" Krämer ist für die Gruppe \"SU_B  G1\"")));
        EXPECT_TRUE(f->lab->text().contains(QStringLiteral("Soll sie allen")));
        EXPECT_FALSE(f->CheckBox1->isChecked());
        antwort(&TFMultClass::Button2)(f);
    });
    skript.Dann([](QDialog* d) {
        auto* f = qobject_cast<TFMultClass*>(d);
        ASSERT_TRUE(f);
        // 6c is no class of the import, yet the lesson names it: the question is asked
        ASSERT_EQ(f->libo->count(), 2);
        EXPECT_EQ(f->libo->item(0)->text() + f->libo->item(1)->text(), QStringLiteral("Q16c"));
        auto* alle = f->findChild<QCheckBox*>(QStringLiteral("CheckBox2"));
        ASSERT_TRUE(alle);
        EXPECT_EQ(alle->text(), QStringLiteral("Für &alle Fächer so entscheiden"));
        EXPECT_FALSE(alle->isChecked());
        alle->setChecked(true); // the later latein lesson of 5a and Q1 is not asked about
        f->Button1->click();
    });
    importieren("gymnasium.xml");

    const TScriptDialoge::TGezeigt& datei = dialoge->Gezeigt.at(0);
    EXPECT_EQ(datei.Datei.Filter, QStringLiteral("XML (UNTIS) (*.xml)|*.xml|Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(dialoge->Gezeigt.size(), 1u);
    EXPECT_EQ(knotenTexte(), QStringList({"5a (ALB/BÖH)", "5b (MÜL/lkr isl)", "6 B (KRÄ)", "Q1 (BÖH)"}));
    EXPECT_EQ(haupt->TV->topLevelItem(1)->childCount(), 4);
    EXPECT_EQ(haupt->LV->rowCount(), 6);
    EXPECT_EQ(haupt->LV->item(2, 0)->text(), QStringLiteral("lkr isl"));
    EXPECT_TRUE(Verteilung->IsEmpty());
    EXPECT_TRUE(Geaendert);
    EXPECT_TRUE(Dateiname.isEmpty());
    EXPECT_TRUE(haupt->Edit1->text().isEmpty());
    EXPECT_EQ(Ini->ReadString(QStringLiteral("Data"), QStringLiteral("import"), QString()),
              QDir::toNativeSeparators(export_("")));
}

TEST_F(TXmlImportBefehl, FehlerUndLeereDateiLassenDasProjekt)
{
    const struct
    {
        const char* datei;
        TScriptDialoge::TArt art;
        const char* text;
    } faelle[] = {
        {"kaputt.xml", TScriptDialoge::TArt::Fehlermeldung, "kaputt.xml kann nicht als XML gelesen werden.\nZeile 5"},
        {"dtd.xml", TScriptDialoge::TArt::Fehlermeldung, "Dokumenttyp-Deklaration"},
        {"nur_unterricht.xml", TScriptDialoge::TArt::Meldung, "keine Lehrkräfte und keine Klassen gefunden."},
    };
    offenesProjekt();
    TLehrerliste* lehrer = Lehrerliste.get();
    TKlassenliste* klassen = Klassenliste.get();
    for (const auto& f : faelle) {
        importieren(f.datei, f.art);
        EXPECT_EQ(dialoge->Letzter().Art, f.art);
        EXPECT_TRUE(dialoge->Letzter().Text.contains(QString::fromUtf8(f.text))) << dialoge->Letzter().Text.toStdString();
        EXPECT_EQ(Lehrerliste.get(), lehrer);
        EXPECT_EQ(Klassenliste.get(), klassen);
        EXPECT_EQ(Verteilung->Count(), 1);
        EXPECT_EQ(haupt->TV->topLevelItemCount(), 3);
        EXPECT_EQ(Dateiname, haupt->Edit1->text());
        EXPECT_FALSE(Dateiname.isEmpty());
        EXPECT_FALSE(Geaendert);
    }
}

TEST_F(TXmlImportBefehl, AbbruecheUndHinweise)
{
    offenesProjekt();
    const QByteArray vorher = ProjektBytes(*Lehrerliste, *Klassenliste);
    // the grade-range question cancelled: the project stays exactly as it was
    skript.Dann([](QDialog* d) { qobject_cast<TFImpStufenwahl*>(d)->Button2->click(); });
    importieren("gymnasium.xml");
    EXPECT_EQ(ProjektBytes(*Lehrerliste, *Klassenliste), vorher);
    EXPECT_EQ(haupt->LV->rowCount(), 4);
    EXPECT_EQ(haupt->TV->topLevelItemCount(), 3);
    EXPECT_EQ(Verteilung->Count(), 1);
    EXPECT_EQ(Dateiname, haupt->Edit1->text());
    EXPECT_FALSE(Dateiname.isEmpty());
    EXPECT_FALSE(Geaendert);
    EXPECT_EQ(dialoge->Gezeigt.size(), 1u); // the file dialog only

    // "Import hier abbrechen" keeps what was assigned so far and says so after the import
    skript.Dann(stufen(5, 13));
    skript.Dann(antwort(&TFMultClass::Button3));
    importieren("gymnasium.xml", TScriptDialoge::TArt::Meldung);
    EXPECT_EQ(dialoge->Letzter().Text, MeldungTeilweiseZugeordnet);
    EXPECT_EQ(knotenTexte().last(), QStringLiteral("13 (XTR_Y)"));
}

} // namespace
