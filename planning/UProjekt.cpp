#include "planning/UProjekt.h"

#include "planning/UCodepage.h"
#include "planning/UDatei.h"
#include "planning/UFehler.h"

#include <QSet>

namespace {

constexpr qint32 kopfVersion2 = 2 << 16;
constexpr int hoechsteVersion = 2;

QString beschaedigtMeldung(const QString& dateiname, const QString& grund)
{
    return QStringLiteral("Die Datei \"%1\" ist beschädigt oder keine Projektdatei von Simultano.\n%2")
        .arg(Anzeigename(dateiname), grund);
}

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
        if (version > hoechsteVersion)
            throw TFehler(QStringLiteral("Unbekannte Dateiversion %1").arg(version));
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
        if (DS.Rest() > 0)
            throw TFehler(QStringLiteral("Unerwartete Daten nach den Klassen (%1 Bytes)").arg(DS.Rest()));
        ergebnis.Version = DS.Dateiversion;
        ergebnis.Lehrer = std::move(lehrer);
        ergebnis.Klassen = std::move(klassen);
    } catch (const TFehler& fehler) {
        ergebnis.Fehler = beschaedigtMeldung(dateiname, fehler.Meldung);
    }
    return ergebnis;
}

TProjektErgebnis ProjektLesen(const QString& dateiname)
{
    TProjektErgebnis ergebnis;
    QByteArray bytes;
    QString grund;
    switch (DateiBegrenztLesen(dateiname, bytes, &grund)) {
    case TLesefehler::Keiner:
        return ProjektAusBytes(bytes, dateiname);
    case TLesefehler::NichtGeoeffnet:
        ergebnis.Fehler = QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(Anzeigename(dateiname), grund);
        break;
    case TLesefehler::ZuGross:
        ergebnis.Fehler = beschaedigtMeldung(dateiname, QStringLiteral("Die Datei ist zu groß"));
        break;
    }
    return ergebnis;
}

QByteArray ProjektBytes(const TLehrerliste& lehrer, const TKlassenliste& klassen)
{
    TMyStream DS;
    DS.Lehrer = &lehrer;
    DS.WriteInt(kopfVersion2);
    lehrer.Speichern(DS);
    klassen.Speichern(DS);
    return DS.Daten;
}

QString ProjektSchreiben(const QString& dateiname, const TLehrerliste& lehrer, const TKlassenliste& klassen)
{
    QByteArray bytes;
    try {
        bytes = ProjektBytes(lehrer, klassen);
    } catch (const TFehler& fehler) {
        return fehler.Meldung;
    }
    QString grund;
    switch (DateiSicherSchreiben(dateiname, bytes, &grund)) {
    case TSchreibfehler::NichtErstellt:
        return QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(Anzeigename(dateiname), grund);
    case TSchreibfehler::Abgebrochen:
        return QStringLiteral("Stream-Schreibfehler");
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
