#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/schnittstellen/menue.h"

namespace orbato {

class TKopplung;
class TSchule;
class TStandard;

// One cell of the grid of parallel couplings: empty, or a coupling the search may move ('K') or
// one fixed in its cell ('F').
struct TParZelle {
  TKopplung* fKopplung = nullptr;
  char fMarke = ' ';

  friend bool operator==(const TParZelle&, const TParZelle&) = default;
};

// The grid of "Parallele Kopplungen": rows of couplings that are meant to run in the same period,
// with each row's count of teachers needed more than once. Columns and rows count from 1; column
// 0 is the count. Every change recounts the rows concerned and writes the grid back into the
// document's fParListe. The row menu lays out the days and periods of the settings it was
// handed.
class TParRaster {
 public:
  // An empty grid of that size.
  TParRaster(TSchule& schule, const TStandard& standard, int32_t zeilen, int32_t spalten);
  // The grid of that size filled from the document's stored grid, cell by cell where the stored
  // grid has the cell; every coupling taken over may be moved.
  static TParRaster AusParListe(TSchule& schule, const TStandard& standard, int32_t zeilen,
                                int32_t spalten);

  int32_t Zeilen() const { return fZeilen; }
  int32_t Spalten() const { return fSpalten; }
  const TParZelle& Zelle(int32_t spalte, int32_t zeile) const;
  // The row's conflict count as last computed.
  int32_t Konflikte(int32_t zeile) const { return fKonflikte[zeile - 1]; }

  // Counts the teachers the row's couplings need more than once (a teacher of n courses counts
  // n - 1), keeps the count and writes the grid back.
  int32_t BerechneSchnitt(int32_t zeile);
  void AlleBerechnen();
  // The whole grid into fParListe, row by row; the document is marked changed when the stored
  // grid was another one.
  void MerkeParListe();

  // The palette's tools. Setting and moving make the target movable ('K'); moving with `kopieren`
  // leaves the source as it was. Fixing turns 'K' into 'F' and back and does nothing on an empty
  // cell.
  void Setze(int32_t spalte, int32_t zeile, TKopplung* kopplung);
  void Schiebe(int32_t vonSpalte, int32_t vonZeile, int32_t nachSpalte, int32_t nachZeile,
               bool kopieren);
  void Leeren(int32_t spalte, int32_t zeile);
  void Fixieren(int32_t spalte, int32_t zeile);
  // A coupling about to be deleted leaves every cell.
  void KopplungEntfernt(const TKopplung* kopplung);
  // The cells as a search result gives them: couplings column by column, row by row; the marks
  // stay where the cells are fixed, the others become 'K' or empty.
  void Uebernehmen(const std::vector<TKopplung*>& spaltenweise);

  // Every cell, column by column and within a column row by row: how the search sees the grid.
  std::vector<TParZelle> Spaltenweise() const;

  // The set tool's menu of a cell: every coupling of the school, the one in the cell checked,
  // choosing one puts it there; then the row's placement, by day and period. In column 0 only the
  // row's placement. `danach` runs after each command.
  TMenu SetzMenu(int32_t spalte, int32_t zeile, const std::function<void()>& danach = {});
  // The submenu that places the row: the days of the week, each with its shown periods.
  TMenu ZeilenMenu(int32_t zeile, const std::function<void()>& danach = {});

  // The cell's caption: the coupling's short name, with `mitFach` followed by the subjects of its
  // courses in their order, each once.
  std::string ZellText(int32_t spalte, int32_t zeile, bool mitFach) const;
  // The grid as tab-separated lines, each ending in a line feed: the header "Konfl.", "Spalte 1",
  // …, then each row's count and captions.
  std::string Text(bool mitFach) const;

 private:
  TParZelle& ZelleRef(int32_t spalte, int32_t zeile);
  bool Gueltig(int32_t spalte, int32_t zeile) const;

  TSchule* fSchule;
  const TStandard* fStandard;
  int32_t fZeilen;
  int32_t fSpalten;
  std::vector<TParZelle> fZellen;  // row by row
  std::vector<int32_t> fKonflikte;
};

// Places every course of every coupling of the row into the cell, each with its first free room,
// in the current version (single-version mode) or in every version. Answers the number of
// placements made; courses without an hour left get none.
int32_t SetzZeile(const TStandard& standard, const TParRaster& raster, int32_t zeile, int32_t tag,
                  int32_t std);

// The column headers of the grid's window: "Konfl.", "Spalte 1", …
std::vector<std::string> ParKoepfe(int32_t spalten);

}  // namespace orbato
