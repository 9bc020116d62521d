#include <string>

#include "substitution/vertretungsfixture.h"

namespace orbato {
namespace {

// MUE is absent in period 2 of Wednesday the 9th for illness ("K"); SCH takes his Mathe in R2.
class VertretungsTextTest : public VertretungsTest {
 protected:
  void SetUp() override {
    fMue->fInfo = "M\xFCller";
    fSch->fInfo = "Schmidt";
    fR1->fInfo = "Raum 1";
    fR2->fInfo = "Raum 2";
    fM->fInfo = "Mathematik";
    Fehlt(leh, fMue, fMi, "-+", "K");
    fV = fMatheMi->VertretungFinden(fMi);
    ASSERT_TRUE(fV->TrageLehrerEin(fSch));
    ASSERT_TRUE(fV->TrageRaumEin(fR2));
  }

  TVertretung* fV = nullptr;
};

TEST_F(VertretungsTextTest, TheTimeAndCourseLinesAloneAndAsRemarks) {
  EXPECT_EQ(fV->ZeitZeile(), "Mi, 9. Dez   2");
  EXPECT_EQ(fV->KursZeile(), "MUE M R1");
  fStandard.fStdBez[0][1] = "2.";
  EXPECT_EQ(fV->ZeitZeile(), "Mi, 9. Dez  2.");

  Fehlt(leh, fSch, Dez(10), "-----+");
  TVertretung* englisch = fEnglischDo->VertretungFinden(Dez(10));
  EXPECT_EQ(fV->ZeitZeile(englisch), "Mi, 9. Dez  2.");
  // 5a alone in both courses: the course is understood.
  EXPECT_EQ(fV->KursZeile(englisch), "");
  Fehlt(leh, fSch, fMi, "+----+");
  TVertretung* mittwoch = fEnglischMi->VertretungFinden(fMi);
  EXPECT_EQ(fV->ZeitZeile(mittwoch), "2.");
  EXPECT_EQ(fV->ZeitZeile(fV), "");

  Fehlt(leh, fMei, fMi, "-+");
  EXPECT_EQ(fV->KursZeile(fDeutschMi->VertretungFinden(fMi)), "MUE M R1");
  // Sport has no room.
  TVertretung* sport = nullptr;
  for (TVertretung* v : fSchule.fVertretungsMenge) {
    if (v->fKurs == fSport) sport = v;
  }
  ASSERT_NE(sport, nullptr);
  EXPECT_EQ(sport->KursZeile(), "SCH S ");
}

TEST_F(VertretungsTextTest, TheExportLineNamesEverythingWithItsInfoText) {
  EXPECT_EQ(fV->ExportString(),
            "20261209;Mittwoch;3; 2;2;MUE;M\xFC"
            "ller;SCH;Schmidt;R1;Raum 1;R2;Raum 2;M;Mathematik;M;Mathematik;"
            "in Raum R2 ;in Raum R2 ;K;5a");

  fV->Loeschen(true);
  fV->Loeschen(false);
  fV->SetSInfo("Aufgaben");
  EXPECT_EQ(fV->ExportString(),
            "20261209;Mittwoch;3; 2;2;MUE;M\xFC"
            "ller;-;-;R1;Raum 1;-;-;M;Mathematik;M;Mathematik;;Aufgaben;K;5a");
}

TEST_F(VertretungsTextTest, ARoomOnlyLineOfTwoClassesHasNoReason) {
  TKurs* religion = Kurs(fMue, f5a, 1, fR1, fSchule.HoleFach("Re"));
  religion->KlasseErgaenzen(f5b);
  religion->fFach->fInfo = "Religion";
  TSetzung* s = Setze(religion, 1, 3, 3, fR1);
  Fehlt(rau, fR1, Dez(16), "--+");
  EXPECT_EQ(s->VertretungFinden(Dez(16))->ExportString(),
            "20261216;Mittwoch;3; 3;3;MUE;M\xFC"
            "ller;MUE;M\xFC"
            "ller;R1;Raum 1;-;-;Re;Religion;Re;Religion;;;;5a,5b");
}

TEST_F(VertretungsTextTest, AnAbsenceWithoutReasonGivesTheDash) {
  Fehlt(leh, fMei, fMi, "-+");
  EXPECT_EQ(fDeutschMi->VertretungFinden(fMi)->ExportString(),
            "20261209;Mittwoch;3; 2;2;MEI;;-;-;R3;;R3;;D;;D;;;;-;5b");
}

TEST_F(VertretungsTextTest, ThePrintRowsFollowTheLayoutsOptions) {
  EXPECT_EQ(fV->OriginalString(1, 0), "MUE 5a M R1");
  EXPECT_EQ(fV->VertretungsString(1, 0), "SCH 5a M R2");
  EXPECT_EQ(fV->OriginalTabString(1, 0), "MUE\t5a\tM\tR1");
  EXPECT_EQ(fV->VertretungsTabString(1, 0), "SCH\t5a\tM\tR2");
  const std::string original[] = {"MUE", "5a", "M", "R1"};
  const std::string vertretung[] = {"SCH", "5a", "M", "R2"};
  for (int32_t teil = 1; teil <= 4; ++teil) {
    EXPECT_EQ(fV->OriginalString(1, teil), original[teil - 1]);
    EXPECT_EQ(fV->OriginalTabString(1, teil), original[teil - 1]);
    EXPECT_EQ(fV->VertretungsString(1, teil), vertretung[teil - 1]);
  }

  TVDEinstellung& zwei = fStandard.fVDEinstellung[1];
  zwei.OrigLehrer = false;
  zwei.VertrFach = false;
  zwei.LehrerBezeichnung = 1;
  zwei.MitKopplungen = true;
  EXPECT_EQ(fV->OriginalString(2, 0), "5a M R1");
  EXPECT_EQ(fV->OriginalString(2, 1), "");
  EXPECT_EQ(fV->VertretungsString(2, 0), "Schmidt 5a R2");
  EXPECT_EQ(fV->VertretungsTabString(2, 0), "Schmidt\t5a\tR2");
  EXPECT_EQ(fV->VertretungsString(2, 3), "");
  // Layout 1 is untouched.
  EXPECT_EQ(fV->VertretungsString(1, 0), "SCH 5a M R2");

  fMathe->KopplungErgaenzen(fSchule.HoleKopplung("K1"));
  EXPECT_EQ(fV->OriginalString(2, 2), "K1");
  EXPECT_EQ(fV->VertretungsString(2, 0), "Schmidt K1 R2");
  EXPECT_EQ(fV->OriginalString(1, 2), "5a");

  // Nothing entered on the substitute side: the parts that are there, without extra blanks.
  fV->Loeschen(true);
  fV->Loeschen(false);
  EXPECT_EQ(fV->VertretungsString(1, 0), "5a M");
  EXPECT_EQ(fV->VertretungsTabString(1, 0), "5a\tM");
  EXPECT_EQ(fV->VertretungsString(1, 1), "");
}

}  // namespace
}  // namespace orbato
