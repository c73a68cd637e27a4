// The timetable in the result window: the settings dialog, times and rooms as headers, the
// waiting figures after moves, the days into the classes, and the plan kept in the project.
#include "gui/Fenstertest.h"
#include "gui/ImDialog.h"

#include "distribution/UErgebnis.h"
#include "distribution/UErgebnisRaster.h"
#include "distribution/USaveResult.h"
#include "distribution/UZeitplanDialog.h"
#include "editing/UDatumsfeld.h"
#include "planning/UDatei.h"
#include "planning/UFunctions.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimeEdit>

#include <functional>

namespace {

const QDate Dienstag(2027, 1, 26);

QString kopfzeile(const QTableWidget* t, Qt::Orientation richtung)
{
    QStringList texte;
    const int n = richtung == Qt::Vertical ? t->rowCount() : t->columnCount();
    for (int i = 0; i < n; ++i)
        texte << t->model()->headerData(i, richtung).toString();
    return texte.join(u'|');
}

// The control in a cell of one of the dialog's tables.
template <class W>
W* feld(const QTableWidget* t, int zeile, int spalte)
{
    return qobject_cast<W*>(t->cellWidget(zeile, spalte));
}

class Zeitplanfenster : public TFensterTest
{
protected:
    void SetUp() override
    {
        TFensterTest::SetUp();
        ergebnis = fenster->Ergebnis.get();
        Ini->WriteBool(QStringLiteral("Option"), QStringLiteral("hint2"), false);
    }

    // The evaluate command; imFenster runs in the open window, which is closed afterwards.
    void auswerten(const std::function<void()>& imFenster)
    {
        QTimer::singleShot(0, ergebnis, [&] {
            imFenster();
            if (ergebnis->isVisible())
                ergebnis->Button2Click();
        });
        haupt->TB_auswertClick();
    }

    // Teachers A and B; 5a and 5c have A, 5b has B. With one conference at a time the
    // order decides: 5b between 5a and 5c keeps A waiting for 30 minutes, elsewhere for 5.
    void dreiKlassen()
    {
        TLehrer* a = lehrer(QStringLiteral("A"));
        TLehrer* b = lehrer(QStringLiteral("B"));
        klasse(QStringLiteral("5a"), {a});
        klasse(QStringLiteral("5b"), {b});
        klasse(QStringLiteral("5c"), {a});
        anzeigen();
        ergebnis->Edit1->setValue(1);
    }

    // Days of 45 minutes: two conferences of 20 minutes with the changeover of 5 each.
    static TZeitplanEinstellungen kurzeTage(int tage)
    {
        TZeitplanEinstellungen e;
        for (int i = 0; i < tage; ++i)
            e.Tage << TKonferenztag{DatumZuWert(Dienstag.addDays(i)), 14 * 60, 14 * 60 + 45};
        return e;
    }

    int zeileVon(const QString& klasse) const
    {
        const QList<QTableWidgetItem*> gefunden = ergebnis->StringGrid1->findItems(klasse, Qt::MatchExactly);
        return gefunden.isEmpty() ? -1 : gefunden.first()->row();
    }

    QString tabelle() const
    {
        QStringList texte;
        for (const QStringList& zeile : ergebnis->Tabelle())
            texte << zeile.join(u',');
        return texte.join(u'|');
    }

