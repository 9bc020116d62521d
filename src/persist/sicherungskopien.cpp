#include "persist/sicherungskopien.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "persist/dateilesen.h"
#include "persist/dateistand.h"
#include "persist/plangrenzen.h"

namespace orbato {
namespace {

bool Vorhanden(const std::string& pfad) {
  struct stat info {};
  return ::lstat(pfad.c_str(), &info) == 0;
}

// The copy shows when its version was saved, not when it was shifted.
void ZeitUebernehmen(const std::string& quelle, const std::string& ziel) {
  const std::optional<TDateiStand> stand = DateiStand(quelle);
  if (!stand) return;
  struct timespec zeiten[2]{};
  zeiten[0].tv_nsec = UTIME_OMIT;
  zeiten[1].tv_sec = static_cast<time_t>(stand->fZeitNs / 1000000000);
  zeiten[1].tv_nsec = static_cast<long>(stand->fZeitNs % 1000000000);
  ::utimensat(AT_FDCWD, ziel.c_str(), zeiten, 0);
}

void Kopiere(const std::string& quelle, const std::string& ziel, const TDateiSchreiber& schreiben) {
  schreiben(ziel, LiesGanzeDatei(quelle, kPlanDatei));
  ZeitUebernehmen(quelle, ziel);
}

}  // namespace

std::string SicherungsKopie(const std::string& plan, int nr) {
  return plan + "." + std::to_string(nr);
}

void SchreibeMitSicherungsKopien(const std::string& plan, const std::vector<uint8_t>& bytes,
                                 int anzahl, const TDateiSchreiber& schreiben) {
  for (int nr = anzahl; nr >= 1; --nr) {
    const std::string quelle = nr == 1 ? plan : SicherungsKopie(plan, nr - 1);
    if (Vorhanden(quelle)) Kopiere(quelle, SicherungsKopie(plan, nr), schreiben);
  }
  schreiben(plan, bytes);
}

}  // namespace orbato
