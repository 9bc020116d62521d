// What a whole compression run does on whole schools, pinned to the move: the demo schools and two
// real schools after the scheduler. Every move the run makes and takes back, in order, the plan it
// leaves, its counters, how often it lets input in and redraws, and that one step of the history
// takes it all back and does it again. Making the search faster must leave every figure here as
// it is.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "model/demo/demoschule.h"
#include "model/dokument/undo.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/kursimport.h"
#include "scheduler/automatik.h"
#include "scheduler/harteregeln.h"
#include "scheduler/komprimieren.h"

namespace orbato {
namespace {

// FNV-1a over a sequence of numbers and short names.
class TFingerabdruck {
 public:
  void Zahl(uint64_t x) {
    for (int i = 0; i < 8; ++i) Byte(static_cast<uint8_t>(x >> (8 * i)));
  }
  void Text(std::string_view t) {
    for (const char c : t) Byte(static_cast<uint8_t>(c));
    Byte(0);
  }
  uint64_t Wert() const { return fWert; }

 private:
  void Byte(uint8_t b) {
    fWert ^= b;
    fWert *= 0x100000001B3u;
  }
  uint64_t fWert = 0xCBF29CE484222325u;
};

// Courses by their place in the school's course list, which does not depend on what other
// schools the test run built before.
using TKursNummern = std::map<const TKurs*, int32_t>;

TKursNummern KursNummern(const TSchule& schule) {
  TKursNummern nummern;
  for (const TKurs* k : schule.fKursMenge) nummern.emplace(k, static_cast<int32_t>(nummern.size()));
  return nummern;
}

void Setzung(TFingerabdruck& f, int32_t kurs, int32_t woche, int32_t tag, int32_t std,
             const TRaum* raum, bool fix) {
  f.Zahl(static_cast<uint64_t>(kurs));
  f.Zahl(static_cast<uint64_t>(woche * 1000 + tag * 100 + std));
  f.Text(raum ? raum->fKuerzel.str() : std::string());
  f.Zahl(fix ? 1 : 0);
}

// Every placement of the school, by course number and cell.
uint64_t PlanAbdruck(const TSchule& schule, const TKursNummern& nummern) {
  std::vector<std::tuple<int32_t, int32_t, int32_t, int32_t, const TRaum*, bool>> plan;
  for (const auto& [kurs, woche, tag, std, raum, fix] : PlanStand(schule))
    plan.emplace_back(nummern.at(kurs), woche, tag, std, raum, fix);
  std::sort(plan.begin(), plan.end());
  TFingerabdruck f;
  for (const auto& [kurs, woche, tag, std, raum, fix] : plan)
    Setzung(f, kurs, woche, tag, std, raum, fix);
  return f.Wert();
}

// Every placement change of the run in the order it was made, tentative ones included.
uint64_t ZugAbdruck(const TUndoProtokoll& protokoll, const TKursNummern& nummern) {
  TFingerabdruck f;
  for (const TUndoElement* e : protokoll.fUndoListe) {
    f.Zahl(e->fArt);
    Setzung(f, nummern.at(e->fKurs), e->fWoche, e->fTag, e->fStd, e->fRaum, e->fFix);
  }
  return f.Wert();
}

// What a run did: the school's gap count before and after, passes begun and taken back, moves
// kept, calls of the input and redraw hooks, entries of the journal, and the fingerprints of the
// journal and of the plan left.
struct TErgebnis {
  int32_t vorher = 0, nachher = 0;
  int32_t durchgaenge = 0, zurueck = 0, verschiebungen = 0;
  int32_t eingaben = 0, gezeigt = 0;
  int32_t aenderungen = 0;
  uint64_t zuege = 0, plan = 0;
};

class KomprimierenErgebnis : public ::testing::Test {
 protected:
  KomprimierenErgebnis() { fSchule.SetDialoge(&fDialoge); }

  void Schule(std::string_view datei) {
    fStandard.fMaxTageNeu = 5;
    ASSERT_EQ(TImportForm(fSchule, fDialoge)
                  .ImportFromFile(std::string(ORBATO_SCHULEN "/") + std::string(datei)),
              TImportErgebnis::Importiert);
    TAutomatik automatik({fSchule.fKursMenge.begin(), fSchule.fKursMenge.end()});
    automatik.Rechne();
  }

