#pragma once

#include <cstdint>
#include <vector>

#include "placement/parraster.h"

namespace orbato {

// The search of "Suche Lösung": every column keeps its own couplings and permutes them over its
// rows so that no row needs a teacher twice. Columns are filled left to right, rows top to
// bottom; a fixed cell keeps its coupling, and the other cells try the column's movable couplings
// in row order, each once, an entry equal to the one tried just before skipped (equal entries
// and empty cells standing together are tried once). A coupling may go into a row only when none
// of its teachers is already needed there by an earlier column; that holds for a fixed one too,
// so that what is found never repeats a teacher.
//
// The search runs in steps, so that the window can handle input between candidates and stop it;
// it works on a copy of the grid taken when it is made.
class TParSuche {
 public:
  explicit TParSuche(const TParRaster& raster);

  // Tries up to `kandidaten` candidates; false when the search has run to its end.
  bool Weiter(int64_t kandidaten);
  bool Fertig() const { return fFertig; }
  // "Kombination Nr.": the arrangements found so far.
  int64_t Kombinationen() const { return fKombinationen; }
  // The candidates tried so far.
  int64_t Versuche() const { return fVersuche; }
  // The last arrangement found, column by column, row by row; empty while none was found.
  const std::vector<TKopplung*>& Loesung() const { return fLoesung; }

 private:
  using TBits = std::vector<uint64_t>;

  // Whether the coupling's teachers are free in the row; if so they are taken there.
  bool Nimm(int32_t zeile, int32_t kopplung);
  void GibZurueck(int32_t zeile, int32_t kopplung);
  void Gefunden();
  // One position back; false when there is none left.
  bool Zurueck();

  int32_t fZeilen;
  int32_t fSpalten;
  int32_t fWorte;                     // 64-bit words per teacher set
  std::vector<TKopplung*> fKopplung;  // per cell, column by column
  std::vector<bool> fFix;
  std::vector<int32_t> fKopplungNr;  // per cell: index into fLehrerBits, -1 for an empty cell
  std::vector<TBits> fLehrerBits;    // per distinct coupling, its teachers
  std::vector<TBits> fZeilenLehrer;  // per row, the teachers earlier columns need there
  std::vector<bool> fBenutzt;        // per cell: its coupling is placed in its column
  std::vector<int32_t> fGewaehlt;    // per position: the cell whose coupling stands there, -1
  std::vector<int32_t> fNaechster;   // per position: the next row to try
  std::vector<TKopplung*> fVorher;   // per position: the coupling tried just before
  std::vector<bool> fHatVorher;
  int32_t fPos = 0;
  bool fNeu = true;  // entering fPos, not returning to it
  bool fFertig = false;
  int64_t fKombinationen = 0;
  int64_t fVersuche = 0;
  std::vector<TKopplung*> fLoesung;
};

// The end of a search, run to its end or stopped: the last arrangement found goes into the grid
// (fixed cells keep their mark, the others become 'K' or empty) and marks the document changed;
// with none found the grid stays as it was. Every row is counted anew.
void SucheBeenden(TParRaster& raster, const TParSuche& suche);

}  // namespace orbato
