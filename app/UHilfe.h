#pragma once

#include <QString>

class QWidget;
class TFHilfefenster;

// The program's help: the compiled help file Simulta.chm beside the program, shown in a
// help window of our own. Each operation returns a German error message, or the empty
// text when the help was shown.
namespace THilfe {

// Help contexts of the windows that have a help topic.
constexpr int KontextHauptfenster = 20;
constexpr int KontextErgebnis = 129;
constexpr int KontextVorschau = 118;

void DateiSetzen(const QString& pfad);
QString Datei();
// Opens the help file at a context number; the help window is placed at (40, 40).
QString KontextZeigen(int kontext, QWidget* besitzer);
// Opens the table of contents, with no owner window.
QString InhaltZeigen();
// Closes every help window.
void AlleSchliessen();

// The open help window, or nullptr. There is at most one; it belongs to the window that
// asked for help last (none for the table of contents).
TFHilfefenster* Fenster();

} // namespace THilfe
