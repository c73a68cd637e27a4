// Hostile user templates: arbitrary bytes are read as a template file, the minutes text of
// a class is made from them and read again by the RTF reader. Besides the sanitizers it
// checks that every line of the template gives one line of the text and that no
// placeholder survives: the class's values hold no angle brackets and are never empty, so
// none can be formed anew.
#include "fuzz/Pruefen.h"
#include "minutes/UProtokoll.h"
#include "minutes/URtf.h"
#include "planning/UDatei.h"

#include <cstdint>

namespace {

// A class whose names need every kind of escape: braces, backslash, Windows-1252, beyond it.
struct TSchule
{
    TLehrerliste lehrer;
    TKlasse klasse{QStringLiteral("5ä{\\}ı")};

    TSchule()
    {
        const char* const personen[][3] = {
            {"GR", "Groß", "Herr"}, {"YI", "Yılmaz", "Frau"}, {"WR", "Wróbel {Ł}", "Herr"}, {"DO", "Doğan\\", "Dr."}};
        QList<TLehrer*> l;
        for (const auto& p : personen) {
            auto neu = std::make_unique<TLehrer>(QString::fromUtf8(p[0]), QString::fromUtf8(p[1]), QString::fromUtf8(p[2]));
            l << neu.get();
            lehrer.LehrerHinzu(neu);
        }
        klasse.Vorsitz = l[0];
        klasse.K_Leitung = {l[1], l[2]};
        klasse.Unterrichtende = {l[2], l[3]};
        klasse.Elternvertreter.Add(std::make_unique<TEltern>(QStringLiteral("Frau"), QStringLiteral("Şahin"), 1));
        klasse.Konferenzdatum = 46415.0;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    static const TSchule schule;
    const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    const QStringList vorlage = InZeilen(TextAusBytes(bytes));
    const bool mf = groesse % 2 == 1;
    const QByteArray text = ProtokollTextSchreiben(schule.klasse, vorlage, mf);
    pruefen(text.count("\r\n") == vorlage.size());
    for (const char* platzhalter :
         {"<Halbjahr>", "<Klasse>", "<Datum>", "<Vorsitz>", "<Klassenleitung>", "<Eltern>", "<Fachlehrer>"})
        pruefen(!text.contains(platzhalter));
    RtfLesen(text).Text();
    return 0;
}
