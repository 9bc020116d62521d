#include "placement/versionkopie.h"

#include <algorithm>
#include <string>
#include <vector>

#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "placement/platzierungsfixture.h"
#include "placement/versionswahl.h"

namespace orbato {
namespace {

const std::vector<std::string> kAblehnung{
    "Stunden, die in der neuen Version verplant werden",
    "sollen, kollidieren mit dort schon verplanten und", "fixierten Stunden bzw. Sperrungen.",
    "Sperrungen und Fixierungen k\xF6nnen nicht", "verdr\xE4ngt werden."};
const std::vector<std::string> kFrage{"Stunden, die in der neuen Version verplant werden",
                                      "sollen, kollidieren mit dort schon verplanten Stunden.",
                                      "Sollen diese schon verplanten Stunden aus den ",
                                      "Pl\xE4nen der neuen Version verdr\xE4ngt werden?"};

class VersionKopieTest : public PlatzierungsTest {
 protected:
  // A course with its lessons in versions 1, 2 and 3.
  TKurs* KursMit(TLehrer* l, TKlasse* k, std::vector<int32_t> stunden, TRaum* r = nullptr,
                 TKopplung* o = nullptr, TFach* f = nullptr) {
    TKurs* kurs = Kurs(l, k, 0, r, f ? f : fM, o);
    for (int32_t w = 1; w <= 3; ++w) kurs->fStunden.SetWochenStunde(w, stunden[w - 1]);
    return kurs;
  }
  TSetzung* Fix(TKurs* k, int32_t woche, int32_t tag, int32_t std) {
    TSetzung* s = Setze(k, woche, tag, std);
    s->fFixiert = true;
    return s;
  }
  static TVersionsKopie Alle(bool auchPlaene, int32_t von = 1, int32_t zu = 2) {
    TVersionsKopie kopie;
    kopie.fAuchPlaene = auchPlaene;
    kopie.fVon = von;
    kopie.fZu = zu;
    return kopie;
  }
  static TVersionsKopie Gewaehlt(TVersionsWas was, std::vector<TElement*> elemente) {
    TVersionsKopie kopie = Alle(true);
    kopie.fWas = was;
    kopie.fElemente = std::move(elemente);
    return kopie;
  }
  // The placements of a course in one version as "day/period room F|N", in cell order.
  static std::vector<std::string> Plan(const TKurs* k, int32_t woche) {
    std::vector<std::string> zellen;
    for (const TSetzung* s : k->fSetzungen) {
      if (s->fWoche != woche) continue;
      zellen.push_back(std::to_string(s->fTag) + "/" + std::to_string(s->fStunde) + " " +
                       KuerzelVon(s->fRaum) + (s->fFixiert ? " F" : " N"));
    }
    std::sort(zellen.begin(), zellen.end());
    return zellen;
  }
  std::vector<TDialogEintrag> Fragen() const { return fDialoge.Protokoll(TDialogVorgang::Frage); }
  std::vector<TDialogEintrag> Nachrichten() const {
    return fDialoge.Protokoll(TDialogVorgang::Nachricht);
  }

