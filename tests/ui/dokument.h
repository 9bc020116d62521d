#pragma once

#include <memory>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"

namespace orbato {

class Dialoge;

// A settings object and a document of their own, installed as the program's for one test:
// `Anlegen` in init(), `Abbauen` in cleanup().
class TEingesetztesDokument {
 protected:
  void Anlegen(Dialoge& dialoge) {
    fStandard = std::make_unique<TStandard>();
    fStandardEingesetzt = std::make_unique<TStandardEinsetzen>(*fStandard);
    fSchule = std::make_unique<TSchule>();
    fSchuleEingesetzt = std::make_unique<TSchuleEinsetzen>(*fSchule);
    fSchule->SetDialoge(&dialoge);
  }
  void Abbauen() {
    fSchuleEingesetzt.reset();
    fSchule.reset();
    fStandardEingesetzt.reset();
    fStandard.reset();
  }

  std::unique_ptr<TStandard> fStandard;
  std::unique_ptr<TStandardEinsetzen> fStandardEingesetzt;
  std::unique_ptr<TSchule> fSchule;
  std::unique_ptr<TSchuleEinsetzen> fSchuleEingesetzt;
};

}  // namespace orbato
