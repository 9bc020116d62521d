#include "scheduler/suchlauf.h"

#include "scheduler/optimierkosten.h"
#include "scheduler/tagesfolge.h"

namespace orbato {
namespace {

// The length of the late-acceptance list.
constexpr std::size_t kVerlauf = 400;

// Only a gain of a thousandth counts as one: polishing the ranks of a finished plan by a point
// now and then should not hold the search for minutes.
int64_t Merklich(int64_t kosten) {
  return kosten - kosten / 1000;
}

}  // namespace

TSuchlauf::TSuchlauf(TNachbesserModell& modell, TOptimierKosten& kosten, uint32_t saat)
    : fModell(modell),
      fKosten(kosten),
      fSuche(modell, kosten, saat),
      fVerlauf(kVerlauf, kosten.Kosten()),
      fBest(kosten.Kosten()),
      fBestStand(modell.Stand()),
      fMerklich(Merklich(fBest)) {}

void TSuchlauf::Schritt(int64_t n) {
  if (!fSuche.Versuch()) return;
  int64_t& frueher = fVerlauf[static_cast<std::size_t>(fBewertet++) % kVerlauf];
  int64_t neu = 0;
  if (!fKosten.Bewerten(neu) || (neu > frueher && neu > fKosten.Kosten())) {
    fSuche.Zurueck();
    frueher = fKosten.Kosten();
    return;
  }
  Annehmen(neu, n);
  frueher = neu;
}

void TSuchlauf::TageOrdnen(int64_t n, int32_t tage) {
  for (int32_t tag = 0; tag < tage; ++tag) {
    if (!fSuche.Umsetzen(BesteTagesFolge(fModell, fKosten, static_cast<std::size_t>(tag))))
      continue;
    int64_t neu = 0;
    if (!fKosten.Bewerten(neu) || neu > fKosten.Kosten()) {
      fSuche.Zurueck();
      continue;
    }
    Annehmen(neu, n);
  }
}

bool TSuchlauf::AmBesten() const {
  return fKosten.Kosten() == fBest;
}

void TSuchlauf::BestesHerstellen() {
  if (fBestGesichert && !AmBesten()) fModell.Herstellen(fBestStand);
}

void TSuchlauf::Annehmen(int64_t neu, int64_t n) {
  if (neu > fBest && !fBestGesichert) {
    const std::vector<TAenderung> schritt = fSuche.Aenderungen();
    fSuche.Zurueck();
    fBestStand = fModell.Stand();
    fBestGesichert = true;
    fSuche.Wiederholen(schritt);
    fKosten.Bewerten(neu);
  }
  fKosten.Annehmen();
  fSuche.Behalten();
  if (neu >= fBest) return;
  fBest = neu;
  fBestGesichert = false;
  if (fBest <= fMerklich) {
    fLetzteBesserung = n;
    fMerklich = Merklich(fBest);
  }
}

}  // namespace orbato
