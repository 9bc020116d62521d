#include "placement/raeume.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/menue.h"
#include "model/schulfixture.h"
#include "placement/planzellen.h"
#include "placement/setzen.h"
#include "placement/setzmenue.h"

namespace orbato {
namespace {

// A plan window reduced to its marks: the cells given are 'R', the others 'N'.
class TMarkierteZellen : public TPlanZellen {
 public:
  explicit TMarkierteZellen(std::set<std::pair<int32_t, int32_t>> zellen)
      : fZellen(std::move(zellen)) {}
  char ZellMarke(int32_t tag, int32_t std) const override {
    return fZellen.count({tag, std}) ? 'R' : 'N';
  }
  void ZelleZeigen(int32_t, int32_t, TKurs*, char) override {}
  int32_t ZellWoche() const override { return 1; }

 private:
  std::set<std::pair<int32_t, int32_t>> fZellen;
};

class TMarkierteZeilen : public TUeberZellen {
 public:
  explicit TMarkierteZeilen(std::set<int32_t> zeilen) : fZeilen(std::move(zeilen)) {}
  char ZeilenMarke(int32_t zeile) const override { return fZeilen.count(zeile) ? 'R' : ' '; }

 private:
  std::set<int32_t> fZeilen;
};

class Raum : public SchulTest {
 protected:
  void SetUp() override { fSchule.SetDialoge(&fDialoge); }

  bool Belegt(const TRaum* r, int32_t woche, int32_t tag, int32_t std) const {
    return r->fBesetzung.GetWocheTagStd(woche, tag, std);
  }

