#include "persist/exportform.h"

#include "persist/planschreiber.h"
#include "persist/sicherndatei.h"

namespace orbato {
namespace {

constexpr int32_t kBalkenTakt = 5;

}  // namespace

void TExportForm::Beginne(const std::string& pfad, int32_t zeilen) {
  fZeilen = zeilen;
  fNr = 0;
  fAnzahl = 0;
  if (fDialoge == nullptr) return;
  fFortschritt.emplace(*fDialoge, "Exportieren", zeilen);
  fFortschritt->Text(DateiNameOhnePfad(pfad));
  fFortschritt->Info("Kurse " + std::to_string(zeilen));
}

void TExportForm::ZeileGeschrieben() {
  ++fNr;
  if (fFortschritt && fNr % kBalkenTakt == 0) fFortschritt->Setzen(fNr);
}

void TExportForm::DateiSchreiben(const std::string& pfad) {
  SchreibeDateiSicher(pfad, fBuffer.Bytes());
  fFortschritt.reset();
}

void Exportiere(Dialoge& dialoge, const std::string& pfad, int32_t zeilen,
                const TExportInhalt& inhalt) {
  TExportForm form(&dialoge);
  form.Beginne(pfad, zeilen);
  inhalt(form);
  form.DateiSchreiben(pfad);
}

std::vector<uint8_t> ExportBytes(const TExportInhalt& inhalt) {
  TExportForm form;
  inhalt(form);
  return form.fBuffer.Bytes();
}

}  // namespace orbato
