#include "support/Schulgenerator.h"

#include "planning/UFunctions.h"

#include <QDate>
#include <QDateTime>
#include <QSet>
#include <QTime>

#include <algorithm>
#include <array>
#include <vector>

namespace {

// splitmix64: small, fast and the same on every platform and library.
class TGenerator
{
public:
    explicit TGenerator(std::uint32_t startwert) : zustand(startwert) {}

    // A uniform draw in 0 .. n-1 (n >= 1).
    int Ziehen(int n)
    {
        return static_cast<int>(((naechste() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }
    int Zwischen(int von, int bis) { return von + Ziehen(bis - von + 1); }
    bool Chance(int prozent) { return Ziehen(100) < prozent; }

private:
    std::uint64_t naechste()
    {
        std::uint64_t z = (zustand += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    std::uint64_t zustand;
};

const char* const nachnamen[] = {
    "Müller",   "Schäfer",  "Weiß",      "Jürgens",  "Schröder", "Köhler",    "Böhm",     "Krüger",
    "Günther",  "Möller",   "Böttcher",  "Groß",     "Fuß",      "Strauß",    "Löffler",  "Höfer",
    "Kühn",     "Jäger",    "Dürr",      "Schütz",   "Rösler",   "Lüders",    "Többen",   "Hüsken",
    "Schmidt",  "Schneider", "Fischer",  "Meyer",    "Wagner",   "Becker",    "Schulz",   "Hoffmann",
    "Koch",     "Bauer",    "Richter",   "Klein",    "Wolf",     "Neumann",   "Schwarz",  "Zimmermann",
    "Braun",    "Hartmann", "Lange",     "Schmitt",  "Werner",   "Krause",    "Meier",    "Lehmann",
    "Schulze",  "Köster",   "Walter",    "Huber",    "Kaiser",   "Fuchs",     "Peters",   "Scholz",
    "Weber",    "Vogel",    "Friedrich", "Keller",   "Frank",    "Berger",    "Winkler",  "Roth",
    "Beck",     "Lorenz",   "Baumann",   "Franke",   "Albrecht", "Schuster",  "Simon",    "Ludwig",
    "Winter",   "Kraus",    "Schumacher", "Krämer",  "Vogt",     "Stein",     "Otto",     "Sommer",
    "Seidel",   "Heinrich", "Brandt",    "Haas",     "Schreiber", "Graf",     "Schulte",  "Dietrich",
    "Ziegler",  "Kuhn",     "Engel",     "Pohl",     "Horn",     "Busch",     "Bergmann", "Voigt",
    "Sauer",    "Arnold",   "Pfeiffer",  "Öztürk",   "Ahrens",   "Mährlein",  "Wößner",   "Brück",
};

const char* const faecher[] = {
    "Deutsch",    "Mathematik", "Englisch", "Französisch", "Latein",   "Spanisch",
    "Biologie",   "Chemie",     "Physik",   "Erdkunde",    "Geschichte", "Politik",
    "Kunst",      "Musik",      "Sport",    "Evangelische Religion", "Katholische Religion",
    "Praktische Philosophie", "Informatik", "Pädagogik",
};

template <std::size_t N>
QString auswahl(TGenerator& zufall, const char* const (&liste)[N])
{
    return QString::fromUtf8(liste[zufall.Ziehen(static_cast<int>(N))]);
}

// The stages of the school in order: grades 5 to 10, then the upper school.
constexpr int stufenzahl = 9;
constexpr std::size_t grosseSchuleAb = 130;
constexpr int ersteOberstufe = 6;
const char* const oberstufen[] = {"EF", "Q1", "Q2"};

// The upper school has one group per stage once the school has at least nine classes;
// the other classes are spread over grades 5 to 10 as evenly as possible.
std::array<int, stufenzahl> klassenProStufe(int klassenzahl)
{
    std::array<int, stufenzahl> anzahl{};
    int unten = klassenzahl;
    if (klassenzahl >= stufenzahl) {
        for (int s = ersteOberstufe; s < stufenzahl; ++s)
            anzahl[s] = 1;
        unten -= stufenzahl - ersteOberstufe;
    }
    for (int s = 0; s < ersteOberstufe; ++s)
        anzahl[s] = unten / ersteOberstufe + (s < unten % ersteOberstufe ? 1 : 0);
    return anzahl;
}

// a .. z, then aa, ab, ...
QString parallelzeichen(int i)
{
    QString zeichen;
    for (++i; i > 0; i = (i - 1) / 26)
        zeichen.prepend(QChar(u'a' + (i - 1) % 26));
    return zeichen;
}

QString bezeichnung(int stufe, int parallel)
{
    if (stufe >= ersteOberstufe)
        return QString::fromLatin1(oberstufen[stufe - ersteOberstufe]);
    return QString::number(5 + stufe) + parallelzeichen(parallel);
}

// The capital letters of a name, umlauts and ß spelt out.
QString grossbuchstaben(const QString& name)
{
    QString buchstaben;
    for (const QChar c : name.toUpper()) {
        switch (c.unicode()) {
        case u'Ä': buchstaben += QStringLiteral("AE"); break;
        case u'Ö': buchstaben += QStringLiteral("OE"); break;
        case u'Ü': buchstaben += QStringLiteral("UE"); break;
        case u'ß': buchstaben += QStringLiteral("SS"); break;
        default:
            if (c >= u'A' && c <= u'Z')
                buchstaben += c;
        }
    }
    return buchstaben;
}

// Every code of the given length, in alphabetical order: the last resort of kuerzelBilden.
QString freierCode(int laenge, const QSet<QString>& vergeben)
{
    int codes = 1;
    for (int i = 0; i < laenge; ++i)
        codes *= 26;
    for (int nummer = 0; nummer < codes; ++nummer) {
        QString code;
        for (int i = 0, rest = nummer; i < laenge; ++i, rest /= 26)
            code.prepend(QChar(u'A' + rest % 26));
        if (!vergeben.contains(code))
            return code;
    }
    return QString();
}

// A unique abbreviation of 2 to 4 capital letters: the first three letters of the name if
// free, else the first four or two, else the initial and two later letters of the name.
QString kuerzelBilden(const QString& name, QSet<QString>& vergeben)
{
    const QString b = grossbuchstaben(name);
    QStringList kandidaten = {b.left(3), b.left(4), b.left(2)};
    for (qsizetype i = 1; i < b.size(); ++i)
        for (qsizetype j = i + 1; j < b.size(); ++j)
            kandidaten << b.left(1) + b[i] + b[j];
    for (int laenge = 2; laenge <= 4; ++laenge)
        kandidaten << freierCode(laenge, vergeben);
    for (const QString& k : kandidaten) {
        if (k.size() >= 2 && !vergeben.contains(k)) {
            vergeben.insert(k);
            return k;
        }
    }
    return QString(); // more than 475,000 teachers
}

struct TPerson
{
    QString anrede;
    QString name;
    int id;
    int klassen;
};

class TAufbau
{
public:
    TAufbau(int klassenzahl, std::uint32_t startwert, const TSchulOptionen& vorgaben)
        : zufall(startwert), optionen(vorgaben)
    {
        klassenAnlegen(std::max(0, klassenzahl));
        lehrerAnlegen();
        unterrichtVerteilen();
        leitungUndVorsitz();
        termineSetzen();
        elternvertreterWaehlen();
        schule.Lehrer->Sort(LehrerVergleich);
        schule.Klassen->Sort(KlassenVergleich);
    }

    TSchule schule;

private:
    // A school of more classes than the benchmarks of the past used: its teachers form a
    // pool per grade and teach almost only there.
    bool grosseSchule() const { return klassen.size() > grosseSchuleAb; }
    void klassenAnlegen(int klassenzahl);
    void lehrerAnlegen();
    TLehrer* lehrerNahe(int stufe);
    void klasseBesetzen(TKlasse* klasse, int stufe);
    void unterrichtVerteilen();
    void leitungUndVorsitz();
    void termineSetzen();
    void elternvertreterWaehlen();

    TGenerator zufall;
    TSchulOptionen optionen;
    std::array<int, stufenzahl> stufenbelegung{};
    std::vector<TKlasse*> klassen;
    std::vector<int> stufeDerKlasse;
    std::vector<TLehrer*> lehrer;
    std::array<std::vector<TLehrer*>, stufenzahl> lehrerDerStufe;
};

void TAufbau::klassenAnlegen(int klassenzahl)
{
    stufenbelegung = klassenProStufe(klassenzahl);
    for (int stufe = 0; stufe < stufenzahl; ++stufe) {
        for (int p = 0; p < stufenbelegung[stufe]; ++p) {
            klassen.push_back(schule.Klassen->Add(
                std::make_unique<TKlasse>(bezeichnung(stufe, p))));
            stufeDerKlasse.push_back(stufe);
        }
    }
}

// Each teacher belongs to one stage, drawn in proportion to the classes of the stage
// (plus one, so that small stages have some teachers of their own).
void TAufbau::lehrerAnlegen()
{
    const int klassenzahl = static_cast<int>(klassen.size());
    const int anzahl = optionen.Lehrerzahl > 0 ? optionen.Lehrerzahl
        : grosseSchule()                         ? klassenzahl + klassenzahl / 4 + zufall.Zwischen(-3, 3)
                                                 : std::clamp(30 + klassenzahl + zufall.Zwischen(-3, 3), 60, 150);
    const auto gewicht = [this](int s) { return stufenbelegung[s] > 0 ? stufenbelegung[s] + 1 : 0; };
    int gewichte = 0;
    for (int s = 0; s < stufenzahl; ++s)
        gewichte += gewicht(s);

    QSet<QString> kuerzel;
    for (int i = 0; i < anzahl; ++i) {
        QString name = auswahl(zufall, nachnamen);
        if (zufall.Chance(6))
            name += QLatin1Char('-') + auswahl(zufall, nachnamen);
        const QString anrede = zufall.Chance(58) ? QStringLiteral("Frau") : QStringLiteral("Herr");
        auto neu = std::make_unique<TLehrer>(kuerzelBilden(name, kuerzel), name, anrede);
        for (int f = zufall.Zwischen(1, 3); neu->Unterrichtsfaecher.size() < f;) {
            const QString fach = auswahl(zufall, faecher);
            if (!neu->Unterrichtsfaecher.contains(fach))
                neu->Unterrichtsfaecher << fach;
        }
        TLehrer* l = schule.Lehrer->Add(std::move(neu));
        lehrer.push_back(l);

        int stufe = zufall.Ziehen(stufenzahl);
        if (gewichte > 0) {
            int x = zufall.Ziehen(gewichte);
            for (stufe = 0; x >= gewicht(stufe); ++stufe)
                x -= gewicht(stufe);
        }
        lehrerDerStufe[stufe].push_back(l);
    }
}

// Mostly a teacher of the class's own stage, often of a neighbouring one, now and then of
// a stage two away; any teacher when that stage has none.
TLehrer* TAufbau::lehrerNahe(int stufe)
{
    const int wurf = zufall.Ziehen(100);
    const int abstand = grosseSchule() ? (wurf < 85 ? 0 : 1) : (wurf < 60 ? 0 : (wurf < 90 ? 1 : 2));
    const int ziel = std::clamp(stufe + (zufall.Chance(50) ? abstand : -abstand), 0, stufenzahl - 1);
    const auto& kreis = lehrerDerStufe[ziel];
    if (kreis.empty())
        return lehrer[zufall.Ziehen(static_cast<int>(lehrer.size()))];
    return kreis[zufall.Ziehen(static_cast<int>(kreis.size()))];
}

void TAufbau::klasseBesetzen(TKlasse* klasse, int stufe)
{
    const int verfuegbar = static_cast<int>(lehrer.size());
    const int minimum = std::min(optionen.LehrerProKlasseMin, verfuegbar);
    const int soll = std::min(zufall.Zwischen(minimum, std::max(minimum, optionen.LehrerProKlasseMax)), verfuegbar);
    for (int versuch = 0; klasse->Unterrichtende.size() < soll && versuch < 40 * soll; ++versuch) {
        TLehrer* l = lehrerNahe(stufe);
        if (!klasse->Unterrichtende.contains(l))
            klasse->Unterrichtende << l;
    }
    for (int i = zufall.Ziehen(std::max(1, verfuegbar)); klasse->Unterrichtende.size() < soll; i = (i + 1) % verfuegbar)
        if (!klasse->Unterrichtende.contains(lehrer[i]))
            klasse->Unterrichtende << lehrer[i];
    std::sort(klasse->Unterrichtende.begin(), klasse->Unterrichtende.end(),
              [](const TLehrer* a, const TLehrer* b) { return LehrerVergleich(a, b) < 0; });
}

void TAufbau::unterrichtVerteilen()
{
    std::vector<bool> ohneLehrer(klassen.size(), false);
    const int ohne = std::clamp(optionen.KlassenOhneLehrer, 0, static_cast<int>(klassen.size()));
    for (int gewaehlt = 0; gewaehlt < ohne;) {
        const auto k = static_cast<std::size_t>(zufall.Ziehen(static_cast<int>(klassen.size())));
        if (!ohneLehrer[k]) {
            ohneLehrer[k] = true;
            ++gewaehlt;
        }
    }
    if (lehrer.empty())
        return;
    for (std::size_t k = 0; k < klassen.size(); ++k)
        if (!ohneLehrer[k])
            klasseBesetzen(klassen[k], stufeDerKlasse[k]);
}

// One or two of the class's teachers lead it; the upper school also gets a grade-level
// leader. The chairs come from a school management of three, one per part of the school.
void TAufbau::leitungUndVorsitz()
{
    if (lehrer.empty())
        return;
    std::vector<TLehrer*> leitung;
    for (int i = 0; i < 3; ++i)
        leitung.push_back(lehrer[zufall.Ziehen(static_cast<int>(lehrer.size()))]);
    for (std::size_t k = 0; k < klassen.size(); ++k) {
        TKlasse* klasse = klassen[k];
        const int stufe = stufeDerKlasse[k];
        klasse->Vorsitz = leitung[stufe < 2 ? 0 : (stufe < ersteOberstufe ? 1 : 2)];
        const auto& lehrkraefte = klasse->Unterrichtende;
        if (lehrkraefte.isEmpty())
            continue;
        const int leiter = (lehrkraefte.size() >= 2 && zufall.Chance(35)) ? 2 : 1;
        while (klasse->K_Leitung.size() < leiter) {
            TLehrer* l = lehrkraefte[zufall.Ziehen(static_cast<int>(lehrkraefte.size()))];
            if (!klasse->K_Leitung.contains(l))
                klasse->K_Leitung << l;
        }
        if (stufe >= ersteOberstufe)
            klasse->Stufenleitung = lehrkraefte[zufall.Ziehen(static_cast<int>(lehrkraefte.size()))];
    }
}

// The conferences of one half-year: the week from Monday 25 January 2027 or from Monday
// 5 July 2027, in the afternoon every half hour from 13:30.
void TAufbau::termineSetzen()
{
    const QDate montag = zufall.Chance(50) ? QDate(2027, 1, 25) : QDate(2027, 7, 5);
    for (TKlasse* klasse : klassen) {
        const QDate tag = montag.addDays(zufall.Ziehen(5));
        const QTime zeit = QTime(13, 30).addSecs(1800 * zufall.Ziehen(8));
        klasse->Konferenzdatum = DatumZuWert(QDateTime(tag, zeit));
    }
}

// Up to three parents per class; now and then a parent of another class also represents
// this one (a sibling) and keeps the ID of that person.
void TAufbau::elternvertreterWaehlen()
{
    std::vector<TPerson> personen;
    for (TKlasse* klasse : klassen) {
        std::vector<int> hier;
        for (int n = zufall.Ziehen(4); n > 0; --n) {
            int p = -1;
            if (!personen.empty() && zufall.Chance(8)) {
                p = zufall.Ziehen(static_cast<int>(personen.size()));
                if (personen[p].klassen >= 2 || std::find(hier.begin(), hier.end(), p) != hier.end())
                    p = -1;
            }
            if (p < 0) {
                const QString anrede = zufall.Chance(65) ? QStringLiteral("Frau") : QStringLiteral("Herr");
                personen.push_back({anrede, auswahl(zufall, nachnamen), static_cast<int>(personen.size()) + 1, 0});
                p = static_cast<int>(personen.size()) - 1;
            }
            ++personen[p].klassen;
            hier.push_back(p);
            klasse->Elternvertreter.Add(std::make_unique<TEltern>(personen[p].anrede, personen[p].name, personen[p].id));
        }
    }
}

} // namespace

TSchule SchuleErzeugen(int klassenzahl, std::uint32_t startwert)
{
    return SchuleErzeugen(klassenzahl, startwert, TSchulOptionen{});
}

TSchule SchuleErzeugen(int klassenzahl, std::uint32_t startwert, const TSchulOptionen& optionen)
{
    TAufbau aufbau(klassenzahl, startwert, optionen);
    return std::move(aufbau.schule);
}
