#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "persist/dateisystem.h"

namespace orbato {
namespace {

int Fd(intptr_t griff) {
  return static_cast<int>(griff);
}

TPfadStand StandAus(const struct stat& info) {
  TPfadStand stand;
  stand.fArt = S_ISREG(info.st_mode)   ? TPfadArt::Datei
               : S_ISDIR(info.st_mode) ? TPfadArt::Ordner
                                       : TPfadArt::Anderes;
  stand.fGroesse = static_cast<std::uintmax_t>(info.st_size);
  stand.fZeitNs = static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
  return stand;
}

TPfadStand Fehlend(int fehler) {
  TPfadStand stand;
  stand.fFehler = fehler;
  return stand;
}

}  // namespace

TPfadStand PfadStand(const std::string& pfad) {
  struct stat info {};
  if (::stat(pfad.c_str(), &info) != 0) return Fehlend(errno);
  return StandAus(info);
}

bool PfadBelegt(const std::string& pfad) {
  struct stat info {};
  return ::lstat(pfad.c_str(), &info) == 0;
}

std::string ZielDerSchreibung(const std::string& pfad) {
  std::error_code fehler;
  const std::filesystem::path echt = std::filesystem::weakly_canonical(pfad, fehler);
  return fehler ? pfad : echt.string();
}

std::filesystem::path DateiPfad(const std::string& utf8) {
  return utf8;
}

std::string Utf8Pfad(const std::filesystem::path& pfad) {
  return pfad.string();
}

TDatei TDatei::Oeffne(const std::string& pfad, TZweck zweck, int& fehler) {
  int art = O_RDONLY | O_NONBLOCK;
  if (zweck == TZweck::Ueberschreiben) art = O_WRONLY | O_CREAT | O_TRUNC;
  if (zweck == TZweck::NurNeu) art = O_WRONLY | O_CREAT | O_EXCL;
  const int fd = ::open(pfad.c_str(), art | O_CLOEXEC, 0666);
  if (fd < 0) fehler = errno;
  return TDatei(fd, pfad);
}

TDatei TDatei::NeuNeben(const std::string& ziel, int& fehler) {
  const std::filesystem::path pfad(ziel);
  const std::filesystem::path ordner = pfad.has_parent_path() ? pfad.parent_path() : ".";
  std::string muster = (ordner / ("." + pfad.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(muster.data());
  if (fd < 0) fehler = errno;
  return TDatei(fd, muster);
}

TDatei::TDatei(TDatei&& andere) noexcept
    : fGriff(std::exchange(andere.fGriff, kKeinGriff)), fPfad(std::move(andere.fPfad)) {}

TDatei::~TDatei() {
  if (Offen()) ::close(Fd(fGriff));
}

TPfadStand TDatei::Stand() const {
  struct stat info {};
  if (::fstat(Fd(fGriff), &info) != 0) return Fehlend(errno);
  return StandAus(info);
}

std::ptrdiff_t TDatei::Lies(uint8_t* ziel, std::size_t anzahl) {
  while (true) {
    const ssize_t n = ::read(Fd(fGriff), ziel, anzahl);
    if (n < 0 && errno == EINTR) continue;
    return n;
  }
}

bool TDatei::SchreibeAlles(const std::vector<uint8_t>& bytes) {
  std::size_t geschrieben = 0;
  while (geschrieben < bytes.size()) {
    const ssize_t n = ::write(Fd(fGriff), bytes.data() + geschrieben, bytes.size() - geschrieben);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    geschrieben += static_cast<std::size_t>(n);
  }
  return true;
}

bool TDatei::AufPlatte() {
  return ::fsync(Fd(fGriff)) == 0;
}

// A plan file kept private stays private; a new one gets the rights of an ordinary file, not
// mkstemp's private ones.
void TDatei::RechteVon(const std::string& vorbild) {
  struct stat alt {};
  if (::stat(vorbild.c_str(), &alt) == 0) {
    ::fchmod(Fd(fGriff), alt.st_mode & 07777);
    if (::fchown(Fd(fGriff), alt.st_uid, alt.st_gid) != 0) {
      // Only the owner's own group may be kept by an ordinary user; the rights above still hold.
    }
    return;
  }
  const mode_t maske = ::umask(0);
  ::umask(maske);
  ::fchmod(Fd(fGriff), 0666 & ~maske);
}

bool TDatei::Schliesse() {
  const int fd = Fd(std::exchange(fGriff, kKeinGriff));
  return ::close(fd) == 0;
}

bool ErsetzeDatei(const std::string& neu, const std::string& ziel, int& fehler) {
  if (::rename(neu.c_str(), ziel.c_str()) != 0) {
    fehler = errno;
    return false;
  }
  return true;
}

// The folder entry of a rename is on the disk only once the folder is flushed too.
bool EintragAufPlatte(const std::string& datei) {
  const std::filesystem::path pfad(datei);
  const std::filesystem::path ordner = pfad.has_parent_path() ? pfad.parent_path() : ".";
  const int fd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return true;
  const int ergebnis = ::fsync(fd);
  ::close(fd);
  return ergebnis == 0;
}

void EntferneDatei(const std::string& pfad) {
  ::unlink(pfad.c_str());
}

bool SetzeAenderungszeit(const std::string& pfad, int64_t zeitNs) {
  struct timespec zeiten[2]{};
  zeiten[0].tv_nsec = UTIME_OMIT;
  zeiten[1].tv_sec = static_cast<time_t>(zeitNs / 1000000000);
  zeiten[1].tv_nsec = static_cast<long>(zeitNs % 1000000000);
  return ::utimensat(AT_FDCWD, pfad.c_str(), zeiten, 0) == 0;
}

}  // namespace orbato
