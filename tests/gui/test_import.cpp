// The teacher list import window: dragging fields with the mouse, the two modes of the first
// line, the OK step with its questions, and the whole command.
#include "gui/Fenstertest.h"

#include "import/UImport.h"
#include "planning/UDatei.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace {

// A staff list as a spreadsheet saves it: Windows-1252, semicolons, quotes where needed.
const QByteArray Kollegium = "Nachname;Vorname;K\xFCrzel;Geschlecht;F\xE4\x63her\r\n"
                             "B\xE4\x63ker;J\xF6rg;B\xC4\x43;m;M\r\n"
                             "Albers;Anna;ALB;w;\"D, E\"\r\n"
                             "\"Cla\xDF\x65n, Dr.\";Hans-Peter;CLA;M;\"Ph, Ch\"\r\n"
                             ";;;;\r\n"
                             "Dorn;Ute;DOR;F;Ku\r\n";

class TImport : public TFensterTest
{
protected:
    TFImport& f() const { return *fenster->Import; }

    QString datei(const QByteArray& bytes, const QString& name = QStringLiteral("liste.csv")) const
    {
        const QString pfad = ordner.filePath(name);
        EXPECT_EQ(DateiSchreiben(pfad, bytes), QString());
        return pfad;
    }

    // The dialog opened on a file, shown without its own event loop.
    void oeffnen(const QByteArray& bytes)
    {
        f().Filename = datei(bytes);
        EXPECT_EQ(f().FormActivate(), QString());
        f().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f()));
    }

    QPoint stelle(const QString& text) const
    {
        return f().FelderLB->visualItemRect(f().FelderLB->findItems(text, Qt::MatchExactly).value(0)).center();
    }

    // A drag as the user does it: press, a move past the drag threshold, a move over the
    // target and the release there. The events enter at the window, which routes them as it
    // routes real ones: while the button is down, every move goes to the pressed widget.
    static void ziehen(QWidget* quelle, QPoint von, QWidget* ziel)
    {
        QWindow* fenster = quelle->window()->windowHandle();
        const QPoint start = quelle->mapTo(quelle->window(), von);
        const QPoint ende = ziel->mapTo(ziel->window(), ziel->rect().center());
        QTest::mousePress(fenster, Qt::LeftButton, {}, start);
        QTest::mouseMove(fenster, start + QPoint(QApplication::startDragDistance() + 1, 0));
        QTest::mouseMove(fenster, ende);
        QTest::mouseRelease(fenster, Qt::LeftButton, {}, ende);
    }
    void ziehen(const QString& feld, QWidget* ziel) { ziehen(f().FelderLB->viewport(), stelle(feld), ziel); }
    void ziehen(int panel, QWidget* ziel) { ziehen(f().P[panel], f().P[panel]->rect().center(), ziel); }

    // "entries of the field list | P0 | P1 | P2"
    QString zustand() const
    {
        QStringList eintraege;
        for (int i = 0; i < f().FelderLB->count(); ++i)
            eintraege << f().FelderLB->item(i)->text();
        return QStringList{eintraege.join(u','), f().P[0]->text(), f().P[1]->text(), f().P[2]->text()}.join(u'|');
    }

    QStringList spaltenkoepfe() const
    {
        QStringList koepfe;
        for (int i = 0; i < f().lvDaten->model()->columnCount(); ++i)
            koepfe << f().lvDaten->model()->headerData(i, Qt::Horizontal).toString();
        return koepfe;
    }

    static QStringList lehrerTexte()
    {
        QStringList texte;
        for (const TLehrer* l : *Lehrerliste)
            texte << QStringLiteral("%1:%2:%3").arg(l->Kuerzel, l->Name, l->Anrede);
        return texte;
    }

    // Runs one step each time the import dialog opens, inside its modal loop. Every step
    // must close the dialog; one that does not fails, and the dialog is cancelled.
    void beimOeffnen(std::vector<std::function<void()>> schritte)
    {
        schritte_ = std::move(schritte);
        f().installEventFilter(&waechter);
    }

private:
    struct TWaechter : QObject
    {
        TImport* test;
        explicit TWaechter(TImport* t) : test(t) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Show)
                QTimer::singleShot(0, this, [this] { test->schritt(); });
            return false;
        }
    } waechter{this};
    std::vector<std::function<void()>> schritte_;

    void schritt()
    {
        if (!schritte_.empty()) {
            const auto s = std::move(schritte_.front());
            schritte_.erase(schritte_.begin());
            s();
        }
        if (f().isVisible()) {
            ADD_FAILURE() << "Der Importdialog ist nach dem Schritt noch offen.";
            f().reject();
        }
    }
};

