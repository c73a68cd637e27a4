// The import of teacher lists from CSV and text files; its window lives in import/.
#include "app/UFenster.h"
#include "app/UMain.h"
#include "import/UImport.h"
#include "planning/UFehler.h"
#include "planning/UIni.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString ImportFilter = QStringLiteral("Textdateien (*.txt;*.csv)|*.txt;*.csv|Alle Dateien (*.*)|*.*");

// The folder of a file as the settings keep it: native separators and a trailing separator.
QString ordnerVon(const QString& datei)
{
    return QDir::toNativeSeparators(QFileInfo(datei).absolutePath() + QLatin1Char('/'));
}

} // namespace

void TFMain::ImportLehrerCSVClick()
{
    OD1.Filter = ImportFilter;
    OD1.FilterIndex = 1;
    OD1.Dateiname.clear();
    const QString gemerkt = Ini->ReadString(QStringLiteral("Data"), QStringLiteral("import"), QString());
    // the remembered folder is also where the file dialog starts: a Linux file dialog would
    // otherwise open wherever the program was started
    OD1.Ordner = gemerkt;
    int ergebnis = TFImport::Wiederholen;
    while (ergebnis == TFImport::Wiederholen) {
        if (!Dialoge().DateiOeffnen(this, OD1))
            return;
        OD1.Ordner = ordnerVon(OD1.Dateiname);
        ergebnis = Fenster().Import->Importieren(OD1.Dateiname);
    }
    if (ergebnis != TFImport::Ok)
        return;
    // the dialog has appended the teachers and sorted the list
    ListViewAktualisieren();
    if (OD1.Ordner != gemerkt) {
        try {
            Ini->WriteString(QStringLiteral("Data"), QStringLiteral("import"), OD1.Ordner);
        } catch (const TFehler& fehler) {
            Dialoge().Fehlermeldung(this, fehler.Meldung);
        }
    }
}
