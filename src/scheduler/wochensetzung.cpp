#include "scheduler/wochensetzung.h"

#include <algorithm>
#include <bit>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/kopplung.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "placement/raeume.h"
#include "placement/setzen.h"
#include "scheduler/automatik.h"
#include "scheduler/raumsuche.h"

namespace orbato {
namespace {

int32_t StundenAmTag(const TKurs& kurs, int32_t woche, int32_t tag) {
  return std::popcount(static_cast<uint32_t>(kurs.fBesetzung.GetWocheTag(woche, tag)) & 0xFFFFu);
}

int32_t TagVor(int32_t tag) {
  return tag == 1 ? Standard().fMaxTageNeu : tag - 1;
}

int32_t TagNach(int32_t tag) {
  return tag == Standard().fMaxTageNeu ? 1 : tag + 1;
}

}  // namespace

bool VerteilungStimmt(const TKurs& kurs, int32_t woche) {
  const int32_t stunden = kurs.fStunden.GetWochenStunde(woche);
  const int32_t s = kurs.fStdProTag;
  int32_t summe = 0, einzeln = 0, volle = 0;
  for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
    const int32_t n = StundenAmTag(kurs, woche, tag);
    summe += n;
    if (n == 1) ++einzeln;
    if (n == s) ++volle;
  }
  if (summe != stunden || einzeln != kurs.fEinzelStd) return false;
  return s <= 1 || (volle == (stunden - einzeln) / s && volle >= 1);
}

TWochenSetzung::TWochenSetzung(TAutomatik& automatik, TKurs& kurs, int32_t woche)
    : fAutomatik(automatik),
      fKurs(kurs),
      fWoche(woche),
      fZellen(automatik.fRangfolge.Zellen(kurs.fTabellenNr)) {}

void TWochenSetzung::Setze(int32_t offen) {
  if (offen <= 0) return;
  fOffen = offen;
  if (const TWoElem* grid = fKurs.fBesetzung.GetWoche(fWoche)) fVorher = *grid;
  BlockPhase();
  EinzelPhase();
  if (!Standard().fAuEinzelUnwichtig) VerteilungPruefen();
}

bool TWochenSetzung::Unmoeglich(int32_t tag, int32_t std) const {
  return fKurs.fSetzungUnmoeglich.GetWocheTagStd(fWoche, tag, std);
}

int32_t TWochenSetzung::StundenAm(int32_t tag) const {
  return StundenAmTag(fKurs, fWoche, tag);
}

int32_t TWochenSetzung::Lauf(int32_t tag, int32_t std) const {
  if (Unmoeglich(tag, std)) return 0;
  int32_t lauf = 1;
  for (int32_t p = std + 1;
       p <= kMaxStunden - 1 && !Unmoeglich(tag, p) &&
       fAutomatik.fRangfolge.MitNaechsterVerbunden(fKurs.fTabellenNr, tag, p - 1);
       ++p) {
    ++lauf;
  }
  return lauf;
}

bool TWochenSetzung::NachbarnFrei(int32_t tag) const {
  return StundenAm(TagVor(tag)) == 0 && StundenAm(TagNach(tag)) == 0;
}

bool TWochenSetzung::HatUnmoeglicheZelle(int32_t tag) const {
  for (int32_t std = 1; std <= kMaxStunden; ++std) {
    if (Unmoeglich(tag, std)) return true;
  }
  return false;
}

void TWochenSetzung::BlockPhase() {
  const int32_t s = std::max(1, fKurs.fStdProTag);
  // Each block size from s down to 1 gets a strict pass (a even: the neighbour days free) and a
  // loose one.
  for (int32_t a = 2 * s; a >= 1; --a) {
    const int32_t c = (a + 1) / 2;
    bool gesetzt = true;
    while (gesetzt && fOffen >= c) {
      gesetzt = false;
      for (const TRangZelle& zelle : fZellen) {
        if (fOffen < c) break;
        const int32_t lauf = Lauf(zelle.fTag, zelle.fStd);
        if (lauf < a && lauf < s) continue;
        if (a % 2 == 0 && !NachbarnFrei(zelle.fTag)) continue;
        if (StundenAm(zelle.fTag) > 0) continue;
        for (int32_t p = zelle.fStd; p < zelle.fStd + c; ++p) SetzeStunde(zelle.fTag, p);
        fOffen -= c;
        gesetzt = true;
      }
    }
  }
}

