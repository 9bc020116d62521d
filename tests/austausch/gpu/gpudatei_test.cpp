#include "austausch/gpu/gpudatei.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orbato {
namespace {

std::vector<uint8_t> Bytes(std::string_view text) {
  return {text.begin(), text.end()};
}

std::vector<std::vector<std::string>> Felder(const TGpuTabelle& t) {
  std::vector<std::vector<std::string>> felder;
  for (const TGpuSatz& s : t.saetze) felder.push_back(s.felder);
  return felder;
}

// The three separators Untis users choose, with and without quotes, and the trailing separator.
TEST(GpuDatei, FindsTheSeparatorAndDropsTheTrailingSlot) {
  const TGpuTabelle komma = LiesGpuTabelle(Bytes("12,\"7a\",\"MUE\",\"ER\",,1,3,,\r\n"));
  EXPECT_EQ(komma.trenner, ',');
  EXPECT_EQ(Felder(komma),
            (std::vector<std::vector<std::string>>{{"12", "7a", "MUE", "ER", "", "1", "3", ""}}));
  const TGpuTabelle semikolon = LiesGpuTabelle(Bytes("5;4;\"5b\";BRA;\"M, Mathe\"\n"));
  EXPECT_EQ(semikolon.trenner, ';');
  EXPECT_EQ(Felder(semikolon),
            (std::vector<std::vector<std::string>>{{"5", "4", "5b", "BRA", "M, Mathe"}}));
  const TGpuTabelle tab = LiesGpuTabelle(Bytes("\"R1\"\t\"Raum, alt\"\t\r\"R2\"\t\t"));
  EXPECT_EQ(tab.trenner, '\t');
  EXPECT_EQ(Felder(tab), (std::vector<std::vector<std::string>>{{"R1", "Raum, alt"}, {"R2", ""}}));
  const TGpuTabelle gewaehlt = LiesGpuTabelle(Bytes("a;b,c\n"), {',', TGpuKodierung::Erkennen});
  EXPECT_EQ(Felder(gewaehlt), (std::vector<std::vector<std::string>>{{"a;b", "c"}}));
}

// Blanks around fields go, doubled quotes are one, a quote left open ends with the line; empty
// lines are skipped and the line numbers count CR LF once.
TEST(GpuDatei, ReadsEveryLineWithoutFailing) {
  const TGpuTabelle t =
      LiesGpuTabelle(Bytes(" 101 , \"A \"\"B\"\" C\" , S,\"offen\r\n\r\n\"x\"y,2\r\n"));
  EXPECT_EQ(Felder(t), (std::vector<std::vector<std::string>>{{"101", "A \"B\" C", "S", "offen"},
                                                              {"xy", "2"}}));
  EXPECT_EQ(t.saetze[0].zeile, 1);
  EXPECT_EQ(t.saetze[1].zeile, 3);
  EXPECT_EQ(t.saetze[1].Feld(2), "2");
  EXPECT_EQ(t.saetze[1].Feld(3), "");
  EXPECT_EQ(t.saetze[1].Feld(0), "");
  EXPECT_TRUE(LiesGpuTabelle({}).saetze.empty());
}

// A BOM or valid UTF-8 is UTF-8; anything else is Windows-1252; characters Windows-1252 lacks
// are counted as they become "?".
TEST(GpuDatei, DetectsTheEncoding) {
  const TGpuTabelle bom = LiesGpuTabelle(Bytes("\xEF\xBB\xBF\"K\xC3\x96H\",\"K\xC3\xB6hler\""));
  EXPECT_TRUE(bom.utf8);
  EXPECT_EQ(bom.saetze[0].felder, (std::vector<std::string>{"K\xD6H", "K\xF6hler"}));
  const TGpuTabelle ohneBom = LiesGpuTabelle(Bytes("\"St\xC3\xBC\",\"\xE2\x82\xAC \xE2\x9C\x93\""));
  EXPECT_TRUE(ohneBom.utf8);
  EXPECT_EQ(ohneBom.saetze[0].felder, (std::vector<std::string>{"St\xFC", "\x80 ?"}));
  EXPECT_EQ(ohneBom.ersetzt, 1);
  const TGpuTabelle ansi = LiesGpuTabelle(Bytes("\"St\xFC\",\"K\xF6hler\""));
  EXPECT_FALSE(ansi.utf8);
  EXPECT_EQ(ansi.saetze[0].felder, (std::vector<std::string>{"St\xFC", "K\xF6hler"}));
  const TGpuTabelle erzwungen = LiesGpuTabelle(Bytes("\"St\xC3\xBC\""), {0, TGpuKodierung::Cp1252});
  EXPECT_EQ(erzwungen.saetze[0].felder, (std::vector<std::string>{"St\xC3\xBC"}));
}

TEST(GpuDatei, SplitsListsAndNumbers) {
  EXPECT_EQ(GpuListe(" 7a ~7b~~ 7c"), (std::vector<std::string>{"7a", "7b", "7c"}));
  EXPECT_TRUE(GpuListe("").empty());
  int64_t zahl = -1;
  EXPECT_TRUE(GpuZahl("25.500", zahl));
  EXPECT_EQ(zahl, 25);
  EXPECT_FALSE(GpuZahl("-3", zahl));
  EXPECT_TRUE(GpuZahl("99999999999999999999", zahl));
  EXPECT_EQ(zahl, 9999999999);
  EXPECT_EQ(GpuDezimal(25500), "25.500");
  EXPECT_EQ(GpuDezimal(7), "0.007");
}

// Quoted texts, bare numbers, CR LF; a quote in a text becomes an apostrophe; UTF-8 on request.
TEST(GpuDatei, WritesLinesAsUntisDoes) {
  TGpuSchreiber komma({',', false});
  komma.NeueZeile(4, true);
  komma.Zahl(1, 12);
  komma.Text(2, "K\xD6H \"Bio\"");
  komma.Roh(4, "23.000");
  komma.ZeileFertig();
  komma.NeueZeile(2, false);
  komma.Text(1, "");
  komma.ZeileFertig();
  EXPECT_EQ(std::string(komma.Bytes().begin(), komma.Bytes().end()),
            "12,\"K\xD6H 'Bio'\",,23.000,\r\n,\r\n");
  TGpuSchreiber utf8({';', true});
  utf8.NeueZeile(2, false);
  utf8.Text(1, "K\xD6H");
  utf8.Zahl(2, 3);
  utf8.ZeileFertig();
  EXPECT_EQ(std::string(utf8.Bytes().begin(), utf8.Bytes().end()), "\"K\xC3\x96H\";3\r\n");
}

}  // namespace
}  // namespace orbato
