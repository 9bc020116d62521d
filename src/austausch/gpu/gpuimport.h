#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "austausch/gpu/gpudatei.h"
#include "austausch/gpu/gpukuerzel.h"

namespace orbato {

class Dialoge;
class TKurs;
class TSchule;

// The Untis files one import reads, by number (1 for GPU001.TXT …); a missing one is left out.
using TGpuDateien = std::map<int, std::vector<uint8_t>>;

// Reads GPU001.TXT to GPU006.TXT from a folder, in any case of letters. Raises TStreamFehler for
// a file that cannot be read or is larger than an exchange file may be.
TGpuDateien LiesGpuOrdner(const std::string& ordner);

enum class TGpuImportErgebnis {
  Importiert,
  KeineDateien,  // the folder holds none of the files; the document is unchanged
  Abgelehnt,     // "Nein" to "Unbekannte Kürzel"; the document is unchanged
};

// "Untis-Dateien (GPU)": classes (GPU003), teachers with their targets (GPU004), rooms (GPU005),
// subjects (GPU006), lessons (GPU002) as courses and couplings, and the timetable (GPU001) as
// placements of the current plan version, added to the document. Everything it had to change or
// leave out is listed in the report.
class TGpuImport {
 public:
  TGpuImport(TSchule& schule, Dialoge& dialoge, const TGpuLesart& lesart = {})
      : fSchule(schule), fDialoge(dialoge), fLesart(lesart) {}

  TGpuImportErgebnis Importiere(const TGpuDateien& dateien);
  // The report, Windows-1252, one line each: the counts first, then every change.
  const std::vector<std::string>& Bericht() const { return fBericht; }

 private:
  struct TZeile;
  struct TUnterricht;

  void MeldeKuerzel();
  bool KuerzelBekannt();
  // Classes, rooms and subjects: a short name and a long name each; `holen` finds or makes the
  // element of a short name.
  template <class Holen>
  void Namen(int datei, TGpuKuerzel& kuerzel, Holen holen);
  void Lehrer();
  template <class T>
  void Langname(T& element, const std::string& langname, int datei, int zeile);
  void Unterricht();
  void Stundenplan();
  void Kurs(const TZeile& zeile, int64_t nummer, class TKopplung* kopplung);
  void Hinweis(int datei, int zeile, const std::string& text);
  void FelderOhneZiel(int datei, const std::vector<std::size_t>& uebernommen);
  void BerichtSchreiben();
  const TGpuTabelle* Tabelle(int datei) const;

  TSchule& fSchule;
  Dialoge& fDialoge;
  TGpuLesart fLesart;
  std::map<int, TGpuTabelle> fTabellen;
  TGpuKuerzel fKlassen, fLehrer, fRaeume, fFaecher, fKopplungen;
  // The course of each lesson number, teacher and subject, for the timetable.
  std::map<std::tuple<int64_t, std::string, std::string>, TKurs*> fKurse;
  int fZahlKurse = 0, fZahlKopplungen = 0, fZahlSetzungen = 0;
  // The document held courses before: its plan keeps its rules against the imported hours.
  bool fPlanVorhanden = false;
  std::vector<std::string> fHinweise;
  std::vector<std::string> fBericht;
};

}  // namespace orbato
