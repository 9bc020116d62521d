#include "placement/konflikt.h"

#include <algorithm>

#include "model/elemente/element.h"
#include "model/kurse/kurs.h"

namespace orbato {
namespace {

std::string Woche(int32_t woche) {
  return "{" + std::to_string(woche) + "} ";
}

// The element word of the long texts, by the element's part in the kind.
const char* ElementWort(TKonfliktArt art) {
  switch (art) {
    case leSp:
    case leFx:
    case leBe:
      return "Lehrer ";
    case klSp:
    case klFx:
    case klBe:
      return "Klasse ";
    default:
      return "Raum ";
  }
}

bool IstBelegung(TKonfliktArt art) {
  return art >= leFx && art <= raBe;
}
bool IstFixierung(TKonfliktArt art) {
  return art >= leFx && art <= raFx;
}

std::string KursZeile(const TKurs* k) {
  return k ? k->OhneRaumZeile(nullptr) : std::string();
}

}  // namespace

int32_t KonfliktSchwere(TKonfliktArt art) {
  switch (art) {
    case raSp:
    case raFx:
      return 2;
    case leBe:
    case klBe:
    case raBe:
    case koRa:
      return 1;
    default:
      return 3;
  }
}

void TKonflikt::IKonflikt(TKonfliktArt art, int32_t schwere, TKurs* kurs, TElement* element,
                          int32_t woche) {
  SetArt(art);
  SetSchwere(schwere);
  SetWoche(woche);
  SetElement(element);
  SetKurs(kurs);
}

std::string TKonflikt::Zeile() const {
  const std::string w = Woche(fWoche);
  switch (fArt) {
    case kuSp:
      return w + "Kurs " + KursZeile(fKurs) + " gesperrt.";
    case leSp:
    case klSp:
    case raSp:
      return w + ElementWort(fArt) + KuerzelVon(fElement) + " gesperrt. ";
    case koRa:
      return std::string();
    default:
      return w + ElementWort(fArt) + KuerzelVon(fElement) +
             (IstFixierung(fArt) ? " fixiert durch " : " besetzt durch ") + KursZeile(fKurs) + ".";
  }
}

std::string TKonflikt::KurzZeile(const TKurs* fensterKurs, int32_t tag, int32_t std) const {
  const std::string kurz = fKurs ? fKurs->KurzZeile(fWoche, tag, nullptr, std) : std::string();
  const std::string w = Woche(fWoche);
  switch (fArt) {
    case kuSp:
      return w + (fKurs == fensterKurs ? "Kurs" : "gekoppelter Kurs") + " gesperrt [" + kurz + "]";
    case leSp:
    case klSp:
    case raSp:
      return w + KuerzelVon(fElement) + " gesperrt";
    case koRa:
      return w + "kein Raum frei [" + kurz + "]";
    default:
      return w + (IstFixierung(fArt) ? "fixiert [" : "besetzt [") + kurz + "]";
  }
}

void KonfliktEintragen(TListe<TKonflikt>& liste, TKonfliktArt art, TKurs* kurs, TElement* element,
                       int32_t woche, int32_t& schwere) {
  const int32_t eigene = KonfliktSchwere(art);
  schwere = std::max(schwere, eigene);
  if (IstBelegung(art)) {
    for (const TKonflikt* k : liste) {
      if (k->fKurs == kurs && k->fWoche == woche) return;
    }
  }
  auto* konflikt = new TKonflikt;
  konflikt->IKonflikt(art, eigene, kurs, element, woche);
  liste.ListeEinfuegen(konflikt, [](const TKonflikt* a, const TKonflikt* b) {
    return static_cast<int>(a->fArt) - static_cast<int>(b->fArt);
  });
}

int32_t HoechsteSchwere(const TListe<TKonflikt>& liste) {
  int32_t schwere = 0;
  for (const TKonflikt* k : liste) schwere = std::max(schwere, k->fSchwere);
  return schwere;
}

}  // namespace orbato
