#include "print/uebersichtbloecke.h"

#include <algorithm>

namespace orbato {
namespace {

// The first column after the day that column `ab` belongs to.
std::size_t TagesEnde(const std::vector<TUebersichtSpalte>& spalten, std::size_t ab) {
  std::size_t ende = ab;
  while (ende < spalten.size() && spalten[ende].tag == spalten[ab].tag) ++ende;
  return ende;
}

}  // namespace

std::vector<TSpaltenBlock> SpaltenBloecke(const std::vector<TUebersichtSpalte>& spalten, int platz,
                                          int breite, bool tageEinzeln) {
  const std::size_t proBlock = static_cast<std::size_t>(std::max(1, platz / std::max(1, breite)));
  std::vector<TSpaltenBlock> bloecke;
  std::size_t von = 0;
  while (von < spalten.size()) {
    std::size_t bis = TagesEnde(spalten, von);
    if (bis - von > proBlock) {
      bloecke.push_back({von, von + proBlock});
      von += proBlock;
      continue;
    }
    while (!tageEinzeln && bis < spalten.size() && TagesEnde(spalten, bis) - von <= proBlock) {
      bis = TagesEnde(spalten, bis);
    }
    bloecke.push_back({von, bis});
    von = bis;
  }
  return bloecke;
}

}  // namespace orbato
