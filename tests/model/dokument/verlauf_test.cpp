#include "model/dokument/verlauf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "model/demo/demoschule.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schulfixture.h"
#include "placement/planloeschen.h"
#include "placement/raeume.h"
#include "placement/setzen.h"
#include "placement/setzmenue.h"
#include "placement/tausch.h"
#include "scheduler/automatik.h"
#include "scheduler/komprimieren.h"

namespace orbato {
namespace {

void Bereich(std::ostringstream& aus, const TWochBereich& b) {
  for (int32_t w = 1; w <= b.ZahlWochen(); ++w) {
    for (int32_t t = 1; t <= 7; ++t) aus << b.GetWocheTag(w, t) << ',';
  }
  aus << ';';
}

// Everything undo must bring back: every placement with room and fixed mark, every occupancy and
// blocking grid, the lessons, and the dirty mark.
std::string Stand(const TSchule& schule) {
  std::ostringstream aus;
  aus << "dirty " << schule.IsDirty() << '\n';
  for (const TKurs* k : schule.fKursMenge) {
    std::vector<std::tuple<int32_t, int32_t, int32_t, const TRaum*, bool>> zellen;
    for (const TSetzung* s : k->fSetzungen)
      zellen.emplace_back(s->fWoche, s->fTag, s->fStunde, s->fRaum, s->fFixiert);
    std::sort(zellen.begin(), zellen.end());
    for (const auto& [w, t, p, r, f] : zellen)
      aus << w << '.' << t << '.' << p << ' ' << (r ? r->fKuerzel.str() : "-") << f << ' ';
    Bereich(aus, k->fBesetzung);
    Bereich(aus, k->fSperrung);
    for (int32_t w = 1; w <= k->fStunden.ZahlWochen(); ++w) aus << k->fStunden.GetWochenStunde(w);
    aus << '\n';
  }
  const auto elemente = [&](const auto& menge) {
    for (const TPlanElement* e : menge) {
      aus << e->fKuerzel.str() << ' ';
      Bereich(aus, e->fBesetzung);
      Bereich(aus, e->fSperrung);
      aus << '\n';
    }
  };
  elemente(schule.fLehrerMenge);
  elemente(schule.fKlassenMenge);
  elemente(schule.fRaumMenge);
  return aus.str();
}

// The first line where two states differ, so that a failure names the course or element.
std::string Unterschied(const std::string& a, const std::string& b) {
  std::istringstream ea(a), eb(b);
  std::string za, zb;
  while (std::getline(ea, za)) {
    if (!std::getline(eb, zb)) return "- " + za;
    if (za != zb) return "- " + za + "\n+ " + zb;
  }
  return std::getline(eb, zb) ? "+ " + zb : "";
}

class VerlaufTest : public SchulTest {
 protected:
  TSkriptDialoge fDialoge;
};

TEST_F(VerlaufTest, OneStepPerActionNothingOutsideSteps) {
  TLehrer* l = fSchule.HoleLehrer("MUE");
  TKlasse* k = fSchule.HoleKlasse("5a");
  TRaum* r = fSchule.HoleRaum("R1");
  TKurs* kurs = Kurs(l, k, 3, r);
  Setze(kurs, 1, 1, 1);  // no step open: not recorded
  EXPECT_FALSE(fSchule.fVerlauf.KannWiderrufen());
  {
    TVerlaufSchritt schritt;
    NeueSetzung(*kurs, 1, 2, r, 1);
    {
      TVerlaufSchritt innen;
      NeueSetzung(*kurs, 1, 3, r, 1);
    }
  }
  EXPECT_EQ(fSchule.fVerlauf.ZahlSchritte(), 1u);
  { TVerlaufSchritt leer; }
  EXPECT_EQ(fSchule.fVerlauf.ZahlSchritte(), 1u);
  ASSERT_TRUE(fSchule.fVerlauf.Widerrufen(fSchule));
  EXPECT_EQ(kurs->fSetzungen.ListeZahlElemente(), 1);
  EXPECT_FALSE(l->fBesetzung.GetWocheTagStd(1, 2, 1));
  EXPECT_FALSE(r->fBesetzung.GetWocheTagStd(1, 3, 1));
  EXPECT_TRUE(fSchule.fVerlauf.KannWiederherstellen());
  ASSERT_TRUE(fSchule.fVerlauf.Wiederherstellen(fSchule));
  EXPECT_EQ(kurs->fSetzungen.ListeZahlElemente(), 3);
  EXPECT_TRUE(k->fBesetzung.GetWocheTagStd(1, 3, 1));
  EXPECT_FALSE(fSchule.fVerlauf.Wiederherstellen(fSchule));
}

// A step keeps what changed from its start to its end: a move and its way back, or lifting a
// blocking that was not there, are no step at all.
TEST_F(VerlaufTest, WhatATryTakesBackIsNoStep) {
  TLehrer* l = fSchule.HoleLehrer("MUE");
  TRaum* r = fSchule.HoleRaum("R1");
  TKurs* kurs = Kurs(l, fSchule.HoleKlasse("5a"), 1, r);
  Setze(kurs, 1, 1, 1, r);
  {
    TVerlaufSchritt schritt;
    fStandard.fAktuelleWoche = 1;
    Schiebe(*kurs, 2, 2, false, 1, 1);
    Schiebe(*kurs, 1, 1, false, 2, 2);
    kurs->EntSperre(1, 3, r, 3);
  }
  EXPECT_FALSE(fSchule.fVerlauf.KannWiderrufen());
  {
    TVerlaufSchritt schritt;
    EntferneRaumInSetzung(*kurs, kurs->SetzungFinden(1, 1, 1));
    Schiebe(*kurs, 2, 2, false, 1, 1);
    Schiebe(*kurs, 1, 1, false, 2, 2);
  }
  ASSERT_TRUE(fSchule.fVerlauf.Widerrufen(fSchule));
  ASSERT_NE(kurs->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_EQ(kurs->SetzungFinden(1, 1, 1)->fRaum, r);
  EXPECT_TRUE(r->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(l->fBesetzung.GetWocheTagStd(1, 2, 2));
}

TEST_F(VerlaufTest, NewActionDropsRedoAndDeletingACourseForgetsAll) {
  TKurs* a = Kurs(fSchule.HoleLehrer("A"), fSchule.HoleKlasse("5a"), 2);
  TKurs* b = Kurs(fSchule.HoleLehrer("B"), fSchule.HoleKlasse("5b"), 2);
  {
    TVerlaufSchritt schritt;
    NeueSetzung(*a, 1, 1, nullptr, 1);
  }
  fSchule.fVerlauf.Widerrufen(fSchule);
  {
    TVerlaufSchritt schritt;
    NeueSetzung(*b, 1, 1, nullptr, 1);
  }
  EXPECT_FALSE(fSchule.fVerlauf.KannWiederherstellen());
  {
    TVerlaufSchritt schritt;
    NeueSetzung(*a, 1, 2, nullptr, 1);
    // Deleting inside a step: neither this step nor any before may name the course any more.
    fSchule.KursEntfernen(a);
    NeueSetzung(*b, 1, 3, nullptr, 1);
  }
  EXPECT_FALSE(fSchule.fVerlauf.KannWiderrufen());
  EXPECT_EQ(b->fSetzungen.ListeZahlElemente(), 2);
}

TEST_F(VerlaufTest, DirtyMarkFollowsTheSavedState) {
  TKurs* a = Kurs(fSchule.HoleLehrer("A"), fSchule.HoleKlasse("5a"), 3);
  fSchule.SetDirty(false);
  for (int32_t tag = 1; tag <= 2; ++tag) {
    TVerlaufSchritt schritt;
    NeueSetzung(*a, 1, tag, nullptr, 1);
  }
  fSchule.fVerlauf.Widerrufen(fSchule);
  EXPECT_TRUE(fSchule.IsDirty());
  fSchule.fVerlauf.Widerrufen(fSchule);
  EXPECT_FALSE(fSchule.IsDirty());
  fSchule.fVerlauf.Wiederherstellen(fSchule);
  fSchule.SetDirty(false);  // saved after the first placement
  fSchule.fVerlauf.Widerrufen(fSchule);
  EXPECT_TRUE(fSchule.IsDirty());
  fSchule.fVerlauf.Wiederherstellen(fSchule);
  EXPECT_TRUE(fSchule.IsDirty());
}

TEST_F(VerlaufTest, RoomFixingAndBlockingComeBack) {
  TLehrer* l = fSchule.HoleLehrer("MUE");
  TKlasse* k = fSchule.HoleKlasse("5a");
  TRaum* r1 = fSchule.HoleRaum("R1");
  TRaum* r2 = fSchule.HoleRaum("R2");
  TKurs* kurs = Kurs(l, k, 2, r1);
  TSetzung* s = Setze(kurs, 1, 1, 1, r1);
  l->fSperrung.SetWocheTagStd(1, 2, true, 2);
  fSchule.SetDirty(false);
  const std::string vorher = Stand(fSchule);
  {
    TVerlaufSchritt schritt;
    AendereRaumInSetzung(*kurs, s, r2);
    FixiereZelle(fSchule, fStandard, *kurs, 1, 1);
    kurs->EntSperre(1, 2, r2, 2);
  }
  EXPECT_TRUE(r2->fBesetzung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(l->fSperrung.GetWocheTagStd(1, 2, 2));
  const std::string nachher = Stand(fSchule);
  fSchule.fVerlauf.Widerrufen(fSchule);
  EXPECT_EQ(Stand(fSchule), vorher);
  fSchule.fVerlauf.Wiederherstellen(fSchule);
  EXPECT_EQ(Stand(fSchule), nachher);
}

// Thousands of random user actions of every kind on a demo school in two plan versions, then
// all undone and all redone.
class VerlaufZufallTest : public VerlaufTest {
 protected:
  VerlaufZufallTest() {
    fSchule.SetDialoge(&fDialoge);
    ErzeugeDemoSchule(fSchule, fStandard, TDemoGroesse::mittel);
    fSchule.SetDirty(false);
    fKurse.assign(fSchule.fKursMenge.begin(), fSchule.fKursMenge.end());
  }

  int32_t Zahl(int32_t von, int32_t bis) {
    return std::uniform_int_distribution<int32_t>(von, bis)(fZufall);
  }
  TKurs* Irgendein() { return fKurse[Zahl(0, static_cast<int32_t>(fKurse.size()) - 1)]; }
  TSetzung* IrgendeineSetzung(TKurs*& kurs) {
    for (int versuch = 0; versuch < 50; ++versuch) {
      kurs = Irgendein();
      const int32_t n = kurs->fSetzungen.ListeZahlElemente();
      if (n > 0) return kurs->fSetzungen.ListeNrInhalt(Zahl(1, n));
    }
    return nullptr;
  }
  // A cell no course of the group holds in any version, so that a course never holds a cell
  // twice, as the placing rules guarantee.
  bool Frei(const std::vector<TKurs*>& kurse, int32_t tag, int32_t std) {
    for (const TKurs* k : kurse) {
      if (k->fBesetzung.GetWocheTagStd(0, tag, std)) return false;
    }
    return true;
  }
  int32_t Tag() { return Zahl(1, fStandard.fMaxTageNeu); }
  int32_t Std() { return Zahl(1, fStandard.fPlnStd); }

  void Setzen() {
    TKurs* k = Irgendein();
    const int32_t tag = Tag(), std = Std();
    if (Frei({k}, tag, std)) NeueSetzung(*k, Zahl(1, 2), tag, FreierRaum(*k, 1, tag, std), std);
  }
  void Loeschen() {
    TKurs* k = nullptr;
    if (TSetzung* s = IrgendeineSetzung(k))
      LoescheSetzung(*k, Zahl(0, 1) ? -1 : s->fWoche, s->fTag, Zahl(0, 1), s->fStunde);
  }
  void Schieben() {
    TKurs* k = nullptr;
    TSetzung* s = IrgendeineSetzung(k);
    if (s == nullptr) return;
    const bool mitKopplung = Zahl(0, 1);
    const int32_t tag = Tag(), std = Std();
    if (!Frei(mitKopplung ? k->MitKopplung() : std::vector<TKurs*>{k}, tag, std)) return;
    fStandard.fAktuelleWoche = s->fWoche;
    Schiebe(*k, tag, std, mitKopplung, s->fStunde, s->fTag);
  }
  void Raum() {
    TKurs* k = nullptr;
    TSetzung* s = IrgendeineSetzung(k);
    if (s == nullptr) return;
    switch (Zahl(0, 2)) {
      case 0:
        // As the room menus do: a room the course does not list yet is adopted.
        RaumAenderung(*k, fSchule.fRaumMenge.ListeNrInhalt(Zahl(1, 5)), s->fWoche, s->fStunde,
                      s->fTag);
        break;
      case 1:
        EntferneRaumInSetzung(*k, s);
        break;
      default:
        RaumAbgleich(*k);
    }
  }
  void Fixieren() {
    TKurs* k = nullptr;
    if (TSetzung* s = IrgendeineSetzung(k)) {
      fStandard.fAktuelleWoche = s->fWoche;
      FixiereZelle(fSchule, fStandard, *k, s->fTag, s->fStunde);
    }
  }
  void Entsperren() {
    TKurs* k = Irgendein();
    k->EntSperre(Zahl(1, 2), Tag(), k->ErsterRaum(), Std());
  }
  void Automatik() {
    std::vector<TKurs*> auswahl;
    for (int i = 0; i < 8; ++i) auswahl.push_back(Irgendein());
    TAutomatik(auswahl).Rechne();
  }
  void Komprimieren() { TKomprimierung(fSchule).StartKnopfClick(); }
  void Tauschen() { TauscheAlleStunden(fSchule, Tag(), Std(), Std(), Tag()); }
  // The bulk deletion of a day's afternoon for a range of classes.
  void PlaeneLoeschen() {
    TPlanLoeschung loeschen(fSchule);
    loeschen.SetzeArt(fuerKlassen);
    loeschen.SetzeOhneFixierte(Zahl(0, 1));
    loeschen.WaehleVon(fSchule.fKlassenMenge.ListeNrInhalt(Zahl(1, 10)));
    loeschen.WaehleBis(fSchule.fKlassenMenge.ListeNrInhalt(Zahl(11, 20)));
    const int32_t tag = Tag();
    for (int32_t t = 1; t <= fStandard.fMaxTageNeu; ++t) {
      if (t != tag) loeschen.Ziehen(t, 1, t, 16);
    }
    loeschen.Ziehen(tag, 1, tag, 3);
    loeschen.Loeschen();
  }

  void Aktion() {
    fStandard.fEineWoche = Zahl(0, 1);
    fStandard.fAktuelleWoche = Zahl(1, 2);
    TVerlaufSchritt schritt;
    const int32_t art = Zahl(0, 99);
    if (art < 30) {
      Setzen();
    } else if (art < 50) {
      Loeschen();
    } else if (art < 70) {
      Schieben();
    } else if (art < 82) {
      Raum();
    } else if (art < 88) {
      Fixieren();
    } else if (art < 92) {
      Tauschen();
    } else if (art < 96) {
      Entsperren();
    } else if (art < 98) {
      PlaeneLoeschen();
    } else if (art < 99) {
      Automatik();
    } else {
      Komprimieren();
    }
  }

  std::mt19937 fZufall{20261209};
  std::vector<TKurs*> fKurse;
};

TEST_F(VerlaufZufallTest, UndoingEverythingRestoresThePlanAndRedoingEverythingRepeatsIt) {
  const std::string anfang = Stand(fSchule);
  for (int i = 0; i < 3000; ++i) Aktion();
  const std::string ende = Stand(fSchule);
  ASSERT_NE(ende, anfang);
  const size_t schritte = fSchule.fVerlauf.ZahlSchritte();
  EXPECT_GT(schritte, 2000u);
  size_t widerrufen = 0;
  while (fSchule.fVerlauf.Widerrufen(fSchule)) ++widerrufen;
  EXPECT_EQ(widerrufen, schritte);
  EXPECT_EQ(Unterschied(anfang, Stand(fSchule)), "");
  while (fSchule.fVerlauf.Wiederherstellen(fSchule)) {
  }
  EXPECT_EQ(Unterschied(ende, Stand(fSchule)), "");
}

}  // namespace
}  // namespace orbato
