#pragma once

// ORBATO_ASSERT(bedingung, aktion): a state that only a caller's bug can bring about. A debug
// build stops at once, so that the test that got there fails where the fault is; a release build
// names the place on stderr (once per place, so a loop does not flood the log) and runs `aktion`
// (`return`, `return false`, `continue`, ...) to go on as well as it can. A guard for what the
// program legitimately meets (no window, no selection, an optional element) stays a plain `if`.

namespace orbato {

// Writes "DATEI:ZEILE: Zusicherung verletzt: BEDINGUNG" to stderr and aborts.
[[noreturn]] void ZusicherungAbbrechen(const char* bedingung, const char* datei, int zeile);
// Writes the same line the first time the place fails; answers whether it wrote.
bool ZusicherungMelden(const char* bedingung, const char* datei, int zeile);

}  // namespace orbato

// The if-else form keeps `aktion` in the caller's loop, so `break` and `continue` mean the loop's.
#ifdef NDEBUG
#define ORBATO_ASSERT(bedingung, aktion)                         \
  if (bedingung) {                                               \
  } else {                                                       \
    ::orbato::ZusicherungMelden(#bedingung, __FILE__, __LINE__); \
    aktion;                                                      \
  }                                                              \
  do {                                                           \
  } while (false)
#else
#define ORBATO_ASSERT(bedingung, aktion)                            \
  if (bedingung) {                                                  \
  } else {                                                          \
    ::orbato::ZusicherungAbbrechen(#bedingung, __FILE__, __LINE__); \
    aktion;                                                         \
  }                                                                 \
  do {                                                              \
  } while (false)
#endif
