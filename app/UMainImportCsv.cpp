// The import of teacher lists from CSV and text files; its window lives in import/.
#include "app/UMain.h"

void TFMain::ImportLehrerCSVClick() { nochNichtVerfuegbar(); }
