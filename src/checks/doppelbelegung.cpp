// The passes of the consistency check after the courses: each teacher, class and room gets its
// occupancy back from its courses and is reported where two lessons meet in one cell, and each
// coupling where a teacher has two of its courses.
#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "checks/fehlerausgabe.h"
#include "checks/konsistenz.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/woche/wochbereich.h"

namespace orbato {

namespace {

void Doppelt(std::string_view art, const TElement& e, int32_t w, int32_t tag, int32_t std,
             TAbgleich& abgleich) {
  abgleich.fBefund.Fehler(
      std::string(art) + e.fKuerzel.str() + " " + WochenTagStd(w, tag, std) + " doppelt im Plan.",
      kGroessereFehler, TFundort{nullptr, &e, w, tag, std});
}

// Enters one lesson into the element's new occupancy; a cell already taken is a double booking.
void Belege(TWochBereich& belegt, const TSetzung& s, std::string_view art, const TElement& e,
            TAbgleich& abgleich) {
  if (!ImRaster(s)) return;
  if (belegt.GetWocheTagStd(s.fWoche, s.fTag, s.fStunde)) {
    Doppelt(art, e, s.fWoche, s.fTag, s.fStunde, abgleich);
  } else {
    belegt.SetWocheTagStd(s.fWoche, s.fTag, true, s.fStunde);
  }
}

// A lesson is never in a blocked cell of its element, and the element's occupancy is exactly
// its lessons.
void Uebertrage(TPlanElement& e, const TWochBereich& belegt, TAbgleich& abgleich) {
  abgleich.Angeglichen(Entsperre(e.fSperrung, belegt));
  abgleich.Angeglichen(Uebernimm(e.fBesetzung, belegt));
}

// Courses of one coupling share their cells in a class; any other two may not.
bool DuerfenZusammen(const TKurs& a, const TKurs& b) {
  return a.fKopplung != nullptr && a.fKopplung == b.fKopplung;
}

// Every cell both courses occupy, in version, day and period order.
void Zusammenstoesse(const TKlasse& klasse, const TKurs& a, const TKurs& b, TAbgleich& abgleich) {
  const int32_t wochen = Standard().WochenZahl();
  for (int32_t w = 1; w <= wochen; ++w) {
    for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
      const uint32_t beide = static_cast<uint32_t>(a.fBesetzung.GetWocheTag(w, tag)) &
                             static_cast<uint32_t>(b.fBesetzung.GetWocheTag(w, tag)) & kStundenBits;
      for (int32_t std = 1; std <= kMaxStunden; ++std) {
        if (beide & (1u << (std - 1))) Doppelt("Klasse ", klasse, w, tag, std, abgleich);
      }
    }
  }
}

// The courses of a class by what may share a cell: the courses of one coupling together, every
// other course on its own.
std::vector<std::vector<const TKurs*>> Gruppen(const TKlasse& klasse) {
  std::vector<std::pair<const void*, const TKurs*>> nachGruppe;
  for (const TKurs* k : klasse.fKurse) {
    nachGruppe.emplace_back(k->fKopplung ? static_cast<const void*>(k->fKopplung) : k, k);
  }
  std::sort(nachGruppe.begin(), nachGruppe.end(), [](const auto& a, const auto& b) {
    return std::less<const void*>()(a.first, b.first);
  });
  std::vector<std::vector<const TKurs*>> gruppen;
  for (std::size_t i = 0; i < nachGruppe.size(); ++i) {
    if (i == 0 || nachGruppe[i].first != nachGruppe[i - 1].first) gruppen.emplace_back();
    gruppen.back().push_back(nachGruppe[i].second);
  }
  return gruppen;
}

// The cells that two groups occupy, where every clash of the class must lie. Finding them takes
// one pass over the courses, so that the pairs need looking at only where there is a clash.
TWochBereich Mehrfach(const TKlasse& klasse) {
  const std::vector<std::vector<const TKurs*>> gruppen = Gruppen(klasse);
  TWochBereich mehrfach;
  const int32_t wochen = Standard().WochenZahl();
  for (int32_t w = 1; w <= wochen; ++w) {
    for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
      uint32_t belegt = 0, doppelt = 0;
      for (const std::vector<const TKurs*>& gruppe : gruppen) {
        uint32_t wort = 0;
        for (const TKurs* k : gruppe)
          wort |= static_cast<uint32_t>(k->fBesetzung.GetWocheTag(w, tag));
        doppelt |= belegt & wort;
        belegt |= wort;
      }
      mehrfach.SetWocheTag(w, tag, static_cast<int32_t>(doppelt & kStundenBits));
    }
  }
  return mehrfach;
}

