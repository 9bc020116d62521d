#include "model/fenster/spaltenbreiten.h"

#include <string>
#include <vector>

#include "model/schulfixture.h"

namespace orbato {
namespace {

// 6 pixels per character, 7 in bold; remembers the fonts it was given and the weight of every
// measurement.
class TFesteBreite : public TTextMass {
 public:
  void Schrift(const TSchrift& schrift) override {
    fSchriften.push_back(schrift);
    fFett = false;
  }
  void Fett(bool fett) override { fFett = fett; }
  int Breite(std::string_view text) const override {
    (fFett ? fFettGemessen : fNormalGemessen) = true;
    return static_cast<int>(text.size()) * (fFett ? 7 : 6);
  }

  std::vector<TSchrift> fSchriften;
  bool fFett = false;
  mutable bool fFettGemessen = false;
  mutable bool fNormalGemessen = false;
};

class SpaltenbreitenTest : public SchulTest {
 protected:
  void SetUp() override {
    fSchule.HoleLehrer("MUE");
    fSchule.HoleLehrer("ABCDEFGH");
    fSchule.HoleKlasse("5a");
    fSchule.HoleFach("D");
    fSchule.HoleRaum("R101");
  }
  TFesteBreite fMass;
};

TEST_F(SpaltenbreitenTest, PlanColumnsFitTheBoldShortNames) {
  fStandard.fPlnFont = {"Verdana", 8};
  BerechnePlnBreite(fStandard, fMass);
  ASSERT_EQ(fMass.fSchriften.size(), 1u);
  EXPECT_EQ(fMass.fSchriften[0], (TSchrift{"Verdana", 8}));
  EXPECT_TRUE(fMass.fFettGemessen);
  EXPECT_FALSE(fMass.fNormalGemessen);
  EXPECT_FALSE(fMass.fFett);                // back to normal
  EXPECT_EQ(fStandard.fPlnHoehe, 18);       // 13.2 rounded, + 5
  EXPECT_EQ(fStandard.fPlnLeBreite, 59);    // 8 characters bold + 3
  EXPECT_EQ(fStandard.fPlnKlBreite, 17);    // "5a"
  EXPECT_EQ(fStandard.fPlnKoBreite, 13);    // no couplings: the least width
  EXPECT_EQ(fStandard.fPlnFaBreite, 13);    // "D" gives only 10
  EXPECT_EQ(fStandard.fPlnRaBreite, 31);    // "R101"
  EXPECT_EQ(fStandard.fPlnTagBreite, 17);   // "Mo"
  EXPECT_EQ(fStandard.fPlnStdBreite, 17);   // " 1", "10"
  EXPECT_EQ(fStandard.fPlnWertBreite, 33);  // "9" times 4, + 5
}

TEST_F(SpaltenbreitenTest, PlanColumnsInNormalWeightAndOtherSizes) {
  fStandard.fPlnKoppFett = false;
  fStandard.fPlnFont.Groesse = 10;
  fStandard.fMaxWocheNeu = 2;
  fStandard.fAktuelleWoche = 2;
  fStandard.fStdBez[1][15] =
      "Fr\xFChst\xFC"
      "ck";  // 9 characters, in the current version only
  fStandard.fTagBez[6] = "Sonntag";
  fStandard.fNachKomma = 2;
  BerechnePlnBreite(fStandard, fMass);
  EXPECT_FALSE(fMass.fFettGemessen);
  EXPECT_EQ(fStandard.fPlnHoehe, 22);  // 16.5 rounds up
  EXPECT_EQ(fStandard.fPlnLeBreite, 51);
  EXPECT_EQ(fStandard.fPlnStdBreite, 57);
  EXPECT_EQ(fStandard.fPlnTagBreite, 45);
  EXPECT_EQ(fStandard.fPlnWertBreite, 35);  // "9" times 5, + 5
  fStandard.fPlnFont.Groesse = -12;
  BerechnePlnBreite(fStandard, fMass);
  EXPECT_EQ(fStandard.fPlnHoehe, 25);  // 19.8 rounded, + 5
}

TEST_F(SpaltenbreitenTest, WorkloadColumnsHoldHeaderAndShortNames) {
  fStandard.fDepFont = {"Arial", 9};
  fStandard.fPlnKoppFett = true;
  BerechneDepBreite(fStandard, fMass);
  ASSERT_EQ(fMass.fSchriften.size(), 1u);
  EXPECT_EQ(fMass.fSchriften[0], (TSchrift{"Arial", 9}));
  EXPECT_FALSE(fMass.fFettGemessen);
  EXPECT_EQ(fStandard.fDepHoehe, 22);
  EXPECT_EQ(fStandard.fDepLeBreite, 51);    // "ABCDEFGH" is wider than "Lehrer"
  EXPECT_EQ(fStandard.fDepKlBreite, 39);    // "Klasse"
  EXPECT_EQ(fStandard.fDepKoBreite, 51);    // "Kopplung"
  EXPECT_EQ(fStandard.fDepFaBreite, 27);    // "Fach"
  EXPECT_EQ(fStandard.fDepRaBreite, 27);    // "Raum" and "R101" alike
  EXPECT_EQ(fStandard.fDepStdBreite, 21);   // "999" + 3
  EXPECT_EQ(fStandard.fDepWertBreite, 24);  // "9" times 3 + 5 is narrower than "Wert"
  fStandard.fNachKomma = 2;
  BerechneDepBreite(fStandard, fMass);
  EXPECT_EQ(fStandard.fDepWertBreite, 29);
}

}  // namespace
}  // namespace orbato
