#include "placement/parsuche.h"

#include <map>

#include "model/elemente/kopplung.h"
#include "model/kurse/kurs.h"

namespace orbato {

TParSuche::TParSuche(const TParRaster& raster)
    : fZeilen(raster.Zeilen()), fSpalten(raster.Spalten()) {
  const std::vector<TParZelle> zellen = raster.Spaltenweise();
  std::map<const TLehrer*, int32_t> lehrerNr;
  std::map<const TKopplung*, int32_t> kopplungNr;
  std::vector<const TKopplung*> kopplungen;
  for (const TParZelle& z : zellen) {
    fKopplung.push_back(z.fKopplung);
    fFix.push_back(z.fMarke == 'F');
    if (z.fKopplung == nullptr) {
      fKopplungNr.push_back(-1);
      continue;
    }
    const auto [it, neu] =
        kopplungNr.try_emplace(z.fKopplung, static_cast<int32_t>(kopplungen.size()));
    if (neu) kopplungen.push_back(z.fKopplung);
    fKopplungNr.push_back(it->second);
    for (const TKurs* kurs : z.fKopplung->fKurse) {
      if (kurs->fLehrer) lehrerNr.try_emplace(kurs->fLehrer, static_cast<int32_t>(lehrerNr.size()));
    }
  }
  fWorte = static_cast<int32_t>(lehrerNr.size() / 64 + 1);
  for (const TKopplung* k : kopplungen) {
    TBits bits(static_cast<std::size_t>(fWorte), 0);
    for (const TKurs* kurs : k->fKurse) {
      if (kurs->fLehrer == nullptr) continue;
      const int32_t nr = lehrerNr.at(kurs->fLehrer);
      bits[static_cast<std::size_t>(nr / 64)] |= uint64_t{1} << (nr % 64);
    }
    fLehrerBits.push_back(std::move(bits));
  }
  fZeilenLehrer.assign(static_cast<std::size_t>(fZeilen), TBits(static_cast<std::size_t>(fWorte)));
  const std::size_t n = zellen.size();
  fBenutzt.assign(n, false);
  fGewaehlt.assign(n, -1);
  fNaechster.assign(n, 0);
  fVorher.assign(n, nullptr);
  fHatVorher.assign(n, false);
}

bool TParSuche::Nimm(int32_t zeile, int32_t kopplung) {
  if (kopplung < 0) return true;
  TBits& belegt = fZeilenLehrer[static_cast<std::size_t>(zeile)];
  const TBits& lehrer = fLehrerBits[static_cast<std::size_t>(kopplung)];
  for (int32_t w = 0; w < fWorte; ++w) {
    if (belegt[static_cast<std::size_t>(w)] & lehrer[static_cast<std::size_t>(w)]) return false;
  }
  for (int32_t w = 0; w < fWorte; ++w) {
    belegt[static_cast<std::size_t>(w)] |= lehrer[static_cast<std::size_t>(w)];
  }
  return true;
}

// Nimm took only teachers the row did not need yet, so clearing them restores the row.
void TParSuche::GibZurueck(int32_t zeile, int32_t kopplung) {
  if (kopplung < 0) return;
  TBits& belegt = fZeilenLehrer[static_cast<std::size_t>(zeile)];
  const TBits& lehrer = fLehrerBits[static_cast<std::size_t>(kopplung)];
  for (int32_t w = 0; w < fWorte; ++w) {
    belegt[static_cast<std::size_t>(w)] &= ~lehrer[static_cast<std::size_t>(w)];
  }
}

void TParSuche::Gefunden() {
  ++fKombinationen;
  fLoesung.resize(fGewaehlt.size());
  for (std::size_t p = 0; p < fGewaehlt.size(); ++p) {
    fLoesung[p] = fKopplung[static_cast<std::size_t>(fGewaehlt[p])];
  }
}

bool TParSuche::Zurueck() {
  while (fPos > 0) {
    --fPos;
    const auto p = static_cast<std::size_t>(fPos);
    const auto zelle = static_cast<std::size_t>(fGewaehlt[p]);
    GibZurueck(fPos % fZeilen, fKopplungNr[zelle]);
    fGewaehlt[p] = -1;
    // A fixed cell has nothing else to try.
    if (fFix[p]) continue;
    fBenutzt[zelle] = false;
    fNeu = false;
    return true;
  }
  return false;
}

bool TParSuche::Weiter(int64_t kandidaten) {
  const int32_t n = fZeilen * fSpalten;
  const int64_t bis = fVersuche + kandidaten;
  while (!fFertig && fVersuche < bis) {
    if (fPos == n) {
      Gefunden();
      if (!Zurueck()) fFertig = true;
      continue;
    }
    const auto p = static_cast<std::size_t>(fPos);
    const int32_t zeile = fPos % fZeilen;
    if (fNeu && fFix[p]) {
      ++fVersuche;
      if (Nimm(zeile, fKopplungNr[p])) {
        fGewaehlt[p] = fPos;
        ++fPos;
      } else if (!Zurueck()) {
        fFertig = true;
      }
      continue;
    }
    if (fNeu) {
      fNeu = false;
      fNaechster[p] = 0;
      fHatVorher[p] = false;
    }
    // The next candidate of the column for this row.
    const int32_t basis = fPos - zeile;
    int32_t i = fNaechster[p];
    for (; i < fZeilen; ++i) {
      const auto zelle = static_cast<std::size_t>(basis + i);
      if (fFix[zelle] || fBenutzt[zelle]) continue;
      if (fHatVorher[p] && fVorher[p] == fKopplung[zelle]) continue;
      break;
    }
    if (i == fZeilen) {
      if (!Zurueck()) fFertig = true;
      continue;
    }
    const auto zelle = static_cast<std::size_t>(basis + i);
    fNaechster[p] = i + 1;
    fVorher[p] = fKopplung[zelle];
    fHatVorher[p] = true;
    ++fVersuche;
    if (!Nimm(zeile, fKopplungNr[zelle])) continue;
    fBenutzt[zelle] = true;
    fGewaehlt[p] = basis + i;
    ++fPos;
    fNeu = true;
  }
  return !fFertig;
}

void SucheBeenden(TParRaster& raster, const TParSuche& suche) {
  if (suche.Kombinationen() > 0) raster.Uebernehmen(suche.Loesung());
  raster.AlleBerechnen();
}

}  // namespace orbato
