#include "austausch/ical/kalenderexport.h"

#include <filesystem>

#include "austausch/ical/kalenderdatei.h"
#include "austausch/ical/stundenereignis.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/planelement.h"
#include "model/kuerzel/kuerzelmenge.h"
#include "persist/sicherndatei.h"
#include "persist/streamfehler.h"

namespace orbato {
namespace {

const char* ArtName(TKuerzelArt art) {
  return art == leh ? "Lehrer" : art == kla ? "Klasse" : "Raum";
}

// A calendar program may read the file at any moment, and a nightly run replaces yesterday's:
// the file is replaced whole or not at all, and no device or pipe of that name is opened.
std::string Schreibe(const std::filesystem::path& pfad, const std::string& text) {
  try {
    SchreibeDateiSicher(pfad.string(), std::vector<uint8_t>(text.begin(), text.end()));
  } catch (const TStreamFehler& f) {
    return f.what();
  }
  return {};
}

}  // namespace

std::string KalenderDateiName(TKuerzelArt art, const std::string& kuerzel) {
  return std::string(ArtName(art)) + "_" + KuerzelTeil(kuerzel) + ".ics";
}

TKalenderExport KalenderExport(const TSchule& schule, const TStandard& standard,
                               const std::string& ordner, const std::vector<TKuerzelArt>& arten,
                               TDatumZeit von, TDatumZeit bis, TDatumZeit jetzt) {
  TKalenderExport ergebnis;
  std::error_code fehler;
  std::filesystem::create_directories(ordner, fehler);
  if (!std::filesystem::is_directory(ordner, fehler)) {
    ergebnis.fehler = "Kann Verzeichnis nicht erstellen!";
    return ergebnis;
  }
  for (const TKuerzelArt art : arten) {
    for (const TElement* e : KuerzelElemente(schule, art)) {
      // Teachers, classes and rooms are plan elements.
      const auto* element = static_cast<const TPlanElement*>(e);
      const std::string kuerzel = element->fKuerzel.str();
      const std::string name = KalenderDateiName(art, kuerzel);
      const auto ereignisse = StundenEreignisse(schule, standard, art, *element, von, bis);
      const std::string titel = std::string("Stundenplan ") + ArtName(art) + " " + kuerzel;
      ergebnis.fehler =
          Schreibe(std::filesystem::path(ordner) / name, KalenderText(titel, ereignisse, jetzt));
      if (!ergebnis.fehler.empty()) return ergebnis;
      ergebnis.dateien.push_back(name);
    }
  }
  return ergebnis;
}

}  // namespace orbato
