#include "scheduler/optimierkosten.h"

#include <algorithm>
#include <bit>
#include <map>
#include <utility>

#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"
#include "scheduler/bewertungstabelle.h"
#include "scheduler/nachbessermodell.h"
#include "scheduler/tagesbits.h"

namespace orbato {
namespace {

using TModell = TNachbesserModell;

int32_t Anzahl(uint32_t bits) {
  return std::popcount(bits);
}

// How far n lies outside min..max.
int32_t Ausserhalb(int32_t n, int32_t min, int32_t max) {
  return n < min ? min - n : (n > max ? n - max : 0);
}

}  // namespace

TOptimierKosten::TOptimierKosten(const TModell& modell, const TOptimierEinstellungen& einstellungen,
                                 int32_t plnStd, int32_t tage)
    : fE(einstellungen), fSichtbar((1u << plnStd) - 1u), fTage(tage) {
  for (std::size_t t = 0; t < kAutoTabellen; ++t) {
    for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
      for (int32_t std = 1; std <= kMaxStunden; ++std)
        fRangVon[t][static_cast<std::size_t>(TModell::Zelle(tag, std))] =
            Rang(Standard().fAuTab[t], tag, std);
    }
  }
  ElementeAufnehmen(modell);
  ZellenAufnehmen(modell);
}

void TOptimierKosten::ElementeAufnehmen(const TModell& modell) {
  const int32_t woche = modell.Woche();
  const auto gesperrt = [&](const TWochBereich& sperrung) {
    TTage tage{};
    for (int32_t tag = 1; tag <= kMaxTage; ++tag)
      tage[static_cast<std::size_t>(tag - 1)] =
          static_cast<uint32_t>(sperrung.GetWocheTag(woche, tag));
    return tage;
  };
  const auto neues = [&](TArt art, const TTage& sperre, int klasse) {
    TElement& el = fElemente.emplace_back();
    el.art = art;
    el.gesperrt = sperre;
    el.klasse = klasse;
    return static_cast<int>(fElemente.size() - 1);
  };
  for (const TLehrer* lehrer : modell.fLehrer) {
    const int i = neues(TArt::Lehrer, gesperrt(lehrer->fSperrung), -1);
    fElemente[static_cast<std::size_t>(i)].freierTag = lehrer->fFreierTag;
  }
  const int ersteKlasse = static_cast<int>(fElemente.size());
  for (const TKlasse* klasse : modell.fKlassen)
    neues(TArt::Klasse, gesperrt(klasse->fSperrung), -1);
  std::map<std::pair<int, const void*>, int> faecher;  // (class, subject) -> element
  std::vector<int32_t> stunden(modell.fKlassen.size(), 0);
  for (const TModell::TEreignis& ev : modell.fEreignisse) {
    TEreignisDaten d;
    for (int l : ev.lehrer) d.elemente.push_back(l);
    for (int k : ev.klassen) {
      d.elemente.push_back(ersteKlasse + k);
      ++stunden[static_cast<std::size_t>(k)];
    }
    for (int kurs : ev.kurse) {
      const TModell::TKursDaten& kd = modell.fKurse[static_cast<std::size_t>(kurs)];
      if (kd.kurs->fFach == nullptr) continue;
      for (int k : kd.klassen) {
        const auto [it, neu] = faecher.try_emplace({k, kd.kurs->fFach}, 0);
        if (neu) it->second = neues(TArt::Fach, {}, ersteKlasse + k);
        if (std::find(d.elemente.begin(), d.elemente.end(), it->second) == d.elemente.end())
          d.elemente.push_back(it->second);
      }
    }
    const int32_t nr = modell.fKurse[static_cast<std::size_t>(ev.kurse.front())].kurs->fTabellenNr;
    d.tabelle = nr >= 1 && nr <= kAutoTabellen ? static_cast<std::size_t>(nr - 1) : 0;
    fEreignisse.push_back(std::move(d));
  }
  for (std::size_t k = 0; k < stunden.size(); ++k)
    fElemente[static_cast<std::size_t>(ersteKlasse) + k].vollzeit = stunden[k] >= fE.fVollzeitAb;
}

void TOptimierKosten::ZellenAufnehmen(const TModell& modell) {
  for (std::size_t e = 0; e < modell.fEreignisse.size(); ++e) {
    const int zelle = modell.fEreignisse[e].zelle;
    if (zelle >= 0) Dazu(static_cast<int>(e), zelle);
  }
  // A class's day that had a subject twice at the start, whichever.
  fGeteiltAmAnfang.assign(fElemente.size(), TTage{});
  for (const TElement& el : fElemente) {
    if (el.art != TArt::Fach) continue;
    TTage& klasse = fGeteiltAmAnfang[static_cast<std::size_t>(el.klasse)];
    for (std::size_t tag = 0; tag < klasse.size(); ++tag)
      klasse[tag] |= MehrereLaeufe(el.belegt[tag]) ? 1u : 0u;
  }
  fLueckenHistogramm.assign(7 * 16 + 1, 0);
  fElementSumme = 0;
  for (TElement& el : fElemente) {
    el.kosten = ElementKosten(el, el.luecken);
    fElementSumme += el.kosten;
    if (el.art == TArt::Lehrer) ++fLueckenHistogramm[static_cast<std::size_t>(el.luecken)];
  }
  // Counting the cells in touched every element; the first step must find them untouched.
  fBeruehrt.clear();
  ++fSchritt;
  fRang = fNeuerRang;
  fKosten = Gesamt(fElementSumme, Schlechtester(fLueckenHistogramm), fRang);
}

