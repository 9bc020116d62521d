#include "substitution/vstunden.h"

#include "substitution/vertretungsfixture.h"

namespace orbato {
namespace {

// MUE, SCH, MEI, KOC; the second counters start at 10.
class VStundenTest : public VertretungsTest {
 protected:
  void SetUp() override {
    fMue->fVStunden1 = 3;
    fSch->fVStunden1 = -2;
    fSchule.SetDirty(false);
  }
  TVStunden fFenster{fSchule};
};

TEST_F(VStundenTest, TwoTablesOfHourValuesOneRowPerTeacher) {
  EXPECT_TRUE(VStundenMoeglich(fSchule));
  EXPECT_FALSE(VStundenMoeglich(TSchule()));
  ASSERT_EQ(fFenster.Zeilen(), 4);
  EXPECT_EQ(fFenster.Kuerzel(1), "MUE");
  EXPECT_EQ(fFenster.Wert(1, 1), " 3.0");
  EXPECT_EQ(fFenster.Wert(1, 2), "-2.0");
  EXPECT_EQ(fFenster.Wert(2, 2), "10.0");
  fStandard.fDivisor = 2;
  EXPECT_EQ(fFenster.Wert(1, 1), " 1.5");
  EXPECT_EQ(fFenster.Kuerzel(5), "");
  fFenster.SetZeile(9);
  EXPECT_EQ(fFenster.Zeile(), 4);
  fFenster.SetZeile(0);
  EXPECT_EQ(fFenster.Zeile(), 1);
}

// One step is one hour of the table shown, for the selected teacher only.
TEST_F(VStundenTest, TheArrowsMoveTheShownCounterByOneHour) {
  fFenster.SetZeile(2);
  fFenster.Schritt(+1);
  EXPECT_EQ(Konten(fSch), "-1 10");
  EXPECT_TRUE(fSchule.IsDirty());
  fFenster.SetTabelle(2);
  fStandard.fDivisor = 4;
  fFenster.Schritt(-1);
  EXPECT_EQ(Konten(fSch), "-1 6");
  EXPECT_EQ(fFenster.Wert(2, 2), " 1.5");
  EXPECT_EQ(Konten(fMue), "3 10");
  EXPECT_EQ(fSch->fVStunden3, 0);
}

// "Alle Lehrer" clears the shown counter of everybody, the short name only the selected
// teacher's, "Abbrechen" nothing.
TEST_F(VStundenTest, ResettingAsksForWhom) {
  fFenster.SetZeile(2);
  fDialoge.Antworte("Abbrechen");
  fFenster.Ruecksetzen();
  const auto fragen = fDialoge.Protokoll(TDialogVorgang::Frage);
  ASSERT_EQ(fragen.size(), 1u);
  EXPECT_EQ(fragen[0].fZeilen,
            (std::vector<std::string>{"Setze die vertretenen Stunden", "auf Null f\xFCr ..."}));
  EXPECT_EQ(fragen[0].fKnoepfe, (std::vector<std::string>{"Alle Lehrer", "SCH", "Abbrechen"}));
  EXPECT_EQ(Konten(fMue) + " " + Konten(fSch), "3 10 -2 10");
  EXPECT_FALSE(fSchule.IsDirty());

  fDialoge.Antworte("SCH");
  fFenster.Ruecksetzen();
  EXPECT_EQ(Konten(fMue) + " " + Konten(fSch), "3 10 0 10");
  EXPECT_TRUE(fSchule.IsDirty());

  fFenster.SetTabelle(2);
  fDialoge.Antworte("Alle Lehrer");
  fFenster.Ruecksetzen();
  for (const TLehrer* l : fSchule.fLehrerMenge) EXPECT_EQ(l->fVStunden2, 0);
  EXPECT_EQ(Konten(fMue), "3 0");
}

}  // namespace
}  // namespace orbato
