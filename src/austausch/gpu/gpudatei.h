#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orbato {

// The Untis interchange text files GPU001.TXT … GPU014.TXT: one record a line, no header, fields
// split by a separator, texts in double quotes, lists inside a field split by "~".
inline constexpr char kGpuListe = '~';

enum class TGpuKodierung { Erkennen, Cp1252, Utf8 };

// How a file is to be read; a separator of 0 is taken from the file.
struct TGpuLesart {
  char trenner = 0;
  TGpuKodierung kodierung = TGpuKodierung::Erkennen;
};

// One record: its line number in the file and its fields in memory code (Windows-1252), each
// without the quotes and blanks around it.
struct TGpuSatz {
  int zeile = 0;
  std::vector<std::string> felder;
  // Field n, 1-based as Untis counts; a field the line does not reach is empty, since Untis has
  // added fields at the end over the years.
  const std::string& Feld(std::size_t n) const;
};

struct TGpuTabelle {
  std::vector<TGpuSatz> saetze;
  char trenner = ',';
  bool utf8 = false;
  // Characters a UTF-8 file held that Windows-1252 cannot, each now a "?".
  int ersetzt = 0;
};

// Reads a whole file. A BOM means UTF-8, so do bytes that decode as UTF-8; everything else is
// Windows-1252. The separator, unless given, is the one of comma, semicolon and TAB found most
// often outside quotes in the first line that has any. CR LF, LF and CR all end a line; lines
// without any text are skipped. Never fails: a broken quote ends at the line's end.
TGpuTabelle LiesGpuTabelle(const std::vector<uint8_t>& bytes, const TGpuLesart& lesart = {});

// The items of a "~" list, each without blanks around it; empty items are dropped.
std::vector<std::string> GpuListe(std::string_view feld);

// The leading whole number of a field ("2", "25.500" gives 25); none when it has no digits first.
bool GpuZahl(std::string_view feld, int64_t& zahl);

// Thousandths as Untis writes decimals: 25500 as "25.500".
std::string GpuDezimal(int64_t tausendstel);

// How files are written: separator, and UTF-8 (without BOM) instead of Windows-1252.
struct TGpuSchreibart {
  char trenner = ',';
  bool utf8 = false;
};

// Builds one file line by line. Texts are quoted; a quote inside a text becomes an apostrophe,
// since no reader of these files agrees on an escape. Lines end with CR LF, as Untis writes them.
class TGpuSchreiber {
 public:
  explicit TGpuSchreiber(const TGpuSchreibart& art) : fArt(art) {}

  // A line of `felder` fields, all empty until set; `trennerAmEnde` adds the separator after the
  // last field that Untis writes in most files.
  void NeueZeile(std::size_t felder, bool trennerAmEnde);
  void Text(std::size_t feld, std::string_view text);
  void Zahl(std::size_t feld, int64_t zahl);
  // A value written as it is, without quotes: decimals and time stamps.
  void Roh(std::size_t feld, std::string_view wert);
  // Writes the pending line.
  void ZeileFertig();
  const std::vector<uint8_t>& Bytes() const { return fBytes; }

 private:
  TGpuSchreibart fArt;
  std::vector<std::string> fFelder;
  bool fTrennerAmEnde = false;
  std::vector<uint8_t> fBytes;
};

}  // namespace orbato