TEST_F(TImport, ZiehenMitDerMaus)
{
    oeffnen("Name;K\xFCrzel;\r\nAlbers;AB;w\r\n");
    ASSERT_EQ(zustand(), QStringLiteral("Name,Kürzel,?|||"));
    struct TSchritt
    {
        const char* wofuer;
        std::function<void()> geste;
        const char* danach;
    };
    const TSchritt schritte[] = {
        {"Eintrag auf leeres Panel", [&] { ziehen(QStringLiteral("Name"), f().P[1]); }, "Kürzel,?||Name|"},
        {"Eintrag auf belegtes Panel", [&] { ziehen(QStringLiteral("?"), f().P[1]); }, "Kürzel,?||Name|"},
        {"leeres Feld", [&] { ziehen(QStringLiteral("?"), f().P[2]); }, "Kürzel||Name|(- -)"},
        {"Panel auf leeres Panel", [&] { ziehen(1, f().P[0]); }, "Kürzel|Name||(- -)"},
        {"Panel auf belegtes Panel", [&] { ziehen(0, f().P[2]); }, "Kürzel|Name||(- -)"},
        {"Panel zurück in die Liste", [&] { ziehen(0, f().FelderLB); }, "Name,Kürzel|||(- -)"},
        {"Eintrag in die Liste", [&] { ziehen(QStringLiteral("Name"), f().FelderLB); }, "Name,Kürzel|||(- -)"},
        {"leeres Panel zieht nichts", [&] { ziehen(0, f().P[1]); }, "Name,Kürzel|||(- -)"},
    };
    for (const TSchritt& s : schritte) {
        s.geste();
        EXPECT_EQ(zustand(), QString::fromUtf8(s.danach)) << s.wofuer;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << s.wofuer;
    }
    EXPECT_EQ(f().Wahl[2], 2);
    // an assigned column is named after its teacher field while the first line is a record
    EXPECT_EQ(spaltenkoepfe(), QStringList({"", "", "Anrede (bzw. m/w)"}));
}

TEST_F(TImport, ErsteZeileAlsDatensatzUndZurueck)
{
    oeffnen(";Albers;AB\r\n;Berg;BE\r\n");
    EXPECT_TRUE(f().ErsterDatensatz->isChecked());
    EXPECT_EQ(f().Label5->text(), QStringLiteral("Anzahl der Datensätze in dieser Datenbank: 2"));
    ziehen(QStringLiteral("Albers"), f().P[1]);
    EXPECT_EQ(spaltenkoepfe(), QStringList({"", "Name", ""}));

    // a radio button only answers on its circle and its text
    const QPoint knopf(8, f().Feldbezeichnungen->height() / 2);
    QTest::mouseClick(f().Feldbezeichnungen, Qt::LeftButton, {}, knopf);
    EXPECT_EQ(spaltenkoepfe(), QStringList({"", "Albers", "AB"}));
    EXPECT_EQ(f().lvDaten->model()->rowCount(), 1);
    EXPECT_EQ(f().Label5->text(), QStringLiteral("Anzahl der Datensätze in dieser Datenbank: 1"));
    QTest::mouseClick(f().ErsterDatensatz, Qt::LeftButton, {}, knopf);
    EXPECT_EQ(f().lvDaten->model()->index(0, 1).data().toString(), QStringLiteral("Albers"));
    EXPECT_EQ(f().Label5->text(), QStringLiteral("Anzahl der Datensätze in dieser Datenbank: 2"));
}

