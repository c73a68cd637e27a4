#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

struct chmFile;

// What the #SYSTEM file of a compiled help file names: contents and index file,
// default topic and title. Paths are paths inside the file ("/start.html").
struct TChmSystem
{
    QString Inhaltsdatei;
    QString Indexdatei;
    QString Startseite;
    QString Titel;
};

// A compiled HTML help file (.chm), read with chmlib. Paths inside the file begin with "/"
// and are compared without regard to case, as HTML Help does.
class TChmDatei
{
public:
    ~TChmDatei();
    TChmDatei(const TChmDatei&) = delete;
    TChmDatei& operator=(const TChmDatei&) = delete;

    // The opened file, or nullptr with a German message in *fehler. A file whose structure
    // is damaged is refused before chmlib reads it.
    static std::unique_ptr<TChmDatei> Oeffnen(const QString& pfad, QString* fehler);

    const QString& Pfad() const { return pfad_; }
    const TChmSystem& System() const { return system_; }
    // Every file stored in the help file, in the order of its directory.
    const QStringList& Dateien() const { return dateien_; }
    // The help contexts of the file's map: context number -> page.
    const QHash<quint32, QString>& Kontexte() const { return kontexte_; }

    // The page of a context number; empty when the map has no such number.
    QString Kontextseite(quint32 kontext) const { return kontexte_.value(kontext); }
    bool Enthaelt(const QString& pfad) const;
    // The content of a stored file; empty when it is missing or unreadable.
    QByteArray Lesen(const QString& pfad) const;

private:
    TChmDatei(QString pfad, chmFile* datei);
    QStringList dateienAufzaehlen() const;
    QHash<quint32, QString> kontexteLesen() const;

    QString pfad_;
    chmFile* datei_;
    QStringList dateien_;
    TChmSystem system_;
    QHash<quint32, QString> kontexte_;
};

// Reads the entries of a #SYSTEM file: a version number, then records of a 16-bit code,
// a 16-bit length and that many bytes (0 contents file, 1 index file, 2 default topic,
// 3 title). Damaged records end the reading; what was read before stays.
TChmSystem ChmSystemLesen(const QByteArray& system);

// Reads the context map: #IVB holds its length in bytes, then pairs of 32-bit context number
// and offset of the topic's name in #STRINGS (zero-terminated names). Pairs that point
// outside #STRINGS are left out.
QHash<quint32, QString> ChmKontexteLesen(const QByteArray& ivb, const QByteArray& strings);

// The stored file that a topic name of the map stands for. Help compilers write the name as
// given ("hauptfenster.html") or as the full path of the source file on the compiling
// machine ("/home/.../hilfe/hauptfenster.html"); the stored file whose path is the longest
// tail of the name, at a folder boundary, is the topic. Empty when none fits.
QString ChmThemaFinden(const QString& thema, const QStringList& dateien);

// An address inside the help file ("start.html", "./bilder/x.svg", "mk:@MSITStore:x.chm::/a.htm")
// as a path inside the file ("/start.html"); a #fragment stays.
QString ChmPfad(const QString& adresse);
