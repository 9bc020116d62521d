#include <windows.h>

#include <optional>
#include <vector>

#include "model/basis/zeichensatz.h"
#include "persist/breitertext.h"
#include "persist/registryspeicher.h"

namespace orbato {
namespace {

// Closes the key when it goes.
class TOffenerSchluessel {
 public:
  explicit TOffenerSchluessel(HKEY schluessel) : fSchluessel(schluessel) {}
  ~TOffenerSchluessel() {
    if (fSchluessel) RegCloseKey(fSchluessel);
  }
  TOffenerSchluessel(const TOffenerSchluessel&) = delete;
  TOffenerSchluessel& operator=(const TOffenerSchluessel&) = delete;
  HKEY fSchluessel;
};

std::wstring Breit(const std::string& cp1252) {
  return BreitAusUtf8(Utf8AusCp1252(cp1252));
}

// The string value, or none when the key or the value is missing or is no string.
std::optional<std::string> Wert(const std::wstring& pfad, const std::string& name) {
  HKEY roh = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, pfad.c_str(), 0, KEY_QUERY_VALUE, &roh) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const TOffenerSchluessel schluessel(roh);
  const std::wstring wertName = Breit(name);
  DWORD typ = 0;
  DWORD bytes = 0;
  if (RegQueryValueExW(roh, wertName.c_str(), nullptr, &typ, nullptr, &bytes) != ERROR_SUCCESS ||
      (typ != REG_SZ && typ != REG_EXPAND_SZ)) {
    return std::nullopt;
  }
  std::vector<wchar_t> puffer(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(puffer.size() * sizeof(wchar_t));
  if (RegQueryValueExW(roh, wertName.c_str(), nullptr, &typ, reinterpret_cast<BYTE*>(puffer.data()),
                       &bytes) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  // A stored string need not end with its terminator; the one the buffer adds ends it.
  return Cp1252AusUtf8(Utf8AusBreit(std::wstring(puffer.data())));
}

}  // namespace

TRegistrySpeicher::TRegistrySpeicher(std::string wurzel) : fWurzel(std::move(wurzel)) {}

void TRegistrySpeicher::OeffneSchluessel(const std::string& schluessel) {
  fSchluessel = fWurzel + "\\" + schluessel;
}

bool TRegistrySpeicher::HatWert(const std::string& name) const {
  return Wert(Breit(fSchluessel), name).has_value();
}

std::string TRegistrySpeicher::LiesWert(const std::string& name) const {
  return Wert(Breit(fSchluessel), name).value_or(std::string());
}

void TRegistrySpeicher::SchreibeWert(const std::string& name, const std::string& wert) {
  HKEY roh = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, Breit(fSchluessel).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &roh, nullptr) != ERROR_SUCCESS) {
    return;  // a registry the user may not write keeps what it has, as QSettings does
  }
  const TOffenerSchluessel schluessel(roh);
  const std::wstring text = Breit(wert);
  RegSetValueExW(roh, Breit(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

}  // namespace orbato
