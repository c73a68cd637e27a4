#include "planning/UClasses.h"

#include "planning/UCodepage.h"
#include "planning/UFehler.h"
#include "planning/UFunctions.h"

#include <QtEndian>
#include <cstring>
#include <limits>

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

void TKlasse::Speichern(TMyStream& DS) const
{
    DS.WriteStr(Bezeichnung);
    DS.WriteInt(static_cast<qint32>(Unterrichtende.size()));
    for (const TLehrer* lehrer : Unterrichtende)
        DS.WriteStr(lehrer->Kuerzel);
    DS.WriteStr(LeitungstextBilden(K_Leitung));
    DS.WriteInt(DS.LehrerPosition(Stufenleitung));
    DS.WriteInt(DS.LehrerPosition(Vorsitz));
    Elternvertreter.Speichern(DS);
    DS.WriteDate(Konferenzdatum);
}

// ---------------------------------------------------------------- reading records

namespace {

// The fewest bytes one record can take in the file. Counts are checked against them
// before anything is read, so a damaged count never makes the reader allocate or loop
// beyond the bytes that are there.
constexpr qint64 strBytes = 4;
constexpr qint64 intBytes = 4;
constexpr qint64 dateBytes = 8;
constexpr qint64 elternBytes = 2 * strBytes + intBytes;

qint64 lehrerBytes(int version)
{
    return version == 0 ? 2 * strBytes : 3 * strBytes + intBytes;
}

qint64 klasseBytes(int version)
{
    if (version == 0)
        return strBytes + intBytes;
    // designation, teacher count; leadership (a str or an int), grade-level leadership,
    // chair, parent count; date
    return strBytes + intBytes + 4 * intBytes + dateBytes;
}

// A count whose sign carries no meaning: version 0 stores list counts positive, later
// versions negated.
qint64 betragLesen(TMyStream& DS, qint64 bytesJeEintrag)
{
    const qint64 anzahl = qAbs(static_cast<qint64>(DS.ReadInt()));
    DS.AnzahlPruefen(anzahl, bytesJeEintrag);
    return anzahl;
}

template <class Liste, class Eintrag>
std::unique_ptr<Liste> listeLesen(TMyStream& DS, qint64 bytesJeEintrag)
{
    auto liste = std::make_unique<Liste>();
    const qint64 anzahl = betragLesen(DS, bytesJeEintrag);
    for (qint64 i = 0; i < anzahl; ++i)
        liste->Add(Eintrag::Oeffnen(DS));
    return liste;
}

// The teacher at a position of the teacher list of the same file; -1 stands for none.
TLehrer* lehrerAnPosition(const TMyStream& DS, qint32 position)
{
    if (position == -1)
        return nullptr;
    if (!DS.Lehrer || position < 0 || position >= DS.Lehrer->Count())
        throw TFehler(QStringLiteral("Listenindex außerhalb des gültigen Bereichs (%1)").arg(position));
    return DS.Lehrer->Items(position);
}

// Abbreviations that name no teacher of the file are skipped: a list never holds an
// empty reference.
void lehrerAnhaengen(const TMyStream& DS, const QString& kuerzel, QList<TLehrer*>& liste)
{
    if (TLehrer* lehrer = DS.LehrerMitKuerzel(kuerzel))
        liste << lehrer;
}

void klassenleitungLesen(TMyStream& DS, TKlasse& klasse)
{
    if (DS.Dateiversion == 1) {
        // one class leader as a position; any negative number means none
        const qint32 position = DS.ReadInt();
        if (position >= 0)
            klasse.K_Leitung << lehrerAnPosition(DS, position);
        return;
    }
    QStringList kuerzel;
    ListeTeilen(DS.ReadStr(), kuerzel);
    for (const QString& k : kuerzel)
        lehrerAnhaengen(DS, k, klasse.K_Leitung);
}

// A value that is no calendar day (not a number, infinite, far beyond any calendar)
// is read as no date.
double datumLesen(TMyStream& DS)
{
    const double datum = DS.ReadDate();
    return WertZuDatum(datum).isValid() ? datum : 0.0;
}

} // namespace

