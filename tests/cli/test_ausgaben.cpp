// simultano-cli ausgaben: exactly the files of the sample school's timetable, the calendars
// read back with libical and compared with the printed timetable, the PDFs with poppler.
#include "ausgabe/UDateinamen.h"
#include "ausgabe/UKonferenzliste.h"
#include "cli/CliLauf.h"
#include "planning/UDatei.h"
#include "planning/UProjekt.h"
#include "support/Kalenderlesen.h"

#include <QDir>
#include <QDirIterator>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

const QString Beispiel = QStringLiteral(SIMULTANO_QUELLORDNER "/resources/beispiel/Beispielschule.spz");

// The outputs draw with Qt Gui, as simultano-cli starts it for this subcommand.
struct TGuiProgramm
{
    int argc = 1;
    char name[9] = "test_cli";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QGuiApplication> app;
    TGuiProgramm()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
};

QStringList dateien(const QString& ordner)
{
    QStringList liste;
    QDirIterator it(ordner, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        liste << QDir(ordner).relativeFilePath(it.next());
    liste.sort();
    return liste;
}

QString poppler(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int seiten(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(30000);
    const auto treffer = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromUtf8(p.readAll()));
    return treffer.hasMatch() ? treffer.captured(1).toInt() : -1;
}

TGelesenerKalender kalender(const QString& datei)
{
    QByteArray bytes;
    EXPECT_EQ(DateiLesen(datei, bytes), QString());
    return KalenderLesen(bytes);
}

QString utcText(const QString& datum, const QString& uhrzeit)
{
    const QDateTime zeit(QDate::fromString(datum, Qt::ISODate), QTime::fromString(uhrzeit, QStringLiteral("HH:mm")),
                         QTimeZone("Europe/Berlin"));
    return zeit.toUTC().toString(Qt::ISODate);
}

// A conference as the JSON timetable and the calendar both give it.
using TEreignis = std::tuple<QString, QString, QString, QString>; // class, room, begin, end (UTC)

TEreignis ereignis(const TGelesenesEreignis& e)
{
    return {e.Titel.mid(QStringLiteral("Zeugniskonferenz ").size()), e.Ort, e.BeginnUtc.toString(Qt::ISODate),
            e.EndeUtc.toString(Qt::ISODate)};
}

} // namespace

TEST(CliAusgaben, DateienEntsprechenDemZeitplan)
{
    const TGuiProgramm programm;
    QTemporaryDir ordner;
    const TCliLauf lauf({"ausgaben", Beispiel, "-o", ordner.path(), "--schritte", "20000", "--json"});
    ASSERT_EQ(lauf.Status, 0) << lauf.Fehler.toStdString();
    const QJsonObject zeitplan = QJsonDocument::fromJson(lauf.Aus.toUtf8()).object();
    ASSERT_FALSE(zeitplan.isEmpty()) << lauf.Aus.toStdString();

    // The conferences of the timetable, all and per teacher (as the project says who sits in).
    const TProjektErgebnis projekt = ProjektLesen(Beispiel);
    std::set<TEreignis> alle;
    std::map<QString, std::set<TEreignis>> jeLehrkraft;
    std::set<std::pair<QString, QString>> raumTage;
    for (const QJsonValue& tag : zeitplan[QStringLiteral("tage")].toArray())
        for (const QJsonValue& fenster : tag[QStringLiteral("zeitfenster")].toArray())
            for (const QJsonValue& k : fenster[QStringLiteral("konferenzen")].toArray()) {
                const QString datum = tag[QStringLiteral("datum")].toString();
                const TEreignis e{k[QStringLiteral("klasse")].toString(), k[QStringLiteral("raum")].toString(),
                                  utcText(datum, k[QStringLiteral("beginn")].toString()),
                                  utcText(datum, k[QStringLiteral("ende")].toString())};
                alle.insert(e);
                raumTage.insert({datum, std::get<1>(e)});
                for (const TLehrer* l : Teilnehmende(*projekt.Klassen->SucheKlasse(std::get<0>(e))))
                    jeLehrkraft[l->Kuerzel].insert(e);
            }
    const auto draussen = zeitplan[QStringLiteral("nicht_untergebracht")].toArray().size();
    ASSERT_EQ(alle.size() + draussen, static_cast<std::size_t>(projekt.Klassen->Count()));
    EXPECT_EQ(draussen > 0, lauf.Fehler.contains("Ohne Termin")) << lauf.Fehler.toStdString();

    // Exactly these files: one calendar per teacher who sits in a conference.
    QStringList kuerzel;
    for (const TLehrer* l : *projekt.Lehrer)
        if (jeLehrkraft.count(l->Kuerzel))
            kuerzel << l->Kuerzel;
    QStringList erwartet = {"Lehrkraefte.pdf", "Tuerschilder.pdf", "Uebersicht.pdf", "ics/alle.ics"};
    const QStringList namen = SichereDateinamen(kuerzel, {"alle"});
    for (const QString& name : namen)
        erwartet << "ics/" + name + ".ics";
    erwartet.sort();
    EXPECT_EQ(dateien(ordner.path()), erwartet);

    std::set<TEreignis> gelesen;
    const TGelesenerKalender schule = kalender(ordner.filePath("ics/alle.ics"));
    EXPECT_EQ(schule.Fehler, 0);
    for (const TGelesenesEreignis& e : schule.Ereignisse)
        gelesen.insert(ereignis(e));
    EXPECT_EQ(gelesen, alle);
    for (int i = 0; i < kuerzel.size(); ++i) {
        const TGelesenerKalender eigener = kalender(ordner.filePath("ics/" + namen.at(i) + ".ics"));
        std::set<TEreignis> seine;
        for (const TGelesenesEreignis& e : eigener.Ereignisse)
            seine.insert(ereignis(e));
        EXPECT_EQ(eigener.Fehler, 0);
        EXPECT_EQ(seine, jeLehrkraft[kuerzel.at(i)]) << kuerzel.at(i).toStdString();
    }

    // One page per teacher (none of the sample has more than a page of conferences), per
    // room and day, and the overview on one sheet.
    EXPECT_EQ(seiten(ordner.filePath("Lehrkraefte.pdf")), kuerzel.size());
    EXPECT_EQ(seiten(ordner.filePath("Tuerschilder.pdf")), static_cast<int>(raumTage.size()));
    EXPECT_EQ(seiten(ordner.filePath("Uebersicht.pdf")), 1);
    const QString plaene = poppler("pdftotext", {ordner.filePath("Lehrkraefte.pdf"), "-"});
    EXPECT_EQ(plaene.count("Mein Konferenzplan"), kuerzel.size());
    EXPECT_EQ(plaene.count("Ihre letzte Konferenz endet um"), kuerzel.size());
    for (const QString& k : kuerzel)
        EXPECT_TRUE(plaene.contains(projekt.Lehrer->Suche(k)->Name)) << k.toStdString();
    const QString uebersicht = poppler("pdftotext", {ordner.filePath("Uebersicht.pdf"), "-"});
    for (const TEreignis& e : alle)
        EXPECT_TRUE(uebersicht.contains(std::get<0>(e))) << std::get<0>(e).toStdString();
    EXPECT_TRUE(poppler("pdffonts", {ordner.filePath("Uebersicht.pdf")}).contains("LiberationSans"));
}

