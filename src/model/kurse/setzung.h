#pragma once

#include <cstdint>

#include "model/basis/liste.h"
#include "model/vertretung/vertretung.h"

namespace orbato {

class TPlanElement;
class TRaum;

// One lesson of a course in one cell of one plan version, with its room and fixed mark. A lesson
// placed in all versions is one placement per version, so fWoche is never 0 or -1.
class TSetzung {
 public:
  TSetzung(int32_t woche, int32_t tag, int32_t std, TRaum* raum = nullptr)
      : fStunde(std), fTag(tag), fWoche(woche), fRaum(raum) {}
  // Its substitution records die with it: they leave the document's list, and their partners
  // forget them.
  ~TSetzung();
  TSetzung(const TSetzung&) = delete;
  TSetzung& operator=(const TSetzung&) = delete;

  // These mark the document changed.
  void SetStunde(int32_t std);
  void SetTag(int32_t tag);
  void SetWoche(int32_t woche);
  void SetRaum(TRaum* raum);
  void SetFixiert(bool fixiert);

  bool Liegt(int32_t woche, int32_t tag, int32_t std) const {
    return fWoche == woche && fTag == tag && fStunde == std;
  }

  // Whether the lesson is the first or the last of the class's day: the class is free in every
  // period after it, or in every period before it. Periods 1 and 16 are always at the edge.
  bool AmRand(const TPlanElement& klasse) const;
  // The first record of the date, if any.
  TVertretung* VertretungFinden(TDatumZeit datum) const;

  int32_t fReihe = 0;  // kept in the file, read by nothing
  int32_t fStunde;
  int32_t fTag;
  int32_t fWoche;
  TRaum* fRaum;
  bool fFixiert = false;
  TListe<TVertretung> fVertretungen{true};
};

}  // namespace orbato
