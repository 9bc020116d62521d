#include "persist/sicherndatei.h"

#include <cerrno>

#include "model/basis/zeichensatz.h"
#include "persist/dateisystem.h"
#include "persist/puffer.h"
#include "persist/systemgrund.h"

namespace orbato {
namespace {

TStreamFehler NichtErstellt(const std::string& pfad, const std::string& grund) {
  return TStreamFehler("Datei \"" + Cp1252AusUtf8(pfad) + "\" kann nicht erstellt werden. " +
                       grund);
}

// Removes the temporary file unless the save went through.
class TTempDatei {
 public:
  explicit TTempDatei(TDatei datei) : fDatei(std::move(datei)), fPfad(fDatei.Pfad()) {}
  ~TTempDatei() {
    if (fDatei.Offen()) fDatei.Schliesse();
    if (!fFertig) EntferneDatei(fPfad);
  }
  TTempDatei(const TTempDatei&) = delete;
  TTempDatei& operator=(const TTempDatei&) = delete;

  TDatei fDatei;
  bool fFertig = false;
  const std::string fPfad;
};

// The file a save replaces. A folder, a device or a FIFO is refused: putting a file in its place
// would replace it with an ordinary file (/dev/null, say).
std::string ZielDatei(const std::string& pfad) {
  const std::string ziel = ZielDerSchreibung(pfad);
  const TPfadStand stand = PfadStand(ziel);
  switch (stand.fArt) {
    case TPfadArt::Fehlt:
      if (stand.fFehler != ENOENT) throw NichtErstellt(pfad, SystemGrund(stand.fFehler));
      break;
    case TPfadArt::Ordner:
      throw NichtErstellt(pfad, "Der Pfad bezeichnet einen Ordner.");
    case TPfadArt::Anderes:
      throw NichtErstellt(pfad, "Der Pfad bezeichnet keine gew\xF6hnliche Datei.");
    case TPfadArt::Datei:
      break;
  }
  return ziel;
}

}  // namespace

void SchreibeDateiSicher(const std::string& pfad, const std::vector<uint8_t>& bytes) {
  const std::string ziel = ZielDatei(pfad);
  int fehler = 0;
  TDatei neu = TDatei::NeuNeben(ziel, fehler);
  if (!neu.Offen()) throw NichtErstellt(pfad, SystemGrund(fehler));
  TTempDatei temp(std::move(neu));
  if (!temp.fDatei.SchreibeAlles(bytes)) throw TStreamFehler("Stream-Schreibfehler");
  if (!temp.fDatei.AufPlatte()) throw TStreamFehler("Stream-Schreibfehler");
  temp.fDatei.RechteVon(ziel);
  if (!temp.fDatei.Schliesse()) throw TStreamFehler("Stream-Schreibfehler");
  if (!ErsetzeDatei(temp.fPfad, ziel, fehler)) throw NichtErstellt(pfad, SystemGrund(fehler));
  temp.fFertig = true;
  if (!EintragAufPlatte(ziel)) throw TStreamFehler("Stream-Schreibfehler");
}

}  // namespace orbato
