#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orbato {

class Fehlerausgabe;
class TSetzung;
struct TFundort;

// The result levels of a check: the result box words them "keine", "kleinere" and "größere".
inline constexpr int kKeineFehler = 0;
inline constexpr int kKleinereFehler = 1;
inline constexpr int kGroessereFehler = 2;

// What one check has found so far: it writes the lines to the error window, asking for the window
// before the first one, and keeps the worst level.
class TBefund {
 public:
  explicit TBefund(Fehlerausgabe& ausgabe) : fAusgabe(ausgabe) {}

  void Fehler(std::string_view zeile, int stufe);
  void Fehler(std::string_view zeile, int stufe, const TFundort& ort);
  // A finding without a line of its own, such as a repair.
  void Hebe(int stufe) {
    if (stufe > fStufe) fStufe = stufe;
  }
  int Stufe() const { return fStufe; }

 private:
  Fehlerausgabe& fAusgabe;
  bool fGeoeffnet = false;
  int fStufe = kKeineFehler;
};

// The address of a placement in a message: "{" version "} " and the day label, with
// WochenTagStd also " " and the period label of that version.
std::string WochenTag(int32_t woche, int32_t tag);
std::string WochenTagStd(int32_t woche, int32_t tag, int32_t std);
std::string WochenTagStd(const TSetzung& s);

// Whether a placement addresses a cell of the grid: a version in use, day 1..7, period 1..16.
// The checks pass over any other one, since it names no cell they could test or set.
bool ImRaster(const TSetzung& s);

}  // namespace orbato
