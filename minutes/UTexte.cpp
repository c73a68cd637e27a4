#include "minutes/UTexte.h"

#include "distribution/UZeitplan.h"

#include "minutes/UProtokoll.h"
#include "planning/UDatei.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

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

namespace {

// A link planted in the folder must not carry a text elsewhere.
bool fuehrtHinaus(const QDir& ordner, const QString& name)
{
    const QFileInfo info(ordner.filePath(name));
    if (!info.isSymLink())
        return false;
    const QString ziel = info.canonicalFilePath();
    return ziel.isEmpty() || QFileInfo(ziel).absolutePath() != ordner.canonicalPath();
}

// The class's file name, or the first numbered one that is neither used nor such a link.
QString freierName(const QString& bezeichnung, const QString& mitte, const QDir& ordner, QSet<QString>& vergeben)
{
    for (int nummer = 1;; ++nummer) {
        const QString name =
            TextDateiname(nummer == 1 ? bezeichnung : bezeichnung + QLatin1Char('-') + QString::number(nummer), mitte);
        if (!vergeben.contains(name.toCaseFolded()) && !fuehrtHinaus(ordner, name)) {
            vergeben.insert(name.toCaseFolded());
            return name;
        }
    }
}

} // namespace

TTexteErgebnis TexteSpeichern(const TTextAuftrag& auftrag, ITextUeberschreiben& frage)
{
    TTexteErgebnis ergebnis;
    const TVorlage vorlage = VorlageLaden(auftrag.VorlageDatei, auftrag.Schrift);
    ergebnis.Fehler = vorlage.Fehler;
    if (!ergebnis.Ok())
        return ergebnis;
    enum { Fragen, Immer, Nie } vorhandene = Fragen;
    const QDir ordner(auftrag.Ordner);
    QSet<QString> vergeben;
    int erledigt = 0;
    for (const TKlasse* klasse : auftrag.Klassen) {
        if (auftrag.Fortschritt)
            auftrag.Fortschritt(erledigt++);
        const QString eigener = TextDateiname(klasse->Bezeichnung, auftrag.Mitte);
        const bool hinaus = fuehrtHinaus(ordner, eigener) && !vergeben.contains(eigener.toCaseFolded());
        const QString name = freierName(klasse->Bezeichnung, auftrag.Mitte, ordner, vergeben);
        if (name != eigener)
            ergebnis.Umbenannt << QStringLiteral("Der Text der Klasse \"%1\" steht in \"%2\", weil %3")
                                      .arg(klasse->Bezeichnung, name,
                                           hinaus ? QStringLiteral("ihr Dateiname eine Verknüpfung aus dem Zielordner hinaus ist.")
                                                  : QStringLiteral("ihr Dateiname schon vergeben ist."));
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
        const TTermin* termin = auftrag.Zeitplan ? TerminVon(*auftrag.Zeitplan, klasse) : nullptr;
        const QByteArray text = ProtokollTextSchreiben(*klasse, vorlage.Zeilen, auftrag.MF, termin, &ergebnis.Fehler);
        if (ergebnis.Ok())
            ergebnis.Fehler = DateiSchreiben(pfad, text);
        if (!ergebnis.Ok())
            return ergebnis;
        ergebnis.Geschrieben << pfad;
    }
    return ergebnis;
}
