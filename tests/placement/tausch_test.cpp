#include "placement/tausch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "model/demo/demoschule.h"
#include "model/kurse/kurs.h"
#include "placement/platzierungsfixture.h"
#include "placement/setzen.h"
#include "placement/wochenspanne.h"

namespace orbato {
namespace {

// Slot A is Monday period 1, slot B Tuesday period 3.
constexpr int32_t kTagA = 1, kStdA = 1, kTagB = 2, kStdB = 3;

using TZelle = std::tuple<int32_t, int32_t, int32_t, const TRaum*, bool>;

// Everything of the plan the swap may touch, for comparing before and after: the placements of
// each course, and the day words of every occupancy and blocking grid.
struct TPlanBild {
  std::vector<std::vector<TZelle>> setzungen;
  std::vector<int32_t> bereiche;

  void Merke(const TWochBereich& bereich) {
    for (int32_t w = 1; w <= bereich.ZahlWochen(); ++w) {
      for (int32_t t = 1; t <= kMaxTage; ++t) bereiche.push_back(bereich.GetWocheTag(w, t));
    }
  }
  bool operator==(const TPlanBild&) const = default;
};

// Where the course's placements lie, as (version, day, period, room, fixed), sorted.
std::vector<TZelle> Zellen(const TKurs* k) {
  std::vector<TZelle> zellen;
  for (const TSetzung* s : k->fSetzungen) {
    zellen.emplace_back(s->fWoche, s->fTag, s->fStunde, s->fRaum, s->fFixiert);
  }
  std::sort(zellen.begin(), zellen.end());
  return zellen;
}

TPlanBild Bild(const TSchule& schule) {
  TPlanBild bild;
  for (const TKurs* k : schule.fKursMenge) {
    bild.setzungen.push_back(Zellen(k));
    bild.Merke(k->fBesetzung);
    bild.Merke(k->fSperrung);
  }
  const auto elemente = [&](const auto& menge) {
    for (const TPlanElement* e : menge) {
      bild.Merke(e->fBesetzung);
      bild.Merke(e->fSperrung);
    }
  };
  elemente(schule.fLehrerMenge);
  elemente(schule.fKlassenMenge);
  elemente(schule.fRaumMenge);
  return bild;
}

class TauschTest : public PlatzierungsTest {
 protected:
  TauschTest() { fR2 = fSchule.HoleRaum("R2"); }

  TPlanBild Bild() const { return orbato::Bild(fSchule); }
  bool Tausche() { return StundenTausch(fSchule, kTagA, kStdA, kTagB, kStdB); }
  std::vector<TDialogEintrag> Fragen() const { return fDialoge.Protokoll(TDialogVorgang::Frage); }

