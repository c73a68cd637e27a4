#pragma once

#include <QString>
#include <QByteArray>
#include <QStringList>

#include <memory>

// The settings file Simultano.ini in the INI layout, Windows-1252 encoded.
// Every read looks at the file as it is now; every write goes to the file at once,
// changes only its own key and keeps every other line as it was.
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

private:
    // The file's lines (line ends CR LF, LF or CR), the line end it writes and its byte-order
    // mark, kept on writing; without a mark the file is Windows-1252.
    struct TText
    {
        QStringList Zeilen;
        QString Zeilenende = QStringLiteral("\r\n");
        QByteArray Marke;
        bool ZuGross = false; // the file was not read: it is larger than any reader accepts
    };
    TText textLesen() const;

    QString dateiname_;
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
