#pragma once

namespace orbato {

class TPrevPrinter;
struct TDruckAuftrag;

// The substitution printouts of the date of the order.
void VertretungsplanDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void VertretungsstundenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void VertretungsuebersichtLehrerDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void VertretungsuebersichtKlassenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);

}  // namespace orbato
