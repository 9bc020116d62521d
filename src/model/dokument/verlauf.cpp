#include "model/dokument/verlauf.h"

#include <unordered_map>
#include <utility>

#include "model/basis/zusicherung.h"
#include "model/dokument/schule.h"
#include "model/kurse/kurs.h"
#include "model/woche/wochbereich.h"
#include "model/woche/wochenstunden.h"

namespace orbato {
namespace {

// Beyond this the oldest steps are forgotten, so that a long day of scheduler runs cannot fill the
// memory; a step of a whole run on a large school takes well under a megabyte.
constexpr size_t kHoechstGroesse = size_t{256} << 20;

enum class TEintragArt : uint8_t { Gesetzt, Entfernt, Raum, Fix, Bereich, Stunden };

// One elementary change. Placements: the cell, room and fixed mark (for Raum and Fix the value
// before in `raum`/`fix`, after in `raumNeu`/`fixNeu`). Ranges and hour lists: the index of the
// copy kept in the step.
struct TEintrag {
  TEintragArt art;
  bool fix = false;
  bool fixNeu = false;
  TKurs* kurs = nullptr;
  int32_t woche = 0, tag = 0, std = 0;
  TRaum* raum = nullptr;
  TRaum* raumNeu = nullptr;
  size_t kopie = 0;
};

}  // namespace

struct TVerlauf::TSchritt {
  std::vector<TEintrag> eintraege;
  // Each range and hour list with its other state: before the step while the step is done,
  // after it while the step is undone. Undoing and redoing both exchange.
  std::vector<std::pair<TWochBereich*, TWochBereich>> bereiche;
  std::vector<std::pair<TWochenStunden*, TWochenStunden>> stunden;
  bool dirtyVorher = false;

