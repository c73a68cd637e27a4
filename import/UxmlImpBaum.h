#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <memory>
#include <utility>
#include <vector>

// One element of an XML file as the import reads it: its local name (namespaces play no
// part), its attributes, its text and its child elements. The tree keeps only the elements a
// reader asks for (TXmlAuswahl); below a kept element that asks for no children, the text of
// what lies deeper still counts as its text.
struct TXmlElement
{
    QString Name;                                 // local name, without prefix or namespace
    QList<std::pair<QString, QString>> Attribute; // local name and value, in file order
    QString Text;                                 // character data inside it, including that of the levels not kept
    bool HatInhalt = false;                       // has a child element or text other than blanks
    std::vector<TXmlElement> Kinder;              // the kept child elements in file order

    // The first child element of that local name; null when there is none.
    const TXmlElement* Kind(QStringView name) const;
    // The value of the first attribute of that local name; empty when there is none.
    QString Attribut(QStringView name) const;
    // The text of the first child element of that local name; empty when there is none.
    QString KindText(QStringView name) const;
};

// The elements a reader needs, as a tree of names; "*" stands for any name. An element of a
// name the selection does not list is not kept (nor anything inside it), but still counts in
// HatInhalt of its parent. An element kept as "*" below the document element is dropped again
// when it has neither an "id" attribute nor a kept child: such a record is read by nothing.
struct TXmlAuswahl
{
    QString Name;
    std::vector<TXmlAuswahl> Kinder;
};
TXmlAuswahl XmlKnoten(QStringView name, std::vector<TXmlAuswahl> kinder = {});

struct TXmlDokument
{
    std::unique_ptr<TXmlElement> Wurzel; // the document element; null when the file was not read
    QString Fehler;                      // German message naming the file (and the line); empty on success
};

// The text of an XML file's bytes: by its byte-order mark, else by the encoding its
// declaration names (UTF-8, ISO-8859-1, Windows-1252 and US-ASCII, in any letter case).
// False with a German reason in grund when the encoding is unknown or the bytes break it.
bool XmlTextDekodieren(const QByteArray& bytes, QString& text, QString& grund);

// Parses the bytes into a tree of the elements auswahl names (its root stands for the
// document element). Document type declarations and entity references are refused: nothing
// outside the file is read and nothing is expanded.
TXmlDokument XmlLesen(const QByteArray& bytes, const QString& dateiname, const TXmlAuswahl& auswahl);
