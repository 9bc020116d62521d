#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

#include "scheduler/kettengrenze.h"

namespace orbato {

class Dialoge;
class TKlasse;
class TKurs;
class TRaum;
class TSchule;

// The warning before compressing, "Komprimieren" with "Ja" and "Nein": true on "Ja".
bool KompWarnung(Dialoge& dialoge);

// The sum of the gap periods (TKlasse::HohlStunden) of every class of the school in the versions
// a compression works on: the current one in single-version mode, else every version.
int32_t SchulHohlStunden(const TSchule& schule);

// The compression window's state and commands: it pushes the gaps in the classes' day plans to the
// ends of the days by moving unfixed, uncoupled hours into them, in chains of up to seven moves,
// each move only where the hour fits without any obstacle. The window shows what the accessors
// answer, forwards its buttons and check boxes to the commands, and hands in the three hooks.
//
// A run over all classes ends after the first pass that does not lower the school's gap count,
// and never leaves more gaps than it found: a pass that made the count worse is taken back.
// Without that rule passes could go on for ever, one class reopening the gaps another closed,
// because a pass also moves hours into the free periods above a short day's end, and a course of
// several classes that closes a gap in one may open one in another.
class TKomprimierung {
 public:
  // Starts at the first class of the school, in the current version.
  explicit TKomprimierung(TSchule& schule);

  // Class, version, gap count or the class's plan changed: the window redraws.
  std::function<void()> fZeigen;
  // Called after every cell a gap search looks at, so that the window can let "nächste Klasse"
  // and "Abbrechen" in while the run goes on.
  std::function<void()> fEingaben;
  // The run is over, or "Abbrechen" came before "Start": the window closes.
  std::function<void()> fSchliessen;
  // Whether a gap search leaves out what cannot succeed: subtrees that cannot reach a day's end in
  // the moves left (TKettenGrenze) and searches that failed before; off only to compare with the
  // full search.
  bool fGrenzeNutzen = true;

  // "Start": the run over all classes, pass after pass (see above), then the window closes.
  void StartKnopfClick();
  // "nächste Klasse": the gap searches of the class in this version stop after their current cell.
  void NaechsteKlasseClick() { fNext = true; }
  // "Abbrechen": the run stops after the cell under work, with every chain in progress taken
  // back; before "Start" the window closes at once.
  void AbbrechenClick();
  // The two check boxes, written into the settings at once.
  void BrueckenClick(bool an);
  void MehrfachClick(bool an);

  // Compresses the current class in one version: every free, unblocked period of each day below
  // the latest day end is filled where a chain of moves allows it.
  void KompressKlasse(int32_t woche);
  // Tries to fill the free period (tag, std) of the current class in `woche` at chain depth
  // `tiefe` (1 for a gap of its own): true when the gap went to the end of a day. Every move
  // of a chain that fails is taken back.
  bool FuelleLuecke(int32_t woche, int32_t tag, int32_t std, int32_t tiefe);
  // The course whose hour at (cTag, cStd) may move into the gap (gTag, gStd), none when no hour
  // of the class may.
  TKurs* Kandidat(int32_t woche, int32_t cTag, int32_t cStd, int32_t gTag, int32_t gStd) const;

  TKlasse* Klasse() const { return fKlasse; }
  int32_t Version() const { return fVersion; }
  // The gap count of the class in the version shown, and its day ends: the last period of each
  // day with an unfixed hour (0 without one), and the latest of them.
  int32_t HohlStunden() const { return fHohl; }
  const std::array<int32_t, 8>& Maximum() const { return fMaximum; }
  int32_t Maxim() const { return fMaxim; }
  bool StartAn() const { return !fLaeuft && !fFertig; }
  bool Abgebrochen() const { return fAbbruch; }
  bool Erfolgreich() const { return fErfolgreich; }
  bool KeinErfolg() const { return fKeinErfolg; }

  // What the last run did: passes begun, passes taken back, moves kept.
  int32_t Durchgaenge() const { return fDurchgaenge; }
  int32_t ZurueckGenommen() const { return fZurueck; }
  int32_t Verschiebungen() const { return fVerschiebungen; }

 private:
  // One hour moved by the compression, as it was needed to move it back.
  struct TZug {
    TKurs* kurs;
    int32_t woche, vonTag, vonStd, nachTag, nachStd;
    TRaum* raum;
  };

  // Makes the class current and recomputes its gap count in the version shown.
  void KlasseZeigen(TKlasse* klasse);
  void Berechnen();
  // The first course of the class in each cell of the version shown (FindeKurs, fKursIn), which
  // the gap search asks for every cell it looks at: filled by Berechnen and kept by every move,
  // which changes no other cell than its two.
  void KurseMerken();
  void KursMerken(int32_t tag, int32_t std);
  void ZellenMerken(const TZug& zug);
  TKurs* ErsterKurs(int32_t woche, int32_t tag, int32_t std) const;
  // The candidate test of the hour of `kurs` at (cTag, cStd), the class's first course there.
  TKurs* Pruefe(TKurs* kurs, int32_t woche, int32_t cTag, int32_t cStd, int32_t gTag,
                int32_t gStd) const;
  void Anzeigen() const;
  void Eingaben() const;
  bool Stop() const { return fAbbruch || fNext; }
  // Moves the course's hour and notes the move; the other way round for taking it back.
  void Verschiebe(const TZug& zug);
  void ZugZurueck(const TZug& zug);
  // The current class in the versions of the run.
  void KlasseKomprimieren();
  TKlasse* NaechsteKlasse() const;
  // Takes back every move of the pass, the newest first.
  void DurchgangZurueck();
  // The end of a pass: one that left more gaps than `vorher` is taken back. True when the count
  // went down; `vorher` then becomes the new count.
  bool DurchgangAbschliessen(int32_t& vorher);

  TSchule& fSchule;
  TKlasse* fKlasse = nullptr;
  int32_t fVersion = 1;
  int32_t fHohl = 0;
  int32_t fMaxim = 0;
  std::array<int32_t, 8> fMaximum{};
  TKettenGrenze fGrenze;
  // The class's first course in each cell of fVersion, none where the class is free.
  std::array<TKurs*, TKettenGrenze::kZellen> fKursIn{};
  // The fingerprint of the plan against the one Berechnen found: the XOR of the shares of the
  // placements moved since; and the gap searches that failed in a plan, by fingerprint and gap,
  // with the smallest depth they failed at.
  uint64_t fStand = 0;
  std::unordered_map<uint64_t, int32_t> fGescheitert;
  bool fAbbruch = false;
  bool fNext = false;
  bool fErfolgreich = false;
  bool fKeinErfolg = true;
  bool fLaeuft = false;
  bool fFertig = false;
  std::vector<TZug> fZuege;  // the moves of the pass under way
  int32_t fDurchgaenge = 0;
  int32_t fZurueck = 0;
  int32_t fVerschiebungen = 0;
};

}  // namespace orbato
