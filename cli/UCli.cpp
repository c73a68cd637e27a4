#include "cli/UCli.h"

#include "cli/UCliOptimierung.h"
#include "cli/UCliZeitplan.h"
#include "planning/UDatei.h"
#include "planning/UFehler.h"
#include "planning/UProjekt.h"

#include <QFileDevice>
#include <QFileInfo>

#include <array>

namespace {

struct TBefehl
{
    const char* Name;
    const char* Aufruf;       // the arguments after the name
    const char* Beschreibung; // one line for the overview
    const char* Hilfe;        // the options, one per line; may be empty
    int (*Ausfuehren)(const QStringList&, TCli&);
    bool Optimierung;         // takes the options of the optimisation (UCliOptimierung.h) too
    bool Zeitplan = false;    // and those of the timetable (UCliZeitplan.h)

};

const std::array befehle = {
    TBefehl{"pruefen", "DATEI.spz", "liest eine Projektdatei und nennt Version, Lehrkräfte und Klassen", "",
            BefehlPruefen, false},
    TBefehl{"import-xml", "EXPORT.xml -o DATEI.spz [--stufen VON-BIS] [--mehrklassen ja|nein] [--trotzdem]",
            "liest den XML-Export des Stundenplanprogramms in eine neue Projektdatei",
            "  -o DATEI.spz          die Projektdatei, die geschrieben wird (eine vorhandene wird ersetzt)\n"
            "  --stufen VON-BIS      die Klassenstufen, die übernommen werden (1 bis 13); ohne die Angabe\n"
            "                        5-12 für ein Gymnasium, sonst 1-13\n"
            "  --mehrklassen ja|nein ob eine Lehrkraft, deren Unterricht mehrere Klassen umfasst, allen\n"
            "                        diesen Klassen zugeordnet wird (ohne die Angabe: ja)\n"
            "  --trotzdem            auch schreiben, wenn zwei Kürzel in der Datei gleich würden (Zeichen\n"
            "                        außerhalb von Windows-1252 werden als ? gespeichert)\n",
            BefehlImportXml, false},
    TBefehl{"import-csv",
            "LISTE.csv --projekt DATEI.spz --name N [--kuerzel N] [--anrede N] [--ohne-feldnamen] [--wahr Herr|Frau] "
            "[--trotzdem]",
            "hängt die Lehrkräfte einer Textliste (CSV) an eine Projektdatei an",
            "  --projekt DATEI.spz  die Projektdatei; sie wird angelegt, wenn es sie noch nicht gibt\n"
            "  --name N             die Spalte (ab 1) mit den Namen der Lehrkräfte\n"
            "  --kuerzel N          die Spalte mit den Kürzeln; ohne sie gilt die Nummer des Datensatzes ab 0\n"
            "  --anrede N           die Spalte mit der Anrede (m/M gibt \"Herr\", f/F/w/W \"Frau\")\n"
            "  --ohne-feldnamen     die erste Zeile ist schon ein Datensatz (das gilt auch ohne diese\n"
            "                       Option, wenn sie ein leeres Feld hat oder die einzige Zeile ist)\n"
            "  --wahr Herr|Frau     wofür der Wahrheitswert steht, wenn die erste Anrede einer ist\n"
            "                       (etwa 1, wahr, f); jeder andere Wert gibt dann die andere Anrede\n"
            "  --trotzdem           auch schreiben, wenn zwei Kürzel in der Datei gleich würden (Zeichen\n"
            "                       außerhalb von Windows-1252 werden als ? gespeichert)\n",
            BefehlImportCsv, false},
    TBefehl{"texte", "DATEI.spz -o ORDNER [--vorlage VORLAGE.rtf] [--mf] [--klassen 5a,6b]",
            "schreibt die Texte für die Konferenzprotokolle, eine RTF-Datei je Klasse",
            "  -o, --ordner ORDNER  der Zielordner; vorhandene Dateien werden ersetzt\n"
            "  --vorlage DATEI      eine eigene Textvorlage statt der Standardvorlage; die Standardvorlage\n"
            "                       setzt die Namen in der Schrift aus den Einstellungen von Simultano\n"
            "  --mf                 Funktionsbezeichnungen nach der Anrede (Vorsitzender, Vorsitzende);\n"
            "                       ohne --mf gelten die Bezeichnungen für beide (Vorsitzende/r)\n"
            "  --klassen LISTE      nur diese Klassen, durch Kommas getrennt\n",
            BefehlTexte, false},
    TBefehl{"verteilen",
            "DATEI.spz [--grenze N] [--sekunden S | --schritte N] [--spalten] [--vorsitz] [--eltern] [--startwert Z] "
            "[--vorsitz-verteilen [--vorsitzende KUERZEL[,...]]] [--json]",
            "sucht wie \"Start (Optimierung)\" eine Verteilung mit möglichst wenigen Zeitfenstern",
            "  --json          ein JSON-Objekt statt der Tabelle als Text: zeilen, spalten, untergrenze\n"
            "                  (auch die von der exakten Suche angehobene), optimal (nur wenn bewiesen),\n"
            "                  bewiesen_durch (\"untergrenze\": die Zeilen erreichen Klassen / Grenze oder\n"
            "                  die größte Zahl von Klassen mit paarweisem Konflikt; \"suche\": die exakte\n"
            "                  Suche zeigt, dass eine Zeile weniger nicht geht; null: nicht bewiesen),\n"
            "                  sekunden_bis_bestes, gruppen\n",
            BefehlVerteilen, true},
    TBefehl{"zeitplan",
            "DATEI.spz [--grenze N] [--sekunden S | --schritte N] [--spalten] [--vorsitz] [--eltern] [--startwert Z] "
            "[--vorsitz-verteilen [--vorsitzende KUERZEL[,...]]] [--datum TT.MM.JJJJ[,...]] [--beginn HH:MM] [--ende HH:MM] "
            "[--dauer MIN] [--dauer-fuer KLASSE=MIN[,...]] [--wechsel MIN] [--raeume NAME[,...]] [--speichern] [--json]",
            "plant den Konferenznachmittag: Tage, Uhrzeiten und Räume, die Zeitfenster in der Reihenfolge mit "
            "der wenigsten Wartezeit",
            "  --speichern     Einstellungen, Plan und verteilte Vorsitze in die Projektdatei schreiben;\n"
            "                  ohne die Option bleibt die Datei unverändert\n"
            "  --json          ein JSON-Objekt statt des Zeitplans als Text\n"
            "Die Optionen gehen den Einstellungen des Projekts vor. Klassen, für die die Tage nicht\n"
            "reichen, werden auf der Fehlerausgabe genannt.\n",
            BefehlZeitplan, true, true},
    TBefehl{"ausgaben",
            "DATEI.spz -o ORDNER [--nur pdf|ics] [OPTIONEN VON zeitplan] [--json]",
            "schreibt die Konferenzpläne der Lehrkräfte, die Türschilder und die Übersicht als PDF und die "
            "Kalenderdateien",
            "  -o, --ordner ORDNER  der Zielordner: Lehrkraefte.pdf, Tuerschilder.pdf, Uebersicht.pdf und\n"
            "                       ics/KUERZEL.ics je Lehrkraft und ics/alle.ics; vorhandene werden ersetzt\n"
            "  --nur pdf|ics        nur die PDF-Dateien oder nur die Kalenderdateien\n"
            "  --json               der Zeitplan, aus dem die Ausgaben entstanden, als JSON-Objekt\n",
            BefehlAusgaben, true, true},
};

const TBefehl* befehlSuchen(const QString& name)
{
    for (const TBefehl& befehl : befehle)
        if (name == QLatin1String(befehl.Name))
            return &befehl;
    return nullptr;
}

void uebersicht(QTextStream& aus)
{
    aus << "Aufruf: simultano-cli BEFEHL [ARGUMENTE]\n\n"
           "Der Begleiter von Simultano für die Kommandozeile: Konferenzplanung ohne Fenster.\n\n"
           "Befehle:\n";
    for (const TBefehl& befehl : befehle)
        aus << "  " << QString::fromUtf8(befehl.Name).leftJustified(12) << QString::fromUtf8(befehl.Beschreibung) << '\n';
    aus << "\nOptionen:\n"
           "  --help      diese Hilfe; nach einem Befehl die Hilfe zu diesem Befehl\n"
           "  --version   die Version von Simultano\n\n"
           "Bei einem Fehler steht eine Meldung auf der Fehlerausgabe und der Rückgabewert ist 1.\n";
}

void befehlHilfe(const TBefehl& befehl, QTextStream& aus)
{
    aus << "Aufruf: simultano-cli " << befehl.Name << ' ' << QString::fromUtf8(befehl.Aufruf) << "\n\n"
        << QString::fromUtf8(befehl.Beschreibung) << ".\n";
    const QString hilfe = (befehl.Optimierung ? OptimierungsHilfe() : QString()) +
                          (befehl.Zeitplan ? ZeitplanHilfe() : QString()) + QString::fromUtf8(befehl.Hilfe);
    if (!hilfe.isEmpty())
        aus << "\nOptionen:\n" << hilfe;
}

// How an option is written on the command line: "-o", "--ordner".
QString schreibweise(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

int fehler(TCli& cli, const QString& meldung)
{
    cli.Fehler << "simultano-cli: " << meldung << '\n';
    cli.Fehler.flush();
    cli.Aus.flush();
    return 1;
}

} // namespace

namespace {

// The command line without the final check of the output; throws TFehler.
int ausfuehren(const QStringList& argumente, TCli& cli)
{
    if (argumente.isEmpty())
        throw TFehler(QStringLiteral("Kein Befehl angegeben. Eine Übersicht gibt \"simultano-cli --help\"."));
    const QString name = argumente.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("hilfe")) {
        uebersicht(cli.Aus);
        return 0;
    }
    if (name == QLatin1String("--version")) {
        cli.Aus << "simultano-cli " << SIMULTANO_VERSION << '\n';
        return 0;
    }
    const TBefehl* befehl = befehlSuchen(name);
    if (!befehl)
        throw TFehler(QStringLiteral("Unbekannter Befehl \"%1\". Eine Übersicht gibt \"simultano-cli --help\".").arg(name));
    const QStringList rest = argumente.mid(1);
    if (rest.contains(QLatin1String("--help")) || rest.contains(QLatin1String("-h"))) {
        befehlHilfe(*befehl, cli.Aus);
        return 0;
    }
    return befehl->Ausfuehren(rest, cli);
}

} // namespace

