#include "placement/planloeschen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/schnittstellen/dialoge.h"
#include "placement/platzierungsfixture.h"

namespace orbato {
namespace {

// The hours of a course as "version/day/period", fixed ones with a trailing "F", sorted.
std::vector<std::string> Stunden(const TKurs* kurs) {
  std::vector<std::string> zellen;
  for (const TSetzung* s : kurs->fSetzungen) {
    zellen.push_back(std::to_string(s->fWoche) + "/" + std::to_string(s->fTag) + "/" +
                     std::to_string(s->fStunde) + (s->fFixiert ? "F" : ""));
  }
  std::sort(zellen.begin(), zellen.end());
  return zellen;
}

class PlanLoeschen : public PlatzierungsTest {
 protected:
  PlanLoeschen() {
    fStandard.fMaxTageNeu = 5;
    fMueM = Kurs(fMue, f5a, 6, fR1, fM);
    fSchD = Kurs(fSch, f5b, 6, nullptr, fD);
    fRel1 = Kurs(fMei, f5a, 2, nullptr, fM, fRel);
    fRel2 = Kurs(fSch, f5a, 2, nullptr, fD, fRel);
  }

  TSetzung* Fest(TKurs* k, int32_t woche, int32_t tag, int32_t std) {
    TSetzung* s = Setze(k, woche, tag, std);
    s->fFixiert = true;
    return s;
  }
  bool LehrerBelegt(const TKurs* k, int32_t woche, int32_t tag, int32_t std) const {
    return k->fLehrer->fBesetzung.GetWocheTagStd(woche, tag, std);
  }

