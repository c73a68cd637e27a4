#include "planning/UCodepage.h"
#include "planning/UFunctions.h"

#include <gtest/gtest.h>

TEST(Anrede, NurHerrWirdGebeugt)
{
    EXPECT_EQ(AnredeGebeugt(QStringLiteral("Herr")), QStringLiteral("Herrn"));
    EXPECT_EQ(AnredeGebeugt(QStringLiteral("Frau")), QStringLiteral("Frau"));
    EXPECT_EQ(AnredeGebeugt(QStringLiteral("herr")), QStringLiteral("herr"));
    EXPECT_EQ(AnredeGebeugt(QStringLiteral("Herr ")), QStringLiteral("Herr "));
    EXPECT_EQ(AnredeGebeugt(QString()), QString());

    TLehrer herr(QStringLiteral("MÜ"), QStringLiteral("Müller"), QStringLiteral("Herr"));
    TLehrer ohne(QStringLiteral("XY"), QStringLiteral("Yilmaz"), QString());
    EXPECT_EQ(LehrerMitAnrede(&herr, true), QStringLiteral("Herrn Müller"));
    EXPECT_EQ(LehrerMitAnrede(&herr, false), QStringLiteral("Herr Müller"));
    EXPECT_EQ(LehrerMitAnrede(&ohne, true), QStringLiteral(" Yilmaz"));
    EXPECT_EQ(LehrerMitAnrede(nullptr, true), QString());

    TEltern eltern(QStringLiteral("Frau"), QStringLiteral("Weiß"), 4);
    EXPECT_EQ(ElternMitAnrede(&eltern, false), QStringLiteral("Frau Weiß"));
    EXPECT_EQ(eltern.ID, QStringLiteral("4"));
    EXPECT_EQ(ElternMitAnrede(nullptr, false), QString());
}

TEST(RtfMaskieren, Escapes)
{
    EXPECT_EQ(RtfMaskieren(QStringLiteral("a}")), QStringLiteral("a\\}"));
    EXPECT_EQ(RtfMaskieren(QStringLiteral("{x}")), QStringLiteral("\\{x\\}"));
    EXPECT_EQ(RtfMaskieren(QStringLiteral("Schö")), QStringLiteral("Sch\\'F6"));
    EXPECT_EQ(RtfMaskieren(QStringLiteral("Süß")), QStringLiteral("S\\'FC\\'DF"));
    EXPECT_EQ(RtfMaskieren(QStringLiteral("\\")), QStringLiteral("\\\\"));
    EXPECT_EQ(RtfMaskieren(QStringLiteral("€")), QStringLiteral("\\'80"));
    // outside Windows-1252: \uN? with the signed 16-bit code; the rest stays as it was
    EXPECT_EQ(RtfMaskieren(QStringLiteral("Ł")), QStringLiteral("\\u321?"));
    EXPECT_EQ(RtfMaskieren(QStringLiteral("Yılmaz, Doğan, Şahin, Wróbel")),
              QStringLiteral("Y\\u305?lmaz, Do\\u287?an, \\u350?ahin, Wr\\'F3bel"));
    EXPECT_EQ(RtfMaskieren(QStringLiteral("\uFB01")), QStringLiteral("\\u-1279?"));
    EXPECT_EQ(RtfMaskieren(QStringLiteral("\U0001F600")), QStringLiteral("\\u-10179?\\u-8704?"));
    EXPECT_EQ(RtfMaskieren(QString()), QString());
    EXPECT_EQ(RtfMaskieren(QStringLiteral("plain text 127\x7f")), QStringLiteral("plain text 127\x7f"));
}

