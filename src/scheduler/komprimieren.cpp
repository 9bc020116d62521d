#include "scheduler/komprimieren.h"

#include <algorithm>
#include <bit>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/klasse.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "placement/regeln.h"
#include "placement/setzen.h"
#include "placement/wochenspanne.h"
#include "scheduler/kettengrenze.h"

namespace orbato {
namespace {

// A chain moves at most this many hours for one gap.
constexpr int32_t kKettenTiefe = 7;

void Bewege(TKurs& kurs, int32_t woche, int32_t vonTag, int32_t vonStd, int32_t nachTag,
            int32_t nachStd, TRaum* raum) {
  SetzungEntfernen(kurs, kurs.SetzungFinden(woche, vonTag, vonStd));
  NeueSetzung(kurs, woche, nachTag, raum, nachStd);
}

// A well-spread 64-bit value of a word (the finaliser of SplitMix64).
uint64_t Streue(uint64_t x) {
  x += 0x9E3779B97F4A7C15u;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
  return x ^ (x >> 31);
}

// The share of one placement in the fingerprint of the plan: course, cell and room.
uint64_t Anteil(const TKurs& kurs, int32_t tag, int32_t std, const TRaum* raum) {
  const uint64_t k = Streue(std::bit_cast<uintptr_t>(&kurs));
  const uint64_t r = Streue(std::bit_cast<uintptr_t>(raum) ^ 0x5A5A5A5Au);
  return Streue(k ^ std::rotl(r, 17) ^ static_cast<uint64_t>(tag * 32 + std));
}

// The course's own lessons on that day decide about bridges and blocks.
bool HatStundeAmTag(const TKurs& kurs, int32_t woche, int32_t tag) {
  return kurs.fBesetzung.GetWocheTag(woche, tag) != 0;
}

bool HaeltNachbarStunde(const TKurs& kurs, int32_t woche, int32_t tag, int32_t std) {
  return (std > 1 && kurs.fBesetzung.GetWocheTagStd(woche, tag, std - 1)) ||
         (std < 16 && kurs.fBesetzung.GetWocheTagStd(woche, tag, std + 1));
}

}  // namespace

bool KompWarnung(Dialoge& dialoge) {
  return dialoge.FrageJaNein("Komprimieren",
                             {"Beim Komprimieren werden", "Stunden in den Pl\xE4nen verschoben.",
                              "Soll trotzdem komprimiert werden?"},
                             TMeldungsArt::Warnung);
}

int32_t SchulHohlStunden(const TSchule& schule) {
  const TWochenSpanne spanne = Wochenspanne();
  int32_t summe = 0;
  int32_t maxim = 0;
  std::array<int32_t, 8> maximum{};
  for (const TKlasse* k : schule.fKlassenMenge) {
    for (int32_t w = spanne.von; w <= spanne.bis; ++w) summe += k->HohlStunden(w, maxim, maximum);
  }
  return summe;
}

TKomprimierung::TKomprimierung(TSchule& schule)
    : fSchule(schule),
      fKlasse(schule.fKlassenMenge.ListeNrInhalt(1)),
      fVersion(Standard().ErsteAuswahlWoche()) {
  Berechnen();
}

void TKomprimierung::Berechnen() {
  fHohl = 0;
  fMaxim = 0;
  fMaximum.fill(0);
  fStand = 0;
  // Clearing an empty table would still wipe all its buckets, and most classes have none.
  if (!fGescheitert.empty()) fGescheitert.clear();
  fKursIn.fill(nullptr);
  if (fKlasse == nullptr) return;
  fHohl = fKlasse->HohlStunden(fVersion, fMaxim, fMaximum);
  fGrenze.Berechnen(*fKlasse, fVersion, fMaximum);
  KurseMerken();
}

// What FindeKurs answers for every cell, into the emptied table, from one walk over the class's
// courses in their order: a cell belongs to the first course placed there.
void TKomprimierung::KurseMerken() {
  for (TKurs* kurs : fKlasse->fKurse) {
    for (const TSetzung* s : kurs->fSetzungen) {
      if (s->fWoche != fVersion || s->fTag < 1 || s->fTag > 7 || s->fStunde < 1 || s->fStunde > 16)
        continue;
      TKurs*& erster = fKursIn[static_cast<size_t>(TKettenGrenze::Zelle(s->fTag, s->fStunde))];
      if (erster == nullptr) erster = kurs;
    }
  }
  // The candidate test asks the class's grid first.
  for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
    const auto belegt = static_cast<uint32_t>(fKlasse->fBesetzung.GetWocheTag(fVersion, tag));
    for (int32_t std = 1; std <= kMaxStunden; ++std) {
      if ((belegt >> (std - 1) & 1u) == 0)
        fKursIn[static_cast<size_t>(TKettenGrenze::Zelle(tag, std))] = nullptr;
    }
  }
}

