#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "scheduler/zuordnung.h"

namespace orbato {

class TKurs;
class TKlasse;
class TLehrer;
class TRaum;

// The week of one plan version as the repair pass sees it: every lesson of the school as an
// event (the courses of a coupling held together in one cell are one event), with the occupancy
// of teachers, classes and rooms by event, and the blockings. The search changes only this
// copy; the real plan follows once, at the end, through the placement operations.
class TNachbesserModell {
 public:
  static constexpr int kZellen = 7 * 16;
  using TZellen = std::bitset<kZellen>;

  struct TEreignis {
    std::vector<int> kurse;   // course indices, in coupling order
    std::vector<int> raeume;  // per course: room index or -1
    int kopplung = -1;
    int zelle = -1;  // -1: not placed
    bool fix = false;
    int start = -1;  // the cell in the real plan, -1 for an hour that was open
    std::vector<int> startRaeume;
    std::vector<int> lehrer, klassen;  // of all its courses, each once
  };

  struct TKursDaten {
    TKurs* kurs = nullptr;
    int lehrer = -1;
    std::vector<int> klassen;
    std::vector<int> raeume;
    int kopplung = -1;
    int stdProTag = 1;
    TZellen gesperrt;                // the course's own blocking
    std::array<uint32_t, 8> tage{};  // per day the periods the course holds, bit p-1
    // Per day the periods p the course may hold together with p + 1, bit p-1: those its rating
    // table links, and those it held so before the pass.
    std::array<uint32_t, 8> paare{};
  };

  // Where every event stands, to go back to a plan found earlier.
  struct TStand {
    std::vector<int> zellen;
    std::vector<std::vector<int>> raeume;
  };

  // `beweglich`: the courses whose unfixed lessons may move and whose open hours are to be
  // placed; every other lesson of the school stands where it is.
  TNachbesserModell(const std::vector<TKurs*>& alleKurse, const std::vector<TKurs*>& beweglich,
                    int32_t woche);

  static int Zelle(int32_t tag, int32_t std) { return (tag - 1) * 16 + (std - 1); }
  static int32_t Tag(int zelle) { return zelle / 16 + 1; }
  static int32_t Stunde(int zelle) { return zelle % 16 + 1; }

  // Whether the event could go into the cell if the events of `weg` were taken out first;
  // `weg` collects the movable events in its way. False when a blocking, a fixed event, a rule of
  // the course's day or (when rooms matter) the rooms forbid the cell.
  bool Moeglich(int e, int zelle, std::vector<int>& weg) const;
  // The rooms the event gets there with the events of `weg` taken out, per course (-1: none);
  // false when rooms matter and no distinct free rooms exist.
  bool RaeumeFinden(int e, int zelle, const std::vector<int>& weg, std::vector<int>& raeume) const;
  // Whether the rooms (-1: none) are neither blocked nor taken in the cell.
  bool RaeumeFrei(const std::vector<int>& raeume, int zelle) const;
  void Setze(int e, int zelle, const std::vector<int>& raeume);
  void Entferne(int e);
  // The events in the cell that share a teacher or a class with the event (the courses of one
  // coupling share their classes), whatever else may forbid the cell.
  void Hindernisse(int e, int zelle, std::vector<int>& weg) const;
  // No hour at all, or one run of consecutive periods.
  static bool EinBlock(uint32_t bits);
  // Whether a blocking of the event's courses, teachers or classes forbids the cell.
  bool Gesperrt(int e, int zelle) const;
  // Whether the course may hold the periods `bits` on a day (0-based): at most fStdProTag of them,
  // in one block, joined only across the links of its rating table.
  bool TagErlaubt(int kurs, std::size_t tag, uint32_t bits) const;
  // Whether the placed event may leave its cell: the hours its courses keep that day stay one
  // block.
  bool Herausnehmbar(int e) const;

  TStand Stand() const;
  void Herstellen(const TStand& stand);
  // Writes the events that moved or changed rooms into the real plan, through the placement
  // operations.
  void Uebernehmen() const;

  int32_t Woche() const { return fWoche; }
  bool RaeumeWichtig() const { return fRaeumeWichtig; }
  // Open course hours: the courses of every event that is not placed.
  int OffeneStunden() const;
  const std::vector<int>& Zellen() const { return fSchulZellen; }

  std::vector<TEreignis> fEreignisse;
  std::vector<TKursDaten> fKurse;
  std::vector<TRaum*> fRaeume;
  // The teachers and classes by their index in TKursDaten.
  std::vector<TLehrer*> fLehrer;
  std::vector<TKlasse*> fKlassen;

 private:
  int Index(std::unordered_map<const void*, int>& tabelle, const void* element, int& zahl);
  void ElementeAufnehmen(const std::vector<TKurs*>& alleKurse);
  void SetzungenAufnehmen(const std::vector<TKurs*>& beweglich);
  void OffeneAufnehmen(const std::vector<TKurs*>& beweglich);
  // The teachers and classes of the events from `ab` on, each once.
  void ElementeDerEreignisse(std::size_t ab);
  void Belege(int e, bool setzen);
  // The hours of the course on the cell's day stay one block of at most fStdProTag periods
  // with the cell added, respectively taken out; an added hour joins its neighbours only across
  // the links of the course's rating table, as the scheduler's blocks do.
  bool TagErlaubtDazu(int kurs, int zelle) const;
  bool TagErlaubtWeg(int kurs, int zelle) const;
  bool RaumFrei(int raum, std::size_t zelle, const std::vector<int>& weg) const;
  // The free rooms of each course of the event that has rooms, for the courses in fNehmer.
  void KandidatenSammeln(int e, int zelle, const std::vector<int>& weg) const;

  int32_t fWoche;
  bool fRaeumeWichtig;
  std::vector<int> fSchulZellen;  // the cells of the shown school week
  std::unordered_map<const void*, int> fKursIndex, fLehrerIndex, fKlassenIndex, fRaumIndex,
      fKopplungIndex;
  int fLehrerZahl = 0, fKlassenZahl = 0, fRaumZahl = 0, fKopplungZahl = 0;
  // The events in each cell of each teacher, class or room, each event once, in the order they
  // came in. One list per element and cell side by side: the search reads them millions of times.
  class TBelegung {
   public:
    void Anlegen(int elemente) { fListen.assign(static_cast<std::size_t>(elemente) * kZellen, {}); }
    std::vector<int>& operator()(int element, std::size_t zelle) {
      return fListen[static_cast<std::size_t>(element) * kZellen + zelle];
    }
    const std::vector<int>& operator()(int element, std::size_t zelle) const {
      return fListen[static_cast<std::size_t>(element) * kZellen + zelle];
    }

   private:
    std::vector<std::vector<int>> fListen;
  };
  std::vector<TZellen> fLehrerGesperrt, fKlasseGesperrt, fRaumGesperrt;
  TBelegung fLehrerBelegt, fKlasseBelegt, fRaumBelegt;
  std::vector<int> fKopplungVon;  // per event, kept apart for the class test's sake
  // Scratch of the room matching, kept to spare an allocation per cell tried.
  mutable std::vector<int> fKursRaeume;
  mutable std::vector<std::size_t> fNehmer;           // courses of the event that have rooms
  mutable std::vector<std::vector<int>> fKandidaten;  // their free rooms, in order
  mutable TZuordnung fZuordnung;
};

}  // namespace orbato
