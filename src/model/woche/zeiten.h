#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/basis/fixtext.h"
#include "model/basis/grenzen.h"

namespace orbato {

class TSchule;
class TStandard;
class TTextMass;

using TStundenBezeichnungen = std::array<std::array<TStundenString, kMaxStunden>, kMaxWochen>;

// A period label as it is kept: cut to 15 characters, and without trailing blanks once it is two
// characters or longer, so that the default labels " 1" … " 9" and a label of a single blank stay
// as they are.
std::string ZeitBereinigt(std::string_view text);

// The labels of every version are stored at once, each as ZeitBereinigt makes it; then the plan
// and teaching-load columns are fit to them in the fonts `mass` measures, and every window is
// redrawn.
void ZeitenAendern(TSchule& schule, TStandard& standard, const TStundenBezeichnungen& zeiten,
                   TTextMass& mass);

// "Voreinstellung für Zeiten": the labels of one version at a time, edited in a working copy of
// all versions' labels that "Ok" stores as a whole.
class TZeitenWahl {
 public:
  static constexpr std::size_t kLaenge = TStundenString::Kapazitaet;

  explicit TZeitenWahl(const TStandard& standard);

  int32_t Version() const { return fVersion; }
  int32_t Versionen() const { return fVersionen; }
  // Held inside 1..fMaxWocheNeu.
  void SetzeVersion(int32_t version);

  // Period 1..16 of the version shown.
  const std::string& Zeit(int32_t std) const;
  // Cut to 15 characters; periods outside 1..16 are ignored.
  void SetzeZeit(int32_t std, std::string_view text);

  const TStundenBezeichnungen& Zeiten() const { return fZeiten; }
  void Uebernehmen(TSchule& schule, TStandard& standard, TTextMass& mass) const;

 private:
  TStundenBezeichnungen fZeiten;
  int32_t fVersionen;
  int32_t fVersion;
};

}  // namespace orbato
