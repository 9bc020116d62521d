#include "substitution/vertretungsinhalt.h"

#include <algorithm>
#include <array>
#include <functional>
#include <utility>

#include "model/basis/datumformat.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/vertretung/kalender.h"

namespace orbato {
namespace {

// How a table is divided: by class, by a teacher, by the placement's room or by period.
enum class TGruppierung { Klasse, Vertreter, Fehlender, Raum, Stunde };

bool HeuteGeaendert(const TVertretung& v) {
  return GanzerTag(v.fAdHoc) == GanzerTag(HeuteMittag());
}

const TLehrer* KursLehrer(const TVertretung& v) {
  return v.fKurs ? v.fKurs->fLehrer : nullptr;
}

const TRaum* SetzungsRaum(const TVertretung& v) {
  return v.fSetzung ? v.fSetzung->fRaum : nullptr;
}

std::string Name(const TElement* element, const TVDEinstellung& e) {
  if (element == nullptr) return {};
  return e.LehrerBezeichnung == 1 ? element->fInfo.str() : element->fKuerzel.str();
}

std::string Stundentext(const TVertretung& v) {
  return StundenBezeichnung(v.Woche(), v.Stunde());
}

// --- absence lists

TFehlEintrag FehlEintrag(const TFehl& f, const TVDEinstellung& e, TDatumZeit datum) {
  std::string name = Name(f.fElement, e);
  if (e.MitFehlgrund) name = "(" + f.fGrund.str() + ") " + name;
  const int32_t woche = PlanVersionAm(datum);
  return {name, StundenBezeichnung(woche, f.FehltVon()) + " - " +
                    StundenBezeichnung(woche, f.FehltBis())};
}

void FehlListe(std::vector<TFehlListe>& listen, const TVDEinstellung& e, TDatumZeit datum,
               TKuerzelArt art, const char* ueberschrift) {
  TFehlListe liste{ueberschrift, {}};
  for (const TFehl* f : *Schule().FehlMenge(art)) {
    if (GanzerTag(f->fDatum) == GanzerTag(datum) && f->fZeit != 0) {
      liste.fEintraege.push_back(FehlEintrag(*f, e, datum));
    }
  }
  if (!liste.fEintraege.empty()) listen.push_back(std::move(liste));
}

// --- tables

// The records of the date in force that the table shows, in the document's order; with "nur Ad
// hoc" only those changed today.
std::vector<const TVertretung*> Auswahl(const TVDEinstellung& e, TDatumZeit datum,
                                        const std::function<bool(const TVertretung&)>& gehoert) {
  std::vector<const TVertretung*> auswahl;
  for (const TVertretung* v : Schule().fVertretungsMenge) {
    if (GanzerTag(v->fDatum) != GanzerTag(datum) || !v->fGueltig || !gehoert(*v)) continue;
    if (e.NurAdHoc && !HeuteGeaendert(*v)) continue;
    auswahl.push_back(v);
  }
  return auswahl;
}

// Sorted by one of the orders the substitution list can keep.
void NachOrdnung(std::vector<const TVertretung*>& liste, int32_t ordnung) {
  std::stable_sort(liste.begin(), liste.end(), [ordnung](const auto* a, const auto* b) {
    return VertretungVergleichNach(a, b, ordnung) < 0;
  });
}

int Vergleiche(const TElement* a, const TElement* b) {
  if (a == b) return 0;
  if (a == nullptr) return -1;
  if (b == nullptr) return 1;
  return ReihenVergleich(a, b);
}

// Date, the placement's room, period, subject.
void NachRaum(std::vector<const TVertretung*>& liste) {
  std::stable_sort(liste.begin(), liste.end(), [](const TVertretung* a, const TVertretung* b) {
    if (GanzerTag(a->fDatum) != GanzerTag(b->fDatum)) {
      return GanzerTag(a->fDatum) < GanzerTag(b->fDatum);
    }
    if (int c = Vergleiche(SetzungsRaum(*a), SetzungsRaum(*b))) return c < 0;
    if (a->Stunde() != b->Stunde()) return a->Stunde() < b->Stunde();
    return Vergleiche(a->fKurs ? a->fKurs->fFach : nullptr, b->fKurs ? b->fKurs->fFach : nullptr) <
           0;
  });
}

// Every class in list order with the records of its courses in which it is present; a course
// of several classes stands under each of them.
std::vector<TInhaltsZeile> NachKlassen(const std::vector<const TVertretung*>& sortiert) {
  std::vector<TInhaltsZeile> zeilen;
  for (const TKlasse* k : Schule().fKlassenMenge) {
    for (const TVertretung* v : sortiert) {
      if (v->fKurs && v->fKurs->HatKlasse(k) && !k->Abwesend(v->Stunde(), v->fDatum)) {
        zeilen.push_back({k, k->fKuerzel.str(), v});
      }
    }
  }
  return zeilen;
}

// The records in their order, each with the group its key gives.
std::vector<TInhaltsZeile> Fortlaufend(
    const std::vector<const TVertretung*>& sortiert,
    const std::function<std::pair<const void*, std::string>(const TVertretung&)>& schluessel) {
  std::vector<TInhaltsZeile> zeilen;
  for (const TVertretung* v : sortiert) {
    auto [gruppe, ueberschrift] = schluessel(*v);
    zeilen.push_back({gruppe, std::move(ueberschrift), v});
  }
  return zeilen;
}

std::vector<TInhaltsZeile> Gruppiert(std::vector<const TVertretung*> liste, TGruppierung art,
                                     const TVDEinstellung& e) {
  // Cancelled lessons and those without a substitute need keys of their own; any two distinct
  // addresses do.
  static const char kFrei = 0, kOhne = 0;
  switch (art) {
    case TGruppierung::Klasse:
      NachOrdnung(liste, 0);
      return NachKlassen(liste);
    case TGruppierung::Vertreter:
      NachOrdnung(liste, 2);
      return Fortlaufend(liste, [&](const TVertretung& v) -> std::pair<const void*, std::string> {
        if (v.fFrei) return {&kFrei, "frei"};
        if (v.fLehrer == nullptr) return {&kOhne, "?????"};
        return {v.fLehrer, Name(v.fLehrer, e)};
      });
    case TGruppierung::Fehlender:
      NachOrdnung(liste, 1);
      return Fortlaufend(liste, [&](const TVertretung& v) -> std::pair<const void*, std::string> {
        return {KursLehrer(v), Name(KursLehrer(v), e)};
      });
    case TGruppierung::Raum:
      NachRaum(liste);
      return Fortlaufend(liste, [](const TVertretung& v) -> std::pair<const void*, std::string> {
        return {SetzungsRaum(v), KuerzelVon(SetzungsRaum(v))};
      });
    case TGruppierung::Stunde:
      break;
  }
  NachOrdnung(liste, 3);
  return Fortlaufend(liste, [](const TVertretung& v) -> std::pair<const void*, std::string> {
    // Periods are small numbers; their key only has to differ from the next period's.
    return {reinterpret_cast<const void*>(static_cast<intptr_t>(v.Stunde()) + 1), Stundentext(v)};
  });
}

// The sort orders 0..3 of a layout's two parts as groupings; anything else groups by class.
TGruppierung Gruppierung(const std::array<TGruppierung, 4>& folge, int32_t sortierung) {
  return sortierung >= 0 && sortierung < 4 ? folge[static_cast<std::size_t>(sortierung)]
                                           : TGruppierung::Klasse;
}

TInhaltsTabelle Tabelle(int32_t layout, TDatumZeit datum, TGruppierung art,
                        const std::function<bool(const TVertretung&)>& gehoert) {
  const TVDEinstellung& e = VertretungsLayout(layout);
  return {art != TGruppierung::Stunde, Gruppiert(Auswahl(e, datum, gehoert), art, e)};
}

}  // namespace

const TVDEinstellung& VertretungsLayout(int32_t layout) {
  return Standard().fVDEinstellung[static_cast<std::size_t>(std::clamp(layout, 1, 4) - 1)];
}

std::vector<TFehlListe> FehlListen(const TVDEinstellung& e, TDatumZeit datum) {
  std::vector<TFehlListe> listen;
  if (e.MitFehlLehrern && !e.OhneFehlendeLehrer)
    FehlListe(listen, e, datum, leh, "fehlende Lehrer:");
  if (e.MitFehlKlassen) FehlListe(listen, e, datum, kla, "fehlende Klassen:");
  if (e.MitFehlRaeumen) FehlListe(listen, e, datum, rau, "fehlende R\xE4ume:");
  return listen;
}

TInhaltsTabelle VertretungsInhalt(int32_t layout, TDatumZeit datum) {
  using enum TGruppierung;
  const TVDEinstellung& e = VertretungsLayout(layout);
  // Headings by absent teacher would name them; without names such a layout groups by class.
  const TGruppierung fehlender = e.OhneFehlendeLehrer ? Klasse : Fehlender;
  // Everything but the lessons their own teacher gives in another room.
  return Tabelle(layout, datum,
                 Gruppierung({Klasse, Vertreter, fehlender, Stunde}, e.PlanSortierung),
                 [](const TVertretung& v) {
                   return v.fLehrer != KursLehrer(v) || v.fRaum == SetzungsRaum(v);
                 });
}

TInhaltsTabelle ErsatzraumInhalt(int32_t layout, TDatumZeit datum) {
  using enum TGruppierung;
  return Tabelle(
      layout, datum,
      Gruppierung({Klasse, Fehlender, Raum, Stunde}, VertretungsLayout(layout).ErsatzSortierung),
      [](const TVertretung& v) {
        return !v.fFrei && v.fLehrer == KursLehrer(v) && v.fRaum != SetzungsRaum(v);
      });
}

std::vector<std::string> ZellenTexte(const TVertretung& v, int32_t layout, bool mitStunde) {
  const TVDEinstellung& e = VertretungsLayout(layout);
  std::vector<std::string> zellen;
  if (mitStunde) zellen.push_back(Stundentext(v));
  zellen.push_back(v.OriginalString(layout, 0));
  zellen.push_back("==>");
  zellen.push_back(v.fFrei                ? "-----"
                   : v.fLehrer == nullptr ? "?????"
                                          : v.VertretungsString(layout, 0));
  zellen.push_back(e.Bemerkung == 1 ? v.fSInfo.str() : v.fLInfo.str());
  return zellen;
}

bool AdHocMarkiert(const TVertretung& v, int32_t layout) {
  return VertretungsLayout(layout).MitAdHoc && HeuteGeaendert(v);
}

std::string TagesTitel(const std::string& was, TDatumZeit datum, const TVDEinstellung& e) {
  std::string text = was + " f\xFCr " + FormatDatum("dddd, dd. mmm yyyy", datum);
  if (e.MitKalenderwoche) text += "  KW " + std::to_string(IsoWoche(datum).Woche);
  return text;
}

}  // namespace orbato
