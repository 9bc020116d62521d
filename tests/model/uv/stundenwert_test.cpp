#include "model/uv/stundenwert.h"

#include <gtest/gtest.h>

#include "model/einstellungen/standard.h"

namespace orbato {
namespace {

TEST(StundenWert, RightAlignedWithTheStoredDigits) {
  TStandard s;
  TStandardEinsetzen eingesetzt(s);
  EXPECT_EQ(StundenWert(24), "24.0");
  EXPECT_EQ(StundenWert(3), " 3.0");
  EXPECT_EQ(StundenWert(0), " 0.0");
  EXPECT_EQ(StundenWert(-3), "-3.0");
  EXPECT_EQ(StundenWert(123), "123.0");  // wider than the field: not cut

  s.fDivisor = 4;
  EXPECT_EQ(StundenWert(1), " 0.3");  // 0.25 rounds away from zero
  EXPECT_EQ(StundenWert(-1), "-0.3");
  EXPECT_EQ(StundenWert(98), "24.5");
  s.fNachKomma = 2;
  EXPECT_EQ(StundenWert(1), " 0.25");
  s.fNachKomma = 0;
  s.fVorKomma = 3;
  EXPECT_EQ(StundenWert(98), "  25");
  s.fDivisor = 3;
  s.fNachKomma = 3;
  s.fVorKomma = 1;
  EXPECT_EQ(StundenWert(2), "0.667");
  EXPECT_EQ(StundenWert(-1), "-0.333");
}

}  // namespace
}  // namespace orbato
