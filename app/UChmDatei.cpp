#include "app/UChmDatei.h"

#include "app/UChmPruefung.h"
#include "planning/UCodepage.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QUrl>

#include <chm_lib.h>

#include <cstring>

namespace {

// Files larger than this are taken as damage: a help page or image is far smaller.
constexpr LONGUINT64 hoechsteDateigroesse = 64ull * 1024 * 1024;

// Names in the internal files are 8-bit: UTF-8 when they are valid UTF-8, else Windows-1252.
QString NameDekodieren(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    return utf8.hasError() ? Cp1252Dekodieren(bytes) : text;
}

QString NullTerminiert(const QByteArray& daten, qsizetype stelle, qsizetype ende)
{
    qsizetype null = daten.indexOf('\0', stelle);
    if (null < 0 || null > ende)
        null = ende;
    return NameDekodieren(daten.mid(stelle, null - stelle));
}

int Aufzaehlen(chmFile*, chmUnitInfo* eintrag, void* ziel)
{
    static_cast<QStringList*>(ziel)->append(QString::fromUtf8(eintrag->path));
    return CHM_ENUMERATOR_CONTINUE;
}

} // namespace

TChmSystem ChmSystemLesen(const QByteArray& system)
{
    TChmSystem ergebnis;
    qsizetype stelle = 4; // version number
    while (stelle + 4 <= system.size()) {
        const quint16 code = ChmZahl16(system, stelle);
        const quint16 laenge = ChmZahl16(system, stelle + 2);
        stelle += 4;
        if (stelle + laenge > system.size())
            break;
        const QString text = NullTerminiert(system, stelle, stelle + laenge);
        switch (code) {
        case 0: ergebnis.Inhaltsdatei = ChmPfad(text); break;
        case 1: ergebnis.Indexdatei = ChmPfad(text); break;
        case 2: ergebnis.Startseite = ChmPfad(text); break;
        case 3: ergebnis.Titel = text; break;
        default: break;
        }
        stelle += laenge;
    }
    return ergebnis;
}

QHash<quint32, QString> ChmKontexteLesen(const QByteArray& ivb, const QByteArray& strings)
{
    QHash<quint32, QString> kontexte;
    if (ivb.size() < 4)
        return kontexte;
    const qsizetype ende = qMin<qsizetype>(ivb.size(), 4 + qsizetype(ChmZahl32(ivb, 0)));
    for (qsizetype stelle = 4; stelle + 8 <= ende; stelle += 8) {
        const quint32 kontext = ChmZahl32(ivb, stelle);
        const quint32 versatz = ChmZahl32(ivb, stelle + 4);
        if (versatz >= quint32(strings.size()))
            continue;
        const QString thema = NullTerminiert(strings, versatz, strings.size());
        if (!thema.isEmpty() && !kontexte.contains(kontext))
            kontexte.insert(kontext, thema);
    }
    return kontexte;
}

QString ChmThemaFinden(const QString& thema, const QStringList& dateien)
{
    QString name = thema;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!name.startsWith(QLatin1Char('/')))
        name.prepend(QLatin1Char('/'));
    QString bester;
    for (const QString& datei : dateien) {
        if (datei.size() <= bester.size() || datei.endsWith(QLatin1Char('/')))
            continue;
        if (name.endsWith(datei, Qt::CaseInsensitive))
            bester = datei;
    }
    return bester;
}

QString ChmPfad(const QString& adresse)
{
    QString pfad = adresse.trimmed();
    pfad.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype trenner = pfad.indexOf(QLatin1String("::"));
    if (trenner >= 0)
        pfad = pfad.mid(trenner + 2);
    while (pfad.startsWith(QLatin1String("./")))
        pfad.remove(0, 2);
    if (pfad.isEmpty())
        return pfad;
    if (!pfad.startsWith(QLatin1Char('/')))
        pfad.prepend(QLatin1Char('/'));
    return QUrl::fromPercentEncoding(pfad.toUtf8());
}

TChmDatei::TChmDatei(QString pfad, chmFile* datei) : pfad_(std::move(pfad)), datei_(datei)
{
    dateien_ = dateienAufzaehlen();
    system_ = ChmSystemLesen(Lesen(QStringLiteral("/#SYSTEM")));
    kontexte_ = kontexteLesen();
}

TChmDatei::~TChmDatei()
{
    chm_close(datei_);
}

std::unique_ptr<TChmDatei> TChmDatei::Oeffnen(const QString& pfad, QString* fehler)
{
    if (pfad.isEmpty()) {
        *fehler = QStringLiteral("Es ist keine Hilfedatei festgelegt.");
        return nullptr;
    }
    if (!QFileInfo(pfad).isFile()) {
        *fehler = QStringLiteral("Die Hilfedatei \"%1\" wurde nicht gefunden.").arg(pfad);
        return nullptr;
    }
    const QString unlesbar = QStringLiteral("Die Hilfedatei \"%1\" kann nicht gelesen werden: "
                                            "sie ist keine gültige kompilierte HTML-Hilfe.").arg(pfad);
    QFile pruefling(pfad);
    if (!pruefling.open(QIODevice::ReadOnly) || !ChmAufbauGueltig(pruefling)) {
        *fehler = unlesbar;
        return nullptr;
    }
    pruefling.close();
    chmFile* datei = chm_open(QFile::encodeName(pfad).constData());
    if (!datei) {
        *fehler = unlesbar;
        return nullptr;
    }
    fehler->clear();
    return std::unique_ptr<TChmDatei>(new TChmDatei(pfad, datei));
}

QStringList TChmDatei::dateienAufzaehlen() const
{
    QStringList dateien;
    chm_enumerate(datei_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, Aufzaehlen, &dateien);
    return dateien;
}

QHash<quint32, QString> TChmDatei::kontexteLesen() const
{
    QHash<quint32, QString> kontexte =
        ChmKontexteLesen(Lesen(QStringLiteral("/#IVB")), Lesen(QStringLiteral("/#STRINGS")));
    for (auto it = kontexte.begin(); it != kontexte.end();) {
        it.value() = ChmThemaFinden(it.value(), dateien_);
        it = it.value().isEmpty() ? kontexte.erase(it) : std::next(it);
    }
    return kontexte;
}

bool TChmDatei::Enthaelt(const QString& pfad) const
{
    return dateien_.contains(pfad, Qt::CaseInsensitive);
}

QByteArray TChmDatei::Lesen(const QString& pfad) const
{
    // Links may spell a path in another case than the directory does.
    QString gespeichert = pfad;
    if (!dateien_.contains(pfad)) {
        for (const QString& datei : dateien_)
            if (datei.compare(pfad, Qt::CaseInsensitive) == 0)
                gespeichert = datei;
    }
    chmUnitInfo eintrag;
    if (chm_resolve_object(datei_, gespeichert.toUtf8().constData(), &eintrag) != CHM_RESOLVE_SUCCESS)
        return QByteArray();
    if (eintrag.length > hoechsteDateigroesse)
        return QByteArray();
    QByteArray inhalt(qsizetype(eintrag.length), Qt::Uninitialized);
    const LONGINT64 gelesen = chm_retrieve_object(datei_, &eintrag,
        reinterpret_cast<unsigned char*>(inhalt.data()), 0, LONGINT64(eintrag.length));
    if (gelesen != LONGINT64(eintrag.length))
        return QByteArray();
    return inhalt;
}
