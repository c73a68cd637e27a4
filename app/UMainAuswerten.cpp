// The evaluate command of the main window; the result window lives in distribution/.
#include "app/UFenster.h"
#include "app/UMain.h"
#include "distribution/UErgebnis.h"
#include "distribution/UVerteilung.h"
#include "planning/UFehler.h"
#include "planning/UIni.h"
#include "planning/UVar.h"

namespace {

TAufgabe zuWenigKlassen()
{
    TAufgabe a;
    a.Fenstertitel = QStringLiteral("So geht es nicht!");
    a.Hauptanweisung = MeldungZuWenigeKlassen;
    a.Text = QStringLiteral("(Daten fehlen.)");
    a.Symbol = TSymbol::Information;
    return a;
}

TAufgabe elternHinweis()
{
    TAufgabe a;
    a.Fenstertitel = QStringLiteral("Hinweis:");
    a.Hauptanweisung = QStringLiteral(
        "Elternvertreter (mit ID) zählen bei der Auswertung nur, wenn im Ergebnisfenster \"Gemeinsame Elternvertreter "
        "berücksichtigen\" angekreuzt ist. Ohne dieses Häkchen können zwei Klassen als parallel ausgegeben werden, "
        "obwohl sie einen Elternvertreter gemeinsam haben.");
    a.Text = QStringLiteral("Sie können diesen Hinweis zukünftig unterdrücken.");
    a.Symbol = TSymbol::Information;
    a.Kontrollkaestchen = QStringLiteral("Hinweis nicht mehr anzeigen");
    return a;
}

} // namespace

void TFMain::TB_auswertClick()
{
    if (!Klassenliste || Klassenliste->Count() <= 1) {
        Dialoge().Aufgabe(this, zuWenigKlassen());
        return;
    }
    TFErgebnis& ergebnis = *Fenster().Ergebnis;
    // With shared parent representatives counted as conflicts the hint no longer applies.
    if (!ergebnis.Konfliktarten().Eltern && Ini->ReadBool(QStringLiteral("Option"), QStringLiteral("hint2"), true)) {
        const TAufgabeAntwort antwort = Dialoge().Aufgabe(this, elternHinweis());
        if (antwort.Knopf == TKnopf::Ok && antwort.Angekreuzt) {
            // the evaluation goes on however the hint was closed
            EinstellungSchreiben(Dialoge(), this, [] { Ini->WriteBool(QStringLiteral("Option"), QStringLiteral("hint2"), false); });
        }
    }
    ergebnis.Auswerten();
}
