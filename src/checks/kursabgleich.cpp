// The first pass of the consistency check: every course's own grids, lesson counts and the
// back-references of the elements it names.
#include <array>

#include "checks/konsistenz.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/woche/wochbereich.h"

namespace orbato {

namespace {

using TKursOrdnung = int (*)(const TKurs*, const TKurs*);

// Placed lessons per version, index 1..kMaxWochen.
using TGesetzt = std::array<int32_t, kMaxWochen + 1>;

// The element must list the course; a missing entry goes where the course order puts it.
void Verweise(TElement* element, TKurs& kurs, TKursOrdnung ordnung, TAbgleich& abgleich) {
  if (element == nullptr || element->fKurse.ListeElemNr(&kurs) > 0) return;
  element->fKurse.ListeEinfuegen(&kurs, ordnung);
  abgleich.Laut();
}

// The room of a lesson is occupied and not blocked there, and knows the course.
void RaumBelegen(TRaum& raum, TKurs& kurs, const TSetzung& s, TAbgleich& abgleich) {
  if (!raum.fBesetzung.GetWocheTagStd(s.fWoche, s.fTag, s.fStunde)) {
    raum.fBesetzung.SetWocheTagStd(s.fWoche, s.fTag, true, s.fStunde);
    abgleich.Angeglichen(true);
  }
  if (raum.fSperrung.GetWocheTagStd(s.fWoche, s.fTag, s.fStunde)) {
    raum.fSperrung.SetWocheTagStd(s.fWoche, s.fTag, false, s.fStunde);
    abgleich.Angeglichen(true);
  }
  Verweise(&raum, kurs, KursVergleich, abgleich);
}

// Occupancy from the placements alone; the course's own blocking gives way to its lessons.
TGesetzt BesetzungNeu(TKurs& kurs, TAbgleich& abgleich) {
  TGesetzt gesetzt{};
  TWochBereich besetzung;
  for (TSetzung* s : kurs.fSetzungen) {
    if (!ImRaster(*s)) continue;
    besetzung.SetWocheTagStd(s->fWoche, s->fTag, true, s->fStunde);
    ++gesetzt[static_cast<std::size_t>(s->fWoche)];
    if (s->fRaum) RaumBelegen(*s->fRaum, kurs, *s, abgleich);
  }
  abgleich.Angeglichen(Uebernimm(kurs.fBesetzung, besetzung));
  abgleich.Angeglichen(Entsperre(kurs.fSperrung, besetzung));
  return gesetzt;
}

// No version may have fewer lessons than placements.
void StundenAnheben(TKurs& kurs, const TGesetzt& gesetzt, TAbgleich& abgleich) {
  const int32_t wochen = Standard().WochenZahl();
  for (int32_t w = 1; w <= wochen; ++w) {
    const int32_t zahl = gesetzt[static_cast<std::size_t>(w)];
    if (zahl == 0 || kurs.fStunden.GetWochenStunde(w) >= zahl) continue;
    kurs.fStunden.SetWochenStunde(w, zahl);
    abgleich.Laut();
  }
}

void Rueckverweise(TKurs& kurs, TAbgleich& abgleich) {
  Verweise(kurs.fLehrer, kurs, KursVergleich, abgleich);
  Verweise(kurs.fKopplung, kurs, KursVergleich, abgleich);
  Verweise(kurs.fFach, kurs, KursVergleich, abgleich);
  for (TKlasse* k : kurs.fKlassen) Verweise(k, kurs, KlassenKursVergleich, abgleich);
  for (TRaum* r : kurs.fRaeume) Verweise(r, kurs, KursVergleich, abgleich);
}

// A room added while placing is one of the course's rooms like any other.
void ErgaenzteRaeume(TKurs& kurs, TAbgleich& abgleich) {
  for (TRaum* r : kurs.fRaumErgaenzt) {
    Verweise(r, kurs, KursVergleich, abgleich);
    if (kurs.HatRaum(r)) continue;
    kurs.fRaeume.ListeAnhaengen(r);
    abgleich.Laut();
  }
}

void KursAbgleichen(TKurs& kurs, TAbgleich& abgleich) {
  const int32_t tage = Standard().fMaxTageNeu;
  if (kurs.fEinzelStd > tage) {
    kurs.fEinzelStd = tage;
    abgleich.Still();
  }
  StundenAnheben(kurs, BesetzungNeu(kurs, abgleich), abgleich);
  Rueckverweise(kurs, abgleich);
  ErgaenzteRaeume(kurs, abgleich);
}

}  // namespace

void KurseAbgleichen(TSchule& schule, TAbgleich& abgleich) {
  for (TKurs* k : schule.fKursMenge) KursAbgleichen(*k, abgleich);
}

}  // namespace orbato
