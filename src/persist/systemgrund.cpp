#include "persist/systemgrund.h"

#include <cerrno>
#include <cstring>

namespace orbato {

std::string SystemGrund(int fehler) {
  switch (fehler) {
    case ENOENT:
      return "Das System kann die angegebene Datei nicht finden.";
    case ENOTDIR:
      return "Das System kann den angegebenen Pfad nicht finden.";
    case EACCES:
    case EPERM:
      return "Zugriff verweigert.";
    case ENOSPC:
      return "Auf dem Datentr\xE4ger ist nicht gen\xFCgend Speicherplatz verf\xFCgbar.";
    case EROFS:
      return "Der Datentr\xE4ger ist schreibgesch\xFCtzt.";
    default:
      return std::strerror(fehler);
  }
}

}  // namespace orbato