    TFErgebnis* ergebnis = nullptr;
};

TEST_F(Zeitplanfenster, DialogVorgabenPruefungUndUebernahme)
{
    TFZeitplanDialog& d = *ergebnis->Zeitplandialog;
    TZeitplanEinstellungen vorgabe;
    vorgabe.Tage << TKonferenztag{DatumZuWert(Dienstag), 14 * 60, 18 * 60};
    d.Zeigen(vorgabe, 3);
    ASSERT_EQ(d.Tage->rowCount(), 1);
    EXPECT_EQ(feld<TDatumsfeld>(d.Tage, 0, 0)->date(), Dienstag);
    EXPECT_EQ(feld<QTimeEdit>(d.Tage, 0, 2)->time(), QTime(18, 0));
    EXPECT_EQ(d.Raeume->toPlainText(), "Raum 1\nRaum 2\nRaum 3");
    EXPECT_FALSE(d.TagWeg->isEnabled()) << "one day stays";
    QString fehler;
    EXPECT_EQ(d.Einstellungen(fehler), vorgabe) << "the rooms of the limit are no rooms of the project";
    // fits a 960 × 540 screen with its frame
    EXPECT_LE(d.minimumSizeHint().width(), 950);
    EXPECT_LE(d.minimumSizeHint().height(), 500);

    struct TFall
    {
        const char* name;
        std::function<void()> aendern;
        const char* fehler;
    };
    const TFall faelle[] = {
        {"Ende vor Beginn", [&] { feld<QTimeEdit>(d.Tage, 0, 2)->setTime(QTime(13, 0)); },
         "Am 26.01.2027 liegt das Ende nicht nach dem Beginn."},
        {"Tag doppelt",
         [&] {
             d.TagHinzu->click();
             feld<TDatumsfeld>(d.Tage, 1, 0)->setDate(Dienstag);
         },
         "Der 26.01.2027 steht zweimal in der Liste der Konferenztage."},
        {"Datum gibt es nicht", [&] { feld<TDatumsfeld>(d.Tage, 0, 0)->setText(QStringLiteral("31.02.2027")); },
         "Das Datum \"31.02.2027\" in Zeile 1 der Konferenztage gibt es nicht. Bitte geben Sie es als TT.MM.JJJJ ein "
         "(zum Beispiel 22.01.2027)."},
        {"Dauer ohne Klasse", [&] { d.DauerHinzu->click(); },
         "Bitte tragen Sie in jeder Zeile der eigenen Dauern eine Klasse oder Stufe ein."},
        {"Raum doppelt", [&] { d.Raeume->setPlainText(QStringLiteral("A101\n A101")); },
         "Jeder Raum darf nur einmal genannt werden."},
        {"kein Raum", [&] { d.Raeume->setPlainText(QStringLiteral("\n  \n")); }, "Bitte nennen Sie mindestens einen Raum."},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.name);
        d.Zeigen(vorgabe, 3);
        f.aendern();
        EXPECT_FALSE(d.Einstellungen(fehler));
        EXPECT_EQ(fehler, QString::fromUtf8(f.fehler));
    }

    // a second day follows the first; a duration for Q2; rooms of the project's own
    d.Zeigen(vorgabe, 3);
    d.TagHinzu->click();
    d.DauerHinzu->click();
    d.Sonderdauern->item(0, 0)->setText(QStringLiteral("Q2"));
    feld<QSpinBox>(d.Sonderdauern, 0, 1)->setValue(30);
    d.Raeume->setPlainText(QStringLiteral("A101\nA102\n"));
    const std::optional<TZeitplanEinstellungen> neu = d.Einstellungen(fehler);
    ASSERT_TRUE(neu);
    ASSERT_EQ(neu->Tage.size(), 2);
    EXPECT_EQ(neu->Tage[1], (TKonferenztag{DatumZuWert(Dienstag.addDays(1)), 14 * 60, 18 * 60}));
    EXPECT_EQ(neu->Sonderdauern, (QList<TSonderdauer>{{QStringLiteral("Q2"), 30}}));
    EXPECT_EQ(neu->Raeume, QStringList({"A101", "A102"}));
    // a picture of the dialog for a look: SIMULTANO_ZEITPLANFOTO=datei.png
    if (const QString foto = qEnvironmentVariable("SIMULTANO_ZEITPLANFOTO"); !foto.isEmpty()) {
        EXPECT_TRUE(d.grab().save(foto));
    }
}

// "OK" without a change leaves a project without settings as it is; rooms bound the limit.
TEST_F(Zeitplanfenster, DialogAusDemErgebnisfenster)
{
    dreiKlassen();
    auswerten([&] {
        ASSERT_TRUE(ImDialog<TFZeitplanDialog>([&] { ergebnis->BZeitplan->click(); },
                                               [](TFZeitplanDialog& d) { d.Button1->click(); }));
        EXPECT_FALSE(Projektzusatz.Zeitplan);
        Geaendert = false;
        ergebnis->Edit1->setValue(4);
        ASSERT_TRUE(ImDialog<TFZeitplanDialog>([&] { ergebnis->BZeitplan->click(); }, [](TFZeitplanDialog& d) {
            d.Raeume->setPlainText(QStringLiteral("A101\nA102"));
            d.Wechsel->setValue(10);
            d.Button1->click();
        }));
        ASSERT_TRUE(Projektzusatz.Zeitplan);
        EXPECT_EQ(Projektzusatz.Zeitplan->Wechsel, 10);
        EXPECT_TRUE(Geaendert);
        EXPECT_EQ(ergebnis->Edit1->maximum(), 2);
        EXPECT_EQ(ergebnis->Edit1->value(), 2);
        EXPECT_EQ(kopfzeile(ergebnis->StringGrid1, Qt::Horizontal), "A101");
        EXPECT_EQ(kopfzeile(ergebnis->StringGrid1, Qt::Vertical), "14:00–14:20|14:30–14:50|15:00–15:20");
    });
}

