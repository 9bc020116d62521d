#include "scheduler/nachbessermodell.h"

#include <algorithm>
#include <bit>
#include <map>

#include "model/einstellungen/standard.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "placement/setzen.h"
#include "scheduler/rangfolge.h"

namespace orbato {
namespace {

using TZellen = TNachbesserModell::TZellen;

TZellen Bits(const TWochBereich& bereich, int32_t woche) {
  TZellen z;
  for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
    const auto wort = static_cast<uint32_t>(bereich.GetWocheTag(woche, tag));
    for (int32_t std = 1; std <= kMaxStunden; ++std) {
      if (wort >> (std - 1) & 1u)
        z.set(static_cast<std::size_t>(TNachbesserModell::Zelle(tag, std)));
    }
  }
  return z;
}

uint32_t Bit(int zelle) {
  return 1u << (zelle % 16);
}

// Bit p-1 set where periods p and p + 1 are both set.
uint32_t Paare(uint32_t bits) {
  return bits & (bits >> 1);
}

// Per day the periods the course's rating table links with the next one, bit p-1.
std::array<uint32_t, 8> Verbindungen(const TRangfolge& rangfolge, int32_t tabelle) {
  std::array<uint32_t, 8> tage{};
  for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
    for (int32_t std = 1; std < kMaxStunden; ++std) {
      if (rangfolge.MitNaechsterVerbunden(tabelle, tag, std))
        tage[static_cast<std::size_t>(tag - 1)] |= 1u << (std - 1);
    }
  }
  return tage;
}

// The cells a course holds in the version, in the order of the week: the events, and with them
// every choice of a search, follow the plan and not the order its placements were made in, so
// that a plan taken back and searched again comes out the same.
std::vector<int> ZellenDerWoche(const TKurs& kurs, int32_t woche) {
  std::vector<int> zellen;
  for (const TSetzung* s : kurs.fSetzungen) {
    if (s->fWoche == woche) zellen.push_back(TNachbesserModell::Zelle(s->fTag, s->fStunde));
  }
  std::sort(zellen.begin(), zellen.end());
  return zellen;
}

void Entnimm(std::vector<int>& liste, int e) {
  const auto it = std::find(liste.begin(), liste.end(), e);
  if (it != liste.end()) liste.erase(it);
}

bool Enthalten(const std::vector<int>& liste, int e) {
  return std::find(liste.begin(), liste.end(), e) != liste.end();
}

}  // namespace

TNachbesserModell::TNachbesserModell(const std::vector<TKurs*>& alleKurse,
                                     const std::vector<TKurs*>& beweglich, int32_t woche)
    : fWoche(woche), fRaeumeWichtig(!Standard().fAuRaumUnwichtig) {
  const TStandard& st = Standard();
  for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) {
    for (int32_t std = 1; std <= st.fPlnStd; ++std) fSchulZellen.push_back(Zelle(tag, std));
  }
  ElementeAufnehmen(alleKurse);
  SetzungenAufnehmen(beweglich);
  const std::size_t gesetzte = fEreignisse.size();
  OffeneAufnehmen(beweglich);
  ElementeDerEreignisse(gesetzte);
}

void TNachbesserModell::ElementeDerEreignisse(std::size_t ab) {
  for (std::size_t e = ab; e < fEreignisse.size(); ++e) {
    TEreignis& ev = fEreignisse[e];
    for (int kurs : ev.kurse) {
      const TKursDaten& d = fKurse[static_cast<std::size_t>(kurs)];
      if (d.lehrer >= 0 && !Enthalten(ev.lehrer, d.lehrer)) ev.lehrer.push_back(d.lehrer);
      for (int k : d.klassen) {
        if (!Enthalten(ev.klassen, k)) ev.klassen.push_back(k);
      }
    }
    fKopplungVon.push_back(ev.kopplung);
  }
}

int TNachbesserModell::Index(std::unordered_map<const void*, int>& tabelle, const void* element,
                             int& zahl) {
  if (element == nullptr) return -1;
  const auto [it, neu] = tabelle.try_emplace(element, zahl);
  if (neu) ++zahl;
  return it->second;
}

