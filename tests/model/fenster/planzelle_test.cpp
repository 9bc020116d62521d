#include "model/fenster/planzelle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/schulfixture.h"

namespace orbato {
namespace {

using V = std::vector<std::string>;

// A second set of settings beside the installed one, as a window of another document holds it:
// version 2 of two, without rooms, couplings bold, texts side by side.
class PlanZelle : public SchulTest {
 protected:
  PlanZelle() {
    fEigene.SetMaxWocheNeu(2);
    fEigene.fAktuelleWoche = 2;
    fEigene.fMitRaum = false;
    fEigene.fPlnKoppFett = true;
    fEigene.fNebenEinander = true;
    fStandard.fMitRaum = true;
    fStandard.fPlnKoppFett = false;
    fStandard.fNebenEinander = false;
  }

  bool fZweiVersionen = (fStandard.SetMaxWocheNeu(2), true);
  TStandard fEigene;
  TLehrer* fMue = fSchule.HoleLehrer("MUE");
  TRaum* fR1 = fSchule.HoleRaum("R1");
  TKurs* fKurs = Kurs(fMue, fSchule.HoleKlasse("5a"), 1, fR1, fSchule.HoleFach("M"),
                      fSchule.HoleKopplung("RE"));
};

TEST_F(PlanZelle, TheCellFollowsTheSettingsItIsHanded) {
  Setze(fKurs, 2, 1, 1, fR1);
  const TZellBild bild = PlanZellBild(fEigene, *fMue, fKurs, 1, 1, true);
  EXPECT_EQ(bild.fTexte, (V{"RE", "M"}));
  EXPECT_TRUE(bild.fKurs);
  EXPECT_TRUE(bild.fFett);
  EXPECT_EQ(PlanZellZeile(fEigene, bild), "RE M");
  EXPECT_EQ(PlanZellZeile(fStandard, bild), "RE\nM");

  // The installed settings show version 1, which holds nothing there.
  const TZellBild leer = PlanZellBild(fStandard, *fMue, fKurs, 1, 1, true);
  EXPECT_EQ(leer.fTexte, V{});
  EXPECT_FALSE(leer.fKurs);
}

TEST_F(PlanZelle, TextsAndWidthsFollowTheRoomSetting) {
  const TSetzung* s = Setze(fKurs, 2, 1, 1, fR1);
  EXPECT_EQ(PlanZellTexte(fEigene, kla, *fKurs, *s, false), (V{"MUE", "M"}));
  EXPECT_EQ(PlanZellTexte(fStandard, kla, *fKurs, *s, false), (V{"MUE", "M", "R1"}));
  EXPECT_EQ(PlanZellTexte(fEigene, rau, *fKurs, *s, true), (V{"MUE", "RE", "M"}));

  fEigene.fPlnKlBreite = 30;
  fEigene.fPlnKoBreite = 20;
  fEigene.fPlnFaBreite = 15;
  EXPECT_EQ(PlanTeilBreiten(fEigene, leh), (std::vector<int32_t>{30, 15}));
}

TEST_F(PlanZelle, TheVersionFallsBackToTheFirstOutsideTheSettingsVersions) {
  EXPECT_EQ(PlanVersion(fEigene), 2);
  fEigene.fAktuelleWoche = 3;
  EXPECT_EQ(PlanVersion(fEigene), 1);
  EXPECT_EQ(PlanVersion(fStandard), 1);
}

}  // namespace
}  // namespace orbato