  size_t Groesse() const {
    return sizeof(TSchritt) + eintraege.size() * sizeof(TEintrag) +
           bereiche.size() * sizeof(bereiche[0]) + stunden.size() * sizeof(stunden[0]);
  }
};

namespace {

TEintrag Zelle(TEintragArt art, TKurs* kurs, int32_t woche, int32_t tag, int32_t std, TRaum* raum,
               bool fix) {
  TEintrag e{art};
  e.kurs = kurs;
  e.woche = woche;
  e.tag = tag;
  e.std = std;
  e.raum = raum;
  e.fix = fix;
  return e;
}

TEintrag Zelle(TEintragArt art, const TKurs& kurs, const TSetzung& s) {
  return Zelle(art, const_cast<TKurs*>(&kurs), s.fWoche, s.fTag, s.fStunde, s.fRaum, s.fFixiert);
}

void Setze(const TEintrag& e) {
  auto* s = new TSetzung(e.woche, e.tag, e.std, e.raum);
  s->fFixiert = e.fix;
  e.kurs->VertretungenAnlegen(*s);
  e.kurs->SetzungAufnehmen(s);
}

void Entferne(const TEintrag& e) {
  e.kurs->SetzungAufgeben(e.kurs->SetzungFinden(e.woche, e.tag, e.std));
}

void RaumSetzen(const TEintrag& e, TRaum* raum) {
  TSetzung* s = e.kurs->SetzungFinden(e.woche, e.tag, e.std);
  // Replayed in order, a step finds every lesson it changed where it left it.
  ORBATO_ASSERT(s != nullptr, return );
  e.kurs->RaumAusSetzung(s);
  e.kurs->RaumInSetzung(s, raum);
}

void FixSetzen(const TEintrag& e, bool fix) {
  TSetzung* s = e.kurs->SetzungFinden(e.woche, e.tag, e.std);
  ORBATO_ASSERT(s != nullptr, return );
  s->fFixiert = fix;
}

// One change forwards (redo) or backwards (undo).
void Abspielen(TVerlauf::TSchritt& schritt, const TEintrag& e, bool vorwaerts) {
  switch (e.art) {
    case TEintragArt::Gesetzt:
      vorwaerts ? Setze(e) : Entferne(e);
      break;
    case TEintragArt::Entfernt:
      vorwaerts ? Entferne(e) : Setze(e);
      break;
    case TEintragArt::Raum:
      RaumSetzen(e, vorwaerts ? e.raumNeu : e.raum);
      break;
    case TEintragArt::Fix:
      FixSetzen(e, vorwaerts ? e.fixNeu : e.fix);
      break;
    case TEintragArt::Bereich: {
      auto& [ort, anderer] = schritt.bereiche[e.kopie];
      std::swap(*ort, anderer);
      break;
    }
    case TEintragArt::Stunden: {
      auto& [ort, anderer] = schritt.stunden[e.kopie];
      std::swap(*ort, anderer);
      break;
    }
  }
}

// What a cell of a course holds: nothing, or a placement with its room and fixed mark.
struct TZustand {
  bool da = false;
  TRaum* raum = nullptr;
  bool fix = false;
  bool operator==(const TZustand&) const = default;
};

struct TZellSchluessel {
  TKurs* kurs;
  int32_t woche, tag, std;
  bool operator==(const TZellSchluessel&) const = default;
};

struct TZellHash {
  size_t operator()(const TZellSchluessel& z) const {
    return std::hash<const void*>()(z.kurs) ^ (static_cast<size_t>(z.woche) << 16) ^
           (static_cast<size_t>(z.tag) << 8) ^ static_cast<size_t>(z.std);
  }
};

bool GleicheTage(const TWochBereich& a, const TWochBereich& b) {
  if (a.ZahlWochen() != b.ZahlWochen()) return false;
  for (int32_t w = 1; w <= a.ZahlWochen(); ++w) {
    for (int32_t t = 1; t <= 7; ++t) {
      if (a.GetWocheTag(w, t) != b.GetWocheTag(w, t)) return false;
    }
  }
  return true;
}

bool GleicheStunden(const TWochenStunden& a, const TWochenStunden& b) {
  if (a.ZahlWochen() != b.ZahlWochen()) return false;
  for (int32_t w = 1; w <= a.ZahlWochen(); ++w) {
    if (a.GetWochenStunde(w) != b.GetWochenStunde(w)) return false;
  }
  return true;
}

bool IstZelle(const TEintrag& e) {
  return e.art != TEintragArt::Bereich && e.art != TEintragArt::Stunden;
}

TZustand Vorher(const TEintrag& e) {
  switch (e.art) {
    case TEintragArt::Gesetzt:
      return {};
    default:
      return {true, e.raum, e.fix};
  }
}

TZustand Nachher(const TEintrag& e) {
  switch (e.art) {
    case TEintragArt::Entfernt:
      return {};
    case TEintragArt::Raum:
      return {true, e.raumNeu, e.fix};
    case TEintragArt::Fix:
      return {true, e.raum, e.fixNeu};
    default:
      return {true, e.raum, e.fix};
  }
}

// A step keeps only what it changed from its start to its end, cell by cell: a compression run
// tries and takes back a great many moves, and a move and its way back leave nothing. Since every
// occupancy bit follows from the placements, the order of the cells does not matter; removals go
// first and placements last, so that a course never holds a cell twice while a step is replayed.
template <class Geaendert>
void Verdichten(std::vector<TEintrag>& eintraege, Geaendert&& geaendert) {
  std::unordered_map<TZellSchluessel, std::pair<TZustand, TZustand>, TZellHash> zellen;
  std::vector<TZellSchluessel> reihe;
  std::vector<TEintrag> neu;
  for (const TEintrag& e : eintraege) {
    if (!IstZelle(e)) {
      if (geaendert(e)) neu.push_back(e);
      continue;
    }
    const TZellSchluessel schluessel{e.kurs, e.woche, e.tag, e.std};
    auto [platz, eingefuegt] = zellen.try_emplace(schluessel, Vorher(e), Nachher(e));
    if (eingefuegt) {
      reihe.push_back(schluessel);
    } else {
      platz->second.second = Nachher(e);
    }
  }
  const auto eintrag = [](TEintragArt art, const TZellSchluessel& z, const TZustand& zustand) {
    return Zelle(art, z.kurs, z.woche, z.tag, z.std, zustand.raum, zustand.fix);
  };
  std::vector<TEintrag> setzen;
  for (const TZellSchluessel& z : reihe) {
    const auto& [vorher, nachher] = zellen[z];
    if (vorher == nachher) continue;
    if (vorher.da && nachher.da) {
      // The placement stays; only its room or its fixed mark changed.
      if (vorher.raum != nachher.raum) {
        TEintrag e = eintrag(TEintragArt::Raum, z, vorher);
        e.raumNeu = nachher.raum;
        neu.push_back(e);
      }
      if (vorher.fix != nachher.fix) {
        TEintrag e = eintrag(TEintragArt::Fix, z, nachher);
        e.fix = vorher.fix;
        e.fixNeu = nachher.fix;
        neu.push_back(e);
      }
    } else if (vorher.da) {
      neu.push_back(eintrag(TEintragArt::Entfernt, z, vorher));
    } else {
      setzen.push_back(eintrag(TEintragArt::Gesetzt, z, nachher));
    }
  }
  neu.insert(neu.end(), setzen.begin(), setzen.end());
  eintraege = std::move(neu);
}

}  // namespace

TVerlauf::TVerlauf() = default;
TVerlauf::~TVerlauf() = default;

void TVerlauf::Gesetzt(const TKurs& kurs, const TSetzung& setzung) {
  if (Aufnahme()) fOffen->eintraege.push_back(Zelle(TEintragArt::Gesetzt, kurs, setzung));
}

void TVerlauf::Entfernt(const TKurs& kurs, const TSetzung& setzung) {
  if (Aufnahme()) fOffen->eintraege.push_back(Zelle(TEintragArt::Entfernt, kurs, setzung));
}

void TVerlauf::RaumGeaendert(const TKurs& kurs, const TSetzung& setzung, TRaum* alt) {
  if (!Aufnahme() || alt == setzung.fRaum) return;
  TEintrag e = Zelle(TEintragArt::Raum, kurs, setzung);
  e.raum = alt;
  e.raumNeu = setzung.fRaum;
  fOffen->eintraege.push_back(e);
}

void TVerlauf::FixGeaendert(const TKurs& kurs, const TSetzung& setzung, bool alt) {
  if (!Aufnahme() || alt == setzung.fFixiert) return;
  TEintrag e = Zelle(TEintragArt::Fix, kurs, setzung);
  e.fix = alt;
  e.fixNeu = setzung.fFixiert;
  fOffen->eintraege.push_back(e);
}

void TVerlauf::MerkeBereich(TWochBereich& bereich) {
  if (!Aufnahme()) return;
  for (const auto& [ort, kopie] : fOffen->bereiche) {
    if (ort == &bereich) return;
  }
  TEintrag e{TEintragArt::Bereich};
  e.kopie = fOffen->bereiche.size();
  fOffen->bereiche.emplace_back(&bereich, bereich);
  fOffen->eintraege.push_back(e);
}

void TVerlauf::MerkeStunden(TWochenStunden& stunden) {
  if (!Aufnahme()) return;
  for (const auto& [ort, kopie] : fOffen->stunden) {
    if (ort == &stunden) return;
  }
  TEintrag e{TEintragArt::Stunden};
  e.kopie = fOffen->stunden.size();
  fOffen->stunden.emplace_back(&stunden, stunden);
  fOffen->eintraege.push_back(e);
}

void TVerlauf::Oeffnen() {
  if (fTiefe++ > 0) return;
  fOffen = std::make_unique<TSchritt>();
  fVerworfen = false;
}

void TVerlauf::Schliessen(bool dirtyVorher) {
  if (--fTiefe > 0) return;
  std::unique_ptr<TSchritt> schritt = std::move(fOffen);
  if (schritt == nullptr) return;
  // A range or hour list kept but left as it was is no change either.
  Verdichten(schritt->eintraege, [&](const TEintrag& e) {
    if (e.art == TEintragArt::Bereich) {
      const auto& [ort, vorher] = schritt->bereiche[e.kopie];
      return !GleicheTage(*ort, vorher);
    }
    const auto& [ort, vorher] = schritt->stunden[e.kopie];
    return !GleicheStunden(*ort, vorher);
  });
  if (schritt->eintraege.empty()) return;
  schritt->dirtyVorher = dirtyVorher;
  fGroesse += schritt->Groesse();
  fSchritte.push_back(std::move(schritt));
  for (const auto& s : fRueckgaengig) fGroesse -= s->Groesse();
  fRueckgaengig.clear();
  while (fGroesse > kHoechstGroesse && fSchritte.size() > 1) {
    fGroesse -= fSchritte.front()->Groesse();
    fSchritte.erase(fSchritte.begin());
  }
  Gemeldet();
}

bool TVerlauf::Widerrufen(TSchule& schule) {
  if (fSchritte.empty() || fOffen) return false;
  std::unique_ptr<TSchritt> schritt = std::move(fSchritte.back());
  fSchritte.pop_back();
  ++fAus;
  for (auto e = schritt->eintraege.rbegin(); e != schritt->eintraege.rend(); ++e) {
    Abspielen(*schritt, *e, false);
  }
  --fAus;
  const bool dirty = schritt->dirtyVorher;
  fRueckgaengig.push_back(std::move(schritt));
  schule.SetDirty(dirty);
  schule.FensterAktualisieren();
  Gemeldet();
  return true;
}

bool TVerlauf::Wiederherstellen(TSchule& schule) {
  if (fRueckgaengig.empty() || fOffen) return false;
  std::unique_ptr<TSchritt> schritt = std::move(fRueckgaengig.back());
  fRueckgaengig.pop_back();
  ++fAus;
  for (const TEintrag& e : schritt->eintraege) Abspielen(*schritt, e, true);
  --fAus;
  fSchritte.push_back(std::move(schritt));
  schule.SetDirty(true);
  schule.FensterAktualisieren();
  Gemeldet();
  return true;
}

void TVerlauf::Leeren() {
  if (fOffen) {
    fOffen = std::make_unique<TSchritt>();
    fVerworfen = true;
  }
  if (fSchritte.empty() && fRueckgaengig.empty()) return;
  fSchritte.clear();
  fRueckgaengig.clear();
  fGroesse = 0;
  Gemeldet();
}

void TVerlauf::Gesichert() {
  for (auto& s : fSchritte) s->dirtyVorher = true;
}

void TVerlauf::Gemeldet() const {
  if (fBeiAenderung) fBeiAenderung();
}

TVerlaufSchritt::TVerlaufSchritt(TSchule& schule)
    : fSchule(schule), fDirtyVorher(schule.IsDirty()) {
  fSchule.fVerlauf.Oeffnen();
}

TVerlaufSchritt::TVerlaufSchritt() : TVerlaufSchritt(Schule()) {}

TVerlaufSchritt::~TVerlaufSchritt() {
  fSchule.fVerlauf.Schliessen(fDirtyVorher);
}

}  // namespace orbato
