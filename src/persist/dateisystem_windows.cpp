#include <windows.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>

#include "persist/breitertext.h"
#include "persist/dateisystem.h"

namespace orbato {
namespace {

HANDLE Griff(intptr_t griff) {
  return reinterpret_cast<HANDLE>(griff);
}

intptr_t Zahl(HANDLE griff) {
  return reinterpret_cast<intptr_t>(griff);
}

// The reasons SystemGrund words, from the errors of Windows.
int Errno(DWORD fehler) {
  switch (fehler) {
    case ERROR_FILE_NOT_FOUND:
      return ENOENT;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
    case ERROR_DIRECTORY:
      return ENOTDIR;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_WRITE_PROTECT:
      return EROFS;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    default:
      return EIO;
  }
}

int LetzterFehler() {
  return Errno(GetLastError());
}

// "NUL", "con.txt", "COM1" name devices in every folder, "\\.\" the device space itself. Opening
// one would read or write the device, so the program leaves them alone as a FIFO on POSIX.
bool IstGeraet(const std::string& pfad) {
  if (pfad.rfind("\\\\.\\", 0) == 0 || pfad.rfind("//./", 0) == 0) return true;
  const std::size_t anfang =
      pfad.find_last_of("/\\:") == std::string::npos ? 0 : pfad.find_last_of("/\\:") + 1;
  std::string name = pfad.substr(anfang, pfad.find('.', anfang) - anfang);
  while (!name.empty() && (name.back() == ' ')) name.pop_back();
  std::transform(name.begin(), name.end(), name.begin(), [](char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  });
  static constexpr std::array<const char*, 6> kNamen{"CON", "PRN",    "AUX",
                                                     "NUL", "CONIN$", "CONOUT$"};
  for (const char* geraet : kNamen) {
    if (name == geraet) return true;
  }
  return name.size() == 4 && (name.rfind("COM", 0) == 0 || name.rfind("LPT", 0) == 0) &&
         name[3] >= '1' && name[3] <= '9';
}

int64_t Nanosekunden(const FILETIME& zeit) {
  // FILETIME counts 100 ns since 1601; 11644473600 s lie between 1601 and 1970.
  const int64_t zehntel =
      static_cast<int64_t>((static_cast<uint64_t>(zeit.dwHighDateTime) << 32) | zeit.dwLowDateTime);
  return (zehntel - 116444736000000000) * 100;
}

TPfadStand Fehlend(int fehler) {
  TPfadStand stand;
  stand.fFehler = fehler;
  return stand;
}

TPfadStand StandVon(HANDLE griff) {
  if (GetFileType(griff) != FILE_TYPE_DISK) {
    TPfadStand stand;
    stand.fArt = TPfadArt::Anderes;
    return stand;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(griff, &info)) return Fehlend(LetzterFehler());
  TPfadStand stand;
  stand.fArt =
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? TPfadArt::Ordner : TPfadArt::Datei;
  stand.fGroesse = (static_cast<std::uintmax_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  stand.fZeitNs = Nanosekunden(info.ftLastWriteTime);
  return stand;
}

constexpr DWORD kAlleTeilen = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

}  // namespace

TPfadStand PfadStand(const std::string& pfad) {
  if (IstGeraet(pfad)) {
    TPfadStand stand;
    stand.fArt = TPfadArt::Anderes;
    return stand;
  }
  // Opened without any access only to be looked at; a folder needs the backup flag, and a link is
  // followed to what it names.
  const HANDLE griff = CreateFileW(BreitAusUtf8(pfad).c_str(), 0, kAlleTeilen, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (griff == INVALID_HANDLE_VALUE) return Fehlend(LetzterFehler());
  const TPfadStand stand = StandVon(griff);
  CloseHandle(griff);
  return stand;
}

bool PfadBelegt(const std::string& pfad) {
  return GetFileAttributesW(BreitAusUtf8(pfad).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ZielDerSchreibung(const std::string& pfad) {
  // ReplaceFileW replaces a link by the new file; links are rare enough on Windows desks that the
  // plan file is taken as the path names it.
  return pfad;
}

std::filesystem::path DateiPfad(const std::string& utf8) {
  return std::filesystem::path(BreitAusUtf8(utf8));
}

std::string Utf8Pfad(const std::filesystem::path& pfad) {
  return Utf8AusBreit(pfad.wstring());
}

TDatei TDatei::Oeffne(const std::string& pfad, TZweck zweck, int& fehler) {
  if (IstGeraet(pfad)) {
    fehler = EACCES;
    return TDatei(kKeinGriff, pfad);
  }
  DWORD zugriff = GENERIC_READ;
  DWORD art = OPEN_EXISTING;
  if (zweck == TZweck::Ueberschreiben) {
    zugriff = GENERIC_WRITE;
    art = CREATE_ALWAYS;
  } else if (zweck == TZweck::NurNeu) {
    zugriff = GENERIC_WRITE;
    art = CREATE_NEW;
  }
  const HANDLE griff = CreateFileW(BreitAusUtf8(pfad).c_str(), zugriff, kAlleTeilen, nullptr, art,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
  if (griff == INVALID_HANDLE_VALUE) fehler = LetzterFehler();
  return TDatei(Zahl(griff), pfad);
}

TDatei TDatei::NeuNeben(const std::string& ziel, int& fehler) {
  const std::filesystem::path pfad = DateiPfad(ziel);
  const std::filesystem::path ordner = pfad.has_parent_path() ? pfad.parent_path() : ".";
  const std::string anfang = Utf8Pfad(ordner / DateiPfad("." + Utf8Pfad(pfad.filename()) + "."));
  static unsigned zaehler = 0;
  for (int versuch = 0; versuch < 100; ++versuch) {
    const unsigned zahl =
        (GetCurrentProcessId() * 7919u + static_cast<unsigned>(GetTickCount64()) + ++zaehler) %
        1000000u;
    const std::string name = anfang + std::to_string(zahl);
    TDatei datei = Oeffne(name, TZweck::NurNeu, fehler);
    if (datei.Offen() || fehler != EEXIST) return datei;
  }
  return TDatei(kKeinGriff, anfang);
}

TDatei::TDatei(TDatei&& andere) noexcept
    : fGriff(std::exchange(andere.fGriff, kKeinGriff)), fPfad(std::move(andere.fPfad)) {}

TDatei::~TDatei() {
  if (Offen()) CloseHandle(Griff(fGriff));
}

TPfadStand TDatei::Stand() const {
  return StandVon(Griff(fGriff));
}

std::ptrdiff_t TDatei::Lies(uint8_t* ziel, std::size_t anzahl) {
  DWORD gelesen = 0;
  const DWORD hoechstens = static_cast<DWORD>(std::min<std::size_t>(anzahl, 1u << 30));
  if (!ReadFile(Griff(fGriff), ziel, hoechstens, &gelesen, nullptr)) return -1;
  return static_cast<std::ptrdiff_t>(gelesen);
}

bool TDatei::SchreibeAlles(const std::vector<uint8_t>& bytes) {
  std::size_t geschrieben = 0;
  while (geschrieben < bytes.size()) {
    const DWORD stueck =
        static_cast<DWORD>(std::min<std::size_t>(bytes.size() - geschrieben, 1u << 30));
    DWORD n = 0;
    if (!WriteFile(Griff(fGriff), bytes.data() + geschrieben, stueck, &n, nullptr) || n == 0) {
      return false;
    }
    geschrieben += n;
  }
  return true;
}

bool TDatei::AufPlatte() {
  return FlushFileBuffers(Griff(fGriff)) != 0;
}

void TDatei::RechteVon(const std::string&) {
  // ReplaceFileW gives the new file the old one's attributes and access list; a new file takes
  // those of its folder.
}

bool TDatei::Schliesse() {
  return CloseHandle(Griff(std::exchange(fGriff, kKeinGriff))) != 0;
}

bool ErsetzeDatei(const std::string& neu, const std::string& ziel, int& fehler) {
  const std::wstring von = BreitAusUtf8(neu);
  const std::wstring nach = BreitAusUtf8(ziel);
  if (PfadBelegt(ziel) && ReplaceFileW(nach.c_str(), von.c_str(), nullptr,
                                       REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
    return true;
  }
  // A new file, or one ReplaceFileW cannot take (another volume's link, say): the move replaces
  // in one step as well and returns only once it is on the disk.
  if (MoveFileExW(von.c_str(), nach.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  fehler = LetzterFehler();
  return false;
}

bool EintragAufPlatte(const std::string&) {
  return true;
}

void EntferneDatei(const std::string& pfad) {
  DeleteFileW(BreitAusUtf8(pfad).c_str());
}

bool SetzeAenderungszeit(const std::string& pfad, int64_t zeitNs) {
  const HANDLE griff = CreateFileW(BreitAusUtf8(pfad).c_str(), FILE_WRITE_ATTRIBUTES, kAlleTeilen,
                                   nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (griff == INVALID_HANDLE_VALUE) return false;
  const uint64_t zehntel = static_cast<uint64_t>(zeitNs / 100 + 116444736000000000);
  FILETIME zeit{static_cast<DWORD>(zehntel), static_cast<DWORD>(zehntel >> 32)};
  const bool gesetzt = SetFileTime(griff, nullptr, nullptr, &zeit) != 0;
  CloseHandle(griff);
  return gesetzt;
}

}  // namespace orbato
