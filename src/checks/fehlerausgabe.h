#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orbato {

class TElement;
class TKurs;

// Where a finding stands, as far as it names a place: the course or the element whose plan shows
// it, the version, and the day and period (0: the whole version or day).
struct TFundort {
  const TKurs* fKurs = nullptr;
  const TElement* fElement = nullptr;
  int32_t fWoche = 0;
  int32_t fTag = 0;
  int32_t fStunde = 0;
};

// The error window "Fehler" as the plan checks see it: every finding is one line of text. A check
// never clears it, so the lines of several checks stand one after another until the user closes
// the window; the GUI keeps them across checks, this port only appends.
class Fehlerausgabe {
 public:
  virtual ~Fehlerausgabe() = default;

  // Called once before the first line a check writes: the window opens unless it is open already.
  // A check that finds nothing does not call it, so no empty window pops up.
  virtual void FehlerInit() = 0;
  // Appends one line (Windows-1252).
  virtual void NeuerFehler(std::string_view zeile) = 0;

  // A check begins, named as in the menu; the window heads its findings with the name. The
  // command line prints the lines alone.
  virtual void PruefungBeginnen(std::string_view /*name*/) {}
  // Appends one line with the place it names, which the window can open.
  virtual void NeuerFehlerBei(std::string_view zeile, const TFundort& /*ort*/) {
    NeuerFehler(zeile);
  }
};

// The lines of every check run against it, in order: for the command line, which prints them, and
// for tests.
class TFehlerSammlung : public Fehlerausgabe {
 public:
  void FehlerInit() override { ++fGeoeffnet; }
  void NeuerFehler(std::string_view zeile) override { fZeilen.emplace_back(zeile); }

  const std::vector<std::string>& Zeilen() const { return fZeilen; }
  // How often a check asked for the window.
  int Geoeffnet() const { return fGeoeffnet; }
  // What the user's closing of the window does.
  void Leeren() {
    fZeilen.clear();
    fGeoeffnet = 0;
  }

 private:
  std::vector<std::string> fZeilen;
  int fGeoeffnet = 0;
};

}  // namespace orbato
