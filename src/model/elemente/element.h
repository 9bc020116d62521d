#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/basis/fixtext.h"
#include "model/basis/liste.h"
#include "model/elemente/kuerzelart.h"

namespace orbato {

class Fenster;
class TKurs;

// The root of the master data: teachers, classes, rooms, subjects, couplings and distribution
// tables. Every element has a short name, unique within its kind, and knows the courses that name
// it. Elements are held by pointer in the document's lists and are never copied.
class TElement {
 public:
  virtual ~TElement();
  TElement(const TElement&) = delete;
  TElement& operator=(const TElement&) = delete;

  virtual TKuerzelArt Art() const = 0;

  // Cut to 11 and 31 characters; both mark the document changed.
  void SetKuerzel(std::string_view kuerzel);
  void SetInfo(std::string_view info);
  void SetNr(int32_t nr) { fNr = nr; }
  void SetReihe(int32_t reihe) { fReihe = reihe; }
  void SetGrDatFenster(Fenster* f) { fGrDatFenster = f; }
  void SetDepFenster(Fenster* f) { fDepFenster = f; }

  // Redraw the element's open windows after a change; marks the document changed.
  virtual void FensterUpdate();
  virtual void FensterRefresh();

  // Lessons (StundenSumme) or weighted workload (FaktorSumme) of the element's courses for a
  // version argument, counted for the list kind `art`; a coupling counts once unless ohneKopp.
  int32_t StundenSumme(int32_t woche, bool ohneKopp, TKuerzelArt art) const;
  int32_t FaktorSumme(int32_t woche, bool ohneKopp, TKuerzelArt art) const;
  // Workload of the courses not counted for teachers (leh) or classes (kla).
  int32_t nzSumme(int32_t woche, TKuerzelArt art) const;
  // Workload of the courses that are never placed.
  int32_t nvpSumme(int32_t woche) const;
  // Workload of the courses that have a teacher.
  int32_t IstSumme(int32_t woche) const;
  // Whether any course of the element has a placement.
  virtual bool IstVerplant() const;
  // The first course with a placement in that cell (woche >= 1).
  virtual TKurs* FindeKurs(int32_t woche, int32_t tag, int32_t std) const;

  TKuerzelString fKuerzel;
  TInfoString fInfo;
  Fenster* fGrDatFenster = nullptr;
  Fenster* fDepFenster = nullptr;
  TListe<TKurs> fKurse;
  int32_t fReihe = 0;  // position in its kind's list, for sorting
  int32_t fNr = 0;     // position when created or loaded, for substitution records

 protected:
  TElement() = default;
  // Every setter of a stored field calls this, so that closing asks to save.
  static void Geaendert();

 private:
  int32_t Summe(int32_t woche, bool ohneKopp, TKuerzelArt art, bool mitFaktor) const;
};

// The short name, empty for none: how texts name a missing teacher, subject or room.
inline std::string KuerzelVon(const TElement* e) {
  return e ? e->fKuerzel.str() : std::string();
}

// Orders elements by their display position.
inline int ReihenVergleich(const TElement* a, const TElement* b) {
  return a->fReihe < b->fReihe ? -1 : a->fReihe > b->fReihe ? 1 : 0;
}

}  // namespace orbato