void TNachbesserModell::ElementeAufnehmen(const std::vector<TKurs*>& alleKurse) {
  const TRangfolge rangfolge(Standard());
  int kursZahl = 0;
  for (TKurs* kurs : alleKurse) {
    Index(fKursIndex, kurs, kursZahl);
    TKursDaten d;
    d.kurs = kurs;
    const int l = Index(fLehrerIndex, kurs->fLehrer, fLehrerZahl);
    d.lehrer = l;
    if (l == static_cast<int>(fLehrerGesperrt.size())) {
      fLehrerGesperrt.push_back(Bits(kurs->fLehrer->fSperrung, fWoche));
      fLehrer.push_back(kurs->fLehrer);
    }
    for (TKlasse* klasse : kurs->fKlassen) {
      const int k = Index(fKlassenIndex, klasse, fKlassenZahl);
      if (k == static_cast<int>(fKlasseGesperrt.size())) {
        fKlasseGesperrt.push_back(Bits(klasse->fSperrung, fWoche));
        fKlassen.push_back(klasse);
      }
      d.klassen.push_back(k);
    }
    for (TRaum* raum : kurs->fRaeume) {
      const int r = Index(fRaumIndex, raum, fRaumZahl);
      if (r == static_cast<int>(fRaumGesperrt.size())) {
        fRaumGesperrt.push_back(Bits(raum->fSperrung, fWoche));
        fRaeume.push_back(raum);
      }
      d.raeume.push_back(r);
    }
    d.kopplung = Index(fKopplungIndex, kurs->fKopplung, fKopplungZahl);
    d.stdProTag = std::max(1, kurs->fStdProTag);
    d.gesperrt = Bits(kurs->fSperrung, fWoche);
    d.paare = Verbindungen(rangfolge, kurs->fTabellenNr);
    fKurse.push_back(std::move(d));
  }
  // Rooms that lessons use without being in their course's list still count as occupied.
  for (TKurs* kurs : alleKurse) {
    for (const TSetzung* s : kurs->fSetzungen) {
      if (s->fRaum == nullptr) continue;
      const int r = Index(fRaumIndex, s->fRaum, fRaumZahl);
      if (r == static_cast<int>(fRaumGesperrt.size())) {
        fRaumGesperrt.push_back(Bits(s->fRaum->fSperrung, fWoche));
        fRaeume.push_back(s->fRaum);
      }
    }
  }
  fLehrerBelegt.Anlegen(fLehrerZahl);
  fKlasseBelegt.Anlegen(fKlassenZahl);
  fRaumBelegt.Anlegen(fRaumZahl);
}

void TNachbesserModell::SetzungenAufnehmen(const std::vector<TKurs*>& beweglich) {
  std::unordered_map<const void*, bool> darf;
  for (const TKurs* k : beweglich) darf[k] = true;
  std::map<std::pair<int, int>, int> kopplungsZelle;  // (coupling, cell) -> event
  for (TKursDaten& d : fKurse) {
    const int kurs = static_cast<int>(&d - fKurse.data());
    for (const int zelle : ZellenDerWoche(*d.kurs, fWoche)) {
      const TSetzung* s = d.kurs->SetzungFinden(fWoche, Tag(zelle), Stunde(zelle));
      int e = -1;
      if (d.kopplung >= 0) {
        const auto it = kopplungsZelle.find({d.kopplung, zelle});
        if (it != kopplungsZelle.end()) e = it->second;
      }
      if (e < 0) {
        e = static_cast<int>(fEreignisse.size());
        fEreignisse.emplace_back();
        fEreignisse.back().kopplung = d.kopplung;
        fEreignisse.back().zelle = fEreignisse.back().start = zelle;
        if (d.kopplung >= 0) kopplungsZelle[{d.kopplung, zelle}] = e;
      }
      TEreignis& ev = fEreignisse[static_cast<std::size_t>(e)];
      ev.kurse.push_back(kurs);
      const int raum = s->fRaum ? fRaumIndex.at(s->fRaum) : -1;
      ev.raeume.push_back(raum);
      ev.startRaeume.push_back(raum);
      // A lesson outside the shown week stays where it is, as do those of other courses.
      const bool imPlan =
          std::find(fSchulZellen.begin(), fSchulZellen.end(), zelle) != fSchulZellen.end();
      if (s->fFixiert || !darf.count(d.kurs) || !imPlan) ev.fix = true;
    }
  }
  ElementeDerEreignisse(0);
  for (std::size_t e = 0; e < fEreignisse.size(); ++e) Belege(static_cast<int>(e), true);
  // Blocks placed by hand, or fixed, may run across a missing link; they stay allowed.
  for (TKursDaten& d : fKurse) {
    for (std::size_t tag = 0; tag < d.tage.size(); ++tag) d.paare[tag] |= Paare(d.tage[tag]);
  }
}

