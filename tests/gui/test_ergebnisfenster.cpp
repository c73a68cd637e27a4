// The result window: evaluation, loops with a hand-driven clock, moves, export and print.
#include "gui/Fenstertest.h"

#include "app/UHilfe.h"
#include "app/UHilfefenster.h"
#include "distribution/UErgebnis.h"
#include "distribution/UErgebnisRaster.h"
#include "distribution/USaveResult.h"
#include "planning/UDatei.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimer>

#include <functional>

namespace {

// The countdown's clock, ticked by the test.
class THandTakt : public TTakt
{
public:
    void Starten() override { an = true; }
    void Anhalten() override { an = false; }
    bool Laeuft() const override { return an; }
    void Ticken()
    {
        if (an && BeiTick)
            BeiTick();
    }

private:
    bool an = false;
};

// The rows of a table from row ab on, cells joined by ",", rows by "|".
QString zeilen(const TErgebnisTabelle& tabelle, int ab = 0)
{
    QStringList texte;
    for (const QStringList& zeile : tabelle.mid(ab))
        texte << zeile.join(u',');
    return texte.join(u'|');
}

class Ergebnisfenster : public TFensterTest
{
protected:
    void SetUp() override
    {
        TFensterTest::SetUp();
        ergebnis = fenster->Ergebnis.get();
        auto t = std::make_unique<THandTakt>();
        takt = t.get();
        ergebnis->TaktSetzen(std::move(t));
        Ini->WriteBool(QStringLiteral("Option"), QStringLiteral("hint2"), false);
    }

    // The evaluate command; imFenster runs in the open window, which is closed afterwards.
    void auswerten(const std::function<void()>& imFenster)
    {
        bool gelaufen = false;
        QTimer::singleShot(0, ergebnis, [&] {
            gelaufen = true;
            EXPECT_TRUE(QTest::qWaitForWindowActive(ergebnis));
            imFenster();
            if (ergebnis->SchleifeLaeuft())
                ergebnis->Button2Click();
            if (ergebnis->isVisible())
                ergebnis->Button2Click();
        });
        haupt->TB_auswertClick();
        EXPECT_TRUE(gelaufen);
        EXPECT_FALSE(ergebnis->isVisible());
    }

    // Starts a loop with its button; waehrend runs once inside it, then the loop is
    // cancelled if it still runs.
    void inSchleife(QPushButton* start, const std::function<void()>& waehrend)
    {
        QTimer::singleShot(0, ergebnis, [&] {
            waehrend();
            if (ergebnis->SchleifeLaeuft())
                ergebnis->Button2Click();
        });
        start->click();
        EXPECT_FALSE(ergebnis->SchleifeLaeuft());
    }

    // Five classes in a ring, neighbours share a teacher: no plan has fewer than three
    // rows, while no two non-neighbours conflict, so the bound stays at two.
    void ring()
    {
        QList<TLehrer*> l;
        for (int i = 0; i < 5; ++i)
            l << lehrer(QStringLiteral("L%1").arg(i));
        for (int i = 0; i < 5; ++i)
            klasse(QStringLiteral("5") + QChar(u'a' + i), {l[i], l[(i + 1) % 5]});
    }

    QString tabelle() const { return zeilen(ergebnis->Tabelle()); }

