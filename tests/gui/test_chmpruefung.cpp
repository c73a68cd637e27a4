#include "app/UChmDatei.h"
#include "app/UChmPruefung.h"
#include "app/USitemap.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray GebauteHilfe()
{
    QFile datei(QStringLiteral(SIMULTANO_HILFEDATEI));
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly));
    return datei.readAll();
}

bool Gueltig(QByteArray daten)
{
    QBuffer puffer(&daten);
    puffer.open(QIODevice::ReadOnly);
    return ChmAufbauGueltig(puffer);
}

void Schreiben(const QString& pfad, const QByteArray& daten)
{
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
    datei.write(daten);
}

// The check says no, and opening the file as help file gives the message instead of
// handing the file to chmlib.
bool Abgewiesen(const QByteArray& daten)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("Simulta.chm");
    Schreiben(pfad, daten);
    QString fehler;
    const bool abgewiesen = !TChmDatei::Oeffnen(pfad, &fehler);
    EXPECT_EQ(abgewiesen, fehler.contains("kann nicht gelesen werden")) << fehler.toStdString();
    return abgewiesen && !Gueltig(daten);
}

void Setzen32(QByteArray* daten, qsizetype stelle, quint32 wert)
{
    for (int i = 0; i < 4; ++i)
        (*daten)[stelle + i] = char((wert >> (8 * i)) & 0xff);
}

void Setzen64(QByteArray* daten, qsizetype stelle, quint64 wert)
{
    Setzen32(daten, stelle, quint32(wert));
    Setzen32(daten, stelle + 4, quint32(wert >> 32));
}

// The first directory entry with its name taken out: the chunk's entries move up and its
// free space grows by the name's length.
QByteArray OhneErstenNamen(QByteArray hilfe)
{
    const qsizetype pmgl = hilfe.indexOf("PMGL");
    const qsizetype blocklaenge = qsizetype(ChmZahl32(hilfe, hilfe.indexOf("ITSP") + 16));
    const int laenge = hilfe[pmgl + 20];
    hilfe.remove(pmgl + 21, laenge);
    hilfe.insert(pmgl + blocklaenge - laenge, QByteArray(laenge, '\0'));
    hilfe[pmgl + 20] = 0;
    Setzen32(&hilfe, pmgl + 4, ChmZahl32(hilfe, pmgl + 4) + quint32(laenge));
    return hilfe;
}

} // namespace

TEST(ChmAufbau, GebauteHilfeIstGueltig)
{
    EXPECT_TRUE(Gueltig(GebauteHilfe()));
}

// Each of these once made chmlib divide by zero, loop forever or write through a null pointer.
TEST(ChmAufbau, ErkenntWasChmlibZumAbsturzBraechte)
{
    const QByteArray hilfe = GebauteHilfe();
    const qsizetype lzxc = hilfe.indexOf("LZXC");
    const qsizetype pmgl = hilfe.indexOf("PMGL");
    ASSERT_GT(lzxc, 0);
    ASSERT_GT(pmgl, 0);

    QByteArray fenster = hilfe;
    Setzen32(&fenster, lzxc + 12, 0); // window size 0
    EXPECT_TRUE(Abgewiesen(fenster));
    Setzen32(&fenster, lzxc + 12, 3); // not a power of two
    EXPECT_TRUE(Abgewiesen(fenster));

    QByteArray intervall = hilfe;
    Setzen32(&intervall, lzxc + 8, 0); // reset interval 0
    EXPECT_TRUE(Abgewiesen(intervall));

    QByteArray kreis = hilfe;
    Setzen32(&kreis, pmgl + 16, 0); // the only listing chunk names itself as the next one
    EXPECT_TRUE(Abgewiesen(kreis));

    QByteArray name = hilfe;
    name[pmgl + 20] = char(0x85); // first name 640 bytes long
    name[pmgl + 21] = char(0x00);
    EXPECT_TRUE(Abgewiesen(name));

    QByteArray frei = hilfe;
    Setzen32(&frei, pmgl + 4, 0xFFFFFFF0u); // more free space than the chunk has
    EXPECT_TRUE(Abgewiesen(frei));

    EXPECT_TRUE(Abgewiesen(hilfe.left(0x60)));
    EXPECT_TRUE(Abgewiesen(hilfe.left(hilfe.indexOf("ITSP") + 40)));
    EXPECT_TRUE(Abgewiesen(QByteArray()));
}

