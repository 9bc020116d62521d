#include "model/kuerzel/kuerzelmenue.h"

#include <string>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/element.h"
#include "model/kuerzel/kuerzelmenge.h"
#include "model/schnittstellen/dialoge.h"

namespace orbato {

TMenu KuerzelMenu(TSchule& schule, TKuerzelArt art, const std::function<void(TElement*)>& waehlen,
                  bool mitOhne) {
  TMenu menu;
  const std::vector<TElement*> elemente = KuerzelElemente(schule, art);
  menu.reserve(elemente.size() + (mitOhne ? 1 : 0));
  int nr = 0;
  for (TElement* e : elemente) {
    e->SetReihe(++nr);
    menu.push_back(MenuEintrag(
        e->fKuerzel.str(),
        [waehlen, e] {
          if (waehlen) waehlen(e);
        },
        nr));
  }
  InSpaltenUmbrechen(menu, MenuSpaltenLaenge(nr));
  // "ohne" sits above the first column, so the elements keep the columns of the plain menu.
  if (mitOhne)
    menu.insert(menu.begin(), MenuEintrag(
                                  "ohne",
                                  [waehlen] {
                                    if (waehlen) waehlen(nullptr);
                                  },
                                  0));
  return menu;
}

const TMenu& TKuerzelMenues::Von(TKuerzelArt art) const {
  static const TMenu leer;
  switch (art) {
    case leh:
      return fLe;
    case kla:
      return fKl;
    case kop:
      return fKo;
    case fac:
      return fFa;
    case rau:
      return fRa;
    case uvt:
      return fUV;
    case kur:
      break;
  }
  return leer;
}

TKuerzelMenues KuerzelMenuesAnlegen(TSchule& schule, Dialoge& dialoge,
                                    const std::function<void(TElement*)>& oeffnen) {
  TMeldungsFenster meldung(dialoge, "Das K\xFCrzelmenu wird angelegt.");
  TKuerzelMenues menues;
  menues.fLe = KuerzelMenu(schule, leh, oeffnen);
  menues.fKl = KuerzelMenu(schule, kla, oeffnen);
  menues.fKo = KuerzelMenu(schule, kop, oeffnen);
  menues.fFa = KuerzelMenu(schule, fac, oeffnen);
  menues.fRa = KuerzelMenu(schule, rau, oeffnen);
  menues.fUV = KuerzelMenu(schule, uvt, oeffnen);
  return menues;
}

TMenu VersionsMenu(TStandard& standard, const std::function<void(int)>& gewaehlt) {
  TMenu menu;
  const int versionen = standard.WochenZahl();
  menu.reserve(static_cast<std::size_t>(versionen));
  for (int v = 1; v <= versionen; ++v) {
    TMenuEintrag eintrag = MenuEintrag(
        std::to_string(v),
        [&standard, gewaehlt, v] {
          standard.SetAktuelleWoche(v);
          if (gewaehlt) gewaehlt(v);
        },
        v);
    eintrag.fChecked = v == standard.fAktuelleWoche;
    menu.push_back(std::move(eintrag));
  }
  InSpaltenUmbrechen(menu, VersionsMenuSpaltenLaenge(versionen));
  return menu;
}

}  // namespace orbato