int CliAusfuehren(const QStringList& argumente, TCli& cli)
{
    try {
        const int status = ausfuehren(argumente, cli);
        AusgabePruefen(cli.Aus);
        cli.Fehler.flush();
        return status;
    } catch (const TFehler& f) {
        return fehler(cli, f.Meldung);
    }
}

void AusgabePruefen(QTextStream& aus)
{
    aus.flush();
    auto* datei = qobject_cast<QFileDevice*>(aus.device());
    const bool geschrieben = aus.status() == QTextStream::Ok && (!datei || (datei->flush() && datei->error() == QFileDevice::NoError));
    if (!geschrieben)
        throw TFehler(QStringLiteral("Die Ausgabe konnte nicht vollständig geschrieben werden. %1")
                          .arg(Satz(datei ? datei->errorString() : QString()))
                          .trimmed());
}

void ZeichenverlustMelden(const TLehrerliste& lehrer, const TKlassenliste& klassen, bool trotzdem, TCli& cli)
{
    for (const QString& stelle : NichtSpeicherbareStellen(lehrer, klassen))
        cli.Fehler << "Warnung: " << stelle << '\n';
    const QStringList gleiche = GleicheKuerzelImSpeicher(lehrer);
    if (gleiche.isEmpty() || trotzdem)
        return;
    throw TFehler(gleiche.join(QLatin1Char(' '))
                  + QStringLiteral(" Die Klassen nennen ihre Lehrkräfte beim Kürzel; nach dem Öffnen stünden dort die "
                                   "falschen Lehrkräfte. Es wurde nichts geschrieben; mit --trotzdem wird die Datei "
                                   "dennoch geschrieben."));
}

