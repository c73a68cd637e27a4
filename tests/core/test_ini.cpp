#include "core/VollePlatte.h"
#include "minutes/UProtokoll.h"
#include "planning/UCodepage.h"
#include "planning/UDatei.h"
#include "planning/UFehler.h"
#include "planning/UIni.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Einstellungen : public ::testing::Test
{
protected:
    QString pfad() const { return ordner.filePath(QStringLiteral("Simultano.ini")); }

    void schreibe(const QByteArray& inhalt)
    {
        QFile datei(pfad());
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
    }

    QByteArray inhalt() const
    {
        QFile datei(pfad());
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }

    QTemporaryDir ordner;
    TIniDatei ini{pfad()};
};

const QString Font = QStringLiteral("Font");
const QString Option = QStringLiteral("Option");
const QString Data = QStringLiteral("Data");

} // namespace

TEST_F(Einstellungen, OhneDateiGeltenDieVorgaben)
{
    EXPECT_EQ(ini.ReadString(Font, QStringLiteral("name"), QStringLiteral("Calibri")), QStringLiteral("Calibri"));
    EXPECT_EQ(ini.ReadInteger(Font, QStringLiteral("size"), 11), 11);
    EXPECT_TRUE(ini.ReadBool(Option, QStringLiteral("useMF"), true));
    EXPECT_EQ(SchriftstilLesen(ini), 0);
    EXPECT_FALSE(QFile::exists(pfad())); // reading never creates the file
}

TEST_F(Einstellungen, LeseregelnFuerTexte)
{
    schreibe("; Kommentar\r\n[FONT]\r\nNAME = \"Times New Roman\" \r\n[data]\r\nopen='/home/x/'\r\n"
             "template=\r\npath=  \"a\"b\"  \r\n[Option]\r\nhint1 = 0\r\n");
    EXPECT_EQ(ini.ReadString(Font, QStringLiteral("name"), {}), QStringLiteral("Times New Roman"));
    EXPECT_EQ(ini.ReadString(Data, QStringLiteral("open"), {}), QStringLiteral("/home/x/"));
    // present but empty: the empty text, not the default
    EXPECT_EQ(ini.ReadString(Data, QStringLiteral("template"), QStringLiteral("vorgabe")), QString());
    // only one pair of quotes that encloses the whole value is removed
    EXPECT_EQ(ini.ReadString(Data, QStringLiteral("path"), {}), QStringLiteral("a\"b"));
    // a key of another section is not found
    EXPECT_EQ(ini.ReadString(Option, QStringLiteral("name"), QStringLiteral("x")), QStringLiteral("x"));
    EXPECT_FALSE(ini.ReadBool(Option, QStringLiteral("HINT1"), true));
}

TEST_F(Einstellungen, LangeWerteWerdenGekuerztUndUmlauteGelesen)
{
    schreibe("[Data]\npath=" + QByteArray(3000, 'x') + "\ntemplate=C:\\Vorl\xE4gen\\Gr\xFC\xDF.rtf\n");
    EXPECT_EQ(ini.ReadString(Data, QStringLiteral("path"), {}).size(), 2047);
    EXPECT_EQ(ini.ReadString(Data, QStringLiteral("template"), {}), QStringLiteral("C:\\Vorlägen\\Grüß.rtf"));
}

TEST_F(Einstellungen, ZahlenUndWahrheitswerte)
{
    schreibe("[Font]\nsize=Zwoelf\n[Option]\nuseMF=ja\nhint1=\nhint2=0x10\n[Zahlen]\nneg=-3\nhex=0X1f\n"
             "gross=99999999999\nleer=\nplus=+4\nmitText=12pt\n");
    EXPECT_EQ(ini.ReadInteger(Font, QStringLiteral("size"), 11), 11);
    EXPECT_TRUE(ini.ReadBool(Option, QStringLiteral("useMF"), true));
    EXPECT_FALSE(ini.ReadBool(Option, QStringLiteral("useMF"), false));
    EXPECT_TRUE(ini.ReadBool(Option, QStringLiteral("hint1"), true));
    EXPECT_TRUE(ini.ReadBool(Option, QStringLiteral("hint2"), false));
    const QString z = QStringLiteral("Zahlen");
    EXPECT_EQ(ini.ReadInteger(z, QStringLiteral("neg"), 0), -3);
    EXPECT_EQ(ini.ReadInteger(z, QStringLiteral("hex"), 0), 31);
    EXPECT_EQ(ini.ReadInteger(z, QStringLiteral("gross"), 7), 7);
    EXPECT_EQ(ini.ReadInteger(z, QStringLiteral("leer"), 7), 7);
    EXPECT_EQ(ini.ReadInteger(z, QStringLiteral("plus"), 0), 4);
    EXPECT_EQ(ini.ReadInteger(z, QStringLiteral("mitText"), 7), 7);
}

