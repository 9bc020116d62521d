#pragma once

#include <stdexcept>
#include <string>

namespace orbato {

// A read or write of a plan or text file that could not be done; the message is the one the user
// sees ("Stream-Lesefehler", "Datei … kann nicht geöffnet werden. …"), in Windows-1252.
class TStreamFehler : public std::runtime_error {
 public:
  explicit TStreamFehler(const std::string& meldung) : std::runtime_error(meldung) {}
};

}  // namespace orbato
