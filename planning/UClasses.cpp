#include "planning/UClasses.h"

#include "planning/UCodepage.h"
#include "planning/UFehler.h"
#include "planning/UFunctions.h"

#include <QtEndian>
#include <cstring>

// ---------------------------------------------------------------- records

TLehrer::TLehrer(QString k, QString n, QString a)
    : Kuerzel(std::move(k)), Name(std::move(n)), Anrede(std::move(a))
{
}

TEltern::TEltern(QString a, QString n, int id)
    : Anrede(std::move(a)), Name(std::move(n)), ID(QString::number(id))
{
}

TKlasse::TKlasse(QString Bez) : Bezeichnung(std::move(Bez)) {}

// ---------------------------------------------------------------- lists

TLehrer* TLehrerliste::Suche(const QString& k) const
{
    for (TLehrer* lehrer : *this)
        if (lehrer->Kuerzel == k)
            return lehrer;
    return nullptr;
}

bool TLehrerliste::LehrerHinzu(std::unique_ptr<TLehrer>& neuLehrer)
{
    if (!neuLehrer || Suche(neuLehrer->Kuerzel))
        return false;
    Add(std::move(neuLehrer));
    return true;
}

TKlasse* TKlassenliste::SucheKlasse(const QString& k) const
{
    for (TKlasse* klasse : *this)
        if (klasse->Bezeichnung == k)
            return klasse;
    return nullptr;
}

bool TKlassenliste::KlasseExistiert(const QString& x) const
{
    return SucheKlasse(x) != nullptr;
}

bool TKlassenliste::KlasseHinzu(std::unique_ptr<TKlasse> neuKlasse)
{
    if (!neuKlasse || KlasseExistiert(neuKlasse->Bezeichnung))
        return false; // the rejected class is destroyed here
    Add(std::move(neuKlasse));
    return true;
}

// ---------------------------------------------------------------- writing records

void TLehrer::Speichern(TMyStream& DS) const
{
    DS.WriteStr(Kuerzel);
    DS.WriteStr(Name);
    DS.WriteStr(Anrede);
    DS.WriteInt(static_cast<qint32>(Unterrichtsfaecher.size()));
    for (const QString& fach : Unterrichtsfaecher)
        DS.WriteStr(fach);
}

void TEltern::Speichern(TMyStream& DS) const
{
    DS.WriteStr(Anrede);
    DS.WriteStr(Name);
    DS.WriteInt(ID.toInt());
}

namespace {

qint32 lehrerPosition(const TMyStream& DS, const TLehrer* lehrer)
{
    if (!lehrer || !DS.Lehrer)
        return -1;
    return DS.Lehrer->IndexOf(lehrer);
}

} // namespace

void TKlasse::Speichern(TMyStream& DS) const
{
    DS.WriteStr(Bezeichnung);
    DS.WriteInt(static_cast<qint32>(Unterrichtende.size()));
    for (const TLehrer* lehrer : Unterrichtende)
        DS.WriteStr(lehrer->Kuerzel);
    // class leaders are stored joined by '/'
    QStringList leitung;
    for (const TLehrer* lehrer : K_Leitung)
        leitung << lehrer->Kuerzel;
    DS.WriteStr(leitung.join(QLatin1Char('/')));
    DS.WriteInt(lehrerPosition(DS, Stufenleitung));
    DS.WriteInt(lehrerPosition(DS, Vorsitz));
    Elternvertreter.Speichern(DS);
    DS.WriteDate(Konferenzdatum);
}

// ---------------------------------------------------------------- stream

void TMyStream::schreiben(const char* bytes, qsizetype laenge)
{
    if (Position == Daten.size()) {
        Daten.append(bytes, laenge);
    } else {
        if (Position + laenge > Daten.size())
            Daten.resize(Position + laenge);
        std::memcpy(Daten.data() + Position, bytes, static_cast<std::size_t>(laenge));
    }
    Position += laenge;
}

const char* TMyStream::lesen(qsizetype laenge)
{
    if (laenge < 0 || laenge > Rest())
        throw TFehler(QStringLiteral("Unerwartetes Dateiende"));
    const char* bytes = Daten.constData() + Position;
    Position += laenge;
    return bytes;
}

void TMyStream::WriteInt(qint32 loin)
{
    char bytes[4];
    qToLittleEndian(loin, bytes);
    schreiben(bytes, 4);
}

void TMyStream::WriteDate(double datum)
{
    char bytes[8];
    qToLittleEndian(datum, bytes);
    schreiben(bytes, 8);
}

void TMyStream::WriteStr(const QString& sg)
{
    WriteInt(static_cast<qint32>(sg.size()));
    WritePlainText(sg);
}

void TMyStream::WritePlainText(const QString& s)
{
    const QByteArray bytes = Cp1252Kodieren(s);
    schreiben(bytes.constData(), bytes.size());
}

void TMyStream::WriteRichText(const QString& s)
{
    WritePlainText(RtfMaskieren(s));
}

qint32 TMyStream::ReadInt()
{
    return qFromLittleEndian<qint32>(lesen(4));
}

double TMyStream::ReadDate()
{
    return qFromLittleEndian<double>(lesen(8));
}

QString TMyStream::ReadStr()
{
    const qint32 laenge = ReadInt();
    if (laenge <= 0)
        return QString();
    return Cp1252Dekodieren(lesen(laenge), laenge);
}
