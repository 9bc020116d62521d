#include "persist/inidatei.h"

#include <gtest/gtest.h>

#include <fstream>

#include "persist/schlechtepfade.h"
#include "persist/streamfehler.h"

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

// The message LiesIniDatei refuses the path with; empty when it reads, with the keys it read.
std::string Meldung(const std::string& pfad, std::size_t* schluessel = nullptr) {
  TEinstellungenImSpeicher s;
  try {
    LiesIniDatei(pfad, s);
  } catch (const TStreamFehler& f) {
    return f.what();
  }
  if (schluessel) *schluessel = s.Schluessel().size();
  return {};
}

// A missing or empty file holds no values, so every setting keeps its default; what cannot be a
// settings file ends with its message.
TEST(IniDatei, ReadsAFileAndRefusesAPathWithoutOne) {
  TSchlechtePfade pfade("ini");
  std::ofstream(pfade.Pfad("e.ini")) << "[Tevi1]\ndvs=2\n[Tevi2]\npst=8\n";
  std::size_t schluessel = 99;
  EXPECT_EQ(Meldung(pfade.Pfad("e.ini"), &schluessel), "");
  EXPECT_EQ(schluessel, 2u);
  EXPECT_EQ(Meldung(pfade.Pfad("fehlt.ini"), &schluessel), "");
  EXPECT_EQ(schluessel, 0u);
  schluessel = 99;
  EXPECT_EQ(Meldung(pfade.Leer(), &schluessel), "");
  EXPECT_EQ(schluessel, 0u);

  const std::string keineDatei = "Der Pfad bezeichnet keine gew\xF6hnliche Datei.";
  EXPECT_EQ(Meldung(pfade.Ordner()),
            NichtGeoeffnet(pfade.Ordner(), "Der Pfad bezeichnet einen Ordner."));
  EXPECT_EQ(Meldung("/dev/zero"), NichtGeoeffnet("/dev/zero", keineDatei));
  const std::string fifo = pfade.Fifo();
  EXPECT_EQ(Meldung(fifo), NichtGeoeffnet(fifo, keineDatei));
  const std::string gross = pfade.Gross(kMaxEinstellungsDateiBytes + 1);
  ASSERT_FALSE(gross.empty());
  EXPECT_EQ(Meldung(gross), "Datei " + gross +
                                " ist zu gro\xDF f\xFCr eine Einstellungsdatei (h\xF6"
                                "chstens 16.777.216 Bytes).");
}

TEST(IniDatei, RefusesAFileWithoutReadPermission) {
  TSchlechtePfade pfade("ini");
  const std::string unlesbar = pfade.Unlesbar();
  if (TSchlechtePfade::LiestAlles())
    GTEST_SKIP() << "root reads a file without permissions, and so does Windows";
  EXPECT_EQ(Meldung(unlesbar), NichtGeoeffnet(unlesbar, "Zugriff verweigert."));
}

}  // namespace
}  // namespace orbato
