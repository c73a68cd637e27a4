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

void ProjektSetzen(std::unique_ptr<TLehrerliste> lehrer, std::unique_ptr<TKlassenliste> klassen)
{
    Verteilung = std::make_unique<TVerteilung>();
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
    // seeded once per run from the low 32 bits of the high-resolution clock
    Zufall.Setzen(static_cast<std::uint32_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
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
