#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/kurse/kurs.h"
#include "model/kurse/setzung.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/uhr.h"
#include "model/schulfixture.h"
#include "model/vertretung/vertretung.h"
#include "substitution/fehlzeiten.h"

namespace orbato {

// A five-day school in December 2026, today being Monday the 7th:
//   Mathe    MUE 5a in R1: Wed 2, Thu 2, Thu 4; worth 2
//   Deutsch  MEI 5b in R3: Wed 2; worth 3
//   Englisch SCH 5a: Wed 1 in R3, Thu 3 in R3 (between two Mathe lessons), Thu 6 in R2
//   Sport    SCH 5b without room: Wed 6
// The others are worth 1; KOC teaches nothing. Absences are recorded through the absence window's
// logic.
class VertretungsTest : public SchulTest {
 protected:
  VertretungsTest() {
    fSchule.SetDialoge(&fDialoge);
    fSchule.SetUhr(&fUhr);
    fStandard.fMaxTageNeu = 5;
    fStandard.fPlnStd = 8;
    for (TLehrer* l : {fMue, fSch, fMei, fKoc}) l->fVStunden2 = 10;
    fMathe = Kurs(fMue, f5a, 4, fR1, fM);
    fMathe->SetFaktor(2);
    fMatheMi = Setze(fMathe, 1, 3, 2, fR1);
    fMatheDo2 = Setze(fMathe, 1, 4, 2, fR1);
    fMatheDo4 = Setze(fMathe, 1, 4, 4, fR1);
    fDeutsch = Kurs(fMei, f5b, 4, fR3, fD);
    fDeutsch->SetFaktor(3);
    fDeutschMi = Setze(fDeutsch, 1, 3, 2, fR3);
    fEnglisch = Kurs(fSch, f5a, 4, fR3, fE);
    fEnglischMi = Setze(fEnglisch, 1, 3, 1, fR3);
    Setze(fEnglisch, 1, 4, 3, fR3);
    fEnglischDo = Setze(fEnglisch, 1, 4, 6, fR2);
    fSport = Kurs(fSch, f5b, 2, nullptr, fS);
    Setze(fSport, 1, 3, 6);
  }
  ~VertretungsTest() override { fSchule.SetUhr(nullptr); }

  // December 2026 at noon.
  static TDatumZeit Dez(int tag) { return *KodiereDatum(2026, 12, tag) + 0.5; }

  // Records the element's periods of the date ("-+" = period 2, "" = none) as the planner does.
  void Fehlt(TKuerzelArt art, TPlanElement* e, TDatumZeit datum, std::string_view stunden,
             std::string_view grund = "") {
    TFehlForm form(fSchule, fStandard, art, datum);
    if (form.ZeileVon(e) < 0) form.ElementHinzufuegen(e);
    const int32_t zeile = form.ZeileVon(e);
    form.SetStunden(zeile, stunden);
    if (!grund.empty()) form.SetGrund(zeile, grund);
    form.Ok();
  }

  // "9.12 2 MUE/M -> SCH R1 GA": date, period, course teacher and subject, substitute and room
  // ("?" for none), G in force or U not, A counted or -.
  static std::string Beschreibe(const TVertretung* v) {
    const TKalenderDatum d = DekodiereDatum(v->fDatum);
    const auto name = [](const TElement* e) { return e ? e->fKuerzel.str() : std::string("?"); };
    return std::to_string(d.Tag) + "." + std::to_string(d.Monat) + " " +
           std::to_string(v->Stunde()) + " " + name(v->fKurs->fLehrer) + "/" +
           name(v->fKurs->fFach) + " -> " + name(v->fLehrer) + " " + name(v->fRaum) + " " +
           (v->fGueltig ? "G" : "U") + (v->fAngerechnet ? "A" : "-");
  }
  std::vector<std::string> Liste() const {
    std::vector<std::string> zeilen;
    for (const TVertretung* v : fSchule.fVertretungsMenge) zeilen.push_back(Beschreibe(v));
    return zeilen;
  }
  // The two running totals; the second started at 10.
  static std::string Konten(const TLehrer* l) {
    return std::to_string(l->fVStunden1) + " " + std::to_string(l->fVStunden2);
  }
  // The first lines of the questions asked so far, then forgets them.
  std::vector<std::string> Fragen() {
    std::vector<std::string> zeilen;
    for (const TDialogEintrag& e : fDialoge.Protokoll(TDialogVorgang::Frage)) {
      zeilen.push_back(e.fTitel + ": " + e.fZeilen.at(0));
    }
    fDialoge.ProtokollLeeren();
    return zeilen;
  }

  TSkriptDialoge fDialoge;
  TFesteUhr fUhr{*KodiereDatum(2026, 12, 7) + 0.4};
  const TDatumZeit fMi = Dez(9);
  TLehrer* fMue = fSchule.HoleLehrer("MUE");
  TLehrer* fSch = fSchule.HoleLehrer("SCH");
  TLehrer* fMei = fSchule.HoleLehrer("MEI");
  TLehrer* fKoc = fSchule.HoleLehrer("KOC");
  TKlasse* f5a = fSchule.HoleKlasse("5a");
  TKlasse* f5b = fSchule.HoleKlasse("5b");
  TRaum* fR1 = fSchule.HoleRaum("R1");
  TRaum* fR2 = fSchule.HoleRaum("R2");
  TRaum* fR3 = fSchule.HoleRaum("R3");
  TRaum* fR4 = fSchule.HoleRaum("R4");
  TRaum* fR5 = fSchule.HoleRaum("R5");
  TFach* fM = fSchule.HoleFach("M");
  TFach* fD = fSchule.HoleFach("D");
  TFach* fE = fSchule.HoleFach("E");
  TFach* fS = fSchule.HoleFach("S");
  TKurs* fMathe;
  TKurs* fDeutsch;
  TKurs* fEnglisch;
  TKurs* fSport;
  TSetzung* fMatheMi;
  TSetzung* fMatheDo2;
  TSetzung* fMatheDo4;
  TSetzung* fDeutschMi;
  TSetzung* fEnglischMi;
  TSetzung* fEnglischDo;
};

}  // namespace orbato
