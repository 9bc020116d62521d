#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/schnittstellen/menue.h"

namespace orbato {

// The captions of a menu's entries, in order.
inline std::vector<std::string> Texte(const TMenu& menu) {
  std::vector<std::string> texte;
  for (const TMenuEintrag& e : menu) texte.push_back(e.fText);
  return texte;
}

// A test with its own settings object and document installed as the program's.
class SchulTest : public ::testing::Test {
 protected:
  TStandard fStandard;
  TStandardEinsetzen fStandardEingesetzt{fStandard};
  TSchule fSchule;
  TSchuleEinsetzen fSchuleEingesetzt{fSchule};

  // A course as the element windows create it.
  TKurs* Kurs(TLehrer* l, TKlasse* k, int32_t stunden, TRaum* r = nullptr, TFach* f = nullptr,
              TKopplung* o = nullptr) {
    auto* kurs = new TKurs;
    kurs->IKurs(l, k, stunden, r, f, o);
    return kurs;
  }
  TSetzung* Setze(TKurs* k, int32_t woche, int32_t tag, int32_t std, TRaum* raum = nullptr) {
    auto* s = new TSetzung(woche, tag, std, raum);
    k->SetzungAufnehmen(s);
    return s;
  }
};

}  // namespace orbato
