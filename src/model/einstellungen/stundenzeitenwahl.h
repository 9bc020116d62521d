#pragma once

#include <string>
#include <string_view>

#include "model/einstellungen/stundenzeiten.h"

namespace orbato {

class TStandard;

// The logic of "Stundenzeiten": a working copy of the period times, edited as "HH:MM" texts, that
// "Ok" stores only when every period ends after it begins.
class TStundenZeitenWahl {
 public:
  explicit TStundenZeitenWahl(const TStandard& standard);

  // The times of period `std` (1..16) as "HH:MM".
  std::string Beginn(int std) const;
  std::string Ende(int std) const;
  // Takes a typed time; false (and nothing changes) when the text is no time "HH:MM".
  bool SetzeBeginn(int std, std::string_view text);
  bool SetzeEnde(int std, std::string_view text);
  // "Vorgabe": the bell times of a new installation.
  void Vorgabe() { fZeiten = VorgabeStundenZeiten(); }

  // The first period that does not end after it begins; 0 when there is none.
  int FalscheStunde() const;
  // The message "Ok" shows for FalscheStunde.
  static std::string Meldung(int std);
  // Stores the times in the settings; false, storing nothing, while a period is wrong.
  bool Uebernehmen(TStandard& standard) const;

  const TStundenZeiten& Zeiten() const { return fZeiten; }

 private:
  TStundenZeit& Zeit(int std) { return fZeiten[static_cast<std::size_t>(std - 1)]; }
  const TStundenZeit& Zeit(int std) const { return fZeiten[static_cast<std::size_t>(std - 1)]; }

  TStundenZeiten fZeiten;
};

}  // namespace orbato