void NichtDieEingabe(const QString& ziel, const QString& eingabe)
{
    const QString zielPfad = QFileInfo(ziel).canonicalFilePath();
    if (!zielPfad.isEmpty() && zielPfad == QFileInfo(eingabe).canonicalFilePath())
        throw TFehler(QStringLiteral("Die Datei %1 ist die Eingabe; sie würde überschrieben.").arg(Anzeigename(ziel)));
}

TArgumente::TArgumente(const QStringList& argumente, const QStringList& mitWert, const QStringList& schalter)
{
    // the options as written ("-o", "--ordner"): their first name and whether they take a value
    std::map<QString, std::pair<QString, bool>> geschrieben;
    for (const bool wert : {true, false})
        for (const QString& angabe : wert ? mitWert : schalter) {
            const QStringList namen = angabe.split(u'|');
            for (const QString& n : namen) {
                namen_[n] = namen.first();
                geschrieben[schreibweise(n)] = {namen.first(), wert};
            }
        }
    bool nurPositionen = false;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& arg = argumente[i];
        const bool kurz = arg.size() == 2 && arg[0] == u'-' && arg[1].isLetter();
        if (nurPositionen || (!arg.startsWith(QLatin1String("--")) && !kurz) || arg == QLatin1String("--")) {
            if (!nurPositionen && arg == QLatin1String("--"))
                nurPositionen = true;
            else
                Positionen << arg;
            continue;
        }
        const qsizetype gleich = kurz ? -1 : arg.indexOf(u'=');
        const auto option = geschrieben.find(arg.left(gleich));
        if (option == geschrieben.end() || (!option->second.second && gleich >= 0))
            throw TFehler(QStringLiteral("Unbekannte Option \"%1\".").arg(arg));
        const auto& [erster, nimmtWert] = option->second;
        // a second value would silently win over the first
        if (nimmtWert && optionen_.count(erster))
            throw TFehler(QStringLiteral("Die Option %1 ist mehrfach angegeben.").arg(arg.left(gleich)));
        if (!nimmtWert)
            optionen_[erster] = QString();
        else if (gleich >= 0)
            optionen_[erster] = arg.mid(gleich + 1);
        else if (i + 1 < argumente.size())
            optionen_[erster] = argumente[++i];
        else
            throw TFehler(QStringLiteral("Zur Option %1 fehlt der Wert.").arg(arg));
    }
}