  TRaum* fR2;
};

// Every hour of both slots moves: the slots of each teacher, class and room trade places whole,
// rooms go with their hours, and a free swap asks only "Stundentausch".
TEST_F(TauschTest, ExchangesTheWholeOccupancyOfBothSlots) {
  TKurs* muM = Kurs(fMue, f5a, 2, fR1, fM);
  TKurs* schD = Kurs(fSch, f5b, 2, fR2, fD);
  TKurs* muD = Kurs(fMue, f6a, 2, fR2, fD);
  TKurs* meiM = Kurs(fMei, f5a, 2, nullptr, fM);
  NeueSetzung(*muM, 1, kTagA, fR1, kStdA);
  NeueSetzung(*schD, 1, kTagA, fR2, kStdA);
  NeueSetzung(*muD, 1, kTagB, fR2, kStdB);
  NeueSetzung(*meiM, 1, kTagB, nullptr, kStdB);
  NeueSetzung(*meiM, 1, 4, nullptr, 4);
  std::vector<std::pair<bool, bool>> vorher;
  for (const TPlanElement* e :
       std::initializer_list<const TPlanElement*>{fMue, fSch, fMei, f5a, f5b, f6a, fR1, fR2}) {
    vorher.emplace_back(e->fBesetzung.GetWocheTagStd(1, kTagA, kStdA),
                        e->fBesetzung.GetWocheTagStd(1, kTagB, kStdB));
  }

  ASSERT_TRUE(Tausche());

  const std::vector<TDialogEintrag> fragen = Fragen();
  ASSERT_EQ(fragen.size(), 1u);
  const TDialogEintrag& frage = fragen[0];
  EXPECT_EQ(frage.fTitel, "Stundentausch");
  EXPECT_EQ(frage.fZeilen, (std::vector<std::string>{"Tausche", "Mo  1", "mit", "Di  3",
                                                     "f\xFCr die ganze Schule."}));
  EXPECT_EQ(frage.fKnoepfe, (std::vector<std::string>{"Ok", "Abbrechen"}));
  size_t i = 0;
  for (const TPlanElement* e :
       std::initializer_list<const TPlanElement*>{fMue, fSch, fMei, f5a, f5b, f6a, fR1, fR2}) {
    EXPECT_EQ(e->fBesetzung.GetWocheTagStd(1, kTagA, kStdA), vorher[i].second) << i;
    EXPECT_EQ(e->fBesetzung.GetWocheTagStd(1, kTagB, kStdB), vorher[i].first) << i;
    ++i;
  }
  EXPECT_EQ(Zellen(muM), (std::vector<TZelle>{{1, kTagB, kStdB, fR1, false}}));
  EXPECT_EQ(Zellen(schD), (std::vector<TZelle>{{1, kTagB, kStdB, fR2, false}}));
  EXPECT_EQ(Zellen(muD), (std::vector<TZelle>{{1, kTagA, kStdA, fR2, false}}));
  EXPECT_EQ(Zellen(meiM),
            (std::vector<TZelle>{{1, kTagA, kStdA, nullptr, false}, {1, 4, 4, nullptr, false}}));
  EXPECT_EQ(fSchule.fVerlauf.ZahlSchritte(), 1u);
}

// A fixed hour in either slot makes the swap ask; "Nein" leaves everything, "Ja" moves the hour,
// which is no longer fixed. One undo brings back the plan exactly.
TEST_F(TauschTest, AFixedHourMakesTheSwapAskAndMovesUnfixedOnJa) {
  TKurs* muM = Kurs(fMue, f5a, 2, fR1, fM);
  TKurs* schD = Kurs(fSch, f5b, 2, fR2, fD);
  NeueSetzung(*muM, 1, kTagA, fR1, kStdA);
  NeueSetzung(*schD, 1, kTagB, fR2, kStdB)->SetFixiert(true);
  const TPlanBild vorher = Bild();

  fDialoge.Antworte({"Ok", "Nein"});
  EXPECT_FALSE(Tausche());
  EXPECT_EQ(Bild(), vorher);
  EXPECT_EQ(fSchule.fVerlauf.ZahlSchritte(), 0u);
  const std::vector<TDialogEintrag> fragen = Fragen();
  ASSERT_EQ(fragen.size(), 2u);
  const TDialogEintrag& konflikte = fragen[1];
  EXPECT_EQ(konflikte.fTitel, "Tauschkonflikte");
  EXPECT_EQ(konflikte.fZeilen, (std::vector<std::string>{"Konflikte durch Sperrungen oder",
                                                         "Fixierungen. Wollen Sie die",
                                                         "Stunden trotzdem tauschen?"}));
  EXPECT_EQ(konflikte.fEintraege, std::vector<std::string>{"fixiert {1} SCH D 5b R2"});
  EXPECT_EQ(konflikte.fKnoepfe, (std::vector<std::string>{"Ja", "Nein"}));
  EXPECT_EQ(konflikte.fStandard, 1);

  fDialoge.Antworte({"Ok", "Ja"});
  EXPECT_TRUE(Tausche());
  EXPECT_EQ(Zellen(schD), (std::vector<TZelle>{{1, kTagA, kStdA, fR2, false}}));
  EXPECT_EQ(Zellen(muM), (std::vector<TZelle>{{1, kTagB, kStdB, fR1, false}}));
  EXPECT_EQ(fSchule.fVerlauf.ZahlSchritte(), 1u);
  ASSERT_TRUE(fSchule.fVerlauf.Widerrufen(fSchule));
  EXPECT_EQ(Bild(), vorher);
}

// A teacher blocked at B whose hour lies at A, and a room blocked at A whose hour lies at B: the
// rows name each, course by course in the school's order; after "Ja" those blockings are gone,
// the course's own blocking stays, and one undo puts back placements and blockings alike.
TEST_F(TauschTest, BlockingsAtTheOtherSlotAreListedAndLifted) {
  TKurs* muM = Kurs(fMue, f5a, 2, nullptr, fM);
  TKurs* schD = Kurs(fSch, f5b, 2, fR1, fD);
  NeueSetzung(*muM, 1, kTagA, nullptr, kStdA);
  NeueSetzung(*schD, 1, kTagB, fR1, kStdB);
  fMue->fSperrung.SetWocheTagStd(1, kTagB, true, kStdB);
  muM->fSperrung.SetWocheTagStd(1, kTagB, true, kStdB);
  fR1->fSperrung.SetWocheTagStd(1, kTagA, true, kStdA);
  const TPlanBild vorher = Bild();
  ASSERT_TRUE(TauschBehinderung(fSchule, kTagA, kStdA, kStdB, kTagB));
  ASSERT_EQ(fSchule.fKursMenge.ListeNrInhalt(1), muM);

  fDialoge.Antworte({"Ok", "Ja"});
  ASSERT_TRUE(Tausche());
  // A line at a slot where the course has no hour ends in a blank where the room would stand.
  EXPECT_EQ(Fragen()[1].fEintraege,
            (std::vector<std::string>{"gesperrt {1} MUE M 5a", "gesperrt {1} SCH D 5b "}));
  EXPECT_FALSE(fMue->fSperrung.GetWocheTagStd(1, kTagB, kStdB));
  EXPECT_FALSE(fR1->fSperrung.GetWocheTagStd(1, kTagA, kStdA));
  EXPECT_TRUE(muM->fSperrung.GetWocheTagStd(1, kTagB, kStdB));
  EXPECT_EQ(Zellen(muM), (std::vector<TZelle>{{1, kTagB, kStdB, nullptr, false}}));
  EXPECT_EQ(Zellen(schD), (std::vector<TZelle>{{1, kTagA, kStdA, fR1, false}}));

  EXPECT_EQ(fSchule.fVerlauf.ZahlSchritte(), 1u);
  ASSERT_TRUE(fSchule.fVerlauf.Widerrufen(fSchule));
  EXPECT_EQ(Bild(), vorher);
  EXPECT_FALSE(fSchule.fVerlauf.KannWiderrufen());
}

// In all-weeks mode each version swaps on its own: an hour that lies at A only in version 2 moves
// only there; the rows go course by course and, within a course, version by version.
TEST_F(TauschTest, InAllWeeksModeEachVersionSwapsOnItsOwn) {
  fStandard.fEineWoche = false;
  TKurs* muM = Kurs(fMue, f5a, 2, nullptr, fM);
  TKurs* schD = Kurs(fSch, f5b, 3, nullptr, fD);
  NeueSetzung(*muM, 2, kTagA, nullptr, kStdA);
  NeueSetzung(*muM, 1, 4, nullptr, 4);
  for (int32_t w = 1; w <= 3; ++w) NeueSetzung(*schD, w, kTagB, nullptr, kStdB);
  schD->SetzungFinden(1, kTagB, kStdB)->SetFixiert(true);
  schD->SetzungFinden(3, kTagB, kStdB)->SetFixiert(true);
  muM->SetzungFinden(2, kTagA, kStdA)->SetFixiert(true);

  EXPECT_EQ(TauschKonflikte(fSchule, kTagA, kStdA, kStdB, kTagB),
            (std::vector<std::string>{"fixiert {2} MUE M 5a", "fixiert {1} SCH D 5b",
                                      "fixiert {3} SCH D 5b"}));
  fDialoge.Antworte({"Ok", "Ja"});
  ASSERT_TRUE(Tausche());
  EXPECT_EQ(Zellen(muM),
            (std::vector<TZelle>{{1, 4, 4, nullptr, false}, {2, kTagB, kStdB, nullptr, false}}));
  EXPECT_EQ(Zellen(schD), (std::vector<TZelle>{{1, kTagA, kStdA, nullptr, false},
                                               {2, kTagA, kStdA, nullptr, false},
                                               {3, kTagA, kStdA, nullptr, false}}));
  EXPECT_FALSE(fMue->fBesetzung.GetWocheTagStd(1, kTagB, kStdB));
  EXPECT_FALSE(fMue->fBesetzung.GetWocheTagStd(3, kTagB, kStdB));
}

// A course with hours in both slots keeps two hours, exchanged with their rooms; a course not to
// be planned and one holding more hours than lessons keep theirs as well.
TEST_F(TauschTest, NoHourIsLost) {
  TKurs* beide = Kurs(fMue, f5a, 2, fR1, fM);
  beide->RaumErgaenzen(fR2, false);
  NeueSetzung(*beide, 1, kTagA, fR1, kStdA);
  NeueSetzung(*beide, 1, kTagB, fR2, kStdB);
  TKurs* nie = Kurs(fSch, f5b, 0, nullptr, fD);
  Setze(nie, 1, kTagA, kStdA);
  nie->fNichtVerplanen = true;
  TKurs* ueber = Kurs(fMei, f6a, 1, nullptr, fD);
  Setze(ueber, 1, kTagA, kStdA);
  Setze(ueber, 1, kTagB, kStdB);

  ASSERT_TRUE(Tausche());
  EXPECT_EQ(Zellen(beide),
            (std::vector<TZelle>{{1, kTagA, kStdA, fR2, false}, {1, kTagB, kStdB, fR1, false}}));
  EXPECT_EQ(Zellen(nie), (std::vector<TZelle>{{1, kTagB, kStdB, nullptr, false}}));
  EXPECT_EQ(Zellen(ueber), (std::vector<TZelle>{{1, kTagA, kStdA, nullptr, false},
                                                {1, kTagB, kStdB, nullptr, false}}));
  EXPECT_TRUE(fSch->fBesetzung.GetWocheTagStd(1, kTagB, kStdB));
  EXPECT_FALSE(fSch->fBesetzung.GetWocheTagStd(1, kTagA, kStdA));
}

// "Abbrechen" and the same slot twice change nothing and leave no step; a slot is named by the
// day's abbreviation and a blank, then the period label, 27 characters at most.
TEST_F(TauschTest, CancelOrTheSameSlotLeaveThePlanAlone) {
  TKurs* muM = Kurs(fMue, f5a, 2, nullptr, fM);
  NeueSetzung(*muM, 1, kTagA, nullptr, kStdA);
  const TPlanBild vorher = Bild();
  fDialoge.Antworte("Abbrechen");
  EXPECT_FALSE(Tausche());
  EXPECT_FALSE(StundenTausch(fSchule, kTagA, kStdA, kTagA, kStdA));
  EXPECT_EQ(Fragen().size(), 1u);
  EXPECT_EQ(Bild(), vorher);
  EXPECT_EQ(fSchule.fVerlauf.ZahlSchritte(), 0u);

  fStandard.fTagBez[3] = "Donnerstag!";
  fStandard.fAktuelleWoche = 2;
  fStandard.fStdBez[1][5] = "07:45 bis 08:30";
  EXPECT_EQ(TauschZeit(4, 6), "Donnerstag! 07:45 bis 08:30");
  EXPECT_EQ(TauschZeit(4, 6).size(), 27u);
}

// On the demo school, with some hours of each pair of slots fixed: every teacher, class and room
// takes the other slot's occupancy whole in each swap, and undoing the steps one by one gives
// back the plan the swaps started from.
TEST(TauschDemo, SwapsOnTheDemoSchoolExchangeEveryOccupancyAndUndoBackToTheStart) {
  TStandard standard;
  TStandardEinsetzen standardEingesetzt{standard};
  TSchule schule;
  TSchuleEinsetzen schuleEingesetzt{schule};
  ErzeugeDemoSchule(schule, standard, TDemoGroesse::mittel);
  TSkriptDialoge dialoge;
  schule.SetDialoge(&dialoge);
  std::vector<const TPlanElement*> elemente;
  for (const TLehrer* e : schule.fLehrerMenge) elemente.push_back(e);
  for (const TKlasse* e : schule.fKlassenMenge) elemente.push_back(e);
  for (const TRaum* e : schule.fRaumMenge) elemente.push_back(e);
  const TPlanBild anfang = Bild(schule);
  const std::vector<std::array<int32_t, 4>> tausche = {
      {1, 1, 3, 4}, {2, 2, 5, 1}, {1, 1, 1, 2}, {4, 5, 2, 3}, {3, 4, 2, 2}};
  int32_t stunden = 0;
  for (std::size_t i = 0; i < tausche.size(); ++i) {
    const auto [tagA, stdA, tagB, stdB] = tausche[i];
    standard.fEineWoche = i % 2 == 0;
    for (TKurs* k : schule.fKursMenge) {
      TSetzung* s = k->SetzungFinden(1, tagA, stdA);
      if (s && k->fLaufNr % 7 == 0) k->SetzeFixiert(s, true);
    }
    std::vector<TWochBereich> vorher;
    for (const TPlanElement* e : elemente) vorher.push_back(e->fBesetzung);
    dialoge.Antworte({"Ok", "Ja"});
    ASSERT_TRUE(StundenTausch(schule, tagA, stdA, tagB, stdB));
    EXPECT_EQ(dialoge.OffeneAntworten(), 0u) << i;
    const TWochenSpanne spanne = Wochenspanne();
    for (std::size_t n = 0; n < elemente.size(); ++n) {
      for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
        const TWochBereich& alt = vorher[n];
        const TWochBereich& neu = elemente[n]->fBesetzung;
        ASSERT_EQ(neu.GetWocheTagStd(w, tagA, stdA), alt.GetWocheTagStd(w, tagB, stdB))
            << i << " " << elemente[n]->fKuerzel.str();
        ASSERT_EQ(neu.GetWocheTagStd(w, tagB, stdB), alt.GetWocheTagStd(w, tagA, stdA))
            << i << " " << elemente[n]->fKuerzel.str();
        stunden += alt.GetWocheTagStd(w, tagA, stdA);
      }
    }
  }
  EXPECT_GT(stunden, 100);
  EXPECT_EQ(schule.fVerlauf.ZahlSchritte(), tausche.size());
  while (schule.fVerlauf.Widerrufen(schule)) {
  }
  // The fixings made for the test lie outside the steps and stay; the rest is as it was.
  for (TKurs* k : schule.fKursMenge) {
    for (TSetzung* s : k->fSetzungen) s->fFixiert = false;
  }
  TPlanBild ohneFix = anfang;
  for (auto& zellen : ohneFix.setzungen) {
    for (TZelle& z : zellen) std::get<4>(z) = false;
  }
  EXPECT_EQ(Bild(schule), ohneFix);
}

}  // namespace
}  // namespace orbato
