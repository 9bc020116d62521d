#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "testordner.h"

namespace orbato {

// Paths at which a reader finds nothing it can take, made in a test folder of their own: the
// folder itself, an empty file, a FIFO nobody writes to (on Windows, which has none, the device
// NUL), a sparse file of any size and a file nobody may read.
class TSchlechtePfade {
 public:
  explicit TSchlechtePfade(const std::string& art) : fOrdner(art) {}

  std::string Ordner() const { return fOrdner.Pfad().string(); }
  std::string Leer() const {
    const std::string pfad = Pfad("leer");
    std::ofstream{pfad};
    return pfad;
  }
  std::string Fifo() const {
#ifdef _WIN32
    return "NUL";
#else
    const std::string pfad = Pfad("fifo");
    EXPECT_EQ(::mkfifo(pfad.c_str(), 0600), 0);
    return pfad;
#endif
  }
  // Empty when the file system keeps no file of that size.
  std::string Gross(std::uintmax_t bytes) const {
    const std::string pfad = Pfad("gross");
    std::ofstream{pfad};
    std::error_code fehler;
    std::filesystem::resize_file(pfad, bytes, fehler);
    return fehler ? std::string() : pfad;
  }
  // A file with content and no permissions; root (and anyone on Windows) reads it all the same.
  std::string Unlesbar() const {
    const std::string pfad = Pfad("unlesbar");
    std::ofstream(pfad) << "x";
#ifndef _WIN32  // where it would only set the read-only mark, which also keeps it from going
    std::filesystem::permissions(pfad, std::filesystem::perms::none);
#endif
    return pfad;
  }
  static bool LiestAlles() {
    return !RechteBinden();
  }

  std::string Pfad(const std::string& name) const {
    return (fOrdner / name).string();
  }

 private:
  TTestOrdner fOrdner;
};

// "Datei %s kann nicht geöffnet werden. %s", in Windows-1252.
inline std::string NichtGeoeffnet(const std::string& pfad, const std::string& grund) {
  return "Datei " + pfad +
         " kann nicht ge\xF6"
         "ffnet werden. " +
         grund;
}

}  // namespace orbato
