#include "austausch/gpu/gpukuerzel.h"

#include "model/basis/fixtext.h"

namespace orbato {
namespace {

constexpr std::size_t kLaenge = TKuerzelString::Kapazitaet;

}  // namespace

void TGpuKuerzel::Melde(std::string_view name) {
  if (name.size() <= kLaenge) fVergeben.emplace(name);
}

const std::string& TGpuKuerzel::Kuerzel(std::string_view name) {
  if (const auto it = fZuordnung.find(name); it != fZuordnung.end()) return it->second;
  std::string kuerzel(name);
  if (kuerzel.size() > kLaenge) {
    kuerzel.resize(kLaenge);
    for (int nr = 2; fVergeben.contains(kuerzel); ++nr) {
      const std::string zahl = std::to_string(nr);
      kuerzel = std::string(name.substr(0, kLaenge - zahl.size())) + zahl;
    }
    fVergeben.insert(kuerzel);
    fKuerzungen.emplace_back(name, kuerzel);
  }
  return fZuordnung.emplace(std::string(name), kuerzel).first->second;
}

}  // namespace orbato