void TKomprimierung::KursMerken(int32_t tag, int32_t std) {
  if (tag < 1 || tag > 7 || std < 1 || std > 16) return;
  TKurs*& kurs = fKursIn[static_cast<size_t>(TKettenGrenze::Zelle(tag, std))];
  kurs = fKlasse->fBesetzung.GetWocheTagStd(fVersion, tag, std)
             ? fKlasse->FindeKurs(fVersion, tag, std)
             : nullptr;
}

void TKomprimierung::Anzeigen() const {
  if (fZeigen) fZeigen();
}

void TKomprimierung::Eingaben() const {
  if (fEingaben) fEingaben();
}

void TKomprimierung::KlasseZeigen(TKlasse* klasse) {
  fKlasse = klasse;
  fNext = false;
  Berechnen();
  Anzeigen();
}

void TKomprimierung::AbbrechenClick() {
  fAbbruch = true;
  if (fLaeuft || fFertig) return;
  fFertig = true;
  if (fSchliessen) fSchliessen();
}

void TKomprimierung::BrueckenClick(bool an) {
  Standard().fKompBruecken = an;
}

void TKomprimierung::MehrfachClick(bool an) {
  Standard().fKompMehrfach = an;
}

TKurs* TKomprimierung::Kandidat(int32_t woche, int32_t cTag, int32_t cStd, int32_t gTag,
                                int32_t gStd) const {
  if (!fKlasse->fBesetzung.GetWocheTagStd(woche, cTag, cStd)) return nullptr;
  return Pruefe(fKlasse->FindeKurs(woche, cTag, cStd), woche, cTag, cStd, gTag, gStd);
}

TKurs* TKomprimierung::Pruefe(TKurs* kurs, int32_t woche, int32_t cTag, int32_t cStd, int32_t gTag,
                              int32_t gStd) const {
  const TSetzung* setzung = kurs ? kurs->SetzungFinden(woche, cTag, cStd) : nullptr;
  if (setzung == nullptr) return nullptr;
  // The tests that look at single cells first: counting the course's hours takes longer.
  const TStandard& s = Standard();
  if (cTag != gTag && !s.fKompBruecken && HatStundeAmTag(*kurs, woche, gTag)) return nullptr;
  if (!s.fKompMehrfach && HaeltNachbarStunde(*kurs, woche, cTag, cStd)) return nullptr;
  if (!KompVerschiebbar(*kurs, *setzung, woche)) return nullptr;
  return SetzungPossible(*kurs, woche, gTag, setzung->fRaum, gStd) ? kurs : nullptr;
}

void TKomprimierung::Verschiebe(const TZug& zug) {
  Bewege(*zug.kurs, zug.woche, zug.vonTag, zug.vonStd, zug.nachTag, zug.nachStd, zug.raum);
  fStand ^= Anteil(*zug.kurs, zug.vonTag, zug.vonStd, zug.raum) ^
            Anteil(*zug.kurs, zug.nachTag, zug.nachStd, zug.raum);
  ZellenMerken(zug);
  fZuege.push_back(zug);
}

void TKomprimierung::ZugZurueck(const TZug& zug) {
  Bewege(*zug.kurs, zug.woche, zug.nachTag, zug.nachStd, zug.vonTag, zug.vonStd, zug.raum);
  fStand ^= Anteil(*zug.kurs, zug.vonTag, zug.vonStd, zug.raum) ^
            Anteil(*zug.kurs, zug.nachTag, zug.nachStd, zug.raum);
  ZellenMerken(zug);
  fZuege.pop_back();
}

TKurs* TKomprimierung::ErsterKurs(int32_t woche, int32_t tag, int32_t std) const {
  if (woche == fVersion && tag >= 1 && tag <= kMaxTage)
    return fKursIn[static_cast<size_t>(TKettenGrenze::Zelle(tag, std))];
  return fKlasse->fBesetzung.GetWocheTagStd(woche, tag, std) ? fKlasse->FindeKurs(woche, tag, std)
                                                             : nullptr;
}

void TKomprimierung::ZellenMerken(const TZug& zug) {
  if (fKlasse == nullptr || zug.woche != fVersion) return;
  KursMerken(zug.vonTag, zug.vonStd);
  KursMerken(zug.nachTag, zug.nachStd);
}

void TKomprimierung::DurchgangZurueck() {
  while (!fZuege.empty()) ZugZurueck(TZug(fZuege.back()));
}

