#include "planning/UProjekt.h"

#include "planning/UCodepage.h"
#include "planning/UDatei.h"
#include "planning/UFehler.h"

#include <QSet>

#include <map>

namespace {

constexpr qint32 kopfVersion2 = 2 << 16;
constexpr qint32 kopfVersion3 = 3 << 16;
constexpr int hoechsteVersion = 3;

QString beschaedigtMeldung(const QString& dateiname, const QString& grund)
{
    return QStringLiteral("Die Datei \"%1\" ist beschädigt oder keine Projektdatei von Simultano.\n%2")
        .arg(Anzeigename(dateiname), Satz(grund));
}

// A header that no version of the program writes: the message replaces the damage report.
struct TFremderKopf
{
    int Version; // a later format version, or 0 when the file is no project file at all
};

qint32 intAnPosition(TMyStream& DS, qsizetype position)
{
    const qsizetype alt = DS.Position;
    DS.Position = position;
    const qint32 wert = DS.ReadInt();
    DS.Position = alt;
    return wert;
}

// Files of version 2 begin with a header holding the version in the upper 16 bits.
// Older files have none: version 1 begins with a negated teacher count, version 0 with a
// positive one. Both then restart at the first byte.
int versionLesen(TMyStream& DS)
{
    const qint32 kopf = DS.ReadInt();
    if (kopf >= 65535) {
        const int version = kopf >> 16;
        // Version 3 and later headers hold zero in their low 16 bits.
        if (version > 2 && (kopf & 0xFFFF) != 0)
            throw TFremderKopf{0};
        if (version > hoechsteVersion)
            // Headers hold the version above 16 zero bits; anything else (text, pictures, ...)
            // is some other kind of file.
            throw TFremderKopf{(kopf & 0xFFFF) == 0 && version <= 0xFF ? version : 0};
        return version;
    }
    DS.Position = 0;
    if (kopf < 0)
        return 1;
    // Without teachers the versions 0 and 1 begin alike; version 1 then negates the class count,
    // version 0 never does.
    if (kopf == 0 && DS.Rest() >= 8 && intAnPosition(DS, 4) < 0)
        return 1;
    return 0;
}

} // namespace

TProjektErgebnis ProjektAusBytes(const QByteArray& bytes, const QString& dateiname)
{
    TProjektErgebnis ergebnis;
    try {
        TMyStream DS(bytes);
        DS.Dateiversion = versionLesen(DS);
        // the classes refer to the teachers by abbreviation and position: teachers first
        std::unique_ptr<TLehrerliste> lehrer = TLehrerliste::Oeffnen(DS);
        DS.Lehrer = lehrer.get();
        std::unique_ptr<TKlassenliste> klassen = TKlassenliste::Oeffnen(DS);
        if (DS.Dateiversion >= 3)
            ergebnis.Zusatz = ZusatzOeffnen(DS, *lehrer, *klassen);
        if (DS.Rest() > 0)
            throw TFehler(QStringLiteral("Unerwartete Daten nach den Klassen (%1 Bytes)").arg(DS.Rest()));
        ergebnis.Version = DS.Dateiversion;
        ergebnis.Lehrer = std::move(lehrer);
        ergebnis.Klassen = std::move(klassen);
    } catch (const TFehler& fehler) {
        ergebnis.Fehler = beschaedigtMeldung(dateiname, fehler.Meldung);
    } catch (const TFremderKopf& kopf) {
        ergebnis.Fehler = kopf.Version == 0
            ? QStringLiteral("Die Datei \"%1\" ist keine Projektdatei von Simultano.").arg(Anzeigename(dateiname))
            : QStringLiteral("Die Datei \"%1\" stammt von einer neueren Version von Simultano (Dateiversion %2) "
                             "und kann mit dieser Version nicht geöffnet werden.")
                  .arg(Anzeigename(dateiname))
                  .arg(kopf.Version);
    }
    return ergebnis;
}

TProjektErgebnis ProjektLesen(const QString& dateiname)
{
    QByteArray bytes;
    TDateiStand stand;
    const QString fehler = DateiLesen(dateiname, bytes, HoechsteDateigroesse, &stand);
    TProjektErgebnis ergebnis;
    if (fehler.isEmpty())
        ergebnis = ProjektAusBytes(bytes, dateiname);
    else
        ergebnis.Fehler = fehler;
    ergebnis.Stand = stand;
    return ergebnis;
}

QByteArray ProjektBytes(const TLehrerliste& lehrer, const TKlassenliste& klassen, const TProjektZusatz& zusatz)
{
    TMyStream DS;
    DS.Lehrer = &lehrer;
    const bool version3 = BrauchtVersion3(lehrer, zusatz);
    DS.WriteInt(version3 ? kopfVersion3 : kopfVersion2);
    lehrer.Speichern(DS);
    klassen.Speichern(DS);
    if (version3)
        ZusatzSpeichern(DS, lehrer, klassen, zusatz);
    return DS.Daten;
}

