#include "minutes/UTexte.h"

#include "minutes/UProtokoll.h"
#include "planning/UDatei.h"

#include <QDir>
#include <QFileInfo>

QString DateinamenteilSicher(const QString& teil)
{
    QString sicher = teil;
    bool vorn = true; // leading dots would hide the file
    for (QChar& c : sicher) {
        if (c == u'/' || c == u'\\' || c.unicode() < 32 || (vorn && c == u'.'))
            c = u'_';
        else
            vorn = false;
    }
    return sicher;
}

QString TextDateiname(const QString& bezeichnung, const QString& mitte, const QString& endung)
{
    return DateinamenteilSicher(bezeichnung + QLatin1Char('-') + mitte + endung);
}

TTexteErgebnis TexteSpeichern(const TTextAuftrag& auftrag, ITextUeberschreiben& frage)
{
    TTexteErgebnis ergebnis;
    const TVorlage vorlage = VorlageLaden(auftrag.VorlageDatei, auftrag.Schrift);
    ergebnis.Fehler = vorlage.Fehler;
    if (!ergebnis.Ok())
        return ergebnis;
    enum { Fragen, Immer, Nie } vorhandene = Fragen;
    const QDir ordner(auftrag.Ordner);
    int erledigt = 0;
    for (const TKlasse* klasse : auftrag.Klassen) {
        if (auftrag.Fortschritt)
            auftrag.Fortschritt(erledigt++);
        const QString name = TextDateiname(klasse->Bezeichnung, auftrag.Mitte);
        const QString pfad = ordner.filePath(name);
        if (QFileInfo::exists(pfad)) {
            bool ersetzen = vorhandene == Immer;
            if (vorhandene == Fragen) {
                const ITextUeberschreiben::TAntwort antwort = frage.Fragen(name);
                ersetzen = antwort.Ueberschreiben;
                if (antwort.NichtMehrFragen)
                    vorhandene = ersetzen ? Immer : Nie;
            }
            if (!ersetzen) {
                ergebnis.Uebersprungen << pfad;
                continue;
            }
        }
        ergebnis.Fehler = DateiSchreiben(pfad, ProtokollTextSchreiben(*klasse, vorlage.Zeilen, auftrag.MF));
        if (!ergebnis.Ok())
            return ergebnis;
        ergebnis.Geschrieben << pfad;
    }
    return ergebnis;
}
