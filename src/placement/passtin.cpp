#include "placement/passtin.h"

#include <algorithm>
#include <string>
#include <vector>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/kopplung.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "placement/konfliktliste.h"
#include "placement/setzen.h"

namespace orbato {
namespace {

// "Montag  3": the day's name and the period label of the current version.
std::string ZeitText(int32_t tag, int32_t std) {
  const TStandard& s = Standard();
  std::string text;
  if (tag >= 1 && tag <= kMaxTage) text = s.fTagName[tag - 1].str();
  text += ' ';
  const int32_t w = s.fAktuelleWoche;
  if (w >= 1 && w <= kMaxWochen && std >= 1 && std <= kMaxStunden) {
    text += s.fStdBez[w - 1][std - 1].str();
  }
  return text;
}

void ErstesWeg(TListe<TKonflikt>& liste) {
  liste.ListeAnfang();
  liste.ListeLoeschen(true);
}

}  // namespace

// The rows are the coupling's lessons in the current version; with none there the question is
// moot and counts as "no".
TKopplungsWahl FrageKopplung(const TKurs& kurs, int32_t woche, int32_t tag, int32_t std) {
  const int32_t aktuell = Standard().fAktuelleWoche;
  std::vector<std::string> zeilen = {"L\xF6schen", ZeitText(tag, std), "die gekoppelten Kurse",
                                     kurs.KurzZeile(woche, tag, nullptr, std), "gekoppelt mit"};
  int32_t anzahl = 0;  // the rows under "gekoppelt mit"
  for (const TKurs* k : kurs.fKopplung->fKurse) {
    if (k->SetzungFinden(aktuell, tag, std) == nullptr) continue;
    zeilen.push_back(k->KurzZeile(aktuell, tag, nullptr, std));
    ++anzahl;
  }
  if (anzahl == 0) return TKopplungsWahl::Nein;
  switch (Schule().Dialog().Frage("gekoppelten Kurs l\xF6schen", zeilen,
                                  {"Dieser Kurs", "Kopplung", "Abbrechen"})) {
    case 0:
      return TKopplungsWahl::DieserKurs;
    case 1:
      return TKopplungsWahl::Kopplung;
    default:
      return TKopplungsWahl::Abbrechen;
  }
}

namespace {

// Removes the lessons in the way from the front of the list until it is empty or the user
// cancels. Displacements made before a cancel stay.
void Verdraenge(TListe<TKonflikt>& liste, int32_t tag, int32_t std,
                const std::function<void(TKurs*)>* vormerken) {
  while (TKonflikt* konflikt = liste.ListeNrInhalt(1)) {
    TKurs* kurs = konflikt->fKurs;
    // "No free room" names a course of the own coupling, which has nothing in the cell to give up.
    if (kurs == nullptr || konflikt->fArt == koRa) {
      ErstesWeg(liste);
      continue;
    }
    if (kurs->fKopplung == nullptr) {
      LoescheSetzung(*kurs, konflikt->fWoche, tag, false, std);
      ErstesWeg(liste);
      continue;
    }
    switch (FrageKopplung(*kurs, konflikt->fWoche, tag, std)) {
      case TKopplungsWahl::DieserKurs:
        LoescheSetzung(*kurs, konflikt->fWoche, tag, false, std);
        if (vormerken && *vormerken) (*vormerken)(kurs);
        break;
      case TKopplungsWahl::Kopplung:
        LoescheSetzung(*kurs, konflikt->fWoche, tag, true, std);
        break;
      case TKopplungsWahl::Nein:
        break;
      case TKopplungsWahl::Abbrechen:
        return;
    }
    ErstesWeg(liste);
  }
}

std::vector<std::string> KonfliktZeilen(std::vector<std::string> kopf,
                                        const TListe<TKonflikt>& liste) {
  for (const TKonflikt* k : liste) kopf.push_back(k->Zeile());
  return kopf;
}

// The dialogs for a built list of severity `schwere`.
bool Entscheide(TListe<TKonflikt>& liste, int32_t schwere, int32_t tag, int32_t std,
                const std::function<void(TKurs*)>* vormerken) {
  Dialoge& dialoge = Schule().Dialog();
  if (schwere > 1) {
    dialoge.Frage(
        "Setzungsverbot",
        KonfliktZeilen({ZeitText(tag, std), "Konflikt", "Sperrungen und Fixierungen k\xF6nnen",
                        "nicht verdr\xE4ngt werden."},
                       liste),
        {"Ok"}, TMeldungsArt::Warnung);
  } else if (schwere == 1) {
    const int antwort =
        dialoge.Frage("Verdr\xE4ngen", KonfliktZeilen({ZeitText(tag, std), "Konflikt mit"}, liste),
                      {"Trotzdem setzen", "Abbrechen"});
    if (antwort == 0) Verdraenge(liste, tag, std, vormerken);
  }
  return liste.ListeZahlElemente() == 0;
}

// With `mitKopplung`, the coupled courses holding the old cell, read before anything changes.
std::vector<TKurs*> ZuPruefen(TKurs& kurs, bool mitKopplung, int32_t altTag, int32_t altStd) {
  if (!mitKopplung || kurs.fKopplung == nullptr) return {&kurs};
  std::vector<TKurs*> kurse;
  for (TKurs* k : kurs.fKopplung->fKurse) {
    if (k->fBesetzung.GetWocheTagStd(-1, altTag, altStd)) kurse.push_back(k);
  }
  return kurse;
}

}  // namespace

bool PasstIn(TKurs& kurs, int32_t neuTag, int32_t neuStd, bool mitKopplung,
             TListe<TKonflikt>& liste, int32_t altStd, int32_t altTag) {
  int32_t schwere = 0;
  for (TKurs* k : ZuPruefen(kurs, mitKopplung, altTag, altStd)) {
    schwere = std::max(schwere, FuelleKonfliktListe(*k, neuTag, neuStd, &kurs, kurs.fKopplung,
                                                    liste, altStd, altTag));
  }
  return Entscheide(liste, schwere, neuTag, neuStd, nullptr);
}

bool PasstInMitRaum(TKurs& kurs, int32_t neuTag, int32_t neuStd, TRaum* neuRaum, bool mitKopplung,
                    TListe<TKonflikt>& liste, int32_t altStd, int32_t altTag) {
  int32_t schwere = 0;
  for (TKurs* k : ZuPruefen(kurs, mitKopplung, altTag, altStd)) {
    const int32_t s = k == &kurs ? FuelleKonfliktListeMitRaum(*k, neuTag, neuStd, neuRaum, &kurs,
                                                              kurs.fKopplung, liste, altStd, altTag)
                                 : FuelleKonfliktListe(*k, neuTag, neuStd, &kurs, kurs.fKopplung,
                                                       liste, altStd, altTag);
    schwere = std::max(schwere, s);
  }
  return Entscheide(liste, schwere, neuTag, neuStd, nullptr);
}

bool ManOhneKonflPasstIn(TKurs& kurs, int32_t tag, int32_t std, TRaum* raum, bool mitKopplung,
                         TListe<TKonflikt>& liste) {
  int32_t schwere = 0;
  if (mitKopplung && kurs.fKopplung) {
    for (TKurs* k : kurs.fKopplung->fKurse) {
      schwere =
          std::max(schwere, ManKonfliktListe(*k, tag, std, k == &kurs ? raum : nullptr, liste));
    }
  } else {
    schwere = ManKonfliktListe(kurs, tag, std, raum, liste);
  }
  return Entscheide(liste, schwere, tag, std, nullptr);
}

bool ManPasstIn(TKurs& kurs, int32_t tag, int32_t std, const TListe<TKonflikt>& liste,
                const std::function<void(TKurs*)>& vormerken) {
  (void)kurs;
  TListe<TKonflikt> kopie(true);
  for (const TKonflikt* k : liste) kopie.ListeAnhaengen(new TKonflikt(*k));
  return Entscheide(kopie, HoechsteSchwere(kopie), tag, std, &vormerken);
}

}  // namespace orbato
