// Commands of the main window whose work is not there yet: each of them says so.
#include "app/UMain.h"

void TFMain::nochNichtVerfuegbar()
{
    Dialoge().Meldung(this, QStringLiteral("Diese Funktion ist noch nicht verfügbar."));
}