  TRaum* fR2 = fSchule.HoleRaum("R2");
  TKopplung* fK = fSchule.HoleKopplung("K");
};

// "nur Deputate" takes targets and lessons and leaves the target version without any lesson, while
// the source version and the blockings of the elements stay as they were.
TEST_F(VersionKopieTest, OnlyLoadsCopyTargetsAndLessonsAndEmptyTheTargetPlan) {
  TKurs* a = KursMit(fMue, f5a, {3, 1, 0}, fR1);
  TKurs* b = KursMit(fSch, f5b, {2, 4, 5});
  fMue->fSoll.SetWochenStunde(1, 20);
  fMue->fSoll.SetWochenStunde(2, 7);
  f5b->fSoll.SetWochenStunde(1, 31);
  Setze(a, 1, 1, 1, fR1);
  Setze(a, 2, 3, 3, fR1);
  Fix(b, 2, 4, 2);
  fMue->fSperrung.SetWocheTagStd(1, 5, true, 6);

  EXPECT_EQ(VersionKopieren(fSchule, Alle(false)), TKopieErgebnis::Kopiert);

  EXPECT_EQ(a->fStunden.GetWochenStunde(2), 3);
  EXPECT_EQ(b->fStunden.GetWochenStunde(2), 2);
  EXPECT_EQ(b->fStunden.GetWochenStunde(3), 5);
  EXPECT_EQ(fMue->fSoll.GetWochenStunde(2), 20);
  EXPECT_EQ(f5b->fSoll.GetWochenStunde(2), 31);
  EXPECT_EQ(fSch->fSoll.GetWochenStunde(2), 24);
  EXPECT_TRUE(Plan(a, 2).empty());
  EXPECT_TRUE(Plan(b, 2).empty());
  EXPECT_FALSE(fSch->fBesetzung.GetWocheTagStd(2, 4, 2));
  EXPECT_EQ(Plan(a, 1), std::vector<std::string>{"1/1 R1 N"});
  EXPECT_FALSE(fMue->fSperrung.GetWocheTagStd(2, 5, 6));
  EXPECT_TRUE(Fragen().empty());
  EXPECT_TRUE(Nachrichten().empty());
  ASSERT_EQ(fDialoge.Anzahl(TDialogVorgang::MeldungZeigen), 1u);
  EXPECT_EQ(fDialoge.Protokoll(TDialogVorgang::MeldungZeigen)[0].fZeilen,
            std::vector<std::string>{"Die Planversion wird kopiert."});
  EXPECT_FALSE(fDialoge.MeldungOffen());
  EXPECT_TRUE(fSchule.IsDirty());
}

// "auch Pläne" gives the target version the source's lessons, unfixed and in their rooms, and the
// blockings of the source, except where the target still has lessons.
TEST_F(VersionKopieTest, AlsoPlansCopyPlacementsAndBlockings) {
  TKurs* a = KursMit(fMue, f5a, {2, 0, 0}, fR1);
  TKurs* b = KursMit(fSch, f5b, {1, 1, 0});
  Setze(a, 1, 1, 1, fR1)->fFixiert = true;
  Setze(a, 1, 7, 2);  // a Sunday lesson outside the 6-day week is not copied
  fStandard.fMaxTageNeu = 6;
  fMue->fSperrung.SetWocheTagStd(1, 2, true, 5);
  f5a->fSperrung.SetWocheTagStd(1, 3, true, 1);
  fR1->fSperrung.SetWocheTagStd(1, 4, true, 2);
  a->fSperrung.SetWocheTagStd(1, 5, true, 3);
  fMei->fSperrung.SetWocheTagStd(2, 1, true, 4);  // MEI is not blocked in version 1
  // SCH is blocked in version 1 where b's lesson in version 2 lies: the blocking is cleared
  // there before the lesson goes with the copy of b, which has none in version 1.
  fSch->fSperrung.SetWocheTagStd(1, 6, true, 6);
  Setze(b, 2, 6, 6);

  EXPECT_EQ(VersionKopieren(fSchule, Alle(true)), TKopieErgebnis::Kopiert);

  EXPECT_EQ(Plan(a, 2), std::vector<std::string>{"1/1 R1 N"});
  EXPECT_TRUE(fR1->fBesetzung.GetWocheTagStd(2, 1, 1));
  EXPECT_TRUE(f5a->fBesetzung.GetWocheTagStd(2, 1, 1));
  EXPECT_TRUE(fMue->fSperrung.GetWocheTagStd(2, 2, 5));
  EXPECT_TRUE(f5a->fSperrung.GetWocheTagStd(2, 3, 1));
  EXPECT_TRUE(fR1->fSperrung.GetWocheTagStd(2, 4, 2));
  EXPECT_TRUE(a->fSperrung.GetWocheTagStd(2, 5, 3));
  EXPECT_FALSE(fMei->fSperrung.GetWocheTagStd(2, 1, 4));
  EXPECT_TRUE(Plan(b, 2).empty());
  EXPECT_FALSE(fSch->fSperrung.GetWocheTagStd(2, 6, 6));
  EXPECT_TRUE(fSch->fSperrung.GetWocheTagStd(1, 6, 6));
  EXPECT_EQ(Plan(a, 3), std::vector<std::string>{});
  EXPECT_TRUE(Fragen().empty());
}

// A blocking of the target version is left where the target's own lessons lie, since a lesson may
// not stand in a blocked cell.
TEST_F(VersionKopieTest, BlockingsAreClearedWhereTheTargetVersionHasLessons) {
  TKurs* fremd = KursMit(fSch, f6a, {0, 0, 1});
  Setze(fremd, 3, 2, 2);
  fSch->fSperrung.SetWocheTag(2, 2, 0b111);
  TVersionsKopie kopie = Gewaehlt(kVersLehrer, {fSch});
  kopie.fVon = 2;
  kopie.fZu = 3;
  EXPECT_EQ(VersionKopieren(fSchule, kopie), TKopieErgebnis::Kopiert);
  EXPECT_EQ(fSch->fSperrung.GetWocheTag(3, 2), 0b101);
  EXPECT_EQ(fSch->fSperrung.GetWocheTag(2, 2), 0b111);
  EXPECT_TRUE(Plan(fremd, 3).empty());
}

// A class's fixed lesson in a cell the plans need stops the copy before any course changes; the
// targets and the blockings of the earlier steps stay copied.
TEST_F(VersionKopieTest, FixedLessonOfAClassRefusesBeforeAnyCoursePlanIsCopied) {
  TKurs* a = KursMit(fMue, f5a, {2, 1, 0});
  TKurs* b = KursMit(fSch, f5b, {1, 0, 0});
  TKurs* fest = KursMit(fMei, f5a, {0, 1, 0});
  Setze(b, 1, 1, 1);
  Setze(a, 1, 2, 3);
  Setze(a, 1, 2, 4);
  Setze(a, 2, 5, 5);
  Fix(fest, 2, 2, 4);
  fMue->fSoll.SetWochenStunde(1, 11);
  f5a->fSperrung.SetWocheTagStd(1, 3, true, 3);

  EXPECT_EQ(VersionKopieren(fSchule, Alle(true)), TKopieErgebnis::Abgelehnt);

  ASSERT_EQ(Nachrichten().size(), 1u);
  EXPECT_EQ(Nachrichten()[0].fTitel, "Kollision");
  EXPECT_EQ(Nachrichten()[0].fZeilen, kAblehnung);
  EXPECT_EQ(Nachrichten()[0].fKnoepfe, std::vector<std::string>{"Ok"});
  EXPECT_TRUE(Fragen().empty());
  EXPECT_EQ(fMue->fSoll.GetWochenStunde(2), 11);
  EXPECT_TRUE(f5a->fSperrung.GetWocheTagStd(2, 3, 3));
  EXPECT_EQ(a->fStunden.GetWochenStunde(2), 1);
  EXPECT_EQ(Plan(a, 2), std::vector<std::string>{"5/5  N"});
  EXPECT_TRUE(Plan(b, 2).empty());
  EXPECT_EQ(Plan(fest, 2), std::vector<std::string>{"2/4  F"});
  EXPECT_FALSE(fDialoge.MeldungOffen());
}

// Blocked for the course, its teacher, its classes or the lesson's room: the same refusal.
TEST_F(VersionKopieTest, BlockedTargetCellsRefuse) {
  TKurs* a = KursMit(fMue, f5a, {1, 0, 0}, fR1);
  Setze(a, 1, 3, 2, fR1);
  const auto versuche = [&](TWochBereich& sperrung) {
    sperrung.SetWocheTagStd(2, 3, true, 2);
    fDialoge.ProtokollLeeren();
    // A subject has neither target nor blocking, so those of version 2 stand as set here.
    EXPECT_EQ(VersionKopieren(fSchule, Gewaehlt(kVersFaecher, {fM})), TKopieErgebnis::Abgelehnt);
    EXPECT_EQ(Nachrichten().size(), 1u);
    EXPECT_TRUE(Plan(a, 2).empty());
    sperrung.SetWocheTagStd(2, 3, false, 2);
  };
  versuche(a->fSperrung);
  versuche(fMue->fSperrung);
  versuche(f5a->fSperrung);
  versuche(fR1->fSperrung);
  EXPECT_EQ(VersionKopieren(fSchule, Gewaehlt(kVersFaecher, {fM})), TKopieErgebnis::Kopiert);
  EXPECT_EQ(Plan(a, 2), std::vector<std::string>{"3/2 R1 N"});
}

// Lessons of one coupling share a class's cell: another course of the coupling there, even a
// fixed one, neither refuses nor asks.
TEST_F(VersionKopieTest, LessonsOfTheSameCouplingInOneClassCellAreNoCollision) {
  TKurs* a = KursMit(fMue, f5a, {1, 0, 0}, nullptr, fK);
  TKurs* b = KursMit(fSch, f5a, {1, 0, 0}, nullptr, fK);
  TKurs* c = KursMit(fMei, f5a, {0, 1, 0}, nullptr, fK);
  Setze(a, 1, 1, 1);
  Setze(b, 1, 1, 1);
  Fix(c, 2, 1, 1);

  EXPECT_EQ(VersionKopieren(fSchule, Gewaehlt(kVersLehrer, {fMue, fSch})), TKopieErgebnis::Kopiert);

  EXPECT_TRUE(Fragen().empty());
  EXPECT_TRUE(Nachrichten().empty());
  EXPECT_EQ(Plan(a, 2), std::vector<std::string>{"1/1  N"});
  EXPECT_EQ(Plan(b, 2), std::vector<std::string>{"1/1  N"});
  EXPECT_EQ(Plan(c, 2), std::vector<std::string>{"1/1  F"});
}

// Lessons of the target version in the way: one question for the whole run, whose "Ja" displaces
// them, "Nein" leaves them and drops the copied lesson, "Abbrechen" stops before the courses.
class VerdraengenTest : public VersionKopieTest {
 protected:
  void SetUp() override {
    fA = KursMit(fMue, f5a, {2, 0, 0}, fR1);
    fB = KursMit(fSch, f5b, {1, 0, 0});
    fLehrerImWeg = KursMit(fMue, f6a, {0, 1, 0}, nullptr, nullptr, fD);
    fRaumImWeg = KursMit(fMei, f6a, {0, 1, 0}, fR1, nullptr, fD);
    fKlasseImWeg = KursMit(fMei, f5b, {0, 1, 0}, nullptr, nullptr, fD);
    Setze(fA, 1, 1, 1, fR1);
    Setze(fA, 1, 1, 2, fR1);
    Setze(fB, 1, 4, 4);
    Setze(fLehrerImWeg, 2, 1, 1);
    Setze(fRaumImWeg, 2, 1, 2, fR1);
    Setze(fKlasseImWeg, 2, 4, 4);
  }
  // Only the courses of subject M are copied, so that the lessons in the way keep theirs.
  TKopieErgebnis Kopiere() { return VersionKopieren(fSchule, Gewaehlt(kVersFaecher, {fM})); }