  // The run of "Start" with the journal recording; then the history takes it back as one step
  // and does it again.
  TErgebnis Lauf() {
    TErgebnis e;
    const TKursNummern nummern = KursNummern(fSchule);
    const TPlanStand anfang = PlanStand(fSchule);
    const size_t schritte = fSchule.fVerlauf.ZahlSchritte();
    e.vorher = SchulHohlStunden(fSchule);
    TUndoProtokoll protokoll;
    fSchule.fProtokoll = &protokoll;
    TKomprimierung komp(fSchule);
    komp.fEingaben = [&] { ++e.eingaben; };
    komp.fZeigen = [&] { ++e.gezeigt; };
    komp.StartKnopfClick();
    fSchule.fProtokoll = nullptr;
    e.nachher = SchulHohlStunden(fSchule);
    e.durchgaenge = komp.Durchgaenge();
    e.zurueck = komp.ZurueckGenommen();
    e.verschiebungen = komp.Verschiebungen();
    e.aenderungen = protokoll.fUndoListe.ListeZahlElemente();
    e.zuege = ZugAbdruck(protokoll, nummern);
    e.plan = PlanAbdruck(fSchule, nummern);

    const TPlanStand ende = PlanStand(fSchule);
    EXPECT_EQ(fSchule.fVerlauf.ZahlSchritte(), schritte + 1);
    EXPECT_TRUE(fSchule.fVerlauf.Widerrufen(fSchule));
    EXPECT_EQ(PlanStand(fSchule), anfang);
    EXPECT_TRUE(fSchule.fVerlauf.Wiederherstellen(fSchule));
    EXPECT_EQ(PlanStand(fSchule), ende);
    return e;
  }

  static void Vergleiche(const TErgebnis& ist, const TErgebnis& soll) {
    EXPECT_EQ(ist.vorher, soll.vorher);
    EXPECT_EQ(ist.nachher, soll.nachher);
    EXPECT_EQ(ist.durchgaenge, soll.durchgaenge);
    EXPECT_EQ(ist.zurueck, soll.zurueck);
    EXPECT_EQ(ist.verschiebungen, soll.verschiebungen);
    EXPECT_EQ(ist.eingaben, soll.eingaben);
    EXPECT_EQ(ist.gezeigt, soll.gezeigt);
    EXPECT_EQ(ist.aenderungen, soll.aenderungen);
    EXPECT_EQ(ist.zuege, soll.zuege);
    EXPECT_EQ(ist.plan, soll.plan);
  }

  TStandard fStandard;
  TStandardEinsetzen fStandardEingesetzt{fStandard};
  TSchule fSchule;
  TSchuleEinsetzen fSchuleEingesetzt{fSchule};
  TSkriptDialoge fDialoge;
};

TEST_F(KomprimierenErgebnis, SmallDemoSchool) {
  ErzeugeDemoSchule(fSchule, fStandard, TDemoGroesse::klein);
  Vergleiche(Lauf(),
             {60, 1, 2, 0, 408, 35604, 143, 1548, 0xDF58E3E1123A793Fu, 0x3E1CD048D0622326u});
}

// Bridges and broken blocks allowed, which opens many more chains.
TEST_F(KomprimierenErgebnis, SmallDemoSchoolWithBridgesAndBrokenBlocks) {
  ErzeugeDemoSchule(fSchule, fStandard, TDemoGroesse::klein);
  fStandard.fKompBruecken = true;
  fStandard.fKompMehrfach = true;
  Vergleiche(Lauf(),
             {60, 1, 2, 0, 427, 35762, 137, 1258, 0xD60F2551EABDA2F0u, 0xBA06B4DD70AFE43Eu});
}

// Two plan versions, both compressed.
TEST_F(KomprimierenErgebnis, MiddleDemoSchoolInBothVersions) {
  ErzeugeDemoSchule(fSchule, fStandard, TDemoGroesse::mittel);
  fStandard.fEineWoche = false;
  Vergleiche(Lauf(),
             {390, 81, 2, 1, 1375, 1110113, 807, 125438, 0x3C91B215FAA3D43Au, 0x76549D2B6969AABFu});
}

TEST_F(KomprimierenErgebnis, RealSchoolAfterTheScheduler) {
  Schule("sekundarschule.txt");
  Vergleiche(Lauf(),
             {196, 91, 3, 0, 314, 66337, 319, 5604, 0x50AEEC74A923C5F5u, 0xE9BA8FEF1EA00D89u});
}

TEST_F(KomprimierenErgebnis, SecondRealSchoolAfterTheSchedulerWithBridges) {
  Schule("dgs.txt");
  fStandard.fKompBruecken = true;
  Vergleiche(Lauf(),
             {159, 66, 2, 1, 140, 1109102, 201, 271264, 0x99CD4377D6561EEBu, 0xCAA7824C9F4BC5B0u});
}

// The school and run of the compression benchmark.
TEST_F(KomprimierenErgebnis, LargeDemoSchoolInFourVersions) {
  ErzeugeDemoSchule(fSchule, fStandard, TDemoGroesse::gross);
  fStandard.fMaxTageNeu = 5;
  fStandard.fEineWoche = false;
  Vergleiche(Lauf(), {2331, 950, 3, 1, 6776, 2447300, 3286, 355568, 0xFD7D50E2AC34BF8Du,
                      0x12AEDDCD0E7ECC09u});
}

}  // namespace
}  // namespace orbato
