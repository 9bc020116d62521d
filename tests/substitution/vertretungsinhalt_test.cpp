#include "substitution/vertretungsinhalt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "substitution/vertretungsfixture.h"

namespace orbato {
namespace {

// Wednesday the 9th: MUE away in period 2 with SCH in his place, MEI away in period 2 ("K") with
// no one yet, room R3 away in period 1 so that Englisch moves to R4.
class VertretungsInhaltTest : public VertretungsTest {
 protected:
  void SetUp() override {
    Fehlt(leh, fMue, fMi, "-+");
    Fehlt(leh, fMei, fMi, "-+", "K");
    Fehlt(rau, fR3, fMi, "+");
    fMathe1 = fMatheMi->VertretungFinden(fMi);
    fDeutsch1 = fDeutschMi->VertretungFinden(fMi);
    fEnglisch1 = fEnglischMi->VertretungFinden(fMi);
    fMathe1->TrageLehrerEin(fSch);
    fEnglisch1->TrageRaumEin(fR4);
  }
  TVDEinstellung& Layout(int i) { return fStandard.fVDEinstellung[static_cast<size_t>(i - 1)]; }

  // Each row as "heading | cell | cell ...", the heading only where a group begins.
  static std::vector<std::string> Zeilen(const TInhaltsTabelle& t, int layout) {
    std::vector<std::string> zeilen;
    const void* gruppe = nullptr;
    bool erste = true;
    for (const TInhaltsZeile& z : t.fZeilen) {
      std::string text = erste || z.fGruppe != gruppe ? "[" + z.fUeberschrift + "]" : "";
      erste = false;
      gruppe = z.fGruppe;
      for (const std::string& zelle : ZellenTexte(*z.fVertretung, layout, t.fMitStunde)) {
        text += "|" + zelle;
      }
      zeilen.push_back(text);
    }
    return zeilen;
  }

