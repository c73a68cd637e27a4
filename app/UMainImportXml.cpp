// The import of the timetabling program's XML export; its question windows live in import/.
#include "app/UMain.h"

void TFMain::ImportXMLClick() { nochNichtVerfuegbar(); }
