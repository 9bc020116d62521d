#pragma once

#include <string>

#include "persist/einstellungsspeicher.h"

namespace orbato {

// The user's settings store of the Windows build without Qt: the registry below
// HKEY_CURRENT_USER\<wurzel>, one key per settings key (Tevi0 …), every value a REG_SZ string.
// A key is created with its first value, so that reading alone leaves the registry as it was.
// Exists only in the Windows build (registryspeicher_windows.cpp).
class TRegistrySpeicher : public Einstellungsspeicher {
 public:
  explicit TRegistrySpeicher(std::string wurzel = "Software\\WOrbato3");

  void OeffneSchluessel(const std::string& schluessel) override;
  bool HatWert(const std::string& name) const override;
  std::string LiesWert(const std::string& name) const override;
  void SchreibeWert(const std::string& name, const std::string& wert) override;

 private:
  std::string fWurzel;
  std::string fSchluessel;
};

}  // namespace orbato