  TVertretung* fMathe1 = nullptr;
  TVertretung* fDeutsch1 = nullptr;
  TVertretung* fEnglisch1 = nullptr;
};

TEST_F(VertretungsInhaltTest, SubstitutionsGroupByClassInClassOrder) {
  const TInhaltsTabelle t = VertretungsInhalt(1, fMi);
  EXPECT_TRUE(t.fMitStunde);
  EXPECT_EQ(Zeilen(t, 1), (std::vector<std::string>{
                              "[5a]| 2|MUE 5a M R1|==>|SCH 5a M R1|",
                              "[5b]| 2|MEI 5b D R3|==>|?????|",
                          }));
}

TEST_F(VertretungsInhaltTest, GroupsBySubstituteWithCancelledAndMissingOnesApart) {
  Layout(1).PlanSortierung = 1;
  EXPECT_EQ(Zeilen(VertretungsInhalt(1, fMi), 1), (std::vector<std::string>{
                                                      "[?????]| 2|MEI 5b D R3|==>|?????|",
                                                      "[SCH]| 2|MUE 5a M R1|==>|SCH 5a M R1|",
                                                  }));
  fDeutsch1->Frei();
  EXPECT_EQ(Zeilen(VertretungsInhalt(1, fMi), 1), (std::vector<std::string>{
                                                      "[frei]| 2|MEI 5b D R3|==>|-----|frei",
                                                      "[SCH]| 2|MUE 5a M R1|==>|SCH 5a M R1|",
                                                  }));
}

TEST_F(VertretungsInhaltTest, GroupsByAbsentTeacherWithRealSubstitutesFirst) {
  Layout(1).PlanSortierung = 2;
  EXPECT_EQ(Zeilen(VertretungsInhalt(1, fMi), 1), (std::vector<std::string>{
                                                      "[MUE]| 2|MUE 5a M R1|==>|SCH 5a M R1|",
                                                      "[MEI]| 2|MEI 5b D R3|==>|?????|",
                                                  }));
  // The layout names people by their info text.
  fMue->SetInfo("M\xFCller");
  Layout(1).LehrerBezeichnung = 1;
  EXPECT_EQ(VertretungsInhalt(1, fMi).fZeilen.front().fUeberschrift, "M\xFCller");
}

TEST_F(VertretungsInhaltTest, GroupedByPeriodTheRowsLoseTheirPeriodCell) {
  Layout(1).PlanSortierung = 3;
  const TInhaltsTabelle t = VertretungsInhalt(1, fMi);
  EXPECT_FALSE(t.fMitStunde);
  EXPECT_EQ(Zeilen(t, 1), (std::vector<std::string>{
                              "[ 2]|MUE 5a M R1|==>|SCH 5a M R1|",
                              "|MEI 5b D R3|==>|?????|",
                          }));
}

TEST_F(VertretungsInhaltTest, OnlyAdHocKeepsTodaysChangesAndMarksNeedTheOption) {
  fDeutsch1->SetAdHoc(fMi - 1000);
  EXPECT_FALSE(AdHocMarkiert(*fMathe1, 1));
  Layout(1).MitAdHoc = true;
  EXPECT_TRUE(AdHocMarkiert(*fMathe1, 1));
  EXPECT_FALSE(AdHocMarkiert(*fDeutsch1, 1));
  Layout(1).NurAdHoc = true;
  EXPECT_EQ(Zeilen(VertretungsInhalt(1, fMi), 1),
            (std::vector<std::string>{"[5a]| 2|MUE 5a M R1|==>|SCH 5a M R1|"}));
}

TEST_F(VertretungsInhaltTest, ReplacementRoomsHoldOnlyOwnTeachersInOtherRooms) {
  EXPECT_EQ(Zeilen(ErsatzraumInhalt(1, fMi), 1),
            (std::vector<std::string>{"[5a]| 1|SCH 5a E R3|==>|SCH 5a E R4|in Raum R4 "}));
  Layout(1).ErsatzSortierung = 2;
  EXPECT_EQ(Zeilen(ErsatzraumInhalt(1, fMi), 1),
            (std::vector<std::string>{"[R3]| 1|SCH 5a E R3|==>|SCH 5a E R4|in Raum R4 "}));
  // Another day has nothing.
  EXPECT_TRUE(ErsatzraumInhalt(1, Dez(10)).fZeilen.empty());
  EXPECT_TRUE(VertretungsInhalt(1, Dez(10)).fZeilen.empty());
}

TEST_F(VertretungsInhaltTest, AbsenceListsAsTheLayoutAsks) {
  const auto texte = [](const std::vector<TFehlListe>& listen) {
    std::vector<std::string> zeilen;
    for (const TFehlListe& l : listen) {
      zeilen.push_back(l.fUeberschrift);
      for (const TFehlEintrag& e : l.fEintraege) zeilen.push_back(e.fName + "|" + e.fStunden);
    }
    return zeilen;
  };
  EXPECT_EQ(texte(FehlListen(Layout(1), fMi)),
            (std::vector<std::string>{"fehlende Lehrer:", "MUE| 2 -  2", "MEI| 2 -  2",
                                      "fehlende R\xE4ume:", "R3| 1 -  1"}));
  Layout(1).MitFehlgrund = true;
  Layout(1).MitFehlRaeumen = false;
  EXPECT_EQ(texte(FehlListen(Layout(1), fMi)),
            (std::vector<std::string>{"fehlende Lehrer:", "(-) MUE| 2 -  2", "(K) MEI| 2 -  2"}));
  EXPECT_TRUE(FehlListen(Layout(1), Dez(10)).empty());
}

TEST_F(VertretungsInhaltTest, DayTitleWithTheWeekWhenAsked) {
  EXPECT_EQ(TagesTitel("Vertretungsplan", fMi, Layout(1)),
            "Vertretungsplan f\xFCr Mittwoch, 09. Dez 2026");
  Layout(1).MitKalenderwoche = true;
  EXPECT_EQ(TagesTitel("Ersatzraumplan", fMi, Layout(1)),
            "Ersatzraumplan f\xFCr Mittwoch, 09. Dez 2026  KW 50");
}

}  // namespace
}  // namespace orbato
