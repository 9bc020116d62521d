#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/orbato/kommandozeile.h"

namespace orbato {

// One run of the command line in-process: its exit status and what it printed.
struct TErgebnis {
  int status;
  std::string aus, fehler;
};

inline TErgebnis Orbato(const std::vector<std::string>& worte,
                        std::function<std::unique_ptr<Einstellungsspeicher>()> benutzer = {}) {
  std::ostringstream aus, fehler;
  TKommandoUmgebung umgebung{aus, fehler, std::move(benutzer)};
  const int status = OrbatoAusfuehren(worte, umgebung);
  return {status, aus.str(), fehler.str()};
}

inline std::string LiesDatei(const std::filesystem::path& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  std::ostringstream inhalt;
  inhalt << ein.rdbuf();
  return inhalt.str();
}

}  // namespace orbato
