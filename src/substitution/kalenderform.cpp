#include "substitution/kalenderform.h"

#include <algorithm>

#include "model/basis/datumformat.h"
#include "model/dokument/schule.h"
#include "model/kurse/setzung.h"
#include "model/vertretung/kalender.h"
#include "model/vertretung/vertretung.h"

namespace orbato {
namespace {

constexpr int kErsterMonat = TKalenderForm::kErstesJahr * 12;
constexpr int kLetzterMonat = TKalenderForm::kLetztesJahr * 12 + 11;

int MonatsZahl(int jahr, int monat) {
  return jahr * 12 + monat - 1;
}

bool IstWochenSpalte(int spalte) {
  return spalte >= 1 && spalte < TKalenderForm::kSpalten;
}

bool IstTagZeile(int zeile) {
  return zeile >= TKalenderForm::kErsteTagZeile && zeile < TKalenderForm::kZeilen;
}

uint8_t TagesBit(int zeile) {
  return static_cast<uint8_t>(1u << (zeile - TKalenderForm::kErsteTagZeile));
}

// A record whose date can no longer carry its lesson: the week runs on another version, or no
// school is held that day.
bool Unpassend(const TVertretung& v, const TSchule& schule, const TStandard& standard) {
  if (v.fSetzung && schule.fKalender[KalenderWoche(v.fDatum)] != v.fSetzung->fWoche) return true;
  return standard.FerienTag(v.fDatum) || standard.WochenEnde(v.fDatum);
}

}  // namespace

TKalenderForm::TKalenderForm(TSchule& schule, TStandard& standard)
    : fSchule(schule), fStandard(standard), fKalender(schule.fKalender), fFerien(standard.fFerien) {
  const TKalenderDatum heute = DekodiereDatum(schule.Jetzt());
  ZeigeMonat(heute.Jahr, heute.Monat);
}

void TKalenderForm::ZeigeMonat(int jahr, int monat) {
  const int zahl = std::clamp(MonatsZahl(jahr, monat), kErsterMonat, kLetzterMonat);
  fJahr = zahl / 12;
  fMonat = zahl % 12 + 1;
}

void TKalenderForm::NaechsterMonat() {
  ZeigeMonat(fJahr, fMonat + 1);
}

void TKalenderForm::VorigerMonat() {
  ZeigeMonat(fJahr, fMonat - 1);
}

bool TKalenderForm::HatNaechsten() const {
  return MonatsZahl(fJahr, fMonat) < kLetzterMonat;
}

bool TKalenderForm::HatVorigen() const {
  return MonatsZahl(fJahr, fMonat) > kErsterMonat;
}

std::string TKalenderForm::Titel() const {
  return FormatDatum("mmmm yyyy", Erster());
}

TDatumZeit TKalenderForm::Erster() const {
  return *KodiereDatum(fJahr, fMonat, 1);
}

TDatumZeit TKalenderForm::Montag(int spalte) const {
  const TDatumZeit erster = Erster();
  return erster - (Wochentag(erster) - 1) + 7 * (spalte - 1);
}

bool TKalenderForm::IstTag(int spalte, int zeile) const {
  if (!IstWochenSpalte(spalte) || !IstTagZeile(zeile)) return false;
  return DekodiereDatum(Montag(spalte) + (zeile - kErsteTagZeile)).Monat == fMonat;
}

TKalenderForm::TZelle TKalenderForm::Zelle(int spalte, int zeile) const {
  TZelle zelle;
  if (spalte == 0) {
    if (zeile == kVersionsZeile) zelle.fText = "Planversion";
    if (zeile == kKalWochenZeile) zelle.fText = "Kal.woche";
    if (IstTagZeile(zeile)) zelle.fText = fStandard.fTagName[zeile - kErsteTagZeile].str();
    return zelle;
  }
  if (!IstWochenSpalte(spalte)) return zelle;
  if (zeile == kVersionsZeile) zelle.fText = std::to_string(fKalender[WochenIndex(spalte)]);
  if (zeile == kKalWochenZeile) zelle.fText = std::to_string(IsoWoche(Montag(spalte)).Woche);
  if (IstTag(spalte, zeile)) {
    zelle.fText = std::to_string(DekodiereDatum(Montag(spalte) + (zeile - kErsteTagZeile)).Tag);
    zelle.fFerien = Ferientag(spalte, zeile);
    zelle.fRot = zeile - kErsteTagZeile + 1 > fStandard.fMaxTageNeu;
  }
  return zelle;
}

TMenu TKalenderForm::VersionsMenu(int spalte) {
  TMenu menu;
  if (!IstWochenSpalte(spalte)) return menu;
  const int32_t jetzt = fKalender[WochenIndex(spalte)];
  for (int32_t version = 1; version <= fStandard.WochenZahl(); ++version) {
    TMenuEintrag eintrag = MenuEintrag(
        std::to_string(version), [this, spalte, version] { SetzeVersion(spalte, version); },
        version);
    eintrag.fChecked = version == jetzt;
    menu.push_back(std::move(eintrag));
  }
  InSpaltenUmbrechen(menu, KalenderMenuSpaltenLaenge);
  return menu;
}

void TKalenderForm::SetzeVersion(int spalte, int32_t version) {
  if (!IstWochenSpalte(spalte) || version < 1 || version > fStandard.WochenZahl()) return;
  fKalender[WochenIndex(spalte)] = static_cast<uint8_t>(version);
}

bool TKalenderForm::Ferientag(int spalte, int zeile) const {
  return IstTag(spalte, zeile) && (fFerien[WochenIndex(spalte)] & TagesBit(zeile)) != 0;
}

void TKalenderForm::SetzeFerientag(int spalte, int zeile, bool ferien) {
  uint8_t& woche = fFerien[WochenIndex(spalte)];
  woche = ferien ? woche | TagesBit(zeile) : woche & ~TagesBit(zeile);
}

void TKalenderForm::Gezogen(int vonSpalte, int vonZeile, int bisSpalte, int bisZeile) {
  // The cell pressed decides as the planner sees it: a day of another month shows no holiday.
  const bool ferien = !Ferientag(vonSpalte, vonZeile);
  const auto [links, rechts] = std::minmax(vonSpalte, bisSpalte);
  const auto [oben, unten] = std::minmax(vonZeile, bisZeile);
  for (int spalte = links; spalte <= rechts; ++spalte) {
    for (int zeile = oben; zeile <= unten; ++zeile) {
      if (IstTag(spalte, zeile)) SetzeFerientag(spalte, zeile, ferien);
    }
  }
}

void TKalenderForm::Ok() {
  fSchule.fKalender = fKalender;
  fStandard.fFerien = fFerien;
  UnpassendeVertretungenEntfernen(fSchule, fStandard);
  fSchule.SetDirty();
}

void UnpassendeVertretungenEntfernen(TSchule& schule, const TStandard& standard) {
  for (;;) {
    TVertretung* weg = nullptr;
    for (TVertretung* v : schule.fVertretungsMenge) {
      if (Unpassend(*v, schule, standard)) {
        weg = v;
        break;
      }
    }
    if (weg == nullptr) return;
    VertretungZerstoeren(weg);
  }
}

}  // namespace orbato
