// The recovery of a release build, whatever the build type of the tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifndef NDEBUG
#define NDEBUG 1
#endif
#include "model/basis/zusicherung.h"

namespace orbato {
namespace {

constexpr int kHalbierenZeile = __LINE__ + 2;
int Halbieren(const int* zahl) {
  ORBATO_ASSERT(zahl != nullptr, return -1);
  return *zahl / 2;
}

std::string Meldung(int zeile, const char* bedingung) {
  return std::string(__FILE__) + ":" + std::to_string(zeile) +
         ": Zusicherung verletzt: " + bedingung + "\n";
}

TEST(Zusicherung, ReleaseRunsTheActionAndReportsAPlaceOnce) {
  const int vier = 4;
  testing::internal::CaptureStderr();
  EXPECT_EQ(Halbieren(&vier), 2);
  EXPECT_EQ(Halbieren(nullptr), -1);
  EXPECT_EQ(Halbieren(nullptr), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), Meldung(kHalbierenZeile, "zahl != nullptr"));
}

TEST(Zusicherung, ContinueAndBreakActOnTheCallersLoop) {
  const int eins = 1, drei = 3, fuenf = 5;
  const std::vector<const int*> zahlen{&eins, nullptr, &drei, nullptr, &fuenf};
  testing::internal::CaptureStderr();
  int weiter = 0;
  for (const int* z : zahlen) {
    ORBATO_ASSERT(z != nullptr, continue);
    weiter += *z;
  }
  int bisLuecke = 0;
  for (const int* z : zahlen) {
    ORBATO_ASSERT(z, break);
    bisLuecke += *z;
  }
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(weiter, 9);
  EXPECT_EQ(bisLuecke, 1);
}

TEST(Zusicherung, MeldenAnswersWhetherItWrote) {
  testing::internal::CaptureStderr();
  EXPECT_TRUE(ZusicherungMelden("a < b", "quelle.cpp", 7));
  EXPECT_FALSE(ZusicherungMelden("a < b", "quelle.cpp", 7));
  EXPECT_TRUE(ZusicherungMelden("c", "quelle.cpp", 8));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "quelle.cpp:7: Zusicherung verletzt: a < b\n"
            "quelle.cpp:8: Zusicherung verletzt: c\n");
}

}  // namespace
}  // namespace orbato