  TKopplung* fRel = fSchule.HoleKopplung("REL");
  TKurs* fMueM;
  TKurs* fSchD;
  TKurs* fRel1;
  TKurs* fRel2;
};

using Strings = std::vector<std::string>;

// The defaults: every plan, every cell, coupled courses too, fixed hours spared; one-week mode
// on version 1 leaves the other versions alone. The whole "Ok" is one step of the history.
TEST_F(PlanLoeschen, DefaultsRemoveEveryUnfixedHourOfTheCurrentVersionAsOneStep) {
  Setze(fMueM, 1, 1, 1, fR1);
  Fest(fMueM, 1, 2, 3);
  Setze(fMueM, 2, 1, 1);
  Setze(fSchD, 1, 5, 16);
  Fest(fSchD, 3, 4, 4);
  Setze(fRel1, 1, 3, 2);
  Setze(fRel2, 1, 3, 2);
  const std::vector<Strings> vorher = {Stunden(fMueM), Stunden(fSchD), Stunden(fRel1),
                                       Stunden(fRel2)};
  fSchule.SetDirty(false);

  TPlanLoeschung loeschung(fSchule);
  EXPECT_EQ(loeschung.Art(), inAllenPlaenen);
  EXPECT_TRUE(loeschung.MitKopplungen());
  EXPECT_TRUE(loeschung.OhneFixierte());
  EXPECT_FALSE(loeschung.BereichWaehlbar());
  EXPECT_EQ(loeschung.fVonElement, nullptr);
  EXPECT_EQ(loeschung.Kurse().size(), 4u);
  loeschung.Loeschen();

  EXPECT_EQ(Stunden(fMueM), (Strings{"1/2/3F", "2/1/1"}));
  EXPECT_EQ(Stunden(fSchD), (Strings{"3/4/4F"}));
  EXPECT_EQ(Stunden(fRel1), Strings{});
  EXPECT_EQ(Stunden(fRel2), Strings{});
  EXPECT_FALSE(LehrerBelegt(fMueM, 1, 1, 1));
  EXPECT_FALSE(fR1->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(f5a->fBesetzung.GetWocheTagStd(1, 3, 2));
  EXPECT_TRUE(fSchule.IsDirty());
  const auto meldungen = fDialoge.Protokoll(TDialogVorgang::MeldungZeigen);
  ASSERT_EQ(meldungen.size(), 1u);
  EXPECT_EQ(meldungen[0].fTitel, "Meldung");
  EXPECT_EQ(meldungen[0].fZeilen, Strings{"Die Pl\xE4ne werden gel\xF6scht."});
  EXPECT_FALSE(fDialoge.MeldungOffen());

  EXPECT_EQ(fSchule.fVerlauf.ZahlSchritte(), 1u);
  ASSERT_TRUE(fSchule.fVerlauf.Widerrufen(fSchule));
  EXPECT_EQ((std::vector<Strings>{Stunden(fMueM), Stunden(fSchD), Stunden(fRel1), Stunden(fRel2)}),
            vorher);
  EXPECT_TRUE(LehrerBelegt(fMueM, 1, 1, 1));
  EXPECT_TRUE(fR1->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(fSchule.IsDirty());
  EXPECT_FALSE(fSchule.fVerlauf.KannWiderrufen());
}

// In all-weeks mode the cell goes in every version, whichever version's placement comes first
// in the list; the placements taken along are not looked at again. A fixed hour of another
// version in the same cell stays while fixed hours are spared.
TEST_F(PlanLoeschen, AllWeeksModeTakesTheCellOutOfEveryVersionButSparesFixedOnes) {
  fStandard.fEineWoche = false;
  Setze(fMueM, 2, 1, 1);
  Setze(fMueM, 1, 1, 1);
  Setze(fMueM, 3, 1, 1);
  Setze(fMueM, 2, 4, 5);
  Setze(fMueM, 1, 2, 2);
  Fest(fMueM, 2, 2, 2);
  Setze(fMueM, 3, 2, 2);

  TPlanLoeschung loeschung(fSchule);
  loeschung.Loeschen();

  EXPECT_EQ(Stunden(fMueM), (Strings{"2/2/2F"}));
  for (int32_t w = 1; w <= 3; ++w) EXPECT_FALSE(LehrerBelegt(fMueM, w, 1, 1)) << w;
  EXPECT_TRUE(LehrerBelegt(fMueM, 2, 2, 2));
  ASSERT_TRUE(fSchule.fVerlauf.Widerrufen(fSchule));
  EXPECT_EQ(Stunden(fMueM),
            (Strings{"1/1/1", "1/2/2", "2/1/1", "2/2/2F", "2/4/5", "3/1/1", "3/2/2"}));
}

// Each rule spares its hours: a cell taken out of the choice, a fixed hour (unless that option is
// off), and a coupled course while "mit Kopplungen" is off.
TEST_F(PlanLoeschen, EachRuleSparesItsHours) {
  TPlanLoeschung loeschung(fSchule);
  loeschung.Ziehen(5, 16, 5, 16);
  loeschung.SetzeMitKopplungen(false);
  loeschung.SetzeOhneFixierte(false);
  Setze(fMueM, 1, 5, 16);
  Setze(fMueM, 1, 5, 15);
  Fest(fMueM, 1, 1, 1);
  Setze(fRel1, 1, 3, 2);
  Setze(fRel2, 1, 3, 2);
  loeschung.Loeschen();
  EXPECT_EQ(Stunden(fMueM), (Strings{"1/5/16"}));
  EXPECT_EQ(Stunden(fRel1), (Strings{"1/3/2"}));
  EXPECT_EQ(Stunden(fRel2), (Strings{"1/3/2"}));

  loeschung.SetzeMitKopplungen(true);
  loeschung.Loeschen();
  EXPECT_EQ(Stunden(fRel1), Strings{});
  EXPECT_EQ(Stunden(fRel2), Strings{});
  EXPECT_EQ(fSchule.fVerlauf.ZahlSchritte(), 2u);
}

// A course of two classes in the range comes twice; the second time nothing is left to remove.
TEST_F(PlanLoeschen, ACourseOfTwoElementsInTheRangeIsLookedAtTwice) {
  fMueM->KlasseErgaenzen(f5b);
  Setze(fMueM, 1, 1, 1);
  Setze(fMueM, 1, 1, 2);
  Setze(fSchD, 1, 2, 1);
  TPlanLoeschung loeschung(fSchule);
  loeschung.SetzeArt(fuerKlassen);
  loeschung.WaehleBis(f5b);
  std::vector<TKurs*> erwartet(f5a->fKurse.begin(), f5a->fKurse.end());
  erwartet.insert(erwartet.end(), f5b->fKurse.begin(), f5b->fKurse.end());
  EXPECT_EQ(erwartet.size(), 5u);
  EXPECT_EQ(std::count(erwartet.begin(), erwartet.end(), fMueM), 2);
  EXPECT_EQ(loeschung.Kurse(), erwartet);
  loeschung.Loeschen();
  EXPECT_EQ(Stunden(fMueM), Strings{});
  EXPECT_EQ(Stunden(fSchD), Strings{});
  EXPECT_EQ(fSchule.fVerlauf.ZahlSchritte(), 1u);
}

// "von" and "bis" offer the short-name menu of the kind and never let the range run backwards;
// only the range's courses lose hours.
TEST_F(PlanLoeschen, VonAndBisKeepTheRangeInListOrder) {
  Setze(fMueM, 1, 1, 1);
  Setze(fSchD, 1, 1, 2);
  TPlanLoeschung loeschung(fSchule);
  loeschung.SetzeArt(fuerLehrer);
  EXPECT_TRUE(loeschung.BereichWaehlbar());
  EXPECT_EQ(loeschung.fVonElement, fMue);
  EXPECT_EQ(loeschung.fBisElement, fMei);
  TMenu von = loeschung.VonMenu();
  EXPECT_EQ(Texte(von), (Strings{"MUE", "SCH", "MEI"}));

  TMenu bis = loeschung.BisMenu();
  ASSERT_TRUE(WaehleEintrag(bis, "SCH"));
  EXPECT_EQ(loeschung.fBisElement, fSch);
  ASSERT_TRUE(WaehleEintrag(von, "MEI"));
  EXPECT_EQ(loeschung.fVonElement, fSch);
  ASSERT_TRUE(WaehleEintrag(bis, "MUE"));
  EXPECT_EQ(loeschung.fBisElement, fSch);
  loeschung.Loeschen();
  EXPECT_EQ(Stunden(fMueM), (Strings{"1/1/1"}));
  EXPECT_EQ(Stunden(fSchD), Strings{});

  ASSERT_TRUE(WaehleEintrag(von, "MUE"));
  EXPECT_EQ(loeschung.fVonElement, fMue);
  loeschung.WaehleVon(fR1);
  EXPECT_EQ(loeschung.fVonElement, fMue);
  loeschung.SetzeArt(fuerRaeume);
  EXPECT_EQ(loeschung.fVonElement, fR1);
  EXPECT_EQ(loeschung.fBisElement, fR1);
  EXPECT_EQ(loeschung.Kurse(), std::vector<TKurs*>{fMueM});
  loeschung.SetzeArt(fuerKopplungen);
  EXPECT_EQ(loeschung.fVonElement, fRel);
  loeschung.SetzeArt(inAllenPlaenen);
  EXPECT_EQ(loeschung.fVonElement, nullptr);
  EXPECT_EQ(loeschung.fBisElement, nullptr);
  EXPECT_TRUE(loeschung.VonMenu().empty());
}

// The choice starts as days 1..fMaxTageNeu of the current version. The rubber band gives its
// rectangle the opposite of the start cell, in the current version only in one-week mode, in
// every version otherwise, and stays inside the grid.
TEST_F(PlanLoeschen, TheRubberBandTurnsItsRectangleInTheVersionsOfTheSelection) {
  fStandard.fAktuelleWoche = 2;
  TPlanLoeschung loeschung(fSchule);
  EXPECT_TRUE(loeschung.ZelleGewaehlt(5, 16));
  EXPECT_FALSE(loeschung.ZelleGewaehlt(6, 1));
  EXPECT_FALSE(loeschung.Zellen().GetWocheTagStd(1, 1, 1));
  fSchule.SetDirty(false);

  loeschung.Ziehen(2, 3, 1, 1);
  EXPECT_TRUE(fSchule.IsDirty());
  for (int32_t t = 1; t <= 2; ++t) {
    for (int32_t p = 1; p <= 3; ++p) EXPECT_FALSE(loeschung.ZelleGewaehlt(t, p));
  }
  EXPECT_TRUE(loeschung.ZelleGewaehlt(3, 1));
  EXPECT_TRUE(loeschung.ZelleGewaehlt(1, 4));

  fStandard.fEineWoche = false;
  loeschung.Ziehen(1, 2, 2, 4);
  for (int32_t w = 1; w <= 3; ++w) {
    EXPECT_TRUE(loeschung.Zellen().GetWocheTagStd(w, 1, 2)) << w;
    EXPECT_TRUE(loeschung.Zellen().GetWocheTagStd(w, 2, 4)) << w;
    EXPECT_FALSE(loeschung.Zellen().GetWocheTagStd(w, 1, 1)) << w;
  }
  loeschung.Ziehen(4, 1, 9, 1);
  EXPECT_FALSE(loeschung.ZelleGewaehlt(4, 1));
  loeschung.Ziehen(5, 1, 9, 0);
  for (int32_t w = 1; w <= 3; ++w) {
    EXPECT_TRUE(loeschung.Zellen().GetWocheTagStd(w, 5, 1)) << w;
    EXPECT_FALSE(loeschung.Zellen().GetWocheTagStd(w, 6, 1)) << w;
  }
}

// The controls write their settings at once; opening takes them back, an unknown kind as "in
// allen Plänen".
TEST_F(PlanLoeschen, TheControlsWriteTheSettingsAtOnce) {
  fStandard.fPlLoeRadio = 3;
  TPlanLoeschung loeschung(fSchule);
  EXPECT_EQ(loeschung.Art(), fuerKopplungen);
  EXPECT_EQ(loeschung.fVonElement, fRel);
  EXPECT_EQ(loeschung.fBisElement, fRel);
  loeschung.SetzeArt(fuerFaecher);
  EXPECT_EQ(fStandard.fPlLoeRadio, 4);
  EXPECT_EQ(loeschung.fVonElement, fM);
  EXPECT_EQ(loeschung.fBisElement, fD);
  loeschung.SetzeMitKopplungen(false);
  EXPECT_FALSE(fStandard.fPlLoeMitKopp);
  loeschung.SetzeOhneFixierte(false);
  EXPECT_FALSE(fStandard.fPlLoeFixNicht);

  fStandard.fPlLoeRadio = 9;
  EXPECT_EQ(TPlanLoeschung(fSchule).Art(), inAllenPlaenen);
  EXPECT_EQ(fStandard.fPlLoeRadio, 0);
}

}  // namespace
}  // namespace orbato
