#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace orbato {

// The list behind every collection of the data model: an ordered array of object references with
// a cursor. Elements are numbered 1..count; the cursor fAktuell is a 0-based index (0 when empty).
// The order of sorted insertion is what the program shows and what the plan file stores, so the
// insertion step must stay exactly as it is.
//
// A list owns its elements only when it is created with `besitztInhalt`: then its destructor
// deletes whatever it still holds. Removing operations take a flag of their own, so an owning list
// can also hand an element over to someone else.
//
// Comparison functions return a negative, zero or positive number for (item, element); equality
// functions return true for (item, element). Both are plain callables, so the hot loops inline.
template <class T>
class TListe {
 public:
  explicit TListe(bool besitztInhalt = false) : fBesitztInhalt(besitztInhalt) {}
  ~TListe() { ListeEntfernen(fBesitztInhalt); }

  TListe(const TListe&) = delete;
  TListe& operator=(const TListe&) = delete;
  TListe(TListe&& andere) noexcept
      : fAktuell(std::exchange(andere.fAktuell, 0)),
        fBesitztInhalt(andere.fBesitztInhalt),
        fElemente(std::exchange(andere.fElemente, {})) {}
  TListe& operator=(TListe&& andere) noexcept {
    if (this != &andere) {
      ListeEntfernen(fBesitztInhalt);
      fAktuell = std::exchange(andere.fAktuell, 0);
      fBesitztInhalt = andere.fBesitztInhalt;
      fElemente = std::exchange(andere.fElemente, {});
    }
    return *this;
  }

  bool BesitztInhalt() const { return fBesitztInhalt; }

  void ListeAnhaengen(T* item) {
    fElemente.push_back(item);
    fAktuell = Zahl() - 1;
  }

  // Binary search for the slot behind every element that compares equal, so items with equal keys
  // keep the order in which they came.
  template <class Vergleich>
  void ListeEinfuegen(T* item, Vergleich&& vergleich) {
    if (item == nullptr) return;
    const int32_t n = Zahl();
    if (n == 0) {
      ListeAnhaengen(item);
      return;
    }
    int32_t a = n / 2, hi = n - 1, lo = 0;
    while (lo < hi) {
      if (vergleich(item, fElemente[a]) < 0) {
        hi = a - 1;
      } else {
        lo = a + 1;
      }
      a = (hi + lo + 1) / 2;  // never negative here, so truncation is the rounding toward zero
    }
    if (a < n && vergleich(item, fElemente[a]) >= 0) ++a;
    EinfuegenAn(a, item);
  }

  // Removes the element at the cursor; the cursor stays on the next one, or returns to the start
  // when the removed one was the last.
  void ListeLoeschen(bool mitInhalt) {
    if (!CursorGueltig()) return;
    T* weg = fElemente[fAktuell];
    fElemente.erase(fElemente.begin() + fAktuell);
    if (fAktuell >= Zahl()) fAktuell = 0;
    if (mitInhalt) delete weg;
  }

  // Empties the list; the list object itself belongs to its owner.
  void ListeEntfernen(bool mitInhalt) {
    if (mitInhalt) {
      for (T* element : fElemente) delete element;
    }
    fElemente.clear();
    fAktuell = 0;
  }

  // Searches from the cursor on, wrapping around once; only a match moves the cursor.
  template <class U, class Gleich>
  bool ListeEnthalten(const U& item, Gleich&& gleich) {
    return SucheAbCursor([&](T* element) { return gleich(item, element); });
  }

  // The same with an equality that depends on a plan version: wocheGleich(woche, item, element).
  template <class U, class WocheGleich>
  bool ListeWocheEnthalten(int32_t woche, const U& item, WocheGleich&& wocheGleich) {
    return SucheAbCursor([&](T* element) { return wocheGleich(woche, item, element); });
  }

  // Searches by identity from the start; a hit moves the cursor onto it.
  bool ListeElemEnthalten(const T* item) {
    const int32_t nr = ListeElemNr(item);
    if (nr == 0) return false;
    fAktuell = nr - 1;
    return true;
  }

  // Calls aufgabe(element) for every element in order. The count is read before each step, so a
  // task that removes elements ends the run early instead of reading past the end.
  template <class Aufgabe>
  void ListeDurchlauf(Aufgabe&& aufgabe) const {
    for (int32_t i = 0; i < Zahl(); ++i) aufgabe(fElemente[i]);
  }

  T* ListeInhalt() const { return CursorGueltig() ? fElemente[fAktuell] : nullptr; }
  T* ListeNrInhalt(int32_t nr) const {
    return nr >= 1 && nr <= Zahl() ? fElemente[nr - 1] : nullptr;
  }
  // 1-based number of the element, 0 when it is not in the list.
  int32_t ListeElemNr(const T* item) const {
    for (int32_t i = 0; i < Zahl(); ++i) {
      if (fElemente[i] == item) return i + 1;
    }
    return 0;
  }
  int32_t ListeZahlElemente() const { return Zahl(); }

  void ListeAnfang() { fAktuell = 0; }
  void ListeEnde() { fAktuell = Zahl() > 0 ? Zahl() - 1 : 0; }
  void ListeNext() {
    if (Zahl() > 0) fAktuell = fAktuell + 1 < Zahl() ? fAktuell + 1 : 0;
  }
  void ListePrev() {
    if (Zahl() > 0) fAktuell = fAktuell > 0 ? fAktuell - 1 : Zahl() - 1;
  }
  bool ListeAmEnde() const { return Zahl() == 0 || fAktuell == Zahl() - 1; }
  bool ListeAmAnfang() const { return fAktuell == 0; }

  // Adjacent exchanges until a pass changes nothing. Only a strictly greater earlier element is
  // exchanged, which keeps elements with equal keys in their order.
  template <class Vergleich>
  void ListeSort(Vergleich&& vergleich) {
    bool getauscht = Zahl() >= 2;
    while (getauscht) {
      getauscht = false;
      for (int32_t i = 0; i + 1 < Zahl(); ++i) {
        if (vergleich(fElemente[i], fElemente[i + 1]) > 0) {
          std::swap(fElemente[i], fElemente[i + 1]);
          getauscht = true;
        }
      }
    }
  }

  // Exchanges the elements numbered a and b (1-based); numbers outside the list do nothing.
  void ListeTauschen(int32_t a, int32_t b) {
    if (a >= 1 && b >= 1 && a <= Zahl() && b <= Zahl())
      std::swap(fElemente[a - 1], fElemente[b - 1]);
  }

  // Range-for over the elements in order.
  auto begin() const { return fElemente.begin(); }
  auto end() const { return fElemente.end(); }

  int32_t fAktuell = 0;

 private:
  int32_t Zahl() const { return static_cast<int32_t>(fElemente.size()); }
  bool CursorGueltig() const { return fAktuell >= 0 && fAktuell < Zahl(); }

  // Inserts so that the item gets index `index` (appends at the end) and puts the cursor on it.
  void EinfuegenAn(int32_t index, T* item) {
    fElemente.insert(fElemente.begin() + index, item);
    fAktuell = index;
  }

  template <class Treffer>
  bool SucheAbCursor(Treffer&& treffer) {
    if (Zahl() == 0) return false;
    const int32_t start = CursorGueltig() ? fAktuell : 0;
    int32_t i = start;
    do {
      if (treffer(fElemente[i])) {
        fAktuell = i;
        return true;
      }
      i = i + 1 < Zahl() ? i + 1 : 0;
    } while (i != start);
    return false;
  }

  bool fBesitztInhalt;
  std::vector<T*> fElemente;
};

}  // namespace orbato
