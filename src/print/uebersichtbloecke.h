#pragma once

#include <cstddef>
#include <vector>

#include "print/uebersichtdaten.h"

namespace orbato {

// A run of an overview's columns printed side by side: the columns von … bis - 1.
struct TSpaltenBlock {
  std::size_t von;
  std::size_t bis;
  friend bool operator==(const TSpaltenBlock&, const TSpaltenBlock&) = default;
};

// Splits a week that is wider than the page into blocks printed one after the other. A block
// takes whole days as long as they fit into `platz` at `breite` per column; a day wider than
// that is cut into parts that fit. With `tageEinzeln` every day starts a block of its own.
// Every block holds at least one column, however narrow the room.
std::vector<TSpaltenBlock> SpaltenBloecke(const std::vector<TUebersichtSpalte>& spalten, int platz,
                                          int breite, bool tageEinzeln);

}  // namespace orbato
