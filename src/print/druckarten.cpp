#include "print/druckarten.h"

#include "print/listendruck.h"
#include "print/plandruck.h"
#include "print/uebersichtdruck.h"
#include "print/vertretungsdruck.h"

namespace orbato {

const std::vector<TDruckArt>& DruckArten() {
  constexpr auto hoch = QPageLayout::Portrait;
  constexpr auto quer = QPageLayout::Landscape;
  static const std::vector<TDruckArt> arten = {
      {"kuerzel", "Kürzel...", KuerzelDrucken, hoch, false},
      {"deputate", "Deputate...", DeputateDrucken, hoch, false},
      {"lehrerplaene", "Lehrerpläne...", LehrerplaeneDrucken, hoch, false},
      {"klassenplaene", "Klassenpläne...", KlassenplaeneDrucken, hoch, false},
      {"raumplaene", "Raumpläne...", RaumplaeneDrucken, hoch, false},
      {"kopplungsplaene-lehrer", "Kopplungspläne für Lehrer...", KopplungsplaeneLehrerDrucken, hoch,
       false},
      {"kopplungsplaene-klassen", "Kopplungspläne für Klassen...", KopplungsplaeneKlassenDrucken,
       hoch, false},
      {"uebersicht-lehrer", "Lehrer...", UebersichtLehrerDrucken, quer, false},
      {"uebersicht-klassen", "Klassen...", UebersichtKlassenDrucken, quer, false},
      {"uebersicht-raeume", "Räume...", UebersichtRaeumeDrucken, quer, false},
      {"uebersicht-faecher", "Fächer...", UebersichtFaecherDrucken, quer, false},
      {"uebersicht-kombination", "Kombination...", UebersichtKombinationDrucken, quer, false},
      {"reststunden", "Reststunden...", ReststundenDrucken, hoch, false},
      {"stundenverteilung", "Stundenverteilung...", StundenverteilungDrucken, hoch, false},
      {"fachkonferenzen", "Fachkonferenzen...", FachkonferenzenDrucken, hoch, false},
      {"klassenkonferenzen", "Klassenkonferenzen...", KlassenkonferenzenDrucken, hoch, false},
      {"vertretungsplan", "Vertretungsplan...", VertretungsplanDrucken, hoch, true},
      {"vertretungsstunden", "Vertretungsstunden...", VertretungsstundenDrucken, hoch, true},
      {"vertretungsuebersicht-lehrer", "Vertretungsübersicht für Lehrer...",
       VertretungsuebersichtLehrerDrucken, hoch, true},
      {"vertretungsuebersicht-klassen", "Vertretungsübersicht für Klassen...",
       VertretungsuebersichtKlassenDrucken, hoch, true},
  };
  return arten;
}

const TDruckArt* DruckArt(std::string_view name) {
  for (const TDruckArt& art : DruckArten()) {
    if (name == art.name) return &art;
  }
  return nullptr;
}

}  // namespace orbato
