#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "model/demo/schulzeit.h"

namespace orbato {

class TRaum;
class TSchule;

// The rooms of one kind that courses share, such as the halls or the physics rooms. Each room
// takes lessons up to its Platz; when none has space left, the next room of the kind is built.
class TRaumVorrat {
 public:
  // Rooms named `praefix` and a number counted from `ersteNr`, with `info` as long name.
  TRaumVorrat(std::string praefix, std::string info, int32_t ersteNr, TSchulzeit zeit);

  // The next room of the kind, blocked outside the school day.
  TRaum* Neu(TSchule& schule);
  // A room for a course of `stunden` lessons that none of `belegt` is: the one with most space
  // left among those with enough, else a new one. The lessons are booked on it.
  TRaum* Waehle(TSchule& schule, int32_t stunden, const std::vector<TRaum*>& belegt);

  const std::vector<TRaum*>& Raeume() const { return fRaeume; }

 private:
  int32_t Frei(const TRaum* raum) const;

  std::string fPraefix, fInfo;
  int32_t fNaechsteNr;
  TSchulzeit fZeit;
  std::vector<TRaum*> fRaeume;
  std::map<const TRaum*, int32_t> fGebucht;
};

}  // namespace orbato