    // The mouse moved to a point of the table's cells.
    void maus(QPoint stelle)
    {
        QWidget* flaeche = ergebnis->StringGrid1->viewport();
        QMouseEvent bewegung(QEvent::MouseMove, stelle, flaeche->mapToGlobal(stelle), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
        QApplication::sendEvent(flaeche, &bewegung);
    }

    TFErgebnis* ergebnis = nullptr;
    THandTakt* takt = nullptr;
};

TEST_F(Ergebnisfenster, AuswertenMeldungenUndDieGemerktenKaestchen)
{
    klasse(QStringLiteral("5a"));
    dialoge->AufgabeBeantworten(TKnopf::Ok);
    haupt->TB_auswertClick();
    ASSERT_EQ(dialoge->Gezeigt.size(), 1u);
    EXPECT_EQ(dialoge->Letzter().Titel, "So geht es nicht!");
    EXPECT_EQ(dialoge->Letzter().Aufgabe.Hauptanweisung,
              "Es müssen mindestens 2 Klassen mit Lehrkräften eingerichtet sein.");
    EXPECT_EQ(dialoge->Letzter().Text, "(Daten fehlen.)");
    EXPECT_FALSE(ergebnis->isVisible());

    klasse(QStringLiteral("5b"));
    Ini->WriteBool(QStringLiteral("Option"), QStringLiteral("hint2"), true);
    dialoge->AufgabeBeantworten(TKnopf::Ok, true);
    auswerten([] {});
    ASSERT_EQ(dialoge->Gezeigt.size(), 2u);
    EXPECT_EQ(dialoge->Letzter().Titel, "Hinweis:");
    // the hint names the box that makes parent representatives count
    EXPECT_TRUE(dialoge->Letzter().Aufgabe.Hauptanweisung.contains(
        QStringLiteral("nur, wenn im Ergebnisfenster \"%1\" angekreuzt ist.").arg(ergebnis->CEltern->text().remove(u'&'))));
    EXPECT_EQ(dialoge->Letzter().Aufgabe.Kontrollkaestchen, "Hinweis nicht mehr anzeigen");
    EXPECT_FALSE(Ini->ReadBool(QStringLiteral("Option"), QStringLiteral("hint2"), true));

    // with shared parent representatives counted the hint no longer applies
    Ini->WriteBool(QStringLiteral("Option"), QStringLiteral("hint2"), true);
    ergebnis->CEltern->click();
    auswerten([] {});
    EXPECT_EQ(dialoge->Gezeigt.size(), 2u);
    TFErgebnis neu(*dialoge, haupt);
    EXPECT_TRUE(neu.CEltern->isChecked());
    EXPECT_FALSE(neu.CVorsitz->isChecked());
}

TEST_F(Ergebnisfenster, AlleKlassenKollidieren)
{
    TLehrer* l = lehrer(QStringLiteral("AB"));
    for (const char* name : {"6a", "5a", "5b"})
        klasse(QLatin1String(name), {l});
    THilfe::DateiSetzen(QStringLiteral(SIMULTANO_HILFEDATEI));
    auswerten([&] {
        EXPECT_EQ(tabelle(), ",A|1.,5a|2.,5b|3.,6a");
        EXPECT_FALSE(ergebnis->Button1->isVisible());
        EXPECT_EQ(ergebnis->Label1->text(),
                  "Es gibt keine Klassen, deren Konferenzen gleichzeitig stattfinden können.");
        EXPECT_EQ(QApplication::focusWidget(), ergebnis->StringGrid1);
        // inside the screen, and the controls need no more than a 1024 × 600 screen offers
        EXPECT_TRUE(ergebnis->screen()->availableGeometry().contains(ergebnis->frameGeometry()));
        EXPECT_LE(ergebnis->minimumSizeHint().height(), 560);
        EXPECT_LE(ergebnis->minimumSizeHint().width(), 1000);

        QTest::keyClick(ergebnis->StringGrid1, Qt::Key_F1);
        ASSERT_TRUE(THilfe::Fenster());
        EXPECT_EQ(THilfe::Fenster()->Seite(), "/ergebnis.html");
        THilfe::AlleSchliessen();
    });
}

TEST_F(Ergebnisfenster, WenigerSpaltenBeiGleichenZeilenNurMitC2)
{
    for (const char* name : {"5a", "5b", "5c", "5d"})
        klasse(QLatin1String(name));
    ergebnis->Edit1->setValue(3);
    auswerten([&] {
        EXPECT_TRUE(ergebnis->Button1->isVisible());
        ASSERT_EQ(ergebnis->StringGrid1->rowCount(), 2);
        ASSERT_EQ(ergebnis->StringGrid1->columnCount(), 3);
        // every plan of limit 2 has the same two rows and only two columns; the bound is
        // reached, so the loop ends by itself
        ergebnis->Edit1->setValue(2);
        ergebnis->Button3->click();
        EXPECT_FALSE(ergebnis->SchleifeLaeuft());
        EXPECT_EQ(ergebnis->StringGrid1->columnCount(), 3);
        ergebnis->C2->setChecked(true);
        ergebnis->Button3->click();
        EXPECT_EQ(ergebnis->StringGrid1->columnCount(), 2);
        EXPECT_EQ(ergebnis->StringGrid1->rowCount(), 2);
        EXPECT_EQ(Verteilung->Count(), 2);
        EXPECT_EQ(ergebnis->LUntergrenze->text(), "Optimal: weniger Zeitfenster sind nicht möglich.");
        takt->Ticken();
        EXPECT_EQ(ergebnis->Edit2->value(), 6);
        EXPECT_FALSE(takt->Laeuft());
    });
}

TEST_F(Ergebnisfenster, BeweisHebtDieSchrankeAnUndBeendetDieSchleife)
{
    ring();
    auswerten([&] {
        EXPECT_EQ(ergebnis->LUntergrenze->text(), "Weniger als 2 Zeitfenster sind nicht möglich.");
        // no countdown tick comes: the exact search alone ends the loop, at three rows
        ergebnis->Edit2->setValue(60);
        ergebnis->Button3->click();
        EXPECT_FALSE(ergebnis->SchleifeLaeuft());
        EXPECT_EQ(ergebnis->StringGrid1->rowCount(), 3);
        EXPECT_EQ(ergebnis->LUntergrenze->text(), "Optimal: weniger Zeitfenster sind nicht möglich.");
        EXPECT_EQ(ergebnis->Button2->text(), "S&chließen");
    });
}

TEST_F(Ergebnisfenster, CountdownUndWiederholungDerLetztenDauer)
{
    ring();
    auswerten([&] {
        EXPECT_EQ(ergebnis->LUntergrenze->text(), "Weniger als 2 Zeitfenster sind nicht möglich.");
        const auto laufen = [&](int sekunden, int ticks) {
            QStringList werte;
            ergebnis->Edit2->setValue(sekunden);
            inSchleife(ergebnis->Button3, [&] {
                werte << QString::number(ergebnis->Edit2->value());
                for (int i = 0; i < ticks && ergebnis->SchleifeLaeuft(); ++i) {
                    takt->Ticken();
                    werte << QString::number(ergebnis->Edit2->value());
                }
                if (!ergebnis->SchleifeLaeuft())
                    werte << QStringLiteral("Ende");
            });
            return werte.join(u' ');
        };
        // before the first run 0 and -1 mean: until "Abbruch", which shows 0 again
        EXPECT_EQ(laufen(-1, 3), "0 -1 -1 -1");
        EXPECT_EQ(ergebnis->Edit2->value(), 0);
        EXPECT_FALSE(takt->Laeuft());

        EXPECT_EQ(laufen(6, 7), "6 5 4 3 2 1 0 Ende");
        for (int wiederholen : {0, -1}) {
            EXPECT_TRUE(takt->Laeuft());
            takt->Ticken();
            EXPECT_EQ(ergebnis->Edit2->value(), 6);
            EXPECT_FALSE(takt->Laeuft());
            EXPECT_EQ(laufen(wiederholen, 7), "6 5 4 3 2 1 0 Ende");
        }
    });
}

TEST_F(Ergebnisfenster, EscUndSchliessenWaehrendEinerSchleife)
{
    ring();
    auswerten([&] {
        // no plan of limit 1 has as few rows as the one shown: this search goes on until cancelled
        ergebnis->Edit1->setValue(1);
        ergebnis->C1->setChecked(true);
        ergebnis->Edit2->setValue(10);
        const QString vorher = tabelle();
        inSchleife(ergebnis->Button1, [&] {
            EXPECT_EQ(ergebnis->Button2->text(), "&Abbruch");
            for (QWidget* w : std::initializer_list<QWidget*>{ergebnis->Button1, ergebnis->Button3, ergebnis->Button4,
                                                               ergebnis->Button5, ergebnis->Edit1, ergebnis->Edit2,
                                                               ergebnis->C2, ergebnis->CVorsitz, ergebnis->CEltern})
                EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
            EXPECT_FALSE(ergebnis->close());
            QTest::keyClick(ergebnis->StringGrid1, Qt::Key_Escape);
            EXPECT_FALSE(ergebnis->SchleifeLaeuft());
        });
        EXPECT_TRUE(ergebnis->isVisible());
        EXPECT_EQ(tabelle(), vorher);
        EXPECT_EQ(Verteilung->Count(), 3);
        EXPECT_EQ(ergebnis->Button2->text(), "S&chließen");
        EXPECT_EQ(ergebnis->Edit2->value(), 10) << "no optimisation has run yet";

        ergebnis->Edit1->setValue(4);
        inSchleife(ergebnis->Button3, [&] {
            EXPECT_FALSE(ergebnis->close());
            QTest::keyClick(ergebnis->StringGrid1, Qt::Key_Escape);
        });
        EXPECT_TRUE(ergebnis->isVisible());
        EXPECT_EQ(ergebnis->Edit2->value(), 10);
        EXPECT_FALSE(takt->Laeuft());
        QTest::keyClick(ergebnis->StringGrid1, Qt::Key_Escape);
        EXPECT_FALSE(ergebnis->isVisible());
    });
}

// Ctrl and the arrow keys, at the edges and inside; each case starts from the same table.
TEST(ErgebnisRaster, VerschiebenMitStrgUndPfeiltasten)
{
    struct TFall
    {
        int zeile, spalte;
        Qt::Key taste;
        const char* danach; // the class rows, or "" for unchanged
        QPoint marke;       // column, row of the mark afterwards
    };
    const char* vorher = "1.,5a,6b,7c|2.,5b,,|3.,8a,9a,";
    const TFall faelle[] = {
        {0, 2, Qt::Key_Right, "", {2, 0}},
        {0, 0, Qt::Key_Left, "", {0, 0}},
        {0, 1, Qt::Key_Up, "", {1, 0}},
        {2, 1, Qt::Key_Down, "", {1, 2}},
        {1, 0, Qt::Key_Right, "1.,5a,6b,7c|2.,,5b,|3.,8a,9a,", {1, 1}},
        {0, 2, Qt::Key_Left, "1.,5a,7c,6b|2.,5b,,|3.,8a,9a,", {1, 0}},
        {1, 2, Qt::Key_Down, "1.,5a,6b,7c|2.,8a,9a,|3.,5b,,", {2, 2}},
        {2, 0, Qt::Key_Up, "1.,5a,6b,7c|2.,8a,9a,|3.,5b,,", {0, 1}},
        {1, 1, Qt::Key_PageDown, "", {1, 1}},
        {0, 0, Qt::Key_PageUp, "", {0, 0}},
        {2, 2, Qt::Key_Home, "", {0, 0}},
    };
    TErgebnisRaster raster(nullptr);
    raster.resize(400, 300);
    for (const TFall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.zeile << "/" << f.spalte << " Taste " << f.taste);
        raster.Fuellen({{"", "A", "B", "C"}, {"1.", "5a", "6b", "7c"}, {"2.", "5b", "", ""}, {"3.", "8a", "9a", ""}});
        raster.setCurrentCell(f.zeile, f.spalte);
        QTest::keyClick(&raster, f.taste, Qt::ControlModifier);
        EXPECT_EQ(zeilen(raster.Tabelle(), 1), QString::fromUtf8(*f.danach ? f.danach : vorher));
        EXPECT_EQ(raster.Tabelle()[0], QStringList({"", "A", "B", "C"}));
        EXPECT_EQ(QPoint(raster.currentColumn(), raster.currentRow()), f.marke);
    }
}

// Long designations are never cut: a column is at least as wide as its widest name, the
// columns follow the table's width, and a column the user widened keeps its width.
TEST(ErgebnisRaster, LangeBezeichnungenUndGezogeneSpalten)
{
    TErgebnisRaster raster(nullptr);
    raster.resize(300, 200);
    raster.Fuellen({{"", "A", "B", "C"}, {"1.", "1PRISMA-1", "Q2-LK-Bio", "5a"}, {"2.", "Q2-LK-Chemie", "", ""}});
    raster.BreitenSetzen();
    const auto passt = [&](int spalte, const QString& text) {
        return raster.columnWidth(spalte) >= raster.fontMetrics().horizontalAdvance(text);
    };
    EXPECT_TRUE(passt(0, "Q2-LK-Chemie"));
    EXPECT_TRUE(passt(1, "Q2-LK-Bio"));
    const int schmal = raster.columnWidth(2);
    raster.resize(900, 200);
    raster.BreitenSetzen();
    EXPECT_GT(raster.columnWidth(2), schmal) << "the columns follow the table";
    raster.horizontalHeader()->resizeSection(2, 400);
    raster.resize(600, 200);
    raster.BreitenSetzen();
    EXPECT_EQ(raster.columnWidth(2), 400) << "a widened column stays";
}

TEST_F(Ergebnisfenster, HinweisMitDenLehrkraeftenUnterDerMaus)
{
    kleineSchule();
    auswerten([&] {
        TErgebnisRaster* raster = ergebnis->StringGrid1;
        raster->Fuellen({{"", "A", "B"}, {"1.", "5a", "7z"}, {"2.", "6a", ""}});
        const auto ueber = [&](int r, int c) {
            const QRect zelle = raster->visualRect(raster->model()->index(r, c));
            maus(zelle.center());
            return zelle;
        };
        const QRect zelle = ueber(0, 0);
        EXPECT_TRUE(raster->Hinweis()->isVisible());
        EXPECT_EQ(raster->Hinweis()->text(), "AB, CD, EF");
        EXPECT_EQ(raster->Hinweis()->pos(), raster->viewport()->mapToGlobal(zelle.bottomLeft() + QPoint(5, 6)));
        EXPECT_EQ(raster->HinweisZelle(), QPoint(1, 1));
        for (const QPoint& ohne : {QPoint(0, 1), QPoint(1, 1)}) { // no class of that name, an empty cell
            ueber(ohne.x(), ohne.y());
            EXPECT_FALSE(raster->Hinweis()->isVisible());
            EXPECT_EQ(raster->HinweisZelle(), QPoint(-1, -1));
        }
        ueber(1, 0);
        EXPECT_TRUE(raster->Hinweis()->isVisible());
        EXPECT_EQ(raster->Hinweis()->text(), "");

        // another window takes the focus: the hint goes
        QWidget anderes(ergebnis, Qt::Window);
        anderes.show();
        anderes.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !ergebnis->isActiveWindow(); }));
        EXPECT_FALSE(raster->Hinweis()->isVisible());
        EXPECT_EQ(raster->HinweisZelle(), QPoint(-1, -1));
    });
}

