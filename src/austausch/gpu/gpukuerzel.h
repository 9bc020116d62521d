#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace orbato {

// The short names of one kind of element as an Untis file gives them, mapped to names the program
// can hold: at most 11 characters, unique within the kind. Untis allows longer ones; cutting them
// may make two equal, so a cut name that is taken ends in a number instead.
class TGpuKuerzel {
 public:
  // Every name of the kind must be known before the first is mapped, so that a cut name never
  // takes the name another element has in the file.
  void Melde(std::string_view name);
  // The name in the program; the name itself when it fits. An empty name stays empty.
  const std::string& Kuerzel(std::string_view name);
  // Each cut name with the name it became, in the order they were mapped.
  const std::vector<std::pair<std::string, std::string>>& Kuerzungen() const { return fKuerzungen; }

 private:
  std::set<std::string> fVergeben;
  std::map<std::string, std::string, std::less<>> fZuordnung;
  std::vector<std::pair<std::string, std::string>> fKuerzungen;
};

}  // namespace orbato
