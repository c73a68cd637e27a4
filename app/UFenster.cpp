#include "app/UFenster.h"

#include "app/UMain.h"
#include "distribution/UErgebnis.h"
#include "distribution/USaveResult.h"
#include "editing/UElternAdd.h"
#include "editing/UElternliste.h"
#include "editing/UKlBez.h"
#include "editing/ULehrerBearb.h"
#include "editing/UVorsitz.h"
#include "import/UImpStufenwahl.h"
#include "import/UImport.h"
#include "import/UMultClass.h"
#include "minutes/UText.h"
#include "minutes/UVorschau.h"

namespace {

template <class Fenster>
std::unique_ptr<Fenster> erzeugen(TFMain& haupt)
{
    return std::make_unique<Fenster>(haupt.Dialoge(), &haupt);
}

} // namespace

TFenster::TFenster(std::unique_ptr<IDialoge> dialoge)
    : Main(std::make_unique<TFMain>(std::move(dialoge))),
      ElternAdd(erzeugen<TFElternAdd>(*Main)),
      Elternliste(erzeugen<TFElternliste>(*Main)),
      Ergebnis(erzeugen<TFErgebnis>(*Main)),
      Import(erzeugen<TFImport>(*Main)),
      ImpStufenwahl(erzeugen<TFImpStufenwahl>(*Main)),
      KlBez(erzeugen<TFKlBez>(*Main)),
      LehrerBearb(erzeugen<TFLehrerBearb>(*Main)),
      MultClass(erzeugen<TFMultClass>(*Main)),
      SaveResult(erzeugen<TFSaveResult>(*Main)),
      Text(erzeugen<TFText>(*Main)),
      Vorschau(erzeugen<TFVorschau>(*Main)),
      Vorsitz(erzeugen<TFVorsitz>(*Main))
{
    Main->FensterSetzen(this);
    // what the dialogs add appears in the main window's views at once
    QObject::connect(KlBez.get(), &TFKlBez::KlasseHinzugefuegt, Main.get(), &TFMain::TreeViewAktualisieren);
    QObject::connect(LehrerBearb.get(), &TFLehrerBearb::LehrerHinzugefuegt, Main.get(), &TFMain::ListViewAktualisieren);
    Elternliste->ElternAddSetzen(ElternAdd.get());
}

TFenster::~TFenster() = default;