TEST_F(Ergebnisfenster, VerschobeneAnordnungInDateiUndDruck)
{
    kleineSchule();
    auswerten([&] {
        ergebnis->StringGrid1->Fuellen({{"", "A", "B"}, {"1.", "5a", "Q1 Ma"}, {"2.", "5b", ""}});
        QTest::keyClick(ergebnis->StringGrid1, Qt::Key_Down, Qt::ControlModifier);
        QTest::keyClick(ergebnis->StringGrid1, Qt::Key_Right, Qt::ControlModifier);
        ASSERT_EQ(tabelle(), ",A,B|1.,5b,|2.,Q1 Ma,5a");

        // the separator question: cancelled, then "Tabulator"
        const auto frage = [&](bool tabulator, bool speichern) {
            QTimer::singleShot(0, ergebnis, [=, this] {
                TFSaveResult* f = fenster->SaveResult.get();
                EXPECT_TRUE(f->isVisible());
                (tabulator ? f->Tab : f->Komma)->setChecked(true);
                (speichern ? f->Button1 : f->Button2)->click();
            });
        };
        const QString datei = ordner.filePath(QStringLiteral("plan.txt"));
        frage(true, false);
        ergebnis->Button4Click();
        EXPECT_FALSE(QFile::exists(datei));

        frage(true, true);
        dialoge->DateiWaehlen(ordner.filePath(QStringLiteral("plan")));
        ergebnis->Button4Click();
        EXPECT_EQ(dialoge->Letzter().Titel, "Ergebnis als Text speichern");
        QByteArray bytes;
        ASSERT_EQ(DateiLesen(datei, bytes), "");
        EXPECT_EQ(bytes, QByteArray("//\tA\tB\r\n1.\t5b\t\r\n2.\t\"Q1 Ma\"\t5a\r\n"));

        frage(false, true);
        dialoge->DateiWaehlen(ordner.filePath(QStringLiteral("fehlt/plan.txt")));
        dialoge->FehlermeldungBestaetigen();
        ergebnis->Button4Click();
        EXPECT_TRUE(dialoge->Letzter().Text.startsWith("Datei \"")) << dialoge->Letzter().Text.toStdString();
        EXPECT_EQ(tabelle(), ",A,B|1.,5b,|2.,Q1 Ma,5a");

        // printed to a PDF file, read back as text with its layout
        const QString pdf = ordner.filePath(QStringLiteral("plan.pdf"));
        ergebnis->Drucker().setOutputFormat(QPrinter::PdfFormat);
        ergebnis->Drucker().setOutputFileName(pdf);
        dialoge->Drucken(false);
        ergebnis->Button5Click();
        EXPECT_FALSE(QFile::exists(pdf));
        dialoge->Drucken(true);
        ergebnis->Button5Click();
        EXPECT_EQ(ergebnis->Drucker().docName(), "Simultano-Ergebnis");
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            GTEST_SKIP() << "pdftotext fehlt";
        QProcess lesen;
        lesen.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        ASSERT_TRUE(lesen.waitForFinished());
        QStringList zeilen;
        for (const QString& zeile : QString::fromUtf8(lesen.readAllStandardOutput()).split(u'\n'))
            if (!zeile.trimmed().isEmpty())
                zeilen << zeile.simplified();
        ASSERT_EQ(zeilen.size(), 3) << zeilen.join(u'|').toStdString();
        EXPECT_TRUE(zeilen[0].startsWith("Konferenzen, die gleichzeitig stattfinden können (Auswertung: "));
        EXPECT_EQ(zeilen[1], "5b");
        EXPECT_EQ(zeilen[2], "Q1 Ma 5a");
    });
}

