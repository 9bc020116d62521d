#include "model/woche/versionen.h"

#include <string>
#include <vector>

#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/fenster.h"
#include "model/schnittstellen/testfenster.h"
#include "model/schulfixture.h"

namespace orbato {
namespace {

class VersionenTest : public SchulTest {
 protected:
  void SetUp() override { fSchule.SetDialoge(&fDialoge); }

  // A document of `n` versions, as a loaded file leaves it; the elements created afterwards take
  // that many versions themselves.
  void Versionen(int32_t n) {
    fStandard.fMaxWocheNeu = n;
    fSchule.fGrWoBereich.SetWochenZahl(n);
    fSchule.fUEWoBereich.SetWochenZahl(n);
  }

  // Every range and list of the document has `n` versions.
  void ErwarteWochenZahl(int32_t n) {
    EXPECT_EQ(fSchule.fGrWoBereich.ZahlWochen(), n);
    EXPECT_EQ(fSchule.fUEWoBereich.ZahlWochen(), n);
    for (const TKurs* k : fSchule.fKursMenge) {
      EXPECT_EQ(k->fSperrung.ZahlWochen(), n);
      EXPECT_EQ(k->fBesetzung.ZahlWochen(), n);
      EXPECT_EQ(k->fSetzungUnmoeglich.ZahlWochen(), n);
      EXPECT_EQ(k->fStunden.ZahlWochen(), n);
    }
    for (const TLehrer* l : fSchule.fLehrerMenge) {
      EXPECT_EQ(l->fSperrung.ZahlWochen(), n);
      EXPECT_EQ(l->fBesetzung.ZahlWochen(), n);
      EXPECT_EQ(l->fSoll.ZahlWochen(), n);
    }
    for (const TKlasse* k : fSchule.fKlassenMenge) {
      EXPECT_EQ(k->fSperrung.ZahlWochen(), n);
      EXPECT_EQ(k->fBesetzung.ZahlWochen(), n);
      EXPECT_EQ(k->fSoll.ZahlWochen(), n);
    }
    for (const TRaum* r : fSchule.fRaumMenge) {
      EXPECT_EQ(r->fSperrung.ZahlWochen(), n);
      EXPECT_EQ(r->fBesetzung.ZahlWochen(), n);
    }
  }

  int Setzungen() const {
    int n = 0;
    for (const TKurs* k : fSchule.fKursMenge) n += k->fSetzungen.ListeZahlElemente();
    return n;
  }

