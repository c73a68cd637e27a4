// Hostile user templates: arbitrary bytes are read as a template file, the minutes text of
// a class is made from them and read again by the RTF reader. Besides the sanitizers it
// checks that every line of the template gives one line of the text and that no
// placeholder survives: the class's values hold no angle brackets and are never empty, so
// none can be formed anew.
#include "minutes/UProtokoll.h"
#include "minutes/URtf.h"
#include "planning/UDatei.h"

#include <cstdint>
#include <cstdlib>

namespace {

void pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

struct TSchule
{
    TLehrerliste lehrer;
    TKlasse klasse{QStringLiteral("5ä{\\}ı")};

    TLehrer* neu(const char* kuerzel, const char* name, const char* anrede)
    {
        auto l = std::make_unique<TLehrer>(QString::fromUtf8(kuerzel), QString::fromUtf8(name), QString::fromUtf8(anrede));
        TLehrer* zeiger = l.get();
        lehrer.LehrerHinzu(l);
        return zeiger;
    }

    TSchule()
    {
        klasse.Vorsitz = neu("GR", "Groß", "Herr");
        klasse.K_Leitung = {neu("YI", "Yılmaz", "Frau"), neu("WR", "Wróbel {Ł}", "Herr")};
        klasse.Unterrichtende = {klasse.K_Leitung[1], neu("DO", "Doğan\\", "Dr.")};
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
    const QByteArray text = ProtokollText(schule.klasse, vorlage, mf);
    pruefen(text.count("\r\n") == vorlage.size());
    for (const char* platzhalter :
         {"<Halbjahr>", "<Klasse>", "<Datum>", "<Vorsitz>", "<Klassenleitung>", "<Eltern>", "<Fachlehrer>"})
        pruefen(!text.contains(platzhalter));
    RtfLesen(text).Text();
    return 0;
}
