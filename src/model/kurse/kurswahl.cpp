#include "model/kurse/kurswahl.h"

#include <functional>

#include "model/dokument/schule.h"
#include "model/kuerzel/kuerzelmenue.h"

namespace orbato {
namespace {

// A subject's pick menus hold one entry per element of their list, in its order; the course
// window keeps their captions and columns and puts its own choice behind each entry.
template <class T>
void BefehleSetzen(TMenu& menu, const TListe<T>& liste, const std::function<void(T*)>& wahl) {
  int32_t nr = 0;
  for (TMenuEintrag& eintrag : menu) {
    T* element = liste.ListeNrInhalt(++nr);
    eintrag.fBefehl = [wahl, element] { wahl(element); };
  }
}

// Every element of the kind, as the short-name menus list them.
template <class T>
TMenu AlleVon(TKuerzelArt art, const std::function<void(T*)>& wahl) {
  return KuerzelMenu(Schule(), art, [wahl](TElement* e) { wahl(static_cast<T*>(e)); });
}

// The subjects a teacher can teach, by short name, in the columns of the short-name menus.
TMenu FaecherDesLehrers(const TLehrer& lehrer, const std::function<void(TFach*)>& wahl) {
  TMenu menu;
  int nr = 0;
  for (TFach* f : lehrer.fFaecher) {
    menu.push_back(MenuEintrag(
        f->fKuerzel.str(), [wahl, f] { wahl(f); }, ++nr));
  }
  InSpaltenUmbrechen(menu, MenuSpaltenLaenge(nr));
  return menu;
}

TMenu LehrerWahl(TKurs& kurs) {
  const std::function<void(TLehrer*)> wahl = [&kurs](TLehrer* l) {
    KursElementWaehlen(kurs, leh, l);
  };
  if (kurs.fFach == nullptr) return AlleVon(leh, wahl);
  TMenu menu = kurs.fFach->LehrerPopupFuellen();
  BefehleSetzen(menu, kurs.fFach->fLehrer, wahl);
  return menu;
}

TMenu KlassenWahl(TKurs& kurs) {
  const std::function<void(TKlasse*)> wahl = [&kurs](TKlasse* k) {
    KursElementWaehlen(kurs, kla, k);
  };
  if (kurs.fFach == nullptr) return AlleVon(kla, wahl);
  TMenu menu = kurs.fFach->KlassenPopupFuellen();
  BefehleSetzen(menu, Schule().fKlassenMenge, wahl);
  return menu;
}

TMenu KopplungsWahl(TKurs& kurs) {
  return AlleVon<TKopplung>(kop, [&kurs](TKopplung* k) { KursElementWaehlen(kurs, kop, k); });
}

TMenu FachWahl(TKurs& kurs) {
  const std::function<void(TFach*)> wahl = [&kurs](TFach* f) { KursElementWaehlen(kurs, fac, f); };
  return kurs.fLehrer ? FaecherDesLehrers(*kurs.fLehrer, wahl) : AlleVon(fac, wahl);
}

TMenu RaumWahl(TKurs& kurs) {
  return AlleVon<TRaum>(rau, [&kurs](TRaum* r) { KursElementWaehlen(kurs, rau, r); });
}

}  // namespace

bool KursVerplant(const TKurs& kurs) {
  return kurs.fSetzungen.ListeZahlElemente() > 0;
}

TMenu KursWahlMenu(TKurs& kurs, TKuerzelArt art) {
  switch (art) {
    case leh:
      return LehrerWahl(kurs);
    case kla:
      return KlassenWahl(kurs);
    case kop:
      return KopplungsWahl(kurs);
    case fac:
      return FachWahl(kurs);
    case rau:
      return RaumWahl(kurs);
    default:
      return {};
  }
}

bool KursNennt(const TKurs& kurs, TKuerzelArt art, const TElement* element) {
  if (element == nullptr || element->Art() != art) return false;
  switch (art) {
    case leh:
      return element == kurs.fLehrer;
    case kla:
      return kurs.HatKlasse(static_cast<const TKlasse*>(element));
    case kop:
      return element == kurs.fKopplung;
    case fac:
      return element == kurs.fFach;
    case rau:
      return kurs.HatRaum(static_cast<const TRaum*>(element));
    default:
      return false;
  }
}

bool KursElementWaehlen(TKurs& kurs, TKuerzelArt art, TElement* element) {
  if (element == nullptr || element->Art() != art || KursNennt(kurs, art, element)) return false;
  // Teacher, classes and coupling decide where a lesson may lie.
  if ((art == leh || art == kla || art == kop) && KursVerplant(kurs)) return false;
  switch (art) {
    case leh:
      kurs.LehrerErgaenzen(static_cast<TLehrer*>(element));
      return true;
    case kla:
      kurs.KlasseErgaenzen(static_cast<TKlasse*>(element));
      return true;
    case kop:
      kurs.KopplungErgaenzen(static_cast<TKopplung*>(element));
      return true;
    case fac:
      kurs.FachErgaenzen(static_cast<TFach*>(element));
      return true;
    case rau:
      kurs.RaumErgaenzen(static_cast<TRaum*>(element), false);
      return true;
    default:
      return false;
  }
}

bool KursElementEntfernbar(const TKurs& kurs, TKuerzelArt art, const TElement* element) {
  if (!KursNennt(kurs, art, element)) return false;
  switch (art) {
    case fac:
      return true;
    case rau:
      return !kurs.HatSetzungIn(static_cast<const TRaum*>(element));
    default:
      return !KursVerplant(kurs);
  }
}

bool KursElementEntfernen(TKurs& kurs, TKuerzelArt art, TElement* element) {
  if (!KursElementEntfernbar(kurs, art, element)) return false;
  switch (art) {
    case leh:
      kurs.LehrerEntfernen();
      break;
    case kla:
      kurs.KlasseEntfernen(static_cast<TKlasse*>(element));
      break;
    case kop:
      kurs.KopplungEntfernen();
      break;
    case fac:
      kurs.FachEntfernen();
      break;
    default:
      kurs.RaumEntfernen(static_cast<TRaum*>(element));
      break;
  }
  return true;
}

bool KlassenErgaenzen(TKurs& kurs, const std::vector<TKlasse*>& klassen) {
  if (KursVerplant(kurs)) return false;
  bool ergaenzt = false;
  for (TKlasse* k : klassen) {
    if (k == nullptr || kurs.HatKlasse(k)) continue;
    kurs.KlasseErgaenzen(k);
    ergaenzt = true;
  }
  return ergaenzt;
}

}  // namespace orbato
