#include "persist/planbindung.h"

#include <cstdio>
#include <utility>

#include "model/basis/zeichensatz.h"
#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/uhr.h"
#include "persist/plangrenzen.h"
#include "persist/planschreiber.h"
#include "persist/wiederherstellung.h"

namespace orbato {
namespace {

// A file's name without folder, as the program's messages show it.
std::string Name(const std::string& pfad) {
  return Cp1252AusUtf8(DateiNameOhnePfad(pfad));
}

void Entferne(const std::string& pfad) {
  if (!pfad.empty()) std::remove(pfad.c_str());
}

bool FrageGeaendert(Dialoge& dialoge, const std::string& name) {
  return dialoge.FrageJaNein("Datei ge\xE4ndert",
                             {"Die Datei " + name +
                                  " wurde seit dem \xD6"
                                  "ffnen von einem anderen Programm ge\xE4ndert.",
                              "Trotzdem \xFC"
                              "berschreiben?"});
}

}  // namespace

TPlanBindung::TPlanBindung(Dialoge& dialoge, const Uhr& uhr, std::string datenOrdner, TSperre ich)
    : fDialoge(dialoge), fUhr(uhr), fDatenOrdner(std::move(datenOrdner)), fIch(std::move(ich)) {
  fWiederherstellDatei = UnbenanntDatei();
}

TPlanBindung::~TPlanBindung() {
  if (fGesperrt) SperreFreigeben(fPlan, fIch);
}

std::string TPlanBindung::UnbenanntDatei() const {
  if (!fUnbenannt.empty()) return fUnbenannt;
  return fDatenOrdner.empty() ? std::string() : UnbenanntPfad(fDatenOrdner, fIch.fPid);
}

void TPlanBindung::Binden(const std::string& plan, bool schreibgeschuetzt) {
  fPlan = plan;
  fSchreibgeschuetzt = schreibgeschuetzt;
  fGesperrt = !schreibgeschuetzt;
  fStand = DateiStand(plan);
  // A read-only document must not write over the recovery file of the planner who holds it.
  fWiederherstellDatei = schreibgeschuetzt ? UnbenanntDatei() : WiederherstellungsPfad(plan);
}

void TPlanBindung::Freigeben() {
  if (fGesperrt) SperreFreigeben(fPlan, fIch);
  fGesperrt = false;
  fPlan.clear();
  fSchreibgeschuetzt = false;
  fStand.reset();
  fWiederherstellDatei = UnbenanntDatei();
}

void TPlanBindung::Loesen() {
  Entferne(fWiederherstellDatei);
  fUnbenannt.clear();
  Freigeben();
}

TGeladenerPlan TPlanBindung::Oeffnen(const std::string& plan) {
  Loesen();
  const std::string name = Name(plan);
  bool schreibgeschuetzt = false;
  if (const std::optional<TSperre> fremd = SperreNehmen(plan, fIch, fUhr.Jetzt(), fLebt)) {
    switch (FrageSperre(fDialoge, name, *fremd)) {
      case TSperrAntwort::Abbrechen:
        return {};
      case TSperrAntwort::Schreibgeschuetzt:
        schreibgeschuetzt = true;
        break;
      case TSperrAntwort::Trotzdem:
        SperreUebernehmen(plan, fIch, fUhr.Jetzt());
        break;
    }
  }
  fPlan = plan;
  fGesperrt = !schreibgeschuetzt;
  try {
    TGeladenerPlan geladen;
    bool liegtNoch = false;  // a recovery file that could neither be read nor put aside
    const std::string rettung = WiederherstellungsPfad(plan);
    const std::optional<TDatumZeit> zeit =
        schreibgeschuetzt ? std::nullopt : WiederherstellungNeuer(plan);
    if (zeit) {
      switch (FrageWiederherstellung(fDialoge, name, *zeit)) {
        case TWiederherstellAntwort::Abbrechen:
          Freigeben();
          return {};
        case TWiederherstellAntwort::Verwerfen:
          Entferne(rettung);
          break;
        case TWiederherstellAntwort::Wiederherstellen:
          geladen = LadeWiederherstellung(rettung, plan);
          liegtNoch = !geladen.schule && DateiStand(rettung).has_value();
          break;
      }
    }
    if (!geladen.schule) geladen = LadePlan(plan, fDialoge, fUhr);
    Binden(plan, schreibgeschuetzt);
    if (liegtNoch) fWiederherstellDatei = UnbenanntDatei();
    if (geladen.wiederhergestellt) geladen.schule->SetDirty(true);
    return geladen;
  } catch (...) {
    Freigeben();
    throw;
  }
}

TGeladenerPlan TPlanBindung::UnbenannteAnbieten() {
  if (fDatenOrdner.empty()) return {};
  for (const TUnbenannteWiederherstellung& r : VerwaisteUnbenannte(fDatenOrdner, fLebt)) {
    switch (FrageWiederherstellung(fDialoge, "", r.fZeit)) {
      case TWiederherstellAntwort::Abbrechen:
        continue;
      case TWiederherstellAntwort::Verwerfen:
        Entferne(r.fPfad);
        continue;
      case TWiederherstellAntwort::Wiederherstellen:
        break;
    }
    TGeladenerPlan geladen = LadeWiederherstellung(r.fPfad, "");
    if (!geladen.schule) continue;
    Freigeben();
    // The document goes on with the file it came from, so that the state is never kept twice.
    fUnbenannt = r.fPfad;
    fWiederherstellDatei = r.fPfad;
    geladen.schule->SetDirty(true);
    return geladen;
  }
  return {};
}

TGeladenerPlan TPlanBindung::LadeWiederherstellung(const std::string& pfad,
                                                   const std::string& plan) {
  try {
    TGeladenerPlan geladen = LadePlan(pfad, fDialoge, fUhr);
    geladen.schule->SetDateiName(plan.empty() ? "ohne Titel" : DateiNameOhnePfad(plan));
    geladen.wiederhergestellt = true;
    return geladen;
  } catch (const TStreamFehler& f) {
    const std::optional<std::string> beiseite = DefektBeiseite(pfad);
    fDialoge.Nachricht(
        "Wiederherstellung",
        {"Die Wiederherstellungsdatei " + Name(pfad) + " kann nicht gelesen werden:", f.what(),
         beiseite ? "Sie bleibt als " + Name(*beiseite) + " erhalten."
                  : std::string("Sie bleibt erhalten.")},
        TMeldungsArt::Fehler);
    return {};
  }
}

bool TPlanBindung::DarfSchreiben(const std::string& ziel) {
  const std::string name = Name(ziel);
  if (ziel == fPlan && fStand) {
    const std::optional<TDateiStand> jetzt = DateiStand(ziel);
    if (jetzt && *jetzt != *fStand && !FrageGeaendert(fDialoge, name)) return false;
  }
  if (ziel != fPlan || fSchreibgeschuetzt) {
    if (const std::optional<TSperre> fremd = FremdeSperre(ziel, fIch, fLebt)) {
      return FrageFremdUeberschreiben(fDialoge, name, *fremd);
    }
  }
  return true;
}

void TPlanBindung::Gesichert(const std::string& ziel) {
  Entferne(fWiederherstellDatei);
  // One the target kept from an earlier run is older than what was just written.
  Entferne(WiederherstellungsPfad(ziel));
  fUnbenannt.clear();
  if (ziel != fPlan || fSchreibgeschuetzt) {
    if (fGesperrt && ziel != fPlan) SperreFreigeben(fPlan, fIch);
    SperreUebernehmen(ziel, fIch, fUhr.Jetzt());
  }
  Binden(ziel, false);
}

void TPlanBindung::SchreibeWiederherstellung(TSchule& schule) {
  if (fWiederherstellDatei.empty() || !schule.IsDirty()) return;
  orbato::SchreibeWiederherstellung(fWiederherstellDatei, schule);
}

}  // namespace orbato
