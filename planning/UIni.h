#pragma once

#include <QString>
#include <QByteArray>
#include <QStringList>

#include "planning/UDatei.h"

#include <memory>

// The settings file Simultano.ini in the INI layout: Windows-1252, or UTF-8 after its byte-order
// mark. A new file is written in UTF-8 with the mark; an existing Windows-1252 file is rewritten
// in UTF-8 only when a value needs a character Windows-1252 does not have.
// Every read looks at the file as it is now (read again only when it changed on disk); every
// write goes to the file at once, changes only its own key and keeps every other line as it
// was, also when another program wrote the file meanwhile.
class TIniDatei
{
public:
    explicit TIniDatei(QString dateiname);

    const QString& Dateiname() const { return dateiname_; }

    // Blanks around the value and one pair of enclosing quotes are removed;
    // values are cut to 2047 characters. Missing file, section or key: the default.
    QString ReadString(const QString& abschnitt, const QString& schluessel, const QString& vorgabe) const;
    // Decimal or 0x hexadecimal; anything else gives the default.
    int ReadInteger(const QString& abschnitt, const QString& schluessel, int vorgabe) const;
    // Read as an integer: 0 is false, any other integer true, anything else the default.
    bool ReadBool(const QString& abschnitt, const QString& schluessel, bool vorgabe) const;

    // Throw TFehler("In <file> kann nicht geschrieben werden.") when the file cannot be written,
    // and refuse (the same way, file untouched) a section, key or value holding CR, LF or NUL,
    // and a file too large to be read (HoechsteDateigroesse; its reads give the defaults).
    void WriteString(const QString& abschnitt, const QString& schluessel, const QString& wert);
    void WriteInteger(const QString& abschnitt, const QString& schluessel, int wert);
    void WriteBool(const QString& abschnitt, const QString& schluessel, bool wert);

    // How often the file was read from disk.
    int Lesungen() const { return lesungen_; }

private:
    // The file's lines (line ends CR LF, LF or CR), the line end it writes and its byte-order
    // mark, kept on writing; without a mark the file is Windows-1252.
    struct TText
    {
        QStringList Zeilen;
        QString Zeilenende = QStringLiteral("\r\n");
        QByteArray Marke;
        bool ZuGross = false; // the file was not read: it is larger than any reader accepts
        TDateiStand Stand;    // the file as read
        bool Frisch = true;   // it was changed just before it was read: read it again next time
    };
    const TText& textLesen() const;
    // One attempt at a write; false when another program changed the file meanwhile.
    bool schreibversuch(const QString& abschnitt, const QString& schluessel, const QString& wert);

    QString dateiname_;
    mutable TText text_; // the file as last read
    mutable int lesungen_ = 0;
};

// Style bits of the names in the minutes texts.
enum Schriftstile { StilFett = 1, StilKursiv = 2, StilUnterstrichen = 4 };

// Reads Font/style: "b" gives bold, "i" italic, "u" underline (lower case only, anywhere).
int SchriftstilLesen(const TIniDatei& ini);
int SchriftstilAusText(const QString& stil);

// The data folder of an installed program (help file, sample school) with a trailing '/',
// found relative to the program's folder; empty when the program runs from a folder of its own.
QString InstallierterDatenordner(const QString& programmpfad);
// Where the settings file lives: in the user's configuration folder for an installed program;
// otherwise beside the program when that folder is writable or the file is already there,
// else in the user's configuration folder as well.
QString IniDateinameWaehlen(const QString& programmpfad, const QString& konfigurationsordner);
// Sets Programmpfad (with a trailing separator) and IniDateiname for the running program.
void PfadeErmitteln();

extern QString IniDateiname;
extern std::unique_ptr<TIniDatei> Ini;
