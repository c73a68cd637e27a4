// The minutes texts; the preview and the save window live in minutes/.
#include "app/UFenster.h"
#include "app/UMain.h"
#include "minutes/UText.h"
#include "minutes/UVorschau.h"

void TFMain::TexteSpeichernClick()
{
    if (!KlasseMitLehrkraft()) {
        TAufgabe hinweis;
        hinweis.Fenstertitel = QStringLiteral("Hinweis");
        hinweis.Hauptanweisung = QStringLiteral("Es muss eine Klasse vorhanden sein, in der mindestens eine Lehrkraft unterrichtet.");
        hinweis.Text = QStringLiteral("Die Eingaben sind unvollständig.");
        hinweis.Symbol = TSymbol::Information;
        hinweis.Knoepfe = TKnopfsatz::Ok;
        Dialoge().Aufgabe(this, hinweis);
        return;
    }
    Fenster().Vorschau->Ausfuehren(*Fenster().Text);
}
