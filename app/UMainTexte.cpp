// The minutes texts; the preview and the save window live in minutes/.
#include "app/UMain.h"

void TFMain::TexteSpeichernClick() { nochNichtVerfuegbar(); }
