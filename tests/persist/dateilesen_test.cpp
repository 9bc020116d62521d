#include "persist/dateilesen.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "persist/schlechtepfade.h"
#include "persist/streamfehler.h"

namespace orbato {
namespace {

constexpr TDateiArt kZehn{"eine Testdatei", 10};

// The message LiesGanzeDatei refuses the path with; empty when it reads.
std::string Meldung(const std::string& pfad, const TDateiArt& art = kZehn) {
  try {
    LiesGanzeDatei(pfad, art);
  } catch (const TStreamFehler& f) {
    return f.what();
  }
  return {};
}

const std::string kOrdner = "Der Pfad bezeichnet einen Ordner.";
const std::string kKeineDatei = "Der Pfad bezeichnet keine gew\xF6hnliche Datei.";

TEST(DateiLesen, ReadsAnOrdinaryFileUpToItsBoundWholeAndAnEmptyOneAsNothing) {
  TSchlechtePfade pfade("lesen");
  std::ofstream(pfade.Pfad("zehn"), std::ios::binary) << std::string("ab\0\r\ncd\xFF\x1Dz", 10);
  EXPECT_EQ(LiesGanzeDatei(pfade.Pfad("zehn"), kZehn),
            (std::vector<uint8_t>{'a', 'b', 0, 13, 10, 'c', 'd', 0xFF, 0x1D, 'z'}));
  EXPECT_EQ(LiesGanzeDatei(pfade.Leer(), kZehn), std::vector<uint8_t>());

  std::ofstream(pfade.Pfad("elf"), std::ios::binary) << "01234567890";
  EXPECT_EQ(Meldung(pfade.Pfad("elf")), "Datei " + pfade.Pfad("elf") +
                                            " ist zu gro\xDF f\xFCr eine Testdatei (h\xF6"
                                            "chstens 10 Bytes).");
  const std::string gross = pfade.Gross(uintmax_t{1} << 40);
  if (gross.empty()) GTEST_SKIP() << "no sparse file of 1 TiB here";
  EXPECT_EQ(Meldung(gross, {"eine Plandatei", 27053682788}),
            "Datei " + gross +
                " ist zu gro\xDF f\xFCr eine Plandatei (h\xF6"
                "chstens 27.053.682.788 Bytes).");
}

TEST(DateiLesen, RefusesWhatIsNoOrdinaryFileWithoutOpeningIt) {
  TSchlechtePfade pfade("lesen");
  EXPECT_EQ(Meldung(pfade.Ordner()), NichtGeoeffnet(pfade.Ordner(), kOrdner));
  EXPECT_EQ(Meldung(pfade.Ordner() + "/"), NichtGeoeffnet(pfade.Ordner() + "/", kOrdner));
  // A FIFO with no writer would block an open for reading; this returns at once.
  const std::string fifo = pfade.Fifo();
  EXPECT_EQ(Meldung(fifo), NichtGeoeffnet(fifo, kKeineDatei));
  // Endless, and empty: both are devices.
  EXPECT_EQ(Meldung("/dev/zero"), NichtGeoeffnet("/dev/zero", kKeineDatei));
  EXPECT_EQ(Meldung("/dev/null"), NichtGeoeffnet("/dev/null", kKeineDatei));
#ifndef _WIN32  // links to a device are no Windows thing
  // A link is followed to what it names.
  std::filesystem::create_symlink(fifo, pfade.Pfad("verweis"));
  EXPECT_EQ(Meldung(pfade.Pfad("verweis")), NichtGeoeffnet(pfade.Pfad("verweis"), kKeineDatei));
#endif
}

TEST(DateiLesen, GivesTheReasonAFileCannotBeOpenedInGerman) {
  TSchlechtePfade pfade("lesen");
  EXPECT_EQ(Meldung(pfade.Pfad("fehlt.orb")),
            NichtGeoeffnet(pfade.Pfad("fehlt.orb"),
                           "Das System kann die angegebene Datei nicht finden."));
  const std::string leer = pfade.Leer();
  EXPECT_EQ(Meldung(leer + "/x.orb"),
            NichtGeoeffnet(leer + "/x.orb", "Das System kann den angegebenen Pfad nicht finden."));
  // File names are UTF-8, messages Windows-1252.
  EXPECT_EQ(Meldung(pfade.Pfad("Sch\xC3\xBCler.orb")),
            NichtGeoeffnet(pfade.Pfad("Sch\xFCler.orb"),
                           "Das System kann die angegebene Datei nicht finden."));
}

TEST(DateiLesen, RefusesAFileWithoutReadPermission) {
  TSchlechtePfade pfade("lesen");
  const std::string unlesbar = pfade.Unlesbar();
  if (TSchlechtePfade::LiestAlles())
    GTEST_SKIP() << "root reads a file without permissions, and so does Windows";
  EXPECT_EQ(Meldung(unlesbar), NichtGeoeffnet(unlesbar, "Zugriff verweigert."));
  // A folder that may not be entered hides what is in it.
  std::filesystem::permissions(pfade.Ordner(), std::filesystem::perms::none);
  EXPECT_EQ(Meldung(pfade.Pfad("x.orb")),
            NichtGeoeffnet(pfade.Pfad("x.orb"), "Zugriff verweigert."));
}

}  // namespace
}  // namespace orbato
