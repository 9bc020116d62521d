#include <windows.h>

#include "persist/breitertext.h"

namespace orbato {

std::wstring BreitAusUtf8(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int laenge =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring breit(static_cast<std::size_t>(laenge), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), breit.data(), laenge);
  return breit;
}

std::string Utf8AusBreit(const std::wstring& breit) {
  if (breit.empty()) return {};
  const int laenge = WideCharToMultiByte(CP_UTF8, 0, breit.data(), static_cast<int>(breit.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(laenge), '\0');
  WideCharToMultiByte(CP_UTF8, 0, breit.data(), static_cast<int>(breit.size()), utf8.data(), laenge,
                      nullptr, nullptr);
  return utf8;
}

}  // namespace orbato
