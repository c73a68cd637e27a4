#include "app/UChmPruefung.h"

#include <QByteArray>
#include <QHash>
#include <QIODevice>
#include <QSet>

#include <vector>

namespace {

// Limits chmlib relies on without checking: its path buffer, the stack buffer it reads the
// compression's control data into, and what a sane directory needs.
constexpr quint64 hoechsteNamenslaenge = 512;
constexpr quint64 hoechsteSteuerdaten = 256;
constexpr quint64 hoechstesVerzeichnis = 16 * 1024 * 1024;
constexpr quint64 hoechsteRuecksetztabelle = 1024 * 1024;
// The LZX frame of compiled help files; every help compiler writes blocks of this length.
constexpr quint64 lzxBlocklaenge = 0x8000;
// chmlib reads a compressed block into a buffer of the block length and this many bytes more.
constexpr quint64 kompressionsreserve = 6144;
constexpr qint64 itsfLaenge = 0x60;
constexpr qint64 itspLaenge = 0x54;

const QByteArray steuerdatenName = "::DataSpace/Storage/MSCompressed/ControlData";
const QByteArray inhaltName = "::DataSpace/Storage/MSCompressed/Content";
const QByteArray ruecksetzName =
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";

struct TEintrag
{
    quint64 Raum = 0;
    quint64 Start = 0;
    quint64 Laenge = 0;
};

// Reads the variable-length numbers and names of a directory chunk, never past its end.
struct TBlockLeser
{
    const QByteArray& Block;
    qsizetype Stelle;
    qsizetype Ende;
    bool Gut = true;

    quint64 Zahl()
    {
        quint64 wert = 0;
        for (int i = 0; i < 9; ++i) {
            if (Stelle >= Ende) {
                Gut = false;
                return 0;
            }
            const auto b = static_cast<unsigned char>(Block[Stelle++]);
            wert = (wert << 7) | (b & 0x7f);
            if (b < 0x80)
                return wert;
        }
        Gut = false;
        return 0;
    }