int64_t TOptimierKosten::Gesamt(int64_t elementSumme, int32_t schlechtester, int64_t rang) const {
  return elementSumme + int64_t{fE.fSchlechtesterLehrer} * schlechtester + int64_t{fE.fRang} * rang;
}

void TOptimierKosten::Trage(int ereignis, int zelle, int richtung) {
  const TEreignisDaten& d = fEreignisse[static_cast<std::size_t>(ereignis)];
  const auto z = static_cast<std::size_t>(zelle);
  const std::size_t tag = z / 16;
  const uint32_t bit = 1u << (z % 16);
  for (int i : d.elemente) {
    TElement& el = fElemente[static_cast<std::size_t>(i)];
    el.anzahl[z] = static_cast<uint8_t>(el.anzahl[z] + richtung);
    el.belegt[tag] = el.anzahl[z] > 0 ? el.belegt[tag] | bit : el.belegt[tag] & ~bit;
    if (el.beruehrt != fSchritt) {
      el.beruehrt = fSchritt;
      fBeruehrt.push_back(i);
    }
  }
  fNeuerRang += richtung * fRangVon[d.tabelle][z];
}

int64_t TOptimierKosten::ElementKosten(const TElement& el, int32_t& luecken) const {
  luecken = 0;
  switch (el.art) {
    case TArt::Lehrer:
      return LehrerKosten(el, luecken);
    case TArt::Klasse:
      return KlassenKosten(el);
    case TArt::Fach:
      return FachKosten(el);
  }
  return 0;
}

int64_t TOptimierKosten::LehrerKosten(const TElement& el, int32_t& luecken) const {
  int64_t kosten = 0;
  bool freierTag = false;
  for (std::size_t tag = 0; tag < static_cast<std::size_t>(fTage); ++tag) {
    const uint32_t belegt = el.belegt[tag] & fSichtbar;
    luecken += TagesLuecken(belegt, el.gesperrt[tag]);
    const int32_t n = Anzahl(el.belegt[tag]);
    freierTag = freierTag || n == 0;
    if (n > 0) kosten += int64_t{fE.fLehrerTag} * Ausserhalb(n, fE.fLehrerMin, fE.fLehrerMax);
  }
  kosten += int64_t{fE.fLehrerLuecke} * luecken;
  if (el.freierTag && !freierTag) kosten += fE.fFreierTag;
  return kosten;
}

int64_t TOptimierKosten::KlassenKosten(const TElement& el) const {
  int64_t kosten = 0;
  for (std::size_t tag = 0; tag < static_cast<std::size_t>(fTage); ++tag) {
    const uint32_t belegt = el.belegt[tag] & fSichtbar;
    const uint32_t gesperrt = el.gesperrt[tag];
    kosten += int64_t{fE.fKlassenLuecke} * TagesLuecken(belegt, gesperrt);
    if ((fSichtbar & ~gesperrt) == 0) continue;  // a day the class is blocked for
    const int32_t n = Anzahl(belegt);
    if (el.vollzeit)
      kosten += int64_t{fE.fSpaeterBeginn} * VorDemBeginn(belegt, gesperrt, fSichtbar);
    if (n > 0 || el.vollzeit)
      kosten += int64_t{fE.fKlassenTag} * Ausserhalb(n, fE.fKlasseMin, fE.fKlasseMax);
  }
  return kosten;
}

int64_t TOptimierKosten::FachKosten(const TElement& el) const {
  int32_t tage = 0;
  for (std::size_t tag = 0; tag < static_cast<std::size_t>(fTage); ++tag) {
    if (MehrereLaeufe(el.belegt[tag])) ++tage;
  }
  return int64_t{fE.fFachDoppelt} * tage;
}

std::vector<int> TOptimierKosten::TagesElemente(std::size_t tag) const {
  std::vector<int> elemente;
  for (std::size_t i = 0; i < fElemente.size(); ++i) {
    if (fElemente[i].belegt[tag] != 0) elemente.push_back(static_cast<int>(i));
  }
  return elemente;
}

