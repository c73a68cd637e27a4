#pragma once

#include <memory>

class IDialoge;
class TFMain;
class TFElternAdd;
class TFElternliste;
class TFErgebnis;
class TFImport;
class TFImpStufenwahl;
class TFKlBez;
class TFLehrerBearb;
class TFMultClass;
class TFSaveResult;
class TFText;
class TFVorschau;
class TFVorsitz;

// The windows of the program, created once in this order with the main window first and
// reused until the program ends. The others are owned by this struct but have the main
// window as their Qt parent; they are destroyed first, the main window last.
struct TFenster
{
    explicit TFenster(std::unique_ptr<IDialoge> dialoge);
    ~TFenster();
    TFenster(const TFenster&) = delete;
    TFenster& operator=(const TFenster&) = delete;

    std::unique_ptr<TFMain> Main;
    std::unique_ptr<TFElternAdd> ElternAdd;
    std::unique_ptr<TFElternliste> Elternliste;
    std::unique_ptr<TFErgebnis> Ergebnis;
    std::unique_ptr<TFImport> Import;
    std::unique_ptr<TFImpStufenwahl> ImpStufenwahl;
    std::unique_ptr<TFKlBez> KlBez;
    std::unique_ptr<TFLehrerBearb> LehrerBearb;
    std::unique_ptr<TFMultClass> MultClass;
    std::unique_ptr<TFSaveResult> SaveResult;
    std::unique_ptr<TFText> Text;
    std::unique_ptr<TFVorschau> Vorschau;
    std::unique_ptr<TFVorsitz> Vorsitz;
};
