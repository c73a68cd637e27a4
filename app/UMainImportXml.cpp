// The import of the timetabling program's XML export; its question windows live in import/.
#include "app/UFenster.h"
#include "app/UMain.h"
#include "import/UImpStufenwahl.h"
#include "import/UMultClass.h"
#include "import/UxmlImp.h"
#include "planning/UVar.h"

#include <QLineEdit>

namespace {

const QString XmlFilter = QStringLiteral("XML (UNTIS) (*.xml)|*.xml|Alle Dateien (*.*)|*.*");

// The import's two questions, asked by their windows.
class TFensterFragen : public IImportFragen
{
public:
    TFensterFragen(TFImpStufenwahl& stufenwahl, TFMultClass& mehrklassen) : stufenwahl(stufenwahl), mehrklassen(mehrklassen)
    {
    }

    std::optional<TStufen> Stufenwahl(bool IstGymnasium) override { return stufenwahl.Fragen(IstGymnasium); }
    TRueckfrage Mehrklassen(const TLehrer& le, const QString& fa, const QStringList& kl) override
    {
        return mehrklassen.Fragen(le, fa, kl);
    }

private:
    TFImpStufenwahl& stufenwahl;
    TFMultClass& mehrklassen;
};

} // namespace

void TFMain::ImportXMLClick()
{
    if (!SpeichernFragen())
        return;
    oeffnenVorbereiten(XmlFilter, QStringLiteral("import"));
    if (!Dialoge().DateiOeffnen(this, OD1))
        return;
    OrdnerMerken(QStringLiteral("import"), OD1.Dateiname);

    // The import builds new lists; the project on screen stays until they are complete.
    TFensterFragen fragen(*Fenster().ImpStufenwahl, *Fenster().MultClass);
    TXmlImport import = UntisXmlImportieren(OD1.Dateiname, fragen);
    if (!import.Ok()) {
        Dialoge().Fehlermeldung(this, import.Fehler);
        return;
    }
    if (import.Abgebrochen)
        return; // the user stopped it before the classes: the project stays as it was
    if (!import.Gefunden) {
        Dialoge().Meldung(this, MeldungNichtsGefunden);
        return;
    }
    ProjektErsetzen(std::move(import.Lehrer), std::move(import.Klassen));
    Geaendert = true;
    // The imported school is not the project of the file that was open: "Speichern" asks for a file.
    Dateiname.clear();
    Edit1->clear();
    verlaufBeginnen(false);
    Statusmeldung(QStringLiteral("%1 Lehrkräfte und %2 Klassen importiert.").arg(Lehrerliste->Count()).arg(Klassenliste->Count()));
    for (const QString& hinweis : import.Hinweise)
        Dialoge().Meldung(this, hinweis);
}
