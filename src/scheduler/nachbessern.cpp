#include "scheduler/nachbessern.h"

#include <algorithm>
#include <random>

#include "model/dokument/schule.h"
#include "model/dokument/verlauf.h"
#include "model/kurse/kurs.h"
#include "placement/wochenspanne.h"
#include "scheduler/nachbessermodell.h"

namespace orbato {
namespace {

// Restarts from the best plan without any gain before the search gives up.
constexpr int kNeustarts = 3;

int32_t OffenImPlan(const std::vector<TKurs*>& kurse) {
  int32_t n = 0;
  const TWochenSpanne spanne = Wochenspanne();
  for (const TKurs* k : kurse) {
    if (k->fNichtVerplanen) continue;
    for (int32_t w = spanne.von; w <= spanne.bis; ++w) n += std::max(0, k->RestStunden(w));
  }
  return n;
}

}  // namespace

TNachbessern::TNachbessern(std::vector<TKurs*> kurse) : fKurse(std::move(kurse)) {}

int32_t TNachbessern::Rechne() {
  TVerlaufSchritt schritt;
  fAbbruch = false;
  fOffenVorher = OffenImPlan(fKurse);
  const std::vector<TKurs*> alle(Schule().fKursMenge.begin(), Schule().fKursMenge.end());
  const TWochenSpanne spanne = Wochenspanne();
  for (int32_t w = spanne.von; w <= spanne.bis && !fAbbruch; ++w) {
    TNachbesserModell modell(alle, fKurse, w);
    if (modell.OffeneStunden() == 0) continue;
    Suche(modell);
    modell.Uebernehmen();
  }
  return OffenImPlan(fKurse);
}

void TNachbessern::Suche(TNachbesserModell& m) {
  std::mt19937 zufall(fSaat);
  const auto wuerfel = [&](std::size_t n) { return static_cast<std::size_t>(zufall() % n); };
  const std::size_t ereignisse = m.fEreignisse.size();
  std::vector<int> offen;
  for (std::size_t e = 0; e < ereignisse; ++e) {
    if (m.fEreignisse[e].zelle < 0) offen.push_back(static_cast<int>(e));
  }
  // tabu[e][zelle]: the step until which e may not go back into the cell it was pushed out of.
  std::vector<std::vector<int32_t>> tabu(ereignisse,
                                         std::vector<int32_t>(TNachbesserModell::kZellen, 0));
  int offenJetzt = m.OffeneStunden();
  int offenBest = offenJetzt;
  TNachbesserModell::TStand best = m.Stand();
  const int32_t schritte =
      std::min<int64_t>(fHoechstSchritte, int64_t{fSchritteJeStunde} * std::max(1, offenJetzt));
  const int32_t stillstand = std::max<int32_t>(2000, schritte / 20);
  int32_t letzteBesserung = 0;
  int vergeblicheNeustarts = 0;
  std::vector<int> weg, besterWeg, besteRaeume;
  for (int32_t schritt = 0; schritt < schritte && offenBest > 0 && !fAbbruch; ++schritt) {
    if (fZwischendurch && schritt % 512 == 0) fZwischendurch(schritt, schritte);
    const std::size_t wahl = wuerfel(offen.size());
    const int e = offen[wahl];
    int besteZelle = -1;
    int64_t besteKosten = 0;
    for (int zelle : m.Zellen()) {
      if (!m.Moeglich(e, zelle, weg)) continue;
      int64_t kosten = 0;
      for (int x : weg) kosten += 100 * static_cast<int64_t>(m.fEreignisse[x].kurse.size());
      if (!weg.empty() &&
          tabu[static_cast<std::size_t>(e)][static_cast<std::size_t>(zelle)] > schritt)
        kosten += 10000;
      kosten += static_cast<int64_t>(wuerfel(60));
      if (besteZelle < 0 || kosten < besteKosten) {
        besteZelle = zelle;
        besteKosten = kosten;
        besterWeg = weg;
      }
    }
    if (besteZelle < 0) continue;
    m.RaeumeFinden(e, besteZelle, besterWeg, besteRaeume);
    for (int x : besterWeg) {
      m.Entferne(x);
      tabu[static_cast<std::size_t>(x)][static_cast<std::size_t>(besteZelle)] =
          schritt + 10 + static_cast<int32_t>(wuerfel(10));
      offen.push_back(x);
      offenJetzt += static_cast<int>(m.fEreignisse[static_cast<std::size_t>(x)].kurse.size());
    }
    m.Setze(e, besteZelle, besteRaeume);
    offenJetzt -= static_cast<int>(m.fEreignisse[static_cast<std::size_t>(e)].kurse.size());
    offen.erase(std::find(offen.begin(), offen.end(), e));
    if (offenJetzt < offenBest) {
      offenBest = offenJetzt;
      best = m.Stand();
      letzteBesserung = schritt;
      vergeblicheNeustarts = 0;
    } else if (schritt - letzteBesserung > stillstand) {
      if (++vergeblicheNeustarts > kNeustarts) break;
      // Stuck: start again from the best plan with a fresh tabu memory.
      m.Herstellen(best);
      offenJetzt = offenBest;
      offen.clear();
      for (std::size_t x = 0; x < ereignisse; ++x) {
        if (m.fEreignisse[x].zelle < 0) offen.push_back(static_cast<int>(x));
      }
      for (auto& zeile : tabu) std::fill(zeile.begin(), zeile.end(), 0);
      letzteBesserung = schritt;
    }
  }
  m.Herstellen(best);
}

}  // namespace orbato
