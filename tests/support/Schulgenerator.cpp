#include "support/Schulgenerator.h"

// Provisional: the generator is being written.
TSchule SchuleErzeugen(int klassenzahl, std::uint32_t)
{
    TSchule schule;
    for (int i = 0; i < klassenzahl; ++i)
        schule.Klassen->Add(std::make_unique<TKlasse>(QString::number(5 + i % 6) + QChar(u'a' + i / 6)));
    return schule;
}
