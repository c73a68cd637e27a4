#pragma once

#include <QIcon>

// The 21 images of the main window by their index (0 new project ... 20 view: conference chair).
// An index outside 0..20 gives the empty icon. The images are drawn once per application
// and then shared; call them only while a QGuiApplication exists.
QIcon Bild(int index);
// The program's own icon.
QIcon ProgrammIcon();

// Number of images of the image list.
constexpr int BildAnzahl = 21;