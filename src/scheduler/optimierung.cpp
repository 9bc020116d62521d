#include "scheduler/optimierung.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "model/dokument/schule.h"
#include "model/dokument/verlauf.h"
#include "scheduler/nachbessermodell.h"
#include "scheduler/optimierkosten.h"
#include "scheduler/optimierschritt.h"

namespace orbato {
namespace {

using TUhr = std::chrono::steady_clock;

// The length of the late-acceptance list: a step is taken when it is no worse than the plan was
// this many steps ago, which lets the search climb out of a valley without a temperature to tune.
constexpr std::size_t kVerlauf = 400;

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
  TOptimierSchritt suche(modell, kosten, fSaat);
  if (suche.Leer()) return;
  const auto start = TUhr::now();
  auto gemeldet = start;
  std::vector<int64_t> verlauf(kVerlauf, kosten.Kosten());
  int64_t best = kosten.Kosten();
  bool bestGesichert = true;
  TNachbesserModell::TStand bestStand = modell.Stand();
  int64_t letzteBesserung = 0;
  // A small school has found its best long before a large one.
  const int64_t stillstand =
      fStillstand > 0
          ? fStillstand
          : std::clamp<int64_t>(2000 * static_cast<int64_t>(suche.Beweglich()), 100'000, 3'000'000);
  int64_t merklich = best - best / 1000;
  int64_t bewertet = 0;
  TOptimierFortschritt fortschritt;
  fortschritt.fSchritteMax = fHoechstSchritte;
  fortschritt.fBeste = kosten.Zahlen();
  for (int64_t n = 0; n < fHoechstSchritte && !fAbbruch; ++n) {
    if (n - letzteBesserung > stillstand) break;
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
