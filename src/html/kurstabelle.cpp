// The course tables of the pages "ku.html", of the couplings and of the subjects.
#include <string>

#include "html/planhtml.h"
#include "html/planhtmlteile.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/uv/stundenwert.h"

namespace orbato {
namespace {

const char kKeins[] = "---";
const char kTrenner[] = " <BR>";

std::string OderKeins(std::string text) {
  return text.empty() ? kKeins : text;
}

bool InRaumGesetzt(const TKurs& kurs, const TRaum* raum, int32_t woche) {
  for (const TSetzung* s : kurs.fSetzungen) {
    if (s->fWoche == woche && s->fRaum == raum) return true;
  }
  return false;
}

// The links one below the other: each followed by " <BR>", the last one without.
template <class T, class Verweise>
std::string Untereinander(const TListe<T>& elemente, Verweise&& verweis) {
  std::string text;
  for (const T* e : elemente) {
    if (!text.empty()) text += kTrenner;
    text += verweis(e);
  }
  return OderKeins(text);
}

// A room the course is held in, in the version shown, stands in bold.
std::string RaumVerweis(const TPlanHTML& plan, const TKurs& kurs, const TRaum* raum,
                        int32_t woche) {
  std::string name = HTMLText(raum->fKuerzel.str());
  if (InRaumGesetzt(kurs, raum, woche)) name = "<B>" + name + "</B>";
  return " " + Verweis(PlanSeitenName(rau, plan.Nummer(raum)), name);
}

void KursZeile(THTMLSeite& seite, const TPlanHTML& plan, const TKurs& kurs, int32_t woche) {
  const int32_t stunden = kurs.fStunden.GetWochenStunde(woche);
  seite.Zeile("<TR>");
  DatenZelle(seite, StundenWert(stunden * kurs.fFaktor));
  DatenZelle(seite, std::to_string(stunden));
  DatenZelle(seite, OderKeins(ZellenVerweis(plan, kurs.fLehrer)));
  DatenZelle(seite, OderKeins(ZellenVerweis(plan, kurs.fFach)));
  DatenZelle(seite, Untereinander(kurs.fKlassen,
                                  [&](const TKlasse* k) { return ZellenVerweis(plan, k); }));
  DatenZelle(seite, OderKeins(ZellenVerweis(plan, kurs.fKopplung)));
  DatenZelle(seite, Untereinander(kurs.fRaeume, [&](const TRaum* r) {
               return RaumVerweis(plan, kurs, r, woche);
             }));
  seite.Zeile("</TR>");
}

}  // namespace

void KursTabelle(THTMLSeite& seite, const TPlanHTML& plan, const TListe<TKurs>& kurse) {
  seite.Zeile("<TR>");
  for (const char* wort : {"Wert", "Std.", "Lehrer", "Fach", "Klassen", "Kopplung", "R&auml;ume"}) {
    TitelZelle(seite, wort);
  }
  seite.Zeile("</TR>");
  const int32_t woche = PlanWoche();
  for (const TKurs* kurs : kurse) KursZeile(seite, plan, *kurs, woche);
}

}  // namespace orbato
