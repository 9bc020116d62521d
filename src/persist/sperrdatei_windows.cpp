#include <windows.h>

#include <cstdint>

#include "persist/breitertext.h"
#include "persist/sperrdatei.h"

namespace orbato {

TSperre EigeneSperre() {
  TSperre ich;
  wchar_t benutzer[257] = {};
  DWORD laenge = 257;
  if (GetUserNameW(benutzer, &laenge)) ich.fBenutzer = Utf8AusBreit(benutzer);
  wchar_t rechner[MAX_COMPUTERNAME_LENGTH + 1] = {};
  laenge = MAX_COMPUTERNAME_LENGTH + 1;
  if (GetComputerNameW(rechner, &laenge)) ich.fRechner = Utf8AusBreit(rechner);
  ich.fPid = GetCurrentProcessId();
  return ich;
}

bool ProzessLebt(int64_t pid) {
  if (pid <= 0 || pid > UINT32_MAX) return true;
  const HANDLE prozess =
      OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
  // No such process is the only answer that says it is gone; a denied look says it runs.
  if (!prozess) return GetLastError() != ERROR_INVALID_PARAMETER;
  DWORD ende = 0;
  const bool laeuft = !GetExitCodeProcess(prozess, &ende) || ende == STILL_ACTIVE;
  CloseHandle(prozess);
  return laeuft;
}

}  // namespace orbato