QString ProjektSchreiben(const QString& dateiname, const TLehrerliste& lehrer, const TKlassenliste& klassen,
                         const TProjektZusatz& zusatz, const TDateiStand* erwartet, TDateiStand* neu)
{
    // Every failure names the file; the previous file stays as it was.
    const auto schreibfehler = [&](const QString& grund) {
        return QStringLiteral("Stream-Schreibfehler: Die Datei \"%1\" konnte nicht vollständig geschrieben werden. %2")
            .arg(Anzeigename(dateiname), Satz(grund))
            .trimmed();
    };
    QByteArray bytes;
    try {
        bytes = ProjektBytes(lehrer, klassen, zusatz);
    } catch (const TFehler&) {
        return schreibfehler(QString());
    }
    QString grund;
    switch (DateiSicherSchreiben(dateiname, bytes, &grund, erwartet, neu)) {
    case TSchreibfehler::Geaendert:
        return grund;
    case TSchreibfehler::NichtErstellt:
        return NichtErstelltMeldung(dateiname, grund);
    case TSchreibfehler::Abgebrochen:
        return schreibfehler(grund);
    case TSchreibfehler::Keiner:
        break;
    }
    return QString();
}

QStringList NichtSpeicherbareTexte(const TLehrerliste& lehrer, const TKlassenliste& klassen)
{
    QStringList texte;
    QSet<QString> gefunden;
    const auto pruefen = [&](const QString& text) {
        if (!Cp1252Darstellbar(text) && !gefunden.contains(text)) {
            gefunden.insert(text);
            texte << text;
        }
    };
    for (const TLehrer* l : lehrer) {
        for (const QString* text : {&l->Kuerzel, &l->Name, &l->Anrede})
            pruefen(*text);
        for (const QString& fach : l->Unterrichtsfaecher)
            pruefen(fach);
    }
    for (const TKlasse* k : klassen) {
        pruefen(k->Bezeichnung);
        for (const TEltern* e : k->Elternvertreter) {
            pruefen(e->Anrede);
            pruefen(e->Name);
        }
    }
    return texte;
}

namespace {

// The text as the project file gives it back.
QString gespeichert(const QString& text)
{
    return Cp1252Dekodieren(Cp1252Kodieren(text));
}

QString zitiert(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

QStringList NichtSpeicherbareStellen(const TLehrerliste& lehrer, const TKlassenliste& klassen)
{
    QStringList stellen;
    const auto pruefen = [&](const QString& datensatz, const QString& feld, const QString& text) {
        if (!Cp1252Darstellbar(text))
            stellen << QStringLiteral("%1: %2 %3 wird zu %4.").arg(datensatz, feld, zitiert(text), zitiert(gespeichert(text)));
    };
    for (const TLehrer* l : lehrer) {
        const QString datensatz = QStringLiteral("Lehrkraft ") + l->Kuerzel;
        pruefen(datensatz, QStringLiteral("Kürzel"), l->Kuerzel);
        pruefen(datensatz, QStringLiteral("Name"), l->Name);
        pruefen(datensatz, QStringLiteral("Anrede"), l->Anrede);
        for (const QString& fach : l->Unterrichtsfaecher)
            pruefen(datensatz, QStringLiteral("Fach"), fach);
    }
    for (const TKlasse* k : klassen) {
        const QString datensatz = QStringLiteral("Klasse ") + k->Bezeichnung;
        pruefen(datensatz, QStringLiteral("Bezeichnung"), k->Bezeichnung);
        for (const TEltern* e : k->Elternvertreter) {
            pruefen(datensatz, QStringLiteral("Anrede eines Elternvertreters"), e->Anrede);
            pruefen(datensatz, QStringLiteral("Elternvertreter"), e->Name);
        }
    }
    return stellen;
}

QStringList GleicheKuerzelImSpeicher(const TLehrerliste& lehrer)
{
    // by stored form: the distinct abbreviations, in list order
    std::map<QString, QStringList> nachForm;
    QStringList formen;
    for (const TLehrer* l : lehrer) {
        const QString form = gespeichert(l->Kuerzel);
        QStringList& kuerzel = nachForm[form];
        if (kuerzel.isEmpty())
            formen << form;
        if (!kuerzel.contains(l->Kuerzel))
            kuerzel << l->Kuerzel;
    }
    QStringList zeilen;
    for (const QString& form : formen) {
        QStringList kuerzel = nachForm[form];
        if (kuerzel.size() < 2)
            continue;
        for (QString& k : kuerzel)
            k = zitiert(k);
        const QString letztes = kuerzel.takeLast();
        zeilen << QStringLiteral("Die Kürzel %1 und %2 werden beide zu %3.")
                      .arg(kuerzel.join(QStringLiteral(", ")), letztes, zitiert(form));
    }
    return zeilen;
}
