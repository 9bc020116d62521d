#pragma once

#include <cstdint>

#include "model/basis/datum.h"
#include "model/basis/fixtext.h"

namespace orbato {

class Fenster;
class TFach;
class TKurs;
class TLehrer;
class TRaum;
class TSetzung;

// One placed lesson on one date that does not take place as planned: who substitutes, where, with
// which subject and remarks. A record belongs to the placement it concerns and is listed in the
// document's substitution list as well.
class TVertretung {
 public:
  TDatumZeit fDatum = 0.5;
  TDatumZeit fAdHoc = 0;
  TKurs* fKurs = nullptr;
  TSetzung* fSetzung = nullptr;
  TLehrer* fLehrer = nullptr;
  TFach* fFach = nullptr;
  TRaum* fRaum = nullptr;
  TBemString fLInfo;
  TBemString fSInfo;
  bool fFrei = false;
  bool fGueltig = true;
  bool fAngerechnet = true;
  TVertretung* fVon = nullptr;
  TVertretung* fZu = nullptr;
  int32_t fVonNr = 0, fZuNr = 0, fNr = 0;
  Fenster* fFenster = nullptr;
};

// Takes a record out of the document's list and out of every partner link, before it dies with
// its placement.
void VertretungVergessen(TVertretung* v);
// Destroys a record: its proposal window closes, it leaves its placement and the document's list,
// the record that caused it forgets it, and the record created because of it goes with it.
void VertretungFreigeben(TVertretung* v);

}  // namespace orbato
