#pragma once

#include <string>
#include <vector>

#include "checks/fehlerausgabe.h"
#include "checks/pruefungen.h"
#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schulfixture.h"

namespace orbato {

using Zeilen = std::vector<std::string>;

// A small school with the error window and the dialogs the checks write to.
class PruefTest : public SchulTest {
 protected:
  TSkriptDialoge fDialoge;
  TFehlerSammlung fFehler;

  int Abgleichen() { return KonsistenzTest(fSchule, fDialoge, fFehler); }
  const Zeilen& Fehler() const { return fFehler.Zeilen(); }
  std::size_t Pieps() const { return fDialoge.Anzahl(TDialogVorgang::Piep); }
};

}  // namespace orbato
