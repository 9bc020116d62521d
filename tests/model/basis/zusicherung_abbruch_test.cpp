// The stop of a debug build, whatever the build type of the tests.
#include <gtest/gtest.h>

#include <string>

#undef NDEBUG
#include "model/basis/zusicherung.h"

namespace orbato {
namespace {

constexpr int kHalbierenZeile = __LINE__ + 2;
int Halbieren(const int* zahl) {
  ORBATO_ASSERT(zahl != nullptr, return -1);
  return *zahl / 2;
}

TEST(ZusicherungDeathTest, DebugNamesThePlaceAndAborts) {
  const int vier = 4;
  EXPECT_EQ(Halbieren(&vier), 2);
  EXPECT_DEATH(Halbieren(nullptr),
               "zusicherung_abbruch_test\\.cpp:" + std::to_string(kHalbierenZeile) +
                   ": Zusicherung verletzt: zahl != nullptr\n");
}

}  // namespace
}  // namespace orbato
