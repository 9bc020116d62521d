#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "model/demo/demoschule.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/lehrer.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/kursimport.h"

namespace orbato {

// A whole school for the tests of the automatic steps: a demo school or a real school in the
// exchange format, with settings and blockings drawn from a seed.
struct TSchulFall {
  const char* name;
  const char* datei;  // exchange file, or none for a demo school
  TDemoGroesse groesse;
  uint32_t saat;
};

class SchulFallTest : public ::testing::TestWithParam<TSchulFall> {
 protected:
  void SetUp() override {
    fSchule.SetDialoge(&fDialoge);
    const TSchulFall& fall = GetParam();
    if (fall.datei) {
      fStandard.fMaxTageNeu = 5;
      ASSERT_EQ(TImportForm(fSchule, fDialoge)
                    .ImportFromFile(std::string(ORBATO_SCHULEN "/") + fall.datei),
                TImportErgebnis::Importiert);
    } else {
      ErzeugeDemoSchule(fSchule, fStandard, fall.groesse);
    }
    Zufaellig(fall.saat);
  }

  // Settings and blockings drawn from the seed: whether rooms and the distribution matter, and
  // a few free cells of some teachers blocked.
  void Zufaellig(uint32_t saat) {
    std::mt19937 zufall(saat);
    fStandard.fAuRaumUnwichtig = zufall() % 2 == 0;
    fStandard.fAuEinzelUnwichtig = zufall() % 2 == 0;
    fStandard.fAuStd = 1 + static_cast<int32_t>(zufall() % 50);
    const int32_t woche = fStandard.fAktuelleWoche;
    for (TLehrer* l : fSchule.fLehrerMenge) {
      if (zufall() % 4 != 0) continue;
      const auto tag = static_cast<int32_t>(1 + zufall() % 5);
      const auto std = static_cast<int32_t>(1 + zufall() % 6);
      if (!l->fBesetzung.GetWocheTagStd(woche, tag, std))
        l->fSperrung.SetWocheTagStd(woche, tag, true, std);
    }
  }

  TStandard fStandard;
  TStandardEinsetzen fStandardEingesetzt{fStandard};
  TSchule fSchule;
  TSchuleEinsetzen fSchuleEingesetzt{fSchule};
  TSkriptDialoge fDialoge;
};

}  // namespace orbato
