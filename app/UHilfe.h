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

// The help file of the program in the folder programmpfad: beside the program, else in the
// data folder of an installed program; beside the program when it is in neither.
QString DateiSuchen(const QString& programmpfad);
void DateiSetzen(const QString& pfad);
QString Datei();
// Opens the help file at a context number; the help window is placed at (40, 40), or as
// near to it as keeps it on the screen, and brought to the front.
QString KontextZeigen(int kontext, QWidget* besitzer);
// Opens the table of contents, as above; without an owner the window stands on its own.
QString InhaltZeigen(QWidget* besitzer = nullptr);
// Closes every help window.
void AlleSchliessen();

// The open help window, or nullptr. There is at most one; it belongs to the window that
// asked for help last and stays above it.
TFHilfefenster* Fenster();

} // namespace THilfe
