#include "model/basis/zusicherung.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>

namespace orbato {

namespace {

void Schreiben(const char* bedingung, const char* datei, int zeile) {
  std::fprintf(stderr, "%s:%d: Zusicherung verletzt: %s\n", datei, zeile, bedingung);
  std::fflush(stderr);
}

}  // namespace

void ZusicherungAbbrechen(const char* bedingung, const char* datei, int zeile) {
  Schreiben(bedingung, datei, zeile);
  std::abort();
}

bool ZusicherungMelden(const char* bedingung, const char* datei, int zeile) {
  static std::set<std::pair<std::string, int>> gemeldet;
  if (!gemeldet.emplace(datei, zeile).second) return false;
  Schreiben(bedingung, datei, zeile);
  return true;
}

}  // namespace orbato
