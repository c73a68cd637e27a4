#pragma once

#include <QString>

// The project file named on the command line as an absolute path: a path relative to the
// current folder, or a file:// address as some file managers pass it.
QString Startdatei(const QString& argument);
