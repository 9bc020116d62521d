#pragma once

#include "print/druckarten.h"
#include "print/uebersichtdaten.h"

namespace orbato {

class TPrevPrinter;
struct TDruckAuftrag;

// The whole-school overviews.
void UebersichtLehrerDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void UebersichtKlassenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void UebersichtRaeumeDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void UebersichtFaecherDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void UebersichtKombinationDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);

// The one of the five for the kind.
TDruckFunktion UebersichtDrucken(TUebersichtArt art);

}  // namespace orbato
