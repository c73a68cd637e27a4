// "Ausgaben …": the chosen outputs into the folder (remembered), the closing message, and
// the overview saved as PNG and SVG.
#include "core/Zeitplandaten.h"
#include "distribution/UAusgabenFenster.h"
#include "gui/Fenstertest.h"

#include "planning/UDatei.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

class AusgabenFenster : public TFensterTest
{
protected:
    TZeitplandaten daten;
    QTemporaryDir ziel;

    std::unique_ptr<TFAusgaben> fenster()
    {
        return std::make_unique<TFAusgaben>(*dialoge, haupt, daten.plan, daten.lehrer, QStringLiteral("Schule.spz"));
    }
};

} // namespace

TEST_F(AusgabenFenster, SchreibtDieGewaehltenUndMerktDenOrdner)
{
    const auto ausgaben = fenster();
    ausgaben->CTuerschilder->setChecked(false);
    ausgaben->CUebersicht->setChecked(false);
    ausgaben->EOrdner->setText(ziel.path());
    dialoge->MeldungBestaetigen();
    QTest::mouseClick(ausgaben->BSchreiben, Qt::LeftButton);

    // Lehrkraefte.pdf, five teachers' calendars and alle.ics.
    EXPECT_EQ(dialoge->Letzter().Text,
              QStringLiteral("7 Dateien wurden in den Ordner %1 geschrieben.").arg(QDir::toNativeSeparators(ziel.path())));
    EXPECT_TRUE(QFile::exists(ziel.filePath("Lehrkraefte.pdf")));
    EXPECT_FALSE(QFile::exists(ziel.filePath("Tuerschilder.pdf")));
    EXPECT_EQ(QDir(ziel.filePath("ics")).entryList(QDir::Files).size(), 6);
    EXPECT_EQ(ausgaben->Fortschritt->value(), ausgaben->Fortschritt->maximum());
    EXPECT_EQ(fenster()->EOrdner->text(), ziel.path());

    // Nothing chosen: said, nothing written.
    for (QCheckBox* k : {ausgaben->CLehrkraefte, ausgaben->CKalender})
        k->setChecked(false);
    dialoge->FehlermeldungBestaetigen();
    QTest::mouseClick(ausgaben->BSchreiben, Qt::LeftButton);
    EXPECT_EQ(dialoge->Letzter().Art, TScriptDialoge::TArt::Fehlermeldung);
}

TEST_F(AusgabenFenster, UebersichtAlsPngUndSvg)
{
    const auto ausgaben = fenster();
    const QString png = ziel.filePath("uebersicht.png");
    const QString svg = ziel.filePath("uebersicht.svg");
    dialoge->DateiWaehlen(png);
    QTest::mouseClick(ausgaben->findChild<QPushButton*>("BPng"), Qt::LeftButton);
    dialoge->DateiWaehlen(svg);
    QTest::mouseClick(ausgaben->findChild<QPushButton*>("BSvg"), Qt::LeftButton);

    const QImage bild(png);
    EXPECT_EQ(bild.width(), 2970);
    QByteArray text;
    ASSERT_EQ(DateiLesen(svg, text), QString());
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(text.contains("Raum 1"));
    // Two days, two sheets to choose from.
    EXPECT_EQ(ausgaben->CBlatt->count(), 2);
}
