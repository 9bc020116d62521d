#include "persist/inidatei.h"

#include <gtest/gtest.h>

namespace orbato {
namespace {

std::string Wert(TEinstellungenImSpeicher& s, const std::string& schluessel,
                 const std::string& name) {
  s.OeffneSchluessel(schluessel);
  return s.HatWert(name) ? s.LiesWert(name) : "<fehlt>";
}

TEST(IniDatei, ReadsGroupsNamesAndValues) {
  TEinstellungenImSpeicher s;
  LiesIniText(
      "\xEF\xBB\xBFvorher=1\r\n"
      "[Tevi1]\r\n"
      "dvs=2\r\n"
      "  mwn =  3  \n"
      "; kommentar=1\n"
      "# auch=1\n"
      "ohne Gleichheitszeichen\n"
      "[ Tevi0 ]\n"
      "sp1=$ 1$ 2$\n"
      "snm=\"  Schule \\\"Am Park\\\"  \"\n"
      "opf=C:\\Pläne\\\n"
      "leer=\n"
      "dvs=4\n"
      "[Tevi1]\n"
      "dvs=5",
      s);
  EXPECT_EQ(Wert(s, "Tevi1", "dvs"), "5");
  EXPECT_EQ(Wert(s, "Tevi1", "mwn"), "3");
  EXPECT_EQ(Wert(s, "Tevi1", "; kommentar"), "<fehlt>");
  EXPECT_EQ(Wert(s, "Tevi1", "vorher"), "<fehlt>");
  EXPECT_EQ(Wert(s, "Tevi0", "sp1"), "$ 1$ 2$");
  EXPECT_EQ(Wert(s, "Tevi0", "snm"), "  Schule \"Am Park\"  ");
  EXPECT_EQ(Wert(s, "Tevi0", "opf"), "C:\\Pl\xE4ne\\");
  EXPECT_EQ(Wert(s, "Tevi0", "leer"), "");
  EXPECT_EQ(Wert(s, "Tevi0", "dvs"), "4");
  ASSERT_EQ(s.Schluessel().size(), 2u);
  EXPECT_EQ(s.Schluessel()[0].name, "Tevi1");
}

}  // namespace
}  // namespace orbato
