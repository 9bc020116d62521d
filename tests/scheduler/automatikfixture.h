#pragma once

#include <string>
#include <vector>

#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schulfixture.h"
#include "scheduler/automatik.h"

namespace orbato {

// A five-day school of six periods with the built-in rating tables; the courses use table 2,
// which ranks the cells day by day, period by period, every period linked with the next.
class AutomatikTest : public SchulTest {
 protected:
  AutomatikTest() {
    fSchule.SetDialoge(&fDialoge);
    fStandard.fAuTab = TStandard::EingebauteTabellen();
    fStandard.fMaxTageNeu = 5;
    fStandard.fPlnStd = 6;
    fStandard.fAuRaumUnwichtig = true;
    fStandard.fAuEinzelUnwichtig = true;
  }

  TKurs* Kurs(TLehrer* l, TKlasse* k, int32_t stunden, int32_t stdProTag = 1, int32_t einzel = 0) {
    TKurs* kurs = SchulTest::Kurs(l, k, stunden);
    kurs->fStdProTag = stdProTag;
    kurs->fEinzelStd = einzel;
    kurs->fTabellenNr = 2;
    return kurs;
  }

  // The cells of a course's placements as "day.period", in placement order.
  static std::vector<std::string> Zellen(const TKurs& kurs) {
    std::vector<std::string> z;
    for (const TSetzung* s : kurs.fSetzungen)
      z.push_back(std::to_string(s->fTag) + "." + std::to_string(s->fStunde));
    return z;
  }

  TAutomatik Rechne(const std::vector<TKurs*>& kurse) {
    TAutomatik automatik(kurse);
    automatik.Rechne();
    return automatik;
  }

  int Meldungen(const std::string& text) const {
    int n = 0;
    for (const TDialogEintrag& e : fDialoge.Protokoll()) {
      if (e.fVorgang == TDialogVorgang::MeldungZeigen && !e.fZeilen.empty() && e.fZeilen[0] == text)
        ++n;
    }
    return n;
  }

  TSkriptDialoge fDialoge;
  TLehrer* fMue = fSchule.HoleLehrer("MUE");
  TLehrer* fSch = fSchule.HoleLehrer("SCH");
  TKlasse* f5a = fSchule.HoleKlasse("5a");
  TKlasse* f5b = fSchule.HoleKlasse("5b");
  TRaum* fR1 = fSchule.HoleRaum("R1");
  TRaum* fR2 = fSchule.HoleRaum("R2");
};

}  // namespace orbato
