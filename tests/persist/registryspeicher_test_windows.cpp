#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "persist/registryspeicher.h"
#include "persist/standardspeicher.h"

namespace orbato {
namespace {

// A key of the test's own below HKEY_CURRENT_USER, removed afterwards, so that a run on a planner's
// machine leaves the program's own settings alone.
class RegistrySpeicherTest : public ::testing::Test {
 protected:
  RegistrySpeicherTest() { RegDeleteTreeW(HKEY_CURRENT_USER, Breit(fWurzel).c_str()); }
  ~RegistrySpeicherTest() override { RegDeleteTreeW(HKEY_CURRENT_USER, Breit(fWurzel).c_str()); }

  static std::wstring Breit(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }
  bool SchluesselDa(const std::string& name) const {
    HKEY schluessel = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Breit(fWurzel + "\\" + name).c_str(), 0, KEY_READ,
                      &schluessel) != ERROR_SUCCESS) {
      return false;
    }
    RegCloseKey(schluessel);
    return true;
  }

  const std::string fWurzel = "Software\\WOrbato3Test\\" + std::to_string(GetCurrentProcessId());
  TRegistrySpeicher fSpeicher{fWurzel};
};

TEST_F(RegistrySpeicherTest, KeepsWindows1252StringsAndCreatesAKeyWithItsFirstValue) {
  fSpeicher.OeffneSchluessel("Tevi1");
  EXPECT_FALSE(fSpeicher.HatWert("dvs"));
  EXPECT_EQ(fSpeicher.LiesWert("dvs"), "");
  EXPECT_FALSE(SchluesselDa("Tevi1")) << "reading writes nothing";

  fSpeicher.SchreibeWert("dvs", "2");
  fSpeicher.OeffneSchluessel("Tevi2");
  fSpeicher.SchreibeWert("sp1",
                         "M\xFC"
                         "ller $ \xDF");
  fSpeicher.SchreibeWert("leer", "");
  EXPECT_TRUE(SchluesselDa("Tevi1"));

  TRegistrySpeicher wieder(fWurzel);
  wieder.OeffneSchluessel("Tevi2");
  EXPECT_EQ(wieder.LiesWert("sp1"), "M\xFCller $ \xDF");
  EXPECT_TRUE(wieder.HatWert("leer"));
  EXPECT_EQ(wieder.LiesWert("leer"), "");
  EXPECT_FALSE(wieder.HatWert("dvs")) << "values belong to their key";
  wieder.OeffneSchluessel("Tevi1");
  EXPECT_EQ(wieder.LiesWert("dvs"), "2");
}

// Another program may leave a number where a string belongs: it counts as missing.
TEST_F(RegistrySpeicherTest, AValueOfAnotherTypeIsMissing) {
  fSpeicher.OeffneSchluessel("Tevi1");
  fSpeicher.SchreibeWert("mwn", "3");
  HKEY schluessel = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, Breit(fWurzel + "\\Tevi1").c_str(), 0, KEY_SET_VALUE,
                          &schluessel),
            ERROR_SUCCESS);
  const DWORD zahl = 4;
  RegSetValueExW(schluessel, L"dvs", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zahl),
                 sizeof zahl);
  RegCloseKey(schluessel);
  EXPECT_FALSE(fSpeicher.HatWert("dvs"));
  EXPECT_TRUE(fSpeicher.HatWert("mwn"));
}

TEST_F(RegistrySpeicherTest, LoadingRepairsWhatTheRegistryHolds) {
  TStandard eigen;
  eigen.fDivisor = 4;
  SaveStandard(eigen, fSpeicher);
  TStandard geladen;
  LoadStandard(geladen, fSpeicher);
  EXPECT_EQ(geladen.fDivisor, 4);

  fSpeicher.OeffneSchluessel("Tevi1");
  fSpeicher.SchreibeWert("dvs", "zwei");
  fSpeicher.SchreibeWert("skp", "10");
  fSpeicher.SchreibeWert("mwn", "3");
  TStandard repariert;
  repariert.fAktuelleWoche = 5;
  LoadStandard(repariert, fSpeicher);
  EXPECT_EQ(repariert.fDivisor, 1);
  EXPECT_EQ(repariert.fSicherungsKopien, 3);
  EXPECT_EQ(repariert.fMaxWocheNeu, 3);
  EXPECT_EQ(repariert.fAktuelleWoche, 3);
}

}  // namespace
}  // namespace orbato
