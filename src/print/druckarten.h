#pragma once

#include <QPageLayout>
#include <string_view>
#include <vector>

namespace orbato {

class TPrevPrinter;
struct TDruckAuftrag;

// Records a whole printout into the recorder: a new job, its pages, DonePrinting.
using TDruckFunktion = void (*)(TPrevPrinter&, const TDruckAuftrag&);

// One entry of the "Drucken" menu as the command line names it.
struct TDruckArt {
  const char* name;     // "lehrerplaene"
  const char* eintrag;  // "Lehrerpläne...", UTF-8
  TDruckFunktion aufzeichnen;
  QPageLayout::Orientation ausrichtung;  // on the PDF pages of the command line
  bool mitDatum;                         // takes the substitution date
};

// Every printout, in the order of the menu.
const std::vector<TDruckArt>& DruckArten();
const TDruckArt* DruckArt(std::string_view name);

}  // namespace orbato
