#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/schnittstellen/fenster.h"

namespace orbato {

// A window for tests: counts what it was told and, when given a shared log, writes
// "Titel: Update", "Titel: Refresh", "Titel: Schliessen", "Titel: NachVorn" there so that tests
// can check the order across several windows.
class TTestFenster : public Fenster {
 public:
  TTestFenster(int art, std::string titel, std::vector<std::string>* log = nullptr)
      : fArt(art), fTitel(std::move(titel)), fLog(log) {}

  void FensterUpdate() override {
    ++fUpdates;
    Notiere("Update");
  }
  void FensterRefresh() override {
    ++fRefreshs;
    Notiere("Refresh");
  }
  void FensterSchliessen() override {
    ++fSchliessungen;
    Notiere("Schliessen");
    // Lets a test unlink the window the way the GUI's close handler does.
    if (fBeimSchliessen) fBeimSchliessen();
  }
  void FensterNachVorn() override {
    ++fNachVorn;
    Notiere("NachVorn");
  }
  int FensterArt() const override { return fArt; }
  std::string FensterTitel() const override { return fTitel; }
  void SetTitel(std::string titel) { fTitel = std::move(titel); }

  int fUpdates = 0;
  int fRefreshs = 0;
  int fSchliessungen = 0;
  int fNachVorn = 0;
  std::function<void()> fBeimSchliessen;

 private:
  void Notiere(std::string_view was) {
    if (fLog) fLog->push_back(fTitel + ": " + std::string(was));
  }

  int fArt;
  std::string fTitel;
  std::vector<std::string>* fLog;
};

}  // namespace orbato
