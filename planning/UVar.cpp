#include "planning/UVar.h"

#include "planning/UIni.h"

#include <chrono>

std::unique_ptr<TLehrerliste> Lehrerliste = std::make_unique<TLehrerliste>();
std::unique_ptr<TKlassenliste> Klassenliste = std::make_unique<TKlassenliste>();
std::unique_ptr<TVerteilung> Verteilung = std::make_unique<TVerteilung>();
bool Geaendert = false;
QString Dateiname;
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

void LeeresProjekt()
{
    // The classes refer to the teachers: they go first.
    Verteilung = std::make_unique<TVerteilung>();
    Klassenliste = std::make_unique<TKlassenliste>();
    Lehrerliste = std::make_unique<TLehrerliste>();
}

void PlanungsdatenStarten()
{
    PfadeErmitteln();
    Ini = std::make_unique<TIniDatei>(IniDateiname);

    LeeresProjekt();
    // seeded once per run from the clock
    Zufall.Setzen(UhrStartwert());
    const QString font = QStringLiteral("Font");
    Schriftname = Ini->ReadString(font, QStringLiteral("name"), QStringLiteral("Calibri"));
    Schriftgroesse = Ini->ReadInteger(font, QStringLiteral("size"), 11);
    Schriftstil = SchriftstilLesen(*Ini);
    Tabstopp = 3.78;
    Einzug = 0.5;
    Erstzeile = 0.0;
    MFnutzen = Ini->ReadBool(QStringLiteral("Option"), QStringLiteral("useMF"), true);

    Dateiversion = 0;
    Geaendert = false;
    Dateiname.clear();
}

void PlanungsdatenBeenden()
{
    Verteilung.reset();
    Klassenliste.reset();
    Lehrerliste.reset();
    Ini.reset();
}
