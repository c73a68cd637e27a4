#pragma once

#include "planning/UClasses.h"

struct TTermin;

#include <QByteArray>
#include <QString>
#include <QStringList>

class TIniDatei;

// The minutes text of a class's report conference: an RTF document made from a template
// whose placeholders ("<Klasse>", "<Fachlehrer>" ...) and gendered designations
// ("Vorsitzende/r", "Der/Die Vorsitzende" ...) are replaced by the class's data.

// How the inserted names look and where the attendance lines stand.
struct TProtokollSchrift
{
    QString Name = QStringLiteral("Calibri");
    int Groesse = 11; // points
    int Stil = 0;     // bits of Schriftstile
    double Einzug = 0.5;    // cm
    double Erstzeile = 0.0; // cm
    double Tabstopp = 3.78; // cm
    bool operator==(const TProtokollSchrift&) const = default;
};

// The font of the settings file (section "Font": name, size, style); the lengths are fixed.
// The program and the command line read it alike.
TProtokollSchrift ProtokollSchriftLesen(const TIniDatei& ini);
// The settings of the running program (Schriftname, Schriftgroesse, Schriftstil, Einzug,
// Erstzeile, Tabstopp), read at start-up.
TProtokollSchrift EingestellteSchrift();

// ---- RTF fragments (lengths in cm, written as whole twips)
QString RtfTabstopp(double tabstopp);
QString RtfEinzug(double einzug, double erstzeile);
QString RtfErstzeile(double einzug, double erstzeile);
QString RtfStilAn(int stil);
QString RtfStilAus(int stil);

// ---- designations that follow the salutation of the person (with MF on). The code's lower
// four bits choose the case (0 the bare title, 1 nominative ... 4 accusative); a code above
// 15 gives the phrase with its first character replaced by "d".
QString VorsitzBezeichnung(const TKlasse& klasse, bool mf, int code);
QString KlassenleitungBezeichnung(const TKlasse& klasse, bool mf, int code);

// ---- templates

// The built-in template: 13 lines, some with line breaks of their own.
QStringList Standardvorlage(const TProtokollSchrift& schrift);

// The template a generation uses.
struct TVorlage
{
    QStringList Zeilen;
    QString Datei;  // the user template read; empty for the built-in one
    QString Fehler; // German message when the named file exists but cannot be read
    bool Standard() const { return Datei.isEmpty(); }
};

// Templates larger than this are no minutes templates.
constexpr qint64 HoechsteVorlagengroesse = 4 * 1024 * 1024;

// The user template named by datei when that file exists (byte-order mark: UTF-8 or UTF-16,
// otherwise Windows-1252; lines end at CR LF, LF or CR); the built-in template otherwise.
TVorlage VorlageLaden(const QString& datei, const TProtokollSchrift& schrift);
// The template file a setting names, as RelativerPfad stored it: a relative path is relative
// to the program's folder. Empty when the setting is empty or names no file.
QString VorlageAusEinstellung(const QString& einstellung, const QString& programmpfad);
// The lines of a template as a file: each ended by CR LF, in Windows-1252.
QByteArray VorlageBytes(const QStringList& zeilen);

// ---- the text

// No text of one class grows beyond this many characters: a template repeating its
// placeholders could otherwise ask for gigabytes.
constexpr qsizetype HoechsteTextgroesse = 16 * 1024 * 1024;

// Makes the replacements in every line, in their fixed order, each over the whole line and
// one pass each: a replacement never meets the text it inserted, later ones do. The class's
// entry of the timetable gives "<Beginn>" ("14:25 Uhr") and "<Raum>"; without one both
// become empty. A text that would grow beyond HoechsteTextgroesse gives no lines and sets zuGross.
QStringList ProtokollZeilen(const QStringList& vorlage, const TKlasse& klasse, bool mf,
                            const TTermin* termin = nullptr, bool* zuGross = nullptr);
// The document of the class: the replaced lines as a file, as VorlageBytes writes them.
// A text too large gives no bytes and the German message in fehler (else the empty text).
QByteArray ProtokollTextSchreiben(const TKlasse& klasse, const QStringList& vorlage, bool mf,
                                  const TTermin* termin = nullptr, QString* fehler = nullptr);
