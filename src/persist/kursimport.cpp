#include "persist/kursimport.h"

#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/dateilesen.h"
#include "persist/kursdatei.h"
#include "persist/kurseinlesen.h"
#include "persist/kursformat.h"
#include "persist/planschreiber.h"

namespace orbato {
namespace {

template <class T>
bool Gibt(const TListe<T>& menge, std::string_view kuerzel) {
  return kuerzel.empty() || TSchule::HoleElement(menge, kuerzel) != nullptr;
}

// Whether the document has the element a short-name field names; empty fields name none.
bool Bekannt(const TSchule& s, const TKursFeld& f) {
  const std::string_view kuerzel = OhneRandBlanks(f.fText);
  switch (f.fFeld) {
    case 5:
      return Gibt(s.fLehrerMenge, kuerzel);
    case 7:
      return Gibt(s.fFachMenge, kuerzel);
    case 9:
      return Gibt(s.fKlassenMenge, kuerzel);
    case 11:
      return Gibt(s.fKopplMenge, kuerzel);
    case 16:
      return Gibt(s.fRaumMenge, kuerzel);
    default:
      return true;
  }
}

}  // namespace

TImportErgebnis TImportForm::ImportFromFile(const std::string& pfad) {
  return ImportFromBytes(LiesGanzeDatei(pfad, kKursDatei), pfad);
}

TImportErgebnis TImportForm::ImportFromBytes(const std::vector<uint8_t>& bytes,
                                             const std::string& pfad) {
  // The courses enter themselves into Schule().
  TSchuleEinsetzen eingesetzt(fSchule);
  TFortschritt fortschritt(fDialoge, "Importieren", static_cast<int>(bytes.size() / 1024));
  fortschritt.Text(DateiNameOhnePfad(pfad));
  if (!FormatOk(bytes)) {
    fDialoge.Nachricht(
        "Falsches Format",
        {"Der Inhalt der Importdatei hat nicht", "das geeignete Format f\xFCr Kurse."},
        TMeldungsArt::Fehler);
    return TImportErgebnis::FalschesFormat;
  }
  if (!KuerzelBekannt(bytes) &&
      !fDialoge.FrageJaNein("Unbekannte K\xFCrzel",
                            {"Die Importdatei enth\xE4lt unbekannte K\xFCrzel.",
                             "Wollen sie trotzdem importieren?"})) {
    return TImportErgebnis::Abgelehnt;
  }
  Importiere(bytes);
  return TImportErgebnis::Importiert;
}

bool TImportForm::FormatOk(const std::vector<uint8_t>& bytes) {
  fDialoge.FortschrittInfo("Das Format der Importdatei wird untersucht.");
  bool ok = true;
  DurchlaufeKursDatei(
      bytes, [&](const TKursFeld& f) { return ok = KursFeldOk(f); },
      [&](std::size_t position) { ZeichneBalken(position); });
  return ok;
}

bool TImportForm::KuerzelBekannt(const std::vector<uint8_t>& bytes) {
  fDialoge.FortschrittInfo("Die Datei wird auf unbekannte K\xFCrzel untersucht.");
  bool bekannt = true;
  DurchlaufeKursDatei(
      bytes, [&](const TKursFeld& f) { return bekannt = Bekannt(fSchule, f); },
      [&](std::size_t position) { ZeichneBalken(position); });
  return bekannt;
}

void TImportForm::Importiere(const std::vector<uint8_t>& bytes) {
  fDialoge.FortschrittInfo("Die Daten werden importiert.");
  TKursEinleser einleser(fSchule);
  DurchlaufeKursDatei(
      bytes,
      [&](const TKursFeld& f) {
        einleser.Feld(f);
        return true;
      },
      [&](std::size_t position) { ZeichneBalken(position); });
}

void TImportForm::ZeichneBalken(std::size_t position) {
  fDialoge.FortschrittSetzen(static_cast<int>(position / 1024));
}

}  // namespace orbato
