#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/elemente/kuerzelart.h"

namespace orbato {

class TPlanElement;
class TSchule;
class TStandard;

// The window "Stundenverteilung" as data: for every teacher, class or room how its lessons lie in
// the week of the current plan version, one glyph per period, and its gap periods.

// The shapes a period is drawn with; the colours as the model stores them (red in the low byte).
enum class TSVFigur { Kreis, Quadrat, Strich };
struct TSVGlyphe {
  TSVFigur fFigur;
  bool fGefuellt;
  int32_t fFarbe;

  friend bool operator==(const TSVGlyphe&, const TSVGlyphe&) = default;
};
inline constexpr int kSVGlyphBreite = 7;

// The glyph of one character of a day-status text: "E" open circle, "K" filled circle, "G" open
// square, "L" filled square, "S" olive square, "F" black bar, "U" red bar. Anything else is drawn
// as free.
TSVGlyphe SVGlyphe(char code);

// "Kürzel", the day abbreviations of days 1..fMaxTageNeu, "Sprstd.".
std::vector<std::string> SVKoepfe(const TStandard& standard);
// A day column is one glyph per shown period wide, with a small margin.
int32_t SVTagBreite(const TStandard& standard);

struct TSVZeile {
  std::string fKuerzel;
  // One text per day 1..fMaxTageNeu: the first fPlnStd characters of its day-status text.
  std::vector<std::string> fTage;
  int32_t fSprStd = 0;

  friend bool operator==(const TSVZeile&, const TSVZeile&) = default;
};
TSVZeile SVZeileVon(const TStandard& standard, const TPlanElement& element);
// The teachers (leh), classes (kla) or rooms (rau) in the document's order; none for other kinds.
std::vector<TSVZeile> SVZeilen(const TSchule& schule, const TStandard& standard, TKuerzelArt art);
// The element a row stands for; none beyond the list.
TPlanElement* SVElement(const TSchule& schule, TKuerzelArt art, int zeile);

}  // namespace orbato
