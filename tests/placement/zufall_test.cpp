// Thousands of random placement commands on the demo school: after each one every occupancy grid
// must equal the one recomputed from the placements, and taking back the whole journal must give
// the starting plan again.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <tuple>

#include "model/demo/demoschule.h"
#include "model/dokument/schule.h"
#include "model/dokument/undo.h"
#include "model/schnittstellen/dialoge.h"
#include "placement/passtin.h"
#include "placement/raeume.h"
#include "placement/regeln.h"
#include "placement/setzen.h"
#include "placement/widerrufen.h"
#include "placement/wochenspanne.h"

namespace orbato {
namespace {

// Where every lesson lies. Rooms are left out: room changes are not journaled, so taking the
// journal back restores the cells and leaves the rooms as the room commands made them.
using TPlan = std::set<std::tuple<uint64_t, int32_t, int32_t, int32_t>>;

TPlan Plan(const TSchule& schule) {
  TPlan plan;
  for (const TKurs* k : schule.fKursMenge) {
    for (const TSetzung* s : k->fSetzungen)
      plan.emplace(k->fLaufNr, s->fWoche, s->fTag, s->fStunde);
  }
  return plan;
}

// The day words the placements give an element: for a room only the placements in it.
using TWorte = std::vector<std::array<uint32_t, 8>>;

std::string Vergleiche(const std::string& name, const TWochBereich& grid, const TWorte& soll) {
  for (std::size_t w = 1; w < soll.size(); ++w) {
    for (int32_t t = 1; t <= 7; ++t) {
      if (static_cast<uint32_t>(grid.GetWocheTag(static_cast<int32_t>(w), t)) != soll[w][t]) {
        return name + " {" + std::to_string(w) + "} Tag " + std::to_string(t);
      }
    }
  }
  return {};
}

TWorte Worte(const TListe<TKurs>& kurse, const TRaum* nurRaum, int32_t wochen) {
  TWorte worte(static_cast<std::size_t>(wochen) + 1, std::array<uint32_t, 8>{});
  for (const TKurs* k : kurse) {
    for (const TSetzung* s : k->fSetzungen) {
      if (nurRaum && s->fRaum != nurRaum) continue;
      worte[static_cast<std::size_t>(s->fWoche)][static_cast<std::size_t>(s->fTag)] |=
          uint32_t{1} << (s->fStunde - 1);
    }
  }
  return worte;
}

std::string GridFehler(const TSchule& schule, int32_t wochen) {
  for (const TKurs* k : schule.fKursMenge) {
    TListe<TKurs> allein;
    allein.ListeAnhaengen(const_cast<TKurs*>(k));
    if (std::string f = Vergleiche("Kurs", k->fBesetzung, Worte(allein, nullptr, wochen));
        !f.empty()) {
      return f;
    }
  }
  const auto element = [&](const TPlanElement* e, const TRaum* raum) {
    return Vergleiche(e->fKuerzel.str(), e->fBesetzung, Worte(e->fKurse, raum, wochen));
  };
  for (const TLehrer* l : schule.fLehrerMenge) {
    if (std::string f = element(l, nullptr); !f.empty()) return f;
  }
  for (const TKlasse* k : schule.fKlassenMenge) {
    if (std::string f = element(k, nullptr); !f.empty()) return f;
  }
  for (const TRaum* r : schule.fRaumMenge) {
    if (std::string f = element(r, r); !f.empty()) return f;
  }
  return {};
}

// Answers every question with a button chosen at random.
class TZufallsDialoge : public TSkriptDialoge {
 public:
  explicit TZufallsDialoge(std::mt19937& zufall) : fZufall(zufall) {}
  int Frage(std::string_view titel, const std::vector<std::string>& zeilen,
            const std::vector<std::string>& knoepfe, TMeldungsArt art) override {
    TSkriptDialoge::Frage(titel, zeilen, knoepfe, art);
    const int letzter = static_cast<int>(knoepfe.size()) - 1;
    return std::uniform_int_distribution<int>(0, letzter)(fZufall);
  }

 private:
  std::mt19937& fZufall;
};

class Zufall : public ::testing::Test {
 protected:
  Zufall() {
    ErzeugeDemoSchule(fSchule, fStandard, TDemoGroesse::mittel);
    fSchule.SetDialoge(&fDialoge);
  }

  int Zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(fZufall); }
  TKurs* EinKurs() {
    return fSchule.fKursMenge.ListeNrInhalt(Zahl(1, fSchule.fKursMenge.ListeZahlElemente()));
  }

  // Every course that moves with `kurs` fits the target cell.
  bool ZielFrei(const TKurs& kurs, bool mitKopplung, int32_t altTag, int32_t altStd, int32_t tag,
                int32_t std) {
    if (!mitKopplung || kurs.fKopplung == nullptr) {
      return SetzungPossible(kurs, -1, tag, nullptr, std);
    }
    for (const TKurs* k : kurs.fKopplung->fKurse) {
      if (k->fBesetzung.GetWocheTagStd(-1, altTag, altStd) &&
          !SetzungPossible(*k, -1, tag, nullptr, std)) {
        return false;
      }
    }
    return true;
  }