TEST_F(Zeitplanfenster, KoepfeUndWartezeitFolgenDerVerschiebung)
{
    dreiKlassen();
    auswerten([&] {
        TErgebnisRaster* raster = ergebnis->StringGrid1;
        // ordered when shown: 5b not between the two classes of A
        EXPECT_NE(zeileVon(QStringLiteral("5b")), 1) << tabelle().toStdString();
        EXPECT_EQ(ergebnis->LWartezeit->text(), "Wartezeit gesamt 5 min, vorher 30 min; längste 5 min");
        EXPECT_EQ(kopfzeile(raster, Qt::Vertical), "14:00–14:20|14:25–14:45|14:50–15:10");
        EXPECT_EQ(kopfzeile(raster, Qt::Horizontal), "Raum 1");
        EXPECT_FALSE(ergebnis->LNichtUntergebracht->isVisible());

        // 5b moved into the middle by hand: the figures follow at once, the plan is kept
        Geaendert = false;
        raster->setFocus();
        raster->setCurrentCell(zeileVon(QStringLiteral("5b")), 0);
        QTest::keyClick(raster, zeileVon(QStringLiteral("5b")) == 0 ? Qt::Key_Down : Qt::Key_Up, Qt::ControlModifier);
        EXPECT_EQ(zeileVon(QStringLiteral("5b")), 1);
        EXPECT_EQ(ergebnis->LWartezeit->text(), "Wartezeit gesamt 30 min, vorher 30 min; längste 30 min");
        EXPECT_TRUE(Geaendert);
        ASSERT_TRUE(Projektzusatz.Plan);
        EXPECT_EQ(Projektzusatz.Plan->Zeilen, ergebnis->PlanZeilen());
        EXPECT_EQ(Projektzusatz.Plan->Grenze, 1);

        ergebnis->BReihenfolge->click();
        EXPECT_NE(zeileVon(QStringLiteral("5b")), 1);
        EXPECT_EQ(ergebnis->LWartezeit->text(), "Wartezeit gesamt 5 min, vorher 30 min; längste 5 min");
        EXPECT_EQ(Projektzusatz.Plan->Zeilen, ergebnis->PlanZeilen());
    });
}

// Days too short for all rows: the rest is named; with a second day the day heads the rows
// and the file "mit Uhrzeiten und Räumen" carries day, times and rooms.
TEST_F(Zeitplanfenster, TageZuKurzZweiterTagUndDatei)
{
    dreiKlassen();
    Projektzusatz.Zeitplan = kurzeTage(1);
    auswerten([&] {
        EXPECT_EQ(kopfzeile(ergebnis->StringGrid1, Qt::Vertical), "14:00–14:20|14:25–14:45|ohne Termin");
        EXPECT_TRUE(ergebnis->LNichtUntergebracht->isVisible());
        const QString dritte = ergebnis->StringGrid1->item(2, 0)->text();
        EXPECT_EQ(ergebnis->LNichtUntergebracht->text(), "Die Konferenztage reichen nicht für alle Konferenzen. Ohne Termin: " + dritte);
    });
    Projektzusatz.Zeitplan = kurzeTage(2);
    Projektzusatz.Zeitplan->Raeume = QStringList{QStringLiteral("Aula")};
    auswerten([&] {
        EXPECT_EQ(kopfzeile(ergebnis->StringGrid1, Qt::Vertical),
                  "Di 26.01. 14:00–14:20|Di 26.01. 14:25–14:45|Mi 27.01. 14:00–14:20");
        EXPECT_FALSE(ergebnis->LNichtUntergebracht->isVisible());

        const QString datei = ordner.filePath(QStringLiteral("plan.txt"));
        const auto speichern = [&] {
            QTimer::singleShot(0, ergebnis, [this] { fenster->SaveResult->Button1->click(); });
            dialoge->DateiWaehlen(datei);
            ergebnis->Button4Click();
            QByteArray bytes;
            EXPECT_EQ(DateiLesen(datei, bytes), "");
            return QString::fromLatin1(bytes);
        };
        const QStringList k{ergebnis->StringGrid1->item(0, 0)->text(), ergebnis->StringGrid1->item(1, 0)->text(),
                            ergebnis->StringGrid1->item(2, 0)->text()};
        EXPECT_EQ(speichern(), QStringLiteral("//,A\r\n1.,%1\r\n2.,%2\r\n3.,%3\r\n").arg(k[0], k[1], k[2]));
        ergebnis->CUhrzeiten->setChecked(true);
        EXPECT_EQ(speichern(), QStringLiteral("//,Tag,Beginn,Ende,Aula\r\n"
                                              "1.,\"Dienstag, 26.01.2027\",14:00,14:20,%1\r\n"
                                              "2.,\"Dienstag, 26.01.2027\",14:25,14:45,%2\r\n"
                                              "3.,\"Mittwoch, 27.01.2027\",14:00,14:20,%3\r\n")
                                   .arg(k[0], k[1], k[2]));
        ergebnis->CUhrzeiten->setChecked(false);
    });
}