    QByteArray Name()
    {
        const quint64 laenge = Zahl();
        // chmlib looks at the last character of every name
        if (!Gut || laenge == 0 || laenge > hoechsteNamenslaenge || laenge > quint64(Ende - Stelle)) {
            Gut = false;
            return QByteArray();
        }
        Stelle += qsizetype(laenge);
        return Block.mid(Stelle - qsizetype(laenge), qsizetype(laenge));
    }
};

struct TVerzeichnis
{
    std::vector<QByteArray> Bloecke;
    qint32 Wurzel = -1;
    qint32 Anfang = 0;
    QHash<QByteArray, TEintrag> Eintraege;
};

bool Ist(const QByteArray& block, const char* kennung)
{
    return block.startsWith(kennung);
}

// A listing chunk: "PMGL", free space, unknown, previous and next chunk, then the entries.
bool ListenblockPruefen(const QByteArray& block, int anzahl, QHash<QByteArray, TEintrag>* eintraege)
{
    const quint32 frei = ChmZahl32(block, 4);
    const auto naechster = qint32(ChmZahl32(block, 16));
    if (frei > quint32(block.size() - 20) || naechster < -1 || naechster >= anzahl)
        return false;
    TBlockLeser leser{block, 20, block.size() - qsizetype(frei)};
    while (leser.Gut && leser.Stelle < leser.Ende) {
        const QByteArray name = leser.Name();
        TEintrag eintrag;
        eintrag.Raum = leser.Zahl();
        eintrag.Start = leser.Zahl();
        eintrag.Laenge = leser.Zahl();
        if (leser.Gut)
            eintraege->insert(name, eintrag);
    }
    return leser.Gut;
}

// An index chunk: "PMGI", free space, then names with the chunk to look in. Those chunks
// lie before it, so a lookup always ends.
bool IndexblockPruefen(const QByteArray& block, int nummer)
{
    const quint32 frei = ChmZahl32(block, 4);
    if (frei > quint32(block.size() - 8))
        return false;
    TBlockLeser leser{block, 8, block.size() - qsizetype(frei)};
    while (leser.Gut && leser.Stelle < leser.Ende) {
        leser.Name();
        if (leser.Zahl() >= quint64(nummer))
            return false;
    }
    return leser.Gut;
}

bool BloeckePruefen(TVerzeichnis* verzeichnis)
{
    const int anzahl = int(verzeichnis->Bloecke.size());
    for (int i = 0; i < anzahl; ++i) {
        const QByteArray& block = verzeichnis->Bloecke[size_t(i)];
        if (Ist(block, "PMGL") && !ListenblockPruefen(block, anzahl, &verzeichnis->Eintraege))
            return false;
        if (Ist(block, "PMGI") && !IndexblockPruefen(block, i))
            return false;
    }
    return true;
}

// The listing chunks form a chain from the first one, which must end.
bool KettePruefen(const TVerzeichnis& verzeichnis)
{
    QSet<qint32> besucht;
    for (qint32 block = verzeichnis.Anfang; block != -1;) {
        if (block < 0 || block >= qint32(verzeichnis.Bloecke.size()) || besucht.contains(block)
            || !Ist(verzeichnis.Bloecke[size_t(block)], "PMGL"))
            return false;
        besucht.insert(block);
        block = qint32(ChmZahl32(verzeichnis.Bloecke[size_t(block)], 16));
    }
    const qint32 wurzel = verzeichnis.Wurzel == -1 ? verzeichnis.Anfang : verzeichnis.Wurzel;
    return wurzel >= 0 && wurzel < qint32(verzeichnis.Bloecke.size());
}

bool Lesen(QIODevice& datei, quint64 stelle, quint64 laenge, QByteArray* ziel)
{
    if (stelle > quint64(datei.size()) || laenge > quint64(datei.size()) - stelle || !datei.seek(qint64(stelle)))
        return false;
    *ziel = datei.read(qint64(laenge));
    return ziel->size() == qsizetype(laenge);
}

// File header "ITSF" (version 2 or 3) and directory header "ITSP", then the chunks.
bool VerzeichnisLesen(QIODevice& datei, TVerzeichnis* verzeichnis, quint64* datenbeginn)
{
    QByteArray kopf;
    if (!Lesen(datei, 0, itsfLaenge, &kopf) || !Ist(kopf, "ITSF"))
        return false;
    const quint32 version = ChmZahl32(kopf, 4);
    if (version != 2 && version != 3)
        return false;
    const quint64 verzeichnisbeginn = ChmZahl64(kopf, 72);
    const quint64 verzeichnislaenge = ChmZahl64(kopf, 80);
    *datenbeginn = version == 3 ? ChmZahl64(kopf, 88) : verzeichnisbeginn + verzeichnislaenge;
    QByteArray daten;
    if (verzeichnislaenge > hoechstesVerzeichnis || verzeichnislaenge < quint64(itspLaenge)
        || !Lesen(datei, verzeichnisbeginn, verzeichnislaenge, &daten) || !Ist(daten, "ITSP"))
        return false;
    const quint32 kopflaenge = ChmZahl32(daten, 8);
    const quint32 blocklaenge = ChmZahl32(daten, 16);
    if (kopflaenge < itspLaenge || kopflaenge > verzeichnislaenge || blocklaenge < 512 || blocklaenge > 65536)
        return false;
    for (quint64 stelle = kopflaenge; stelle + blocklaenge <= verzeichnislaenge; stelle += blocklaenge)
        verzeichnis->Bloecke.push_back(daten.mid(qsizetype(stelle), qsizetype(blocklaenge)));
    verzeichnis->Wurzel = qint32(ChmZahl32(daten, 28));
    verzeichnis->Anfang = qint32(ChmZahl32(daten, 32));
    return !verzeichnis->Bloecke.empty() && verzeichnis->Wurzel >= -1
           && verzeichnis->Wurzel < qint32(verzeichnis->Bloecke.size());
}

bool GespeichertLesen(QIODevice& datei, quint64 datenbeginn, const TEintrag& eintrag, quint64 hoechstens,
                      QByteArray* ziel)
{
    return eintrag.Raum == 0 && eintrag.Laenge <= hoechstens && eintrag.Start <= quint64(datei.size())
           && Lesen(datei, datenbeginn + eintrag.Start, eintrag.Laenge, ziel);
}

// The LZX control data (version 2 counts in units of 32 KiB).
bool SteuerdatenPruefen(const QByteArray& steuerdaten)
{
    if (steuerdaten.size() < 24 || steuerdaten.mid(4, 4) != "LZXC")
        return false;
    quint64 intervall = ChmZahl32(steuerdaten, 12);
    quint64 fenster = ChmZahl32(steuerdaten, 16);
    if (ChmZahl32(steuerdaten, 8) == 2) {
        intervall *= 0x8000;
        fenster *= 0x8000;
    }
    if (fenster < (1u << 15) || fenster > (1u << 21) || (fenster & (fenster - 1)) != 0 || intervall == 0)
        return false;
    const quint64 bloeckeJeRuecksetzung = intervall / (fenster / 2) * ChmZahl32(steuerdaten, 20);
    return bloeckeJeRuecksetzung > 0 && bloeckeJeRuecksetzung <= 0xFFFFFFFFu;
}

// The reset table: version 2, the number of blocks, the size of an entry, where the entries
// begin, the uncompressed and the compressed length and the block length; then where each
// block begins in the compressed data. chmlib takes a block's compressed length from there
// (the last block's from the compressed length) and reads that many bytes into a buffer of
// the block length + 6144 bytes without checking them for the block it was asked for; it
// looks for a block behind the last one behind the table's end.
bool RuecksetztabellePruefen(const QByteArray& tabelle, const QHash<QByteArray, TEintrag>& eintraege)
{
    if (tabelle.size() < 40 || ChmZahl32(tabelle, 0) != 2 || ChmZahl64(tabelle, 32) != lzxBlocklaenge)
        return false;
    const quint64 bloecke = ChmZahl32(tabelle, 4);
    const quint64 eintraegeAb = ChmZahl32(tabelle, 12);
    if (bloecke == 0 || eintraegeAb > quint64(tabelle.size()) || (quint64(tabelle.size()) - eintraegeAb) / 8 < bloecke)
        return false;
    for (quint64 block = 0; block < bloecke; ++block) {
        const quint64 anfang = ChmZahl64(tabelle, qsizetype(eintraegeAb + 8 * block));
        const quint64 ende = block + 1 < bloecke ? ChmZahl64(tabelle, qsizetype(eintraegeAb + 8 * (block + 1)))
                                                 : ChmZahl64(tabelle, 24);
        if (ende < anfang || ende - anfang > lzxBlocklaenge + kompressionsreserve)
            return false;
    }
    const quint64 unkomprimiert = bloecke * lzxBlocklaenge;
    for (const TEintrag& eintrag : eintraege)
        if (eintrag.Raum == 1 && (eintrag.Start > unkomprimiert || eintrag.Laenge > unkomprimiert - eintrag.Start))
            return false;
    return true;
}

} // namespace

