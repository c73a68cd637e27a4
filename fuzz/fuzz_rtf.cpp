// Feeds arbitrary bytes to the RTF reader of the preview. Besides the sanitizers it checks
// that the document stays within what the input can hold.
#include "fuzz/Pruefen.h"
#include "minutes/URtf.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    const TRtfDokument dokument = RtfLesen(bytes);
    const auto n = static_cast<qsizetype>(groesse);
    // every paragraph and every character needs at least one byte of input
    pruefen(dokument.Absaetze.size() <= n + 1);
    pruefen(dokument.Text().size() <= 2 * n + 1);
    for (const TRtfAbsatz& absatz : dokument.Absaetze) {
        pruefen(absatz.Format.Tabs.size() <= RtfHoechsteTabstopps);
        for (const TRtfLauf& lauf : absatz.Laeufe)
            pruefen(!lauf.Text.isEmpty());
    }
    return 0;
}