  TKurs* fA = nullptr;
  TKurs* fB = nullptr;
  TKurs* fLehrerImWeg = nullptr;
  TKurs* fRaumImWeg = nullptr;
  TKurs* fKlasseImWeg = nullptr;
};

TEST_F(VerdraengenTest, YesDisplacesTheLessonsInTheWay) {
  fDialoge.Antworte("Ja");
  EXPECT_EQ(Kopiere(), TKopieErgebnis::Kopiert);
  ASSERT_EQ(Fragen().size(), 1u);
  EXPECT_EQ(Fragen()[0].fTitel, "Kollision");
  EXPECT_EQ(Fragen()[0].fZeilen, kFrage);
  EXPECT_EQ(Fragen()[0].fKnoepfe, (std::vector<std::string>{"Ja", "Nein", "Abbrechen"}));
  EXPECT_EQ(Plan(fA, 2), (std::vector<std::string>{"1/1 R1 N", "1/2 R1 N"}));
  EXPECT_EQ(Plan(fB, 2), std::vector<std::string>{"4/4  N"});
  EXPECT_TRUE(Plan(fLehrerImWeg, 2).empty());
  EXPECT_TRUE(Plan(fRaumImWeg, 2).empty());
  EXPECT_TRUE(Plan(fKlasseImWeg, 2).empty());
  EXPECT_FALSE(f6a->fBesetzung.GetWocheTagStd(2, 1, 1));
}

TEST_F(VerdraengenTest, NoKeepsThemAndLeavesThoseLessonsOut) {
  fDialoge.Antworte("Nein");
  EXPECT_EQ(Kopiere(), TKopieErgebnis::Kopiert);
  EXPECT_EQ(Fragen().size(), 1u);
  EXPECT_TRUE(Plan(fA, 2).empty());
  EXPECT_TRUE(Plan(fB, 2).empty());
  EXPECT_EQ(fA->fStunden.GetWochenStunde(2), 2);
  EXPECT_EQ(Plan(fLehrerImWeg, 2), std::vector<std::string>{"1/1  N"});
  EXPECT_EQ(Plan(fRaumImWeg, 2), std::vector<std::string>{"1/2 R1 N"});
  EXPECT_EQ(Plan(fKlasseImWeg, 2), std::vector<std::string>{"4/4  N"});
}

TEST_F(VerdraengenTest, CancelStopsBeforeAnyCourseIsCopied) {
  fDialoge.Antworte("Abbrechen");
  EXPECT_EQ(Kopiere(), TKopieErgebnis::Abgebrochen);
  EXPECT_EQ(Fragen().size(), 1u);
  EXPECT_EQ(fA->fStunden.GetWochenStunde(2), 0);
  EXPECT_TRUE(Plan(fA, 2).empty());
  EXPECT_EQ(Plan(fLehrerImWeg, 2), std::vector<std::string>{"1/1  N"});
}

// Chosen elements go one after the other: the first teacher's courses are copied before the
// second one's fixed obstacle stops the run, whose target is copied already; the third teacher is
// not reached.
TEST_F(VersionKopieTest, ChosenElementsAreCopiedOneAfterTheOther) {
  TKurs* a = KursMit(fMue, f5a, {1, 0, 0});
  TKurs* b = KursMit(fSch, f5b, {1, 0, 0});
  TKurs* c = KursMit(fMei, f6a, {1, 0, 0});
  TKurs* fest = KursMit(fMei, f5b, {0, 1, 0});
  Setze(a, 1, 1, 1);
  Setze(b, 1, 2, 2);
  Setze(c, 1, 3, 3);
  Fix(fest, 2, 2, 2);
  for (TLehrer* l : {fMue, fSch, fMei}) l->fSoll.SetWochenStunde(1, 5);

  EXPECT_EQ(VersionKopieren(fSchule, Gewaehlt(kVersLehrer, {fMue, fSch, fMei})),
            TKopieErgebnis::Abgelehnt);

  EXPECT_EQ(Plan(a, 2), std::vector<std::string>{"1/1  N"});
  EXPECT_EQ(a->fStunden.GetWochenStunde(2), 1);
  EXPECT_EQ(fMue->fSoll.GetWochenStunde(2), 5);
  EXPECT_EQ(fSch->fSoll.GetWochenStunde(2), 5);
  EXPECT_EQ(b->fStunden.GetWochenStunde(2), 0);
  EXPECT_EQ(fMei->fSoll.GetWochenStunde(2), 24);
  EXPECT_TRUE(Plan(c, 2).empty());
}

// The question is asked once in a run, also when the obstacles stand in the way of different
// elements, and its answer holds for all of them.
TEST_F(VersionKopieTest, TheDisplacementQuestionIsAskedOncePerRun) {
  TKurs* a = KursMit(fMue, f5a, {1, 0, 0});
  TKurs* b = KursMit(fSch, f5b, {1, 0, 0});
  TKurs* weg1 = KursMit(fMue, f6a, {0, 1, 0});
  TKurs* weg2 = KursMit(fSch, f6a, {0, 1, 0});
  Setze(a, 1, 1, 1);
  Setze(b, 1, 2, 2);
  Setze(weg1, 2, 1, 1);
  Setze(weg2, 2, 2, 2);
  fDialoge.Antworte("Nein");
  EXPECT_EQ(VersionKopieren(fSchule, Gewaehlt(kVersKlassen, {f5a, f5b})), TKopieErgebnis::Kopiert);
  EXPECT_EQ(Fragen().size(), 1u);
  EXPECT_TRUE(Plan(a, 2).empty());
  EXPECT_TRUE(Plan(b, 2).empty());
  EXPECT_EQ(Plan(weg1, 2), std::vector<std::string>{"1/1  N"});
  EXPECT_EQ(Plan(weg2, 2), std::vector<std::string>{"2/2  N"});
}

// Everything a copy changes, as text, for comparing before and after.
std::vector<std::string> Stand(const TSchule& schule) {
  std::vector<std::string> zeilen;
  const auto bereich = [](const TWochBereich& b) {
    std::string text;
    for (int32_t w = 1; w <= 3; ++w) {
      for (int32_t t = 1; t <= 7; ++t) text += std::to_string(b.GetWocheTag(w, t)) + ",";
    }
    return text;
  };
  const auto stunden = [](const TWochenStunden& s) {
    return std::to_string(s.GetWochenStunde(1)) + "," + std::to_string(s.GetWochenStunde(2)) + "," +
           std::to_string(s.GetWochenStunde(3));
  };
  for (const TKurs* k : schule.fKursMenge) {
    std::vector<std::string> plan;
    for (const TSetzung* s : k->fSetzungen) {
      plan.push_back(std::to_string(s->fWoche) + "/" + std::to_string(s->fTag) + "/" +
                     std::to_string(s->fStunde) + KuerzelVon(s->fRaum) + (s->fFixiert ? "F" : ""));
    }
    std::sort(plan.begin(), plan.end());
    std::string text =
        "Kurs " + stunden(k->fStunden) + " " + bereich(k->fSperrung) + " " + bereich(k->fBesetzung);
    for (const std::string& p : plan) text += " " + p;
    zeilen.push_back(text);
  }
  for (const TLehrer* l : schule.fLehrerMenge)
    zeilen.push_back(l->fKuerzel.str() + stunden(l->fSoll) + bereich(l->fSperrung) +
                     bereich(l->fBesetzung));
  for (const TKlasse* k : schule.fKlassenMenge)
    zeilen.push_back(k->fKuerzel.str() + stunden(k->fSoll) + bereich(k->fSperrung) +
                     bereich(k->fBesetzung));
  for (const TRaum* r : schule.fRaumMenge)
    zeilen.push_back(r->fKuerzel.str() + bereich(r->fSperrung) + bereich(r->fBesetzung));
  return zeilen;
}

// One undo takes the whole copy back: placements with their rooms and fixings, blockings, lessons
// and targets, and the dirty mark.
TEST_F(VersionKopieTest, OneUndoRestoresEverythingTheCopyChanged) {
  TKurs* a = KursMit(fMue, f5a, {2, 1, 0}, fR1);
  TKurs* b = KursMit(fSch, f5b, {1, 3, 0}, fR2);
  TKurs* weg = KursMit(fMei, f6a, {0, 1, 0}, fR1);
  Setze(a, 1, 1, 1, fR1);
  Setze(a, 1, 2, 2, fR1);
  Setze(a, 2, 5, 5, fR1);
  Setze(b, 1, 3, 3, fR2);
  Fix(b, 2, 4, 4);
  Setze(weg, 2, 1, 1, fR1);
  fMue->fSoll.SetWochenStunde(1, 17);
  f5b->fSoll.SetWochenStunde(1, 29);
  fMue->fSperrung.SetWocheTagStd(1, 6, true, 1);
  fR2->fSperrung.SetWocheTagStd(1, 6, true, 2);
  a->fSperrung.SetWocheTagStd(1, 6, true, 3);
  f5a->fSperrung.SetWocheTagStd(2, 6, true, 4);
  fSchule.SetDirty(false);
  const std::vector<std::string> vorher = Stand(fSchule);

  fDialoge.Antworte("Ja");
  ASSERT_EQ(VersionKopieren(fSchule, Alle(true)), TKopieErgebnis::Kopiert);
  ASSERT_NE(Stand(fSchule), vorher);
  EXPECT_EQ(fSchule.fVerlauf.ZahlSchritte(), 1u);

  ASSERT_TRUE(fSchule.fVerlauf.Widerrufen(fSchule));
  EXPECT_EQ(Stand(fSchule), vorher);
  EXPECT_FALSE(fSchule.IsDirty());
  EXPECT_FALSE(fSchule.fVerlauf.KannWiderrufen());
}

// A refused copy is one step as well: what it did before the refusal goes back in one undo.
TEST_F(VersionKopieTest, OneUndoRestoresARefusedCopy) {
  TKurs* fest = KursMit(fMei, f5a, {0, 1, 0});
  TKurs* a = KursMit(fMue, f5a, {1, 0, 0});
  Setze(a, 1, 2, 4);
  Fix(fest, 2, 2, 4);
  fMue->fSoll.SetWochenStunde(1, 11);
  f5a->fSperrung.SetWocheTagStd(1, 3, true, 3);
  const std::vector<std::string> vorher = Stand(fSchule);
  ASSERT_EQ(VersionKopieren(fSchule, Alle(true)), TKopieErgebnis::Abgelehnt);
  EXPECT_EQ(fSchule.fVerlauf.ZahlSchritte(), 1u);
  fSchule.fVerlauf.Widerrufen(fSchule);
  EXPECT_EQ(Stand(fSchule), vorher);
}

// The dialog starts from the kept choices and the current version, shows the mode inverted and
// keeps both choices and the mode on "Ok".
TEST_F(VersionKopieTest, TheChoicesStartFromTheSettingsAndAreKeptOnOk) {
  fStandard.fVersKuerzel = kVersKlassen;
  fStandard.fVersAuchPlan = false;
  fStandard.fAktuelleWoche = 3;
  fStandard.fEineWoche = true;
  TVersionsWahl wahl(fSchule, fStandard);
  EXPECT_EQ(TVersionsWahl::WasTexte(), (std::vector<std::string>{"Lehrer", "Klassen", "Kopplungen",
                                                                 "F\xE4"
                                                                 "cher",
                                                                 "R\xE4ume", "alle Kurse"}));
  EXPECT_EQ(wahl.Was(), kVersKlassen);
  EXPECT_EQ(wahl.ElementTexte(), (std::vector<std::string>{"5a", "5b", "6a"}));
  EXPECT_FALSE(wahl.AuchPlaene());
  EXPECT_EQ(wahl.Von(), 3);
  EXPECT_EQ(wahl.Zu(), 3);
  EXPECT_FALSE(wahl.KopierenMoeglich());
  EXPECT_FALSE(wahl.Gleichzeitig());
  wahl.SetzeZu(9);
  EXPECT_EQ(wahl.Zu(), 3);
  wahl.SetzeZu(1);
  EXPECT_TRUE(wahl.KopierenMoeglich());
  wahl.Waehle(2, true);
  wahl.Waehle(0, true);
  EXPECT_EQ(wahl.Kopie().fElemente, (std::vector<TElement*>{f5a, f6a}));
  wahl.SetzeWas(kVersRaeume);
  EXPECT_EQ(wahl.ElementTexte(), (std::vector<std::string>{"R1", "R2"}));
  EXPECT_TRUE(wahl.Kopie().fElemente.empty());
  wahl.SetzeWas(kVersAlleKurse);
  EXPECT_TRUE(wahl.ElementTexte().empty());

  wahl.SetzeAuchPlaene(true);
  EXPECT_FALSE(wahl.Uebernehmen());
  EXPECT_EQ(fStandard.fVersKuerzel, kVersAlleKurse);
  EXPECT_TRUE(fStandard.fVersAuchPlan);
  wahl.SetzeGleichzeitig(true);
  EXPECT_TRUE(wahl.Uebernehmen());
  EXPECT_FALSE(fStandard.fEineWoche);
}

}  // namespace
}  // namespace orbato
