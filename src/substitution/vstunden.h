#pragma once

#include <cstdint>
#include <string>

namespace orbato {

class TLehrer;
class TSchule;

// The state of the window "Vertretene Stunden": the teachers' running totals of substitution
// hours, counter 1 in "Tabelle 1" and counter 2 in "Tabelle 2", one row per teacher in list order.
// The arrows change the selected teacher's counter of the table shown by one hour (fDivisor time
// units); "Rücksetzen" sets that counter to 0 for every teacher or for the selected one.
class TVStunden {
 public:
  explicit TVStunden(TSchule& schule);

  // 1 or 2; anything else is taken as 1.
  void SetTabelle(int tabelle);
  int Tabelle() const { return fTabelle; }
  // The selected row, 1-based, kept within the teachers.
  void SetZeile(int32_t zeile);
  int32_t Zeile() const { return fZeile; }
  int32_t Zeilen() const;
  TLehrer* Lehrer(int32_t zeile) const;

  std::string Kuerzel(int32_t zeile) const;
  // The counter of that table as an hour value.
  std::string Wert(int tabelle, int32_t zeile) const;

  // One hour up (+1) or down (-1) for the selected teacher in the table shown.
  void Schritt(int richtung);
  // "Setze die vertretenen Stunden" / "auf Null für ..." with "Alle Lehrer", the selected
  // teacher's short name and "Abbrechen".
  void Ruecksetzen();

 private:
  int32_t Zaehler(const TLehrer& l, int tabelle) const;
  void SetZaehler(TLehrer& l, int32_t wert) const;

  TSchule& fSchule;
  int fTabelle = 1;
  int32_t fZeile = 1;
};

// The window opens only on a document with teachers.
bool VStundenMoeglich(const TSchule& schule);

}  // namespace orbato
