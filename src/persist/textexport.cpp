#include "persist/textexport.h"

#include "persist/kursexport.h"
#include "persist/planexport.h"

namespace orbato {

void TextExportToFile(TTextExport art, const TSchule& schule, Dialoge& dialoge,
                      const std::string& pfad) {
  switch (art) {
    case TTextExport::Kurse:
      return KursExportToFile(schule, dialoge, pfad);
    case TTextExport::Lanis:
      return CSVExportToFile(schule, dialoge, pfad);
    case TTextExport::Schulmanager:
      return CSVSMExportToFile(schule, dialoge, pfad);
    case TTextExport::Lehrerplaene:
      return PlanExportToFile(schule, dialoge, pfad, leh);
    case TTextExport::Klassenplaene:
      return PlanExportToFile(schule, dialoge, pfad, kla);
    case TTextExport::Raumplaene:
      return PlanExportToFile(schule, dialoge, pfad, rau);
  }
}

}  // namespace orbato
