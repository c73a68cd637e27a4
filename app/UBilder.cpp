#include "app/UBilder.h"

// Provisional: the artwork is being drawn.
QIcon Bild(int)
{
    return QIcon();
}

QIcon ProgrammIcon()
{
    return QIcon();
}
