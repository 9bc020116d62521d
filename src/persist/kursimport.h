#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orbato {

class Dialoge;
class TSchule;

// How an import ended, so that the caller knows whether to name the document after the file.
enum class TImportErgebnis {
  Importiert,      // the courses were added
  FalschesFormat,  // refused after "Falsches Format"; the document is unchanged
  Abgelehnt,       // "Nein" to "Unbekannte Kürzel"; the document is unchanged
};

// The progress window "Importieren": reads a course exchange file into a document, adding to what
// it holds, in three passes over the file, each shown as the window's information line: the
// format check, the search for short names the document lacks (asking "Unbekannte Kürzel" when
// one is found) and the import proper. The bar runs over the file in KiloBytes.
class TImportForm {
 public:
  TImportForm(TSchule& schule, Dialoge& dialoge) : fSchule(schule), fDialoge(dialoge) {}

  // A file that cannot be read, or is larger than kMaxKursDateiBytes, raises TStreamFehler
  // ("Datei %s kann nicht geöffnet werden. %s", see LiesGanzeDatei) before anything is shown or
  // changed.
  TImportErgebnis ImportFromFile(const std::string& pfad);
  // The same from a file's bytes; `pfad` names the file in the window.
  TImportErgebnis ImportFromBytes(const std::vector<uint8_t>& bytes, const std::string& pfad);

 private:
  bool FormatOk(const std::vector<uint8_t>& bytes);
  bool KuerzelBekannt(const std::vector<uint8_t>& bytes);
  void Importiere(const std::vector<uint8_t>& bytes);
  // Sets the bar to the stream position in units of 1024 bytes.
  void ZeichneBalken(std::size_t position);

  TSchule& fSchule;
  Dialoge& fDialoge;
};

}  // namespace orbato
