#pragma once

// The substitution pages of one date ("Vertretungsinformationssystem"): the substitution plan
// "vp.html", the replacement-room plan "ep.html" and, in a folder per day, the index page
// "index.html" that links them and the neighbouring school days. The pages read the installed
// document and settings (Schule(), Standard()); "today", which decides the ad-hoc marks, is the
// document's clock (TSchule::SetUhr).
//
// The exports the print dialog, the menu and the command line call:
//
//   bool VertretungImTagesordner(TSchule& schule, TDatumZeit datum, int32_t layout,
//                                const std::vector<std::string>& bemerkung,
//                                const std::string& ordner);
//       Creates `ordner` and writes index.html, vp.html and, unless fVertrHTMLGemeinsam,
//       ep.html into it; when the pages link the stylesheet by its plain name (fVertrCSS
//       "orbato.css"), the stylesheet too (StilvorlageBeilegen). A folder that exists or cannot
//       be made gives the warning "Kann Verzeichnis nicht erstellen!" and writes nothing (false).
//
//   void VertretungInDateien(TSchule& schule, TDatumZeit datum, int32_t layout,
//                            const std::vector<std::string>& bemerkung,
//                            const std::string& vpPfad, const std::string& epPfad);
//       The substitution plan to `vpPfad` and, unless fVertrHTMLGemeinsam, the replacement-room
//       plan to `epPfad`; an empty path skips its file (a cancelled save dialog).
//
//   void VierHTMLDateienExportieren(TSchule& schule, TDatumZeit datum,
//                                   const std::vector<std::string>& bemerkung);
//       "HTML 4": one substitution plan per layout 1..4 to that layout's HTMLPfad (a layout
//       without a path is left out), then the message "Die 4 HTML-Dateien wurden exportiert.".
//
// `layout` is the ticked print layout, 1..4; `bemerkung` the lines of the print dialog's field
// "Bemerkung", Windows-1252. While writing, the message window "HTML-Export" says "Der
// Vertretungsplan wird als HTML-Datei exportiert.". A page that cannot be written raises
// TStreamFehler, as every file writer does; the pages written before it stay.

#include <cstdint>
#include <string>
#include <vector>

#include "html/htmlseite.h"
#include "model/basis/datum.h"

namespace orbato {

class TSchule;

// The neighbouring school days the index page links: one day on, or over the days without
// school to the next Monday after the last school day of the week; one day back, or to the last
// school day of the week before from a Monday. Holidays are not skipped.
TDatumZeit NaechsterVertretungsTag(TDatumZeit datum);
TDatumZeit VorigerVertretungsTag(TDatumZeit datum);
// "Folgetag" of the four-file export: the next date after `datum` that is a school day (no
// holiday, not beyond the school week).
TDatumZeit FolgeSchultag(TDatumZeit datum);
// The name the save dialog proposes for a day folder: "Vertretung dd-mm-yyyy".
std::string TagesordnerName(TDatumZeit datum);

// Which parts a substitution-plan page carries after its own tables.
enum class TErsatzTeil {
  Immer,        // the export of the print dialog: the replacement-room section always
  NurGemeinsam  // the four-file export: only with fVertrHTMLGemeinsam and the layout's part on
};

THTMLSeite VertretungsIndexSeite(TDatumZeit datum);
THTMLSeite VertretungsplanSeite(TDatumZeit datum, int32_t layout,
                                const std::vector<std::string>& bemerkung,
                                TErsatzTeil ersatz = TErsatzTeil::Immer);
THTMLSeite ErsatzraumplanSeite(TDatumZeit datum, int32_t layout,
                               const std::vector<std::string>& bemerkung);

bool VertretungImTagesordner(TSchule& schule, TDatumZeit datum, int32_t layout,
                             const std::vector<std::string>& bemerkung, const std::string& ordner);
void VertretungInDateien(TSchule& schule, TDatumZeit datum, int32_t layout,
                         const std::vector<std::string>& bemerkung, const std::string& vpPfad,
                         const std::string& epPfad);
void VierHTMLDateienExportieren(TSchule& schule, TDatumZeit datum,
                                const std::vector<std::string>& bemerkung);

}  // namespace orbato