// The days of the timetable become the classes' conference dates; another date set
// before is replaced only after the question.
TEST_F(Zeitplanfenster, TermineUebernehmen)
{
    dreiKlassen();
    Projektzusatz.Zeitplan = kurzeTage(2);
    TKlasse* k5b = Klassenliste->SucheKlasse(QStringLiteral("5b"));
    k5b->Konferenzdatum = DatumZuWert(QDate(2027, 2, 1));
    haupt->AnsichtWechseln(1);
    auswerten([&] {
        QList<double> erwartet;
        for (int r = 0; r < 3; ++r)
            erwartet << DatumZuWert(Dienstag.addDays(r < 2 ? 0 : 1));
        const auto daten = [&] {
            QList<double> d;
            for (int r = 0; r < 3; ++r)
                d << Klassenliste->SucheKlasse(ergebnis->StringGrid1->item(r, 0)->text())->Konferenzdatum;
            return d;
        };
        Geaendert = false;
        dialoge->FrageBeantworten(false);
        ergebnis->BTermine->click();
        EXPECT_EQ(dialoge->Letzter().Text,
                  "1 Klasse(n) haben schon ein anderes Konferenzdatum. Soll es durch den Tag aus dem Zeitplan ersetzt "
                  "werden?");
        EXPECT_EQ(k5b->Konferenzdatum, DatumZuWert(QDate(2027, 2, 1)));
        EXPECT_FALSE(Geaendert);

        dialoge->FrageBeantworten(true);
        dialoge->MeldungBestaetigen();
        ergebnis->BTermine->click();
        EXPECT_EQ(dialoge->Letzter().Text, "Das Konferenzdatum von 3 Klasse(n) wurde eingetragen.");
        EXPECT_EQ(daten(), erwartet);
        EXPECT_TRUE(Geaendert);
        EXPECT_TRUE(knotenTexte().contains("5b --> " + DatumText(k5b->Konferenzdatum))) << knotenTexte().join(u'|').toStdString();
    });
}

// The plan as last shown, moves included, is saved with the project and shown again after
// "Öffnen"; once it no longer fits the classes, a new search replaces it.
TEST_F(Zeitplanfenster, GehaltenerPlanUeberSpeichernUndOeffnen)
{
    kleineSchule();
    QString gezeigt;
    auswerten([&] {
        QTest::keyClick(ergebnis->StringGrid1, Qt::Key_Right, Qt::ControlModifier);
        gezeigt = tabelle();
    });
    EXPECT_TRUE(Geaendert);
    const QString datei = ordner.filePath(QStringLiteral("schule.spz"));
    dialoge->DateiWaehlen(datei);
    haupt->Speichern1->trigger();
    EXPECT_FALSE(Geaendert);

    haupt->Neu1Click();
    EXPECT_FALSE(Projektzusatz.Plan);
    dialoge->DateiWaehlen(datei);
    haupt->Oeffnen1->trigger();
    EXPECT_EQ(Dateiversion, 3);
    auswerten([&] { EXPECT_EQ(tabelle(), gezeigt); });
    EXPECT_FALSE(Geaendert) << "the plan shown again is no change";

    // 6a now shares a teacher with every class: the kept plan no longer fits
    TKlasse* k6 = Klassenliste->SucheKlasse(QStringLiteral("6a"));
    k6->Unterrichtende = {Lehrerliste->Suche(QStringLiteral("CD"))};
    auswerten([&] {
        EXPECT_EQ(ergebnis->StringGrid1->rowCount(), 3);
        EXPECT_EQ(ergebnis->StringGrid1->columnCount(), 1);
    });
    EXPECT_TRUE(Geaendert);
}

} // namespace
