#pragma once

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/kurse/kurs.h"
#include "model/kurse/setzung.h"
#include "substitution/fehlzeiten.h"

namespace orbato {

// The palette's clock stands on Tuesday, 8 December 2026.
inline constexpr TDatumZeit kDienstag = 46364.5;

// Teachers MUE and SCH, class 5a, MUE's Mathe (worth 2) on Tuesdays in period 1 and SCH's
// Englisch after it. MUE is absent on
// the 8th in that period and SCH takes the lesson, so SCH's balances rise by 2.
inline TVertretung* VertretungsSchule(TSchule& s) {
  TLehrer* mue = s.HoleLehrer("MUE");
  TLehrer* sch = s.HoleLehrer("SCH");
  auto* mathe = new TKurs;
  mathe->IKurs(mue, s.HoleKlasse("5a"), 1, nullptr, s.HoleFach("M"), nullptr);
  mathe->SetFaktor(2);
  auto* setzung = new TSetzung(1, 2, 1);
  mathe->SetzungAufnehmen(setzung);
  auto* englisch = new TKurs;
  englisch->IKurs(sch, s.HoleKlasse("5a"), 1, nullptr, s.HoleFach("E"), nullptr);
  englisch->SetzungAufnehmen(new TSetzung(1, 2, 2));
  TFehlForm form(s, Standard(), leh, kDienstag);
  form.ElementHinzufuegen(mue);
  form.SetStunden(form.ZeileVon(mue), "+");
  form.Ok();
  TVertretung* v = setzung->VertretungFinden(kDienstag);
  if (v) v->TrageLehrerEin(sch);
  return v;
}

}  // namespace orbato
