#include "print/seitenkopf.h"

#include "model/basis/datumformat.h"
#include "model/dokument/schule.h"
#include "platform/qttext.h"
#include "print/druckauftrag.h"
#include "print/prevprinter.h"

namespace orbato {

QString KopfDatum(TDatumZeit jetzt) {
  return QtText(FormatDatum("ddd, d.mmm yyyy     h:nn 'Uhr'      ", jetzt));
}

int DruckKopf(TPrevPrinter& drucker, const TDruckAuftrag& auftrag, bool mitDatum, int links,
              int oben) {
  QString zeile = mitDatum ? KopfDatum(auftrag.schule.Jetzt()) : QString();
  zeile += QStringLiteral("Seite %1").arg(drucker.CurrentPage());
  const int hoehe = drucker.TextHeight();
  drucker.TextOut(links, oben, zeile);
  drucker.TextOut(links, oben + hoehe,
                  QtText(auftrag.schule.fDateiName.str()) + QStringLiteral("   ") +
                      QtText(auftrag.standard.fSchulname));
  return 2 * hoehe;
}

}  // namespace orbato
