#include <map>
#include <string>
#include <vector>

#include "model/dokument/verlauf.h"
#include "placement/setzen.h"
#include "substitution/vertretungsfixture.h"

namespace orbato {
namespace {

using Zeilen = std::vector<std::string>;

// Absences and the records and balances they leave.

TEST_F(VertretungsTest, ATeacherAbsentWhileHisClassIsAwayGetsBackWhatTheFreePeriodCost) {
  Fehlt(kla, f5a, fMi, "-+");
  EXPECT_EQ(Konten(fMue), "-2 8");
  EXPECT_EQ(Liste(), Zeilen{});
  Fehlt(leh, fMue, fMi, "-+");
  EXPECT_EQ(Liste(), Zeilen{"9.12 2 MUE/M -> ? R1 UA"});
  EXPECT_EQ(Konten(fMue), "0 10");
  EXPECT_EQ(fMue->fVStunden3, 0);

  Fehlt(leh, fMue, fMi, "");
  EXPECT_EQ(Liste(), Zeilen{});
  EXPECT_EQ(Konten(fMue), "-2 8");
  Fehlt(kla, f5a, fMi, "");
  EXPECT_EQ(Konten(fMue), "0 10");
}

TEST_F(VertretungsTest, AClassLeavingAfterItsTeacherOnlyTakesTheRecordOutOfForce) {
  Fehlt(leh, fMue, fMi, "-+");
  EXPECT_EQ(Liste(), Zeilen{"9.12 2 MUE/M -> ? R1 GA"});
  Fehlt(kla, f5a, fMi, "-+");
  EXPECT_EQ(Liste(), Zeilen{"9.12 2 MUE/M -> ? R1 UA"});
  EXPECT_EQ(Konten(fMue), "0 10");
  Fehlt(kla, f5a, fMi, "");
  EXPECT_EQ(Liste(), Zeilen{"9.12 2 MUE/M -> ? R1 GA"});
  EXPECT_EQ(Konten(fMue), "0 10");
}

TEST_F(VertretungsTest, AClassLeavingSendsTheSubstituteAwayWithHisCredit) {
  Fehlt(leh, fMue, fMi, "-+");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  ASSERT_TRUE(v->TrageLehrerEin(fSch));
  EXPECT_EQ(Konten(fSch), "2 12");
  Fehlt(kla, f5a, fMi, "-+");
  EXPECT_EQ(Liste(), Zeilen{"9.12 2 MUE/M -> ? R1 U-"});
  EXPECT_EQ(Konten(fSch), "0 10");
  EXPECT_EQ(Konten(fMue), "0 10");
  Fehlt(kla, f5a, fMi, "");
  EXPECT_EQ(Liste(), Zeilen{"9.12 2 MUE/M -> ? R1 G-"});
  Fehlt(leh, fMue, fMi, "");
  EXPECT_EQ(Liste(), Zeilen{});
  for (TLehrer* l : {fMue, fSch}) EXPECT_EQ(Konten(l), "0 10");
}

TEST_F(VertretungsTest, AClassComingBackRevalidatesItsRecordsAndTakesItsRoomBack) {
  Fehlt(leh, fMue, fMi, "-+");
  Fehlt(leh, fMei, fMi, "-+");
  TVertretung* mathe = fMatheMi->VertretungFinden(fMi);
  TVertretung* deutsch = fDeutschMi->VertretungFinden(fMi);
  Fehlt(kla, f5a, fMi, "-+");
  ASSERT_TRUE(deutsch->TrageRaumEin(fR1));
  ASSERT_TRUE(deutsch->TrageLehrerEin(fSch));
  EXPECT_EQ(deutsch->fLInfo, "in Raum R1 ");
  // A real substitute moves his record to the front.
  EXPECT_EQ(Liste(), (Zeilen{"9.12 2 MEI/D -> SCH R1 GA", "9.12 2 MUE/M -> ? R1 UA"}));

  Fehlt(kla, f5a, fMi, "");
  EXPECT_EQ(Liste(), (Zeilen{"9.12 2 MEI/D -> SCH ? GA", "9.12 2 MUE/M -> ? R1 GA"}));
  EXPECT_EQ(mathe->fLInfo, "");
  EXPECT_EQ(deutsch->fLInfo, "");
  EXPECT_EQ(deutsch->fSInfo, "");
  EXPECT_EQ(Konten(fSch), "3 13");
  EXPECT_EQ(Konten(fMue), "0 10");
  EXPECT_EQ(Konten(fMei), "0 10");
}

TEST_F(VertretungsTest, ARoomOnlyRecordOutlastsTheTeachersAbsenceAndGoesWithTheRoomsAbsence) {
  Fehlt(rau, fR1, fMi, "-+");
  EXPECT_EQ(Liste(), Zeilen{"9.12 2 MUE/M -> MUE ? GA"});
  Fehlt(leh, fMue, fMi, "-+");
  EXPECT_EQ(Liste(), Zeilen{"9.12 2 MUE/M -> ? ? GA"});
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  ASSERT_TRUE(v->TrageLehrerEin(fSch));
  EXPECT_EQ(Konten(fSch), "2 12");
  Fehlt(leh, fMue, fMi, "");
  EXPECT_EQ(Liste(), Zeilen{"9.12 2 MUE/M -> MUE ? GA"});
  EXPECT_EQ(Konten(fSch), "0 10");
  Fehlt(rau, fR1, fMi, "");
  EXPECT_EQ(Liste(), Zeilen{});
  for (TLehrer* l : {fMue, fSch}) EXPECT_EQ(Konten(l), "0 10");
}

TEST_F(VertretungsTest, AnAbsentSubstituteGivesUpHisSubstitutionsInThatPeriod) {
  Fehlt(leh, fMue, fMi, "-+");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  ASSERT_TRUE(v->TrageRaumEin(fR2));
  ASSERT_TRUE(v->TrageLehrerEin(fKoc));
  EXPECT_EQ(Konten(fKoc), "2 12");
  Fehlt(leh, fKoc, fMi, "-+");
  EXPECT_EQ(Liste(), Zeilen{"9.12 2 MUE/M -> ? R2 GA"});
  EXPECT_EQ(v->fLInfo, "in Raum R2 ");
  EXPECT_EQ(Konten(fKoc), "0 10");
}

TEST_F(VertretungsTest, ACourseOfTwoClassesIsFreeOnlyWhenBothAreAway) {
  TKurs* religion = Kurs(fMue, f5a, 1, fR1, fSchule.HoleFach("Re"));
  religion->KlasseErgaenzen(f5b);
  Setze(religion, 1, 3, 3, fR1);
  Fehlt(kla, f5a, fMi, "--+");
  EXPECT_EQ(Konten(fMue), "0 10");
  Fehlt(kla, f5b, fMi, "--+");
  EXPECT_EQ(Konten(fMue), "-1 9");
  Fehlt(leh, fMue, fMi, "--+");
  EXPECT_EQ(Liste(), Zeilen{"9.12 3 MUE/Re -> ? R1 UA"});
  EXPECT_EQ(Konten(fMue), "0 10");
  Fehlt(kla, f5a, fMi, "");
  EXPECT_EQ(Liste(), Zeilen{"9.12 3 MUE/Re -> ? R1 GA"});
  EXPECT_EQ(Konten(fMue), "0 10");
}

TEST_F(VertretungsTest, RecordsFollowThePlanVersionOfTheDatesWeek) {
  fSchule.fKalender[KalenderWoche(Dez(16))] = 2;
  Fehlt(leh, fMue, Dez(16), "-+");
  EXPECT_EQ(Liste(), Zeilen{});
  Fehlt(leh, fMue, fMi, "-+");
  ASSERT_EQ(Liste(), Zeilen{"9.12 2 MUE/M -> ? R1 GA"});
  const TVertretung* v = fSchule.fVertretungsMenge.ListeNrInhalt(1);
  EXPECT_EQ(v->fDatum, fMi);
  EXPECT_EQ(v->fAdHoc, Dez(7));
  EXPECT_EQ(v->fKurs, fMathe);
  EXPECT_EQ(v->fSetzung, fMatheMi);
  EXPECT_EQ(v->fFach, fM);
  EXPECT_EQ(fMatheMi->fVertretungen.ListeNrInhalt(1), v);
}

TEST_F(VertretungsTest, AnAbsentSubstituteRoomIsTakenFromTheRecord) {
  Fehlt(leh, fMue, fMi, "-+");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  ASSERT_TRUE(v->TrageRaumEin(fR2));
  Fehlt(rau, fR2, fMi, "-+");
  EXPECT_EQ(Liste(), Zeilen{"9.12 2 MUE/M -> ? ? GA"});
  EXPECT_EQ(v->fLInfo, "");
}

// Entering teachers and rooms.

TEST_F(VertretungsTest, TheTeacherQuestionsComeInTheirOrderAndNeinChangesNothing) {
  Fehlt(leh, fMue, fMi, "-+");
  Fehlt(leh, fMei, fMi, "-+");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  TVertretung* deutsch = fDeutschMi->VertretungFinden(fMi);
  ASSERT_TRUE(deutsch->TrageLehrerEin(fSch));
  v->fAdHoc = 1000.5;
  const auto unveraendert = [&] {
    EXPECT_EQ(Beschreibe(v), "9.12 2 MUE/M -> ? R1 GA");
    EXPECT_EQ(v->fAdHoc, 1000.5);
    EXPECT_EQ(v->fZu, nullptr);
  };

  // SCH substitutes already, and besides KOC is blocked: the first reason is asked about.
  fKoc->fSperrung.SetWocheTagStd(1, 3, true, 2);
  fDialoge.Antworte("Nein");
  EXPECT_FALSE(v->TrageLehrerEin(fSch));
  const auto fragen = fDialoge.Protokoll(TDialogVorgang::Frage);
  ASSERT_EQ(fragen.size(), 1u);
  EXPECT_EQ(fragen[0].fTitel, "Lehrer fehlt");
  EXPECT_EQ(fragen[0].fZeilen, (Zeilen{"Lehrer SCH vertritt schon.", "Trotzdem einsetzen?"}));
  EXPECT_EQ(fragen[0].fKnoepfe, (Zeilen{"Ja", "Nein"}));
  fDialoge.ProtokollLeeren();
  unveraendert();
  EXPECT_EQ(Konten(fSch), "3 13");

  // KOC is blocked and has no lesson on Wednesdays: blocked comes first.
  fDialoge.Antworte("Nein");
  EXPECT_FALSE(v->TrageLehrerEin(fKoc));
  EXPECT_EQ(Fragen(), Zeilen{"Lehrer fehlt: Lehrer KOC ist gesperrt."});
  unveraendert();
  fKoc->fSperrung.SetWocheTagStd(1, 3, false, 2);
  fDialoge.Antworte("Nein");
  EXPECT_FALSE(v->TrageLehrerEin(fKoc));
  EXPECT_EQ(Fragen(), Zeilen{"Lehrer fehlt: Lehrer KOC hat diesen Tag frei."});
  unveraendert();

  // Absent and blocked: absent comes first. "Ja" enters him, uncounted.
  Fehlt(leh, fKoc, fMi, "-+");
  fKoc->fSperrung.SetWocheTagStd(1, 3, true, 2);
  fDialoge.Antworte("Nein");
  EXPECT_FALSE(v->TrageLehrerEin(fKoc));
  EXPECT_EQ(Fragen(), Zeilen{"Lehrer fehlt: Lehrer KOC fehlt."});
  unveraendert();
  fDialoge.Antworte("Ja");
  EXPECT_TRUE(v->TrageLehrerEin(fKoc));
  EXPECT_EQ(Beschreibe(v), "9.12 2 MUE/M -> KOC R1 G-");
  EXPECT_EQ(v->fAdHoc, Dez(7));
  EXPECT_EQ(Konten(fKoc), "0 10");
  EXPECT_TRUE(fSchule.IsDirty());

  // SCH a second time at the same period: both records count.
  fDialoge.Antworte("Ja");
  EXPECT_TRUE(v->TrageLehrerEin(fSch));
  EXPECT_EQ(Beschreibe(v), "9.12 2 MUE/M -> SCH R1 GA");
  EXPECT_EQ(Konten(fSch), "5 15");
  EXPECT_EQ(fDialoge.OffeneAntworten(), 0u);
}

TEST_F(VertretungsTest, AnAbsentTeacherEnteredAnywayIsClearedWhenHeReturns) {
  Fehlt(leh, fMue, fMi, "-+");
  Fehlt(leh, fKoc, fMi, "-+");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  fDialoge.Antworte("Ja");
  ASSERT_TRUE(v->TrageLehrerEin(fKoc));
  EXPECT_EQ(Beschreibe(v), "9.12 2 MUE/M -> KOC R1 G-");
  Fehlt(leh, fKoc, fMi, "");
  EXPECT_EQ(Beschreibe(v), "9.12 2 MUE/M -> ? R1 G-");
  EXPECT_EQ(Konten(fKoc), "0 10");
}

TEST_F(VertretungsTest, EnteringTheSameSubstituteAgainAsksNothingAndCountsOnce) {
  Fehlt(leh, fMue, fMi, "-+");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  ASSERT_TRUE(v->TrageLehrerEin(fSch));
  ASSERT_TRUE(v->TrageLehrerEin(fSch));
  EXPECT_EQ(Fragen(), Zeilen{});
  EXPECT_EQ(Konten(fSch), "2 12");
}

TEST_F(VertretungsTest, TheRoomOfALessonWhoseClassIsAwayIsFreeForAnotherRecord) {
  Fehlt(leh, fMue, fMi, "-+");
  Fehlt(leh, fMei, fMi, "-+");
  Fehlt(kla, f5a, fMi, "-+");
  TVertretung* deutsch = fDeutschMi->VertretungFinden(fMi);
  // Mathe keeps R1 in its own record, but 5a is away: nobody is in the room.
  ASSERT_TRUE(deutsch->TrageRaumEin(fR1));
  EXPECT_EQ(Fragen(), Zeilen{});
  EXPECT_EQ(deutsch->fRaum, fR1);
}

TEST_F(VertretungsTest, TheRoomQuestionsComeInTheirOrderAndJaOnAnAbsentRoomLiftsTheAbsence) {
  Fehlt(leh, fMue, fMi, "-+");
  Fehlt(leh, fMei, fMi, "-+");
  Fehlt(rau, fR4, fMi, "-++");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  TVertretung* deutsch = fDeutschMi->VertretungFinden(fMi);
  ASSERT_TRUE(deutsch->TrageRaumEin(fR2));
  EXPECT_EQ(Fragen(), Zeilen{});
  fR5->fSperrung.SetWocheTagStd(1, 3, true, 2);

  fDialoge.Antworte({"Nein", "Nein", "Nein", "Nein"});
  for (TRaum* r : {fR3, fR2, fR4, fR5}) EXPECT_FALSE(v->TrageRaumEin(r));
  const auto fragen = fDialoge.Protokoll(TDialogVorgang::Frage);
  ASSERT_EQ(fragen.size(), 4u);
  EXPECT_EQ(fragen[0].fZeilen, (Zeilen{"In Raum R3 ist Unterricht.", "Trotzdem einsetzen?"}));
  EXPECT_EQ(fragen[0].fKnoepfe, (Zeilen{"Ja", "Nein"}));
  EXPECT_EQ(Fragen(), (Zeilen{"Raum ist besetzt: In Raum R3 ist Unterricht.",
                              "Raum ist besetzt: Raum R2 ist schon eingesetzt.",
                              "Raum ist besetzt: Raum R4 ist nicht verf\xFCgbar.",
                              "Raum ist besetzt: Raum R5 ist gesperrt."}));
  EXPECT_EQ(Beschreibe(v), "9.12 2 MUE/M -> ? R1 GA");
  EXPECT_EQ(v->fLInfo, "");
  EXPECT_TRUE(fR4->Abwesend(2, fMi));

  fDialoge.Antworte("Ja");
  EXPECT_TRUE(v->TrageRaumEin(fR4));
  EXPECT_EQ(Fragen(), Zeilen{"Raum ist besetzt: Raum R4 ist nicht verf\xFCgbar."});
  EXPECT_EQ(Beschreibe(v), "9.12 2 MUE/M -> ? R4 GA");
  EXPECT_EQ(v->fLInfo, "in Raum R4 ");
  EXPECT_FALSE(fR4->Abwesend(2, fMi));
  EXPECT_TRUE(fR4->Abwesend(3, fMi));
  ASSERT_EQ(fSchule.fFehlRaumMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(fSchule.fFehlRaumMenge.ListeNrInhalt(1)->fZeit, TFehl::StundenBit(3));

  // A room whose lesson has all its classes away is free; none clears the room.
  Fehlt(kla, f5b, fMi, "-+");
  EXPECT_TRUE(v->TrageRaumEin(fR3));
  EXPECT_EQ(Fragen(), Zeilen{});
  EXPECT_EQ(v->fRaum, fR3);
  EXPECT_TRUE(v->TrageRaumEin(nullptr));
  EXPECT_EQ(v->fRaum, nullptr);
  EXPECT_EQ(v->fLInfo, "");
}

TEST_F(VertretungsTest, ATeacherWithALessonOfHisOwnLeavesItARecordAndEarnsNothing) {
  Fehlt(leh, fMue, fMi, "-+");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  ASSERT_TRUE(v->TrageLehrerEin(fMei));
  EXPECT_EQ(Fragen(), Zeilen{});
  TVertretung* eigene = fDeutschMi->VertretungFinden(fMi);
  ASSERT_NE(eigene, nullptr);
  EXPECT_EQ(v->fZu, eigene);
  EXPECT_EQ(eigene->fVon, v);
  EXPECT_EQ(Beschreibe(v), "9.12 2 MUE/M -> MEI R1 G-");
  EXPECT_EQ(Beschreibe(eigene), "9.12 2 MEI/D -> ? R3 GA");
  EXPECT_EQ(v->fLInfo, "statt  MEI D R3");
  EXPECT_EQ(eigene->fLInfo, "verlegt auf  MUE M R1");
  EXPECT_EQ(eigene->fSInfo, "verlegt auf  MUE M R1");
  EXPECT_EQ(Konten(fMei), "0 10");

  // Clearing the substitute frees his lesson again.
  v->Loeschen(true);
  EXPECT_EQ(Liste(), Zeilen{"9.12 2 MUE/M -> ? R1 G-"});
  EXPECT_EQ(v->fZu, nullptr);
  EXPECT_EQ(v->fLInfo, "");
  EXPECT_EQ(Konten(fMei), "0 10");
}

TEST_F(VertretungsTest, ASubstituteFallingIllTakesHisLessonsRecordWithHim) {
  Fehlt(leh, fMue, fMi, "-+");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  ASSERT_TRUE(v->TrageLehrerEin(fMei));
  Fehlt(leh, fMei, fMi, "-+");
  EXPECT_EQ(Liste(), (Zeilen{"9.12 2 MUE/M -> ? R1 G-", "9.12 2 MEI/D -> ? R3 GA"}));
  TVertretung* deutsch = fDeutschMi->VertretungFinden(fMi);
  EXPECT_EQ(v->fZu, nullptr);
  EXPECT_EQ(deutsch->fVon, nullptr);
  EXPECT_EQ(v->fLInfo, "");
  EXPECT_EQ(deutsch->fLInfo, "");
  Fehlt(leh, fMei, fMi, "");
  EXPECT_EQ(Liste(), Zeilen{"9.12 2 MUE/M -> ? R1 G-"});
  EXPECT_EQ(Konten(fMei), "0 10");
}

TEST_F(VertretungsTest, DestroyingThePartnerUnlinksTheRecordThatCausedIt) {
  Fehlt(leh, fMue, fMi, "-+");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  ASSERT_TRUE(v->TrageLehrerEin(fMei));
  VertretungZerstoeren(fDeutschMi->VertretungFinden(fMi));
  EXPECT_EQ(Liste(), Zeilen{"9.12 2 MUE/M -> MEI R1 G-"});
  EXPECT_EQ(v->fZu, nullptr);
  EXPECT_EQ(v->fLInfo, "");
  EXPECT_EQ(fDeutschMi->fVertretungen.ListeZahlElemente(), 0);
}

TEST_F(VertretungsTest, ANewSubstituteTakesTheCreditFromThePreviousOne) {
  Fehlt(leh, fMue, fMi, "-+");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  ASSERT_TRUE(v->TrageLehrerEin(fSch));
  fDialoge.Antworte("Ja");
  ASSERT_TRUE(v->TrageLehrerEin(fKoc));
  EXPECT_EQ(Konten(fSch), "0 10");
  EXPECT_EQ(Konten(fKoc), "2 12");
  // The class's own teacher through the swap counts for nobody.
  TMenu menu = v->ErzeugeKlassenMenu(fSch);
  ASSERT_TRUE(WaehleEintrag(menu, "Do, 10. Dez   6"));
  EXPECT_EQ(Beschreibe(v), "9.12 2 MUE/M -> SCH R2 G-");
  EXPECT_EQ(Konten(fSch), "0 10");
  EXPECT_EQ(Konten(fKoc), "0 10");
}

TEST_F(VertretungsTest, ATeacherFreedByHisAbsentClassEarnsTheSubstitution) {
  Fehlt(kla, f5b, fMi, "-+");
  EXPECT_EQ(Konten(fMei), "-3 7");
  Fehlt(leh, fMue, fMi, "-+");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  ASSERT_TRUE(v->TrageLehrerEin(fMei));
  TVertretung* eigene = fDeutschMi->VertretungFinden(fMi);
  ASSERT_NE(eigene, nullptr);
  EXPECT_EQ(Beschreibe(v), "9.12 2 MUE/M -> MEI R1 GA");
  EXPECT_EQ(Beschreibe(eigene), "9.12 2 MEI/D -> ? R3 UA");
  EXPECT_EQ(Konten(fMei), "-1 9");

  v->Loeschen(true);
  EXPECT_EQ(Liste(), Zeilen{"9.12 2 MUE/M -> ? R1 G-"});
  EXPECT_EQ(Konten(fMei), "-3 7");
  Fehlt(kla, f5b, fMi, "");
  EXPECT_EQ(Konten(fMei), "0 10");
}

TEST_F(VertretungsTest, TheCoursesOwnTeacherEnteredMakesNoPartnerForHisOwnLesson) {
  Fehlt(rau, fR1, fMi, "-+");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  ASSERT_TRUE(v->TrageLehrerEin(fMue));
  EXPECT_EQ(v->fZu, nullptr);
  EXPECT_EQ(Liste(), Zeilen{"9.12 2 MUE/M -> MUE ? GA"});
  EXPECT_EQ(Konten(fMue), "0 10");
}

TEST_F(VertretungsTest, CancellingCountingAndDestroyingMoveTheCredit) {
  Fehlt(leh, fMue, fMi, "-+");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  ASSERT_TRUE(v->TrageLehrerEin(fSch));
  v->Anrechnen(false);
  EXPECT_EQ(Konten(fSch), "0 10");
  v->Anrechnen(true);
  EXPECT_EQ(Konten(fSch), "2 12");
  v->Frei();
  EXPECT_EQ(Beschreibe(v), "9.12 2 MUE/M -> ? ? G-");
  EXPECT_TRUE(v->fFrei);
  EXPECT_EQ(v->fLInfo, "frei");
  EXPECT_EQ(Konten(fSch), "0 10");

  fStandard.fVFrei = false;
  v->FuelleBemerkung();
  EXPECT_EQ(v->fLInfo, "");
  fStandard.fVFrei = true;

  ASSERT_TRUE(v->TrageLehrerEin(fSch));
  EXPECT_FALSE(v->fFrei);
  EXPECT_EQ(Konten(fSch), "2 12");
  VertretungZerstoeren(v);
  EXPECT_EQ(Liste(), Zeilen{});
  EXPECT_EQ(fMatheMi->fVertretungen.ListeZahlElemente(), 0);
  EXPECT_EQ(Konten(fSch), "0 10");
}

// The "statt" swap with the class's own teacher.

TEST_F(VertretungsTest, TheSwapMenuOffersEdgeLessonsOfTheClassNearTheDate) {
  // Not offered: a coupled course, a course of two classes, another teacher's course.
  TKurs* gekoppelt = Kurs(fSch, f5a, 1, nullptr, fS, fSchule.HoleKopplung("K1"));
  Setze(gekoppelt, 1, 5, 1);
  TKurs* zwei = Kurs(fSch, f5a, 1, nullptr, fS);
  zwei->KlasseErgaenzen(f5b);
  Setze(zwei, 1, 5, 6);
  Fehlt(leh, fMue, fMi, "-+");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);

  TMenu menu = v->ErzeugeKlassenMenu(fSch);
  EXPECT_EQ(Texte(menu),
            (Zeilen{"Mi, 9. Dez   1", "Mi, 2. Dez   1", "Mi, 16. Dez   1", "Mi, 23. Dez   1",
                    "Do, 3. Dez   6", "Do, 26. Nov   6", "Do, 10. Dez   6", "Do, 17. Dez   6"}));
  for (const TMenuEintrag& e : menu) {
    EXPECT_TRUE(e.fEnabled);
    EXPECT_FALSE(e.fBreak);
  }
  ASSERT_EQ(v->fStattListe.ListeZahlElemente(), 8);
  const TStatt* erste = v->fStattListe.ListeNrInhalt(1);
  EXPECT_EQ(erste->fLehrer, fSch);
  EXPECT_EQ(erste->fKurs, fEnglisch);
  EXPECT_EQ(erste->fSetzung, fEnglischMi);
  EXPECT_EQ(erste->fDatum, fMi);
  EXPECT_EQ(v->fStattListe.ListeNrInhalt(8)->fSetzung, fEnglischDo);
  EXPECT_EQ(v->fStattListe.ListeNrInhalt(8)->fDatum, Dez(17));
  EXPECT_EQ(Texte(v->ErzeugeKlassenMenu(fMei)), Zeilen{});

  // Holidays, other plan versions and dates with a record of the lesson are passed over.
  fStandard.fFerien[KalenderWoche(Dez(16))] = 1 << 2;
  fSchule.fKalender[KalenderWoche(Dez(30))] = 2;
  Fehlt(leh, fSch, Dez(3), "-----+");
  menu = v->ErzeugeKlassenMenu(fSch);
  EXPECT_EQ(Texte(menu),
            (Zeilen{"Mi, 9. Dez   1", "Mi, 2. Dez   1", "Mi, 23. Dez   1", "Mi, 6. Jan   1",
                    "Do, 26. Nov   6", "Do, 19. Nov   6", "Do, 10. Dez   6", "Do, 17. Dez   6"}));
  EXPECT_EQ(v->fStattListe.ListeZahlElemente(), 8);

  // SCH busy in the record's own period: nothing can be chosen.
  Setze(fSport, 1, 3, 2);
  menu = v->ErzeugeKlassenMenu(fSch);
  ASSERT_EQ(menu.size(), 8u);
  for (const TMenuEintrag& e : menu) EXPECT_FALSE(e.fEnabled);
  EXPECT_FALSE(Waehle(menu[0]));
  EXPECT_EQ(v->fLehrer, nullptr);
}

TEST_F(VertretungsTest, ASwapOnTheSameDayNamesOnlyThePeriods) {
  Fehlt(leh, fMue, fMi, "-+");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  TMenu menu = v->ErzeugeKlassenMenu(fSch);
  ASSERT_TRUE(WaehleEintrag(menu, "Mi, 9. Dez   1"));
  TVertretung* partner = fEnglischMi->VertretungFinden(fMi);
  ASSERT_NE(partner, nullptr);
  EXPECT_EQ(v->fZu, partner);
  EXPECT_EQ(partner->fVon, v);
  // R3 holds Deutsch of 5b then, so the room stays.
  EXPECT_EQ(Beschreibe(v), "9.12 2 MUE/M -> SCH R1 G-");
  EXPECT_EQ(v->fFach, fE);
  EXPECT_EQ(Beschreibe(partner), "9.12 1 SCH/E -> ? R3 GA");
  EXPECT_EQ(v->fLInfo, "statt  1 ");
  EXPECT_EQ(v->fSInfo, "statt  1 ");
  EXPECT_EQ(partner->fLInfo, "verlegt auf  2 ");
  EXPECT_EQ(Konten(fSch), "0 10");
  EXPECT_EQ(Fragen(), Zeilen{});
}

TEST_F(VertretungsTest, ASwapWithAnotherDayTakesTheFreeRoomOfTheSwappedLesson) {
  Fehlt(leh, fMue, fMi, "-+");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  TMenu menu = v->ErzeugeKlassenMenu(fSch);
  ASSERT_TRUE(WaehleEintrag(menu, "Do, 10. Dez   6"));
  TVertretung* partner = fEnglischDo->VertretungFinden(Dez(10));
  ASSERT_NE(partner, nullptr);
  EXPECT_EQ(Beschreibe(v), "9.12 2 MUE/M -> SCH R2 G-");
  EXPECT_EQ(Beschreibe(partner), "10.12 6 SCH/E -> ? R2 GA");
  EXPECT_EQ(v->fLInfo, "in Raum R2 | statt Do, 10. Dez   6  ");
  EXPECT_EQ(partner->fLInfo, "verlegt auf Mi, 9. Dez   2 ");
  EXPECT_EQ(fSchule.fVertretungsMenge.ListeZahlElemente(), 2);

  // The swap is undone with the substitute; the room stays.
  v->Loeschen(true);
  EXPECT_EQ(Liste(), Zeilen{"9.12 2 MUE/M -> ? R2 G-"});
  EXPECT_EQ(v->fLInfo, "in Raum R2 ");
}

TEST_F(VertretungsTest, TheOwnTeacherThroughTheSwapWithoutARoomChangeIsRemarkedStatt) {
  fEnglischDo->fRaum = fR1;
  Fehlt(leh, fMue, fMi, "-+");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  TMenu menu = v->ErzeugeKlassenMenu(fSch);
  ASSERT_TRUE(WaehleEintrag(menu, "Do, 17. Dez   6"));
  EXPECT_EQ(v->fLInfo, "statt Do, 17. Dez   6 ");
  EXPECT_EQ(v->fZu->fLInfo, "verlegt auf Mi, 9. Dez   2 ");
  EXPECT_EQ(v->fRaum, fR1);
}

TEST_F(VertretungsTest, ALongRemarkIsCutFromTheEndTo81Characters) {
  fSch->fKuerzel = "SCHNEIDER01";
  fE->fKuerzel = "ENGLISCH-LK";
  fR2->fKuerzel = "RAUM-NORD-2";
  fStandard.fStdBez[0][5] = "Nachmittag 6.St";
  TKurs* religion = Kurs(fMue, f5a, 1, fR1, fSchule.HoleFach("Re"));
  religion->KlasseErgaenzen(f5b);
  TSetzung* s = Setze(religion, 1, 3, 3, fR1);
  Fehlt(leh, fMue, fMi, "--+");
  TVertretung* v = s->VertretungFinden(fMi);
  TMenu menu = v->ErzeugeKlassenMenu(fSch);
  ASSERT_TRUE(WaehleEintrag(menu, "Do, 10. Dez  Nachmittag 6.St"));
  const std::string erwartet =
      "in Raum RAUM-NORD-2 | statt Do, 10. Dez  Nachmittag 6.St SCHNEIDER01 ENGLISCH-LK ";
  ASSERT_EQ(erwartet.size(), 81u);
  EXPECT_EQ(v->fLInfo, erwartet);
  EXPECT_EQ(v->fSInfo, erwartet);
  EXPECT_EQ(v->fZu->fLInfo, "verlegt auf Mi, 9. Dez   3 MUE Re R1");
}

TEST_F(VertretungsTest, WithoutAutomaticRemarksBothRemarksAreEmpty) {
  Fehlt(leh, fMue, fMi, "-+");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  ASSERT_TRUE(v->TrageRaumEin(fR2));
  EXPECT_EQ(v->fLInfo, "in Raum R2 ");
  fStandard.fVBemAuto = false;
  v->FuelleBemerkung();
  EXPECT_EQ(v->fLInfo, "");
  EXPECT_EQ(v->fSInfo, "");
}

// "Wie am" copies another date's substitution of the same lesson.

TEST_F(VertretungsTest, TheWieMenuListsTheLessonsOtherSubstitutionsAndCopiesOne) {
  Fehlt(leh, fMue, Dez(2), "-+");
  Fehlt(leh, fMue, fMi, "-+");
  Fehlt(leh, fMue, Dez(16), "-+");
  TVertretung* zweiter = fMatheMi->VertretungFinden(Dez(2));
  TVertretung* neunter = fMatheMi->VertretungFinden(fMi);
  TVertretung* sechzehnter = fMatheMi->VertretungFinden(Dez(16));
  ASSERT_TRUE(zweiter->TrageLehrerEin(fSch));
  ASSERT_TRUE(zweiter->TrageRaumEin(fR2));
  zweiter->SetFach(fD);
  EXPECT_EQ(Texte(neunter->ErzeugeWieMenu()), Zeilen{"Mi, 2. Dez   2 SCH"});
  EXPECT_EQ(Texte(zweiter->ErzeugeWieMenu()), Zeilen{});

  TMenu menu = neunter->ErzeugeWieMenu();
  ASSERT_TRUE(Waehle(menu[0]));
  EXPECT_EQ(Beschreibe(neunter), "9.12 2 MUE/M -> SCH R2 GA");
  EXPECT_EQ(neunter->fFach, fD);
  EXPECT_EQ(neunter->fLInfo, "in Raum R2 ");
  EXPECT_EQ(Konten(fSch), "4 14");
  EXPECT_EQ(Texte(sechzehnter->ErzeugeWieMenu()),
            (Zeilen{"Mi, 2. Dez   2 SCH", "Mi, 9. Dez   2 SCH"}));
}

TEST_F(VertretungsTest, TheInfoMenuShowsTheRemarksThatAreThere) {
  Fehlt(leh, fMue, fMi, "-+");
  TVertretung* v = fMatheMi->VertretungFinden(fMi);
  EXPECT_EQ(Texte(v->ErzeugeInfoMenu()), Zeilen{});
  v->SetSInfo("Aufgaben im Buch");
  EXPECT_EQ(Texte(v->ErzeugeInfoMenu()), Zeilen{"Aufgaben im Buch"});
  v->SetLInfo("Mappe im Fach");
  EXPECT_EQ(Texte(v->ErzeugeInfoMenu()), (Zeilen{"Mappe im Fach", "Aufgaben im Buch"}));
}

// The order of the document's list.

TEST_F(VertretungsTest, TheFourOrdersSortTheList) {
  TFach* physik = fSchule.HoleFach("P");
  TFach* bio = fSchule.HoleFach("B");
  Setze(Kurs(fMue, f5b, 1, nullptr, bio), 1, 3, 1);
  Setze(Kurs(fMei, f5a, 1, nullptr, physik), 1, 3, 1);
  Setze(fMathe, 1, 3, 3, fR1);
  Setze(fDeutsch, 1, 2, 2, fR3);
  Fehlt(leh, fMue, fMi, "+++");
  Fehlt(leh, fMei, fMi, "++");
  Fehlt(leh, fMei, Dez(8), "-+");
  ASSERT_TRUE(fMatheMi->VertretungFinden(fMi)->TrageLehrerEin(fSch));
  const auto reihenfolge = [&](int32_t art) {
    fStandard.fVertrSortArt = art;
    VertretungenSortieren();
    Zeilen z;
    for (const TVertretung* v : fSchule.fVertretungsMenge) {
      z.push_back(std::to_string(DekodiereDatum(v->fDatum).Tag) + " " +
                  std::to_string(v->Stunde()) + " " + v->fKurs->fLehrer->fKuerzel.str() + "/" +
                  v->fKurs->fFach->fKuerzel.str());
    }
    return z;
  };
  EXPECT_EQ(reihenfolge(0),
            (Zeilen{"8 2 MEI/D", "9 2 MUE/M", "9 1 MEI/P", "9 3 MUE/M", "9 1 MUE/B", "9 2 MEI/D"}));
  EXPECT_EQ(reihenfolge(1),
            (Zeilen{"8 2 MEI/D", "9 2 MUE/M", "9 1 MUE/B", "9 3 MUE/M", "9 1 MEI/P", "9 2 MEI/D"}));
  EXPECT_EQ(reihenfolge(2),
            (Zeilen{"8 2 MEI/D", "9 1 MEI/P", "9 1 MUE/B", "9 2 MEI/D", "9 3 MUE/M", "9 2 MUE/M"}));
  EXPECT_EQ(reihenfolge(3),
            (Zeilen{"8 2 MEI/D", "9 2 MUE/M", "9 1 MUE/B", "9 1 MEI/P", "9 2 MEI/D", "9 3 MUE/M"}));
}

// Placements that come and go while absences stand.

TEST_F(VertretungsTest, APlacementDuringAnAbsenceGetsItsRecordsAndTakesThemAlong) {
  Fehlt(leh, fMue, fMi, "---+");
  Fehlt(leh, fMue, Dez(16), "---+");
  Fehlt(leh, fMue, Dez(10), "---+");
  TSetzung* s = NeueSetzung(*fMathe, 1, 3, fR1, 4);
  ASSERT_NE(s, nullptr);
  // Thursday's record belongs to the Thursday lesson of that period.
  EXPECT_EQ(Liste(), (Zeilen{"9.12 4 MUE/M -> ? R1 GA", "10.12 4 MUE/M -> ? R1 GA",
                             "16.12 4 MUE/M -> ? R1 GA"}));
  EXPECT_EQ(s->fVertretungen.ListeZahlElemente(), 2);
  EXPECT_EQ(fMatheDo4->fVertretungen.ListeZahlElemente(), 1);
  ASSERT_TRUE(s->VertretungFinden(fMi)->TrageLehrerEin(fSch));
  EXPECT_EQ(Konten(fSch), "2 12");

  SetzungEntfernen(*fMathe, s);
  EXPECT_EQ(Liste(), Zeilen{"10.12 4 MUE/M -> ? R1 GA"});
  EXPECT_EQ(Konten(fSch), "0 10");
  EXPECT_EQ(Konten(fMue), "0 10");
}

TEST_F(VertretungsTest, APlacementInAnAbsentRoomGetsARoomOnlyRecord) {
  Fehlt(rau, fR1, fMi, "---+");
  TSetzung* s = NeueSetzung(*fMathe, 1, 3, fR1, 4);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(Liste(), Zeilen{"9.12 4 MUE/M -> MUE ? GA"});
  SetzungEntfernen(*fMathe, s);
  EXPECT_EQ(Liste(), Zeilen{});
}

TEST_F(VertretungsTest, APlacementWhileItsClassIsAwayFreesTheTeacherUntilItGoes) {
  Fehlt(kla, f5a, fMi, "---+");
  TSetzung* s = NeueSetzung(*fMathe, 1, 3, fR1, 4);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(Liste(), Zeilen{});
  EXPECT_EQ(Konten(fMue), "-2 8");
  SetzungEntfernen(*fMathe, s);
  EXPECT_EQ(Konten(fMue), "0 10");

  // With the teacher absent as well the record is not in force and nobody owes anything.
  Fehlt(leh, fMue, fMi, "---+");
  s = NeueSetzung(*fMathe, 1, 3, fR1, 4);
  EXPECT_EQ(Liste(), Zeilen{"9.12 4 MUE/M -> ? R1 UA"});
  EXPECT_EQ(Konten(fMue), "0 10");
  SetzungEntfernen(*fMathe, s);
  EXPECT_EQ(Liste(), Zeilen{});
  EXPECT_EQ(Konten(fMue), "0 10");
}

TEST_F(VertretungsTest, UndoingAndRedoingARemovedLessonBringsItsRecordsBackAndTakesThemAgain) {
  Fehlt(leh, fMue, fMi, "-+");
  ASSERT_TRUE(fMatheMi->VertretungFinden(fMi)->TrageLehrerEin(fSch));
  EXPECT_EQ(Konten(fSch), "2 12");
  {
    TVerlaufSchritt schritt(fSchule);
    SetzungEntfernen(*fMathe, fMatheMi);
  }
  EXPECT_EQ(Liste(), Zeilen{});
  EXPECT_EQ(Konten(fSch), "0 10");
  // The lesson comes back with a record for the absence; the substitute is for the planner to
  // choose again.
  ASSERT_TRUE(fSchule.fVerlauf.Widerrufen(fSchule));
  EXPECT_EQ(Liste(), Zeilen{"9.12 2 MUE/M -> ? R1 GA"});
  EXPECT_EQ(Konten(fSch), "0 10");
  ASSERT_TRUE(fSchule.fVerlauf.Wiederherstellen(fSchule));
  EXPECT_EQ(Liste(), Zeilen{});
}

// The monthly log.

TEST_F(VertretungsTest, AMissingMonthIsComputedFromTheRecords) {
  const TDatumZeit nov26 = *KodiereDatum(2026, 11, 26) + 0.5;
  Fehlt(leh, fMue, Dez(3), "---+");
  Fehlt(leh, fMue, nov26, "-+");
  Fehlt(leh, fMue, fMi, "-+");
  Fehlt(leh, fMue, Dez(16), "-+");
  ASSERT_TRUE(fMatheDo4->VertretungFinden(Dez(3))->TrageLehrerEin(fSch));
  ASSERT_TRUE(fMatheDo2->VertretungFinden(nov26)->TrageLehrerEin(fSch));
  ASSERT_TRUE(fMatheMi->VertretungFinden(fMi)->TrageLehrerEin(fSch));
  ASSERT_TRUE(fMatheMi->VertretungFinden(Dez(16))->TrageLehrerEin(fSch));
  fMatheMi->VertretungFinden(Dez(16))->Anrechnen(false);
  // MUE is there on Thursday the 10th while 5a is away.
  Fehlt(kla, f5a, Dez(10), "---+");
  EXPECT_EQ(Konten(fSch), "6 16");
  EXPECT_EQ(Konten(fMue), "-2 8");
  EXPECT_TRUE(fSch->fDict.empty());

  EXPECT_EQ(fSch->MonatsStunden(202612), 4);
  EXPECT_EQ(fSch->MonatsStunden(202611), 2);
  EXPECT_EQ(fSch->MonatsStunden(202701), 0);
  EXPECT_EQ(fMue->MonatsStunden(202612), -2);
  EXPECT_EQ(fSch->fDict, (std::map<std::string, std::string>{
                             {"202611", "2"}, {"202612", "4"}, {"202701", "0"}}));
  EXPECT_EQ(fMue->fDict, (std::map<std::string, std::string>{{"202612", "-2"}}));
}

TEST_F(VertretungsTest, AChangeUpdatesTheLoggedMonthAndCounterThree) {
  Fehlt(leh, fMue, fMi, "-+");
  Fehlt(leh, fMue, Dez(16), "-+");
  ASSERT_TRUE(fMatheMi->VertretungFinden(fMi)->TrageLehrerEin(fSch));
  fSch->fVStunden3 = 7;
  fSch->aendereVStunden3(fMi);
  EXPECT_EQ(fSch->fVStunden3, 2);
  ASSERT_TRUE(fMatheMi->VertretungFinden(Dez(16))->TrageLehrerEin(fSch));
  EXPECT_EQ(fSch->fVStunden3, 4);
  EXPECT_EQ(fSch->fDict.at("202612"), "4");
  EXPECT_EQ(Konten(fSch), "4 14");

  // A month not in the log stays out of it until it is asked for.
  Fehlt(leh, fMue, *KodiereDatum(2027, 1, 6) + 0.5, "-+");
  ASSERT_TRUE(fMatheMi->VertretungFinden(*KodiereDatum(2027, 1, 6) + 0.5)->TrageLehrerEin(fSch));
  EXPECT_EQ(fSch->fDict.count("202701"), 0u);
  EXPECT_EQ(fSch->fVStunden3, 6);
  EXPECT_EQ(fSch->MonatsStunden(202701), 2);
  EXPECT_EQ(Konten(fSch), "6 16");
}

}  // namespace
}  // namespace orbato
