#include "scheduler/optimierung.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "model/dokument/schule.h"
#include "model/dokument/verlauf.h"
#include "scheduler/nachbessermodell.h"
#include "scheduler/optimierkosten.h"
#include "scheduler/suchlauf.h"

namespace orbato {
namespace {

using TUhr = std::chrono::steady_clock;

// Every so many steps, from the first on, each day's periods get the order that suits the
// school best: a change no chain of single lessons reaches in a full school.
constexpr int64_t kTagesTakt = 50'000;

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
  Suche(modell, kosten, st.fMaxTageNeu);
  fNachher = TOptimierKosten(modell, fEinstellungen, st.fPlnStd, st.fMaxTageNeu).Zahlen();
  if (fNachher.fKosten >= fVorher.fKosten) {
    fNachher = fVorher;
    return false;
  }
  TVerlaufSchritt schritt;
  modell.Uebernehmen();
  return true;
}

void TOptimierung::Suche(TNachbesserModell& modell, TOptimierKosten& kosten, int32_t tage) {
  TSuchlauf lauf(modell, kosten, fSaat);
  if (lauf.Leer()) return;
  // A small school has found its best long before a large one.
  const int64_t stillstand =
      fStillstand > 0
          ? fStillstand
          : std::clamp<int64_t>(2000 * static_cast<int64_t>(lauf.Beweglich()), 100'000, 3'000'000);
  const auto start = TUhr::now();
  auto gemeldet = start;
  TOptimierFortschritt fortschritt;
  fortschritt.fSchritteMax = fHoechstSchritte;
  fortschritt.fBeste = kosten.Zahlen();
  for (int64_t n = 0; n < fHoechstSchritte && !fAbbruch; ++n) {
    if (lauf.SeitBesserung(n) > stillstand) break;
    if (n % kTagesTakt == 0) lauf.TageOrdnen(n, tage);
    if ((n & 1023) == 0) {
      const auto jetzt = TUhr::now();
      if (std::chrono::duration<double>(jetzt - start).count() > fSekunden) break;
      if (fZwischendurch && jetzt - gemeldet > std::chrono::milliseconds(100)) {
        gemeldet = jetzt;
        fortschritt.fSchritte = n;
        if (lauf.AmBesten()) fortschritt.fBeste = kosten.Zahlen();
        fZwischendurch(fortschritt);
      }
    }
    lauf.Schritt(n);
  }
  lauf.BestesHerstellen();
}

}  // namespace orbato
