#include "persist/sicherndatei.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "persist/puffer.h"
#include "testordner.h"

namespace orbato {
namespace {

namespace fs = std::filesystem;

class SicherndateiTest : public ::testing::Test {
 protected:
  static std::vector<uint8_t> Inhalt(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), {}};
  }
  std::size_t Dateien() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(fOrdner.Pfad()), {}));
  }
  TTestOrdner fOrdner{"sichern"};
};

TEST_F(SicherndateiTest, ReplacesTheOldFileWhole) {
  const fs::path datei = fOrdner / "schule.orb";
  SchreibeDateiSicher(datei.string(), {1, 2, 3});
  EXPECT_EQ(Inhalt(datei), (std::vector<uint8_t>{1, 2, 3}));
  SchreibeDateiSicher(datei.string(), {9});
  EXPECT_EQ(Inhalt(datei), (std::vector<uint8_t>{9}));
  EXPECT_EQ(Dateien(), 1u);  // no temporary file is left
#ifndef _WIN32               // Windows has no group rights; a new file takes those of its folder
  struct stat st {};
  ASSERT_EQ(::stat(datei.c_str(), &st), 0);
  EXPECT_NE(st.st_mode & S_IRGRP, 0u) << "an ordinary file, not a private temporary one";
#endif
}

TEST_F(SicherndateiTest, AFolderThatCannotBeWrittenKeepsTheOldFile) {
  if (!RechteBinden()) GTEST_SKIP() << "root may write into read-only folders, and so may Windows";
  const fs::path datei = fOrdner / "schule.orb";
  SchreibeDateiSicher(datei.string(), {1, 2, 3});
  fs::permissions(fOrdner.Pfad(), fs::perms::owner_read | fs::perms::owner_exec);
  try {
    SchreibeDateiSicher(datei.string(), {4, 5});
    FAIL();
  } catch (const TStreamFehler& f) {
    const std::string erwartet = "Datei \"" + datei.string() + "\" kann nicht erstellt werden. ";
    EXPECT_EQ(std::string(f.what()).substr(0, erwartet.size()), erwartet);
  }
  EXPECT_EQ(Inhalt(datei), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(SicherndateiTest, AMissingFolderFailsWithTheCreateMessage) {
  const std::string pfad = (fOrdner / "fehlt" / "schule.orb").string();
  try {
    SchreibeDateiSicher(pfad, {1});
    FAIL();
  } catch (const TStreamFehler& f) {
    const std::string erwartet = "Datei \"" + pfad + "\" kann nicht erstellt werden. ";
    EXPECT_EQ(std::string(f.what()).substr(0, erwartet.size()), erwartet);
  }
}

TEST_F(SicherndateiTest, NeverPutsAFileInThePlaceOfAFifoOrAFolder) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no FIFOs; DateisystemWindows.DeviceNamesAreNeitherReadNorReplaced";
#else
  const fs::path fifo = fOrdner / "rohr";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  try {
    SchreibeDateiSicher(fifo.string(), {1});
    FAIL();
  } catch (const TStreamFehler& f) {
    EXPECT_EQ(std::string(f.what()), "Datei \"" + fifo.string() +
                                         "\" kann nicht erstellt werden. Der Pfad bezeichnet "
                                         "keine gew\xF6hnliche Datei.");
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  try {
    SchreibeDateiSicher(fOrdner.Pfad().string(), {1});
    FAIL();
  } catch (const TStreamFehler& f) {
    EXPECT_EQ(std::string(f.what()), "Datei \"" + fOrdner.Pfad().string() +
                                         "\" kann nicht erstellt werden. Der Pfad bezeichnet "
                                         "einen Ordner.");
  }
  EXPECT_EQ(Dateien(), 1u);
#endif
}

TEST_F(SicherndateiTest, KeepsThePermissionsOfThePlanFileAndFollowsALink) {
#ifdef _WIN32
  GTEST_SKIP()
      << "POSIX rights and links; DateisystemWindows.UTF8PathsNameTheFileWindowsShows replaces";
#else
  const fs::path datei = fOrdner / "schule.orb";
  SchreibeDateiSicher(datei.string(), {1});
  fs::permissions(datei, fs::perms::owner_read | fs::perms::owner_write);
  const fs::path link = fOrdner / "verweis.orb";
  fs::create_symlink(datei, link);
  SchreibeDateiSicher(link.string(), {2, 3});
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Inhalt(datei), (std::vector<uint8_t>{2, 3}));
  EXPECT_EQ(fs::status(datei).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Dateien(), 2u);
#endif
}

TEST_F(SicherndateiTest, AFailedSaveLeavesNoTemporaryFile) {
  const fs::path datei = fOrdner / "schule.orb";
  SchreibeDateiSicher(datei.string(), {1, 2, 3});
  // A target whose folder is a file cannot be written; the old file stays alone.
  EXPECT_THROW(SchreibeDateiSicher((datei / "x").string(), {1}), TStreamFehler);
  EXPECT_EQ(Inhalt(datei), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(Dateien(), 1u);
}

}  // namespace
}  // namespace orbato
