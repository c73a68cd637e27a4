// LibreOffice Writer reads the minutes texts of the sample school as our own RTF reader does:
// same paragraphs, same text, tabs where the attendance lines have them, and "ı" arrives.
#include "minutes/UProtokoll.h"
#include "minutes/URtf.h"
#include "minutes/UTexte.h"
#include "planning/UDatei.h"
#include "planning/UProjekt.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

struct TKeineFrage : ITextUeberschreiben
{
    TAntwort Fragen(const QString&) override { return {}; }
};

} // namespace

TEST(LibreOffice, LiestDieTexteWieDieVorschau)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "soffice fehlt: LibreOffice Writer ist nicht installiert (scripts/install-deps.sh installiert "
                        "libreoffice-writer-nogui), der Vergleich mit LibreOffice entfällt.";

    TProjektErgebnis schule = ProjektLesen(QStringLiteral(SIMULTANO_QUELLORDNER "/resources/beispiel/Beispielschule.spz"));
    ASSERT_TRUE(schule.Ok()) << schule.Fehler.toStdString();
    auto neu = std::make_unique<TLehrer>(QStringLiteral("YI"), QStringLiteral("Yılmaz"), QStringLiteral("Frau"));
    TLehrer* yilmaz = neu.get();
    schule.Lehrer->LehrerHinzu(neu);
    TKlasse* erste = schule.Klassen->First();
    erste->Unterrichtende.prepend(yilmaz);
    erste->K_Leitung = {yilmaz};

    QTemporaryDir ordner;
    QTemporaryDir profil; // LibreOffice's own profile: parallel runs do not meet
    TTextAuftrag auftrag;
    auftrag.Klassen = {erste, schule.Klassen->Items(1), schule.Klassen->Last()};
    auftrag.Ordner = ordner.path();
    TKeineFrage frage;
    const TTexteErgebnis texte = TexteSpeichern(auftrag, frage);
    ASSERT_TRUE(texte.Ok()) << texte.Fehler.toStdString();

    QProcess lo;
    lo.setProcessChannelMode(QProcess::MergedChannels);
    lo.start(soffice, QStringList{QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profil.path()).toString(),
                                  QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                                  QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("--outdir"),
                                  ordner.filePath(QStringLiteral("txt"))} +
                          texte.Geschrieben);
    ASSERT_TRUE(lo.waitForFinished(180000)) << "soffice antwortet nicht";
    const QString ausgabe = QString::fromLocal8Bit(lo.readAll());

    for (const QString& rtf : texte.Geschrieben) {
        QByteArray bytes, text;
        ASSERT_EQ(DateiLesen(rtf, bytes), QString());
        const QString txt = ordner.filePath(QStringLiteral("txt/") + QFileInfo(rtf).completeBaseName() + QStringLiteral(".txt"));
        ASSERT_EQ(DateiLesen(txt, text), QString()) << ausgabe.toStdString();
        EXPECT_EQ(InZeilen(TextAusBytes(text)), InZeilen(RtfLesen(bytes).Text())) << rtf.toStdString();
    }
    QByteArray text;
    ASSERT_EQ(DateiLesen(ordner.filePath(QStringLiteral("txt/5a-Klassendaten.txt")), text), QString());
    const QString erster = TextAusBytes(text);
    for (const char* stueck : {"N i e d e r s c h r i f t\n", "über die Zeugniskonferenz (2. Halbjahr) der Klasse 5a\n",
                               "Anwesende:\n", "Klassenleiterin:\tFrau Yılmaz\n", "Fachlehrer/in:\tFrau Yılmaz, ",
                               "Beginn der Konferenz: ________ Uhr", "ordnungsgemäß einberufen", "beschlussfähig ist."})
        EXPECT_TRUE(erster.contains(QString::fromUtf8(stueck))) << stueck;
}
