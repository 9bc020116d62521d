#include "model/basis/datumformat.h"

#include <array>
#include <cstdio>

namespace orbato {

namespace {

constexpr std::array<const char*, 7> kTagKurz = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
constexpr std::array<const char*, 7> kTagLang = {"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                                 "Freitag", "Samstag",  "Sonntag"};
constexpr std::array<const char*, 12> kMonatKurz = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                                                    "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
constexpr std::array<const char*, 12> kMonatLang = {"Januar",    "Februar", "M\xE4rz",  "April",
                                                    "Mai",       "Juni",    "Juli",     "August",
                                                    "September", "Oktober", "November", "Dezember"};

std::string Zahl(int n, int stellen) {
  char puffer[16];
  std::snprintf(puffer, sizeof puffer, "%0*d", stellen, n);
  return puffer;
}

// How many times the character at i repeats.
size_t Lauf(std::string_view f, size_t i) {
  size_t n = 1;
  while (i + n < f.size() && (f[i + n] | 0x20) == (f[i] | 0x20)) ++n;
  return n;
}

}  // namespace

std::string FormatDatum(std::string_view f, TDatumZeit d) {
  const TKalenderDatum datum = DekodiereDatum(d);
  const TUhrzeit zeit = DekodiereZeit(d);
  const int tag = Wochentag(d) - 1;
  std::string aus;
  bool nachStunde = false;
  for (size_t i = 0; i < f.size();) {
    const char c = f[i];
    if (c == '"' || c == '\'') {
      const size_t ende = f.find(c, i + 1);
      const size_t bis = ende == std::string_view::npos ? f.size() : ende;
      aus.append(f.substr(i + 1, bis - i - 1));
      i = bis + 1;
      continue;
    }
    const size_t n = Lauf(f, i);
    switch (c | 0x20) {
      case 'd':
        aus += n == 1   ? Zahl(datum.Tag, 1)
               : n == 2 ? Zahl(datum.Tag, 2)
               : n == 3 ? kTagKurz[tag]
                        : kTagLang[tag];
        break;
      case 'm':
        if (nachStunde && n <= 2) {
          aus += Zahl(zeit.Minute, static_cast<int>(n));
        } else {
          aus += n <= 2   ? Zahl(datum.Monat, static_cast<int>(n))
                 : n == 3 ? kMonatKurz[datum.Monat - 1]
                          : kMonatLang[datum.Monat - 1];
        }
        break;
      case 'y':
        aus += n <= 2 ? Zahl(datum.Jahr % 100, 2) : Zahl(datum.Jahr, 4);
        break;
      case 'h':
        aus += Zahl(zeit.Stunde, n >= 2 ? 2 : 1);
        break;
      case 'n':
        aus += Zahl(zeit.Minute, n >= 2 ? 2 : 1);
        break;
      case 's':
        aus += Zahl(zeit.Sekunde, n >= 2 ? 2 : 1);
        break;
      default:
        aus.append(f.substr(i, n));
        break;
    }
    if ((c | 0x20) == 'h')
      nachStunde = true;
    else if ((c | 0x20) != ':' && c != ' ' && (c | 0x20) != 'm')
      nachStunde = false;
    i += n;
  }
  return aus;
}

std::string DatumZeitText(TDatumZeit d) {
  const TUhrzeit zeit = DekodiereZeit(d);
  if (zeit.Stunde == 0 && zeit.Minute == 0 && zeit.Sekunde == 0)
    return FormatDatum("dd.mm.yyyy", d);
  return FormatDatum("dd.mm.yyyy hh:nn:ss", d);
}

}  // namespace orbato