// The result window with the sample school, saved as a picture for the documentation:
//   SIMULTANO_ERGEBNISFOTO=docs/ergebnis.png build/bin/test_gui --gtest_filter='Ergebnisfenster.Bildschirmfoto'
TEST_F(Ergebnisfenster, Bildschirmfoto)
{
    const QString ziel = qEnvironmentVariable("SIMULTANO_ERGEBNISFOTO");
    if (ziel.isEmpty())
        GTEST_SKIP() << "SIMULTANO_ERGEBNISFOTO nennt kein Bild";
    dialoge->DateiWaehlen(QStringLiteral(SIMULTANO_QUELLORDNER "/resources/beispiel/Beispielschule.spz"));
    haupt->Oeffnen1Click();
    zeigen();
    auswerten([&] {
        // half a second of optimisation, then the countdown to its end
        inSchleife(ergebnis->Button3, [&] {
            QTest::qWait(500);
            for (int i = 0; i < 6; ++i)
                takt->Ticken();
        });
        takt->Ticken();
        QTest::keyClick(ergebnis->StringGrid1, Qt::Key_Down);
        QTest::keyClick(ergebnis->StringGrid1, Qt::Key_Right);
        const QRect zelle = ergebnis->StringGrid1->visualRect(ergebnis->StringGrid1->model()->index(2, 1));
        maus(zelle.center());
        QTest::qWait(100);
        QImage bild = ergebnis->grab().toImage();
        QLabel* hinweis = ergebnis->StringGrid1->Hinweis();
        if (hinweis->isVisible()) {
            QPainter maler(&bild);
            maler.drawImage(ergebnis->mapFromGlobal(hinweis->pos()), hinweis->grab().toImage());
        }
        QDir().mkpath(QFileInfo(ziel).absolutePath());
        EXPECT_TRUE(bild.save(ziel));
    });
}

} // namespace