std::unique_ptr<TLehrer> TLehrer::Oeffnen(TMyStream& DS)
{
    QString kuerzel = DS.ReadStr();
    QString name = DS.ReadStr();
    auto lehrer = std::make_unique<TLehrer>(std::move(kuerzel), std::move(name), QString());
    if (DS.Dateiversion == 0)
        return lehrer;
    lehrer->Anrede = DS.ReadStr();
    const qint32 faecher = DS.ReadInt(); // a count of 0 or less: no subjects
    if (faecher > 0) {
        DS.AnzahlPruefen(faecher, strBytes);
        for (qint32 i = 0; i < faecher; ++i)
            lehrer->Unterrichtsfaecher << DS.ReadStr();
    }
    return lehrer;
}

std::unique_ptr<TEltern> TEltern::Oeffnen(TMyStream& DS)
{
    QString anrede = DS.ReadStr();
    QString name = DS.ReadStr();
    const qint32 id = DS.ReadInt();
    return std::make_unique<TEltern>(std::move(anrede), std::move(name), id);
}

std::unique_ptr<TKlasse> TKlasse::Oeffnen(TMyStream& DS)
{
    auto klasse = std::make_unique<TKlasse>(DS.ReadStr());
    const qint64 unterrichtende = betragLesen(DS, strBytes);
    for (qint64 i = 0; i < unterrichtende; ++i)
        lehrerAnhaengen(DS, DS.ReadStr(), klasse->Unterrichtende);
    if (DS.Dateiversion == 0)
        return klasse;
    klassenleitungLesen(DS, *klasse);
    klasse->Stufenleitung = lehrerAnPosition(DS, DS.ReadInt());
    klasse->Vorsitz = lehrerAnPosition(DS, DS.ReadInt());
    const qint32 eltern = DS.ReadInt(); // negated; 0 or a positive number: none follow
    if (eltern < 0) {
        const qint64 anzahl = -static_cast<qint64>(eltern);
        DS.AnzahlPruefen(anzahl, elternBytes);
        for (qint64 i = 0; i < anzahl; ++i)
            klasse->Elternvertreter.Add(TEltern::Oeffnen(DS));
    }
    klasse->Konferenzdatum = datumLesen(DS);
    return klasse;
}

std::unique_ptr<TLehrerliste> TLehrerliste::Oeffnen(TMyStream& DS)
{
    return listeLesen<TLehrerliste, TLehrer>(DS, lehrerBytes(DS.Dateiversion));
}

std::unique_ptr<TKlassenliste> TKlassenliste::Oeffnen(TMyStream& DS)
{
    return listeLesen<TKlassenliste, TKlasse>(DS, klasseBytes(DS.Dateiversion));
}

// ---------------------------------------------------------------- stream

namespace {

TFehler dateiendeFehler()
{
    return TFehler(QStringLiteral("Unerwartetes Dateiende"));
}

} // namespace

void TMyStream::lehrerIndexBauen() const
{
    if (lehrerIndex_.Liste == Lehrer && lehrerIndex_.Anzahl == (Lehrer ? Lehrer->Count() : 0))
        return;
    lehrerIndex_ = TLehrerIndex{Lehrer, Lehrer ? Lehrer->Count() : 0, {}, {}};
    if (!Lehrer)
        return;
    lehrerIndex_.NachKuerzel.reserve(Lehrer->Count());
    lehrerIndex_.Positionen.reserve(Lehrer->Count());
    // from the back, so that of two teachers with the same abbreviation the first one stays
    for (qint32 position = Lehrer->Count() - 1; position >= 0; --position) {
        TLehrer* lehrer = Lehrer->Items(position);
        lehrerIndex_.NachKuerzel.insert(lehrer->Kuerzel, lehrer);
        lehrerIndex_.Positionen.insert(lehrer, position);
    }
}

TLehrer* TMyStream::LehrerMitKuerzel(const QString& kuerzel) const
{
    lehrerIndexBauen();
    return lehrerIndex_.NachKuerzel.value(kuerzel, nullptr);
}

qint32 TMyStream::LehrerPosition(const TLehrer* lehrer) const
{
    if (!lehrer)
        return -1;
    lehrerIndexBauen();
    return lehrerIndex_.Positionen.value(lehrer, -1);
}

void TMyStream::AnzahlPruefen(qint64 anzahl, qint64 bytesJeEintrag) const
{
    if (anzahl < 0 || anzahl > Rest() / std::max<qint64>(bytesJeEintrag, 1))
        throw dateiendeFehler();
}

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
        throw dateiendeFehler();
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
    if (sg.size() > std::numeric_limits<qint32>::max())
        throw TFehler(QStringLiteral("Stream-Schreibfehler"));
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
