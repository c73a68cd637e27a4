// Reading text files: byte-order marks, the Windows-1252 fallback and the three line ends.
#include "planning/UDatei.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Textdatei, KodierungNachMarke)
{
    struct TFall
    {
        QByteArray bytes;
        QString text;
    };
    const TFall faelle[] = {
        {"M\xFC\x80", QStringLiteral("Mü€")},                          // no mark: Windows-1252
        {"\xEF\xBB\xBFM\xC3\xBC", QStringLiteral("Mü")},               // UTF-8 mark, not part of the text
        {QByteArray("\xFF\xFEM\0\xFC\0", 6), QStringLiteral("Mü")},    // UTF-16 LE
        {QByteArray("\xFE\xFF\0M\0\xFC", 6), QStringLiteral("Mü")},    // UTF-16 BE
        {"M\xC3\xBC", QStringLiteral("MÃ¼")},                          // UTF-8 without mark stays Windows-1252
        {"", QString()},
    };
    for (const TFall& f : faelle)
        EXPECT_EQ(TextAusBytes(f.bytes), f.text) << f.bytes.toHex().constData();
}

TEST(Textdatei, Zeilenenden)
{
    EXPECT_EQ(InZeilen(QStringLiteral("a\r\nb\nc\rd")), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(InZeilen(QStringLiteral("a\r\n")), QStringList({"a"}));
    EXPECT_EQ(InZeilen(QStringLiteral("a\n\n\r\r\n")), QStringList({"a", "", "", ""}));
    EXPECT_EQ(InZeilen(QString()), QStringList());
}

TEST(Textdatei, LesenMitGrenzeUndFehler)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("liste.csv"));
    QStringList zeilen;
    EXPECT_TRUE(TextdateiLesen(pfad, zeilen).startsWith(QStringLiteral("Datei ")));
    ASSERT_EQ(DateiSchreiben(pfad, "Name;K\xFCrzel\r\nM\xFCller;MU\r\n"), QString());
    ASSERT_EQ(TextdateiLesen(pfad, zeilen), QString());
    EXPECT_EQ(zeilen, QStringList({QStringLiteral("Name;Kürzel"), QStringLiteral("Müller;MU")}));
    const QString zuGross = TextdateiLesen(pfad, zeilen, 10);
    EXPECT_TRUE(zuGross.contains(QStringLiteral("zu groß"))) << zuGross.toStdString();
    EXPECT_EQ(DateiSchreiben(ordner.filePath(QStringLiteral("fehlt/x.txt")), "x").left(7), QStringLiteral("Datei \""));
}
