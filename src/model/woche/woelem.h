#pragma once

#include <array>
#include <cstdint>

namespace orbato {

// The grid of one plan version: one 32-bit word per day, bit p-1 of day d's word is the cell of
// period p. Days 1..7 and periods 1..16 are used; a new grid is all zero.
class TWoElem {
 public:
  void SetTag(int tag, int32_t wert) { fTag[Index(tag)] = wert; }
  int32_t GetTag(int tag) const { return fTag[Index(tag)]; }

  // Only the low byte of `wert` counts, as the stored Boolean it stands for.
  void SetTagStd(int tag, int std, bool wert) {
    const uint32_t bit = uint32_t{1} << (std - 1);
    const uint32_t w = static_cast<uint32_t>(fTag[Index(tag)]);
    fTag[Index(tag)] = static_cast<int32_t>(wert ? (w | bit) : (w & ~bit));
  }
  bool GetTagStd(int tag, int std) const {
    return (static_cast<uint32_t>(fTag[Index(tag)]) >> (std - 1)) & 1u;
  }

  friend bool operator==(const TWoElem&, const TWoElem&) = default;

 private:
  // Days are 1-based; day 8 exists in the layout but is never used.
  static int Index(int tag) { return tag - 1; }
  std::array<int32_t, 8> fTag{};
};

}  // namespace orbato