void TWochenSetzung::EinzelPhase() {
  const TStandard& st = Standard();
  const int32_t soll = std::min(fKurs.fEinzelStd, fKurs.fStunden.GetWochenStunde(fWoche));
  if (soll <= 0) return;
  int32_t einzeln = 0, kandidaten = 0;
  for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) {
    if (StundenAm(tag) == 1) ++einzeln;
    if (StundenAm(tag) == 0 && HatUnmoeglicheZelle(tag)) ++kandidaten;
  }
  const int32_t fehlend = soll - fOffen - einzeln;
  if (fehlend <= 0) return;
  int32_t zuege = std::min(fehlend, kandidaten);
  while (zuege > 0) {
    --zuege;
    TSetzung* weg = RandStunde();
    if (weg == nullptr) return;
    const int32_t tag = weg->fTag;
    NimmZurueck(tag, weg->fStunde);
    if (StundenAm(tag) == 1) --zuege;
    EinzelnSetzen();
  }
}

TSetzung* TWochenSetzung::RandStunde() const {
  TSetzung* beste = nullptr;
  int32_t besteZahl = 0;
  for (TSetzung* s : fKurs.fSetzungen) {
    if (s->fWoche != fWoche || s->fFixiert) continue;
    const int32_t zahl = StundenAm(s->fTag);
    if (zahl < 2) continue;
    const auto tag = static_cast<uint32_t>(fKurs.fBesetzung.GetWocheTag(fWoche, s->fTag));
    const int32_t erste = std::countr_zero(tag) + 1;
    const int32_t letzte = 32 - std::countl_zero(tag & 0xFFFFu);
    if (s->fStunde != erste && s->fStunde != letzte) continue;
    if (beste == nullptr || zahl < besteZahl) {
      beste = s;
      besteZahl = zahl;
    }
  }
  return beste;
}

bool TWochenSetzung::EinzelnSetzen() {
  const int32_t tage = Standard().fMaxTageNeu;
  for (const bool mitNachbarn : {true, false}) {
    for (const TRangZelle& zelle : fZellen) {
      if (zelle.fTag > tage || StundenAm(zelle.fTag) > 0 || !HatUnmoeglicheZelle(zelle.fTag) ||
          Unmoeglich(zelle.fTag, zelle.fStd))
        continue;
      if (mitNachbarn && !NachbarnFrei(zelle.fTag)) continue;
      SetzeStunde(zelle.fTag, zelle.fStd);
      return true;
    }
  }
  return false;
}

void TWochenSetzung::VerteilungPruefen() {
  if (fAutomatik.fVerteilung != TVerteilungsPruefung::Zuruecknehmen ||
      VerteilungStimmt(fKurs, fWoche))
    return;
  for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
    for (int32_t std = 1; std <= kMaxStunden; ++std) {
      if (fKurs.fBesetzung.GetWocheTagStd(fWoche, tag, std) && !fVorher.GetTagStd(tag, std))
        NimmZurueck(tag, std);
    }
  }
}

void TWochenSetzung::NimmZurueck(int32_t tag, int32_t std) {
  const auto zaehle = [&](TKurs& k) {
    if (k.SetzungFinden(fWoche, tag, std) != nullptr) fAutomatik.Gezaehlt(-1);
  };
  for (TKurs* k : fKurs.MitKopplung()) zaehle(*k);
  LoescheSetzung(fKurs, fWoche, tag, true, std);
}

void TWochenSetzung::SetzeStunde(int32_t tag, int32_t std) {
  std::vector<TKurs*> gesetzt;
  std::vector<TSetzung*> setzungen;
  for (TKurs* k : fKurs.MitKopplung()) {
    if (k->RestStunden(fWoche) <= 0) continue;
    if (k->fSetzungUnmoeglich.GetWocheTagStd(fWoche, tag, std)) Schule().Dialog().Piep();
    TSetzung* s = NeueSetzung(*k, fWoche, tag, nullptr, std);
    if (s == nullptr) continue;
    fAutomatik.Gezaehlt(1);
    k->fSetzungUnmoeglich.SetWocheTagStd(fWoche, tag, true, std);
    gesetzt.push_back(k);
    setzungen.push_back(s);
  }
  RaeumeVergeben(gesetzt, setzungen, tag, std);
}

void TWochenSetzung::RaeumeVergeben(const std::vector<TKurs*>& kurse,
                                    const std::vector<TSetzung*>& setzungen, int32_t tag,
                                    int32_t std) {
  if (Standard().fAuRaumUnwichtig || fKurs.fKopplung == nullptr) {
    for (std::size_t i = 0; i < kurse.size(); ++i) {
      if (TRaum* raum = FreierRaum(*kurse[i], fWoche, tag, std))
        AendereRaumInSetzung(*kurse[i], setzungen[i], raum);
    }
    return;
  }
  const auto wahl = VerschiedeneRaeume(kurse, fWoche, tag, std);
  if (!wahl) return;
  for (std::size_t i = 0; i < kurse.size(); ++i) {
    if ((*wahl)[i] != nullptr) AendereRaumInSetzung(*kurse[i], setzungen[i], (*wahl)[i]);
  }
}

}  // namespace orbato
