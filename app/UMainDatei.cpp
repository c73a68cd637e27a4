// The file commands, the question about unsaved changes, help and the info box.
#include "app/UBilder.h"
#include "app/UHilfe.h"
#include "app/UKlassenBaum.h"
#include "app/UMain.h"
#include "planning/UDatei.h"
#include "planning/UIni.h"
#include "planning/UProjekt.h"
#include "planning/UVar.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTreeWidget>

namespace {

// Texts with characters outside Windows-1252 are saved with "?" in their place: only when
// the user agrees.
bool zeichenverlustErlaubt(IDialoge& dialoge, QWidget* fenster)
{
    constexpr qsizetype hoechstens = 10;
    const QStringList texte = NichtSpeicherbareTexte(*Lehrerliste, *Klassenliste);
    if (texte.isEmpty())
        return true;
    QStringList zeilen = texte.mid(0, hoechstens);
    if (texte.size() > hoechstens)
        zeilen << QStringLiteral("…");
    // abbreviations that become equal would put the wrong teachers into the classes
    QString gleiche = QStringLiteral(" ");
    if (const QStringList kuerzel = GleicheKuerzelImSpeicher(*Lehrerliste); !kuerzel.isEmpty())
        gleiche = QStringLiteral("\n\n") + kuerzel.mid(0, hoechstens).join(QLatin1Char('\n'))
                  + QStringLiteral("\nDie Klassen nennen ihre Lehrkräfte beim Kürzel: Nach dem Öffnen stünden dort "
                                   "die falschen Lehrkräfte.\n\n");
    return dialoge.Frage(fenster, QStringLiteral("Hinweis:"),
                         zeilen.join(QLatin1Char('\n'))
                             + QStringLiteral("\n\nDiese Zeichen können in der Projektdatei nicht gespeichert werden "
                                              "und werden durch ? ersetzt.")
                             + gleiche + QStringLiteral("Trotzdem speichern?"));
}

// The save dialog starts at the current project's file, for a new project in the documents.
void SpeicherortVorschlagen(TDateiDialog& dialog, const QString& dateiname)
{
    dialog.Dateiname = dateiname;
    dialog.Ordner = dateiname.isEmpty() ? Standardordner(QStandardPaths::DocumentsLocation) : QFileInfo(dateiname).absolutePath();
}

} // namespace

bool TFMain::SpeichernFragen()
{
    if (!Geaendert)
        return true;
    TAufgabe frage;
    frage.Fenstertitel = QStringLiteral("Hinweis:");
    frage.Hauptanweisung = QStringLiteral("Daten wurden bearbeitet!");
    frage.Text = QStringLiteral("Sollen die Änderungen gespeichert werden?");
    frage.Symbol = TSymbol::Frage;
    frage.Knoepfe = TKnopfsatz::JaNeinAbbrechen;
    frage.Vorgabe = TKnopf::Ja;
    switch (Dialoge().Aufgabe(this, frage).Knopf) {
    case TKnopf::Ja:
        return speichern(false);
    case TKnopf::Nein:
        return true;
    default:
        return false;
    }
}

void TFMain::ProjektErsetzen(std::unique_ptr<TLehrerliste> lehrer, std::unique_ptr<TKlassenliste> klassen,
                             TProjektZusatz zusatz)
{
    // The tree's nodes refer to the old records: they go first, and nothing reads them once
    // they are gone.
    TV->clear();
    ProjektSetzen(std::move(lehrer), std::move(klassen), std::move(zusatz));
    ListViewAktualisieren();
    TreeViewAktualisieren();
}

void TFMain::Neu1Click()
{
    if (!SpeichernFragen())
        return;
    ProjektErsetzen(std::make_unique<TLehrerliste>(), std::make_unique<TKlassenliste>());
    Geaendert = false;
    Dateiname.clear();
    Edit1->clear();
    verlaufBeginnen(true);
}

void TFMain::oeffnenVorbereiten(const QString& filter, const QString& schluessel)
{
    OD1.Filter = filter;
    OD1.FilterIndex = 1;
    OD1.Dateiname.clear();
    OD1.Ordner = Startordner(schluessel);
}

void TFMain::OrdnerMerken(const QString& schluessel, const QString& datei)
{
    const QString ordner = OrdnerVon(datei);
    if (ordner != Ini->ReadString(QStringLiteral("Data"), schluessel, QString()))
        EinstellungSchreiben(Dialoge(), this, [&] { Ini->WriteString(QStringLiteral("Data"), schluessel, ordner); });
}

