#include "model/kuerzel/kuerzelmenue.h"

#include <string>
#include <vector>

#include "model/kuerzel/kuerzelmenge.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schulfixture.h"

namespace orbato {
namespace {

std::vector<int> Tags(const TMenu& menu) {
  std::vector<int> tags;
  for (const TMenuEintrag& e : menu) tags.push_back(e.fTag);
  return tags;
}

// The tags of the entries that start a column.
std::vector<int> Umbrueche(const TMenu& menu) {
  std::vector<int> tags;
  for (const TMenuEintrag& e : menu) {
    if (e.fBreak) tags.push_back(e.fTag);
  }
  return tags;
}

class KuerzelMenuTest : public SchulTest {};

TEST_F(KuerzelMenuTest, EntriesFollowTheListAndRenumberItsOrder) {
  TLehrer* a = fSchule.HoleLehrer("A");
  TLehrer* b = fSchule.HoleLehrer("B");
  TLehrer* c = fSchule.HoleLehrer("C");
  KuerzelMengeNeuFuellen(fSchule, leh, {c, a, b});
  a->fReihe = b->fReihe = c->fReihe = 99;
  std::vector<TElement*> gewaehlt;
  TMenu menu = KuerzelMenu(fSchule, leh, [&](TElement* e) { gewaehlt.push_back(e); });

  EXPECT_EQ(Texte(menu), (std::vector<std::string>{"C", "A", "B"}));
  EXPECT_EQ(Tags(menu), (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(Umbrueche(menu).empty());
  EXPECT_EQ(c->fReihe, 1);
  EXPECT_EQ(a->fReihe, 2);
  EXPECT_EQ(b->fReihe, 3);
  EXPECT_TRUE(WaehleEintrag(menu, "A"));
  EXPECT_EQ(gewaehlt, (std::vector<TElement*>{a}));
}

TEST_F(KuerzelMenuTest, OhneComesFirstAndLeavesTheColumnsAlone) {
  for (int i = 1; i <= 17; ++i) fSchule.HoleRaum("R" + std::to_string(i));
  std::vector<TElement*> gewaehlt;
  TMenu menu = KuerzelMenu(
      fSchule, rau, [&](TElement* e) { gewaehlt.push_back(e); }, true);

  ASSERT_EQ(menu.size(), 18u);
  EXPECT_EQ(menu[0].fText, "ohne");
  EXPECT_EQ(menu[0].fTag, 0);
  EXPECT_FALSE(menu[0].fBreak);
  // Sixteen rooms per column, as without "ohne": the 17th room heads the second one.
  EXPECT_EQ(Umbrueche(menu), (std::vector<int>{17}));
  EXPECT_TRUE(Waehle(menu[0]));
  EXPECT_TRUE(Waehle(menu[17]));
  EXPECT_EQ(gewaehlt, (std::vector<TElement*>{nullptr, fSchule.HoleRaum("R17")}));
}

TEST_F(KuerzelMenuTest, ThreeHundredTeachersGiveColumnsOfThirty) {
  for (int i = 1; i <= 300; ++i) fSchule.HoleLehrer("L" + std::to_string(i));
  const TMenu menu = KuerzelMenu(fSchule, leh, {});
  EXPECT_EQ(Umbrueche(menu), (std::vector<int>{31, 61, 91, 121, 151, 181, 211, 241, 271}));
}

TEST_F(KuerzelMenuTest, AllSixMenusAreBuiltUnderOneMessageWindow) {
  TSkriptDialoge dialoge;
  fSchule.HoleLehrer("MUE");
  fSchule.HoleKlasse("5a");
  fSchule.HoleKlasse("5b");
  fSchule.HoleKopplung("RE5");
  fSchule.HoleFach("D");
  fSchule.HoleRaum("R1");
  TElement* tabelle = NeuesKuerzelElement(fSchule, uvt, "UV1");
  TElement* geoeffnet = nullptr;
  TKuerzelMenues menues =
      KuerzelMenuesAnlegen(fSchule, dialoge, [&](TElement* e) { geoeffnet = e; });

  ASSERT_EQ(dialoge.Protokoll().size(), 2u);
  EXPECT_EQ(dialoge.Protokoll()[0].fVorgang, TDialogVorgang::MeldungZeigen);
  EXPECT_EQ(dialoge.Protokoll()[0].fZeilen,
            (std::vector<std::string>{"Das K\xFCrzelmenu wird angelegt."}));
  EXPECT_EQ(dialoge.Protokoll()[1].fVorgang, TDialogVorgang::MeldungSchliessen);
  EXPECT_FALSE(dialoge.MeldungOffen());

  EXPECT_EQ(Texte(menues.Von(leh)), (std::vector<std::string>{"MUE"}));
  EXPECT_EQ(Texte(menues.Von(kla)), (std::vector<std::string>{"5a", "5b"}));
  EXPECT_EQ(Texte(menues.Von(kop)), (std::vector<std::string>{"RE5"}));
  EXPECT_EQ(Texte(menues.Von(fac)), (std::vector<std::string>{"D"}));
  EXPECT_EQ(Texte(menues.Von(rau)), (std::vector<std::string>{"R1"}));
  EXPECT_EQ(Texte(menues.Von(uvt)), (std::vector<std::string>{"UV1"}));
  EXPECT_TRUE(menues.Von(kur).empty());
  EXPECT_TRUE(Waehle(menues.fUV[0]));
  EXPECT_EQ(geoeffnet, tabelle);
}

TEST_F(KuerzelMenuTest, VersionMenuChoosesTheCurrentVersion) {
  fStandard.fMaxWocheNeu = 24;
  fStandard.fAktuelleWoche = 3;
  int gemeldet = 0;
  TMenu menu = VersionsMenu(fStandard, [&](int v) { gemeldet = v; });
  ASSERT_EQ(menu.size(), 24u);
  EXPECT_EQ(menu[0].fText, "1");
  EXPECT_EQ(menu[23].fText, "24");
  EXPECT_EQ(menu[23].fTag, 24);
  EXPECT_EQ(Umbrueche(menu), (std::vector<int>{9, 17}));
  for (const TMenuEintrag& e : menu) EXPECT_EQ(e.fChecked, e.fTag == 3);

  EXPECT_TRUE(WaehleEintrag(menu, "17"));
  EXPECT_EQ(fStandard.fAktuelleWoche, 17);
  EXPECT_EQ(gemeldet, 17);

  fStandard.fMaxWocheNeu = 54;
  EXPECT_EQ(Umbrueche(VersionsMenu(fStandard, {})),
            (std::vector<int>{14, 27, 40, 53}));  // columns of 13
}

}  // namespace
}  // namespace orbato
