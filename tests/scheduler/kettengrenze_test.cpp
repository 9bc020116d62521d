#include "scheduler/kettengrenze.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "model/schnittstellen/dialoge.h"
#include "model/schulfixture.h"
#include "placement/regeln.h"
#include "scheduler/komprimieren.h"

namespace orbato {
namespace {

class KettenGrenzeTest : public SchulTest {
 protected:
  KettenGrenzeTest() {
    fStandard.fMaxTageNeu = 5;
    fStandard.fPlnStd = 9;
    for (int32_t tag = 2; tag <= 7; ++tag) f5a->fSperrung.SetWocheTagStd(0, tag, true, 0);
  }
  TKurs* Stunde(int32_t tag, int32_t std) {
    TKurs* k = Kurs(nullptr, f5a, 1);
    Setze(k, 1, tag, std);
    return k;
  }
  const TKettenGrenze& Grenze() {
    int32_t maxim = 0;
    f5a->HohlStunden(1, maxim, fMaximum);
    fGrenze.Berechnen(*f5a, 1, fMaximum);
    return fGrenze;
  }

  TKlasse* f5a = fSchule.HoleKlasse("5a");
  std::array<int32_t, 8> fMaximum{};
  TKettenGrenze fGrenze;
};

// Four hours in periods 2..5, each of which may go only one period up: a gap in period 1 needs
// four moves, one in period 2 three, and so on; nothing fits the free period 6, Tuesday or a
// period after the last one shown.
TEST_F(KettenGrenzeTest, CountsTheMovesAStaircaseNeeds) {
  for (int32_t s = 2; s <= 5; ++s) {
    TKurs* k = Stunde(1, s);
    k->fSperrung.SetWocheTagStd(0, 0, true, 0);
    k->fSperrung.SetWocheTagStd(0, 1, false, s - 1);
    k->fSperrung.SetWocheTagStd(0, 1, false, s);
  }
  const TKettenGrenze& g = Grenze();
  EXPECT_EQ(g.Mindestens(1, 1), 4);
  EXPECT_EQ(g.Mindestens(1, 2), 3);
  EXPECT_EQ(g.Mindestens(1, 3), 2);
  EXPECT_EQ(g.Mindestens(1, 4), 1);
  EXPECT_EQ(g.Mindestens(1, 5), 1);
  EXPECT_EQ(g.Mindestens(1, 6), TKettenGrenze::kUnerreichbar);
  EXPECT_EQ(g.Mindestens(1, 10), TKettenGrenze::kUnerreichbar);
  EXPECT_EQ(g.Mindestens(2, 1), TKettenGrenze::kUnerreichbar);
}

// A teacher busy in another class stands in the way for good; one busy in this class only with
// the hour that leaves the gap does not. Fixed and coupled hours never move.
TEST_F(KettenGrenzeTest, OnlyObstaclesNoChainMovesCount) {
  TLehrer* mue = fSchule.HoleLehrer("MUE");
  TKlasse* f6a = fSchule.HoleKlasse("6a");
  TKurs* letzte = Kurs(mue, f5a, 1);
  Setze(letzte, 1, 1, 4);
  TKurs* fremd = Kurs(mue, f6a, 1);
  Setze(fremd, 1, 1, 2);
  TKurs* eigen = Kurs(mue, f5a, 1);
  Setze(eigen, 1, 1, 3);
  const TKettenGrenze& g = Grenze();
  EXPECT_EQ(g.Mindestens(1, 2), TKettenGrenze::kUnerreichbar);
  EXPECT_EQ(g.Mindestens(1, 3), 1);
  EXPECT_EQ(g.Mindestens(1, 1), 1);

  letzte->SetzungFinden(1, 1, 4)->fFixiert = true;
  eigen->KopplungErgaenzen(fSchule.HoleKopplung("KO"));
  const TKettenGrenze& ohne = Grenze();
  EXPECT_EQ(fMaximum[1], 3);
  EXPECT_EQ(ohne.Mindestens(1, 1), TKettenGrenze::kUnerreichbar);
}

// Every placement, courses by their place in the document's list, so that two schools built
// alike compare.
using TStand = std::tuple<int32_t, int32_t, int32_t, int32_t, std::string, bool>;

std::vector<TStand> Plan(const TSchule& schule) {
  std::vector<TStand> plan;
  int32_t nr = 0;
  for (const TKurs* k : schule.fKursMenge) {
    ++nr;
    for (const TSetzung* s : k->fSetzungen) {
      plan.emplace_back(nr, s->fWoche, s->fTag, s->fStunde,
                        s->fRaum ? s->fRaum->fKuerzel.str() : std::string(), s->fFixiert);
    }
  }
  std::sort(plan.begin(), plan.end());
  return plan;
}

// Three classes with a crowded week: teachers and rooms shared between them, a course of two
// classes now and then, double periods, a few fixed and coupled hours, blockings, hours after
// the last period shown.
void Zufallsschule(TSchule& schule, TStandard& standard, uint32_t saat) {
  std::mt19937 zufall(saat);
  const auto wurf = [&](int32_t n) { return static_cast<int32_t>(zufall() % n); };
  standard.fKompBruecken = wurf(2) == 0;
  standard.fKompMehrfach = wurf(2) == 0;
  std::vector<TLehrer*> lehrer;
  for (int32_t i = 0; i < 6; ++i) lehrer.push_back(schule.HoleLehrer("L" + std::to_string(i)));
  std::vector<TRaum*> raeume = {nullptr, schule.HoleRaum("R1"), schule.HoleRaum("R2")};
  std::vector<TKlasse*> klassen;
  for (int32_t i = 0; i < 3; ++i) klassen.push_back(schule.HoleKlasse("K" + std::to_string(i)));
  TKopplung* kopplung = schule.HoleKopplung("KO");
  for (TKlasse* kl : klassen) {
    for (int32_t i = 0; i < 9; ++i) {
      auto* kurs = new TKurs;
      const int32_t stunden = 1 + wurf(3);
      kurs->IKurs(lehrer[wurf(6)], kl, stunden, raeume[wurf(3)], nullptr, nullptr);
      if (wurf(6) == 0) kurs->KlasseErgaenzen(klassen[wurf(3)]);
      if (wurf(10) == 0) kurs->KopplungErgaenzen(kopplung);
      for (int32_t b = wurf(4); b > 0; --b)
        kurs->fSperrung.SetWocheTagStd(1, 1 + wurf(5), true, 1 + wurf(7));
      for (int32_t h = 0; h < stunden; ++h) {
        for (int32_t versuch = 0; versuch < 15; ++versuch) {
          const int32_t tag = 1 + wurf(5), std = 1 + wurf(7);
          TRaum* raum = kurs->ErsterRaum();
          if (!SetzungPossible(*kurs, 1, tag, raum, std)) continue;
          auto* s = new TSetzung(1, tag, std, raum);
          s->fFixiert = wurf(12) == 0;
          kurs->SetzungAufnehmen(s);
          break;
        }
      }
    }
  }
  for (TLehrer* l : lehrer) l->fSperrung.SetWocheTagStd(1, 1 + wurf(5), true, 1 + wurf(6));
}

// The bound only saves time: on many crowded schools the run with it leaves exactly the plan of
// the full search, after the same number of passes. The schools are those whose full search
// takes well under a second, and a few that take longer.
TEST(KettenGrenze, LeavesTheResultOfTheFullSearch) {
  for (uint32_t saat : {1,  4,  7,  8,  9,  10, 11, 12, 14, 15, 16, 19, 20, 21, 22, 24, 25, 26,
                        29, 30, 31, 32, 35, 37, 38, 39, 41, 43, 44, 45, 46, 50, 51, 52, 54, 55,
                        56, 57, 60, 61, 63, 64, 67, 70, 71, 72, 73, 74, 75, 76, 77, 80}) {
    std::vector<TStand> ergebnis[2];
    int32_t durchgaenge[2] = {0, 0};
    for (int mit = 0; mit < 2; ++mit) {
      TStandard standard;
      standard.fMaxTageNeu = 5;
      standard.fPlnStd = 6;
      TStandardEinsetzen standardEingesetzt(standard);
      TSchule schule;
      TSchuleEinsetzen schuleEingesetzt(schule);
      TSkriptDialoge dialoge;
      schule.SetDialoge(&dialoge);
      Zufallsschule(schule, standard, saat);
      TKomprimierung komp(schule);
      komp.fGrenzeNutzen = mit == 1;
      komp.StartKnopfClick();
      ergebnis[mit] = Plan(schule);
      durchgaenge[mit] = komp.Durchgaenge();
    }
    EXPECT_EQ(ergebnis[0], ergebnis[1]) << "Saat " << saat;
    EXPECT_EQ(durchgaenge[0], durchgaenge[1]) << "Saat " << saat;
  }
}

}  // namespace
}  // namespace orbato
