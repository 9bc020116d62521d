#include "persist/dateilesen.h"

#include <algorithm>
#include <new>

#include "model/basis/zeichensatz.h"
#include "persist/dateisystem.h"
#include "persist/streamfehler.h"
#include "persist/systemgrund.h"

namespace orbato {
namespace {

// The path as the message shows it: file names arrive in UTF-8, messages are Windows-1252.
std::string Datei(const std::string& pfad) {
  return "Datei " + Cp1252AusUtf8(pfad);
}

TStreamFehler NichtGeoeffnet(const std::string& pfad, const std::string& grund) {
  return TStreamFehler(Datei(pfad) +
                       " kann nicht ge\xF6"
                       "ffnet werden. " +
                       grund);
}

// Refuses everything but an ordinary file: a folder cannot be read as a file, and a FIFO or a
// device may block the reader or never end.
void PruefeArt(const std::string& pfad, const TPfadStand& stand) {
  switch (stand.fArt) {
    case TPfadArt::Fehlt:
      throw NichtGeoeffnet(pfad, SystemGrund(stand.fFehler));
    case TPfadArt::Ordner:
      throw NichtGeoeffnet(pfad, "Der Pfad bezeichnet einen Ordner.");
    case TPfadArt::Anderes:
      throw NichtGeoeffnet(pfad, "Der Pfad bezeichnet keine gew\xF6hnliche Datei.");
    case TPfadArt::Datei:
      break;
  }
}

// 27053682788 as "27.053.682.788".
std::string MitPunkten(std::uintmax_t zahl) {
  std::string ziffern = std::to_string(zahl);
  for (auto stelle = static_cast<std::ptrdiff_t>(ziffern.size()) - 3; stelle > 0; stelle -= 3) {
    ziffern.insert(static_cast<std::size_t>(stelle), 1, '.');
  }
  return ziffern;
}

void PruefeGroesse(const std::string& pfad, std::uintmax_t groesse, const TDateiArt& art) {
  if (groesse <= art.fHoechstens) return;
  throw TStreamFehler(Datei(pfad) + " ist zu gro\xDF f\xFCr " + art.fName +
                      " (h\xF6"
                      "chstens " +
                      MitPunkten(art.fHoechstens) + " Bytes).");
}

// Reads to the end. The size stat gave is only where to start: a file may grow while it is read,
// and some (under /proc) say 0 and still have content, so the bound is checked on what arrives.
std::vector<uint8_t> LiesBisZumEnde(const std::string& pfad, TDatei& datei, std::uintmax_t groesse,
                                    const TDateiArt& art) {
  std::vector<uint8_t> bytes(static_cast<std::size_t>(groesse) + 1);
  std::size_t gelesen = 0;
  while (true) {
    if (gelesen == bytes.size()) {
      PruefeGroesse(pfad, gelesen, art);
      bytes.resize(std::min<std::uintmax_t>(bytes.size() * std::uintmax_t{2}, art.fHoechstens + 1));
    }
    const std::ptrdiff_t n = datei.Lies(bytes.data() + gelesen, bytes.size() - gelesen);
    if (n < 0) throw TStreamFehler("Stream-Lesefehler");
    if (n == 0) break;
    gelesen += static_cast<std::size_t>(n);
  }
  PruefeGroesse(pfad, gelesen, art);
  bytes.resize(gelesen);
  return bytes;
}

}  // namespace

std::vector<uint8_t> LiesGanzeDatei(const std::string& pfad, const TDateiArt& art) {
  // The path is looked at before it is opened: opening a FIFO waits for a writer, and opening a
  // device can do things of its own.
  TPfadStand stand = PfadStand(pfad);
  PruefeArt(pfad, stand);
  PruefeGroesse(pfad, stand.fGroesse, art);
  // Without waiting, in case the path has become a FIFO since; what was opened is looked at
  // again.
  int fehler = 0;
  TDatei datei = TDatei::Oeffne(pfad, TDatei::TZweck::Lesen, fehler);
  if (!datei.Offen()) throw NichtGeoeffnet(pfad, SystemGrund(fehler));
  stand = datei.Stand();
  PruefeArt(pfad, stand);
  PruefeGroesse(pfad, stand.fGroesse, art);
  try {
    return LiesBisZumEnde(pfad, datei, stand.fGroesse, art);
  } catch (const std::bad_alloc&) {
    throw NichtGeoeffnet(pfad, "Nicht gen\xFCgend Arbeitsspeicher.");
  }
}

}  // namespace orbato