  void Setzen() {
    TKurs* kurs = EinKurs();
    const int32_t tag = Zahl(1, 5);
    const int32_t std = Zahl(1, 8);
    if (!SetzungPossible(*kurs, -1, tag, nullptr, std)) return;
    const TWochenSpanne spanne = Wochenspanne();
    for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
      NeueSetzung(*kurs, w, tag, Zahl(0, 1) ? FreierRaum(*kurs, w, tag, std) : nullptr, std);
    }
  }

  const TSetzung* EineSetzung(TKurs*& kurs) {
    for (int versuch = 0; versuch < 20; ++versuch) {
      kurs = EinKurs();
      const int32_t n = kurs->fSetzungen.ListeZahlElemente();
      if (n > 0) return kurs->fSetzungen.ListeNrInhalt(Zahl(1, n));
    }
    return nullptr;
  }

  void Entfernen() {
    TKurs* kurs = nullptr;
    const TSetzung* s = EineSetzung(kurs);
    if (s) LoescheSetzung(*kurs, Zahl(0, 1) ? s->fWoche : -1, s->fTag, Zahl(0, 1), s->fStunde);
  }

  // A move as the plan windows make it: asked first, displacing what the dialogs allow.
  void VerschiebenMitFrage() {
    TKurs* kurs = nullptr;
    const TSetzung* s = EineSetzung(kurs);
    if (s == nullptr || kurs->fLehrer == nullptr) return;
    const int32_t altTag = s->fTag;
    const int32_t altStd = s->fStunde;
    const int32_t tag = Zahl(1, 5);
    const int32_t std = Zahl(1, 8);
    const bool mitKopplung = Zahl(0, 1);
    TListe<TKonflikt> konflikte(true);
    if (PasstIn(*kurs, tag, std, mitKopplung, konflikte, altStd, altTag)) {
      Schiebe(*kurs, tag, std, mitKopplung, altStd, altTag);
    }
  }

  // A room given to a placed hour from the school's rooms, swapping where another course has it;
  // now and then the main-room tidy-up of a course.
  void RaumWechseln() {
    TKurs* kurs = nullptr;
    const TSetzung* s = EineSetzung(kurs);
    if (s == nullptr) return;
    if (Zahl(0, 9) == 0) {
      RaumAbgleich(*kurs);
      return;
    }
    TRaum* raum = fSchule.fRaumMenge.ListeNrInhalt(Zahl(1, fSchule.fRaumMenge.ListeZahlElemente()));
    RSetzen(*kurs, Zahl(0, 7) ? raum : nullptr, s->fWoche, s->fStunde, s->fTag);
  }

  void Verschieben() {
    TKurs* kurs = nullptr;
    const TSetzung* s = EineSetzung(kurs);
    if (s == nullptr) return;
    const int32_t altTag = s->fTag;
    const int32_t altStd = s->fStunde;
    const int32_t tag = Zahl(1, 5);
    const int32_t std = Zahl(1, 8);
    const bool mitKopplung = Zahl(0, 1);
    if (!ZielFrei(*kurs, mitKopplung, altTag, altStd, tag, std)) return;
    if (Zahl(0, 1)) {
      Schiebe(*kurs, tag, std, mitKopplung, altStd, altTag);
    } else {
      SchiebeMitRaum(*kurs, tag, std, FreierRaum(*kurs, -1, tag, std), mitKopplung, altStd, altTag);
    }
  }

  TStandard fStandard;
  TStandardEinsetzen fStandardEingesetzt{fStandard};
  TSchule fSchule;
  TSchuleEinsetzen fSchuleEingesetzt{fSchule};
  std::mt19937 fZufall{20261208};
  TZufallsDialoge fDialoge{fZufall};
};

TEST_F(Zufall, GridsFollowThePlacementsAndTheJournalTakesEverythingBack) {
  ASSERT_EQ(GridFehler(fSchule, fStandard.WochenZahl()), "");
  const TPlan anfang = Plan(fSchule);
  ASSERT_GT(anfang.size(), 100u);
  TUndoProtokoll protokoll;
  fSchule.fProtokoll = &protokoll;
  for (int schritt = 0; schritt < 2000; ++schritt) {
    if (schritt % 97 == 0) fStandard.fEineWoche = !fStandard.fEineWoche;
    if (schritt % 41 == 0) fStandard.fAktuelleWoche = Zahl(1, fStandard.WochenZahl());
    switch (Zahl(0, 4)) {
      case 0:
        Setzen();
        break;
      case 1:
        Entfernen();
        break;
      case 2:
        VerschiebenMitFrage();
        break;
      case 3:
        RaumWechseln();
        break;
      default:
        Verschieben();
        break;
    }
    const std::string fehler = GridFehler(fSchule, fStandard.WochenZahl());
    ASSERT_EQ(fehler, "") << "nach Schritt " << schritt;
  }
  EXPECT_NE(Plan(fSchule), anfang);
  EXPECT_GT(protokoll.fUndoListe.ListeZahlElemente(), 1000);
  // The fit tests asked and displaced on the way.
  EXPECT_GT(fDialoge.Anzahl(TDialogVorgang::Frage), 50u);
  WiderrufenProtokoll(protokoll);
  EXPECT_EQ(protokoll.fUndoListe.ListeZahlElemente(), 0);
  EXPECT_EQ(Plan(fSchule), anfang);
  EXPECT_EQ(GridFehler(fSchule, fStandard.WochenZahl()), "");
  fSchule.fProtokoll = nullptr;
}

}  // namespace
}  // namespace orbato
