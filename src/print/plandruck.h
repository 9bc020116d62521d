#pragma once

namespace orbato {

class TPrevPrinter;
struct TDruckAuftrag;

// The timetables of teachers, classes, rooms and couplings, each with its own options.
void LehrerplaeneDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void KlassenplaeneDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void RaumplaeneDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void KopplungsplaeneLehrerDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void KopplungsplaeneKlassenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);

}  // namespace orbato
