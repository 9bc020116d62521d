#include "persist/puffer.h"

#include <gtest/gtest.h>

#include <string>

#include "model/basis/zeichensatz.h"

namespace orbato {
namespace {

using Bytes = std::vector<uint8_t>;

template <class Schreibe>
Bytes Geschrieben(Schreibe schreibe) {
  TBuffer b;
  schreibe(b);
  return b.Bytes();
}

TEST(Puffer, IntegersAreBigEndian) {
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteInt(32767); }), (Bytes{0x7F, 0xFF}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteInt(-1); }), (Bytes{0xFF, 0xFF}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteInt(70000); }), (Bytes{0x11, 0x70}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteInt(-300); }), (Bytes{0xFE, 0xD4}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteLong(1); }), (Bytes{0, 0, 0, 1}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteWord(0xABCD); }), (Bytes{0xAB, 0xCD}));
  TBuffer lesen(Bytes{0xFE, 0xD4, 0xFF, 0xD4, 0xFF, 0xFF, 0xFF, 0xFE, 0x02, 0x00});
  EXPECT_EQ(lesen.ReadInt(), -300);
  EXPECT_EQ(lesen.ReadInt(), -44);
  EXPECT_EQ(lesen.ReadLong(), -2);
  EXPECT_TRUE(lesen.ReadBool());
  EXPECT_EQ(lesen.Position(), 9u);
  EXPECT_FALSE(lesen.ReadBool());
}

TEST(Puffer, DatesAreSecondsSince1904) {
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteDatum(1462); }), (Bytes{0, 0, 0, 0}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteDatum(45970); }), (Bytes{0xE5, 0x35, 0x8A, 0x00}));
  TBuffer lesen(Geschrieben([](TBuffer& b) {
    b.WriteDatum(45970);
    b.WriteDatum(45970 + 10.0 / 24);
    b.WriteDatum(45970.5);
  }));
  EXPECT_EQ(lesen.ReadDatum(), 45970.0);
  EXPECT_DOUBLE_EQ(lesen.ReadDatum(), 45970.42);  // a time comes back to the hundredth of a day
  EXPECT_EQ(lesen.ReadDatum(), 45970.5);
}

TEST(Puffer, ColoursAreThreeChannelWords) {
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteColor(0x0080FF); }),
            (Bytes{0xFF, 0x00, 0x80, 0x00, 0x00, 0x00}));
  TBuffer lesen(Bytes{0xFF, 0x00, 0x80, 0x00, 0x00, 0x00});
  EXPECT_EQ(lesen.ReadColor(), 255 + 128 * 256);
}

TEST(Puffer, ShortNamesUseTheFileCode) {
  const Bytes mue = Geschrieben([](TBuffer& b) { b.WriteKue("M\xFC"); });
  EXPECT_EQ(mue, (Bytes{2, 0x4D, 0x9F, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(TBuffer(mue).ReadKue(), "M\xFC");
  const Bytes lang = Geschrieben([](TBuffer& b) { b.WriteKue("ABCDEFGHIJKLMN"); });
  ASSERT_EQ(lang.size(), 12u);
  EXPECT_EQ(lang[0], 11);
  EXPECT_EQ(TBuffer(lang).ReadKue(), "ABCDEFGHIJK");
  // Leading blanks read back as 0xA5, inner blanks stay.
  EXPECT_EQ(TBuffer(Bytes{4, ' ', ' ', 'A', 'B', 0, 0, 0, 0, 0, 0, 0}).ReadKue(),
            "\xA5\xA5"
            "AB");
  EXPECT_EQ(TBuffer(Bytes{3, 'A', ' ', 'B', 0, 0, 0, 0, 0, 0, 0, 0}).ReadKue(), "A B");
  // A length byte beyond the field reads the field only.
  TBuffer zuLang(Bytes{200, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'X'});
  EXPECT_EQ(zuLang.ReadKue(), "abcdefghijk");
  EXPECT_EQ(zuLang.ReadByte(), 'X');
}

TEST(Puffer, RemappingIsByteByByteInEachDirection) {
  // The euro sign passes unchanged and reads back as Ä; 0xA4 comes back as §, 0xB4 as ¥.
  const Bytes b = Geschrieben([](TBuffer& p) { p.WriteInfo("\x80\xA4\xB4\xC4\xDF"); });
  EXPECT_EQ(Bytes(b.begin(), b.begin() + 6), (Bytes{5, 0x80, 0xA4, 0xB4, 0x80, 0xA7}));
  EXPECT_EQ(b.size(), 32u);
  EXPECT_EQ(TBuffer(b).ReadInfo(), "\xC4\xA7\xA5\xC4\xDF");
  for (int c = 0; c < 256; ++c) {
    const auto byte = static_cast<uint8_t>(c);
    const bool eigen = TBuffer::DateiCode(byte) != byte;
    if (eigen) {
      EXPECT_EQ(TBuffer::SpeicherCode(TBuffer::DateiCode(byte)), byte) << c;
    }
  }
  EXPECT_EQ(TBuffer(Bytes{0x8A, 0x93}).ReadZeichen(), 0xE4);
}

TEST(Puffer, TextsWithoutLength) {
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteStrUTF8("\xE4"); }), (Bytes{0xC3, 0xA4}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteStr("\xE4"); }), (Bytes{0x8A}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) {
              b.WriteStr(
                  "\x80"
                  "a");
            }),
            (Bytes{0xAC, 'a'}));
}

