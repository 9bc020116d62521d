#include "persist/plandatei.h"

#include "model/einstellungen/standard.h"
#include "persist/plangrenzen.h"
#include "persist/planleser.h"

namespace orbato {

TGeladenerPlan LadePlan(const std::string& pfad, Dialoge& dialoge, const Uhr& uhr) {
  return LadePlan(LiesGanzeDatei(pfad, kPlanDatei), pfad, dialoge, uhr);
}

TGeladenerPlan LadePlan(std::vector<uint8_t> bytes, const std::string& pfad, Dialoge& dialoge,
                        const Uhr& uhr) {
  TStandard& standard = Standard();
  const int32_t wochen = standard.fMaxWocheNeu;
  const int32_t aktuelle = standard.fAktuelleWoche;
  TGeladenerPlan plan;
  try {
    plan.schule = std::make_unique<TSchule>();
    TSchuleEinsetzen eingesetzt(*plan.schule);
    plan.schule->SetDialoge(&dialoge);
    TReadForm form(dialoge, uhr);
    try {
      form.ReadFromBytes(std::move(bytes), pfad);
    } catch (...) {
      // Its records unlink themselves through Schule(), so it goes while still installed.
      plan.schule.reset();
      throw;
    }
    plan.schule->SetDialoge(nullptr);
    plan.version = form.fVersion;
  } catch (...) {
    standard.fMaxWocheNeu = wochen;
    standard.fAktuelleWoche = aktuelle;
    throw;
  }
  return plan;
}

}  // namespace orbato
