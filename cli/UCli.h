#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <map>

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

// The arguments of one subcommand: positional arguments, options with a value
// ("--grenze 4" or "--grenze=4", "-o DATEI" for a one-letter name) and switches ("--json").
// Unknown options, a missing value and a wrong number of positional arguments throw a
// TFehler with a German message.
class TArgumente
{
public:
    TArgumente(const QStringList& argumente, const QStringList& mitWert, const QStringList& schalter);

    QStringList Positionen;

    // The positional arguments must number between mindestens and hoechstens.
    void PositionenPruefen(int mindestens, int hoechstens) const;
    bool Hat(const QString& name) const;
    QString Wert(const QString& name, const QString& vorgabe = QString()) const;
    // The value as an integer in von .. bis; the default when the option is missing.
    int Zahl(const QString& name, int vorgabe, int von, int bis) const;

private:
    std::map<QString, QString> optionen_;
};

// ---- the subcommands (one file each, BefehlName.cpp). Each returns the exit status or
// throws a TFehler.
int BefehlPruefen(const QStringList& argumente, TCli& cli);
int BefehlImportXml(const QStringList& argumente, TCli& cli);
int BefehlImportCsv(const QStringList& argumente, TCli& cli);
int BefehlTexte(const QStringList& argumente, TCli& cli);
int BefehlVerteilen(const QStringList& argumente, TCli& cli);
