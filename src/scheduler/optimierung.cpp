#include "scheduler/optimierung.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstdlib>
#include <random>
#include <utility>

#include "model/dokument/schule.h"
#include "model/dokument/verlauf.h"
#include "scheduler/nachbessermodell.h"
#include "scheduler/optimierkosten.h"

namespace orbato {
namespace {

using TUhr = std::chrono::steady_clock;

// The length of the late-acceptance list: a step is taken when it is no worse than the plan was
// this many steps ago, which lets the search climb out of a valley without a temperature to tune.
constexpr std::size_t kVerlauf = 400;

// The longest chain of lessons one step exchanges between two cells.
constexpr std::size_t kLaengsteKette = 24;

// Per number of hours 1..16, how many days a course holds that many in one block.
using TMuster = std::array<uint8_t, 17>;

// One change of a step: a lesson left its cell (with its rooms) or entered one.
struct TAenderung {
  int ereignis;
  int zelle;
  std::vector<int> raeume;
  bool heraus;
};

// The search on one plan version: the model, the cost kept with it, and the step under way.
class TSuche {
 public:
  TSuche(TNachbesserModell& modell, TOptimierKosten& kosten, uint32_t saat)
      : fM(modell), fK(kosten), fZufall(saat) {
    for (std::size_t e = 0; e < fM.fEreignisse.size(); ++e) {
      const auto& ev = fM.fEreignisse[e];
      if (ev.zelle >= 0 && !ev.fix) fBeweglich.push_back(static_cast<int>(e));
    }
    // The events of each class and teacher, for exchanges inside their weeks.
    fVonKlasse.resize(fM.fKlassen.size());
    fVonLehrer.resize(fM.fLehrer.size());
    for (int e : fBeweglich) {
      for (int k : fM.fEreignisse[static_cast<std::size_t>(e)].klassen)
        fVonKlasse[static_cast<std::size_t>(k)].push_back(e);
      for (int l : fM.fEreignisse[static_cast<std::size_t>(e)].lehrer)
        fVonLehrer[static_cast<std::size_t>(l)].push_back(e);
    }
    fImPlan.assign(TNachbesserModell::kZellen, false);
    for (int z : fM.Zellen()) fImPlan[static_cast<std::size_t>(z)] = true;
    for (std::size_t k = 0; k < fM.fKurse.size(); ++k)
      fMuster.push_back(Muster(static_cast<int>(k)));
  }

  bool Leer() const { return fBeweglich.empty(); }

  // Tries to exchange the lessons of two cells: a random lesson (with the rest of its block)
  // goes to another cell, and every lesson there that shares a teacher or class with it comes
  // the other way, and so on (a Kempe chain). A lesson alone in its way is a plain move, one
  // lesson a swap. True when the plan changed (then Bewerten decides), false when it is as it
  // was.
  bool Versuch() {
    const int e = fBeweglich[Wuerfel(fBeweglich.size())];
    const int a = fM.fEreignisse[static_cast<std::size_t>(e)].zelle;
    const int b = Ziel(e);
    if (b < 0 || b == a) return false;
    int von = a, laenge = 1;
    Block(e, von, laenge);
    const int nach = b - (a - von);
    if (!Passt(nach, laenge) || (von / 16 == nach / 16 && std::abs(von - nach) < laenge))
      return false;
    fZiele.clear();
    for (int i = 0; i < laenge; ++i) {
      const int x = i == a - von ? e : Nachbar(e, von + i);
      if (x < 0 || !Kette(x, nach + i)) return false;
    }
    for (const auto& [x, ziel] : fZiele) Heraus(x);
    for (const auto& [x, ziel] : fZiele) {
      if (!fM.Moeglich(x, ziel, fWeg) || !fWeg.empty() || !Hinein(x, ziel)) return Zurueck();
    }
    return RegelnGehalten() || Zurueck();
  }

  // Takes the changes of the step back, newest first.
  bool Zurueck() {
    for (auto it = fAenderungen.rbegin(); it != fAenderungen.rend(); ++it) {
      if (it->heraus) {
        fM.Setze(it->ereignis, it->zelle, it->raeume);
        fK.Dazu(it->ereignis, it->zelle);
      } else {
        fM.Entferne(it->ereignis);
        fK.Weg(it->ereignis, it->zelle);
      }
    }
    fAenderungen.clear();
    fK.Verwerfen();
    return false;
  }

  // Does the changes of the step again after Zurueck took them back.
  void Wiederholen(const std::vector<TAenderung>& aenderungen) {
    for (const TAenderung& a : aenderungen) {
      if (a.heraus) {
        fM.Entferne(a.ereignis);
        fK.Weg(a.ereignis, a.zelle);
      } else {
        fM.Setze(a.ereignis, a.zelle, a.raeume);
        fK.Dazu(a.ereignis, a.zelle);
      }
    }
    fAenderungen = aenderungen;
  }

  const std::vector<TAenderung>& Aenderungen() const { return fAenderungen; }
  void Behalten() { fAenderungen.clear(); }

