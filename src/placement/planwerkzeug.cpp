#include "placement/planwerkzeug.h"

#include <vector>

#include "model/elemente/kopplung.h"
#include "model/elemente/planelement.h"
#include "model/elemente/raum.h"
#include "model/fenster/planzelle.h"
#include "model/kurse/kurs.h"
#include "placement/passtin.h"
#include "placement/raeume.h"
#include "placement/regeln.h"
#include "placement/setzen.h"
#include "placement/tausch.h"

namespace orbato {
namespace {

TRaum* AlsRaum(TPlanElement& element) {
  return element.Art() == rau ? static_cast<TRaum*>(&element) : nullptr;
}

}  // namespace

void ZeigMenuFuellen(const TStandard& standard, TPlanElement& element, TMenu& menu, int32_t tag,
                     int32_t std, const TKlPlanWechsel& wechseln) {
  for (TKurs* k : element.fKurse) {
    ErzeugePlnMenu(standard, *k, menu, false, element.Art(), AlsRaum(element), std, tag, wechseln);
  }
}

void SetzMenuFuellen(TSchule& schule, const TStandard& standard, TPlanElement& element, TMenu& menu,
                     int32_t tag, int32_t std) {
  if (element.fSperrung.GetWocheTagStd(-1, tag, std)) return;
  TRaum* raum = AlsRaum(element);
  for (TKurs* k : element.fKurse) {
    ErzeugeSetzMenu(schule, standard, *k, menu, tag, raum == nullptr, std, raum);
  }
}

TMenu KlickMenuFuellen(TSchule& schule, const TStandard& standard, TToolArt werkzeug,
                       TPlanElement& element, TKurs* kurs, int32_t tag, int32_t std,
                       const TKlPlanWechsel& wechseln, const TRaumMenuFuellen& raumMenu) {
  TMenu menu;
  if (werkzeug == ZeigTool && kurs != nullptr) {
    ZeigMenuFuellen(standard, element, menu, tag, std, wechseln);
  }
  if (werkzeug == SetzTool && kurs == nullptr) {
    SetzMenuFuellen(schule, standard, element, menu, tag, std);
  }
  if (werkzeug == SetzTool && kurs != nullptr && element.Art() != rau) raumMenu(*kurs, menu);
  return menu;
}

void ZelleLoeschen(const TStandard& standard, TKurs& kurs, int32_t tag, int32_t std, bool nurRaum) {
  if (nurRaum) {
    LoescheRaumInSetzung(kurs, -1, tag, std);
    return;
  }
  if (kurs.fKopplung == nullptr) {
    LoescheSetzung(kurs, -1, tag, false, std);
    return;
  }
  switch (FrageKopplung(kurs, PlanVersion(standard), tag, std)) {
    case TKopplungsWahl::DieserKurs:
      LoescheSetzung(kurs, -1, tag, false, std);
      break;
    case TKopplungsWahl::Kopplung:
      LoescheSetzung(kurs, -1, tag, true, std);
      break;
    case TKopplungsWahl::Nein:
    case TKopplungsWahl::Abbrechen:
      break;
  }
}

bool VorschauFrei(const TStandard& standard, const TKurs& kurs, int32_t vonTag, int32_t vonStd,
                  int32_t tag, int32_t std, bool ohneRaum) {
  std::vector<const TKurs*> kurse{&kurs};
  if (kurs.fKopplung) kurse.assign(kurs.fKopplung->fKurse.begin(), kurs.fKopplung->fKurse.end());
  for (const TKurs* k : kurse) {
    const TRaum* raum =
        ohneRaum ? nullptr : k->RaumFuerZelle(PlanVersion(standard), vonTag, vonStd);
    if (!SetzungPossible(*k, -1, tag, raum, std)) return false;
  }
  return true;
}

void ZelleAblegen(TSchule& schule, TKurs& kurs, int32_t vonTag, int32_t vonStd, int32_t tag,
                  int32_t std, bool alt, bool shift) {
  const bool andereZelle = tag != vonTag || std != vonStd;
  if (!andereZelle) return;
  if (shift) {
    // The swap refreshes every open window itself.
    StundenTausch(schule, vonTag, vonStd, tag, std);
    return;
  }
  if (kurs.fBesetzung.GetWocheTagStd(-1, tag, std)) return;
  TListe<TKonflikt> konflikte(true);
  if (PasstIn(kurs, tag, std, !alt, konflikte, vonStd, vonTag)) {
    Schiebe(kurs, tag, std, !alt, vonStd, vonTag);
  }
}

}  // namespace orbato
