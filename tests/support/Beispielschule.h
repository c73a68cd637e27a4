#pragma once

#include "support/Schulgenerator.h"

// The sample school shipped for newcomers (resources/beispiel/Beispielschule.spz):
// about 30 classes and 80 teachers, made by the school generator.
inline TSchule BeispielschuleErzeugen()
{
    TSchulOptionen optionen;
    optionen.Lehrerzahl = 80;
    return SchuleErzeugen(30, 20270129u, optionen);
}
