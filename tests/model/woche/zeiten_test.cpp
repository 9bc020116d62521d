#include "model/woche/zeiten.h"

#include <string>

#include "model/fenster/spaltenbreiten.h"
#include "model/schnittstellen/fenster.h"
#include "model/schnittstellen/testfenster.h"
#include "model/schulfixture.h"

namespace orbato {
namespace {

// 6 pixels per character in either weight.
class TSechsProZeichen : public TTextMass {
 public:
  void Schrift(const TSchrift&) override {}
  void Fett(bool) override {}
  int Breite(std::string_view text) const override { return static_cast<int>(text.size()) * 6; }
};

TEST(ZeitBereinigt, CutsTo15AndDropsTrailingBlanksFromLongerLabels) {
  EXPECT_EQ(ZeitBereinigt("7.45 - 8.30 Uhr und mehr"), "7.45 - 8.30 Uhr");
  EXPECT_EQ(ZeitBereinigt("8.30 - 9.15    "), "8.30 - 9.15");
  EXPECT_EQ(ZeitBereinigt("12345678901234 x"), "12345678901234");  // cut first, then trimmed
  EXPECT_EQ(ZeitBereinigt("5 "), "5");
  EXPECT_EQ(ZeitBereinigt("   "), "");
  EXPECT_EQ(ZeitBereinigt(" "), " ");
  EXPECT_EQ(ZeitBereinigt(" 1"), " 1");
  EXPECT_EQ(ZeitBereinigt(""), "");
}

class ZeitenTest : public SchulTest {
 protected:
  ZeitenTest() {
    fStandard.fMaxWocheNeu = 3;
    fStandard.fAktuelleWoche = 2;
  }
  TSechsProZeichen fMass;
};

// The dialog starts on the current version and edits every version's labels; "Ok" stores them all,
// fits the period column to the current version's labels and redraws every window.
TEST_F(ZeitenTest, LabelsOfEveryVersionAreStoredAtOnce) {
  TTestFenster fenster(9, "Lehrerplan MUE");
  fSchule.FensterAnmelden("Lehrerplan MUE", &fenster);
  TZeitenWahl wahl(fStandard);
  EXPECT_EQ(wahl.Version(), 2);
  EXPECT_EQ(wahl.Zeit(1), " 1");
  EXPECT_EQ(wahl.Zeit(16), "16");
  wahl.SetzeZeit(1, "7.45 - 8.30 Uhr!");
  EXPECT_EQ(wahl.Zeit(1), "7.45 - 8.30 Uhr");
  wahl.SetzeZeit(16, "Pause    ");
  wahl.SetzeVersion(5);
  EXPECT_EQ(wahl.Version(), 3);
  wahl.SetzeZeit(3, " ");
  wahl.SetzeVersion(1);
  wahl.SetzeZeit(2, "x  ");
  EXPECT_EQ(fStandard.fStdBez[1][0], " 1");  // nothing is stored before "Ok"

  wahl.Uebernehmen(fSchule, fStandard, fMass);

  EXPECT_EQ(fStandard.fStdBez[1][0], "7.45 - 8.30 Uhr");
  EXPECT_EQ(fStandard.fStdBez[1][15], "Pause");
  EXPECT_EQ(fStandard.fStdBez[2][2], " ");
  EXPECT_EQ(fStandard.fStdBez[0][1], "x");
  EXPECT_EQ(fStandard.fStdBez[0][0], " 1");
  EXPECT_EQ(fStandard.fPlnStdBreite, 15 * 6 + 3);
  EXPECT_EQ(fStandard.fDepLeBreite, 6 * 6 + 3);  // "Lehrer"
  EXPECT_EQ(fenster.fUpdates, 1);
  fSchule.FensterAbmelden(&fenster);
}

}  // namespace
}  // namespace orbato