bool Trifft(const TKurs& kurs, const TWochBereich& zellen) {
  const int32_t wochen = Standard().WochenZahl();
  for (int32_t w = 1; w <= wochen; ++w) {
    for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
      if (kurs.fBesetzung.GetWocheTag(w, tag) & zellen.GetWocheTag(w, tag)) return true;
    }
  }
  return false;
}

// Each pair both ways round, so that a clash stands in the window from either side.
void KlassePruefen(const TKlasse& klasse, TAbgleich& abgleich) {
  const TWochBereich mehrfach = Mehrfach(klasse);
  std::vector<const TKurs*> beteiligt;
  for (const TKurs* k : klasse.fKurse) {
    if (Trifft(*k, mehrfach)) beteiligt.push_back(k);
  }
  for (const TKurs* a : beteiligt) {
    for (const TKurs* b : beteiligt) {
      if (b != a && !DuerfenZusammen(*a, *b)) Zusammenstoesse(klasse, *a, *b, abgleich);
    }
  }
}

void KlasseAbgleichen(TKlasse& klasse, TAbgleich& abgleich) {
  KlassePruefen(klasse, abgleich);
  TWochBereich belegt;
  for (const TKurs* k : klasse.fKurse) belegt.OrBereich(k->fBesetzung);
  Uebertrage(klasse, belegt, abgleich);
}

}  // namespace

void LehrerAbgleichen(TSchule& schule, TAbgleich& abgleich) {
  for (TLehrer* l : schule.fLehrerMenge) {
    TWochBereich belegt;
    for (const TKurs* k : l->fKurse) {
      for (const TSetzung* s : k->fSetzungen) Belege(belegt, *s, "Lehrer ", *l, abgleich);
    }
    Uebertrage(*l, belegt, abgleich);
  }
}

void KlassenAbgleichen(TSchule& schule, TAbgleich& abgleich) {
  for (TKlasse* k : schule.fKlassenMenge) KlasseAbgleichen(*k, abgleich);
}

void RaeumeAbgleichen(TSchule& schule, TAbgleich& abgleich) {
  for (TRaum* r : schule.fRaumMenge) {
    TWochBereich belegt;
    for (const TKurs* k : r->fKurse) {
      for (const TSetzung* s : k->fSetzungen) {
        if (s->fRaum == r) Belege(belegt, *s, "Raum ", *r, abgleich);
      }
    }
    Uebertrage(*r, belegt, abgleich);
  }
}

void KopplungenPruefen(TSchule& schule, TAbgleich& abgleich) {
  for (const TKopplung* o : schule.fKopplMenge) {
    std::vector<const TLehrer*> gesehen;
    for (const TKurs* k : o->fKurse) {
      if (k->fLehrer == nullptr) continue;
      if (std::find(gesehen.begin(), gesehen.end(), k->fLehrer) == gesehen.end()) {
        gesehen.push_back(k->fLehrer);
        continue;
      }
      abgleich.fBefund.Fehler(
          "Lehrer " + k->fLehrer->fKuerzel.str() + " ist doppelt in Kopplung " + o->fKuerzel.str(),
          kGroessereFehler);
    }
  }
}

}  // namespace orbato
