// The manual-planning window's plans: which elements they show, what each cell holds, and the
// obstacles the current course meets in each cell.
#include <algorithm>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/fenster/planzelle.h"
#include "model/kurse/kurs.h"
#include "placement/konfliktliste.h"
#include "placement/manuell.h"
#include "placement/regeln.h"
#include "placement/setzen.h"

namespace orbato {
namespace {

bool ImPlan(const TPlanElement& element, const TSetzung* s) {
  return s && (element.Art() != rau || static_cast<const TElement*>(s->fRaum) == &element);
}

}  // namespace

int32_t TManuellForm::PlanZahl() const {
  const int32_t art = fStandard.fManArt;
  return art == 5 ? 4 : art > 2 ? 3 : art > 0 ? 2 : 1;
}

TPlanElement* TManuellForm::Plan(int32_t plan) const {
  return plan >= 0 && plan < PlanZahl() ? fPlaene[plan] : nullptr;
}

void TManuellForm::PlanAktivieren(int32_t plan) {
  if (plan >= 0 && plan < PlanZahl()) fAktiverPlan = plan;
}

void TManuellForm::PlanZeigen(TPlanElement* element) {
  fPlaene[fAktiverPlan] = element;
  Zeigen();
}

// The fourth panel shows another class of the course or of its coupling, so that a planner sees
// the second class a lesson of several classes lands in.
void TManuellForm::PlaeneSetzen() {
  fPlaene = {fKlasse, fKurs ? fKurs->fLehrer : nullptr, fRaum, nullptr};
  fAktiverPlan = 0;
  if (fKurs == nullptr) return;
  for (TKurs* k : MitKopplungZuerst()) {
    for (TKlasse* klasse : k->fKlassen) {
      if (klasse != fKlasse) {
        fPlaene[3] = klasse;
        return;
      }
    }
  }
}

std::vector<TKurs*> TManuellForm::MitKopplungZuerst() const {
  std::vector<TKurs*> kurse{fKurs};
  const TKopplung* kopplung = Kopplung();
  if (kopplung == nullptr) return kurse;
  for (TKurs* k : kopplung->fKurse) {
    if (k != fKurs) kurse.push_back(k);
  }
  return kurse;
}

void TManuellForm::ListenLeeren() {
  for (auto& spalte : fZellen) {
    for (TZellListe& zelle : spalte) zelle.fListe.ListeEntfernen(true);
  }
}

void TManuellForm::Neuaufbau() {
  ListenLeeren();
  fVeraltetSeit = false;
  if (fKurs) fKopplung = fKurs->fKopplung;
  if (fKurs && !fOhneKonflikte) {
    const TStandard& s = fStandard;
    const int32_t tage = std::clamp(s.fMaxTageNeu, 1, kMaxTage);
    const int32_t stunden = std::clamp(s.fPlnStd, 1, kMaxStunden);
    for (int32_t tag = 1; tag <= tage; ++tag) {
      for (int32_t std = 1; std <= stunden; ++std) ZelleAufbauen(tag, std);
    }
  }
  Zeigen();
}

// The course with the window's room; each other course of the coupling (every one, or those with
// lessons left) without a room, and whether any of its rooms is free.
void TManuellForm::ZelleAufbauen(int32_t tag, int32_t std) {
  TListe<TKonflikt>& liste = fZellen[tag][std].fListe;
  ManKonfliktListe(*fKurs, tag, std, fRaum, liste);
  const TKopplung* kopplung = Kopplung();
  if (kopplung == nullptr) return;
  for (TKurs* k : kopplung->fKurse) {
    if (k == fKurs || (!fAlleKonflikte && k->RestStunden(-1) < 1)) continue;
    ManKonfliktListe(*k, tag, std, nullptr, liste);
    ManKoRaumKonflikt(*k, tag, std, liste);
  }
}

const TListe<TKonflikt>& TManuellForm::Konflikte(int32_t tag, int32_t std) const {
  static const TListe<TKonflikt> leer;
  if (tag < 1 || tag > kMaxTage || std < 1 || std > kMaxStunden) return leer;
  return fZellen[tag][std].fListe;
}

std::vector<std::string> TManuellForm::KonfliktTexte(int32_t tag, int32_t std) const {
  std::vector<std::string> texte;
  for (const TKonflikt* k : Konflikte(tag, std)) {
    // A lesson in the way is named with the room it holds there, a course that is blocked or
    // finds no room with the room it would take.
    const bool belegung = k->fArt >= leFx && k->fArt <= raBe;
    texte.push_back(belegung ? k->KurzZeile(fKurs, tag, std) : k->KurzZeile(fKurs));
  }
  return texte;
}

TKurs* TManuellForm::ZellKurs(int32_t plan, int32_t tag, int32_t std) const {
  const TPlanElement* element = Plan(plan);
  if (element == nullptr) return nullptr;
  const int32_t woche = Version();
  if (!element->fBesetzung.GetWocheTagStd(woche, tag, std)) return nullptr;
  const auto liegt = [&](const TKurs* k) {
    return k && ImPlan(*element, k->SetzungFinden(woche, tag, std));
  };
  if (liegt(fKurs) && (element->fKurse.ListeElemNr(fKurs) > 0 || element->Art() == rau))
    return fKurs;
  TKurs* erster = nullptr;
  for (TKurs* k : element->fKurse) {
    if (!liegt(k)) continue;
    if (Kopplung() && k->fKopplung == Kopplung()) return k;
    if (erster == nullptr) erster = k;
  }
  // A room holds lessons of courses that do not list it, placed there through the plans.
  if (erster == nullptr && element->Art() == rau) {
    for (TKurs* k : fSchule.fKursMenge) {
      if (liegt(k)) return k;
    }
  }
  return erster;
}

TManuellZelle TManuellForm::Zelle(int32_t plan, int32_t tag, int32_t std) const {
  TManuellZelle zelle;
  const TPlanElement* element = Plan(plan);
  if (element == nullptr || tag < 1 || tag > kMaxTage || std < 1 || std > kMaxStunden) {
    return zelle;
  }
  const int32_t woche = Version();
  zelle.fSchwere = fOhneKonflikte ? -1 : HoechsteSchwere(Konflikte(tag, std));
  zelle.fGesperrt = element->fSperrung.GetWocheTagStd(woche, tag, std);
  zelle.fKurs = ZellKurs(plan, tag, std);
  if (zelle.fKurs) {
    const TSetzung* s = zelle.fKurs->SetzungFinden(woche, tag, std);
    zelle.fFixiert = s->fFixiert;
    zelle.fEigene = zelle.fKurs == fKurs;
    zelle.fTexte =
        PlanZellTexte(fStandard, element->Art(), *zelle.fKurs, *s, fStandard.fManZeigKopp);
  } else if (zelle.fGesperrt) {
    zelle.fTexte = {"*sperrung*"};
  }
  const bool gezogen = fGezogen && fKurs && fKurs->fBesetzung.GetWocheTagStd(woche, tag, std);
  if (gezogen || (plan == fVorschauPlan && fVorschau[tag][std])) zelle.fMarke = 'R';
  return zelle;
}

void TManuellForm::Vorschau(int32_t plan, int32_t tag, int32_t std, bool ohneRaum) {
  const TPlanElement* element = Plan(plan);
  VorschauEnde();
  if (element == nullptr) return;
  fVorschauPlan = plan;
  TKurs* gedrueckt = ZellKurs(plan, tag, std);
  if (gedrueckt) AendereBesetzung(*gedrueckt, -1, tag, true, false, std);
  const TRaum* raum = ohneRaum ? nullptr : fRaum;
  const TStandard& s = fStandard;
  for (int32_t t = 1; t <= std::clamp(s.fMaxTageNeu, 1, kMaxTage); ++t) {
    for (int32_t p = 1; p <= std::clamp(s.fPlnStd, 1, kMaxStunden); ++p) {
      TKurs* kurs = ZellKurs(plan, t, p);
      if (kurs == nullptr) continue;
      // A coupled lesson moves with every lesson of its coupling in that cell.
      bool passt = true;
      for (const TKurs* k : kurs->MitKopplung()) {
        if (k != kurs && !k->fBesetzung.GetWocheTagStd(-1, t, p)) continue;
        passt = passt && SetzungPossible(*k, -1, tag, raum, std);
      }
      fVorschau[t][p] = passt;
    }
  }
  if (gedrueckt) AendereBesetzung(*gedrueckt, -1, tag, true, true, std);
  Zeigen();
}

void TManuellForm::VorschauEnde() {
  fVorschauPlan = -1;
  for (auto& spalte : fVorschau) spalte.fill(false);
}

}  // namespace orbato
