#include "model/demo/raumvorrat.h"

#include <gtest/gtest.h>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"

namespace orbato {
namespace {

class RaumVorrat : public ::testing::Test {
 protected:
  TStandard fStandard;
  TStandardEinsetzen fStandardEinsetzen{fStandard};
  TSchule fSchule;
  TSchuleEinsetzen fSchuleEinsetzen{fSchule};
  const TSchulzeit fZeit{5, 6};
};

// A pool hands out the room with most space left, never one a coupled course already has, and
// builds the next room when none has space.
TEST_F(RaumVorrat, GrowsWhenItIsFull) {
  TRaumVorrat hallen("TH", "Turnhalle", 1, fZeit);
  TRaum* th1 = hallen.Neu(fSchule);
  EXPECT_EQ(th1->fKuerzel, "TH1");
  EXPECT_EQ(th1->fInfo, "Turnhalle");
  EXPECT_EQ(FreieZellen(*th1, fZeit), 30);
  EXPECT_EQ(hallen.Waehle(fSchule, 20, {}), th1);
  TRaum* th2 = hallen.Waehle(fSchule, 8, {});
  EXPECT_EQ(th2->fKuerzel, "TH2");
  EXPECT_EQ(hallen.Waehle(fSchule, 7, {}), th2);
  EXPECT_EQ(hallen.Waehle(fSchule, 3, {th2}), th1);
  EXPECT_EQ(hallen.Waehle(fSchule, 13, {})->fKuerzel, "TH3");
  EXPECT_EQ(hallen.Waehle(fSchule, 12, {}), hallen.Raeume().back());
  EXPECT_EQ(hallen.Waehle(fSchule, 12, {}), th2);
  EXPECT_EQ(hallen.Raeume(), (std::vector<TRaum*>{th1, th2, fSchule.HoleRaum("TH3")}));
  EXPECT_EQ(fSchule.fRaumMenge.ListeZahlElemente(), 3);
}

}  // namespace
}  // namespace orbato
