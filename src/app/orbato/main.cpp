#include <iostream>
#include <string>
#include <vector>

#include "app/orbato/kommandozeile.h"

int main(int argc, char** argv) {
  std::vector<std::string> argumente(argv + 1, argv + argc);
  orbato::TKommandoUmgebung umgebung{std::cout, std::cerr, {}};
  return orbato::OrbatoAusfuehren(argumente, umgebung);
}