TEST(Halbjahr, MonatEntscheidet)
{
    const auto text = [](int jahr, int monat, int tag) { return HalbjahrText(DatumZuWert(QDate(jahr, monat, tag))); };
    EXPECT_EQ(text(2027, 3, 31), QStringLiteral("1. Halbjahr"));
    EXPECT_EQ(text(2026, 12, 1), QStringLiteral("1. Halbjahr"));
    EXPECT_EQ(text(2027, 1, 15), QStringLiteral("1. Halbjahr"));
    EXPECT_EQ(text(2027, 4, 1), QStringLiteral("2. Halbjahr"));
    EXPECT_EQ(text(2026, 11, 30), QStringLiteral("2. Halbjahr"));
    EXPECT_EQ(HalbjahrText(0.0), QStringLiteral("__. Halbjahr"));
    EXPECT_EQ(HalbjahrText(DatumZuWert(QDate(2027, 3, 31)) + 0.75), QStringLiteral("1. Halbjahr"));
}

TEST(Datumswert, TageSeit1899)
{
    EXPECT_EQ(DatumZuWert(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(DatumZuWert(QDate(1900, 1, 1)), 2.0);
    EXPECT_EQ(DatumZuWert(QDate(2021, 1, 24)), 44220.0);
    EXPECT_EQ(DatumText(44220.0), QStringLiteral("24.01.2021"));
    EXPECT_EQ(DatumText(44220.5), QStringLiteral("24.01.2021"));
    const QDateTime mittag = WertZuDatum(44220.5);
    EXPECT_EQ(mittag.time(), QTime(12, 0));
    EXPECT_DOUBLE_EQ(DatumZuWert(mittag), 44220.5);
    EXPECT_EQ(DatumZuWert(QDate()), 0.0);
    // damaged values never crash
    EXPECT_FALSE(WertZuDatum(std::numeric_limits<double>::quiet_NaN()).isValid());
    EXPECT_EQ(DatumText(1e300), QString());
    EXPECT_EQ(HalbjahrText(std::numeric_limits<double>::infinity()).right(10), QStringLiteral(". Halbjahr"));
}

TEST(Datumswert, GetipptesDatum)
{
    const struct
    {
        const char* text;
        QDate datum; // invalid: refused
    } faelle[] = {
        {"22.01.2027", {2027, 1, 22}}, {" 5.2.2027 ", {2027, 2, 5}}, {"5.2.27", {2027, 2, 5}},
        {"22012027", {2027, 1, 22}},   {"220127", {2027, 1, 22}},     {"29.02.2028", {2028, 2, 29}},
        {"29.02.2027", {}},            {"31.02.2027", {}},            {"0.1.2027", {}},
        {"22.13.2027", {}},            {"22.01.", {}},                {"22.01.202", {}},
        {"2201202", {}},               {"22-01-2027", {}},            {"", {}},
        {"\u0662\u0662.01.2027", {}}, // other digits than 0 to 9
    };
    for (const auto& f : faelle)
        EXPECT_EQ(DatumLesen(QString::fromUtf8(f.text)), f.datum) << f.text;
}

namespace {

QStringList teilen(const QString& text, QStringList start = {})
{
    ListeTeilen(text, start);
    return start;
}

} // namespace

TEST(ListeTeilen, Kommatextregel)
{
    EXPECT_EQ(teilen(QStringLiteral("AB/CD")), QStringList({"AB", "CD"}));
    EXPECT_EQ(teilen(QStringLiteral("A B")), QStringList({"A", "B"}));
    EXPECT_EQ(teilen(QStringLiteral("AB/")), QStringList({"AB", ""}));
    EXPECT_EQ(teilen(QStringLiteral("AB, ")), QStringList({"AB"}));
    EXPECT_EQ(teilen(QStringLiteral("AB,,CD")), QStringList({"AB", "", "CD"}));
    EXPECT_EQ(teilen(QStringLiteral("  AB ,  CD  ")), QStringList({"AB", "CD"}));
    EXPECT_EQ(teilen(QStringLiteral("\"A B\",C")), QStringList({"A B", "C"}));
    EXPECT_EQ(teilen(QStringLiteral("\"Say \"\"hi\"\"\"")), QStringList({"Say \"hi\""}));
    EXPECT_EQ(teilen(QStringLiteral("\"offen")), QStringList({"offen"}));
    EXPECT_EQ(teilen(QStringLiteral(",")), QStringList({"", ""}));
    EXPECT_EQ(teilen(QStringLiteral("A\tB\nC")), QStringList({"A", "B", "C"}));
    EXPECT_EQ(teilen(QStringLiteral("AB") + QChar(u'\0') + QStringLiteral("CD")), QStringList({"AB"}));
    EXPECT_EQ(teilen(QStringLiteral("AB"), {"alt", "alt"}), QStringList({"AB"}));
}

TEST(ListeTeilen, LeererTextLaesstDieListeUnberuehrt)
{
    QStringList leer;
    EXPECT_FALSE(ListeTeilen(QString(), leer));
    EXPECT_TRUE(leer.isEmpty());
    QStringList alt{"X"};
    EXPECT_TRUE(ListeTeilen(QString(), alt));
    EXPECT_EQ(alt, QStringList({"X"}));
    QStringList nurLeerzeichen;
    EXPECT_FALSE(ListeTeilen(QStringLiteral("   "), nurLeerzeichen));
}

TEST(ElternID, HoechsteUeberAlleKlassen)
{
    TKlassenliste klassen;
    EXPECT_EQ(HoechsteElternID(klassen), 0);
    auto a = std::make_unique<TKlasse>(QStringLiteral("5a"));
    a->Elternvertreter.Add(std::make_unique<TEltern>(QStringLiteral("Frau"), QStringLiteral("A"), 3));
    auto b = std::make_unique<TKlasse>(QStringLiteral("6a"));
    b->Elternvertreter.Add(std::make_unique<TEltern>(QStringLiteral("Herr"), QStringLiteral("B"), 7));
    b->Elternvertreter.Add(std::make_unique<TEltern>(QStringLiteral("Herr"), QStringLiteral("C"), 2));
    klassen.Add(std::move(a));
    klassen.Add(std::move(b));
    EXPECT_EQ(HoechsteElternID(klassen), 7);
}

TEST(RelativerPfad, ZumProgrammordner)
{
    EXPECT_EQ(RelativerPfad(QStringLiteral("/opt/simultano/protokoll.rtf"), QStringLiteral("/opt/simultano/")),
              QStringLiteral("./protokoll.rtf"));
    EXPECT_EQ(RelativerPfad(QStringLiteral("/opt/simultano/vorlagen/a.rtf"), QStringLiteral("/opt/simultano/")),
              QStringLiteral("./vorlagen/a.rtf"));
    EXPECT_EQ(RelativerPfad(QStringLiteral("/home/lena/Vorlagen/a.rtf"), QStringLiteral("/opt/simultano/")),
              QStringLiteral("../../home/lena/Vorlagen/a.rtf"));
    EXPECT_EQ(RelativerPfad(QStringLiteral("vorlage.rtf"), QStringLiteral("/opt/simultano/")),
              QStringLiteral("vorlage.rtf"));
}

TEST(Leerzeichen, Bereinigen)
{
    EXPECT_EQ(LeerzeichenBereinigen(QStringLiteral("  Anna   Maria  Schmidt ")), QStringLiteral("Anna Maria Schmidt"));
    EXPECT_EQ(LeerzeichenBereinigen(QStringLiteral("a\t b")), QStringLiteral("a\t b"));
    EXPECT_EQ(LeerzeichenBereinigen(QStringLiteral("   ")), QString());
}

TEST(Codepage, Windows1252)
{
    EXPECT_EQ(Cp1252Kodieren(QStringLiteral("äöüÄÖÜß")), QByteArray("\xE4\xF6\xFC\xC4\xD6\xDC\xDF"));
    EXPECT_EQ(Cp1252Kodieren(QStringLiteral("€„“–")), QByteArray("\x80\x84\x93\x96"));
    EXPECT_EQ(Cp1252Kodieren(QStringLiteral("Łę😀")), QByteArray("???" "?")); // a surrogate pair is two code units
    for (int b = 0; b < 256; ++b) {
        const QChar c = Cp1252Zeichen(static_cast<unsigned char>(b));
        EXPECT_EQ(static_cast<unsigned char>(Cp1252Byte(c)), b) << "byte " << b;
    }
    EXPECT_EQ(Cp1252Dekodieren(QByteArray("Gr\xFC\xDF")), QStringLiteral("Grüß"));
}