void TNachbesserModell::OffeneAufnehmen(const std::vector<TKurs*>& beweglich) {
  std::vector<bool> gesehen(static_cast<std::size_t>(fKopplungZahl), false);
  for (TKurs* kurs : beweglich) {
    const auto it = fKursIndex.find(kurs);
    if (it == fKursIndex.end() || kurs->fNichtVerplanen) continue;
    const TKursDaten& d = fKurse[static_cast<std::size_t>(it->second)];
    if (d.kopplung < 0) {
      for (int32_t i = 0; i < kurs->RestStunden(fWoche); ++i) {
        fEreignisse.emplace_back();
        fEreignisse.back().kurse = {it->second};
        fEreignisse.back().raeume = {-1};
      }
      continue;
    }
    if (gesehen[static_cast<std::size_t>(d.kopplung)]) continue;
    gesehen[static_cast<std::size_t>(d.kopplung)] = true;
    // The coupling's open hours go in together, as far as each of its courses has some left.
    std::vector<std::pair<int, int32_t>> offen;
    int32_t meiste = 0;
    for (TKurs* k : kurs->fKopplung->fKurse) {
      const auto ki = fKursIndex.find(k);
      if (ki == fKursIndex.end() || k->fNichtVerplanen || k->RestStunden(fWoche) <= 0) continue;
      offen.emplace_back(ki->second, k->RestStunden(fWoche));
      meiste = std::max(meiste, k->RestStunden(fWoche));
    }
    for (int32_t j = 0; j < meiste; ++j) {
      TEreignis ev;
      ev.kopplung = d.kopplung;
      for (const auto& [k, n] : offen) {
        if (n > j) ev.kurse.push_back(k);
      }
      ev.raeume.assign(ev.kurse.size(), -1);
      fEreignisse.push_back(std::move(ev));
    }
  }
}

void TNachbesserModell::Belege(int e, bool setzen) {
  TEreignis& ev = fEreignisse[static_cast<std::size_t>(e)];
  const int z = ev.zelle;
  const auto zelle = static_cast<std::size_t>(z);
  const auto trage = [&](std::vector<int>& liste) {
    if (setzen) {
      liste.push_back(e);
    } else {
      Entnimm(liste, e);
    }
  };
  for (std::size_t i = 0; i < ev.kurse.size(); ++i) {
    TKursDaten& d = fKurse[static_cast<std::size_t>(ev.kurse[i])];
    uint32_t& tag = d.tage[static_cast<std::size_t>(z / 16)];
    tag = setzen ? tag | Bit(z) : tag & ~Bit(z);
    if (ev.raeume[i] >= 0) trage(fRaumBelegt(ev.raeume[i], zelle));
  }
  for (int l : ev.lehrer) trage(fLehrerBelegt(l, zelle));
  for (int k : ev.klassen) trage(fKlasseBelegt(k, zelle));
}

void TNachbesserModell::Setze(int e, int zelle, const std::vector<int>& raeume) {
  TEreignis& ev = fEreignisse[static_cast<std::size_t>(e)];
  ev.zelle = zelle;
  ev.raeume = raeume;
  Belege(e, true);
}

void TNachbesserModell::Entferne(int e) {
  Belege(e, false);
  TEreignis& ev = fEreignisse[static_cast<std::size_t>(e)];
  ev.zelle = -1;
  std::fill(ev.raeume.begin(), ev.raeume.end(), -1);
}

bool TNachbesserModell::EinBlock(uint32_t bits) {
  if (bits == 0) return true;
  const uint32_t lauf = bits >> std::countr_zero(bits);
  return (lauf & (lauf + 1)) == 0;
}

void TNachbesserModell::Hindernisse(int e, int zelle, std::vector<int>& weg) const {
  weg.clear();
  const TEreignis& ev = fEreignisse[static_cast<std::size_t>(e)];
  const auto z = static_cast<std::size_t>(zelle);
  const auto stoert = [&](int x) {
    if (x != e && !Enthalten(weg, x)) weg.push_back(x);
  };
  for (int l : ev.lehrer) {
    for (int x : fLehrerBelegt(l, z)) stoert(x);
  }
  for (int k : ev.klassen) {
    for (int x : fKlasseBelegt(k, z)) {
      if (ev.kopplung < 0 || fKopplungVon[static_cast<std::size_t>(x)] != ev.kopplung) stoert(x);
    }
  }
}

