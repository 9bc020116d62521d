#include "substitution/fehlzeiten.h"

#include <algorithm>
#include <optional>

#include "model/basis/datumformat.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/fenster.h"
#include "model/vertretung/fehl.h"
#include "model/vertretung/kalender.h"

namespace orbato {
namespace {

constexpr int32_t kPerioden = 16;
// The width of one period in the day line of column 1, in pixels.
constexpr int32_t kStundenBreite = 9;
// Rows shown below the top row before the grid scrolls.
constexpr int32_t kSichtbareZeilen = 8;

// New records stand by date, and within a date by the elements' display order.
int FehlVergleich(const TFehl* a, const TFehl* b) {
  if (a->fDatum != b->fDatum) return a->fDatum < b->fDatum ? -1 : 1;
  return ReihenVergleich(a->fElement, b->fElement);
}

bool AmSelbenTag(TDatumZeit a, TDatumZeit b) {
  return GanzerTag(a) == GanzerTag(b);
}

// Applies the mask now in fHilfe; a record left without periods leaves the list and is freed.
void Anwenden(TListe<TFehl>& menge, TFehl* fehl) {
  fehl->AendereVertretung();
  if (fehl->fZeit != 0) return;
  if (menge.ListeElemEnthalten(fehl)) menge.ListeLoeschen(true);
}

template <class T>
void ElementEintraege(TFehlForm& form, const TListe<T>& elemente, TMenu& menu) {
  for (T* e : elemente) {
    menu.push_back(MenuEintrag(e->fKuerzel.str(), [&form, e] { form.ElementHinzufuegen(e); }));
  }
}

}  // namespace

uint32_t StundenMaske(std::string_view stunden) {
  uint32_t maske = 0;
  for (int32_t i = 1; i <= kPerioden && i <= static_cast<int32_t>(stunden.size()); ++i) {
    if (stunden[i - 1] == '+') maske |= TFehl::StundenBit(i);
  }
  return maske;
}

std::string StundenText(uint32_t maske) {
  std::string text(kPerioden, '-');
  for (int32_t i = 1; i <= kPerioden; ++i) {
    if (maske & TFehl::StundenBit(i)) text[i - 1] = '+';
  }
  return text;
}

std::string GrundAusZelle(std::string_view zelle) {
  return zelle.size() >= 3 ? std::string(zelle.substr(1, 1)) : std::string();
}

TFehlForm::TFehlForm(TSchule& schule, const TStandard& standard, TKuerzelArt art, TDatumZeit datum)
    : fSchule(schule),
      fStandard(standard),
      fArt(art),
      fDatum(Mittag(datum)),
      fTag(Wochentag(fDatum)),
      fWoche(std::max(1, PlanVersionAm(fDatum))),
      fBis(std::clamp(standard.fPlnStd, 1, kPerioden)) {
  for (TFehl* f : Menge()) {
    if (!AmSelbenTag(f->fDatum, fDatum)) continue;
    fZeilen.push_back({f->fElement, f, "(" + f->fGrund.str() + ")", StundenText(f->fZeit)});
  }
}

std::string TFehlForm::Titel() const {
  return "Fehlende " + ElementKnopf();
}

std::string TFehlForm::ElementKnopf() const {
  return fArt == leh ? "Lehrer" : fArt == kla ? "Klassen" : "R\xE4ume";
}

std::string TFehlForm::DatumText() const {
  return FormatDatum("dddd, d. mmmm, yyyy", fDatum);
}

std::string TFehlForm::StundenName(int32_t std) const {
  return StundenBezeichnung(fWoche, std);
}

TListe<TFehl>& TFehlForm::Menge() const {
  return *fSchule.FehlMenge(fArt);
}

void TFehlForm::SetVon(int32_t std) {
  fVon = std;
  if (fVon > fBis) fBis = fVon;
}

void TFehlForm::SetBis(int32_t std) {
  fBis = std;
  if (fBis < fVon) fVon = fBis;
}

TMenu TFehlForm::StundenMenu(bool bis) {
  TMenu menu;
  const int32_t n = std::clamp(fStandard.fPlnStd, 1, kPerioden);
  for (int32_t std = 1; std <= n; ++std) {
    auto befehl = [this, bis, std] { bis ? SetBis(std) : SetVon(std); };
    TMenuEintrag& e = menu.emplace_back(MenuEintrag(StundenName(std), befehl, std));
    e.fChecked = std == (bis ? fBis : fVon);
  }
  return menu;
}

int32_t TFehlForm::ZeileVon(const TPlanElement* element) const {
  for (std::size_t i = 0; i < fZeilen.size(); ++i) {
    if (fZeilen[i].fElement == element) return static_cast<int32_t>(i);
  }
  return -1;
}

TMenu TFehlForm::ElementMenu() {
  TMenu menu;
  if (fArt == leh) ElementEintraege(*this, fSchule.fLehrerMenge, menu);
  if (fArt == kla) ElementEintraege(*this, fSchule.fKlassenMenge, menu);
  if (fArt == rau) ElementEintraege(*this, fSchule.fRaumMenge, menu);
  InSpaltenUmbrechen(menu, MenuSpaltenLaenge(static_cast<int>(menu.size())));
  return menu;
}

TFehlForm::TZugang TFehlForm::ElementHinzufuegen(TPlanElement* element) {
  if (const int32_t schon = ZeileVon(element); schon >= 0) {
    fSchule.Dialog().Nachricht("Fehlt schon",
                               {element->fKuerzel.str(), "fehlt an diesem Tag schon."},
                               TMeldungsArt::Information);
    Sichtbar(schon);
    return TZugang::FehltSchon;
  }
  TFehlZeile zeile;
  zeile.fElement = element;
  for (int32_t std = fVon; std <= fBis; ++std) zeile.fStunden[std - 1] = '+';
  fZeilen.push_back(std::move(zeile));
  Sichtbar(static_cast<int32_t>(fZeilen.size()) - 1);
  return TZugang::Neu;
}

void TFehlForm::ElementZeigen(TPlanElement* element) {
  if (const int32_t zeile = ZeileVon(element); zeile >= 0) {
    Sichtbar(zeile);
  } else {
    ElementHinzufuegen(element);
  }
}

void TFehlForm::Sichtbar(int32_t zeile) {
  fAuswahl = zeile;
  fOberste = zeile < kSichtbareZeilen ? 0 : zeile - kSichtbareZeilen;
}

std::string TFehlForm::TagesZeile(int32_t zeile) const {
  return fZeilen.at(zeile).fElement->SVZeile(fWoche, fTag);
}

void TFehlForm::StundenKlick(int32_t zeile, int32_t x, bool shift, bool strg) {
  std::string& stunden = fZeilen.at(zeile).fStunden;
  if (shift) {
    stunden.assign(kPerioden, '-');
  } else if (strg) {
    stunden.assign(kPerioden, '+');
  } else if (const int32_t std = x / kStundenBreite + 1; x >= 0 && std <= kPerioden) {
    stunden[std - 1] = stunden[std - 1] == '+' ? '-' : '+';
  }
}

void TFehlForm::SetStunden(int32_t zeile, std::string_view stunden) {
  std::string text(stunden.substr(0, kPerioden));
  text.resize(kPerioden, '-');
  fZeilen.at(zeile).fStunden = text;
}

TMenu TFehlForm::GrundMenu(int32_t zeile) {
  TMenu menu;
  for (const TGrundString& code : fStandard.fGrund) {
    const std::string text = code.str();
    menu.push_back(MenuEintrag(text, [this, zeile, text] { SetGrund(zeile, text); }));
  }
  return menu;
}

void TFehlForm::SetGrund(int32_t zeile, std::string_view code) {
  fZeilen.at(zeile).fGrund = "(" + std::string(code) + ")";
}

void TFehlForm::Uebernehme(TFehlZeile& zeile) {
  TListe<TFehl>& menge = Menge();
  if (zeile.fFehl == nullptr) {
    auto* neu = new TFehl;
    neu->SetElement(zeile.fElement);
    neu->SetDatum(fDatum);
    neu->SetZeit(0);
    menge.ListeEinfuegen(neu, FehlVergleich);
    zeile.fFehl = neu;
  }
  const uint32_t maske = StundenMaske(zeile.fStunden);
  zeile.fFehl->SetGrund(GrundAusZelle(zeile.fGrund));
  zeile.fFehl->SetHilfe(maske);
  Anwenden(menge, zeile.fFehl);
  // An empty mask freed the record; the row must not point at it any more.
  if (maske == 0) zeile.fFehl = nullptr;
}

void TFehlForm::Ok() {
  for (TFehlZeile& zeile : fZeilen) Uebernehme(zeile);
  fSchule.SetDirty();
  fSchule.FensterUpdate(TFensterTyp::Vertretungen);
  fSchule.FensterUpdate(TFensterTyp::Vertretungswahl);
}

TLangeFehlzeit::TLangeFehlzeit(const TFehlForm& form, const TFehlZeile& zeile)
    : fSchule(form.Dokument()),
      fArt(form.Art()),
      fStart(form.Datum()),
      fElement(zeile.fElement),
      fMaske(StundenMaske(zeile.fStunden)),
      fGrund(GrundAusZelle(zeile.fGrund)) {
  const TKalenderDatum d = DekodiereDatum(fStart);
  fTag = d.Tag;
  fMonat = d.Monat;
  fJahr = d.Jahr;
}

std::string TLangeFehlzeit::Ueberschrift() const {
  return fElement->fKuerzel.str() + " fehlt bis";
}

int32_t TLangeFehlzeit::Ok() {
  const std::optional<TDatumZeit> gebaut = KorrigiertesDatum(fJahr, fMonat, fTag);
  if (!gebaut || GanzerTag(*gebaut) < GanzerTag(fStart)) {
    const TKalenderDatum d = DekodiereDatum(fStart);
    fTag = d.Tag;
    fMonat = d.Monat;
    fJahr = d.Jahr;
  }
  const TDatumZeit ende =
      gebaut && GanzerTag(*gebaut) >= GanzerTag(fStart) ? *gebaut + 0.5 : fStart;
  TMeldungsFenster meldung(fSchule.Dialog(), "Die Fehlzeiten werden eingetragen.");
  int32_t tage = 0;
  for (TDatumZeit datum = fStart + 1; datum <= ende; datum += 1) {
    if (!Schultag(datum)) continue;
    Eintragen(datum);
    ++tage;
  }
  return tage;
}

void TLangeFehlzeit::Eintragen(TDatumZeit datum) {
  TListe<TFehl>& menge = *fSchule.FehlMenge(fArt);
  TFehl* fehl = nullptr;
  for (TFehl* f : menge) {
    if (f->fElement == fElement && AmSelbenTag(f->fDatum, datum)) {
      fehl = f;
      break;
    }
  }
  if (fehl == nullptr) {
    fehl = new TFehl;
    fehl->SetElement(fElement);
    fehl->SetDatum(datum);
    menge.ListeAnhaengen(fehl);
  }
  fehl->SetGrund(fGrund);
  fehl->SetHilfe(fMaske);
  Anwenden(menge, fehl);
  fSchule.SetDirty();
}

}  // namespace orbato
