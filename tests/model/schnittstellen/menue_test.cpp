#include "model/schnittstellen/menue.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace orbato {
namespace {

TMenu Nummern(int n) {
  TMenu menu;
  for (int i = 1; i <= n; ++i) menu.push_back(MenuEintrag(std::to_string(i), {}, i));
  return menu;
}

std::vector<int> Umbrueche(const TMenu& menu) {
  std::vector<int> tags;
  for (const TMenuEintrag& e : menu) {
    if (e.fBreak) tags.push_back(e.fTag);
  }
  return tags;
}

TEST(Menu, ColumnsBreakAtEveryMultipleOfTheColumnLength) {
  TMenu menu = Nummern(20);
  InSpaltenUmbrechen(menu, 8);
  // Entries 9 and 17 (0-based 8 and 16) head the second and third column.
  EXPECT_TRUE(menu[8].fBreak);
  EXPECT_TRUE(menu[16].fBreak);
  EXPECT_EQ(Umbrueche(menu), (std::vector<int>{9, 17}));

  // Breaking anew replaces the old columns.
  InSpaltenUmbrechen(menu, 16);
  EXPECT_EQ(Umbrueche(menu), (std::vector<int>{17}));
  InSpaltenUmbrechen(menu, 20);
  EXPECT_TRUE(Umbrueche(menu).empty());
  InSpaltenUmbrechen(menu, 0);
  EXPECT_TRUE(Umbrueche(menu).empty());
  InSpaltenUmbrechen(menu, 1);
  EXPECT_EQ(Umbrueche(menu).size(), 19u);
  EXPECT_FALSE(menu[0].fBreak);

  TMenu leer;
  InSpaltenUmbrechen(leer, 8);
  EXPECT_TRUE(leer.empty());
}

TEST(Menu, LongMenusGetTheirColumnLengths) {
  // 300 teachers are shown in ten columns of 30.
  TMenu lehrer = Nummern(300);
  InSpaltenUmbrechen(lehrer, MenuSpaltenLaenge(300));
  EXPECT_EQ(Umbrueche(lehrer), (std::vector<int>{31, 61, 91, 121, 151, 181, 211, 241, 271}));

  // 24 plan versions: columns of 8.
  TMenu versionen = Nummern(24);
  InSpaltenUmbrechen(versionen, VersionsMenuSpaltenLaenge(24));
  EXPECT_EQ(Umbrueche(versionen), (std::vector<int>{9, 17}));

  // The calendar's version menu starts columns at 1, 17, 33.
  TMenu kalender = Nummern(54);
  InSpaltenUmbrechen(kalender, KalenderMenuSpaltenLaenge);
  EXPECT_EQ(Umbrueche(kalender), (std::vector<int>{17, 33, 49}));
}

TEST(Menu, ColumnLengthOfShortNameAndSubstitutionMenus) {
  EXPECT_EQ(MenuSpaltenLaenge(0), 16);
  EXPECT_EQ(MenuSpaltenLaenge(1), 16);
  EXPECT_EQ(MenuSpaltenLaenge(24), 16);
  EXPECT_EQ(MenuSpaltenLaenge(54), 16);
  // sqrt(270) = 16.43, sqrt(273) = 16.52: the first menu beyond 16 per column has 91 entries.
  EXPECT_EQ(MenuSpaltenLaenge(90), 16);
  EXPECT_EQ(MenuSpaltenLaenge(91), 17);
  EXPECT_EQ(MenuSpaltenLaenge(100), 17);
  EXPECT_EQ(MenuSpaltenLaenge(300), 30);
  EXPECT_EQ(MenuSpaltenLaenge(1000), 55);
  EXPECT_EQ(MenuSpaltenLaenge(-5), 16);
}

TEST(Menu, ColumnLengthOfThePlanVersionMenu) {
  EXPECT_EQ(VersionsMenuSpaltenLaenge(1), 8);
  EXPECT_EQ(VersionsMenuSpaltenLaenge(21), 8);
  // sqrt(72) = 8.49, sqrt(75) = 8.66.
  EXPECT_EQ(VersionsMenuSpaltenLaenge(24), 8);
  EXPECT_EQ(VersionsMenuSpaltenLaenge(25), 9);
  EXPECT_EQ(VersionsMenuSpaltenLaenge(54), 13);
  EXPECT_EQ(VersionsMenuSpaltenLaenge(100), 17);
  // A perfect square: sqrt(3 * 12) = 6, still at least 8; sqrt(3 * 48) = 12.
  EXPECT_EQ(VersionsMenuSpaltenLaenge(12), 8);
  EXPECT_EQ(VersionsMenuSpaltenLaenge(48), 12);
}

TEST(Menu, ColumnLengthOfTheSubjectPickMenus) {
  EXPECT_EQ(FachPopupSpaltenLaenge(1), 16);
  EXPECT_EQ(FachPopupSpaltenLaenge(24), 16);
  // sqrt(378) = 19.44, sqrt(385) = 19.62.
  EXPECT_EQ(FachPopupSpaltenLaenge(54), 19);
  EXPECT_EQ(FachPopupSpaltenLaenge(55), 20);
  EXPECT_EQ(FachPopupSpaltenLaenge(100), 26);
  EXPECT_EQ(FachPopupSpaltenLaenge(2147483647), 122607);
}

TEST(Menu, ChoosingRunsTheCommandOfAnEnabledEntryOnly) {
  std::vector<std::string> gelaufen;
  TMenu menu;
  menu.push_back(MenuEintrag("Neu", [&] { gelaufen.push_back("Neu"); }));
  menu.push_back(Trennlinie());
  TMenuEintrag sichern = MenuEintrag("Sichern", [&] { gelaufen.push_back("Sichern"); });
  sichern.fEnabled = false;
  menu.push_back(sichern);
  menu.push_back(MenuEintrag("ohne Befehl"));
  TMenuEintrag export_ = MenuEintrag("Export");
  export_.fUntermenu.push_back(MenuEintrag("Kurse...", [&] { gelaufen.push_back("Kurse"); }));
  export_.fUntermenu.push_back(MenuEintrag("Neu", [&] { gelaufen.push_back("Export Neu"); }));
  menu.push_back(export_);

  EXPECT_TRUE(WaehleEintrag(menu, "Neu"));
  EXPECT_FALSE(WaehleEintrag(menu, "Sichern"));
  EXPECT_FALSE(WaehleEintrag(menu, "ohne Befehl"));
  EXPECT_FALSE(WaehleEintrag(menu, "Export"));
  EXPECT_FALSE(WaehleEintrag(menu, "-"));
  EXPECT_FALSE(WaehleEintrag(menu, "Beenden"));
  EXPECT_TRUE(WaehleEintrag(menu, "Kurse..."));
  ASSERT_NE(FindePfad(menu, {"Export", "Neu"}), nullptr);
  EXPECT_TRUE(Waehle(*FindePfad(menu, {"Export", "Neu"})));
  EXPECT_EQ(gelaufen, (std::vector<std::string>{"Neu", "Kurse", "Export Neu"}));

  EXPECT_EQ(FindePfad(menu, {"Export", "Sichern"}), nullptr);
  EXPECT_EQ(FindePfad(menu, {"Neu", "Kurse..."}), nullptr);
  EXPECT_EQ(FindePfad(menu, {}), nullptr);
  const TMenu& fest = menu;
  EXPECT_EQ(FindeEintrag(fest, "Kurse..."), &menu[4].fUntermenu[0]);
}

TEST(Menu, ACommandMayRebuildItsOwnMenu) {
  TMenu menu;
  int gewaehlt = 0;
  std::function<void(int)> fuellen = [&](int n) {
    menu.clear();
    for (int i = 1; i <= n; ++i) {
      menu.push_back(MenuEintrag(std::to_string(i), [&fuellen, &gewaehlt, i, n] {
        fuellen(n + 1);
        // The entry is gone by now; what the command holds must still be there.
        gewaehlt = i;
      }));
    }
  };
  fuellen(2);
  EXPECT_TRUE(WaehleEintrag(menu, "2"));
  EXPECT_EQ(gewaehlt, 2);
  EXPECT_EQ(menu.size(), 3u);
}

}  // namespace
}  // namespace orbato