TEST(Puffer, TextsPutNoSeparatorIntoAFile) {
  // The typographic quotes and dashes would keep only their low byte: 0x1D, 0x1C, 0x1E, 0x19,
  // 0x18, 0x1A, 0x13, 0x14. They are written in their plain forms.
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteStr("\x94\x93\x84\x92\x91\x82\x96\x97"); }),
            (Bytes{'"', '"', '"', '\'', '\'', '\'', '-', '-'}));
  // A TAB, LF, CR or group separator inside a text becomes a blank; other control bytes pass.
  EXPECT_EQ(Geschrieben([](TBuffer& b) {
              b.WriteStr(
                  "a\tb\nc\rd\x1D"
                  "e\x1C\x01");
            }),
            (Bytes{'a', ' ', 'b', ' ', 'c', ' ', 'd', ' ', 'e', 0x1C, 0x01}));
  // Every other byte is written as it always was: the low byte of its character in file code.
  for (int c = 0; c < 256; ++c) {
    const auto byte = static_cast<uint8_t>(c);
    const Bytes b =
        Geschrieben([&](TBuffer& p) { p.WriteStr(std::string(1, static_cast<char>(c))); });
    ASSERT_EQ(b.size(), 1u);
    EXPECT_TRUE(b[0] != 9 && b[0] != 10 && b[0] != 13 && b[0] != 29) << c;
    const bool schlicht =
        std::string("\t\n\r\x1D\x94\x93\x84\x92\x91\x82\x96\x97").find(static_cast<char>(c)) ==
        std::string::npos;
    if (schlicht) {
      EXPECT_EQ(b[0], TBuffer::DateiCode(static_cast<uint8_t>(UnicodeAusCp1252(byte) & 0xFF))) << c;
    }
  }
}

TEST(Puffer, FieldSizesOfEveryTextKind) {
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteBem("x"); }).size(), 82u);
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteGrund("K"); }), (Bytes{1, 'K'}));
  EXPECT_EQ(Geschrieben([](TBuffer& b) { b.WriteStr255("a"); }).size(), 256u);
  TBuffer alt(Bytes(8 + 22 + 62, 0));
  EXPECT_EQ(alt.ReadAltKue(), "");
  EXPECT_EQ(alt.ReadAltInfo(), "");
  EXPECT_EQ(alt.ReadAltBem(), "");
  EXPECT_EQ(alt.Position(), 92u);
  TBuffer arten(Bytes{2, 6, 3, 5});
  EXPECT_EQ(arten.ReadArt(), leh);
  EXPECT_EQ(arten.ReadArt(), rau);
  EXPECT_EQ(arten.ReadArt(), fac);
  EXPECT_EQ(arten.ReadArt(), uvt);
}

TEST(Puffer, ShortReadsFailWithTheStreamError) {
  TBuffer kurz(Bytes{1, 2, 3});
  EXPECT_EQ(kurz.ReadInt(), 0x0102);
  try {
    kurz.ReadInt();
    FAIL();
  } catch (const TStreamFehler& f) {
    EXPECT_STREQ(f.what(), "Stream-Lesefehler");
  }
  EXPECT_THROW(TBuffer(Bytes(11, 0)).ReadKue(), TStreamFehler);
}

}  // namespace
}  // namespace orbato
