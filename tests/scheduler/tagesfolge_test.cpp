// A day's periods in a new order for the whole school: the best order closes the classes' gaps,
// leaves a period with a fixed lesson where it is and sends no lesson into a blocked cell; put
// into the plan, every lesson of a period goes along, with its room.
#include "scheduler/tagesfolge.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <vector>

#include "scheduler/automatikfixture.h"
#include "scheduler/nachbessermodell.h"
#include "scheduler/optimierkosten.h"
#include "scheduler/optimierschritt.h"

namespace orbato {
namespace {

class TagesFolgeTest : public AutomatikTest {
 protected:
  TKurs* Stunde(const char* lehrer, TKlasse* klasse, int32_t std, TRaum* raum = nullptr) {
    TKurs* kurs = Kurs(fSchule.HoleLehrer(lehrer), klasse, 1);
    if (raum) kurs->RaumErgaenzen(raum, false);
    Setze(kurs, 1, 1, std, raum);
    return kurs;
  }
  static int Ereignis(const TNachbesserModell& m, const TKurs* kurs) {
    for (std::size_t e = 0; e < m.fEreignisse.size(); ++e) {
      if (m.fKurse[static_cast<std::size_t>(m.fEreignisse[e].kurse.front())].kurs == kurs)
        return static_cast<int>(e);
    }
    return -1;
  }
};

TEST_F(TagesFolgeTest, ClosesTheGapsAroundFixedAndBlockedPeriods) {
  // 5a: fixed in 1, then 3 and 5; 5b: 2 and 4. B may not teach in period 2.
  TKurs* a = Stunde("A", f5a, 1);
  a->fSetzungen.ListeNrInhalt(1)->fFixiert = true;
  TKurs* b = Stunde("B", f5a, 3, fR1);
  TKurs* c = Stunde("C", f5a, 5);
  TKurs* d = Stunde("D", f5b, 2);
  TKurs* e = Stunde("E", f5b, 4, fR2);
  fSchule.HoleLehrer("B")->fSperrung.SetWocheTagStd(1, 1, true, 2);

  const std::vector<TKurs*> alle(fSchule.fKursMenge.begin(), fSchule.fKursMenge.end());
  TNachbesserModell modell(alle, alle, 1);
  TOptimierKosten kosten(modell, TOptimierEinstellungen{}, fStandard.fPlnStd,
                         fStandard.fMaxTageNeu);
  std::map<int, int> nach;
  for (const auto& [ereignis, zelle] : BesteTagesFolge(modell, kosten, 0)) nach[ereignis] = zelle;
  const auto stunde = [&](const TKurs* kurs, int32_t bisher) {
    const auto it = nach.find(Ereignis(modell, kurs));
    return it == nach.end() ? bisher : TNachbesserModell::Stunde(it->second);
  };
  EXPECT_EQ(nach.count(Ereignis(modell, a)), 0u);
  EXPECT_EQ(stunde(b, 3), 3);
  EXPECT_EQ(stunde(c, 5), 2);
  EXPECT_EQ(std::abs(stunde(d, 2) - stunde(e, 4)), 1);
  EXPECT_GE(std::min(stunde(d, 2), stunde(e, 4)), 4);
  for (const auto& [ereignis, zelle] : nach) EXPECT_EQ(TNachbesserModell::Tag(zelle), 1);

  // Put into the model, the plan costs less, and E keeps its room.
  TOptimierSchritt schritt(modell, kosten, 1);
  ASSERT_TRUE(schritt.Umsetzen(BesteTagesFolge(modell, kosten, 0)));
  int64_t neu = 0;
  ASSERT_TRUE(kosten.Bewerten(neu));
  EXPECT_LT(neu, kosten.Kosten());
  const auto& ev = modell.fEreignisse[static_cast<std::size_t>(Ereignis(modell, e))];
  EXPECT_EQ(TNachbesserModell::Stunde(ev.zelle), stunde(e, 4));
  ASSERT_EQ(ev.raeume.size(), 1u);
  EXPECT_EQ(modell.fRaeume[static_cast<std::size_t>(ev.raeume[0])], fR2);

  // Once in order, the day has no better one.
  kosten.Annehmen();
  schritt.Behalten();
  EXPECT_TRUE(BesteTagesFolge(modell, kosten, 0).empty());
}

}  // namespace
}  // namespace orbato
