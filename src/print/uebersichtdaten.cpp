#include "print/uebersichtdaten.h"

#include <algorithm>
#include <functional>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "print/druckauftrag.h"

namespace orbato {
namespace {

using TZellBau = std::function<TUebersichtZelle(int32_t tag, int32_t std)>;

// The short names of a lesson, one line each, in the order its overview lists them: the plan
// element's partners first (a teacher sees the class, a class the teacher, a room both), then
// subject, room and coupling, or "*" when none of them is shown. "Kopplung statt Klasse" puts the
// coupling of a coupled course in the partner's place, and the coupling is then not named a second
// time.
std::vector<std::string> LehrstundenZeilen(TUebersichtArt art, const TKurs& kurs,
                                           const TSetzung& setzung, const TDruckEinstellung& e) {
  const bool statt = e.Statt && kurs.fKopplung != nullptr;
  const TElement* partner = statt ? static_cast<const TElement*>(kurs.fKopplung) : nullptr;
  std::vector<const TElement*> teile;
  switch (art) {
    case TUebersichtArt::Lehrer:
      if (e.Kl) teile.push_back(statt ? partner : kurs.ErsteKlasse());
      if (e.Fa) teile.push_back(kurs.fFach);
      if (e.Ra) teile.push_back(setzung.fRaum);
      break;
    case TUebersichtArt::Klassen:
      if (e.Le) teile.push_back(statt ? partner : kurs.fLehrer);
      if (e.Fa) teile.push_back(kurs.fFach);
      if (e.Ra) teile.push_back(setzung.fRaum);
      break;
    default:
      if (e.Le) teile.push_back(kurs.fLehrer);
      if (e.Kl) teile.push_back(statt ? partner : kurs.ErsteKlasse());
      if (e.Fa) teile.push_back(kurs.fFach);
      break;
  }
  const bool kopplungGezeigt =
      statt && std::find(teile.begin(), teile.end(), partner) != teile.end();
  if (e.Ko && !kopplungGezeigt) teile.push_back(kurs.fKopplung);
  std::vector<std::string> zeilen;
  for (const TElement* teil : teile) {
    if (!KuerzelVon(teil).empty()) zeilen.push_back(KuerzelVon(teil));
  }
  // An occupied cell never looks free.
  if (zeilen.empty()) zeilen.push_back("*");
  return zeilen;
}

// The lesson the element's plan shows in the cell, or its blocking.
TUebersichtZelle PlanZelle(TUebersichtArt art, const TPlanElement& element, int32_t woche,
                           int32_t tag, int32_t std, const TDruckEinstellung& e) {
  TUebersichtZelle zelle;
  const TKurs* kurs = element.FindeKurs(woche, tag, std);
  const TSetzung* setzung = kurs ? kurs->SetzungFinden(woche, tag, std) : nullptr;
  if (setzung == nullptr) {
    zelle.gesperrt = e.Sperr && element.fSperrung.GetWocheTagStd(woche, tag, std);
    return zelle;
  }
  zelle.zeilen = LehrstundenZeilen(art, *kurs, *setzung, e);
  zelle.fett = e.Fett && kurs->fKopplung != nullptr;
  zelle.unterstrichen = e.Fix && setzung->fFixiert;
  if (e.Farbe) zelle.farbe = kurs->fColor;
  return zelle;
}

// A course of the subject in one line: teacher, class (or coupling), room, coupling as chosen;
// "*" when none is chosen or known.
std::string FachKursZeile(const TKurs& kurs, const TSetzung& setzung, const TDruckEinstellung& e) {
  const bool statt = e.Statt && kurs.fKopplung != nullptr;
  std::vector<const TElement*> teile;
  if (e.Na) teile.push_back(kurs.fLehrer);
  if (e.Kl)
    teile.push_back(statt ? static_cast<const TElement*>(kurs.fKopplung) : kurs.ErsteKlasse());
  if (e.Ra) teile.push_back(setzung.fRaum);
  if (e.Ko && !(statt && e.Kl)) teile.push_back(kurs.fKopplung);
  std::string zeile;
  for (const TElement* teil : teile) {
    if (KuerzelVon(teil).empty()) continue;
    if (!zeile.empty()) zeile += ' ';
    zeile += KuerzelVon(teil);
  }
  return zeile.empty() ? "*" : zeile;
}

// Every course of the subject held in the cell, one line each; without "mit Kursen" only how
// many there are.
TUebersichtZelle FachZelle(const TFach& fach, int32_t woche, int32_t tag, int32_t std,
                           const TDruckEinstellung& e) {
  TUebersichtZelle zelle;
  int anzahl = 0;
  for (const TKurs* kurs : fach.fKurse) {
    const TSetzung* setzung = kurs->SetzungFinden(woche, tag, std);
    if (setzung == nullptr) continue;
    ++anzahl;
    if (e.Ku) zelle.zeilen.push_back(FachKursZeile(*kurs, *setzung, e));
  }
  if (!e.Ku && anzahl > 0) zelle.zeilen = {std::to_string(anzahl)};
  return zelle;
}

// The teachers of the coupling's courses held in the cell, in coupling order. A cell where none
// is held counts as blocked when one of the courses may not be placed there.
TUebersichtZelle KopplungsZelle(const TKopplung& kopplung, int32_t woche, int32_t tag, int32_t std,
                                const TDruckEinstellung& e) {
  TUebersichtZelle zelle;
  bool gesperrt = false;
  for (const TKurs* kurs : kopplung.fKurse) {
    const TSetzung* setzung = kurs->SetzungFinden(woche, tag, std);
    if (setzung == nullptr) {
      gesperrt = gesperrt || kurs->fSperrung.GetWocheTagStd(woche, tag, std);
      continue;
    }
    const std::string lehrer = KuerzelVon(kurs->fLehrer);
    zelle.zeilen.push_back(lehrer.empty() ? "*" : lehrer);
    zelle.unterstrichen = zelle.unterstrichen || (e.Fix && setzung->fFixiert);
    if (e.Farbe && !zelle.farbe) zelle.farbe = kurs->fColor;
  }
  zelle.fett = e.Fett && !zelle.zeilen.empty();
  zelle.gesperrt = e.Sperr && zelle.zeilen.empty() && gesperrt;
  return zelle;
}

// Days and periods of the range, each bound kept inside the school's week as the overview
// windows show it; a range given backwards is read forwards.
std::vector<TUebersichtSpalte> Spalten(const TStandard& st, int32_t vonTag, int32_t bisTag,
                                       int32_t vonStd, int32_t bisStd) {
  const int32_t tage = std::clamp(st.fMaxTageNeu, 1, kMaxTage);
  const int32_t stunden = std::clamp(st.fPlnStd, 1, kMaxStunden);
  vonTag = std::clamp(vonTag, 1, tage);
  bisTag = std::clamp(bisTag, 1, tage);
  vonStd = std::clamp(vonStd, 1, stunden);
  bisStd = std::clamp(bisStd, 1, stunden);
  std::vector<TUebersichtSpalte> spalten;
  for (int32_t tag = std::min(vonTag, bisTag); tag <= std::max(vonTag, bisTag); ++tag) {
    for (int32_t std = std::min(vonStd, bisStd); std <= std::max(vonStd, bisStd); ++std) {
      spalten.push_back({tag, std});
    }
  }
  return spalten;
}

// The subject overview has no range of its own: it shows the whole week.
std::vector<TUebersichtSpalte> SpaltenDerArt(TUebersichtArt art, const TStandard& st) {
  if (art == TUebersichtArt::Faecher) return Spalten(st, 1, kMaxTage, 1, kMaxStunden);
  const TDruckEinstellung& e = UebersichtEinstellung(st, art);
  return Spalten(st, e.VonTag, e.BisTag, e.VonStd, e.BisStd);
}

TUebersichtZeile Zeile(const TElement& element, const std::vector<TUebersichtSpalte>& spalten,
                       const TZellBau& zelle) {
  TUebersichtZeile zeile{element.fKuerzel.str(), {}};
  for (const TUebersichtSpalte& s : spalten) zeile.zellen.push_back(zelle(s.tag, s.std));
  return zeile;
}

template <class T>
void PlanZeilen(TUebersicht& u, TUebersichtArt art, const TListe<T>& liste,
                const TDruckAuftrag& auftrag) {
  const TDruckEinstellung& e = UebersichtEinstellung(auftrag.standard, art);
  for (const T* element : liste) {
    const auto& wahl = auftrag.auswahl;
    if (!wahl.empty() && std::find(wahl.begin(), wahl.end(), element) == wahl.end()) continue;
    u.zeilen.push_back(Zeile(*element, u.spalten, [&](int32_t tag, int32_t std) {
      return PlanZelle(art, *element, u.woche, tag, std, e);
    }));
  }
}

}  // namespace

TDruckEinstellung& UebersichtEinstellung(TStandard& standard, TUebersichtArt art) {
  switch (art) {
    case TUebersichtArt::Lehrer:
      return standard.fLUebDruck;
    case TUebersichtArt::Klassen:
      return standard.fKUebDruck;
    case TUebersichtArt::Raeume:
      return standard.fRUebDruck;
    case TUebersichtArt::Faecher:
      return standard.fFUebDruck;
    case TUebersichtArt::Kombination:
      break;
  }
  return standard.fKoUebDruck;
}

const TDruckEinstellung& UebersichtEinstellung(const TStandard& standard, TUebersichtArt art) {
  return UebersichtEinstellung(const_cast<TStandard&>(standard), art);
}

TUebersicht UebersichtDaten(TUebersichtArt art, const TDruckAuftrag& auftrag) {
  const TStandard& st = auftrag.standard;
  const TSchule& schule = auftrag.schule;
  const TDruckEinstellung& e = UebersichtEinstellung(st, art);
  TUebersicht u;
  u.woche = std::clamp(st.fAktuelleWoche, 1, kMaxWochen);
  u.spalten = SpaltenDerArt(art, st);
  switch (art) {
    case TUebersichtArt::Lehrer:
      PlanZeilen(u, art, schule.fLehrerMenge, auftrag);
      break;
    case TUebersichtArt::Klassen:
      PlanZeilen(u, art, schule.fKlassenMenge, auftrag);
      break;
    case TUebersichtArt::Raeume:
      PlanZeilen(u, art, schule.fRaumMenge, auftrag);
      break;
    case TUebersichtArt::Faecher:
      for (const TFach* fach : schule.fFachMenge) {
        u.zeilen.push_back(Zeile(*fach, u.spalten, [&](int32_t tag, int32_t std) {
          return FachZelle(*fach, u.woche, tag, std, e);
        }));
      }
      break;
    case TUebersichtArt::Kombination:
      for (const TKopplung* kopplung : schule.fKopplMenge) {
        u.zeilen.push_back(Zeile(*kopplung, u.spalten, [&](int32_t tag, int32_t std) {
          return KopplungsZelle(*kopplung, u.woche, tag, std, e);
        }));
      }
      break;
  }
  return u;
}

}  // namespace orbato
