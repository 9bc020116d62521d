#include "model/fenster/deputat.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "model/dokument/schule.h"
#include "model/kuerzel/kuerzelmenge.h"
#include "model/kurse/kursmenue.h"
#include "model/kurse/kurswahl.h"
#include "model/uv/stundenwert.h"

namespace orbato {
namespace {

constexpr int kHoechstensDurchgaenge = 1000;

std::string Schalter(bool b) {
  return b ? "1" : "0";
}

// The element kind that a column shows, none for the number columns.
std::optional<TKuerzelArt> ElementArt(TDepSpalte spalte) {
  switch (spalte) {
    case TDepSpalte::Lehrer:
      return leh;
    case TDepSpalte::Fach:
      return fac;
    case TDepSpalte::Klasse:
      return kla;
    case TDepSpalte::Kopplung:
      return kop;
    case TDepSpalte::Raum:
      return rau;
    default:
      return std::nullopt;
  }
}

template <class T>
TMenu Kuerzelliste(const TListe<T>& liste) {
  TMenu menu;
  int nr = 0;
  for (const T* e : liste) menu.push_back(MenuEintrag(e->fKuerzel.str(), {}, ++nr));
  InSpaltenUmbrechen(menu, MenuSpaltenLaenge(nr));
  return menu;
}

TMenu KopplungsKurse(const TKopplung& kopplung) {
  TMenu menu;
  int nr = 0;
  for (const TKurs* k : kopplung.fKurse) menu.push_back(MenuEintrag(k->MitRaumZeile(), {}, ++nr));
  InSpaltenUmbrechen(menu, MenuSpaltenLaenge(nr));
  return menu;
}

// One class or room goes at once; of several, all that may go with Ctrl, otherwise the one the
// user picks from `auswahl`, which lists only those that may go now.
template <class T>
bool EinesOderAlle(TKurs& kurs, TKuerzelArt art, const TListe<T>& liste, bool alle,
                   TMenu& auswahl) {
  // Removing changes the course's list, so the run goes over a copy.
  const std::vector<T*> elemente(liste.begin(), liste.end());
  if (elemente.size() == 1 || alle) {
    bool entfernt = false;
    for (T* e : elemente) entfernt = KursElementEntfernen(kurs, art, e) || entfernt;
    return entfernt;
  }
  int nr = 0;
  for (T* e : elemente) {
    ++nr;
    if (!KursElementEntfernbar(kurs, art, e)) continue;
    auswahl.push_back(MenuEintrag(
        e->fKuerzel.str(), [&kurs, art, e] { KursElementEntfernen(kurs, art, e); }, nr));
  }
  InSpaltenUmbrechen(auswahl, MenuSpaltenLaenge(static_cast<int>(auswahl.size())));
  return false;
}

bool RaeumeErgaenzen(const TKurs& quelle, TKurs& ziel) {
  bool ergaenzt = false;
  for (TRaum* r : quelle.fRaeume) {
    if (ziel.HatRaum(r)) continue;
    ziel.RaumErgaenzen(r, false);
    ergaenzt = true;
  }
  return ergaenzt;
}

// Workload against target for teachers and classes, counted as their own windows count it.
// Couplings, subjects and rooms have no target; their workload is that of every course they list
// (the subject rule, so that only courses counted for neither teachers nor classes drop out),
// each course of a coupling with its own lessons: the sum of the window's "Wert" column.
std::string Last(const TElement& e) {
  switch (e.Art()) {
    case leh: {
      const auto& l = static_cast<const TLehrer&>(e);
      return StundenWert(l.FaktorSumme(-1, true, leh)) + "/" + StundenWert(l.GetSoll(-1));
    }
    case kla: {
      const auto& k = static_cast<const TKlasse&>(e);
      return StundenWert(k.FaktorSumme(-1, k.fKopDop, kla)) + "/" + StundenWert(k.GetSoll(-1));
    }
    default:
      return StundenWert(e.FaktorSumme(-1, true, fac));
  }
}

}  // namespace

std::vector<TDepSpalte> DepSpalten(const TStandard& s) {
  using enum TDepSpalte;
  std::vector<TDepSpalte> spalten = {Wert, Std, Lehrer, Fach, Klasse, Kopplung, Raum};
  if (s.fMitZusatzInfo) spalten.insert(spalten.end(), {Fkt, SpT, Ez, Tab, Nvp, NzL, NzK});
  if (s.fMitStatistik) spalten.push_back(Stat);
  if (s.fMitKursInfo) spalten.push_back(Info);
  return spalten;
}

std::string DepKopf(TDepSpalte spalte) {
  static const char* const kKoepfe[] = {"Wert", "Std",  "Lehrer", "Fach", "Klasse", "Kopplung",
                                        "Raum", "Fkt.", "S/T",    "Ez",   "Tab",    "nvp",
                                        "nzL",  "nzK",  "Stat.",  "Info"};
  return kKoepfe[static_cast<int>(spalte)];
}

int32_t DepBreite(const TStandard& s, TDepSpalte spalte) {
  using enum TDepSpalte;
  switch (spalte) {
    case Wert:
    case Stat:  // an hour value in the same field as "Wert"
      return s.fDepWertBreite;
    case Lehrer:
      return s.fDepLeBreite;
    case Fach:
      return s.fDepFaBreite;
    case Klasse:
      return s.fDepKlBreite;
    case Kopplung:
      return s.fDepKoBreite;
    case Raum:
      return s.fDepRaBreite;
    case Info:
      // An info text holds up to 31 characters, about as many as three short names of 11, so it
      // gets the width of the teacher, subject and class columns together.
      return s.fDepLeBreite + s.fDepFaBreite + s.fDepKlBreite;
    default:  // "Std" and the seven extra columns hold small numbers
      return s.fDepStdBreite;
  }
}

std::string DepText(const TKurs& kurs, TDepSpalte spalte) {
  using enum TDepSpalte;
  const int32_t stunden = kurs.fStunden.GetWochenStunde(-1);
  switch (spalte) {
    case Wert:
      return StundenWert(stunden * kurs.fFaktor);
    case Std:
      return std::to_string(stunden);
    case Lehrer:
      return KuerzelVon(kurs.fLehrer);
    case Fach:
      return KuerzelVon(kurs.fFach);
    case Klasse:
      return KuerzelVon(kurs.ErsteKlasse());
    case Kopplung:
      return KuerzelVon(kurs.fKopplung);
    case Raum:
      return KuerzelVon(kurs.VerplanterRaum() ? kurs.VerplanterRaum() : kurs.ErsterRaum());
    case Fkt:
      return std::to_string(kurs.fFaktor);
    case SpT:
      return std::to_string(kurs.fStdProTag);
    case Ez:
      return std::to_string(kurs.fEinzelStd);
    case Tab:
      return std::to_string(kurs.fTabellenNr);
    case Nvp:
      return Schalter(kurs.fNichtVerplanen);
    case NzL:
      return Schalter(kurs.fNichtZaehlenLe);
    case NzK:
      return Schalter(kurs.fNichtZaehlenKl);
    case Stat:
      return StundenWert(kurs.StatistikSumme() * kurs.fFaktor);
    case Info:
      return kurs.fInfo.str();
  }
  return {};
}

TDepStil DepStil(const TKurs& kurs, TDepSpalte spalte) {
  TDepStil stil;
  if (spalte == TDepSpalte::Std) stil.fRot = !kurs.fNichtVerplanen && kurs.RestStunden(-1) > 0;
  if (spalte == TDepSpalte::Klasse) stil.fFett = kurs.fKlassen.ListeZahlElemente() > 1;
  if (spalte == TDepSpalte::Raum) stil.fFett = kurs.fRaeume.ListeZahlElemente() > 1;
  return stil;
}

// The hour values keep their leading blanks: the title shows them in the one format every
// workload has, so its numbers keep their width while they change.
std::string DeputatTitel(const TElement& element) {
  const std::string name = ("Deputat " + element.fKuerzel.str()).substr(0, 19);
  return (name + " [").substr(0, 21) + Last(element) + "]";
}

std::vector<TKurs*> DepKurse(const TStandard& standard, const TListe<TKurs>& kurse,
                             bool nurGekoppelt, bool nurOffen) {
  const bool mitNullStd = standard.fMitNullStd;
  std::vector<TKurs*> zeilen;
  for (TKurs* k : kurse) {
    // The current selection, as the "Std" column and its red mark read the lessons.
    if (!mitNullStd && k->fStunden.GetWochenStunde(-1) <= 0) continue;
    if (nurGekoppelt && k->fKopplung == nullptr) continue;
    if (nurOffen && (k->fNichtVerplanen || k->RestStunden(-1) <= 0)) continue;
    zeilen.push_back(k);
  }
  return zeilen;
}

void DepSortieren(std::vector<TKurs*>& kurse, TDepSpalte spalte) {
  // A row's text does not change while sorting, so each is made once.
  std::vector<std::pair<std::string, TKurs*>> zeilen;
  zeilen.reserve(kurse.size());
  for (TKurs* k : kurse) zeilen.emplace_back(DepText(*k, spalte), k);
  for (int durchgang = 0; durchgang < kHoechstensDurchgaenge; ++durchgang) {
    bool getauscht = false;
    for (std::size_t i = 0; i + 1 < zeilen.size(); ++i) {
      if (KuerzelVergleich(zeilen[i].first, zeilen[i + 1].first) > 0) {
        std::swap(zeilen[i], zeilen[i + 1]);
        getauscht = true;
      }
    }
    if (!getauscht) break;
  }
  for (std::size_t i = 0; i < zeilen.size(); ++i) kurse[i] = zeilen[i].second;
}

TMenu DepZeigMenu(const TKurs& kurs, TDepSpalte spalte) {
  switch (spalte) {
    case TDepSpalte::Klasse:
      return kurs.fKlassen.ListeZahlElemente() > 1 ? Kuerzelliste(kurs.fKlassen) : TMenu{};
    case TDepSpalte::Kopplung:
      return kurs.fKopplung ? KopplungsKurse(*kurs.fKopplung) : TMenu{};
    case TDepSpalte::Raum:
      return kurs.fRaeume.ListeZahlElemente() > 1 ? Kuerzelliste(kurs.fRaeume) : TMenu{};
    default:
      return {};
  }
}

TMenu DepSetzMenu(TKurs& kurs, TDepSpalte spalte) {
  if (const auto art = ElementArt(spalte)) return KursWahlMenu(kurs, *art);
  switch (spalte) {
    case TDepSpalte::Wert:
    case TDepSpalte::Fkt:
      return FaktorMenu(kurs);
    case TDepSpalte::Std:
      return StundenMenu(kurs);
    case TDepSpalte::SpT:
      return StdProTagMenu(kurs);
    case TDepSpalte::Ez:
      return EinzelStdMenu(kurs);
    case TDepSpalte::Tab:
      return TabellenMenu(kurs);
    default:
      return {};
  }
}

bool DepLoeschen(TKurs& kurs, TDepSpalte spalte, bool ctrl, TMenu& auswahl) {
  auswahl.clear();
  switch (spalte) {
    case TDepSpalte::Lehrer:
      return KursElementEntfernen(kurs, leh, kurs.fLehrer);
    case TDepSpalte::Fach:
      // Unlike the course window, this window takes the subject only from an unplaced course.
      return !KursVerplant(kurs) && KursElementEntfernen(kurs, fac, kurs.fFach);
    case TDepSpalte::Kopplung:
      return KursElementEntfernen(kurs, kop, kurs.fKopplung);
    case TDepSpalte::Klasse:
      return EinesOderAlle(kurs, kla, kurs.fKlassen, ctrl, auswahl);
    case TDepSpalte::Raum:
      return EinesOderAlle(kurs, rau, kurs.fRaeume, ctrl, auswahl);
    default:
      return false;
  }
}

bool DepUebertragen(const TStandard& standard, const TKurs& quelle, TKurs& ziel,
                    TDepSpalte spalte) {
  if (&quelle == &ziel) return false;
  switch (spalte) {
    case TDepSpalte::Klasse:
      return KlassenErgaenzen(ziel, {quelle.fKlassen.begin(), quelle.fKlassen.end()});
    case TDepSpalte::Raum:
      return RaeumeErgaenzen(quelle, ziel);
    case TDepSpalte::Info:
      if (!standard.fMitKursInfo || ziel.fInfo == quelle.fInfo) return false;
      ziel.SetInfo(quelle.fInfo.str());
      return true;
    default:
      return false;
  }
}

int DepAuswahlLoeschen(TSchule& schule, const std::vector<TKurs*>& auswahl) {
  // Collected first: a course chosen twice must not be destroyed twice.
  std::vector<TKurs*> weg;
  for (TKurs* k : auswahl) {
    if (k && !KursVerplant(*k) && std::find(weg.begin(), weg.end(), k) == weg.end()) {
      weg.push_back(k);
    }
  }
  for (TKurs* k : weg) schule.KursEntfernen(k);
  return static_cast<int>(weg.size());
}

}  // namespace orbato
