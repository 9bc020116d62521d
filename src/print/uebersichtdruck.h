#pragma once

namespace orbato {

class TPrevPrinter;
struct TDruckAuftrag;

// The whole-school overviews.
void UebersichtLehrerDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void UebersichtKlassenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void UebersichtRaeumeDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void UebersichtFaecherDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void UebersichtKombinationDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);

}  // namespace orbato
