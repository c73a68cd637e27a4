// The evaluate command of the main window; the result window lives in distribution/.
#include "app/UFenster.h"
#include "app/UMain.h"
#include "distribution/UErgebnis.h"
#include "distribution/UVerteilung.h"
#include "distribution/UVorsitzVerteilen.h"
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
    TreeViewAktualisieren(); // the result window may have given chairs
}

// The chairs for the plan of the last evaluation, from the teachers marked "darf
// Konferenzen leiten"; the tree then shows the chairs.
void TFMain::VorsitzVerteilenClick()
{
    if (!Verteilung || Verteilung->IsEmpty()) {
        Dialoge().Meldung(this, QStringLiteral("Bitte zuerst auswerten: Der Vorsitz wird für die Zeitfenster des "
                                               "Ergebnisses verteilt."));
        return;
    }
    const TVorsitzZuteilung zuteilung = VorsitzVerteilen(*Verteilung, {MarkierteVorsitzende(*Lehrerliste)});
    if (!zuteilung.Moeglich) {
        Dialoge().Meldung(this, BlockiertText(zuteilung.Blockierend));
        return;
    }
    if (!zuteilung.Neu.isEmpty())
        Geaendert = true;
    AnsichtWechseln(2);
    TreeViewAktualisieren();
    Dialoge().Meldung(this, QStringLiteral("%1 Klassen haben einen Vorsitz erhalten; höchstens %2 Konferenzen je Person.")
                                .arg(zuteilung.Neu.size())
                                .arg(zuteilung.HoechsteLast));
}