TEST_F(Einstellungen, Schriftstil)
{
    EXPECT_EQ(SchriftstilAusText(QStringLiteral("bi")), StilFett | StilKursiv);
    EXPECT_EQ(SchriftstilAusText(QStringLiteral("ub")), StilFett | StilUnterstrichen);
    EXPECT_EQ(SchriftstilAusText(QStringLiteral("B")), 0);
    EXPECT_EQ(SchriftstilAusText(QStringLiteral("b-u-b")), StilFett | StilUnterstrichen);
    schreibe("[Font]\nstyle=\"iiu\"\n");
    EXPECT_EQ(SchriftstilLesen(ini), StilKursiv | StilUnterstrichen);
}

TEST_F(Einstellungen, SchreibenAendertNurDenEigenenSchluessel)
{
    const QByteArray vorher = "; Schule am See\r\n[Font]\r\nname=Arial\r\n\r\n[Data]\r\nOPEN=/alt/\r\n"
                              "import=/imp/\r\n\r\n[Fremd]\r\nx = 1\r\n";
    schreibe(vorher);
    ini.WriteString(Data, QStringLiteral("open"), QStringLiteral("/neu/Ördner/"));
    QByteArray erwartet = vorher;
    erwartet.replace("OPEN=/alt/", "OPEN=/neu/\xD6rdner/");
    EXPECT_EQ(inhalt(), erwartet);

    ini.WriteBool(Option, QStringLiteral("hint2"), false);
    ini.WriteString(Data, QStringLiteral("path"), QStringLiteral("/texte/"));
    erwartet.replace("import=/imp/\r\n", "import=/imp/\r\npath=/texte/\r\n");
    erwartet += "\r\n[Option]\r\nhint2=0\r\n";
    EXPECT_EQ(inhalt(), erwartet);
    EXPECT_FALSE(ini.ReadBool(Option, QStringLiteral("hint2"), true));
    EXPECT_EQ(ini.ReadString(Data, QStringLiteral("open"), {}), QStringLiteral("/neu/Ördner/"));
}

TEST_F(Einstellungen, ErsterSchreibvorgangLegtDieDateiAn)
{
    ini.WriteBool(Option, QStringLiteral("useMF"), false);
    EXPECT_EQ(inhalt(), QByteArray("\xEF\xBB\xBF[Option]\r\nuseMF=0\r\n"));
    EXPECT_FALSE(ini.ReadBool(Option, QStringLiteral("useMF"), true));
}

// Every value comes back as stored: a new file is UTF-8 with its mark; a Windows-1252 file
// stays so until a value needs more, and is then rewritten in UTF-8 with every other line.
TEST_F(Einstellungen, WerteAusserhalbVonWindows1252GehenNichtVerloren)
{
    const QString polnisch = QStringLiteral("/home/ola/łódź/vorlage.rtf");
    const struct
    {
        QByteArray vorher;
        QString wert;
        QByteArray nachher;
    } faelle[] = {
        {"", polnisch, "\xEF\xBB\xBF[Data]\r\ntemplate=/home/ola/\xC5\x82\xC3\xB3\x64\xC5\xBA/vorlage.rtf\r\n"},
        {"[Data]\r\nopen=/\xD6/\r\n", QStringLiteral("/Gr\u00FC\u00DFe/"), "[Data]\r\nopen=/\xD6/\r\ntemplate=/Gr\xFC\xDF\x65/\r\n"},
        {"[Data]\r\nopen=/\xD6/\r\n", polnisch,
         "\xEF\xBB\xBF[Data]\r\nopen=/\xC3\x96/\r\ntemplate=/home/ola/\xC5\x82\xC3\xB3\x64\xC5\xBA/vorlage.rtf\r\n"},
    };
    for (const auto& f : faelle) {
        QFile::remove(pfad());
        if (!f.vorher.isEmpty())
            schreibe(f.vorher);
        ini.WriteString(Data, QStringLiteral("template"), f.wert);
        EXPECT_EQ(inhalt(), f.nachher);
        EXPECT_EQ(ini.ReadString(Data, QStringLiteral("template"), {}), f.wert);
    }
    EXPECT_EQ(ini.ReadString(Data, QStringLiteral("open"), {}), QStringLiteral("/Ö/"));
}