TEST_F(TImport, OkSchrittFragtUndBleibtOffen)
{
    lehrer(QStringLiteral("AB"), QStringLiteral("Vorher"));
    oeffnen("Name;K;Anrede\r\nAlbers;AB;1\r\nBerg;;0\r\n");
    // no name: No stays, nothing appended
    dialoge->AufgabeBeantworten(TKnopf::Nein);
    f().OkBtn->click();
    EXPECT_EQ(dialoge->Letzter().Aufgabe.Fenstertitel, QStringLiteral("Der Name fehlt."));
    EXPECT_EQ(dialoge->Letzter().Aufgabe.Vorgabe, TKnopf::Nein);
    EXPECT_TRUE(f().isVisible());

    // no abbreviation: Yes goes on; the truth question cancelled leaves all as it was
    ziehen(QStringLiteral("Name"), f().P[1]);
    ziehen(QStringLiteral("Anrede"), f().P[2]);
    dialoge->AufgabeBeantworten(TKnopf::Ja);
    dialoge->AufgabeBeantworten(TKnopf::Abbrechen);
    f().OkBtn->click();
    EXPECT_EQ(dialoge->Letzter().Aufgabe.Text, QStringLiteral("Wofür steht '1' ?"));
    EXPECT_EQ(dialoge->Letzter().Aufgabe.Optionen, QStringList({"Herr", "Frau"}));
    EXPECT_TRUE(f().isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Lehrerliste->Count(), 1);
    EXPECT_FALSE(Geaendert);

    // with the abbreviation: "Frau" for 1, the taken AB replaced, the message once
    ziehen(QStringLiteral("K"), f().P[0]);
    dialoge->AufgabeMitOption(TKnopf::Ok, 1);
    dialoge->MeldungBestaetigen();
    f().OkBtn->click();
    EXPECT_EQ(dialoge->Letzter().Text, QStringLiteral("Beim Import gab es mindestens einmal gleiche Kürzel für "
                                                      "verschiedene Lehrer.\nAls Ersatz wurde jeweils ein aus "
                                                      "Ziffern gebildetes Kürzel verwendet."));
    EXPECT_EQ(lehrerTexte(), QStringList({"001:Albers:Frau", "1:Berg:Herr", "AB:Vorher:"}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(f().isVisible());
    EXPECT_EQ(f().result(), TFImport::Ok);
    EXPECT_TRUE(Geaendert);
}

TEST_F(TImport, BefehlMitLesefehlerNeuOeffnenUndImport)
{
    zeigen();
    const QString gemerkt = QDir::toNativeSeparators(ordner.path() + QStringLiteral("/gemerkt/"));
    QDir(ordner.path()).mkdir(QStringLiteral("gemerkt"));
    Ini->WriteString(QStringLiteral("Data"), QStringLiteral("import"), gemerkt);
    const QString liste = datei(Kollegium, QStringLiteral("kollegium.csv"));
    QDir(ordner.path()).mkdir(QStringLiteral("kaputt.csv"));
    dialoge->DateiWaehlen(ordner.filePath(QStringLiteral("kaputt.csv")));
    dialoge->FehlermeldungBestaetigen();
    dialoge->DateiWaehlen(liste);
    beimOeffnen({
        [&] {
            EXPECT_EQ(f().FelderLB->count(), 0);
            EXPECT_EQ(f().lvDaten->model()->rowCount(), 0);
            f().OpenBtn->click();
        },
        [&] {
            EXPECT_EQ(f().windowTitle(), QStringLiteral("Lehrerliste importieren aus kollegium.csv"));
            EXPECT_EQ(f().Label5->text(), QStringLiteral("Anzahl der Datensätze in dieser Datenbank: 4"));
            ziehen(QStringLiteral("Kürzel"), f().P[0]);
            ziehen(QStringLiteral("Nachname"), f().P[1]);
            ziehen(QStringLiteral("Geschlecht"), f().P[2]);
            QTest::mouseClick(f().OkBtn, Qt::LeftButton);
        },
    });
    haupt->ImportCSV->trigger();

    ASSERT_EQ(dialoge->Gezeigt.size(), 3u);
    EXPECT_EQ(dialoge->Gezeigt[0].Datei.Filter, QStringLiteral("Textdateien (*.txt;*.csv)|*.txt;*.csv|Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(dialoge->Gezeigt[0].Datei.Ordner, gemerkt);
    EXPECT_TRUE(dialoge->Gezeigt[1].Text.contains(QStringLiteral("kann nicht geöffnet werden"))) << dialoge->Gezeigt[1].Text.toStdString();
    EXPECT_EQ(lehrerTexte(), QStringList({"ALB:Albers:Frau", "BÄC:Bäcker:Herr", "CLA:Claßen, Dr.:Herr", "DOR:Dorn:Frau"}));
    EXPECT_EQ(haupt->LV->rowCount(), 4);
    EXPECT_TRUE(Geaendert);
    EXPECT_EQ(Ini->ReadString(QStringLiteral("Data"), QStringLiteral("import"), QString()),
              QDir::toNativeSeparators(ordner.path() + QLatin1Char('/')));
    EXPECT_EQ(f().FelderLB->count(), 0); // the first line is released on closing
}

} // namespace

namespace {

// The dialog with a staff list fits the screen (the offscreen screen is 800 × 600). With
// SIMULTANO_BILDSCHIRMFOTO_IMPORT=datei.png it is also saved as a picture.
TEST_F(TImport, PasstAufDenBildschirm)
{
    oeffnen(Kollegium);
    ziehen(QStringLiteral("Kürzel"), f().P[0]);
    ziehen(QStringLiteral("Nachname"), f().P[1]);
    QTest::qWait(50);
    const QSize frei = f().screen()->availableGeometry().size();
    const QSize fenster = f().frameGeometry().size();
    EXPECT_TRUE(fenster.width() <= frei.width() && fenster.height() <= frei.height())
        << fenster.width() << "x" << fenster.height();
    EXPECT_GE(f().lvDaten->columnWidth(0), 60);
    const QString ziel = qEnvironmentVariable("SIMULTANO_BILDSCHIRMFOTO_IMPORT");
    if (!ziel.isEmpty()) {
        EXPECT_TRUE(f().grab().save(ziel));
    }
}

} // namespace
