#pragma once

#include <cstdlib>

#include "model/dokument/schule.h"

// What every import fuzzer asks of the courses it read: a broken rule aborts, so that the fuzzer
// keeps the input.
namespace orbato::fuzz {

inline void Pruefe(bool bedingung) {
  if (!bedingung) std::abort();
}

template <class T>
void Listet(const T* e, const TKurs* k) {
  if (e) Pruefe(e->fKurse.ListeElemNr(k) > 0);
}

// Every element the course names lists the course.
inline void PruefeVerweise(const TKurs* k) {
  Listet(k->fLehrer, k);
  Listet(k->fFach, k);
  Listet(k->fKopplung, k);
  for (const TKlasse* c : k->fKlassen) Listet(c, k);
  for (const TRaum* r : k->fRaeume) Listet(r, k);
}

}  // namespace orbato::fuzz
