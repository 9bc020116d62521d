#include "checks/befund.h"

#include "checks/fehlerausgabe.h"
#include "model/einstellungen/standard.h"
#include "model/kurse/setzung.h"

namespace orbato {

void TBefund::Fehler(std::string_view zeile, int stufe) {
  Fehler(zeile, stufe, TFundort{});
}

void TBefund::Fehler(std::string_view zeile, int stufe, const TFundort& ort) {
  if (!fGeoeffnet) {
    fAusgabe.FehlerInit();
    fGeoeffnet = true;
  }
  fAusgabe.NeuerFehlerBei(zeile, ort);
  Hebe(stufe);
}

std::string WochenTag(int32_t woche, int32_t tag) {
  // Appended piece by piece: GCC 12 at -O3 takes "{" + std::string for an overlapping copy.
  std::string text = "{";
  text += std::to_string(woche);
  text += "} ";
  text += Standard().fTagBez[tag - 1].str();
  return text;
}

std::string WochenTagStd(int32_t woche, int32_t tag, int32_t std) {
  return WochenTag(woche, tag) + " " + Standard().fStdBez[woche - 1][std - 1].str();
}

std::string WochenTagStd(const TSetzung& s) {
  return WochenTagStd(s.fWoche, s.fTag, s.fStunde);
}

bool ImRaster(const TSetzung& s) {
  return s.fWoche >= 1 && s.fWoche <= Standard().WochenZahl() && s.fTag >= 1 &&
         s.fTag <= kMaxTage && s.fStunde >= 1 && s.fStunde <= kMaxStunden;
}

}  // namespace orbato
