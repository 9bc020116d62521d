#include "model/basis/zeichensatz.h"

#include <gtest/gtest.h>

#include <string>

namespace orbato {
namespace {

TEST(Zeichensatz, Windows1252RoundTripsThroughUtf8) {
  EXPECT_EQ(Utf8AusCp1252("M\xFC"
                          "ller \x80 \x84"
                          "a\x93"),
            "Müller € „a“");
  EXPECT_EQ(Cp1252AusUtf8("Müller € „a“ ß"),
            "M\xFC"
            "ller \x80 \x84"
            "a\x93 \xDF");
  EXPECT_EQ(Cp1252AusUtf8("日本"), "??");
  EXPECT_EQ(Cp1252AusUtf8("a\xFF"
                          "b\xC3"),
            "a?b?");
  std::string alle;
  for (int b = 0; b < 256; ++b) alle += static_cast<char>(b);
  EXPECT_EQ(Cp1252AusUtf8(Utf8AusCp1252(alle)), alle);
}

TEST(Zeichensatz, TypographicQuotesAndDashesHaveAPlainForm) {
  const std::string typografisch = "\x94\x93\x84\x92\x91\x82\x96\x97";  // ” “ „ ’ ‘ ‚ – —
  std::string schlicht;
  for (char c : typografisch) schlicht += SchlichtesZeichen(c);
  EXPECT_EQ(schlicht, "\"\"\"'''--");
  int geaendert = 0;
  for (int c = 0; c < 256; ++c) {
    if (SchlichtesZeichen(static_cast<char>(c)) != static_cast<char>(c)) ++geaendert;
  }
  EXPECT_EQ(geaendert, 8) << "every other byte stays, the ellipsis and the bullet too";
}

}  // namespace
}  // namespace orbato