quint16 ChmZahl16(const QByteArray& daten, qsizetype stelle)
{
    const auto* b = reinterpret_cast<const unsigned char*>(daten.constData()) + stelle;
    return quint16(b[0] | b[1] << 8);
}

quint32 ChmZahl32(const QByteArray& daten, qsizetype stelle)
{
    return quint32(ChmZahl16(daten, stelle)) | quint32(ChmZahl16(daten, stelle + 2)) << 16;
}

quint64 ChmZahl64(const QByteArray& daten, qsizetype stelle)
{
    return quint64(ChmZahl32(daten, stelle)) | quint64(ChmZahl32(daten, stelle + 4)) << 32;
}

bool ChmAufbauGueltig(QIODevice& datei)
{
    TVerzeichnis verzeichnis;
    quint64 datenbeginn = 0;
    if (!VerzeichnisLesen(datei, &verzeichnis, &datenbeginn) || datenbeginn > quint64(datei.size())
        || !BloeckePruefen(&verzeichnis) || !KettePruefen(verzeichnis))
        return false;
    const auto& eintraege = verzeichnis.Eintraege;
    QByteArray steuerdaten, ruecksetztabelle, inhalt;
    return eintraege.contains(steuerdatenName) && eintraege.contains(ruecksetzName) && eintraege.contains(inhaltName)
           && GespeichertLesen(datei, datenbeginn, eintraege[steuerdatenName], hoechsteSteuerdaten, &steuerdaten)
           && GespeichertLesen(datei, datenbeginn, eintraege[ruecksetzName], hoechsteRuecksetztabelle,
                               &ruecksetztabelle)
           && eintraege[inhaltName].Raum == 0 && SteuerdatenPruefen(steuerdaten)
           && RuecksetztabellePruefen(ruecksetztabelle, eintraege);
}
