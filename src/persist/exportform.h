#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/schnittstellen/dialoge.h"
#include "persist/puffer.h"

namespace orbato {

// The progress window "Exportieren" every text export runs in: the file name as its text,
// "Kurse " and the number of lines or records to write as its information line, the bar moved to
// the lines written after every fifth. An export builds its whole text in `fBuffer`; the file is
// created anew, replacing an old one, only when the text is complete.
class TExportForm {
 public:
  // Without dialogs nothing is shown: the export only builds its bytes.
  explicit TExportForm(Dialoge* dialoge = nullptr) : fDialoge(dialoge) {}

  // Opens the window for `zeilen` lines; the lines are counted from 0.
  void Beginne(const std::string& pfad, int32_t zeilen);
  // Counts a line written.
  void ZeileGeschrieben();
  // Writes the text as the file, through a temporary file so that an old one survives a failure
  // (TStreamFehler "Datei "%s" kann nicht erstellt werden. %s", "Stream-Schreibfehler").
  void DateiSchreiben(const std::string& pfad);

  TBuffer fBuffer;
  int32_t fZeilen = 0;  // the bar's maximum
  int32_t fNr = 0;      // lines written
  int32_t fAnzahl = 0;  // 1-based position of the course or element being written

 private:
  Dialoge* fDialoge;
  std::optional<TFortschritt> fFortschritt;
};

// What an export writes into the form, line by line.
using TExportInhalt = std::function<void(TExportForm&)>;

// Runs one export into a file, the window expecting `zeilen` lines.
void Exportiere(Dialoge& dialoge, const std::string& pfad, int32_t zeilen,
                const TExportInhalt& inhalt);
// The bytes an export writes, without a window.
std::vector<uint8_t> ExportBytes(const TExportInhalt& inhalt);

}  // namespace orbato
