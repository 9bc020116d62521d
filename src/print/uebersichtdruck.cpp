#include "print/uebersichtdruck.h"

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

void UebersichtLehrerDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  NurKopf(drucker, auftrag);
}

void UebersichtKlassenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  NurKopf(drucker, auftrag);
}

void UebersichtRaeumeDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  NurKopf(drucker, auftrag);
}

void UebersichtFaecherDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  NurKopf(drucker, auftrag);
}

void UebersichtKombinationDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  NurKopf(drucker, auftrag);
}

}  // namespace orbato
