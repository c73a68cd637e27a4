// Every window and dialog on the logical screen of a 1920 x 1080 display at 200 %: 960 x 540.
// Nothing lies outside the screen or its window, and no two controls of a layout overlap.
// SIMULTANO_KLEINFOTOS=<folder> writes a picture of each window there.
#include "gui/Fenstertest.h"
#include "gui/ImDialog.h"

#include "app/UBildschirm.h"
#include "distribution/UAusgabenFenster.h"
#include "distribution/UErgebnis.h"
#include "distribution/USaveResult.h"
#include "distribution/UZeitplanDialog.h"
#include "editing/UElternAdd.h"
#include "import/UImport.h"
#include "import/UImpStufenwahl.h"
#include "planning/UDatei.h"
#include "import/UMultClass.h"
#include "minutes/UText.h"
#include "minutes/UVorschau.h"

#include <QAbstractScrollArea>
#include <QLayout>
#include <QPushButton>
#include <QScreen>

#include <functional>

namespace {

using KleinerBildschirm = TFensterTest;

QString name(const QWidget* w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

bool imLayout(QLayout* layout, const QWidget* w)
{
    for (int i = 0; layout && i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == w || imLayout(item->layout(), w))
            return true;
    }
    return false;
}

// The contents of a scroll area may lie outside what it shows.
bool gescrollt(const QWidget* w, const QWidget* fenster)
{
    for (const QWidget* p = w->parentWidget(); p && p != fenster; p = p->parentWidget())
        if (auto* bereich = qobject_cast<const QAbstractScrollArea*>(p); bereich && w != bereich->viewport() &&
                                                                         !w->isAncestorOf(bereich))
            if (bereich->viewport()->isAncestorOf(w))
                return true;
    return false;
}

// What is wrong with the window's geometry, one line each; empty when nothing.
QStringList geometrieFehler(QWidget* fenster)
{
    QStringList fehler;
    const QRect bildschirm = fenster->screen()->availableGeometry();
    if (!bildschirm.contains(fenster->geometry()) ||
        fenster->size().grownBy(VermuteterRahmen).height() > bildschirm.height() ||
        fenster->size().grownBy(VermuteterRahmen).width() > bildschirm.width())
        fehler << QStringLiteral("%1 passt nicht auf den Bildschirm").arg(name(fenster));
    if (QLayout* layout = fenster->layout()) {
        const QSize minimum = layout->totalMinimumSize();
        if (minimum.width() > fenster->width() || minimum.height() > fenster->height())
            fehler << QStringLiteral("%1 ist kleiner als sein Layout").arg(name(fenster));
    }
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (w->isWindow() || !w->isVisibleTo(fenster) || gescrollt(w, fenster))
            continue;
        const QRect lage(w->mapTo(fenster, QPoint()), w->size());
        if (!fenster->rect().contains(lage))
            fehler << QStringLiteral("%1 ragt aus dem Fenster").arg(name(w));
        const QList<QWidget*> geschwister = w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (qsizetype i = 0; i < geschwister.size(); ++i)
            for (qsizetype j = i + 1; j < geschwister.size(); ++j) {
                QWidget *a = geschwister[i], *b = geschwister[j];
                if (a->isWindow() || b->isWindow() || !a->isVisibleTo(fenster) || !b->isVisibleTo(fenster) ||
                    !imLayout(w->layout(), a) || !imLayout(w->layout(), b))
                    continue;
                if (a->geometry().intersects(b->geometry()))
                    fehler << QStringLiteral("%1 überdeckt %2").arg(name(a), name(b));
            }
    }
    if (const QString ordner = qEnvironmentVariable("SIMULTANO_KLEINFOTOS"); !ordner.isEmpty())
        fenster->grab().save(ordner + QLatin1Char('/') + name(fenster) + QStringLiteral(".png"));
    return fehler;
}