 private:
  std::size_t Wuerfel(std::size_t n) { return static_cast<std::size_t>(fZufall() % n); }

  // A third of the steps try any cell of the week, the others the cell of another lesson of one
  // of the event's classes or of its teacher, which exchanges lessons inside their week.
  int Ziel(int e) {
    const auto& ev = fM.fEreignisse[static_cast<std::size_t>(e)];
    const uint32_t art = fZufall() % 3;
    const std::vector<int>* andere = nullptr;
    if (art == 1 && !ev.klassen.empty())
      andere = &fVonKlasse[static_cast<std::size_t>(ev.klassen[Wuerfel(ev.klassen.size())])];
    if (art == 2 && !ev.lehrer.empty())
      andere = &fVonLehrer[static_cast<std::size_t>(ev.lehrer[Wuerfel(ev.lehrer.size())])];
    if (andere == nullptr) return fM.Zellen()[Wuerfel(fM.Zellen().size())];
    return fM.fEreignisse[static_cast<std::size_t>((*andere)[Wuerfel(andere->size())])].zelle;
  }

  // The run of consecutive periods of the event's first course around its cell.
  void Block(int e, int& von, int& laenge) const {
    const auto& ev = fM.fEreignisse[static_cast<std::size_t>(e)];
    const uint32_t tag = fM.fKurse[static_cast<std::size_t>(ev.kurse.front())]
                             .tage[static_cast<std::size_t>(ev.zelle / 16)];
    const auto haelt = [&](int zelle) { return zelle >= 0 && (tag >> (zelle % 16) & 1u); };
    while (von % 16 > 0 && haelt(von - 1)) --von;
    laenge = 1;
    while ((von + laenge) % 16 > 0 && haelt(von + laenge)) ++laenge;
  }

  // Whether `laenge` cells from `zelle` on lie in one day of the shown week.
  bool Passt(int zelle, int laenge) const {
    const int letzte = zelle + laenge - 1;
    return zelle >= 0 && zelle / 16 == letzte / 16 && fImPlan[static_cast<std::size_t>(zelle)] &&
           fImPlan[static_cast<std::size_t>(letzte)];
  }

  // The event of the first course of `e` in the cell, -1 when it is not movable.
  int Nachbar(int e, int zelle) {
    const auto& ev = fM.fEreignisse[static_cast<std::size_t>(e)];
    fM.Hindernisse(e, zelle, fWeg);
    for (int x : fWeg) {
      const auto& kurse = fM.fEreignisse[static_cast<std::size_t>(x)].kurse;
      if (std::find(kurse.begin(), kurse.end(), ev.kurse.front()) != kurse.end())
        return fM.fEreignisse[static_cast<std::size_t>(x)].fix ? -1 : x;
    }
    return -1;
  }

  // Adds the event bound for `ziel` to the step's moves, with every lesson in its way bound for
  // the cell it leaves, and theirs in turn. False when a fixed lesson is in the way or the
  // chain grows too long.
  bool Kette(int start, int ziel) {
    std::size_t i = fZiele.size();
    fZiele.emplace_back(start, ziel);
    for (; i < fZiele.size(); ++i) {
      const auto [x, nach] = fZiele[i];
      const int von = fM.fEreignisse[static_cast<std::size_t>(x)].zelle;
      fM.Hindernisse(x, nach, fWeg);
      for (int y : fWeg) {
        if (Geplant(y)) continue;
        if (fM.fEreignisse[static_cast<std::size_t>(y)].fix || fZiele.size() >= kLaengsteKette)
          return false;
        fZiele.emplace_back(y, von);
      }
    }
    return true;
  }

  bool Geplant(int e) const {
    return std::any_of(fZiele.begin(), fZiele.end(), [e](const auto& z) { return z.first == e; });
  }

  // Every course the step moved still holds its hours of a day in one block, and its blocks have
  // the lengths they had at the start.
  bool RegelnGehalten() const {
    for (const auto& [x, ziel] : fZiele) {
      for (int kurs : fM.fEreignisse[static_cast<std::size_t>(x)].kurse) {
        if (Muster(kurs) != fMuster[static_cast<std::size_t>(kurs)]) return false;
      }
    }
    return true;
  }

  // How many days a course holds 1, 2, ... hours; 0 when a day's hours are not one block.
  TMuster Muster(int kurs) const {
    TMuster m{};
    for (const uint32_t tag : fM.fKurse[static_cast<std::size_t>(kurs)].tage) {
      if (!TNachbesserModell::EinBlock(tag)) return TMuster{};
      ++m[static_cast<std::size_t>(std::popcount(tag))];
    }
    return m;
  }

  void Heraus(int e) {
    const auto& ev = fM.fEreignisse[static_cast<std::size_t>(e)];
    fAenderungen.push_back({e, ev.zelle, ev.raeume, true});
    fK.Weg(e, ev.zelle);
    fM.Entferne(e);
  }

