#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>

#include "persist/sperrdatei.h"

namespace orbato {

TSperre EigeneSperre() {
  TSperre ich;
  if (const struct passwd* benutzer = ::getpwuid(::getuid())) ich.fBenutzer = benutzer->pw_name;
  char rechner[256] = {};
  if (::gethostname(rechner, sizeof rechner - 1) == 0) ich.fRechner = rechner;
  ich.fPid = ::getpid();
  return ich;
}

bool ProzessLebt(int64_t pid) {
  if (pid <= 0 || pid > INT32_MAX) return true;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

}  // namespace orbato
