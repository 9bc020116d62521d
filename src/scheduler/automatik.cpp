#include "scheduler/automatik.h"

#include <algorithm>
#include <map>

#include "model/dokument/schule.h"
#include "model/elemente/kopplung.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "placement/raeume.h"
#include "placement/wochenspanne.h"
#include "scheduler/bewertung.h"
#include "scheduler/wochensetzung.h"

namespace orbato {
namespace {

bool Enthalten(const std::vector<TKurs*>& kurse, const TKurs* kurs) {
  return std::find(kurse.begin(), kurse.end(), kurs) != kurse.end();
}

int32_t Offen(const TKurs& kurs) {
  return std::max(0, kurs.RestStunden(-1));
}

}  // namespace

TAutomatik::TAutomatik(const std::vector<TKurs*>& auswahl) : fRangfolge(Standard()) {
  for (TKurs* kurs : auswahl) {
    if (kurs != nullptr && !kurs->fNichtVerplanen && !Enthalten(fKurse, kurs))
      fKurse.push_back(kurs);
  }
  KopplungenErgaenzen();
  KurseSortieren();
  if (Standard().fAuProzent < 100) {
    ProzentKuerzen();
    KopplungenErgaenzen();
    KurseSortieren();
  }
  fNochZuSetzen = OffeneStunden(fKurse);
  fFortschrittMax = fNochZuSetzen;
  fAlle = fKurse;
}

void TAutomatik::RestNeuZaehlen() {
  fRest.clear();
  fNichtVerplanbar = 0;
  for (TKurs* kurs : fAlle) {
    if (Enthalten(fKurse, kurs) || Offen(*kurs) == 0) continue;
    fRest.push_back(kurs);
    fNichtVerplanbar += Offen(*kurs);
  }
}

int32_t TAutomatik::OffeneStunden(const std::vector<TKurs*>& kurse) {
  int32_t summe = 0;
  for (const TKurs* kurs : kurse) summe += Offen(*kurs);
  return summe;
}

void TAutomatik::KopplungenErgaenzen() {
  // Appending while walking: the courses taken in come after the ones that brought them.
  for (std::size_t i = 0; i < fKurse.size(); ++i) {
    const TKopplung* kopplung = fKurse[i]->fKopplung;
    if (kopplung == nullptr) continue;
    for (TKurs* anderer : kopplung->fKurse) {
      if (!anderer->fNichtVerplanen && !Enthalten(fKurse, anderer)) fKurse.push_back(anderer);
    }
  }
}

void TAutomatik::ProzentKuerzen() {
  const int32_t gesamt = OffeneStunden(fKurse);
  if (gesamt <= 0) return;
  const double prozent = Standard().fAuProzent;
  int64_t summe = 0;
  for (std::size_t k = 0; k < fKurse.size(); ++k) {
    if (static_cast<double>(summe) * 100.0 / gesamt >= prozent) {
      fKurse.resize(k + 1);
      return;
    }
    summe += Offen(*fKurse[k]);
  }
}

void TAutomatik::KurseSortieren() {
  TMeldungsFenster meldung(Schule().Dialog(), "Die Reihenfolge der Setzungen wird berechnet.");
  for (TKurs* kurs : fKurse) kurs->SetBewertung(0);
  for (TKurs* kurs : fKurse) {
    if (kurs->fBewertung != 0) continue;
    BewerteAutomatik(*kurs, true);
    TrageBewertungEin(*kurs);
  }
  // Highest rating first; equal ratings keep their order, as neighbours exchanged only when the
  // first is strictly lower would.
  std::stable_sort(fKurse.begin(), fKurse.end(),
                   [](const TKurs* a, const TKurs* b) { return a->fBewertung > b->fBewertung; });
  fDoReihe = false;
}

TKurs* TAutomatik::NaechsterKurs() {
  TKurs* kurs = fKurse.front();
  kurs->SetBewertung(0);
  if (kurs->fKopplung == nullptr) return kurs;
  for (TKurs* anderer : kurs->fKopplung->fKurse) {
    anderer->SetBewertung(0);
    if (Offen(*anderer) > Offen(*kurs)) kurs = anderer;
  }
  return kurs;
}

void TAutomatik::Gezaehlt(int32_t n) {
  fNochZuSetzen -= n;
  fFortschritt += n;
  const int32_t alle = std::max(1, Standard().fAuStd);
  if (n > 0 && fNochZuSetzen % alle == 0) fDoReihe = true;
}

void TAutomatik::KursFertig(TKurs& kurs) {
  for (TKurs* k : kurs.MitKopplung()) {
    if (!Enthalten(fKurse, k)) continue;
    const int32_t rest = Offen(*k);
    fNichtVerplanbar += rest;
    fNochZuSetzen -= rest;
    fFortschritt += rest;
    fKurse.erase(std::find(fKurse.begin(), fKurse.end(), k));
    if (rest > 0) fRest.push_back(k);
  }
}

void TAutomatik::Rechne() {
  // A whole run is one step of the history, however far it got.
  TVerlaufSchritt schritt;
  fAbbruch = false;
  fRangfolge = TRangfolge(Standard());
  // The counter is the work list's open hours, but the loop also goes on while a course of the
  // list still has open hours, so that every course is tried and every open hour counted.
  const auto weiter = [this] {
    return !fAbbruch && !fKurse.empty() && (fNochZuSetzen > 0 || OffeneStunden(fKurse) > 0);
  };
  while (weiter()) {
    if (fDoReihe) KurseSortieren();
    TKurs* kurs = NaechsterKurs();
    BewerteAutomatik(*kurs, true);
    TrageBewertungEin(*kurs);
    const TWochenSpanne spanne = Wochenspanne();
    for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
      TWochenSetzung(*this, *kurs, w).Setze(kurs->RestStunden(w));
    }
    for (TKurs* k : kurs->MitKopplung()) RaumAbgleich(*k);
    KursFertig(*kurs);
    if (fZwischendurch) fZwischendurch();
  }
  if (fNochZuSetzen < 0) fNochZuSetzen = 0;
  fFertig = true;
}

TOffeneStunden OffeneStundenUndZeitfenster(const std::vector<TKurs*>& kurse) {
  TOffeneStunden offen;
  std::map<const TKopplung*, int32_t> kopplungen;
  for (const TKurs* kurs : kurse) {
    const int32_t stunden = Offen(*kurs);
    offen.fStunden += stunden;
    if (kurs->fKopplung == nullptr) {
      offen.fZeitfenster += stunden;
    } else {
      int32_t& meiste = kopplungen[kurs->fKopplung];
      meiste = std::max(meiste, stunden);
    }
  }
  for (const auto& [kopplung, stunden] : kopplungen) offen.fZeitfenster += stunden;
  return offen;
}

}  // namespace orbato
