// simultano-cli never harms what is not its own and never reports a failure as success:
// devices and pipes, its own input, lost characters, a full standard output, contradictory options.
#include "cli/CliLauf.h"
#include "planning/UDatei.h"
#include "planning/UProjekt.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QString export_(const char* name)
{
    return QStringLiteral(SIMULTANO_QUELLORDNER "/tests/daten/xml/") + QString::fromUtf8(name);
}

bool istPipe(const QString& pfad)
{
    struct stat s;
    return ::lstat(QFile::encodeName(pfad).constData(), &s) == 0 && S_ISFIFO(s.st_mode);
}

class CliSchutz : public ::testing::Test
{
protected:
    QTemporaryDir ordner;
    QString pfad(const char* name) const { return ordner.filePath(QString::fromUtf8(name)); }
};

// A pipe (or device) as a target stays what it is; one as input is refused at once rather
// than waited on for ever.
TEST_F(CliSchutz, PipesWerdenWederErsetztNochGelesen)
{
    const QString pipe = pfad("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString liste = pfad("liste.csv");
    ASSERT_EQ(DateiSchreiben(liste, "AB;Albers\r\n"), QString());
    const QStringList aufrufe[] = {
        {"import-xml", export_("gymnasium.xml"), "-o", pipe},
        {"import-csv", liste, "--projekt", pipe, "--name", "2"},
        {"import-csv", pipe, "--projekt", pfad("schule.spz"), "--name", "1"},
        {"pruefen", pipe},
    };
    for (const QStringList& aufruf : aufrufe) {
        const TCliLauf lauf(aufruf);
        EXPECT_EQ(lauf.Status, 1) << aufruf.join(' ').toStdString();
        EXPECT_TRUE(lauf.Fehler.contains(QStringLiteral("keine gewöhnliche Datei, sondern ein Gerät, eine Pipe")))
            << lauf.Fehler.toStdString();
        EXPECT_TRUE(istPipe(pipe));
    }
    EXPECT_FALSE(QFile::exists(pfad("schule.spz")));
}

// Characters outside Windows-1252 are named with their records; two abbreviations that would
// become one refuse the write unless --trotzdem.
TEST_F(CliSchutz, FragezeichenWerdenGenannt)
{
    const QString liste = pfad("liste.csv");
    const QString projekt = pfad("schule.spz");
    ASSERT_EQ(DateiSchreiben(liste, "\xEF\xBB\xBFK\xC3\xBCrzel;Name\n\xC5\x81\x41;Nowak\n\xC5\x9A\x41;Kowalski\nJY;J\xC4\xB1lmaz\n"),
              QString());
    const QStringList aufruf{"import-csv", liste, "--projekt", projekt, "--kuerzel", "1", "--name", "2"};
    const TCliLauf abgelehnt(aufruf);
    EXPECT_EQ(abgelehnt.Status, 1);
    EXPECT_TRUE(abgelehnt.Fehler.contains(QStringLiteral("Warnung: Lehrkraft ŁA: Kürzel \"ŁA\" wird zu \"?A\".\n")))
        << abgelehnt.Fehler.toStdString();
    EXPECT_TRUE(abgelehnt.Fehler.contains(QStringLiteral("Warnung: Lehrkraft JY: Name \"Jılmaz\" wird zu \"J?lmaz\".\n")));
    EXPECT_TRUE(abgelehnt.Fehler.contains(QStringLiteral("Die Kürzel \"ŚA\" und \"ŁA\" werden beide zu \"?A\".")));
    EXPECT_FALSE(QFile::exists(projekt));

    const TCliLauf trotzdem(aufruf + QStringList{"--trotzdem"});
    EXPECT_EQ(trotzdem.Status, 0) << trotzdem.Fehler.toStdString();
    EXPECT_TRUE(trotzdem.Fehler.contains(QStringLiteral("Warnung: Lehrkraft ŚA")));
    EXPECT_EQ(ProjektLesen(projekt).Lehrer->Count(), 3);
}

// Output that does not arrive, an input overwritten by the output, a range the wrong way
// round and an option given twice all end with status 1.
TEST_F(CliSchutz, FehlerSindNieErfolg)
{
    QFile voll(QStringLiteral("/dev/full"));
    ASSERT_TRUE(voll.open(QIODevice::WriteOnly));
    for (const QStringList& aufruf : {QStringList{"--help"}, QStringList{"pruefen", "--help"}}) {
        QTextStream aus(&voll);
        QString meldungen;
        QTextStream fehler(&meldungen);
        TCli cli{aus, fehler};
        EXPECT_EQ(CliAusfuehren(aufruf, cli), 1);
        EXPECT_TRUE(meldungen.contains(QStringLiteral("Die Ausgabe konnte nicht vollständig geschrieben werden."))) << meldungen.toStdString();
    }

    const QString eingabe = pfad("export.xml");
    ASSERT_TRUE(QFile::copy(export_("gymnasium.xml"), eingabe));
    ASSERT_TRUE(QFile::link(eingabe, pfad("verknuepfung.spz")));
    const struct
    {
        QStringList aufruf;
        const char* meldung;
    } faelle[] = {
        {{"import-xml", eingabe, "-o", eingabe}, "ist die Eingabe; sie würde überschrieben."},
        {{"import-xml", eingabe, "-o", pfad("verknuepfung.spz")}, "ist die Eingabe; sie würde überschrieben."},
        {{"import-xml", eingabe, "-o", pfad("a.spz"), "--stufen", "13-5"}, "nicht \"13-5\""},
        {{"import-xml", eingabe, "-o", pfad("a.spz"), "-o", pfad("b.spz")}, "Die Option -o ist mehrfach angegeben."},
        {{"verteilen", pfad("a.spz"), "--grenze", "3", "--grenze=4"}, "Die Option --grenze ist mehrfach angegeben."},
    };
    for (const auto& f : faelle) {
        const TCliLauf lauf(f.aufruf);
        EXPECT_EQ(lauf.Status, 1) << f.meldung;
        EXPECT_TRUE(lauf.Fehler.contains(QString::fromUtf8(f.meldung))) << lauf.Fehler.toStdString();
    }
    EXPECT_FALSE(QFile::exists(pfad("a.spz")));
    EXPECT_FALSE(QFile::exists(pfad("b.spz")));
    QByteArray gelesen, original;
    ASSERT_EQ(DateiLesen(eingabe, gelesen), QString());
    ASSERT_EQ(DateiLesen(export_("gymnasium.xml"), original), QString());
    EXPECT_EQ(gelesen, original);
}

} // namespace
