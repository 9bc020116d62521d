#include "scheduler/optimierschritt.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

#include "scheduler/nachbessermodell.h"
#include "scheduler/optimierkosten.h"

namespace orbato {
namespace {

// The longest chain of lessons one step exchanges between two cells.
constexpr std::size_t kLaengsteKette = 24;

}  // namespace

TOptimierSchritt::TOptimierSchritt(TNachbesserModell& modell, TOptimierKosten& kosten,
                                   uint32_t saat)
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
  fInKette.assign(fM.fEreignisse.size(), 0);
  fImPlan.assign(TNachbesserModell::kZellen, false);
  for (int z : fM.Zellen()) fImPlan[static_cast<std::size_t>(z)] = true;
  for (std::size_t k = 0; k < fM.fKurse.size(); ++k) fMuster.push_back(Muster(static_cast<int>(k)));
}

bool TOptimierSchritt::Versuch() {
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
  ++fKettenNr;
  for (int i = 0; i < laenge; ++i) {
    const int x = i == a - von ? e : Nachbar(e, von + i);
    if (x < 0 || !Kette(x, nach + i)) return false;
  }
  return Ausfuehren();
}

bool TOptimierSchritt::Umsetzen(std::vector<std::pair<int, int>> ziele) {
  if (ziele.empty()) return false;
  // Into the earlier periods first: a course's hours of the day grow as one block.
  std::stable_sort(ziele.begin(), ziele.end(),
                   [](const auto& a, const auto& b) { return a.second < b.second; });
  fZiele = std::move(ziele);
  return Ausfuehren();
}

bool TOptimierSchritt::Ausfuehren() {
  for (const auto& [x, ziel] : fZiele) Heraus(x);
  for (const auto& [x, ziel] : fZiele) {
    if (!fM.Moeglich(x, ziel, fWeg) || !fWeg.empty() || !Hinein(x, ziel)) return Zurueck();
  }
  return RegelnGehalten() || Zurueck();
}

bool TOptimierSchritt::Zurueck() {
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

void TOptimierSchritt::Wiederholen(const std::vector<TAenderung>& aenderungen) {
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

int TOptimierSchritt::Ziel(int e) {
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

void TOptimierSchritt::Block(int e, int& von, int& laenge) const {
  const auto& ev = fM.fEreignisse[static_cast<std::size_t>(e)];
  const uint32_t tag = fM.fKurse[static_cast<std::size_t>(ev.kurse.front())]
                           .tage[static_cast<std::size_t>(ev.zelle / 16)];
  const auto haelt = [&](int zelle) { return zelle >= 0 && (tag >> (zelle % 16) & 1u); };
  while (von % 16 > 0 && haelt(von - 1)) --von;
  laenge = 1;
  while ((von + laenge) % 16 > 0 && haelt(von + laenge)) ++laenge;
}

bool TOptimierSchritt::Passt(int zelle, int laenge) const {
  const int letzte = zelle + laenge - 1;
  return zelle >= 0 && zelle / 16 == letzte / 16 && fImPlan[static_cast<std::size_t>(zelle)] &&
         fImPlan[static_cast<std::size_t>(letzte)];
}

int TOptimierSchritt::Nachbar(int e, int zelle) {
  const auto& ev = fM.fEreignisse[static_cast<std::size_t>(e)];
  fM.Hindernisse(e, zelle, fWeg);
  for (int x : fWeg) {
    const auto& kurse = fM.fEreignisse[static_cast<std::size_t>(x)].kurse;
    if (std::find(kurse.begin(), kurse.end(), ev.kurse.front()) != kurse.end())
      return fM.fEreignisse[static_cast<std::size_t>(x)].fix ? -1 : x;
  }
  return -1;
}

bool TOptimierSchritt::Kette(int start, int ziel) {
  std::size_t i = fZiele.size();
  fZiele.emplace_back(start, ziel);
  fInKette[static_cast<std::size_t>(start)] = fKettenNr;
  for (; i < fZiele.size(); ++i) {
    const auto [x, nach] = fZiele[i];
    const int von = fM.fEreignisse[static_cast<std::size_t>(x)].zelle;
    fM.Hindernisse(x, nach, fWeg);
    for (int y : fWeg) {
      if (Geplant(y)) continue;
      if (fM.fEreignisse[static_cast<std::size_t>(y)].fix || fZiele.size() >= kLaengsteKette)
        return false;
      fZiele.emplace_back(y, von);
      fInKette[static_cast<std::size_t>(y)] = fKettenNr;
    }
  }
  return true;
}

bool TOptimierSchritt::Geplant(int e) const {
  return fInKette[static_cast<std::size_t>(e)] == fKettenNr;
}

bool TOptimierSchritt::RegelnGehalten() const {
  for (const auto& [x, ziel] : fZiele) {
    for (int kurs : fM.fEreignisse[static_cast<std::size_t>(x)].kurse) {
      if (Muster(kurs) != fMuster[static_cast<std::size_t>(kurs)]) return false;
    }
  }
  return true;
}

TMuster TOptimierSchritt::Muster(int kurs) const {
  TMuster m{};
  for (const uint32_t tag : fM.fKurse[static_cast<std::size_t>(kurs)].tage) {
    if (!TNachbesserModell::EinBlock(tag)) return TMuster{};
    ++m[static_cast<std::size_t>(std::popcount(tag))];
  }
  return m;
}

void TOptimierSchritt::Heraus(int e) {
  const auto& ev = fM.fEreignisse[static_cast<std::size_t>(e)];
  fAenderungen.push_back({e, ev.zelle, ev.raeume, true});
  fK.Weg(e, ev.zelle);
  fM.Entferne(e);
}

bool TOptimierSchritt::Hinein(int e, int zelle) {
  const std::vector<int>* vorher = nullptr;
  for (const TAenderung& a : fAenderungen) {
    if (a.heraus && a.ereignis == e) vorher = &a.raeume;
  }
  // A lesson takes its rooms along where they are free: rooms found afresh for each lesson of
  // a chain take the rooms the next one needs, and most chains then fail for want of a room.
  if (vorher && fM.RaeumeFrei(*vorher, zelle)) {
    fRaeume = *vorher;
  } else if (!fM.RaeumeFinden(e, zelle, {}, fRaeume)) {
    return false;
  }
  for (std::size_t i = 0; vorher && i < fRaeume.size(); ++i) {
    if ((*vorher)[i] >= 0 && fRaeume[i] < 0) return false;
  }
  fM.Setze(e, zelle, fRaeume);
  fK.Dazu(e, zelle);
  fAenderungen.push_back({e, zelle, fRaeume, false});
  return true;
}

}  // namespace orbato
