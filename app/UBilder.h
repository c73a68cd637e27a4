#pragma once

#include <QIcon>

// The 21 images of the main window by their index (0 new project ... 20 view: conference chair).
QIcon Bild(int index);
// The program's own icon.
QIcon ProgrammIcon();