bool TNachbesserModell::Herausnehmbar(int e) const {
  const TEreignis& ev = fEreignisse[static_cast<std::size_t>(e)];
  for (int kurs : ev.kurse) {
    if (!TagErlaubtWeg(kurs, ev.zelle)) return false;
  }
  return true;
}

TNachbesserModell::TStand TNachbesserModell::Stand() const {
  TStand s;
  s.zellen.reserve(fEreignisse.size());
  s.raeume.reserve(fEreignisse.size());
  for (const TEreignis& ev : fEreignisse) {
    s.zellen.push_back(ev.zelle);
    s.raeume.push_back(ev.raeume);
  }
  return s;
}

void TNachbesserModell::Herstellen(const TStand& s) {
  for (std::size_t e = 0; e < fEreignisse.size(); ++e) {
    if (fEreignisse[e].zelle >= 0 && !fEreignisse[e].fix) Entferne(static_cast<int>(e));
  }
  for (std::size_t e = 0; e < fEreignisse.size(); ++e) {
    if (s.zellen[e] >= 0 && fEreignisse[e].zelle < 0)
      Setze(static_cast<int>(e), s.zellen[e], s.raeume[e]);
  }
}

void TNachbesserModell::Uebernehmen() const {
  const auto geaendert = [](const TEreignis& ev, std::size_t i) {
    return ev.zelle != ev.start || ev.raeume[i] != ev.startRaeume[i];
  };
  const auto kursVon = [this](const TEreignis& ev, std::size_t i) -> TKurs& {
    return *fKurse[static_cast<std::size_t>(ev.kurse[i])].kurs;
  };
  // First every lesson that moves or changes its room leaves its old cell, then the lessons go
  // into their new ones with their rooms, so that no placement meets one about to move and the
  // journal holds every change, rooms included.
  for (const TEreignis& ev : fEreignisse) {
    if (ev.fix || ev.start < 0) continue;
    for (std::size_t i = 0; i < ev.kurse.size(); ++i) {
      if (!geaendert(ev, i)) continue;
      TKurs& kurs = kursVon(ev, i);
      SetzungEntfernen(kurs, kurs.SetzungFinden(fWoche, Tag(ev.start), Stunde(ev.start)));
    }
  }
  for (const TEreignis& ev : fEreignisse) {
    if (ev.fix || ev.zelle < 0) continue;
    for (std::size_t i = 0; i < ev.kurse.size(); ++i) {
      if (ev.start >= 0 && !geaendert(ev, i)) continue;
      TRaum* raum = ev.raeume[i] >= 0 ? fRaeume[static_cast<std::size_t>(ev.raeume[i])] : nullptr;
      NeueSetzung(kursVon(ev, i), fWoche, Tag(ev.zelle), raum, Stunde(ev.zelle));
    }
  }
}

int TNachbesserModell::OffeneStunden() const {
  int n = 0;
  for (const TEreignis& ev : fEreignisse) {
    if (ev.zelle < 0) n += static_cast<int>(ev.kurse.size());
  }
  return n;
}

bool TNachbesserModell::TagErlaubt(int kurs, std::size_t tag, uint32_t bits) const {
  const TKursDaten& d = fKurse[static_cast<std::size_t>(kurs)];
  return std::popcount(bits) <= d.stdProTag && EinBlock(bits) && (Paare(bits) & ~d.paare[tag]) == 0;
}

bool TNachbesserModell::TagErlaubtDazu(int kurs, int zelle) const {
  const auto tag = static_cast<std::size_t>(zelle / 16);
  return TagErlaubt(kurs, tag, fKurse[static_cast<std::size_t>(kurs)].tage[tag] | Bit(zelle));
}

bool TNachbesserModell::Gesperrt(int e, int zelle) const {
  const TEreignis& ev = fEreignisse[static_cast<std::size_t>(e)];
  const auto z = static_cast<std::size_t>(zelle);
  for (int kurs : ev.kurse) {
    if (fKurse[static_cast<std::size_t>(kurs)].gesperrt[z]) return true;
  }
  for (int l : ev.lehrer) {
    if (fLehrerGesperrt[static_cast<std::size_t>(l)][z]) return true;
  }
  for (int k : ev.klassen) {
    if (fKlasseGesperrt[static_cast<std::size_t>(k)][z]) return true;
  }
  return false;
}

bool TNachbesserModell::TagErlaubtWeg(int kurs, int zelle) const {
  const TKursDaten& d = fKurse[static_cast<std::size_t>(kurs)];
  return EinBlock(d.tage[static_cast<std::size_t>(zelle / 16)] & ~Bit(zelle));
}