// The dialog the command opens, checked while it is shown.
template <class D = QDialog>
void dialogPruefen(const char* was, const std::function<void()>& befehl)
{
    bool geprueft = false;
    EXPECT_TRUE(ImDialog<D>(befehl, [&](D& d) {
        QApplication::processEvents();
        EXPECT_EQ(geometrieFehler(&d), QStringList()) << was;
        geprueft = true;
    })) << was;
    EXPECT_TRUE(geprueft) << was;
}

TEST_F(KleinerBildschirm, JedesFensterPasstUndNichtsUeberdecktSich)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(960, 540)) << "needs the small screen";
    kleineSchule();
    Ini->WriteBool(QStringLiteral("Option"), QStringLiteral("hint2"), false);
    Ini->WriteBool(QStringLiteral("Option"), QStringLiteral("hint1"), false);
    zeigen();
    EXPECT_EQ(geometrieFehler(haupt), QStringList());
    // the teacher list with the assign button shown
    klicken(klassenKnoten(0));
    zeileKlicken(3);
    QApplication::processEvents();
    EXPECT_TRUE(haupt->Zuweisen->isVisible());
    EXPECT_EQ(geometrieFehler(haupt), QStringList());

    dialogPruefen("Klasse", [&] { haupt->B_KlasseHinzu->click(); });
    dialogPruefen("Lehrer", [&] { haupt->B_LehrerHinzu->click(); });
    dialogPruefen("Vorsitz", [&] { haupt->B_Vorsitz->click(); });
    dialogPruefen("Datum", [&] { haupt->BKonferenz->click(); });
    dialogPruefen("Elternvertretung", [&] { haupt->ElternBearbeiten->click(); });
    fenster->ElternAdd->k = k5a;
    dialogPruefen("Elternvertreter", [&] { fenster->ElternAdd->exec(); });
    dialogPruefen("Ergebnis", [&] { haupt->TB_auswert->trigger(); });
    dialogPruefen("Speichern als Text", [&] { fenster->SaveResult->Fragen(); });
    dialogPruefen("Vorschau", [&] { haupt->TexteSpeichern->trigger(); });
    dialogPruefen("Texte speichern", [&] { fenster->Text->Ausfuehren(QString(), false); });
}

// The teacher import, and the timetable and outputs opened from the result window.
TEST_F(KleinerBildschirm, ImportZeitplanUndAusgabenPassen)
{
    kleineSchule();
    Ini->WriteBool(QStringLiteral("Option"), QStringLiteral("hint2"), false);
    zeigen();
    const QString liste = ordner.filePath(QStringLiteral("liste.csv"));
    ASSERT_EQ(DateiSchreiben(liste, "Nachname;Vorname;K\xFCrzel;Geschlecht\r\nAlbers;Anna;ALB;w\r\n"), QString());
    dialoge->DateiWaehlen(liste);
    dialogPruefen<TFImport>("Lehrer importieren", [&] { haupt->ImportCSV->trigger(); });
    EXPECT_TRUE(ImDialog<TFErgebnis>([&] { haupt->TB_auswert->trigger(); }, [&](TFErgebnis& ergebnis) {
        dialogPruefen<TFZeitplanDialog>("Zeitplan", [&] { ergebnis.BZeitplan->click(); });
        dialogPruefen<TFAusgaben>("Ausgaben", [&] { ergebnis.Button6->click(); });
    }));
}

// The result window keeps its controls usable however low it is made: the side panel scrolls.
TEST_F(KleinerBildschirm, SeitenleisteDesErgebnisfenstersRollt)
{
    kleineSchule();
    Ini->WriteBool(QStringLiteral("Option"), QStringLiteral("hint2"), false);
    dialogPruefen<TFErgebnis>("Ergebnis niedrig", [&] {
        QTimer::singleShot(0, [&] { fenster->Ergebnis->resize(fenster->Ergebnis->minimumSize()); });
        haupt->TB_auswert->trigger();
    });
    EXPECT_LE(fenster->Ergebnis->minimumSize().height(), 300);
}

} // namespace
