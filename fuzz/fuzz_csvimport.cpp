// Feeds arbitrary bytes to the teacher-list reader (line splitting, repair of the character
// set, separator detection, quotes) and creates teachers from what it read. Besides the
// sanitizers it checks that every record has a field, no field keeps blanks at its ends nor
// a control character anywhere, that the first line is a record exactly when it has an empty
// field or is the only line, that the created abbreviations are unique and not empty, and
// that a project with the new teachers can be written and read again. A gender word is never
// taken for a truth value, and a teacher whose salutation field holds one has its salutation.
#include "fuzz/Pruefen.h"
#include "import/UCsvImport.h"
#include "planning/UFunctions.h"
#include "planning/UProjekt.h"

#include <QSet>

#include <cstdint>

namespace {

void feldPruefen(const QString& feld)
{
    if (!feld.isEmpty())
        pruefen(feld.front().unicode() > 32 && feld.back().unicode() > 32);
    for (const QChar c : feld)
        pruefen(c.category() != QChar::Other_Control);
}

// A field assignment taken from the input itself, so the fuzzer varies it too.
TWahl wahlAus(const QByteArray& bytes, qsizetype spalten)
{
    TWahl wahl{-1, -1, -1};
    for (int slot = 0; slot < 3 && slot < bytes.size(); ++slot)
        wahl[slot] = static_cast<int>(static_cast<unsigned char>(bytes[slot]) % (spalten + 2)) - 1;
    return wahl;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    TCsvListe liste = CsvAusBytes(bytes);
    if (liste.Kopf.isEmpty()) {
        pruefen(liste.Zeilen.isEmpty() && liste.Datensaetze().isEmpty());
        return 0;
    }
    pruefen(liste.ohneFeldnamen == (liste.mitLeerstring || liste.Zeilen.isEmpty()));
    for (const QString& feld : liste.Kopf)
        feldPruefen(feld);
    for (const QStringList& zeile : liste.Zeilen) {
        pruefen(!zeile.isEmpty() && !zeile.join(QString()).isEmpty());
        for (const QString& feld : zeile)
            feldPruefen(feld);
    }
    const qsizetype mitErster = liste.Datensaetze().size();
    liste.ohneFeldnamen = !liste.ohneFeldnamen;
    pruefen(qAbs(liste.Datensaetze().size() - mitErster) == 1);

    TLehrerliste lehrer;
    lehrer.Add(std::make_unique<TLehrer>(QStringLiteral("001"), QStringLiteral("Vorher"), QString()));
    const TWahl wahl = wahlAus(bytes, liste.Kopf.size());
    const QList<QStringList> datensaetze = liste.Datensaetze();
    pruefen(AnredeAusGeschlecht(WahrheitswertDerErstenZeile(datensaetze, wahl[SlotAnrede])).isEmpty());
    const TImportErgebnis ergebnis = LehrerImportieren(lehrer, datensaetze, wahl, QStringLiteral("Frau"));
    pruefen(lehrer.Count() == ergebnis.Angelegt + 1);
    QSet<QString> kuerzel;
    for (const TLehrer* l : lehrer) {
        pruefen(!l->Kuerzel.isEmpty());
        kuerzel.insert(l->Kuerzel);
    }
    pruefen(kuerzel.size() == lehrer.Count());
    // a single record whose salutation is a gender word: the teacher has that salutation
    const QString geschlecht = datensaetze.size() == 1
                                   ? AnredeAusGeschlecht(LeerzeichenBereinigen(FeldWert(datensaetze[0], wahl[SlotAnrede])))
                                   : QString();
    for (const TLehrer* l : lehrer)
        if (l->Kuerzel != QLatin1String("001") && !geschlecht.isEmpty())
            pruefen(l->Anrede == geschlecht);
    const TKlassenliste klassen;
    const TProjektErgebnis gelesen = ProjektAusBytes(ProjektBytes(lehrer, klassen), QStringLiteral("fuzz.spz"));
    pruefen(gelesen.Ok() && gelesen.Lehrer->Count() == lehrer.Count());
    return 0;
}
