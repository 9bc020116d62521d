#include "scheduler/bewertung.h"

#include <vector>

#include "model/einstellungen/standard.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "placement/regeln.h"
#include "scheduler/raumsuche.h"

namespace orbato {
namespace {

// Clear on the school's days and periods, set everywhere else, in every version.
void SetzeSchultag(TWochBereich& bereich) {
  const TStandard& st = Standard();
  bereich.SetWocheTagStd(0, 0, false, 0);
  for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
    for (int32_t std = 1; std <= kMaxStunden; ++std) {
      if (tag > st.fMaxTageNeu || std > st.fPlnStd) bereich.SetWocheTagStd(0, tag, true, std);
    }
  }
}

// A coupled course's classes stand in its way only where they hold a lesson of another
// coupling or of none: the lessons of its own coupling run beside it.
void OderKlassenBesetzung(TKurs& kurs) {
  for (TKlasse* klasse : kurs.fKlassen) {
    if (kurs.fKopplung == nullptr) {
      kurs.fSetzungUnmoeglich.OrBereich(klasse->fBesetzung);
      continue;
    }
    for (int32_t w = 1; w <= Standard().WochenZahl(); ++w) {
      for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
        if (klasse->fBesetzung.GetWocheTag(w, tag) == 0) continue;
        for (int32_t std = 1; std <= kMaxStunden; ++std) {
          if (!klasse->fBesetzung.GetWocheTagStd(w, tag, std)) continue;
          const TKurs* dort = klasse->FindeKurs(w, tag, std);
          if (dort == nullptr || dort->fKopplung != kurs.fKopplung)
            kurs.fSetzungUnmoeglich.SetWocheTagStd(w, tag, true, std);
        }
      }
    }
  }
}

bool AlleRaeumeBelegt(const TKurs& kurs, int32_t woche, int32_t tag, int32_t std) {
  for (const TRaum* raum : kurs.fRaeume) {
    if (RaumFrei(*raum, woche, tag, std)) return false;
  }
  return true;
}

void OderRaeume(TKurs& kurs) {
  const TStandard& st = Standard();
  if (st.fAuRaumUnwichtig || kurs.fRaeume.ListeZahlElemente() == 0) return;
  if (kurs.fKopplung == nullptr) {
    for (int32_t w = 1; w <= st.WochenZahl(); ++w) {
      for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) {
        for (int32_t std = 1; std <= kMaxStunden; ++std) {
          if (AlleRaeumeBelegt(kurs, w, tag, std))
            kurs.fSetzungUnmoeglich.SetWocheTagStd(w, tag, true, std);
        }
      }
    }
    return;
  }
  const std::vector<TKurs*> kopplung(kurs.fKopplung->fKurse.begin(), kurs.fKopplung->fKurse.end());
  for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) {
    for (int32_t std = 1; std <= kMaxStunden; ++std) {
      if (kurs.fSetzungUnmoeglich.GetWocheTagStd(-1, tag, std)) continue;
      if (!VerschiedeneRaeume(kopplung, -1, tag, std))
        kurs.fSetzungUnmoeglich.SetWocheTagStd(-1, tag, true, std);
    }
  }
}

void BewerteAllein(TKurs& kurs) {
  if (kurs.fBewertung != 0) return;
  TWochBereich& unmoeglich = kurs.fSetzungUnmoeglich;
  SetzeSchultag(unmoeglich);
  unmoeglich.OrBereich(kurs.fBesetzung);
  unmoeglich.OrBereich(kurs.fSperrung);
  if (kurs.fLehrer) {
    unmoeglich.OrBereich(kurs.fLehrer->fBesetzung);
    unmoeglich.OrBereich(kurs.fLehrer->fSperrung);
  }
  for (const TKlasse* klasse : kurs.fKlassen) unmoeglich.OrBereich(klasse->fSperrung);
  OderKlassenBesetzung(kurs);
  OderRaeume(kurs);
}

}  // namespace

void BewerteAutomatik(TKurs& kurs, bool mitKopplung) {
  if (!mitKopplung || kurs.fKopplung == nullptr) {
    BewerteAllein(kurs);
    return;
  }
  TWochBereich gemeinsam;
  for (TKurs* k : kurs.fKopplung->fKurse) {
    if (k->VerplanteStunden(-1) >= k->fStunden.GetWochenStunde(-1)) continue;
    BewerteAllein(*k);
    gemeinsam.OrBereich(k->fSetzungUnmoeglich);
  }
  for (TKurs* k : kurs.fKopplung->fKurse) k->fSetzungUnmoeglich.OrBereich(gemeinsam);
}

void TrageBewertungEin(TKurs& kurs) {
  if (kurs.fBewertung != 0) return;
  int32_t unmoeglich = 0;
  for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
    for (int32_t std = 1; std <= kMaxStunden; ++std) {
      if (kurs.fSetzungUnmoeglich.GetWocheTagStd(-1, tag, std)) ++unmoeglich;
    }
  }
  int32_t wert = kurs.fStunden.GetWochenStunde(-1) + unmoeglich + 3 * kurs.fStdProTag +
                 kurs.VerplanteStunden(-1);
  if (kurs.fKopplung) {
    wert *= 100;
    for (const TKurs* k : kurs.fKopplung->fKurse) wert += k->fKlassen.ListeZahlElemente() + 1;
  }
  kurs.SetBewertung(wert);
}

}  // namespace orbato
