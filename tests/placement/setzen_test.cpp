#include "placement/setzen.h"

#include <gtest/gtest.h>

#include "model/dokument/undo.h"
#include "model/schnittstellen/fenster.h"
#include "model/schnittstellen/testfenster.h"
#include "model/schnittstellen/uhr.h"
#include "model/schulfixture.h"
#include "model/woche/versionen.h"
#include "placement/planzellen.h"
#include "placement/widerrufen.h"

namespace orbato {
namespace {

// A class plan window: remembers what each cell was told to show.
class TKlassenPlan : public TTestFenster, public TPlanZellen {
 public:
  TKlassenPlan() : TTestFenster(10, "Plan 5a") {}
  char ZellMarke(int32_t tag, int32_t std) const override { return fMarke[tag][std]; }
  void ZelleZeigen(int32_t tag, int32_t std, TKurs* kurs, char marke) override {
    fKurs[tag][std] = kurs;
    fMarke[tag][std] = marke;
  }
  int32_t ZellWoche() const override { return 1; }

  TKurs* fKurs[8][17] = {};
  char fMarke[8][17] = {};
};

class SetzenTest : public SchulTest {
 protected:
  SetzenTest() {
    fSchule.SetUhr(&fUhr);
    lehrer = fSchule.HoleLehrer("MEI");
    andererLehrer = fSchule.HoleLehrer("ABE");
    klasse = fSchule.HoleKlasse("5a");
    raum = fSchule.HoleRaum("R1");
  }

