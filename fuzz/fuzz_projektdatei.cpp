// Feeds arbitrary bytes to the project-file reader. Besides the sanitizers it checks that
// a file that was read can be written and read again, and that writing what was read
// reproduces those bytes.
#include "fuzz/Pruefen.h"
#include "planning/UProjekt.h"

#include <cstdint>

namespace {

// Class leaders are stored joined by "/", an abbreviation that the splitting would take
// apart in quotes: every abbreviation comes back as itself, except one holding a NUL, which
// ends the text on reading.
bool leitungEindeutig(const TKlassenliste& klassen)
{
    for (const TKlasse* klasse : klassen)
        for (const TLehrer* lehrer : klasse->K_Leitung)
            if (lehrer->Kuerzel.contains(QChar(u'\0')))
                return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    const TProjektErgebnis erstes = ProjektAusBytes(bytes, QStringLiteral("fuzz.spz"));
    if (!erstes.Ok()) {
        pruefen(!erstes.Lehrer && !erstes.Klassen);
        pruefen(erstes.Fehler.contains(QStringLiteral("fuzz.spz")));
        return 0;
    }
    pruefen(erstes.Version >= 0 && erstes.Version <= 3);
    const QByteArray geschrieben = ProjektBytes(*erstes.Lehrer, *erstes.Klassen, erstes.Zusatz);
    const TProjektErgebnis zweites = ProjektAusBytes(geschrieben, QStringLiteral("fuzz.spz"));
    pruefen(zweites.Ok() && zweites.Version == (BrauchtVersion3(*erstes.Lehrer, erstes.Zusatz) ? 3 : 2));
    if (leitungEindeutig(*erstes.Klassen))
        pruefen(ProjektBytes(*zweites.Lehrer, *zweites.Klassen, zweites.Zusatz) == geschrieben);
    return 0;
}
