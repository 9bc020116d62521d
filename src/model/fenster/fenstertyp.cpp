#include "model/fenster/fenstertyp.h"

#include <algorithm>

namespace orbato {
namespace {

constexpr bool NummernSteigend() {
  return std::ranges::adjacent_find(kFensterTypen, [](const auto& a, const auto& b) {
           return Nr(a.fTyp) >= Nr(b.fTyp);
         }) == kFensterTypen.end();
}
static_assert(NummernSteigend(), "each kind once, in the order of its number");

}  // namespace

const TFensterTypDaten& FensterTypDaten(int32_t nr) {
  static constexpr TFensterTypDaten kUnbekannt{
      TFensterTyp::KeinFenster, nullptr, {}, {}, false, kNurZeigen, false, false};
  const auto d = std::ranges::lower_bound(kFensterTypen, nr, {},
                                          [](const TFensterTypDaten& e) { return Nr(e.fTyp); });
  return d != kFensterTypen.end() && Nr(d->fTyp) == nr ? *d : kUnbekannt;
}

const TFensterTypDaten& FensterTypDaten(TFensterTyp typ) {
  return FensterTypDaten(Nr(typ));
}

std::string FensterTypTitel(TFensterTyp typ) {
  const char* titel = FensterTypDaten(typ).fTitel;
  return titel ? titel : "";
}

}  // namespace orbato
