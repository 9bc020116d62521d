#include "scheduler/tagesfolge.h"

#include <array>
#include <bit>
#include <cstdint>

#include "scheduler/nachbessermodell.h"
#include "scheduler/optimierkosten.h"

namespace orbato {
namespace {

using TFolge = TOptimierKosten::TFolge;

// Up to this many periods that may move, every order is tried (7! = 5040); beyond, single swaps
// and shifts of periods as long as one helps.
constexpr std::size_t kAlleFolgenBis = 7;
// A bound on the rounds of swaps and shifts, each of which must have helped.
constexpr int kHoechsteRunden = 64;

uint32_t Umgeordnet(uint32_t bits, const TFolge& folge) {
  uint32_t neu = 0;
  for (; bits != 0; bits &= bits - 1)
    neu |= 1u << folge[static_cast<std::size_t>(std::countr_zero(bits))];
  return neu;
}

class TTagesFolge {
 public:
  TTagesFolge(const TNachbesserModell& modell, const TOptimierKosten& kosten, std::size_t tag)
      : fM(modell), fK(kosten), fTag(tag), fElemente(kosten.TagesElemente(tag)) {
    PeriodenAufnehmen();
    for (std::size_t p = 0; p < fFolge.size(); ++p) fFolge[p] = static_cast<uint8_t>(p);
    fBeste = fFolge;
    fBesteKosten = fK.TagesFolgeKosten(fTag, fFolge, fElemente);
    fStart = fBesteKosten;
  }

  std::vector<std::pair<int, int>> Beste() {
    if (fFrei.size() < 2) return {};
    if (fFrei.size() <= kAlleFolgenBis) {
      uint16_t belegt = 0;
      Alle(0, belegt);
    } else {
      Verbessern();
    }
    std::vector<std::pair<int, int>> zuege;
    if (fBesteKosten >= fStart) return zuege;
    for (uint8_t p : fFrei) {
      if (fBeste[p] == p) continue;
      for (int e : fEreignisse[p]) zuege.emplace_back(e, static_cast<int>(fTag * 16 + fBeste[p]));
    }
    return zuege;
  }

 private:
  void PeriodenAufnehmen() {
    uint32_t schule = 0, fest = 0;
    for (int z : fM.Zellen()) {
      if (static_cast<std::size_t>(z / 16) == fTag) schule |= 1u << (z % 16);
    }
    for (std::size_t e = 0; e < fM.fEreignisse.size(); ++e) {
      const auto& ev = fM.fEreignisse[e];
      if (ev.zelle < 0 || static_cast<std::size_t>(ev.zelle / 16) != fTag) continue;
      fEreignisse[static_cast<std::size_t>(ev.zelle % 16)].push_back(static_cast<int>(e));
      if (ev.fix) fest |= 1u << (ev.zelle % 16);
    }
    for (uint32_t frei = schule & ~fest; frei != 0; frei &= frei - 1)
      fFrei.push_back(static_cast<uint8_t>(std::countr_zero(frei)));
    for (uint8_t p : fFrei) {
      for (uint8_t q : fFrei) {
        if (Darf(p, q)) fErlaubt[p] |= static_cast<uint16_t>(1u << q);
      }
    }
    uint32_t freiBits = 0;
    for (uint8_t p : fFrei) freiBits |= 1u << p;
    for (std::size_t k = 0; k < fM.fKurse.size(); ++k) {
      const uint32_t tage = fM.fKurse[k].tage[fTag];
      if (std::popcount(tage) >= 2 && (tage & freiBits) != 0) fKurse.push_back(static_cast<int>(k));
    }
  }

  // Whether every lesson of period p may stand in period q.
  bool Darf(uint8_t p, uint8_t q) const {
    for (int e : fEreignisse[p]) {
      if (fM.Gesperrt(e, static_cast<int>(fTag * 16 + q))) return false;
    }
    return true;
  }

  bool BloeckeGehalten(const TFolge& folge) const {
    for (int k : fKurse) {
      const uint32_t tage = fM.fKurse[static_cast<std::size_t>(k)].tage[fTag];
      if (!fM.TagErlaubt(k, fTag, Umgeordnet(tage, folge))) return false;
    }
    return true;
  }

  void Pruefe(const TFolge& folge) {
    if (!BloeckeGehalten(folge)) return;
    const int64_t kosten = fK.TagesFolgeKosten(fTag, folge, fElemente);
    if (kosten < fBesteKosten) {
      fBesteKosten = kosten;
      fBeste = folge;
    }
  }

  // Every order of the periods from the i-th free one on, into the periods not yet taken.
  void Alle(std::size_t i, uint16_t& belegt) {
    if (i == fFrei.size()) {
      Pruefe(fFolge);
      return;
    }
    const uint8_t p = fFrei[i];
    for (uint8_t q : fFrei) {
      const auto bit = static_cast<uint16_t>(1u << q);
      if ((belegt & bit) || !(fErlaubt[p] & bit)) continue;
      fFolge[p] = q;
      belegt |= bit;
      Alle(i + 1, belegt);
      belegt &= static_cast<uint16_t>(~bit);
    }
    fFolge[p] = p;
  }

  bool Erlaubt(const TFolge& folge) const {
    for (uint8_t p : fFrei) {
      if (!(fErlaubt[p] & (1u << folge[p]))) return false;
    }
    return true;
  }

  // Swaps of two periods' places and shifts of one period past others, each taken when it helps.
  void Verbessern() {
    for (int runde = 0; runde < kHoechsteRunden; ++runde) {
      const int64_t vorher = fBesteKosten;
      for (std::size_t i = 0; i < fFrei.size(); ++i) {
        for (std::size_t j = i + 1; j < fFrei.size(); ++j) {
          TFolge tausch = fBeste;
          std::swap(tausch[fFrei[i]], tausch[fFrei[j]]);
          if (Erlaubt(tausch)) Pruefe(tausch);
          TFolge schub = fBeste;
          for (std::size_t x = i; x < j; ++x) std::swap(schub[fFrei[x]], schub[fFrei[x + 1]]);
          if (Erlaubt(schub)) Pruefe(schub);
        }
      }
      if (fBesteKosten == vorher) return;
    }
  }

  const TNachbesserModell& fM;
  const TOptimierKosten& fK;
  std::size_t fTag;
  std::vector<int> fElemente;                    // the cost's elements with lessons that day
  std::array<std::vector<int>, 16> fEreignisse;  // per period of the day, its events
  std::vector<uint8_t> fFrei;                    // the periods that may move
  std::array<uint16_t, 16> fErlaubt{};           // per period, where its lessons may go (bit q)
  std::vector<int> fKurse;                       // the courses with a block among them
  TFolge fFolge{}, fBeste{};
  int64_t fStart = 0, fBesteKosten = 0;
};

}  // namespace

std::vector<std::pair<int, int>> BesteTagesFolge(const TNachbesserModell& modell,
                                                 const TOptimierKosten& kosten, std::size_t tag) {
  return TTagesFolge(modell, kosten, tag).Beste();
}

}  // namespace orbato
