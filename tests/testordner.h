#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace orbato {

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
