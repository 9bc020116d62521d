#include "persist/sicherndatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

#include "model/basis/zeichensatz.h"
#include "persist/puffer.h"
#include "persist/systemgrund.h"

namespace orbato {
namespace {

// Closes the descriptor and removes the temporary file unless the save went through.
class TTempDatei {
 public:
  TTempDatei(std::string pfad, int fd) : fFd(fd), fPfad(std::move(pfad)) {}
  ~TTempDatei() {
    if (fFd >= 0) ::close(fFd);
    if (!fFertig) ::unlink(fPfad.c_str());
  }
  TTempDatei(const TTempDatei&) = delete;
  TTempDatei& operator=(const TTempDatei&) = delete;

  int fFd;
  bool fFertig = false;
  const std::string fPfad;
};

void SchreibeAlles(int fd, const std::vector<uint8_t>& bytes) {
  std::size_t geschrieben = 0;
  while (geschrieben < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + geschrieben, bytes.size() - geschrieben);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw TStreamFehler("Stream-Schreibfehler");
    geschrieben += static_cast<std::size_t>(n);
  }
}

TStreamFehler NichtErstellt(const std::string& pfad, const std::string& grund) {
  return TStreamFehler("Datei \"" + Cp1252AusUtf8(pfad) + "\" kann nicht erstellt werden. " +
                       grund);
}

// The file a save replaces. A link is followed, so that the linked file gets the new content and
// the link stays a link. A folder, a device or a FIFO is refused: renaming over it would put an
// ordinary file in its place (over /dev/null, say). `alt` holds what the old file was, if any.
std::string ZielDatei(const std::string& pfad, std::optional<struct stat>& alt) {
  std::error_code fehler;
  const std::filesystem::path echt = std::filesystem::weakly_canonical(pfad, fehler);
  const std::string ziel = fehler ? pfad : echt.string();
  struct stat info {};
  if (::stat(ziel.c_str(), &info) != 0) {
    if (errno != ENOENT) throw NichtErstellt(pfad, SystemGrund(errno));
    return ziel;
  }
  if (S_ISDIR(info.st_mode)) throw NichtErstellt(pfad, "Der Pfad bezeichnet einen Ordner.");
  if (!S_ISREG(info.st_mode))
    throw NichtErstellt(pfad, "Der Pfad bezeichnet keine gew\xF6hnliche Datei.");
  alt = info;
  return ziel;
}

// The new file gets the old one's permissions and, where allowed, its owner, so that a plan file
// kept private stays private; a new one gets those of an ordinary file, not mkstemp's private ones.
void RechteUebernehmen(int fd, const std::optional<struct stat>& alt) {
  if (alt) {
    ::fchmod(fd, alt->st_mode & 07777);
    if (::fchown(fd, alt->st_uid, alt->st_gid) != 0) {
      // Only the owner's own group may be kept by an ordinary user; the rights above still hold.
    }
    return;
  }
  const mode_t maske = ::umask(0);
  ::umask(maske);
  ::fchmod(fd, 0666 & ~maske);
}

}  // namespace

void SchreibeDateiSicher(const std::string& pfad, const std::vector<uint8_t>& bytes) {
  std::optional<struct stat> alt;
  const std::filesystem::path ziel(ZielDatei(pfad, alt));
  const std::filesystem::path ordner = ziel.has_parent_path() ? ziel.parent_path() : ".";
  std::string muster = (ordner / ("." + ziel.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(muster.data());
  if (fd < 0) throw NichtErstellt(pfad, SystemGrund(errno));
  TTempDatei temp(muster, fd);
  SchreibeAlles(temp.fFd, bytes);
  if (::fsync(temp.fFd) != 0) throw TStreamFehler("Stream-Schreibfehler");
  RechteUebernehmen(temp.fFd, alt);
  if (::close(temp.fFd) != 0) {
    temp.fFd = -1;
    throw TStreamFehler("Stream-Schreibfehler");
  }
  temp.fFd = -1;
  if (::rename(temp.fPfad.c_str(), ziel.c_str()) != 0)
    throw NichtErstellt(pfad, SystemGrund(errno));
  temp.fFertig = true;
  const int ordnerFd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY);
  if (ordnerFd >= 0) {
    const int ergebnis = ::fsync(ordnerFd);
    ::close(ordnerFd);
    if (ergebnis != 0) throw TStreamFehler("Stream-Schreibfehler");
  }
}

}  // namespace orbato
