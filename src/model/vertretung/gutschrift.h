#pragma once

#include <cstdint>
#include <vector>

#include "model/basis/datum.h"

namespace orbato {

class TLehrer;
class TVertretung;

// The credit a record gives its substitute: the course's factor for a real substitute whose
// lesson counts and is in force. Every change of a record is bracketed by one of these, so that
// the balance follows the record whatever the change was; balances therefore return to where they
// were when the records that moved them are gone. A record whose substitute changed also moves to
// its place in the document's sorted list.
class TGutschrift {
 public:
  explicit TGutschrift(TVertretung* v);
  ~TGutschrift() { Abschliessen(); }
  TGutschrift(const TGutschrift&) = delete;
  TGutschrift& operator=(const TGutschrift&) = delete;

  // Books the difference between the credit at the start and now; the record may be gone (none).
  void Abschliessen();
  void Vergessen() { fV = nullptr; }

 private:
  TVertretung* fV;
  TLehrer* fVertreter;
  TLehrer* fLehrer;
  int32_t fBetrag;
  TDatumZeit fDatum;
  bool fFertig = false;
};

// Who holds the credit of a record now, and how much.
TLehrer* GutgeschriebenerLehrer(const TVertretung& v);

// The records of a date and period, in list order; taken as a copy so that the caller may free
// records while walking them (test each with NochDa first).
std::vector<TVertretung*> VertretungenAm(TDatumZeit datum, int32_t std);
bool NochDa(const TVertretung* v);

}  // namespace orbato
