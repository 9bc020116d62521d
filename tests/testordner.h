#pragma once

#include <gtest/gtest.h>
#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

#include <filesystem>
#include <string>

namespace orbato {

// Whether the permissions of files and folders bind the tests: root passes them, and on Windows
// the read-only mark of a folder does not keep anyone from writing into it.
inline bool RechteBinden() {
#ifdef _WIN32
  return false;
#else
  return ::geteuid() != 0;
#endif
}

// What a path joined by the program puts between folder and name.
inline const std::string kTrenner(1, static_cast<char>(std::filesystem::path::preferred_separator));

// The reason a path in a missing folder is refused with: Windows tells the path from the file.
#ifdef _WIN32
inline const std::string kOrdnerFehlt = "Das System kann den angegebenen Pfad nicht finden.";
#else
inline const std::string kOrdnerFehlt = "Das System kann die angegebene Datei nicht finden.";
#endif

// A fresh folder for the running test, named after it and the process, removed afterwards even
// when the test took away its write permission.
class TTestOrdner {
 public:
  explicit TTestOrdner(const std::string& art)
      : fPfad(std::filesystem::temp_directory_path() /
              ("orbato_" + art + "_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    std::filesystem::remove_all(fPfad);
    std::filesystem::create_directories(fPfad);
  }
  ~TTestOrdner() {
    std::error_code egal;
    std::filesystem::permissions(fPfad, std::filesystem::perms::owner_all, egal);
    std::filesystem::remove_all(fPfad, egal);
  }
  TTestOrdner(const TTestOrdner&) = delete;
  TTestOrdner& operator=(const TTestOrdner&) = delete;

  const std::filesystem::path& Pfad() const { return fPfad; }
  std::filesystem::path operator/(const std::string& name) const { return fPfad / name; }

 private:
  std::filesystem::path fPfad;
};

}  // namespace orbato
