#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "persist/puffer.h"

namespace orbato {

// A name, label or school name as it may stand in a page: the umlauts, "ß", "<" and ">" become
// entities; "&" and quotation marks stay as they are, so a name may carry its own entities.
// Windows-1252 in and out.
std::string HTMLText(std::string_view cp1252);

// One page being written: every text one byte per character in file code, every line closed by
// a single carriage return and no line feed.
class THTMLSeite {
 public:
  // The text and its line end.
  void Zeile(std::string_view cp1252);
  // The text without a line end, for a line that goes on.
  void Teil(std::string_view cp1252);
  // A line end alone.
  void Zeilenende();

  const std::vector<uint8_t>& Bytes() const { return fBytes; }

 private:
  std::vector<uint8_t> fBytes;
};

// Writes a finished page, replacing a file of that name (through a temporary file, so an old page
// survives a failed write).
void SchreibeSeite(const std::string& pfad, const THTMLSeite& seite);
// Writes a page into a folder the export has just made, where no older page can be lost: straight
// into the file, without the temporary file and the flushes of SchreibeSeite, which would cost
// more than building the pages. TStreamFehler ("Datei "%s" kann nicht erstellt werden. %s",
// "Stream-Schreibfehler") on failure.
void SchreibeNeueSeite(const std::string& pfad, const THTMLSeite& seite);

// Writes the bytes into a file of that name unless there is one already, which is left as it is:
// false then. TStreamFehler as SchreibeNeueSeite when it cannot be written.
bool SchreibeFallsNeu(const std::string& pfad, const std::vector<uint8_t>& bytes);

// Creates the export folder. False when it exists already or cannot be made: the exports then
// write nothing.
bool ErstelleOrdner(const std::string& pfad);

}  // namespace orbato