// Sizes beyond what a word processor offers would overflow the RTF size; the file is read
// once for all keys of a command, and again only after it changed.
TEST_F(Einstellungen, SchriftgroesseBegrenztUndDateiEinmalGelesen)
{
    const std::pair<const char*, int> faelle[] = {{"1500000000", 144}, {"144", 144}, {"0", 1}, {"-30000", 1}, {"12", 12}};
    int lesungen = ini.Lesungen();
    for (const auto& [wert, groesse] : faelle) {
        QFile::remove(pfad());
        schreibe(QByteArray("[Font]\r\nname=Arial\r\nstyle=b\r\nsize=") + wert + "\r\n");
        {
            // written long ago: a file changed just now is read again for safety
            QFile datei(pfad());
            ASSERT_TRUE(datei.open(QIODevice::ReadWrite));
            ASSERT_TRUE(datei.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        }
        const TProtokollSchrift schrift = ProtokollSchriftLesen(ini);
        EXPECT_EQ(schrift.Groesse, groesse) << wert;
        EXPECT_EQ(schrift.Name, QStringLiteral("Arial"));
        EXPECT_EQ(ini.Lesungen(), ++lesungen) << wert;
    }
    EXPECT_TRUE(Standardvorlage(ProtokollSchriftLesen(ini)).join(QString()).contains(QStringLiteral("\\fs24\\b")));
    EXPECT_EQ(ini.Lesungen(), lesungen);
}

TEST_F(Einstellungen, FehlgeschlagenesSchreibenMeldetDieDatei)
{
    // a plain file where the folder should be: nothing can be written below it, not even by root
    schreibe("[Data]\r\n");
    const QString unerreichbar = pfad() + QStringLiteral("/Simultano.ini");
    TIniDatei gesperrt(unerreichbar);
    try {
        gesperrt.WriteString(Data, QStringLiteral("open"), QStringLiteral("/x/"));
        FAIL() << "no error";
    } catch (const TFehler& f) {
        EXPECT_EQ(f.Meldung, QStringLiteral("In %1 kann nicht geschrieben werden.").arg(unerreichbar));
    }
    EXPECT_EQ(inhalt(), QByteArray("[Data]\r\n"));
}

TEST_F(Einstellungen, VollePlatteLaesstDieAlteDateiStehen)
{
    const QByteArray vorher = "[Data]\r\nopen=/alt/\r\n";
    schreibe(vorher);
    {
        TVollePlatte voll(static_cast<rlim_t>(vorher.size()));
        EXPECT_THROW(ini.WriteString(Data, QStringLiteral("path"), QString(200, QLatin1Char('x'))), TFehler);
    }
    EXPECT_EQ(inhalt(), vorher);
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList({"Simultano.ini"}));
}

TEST_F(Einstellungen, SchreibfehlerLaesstDieAlteDateiStehen)
{
    // A folder in place of the file cannot be replaced: the write fails, nothing is lost.
    TIniDatei ordnerAlsDatei(ordner.path());
    EXPECT_THROW(ordnerAlsDatei.WriteString(Data, QStringLiteral("open"), QStringLiteral("/x/")), TFehler);
    EXPECT_TRUE(QFileInfo(ordner.path()).isDir());
    // a file too large to be read gives the defaults and is not replaced by the one key
    schreibe("[Data]\r\nopen=/alt/\r\n");
    ASSERT_TRUE(QFile::resize(pfad(), HoechsteDateigroesse + 1));
    EXPECT_EQ(ini.ReadString(Data, QStringLiteral("open"), QStringLiteral("-")), QStringLiteral("-"));
    EXPECT_THROW(ini.WriteString(Data, QStringLiteral("open"), QStringLiteral("/x/")), TFehler);
    EXPECT_EQ(QFileInfo(pfad()).size(), HoechsteDateigroesse + 1);
}