// Periods after the last one shown and days after the last school day are no targets: an hour
// moved there would vanish from every plan window.
//
// Two shortcuts leave out searches that would find nothing: a gap that needs more moves than the
// chain has left, and a gap that was searched in vain before in the same plan with as many moves
// left or more. The search depends on nothing but the plan and the day ends, and the plan is
// known by its fingerprint; the day ends, and with them the record, change only on Berechnen.
bool TKomprimierung::FuelleLuecke(int32_t woche, int32_t tag, int32_t std, int32_t tiefe) {
  const TStandard& s = Standard();
  if (tag < 1 || tag > s.fMaxTageNeu || std < 1 || std > s.fPlnStd) return false;
  const uint64_t versuch = Streue(fStand ^ static_cast<uint64_t>(tag * 32 + std));
  if (fGrenzeNutzen) {
    if (fGrenze.Mindestens(tag, std) > kKettenTiefe + 1 - tiefe) return false;
    const auto alt = fGescheitert.find(versuch);
    if (alt != fGescheitert.end() && alt->second <= tiefe) return false;
  }
  for (int32_t cStd = 16; cStd >= 1; --cStd) {
    for (int32_t cTag = 1; cTag <= s.fMaxTageNeu; ++cTag) {
      if (TKurs* kurs = Pruefe(ErsterKurs(woche, cTag, cStd), woche, cTag, cStd, tag, std)) {
        const TZug zug{
            kurs, woche, cTag, cStd, tag, std, kurs->SetzungFinden(woche, cTag, cStd)->fRaum};
        Verschiebe(zug);
        if (cStd == fMaximum[cTag]) return true;
        if (tiefe < kKettenTiefe && FuelleLuecke(woche, cTag, cStd, tiefe + 1)) return true;
        ZugZurueck(zug);
      }
      // A chain stopped deeper down has let the input in already.
      if (!Stop()) Eingaben();
      if (Stop()) return false;
    }
  }
  if (fGrenzeNutzen) {
    const auto [alt, neu] = fGescheitert.try_emplace(versuch, tiefe);
    if (!neu) alt->second = std::min(alt->second, tiefe);
  }
  return false;
}

void TKomprimierung::KompressKlasse(int32_t woche) {
  if (fAbbruch || fKlasse == nullptr) return;
  const bool andereVersion = woche != fVersion;
  fVersion = woche;
  Berechnen();
  if (andereVersion) Anzeigen();
  fNext = false;
  const TStandard& s = Standard();
  for (int32_t tag = 1; tag <= s.fMaxTageNeu; ++tag) {
    for (int32_t std = std::min(fMaxim - 1, s.fPlnStd); std >= 1; --std) {
      if (fKlasse->fBesetzung.GetWocheTagStd(woche, tag, std) ||
          fKlasse->fSperrung.GetWocheTagStd(woche, tag, std)) {
        continue;
      }
      fErfolgreich = FuelleLuecke(woche, tag, std, 1);
      if (fErfolgreich) {
        fKeinErfolg = false;
        Berechnen();
        Anzeigen();
      }
      if (fAbbruch) return;
    }
  }
}

void TKomprimierung::KlasseKomprimieren() {
  const TWochenSpanne spanne = Wochenspanne();
  for (int32_t w = spanne.von; w <= spanne.bis && !fAbbruch; ++w) KompressKlasse(w);
}

TKlasse* TKomprimierung::NaechsteKlasse() const {
  const TListe<TKlasse>& klassen = fSchule.fKlassenMenge;
  TKlasse* naechste = klassen.ListeNrInhalt(klassen.ListeElemNr(fKlasse) + 1);
  return naechste ? naechste : klassen.ListeNrInhalt(1);
}

bool TKomprimierung::DurchgangAbschliessen(int32_t& vorher) {
  const int32_t nachher = SchulHohlStunden(fSchule);
  if (nachher > vorher) {
    DurchgangZurueck();
    ++fZurueck;
    Berechnen();
    Anzeigen();
    return false;
  }
  fVerschiebungen += static_cast<int32_t>(fZuege.size());
  fZuege.clear();
  const bool weniger = nachher < vorher;
  vorher = nachher;
  return weniger;
}

void TKomprimierung::StartKnopfClick() {
  if (!StartAn()) return;
  // The whole run, however many passes, is one step of the history.
  TVerlaufSchritt schritt(fSchule);
  fLaeuft = true;
  Anzeigen();
  TKlasse* start = fKlasse;
  int32_t vorher = SchulHohlStunden(fSchule);
  bool weiter = start != nullptr;
  while (weiter) {
    ++fDurchgaenge;
    fKeinErfolg = true;
    do {
      KlasseKomprimieren();
      if (fAbbruch) break;
      KlasseZeigen(NaechsteKlasse());
    } while (fKlasse != start);
    weiter = DurchgangAbschliessen(vorher) && !fKeinErfolg && !fAbbruch;
  }
  fLaeuft = false;
  fFertig = true;
  Anzeigen();
  if (fSchliessen) fSchliessen();
}

}  // namespace orbato
