#include "substitution/vstunden.h"

#include <algorithm>

#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "model/uv/stundenwert.h"

namespace orbato {

TVStunden::TVStunden(TSchule& schule) : fSchule(schule) {}

void TVStunden::SetTabelle(int tabelle) {
  fTabelle = tabelle == 2 ? 2 : 1;
}

void TVStunden::SetZeile(int32_t zeile) {
  fZeile = std::clamp(zeile, 1, std::max(1, Zeilen()));
}

int32_t TVStunden::Zeilen() const {
  return fSchule.fLehrerMenge.ListeZahlElemente();
}

TLehrer* TVStunden::Lehrer(int32_t zeile) const {
  if (zeile < 1 || zeile > Zeilen()) return nullptr;
  return fSchule.fLehrerMenge.ListeNrInhalt(zeile);
}

std::string TVStunden::Kuerzel(int32_t zeile) const {
  const TLehrer* l = Lehrer(zeile);
  return l ? l->fKuerzel.str() : std::string();
}

std::string TVStunden::Wert(int tabelle, int32_t zeile) const {
  const TLehrer* l = Lehrer(zeile);
  return l ? StundenWert(Zaehler(*l, tabelle)) : std::string();
}

int32_t TVStunden::Zaehler(const TLehrer& l, int tabelle) const {
  return tabelle == 2 ? l.fVStunden2 : l.fVStunden1;
}

void TVStunden::SetZaehler(TLehrer& l, int32_t wert) const {
  if (fTabelle == 2) {
    l.SetVStunden2(wert);
  } else {
    l.SetVStunden1(wert);
  }
}

// The counters hold time units; the planner corrects by whole hours.
void TVStunden::Schritt(int richtung) {
  TLehrer* l = Lehrer(fZeile);
  if (l == nullptr || richtung == 0) return;
  const int32_t stunde = std::max(1, Standard().fDivisor);
  SetZaehler(*l, Zaehler(*l, fTabelle) + (richtung > 0 ? stunde : -stunde));
  fSchule.SetDirty();
}

void TVStunden::Ruecksetzen() {
  TLehrer* gewaehlt = Lehrer(fZeile);
  if (gewaehlt == nullptr) return;
  const int antwort = fSchule.Dialog().Frage(
      "Vertretene Stunden", {"Setze die vertretenen Stunden", "auf Null f\xFCr ..."},
      {"Alle Lehrer", gewaehlt->fKuerzel.str(), "Abbrechen"});
  if (antwort == 0) {
    for (TLehrer* l : fSchule.fLehrerMenge) SetZaehler(*l, 0);
  } else if (antwort == 1) {
    SetZaehler(*gewaehlt, 0);
  } else {
    return;
  }
  fSchule.SetDirty();
}

bool VStundenMoeglich(const TSchule& schule) {
  return schule.fLehrerMenge.ListeZahlElemente() > 0;
}

}  // namespace orbato
