#include "placement/versionswahl.h"

#include <algorithm>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"

namespace orbato {
namespace {

template <class T>
void Anhaengen(std::vector<TElement*>& elemente, const TListe<T>& liste) {
  for (T* e : liste) elemente.push_back(e);
}

std::vector<TElement*> ElementeVon(const TSchule& schule, TVersionsWas was) {
  std::vector<TElement*> elemente;
  switch (was) {
    case kVersLehrer:
      Anhaengen(elemente, schule.fLehrerMenge);
      break;
    case kVersKlassen:
      Anhaengen(elemente, schule.fKlassenMenge);
      break;
    case kVersKopplungen:
      Anhaengen(elemente, schule.fKopplMenge);
      break;
    case kVersFaecher:
      Anhaengen(elemente, schule.fFachMenge);
      break;
    case kVersRaeume:
      Anhaengen(elemente, schule.fRaumMenge);
      break;
    case kVersAlleKurse:
      break;
  }
  return elemente;
}

TVersionsWas GueltigesWas(int32_t was) {
  return static_cast<TVersionsWas>(std::clamp<int32_t>(was, kVersLehrer, kVersAlleKurse));
}

}  // namespace

TVersionsWahl::TVersionsWahl(TSchule& schule, TStandard& standard)
    : fSchule(schule),
      fStandard(standard),
      fWas(GueltigesWas(standard.fVersKuerzel)),
      fAuchPlaene(standard.fVersAuchPlan),
      fVersionen(standard.WochenZahl()),
      fVon(std::clamp(standard.fAktuelleWoche, 1, fVersionen)),
      fZu(fVon),
      fGleichzeitig(!standard.fEineWoche) {
  SetzeWas(fWas);
}

const std::vector<std::string>& TVersionsWahl::WasTexte() {
  static const std::vector<std::string> kTexte{"Lehrer",
                                               "Klassen",
                                               "Kopplungen",
                                               "F\xE4"
                                               "cher",
                                               "R\xE4ume",
                                               "alle Kurse"};
  return kTexte;
}

void TVersionsWahl::SetzeWas(TVersionsWas was) {
  fWas = GueltigesWas(was);
  fElemente = ElementeVon(fSchule, fWas);
  fGewaehlt.assign(fElemente.size(), false);
}

std::vector<std::string> TVersionsWahl::ElementTexte() const {
  std::vector<std::string> texte;
  for (const TElement* e : fElemente) texte.push_back(e->fKuerzel.str());
  return texte;
}

void TVersionsWahl::Waehle(std::size_t i, bool gewaehlt) {
  if (i < fGewaehlt.size()) fGewaehlt[i] = gewaehlt;
}

void TVersionsWahl::SetzeVon(int32_t von) {
  fVon = std::clamp(von, 1, fVersionen);
}

void TVersionsWahl::SetzeZu(int32_t zu) {
  fZu = std::clamp(zu, 1, fVersionen);
}

TVersionsKopie TVersionsWahl::Kopie() const {
  TVersionsKopie kopie;
  kopie.fWas = fWas;
  for (std::size_t i = 0; i < fElemente.size(); ++i) {
    if (fGewaehlt[i]) kopie.fElemente.push_back(fElemente[i]);
  }
  kopie.fAuchPlaene = fAuchPlaene;
  kopie.fVon = fVon;
  kopie.fZu = fZu;
  return kopie;
}

TKopieErgebnis TVersionsWahl::Kopieren() {
  return VersionKopieren(fSchule, Kopie());
}

bool TVersionsWahl::Uebernehmen() {
  fStandard.fVersKuerzel = fWas;
  fStandard.fVersAuchPlan = fAuchPlaene;
  const bool eineWoche = !fGleichzeitig;
  if (eineWoche == fStandard.fEineWoche) return false;
  fStandard.fEineWoche = eineWoche;
  fSchule.AlleFensterUpdate();
  return true;
}

}  // namespace orbato
