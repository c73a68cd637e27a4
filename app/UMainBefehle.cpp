// Commands of the main window whose work lives in other windows. Until that work is
// there, each of them says so.
#include "app/UMain.h"

void TFMain::nochNichtVerfuegbar()
{
    Dialoge().Meldung(this, QStringLiteral("Diese Funktion ist noch nicht verfügbar."));
}

// Add a class (Hinzufgen1, B_KlasseHinzu) or rename the current class (Bezeichn).
void TFMain::Hinzufgen1Click(QObject*) { nochNichtVerfuegbar(); }
// Add a teacher (B_LehrerHinzu, Hinzufgen2) or edit the selected one (B_LehrerBearb, Bearbeiten3).
void TFMain::B_LehrerHinzuClick(QObject*) { nochNichtVerfuegbar(); }
void TFMain::Lschen1Click() { nochNichtVerfuegbar(); }
void TFMain::Lschen2Click() { nochNichtVerfuegbar(); }
void TFMain::TVKeyDown() { Lschen1Click(); }
void TFMain::LVKeyDown() { Lschen2Click(); }
void TFMain::LVDblClick() { nochNichtVerfuegbar(); }
void TFMain::ZuweisenClick() { nochNichtVerfuegbar(); }
void TFMain::B_KlassenlehrerClick() { nochNichtVerfuegbar(); }
void TFMain::B_VorsitzClick() { nochNichtVerfuegbar(); }
void TFMain::BKonferenzClick() { nochNichtVerfuegbar(); }
void TFMain::ElternBearbeitenClick() { nochNichtVerfuegbar(); }
void TFMain::TB_auswertClick() { nochNichtVerfuegbar(); }
void TFMain::ImportXMLClick() { nochNichtVerfuegbar(); }
void TFMain::ImportLehrerCSVClick() { nochNichtVerfuegbar(); }
void TFMain::TexteSpeichernClick() { nochNichtVerfuegbar(); }
