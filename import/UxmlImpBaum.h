#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <memory>
#include <utility>
#include <vector>

// One element of an XML file as the import reads it: its local name (namespaces play no
// part), its attributes, its text and its child elements. The tree is kept only down to
// a fixed depth; what lies deeper is not needed and only leaves its text and the fact
// that it exists.
struct TXmlElement
{
    QString Name;                                 // local name, without prefix or namespace
    QList<std::pair<QString, QString>> Attribute; // local name and value, in file order
    QString Text;                                 // character data inside it, including that of the levels not kept
    bool HatInhalt = false;                       // has a child element or text other than blanks
    std::vector<TXmlElement> Kinder;              // child elements in file order, down to the depth kept

    // The first child element of that local name; null when there is none.
    const TXmlElement* Kind(QStringView name) const;
    // The value of the first attribute of that local name; empty when there is none.
    QString Attribut(QStringView name) const;
    // The text of the first child element of that local name; empty when there is none.
    QString KindText(QStringView name) const;
};

struct TXmlDokument
{
    std::unique_ptr<TXmlElement> Wurzel; // the document element; null when the file was not read
    QString Fehler;                      // German message naming the file (and the line); empty on success
};

// The text of an XML file's bytes: by its byte-order mark, else by the encoding its
// declaration names (UTF-8, ISO-8859-1, Windows-1252 and US-ASCII, in any letter case).
// False with a German reason in grund when the encoding is unknown or the bytes break it.
bool XmlTextDekodieren(const QByteArray& bytes, QString& text, QString& grund);

// Parses the bytes into a tree kept down to tiefe levels (the document element is level 1).
// Document type declarations and entity references are refused: nothing outside the file
// is read and nothing is expanded.
TXmlDokument XmlLesen(const QByteArray& bytes, const QString& dateiname, int tiefe);
