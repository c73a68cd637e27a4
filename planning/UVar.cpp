#include "planning/UVar.h"

#include "minutes/UProtokoll.h"
#include "planning/UIni.h"

#include <chrono>

std::unique_ptr<TLehrerliste> Lehrerliste = std::make_unique<TLehrerliste>();
std::unique_ptr<TKlassenliste> Klassenliste = std::make_unique<TKlassenliste>();
std::unique_ptr<TVerteilung> Verteilung = std::make_unique<TVerteilung>();
TProjektZusatz Projektzusatz;
bool Geaendert = false;
QString Dateiname;
TDateiStand Dateistand;
QString Programmpfad;

QString Schriftname = QStringLiteral("Calibri");
int Schriftgroesse = 11;
int Schriftstil = 0;
bool MFnutzen = true;

double Tabstopp = 3.78;
double Einzug = 0.5;
double Erstzeile = 0.0;

int Dateiversion = 0;

TZufall Zufall;

std::uint32_t UhrStartwert()
{
    return static_cast<std::uint32_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

void ProjektSetzen(std::unique_ptr<TLehrerliste> lehrer, std::unique_ptr<TKlassenliste> klassen,
                   TProjektZusatz zusatz)
{
    Verteilung = std::make_unique<TVerteilung>();
    Projektzusatz = std::move(zusatz);
    Klassenliste = std::move(klassen);
    Lehrerliste = std::move(lehrer);
}

void LeeresProjekt()
{
    ProjektSetzen(std::make_unique<TLehrerliste>(), std::make_unique<TKlassenliste>());
}

void PlanungsdatenStarten()
{
    PfadeErmitteln();
    Ini = std::make_unique<TIniDatei>(IniDateiname);

    LeeresProjekt();
    // seeded once per run from the clock
    Zufall.Setzen(UhrStartwert());
    const TProtokollSchrift schrift = ProtokollSchriftLesen(*Ini);
    Schriftname = schrift.Name;
    Schriftgroesse = schrift.Groesse;
    Schriftstil = schrift.Stil;
    Tabstopp = schrift.Tabstopp;
    Einzug = schrift.Einzug;
    Erstzeile = schrift.Erstzeile;
    MFnutzen = Ini->ReadBool(QStringLiteral("Option"), QStringLiteral("useMF"), true);

    Dateiversion = 0;
    Geaendert = false;
    Dateiname.clear();
    Dateistand = TDateiStand();
}

void PlanungsdatenBeenden()
{
    Verteilung.reset();
    Projektzusatz = TProjektZusatz();
    Klassenliste.reset();
    Lehrerliste.reset();
    Ini.reset();
}
