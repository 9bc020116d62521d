#include "model/kuerzel/kuerzeleditor.h"

#include <string>
#include <vector>

#include "model/kuerzel/kuerzelmenge.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schulfixture.h"

namespace orbato {
namespace {

using Texte = std::vector<std::string>;

class KuerzelEditorTest : public SchulTest {
 protected:
  void SetUp() override { fSchule.SetDialoge(&fDialoge); }

  Texte Menge(TKuerzelArt art) const {
    Texte texte;
    for (const TElement* e : KuerzelElemente(fSchule, art)) texte.push_back(e->fKuerzel.str());
    return texte;
  }
  std::vector<int> Reihen(TKuerzelArt art) const {
    std::vector<int> reihen;
    for (const TElement* e : KuerzelElemente(fSchule, art)) reihen.push_back(e->fReihe);
    return reihen;
  }

  TSkriptDialoge fDialoge;
};

TEST_F(KuerzelEditorTest, TypingFindsExactNamesOnly) {
  TKlasse* gross = fSchule.HoleKlasse("5A");
  fSchule.HoleKlasse("6b");
  TKuerzelEditor editor(fSchule);
  EXPECT_EQ(editor.Art(), 0);
  EXPECT_TRUE(editor.Zeilen().empty());
  editor.ArtWaehlen(1);
  EXPECT_EQ(editor.Zeilen(), (Texte{"5A", "6b"}));

  editor.TextGeaendert("5a");  // case counts
  EXPECT_TRUE(editor.NeuesMoeglich());
  EXPECT_FALSE(editor.AendernMoeglich());
  EXPECT_FALSE(editor.LoeschenMoeglich());
  EXPECT_EQ(editor.Auswahl(), -1);
  EXPECT_EQ(editor.Element(), nullptr);

  editor.TextGeaendert("5A");
  EXPECT_FALSE(editor.NeuesMoeglich());
  EXPECT_TRUE(editor.AendernMoeglich());
  EXPECT_TRUE(editor.LoeschenMoeglich());
  EXPECT_EQ(editor.Auswahl(), 0);
  EXPECT_EQ(editor.SichtbareZeile(), 0);
  EXPECT_EQ(editor.Element(), gross);

  editor.TextGeaendert("");
  EXPECT_FALSE(editor.NeuesMoeglich() || editor.AendernMoeglich() || editor.LoeschenMoeglich());
  EXPECT_EQ(editor.Element(), nullptr);

  editor.ZeileGeklickt(1);
  EXPECT_EQ(editor.Text(), "6b");
  EXPECT_EQ(editor.Auswahl(), 1);
  EXPECT_TRUE(editor.LoeschenMoeglich());

  // Another kind starts with nothing typed and nothing selected.
  editor.ArtWaehlen(4);
  EXPECT_TRUE(editor.Zeilen().empty());
  EXPECT_EQ(editor.Text(), "");
  EXPECT_EQ(editor.Auswahl(), -1);
  EXPECT_FALSE(editor.AendernMoeglich());
}

TEST_F(KuerzelEditorTest, NeuesAndOkAppendToTheDocumentList) {
  fSchule.HoleLehrer("MUE");
  TKuerzelEditor editor(fSchule);
  editor.TextGeaendert("SCHMIDTHAUSEN");  // the field holds a short name's 11 characters
  EXPECT_EQ(editor.Text(), "SCHMIDTHAUS");
  editor.Neues();
  EXPECT_EQ(Menge(leh), (Texte{"MUE", "SCHMIDTHAUS"}));
  EXPECT_EQ(editor.Zeilen(), (Texte{"MUE", "SCHMIDTHAUS"}));
  EXPECT_EQ(editor.SichtbareZeile(), 1);
  EXPECT_EQ(editor.Text(), "");
  EXPECT_FALSE(editor.NeuesMoeglich());

  editor.TextGeaendert("ABC");
  EXPECT_FALSE(editor.Ok());  // creates and stays open
  EXPECT_EQ(Menge(leh), (Texte{"MUE", "SCHMIDTHAUS", "ABC"}));
  EXPECT_EQ(fSchule.fLehrerMenge.ListeNrInhalt(3)->fNr, 3);
  EXPECT_TRUE(editor.Ok());
  EXPECT_EQ(fSchule.fLehrerMenge.ListeZahlElemente(), 3);

  // Distribution tables are created like the other kinds.
  editor.ArtWaehlen(5);
  editor.TextGeaendert("UV Mathe");
  EXPECT_FALSE(editor.Ok());
  ASSERT_EQ(fSchule.fUVTabMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(fSchule.fUVTabMenge.ListeNrInhalt(1)->fKuerzel, "UV Mathe");
  EXPECT_EQ(editor.Zeilen(), (Texte{"UV Mathe"}));
  EXPECT_TRUE(fDialoge.Protokoll().empty());
}

TEST_F(KuerzelEditorTest, RenamingRefusesTakenNamesAndAcceptsItsOwn) {
  TFach* d = fSchule.HoleFach("D");
  fSchule.HoleFach("M");
  TKuerzelEditor editor(fSchule);
  editor.ArtWaehlen(3);
  editor.ZeileGeklickt(0);
  fSchule.SetDirty(false);

  EXPECT_TRUE(editor.Aendern("D"));
  EXPECT_TRUE(fDialoge.Protokoll().empty());
  EXPECT_FALSE(fSchule.IsDirty());

  EXPECT_FALSE(editor.Aendern("M"));
  const auto stop = fDialoge.Protokoll(TDialogVorgang::Nachricht);
  ASSERT_EQ(stop.size(), 1u);
  EXPECT_EQ(stop[0].fTitel, "Stop");
  EXPECT_EQ(stop[0].fZeilen, (Texte{"Das K\xFCrzel", "M", "gibt es schon. W\xE4hlen Sie",
                                    "ein anderes K\xFCrzel!"}));
  EXPECT_EQ(d->fKuerzel, "D");

  EXPECT_TRUE(editor.Aendern("Deu"));
  EXPECT_EQ(d->fKuerzel, "Deu");
  EXPECT_EQ(editor.Zeilen(), (Texte{"Deu", "M"}));
  EXPECT_EQ(editor.Text(), "Deu");
  EXPECT_EQ(editor.Element(), d);
  EXPECT_TRUE(editor.AendernMoeglich());
}

TEST_F(KuerzelEditorTest, DeletingAsksOnlyForElementsWithCourses) {
  TLehrer* mit = fSchule.HoleLehrer("MIT");
  fSchule.HoleLehrer("OHNE");
  fSchule.HoleLehrer("X");
  TKurs* k = mit->NeuerKurs();
  TKuerzelEditor editor(fSchule);

  editor.TextGeaendert("OHNE");
  editor.Loeschen();
  EXPECT_TRUE(fDialoge.Protokoll().empty());
  EXPECT_EQ(editor.Zeilen(), (Texte{"MIT", "X"}));
  EXPECT_EQ(Menge(leh), (Texte{"MIT", "X"}));
  EXPECT_EQ(editor.Text(), "");
  EXPECT_FALSE(editor.LoeschenMoeglich());

  editor.ZeileGeklickt(0);
  fDialoge.Antworte("Nein");
  editor.Loeschen();
  const auto fragen = fDialoge.Protokoll(TDialogVorgang::Frage);
  ASSERT_EQ(fragen.size(), 1u);
  EXPECT_EQ(fragen[0].fTitel, "K\xFCrzel l\xF6schen");
  ASSERT_EQ(fragen[0].fZeilen.size(), 6u);
  EXPECT_EQ(fragen[0].fZeilen[0], "Zum K\xFCrzel");
  EXPECT_EQ(fragen[0].fZeilen[1], "MIT");
  EXPECT_EQ(editor.Zeilen(), (Texte{"MIT", "X"}));
  EXPECT_EQ(editor.Element(), mit);

  fDialoge.Antworte("Ja");
  editor.Loeschen();
  EXPECT_EQ(editor.Zeilen(), (Texte{"X"}));
  EXPECT_EQ(Menge(leh), (Texte{"X"}));
  EXPECT_EQ(k->fLehrer, nullptr);
  EXPECT_EQ(editor.Element(), nullptr);
}

TEST_F(KuerzelEditorTest, SortingUsesCharacterOrderUnderAMessageWindow) {
  for (const char* k : {"9b", "5a", "10a"}) fSchule.HoleKlasse(k);
  TKuerzelEditor editor(fSchule);
  editor.ArtWaehlen(1);
  editor.TextGeaendert("9b");
  editor.Sortieren();
  EXPECT_EQ(editor.Zeilen(), (Texte{"10a", "5a", "9b"}));
  EXPECT_EQ(Menge(kla), (Texte{"10a", "5a", "9b"}));
  EXPECT_EQ(Reihen(kla), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(editor.Auswahl(), 2);  // the selection goes with its element
  ASSERT_EQ(fDialoge.Protokoll().size(), 2u);
  EXPECT_EQ(fDialoge.Protokoll()[0].fVorgang, TDialogVorgang::MeldungZeigen);
  EXPECT_EQ(fDialoge.Protokoll()[0].fZeilen, (Texte{"Die K\xFCrzel werden sortiert."}));
  EXPECT_EQ(fDialoge.Protokoll()[1].fVorgang, TDialogVorgang::MeldungSchliessen);

  // A single row is not sorted, and no window shows.
  fDialoge.ProtokollLeeren();
  fSchule.HoleRaum("R1");
  editor.ArtWaehlen(4);
  editor.Sortieren();
  EXPECT_TRUE(fDialoge.Protokoll().empty());
}

TEST_F(KuerzelEditorTest, SortingFollowsTheLocaleOrderOfLetters) {
  for (const char* k : {"b", "\xC4rz", "B", "a", "Arz", "-x", "ss", "\xDF"}) fSchule.HoleFach(k);
  TKuerzelEditor editor(fSchule);
  editor.ArtWaehlen(3);
  editor.Sortieren();
  EXPECT_EQ(editor.Zeilen(), (Texte{"-x", "a", "Arz", "\xC4rz", "b", "B", "ss", "\xDF"}));
  EXPECT_LT(KuerzelVergleich("Lehrer", "lehrer2"), 0);
  EXPECT_LT(KuerzelVergleich("Ma", "M\xE4"), 0);
  EXPECT_LT(KuerzelVergleich("M\xE4", "Mb"), 0);
  EXPECT_EQ(KuerzelVergleich("M\xE4", "M\xE4"), 0);
}

TEST_F(KuerzelEditorTest, DraggingReordersTheDocumentList) {
  for (const char* k : {"A", "B", "C", "D"}) fSchule.HoleRaum(k);
  TKuerzelEditor editor(fSchule);
  editor.ArtWaehlen(4);
  editor.TextGeaendert("A");
  fSchule.SetDirty(false);

  editor.Verschieben(0, 2);
  EXPECT_EQ(editor.Zeilen(), (Texte{"B", "C", "A", "D"}));
  EXPECT_EQ(Menge(rau), (Texte{"B", "C", "A", "D"}));
  EXPECT_EQ(Reihen(rau), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(editor.Auswahl(), 2);
  EXPECT_TRUE(fSchule.IsDirty());

  editor.Verschieben(3, 0);
  EXPECT_EQ(Menge(rau), (Texte{"D", "B", "C", "A"}));
  editor.ZeileGeklickt(0);
  EXPECT_EQ(editor.Element(), fSchule.HoleRaum("D"));

  fSchule.SetDirty(false);
  editor.Verschieben(1, 1);
  editor.Verschieben(1, 4);
  EXPECT_FALSE(fSchule.IsDirty());
  EXPECT_EQ(Menge(rau), (Texte{"D", "B", "C", "A"}));
}

}  // namespace
}  // namespace orbato
