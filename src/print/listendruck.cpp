#include "print/listendruck.h"

#include "print/druckauftrag.h"
#include "print/prevprinter.h"
#include "print/seitenkopf.h"

namespace orbato {

namespace {

// A page with the header only, until the layout of this printout is built.
void NurKopf(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  drucker.NewJob();
  DruckKopf(drucker, auftrag, true, drucker.XInch(1 / 2.54), drucker.YInch(1 / 2.54));
  drucker.DonePrinting();
}

}  // namespace

void KuerzelDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  NurKopf(drucker, auftrag);
}

void DeputateDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  NurKopf(drucker, auftrag);
}

void ReststundenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  NurKopf(drucker, auftrag);
}

void StundenverteilungDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  NurKopf(drucker, auftrag);
}

void FachkonferenzenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  NurKopf(drucker, auftrag);
}

void KlassenkonferenzenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  NurKopf(drucker, auftrag);
}

}  // namespace orbato
