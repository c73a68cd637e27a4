#pragma once

#include "app/UDialoge.h"
#include "gui/QtAusgabe.h"

#include <QString>
#include <gtest/gtest.h>

#include <deque>
#include <vector>

// Standard dialogs for the tests: every dialog shown is recorded, every answer comes from
// a queue filled by the test beforehand. A dialog without a queued answer of its kind
// fails the test and is answered with Cancel.
class TScriptDialoge : public IDialoge
{
public:
    enum class TArt { DateiOeffnen, DateiSpeichern, Ordner, Drucken, Meldung, Fehlermeldung, Frage, Aufgabe };

    // What one dialog showed.
    struct TGezeigt
    {
        TArt Art;
        QString Titel;          // title or window caption
        QString Text;           // message, question or task-dialog text
        TDateiDialog Datei;     // file dialogs: the settings as passed in
        TAufgabe Aufgabe;       // task dialog: as passed in
        QString Ordner;         // folder browser: start folder
    };

    // ---- queue the answers, in the order the dialogs will come
    // A file dialog (open or save) answered with this path.
    void DateiWaehlen(const QString& pfad) { antworten.push_back({DateiAntwort, true, pfad, TKnopf::Ok, false}); }
    void DateiAbbrechen() { antworten.push_back({DateiAntwort, false, {}, TKnopf::Abbrechen, false}); }
    void OrdnerWaehlen(const QString& ordner) { antworten.push_back({TArt::Ordner, true, ordner, TKnopf::Ok, false}); }
    void OrdnerAbbrechen() { antworten.push_back({TArt::Ordner, false, {}, TKnopf::Abbrechen, false}); }
    void Drucken(bool ok) { antworten.push_back({TArt::Drucken, ok, {}, TKnopf::Ok, false}); }
    void MeldungBestaetigen() { antworten.push_back({TArt::Meldung, true, {}, TKnopf::Ok, false}); }
    void FehlermeldungBestaetigen() { antworten.push_back({TArt::Fehlermeldung, true, {}, TKnopf::Ok, false}); }
    void FrageBeantworten(bool ja) { antworten.push_back({TArt::Frage, ja, {}, TKnopf::Ok, false}); }
    void AufgabeBeantworten(TKnopf knopf, bool angekreuzt = false)
    {
        antworten.push_back({TArt::Aufgabe, true, {}, knopf, angekreuzt});
    }
    // A task dialog with radio buttons, answered with the button after choosing the option.
    void AufgabeMitOption(TKnopf knopf, int option)
    {
        antworten.push_back({TArt::Aufgabe, true, {}, knopf, false, option});
    }

    // Everything shown so far, oldest first.
    std::vector<TGezeigt> Gezeigt;
    const TGezeigt& Letzter() const { return Gezeigt.back(); }
    // For every question shown: whether it had the question icon.
    std::vector<bool> FrageMitSymbol;
    bool AllesBeantwortet() const { return antworten.empty(); }
    int Offen() const { return static_cast<int>(antworten.size()); }

    // ---- IDialoge
    bool DateiOeffnen(QWidget*, TDateiDialog& d) override { return datei(TArt::DateiOeffnen, d); }
    bool DateiSpeichern(QWidget*, TDateiDialog& d) override { return datei(TArt::DateiSpeichern, d); }

    bool OrdnerWaehlen(QWidget*, const QString& titel, QString& ordner) override
    {
        Gezeigt.push_back({TArt::Ordner, titel, {}, {}, {}, ordner});
        const TAntwort a = naechste(TArt::Ordner);
        if (a.Ok)
            ordner = a.Pfad;
        return a.Ok;
    }

    bool Drucken(QWidget*, QPrinter*) override
    {
        Gezeigt.push_back({TArt::Drucken, {}, {}, {}, {}, {}});
        return naechste(TArt::Drucken).Ok;
    }

    void Meldung(QWidget*, const QString& text, const QString& titel) override
    {
        Gezeigt.push_back({TArt::Meldung, titel, text, {}, {}, {}});
        naechste(TArt::Meldung);
    }

    void Fehlermeldung(QWidget*, const QString& text) override
    {
        Gezeigt.push_back({TArt::Fehlermeldung, {}, text, {}, {}, {}});
        naechste(TArt::Fehlermeldung);
    }

    bool Frage(QWidget*, const QString& titel, const QString& text, bool mitSymbol) override
    {
        Gezeigt.push_back({TArt::Frage, titel, text, {}, {}, {}});
        FrageMitSymbol.push_back(mitSymbol);
        return naechste(TArt::Frage).Ok;
    }

    TAufgabeAntwort Aufgabe(QWidget*, const TAufgabe& aufgabe) override
    {
        Gezeigt.push_back({TArt::Aufgabe, aufgabe.Fenstertitel, aufgabe.Text, {}, aufgabe, {}});
        const TAntwort a = naechste(TArt::Aufgabe);
        if (!a.Ok)
            return {};
        TAufgabeAntwort antwort{a.Knopf, a.Angekreuzt && !aufgabe.Kontrollkaestchen.isEmpty()};
        if (!aufgabe.Optionen.isEmpty())
            antwort.Option = a.Option >= 0 ? a.Option : aufgabe.Option;
        return antwort;
    }

    static const char* Name(TArt art)
    {
        switch (art) {
        case TArt::DateiOeffnen: return "Datei öffnen/speichern";
        case TArt::DateiSpeichern: return "Datei speichern";
        case TArt::Ordner: return "Ordner wählen";
        case TArt::Drucken: return "Drucken";
        case TArt::Meldung: return "Meldung";
        case TArt::Fehlermeldung: return "Fehlermeldung";
        case TArt::Frage: return "Frage";
        case TArt::Aufgabe: return "Aufgabendialog";
        }
        return "?";
    }

private:
    struct TAntwort
    {
        TArt Art;
        bool Ok;
        QString Pfad;
        TKnopf Knopf;
        bool Angekreuzt;
        int Option = -1; // -1: the option the dialog preselects
    };
    // Open and save dialogs take the same answers: the test says "this file", the window
    // decides which of the two asks; the record tells them apart.
    static constexpr TArt DateiAntwort = TArt::DateiOeffnen;

    bool datei(TArt art, TDateiDialog& d)
    {
        Gezeigt.push_back({art, d.Titel, {}, d, {}, d.Ordner});
        const TAntwort a = naechste(DateiAntwort);
        if (!a.Ok)
            return false;
        d.Dateiname = art == TArt::DateiSpeichern ? MitStandardendung(a.Pfad, d.Standardendung) : a.Pfad;
        return true;
    }

    TAntwort naechste(TArt art)
    {
        const TGezeigt& g = Gezeigt.back();
        const QString beschreibung = QStringLiteral("%1 \"%2\" / \"%3\" / \"%4\"")
                                         .arg(QString::fromUtf8(Name(g.Art)), g.Titel, g.Aufgabe.Hauptanweisung, g.Text);
        if (antworten.empty()) {
            ADD_FAILURE() << "Unerwarteter Dialog ohne vorbereitete Antwort: " << beschreibung.toStdString();
            return {art, false, {}, TKnopf::Abbrechen, false};
        }
        const TAntwort a = antworten.front();
        antworten.pop_front();
        if (a.Art != art) {
            ADD_FAILURE() << "Dialog " << beschreibung.toStdString() << " gezeigt, vorbereitet war eine Antwort für "
                          << Name(a.Art);
            return {art, false, {}, TKnopf::Abbrechen, false};
        }
        return a;
    }

    std::deque<TAntwort> antworten;
};
