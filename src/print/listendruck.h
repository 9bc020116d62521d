#pragma once

namespace orbato {

class TPrevPrinter;
struct TDruckAuftrag;

// The short-name lists, the teaching-load sheets and the four lists.
void KuerzelDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void DeputateDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void ReststundenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void StundenverteilungDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void FachkonferenzenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);
void KlassenkonferenzenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag);

}  // namespace orbato
