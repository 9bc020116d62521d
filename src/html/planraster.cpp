// The week grid of the teacher, class and room pages: periods down the rows, days across.
#include <algorithm>
#include <initializer_list>

#include "html/planhtml.h"
#include "html/planhtmlteile.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"

namespace orbato {
namespace {

// What a cell's run of links may hold; the rest is cut.
constexpr std::size_t kZellenText = 255;
const char kZelleAuf[] = R"(<TD><DIV CLASS="Plan">)";
const char kZelleZu[] = "</DIV></TD>";

// The links of the elements present, one after the other.
std::string Lauf(const TPlanHTML& plan, std::initializer_list<const TElement*> elemente) {
  std::string lauf;
  for (const TElement* e : elemente) lauf += ZellenVerweis(plan, e);
  if (lauf.size() > kZellenText) lauf.resize(kZellenText);
  return lauf;
}

const TRaum* RaumDerSetzung(const TKurs& kurs, int32_t woche, int32_t tag, int32_t std) {
  const TSetzung* s = kurs.SetzungFinden(woche, tag, std);
  return s ? s->fRaum : nullptr;
}

// A lesson seen from its teacher or room: one line per class, each the class link before the
// run; a lesson without classes is the run alone in a one-line cell.
void KlassenZeilen(THTMLSeite& seite, const TPlanHTML& plan, const TKurs& kurs,
                   const std::string& lauf) {
  if (kurs.fKlassen.ListeZahlElemente() == 0) {
    seite.Zeile(kZelleAuf + lauf + kZelleZu);
    return;
  }
  seite.Zeile(kZelleAuf);
  bool erste = true;
  for (const TKlasse* klasse : kurs.fKlassen) {
    if (!erste) seite.Zeile("<BR>");
    erste = false;
    seite.Zeile(ZellenVerweis(plan, klasse).substr(1) + lauf);
  }
  seite.Zeile(kZelleZu);
}

void LeereZelle(THTMLSeite& seite) {
  seite.Zeile(std::string(" ") + kZelleAuf + "---" + kZelleZu);
}

void LehrerZelle(THTMLSeite& seite, const TPlanHTML& plan, const TLehrer& lehrer, int32_t woche,
                 int32_t tag, int32_t std) {
  const TKurs* kurs = lehrer.FindeKurs(woche, tag, std);
  if (kurs == nullptr) return LeereZelle(seite);
  KlassenZeilen(seite, plan, *kurs,
                Lauf(plan, {kurs->fFach, kurs->fKopplung, RaumDerSetzung(*kurs, woche, tag, std)}));
}

// Every course of the class held in the cell, one line each.
void KlassenZelle(THTMLSeite& seite, const TPlanHTML& plan, const TKlasse& klasse, int32_t woche,
                  int32_t tag, int32_t std) {
  const TListe<TKurs> kurse = klasse.KurseFinden(woche, tag, nullptr, std);
  if (kurse.ListeZahlElemente() == 0) return LeereZelle(seite);
  seite.Zeile(kZelleAuf);
  bool erste = true;
  for (const TKurs* k : kurse) {
    const std::string lauf =
        Lauf(plan, {k->fLehrer, k->fFach, k->fKopplung, RaumDerSetzung(*k, woche, tag, std)});
    seite.Zeile(erste ? lauf : "<BR>" + lauf);
    erste = false;
  }
  seite.Zeile(kZelleZu);
}

void RaumZelle(THTMLSeite& seite, const TPlanHTML& plan, const TRaum& raum, int32_t woche,
               int32_t tag, int32_t std) {
  const TKurs* kurs = raum.FindeKurs(woche, tag, std);
  if (kurs == nullptr) return LeereZelle(seite);
  KlassenZeilen(seite, plan, *kurs, Lauf(plan, {kurs->fLehrer, kurs->fFach, kurs->fKopplung}));
}

void PlanZelle(THTMLSeite& seite, const TPlanHTML& plan, const TPlanElement& element, int32_t woche,
               int32_t tag, int32_t std) {
  switch (element.Art()) {
    case leh:
      return LehrerZelle(seite, plan, static_cast<const TLehrer&>(element), woche, tag, std);
    case kla:
      return KlassenZelle(seite, plan, static_cast<const TKlasse&>(element), woche, tag, std);
    default:
      return RaumZelle(seite, plan, static_cast<const TRaum&>(element), woche, tag, std);
  }
}

}  // namespace

void WochenRaster(THTMLSeite& seite, const TPlanHTML& plan, const TPlanElement& element) {
  const TStandard& st = Standard();
  const int32_t stunden = std::clamp(st.fPlnStd, 1, kMaxStunden);
  const int32_t tage = std::clamp(st.fMaxTageNeu, 1, kMaxTage);
  const int32_t woche = PlanWoche();
  const auto& bezeichnungen = st.fStdBez[static_cast<std::size_t>(woche - 1)];
  for (int32_t r = 1; r <= stunden + 1; ++r) {
    seite.Zeile("<TR>");
    for (int32_t c = 1; c <= tage + 1; ++c) {
      if (r == 1 && c == 1) {
        TitelZelle(seite, "*");
      } else if (r == 1) {
        TitelZelle(seite, HTMLText(st.fTagBez[static_cast<std::size_t>(c - 2)].str()));
      } else if (c == 1) {
        TitelZelle(seite, HTMLText(bezeichnungen[static_cast<std::size_t>(r - 2)].str()));
      } else {
        PlanZelle(seite, plan, element, woche, c - 1, r - 1);
      }
    }
    seite.Zeile("</TR>");
  }
}

}  // namespace orbato
