#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "persist/dateilesen.h"
#include "persist/dateisystem.h"
#include "persist/schlechtepfade.h"
#include "persist/sicherndatei.h"
#include "persist/streamfehler.h"
#include "testordner.h"

namespace orbato {
namespace {

namespace fs = std::filesystem;

constexpr TDateiArt kZehn{"eine Testdatei", 10};
const std::string kKeineDatei = "Der Pfad bezeichnet keine gew\xF6hnliche Datei.";

std::string LeseMeldung(const std::string& pfad) {
  try {
    LiesGanzeDatei(pfad, kZehn);
  } catch (const TStreamFehler& f) {
    return f.what();
  }
  return {};
}

std::string SchreibMeldung(const std::string& pfad) {
  try {
    SchreibeDateiSicher(pfad, {1});
  } catch (const TStreamFehler& f) {
    return f.what();
  }
  return {};
}

// What /dev/zero and a FIFO are on Linux, the device names are on Windows: in every folder, with
// any extension, in any case.
TEST(DateisystemWindows, DeviceNamesAreNeitherReadNorReplaced) {
  for (const std::string pfad : {"NUL", "nul.orb", "C:\\daten\\CON", "com1.txt", "LPT9",
                                 "\\\\.\\PhysicalDrive0", "CONOUT$"}) {
    EXPECT_EQ(PfadStand(pfad).fArt, TPfadArt::Anderes) << pfad;
    EXPECT_EQ(LeseMeldung(pfad), NichtGeoeffnet(pfad, kKeineDatei));
    EXPECT_EQ(SchreibMeldung(pfad),
              "Datei \"" + pfad + "\" kann nicht erstellt werden. " + kKeineDatei);
  }
  EXPECT_EQ(PfadStand("COM").fArt, TPfadArt::Fehlt);
  EXPECT_EQ(PfadStand("konsole.orb").fArt, TPfadArt::Fehlt);
}

// The path arrives in UTF-8 and names the file Windows shows with its umlauts.
TEST(DateisystemWindows, UTF8PathsNameTheFileWindowsShows) {
  const TTestOrdner ordner("windows");
  const std::string pfad = Utf8Pfad(ordner.Pfad()) + "\\M\xC3\xBCller \xE2\x82\xAC.orb";
  SchreibeDateiSicher(pfad, {1, 2, 3});
  SchreibeDateiSicher(pfad, {4, 5});
  EXPECT_EQ(LiesGanzeDatei(pfad, kZehn), (std::vector<uint8_t>{4, 5}));
  std::vector<std::wstring> namen;
  for (const auto& eintrag : fs::directory_iterator(ordner.Pfad())) {
    namen.push_back(eintrag.path().filename().wstring());
  }
  EXPECT_EQ(namen, std::vector<std::wstring>{L"M\u00FCller \u20AC.orb"})
      << "no temporary file left";
  const TPfadStand stand = PfadStand(pfad);
  EXPECT_EQ(stand.fArt, TPfadArt::Datei);
  EXPECT_EQ(stand.fGroesse, 2u);
}

}  // namespace
}  // namespace orbato