int64_t TOptimierKosten::TagesFolgeKosten(std::size_t tag, const TFolge& folge,
                                          const std::vector<int>& elemente) const {
  int64_t kosten = 0;
  for (const int i : elemente) {
    const TElement& el = fElemente[static_cast<std::size_t>(i)];
    uint32_t belegt = 0;
    for (uint32_t alt = el.belegt[tag]; alt != 0; alt &= alt - 1)
      belegt |= 1u << folge[static_cast<std::size_t>(std::countr_zero(alt))];
    if (belegt == 0) continue;
    const uint32_t gesperrt = el.gesperrt[tag];
    switch (el.art) {
      case TArt::Lehrer:
        kosten += int64_t{fE.fLehrerLuecke} * TagesLuecken(belegt & fSichtbar, gesperrt);
        break;
      case TArt::Klasse:
        kosten += int64_t{fE.fKlassenLuecke} * TagesLuecken(belegt & fSichtbar, gesperrt);
        if (el.vollzeit && (fSichtbar & ~gesperrt) != 0) {
          kosten +=
              int64_t{fE.fSpaeterBeginn} * VorDemBeginn(belegt & fSichtbar, gesperrt, fSichtbar);
        }
        break;
      case TArt::Fach:
        if (!MehrereLaeufe(belegt)) break;
        if (!fGeteiltAmAnfang[static_cast<std::size_t>(el.klasse)][tag]) return kVerboten;
        kosten += fE.fFachDoppelt;
        break;
    }
  }
  return kosten;
}

bool TOptimierKosten::NeuGeteilt(const TElement& el) const {
  const TTage& anfang = fGeteiltAmAnfang[static_cast<std::size_t>(el.klasse)];
  for (std::size_t tag = 0; tag < static_cast<std::size_t>(fTage); ++tag) {
    if (!anfang[tag] && MehrereLaeufe(el.belegt[tag])) return true;
  }
  return false;
}

int32_t TOptimierKosten::Schlechtester(const std::vector<int32_t>& histogramm) {
  for (std::size_t g = histogramm.size(); g-- > 0;) {
    if (histogramm[g] > 0) return static_cast<int32_t>(g);
  }
  return 0;
}

bool TOptimierKosten::Bewerten(int64_t& kosten) {
  int64_t summe = fElementSumme;
  for (int i : fBeruehrt) {
    TElement& el = fElemente[static_cast<std::size_t>(i)];
    if (el.art == TArt::Fach && NeuGeteilt(el)) return false;
    el.neueKosten = ElementKosten(el, el.neueLuecken);
    summe += el.neueKosten - el.kosten;
  }
  // The worst teacher's gaps with the step's changes, the histogram put back after.
  const auto verschiebe = [this](int richtung) {
    for (int i : fBeruehrt) {
      const TElement& el = fElemente[static_cast<std::size_t>(i)];
      if (el.art != TArt::Lehrer) continue;
      fLueckenHistogramm[static_cast<std::size_t>(el.luecken)] -= richtung;
      fLueckenHistogramm[static_cast<std::size_t>(el.neueLuecken)] += richtung;
    }
  };
  verschiebe(+1);
  const int32_t schlechtester = Schlechtester(fLueckenHistogramm);
  verschiebe(-1);
  kosten = Gesamt(summe, schlechtester, fNeuerRang);
  fNeueKosten = kosten;
  fNeueSumme = summe;
  return true;
}

void TOptimierKosten::Annehmen() {
  for (int i : fBeruehrt) {
    TElement& el = fElemente[static_cast<std::size_t>(i)];
    if (el.art == TArt::Lehrer) {
      --fLueckenHistogramm[static_cast<std::size_t>(el.luecken)];
      ++fLueckenHistogramm[static_cast<std::size_t>(el.neueLuecken)];
    }
    el.kosten = el.neueKosten;
    el.luecken = el.neueLuecken;
  }
  fElementSumme = fNeueSumme;
  fRang = fNeuerRang;
  fKosten = fNeueKosten;
  fBeruehrt.clear();
  ++fSchritt;
}

void TOptimierKosten::Verwerfen() {
  fNeuerRang = fRang;
  fBeruehrt.clear();
  ++fSchritt;
}

TOptimierZahlen TOptimierKosten::Zahlen() const {
  TOptimierZahlen z;
  z.fKosten = fKosten;
  std::vector<TTage> geteilt(fElemente.size(), TTage{});
  for (const TElement& el : fElemente) {
    for (std::size_t tag = 0; tag < static_cast<std::size_t>(fTage); ++tag) {
      const uint32_t belegt = el.belegt[tag] & fSichtbar;
      if (el.art == TArt::Klasse) {
        z.fKlassenLuecken += TagesLuecken(belegt, el.gesperrt[tag]);
        if (el.vollzeit && VorDemBeginn(belegt, el.gesperrt[tag], fSichtbar) > 0)
          ++z.fSpaeteBeginne;
      } else if (el.art == TArt::Fach && MehrereLaeufe(el.belegt[tag])) {
        geteilt[static_cast<std::size_t>(el.klasse)][tag] = 1;
      }
    }
    if (el.art == TArt::Lehrer) {
      z.fLehrerLuecken += el.luecken;
      z.fSchlechtesterLehrer = std::max(z.fSchlechtesterLehrer, el.luecken);
    }
  }
  for (const TTage& tage : geteilt) {
    for (const uint32_t t : tage) z.fFachDoppelt += static_cast<int32_t>(t);
  }
  return z;
}

}  // namespace orbato
