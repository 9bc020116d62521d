#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "persist/kursdatei.h"

namespace orbato {

class TElement;
class TFach;
class TKlasse;
class TKopplung;
class TKurs;
class TLehrer;
class TRaum;
class TSchule;
class TSetzung;

// The import proper of a course exchange file whose format has been checked: the fields, as
// DurchlaufeKursDatei hands them over, become courses of the school, which must be installed as
// Schule(). Short names are found or created with the school's Hole… lookups. A line whose course
// number differs from the line before builds a course at its field 12 and appends its placements
// at fields 13 to 17; factor, flags, colour and the occupancy of the placements follow only at the
// line's CR, so a last line without CR leaves its course incomplete. Lines with the same number
// that follow add only their class.
class TKursEinleser {
 public:
  explicit TKursEinleser(TSchule& schule) : fSchule(schule) {}

  void Feld(const TKursFeld& feld);

 private:
  // What the line of a new course says about the course itself, set at its CR.
  struct TKursWerte {
    int32_t faktor = 1;
    int32_t stunden = 0;
    std::string info;
    int32_t stdProTag = 1;
    int32_t einzelStd = 0;
    int32_t tabellenNr = 1;
    bool nichtVerplanen = false;
    bool nichtZaehlenLe = false;
    bool nichtZaehlenKl = false;
  };

  void Nummer(std::string_view text);
  void NeuesFeld(const TKursFeld& feld);
  void ListenFeld(const TKursFeld& feld);
  void WerteFeld(int feld, std::string_view text);
  void NeuerKurs();
  void Folgeklasse();
  void Setzung(std::string_view text);
  void Tag(TSetzung& setzung, std::string_view text);
  void Raum(TSetzung& setzung, std::string_view text);
  void Abschliessen();
  void Belegen(TSetzung& setzung);
  static void Info(TElement* element, std::string_view text);

  TSchule& fSchule;
  bool fErsteZeile = true;
  int32_t fNummer = 0;
  bool fNeuerKurs = false;
  TKursWerte fWerte;
  TLehrer* fLehrer = nullptr;
  TFach* fFach = nullptr;
  TKlasse* fKlasse = nullptr;
  TKopplung* fKopplung = nullptr;
  TRaum* fLetzterRaum = nullptr;
  TKurs* fKurs = nullptr;
};

}  // namespace orbato