QString TArgumente::ersterName(const QString& n) const
{
    const auto it = namen_.find(n);
    return it == namen_.end() ? n : it->second;
}

void TArgumente::PositionenPruefen(int mindestens, int hoechstens) const
{
    if (Positionen.size() < mindestens)
        throw TFehler(QStringLiteral("Es fehlt ein Argument. Hilfe zum Befehl gibt --help."));
    if (Positionen.size() > hoechstens)
        throw TFehler(QStringLiteral("Unerwartetes Argument \"%1\".").arg(Positionen[hoechstens]));
}

bool TArgumente::Hat(const QString& n) const
{
    return optionen_.count(ersterName(n)) > 0;
}

QString TArgumente::Wert(const QString& n, const QString& vorgabe) const
{
    const auto it = optionen_.find(ersterName(n));
    return it == optionen_.end() ? vorgabe : it->second;
}

QString TArgumente::Pflicht(const QString& n, const QString& meldung) const
{
    const QString wert = Wert(n);
    if (wert.isEmpty())
        throw TFehler(!meldung.isEmpty() ? meldung : QStringLiteral("Die Option %1 fehlt.").arg(schreibweise(n)));
    return wert;
}

qint64 TArgumente::Zahl(const QString& n, qint64 vorgabe, qint64 von, qint64 bis) const
{
    if (!Hat(n))
        return vorgabe;
    bool ok = false;
    const qint64 zahl = Wert(n).toLongLong(&ok);
    if (!ok || zahl < von || zahl > bis)
        throw TFehler(QStringLiteral("Der Wert von %1 muss eine ganze Zahl von %2 bis %3 sein, nicht \"%4\".")
                          .arg(schreibweise(n))
                          .arg(von)
                          .arg(bis)
                          .arg(Wert(n)));
    return zahl;
}

QString TArgumente::Auswahl(const QString& n, const QStringList& moeglich, const QString& vorgabe) const
{
    const QString wert = Wert(n, vorgabe);
    if (!Hat(n) || moeglich.contains(wert))
        return wert;
    QStringList zitiert;
    for (const QString& m : moeglich)
        zitiert << QLatin1Char('"') + m + QLatin1Char('"');
    QString liste = zitiert.takeLast();
    if (!zitiert.isEmpty())
        liste = zitiert.join(QStringLiteral(", ")) + QStringLiteral(" oder ") + liste;
    throw TFehler(QStringLiteral("Der Wert von %1 muss %2 sein, nicht \"%3\".").arg(schreibweise(n), liste, wert));
}

TProjektErgebnis ProjektOderFehler(const QString& datei)
{
    TProjektErgebnis projekt = ProjektLesen(datei);
    if (!projekt.Ok())
        throw TFehler(projekt.Fehler);
    return projekt;
}
