#include "print/vertretungsdruck.h"

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

void VertretungsplanDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  NurKopf(drucker, auftrag);
}

void VertretungsstundenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  NurKopf(drucker, auftrag);
}

void VertretungsuebersichtLehrerDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  NurKopf(drucker, auftrag);
}

void VertretungsuebersichtKlassenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  NurKopf(drucker, auftrag);
}

}  // namespace orbato
