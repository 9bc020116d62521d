// The menus of the manual-planning window as data: the work list under "Kurs", the element
// buttons, "Fach", "Kopplung", "Zeige" and the obstacles of a cell.
#include <algorithm>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/kurse/kurs.h"
#include "model/uv/stundenwert.h"
#include "placement/manuell.h"

namespace orbato {
namespace {

// Entries that only name what follows.
TMenuEintrag Kopf(std::string text) {
  TMenuEintrag e = MenuEintrag(std::move(text));
  e.fEnabled = false;
  return e;
}

// The elements of that kind the courses name, each once, in the order met.
std::vector<TPlanElement*> Elemente(const std::vector<TKurs*>& kurse, TKuerzelArt art,
                                    TRaum* fensterRaum) {
  std::vector<TPlanElement*> elemente;
  const auto dazu = [&](TPlanElement* e) {
    if (e && std::find(elemente.begin(), elemente.end(), e) == elemente.end())
      elemente.push_back(e);
  };
  if (art == rau) dazu(fensterRaum);
  for (TKurs* k : kurse) {
    switch (art) {
      case leh:
        dazu(k->fLehrer);
        break;
      case kla:
        for (TKlasse* klasse : k->fKlassen) dazu(klasse);
        break;
      default:
        for (TRaum* raum : k->fRaeume) dazu(raum);
        break;
    }
  }
  return elemente;
}

template <class T>
std::vector<TPlanElement*> Alle(const TListe<T>& menge) {
  return {menge.begin(), menge.end()};
}

}  // namespace

std::string TManuellForm::KursMenuText(const TKurs& kurs) {
  const int32_t stunden = kurs.fStunden.GetWochenStunde(-1);
  const std::string text = StundenWert(stunden * kurs.fFaktor) + " (" + std::to_string(stunden) +
                           ") " + kurs.MitRaumZeile();
  return kurs.RestStunden(-1) < 1 ? "<" + text + ">" : text;
}

TMenuEintrag TManuellForm::KursEintrag(TKurs* kurs) {
  TMenuEintrag e = MenuEintrag(KursMenuText(*kurs), [this, kurs] { SetKurs(kurs); });
  e.fChecked = kurs == fKurs;
  return e;
}

TMenu TManuellForm::KursMenu() {
  TMenu menu;
  for (TKurs* k : fKurse) menu.push_back(KursEintrag(k));
  InSpaltenUmbrechen(menu, MenuSpaltenLaenge(static_cast<int>(menu.size())));
  return menu;
}

TMenu TManuellForm::ElementMenu(TKuerzelArt art, bool alle) {
  std::vector<TPlanElement*> elemente;
  if (alle) {
    elemente = art == leh   ? Alle(fSchule.fLehrerMenge)
               : art == kla ? Alle(fSchule.fKlassenMenge)
                            : Alle(fSchule.fRaumMenge);
  } else if (fKurs) {
    elemente = Elemente(MitKopplungZuerst(), art, fRaum);
  }
  const TPlanElement* eigenes = art == leh
                                    ? static_cast<TPlanElement*>(fKurs ? fKurs->fLehrer : nullptr)
                                : art == kla ? static_cast<TPlanElement*>(fKlasse)
                                             : static_cast<TPlanElement*>(fRaum);
  TMenu menu;
  int nr = 0;
  for (TPlanElement* e : elemente) {
    TMenuEintrag eintrag = MenuEintrag(
        e->fKuerzel.str(), [this, e] { PlanZeigen(e); }, ++nr);
    eintrag.fChecked = e == eigenes;
    menu.push_back(std::move(eintrag));
  }
  InSpaltenUmbrechen(menu, MenuSpaltenLaenge(nr));
  return menu;
}

TMenu TManuellForm::FachMenu() {
  TMenu menu;
  if (fKurs == nullptr || fKurs->fFach == nullptr) return menu;
  for (TKurs* k : fKurs->fFach->fKurse) {
    if (!k->fNichtVerplanen) menu.push_back(KursEintrag(k));
  }
  InSpaltenUmbrechen(menu, MenuSpaltenLaenge(static_cast<int>(menu.size())));
  return menu;
}

TMenu TManuellForm::KopplungsMenu() {
  TMenu menu;
  const TKopplung* kopplung = Kopplung();
  if (kopplung == nullptr) return menu;
  menu.push_back(Kopf(kopplung->fKuerzel.str()));
  menu.push_back(Trennlinie());
  for (TKurs* k : kopplung->fKurse) menu.push_back(KursEintrag(k));
  return menu;
}

TMenu TManuellForm::ZeigeMenu() {
  TMenu menu;
  for (const bool kopplung : {true, false}) {
    TMenuEintrag e = MenuEintrag(kopplung ? "Kopplung" : "Le/Kl", [this, kopplung] {
      fStandard.fManZeigKopp = kopplung;
      Zeigen();
    });
    e.fChecked = fStandard.fManZeigKopp == kopplung;
    menu.push_back(std::move(e));
  }
  return menu;
}

TMenu TManuellForm::KonfliktMenu(int32_t tag, int32_t std) {
  TMenu menu;
  const std::vector<std::string> texte = KonfliktTexte(tag, std);
  int32_t i = 0;
  for (const TKonflikt* k : Konflikte(tag, std)) {
    TKurs* kurs = k->fKurs;
    menu.push_back(
        MenuEintrag(texte[i++], kurs ? std::function<void()>([this, kurs] { SetKurs(kurs); })
                                     : std::function<void()>()));
  }
  return menu;
}

}  // namespace orbato
