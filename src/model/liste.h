#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace orbato {

// The list of object references every collection of the data model uses: 1-based access by
// number, a cursor, sorted insertion and a stable sort. Its insertion order ends up in the plan
// file, so ListeEinfuegen follows one fixed binary search and nothing else.
//
// A list owns its elements only when constructed as owning; then its destructor frees whatever it
// still holds. Removing operations take a flag that says whether the removed elements are freed,
// so a non-owning list never frees anything the caller did not ask for.
template <class T>
class TListe {
 public:
  explicit TListe(bool besitzend = false) : fBesitzend(besitzend) {}
  ~TListe() {
    if (fBesitzend) ListeEntfernen(true);
  }
  TListe(const TListe&) = delete;
  TListe& operator=(const TListe&) = delete;

  // The cursor: a 0-based index, 0 for an empty list. Callers that move it themselves keep it
  // inside the list; every operation here still checks it before it dereferences.
  int32_t fAktuell = 0;

  bool Besitzend() const { return fBesitzend; }

  void ListeAnhaengen(T* item) {
    fElemente.push_back(item);
    fAktuell = Zahl() - 1;
  }

  // `vergleich(item, element)` returns a negative, zero or positive number. An item equal to
  // elements already present goes behind them, which keeps repeated insertion stable.
  template <class Vergleich>
  void ListeEinfuegen(T* item, Vergleich vergleich) {
    if (item == nullptr) return;
    const int32_t n = Zahl();
    if (n == 0) {
      ListeAnhaengen(item);
      return;
    }
    int32_t a = EinfuegeStelle(item, vergleich, n);
    if (a < n && vergleich(item, fElemente[Index(a)]) >= 0) ++a;
    if (a < n) {
      fElemente.insert(fElemente.begin() + a, item);
    } else {
      fElemente.push_back(item);
    }
    fAktuell = a;
  }

  // Removes the element at the cursor. A cursor left at or beyond the end returns to the start.
  void ListeLoeschen(bool mitInhalt) {
    if (!CursorGueltig()) return;
    T* item = fElemente[Index(fAktuell)];
    fElemente.erase(fElemente.begin() + fAktuell);
    if (mitInhalt) delete item;
    if (fAktuell >= Zahl()) fAktuell = 0;
  }

  // Empties the list, freeing every element first when mitInhalt.
  void ListeEntfernen(bool mitInhalt) {
    if (mitInhalt) {
      for (T* item : fElemente) delete item;
    }
    fElemente.clear();
    fAktuell = 0;
  }

  // `gleich(item, element)` decides a match. The search starts at the cursor and wraps around
  // once, so repeated searches for neighbouring items stay cheap; only a match moves the cursor.
  template <class I, class Gleich>
  bool ListeEnthalten(const I& item, Gleich gleich) {
    return SucheAbCursor([&](T* element) { return gleich(item, element); });
  }

  // The same with an equality that also takes the plan version: `wocheGleich(woche, item,
  // element)`.
  template <class I, class WocheGleich>
  bool ListeWocheEnthalten(int32_t woche, const I& item, WocheGleich wocheGleich) {
    return SucheAbCursor([&](T* element) { return wocheGleich(woche, item, element); });
  }

  // Search by identity from the start; on success the cursor stands on the item.
  bool ListeElemEnthalten(const T* item) {
    const int32_t nr = ListeElemNr(item);
    if (nr == 0) return false;
    fAktuell = nr - 1;
    return true;
  }

  // Calls `aufgabe(element)` for every element in order. The task must not add or remove
  // elements of this list.
  template <class Aufgabe>
  void ListeDurchlauf(Aufgabe aufgabe) const {
    for (T* item : fElemente) aufgabe(item);
  }

  T* ListeInhalt() const { return CursorGueltig() ? fElemente[Index(fAktuell)] : nullptr; }
  T* ListeNrInhalt(int32_t nr) const {
    return nr >= 1 && nr <= Zahl() ? fElemente[Index(nr - 1)] : nullptr;
  }
  // The 1-based number of the item, 0 when it is not in the list.
  int32_t ListeElemNr(const T* item) const {
    for (int32_t i = 0; i < Zahl(); ++i) {
      if (fElemente[Index(i)] == item) return i + 1;
    }
    return 0;
  }
  int32_t ListeZahlElemente() const { return Zahl(); }

  void ListeAnfang() { fAktuell = 0; }
  void ListeEnde() { fAktuell = Zahl() > 0 ? Zahl() - 1 : 0; }
  void ListeNext() {
    if (Zahl() == 0) return;
    fAktuell = fAktuell + 1 >= Zahl() ? 0 : fAktuell + 1;
  }
  void ListePrev() {
    if (Zahl() == 0) return;
    fAktuell = fAktuell <= 0 ? Zahl() - 1 : fAktuell - 1;
  }
  // Both are true for an empty list, so loops that stop "at the end" stop at once.
  bool ListeAmEnde() const { return Zahl() == 0 || fAktuell == Zahl() - 1; }
  bool ListeAmAnfang() const { return Zahl() == 0 || fAktuell == 0; }

  // Passes of adjacent exchanges until a pass exchanges nothing. Only a strictly greater earlier
  // element is exchanged, which makes the sort stable. The cursor keeps its index.
  template <class Vergleich>
  void ListeSort(Vergleich vergleich) {
    if (Zahl() < 2) return;
    bool getauscht = true;
    while (getauscht) {
      getauscht = false;
      for (std::size_t i = 0; i + 1 < fElemente.size(); ++i) {
        if (vergleich(fElemente[i], fElemente[i + 1]) > 0) {
          std::swap(fElemente[i], fElemente[i + 1]);
          getauscht = true;
        }
      }
    }
  }

  // Range-for over the elements in order, for readers that need no cursor.
  auto begin() const { return fElemente.begin(); }
  auto end() const { return fElemente.end(); }

 private:
  int32_t Zahl() const { return static_cast<int32_t>(fElemente.size()); }
  static std::size_t Index(int32_t i) { return static_cast<std::size_t>(i); }
  bool CursorGueltig() const { return fAktuell >= 0 && fAktuell < Zahl(); }

  // The binary search of the sorted insertion, n >= 1. The bounds and the midpoint rule are kept
  // exactly as they are because the resulting positions are part of the stored order; the result
  // is corrected by one afterwards in ListeEinfuegen.
  template <class Vergleich>
  int32_t EinfuegeStelle(T* item, Vergleich& vergleich, int32_t n) const {
    int32_t a = n / 2;
    int32_t hi = n - 1;
    int32_t lo = 0;
    while (lo < hi) {
      if (vergleich(item, fElemente[Index(a)]) < 0) {
        hi = a - 1;
      } else {
        lo = a + 1;
      }
      a = (hi + lo + 1) / 2;  // hi >= -1 and lo >= 0, so this never goes below 0
    }
    return a;
  }

  template <class Treffer>
  bool SucheAbCursor(Treffer treffer) {
    const int32_t n = Zahl();
    if (n == 0) return false;
    const int32_t start = CursorGueltig() ? fAktuell : 0;
    int32_t i = start;
    do {
      if (treffer(fElemente[Index(i)])) {
        fAktuell = i;
        return true;
      }
      i = i + 1 >= n ? 0 : i + 1;
    } while (i != start);
    return false;
  }

  std::vector<T*> fElemente;
  bool fBesitzend;
};

}  // namespace orbato