void TFMain::Oeffnen1Click()
{
    oeffnenVorbereiten(ProjektFilter, QStringLiteral("open"));
    QCoreApplication::processEvents();
    if (!SpeichernFragen() || !Dialoge().DateiOeffnen(this, OD1))
        return;
    ProjektOeffnen(OD1.Dateiname);
}

std::optional<TDateiStand> TFMain::projektLaden(const QString& datei)
{
    // The reader builds new lists; the project on screen stays until the file was read.
    TProjektErgebnis projekt = ProjektLesen(datei);
    if (!projekt.Ok()) {
        Dialoge().Fehlermeldung(this, projekt.Fehler);
        return std::nullopt;
    }
    ProjektErsetzen(std::move(projekt.Lehrer), std::move(projekt.Klassen), std::move(projekt.Zusatz));
    Dateiversion = projekt.Version;
    Geaendert = false;
    return projekt.Stand;
}

bool TFMain::ProjektOeffnen(const QString& datei)
{
    const std::optional<TDateiStand> stand = projektLaden(datei);
    if (!stand)
        return false;
    Dateiname = datei;
    Dateistand = *stand;
    Edit1->setText(QDir::toNativeSeparators(Dateiname));
    StaticText1->setFocus();
    verlaufBeginnen(true);

    OrdnerMerken(QStringLiteral("open"), Dateiname);
    zuletztMerken(Dateiname, false);
    return true;
}

void TFMain::Speichernunter1Click(QObject* Sender)
{
    speichern(Sender == Speichernunter1);
}

bool TFMain::speichern(bool neuerName)
{
    if (!zeichenverlustErlaubt(Dialoge(), this))
        return false;
    // Saved under its own name, the file must still be the one opened or saved before; a name
    // chosen in the dialog replaces whatever is there, as the user agreed.
    bool pruefen = true;
    if (neuerName || Dateiname.isEmpty()) {
        SD1.Filter = ProjektFilter;
        SD1.FilterIndex = 1;
        SD1.Standardendung = QStringLiteral("spz");
        SD1.UeberschreibenFragen = true;
        SpeicherortVorschlagen(SD1, Dateiname);
        if (!Dialoge().DateiSpeichern(this, SD1))
            return false;
        Dateiname = SD1.Dateiname;
        Edit1->setText(QDir::toNativeSeparators(Dateiname));
        pruefen = false;
    }
    const QString fehler =
        ProjektSchreiben(Dateiname, *Lehrerliste, *Klassenliste, Projektzusatz, pruefen ? &Dateistand : nullptr, &Dateistand);
    if (!fehler.isEmpty()) {
        Dialoge().Fehlermeldung(this, fehler);
        ZustandZeigen();
        return false;
    }
    Geaendert = false;
    verlauf.Gespeichert();
    zuletztMerken(Dateiname);
    ZustandZeigen();
    Statusmeldung(QStringLiteral("Gespeichert in %1.").arg(QDir::toNativeSeparators(Dateiname)));
    return true;
}

void TFMain::Beenden1Click()
{
    close();
}

void TFMain::closeEvent(QCloseEvent* ereignis)
{
    if (!SpeichernFragen()) {
        ereignis->ignore();
        return;
    }
    ereignis->accept();
    // An open help window would keep the program running without its main window.
    THilfe::AlleSchliessen();
}

void TFMain::hilfeFehlerZeigen(const QString& fehler)
{
    if (!fehler.isEmpty())
        Dialoge().Fehlermeldung(this, fehler);
}

void TFMain::FormHelp()
{
    hilfeFehlerZeigen(THilfe::KontextZeigen(20, this));
}

void TFMain::Hilfe1Click()
{
    hilfeFehlerZeigen(THilfe::InhaltZeigen(this));
}

void TFMain::Info1Click()
{
    TAufgabe info;
    info.Fenstertitel = QStringLiteral("Programm-Info");
    info.Hauptanweisung = QStringLiteral("Simultano – Planung der Zeugniskonferenzen\n© 2026 Die Entwickler von Simultano");
    info.Text = QStringLiteral("Version: ") + QStringLiteral(SIMULTANO_VERSION);
    info.EigenesSymbol = ProgrammIcon();
    info.Knoepfe = TKnopfsatz::Ok;
    info.Vorgabe = TKnopf::Ok;
    Dialoge().Aufgabe(this, info);
}
