#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "placement/versionkopie.h"

namespace orbato {

class TSchule;
class TStandard;

// "Voreinstellung für Planversionen": what to copy, how much, from which version to which, and
// the inverted single-version mode "Aktionen möglichst für alle Planversionen gleichzeitig
// ausführen". Starts from the last choices kept in the settings and the current version.
class TVersionsWahl {
 public:
  TVersionsWahl(TSchule& schule, TStandard& standard);

  // "Lehrer", "Klassen", "Kopplungen", "Fächer", "Räume", "alle Kurse", in the order of
  // fVersKuerzel.
  static const std::vector<std::string>& WasTexte();

  TVersionsWas Was() const { return fWas; }
  // Another kind lists its own elements, none of them chosen.
  void SetzeWas(TVersionsWas was);
  // The elements of the kind in the order of their list; none for "alle Kurse".
  const std::vector<TElement*>& Elemente() const { return fElemente; }
  std::vector<std::string> ElementTexte() const;
  bool Gewaehlt(std::size_t i) const { return i < fGewaehlt.size() && fGewaehlt[i]; }
  void Waehle(std::size_t i, bool gewaehlt);

  bool AuchPlaene() const { return fAuchPlaene; }
  void SetzeAuchPlaene(bool auchPlaene) { fAuchPlaene = auchPlaene; }

  int32_t Versionen() const { return fVersionen; }
  int32_t Von() const { return fVon; }
  int32_t Zu() const { return fZu; }
  // Held inside 1..fMaxWocheNeu.
  void SetzeVon(int32_t von);
  void SetzeZu(int32_t zu);
  bool KopierenMoeglich() const { return fVon != fZu; }

  bool Gleichzeitig() const { return fGleichzeitig; }
  void SetzeGleichzeitig(bool gleichzeitig) { fGleichzeitig = gleichzeitig; }

  // "Kopieren": the copy of the choices as they stand; the chosen elements in list order.
  TVersionsKopie Kopie() const;
  TKopieErgebnis Kopieren();
  // "Ok": keeps both choices and the mode in the settings; when the mode changed every window
  // is redrawn and the answer is true.
  bool Uebernehmen();

 private:
  TSchule& fSchule;
  TStandard& fStandard;
  TVersionsWas fWas;
  std::vector<TElement*> fElemente;
  std::vector<bool> fGewaehlt;
  bool fAuchPlaene;
  int32_t fVersionen;
  int32_t fVon;
  int32_t fZu;
  bool fGleichzeitig;
};

}  // namespace orbato
