#include "model/demo/stundentafel.h"

#include <gtest/gtest.h>

namespace orbato {
namespace {

// Own courses as subject and hours, half classes with "/2", the grade's couplings with the
// number of their courses and, held in bands, the classes of a band; the hours as the week
// leaves them.
std::string Woche(const std::vector<TEintrag>& tafel, const std::vector<int32_t>& stunden) {
  std::string text;
  for (std::size_t i = 0; i < tafel.size(); ++i) {
    if (stunden[i] == 0) continue;
    const TEintrag& e = tafel[i];
    text += (text.empty() ? "" : " ") + e.fach + std::to_string(stunden[i]);
    if (e.form == TForm::gruppen) text += "/2";
    if (e.form == TForm::jahrgang) text += "x" + std::to_string(e.anzahl);
    if (e.band > 0) text += "je" + std::to_string(e.band);
  }
  return text;
}

std::string Woche(const std::vector<TEintrag>& tafel, int32_t platz) {
  std::vector<TWunsch> wuensche;
  for (const TEintrag& e : tafel) wuensche.push_back(e.wunsch);
  return Woche(tafel, KuerzeAufPlatz(wuensche, platz));
}

TEST(Stundentafel, AFifthGradeInWholeClasses) {
  const std::vector<TEintrag> tafel = Stundentafel(0, 1, TTeilung::keine);
  EXPECT_EQ(Woche(tafel, 100),
            "D4 E4 M4 BI2 EK2 PK2 KU2 MU2 KL1 F\xD6"
            "1 SP3 REL2x3");
  // Six periods on five days leave 27 lessons: the class hour and remedial lesson go.
  EXPECT_EQ(Woche(tafel, 27), "D4 E4 M4 BI2 EK2 PK2 KU2 MU2 SP3 REL2x3");
}

TEST(Stundentafel, ATenthGradeWithHalfClasses) {
  const std::vector<TEintrag> tafel = Stundentafel(5, 3, TTeilung::haupt);
  EXPECT_EQ(Woche(tafel, 100),
            "D3 E2 M3 BI2 PH2 CH2 EK1 GE2 PK2 KU1 MU1 KL1 SP3 D1/2 E1/2 M1/2 F\xD6"
            "1/2 LZ1/2 NW1/2 REL2x3 SPR3x3 WP3x4 AG1x4");
  EXPECT_EQ(Woche(tafel, 36),
            "D3 E2 M3 BI2 PH2 CH2 EK1 GE2 PK2 KU1 MU1 SP3 D1/2 E1/2 M1/2 NW1/2 REL2x3 SPR3x3 "
            "WP3x4");
  EXPECT_EQ(Woche(tafel, 27),
            "D3 E2 M3 BI1 PH1 CH1 EK1 GE1 PK1 KU1 MU1 SP2 D1/2 E1/2 M1/2 NW1/2 REL2x3 SPR2x3 "
            "WP1x4");
}

// A large school teaches the sciences, art and music wholly in halves, keeps the remedial and
// study lessons when the week is short, giving up a third lesson of German, Mathematics and
// sport for them, and holds religion and the second language in bands of three classes.
TEST(Stundentafel, ATenthGradeInSmallGroups) {
  const std::vector<TEintrag> tafel = Stundentafel(5, 9, TTeilung::fein);
  EXPECT_EQ(Woche(tafel, 100),
            "D3 E2 M3 BI2/2 PH2/2 CH2/2 EK1 GE2 PK2 KU1/2 MU1/2 KL1 SP3 D1/2 E1/2 M1/2 F\xD6"
            "1/2 LZ1/2 NW1/2 REL2x5je3 SPR3x5je3 WP3x10 AG1x10");
  EXPECT_EQ(Woche(tafel, 27),
            "D2 E2 M2 BI1/2 PH1/2 CH1/2 EK1 GE1 PK1 KU1/2 MU1/2 SP2 D1/2 E1/2 M1/2 F\xD6"
            "1/2 LZ1/2 NW1/2 REL2x5je3 SPR2x5je3 WP1x10");
  // Where the week of a school in half classes gives them up, they stay and the elective
  // gives way.
  EXPECT_EQ(Woche(tafel, 36),
            "D3 E2 M3 BI2/2 PH2/2 CH2/2 EK1 GE2 PK2 KU1/2 MU1/2 SP3 D1/2 E1/2 M1/2 F\xD6"
            "1/2 LZ1/2 NW1/2 REL2x5je3 SPR3x5je3 WP1x10");
}

}  // namespace
}  // namespace orbato