  TFesteUhr fUhr{46364.5};
  TLehrer* lehrer;
  TLehrer* andererLehrer;
  TKlasse* klasse;
  TRaum* raum;
};

TEST_F(SetzenTest, PlacesAnHourWithItsOccupancyChangeTimesAndWindows) {
  TKurs* kurs = Kurs(lehrer, klasse, 2, raum);
  TTestFenster lehrerPlan(9, "Plan MEI");
  lehrer->fPlnFenster = &lehrerPlan;
  fSchule.SetDirty(false);

  TSetzung* s = NeueSetzung(*kurs, 1, 3, raum, 2);
  ASSERT_NE(s, nullptr);
  EXPECT_FALSE(s->fFixiert);
  EXPECT_EQ(s->fRaum, raum);
  for (const TPlanElement* e : std::initializer_list<const TPlanElement*>{lehrer, klasse, raum}) {
    EXPECT_TRUE(e->fBesetzung.GetWocheTagStd(1, 3, 2));
    EXPECT_EQ(e->fLetzteAenderung, 46364.5);
  }
  EXPECT_TRUE(kurs->fBesetzung.GetWocheTagStd(1, 3, 2));
  EXPECT_EQ(lehrerPlan.fUpdates, 1);
  EXPECT_TRUE(fSchule.IsDirty());

  // Two lessons of two: no hour is left, and a course not to be planned takes none.
  ASSERT_NE(NeueSetzung(*kurs, 1, 4, nullptr, 2), nullptr);
  EXPECT_EQ(NeueSetzung(*kurs, 1, 5, nullptr, 2), nullptr);
  TKurs* nie = Kurs(lehrer, klasse, 2);
  nie->fNichtVerplanen = true;
  EXPECT_EQ(NeueSetzung(*nie, 1, 5, nullptr, 2), nullptr);
  EXPECT_EQ(kurs->fSetzungen.ListeZahlElemente(), 2);
  lehrer->fPlnFenster = nullptr;
}

// Coupled courses share the class's cell: it stays occupied until the last of them leaves, and
// the class window then shows what is left there.
TEST_F(SetzenTest, AClassCellStaysOccupiedWhileACoupledLessonRemains) {
  TKopplung* kopplung = fSchule.HoleKopplung("RE5");
  TKurs* ev = Kurs(lehrer, klasse, 1, nullptr, nullptr, kopplung);
  TKurs* kr = Kurs(andererLehrer, klasse, 1, raum, nullptr, kopplung);
  NeueSetzung(*ev, 1, 2, nullptr, 3);
  NeueSetzung(*kr, 1, 2, raum, 3)->SetFixiert(true);
  TKlassenPlan plan;
  klasse->fPlnFenster = &plan;

  LoescheSetzung(*ev, 1, 2, false, 3);
  EXPECT_TRUE(klasse->fBesetzung.GetWocheTagStd(1, 2, 3));
  EXPECT_FALSE(lehrer->fBesetzung.GetWocheTagStd(1, 2, 3));
  EXPECT_EQ(plan.fKurs[2][3], kr);
  EXPECT_EQ(plan.fMarke[2][3], 'F');

  LoescheSetzung(*kr, 1, 2, false, 3);
  EXPECT_FALSE(klasse->fBesetzung.GetWocheTagStd(1, 2, 3));
  EXPECT_FALSE(raum->fBesetzung.GetWocheTagStd(1, 2, 3));
  EXPECT_EQ(plan.fKurs[2][3], nullptr);
  EXPECT_EQ(plan.fMarke[2][3], ' ');
  klasse->fPlnFenster = nullptr;
}

TEST_F(SetzenTest, RemovingWithTheWholeCouplingTakesEveryCoupledLesson) {
  TKopplung* kopplung = fSchule.HoleKopplung("RE5");
  TKurs* ev = Kurs(lehrer, klasse, 1, nullptr, nullptr, kopplung);
  TKurs* kr = Kurs(andererLehrer, klasse, 1, nullptr, nullptr, kopplung);
  NeueSetzung(*ev, 1, 2, nullptr, 3);
  NeueSetzung(*kr, 1, 2, nullptr, 3);
  LoescheSetzung(*ev, 1, 2, true, 3);
  EXPECT_EQ(ev->fSetzungen.ListeZahlElemente(), 0);
  EXPECT_EQ(kr->fSetzungen.ListeZahlElemente(), 0);
  EXPECT_FALSE(klasse->fBesetzung.GetWocheTagStd(1, 2, 3));
}

TEST_F(SetzenTest, AMovedHourKeepsItsRoomAndLosesItsFixing) {
  TKurs* kurs = Kurs(lehrer, klasse, 1, raum);
  NeueSetzung(*kurs, 1, 1, raum, 1)->SetFixiert(true);
  Schiebe(*kurs, 4, 5, true, 1, 1);
  ASSERT_EQ(kurs->fSetzungen.ListeZahlElemente(), 1);
  const TSetzung* s = kurs->fSetzungen.ListeNrInhalt(1);
  EXPECT_EQ(s->fTag, 4);
  EXPECT_EQ(s->fStunde, 5);
  EXPECT_EQ(s->fRaum, raum);
  EXPECT_FALSE(s->fFixiert);
  EXPECT_FALSE(raum->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_TRUE(raum->fBesetzung.GetWocheTagStd(1, 4, 5));

  TRaum* anderer = fSchule.HoleRaum("R2");
  SchiebeMitRaum(*kurs, 2, 2, anderer, false, 5, 4);
  EXPECT_EQ(kurs->fSetzungen.ListeNrInhalt(1)->fRaum, anderer);
  EXPECT_FALSE(raum->fBesetzung.GetWocheTagStd(1, 4, 5));
  EXPECT_TRUE(anderer->fBesetzung.GetWocheTagStd(1, 2, 2));
}

// In all-versions mode an hour placed only in version 2 moves out of it and into every version
// that still has an hour left.
TEST_F(SetzenTest, MovingInAllVersionsPlacesWhereHoursAreLeft) {
  VersionErweitern(fSchule, 3);
  fStandard.fEineWoche = false;
  TKurs* kurs = Kurs(lehrer, klasse, 1);
  NeueSetzung(*kurs, 2, 1, nullptr, 1);
  NeueSetzung(*kurs, 3, 5, nullptr, 5);  // version 3 has no hour left
  Schiebe(*kurs, 2, 2, false, 1, 1);
  EXPECT_EQ(kurs->SetzungFinden(2, 1, 1), nullptr);
  EXPECT_NE(kurs->SetzungFinden(1, 2, 2), nullptr);
  EXPECT_NE(kurs->SetzungFinden(2, 2, 2), nullptr);
  EXPECT_EQ(kurs->SetzungFinden(3, 2, 2), nullptr);
  EXPECT_EQ(kurs->fSetzungen.ListeZahlElemente(), 3);
  EXPECT_TRUE(lehrer->fBesetzung.GetWocheTagStd(2, 2, 2));
  EXPECT_FALSE(lehrer->fBesetzung.GetWocheTagStd(2, 1, 1));
}

TEST_F(SetzenTest, RoomOfACellOverTheVersionsAndTheFirstFreeRoom) {
  VersionErweitern(fSchule, 2);
  fStandard.fEineWoche = false;
  TRaum* b = fSchule.HoleRaum("R2");
  TKurs* kurs = Kurs(lehrer, klasse, 2, raum);
  kurs->RaumErgaenzen(b, false);
  NeueSetzung(*kurs, 1, 1, raum, 1);
  EXPECT_EQ(RaumFinden(*kurs, -1, 1, 1), raum);  // version 2 has no lesson there
  NeueSetzung(*kurs, 2, 1, b, 1);
  EXPECT_EQ(RaumFinden(*kurs, -1, 1, 1), nullptr);
  EXPECT_EQ(RaumFinden(*kurs, 2, 1, 1), b);
  EXPECT_EQ(FreierRaum(*kurs, 1, 1, 1), b);
  b->fSperrung.SetWocheTagStd(1, 1, true, 1);
  EXPECT_EQ(FreierRaum(*kurs, 1, 1, 1), nullptr);
  EXPECT_EQ(FreierRaum(*kurs, 1, 1, 2), raum);
}

TEST_F(SetzenTest, LiftingACourseOutOfItsCellAndBack) {
  TKurs* kurs = Kurs(lehrer, klasse, 1, raum);
  NeueSetzung(*kurs, 1, 3, raum, 3);
  AendereBesetzung(*kurs, -1, 3, true, false, 3);
  for (const TWochBereich* b :
       {&kurs->fBesetzung, &lehrer->fBesetzung, &klasse->fBesetzung, &raum->fBesetzung}) {
    EXPECT_FALSE(b->GetWocheTagStd(1, 3, 3));
  }
  AendereBesetzung(*kurs, -1, 3, true, true, 3);
  for (const TWochBereich* b :
       {&kurs->fBesetzung, &lehrer->fBesetzung, &klasse->fBesetzung, &raum->fBesetzung}) {
    EXPECT_TRUE(b->GetWocheTagStd(1, 3, 3));
  }
}

// Three lessons placed and one removed are all taken back: the removed one comes back first,
// then the three go. Replaying records nothing.
TEST_F(SetzenTest, TheJournalTakesBackEveryChangeFromTheNewest) {
  TKurs* kurs = Kurs(lehrer, klasse, 3, raum);
  TKurs* vorher = Kurs(andererLehrer, nullptr, 1);
  NeueSetzung(*vorher, 1, 5, nullptr, 5);
  TUndoProtokoll protokoll;
  std::vector<TKurs*> vorgemerkt;
  std::vector<bool> befehle;
  protokoll.fKursVormerken = [&](TKurs* k) { vorgemerkt.push_back(k); };
  protokoll.fBefehleAn = [&](bool an) { befehle.push_back(an); };
  fSchule.fProtokoll = &protokoll;

  NeueSetzung(*kurs, 1, 1, raum, 1);
  NeueSetzung(*kurs, 1, 2, raum, 2);
  NeueSetzung(*kurs, 1, 3, nullptr, 3);
  LoescheSetzung(*kurs, 1, 2, false, 2);
  ASSERT_EQ(protokoll.fUndoListe.ListeZahlElemente(), 4);
  const TUndoElement* letzter = protokoll.fUndoListe.ListeNrInhalt(4);
  EXPECT_EQ(letzter->fArt, weg);
  EXPECT_EQ(letzter->fRaum, raum);
  EXPECT_EQ(letzter->fTag, 2);
  EXPECT_EQ(vorgemerkt, std::vector<TKurs*>{kurs});

  const std::size_t aufgezeichnet = befehle.size();
  WiderrufenProtokoll(protokoll);
  // Replaying records nothing: no entry enabled the commands again, no course was put aside.
  EXPECT_EQ(befehle.size(), aufgezeichnet + 1);
  EXPECT_EQ(vorgemerkt.size(), 1u);
  EXPECT_EQ(protokoll.fUndoListe.ListeZahlElemente(), 0);
  EXPECT_EQ(kurs->fSetzungen.ListeZahlElemente(), 0);
  EXPECT_EQ(vorher->fSetzungen.ListeZahlElemente(), 1);
  EXPECT_FALSE(raum->fBesetzung.GetWocheTagStd(1, 2, 2));
  EXPECT_EQ(befehle.back(), false);
  EXPECT_EQ(befehle.front(), true);

  // After "Löschen Protokoll" a new journal starts; a destroyed course takes its entries along.
  NeueSetzung(*kurs, 1, 1, nullptr, 1);
  protokoll.Loeschen();
  EXPECT_EQ(protokoll.fUndoListe.ListeZahlElemente(), 0);
  NeueSetzung(*vorher, 1, 4, nullptr, 4);  // no hour left: nothing recorded
  NeueSetzung(*kurs, 1, 2, nullptr, 2);
  TKurs* weg = Kurs(andererLehrer, nullptr, 1);
  NeueSetzung(*weg, 1, 6, nullptr, 6);
  fSchule.KursEntfernen(weg);
  ASSERT_EQ(protokoll.fUndoListe.ListeZahlElemente(), 1);
  EXPECT_EQ(protokoll.fUndoListe.ListeNrInhalt(1)->fKurs, kurs);
  fSchule.fProtokoll = nullptr;
}

}  // namespace
}  // namespace orbato