  // Puts the event into the cell with rooms for every course that had one when it left.
  bool Hinein(int e, int zelle) {
    if (!fM.RaeumeFinden(e, zelle, {}, fRaeume)) return false;
    const std::vector<int>* vorher = nullptr;
    for (const TAenderung& a : fAenderungen) {
      if (a.heraus && a.ereignis == e) vorher = &a.raeume;
    }
    for (std::size_t i = 0; vorher && i < fRaeume.size(); ++i) {
      if ((*vorher)[i] >= 0 && fRaeume[i] < 0) return false;
    }
    fM.Setze(e, zelle, fRaeume);
    fK.Dazu(e, zelle);
    fAenderungen.push_back({e, zelle, fRaeume, false});
    return true;
  }

  TNachbesserModell& fM;
  TOptimierKosten& fK;
  std::mt19937 fZufall;
  std::vector<int> fBeweglich;
  std::vector<std::vector<int>> fVonKlasse, fVonLehrer;
  std::vector<bool> fImPlan;
  std::vector<TMuster> fMuster;             // per course, at the start
  std::vector<std::pair<int, int>> fZiele;  // the step's events and the cells they go to
  std::vector<TAenderung> fAenderungen;
  std::vector<int> fWeg, fRaeume;
};

}  // namespace

TOptimierung::TOptimierung(std::vector<TKurs*> kurse, const TOptimierEinstellungen& einstellungen)
    : fSekunden(einstellungen.fSekunden), fKurse(std::move(kurse)), fEinstellungen(einstellungen) {}

bool TOptimierung::Rechne() {
  fAbbruch = false;
  const TStandard& st = Standard();
  const std::vector<TKurs*> alle(Schule().fKursMenge.begin(), Schule().fKursMenge.end());
  TNachbesserModell modell(alle, fKurse, st.fAktuelleWoche);
  TOptimierKosten kosten(modell, fEinstellungen, st.fPlnStd, st.fMaxTageNeu);
  fVorher = fNachher = kosten.Zahlen();
  Suche(modell, kosten);
  fNachher = TOptimierKosten(modell, fEinstellungen, st.fPlnStd, st.fMaxTageNeu).Zahlen();
  if (fNachher.fKosten >= fVorher.fKosten) {
    fNachher = fVorher;
    return false;
  }
  TVerlaufSchritt schritt;
  modell.Uebernehmen();
  return true;
}

void TOptimierung::Suche(TNachbesserModell& modell, TOptimierKosten& kosten) {
  TSuche suche(modell, kosten, fSaat);
  if (suche.Leer()) return;
  const auto start = TUhr::now();
  auto gemeldet = start;
  std::vector<int64_t> verlauf(kVerlauf, kosten.Kosten());
  int64_t best = kosten.Kosten();
  bool bestGesichert = true;
  TNachbesserModell::TStand bestStand = modell.Stand();
  int64_t letzteBesserung = 0;
  int64_t merklich = best - best / 1000;
  int64_t bewertet = 0;
  TOptimierFortschritt fortschritt;
  fortschritt.fSchritteMax = fHoechstSchritte;
  fortschritt.fBeste = kosten.Zahlen();
  for (int64_t n = 0; n < fHoechstSchritte && !fAbbruch; ++n) {
    if (n - letzteBesserung > fStillstand) break;
    if ((n & 1023) == 0) {
      const auto jetzt = TUhr::now();
      if (std::chrono::duration<double>(jetzt - start).count() > fSekunden) break;
      if (fZwischendurch && jetzt - gemeldet > std::chrono::milliseconds(100)) {
        gemeldet = jetzt;
        fortschritt.fSchritte = n;
        if (kosten.Kosten() == best) fortschritt.fBeste = kosten.Zahlen();
        fZwischendurch(fortschritt);
      }
    }
    if (!suche.Versuch()) continue;
    // The late acceptance: a step no worse than the plan of kVerlauf steps ago is taken.
    int64_t& frueher = verlauf[static_cast<std::size_t>(bewertet++) % kVerlauf];
    int64_t neu = 0;
    if (!kosten.Bewerten(neu) || (neu > frueher && neu > kosten.Kosten())) {
      suche.Zurueck();
      frueher = kosten.Kosten();
      continue;
    }
    if (neu > best && !bestGesichert) {
      // The step leaves the best plan found: keep that plan before going on.
      const std::vector<TAenderung> schritt = suche.Aenderungen();
      suche.Zurueck();
      bestStand = modell.Stand();
      bestGesichert = true;
      suche.Wiederholen(schritt);
      kosten.Bewerten(neu);
    }
    kosten.Annehmen();
    suche.Behalten();
    if (neu < best) {
      best = neu;
      bestGesichert = false;
      // Only a gain worth the name keeps the search going: polishing the ranks of a finished
      // plan by a point now and then should not hold it for minutes.
      if (best <= merklich) {
        letzteBesserung = n;
        merklich = best - best / 1000;
      }
    }
    frueher = neu;
  }
  if (bestGesichert && kosten.Kosten() != best) modell.Herstellen(bestStand);
}

}  // namespace orbato
