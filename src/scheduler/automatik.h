#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "scheduler/rangfolge.h"

namespace orbato {

class TKurs;

// What the week placement does when a week comes out with the wrong number of single and multiple
// hours: keep what it placed, or take back every hour it placed in that week.
enum class TVerteilungsPruefung { Behalten, Zuruecknehmen };

// The scheduler window "Automatisches Rechnen" as data: the work list of courses, the courses
// left with open hours, the two counters and the progress bar. The window shows them, starts
// `Rechne` and sets the cancel flag; `fZwischendurch` is called after every course so that it can
// repaint and process pending input.
class TAutomatik {
 public:
  // The work list from the courses chosen in the active window: each once, none not to be
  // planned, completed by the other courses of their couplings, sorted and cut to the share
  // `fAuProzent` of the open hours.
  explicit TAutomatik(const std::vector<TKurs*>& auswahl);

  // The main loop: places the work list's open hours course by course until it is empty or the
  // run is cancelled. Every hour goes in through the ordinary placement operations.
  void Rechne();
  void Abbrechen() { fAbbruch = true; }
  bool Abgebrochen() const { return fAbbruch; }

  // The order of the work list: rates every course and sorts by rating, highest first.
  void KurseSortieren();

  // The run's courses as the work list began with them.
  const std::vector<TKurs*>& AlleKurse() const { return fAlle; }
  // After a repair pass: the rest list and "nicht verplanbar" follow the hours still open.
  void RestNeuZaehlen();

  const std::vector<TKurs*>& Kurse() const { return fKurse; }
  const std::vector<TKurs*>& Rest() const { return fRest; }
  // "noch zu setzen" as the window shows it (never below 0 at the end), and "nicht verplanbar".
  int32_t NochZuSetzen() const { return fNochZuSetzen; }
  int32_t NichtVerplanbar() const { return fNichtVerplanbar; }
  // The progress bar: 0..T in steps of T / 20.
  int32_t FortschrittMax() const { return fFortschrittMax; }
  int32_t FortschrittSchritt() const { return fFortschrittMax / 20; }
  int32_t Fortschritt() const { return fFortschritt; }
  bool Fertig() const { return fFertig; }

  std::function<void()> fZwischendurch;
  TVerteilungsPruefung fVerteilung = TVerteilungsPruefung::Behalten;

 private:
  friend class TWochenSetzung;

  static int32_t OffeneStunden(const std::vector<TKurs*>& kurse);
  void KopplungenErgaenzen();
  void ProzentKuerzen();
  // The course the loop takes next: the first of the list, or for a coupling its course with the
  // most open hours; ratings of the coupling cleared.
  TKurs* NaechsterKurs();
  void KursFertig(TKurs& kurs);
  // Bookkeeping of one hour placed (n = -1: given back), with the re-sort request every
  // fAuStd hours.
  void Gezaehlt(int32_t n);

  std::vector<TKurs*> fAlle;
  std::vector<TKurs*> fKurse;
  std::vector<TKurs*> fRest;
  TRangfolge fRangfolge;
  int32_t fNochZuSetzen = 0;
  int32_t fNichtVerplanbar = 0;
  int32_t fFortschritt = 0;
  int32_t fFortschrittMax = 0;
  bool fAbbruch = false;
  bool fDoReihe = false;
  bool fFertig = false;
};

// The hours the courses still have open, counted per course and per time slot: the courses of a
// coupling share their slots, so a coupling needs as many slots as its most open course has hours.
struct TOffeneStunden {
  int32_t fStunden = 0;
  int32_t fZeitfenster = 0;
  bool operator==(const TOffeneStunden&) const = default;
};
TOffeneStunden OffeneStundenUndZeitfenster(const std::vector<TKurs*>& kurse);

}  // namespace orbato
