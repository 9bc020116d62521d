#pragma once

#include <string_view>

namespace orbato {

struct TSchrift;
class TStandard;

// Measures texts in the font it was last given, as a canvas does; the GUI implements it with
// QFontMetrics. Texts are Windows-1252, one byte per character.
class TTextMass {
 public:
  virtual ~TTextMass() = default;
  // Takes the font in its normal weight.
  virtual void Schrift(const TSchrift& schrift) = 0;
  virtual void Fett(bool fett) = 0;
  // Width in pixels.
  virtual int Breite(std::string_view text) const = 0;
};

// The plan window row height and column widths, fit to the short names of the document, the day
// abbreviations and the period labels of the current version, in the plan font (bold while
// couplings are shown bold). The measurer is left in normal weight.
void BerechnePlnBreite(TStandard& standard, TTextMass& mass);
// The teaching-load window row height and column widths in the workload font: each element
// column holds its header and every short name of the document.
void BerechneDepBreite(TStandard& standard, TTextMass& mass);

}  // namespace orbato