  TSkriptDialoge fDialoge;
};

TEST_F(VersionenTest, GrowingGivesEmptyNewVersionsAndTemplatesOnlySchoolWide) {
  fStandard.fGrWoElem.SetTag(1, 0x3);
  fStandard.fKuWoElem.SetTag(2, 0x5);
  Versionen(2);
  fSchule.fGrWoBereich.SetWoche(1, fStandard.fGrWoElem);
  TLehrer* l = fSchule.HoleLehrer("MUE");
  TKlasse* c = fSchule.HoleKlasse("5a");
  TRaum* r = fSchule.HoleRaum("R1");
  TKurs* k = Kurs(l, c, 3, r);
  k->fStunden.SetWochenStunde(0, 3);
  Setze(k, 2, 3, 4, r);
  fSchule.SetDirty(false);

  VersionErweitern(fSchule, 4);

  EXPECT_EQ(fStandard.fMaxWocheNeu, 4);
  EXPECT_TRUE(fSchule.IsDirty());
  ErwarteWochenZahl(4);
  EXPECT_EQ(k->fStunden.GetWochenStunde(0), 6);  // 3 + 3 + 0 + 0
  EXPECT_EQ(k->fStunden.GetWochenStunde(3), 0);
  EXPECT_EQ(l->GetSoll(2), 24);
  EXPECT_EQ(l->GetSoll(3), 0);
  EXPECT_EQ(l->GetSoll(4), 0);
  EXPECT_EQ(c->GetSoll(4), 0);
  // The template stays in the versions the teacher had; the new ones start empty.
  EXPECT_EQ(*l->fSperrung.GetWoche(2), fStandard.fGrWoElem);
  EXPECT_EQ(*l->fSperrung.GetWoche(3), TWoElem{});
  EXPECT_EQ(*k->fSperrung.GetWoche(4), TWoElem{});
  EXPECT_EQ(*r->fSperrung.GetWoche(4), TWoElem{});
  EXPECT_EQ(*fSchule.fGrWoBereich.GetWoche(3), fStandard.fGrWoElem);
  EXPECT_EQ(*fSchule.fGrWoBereich.GetWoche(4), fStandard.fGrWoElem);
  EXPECT_EQ(*fSchule.fUEWoBereich.GetWoche(3), fStandard.fKuWoElem);
  EXPECT_EQ(*fSchule.fUEWoBereich.GetWoche(4), fStandard.fKuWoElem);
  // The placement and its occupancy stay where they were.
  EXPECT_EQ(Setzungen(), 1);
  EXPECT_TRUE(l->fBesetzung.GetWocheTagStd(2, 3, 4));
  EXPECT_FALSE(l->fBesetzung.GetWocheTagStd(3, 3, 4));
  EXPECT_TRUE(fDialoge.Protokoll().empty());
}

class VersionenVerkleinernTest : public VersionenTest {
 protected:
  void SetUp() override {
    VersionenTest::SetUp();
    Versionen(3);
    fStandard.fAktuelleWoche = 3;
    l = fSchule.HoleLehrer("MUE");
    c = fSchule.HoleKlasse("5a");
    k = Kurs(l, c, 2);
    k->fStunden.SetWochenStunde(0, 2);
    Setze(k, 2, 1, 1);
    Setze(k, 3, 1, 1);
    Setze(k, 3, 2, 5);
    fSchule.fKalender[0] = 3;
    fSchule.fKalender[1] = 2;
    fSchule.fKalender[887] = 3;
    fSchule.SetDirty(false);
  }
  TLehrer* l = nullptr;
  TKlasse* c = nullptr;
  TKurs* k = nullptr;
};

TEST_F(VersionenVerkleinernTest, ShrinkingAsksAndDropsTheLessonsOfRemovedVersions) {
  fDialoge.Antworte("Ja");
  EXPECT_TRUE(VersionVerkleinern(fSchule, 2));

  const auto fragen = fDialoge.Protokoll(TDialogVorgang::Frage);
  ASSERT_EQ(fragen.size(), 1u);
  EXPECT_EQ(fragen[0].fTitel, "Planversionen");
  EXPECT_EQ(
      fragen[0].fZeilen,
      (std::vector<std::string>{
          "In den zu l\xF6schenden Planversionen sind Stunden verplant. Trotzdem l\xF6schen?"}));
  EXPECT_EQ(fragen[0].fKnoepfe, (std::vector<std::string>{"Ja", "Nein"}));
  EXPECT_EQ(fragen[0].fArt, TMeldungsArt::Warnung);

  EXPECT_EQ(fStandard.fMaxWocheNeu, 2);
  EXPECT_EQ(fStandard.fAktuelleWoche, 2);
  EXPECT_TRUE(fSchule.IsDirty());
  ErwarteWochenZahl(2);
  ASSERT_EQ(Setzungen(), 1);
  EXPECT_TRUE(k->fSetzungen.ListeNrInhalt(1)->Liegt(2, 1, 1));
  EXPECT_TRUE(l->fBesetzung.GetWocheTagStd(2, 1, 1));
  EXPECT_TRUE(c->fBesetzung.GetWocheTagStd(2, 1, 1));
  EXPECT_EQ(fSchule.fKalender[0], 1);
  EXPECT_EQ(fSchule.fKalender[1], 2);
  EXPECT_EQ(fSchule.fKalender[887], 1);

  // Growing again brings empty versions back, not the old lessons.
  VersionErweitern(fSchule, 3);
  EXPECT_FALSE(l->fBesetzung.GetWocheTagStd(3, 1, 1));
  EXPECT_EQ(k->fStunden.GetWochenStunde(3), 0);
}

TEST_F(VersionenVerkleinernTest, NeinLeavesEverythingAsItWas) {
  fDialoge.Antworte("Nein");
  EXPECT_FALSE(VersionVerkleinern(fSchule, 1));
  EXPECT_EQ(fDialoge.Anzahl(TDialogVorgang::Frage), 1u);
  EXPECT_EQ(fStandard.fMaxWocheNeu, 3);
  EXPECT_EQ(fStandard.fAktuelleWoche, 3);
  EXPECT_FALSE(fSchule.IsDirty());
  ErwarteWochenZahl(3);
  EXPECT_EQ(Setzungen(), 3);
  EXPECT_TRUE(l->fBesetzung.GetWocheTagStd(3, 2, 5));
  EXPECT_EQ(k->fStunden.GetWochenStunde(3), 2);
  EXPECT_EQ(fSchule.fKalender[0], 3);
}

TEST_F(VersionenVerkleinernTest, WithoutLessonsInTheRemovedVersionsNothingIsAsked) {
  k->AlleSetzungenAufgeben();
  Setze(k, 1, 1, 1);
  EXPECT_TRUE(VersionVerkleinern(fSchule, 1));
  EXPECT_TRUE(fDialoge.Protokoll().empty());
  EXPECT_EQ(fStandard.fMaxWocheNeu, 1);
  EXPECT_EQ(fStandard.fAktuelleWoche, 1);
  ErwarteWochenZahl(1);
  EXPECT_EQ(Setzungen(), 1);
  EXPECT_EQ(fSchule.fKalender[1], 1);
}

class VersionenTageTest : public VersionenTest {
 protected:
  void SetUp() override {
    VersionenTest::SetUp();
    l = fSchule.HoleLehrer("MUE");
    c = fSchule.HoleKlasse("5a");
    r = fSchule.HoleRaum("R1");
    k = Kurs(l, c, 5, r);
  }
  std::vector<std::string> Frage(const std::string& tage) const {
    return {"Es sind f\xFCr", tage, "Stunden in den Pl\xE4nen  eingetragen.",
            "Sollen diese Stunden gel\xF6scht werden?"};
  }
  TLehrer* l = nullptr;
  TKlasse* c = nullptr;
  TRaum* r = nullptr;
  TKurs* k = nullptr;
};

TEST_F(VersionenTageTest, NeinKeepsTheDaysTheLessonsNeed) {
  fStandard.fMaxTageNeu = 6;
  Setze(k, 1, 6, 2, r);
  EXPECT_EQ(GroessterBelegterTag(fSchule), 6);
  fDialoge.Antworte("Nein");
  EXPECT_EQ(TageReduzieren(fSchule, 5), 6);
  EXPECT_EQ(fStandard.fMaxTageNeu, 6);
  const auto fragen = fDialoge.Protokoll(TDialogVorgang::Frage);
  ASSERT_EQ(fragen.size(), 1u);
  EXPECT_EQ(fragen[0].fTitel, "Stunden l\xF6schen");
  EXPECT_EQ(fragen[0].fZeilen, Frage("Samstag oder Sonntag"));
  EXPECT_EQ(fragen[0].fKnoepfe, (std::vector<std::string>{"Ja", "Nein"}));
  EXPECT_EQ(k->fSetzungen.ListeZahlElemente(), 1);

  // From seven days to five with Saturday the last used day: Nein keeps six.
  fStandard.fMaxTageNeu = 7;
  fDialoge.Antworte("Nein");
  EXPECT_EQ(TageReduzieren(fSchule, 5), 6);
  EXPECT_EQ(fDialoge.Protokoll(TDialogVorgang::Frage)[1].fZeilen, Frage("Samstag oder Sonntag"));
}

TEST_F(VersionenTageTest, JaDeletesTheLessonsOnRemovedDaysWithTheirMarks) {
  Setze(k, 1, 7, 3, r);
  Setze(k, 1, 6, 3, r);
  Setze(k, 1, 1, 3, r);
  fDialoge.Antworte("Ja");
  EXPECT_EQ(TageReduzieren(fSchule, 6), 6);
  EXPECT_EQ(fStandard.fMaxTageNeu, 6);
  EXPECT_EQ(fDialoge.Protokoll(TDialogVorgang::Frage)[0].fZeilen, Frage("Sonntag"));
  EXPECT_EQ(k->fSetzungen.ListeZahlElemente(), 2);
  EXPECT_EQ(k->SetzungFinden(1, 7, 3), nullptr);
  EXPECT_FALSE(k->fBesetzung.GetWocheTagStd(1, 7, 3));
  EXPECT_FALSE(l->fBesetzung.GetWocheTagStd(1, 7, 3));
  EXPECT_FALSE(c->fBesetzung.GetWocheTagStd(1, 7, 3));
  EXPECT_FALSE(r->fBesetzung.GetWocheTagStd(1, 7, 3));
  EXPECT_TRUE(r->fBesetzung.GetWocheTagStd(1, 6, 3));
  EXPECT_EQ(GroessterBelegterTag(fSchule), 6);
}

TEST_F(VersionenTageTest, OnlyLessonsBeyondTheNewWeekAsk) {
  EXPECT_EQ(GroessterBelegterTag(fSchule), 5);  // an empty plan still needs five days
  Setze(k, 1, 5, 3, r);
  EXPECT_EQ(TageReduzieren(fSchule, 5), 5);
  EXPECT_EQ(TageReduzieren(fSchule, 7), 7);
  EXPECT_EQ(TageReduzieren(fSchule, 6), 6);
  EXPECT_TRUE(fDialoge.Protokoll().empty());
  EXPECT_EQ(k->fSetzungen.ListeZahlElemente(), 1);
}

TEST_F(VersionenTest, EckdatenStoreTheValuesInRangeAndRefreshEveryWindow) {
  TTestFenster fenster(9, "Lehrerplan MUE");
  fSchule.FensterAnmelden("Lehrerplan MUE", &fenster);
  TKurs* k = Kurs(fSchule.HoleLehrer("MUE"), nullptr, 2);
  Setze(k, 1, 7, 1);
  TEckdaten werte;
  werte.fTage = 5;
  werte.fPlnStd = 20;
  werte.fVersionen = 3;
  werte.fDivisor = 500;
  werte.fVorKomma = 0;
  werte.fNachKomma = 2;
  werte.fVertrMerke = 30;
  werte.fSpeicherZeit = 15;
  fDialoge.Antworte("Nein");
  EckdatenUebernehmen(fSchule, fStandard, werte);

  TEckdaten erwartet = werte;
  erwartet.fTage = 7;  // the Sunday lesson stays
  erwartet.fPlnStd = 16;
  erwartet.fDivisor = 100;
  erwartet.fVorKomma = 1;
  EXPECT_EQ(EckdatenAus(fStandard), erwartet);
  ErwarteWochenZahl(3);
  EXPECT_EQ(fenster.fUpdates, 1);

  // Back to one version: the question of the removed versions has nothing to ask here.
  werte.fVersionen = 1;
  werte.fTage = 7;
  EckdatenUebernehmen(fSchule, fStandard, werte);
  EXPECT_EQ(fStandard.fMaxWocheNeu, 1);
  EXPECT_EQ(fDialoge.Anzahl(TDialogVorgang::Frage), 1u);
  fSchule.FensterAbmelden(&fenster);
}

}  // namespace
}  // namespace orbato
