// The import of teacher lists from CSV and text files; its window lives in import/.
#include "app/UFenster.h"
#include "app/UMain.h"
#include "import/UImport.h"
#include "planning/UDatei.h"

#include <QFileInfo>

namespace {

const QString ImportFilter = QStringLiteral("Textdateien (*.txt;*.csv)|*.txt;*.csv|Alle Dateien (*.*)|*.*");

} // namespace

void TFMain::ImportLehrerCSVClick()
{
    // the remembered folder is also where the file dialog starts: a Linux file dialog would
    // otherwise open wherever the program was started
    oeffnenVorbereiten(ImportFilter, QStringLiteral("import"));
    int ergebnis = TFImport::Wiederholen;
    while (ergebnis == TFImport::Wiederholen) {
        if (!Dialoge().DateiOeffnen(this, OD1))
            return;
        OD1.Ordner = OrdnerVon(OD1.Dateiname);
        ergebnis = Fenster().Import->Importieren(OD1.Dateiname);
    }
    if (ergebnis != TFImport::Ok)
        return;
    // the dialog has appended the teachers and sorted the list
    ListViewAktualisieren();
    verlaufBeginnen(false);
    Statusmeldung(QStringLiteral("Lehrerliste aus %1 importiert.").arg(QFileInfo(OD1.Dateiname).fileName()));
    OrdnerMerken(QStringLiteral("import"), OD1.Dateiname);
}
