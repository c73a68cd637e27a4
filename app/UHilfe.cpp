#include "app/UHilfe.h"

// Provisional: the help viewer is being written.
namespace {
QString hilfedatei;
}

namespace THilfe {

void DateiSetzen(const QString& pfad) { hilfedatei = pfad; }
QString Datei() { return hilfedatei; }
QString KontextZeigen(int, QWidget*) { return QStringLiteral("Die Hilfe ist noch nicht verfügbar."); }
QString InhaltZeigen() { return QStringLiteral("Die Hilfe ist noch nicht verfügbar."); }
void AlleSchliessen() {}

} // namespace THilfe
