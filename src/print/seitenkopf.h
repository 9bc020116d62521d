#pragma once

#include <QString>

#include "model/basis/datum.h"

namespace orbato {

class TPrevPrinter;
struct TDruckAuftrag;

// The moment as the page header writes it: "Do, 10.Dez 2026     9:05 Uhr      ".
QString KopfDatum(TDatumZeit jetzt);

// The two header lines every page of a printout begins with, at (links, oben) in the current
// font: with `mitDatum` the moment of printing, then "Seite " and the page number; below, the
// document's file name, three spaces and the school name. Answers the height taken.
int DruckKopf(TPrevPrinter& drucker, const TDruckAuftrag& auftrag, bool mitDatum, int links,
              int oben);

}  // namespace orbato
