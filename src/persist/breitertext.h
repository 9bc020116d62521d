#pragma once

#include <string>

namespace orbato {

// Windows speaks UTF-16 in its wide functions; the program keeps paths and names in UTF-8. Both
// exist only in the Windows build (breitertext_windows.cpp).
std::wstring BreitAusUtf8(const std::string& utf8);
std::string Utf8AusBreit(const std::wstring& breit);

}  // namespace orbato