  TSkriptDialoge fDialoge;
};

TEST_F(Raum, FindenOverAllVersionsGivesNoneWhenTheVersionsDisagree) {
  fStandard.SetMaxWocheNeu(2);
  fStandard.fEineWoche = false;
  TRaum* a = fSchule.HoleRaum("A");
  TRaum* b = fSchule.HoleRaum("B");
  TKurs* k = Kurs(fSchule.HoleLehrer("L"), fSchule.HoleKlasse("5a"), 1, a);
  k->RaumErgaenzen(b, false);
  NeueSetzung(*k, 1, 1, a, 1);
  NeueSetzung(*k, 2, 1, b, 1);

  EXPECT_EQ(RaumFinden(*k, -1, 1, 1), nullptr);
  EXPECT_EQ(RaumFinden(*k, 0, 1, 1), nullptr);
  EXPECT_EQ(RaumFinden(*k, 1, 1, 1), a);
  EXPECT_EQ(RaumFinden(*k, 2, 1, 1), b);

  // One version with a room and one without disagree as well.
  LoescheRaumInSetzung(*k, 2, 1, 1);
  EXPECT_EQ(RaumFinden(*k, -1, 1, 1), nullptr);
  EXPECT_FALSE(Belegt(b, 2, 1, 1));
  EXPECT_TRUE(Belegt(a, 1, 1, 1));
}

TEST_F(Raum, VerplanterRaumOnATiePicksTheRoomEarlierInTheCourseList) {
  TRaum* a = fSchule.HoleRaum("A");
  TRaum* b = fSchule.HoleRaum("B");
  TKurs* k = Kurs(fSchule.HoleLehrer("L"), fSchule.HoleKlasse("5a"), 5, a);
  k->RaumErgaenzen(b, false);
  EXPECT_EQ(k->VerplanterRaum(), nullptr);
  // B is used first, A comes later in the placements but first in the list.
  NeueSetzung(*k, 1, 1, b, 1);
  NeueSetzung(*k, 1, 1, b, 2);
  NeueSetzung(*k, 1, 2, a, 1);
  NeueSetzung(*k, 1, 2, a, 2);
  EXPECT_EQ(k->VerplanterRaum(), a);
  NeueSetzung(*k, 1, 3, b, 1);
  EXPECT_EQ(k->VerplanterRaum(), b);
}

TEST_F(Raum, KursNichtImRaumAsksAndKeepsEverythingOnNein) {
  TRaum* a = fSchule.HoleRaum("A");
  TKurs* k = Kurs(fSchule.HoleLehrer("L"), fSchule.HoleKlasse("5a"), 2, a, fSchule.HoleFach("D"));
  TRaum* b = fSchule.HoleRaum("B");
  k->RaumErgaenzen(b, false);
  NeueSetzung(*k, 1, 1, a, 1);
  NeueSetzung(*k, 1, 2, a, 3);

  // A room no placement uses may go without a question.
  EXPECT_TRUE(KursNichtImRaum(*k, b));
  EXPECT_EQ(fDialoge.Anzahl(TDialogVorgang::Frage), 0u);

  fDialoge.Antworte("Nein");
  EXPECT_FALSE(KursNichtImRaum(*k, a));
  const auto fragen = fDialoge.Protokoll(TDialogVorgang::Frage);
  ASSERT_EQ(fragen.size(), 1u);
  EXPECT_EQ(fragen[0].fTitel, "Kurs im Raumplan");
  EXPECT_EQ(fragen[0].fZeilen,
            (std::vector<std::string>{"Der Kurs", "L D 5a", "ist schon im Plan", "von Raum", "A",
                                      "Soll der Raum trotzdem aus", "dem Kurs entfernt werden?"}));
  EXPECT_EQ(fragen[0].fKnoepfe, (std::vector<std::string>{"Ja", "Nein"}));
  EXPECT_EQ(k->SetzungFinden(1, 1, 1)->fRaum, a);
  EXPECT_TRUE(Belegt(a, 1, 1, 1));
  EXPECT_TRUE(Belegt(a, 1, 2, 3));

  fDialoge.Antworte("Ja");
  EXPECT_TRUE(KursNichtImRaum(*k, a));
  EXPECT_EQ(k->SetzungFinden(1, 1, 1)->fRaum, nullptr);
  EXPECT_EQ(k->SetzungFinden(1, 2, 3)->fRaum, nullptr);
  EXPECT_FALSE(Belegt(a, 1, 1, 1));
  EXPECT_FALSE(Belegt(a, 1, 2, 3));
  // The room stays listed: removing it from the list is the caller's step.
  EXPECT_TRUE(k->HatRaum(a));
}

class RaumTauschTest : public Raum {
 protected:
  void SetUp() override {
    Raum::SetUp();
    fA = fSchule.HoleRaum("A");
    fB = fSchule.HoleRaum("B");
    fEins = Kurs(fSchule.HoleLehrer("L1"), fSchule.HoleKlasse("5a"), 1, fA, fSchule.HoleFach("D"));
    fZwei = Kurs(fSchule.HoleLehrer("L2"), fSchule.HoleKlasse("6b"), 1, fB, fSchule.HoleFach("M"));
    NeueSetzung(*fEins, 1, 2, fA, 3);
    NeueSetzung(*fZwei, 1, 2, fB, 3);
  }
  TRaum* fA = nullptr;
  TRaum* fB = nullptr;
  TKurs* fEins = nullptr;
  TKurs* fZwei = nullptr;
};

TEST_F(RaumTauschTest, OkSwapsTheRoomsAndAdoptsThemKeepingTheGridsRight) {
  fDialoge.Antworte("Ok");
  // Giving course one room B, which course two holds there, becomes a swap.
  RSetzen(*fEins, fB, 1, 3, 2);

  const auto fragen = fDialoge.Protokoll(TDialogVorgang::Frage);
  ASSERT_EQ(fragen.size(), 1u);
  EXPECT_EQ(fragen[0].fTitel, "Raumtausch");
  EXPECT_EQ(fragen[0].fZeilen,
            (std::vector<std::string>{"Sollen die R\xE4ume getauscht werden?", "L1 D 5a A",
                                      "L2 M 6b B", "{1} Dienstag  3"}));
  EXPECT_EQ(fragen[0].fKnoepfe, (std::vector<std::string>{"Ok", "Abbrechen"}));

  EXPECT_EQ(fEins->SetzungFinden(1, 2, 3)->fRaum, fB);
  EXPECT_EQ(fZwei->SetzungFinden(1, 2, 3)->fRaum, fA);
  EXPECT_TRUE(Belegt(fA, 1, 2, 3));
  EXPECT_TRUE(Belegt(fB, 1, 2, 3));
  EXPECT_EQ(fA->FindeKurs(1, 2, 3), fZwei);
  EXPECT_EQ(fB->FindeKurs(1, 2, 3), fEins);
  // Each course now lists the room it received, as adopted through the plan.
  EXPECT_EQ(fEins->fRaeume.ListeZahlElemente(), 2);
  EXPECT_EQ(fEins->fRaeume.ListeNrInhalt(2), fB);
  EXPECT_EQ(fEins->fRaumErgaenzt.ListeNrInhalt(1), fB);
  EXPECT_EQ(fZwei->fRaumErgaenzt.ListeNrInhalt(1), fA);
  EXPECT_GT(fA->fKurse.ListeElemNr(fZwei), 0);
  EXPECT_GT(fB->fKurse.ListeElemNr(fEins), 0);
  EXPECT_TRUE(fSchule.IsDirty());
}

TEST_F(RaumTauschTest, AbbrechenChangesNothingAndARoomlessPartnerFreesTheRoom) {
  fDialoge.Antworte("Abbrechen");
  EXPECT_FALSE(RaumTausch(*fEins, *fZwei, 1, 3, 2));
  EXPECT_EQ(fEins->SetzungFinden(1, 2, 3)->fRaum, fA);
  EXPECT_EQ(fZwei->SetzungFinden(1, 2, 3)->fRaum, fB);
  EXPECT_EQ(fEins->fRaumErgaenzt.ListeZahlElemente(), 0);

  // Course two without a room takes A; course one is left without one, B is free.
  EntferneRaumInSetzung(*fZwei, fZwei->SetzungFinden(1, 2, 3));
  EXPECT_FALSE(Belegt(fB, 1, 2, 3));
  fDialoge.Antworte("Ok");
  RSetzen(*fZwei, fA, 1, 3, 2);
  EXPECT_EQ(fEins->SetzungFinden(1, 2, 3)->fRaum, nullptr);
  EXPECT_EQ(fZwei->SetzungFinden(1, 2, 3)->fRaum, fA);
  EXPECT_TRUE(Belegt(fA, 1, 2, 3));
  EXPECT_FALSE(Belegt(fB, 1, 2, 3));

  // Without a placement of both in the cell there is nothing to swap and nothing is asked.
  fDialoge.ProtokollLeeren();
  EXPECT_FALSE(RaumTausch(*fEins, *fZwei, 1, 4, 2));
  EXPECT_EQ(fDialoge.Anzahl(TDialogVorgang::Frage), 0u);
}

// The room menu of the marked cells: its entries in the school's room order.
TEST_F(Raum, RoomMenuShowsPlainAngledAndBracketedNames) {
  TRaum* a = fSchule.HoleRaum("A");  // listed, the course's own room there
  TRaum* b = fSchule.HoleRaum("B");  // listed, free
  fSchule.HoleRaum("C");             // not listed, free
  TRaum* d = fSchule.HoleRaum("D");  // listed, busy with another course in the second cell
  TRaum* e = fSchule.HoleRaum("E");  // listed, blocked
  TRaum* f = fSchule.HoleRaum("F");  // not listed, busy
  TKurs* k = Kurs(fSchule.HoleLehrer("L"), fSchule.HoleKlasse("5a"), 2, a);
  for (TRaum* r : {b, d, e}) k->RaumErgaenzen(r, false);
  TKurs* anderer = Kurs(fSchule.HoleLehrer("M"), fSchule.HoleKlasse("6b"), 2, d);
  anderer->RaumErgaenzen(f, false);
  NeueSetzung(*k, 1, 1, a, 1);
  NeueSetzung(*k, 1, 1, a, 2);
  NeueSetzung(*anderer, 1, 1, d, 2);
  NeueSetzung(*anderer, 1, 1, f, 1);
  e->fSperrung.SetWocheTagStd(1, 1, true, 2);

  const TMarkierteZellen fenster({{1, 1}, {1, 2}});
  TMenu menu;
  ErzeugeRaumSetzMenu(fSchule, fStandard, *k, menu, fenster);
  std::vector<std::string> texte;
  for (const TMenuEintrag& eintrag : menu) texte.push_back(eintrag.fText);
  EXPECT_EQ(texte, (std::vector<std::string>{"A", "B", "<C>", "[D]"}));

  // The overview addresses the same cells by rows (day - 1) * fPlnStd + period.
  fStandard.fPlnStd = 8;
  TMenu ueber;
  ErzeugeRaumUeberSetzMenu(fSchule, fStandard, *k, ueber, TMarkierteZeilen({1, 2}));
  ASSERT_EQ(ueber.size(), 4u);
  EXPECT_EQ(ueber[3].fText, "[D]");
}

TEST_F(Raum, ARoomChosenFromTheMenuIsAdoptedIntoTheCourse) {
  TRaum* a = fSchule.HoleRaum("A");
  TRaum* c = fSchule.HoleRaum("C");
  TKurs* k = Kurs(fSchule.HoleLehrer("L"), fSchule.HoleKlasse("5a"), 3, a);
  NeueSetzung(*k, 1, 1, a, 1);
  NeueSetzung(*k, 1, 2, a, 4);
  NeueSetzung(*k, 1, 3, a, 5);
  fSchule.SetDirty(false);

  const TMarkierteZellen fenster({{1, 1}, {2, 4}});
  TMenu menu;
  ErzeugeRaumSetzMenu(fSchule, fStandard, *k, menu, fenster);
  ASSERT_TRUE(WaehleEintrag(menu, "<C>"));

  EXPECT_EQ(k->SetzungFinden(1, 1, 1)->fRaum, c);
  EXPECT_EQ(k->SetzungFinden(1, 2, 4)->fRaum, c);
  EXPECT_EQ(k->SetzungFinden(1, 3, 5)->fRaum, a);
  EXPECT_TRUE(Belegt(c, 1, 1, 1));
  EXPECT_TRUE(Belegt(c, 1, 2, 4));
  EXPECT_FALSE(Belegt(a, 1, 1, 1));
  EXPECT_FALSE(Belegt(a, 1, 2, 4));
  EXPECT_TRUE(Belegt(a, 1, 3, 5));
  ASSERT_EQ(k->fRaeume.ListeZahlElemente(), 2);
  EXPECT_EQ(k->fRaeume.ListeNrInhalt(2), c);
  ASSERT_EQ(k->fRaumErgaenzt.ListeZahlElemente(), 1);
  EXPECT_EQ(k->fRaumErgaenzt.ListeNrInhalt(1), c);
  EXPECT_EQ(c->fKurse.ListeElemNr(k), 1);
  EXPECT_TRUE(fSchule.IsDirty());
}

TEST_F(Raum, RaumSetzenInAllVersionsReachesEveryVersion) {
  fStandard.SetMaxWocheNeu(3);
  fStandard.fEineWoche = false;
  TRaum* a = fSchule.HoleRaum("A");
  TRaum* b = fSchule.HoleRaum("B");
  TKurs* k = Kurs(fSchule.HoleLehrer("L"), fSchule.HoleKlasse("5a"), 1, a);
  k->RaumErgaenzen(b, false);
  for (int32_t w : {1, 3}) NeueSetzung(*k, w, 4, a, 2);

  RaumUeberSetzen(*k, b, TMarkierteZeilen({UeberZeile(4, 2)}));
  EXPECT_EQ(UeberZeile(4, 2), 3 * 6 + 2);
  EXPECT_EQ(k->SetzungFinden(1, 4, 2)->fRaum, b);
  EXPECT_EQ(k->SetzungFinden(3, 4, 2)->fRaum, b);
  EXPECT_FALSE(Belegt(b, 2, 4, 2));
  EXPECT_FALSE(Belegt(a, 0, 4, 2));
  EXPECT_EQ(k->fRaumErgaenzt.ListeZahlElemente(), 0);
}

TEST_F(Raum, AbgleichMovesUnfixedHoursIntoTheMainRoomWhereItIsFree) {
  TRaum* a = fSchule.HoleRaum("A");
  TRaum* b = fSchule.HoleRaum("B");
  TKurs* k = Kurs(fSchule.HoleLehrer("L"), fSchule.HoleKlasse("5a"), 9, b);
  k->RaumErgaenzen(a, false);
  TKurs* anderer = Kurs(fSchule.HoleLehrer("M"), fSchule.HoleKlasse("6b"), 1, a);
  for (int32_t std = 1; std <= 5; ++std) NeueSetzung(*k, 1, 1, a, std);
  NeueSetzung(*k, 1, 2, b, 1);                    // moves
  NeueSetzung(*k, 1, 2, b, 2)->SetFixiert(true);  // fixed, stays
  NeueSetzung(*k, 1, 2, b, 3);                    // A blocked there, stays
  NeueSetzung(*k, 1, 2, b, 4);                    // A busy there, stays
  a->fSperrung.SetWocheTagStd(1, 2, true, 3);
  NeueSetzung(*anderer, 1, 2, a, 4);

  RaumAbgleich(*k);
  EXPECT_EQ(k->SetzungFinden(1, 2, 1)->fRaum, a);
  EXPECT_EQ(k->SetzungFinden(1, 2, 2)->fRaum, b);
  EXPECT_EQ(k->SetzungFinden(1, 2, 3)->fRaum, b);
  EXPECT_EQ(k->SetzungFinden(1, 2, 4)->fRaum, b);
  EXPECT_TRUE(Belegt(a, 1, 2, 1));
  EXPECT_FALSE(Belegt(b, 1, 2, 1));
  EXPECT_TRUE(Belegt(b, 1, 2, 2));
  EXPECT_EQ(a->FindeKurs(1, 2, 4), anderer);
}

}  // namespace
}  // namespace orbato