TEST(CliAusgaben, NurEineArtUndGleicheUidsBeimNeuschreiben)
{
    const TGuiProgramm programm;
    QTemporaryDir ordner;
    auto uids = [&ordner] {
        std::map<std::string, std::string> jeKlasse;
        for (const TGelesenesEreignis& e : kalender(ordner.filePath("ics/alle.ics")).Ereignisse)
            jeKlasse[e.Titel.toStdString()] = e.Uid.toStdString();
        return jeKlasse;
    };
    ASSERT_EQ(TCliLauf({"ausgaben", Beispiel, "-o", ordner.path(), "--schritte", "5000", "--nur", "ics"}).Status, 0);
    EXPECT_FALSE(QFile::exists(ordner.filePath("Lehrkraefte.pdf")));
    const auto vorher = uids();
    // Another plan of the same school on the same day: the same events, updated.
    const TCliLauf anders({"ausgaben", Beispiel, "-o", ordner.path(), "--schritte", "5000", "--startwert", "7",
                           "--nur", "ics"});
    ASSERT_EQ(anders.Status, 0) << anders.Fehler.toStdString();
    // The classes placed both times keep their UIDs.
    int gleich = 0;
    for (const auto& [klasse, uid] : uids())
        if (vorher.count(klasse)) {
            EXPECT_EQ(uid, vorher.at(klasse)) << klasse;
            ++gleich;
        }
    EXPECT_GE(gleich, 20);

    QTemporaryDir nurPdf;
    ASSERT_EQ(TCliLauf({"ausgaben", Beispiel, "-o", nurPdf.path(), "--schritte", "5000", "--nur", "pdf"}).Status, 0);
    EXPECT_EQ(dateien(nurPdf.path()), (QStringList{"Lehrkraefte.pdf", "Tuerschilder.pdf", "Uebersicht.pdf"}));
}

TEST(CliAusgaben, Fehler)
{
    const TGuiProgramm programm;
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("datei");
    ASSERT_EQ(DateiSchreiben(datei, "x"), QString());
    const struct
    {
        QStringList argumente;
        QString meldung;
    } faelle[] = {
        {{"ausgaben", Beispiel}, "Der Zielordner fehlt"},
        {{"ausgaben", Beispiel, "-o", ordner.path(), "--nur", "rtf"}, "--nur"},
        {{"ausgaben", Beispiel, "-o", datei}, "kann nicht angelegt werden"},
        {{"ausgaben", ordner.filePath("fehlt.spz"), "-o", ordner.path()}, "fehlt.spz"},
    };
    for (const auto& fall : faelle) {
        const TCliLauf lauf(fall.argumente);
        EXPECT_EQ(lauf.Status, 1) << fall.argumente.join(' ').toStdString();
        EXPECT_TRUE(lauf.Fehler.contains(fall.meldung)) << lauf.Fehler.toStdString();
    }
}
