#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace orbato {

// The few file operations the program needs, once for POSIX (dateisystem_posix.cpp) and once for
// Windows (dateisystem_windows.cpp); the build takes the one of the target system. Paths are UTF-8
// on both. A failure is told by an errno number (Windows errors are mapped onto them), so that
// SystemGrund words it the same way everywhere.

enum class TPfadArt { Fehlt, Datei, Ordner, Anderes };

// What a path names, its link followed. `Anderes` is a FIFO, a device or a socket: nothing the
// program opens. `fFehler` is set when the art is `Fehlt`.
struct TPfadStand {
  TPfadArt fArt = TPfadArt::Fehlt;
  std::uintmax_t fGroesse = 0;
  int64_t fZeitNs = 0;  // last change, nanoseconds since 1970
  int fFehler = 0;
};

TPfadStand PfadStand(const std::string& pfad);
// Whether anything is at the path, a link to nowhere included.
bool PfadBelegt(const std::string& pfad);
// The file a write to `pfad` changes: a link is followed, so that the link stays a link.
std::string ZielDerSchreibung(const std::string& pfad);
// A path of std::filesystem from UTF-8 and back; on Windows a narrow path would be read in the
// ANSI code page.
std::filesystem::path DateiPfad(const std::string& utf8);
std::string Utf8Pfad(const std::filesystem::path& pfad);

// An open file, closed when it goes.
class TDatei {
 public:
  enum class TZweck {
    Lesen,           // never waits on a FIFO
    Ueberschreiben,  // created when missing, emptied when there
    NurNeu,          // created; fails with EEXIST when something is there
  };

  // Not open (`Offen()` false) on failure; `fehler` then holds the reason.
  static TDatei Oeffne(const std::string& pfad, TZweck zweck, int& fehler);
  // A new empty file with a name of its own in the folder of `ziel`, for replacing `ziel`.
  static TDatei NeuNeben(const std::string& ziel, int& fehler);

  TDatei(TDatei&& andere) noexcept;
  TDatei& operator=(TDatei&&) = delete;
  TDatei(const TDatei&) = delete;
  TDatei& operator=(const TDatei&) = delete;
  ~TDatei();

  bool Offen() const { return fGriff != kKeinGriff; }
  const std::string& Pfad() const { return fPfad; }
  // The open file itself: a path may have changed since it was looked at.
  TPfadStand Stand() const;
  // Bytes read, 0 at the end, -1 on failure.
  std::ptrdiff_t Lies(uint8_t* ziel, std::size_t anzahl);
  bool SchreibeAlles(const std::vector<uint8_t>& bytes);
  // Waits until the content is on the disk.
  bool AufPlatte();
  // Gives the file the permissions and, where allowed, the owner of the file at `vorbild`, or those
  // of a newly made ordinary file when nothing is there. On Windows the replacement keeps them.
  void RechteVon(const std::string& vorbild);
  bool Schliesse();

 private:
  static constexpr intptr_t kKeinGriff = -1;
  TDatei(intptr_t griff, std::string pfad) : fGriff(griff), fPfad(std::move(pfad)) {}
  intptr_t fGriff = kKeinGriff;
  std::string fPfad;
};

// Puts the file `neu` in the place of `ziel` in one step, replacing what is there. False with
// `fehler` set when it failed; `neu` is then still there.
bool ErsetzeDatei(const std::string& neu, const std::string& ziel, int& fehler);
// Makes the folder entry of `datei` durable after ErsetzeDatei (Windows writes it through at once).
bool EintragAufPlatte(const std::string& datei);
void EntferneDatei(const std::string& pfad);
// Sets the time of last change; false when the file cannot take it.
bool SetzeAenderungszeit(const std::string& pfad, int64_t zeitNs);

}  // namespace orbato