TEST(Einstellungsort, BeimProgrammOderImKonfigurationsordner)
{
    QTemporaryDir programm, konfig;
    EXPECT_EQ(IniDateinameWaehlen(programm.path() + QLatin1Char('/'), konfig.path()),
              programm.path() + QStringLiteral("/Simultano.ini"));
    EXPECT_EQ(IniDateinameWaehlen(programm.path() + QStringLiteral("/fehlt"), konfig.path()),
              konfig.filePath(QStringLiteral("Simultano.ini")));
    EXPECT_TRUE(InstallierterDatenordner(programm.path()).isEmpty());

    // installed (<prefix>/bin beside <prefix>/share/simultano): always the user's folder,
    // even where the program's folder is writable or holds a settings file
    ASSERT_TRUE(QDir(programm.path()).mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(QDir(programm.path()).mkpath(QStringLiteral("share/simultano")));
    const QString bin = programm.filePath(QStringLiteral("bin/"));
    QFile(bin + QStringLiteral("Simultano.ini")).open(QIODevice::WriteOnly);
    EXPECT_EQ(InstallierterDatenordner(bin), programm.filePath(QStringLiteral("share/simultano/")));
    EXPECT_EQ(IniDateinameWaehlen(bin, konfig.path()), konfig.filePath(QStringLiteral("Simultano.ini")));
}

// Only plain decimal or 0x hexadecimal digits after one optional sign are integers.
TEST_F(Einstellungen, NurGanzeZahlenSindZahlen)
{
    const std::pair<const char*, int> faelle[] = {
        {"0x-5", 7}, {"0x 1F", 7}, {"0x+7", 7}, {"0x", 7}, {"0x1G", 7}, {"- 5", 7}, {"+-3", 7}, {"1 2", 7},
        {"\xD9\xA3", 7}, {"0X1f", 31}, {"-0x10", -16}, {"+12", 12}, {" -3 ", -3}, {"'42'", 42}};
    for (const auto& [text, zahl] : faelle) {
        schreibe(QByteArray("[Z]\nwert=") + text + "\n");
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("Z"), QStringLiteral("wert"), 7), zahl) << text;
    }
}

// A line break or NUL in a value would add lines of its own to the file: such a value is
// refused and the file stays as it was.
TEST_F(Einstellungen, ZeilenumbruchImWertWirdAbgelehnt)
{
    const QByteArray vorher = "[Data]\r\npath=/alt/\r\n";
    for (const QString& wert : {QStringLiteral("/home/u/a\n[Option]\nuseMF=0"), QStringLiteral("/a\r/"),
                                QString::fromUtf16(u"/a\0b/", 5)}) {
        schreibe(vorher);
        EXPECT_THROW(ini.WriteString(Data, QStringLiteral("path"), wert), TFehler);
        EXPECT_EQ(inhalt(), vorher);
        EXPECT_TRUE(ini.ReadBool(Option, QStringLiteral("useMF"), true));
    }
}

// A UTF-8 byte-order mark, CR-only line ends and stray CRs at the end: every section is
// found, and writing keeps the file's own line end and encoding.
TEST_F(Einstellungen, ZeilenendenUndByteOrderMark)
{
    const std::pair<QByteArray, QByteArray> faelle[] = {
        {"\xEF\xBB\xBF[Option]\r\nuseMF=0\r\n",
         "\xEF\xBB\xBF[Option]\r\nuseMF=0\r\nhint1=0\r\n\r\n[Data]\r\nopen=/\xC3\xB6/\r\n"},
        {"[Option]\ruseMF=0\r", "[Option]\ruseMF=0\rhint1=0\r\r[Data]\ropen=/\xF6/\r"},
        {"[Option]\nuseMF=0\r\r", "[Option]\nuseMF=0\nhint1=0\n\n[Data]\nopen=/\xF6/\n"},
        {"[Option]\nuseMF=0\r\r\n", "[Option]\nuseMF=0\nhint1=0\n\n[Data]\nopen=/\xF6/\n"},
    };
    for (const auto& [vorher, nachher] : faelle) {
        schreibe(vorher);
        EXPECT_FALSE(ini.ReadBool(Option, QStringLiteral("useMF"), true)) << vorher.toStdString();
        ini.WriteBool(Option, QStringLiteral("hint1"), false);
        ini.WriteString(Data, QStringLiteral("open"), QStringLiteral("/ö/"));
        EXPECT_EQ(inhalt(), nachher);
    }
}
