// Writing the texts of many classes: file names, the overwrite answers, a failed write.
#include "minutes/UProtokoll.h"
#include "minutes/UTexte.h"
#include "planning/UDatei.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <deque>

namespace {

struct TAntworten : ITextUeberschreiben
{
    std::deque<TAntwort> antworten;
    QStringList gefragt;
    TAntwort Fragen(const QString& dateiname) override
    {
        gefragt << dateiname;
        const TAntwort a = antworten.empty() ? TAntwort() : antworten.front();
        if (!antworten.empty())
            antworten.pop_front();
        return a;
    }
};

QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(Texte, DateinamenBleibenImOrdner)
{
    EXPECT_EQ(TextDateiname(QStringLiteral("5a"), QStringLiteral("Klassendaten")), QStringLiteral("5a-Klassendaten.rtf"));
    EXPECT_EQ(TextDateiname(QStringLiteral("5a"), QString()), QStringLiteral("5a-.rtf"));
    EXPECT_EQ(TextDateiname(QStringLiteral("../x"), QStringLiteral("a/..\\b")), QStringLiteral("___x-a_.._b.rtf"));
    EXPECT_EQ(TextDateiname(QStringLiteral("..") + QChar(0) + QStringLiteral("\n"), QStringLiteral("..")),
              QStringLiteral("____-...rtf"));
}

TEST(Texte, UeberschreibenNachAntwort)
{
    // five classes, the files of 5b and 6b exist already
    TLehrerliste lehrer;
    TKlassenliste klassen;
    QList<const TKlasse*> alle;
    for (const char* name : {"5a", "5b", "6a", "6b", "../x"}) {
        auto k = std::make_unique<TKlasse>(QString::fromUtf8(name));
        alle << k.get();
        klassen.Add(std::move(k));
    }
    struct TFall
    {
        std::deque<ITextUeberschreiben::TAntwort> antworten;
        int fragen;
        bool neu5b, neu6b;
    };
    const TFall faelle[] = {
        {{{false, true}}, 1, false, false}, // No, no more questions: both existing files stay
        {{{true, true}}, 1, true, true},    // Yes, no more questions: both are replaced
        {{{false, false}, {true, false}}, 2, false, true},
    };
    for (const TFall& f : faelle) {
        QTemporaryDir ordner;
        const QDir dir(ordner.path());
        for (const char* name : {"5b-Klassendaten.rtf", "6b-Klassendaten.rtf"})
            ASSERT_EQ(DateiSchreiben(dir.filePath(QString::fromUtf8(name)), "alt"), QString());
        TAntworten frage;
        frage.antworten = f.antworten;
        TTextAuftrag auftrag;
        auftrag.Klassen = alle;
        auftrag.Ordner = ordner.path();
        const TTexteErgebnis e = TexteSpeichern(auftrag, frage);
        EXPECT_TRUE(e.Ok());
        EXPECT_EQ(frage.gefragt.size(), f.fragen);
        EXPECT_EQ(frage.gefragt.first(), QStringLiteral("5b-Klassendaten.rtf"));
        EXPECT_EQ(lesen(dir.filePath(QStringLiteral("5b-Klassendaten.rtf"))) != "alt", f.neu5b);
        EXPECT_EQ(lesen(dir.filePath(QStringLiteral("6b-Klassendaten.rtf"))) != "alt", f.neu6b);
        EXPECT_EQ(e.Geschrieben.size() + e.Uebersprungen.size(), 5);
        // the class "../x" stays in the folder, visible, and its file holds its text
        EXPECT_EQ(lesen(dir.filePath(QStringLiteral("___x-Klassendaten.rtf"))), ProtokollTextSchreiben(*alle[4], Standardvorlage(TProtokollSchrift()), true));
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("../x-Klassendaten.rtf"))));
    }
}

TEST(Texte, FehlerHaeltAnUndNenntDieDatei)
{
    QTemporaryDir ordner;
    TKlasse a(QStringLiteral("5a")), b(QStringLiteral("5b"));
    // a folder in the way of the second file
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("5b-Klassendaten.rtf")));
    TAntworten frage;
    frage.antworten = {{true, false}};
    TTextAuftrag auftrag;
    auftrag.Klassen = {&a, &b, &a};
    auftrag.Ordner = ordner.path();
    const TTexteErgebnis e = TexteSpeichern(auftrag, frage);
    EXPECT_EQ(e.Geschrieben, QStringList{ordner.filePath(QStringLiteral("5a-Klassendaten.rtf"))});
    EXPECT_TRUE(e.Fehler.startsWith(QStringLiteral("Datei \"%1\" kann nicht erstellt werden.")
                                        .arg(QDir::toNativeSeparators(ordner.filePath(QStringLiteral("5b-Klassendaten.rtf"))))))
        << e.Fehler.toStdString();
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("5a-Klassendaten.rtf")});

    // a template that cannot be read: its error, and no file at all
    QTemporaryDir leer;
    auftrag.Ordner = leer.path();
    auftrag.VorlageDatei = ordner.filePath(QStringLiteral("gross.rtf"));
    ASSERT_EQ(DateiSchreiben(auftrag.VorlageDatei, QByteArray(HoechsteVorlagengroesse + 1, 'x')), QString());
    const TTexteErgebnis v = TexteSpeichern(auftrag, frage);
    EXPECT_TRUE(v.Fehler.contains(QStringLiteral("ist zu groß"))) << v.Fehler.toStdString();
    EXPECT_TRUE(v.Geschrieben.isEmpty());
    EXPECT_TRUE(QDir(leer.path()).isEmpty());
}