bool TNachbesserModell::Moeglich(int e, int zelle, std::vector<int>& weg) const {
  weg.clear();
  const TEreignis& ev = fEreignisse[static_cast<std::size_t>(e)];
  const auto z = static_cast<std::size_t>(zelle);
  const auto stoert = [&](int x) {
    if (x != e && !Enthalten(weg, x)) weg.push_back(x);
  };
  if (Gesperrt(e, zelle)) return false;
  for (int kurs : ev.kurse) {
    const TKursDaten& d = fKurse[static_cast<std::size_t>(kurs)];
    if ((d.tage[z / 16] & Bit(zelle)) || !TagErlaubtDazu(kurs, zelle)) return false;
  }
  for (int l : ev.lehrer) {
    for (int x : fLehrerBelegt(l, z)) stoert(x);
  }
  for (int k : ev.klassen) {
    for (int x : fKlasseBelegt(k, z)) {
      // Lessons of the same coupling share their classes.
      if (ev.kopplung < 0 || fKopplungVon[static_cast<std::size_t>(x)] != ev.kopplung) stoert(x);
    }
  }
  for (int x : weg) {
    const TEreignis& anderes = fEreignisse[static_cast<std::size_t>(x)];
    if (anderes.fix) return false;
    for (int kurs : anderes.kurse) {
      if (!TagErlaubtWeg(kurs, zelle)) return false;
    }
  }
  if (!fRaeumeWichtig) return true;
  std::vector<int>& raeume = fKursRaeume;
  return RaeumeFinden(e, zelle, weg, raeume);
}

bool TNachbesserModell::RaeumeFrei(const std::vector<int>& raeume, int zelle) const {
  return std::all_of(raeume.begin(), raeume.end(), [&](int r) {
    return r < 0 || RaumFrei(r, static_cast<std::size_t>(zelle), {});
  });
}

bool TNachbesserModell::RaumFrei(int raum, std::size_t zelle, const std::vector<int>& weg) const {
  if (fRaumGesperrt[static_cast<std::size_t>(raum)][zelle]) return false;
  for (int x : fRaumBelegt(raum, zelle)) {
    if (!Enthalten(weg, x)) return false;
  }
  return true;
}

void TNachbesserModell::KandidatenSammeln(int e, int zelle, const std::vector<int>& weg) const {
  const TEreignis& ev = fEreignisse[static_cast<std::size_t>(e)];
  const auto z = static_cast<std::size_t>(zelle);
  fNehmer.clear();
  fKandidaten.resize(ev.kurse.size());
  for (std::size_t i = 0; i < ev.kurse.size(); ++i) {
    const std::vector<int>& liste = fKurse[static_cast<std::size_t>(ev.kurse[i])].raeume;
    if (liste.empty()) continue;
    std::vector<int>& k = fKandidaten[fNehmer.size()];
    fNehmer.push_back(i);
    k.clear();
    // A lesson back in its own cell tries its own room first, so that it keeps it.
    const int eigener = zelle == ev.start ? ev.startRaeume[i] : -1;
    if (eigener >= 0 && RaumFrei(eigener, z, weg)) k.push_back(eigener);
    for (int r : liste) {
      if (r != eigener && RaumFrei(r, z, weg)) k.push_back(r);
    }
  }
  fKandidaten.resize(fNehmer.size());
}

bool TNachbesserModell::RaeumeFinden(int e, int zelle, const std::vector<int>& weg,
                                     std::vector<int>& raeume) const {
  raeume.assign(fEreignisse[static_cast<std::size_t>(e)].kurse.size(), -1);
  KandidatenSammeln(e, zelle, weg);
  if (!fRaeumeWichtig) {
    // Rooms do not matter: each course takes its first room still free, or none.
    for (std::size_t n = 0; n < fNehmer.size(); ++n) {
      for (int r : fKandidaten[n]) {
        if (!Enthalten(raeume, r)) {
          raeume[fNehmer[n]] = r;
          break;
        }
      }
    }
    return true;
  }
  // Distinct rooms for all courses that have rooms; a course without rooms needs none.
  if (!fZuordnung.Finde(fKandidaten, fRaeume.size())) return false;
  for (std::size_t n = 0; n < fNehmer.size(); ++n) raeume[fNehmer[n]] = fZuordnung.Partner(n);
  return true;
}

}  // namespace orbato
