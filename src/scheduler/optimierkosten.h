#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <vector>

#include "model/einstellungen/standard.h"
#include "scheduler/optimierung.h"

namespace orbato {

class TNachbesserModell;

// The cost "Optimieren" lowers, kept up to date lesson by lesson: for every teacher, class and
// subject of a class the periods it holds on each day, and what those days cost.
//
// A step of the search tells every lesson that leaves or enters a cell (Weg, Dazu), then asks
// Bewerten for the cost the plan would have; Annehmen keeps the step, Verwerfen forgets it after
// the search has put the lessons back (with Weg and Dazu the other way round). Only the elements
// a step touched are counted again, so a step costs the same on a small school as on a large one.
class TOptimierKosten {
 public:
  TOptimierKosten(const TNachbesserModell& modell, const TOptimierEinstellungen& einstellungen,
                  int32_t plnStd, int32_t tage);

  void Weg(int ereignis, int zelle) { Trage(ereignis, zelle, -1); }
  void Dazu(int ereignis, int zelle) { Trage(ereignis, zelle, +1); }
  // The cost of the plan as it stands now; false when the step made a subject twice on a class's
  // day that had no subject twice at the start.
  bool Bewerten(int64_t& kosten);
  void Annehmen();
  void Verwerfen();

  int64_t Kosten() const { return fKosten; }

  // Per period of a day (from 0), the period it becomes.
  using TFolge = std::array<uint8_t, 16>;
  // The part of the cost that the order of the day's periods decides (gaps, late starts, a
  // subject split), were every period p of the day (from 0) to become folge[p] for the whole
  // school. The worst teacher's share and the ranks are left out. kVerboten when the order
  // splits a subject of a class on a day where none was split at the start.
  // `elemente` are those of TagesElemente(tag); the others have nothing on the day.
  int64_t TagesFolgeKosten(std::size_t tag, const TFolge& folge,
                           const std::vector<int>& elemente) const;
  // The teachers, classes and subjects of classes that hold a period of the day.
  std::vector<int> TagesElemente(std::size_t tag) const;
  static constexpr int64_t kVerboten = std::numeric_limits<int64_t>::max();
  // The figures counted afresh from the periods held.
  TOptimierZahlen Zahlen() const;

 private:
  using TTage = std::array<uint32_t, 8>;

  enum class TArt { Lehrer, Klasse, Fach };

  // A teacher, class or subject of a class: how many lessons it holds in each cell, the periods
  // it holds per day, and what it costs.
  struct TElement {
    TArt art = TArt::Lehrer;
    bool vollzeit = false;   // a full-time class
    bool freierTag = false;  // a teacher marked for a free day
    int klasse = -1;         // a subject of a class: the class's element
    std::array<uint8_t, 7 * 16> anzahl{};
    TTage belegt{};
    TTage gesperrt{};
    int64_t kosten = 0;
    int32_t luecken = 0;  // teachers: the gaps of the week
    int32_t neueLuecken = 0;
    int64_t neueKosten = 0;
    uint32_t beruehrt = 0;  // the step that touched it last
  };

  // The elements an event touches, each once, by index into fElemente.
  struct TEreignisDaten {
    std::vector<int> elemente;
    std::size_t tabelle = 0;  // the rating table of its first course, 0..3
  };

  void ElementeAufnehmen(const TNachbesserModell& modell);
  void ZellenAufnehmen(const TNachbesserModell& modell);
  void Trage(int ereignis, int zelle, int richtung);
  int64_t ElementKosten(const TElement& el, int32_t& luecken) const;
  int64_t LehrerKosten(const TElement& el, int32_t& luecken) const;
  int64_t KlassenKosten(const TElement& el) const;
  int64_t FachKosten(const TElement& el) const;
  bool NeuGeteilt(const TElement& el) const;
  static int32_t Schlechtester(const std::vector<int32_t>& histogramm);
  // The whole cost from the sum of the elements', the worst teacher's gaps and the ranks.
  int64_t Gesamt(int64_t elementSumme, int32_t schlechtester, int64_t rang) const;

  TOptimierEinstellungen fE;
  uint32_t fSichtbar;  // the periods the plans show, bit p - 1
  int32_t fTage;
  std::vector<TElement> fElemente;
  std::vector<TTage> fGeteiltAmAnfang;  // per class: days it had a subject twice at the start
  std::vector<TEreignisDaten> fEreignisse;
  // Per rating table and cell: the cell's rank.
  std::array<std::array<int32_t, 7 * 16>, kAutoTabellen> fRangVon{};
  std::vector<int32_t> fLueckenHistogramm;  // teachers by their gaps of the week
  std::vector<int> fBeruehrt;               // the elements the step under way touched
  uint32_t fSchritt = 1;
  int64_t fRang = 0, fNeuerRang = 0;
  int64_t fKosten = 0, fNeueKosten = 0;
  int64_t fElementSumme = 0, fNeueSumme = 0;
};

}  // namespace orbato
