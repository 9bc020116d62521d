#pragma once

#include <string>

namespace orbato {

// The system's reason for a failed file operation in the program's language (Windows-1252),
// where it is one a user meets; otherwise the system's own text.
std::string SystemGrund(int fehler);

}  // namespace orbato
