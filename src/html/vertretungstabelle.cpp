// The substitution table and the replacement-room table of a substitution page.
#include <algorithm>
#include <array>
#include <functional>
#include <utility>

#include "html/vertretungsbloecke.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "substitution/kalender.h"

namespace orbato {
namespace {

// How a table is divided: by class, by a teacher, by the placement's room or by period.
enum class TGruppierung { Klasse, Vertreter, Fehlender, Raum, Stunde };

// One row to write with the group it belongs to; a new group is a new `fGruppe`.
struct TTabellenZeile {
  const void* fGruppe;
  std::string fUeberschrift;
  const TVertretung* fVertretung;
};

const TVDEinstellung& Layout(int32_t layout) {
  return Standard().fVDEinstellung[static_cast<std::size_t>(std::clamp(layout, 1, 4) - 1)];
}

bool HeuteGeaendert(const TVertretung& v) {
  return GanzerTag(v.fAdHoc) == GanzerTag(HeuteMittag());
}

const TLehrer* KursLehrer(const TVertretung& v) {
  return v.fKurs ? v.fKurs->fLehrer : nullptr;
}

const TRaum* SetzungsRaum(const TVertretung& v) {
  return v.fSetzung ? v.fSetzung->fRaum : nullptr;
}

std::string Lehrername(const TLehrer* l, const TVDEinstellung& e) {
  if (l == nullptr) return {};
  return e.LehrerBezeichnung == 1 ? l->fInfo.str() : l->fKuerzel.str();
}

std::string Stundentext(const TVertretung& v) {
  return StundenBezeichnung(v.Woche(), v.Stunde());
}

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
std::vector<TTabellenZeile> NachKlassen(const std::vector<const TVertretung*>& sortiert) {
  std::vector<TTabellenZeile> zeilen;
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
std::vector<TTabellenZeile> Fortlaufend(
    const std::vector<const TVertretung*>& sortiert,
    const std::function<std::pair<const void*, std::string>(const TVertretung&)>& schluessel) {
  std::vector<TTabellenZeile> zeilen;
  for (const TVertretung* v : sortiert) {
    auto [gruppe, ueberschrift] = schluessel(*v);
    zeilen.push_back({gruppe, std::move(ueberschrift), v});
  }
  return zeilen;
}

std::vector<TTabellenZeile> Gruppiert(std::vector<const TVertretung*> liste, TGruppierung art,
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
        return {v.fLehrer, Lehrername(v.fLehrer, e)};
      });
    case TGruppierung::Fehlender:
      NachOrdnung(liste, 1);
      return Fortlaufend(liste, [&](const TVertretung& v) -> std::pair<const void*, std::string> {
        return {KursLehrer(v), Lehrername(KursLehrer(v), e)};
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

struct TZellenArt {
  int32_t fLayout;
  bool fMitAdHoc;
  bool fMitStunde;
};

void Zelle(THTMLSeite& seite, const char* klasse, const std::string& text, bool adHoc) {
  const std::string kopf = std::string(" <TD><DIV CLASS=\"") + klasse + "\">";
  if (adHoc) {
    seite.Zeile(kopf + "<DIV CLASS=\"Adhoc\">" + HTMLText(text) + "</DIV></DIV></TD>");
  } else {
    seite.Zeile(kopf + HTMLText(text) + "</DIV></TD>");
  }
}

void Zeile(THTMLSeite& seite, const TVertretung& v, const TZellenArt& art) {
  const TVDEinstellung& e = Layout(art.fLayout);
  const bool adHoc = art.fMitAdHoc && HeuteGeaendert(v);
  std::string vertretung = v.fFrei                ? "-----"
                           : v.fLehrer == nullptr ? "?????"
                                                  : v.VertretungsString(art.fLayout, 0);
  seite.Zeile("<TR>");
  if (art.fMitStunde) Zelle(seite, "Eins", Stundentext(v), adHoc);
  Zelle(seite, "Zwei", v.OriginalString(art.fLayout, 0), adHoc);
  Zelle(seite, "Drei", "==>", adHoc);
  Zelle(seite, "Vier", vertretung, adHoc);
  Zelle(seite, "Fuenf", e.Bemerkung == 1 ? v.fSInfo.str() : v.fLInfo.str(), adHoc);
  seite.Zeile("</TR>");
}

// The rows in groups, each group under its heading. With "nur vertretene Stunden" a record
// without a substitute writes nothing, not even the heading of the group it opens.
void SchreibeTabelle(THTMLSeite& seite, const std::vector<TTabellenZeile>& zeilen,
                     const TZellenArt& art) {
  const bool nurVertretene = Standard().fVertrHTMLNurVertreteneStd;
  seite.Zeile("<TABLE>");
  bool ersteZeile = true;
  const void* gruppe = nullptr;
  for (const TTabellenZeile& z : zeilen) {
    const bool neueGruppe = ersteZeile || z.fGruppe != gruppe;
    ersteZeile = false;
    gruppe = z.fGruppe;
    if (nurVertretene && z.fVertretung->fLehrer == nullptr) continue;
    if (neueGruppe) {
      seite.Zeile("<TR>");
      seite.Zeile(" <TH COLSPAN=5><DIV CLASS=\"Titel\">" + HTMLText(z.fUeberschrift) +
                  "</DIV></TH>");
      seite.Zeile("</TR>");
    }
    Zeile(seite, *z.fVertretung, art);
  }
  seite.Zeile("</TABLE>");
}

// The sort orders 0..3 of a layout's two parts as groupings; anything else groups by class.
TGruppierung Gruppierung(const std::array<TGruppierung, 4>& folge, int32_t sortierung) {
  return sortierung >= 0 && sortierung < 4 ? folge[static_cast<std::size_t>(sortierung)]
                                           : TGruppierung::Klasse;
}

TGruppierung PlanGruppierung(int32_t sortierung) {
  using enum TGruppierung;
  return Gruppierung({Klasse, Vertreter, Fehlender, Stunde}, sortierung);
}

TGruppierung ErsatzGruppierung(int32_t sortierung) {
  using enum TGruppierung;
  return Gruppierung({Klasse, Fehlender, Raum, Stunde}, sortierung);
}

void Tabelle(THTMLSeite& seite, int32_t layout, TDatumZeit datum, TGruppierung art,
             const std::function<bool(const TVertretung&)>& gehoert) {
  const TVDEinstellung& e = Layout(layout);
  const TZellenArt zellen{layout, e.MitAdHoc, art != TGruppierung::Stunde};
  SchreibeTabelle(seite, Gruppiert(Auswahl(e, datum, gehoert), art, e), zellen);
}

}  // namespace

void VertretungsTabelle(THTMLSeite& seite, int32_t layout, TDatumZeit datum) {
  // Everything but the lessons their own teacher gives in another room.
  Tabelle(seite, layout, datum, PlanGruppierung(Layout(layout).PlanSortierung),
          [](const TVertretung& v) {
            return v.fLehrer != KursLehrer(v) || v.fRaum == SetzungsRaum(v);
          });
}

void ErsatzraumTabelle(THTMLSeite& seite, int32_t layout, TDatumZeit datum) {
  Tabelle(seite, layout, datum, ErsatzGruppierung(Layout(layout).ErsatzSortierung),
          [](const TVertretung& v) {
            return !v.fFrei && v.fLehrer == KursLehrer(v) && v.fRaum != SetzungsRaum(v);
          });
}

}  // namespace orbato
