#include "app/UDialoge.h"
#include "gui/QtAusgabe.h"

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(QtFilter, PaareWerdenZuQtFilternMitIhrenMustern)
{
    EXPECT_EQ(QtFilter(QStringLiteral("Konferenzplanung (*.spz)|*.spz|Alle Dateien (*.*)|*.*")),
              QStringList({"Konferenzplanung (*.spz)", "Alle Dateien (*)"}));
    EXPECT_EQ(QtFilter(QStringLiteral("Textdateien (*.txt;*.csv)|*.txt;*.csv")), QStringList({"Textdateien (*.txt *.csv)"}));
    // the patterns of the pair count, not those in the caption
    EXPECT_EQ(QtFilter(QStringLiteral("Tabelle|*.csv")), QStringList({"Tabelle (*.csv)"}));
    EXPECT_EQ(QtFilter(QStringLiteral("Texte (*.txt)|*.rtf")), QStringList({"Texte (*.rtf)"}));
    EXPECT_TRUE(QtFilter(QString()).isEmpty());
}

TEST(MitStandardendung, NurNamenOhneEndungBekommenSie)
{
    EXPECT_EQ(MitStandardendung(QStringLiteral("/schule/plan"), QStringLiteral("spz")), QStringLiteral("/schule/plan.spz"));
    EXPECT_EQ(MitStandardendung(QStringLiteral("/schule.2021/plan"), QStringLiteral("spz")),
              QStringLiteral("/schule.2021/plan.spz"));
    EXPECT_EQ(MitStandardendung(QStringLiteral("/schule/plan.alt"), QStringLiteral("spz")), QStringLiteral("/schule/plan.alt"));
    EXPECT_EQ(MitStandardendung(QStringLiteral("/schule/plan"), QString()), QStringLiteral("/schule/plan"));
}

// Runs the action on the message box as soon as it is shown.
void sobaldSichtbar(std::function<void(QMessageBox*)> aktion)
{
    auto* zeitgeber = new QTimer;
    zeitgeber->setInterval(5);
    QObject::connect(zeitgeber, &QTimer::timeout, [zeitgeber, aktion] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && box->isVisible()) {
            zeitgeber->stop();
            zeitgeber->deleteLater();
            aktion(box);
        }
    });
    zeitgeber->start();
}

class TQtDialogeTest : public ::testing::Test
{
protected:
    std::unique_ptr<IDialoge> dialoge = QtDialogeErzeugen();
};

TEST_F(TQtDialogeTest, AufgabeMitKontrollkaestchenUndVorgabeknopf)
{
    TAufgabe a;
    a.Fenstertitel = QStringLiteral("Hinweis:");
    a.Hauptanweisung = QStringLiteral("Daten <wurden> bearbeitet!");
    a.Text = QStringLiteral("Sollen die Änderungen gespeichert werden?");
    a.Kontrollkaestchen = QStringLiteral("Hinweis nicht mehr anzeigen");
    a.Knoepfe = TKnopfsatz::JaNeinAbbrechen;
    a.Vorgabe = TKnopf::Nein;
    QString titel, text, info;
    bool neinIstVorgabe = false;
    sobaldSichtbar([&](QMessageBox* box) {
        titel = box->windowTitle();
        text = box->text();
        info = box->informativeText();
        neinIstVorgabe = box->defaultButton() == box->button(QMessageBox::No);
        ASSERT_NE(box->checkBox(), nullptr);
        box->checkBox()->setChecked(true);
        box->button(QMessageBox::Yes)->click();
    });
    const TAufgabeAntwort antwort = dialoge->Aufgabe(nullptr, a);
    EXPECT_EQ(antwort.Knopf, TKnopf::Ja);
    EXPECT_TRUE(antwort.Angekreuzt);
    EXPECT_EQ(titel, QStringLiteral("Hinweis:"));
    EXPECT_TRUE(text.contains(QStringLiteral("Daten &lt;wurden&gt; bearbeitet!"))) << text.toStdString();
    EXPECT_EQ(info, QStringLiteral("Sollen die Änderungen gespeichert werden?"));
    EXPECT_TRUE(neinIstVorgabe);
}

TEST_F(TQtDialogeTest, SchliessenUeberDenRahmenIstAbbrechen)
{
    TAufgabe a;
    a.Hauptanweisung = QStringLiteral("Hinweis");
    a.Kontrollkaestchen = QStringLiteral("Hinweis nicht mehr anzeigen");
    a.Knoepfe = TKnopfsatz::Ok;
    sobaldSichtbar([](QMessageBox* box) {
        box->checkBox()->setChecked(true);
        box->close();
    });
    const TAufgabeAntwort antwort = dialoge->Aufgabe(nullptr, a);
    EXPECT_EQ(antwort.Knopf, TKnopf::Abbrechen);
}

TEST_F(TQtDialogeTest, FrageHatNeinAlsVorgabe)
{
    sobaldSichtbar([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_FALSE(dialoge->Frage(nullptr, QStringLiteral("Frage"), QStringLiteral("Datei ersetzen?")));
    sobaldSichtbar([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    EXPECT_TRUE(dialoge->Frage(nullptr, QStringLiteral("Frage"), QStringLiteral("Datei ersetzen?")));
}

} // namespace
