// Commands of the main window that edit classes, teachers, chair, date and parent
// representatives; their dialogs live in editing/.
#include "app/UMain.h"

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