// Damaged copies of the help file are refused or read completely; none may crash the reader.
TEST(ChmAufbau, BeschaedigteHilfedateienWerdenAbgewiesenOderGelesen)
{
    const QByteArray hilfe = GebauteHilfe();
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("Simulta.chm");
    QRandomGenerator zufall(20260109);
    int geoeffnet = 0;
    for (int runde = 0; runde < 300; ++runde) {
        QByteArray kopie = hilfe;
        if (runde % 3 == 0)
            kopie.truncate(zufall.bounded(kopie.size()));
        const qsizetype bereich = runde % 3 == 1 ? qMin<qsizetype>(kopie.size(), 6000) : kopie.size();
        for (int i = 0, n = 1 + zufall.bounded(32); i < n && bereich > 0; ++i)
            kopie[zufall.bounded(bereich)] = char(zufall.bounded(256));
        Schreiben(pfad, kopie);
        QString fehler;
        const auto chm = TChmDatei::Oeffnen(pfad, &fehler);
        if (!chm) {
            EXPECT_TRUE(fehler.contains("kann nicht gelesen werden")) << fehler.toStdString();
            continue;
        }
        ++geoeffnet;
        for (const QString& gespeichert : chm->Dateien())
            SitemapLesen(HilfetextDekodieren(chm->Lesen(gespeichert)));
    }
    EXPECT_GT(geoeffnet, 0) << "damage in the pages alone leaves the file readable";
}

// chmlib reads a compressed block into a buffer of the block length + 6144 bytes and does not
// check the length of the block it was asked for: the block length 32768 changed to 1024 made
// it write 3 KB past that buffer. An empty name made it index the byte before the name.
TEST(ChmAufbau, RuecksetztabelleUndLeereNamen)
{
    const QByteArray hilfe = GebauteHilfe();
    EXPECT_TRUE(Abgewiesen(OhneErstenNamen(hilfe)));
    // version 2, the number of blocks, entries of 8 bytes at 40; uncompressed, compressed and
    // block length; where each block begins (the help file has three blocks or more, the last
    // one empty)
    const qsizetype tabelle = hilfe.indexOf(QByteArray("\x08\0\0\0\x28\0\0\0", 8)) - 8;
    ASSERT_GT(tabelle, 0);
    const quint32 bloecke = ChmZahl32(hilfe, tabelle + 4);
    ASSERT_GE(bloecke, 3u);
    ASSERT_EQ(ChmZahl64(hilfe, tabelle + 32), 32768u);
    const qsizetype erster = tabelle + 40;
    const quint64 zweiterBlock = ChmZahl64(hilfe, erster + 8);
    const quint64 dritterBlock = ChmZahl64(hilfe, erster + 8 * qsizetype(bloecke - 1)); // the last one
    const std::pair<qsizetype, quint64> schaeden[] = {
        {tabelle + 32, 1024},                 // block length: block 0 no longer fits
        {tabelle + 32, 65536},                // no LZX frame length
        {erster + 8, 32768 + 6144 + 1},       // block 0 longer than its buffer
        {erster + 16, zweiterBlock - 1},      // block 1 negative
        {tabelle + 24, dritterBlock + 32768 + 6144 + 1}, // the last block, up to the compressed length
        {tabelle + 24, dritterBlock - 1},     // the last block negative
        {tabelle + 4, 4000},                  // more blocks than the table has entries
        {tabelle + 4, 1},                     // the stored files reach beyond the last block
    };
    for (const auto& [stelle, wert] : schaeden) {
        QByteArray kopie = hilfe;
        if (stelle == tabelle + 4)
            Setzen32(&kopie, stelle, quint32(wert));
        else
            Setzen64(&kopie, stelle, wert);
        EXPECT_TRUE(Abgewiesen(kopie)) << stelle - tabelle << " = " << wert;
    }
}
