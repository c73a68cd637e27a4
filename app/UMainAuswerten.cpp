// The evaluate command of the main window; the result window lives in distribution/.
#include "app/UMain.h"

void TFMain::TB_auswertClick() { nochNichtVerfuegbar(); }
