#include "model/einstellungen/standard.h"

#include <gtest/gtest.h>

#include "model/basis/hextext.h"
#include "model/basis/sha1.h"

namespace orbato {
namespace {

TEST(Standard, BuiltInTablesFollowTheirRules) {
  const auto t = TStandard::EingebauteTabellen();
  // entry n = 7 (p - 1) + d lies at [period p - 1][day d - 1]
  const auto eintrag = [&](int tabelle, int n) { return t[tabelle - 1][(n - 1) / 7][(n - 1) % 7]; };
  const int32_t erste[] = {-7, -4, -1, -10, -13, -16, -37, 25, 22, 19, 28, 31, 34, 38};
  for (int n = 1; n <= 14; ++n) EXPECT_EQ(eintrag(1, n), erste[n - 1]) << n;
  EXPECT_EQ(eintrag(1, 29), -2);
  EXPECT_EQ(eintrag(1, 42), 42);
  EXPECT_EQ(t[1][0][0], -1);   // table 2, period 1, Monday
  EXPECT_EQ(t[1][0][1], -7);   // period 1, Tuesday
  EXPECT_EQ(t[1][5][4], -30);  // period 6, Friday
  EXPECT_EQ(t[1][5][6], -42);
  EXPECT_EQ(eintrag(3, 7), -7);
  EXPECT_EQ(eintrag(3, 8), 8);
  EXPECT_EQ(eintrag(3, 15), -15);
  EXPECT_EQ(eintrag(3, 42), 42);
  for (int tabelle = 1; tabelle <= 3; ++tabelle) {
    EXPECT_EQ(eintrag(tabelle, 43), -43);
    EXPECT_EQ(eintrag(tabelle, 63), -63);
    EXPECT_EQ(eintrag(tabelle, 64), 64);
    EXPECT_EQ(eintrag(tabelle, 112), 112);
  }
  for (int n = 1; n <= 112; ++n) EXPECT_EQ(eintrag(4, n), n);
}

TEST(Standard, TableCheckKeepsTablesWithoutZero) {
  TStandard s;
  s.fAuTab[0][0][0] = 77;
  s.TesteTabelle();
  EXPECT_EQ(s.fAuTab[0][0][0], 77);
  s.fAuTab[3][15][6] = 0;
  s.TesteTabelle();
  EXPECT_EQ(s.fAuTab, TStandard::EingebauteTabellen());
}

TEST(Standard, HolidaysAreBitsOfTheWeekByte) {
  TStandard s;
  // 2026-12-09 is a Wednesday.
  const TDatumZeit mittwoch = *KodiereDatum(2026, 12, 9) + 0.5;
  const int woche = KalenderWoche(mittwoch);
  EXPECT_EQ(woche, ((static_cast<int>(mittwoch) - 34330) / 7) % 888);
  s.fFerien[woche] = 0x04;
  EXPECT_TRUE(s.FerienTag(mittwoch));
  EXPECT_FALSE(s.FerienTag(mittwoch - 1));
  EXPECT_FALSE(s.FerienTag(mittwoch + 7));
  // The ring starts on Monday 27 December 1993 and repeats after 888 weeks.
  EXPECT_EQ(*KodiereDatum(1993, 12, 27), 34330);
  EXPECT_EQ(KalenderWoche(34330), 0);
  EXPECT_EQ(KalenderWoche(34336.9), 0);
  EXPECT_EQ(KalenderWoche(34337), 1);
  EXPECT_EQ(KalenderWoche(34330 + 7 * 888), 0);
  EXPECT_EQ(KalenderWoche(34329), 887);  // before the ring's start, still a valid week
}

TEST(Standard, WeekendFollowsTheDaysPerWeek) {
  TStandard s;
  const TDatumZeit samstag = *KodiereDatum(2026, 12, 12);
  EXPECT_FALSE(s.WochenEnde(samstag));
  s.SetMaxTageNeu(5);
  EXPECT_TRUE(s.WochenEnde(samstag));
  EXPECT_TRUE(s.WochenEnde(samstag + 1));
  EXPECT_FALSE(s.WochenEnde(samstag - 1));
  s.SetMaxTageNeu(6);
  EXPECT_FALSE(s.WochenEnde(samstag));
  EXPECT_TRUE(s.WochenEnde(samstag + 1));
}

TEST(Standard, LoweringTheVersionCountLowersTheCurrentVersion) {
  TStandard s;
  s.SetMaxWocheNeu(10);
  s.SetAktuelleWoche(7);
  s.SetMaxWocheNeu(8);
  EXPECT_EQ(s.fAktuelleWoche, 7);
  s.SetMaxWocheNeu(4);
  EXPECT_EQ(s.fAktuelleWoche, 4);
  EXPECT_EQ(s.fMaxWocheNeu, 4);
}

TEST(Standard, CalendarRowsAreSixteenHexDigits) {
  std::array<uint8_t, kKalenderWochen> kalender{};
  kalender[8] = 0x01;
  kalender[15] = 0xFE;
  EXPECT_EQ(TStandard::KalenderZeile(2, kalender), "01000000000000FE");
  EXPECT_EQ(TStandard::KalenderZeile(111, kalender), "0000000000000000");
  EXPECT_TRUE(TStandard::SetKalenderZeile(111, "a0b1c2d3e4f50617", kalender));
  EXPECT_EQ(kalender[880], 0xA0);
  EXPECT_EQ(kalender[887], 0x17);
  EXPECT_FALSE(TStandard::SetKalenderZeile(1, "A0B1C2D3E4F506", kalender));
  EXPECT_FALSE(TStandard::SetKalenderZeile(1, "A0B1C2D3E4F5061X", kalender));
  EXPECT_EQ(kalender[0], 0);
}

TEST(Standard, PasswordsAreStoredAsTheDigestOfTheirTwentyCharacters) {
  const auto hex = [](const std::string& bytes) {
    std::string text;
    for (unsigned char c : bytes)
      text += "0123456789ABCDEF"[c >> 4], text += "0123456789ABCDEF"[c & 15];
    return text;
  };
  EXPECT_EQ(hex(KennwortVerschluesseln("")), "7F70A3507E2BC0B3652E93C5FF6A893FEB1E6152");
  EXPECT_EQ(KennwortVerschluesseln(""), KennwortVerschluesseln(std::string(20, ' ')));
  EXPECT_EQ(hex(KennwortVerschluesseln("Abitur")), "74405665190914438BAADA541D02C37FFCD62794");
  EXPECT_NE(KennwortVerschluesseln("Abitur"), KennwortVerschluesseln("abitur"));
  EXPECT_EQ(KennwortVerschluesseln("123456789012345678901234"),
            KennwortVerschluesseln("12345678901234567890"));
}

TEST(Standard, APasswordIsAskedForOnlyWhenSet) {
  TStandard s;
  EXPECT_FALSE(KennwortGesetzt(s));
  EXPECT_TRUE(KennwortStimmt(s, ""));
  s.fKennwort = KennwortVerschluesseln("geheim");
  EXPECT_TRUE(KennwortGesetzt(s));
  EXPECT_TRUE(KennwortStimmt(s, "geheim"));
  EXPECT_TRUE(KennwortStimmt(s, "geheim   "));
  EXPECT_FALSE(KennwortStimmt(s, "Geheim"));
  EXPECT_FALSE(KennwortStimmt(s, ""));
}

TEST(Sha1, KnownDigests) {
  EXPECT_EQ(HexAusBytes(Sha1("")), "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709");
  EXPECT_EQ(HexAusBytes(Sha1("abc")), "A9993E364706816ABA3E25717850C26C9CD0D89D");
  EXPECT_EQ(HexAusBytes(Sha1("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
            "84983E441C3BD26EBAAE4AA1F95129E5E54670F1");
  EXPECT_EQ(HexAusBytes(Sha1(std::string(1000000, 'a'))),
            "34AA973CD4C4DAA4F61EEB2BDBAD27316534016F");
}

TEST(Standard, InstalledObjectIsTheGlobalOne) {
  TStandard eigen;
  TStandard& vorher = Standard();
  {
    TStandardEinsetzen eingesetzt(eigen);
    EXPECT_EQ(&Standard(), &eigen);
  }
  EXPECT_EQ(&Standard(), &vorher);
}

}  // namespace
}  // namespace orbato
