#pragma once

#include <QString>

class QWidget;

// The program's help: the compiled help file Simulta.chm beside the program, shown in a
// help window of our own. Each operation returns a German error message, or the empty
// text when the help was shown.
namespace THilfe {

void DateiSetzen(const QString& pfad);
QString Datei();
// Opens the help file at a context number; the help window is placed at (40, 40).
QString KontextZeigen(int kontext, QWidget* besitzer);
// Opens the table of contents, with no owner window.
QString InhaltZeigen();
// Closes every help window.
void AlleSchliessen();

} // namespace THilfe
