#include "model/kurse/kursmenue.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schulfixture.h"

namespace orbato {
namespace {

class KursregelnTest : public SchulTest {
 protected:
  void SetUp() override { fSchule.SetDialoge(&fDialoge); }
  TSkriptDialoge fDialoge;
};

TEST_F(KursregelnTest, LessonsPerDayDecideTheSingleLessons) {
  TKurs* k = Kurs(fSchule.HoleLehrer("A"), nullptr, 5);
  k->SetzeStdProTag(2);
  EXPECT_EQ(k->fStdProTag, 2);
  EXPECT_EQ(k->fEinzelStd, 1);
  fStandard.fMaxTageNeu = 6;
  k->SetzeStunden(9);
  k->SetzeStdProTag(1);
  EXPECT_EQ(k->fEinzelStd, 6);
  // With all versions shown the share of one version counts.
  fStandard.fMaxWocheNeu = 2;
  fStandard.fEineWoche = false;
  k->fStunden.SetWochenZahl(2);
  k->SetzeStunden(3);
  EXPECT_EQ(k->fStunden.GetWochenStunde(0), 6);
  k->SetzeStdProTag(2);
  EXPECT_EQ(k->fEinzelStd, 1);
}

TEST_F(KursregelnTest, FewerLessonsThanPlacedAskFirst) {
  TKurs* k = Kurs(fSchule.HoleLehrer("A"), fSchule.HoleKlasse("5a"), 3);
  Setze(k, 1, 1, 1);
  Setze(k, 1, 2, 1);
  EXPECT_TRUE(k->SetzeStunden(2));  // still room for the two placed lessons
  EXPECT_TRUE(fDialoge.Protokoll().empty());
  fDialoge.Antworte("Nein");
  EXPECT_FALSE(k->SetzeStunden(1));
  EXPECT_EQ(k->fStunden.GetWochenStunde(1), 2);
  ASSERT_EQ(fDialoge.Protokoll().size(), 1u);
  EXPECT_EQ(fDialoge.Protokoll()[0].fTitel, "Kurs ist verplant");
  EXPECT_EQ(
      fDialoge.Protokoll()[0].fZeilen,
      (std::vector<std::string>{
          "Der Kurs", "A 5a", "ist schon verplant und kann", "deshalb nicht ver\xE4ndert werden.",
          "Sollen die verplanten Stunden ", "in den Pl\xE4nen gel\xF6scht werden?"}));
  EXPECT_TRUE(k->SetzeStunden(1));  // "Ja" removes the placements
  EXPECT_EQ(k->fSetzungen.ListeZahlElemente(), 0);
  EXPECT_FALSE(fSchule.HoleKlasse("5a")->fBesetzung.GetWocheTagStd(1, 1, 1));
}

TEST_F(KursregelnTest, NeverPlacedCoursesChangeOnlyWhileNothingIsPlaced) {
  TKurs* b = Kurs(fSchule.HoleLehrer("B"), nullptr, 2);
  TKurs* a = Kurs(fSchule.HoleLehrer("A"), nullptr, 2);
  ASSERT_EQ(fSchule.fKursMenge.ListeNrInhalt(1), b);  // B's position comes first
  EXPECT_TRUE(b->SetzeNichtVerplanen(true));
  b->fStunden.SetWochenStunde(1, -3);
  EXPECT_TRUE(b->SetzeNichtVerplanen(false));
  EXPECT_EQ(b->fStunden.GetWochenStunde(1), 0);
  // Without lessons B's course sorts behind A's: re-inserting found its new place.
  EXPECT_EQ(fSchule.fKursMenge.ListeNrInhalt(1), a);
  EXPECT_EQ(fSchule.fKursMenge.ListeNrInhalt(2), b);
  Setze(a, 1, 1, 1);
  EXPECT_FALSE(a->SetzeNichtVerplanen(true));
  EXPECT_FALSE(a->fNichtVerplanen);
}

TEST_F(KursregelnTest, PopupMenusOfferTheAllowedValues) {
  fStandard.fMaxTageNeu = 5;
  TKurs* k = Kurs(fSchule.HoleLehrer("A"), nullptr, 3);
  TMenu stunden = StundenMenu(*k);
  ASSERT_EQ(stunden.size(), 21u);
  EXPECT_TRUE(stunden[3].fChecked);
  EXPECT_TRUE(WaehleEintrag(stunden, "7"));
  EXPECT_EQ(k->fStunden.GetWochenStunde(1), 7);
  k->SetzeStunden(3);
  TMenu faktor = FaktorMenu(*k);
  ASSERT_EQ(faktor.size(), 11u);
  EXPECT_EQ(faktor[2].fText, " 6.0");
  EXPECT_TRUE(faktor[1].fChecked);
  EXPECT_TRUE(Waehle(faktor[2]));
  EXPECT_EQ(k->fFaktor, 2);
  EXPECT_EQ(StdProTagMenu(*k).size(), 3u);
  EXPECT_EQ(EinzelStdMenu(*k).size(), 4u);  // 0..3, not beyond the lessons
  k->SetzeStunden(9);
  EXPECT_EQ(EinzelStdMenu(*k).size(), 6u);  // 0..5 on a five-day week
  TMenu tabellen = TabellenMenu(*k);
  ASSERT_EQ(tabellen.size(), 4u);
  EXPECT_TRUE(Waehle(tabellen[3]));
  EXPECT_EQ(k->fTabellenNr, 4);
  // With two versions shown together, the lessons read as their sum.
  fStandard.fMaxWocheNeu = 2;
  fStandard.fEineWoche = false;
  EXPECT_EQ(StundenMenu(*k)[2].fText, "4");
}

TEST_F(KursregelnTest, PickCaptionsShowSubjectOtherAndRest) {
  TLehrer* l = fSchule.HoleLehrer("MUE");  // target 24
  TKlasse* c = fSchule.HoleKlasse("5a");   // target 30
  TFach* d = fSchule.HoleFach("D");
  TFach* m = fSchule.HoleFach("M");
  Kurs(l, c, 4, nullptr, d);
  Kurs(l, c, 5, nullptr, m)->SetFaktor(2);
  Kurs(l, nullptr, 3, nullptr, m)->SetnichtZaehlenLe(true);
  EXPECT_EQ(l->KursPopZeile(d, leh), "[ 4.0 ]-[10.0 ]-[10.0 ]  MUE");
  EXPECT_EQ(c->KursPopZeile(d, kla), "[ 4.0 ]-[10.0 ]-[16.0 ]  5a");
  // The subject's caption counts every course of the teacher in it.
  EXPECT_EQ(m->KursPopZeile(l, 3), "[13.0 ]-[ 8.0 ]-[ 3.0 ]  M");

  for (int i = 0; i < 40; ++i) fSchule.HoleKlasse("K" + std::to_string(i));
  TMenu klassen = d->KlassenPopupFuellen();
  ASSERT_EQ(klassen.size(), 41u);
  EXPECT_EQ(klassen[0].fText, "[ 4.0 ]-[10.0 ]-[16.0 ]  5a");
  EXPECT_EQ(klassen[0].fHinweis,
            "in D: 4.0 Std., in anderen F\xE4"
            "chern: 10.0 Std., bis zum Soll offen: 16.0 Std.");
  EXPECT_EQ(l->KursPopHinweis(d, leh),
            "in D: 4.0 Std., in anderen F\xE4"
            "chern: 10.0 Std., bis zum Soll offen: 10.0 Std.");
  EXPECT_TRUE(klassen[17].fBreak);  // max(16, round(7 * sqrt(41 / 7))) = 17
  EXPECT_FALSE(klassen[16].fBreak);
  EXPECT_TRUE(Waehle(klassen[2]));
  EXPECT_EQ(d->fPopKlasse, fSchule.fKlassenMenge.ListeNrInhalt(3));
  l->NeuesFach(d);
  TMenu lehrer = d->LehrerPopupFuellen();
  ASSERT_EQ(lehrer.size(), 1u);
  EXPECT_TRUE(Waehle(lehrer[0]));
  EXPECT_EQ(d->fPopLehrer, l);
}

TEST_F(KursregelnTest, WarnsOfATeacherTwiceInOneCoupling) {
  TLehrer* l = fSchule.HoleLehrer("MUE");
  TKopplung* o = fSchule.HoleKopplung("REL5");
  Kurs(l, nullptr, 2, nullptr, nullptr, o);
  TKurs* zweiter = Kurs(nullptr, nullptr, 2, nullptr, nullptr, o);
  EXPECT_TRUE(fDialoge.Protokoll().empty());
  zweiter->LehrerErgaenzen(l);
  ASSERT_EQ(fDialoge.Protokoll().size(), 1u);
  EXPECT_EQ(fDialoge.Protokoll()[0].fTitel, "Lehrer doppelt in Kopplung");
  EXPECT_EQ(fDialoge.Protokoll()[0].fZeilen,
            (std::vector<std::string>{"MUE", "ist mehrfach in", "REL5", "Kopplung"}));
  EXPECT_EQ(fDialoge.Protokoll()[0].fArt, TMeldungsArt::Warnung);
}

TEST_F(KursregelnTest, SubjectStaysWithItsTeacherWhileLessonsRemain) {
  TLehrer* l = fSchule.HoleLehrer("MUE");
  TFach* d = fSchule.HoleFach("D");
  l->NeuesFach(d);
  Kurs(l, nullptr, 2, nullptr, d);
  EXPECT_FALSE(l->FachEntfernen(d));
  ASSERT_EQ(fDialoge.Protokoll().size(), 1u);
  EXPECT_EQ(
      fDialoge.Protokoll()[0].fZeilen,
      (std::vector<std::string>{"Erst m\xFCssen die zugeh\xF6rigen Kurse gel\xF6scht werden!"}));
  EXPECT_EQ(fDialoge.Protokoll()[0].fArt, TMeldungsArt::Fehler);
  EXPECT_FALSE(l->RaumFehltImPlan());
  Setze(l->fKurse.ListeNrInhalt(1), 1, 1, 1);
  EXPECT_TRUE(l->RaumFehltImPlan());
}

}  // namespace
}  // namespace orbato
