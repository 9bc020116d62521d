#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/basis/datum.h"
#include "model/elemente/kuerzelart.h"

namespace orbato {

class TElement;
class TSchule;
class TVertretung;

// One row of a grid, its cells as shown (Windows-1252).
using TRasterZeile = std::vector<std::string>;

// The substitution overviews "Vertretungsübersicht für Lehrer" (leh) and "… für Klassen" (kla)
// over the records in force whose dates lie in a range of whole days. The statistics grid has the
// header in row 0 and one row per teacher or class in list order:
//   teachers: "Lehrer", "Name", "vertreten" (records in which he substitutes for another),
//     "Std." (their worth), "angerechnet" (the worth of those counted for his balance),
//     "gefehlt" (records of his own lessons not held by him), "Std. gefehlt", "frei" (those of
//     them cancelled);
//   classes: "Klasse", "Name", "betroffen" (records of its lessons), then each record under the
//     first of "frei" (cancelled), "vertreten" (another teacher), "verlegt" (moved to another
//     time), "Raum" (own teacher, other room), "offen" (nothing entered yet).
// Worths are hour values without the leading blanks.
class TVertretungsUebersicht {
 public:
  TVertretungsUebersicht(const TSchule& schule, TKuerzelArt art, TDatumZeit von, TDatumZeit bis);

  // A new range computes everything anew; so does Rechnen after the records changed.
  void SetBereich(TDatumZeit von, TDatumZeit bis);
  void Rechnen();

  TKuerzelArt Art() const { return fArt; }
  TDatumZeit Von() const { return fVon; }
  TDatumZeit Bis() const { return fBis; }
  // "Vertretungsübersicht für Lehrer" or "Vertretungsübersicht für Klassen".
  std::string Titel() const;
  // "vom dd.mm.yyyy bis dd.mm.yyyy".
  std::string BereichText() const;

  const std::vector<TRasterZeile>& Raster() const { return fRaster; }
  // The element of grid row 1..n.
  const TElement* Element(int32_t zeile) const;
  // The records of the element of grid row `zeile`, by date and period, one row each: "Datum",
  // "Stunde", "Art", "Kurs", "Vertretung", "Raum", "Bemerkung".
  std::vector<TRasterZeile> Details(int32_t zeile) const;
  static TRasterZeile DetailKopf();
  // The whole grid, header included, as tab-separated lines for the clipboard.
  std::string Text() const;

 private:
  std::vector<const TVertretung*> ImBereich() const;
  TRasterZeile LehrerZeile(const TElement& lehrer,
                           const std::vector<const TVertretung*>& vertretungen) const;
  TRasterZeile KlassenZeile(const TElement& klasse,
                            const std::vector<const TVertretung*>& vertretungen) const;

  const TSchule& fSchule;
  TKuerzelArt fArt;
  TDatumZeit fVon;
  TDatumZeit fBis;
  std::vector<TRasterZeile> fRaster;
};

}  // namespace orbato
