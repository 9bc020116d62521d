#include "persist/dateilesen.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include "model/basis/zeichensatz.h"
#include "persist/streamfehler.h"
#include "persist/systemgrund.h"

namespace orbato {
namespace {

// The path as the message shows it: file names arrive in UTF-8, messages are Windows-1252.
std::string Datei(const std::string& pfad) {
  return "Datei " + Cp1252AusUtf8(pfad);
}

TStreamFehler NichtGeoeffnet(const std::string& pfad, const std::string& grund) {
  return TStreamFehler(Datei(pfad) +
                       " kann nicht ge\xF6"
                       "ffnet werden. " +
                       grund);
}

// Refuses everything but an ordinary file: a folder cannot be read as a file, and a FIFO or a
// device may block the reader or never end.
void PruefeArt(const std::string& pfad, const struct stat& info) {
  if (S_ISDIR(info.st_mode)) throw NichtGeoeffnet(pfad, "Der Pfad bezeichnet einen Ordner.");
  if (!S_ISREG(info.st_mode)) {
    throw NichtGeoeffnet(pfad, "Der Pfad bezeichnet keine gew\xF6hnliche Datei.");
  }
}

// 27053682788 as "27.053.682.788".
std::string MitPunkten(std::uintmax_t zahl) {
  std::string ziffern = std::to_string(zahl);
  for (auto stelle = static_cast<std::ptrdiff_t>(ziffern.size()) - 3; stelle > 0; stelle -= 3) {
    ziffern.insert(static_cast<std::size_t>(stelle), 1, '.');
  }
  return ziffern;
}

void PruefeGroesse(const std::string& pfad, std::uintmax_t groesse, const TDateiArt& art) {
  if (groesse <= art.fHoechstens) return;
  throw TStreamFehler(Datei(pfad) + " ist zu gro\xDF f\xFCr " + art.fName +
                      " (h\xF6"
                      "chstens " +
                      MitPunkten(art.fHoechstens) + " Bytes).");
}

class TDeskriptor {
 public:
  explicit TDeskriptor(int fd) : fFd(fd) {}
  ~TDeskriptor() { ::close(fFd); }
  TDeskriptor(const TDeskriptor&) = delete;
  TDeskriptor& operator=(const TDeskriptor&) = delete;
  const int fFd;
};

// Reads to the end. The size stat gave is only where to start: a file may grow while it is read,
// and some (under /proc) say 0 and still have content, so the bound is checked on what arrives.
std::vector<uint8_t> LiesBisZumEnde(const std::string& pfad, int fd, std::uintmax_t groesse,
                                    const TDateiArt& art) {
  std::vector<uint8_t> bytes(static_cast<std::size_t>(groesse) + 1);
  std::size_t gelesen = 0;
  while (true) {
    if (gelesen == bytes.size()) {
      PruefeGroesse(pfad, gelesen, art);
      bytes.resize(std::min<std::uintmax_t>(bytes.size() * std::uintmax_t{2}, art.fHoechstens + 1));
    }
    const ssize_t n = ::read(fd, bytes.data() + gelesen, bytes.size() - gelesen);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw TStreamFehler("Stream-Lesefehler");
    if (n == 0) break;
    gelesen += static_cast<std::size_t>(n);
  }
  PruefeGroesse(pfad, gelesen, art);
  bytes.resize(gelesen);
  return bytes;
}

}  // namespace

std::vector<uint8_t> LiesGanzeDatei(const std::string& pfad, const TDateiArt& art) {
  // The path is looked at before it is opened: opening a FIFO waits for a writer, and opening a
  // device can do things of its own.
  struct stat info {};
  if (::stat(pfad.c_str(), &info) != 0) throw NichtGeoeffnet(pfad, SystemGrund(errno));
  PruefeArt(pfad, info);
  PruefeGroesse(pfad, static_cast<std::uintmax_t>(info.st_size), art);
  // Without waiting, in case the path has become a FIFO since; what was opened is looked at
  // again.
  const int fd = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) throw NichtGeoeffnet(pfad, SystemGrund(errno));
  const TDeskriptor datei(fd);
  if (::fstat(fd, &info) != 0) throw NichtGeoeffnet(pfad, SystemGrund(errno));
  PruefeArt(pfad, info);
  PruefeGroesse(pfad, static_cast<std::uintmax_t>(info.st_size), art);
  try {
    return LiesBisZumEnde(pfad, fd, static_cast<std::uintmax_t>(info.st_size), art);
  } catch (const std::bad_alloc&) {
    throw NichtGeoeffnet(pfad, "Nicht gen\xFCgend Arbeitsspeicher.");
  }
}

}  // namespace orbato
