#pragma once

#include <cstdint>
#include <vector>

namespace orbato {

class TKopplung;

// The slots of the view "Parallele Kopplungen": rows and columns of couplings, empty slots none.
class TParListe {
 public:
  void SetZeilen(int32_t n) { fZeilen = n; }
  void SetSpalten(int32_t n) { fSpalten = n; }
  // Every slot holding the coupling becomes empty; the number of slots stays.
  void Loesche(const TKopplung* kopplung) {
    for (auto& slot : fListe) {
      if (slot == kopplung) slot = nullptr;
    }
  }
  void Entleeren() { fListe.assign(1, nullptr); }

  int32_t fZeilen = 1;
  int32_t fSpalten = 1;
  std::vector<TKopplung*> fListe{nullptr};
};

}  // namespace orbato
