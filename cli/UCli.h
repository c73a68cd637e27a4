#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <map>

struct TProjektErgebnis;
class TLehrerliste;
class TKlassenliste;

// The command-line companion: every subcommand calls the same core function as the command
// of the window it stands for. Messages are German; a failure ends with exit status 1.

// Where a subcommand writes: its results to Aus, messages to Fehler.
struct TCli
{
    QTextStream& Aus;
    QTextStream& Fehler;
};

// Runs one command line (without the program's name) and returns the exit status:
// 0 on success, 1 on any failure (with a German message on Fehler).
int CliAusfuehren(const QStringList& argumente, TCli& cli);

// The arguments of one subcommand: positional arguments, options with a value and switches.
// A one-letter name is written with one dash ("-o DATEI"), a longer one with two
// ("--grenze 4", "--grenze=4", "--json"). An option may have several names, declared as
// "o|ordner": "-o" and "--ordner" then give the same option, which any of its names reads.
// Unknown options, a missing value, an option with a value given twice and a wrong number
// of positional arguments throw a TFehler with a German message.
class TArgumente
{
public:
    TArgumente(const QStringList& argumente, const QStringList& mitWert, const QStringList& schalter);

    QStringList Positionen;

    // The positional arguments must number between mindestens and hoechstens.
    void PositionenPruefen(int mindestens, int hoechstens) const;
    bool Hat(const QString& name) const;
    QString Wert(const QString& name, const QString& vorgabe = QString()) const;
    // The value of an option that must be given; missing or empty, it throws meldung, by
    // default "Die Option --NAME fehlt.".
    QString Pflicht(const QString& name, const QString& meldung = QString()) const;
    // The value as an integer in von .. bis; the default when the option is missing.
    qint64 Zahl(const QString& name, qint64 vorgabe, qint64 von, qint64 bis) const;
    // The value, which must be one of the choices; the default when the option is missing.
    QString Auswahl(const QString& name, const QStringList& moeglich, const QString& vorgabe = QString()) const;

private:
    QString ersterName(const QString& name) const;
    std::map<QString, QString> optionen_;    // by the first name of the option
    std::map<QString, QString> namen_;       // every name of an option: its first name
};

// Flushes the results; when they did not reach their file (a full disk, a closed pipe,
// /dev/full) it throws a TFehler: the run must not end as a success.
void AusgabePruefen(QTextStream& aus);
// Warns on Fehler about every text the project file would hold as "?", naming its record;
// throws a TFehler when two abbreviations would become equal, unless trotzdem.
void ZeichenverlustMelden(const TLehrerliste& lehrer, const TKlassenliste& klassen, bool trotzdem, TCli& cli);
// Throws a TFehler when ziel names the same file as eingabe (also through links).
void NichtDieEingabe(const QString& ziel, const QString& eingabe);

// The project of a file, read as "Öffnen" reads it; a file that cannot be read throws a
// TFehler with the reader's message.
TProjektErgebnis ProjektOderFehler(const QString& datei);

// ---- the subcommands (one file each, BefehlName.cpp). Each returns the exit status or
// throws a TFehler.
int BefehlPruefen(const QStringList& argumente, TCli& cli);
int BefehlImportXml(const QStringList& argumente, TCli& cli);
int BefehlImportCsv(const QStringList& argumente, TCli& cli);
int BefehlTexte(const QStringList& argumente, TCli& cli);
int BefehlVerteilen(const QStringList& argumente, TCli& cli);
int BefehlZeitplan(const QStringList& argumente, TCli& cli);
// Needs a QGuiApplication (the fonts of the PDF pages); the others run on the core alone.
int BefehlAusgaben(const QStringList& argumente, TCli& cli);
