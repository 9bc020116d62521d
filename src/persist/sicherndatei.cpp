#include "persist/sicherndatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "persist/puffer.h"

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

}  // namespace

void SchreibeDateiSicher(const std::string& pfad, const std::vector<uint8_t>& bytes) {
  const std::filesystem::path ziel(pfad);
  const std::filesystem::path ordner = ziel.has_parent_path() ? ziel.parent_path() : ".";
  std::string muster = (ordner / ("." + ziel.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(muster.data());
  if (fd < 0) {
    throw TStreamFehler("Datei \"" + pfad + "\" kann nicht erstellt werden. " +
                        std::strerror(errno));
  }
  TTempDatei temp(muster, fd);
  SchreibeAlles(temp.fFd, bytes);
  if (::fsync(temp.fFd) != 0) throw TStreamFehler("Stream-Schreibfehler");
  // A new file gets the permissions of an ordinary one, not mkstemp's private ones.
  const mode_t maske = ::umask(0);
  ::umask(maske);
  ::fchmod(temp.fFd, 0666 & ~maske);
  if (::close(temp.fFd) != 0) {
    temp.fFd = -1;
    throw TStreamFehler("Stream-Schreibfehler");
  }
  temp.fFd = -1;
  if (::rename(temp.fPfad.c_str(), pfad.c_str()) != 0) {
    throw TStreamFehler("Datei \"" + pfad + "\" kann nicht erstellt werden. " +
                        std::strerror(errno));
  }
  temp.fFertig = true;
  const int ordnerFd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY);
  if (ordnerFd >= 0) {
    const int ergebnis = ::fsync(ordnerFd);
    ::close(ordnerFd);
    if (ergebnis != 0) throw TStreamFehler("Stream-Schreibfehler");
  }
}

}  // namespace orbato
