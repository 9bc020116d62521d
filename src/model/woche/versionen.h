#pragma once

#include <cstdint>

namespace orbato {

class TSchule;
class TStandard;

// The number of plan versions of a document and its days per week, as the dialog "Voreinstellung
// für Eckdaten" changes them. Questions go through the document's dialogs.

// Grows every week range and hour list of the document to `wochen` versions. In the new versions
// the two school-wide ranges get the templates fGrWoElem and fKuWoElem; lessons and targets are 0,
// blocking and occupancy empty. Then fMaxWocheNeu := wochen; the document is marked changed.
void VersionErweitern(TSchule& schule, int32_t wochen);
// Shrinks to `wochen` versions. With lessons placed in a version above it, "In den zu löschenden
// Planversionen sind Stunden verplant. Trotzdem löschen?" is asked first and "Nein" changes
// nothing (answer false). Otherwise those placements go with their substitution records, every
// range and list is cut, calendar weeks of a removed version go to version 1, fMaxWocheNeu :=
// wochen (fAktuelleWoche lowered to it), and the document is marked changed.
bool VersionVerkleinern(TSchule& schule, int32_t wochen);

// The largest day on which any lesson is placed, at least 5.
int32_t GroessterBelegterTag(const TSchule& schule);
// Sets fMaxTageNeu to `tage`. When lessons lie on a day above it, "Stunden löschen" asks; "Ja"
// deletes them with their occupancy marks, "Nein" keeps the largest used day instead. Returns the
// days per week now in force.
int32_t TageReduzieren(TSchule& schule, int32_t tage);

// The values of "Voreinstellung für Eckdaten".
struct TEckdaten {
  int32_t fTage = 7;          // fMaxTageNeu, 5..7
  int32_t fPlnStd = 6;        // periods shown, 1..16
  int32_t fVersionen = 1;     // fMaxWocheNeu, 1..54
  int32_t fDivisor = 1;       // smallest time unit 1/fDivisor hour, 1..100
  int32_t fVorKomma = 2;      // 1..3
  int32_t fNachKomma = 1;     // 0..3
  int32_t fVertrMerke = 10;   // days of substitution history, 0..9999
  int32_t fSpeicherZeit = 0;  // minutes between save reminders, 0 = none, 0..9999

  friend bool operator==(const TEckdaten&, const TEckdaten&) = default;
};

TEckdaten EckdatenAus(const TStandard& standard);
// The dialog's "Ok": the version count first (growing, or shrinking after its question), then the
// days (with their question), then the other values are stored; every window is refreshed.
// Values outside the ranges above are clamped into them.
void EckdatenUebernehmen(TSchule& schule, TStandard& standard, const TEckdaten& werte);

}  // namespace orbato
