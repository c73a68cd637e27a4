#pragma once

#include "minutes/UProtokoll.h"
#include "planning/UClasses.h"

struct TZeitplan;

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Writing the minutes texts of many classes, one RTF file per class, into one folder: for
// the save window and the command line alike.

constexpr const char* Textendung = ".rtf";
constexpr const char* TextMitte = "Klassendaten";

// A part of a file name that cannot leave the folder nor hide in it: "/", "\", control
// characters (NUL included) and leading dots become "_".
QString DateinamenteilSicher(const QString& teil);
// The name of a class's file: designation + "-" + middle part + extension, made safe.
QString TextDateiname(const QString& bezeichnung, const QString& mitte, const QString& endung = QLatin1String(Textendung));

// Asks what to do with a file that exists already.
class ITextUeberschreiben
{
public:
    struct TAntwort
    {
        bool Ueberschreiben = false;
        bool NichtMehrFragen = false; // the same answer for every later existing file
    };
    virtual ~ITextUeberschreiben() = default;
    // dateiname without the folder
    virtual TAntwort Fragen(const QString& dateiname) = 0;
};

struct TTextAuftrag
{
    QList<const TKlasse*> Klassen; // in this order
    QString Ordner;                // the target folder
    QString Mitte = QLatin1String(TextMitte);
    QString VorlageDatei;          // the user template; empty or not there: the built-in one
    TProtokollSchrift Schrift;     // the font of the built-in template
    bool MF = true;
    const TZeitplan* Zeitplan = nullptr; // gives "<Beginn>" and "<Raum>"; not owned
    // Told the number of classes done after each class; may be empty.
    std::function<void(int)> Fortschritt;
};

struct TTexteErgebnis
{
    QStringList Geschrieben;   // full paths, in order
    QStringList Uebersprungen; // existing files the user kept
    QStringList Umbenannt;     // one sentence for each class whose file got a numbered name
    QString Fehler;            // German message of the write that failed; the rest was not written
    bool Ok() const { return Fehler.isEmpty(); }
};

// Loads the template (as VorlageLaden does) and writes the text of every class through the
// safe writer. An existing file is replaced or kept as the question answers; with "nicht
// mehr fragen" that answer holds for every later existing file. A template that cannot be
// read writes nothing; the first write that fails ends the run.
// Within one run a file name (letter case aside) serves one class: a later class whose name
// gives a name already used, as does a name that is a link leading out of the folder, gets
// the first free numbered name ("5_a-2-Klassendaten.rtf"), and Umbenannt says so.
TTexteErgebnis TexteSpeichern(const TTextAuftrag& auftrag, ITextUeberschreiben& frage);
