// The palette's tools in the manual-planning window: a click on a cell by tool, and the drag of
// the move tool.
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "placement/manuell.h"
#include "placement/passtin.h"
#include "placement/raeume.h"
#include "placement/regeln.h"
#include "placement/setzen.h"
#include "placement/tausch.h"
#include "placement/wochenspanne.h"

namespace orbato {
namespace {

// Whether a lesson of the course in the cell would meet another lesson of its teacher or, outside
// its coupling, of one of its classes. The obstacle list passes over a coupled course without
// hours left in the selection, which may still have one left in a single version of it.
bool Besetzt(const TKurs& kurs, int32_t woche, int32_t tag, int32_t std) {
  if (kurs.fLehrer && kurs.fLehrer->fBesetzung.GetWocheTagStd(woche, tag, std)) return true;
  for (const TKlasse* k : kurs.fKlassen) {
    if (!KlasseFrei(*k, woche, tag, kurs.fKopplung, std)) return true;
  }
  return false;
}

}  // namespace

void TManuellForm::Klick(int32_t plan, int32_t tag, int32_t std, bool ctrl) {
  if (!fOffen) return;
  // A change made elsewhere may not have reached the cells yet.
  if (fVeraltetSeit) Neuaufbau();
  {
    TVerlaufSchritt schritt(fSchule);
    switch (fSchule.fToolArt) {
      case ZeigTool:
        ZeigeKurs(plan, tag, std);
        return;
      case SetzTool:
        Setzen(tag, std);
        break;
      case SchiebTool:
        if (Setzen(tag, std)) Weiter();
        break;
      case LoeschTool:
        Loeschen(plan, tag, std, ctrl);
        break;
      case FixTool:
        Fixieren(plan, tag, std);
        break;
    }
  }
  Neuaufbau();
}

void TManuellForm::ZeigeKurs(int32_t plan, int32_t tag, int32_t std) {
  TKurs* kurs = ZellKurs(plan, tag, std);
  if (kurs && kurs != fKurs) SetKurs(kurs);
}

// A cell the course holds already, or a course with nothing left to place, gets a beep: the
// obstacle list would offer to displace the course's own lesson.
bool TManuellForm::Setzen(int32_t tag, int32_t std) {
  if (fKurs == nullptr || fKurs->fNichtVerplanen || fKurs->RestStunden(-1) < 1 ||
      fKurs->fBesetzung.GetWocheTagStd(-1, tag, std)) {
    fSchule.Dialog().Piep();
    return false;
  }
  bool passt = false;
  if (fOhneKonflikte) {
    TListe<TKonflikt> liste(true);
    passt = ManOhneKonflPasstIn(*fKurs, tag, std, fRaum, Kopplung() != nullptr, liste);
  } else {
    passt = ManPasstIn(*fKurs, tag, std, Konflikte(tag, std), [this](TKurs* k) { Vormerken(k); });
  }
  if (passt) SetzeAlle(tag, std);
  return passt;
}

// The course goes in first, with the window's room, so that every other course of its coupling
// then takes the first room still free in that version; a course already there keeps its lesson,
// and one whose teacher or class is busy there stays out of that version.
void TManuellForm::SetzeAlle(int32_t tag, int32_t std) {
  const TWochenSpanne spanne = Wochenspanne();
  for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
    if (fKurs->SetzungFinden(w, tag, std) == nullptr) NeueSetzung(*fKurs, w, tag, fRaum, std);
    const TKopplung* kopplung = Kopplung();
    if (kopplung == nullptr) continue;
    for (TKurs* k : kopplung->fKurse) {
      if (k == fKurs || k->SetzungFinden(w, tag, std) || Besetzt(*k, w, tag, std)) continue;
      NeueSetzung(*k, w, tag, FreierRaum(*k, w, tag, std), std);
    }
  }
}

void TManuellForm::Loeschen(int32_t plan, int32_t tag, int32_t std, bool nurRaum) {
  TKurs* kurs = ZellKurs(plan, tag, std);
  if (kurs == nullptr) return;
  if (nurRaum) {
    LoescheRaumInSetzung(*kurs, -1, tag, std);
    return;
  }
  bool ganzeKopplung = false;
  if (kurs->fKopplung) {
    switch (FrageKopplung(*kurs, Version(), tag, std)) {
      case TKopplungsWahl::DieserKurs:
        break;
      case TKopplungsWahl::Kopplung:
        ganzeKopplung = true;
        break;
      case TKopplungsWahl::Nein:
      case TKopplungsWahl::Abbrechen:
        return;
    }
  }
  LoescheSetzung(*kurs, -1, tag, ganzeKopplung, std);
  Vormerken(kurs);
}

// Each course of the coupling turns its own lesson over, version by version.
void TManuellForm::Fixieren(int32_t plan, int32_t tag, int32_t std) {
  TKurs* kurs = ZellKurs(plan, tag, std);
  if (kurs == nullptr) return;
  const TWochenSpanne spanne = Wochenspanne();
  for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
    for (TKurs* k : kurs->MitKopplung()) {
      if (TSetzung* s = k->SetzungFinden(w, tag, std)) k->SetzeFixiert(s, !s->fFixiert);
    }
  }
  for (const TKurs* k : kurs->MitKopplung()) {
    PlanFensterAktualisieren(*k, k->RaumFuerZelle(Version(), tag, std));
  }
}

bool TManuellForm::Aufnehmen(int32_t tag, int32_t std) {
  fGezogen = fOffen && fKurs && fKurs->fBesetzung.GetWocheTagStd(Version(), tag, std);
  fVonTag = tag;
  fVonStd = std;
  if (fGezogen) Zeigen();
  return fGezogen;
}

void TManuellForm::Abbrechen() {
  if (!fGezogen) return;
  fGezogen = false;
  Zeigen();
}

void TManuellForm::Ablegen(int32_t tag, int32_t std, bool alt) {
  if (!fGezogen) return;
  fGezogen = false;
  if (tag != fVonTag || std != fVonStd) {
    TVerlaufSchritt schritt(fSchule);
    if (alt) {
      StundenTausch(fSchule, fVonTag, fVonStd, tag, std);
    } else if (!fKurs->fBesetzung.GetWocheTagStd(-1, tag, std)) {
      TListe<TKonflikt> liste(true);
      const bool mitKopplung = Kopplung() != nullptr;
      if (PasstInMitRaum(*fKurs, tag, std, fRaum, mitKopplung, liste, fVonStd, fVonTag)) {
        SchiebeMitRaum(*fKurs, tag, std, fRaum, mitKopplung, fVonStd, fVonTag);
        Weiter();
      }
    }
  }
  Neuaufbau();
}

}  // namespace orbato
