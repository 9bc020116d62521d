// The remark lines and the absence lists of a substitution page.
#include "html/vertretungsbloecke.h"

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "substitution/kalender.h"

namespace orbato {
namespace {

std::string NullZelle(const std::string& text) {
  return " <TD><DIV CLASS=\"Null\">" + HTMLText(text) + "</DIV></TD>";
}

// The absent element as the layout names people: short name or info text, with the reason in
// front when the layout shows reasons.
std::string FehlText(const TFehl& f, const TVDEinstellung& e) {
  const TPlanElement* element = f.fElement;
  std::string text;
  if (element) text = e.LehrerBezeichnung == 1 ? element->fInfo.str() : element->fKuerzel.str();
  if (e.MitFehlgrund) text = "(" + f.fGrund.str() + ") " + text;
  return text;
}

std::string FehlStunden(const TFehl& f, TDatumZeit datum) {
  const int32_t woche = PlanVersionAm(datum);
  return StundenBezeichnung(woche, f.FehltVon()) + " - " + StundenBezeichnung(woche, f.FehltBis());
}

void FehlListe(THTMLSeite& seite, const TVDEinstellung& e, TDatumZeit datum, TKuerzelArt art,
               const char* ueberschrift) {
  std::vector<const TFehl*> fehlende;
  for (const TFehl* f : *Schule().FehlMenge(art)) {
    if (GanzerTag(f->fDatum) == GanzerTag(datum) && f->fZeit != 0) fehlende.push_back(f);
  }
  if (fehlende.empty()) return;
  seite.Zeile(HTMLText(ueberschrift));
  seite.Zeile("<TABLE>");
  for (std::size_t i = 0; i < fehlende.size(); ++i) {
    if (i % 2 == 0) seite.Zeile("<TR>");
    seite.Zeile(NullZelle(FehlText(*fehlende[i], e)));
    seite.Zeile(NullZelle(FehlStunden(*fehlende[i], datum)));
    if (i % 2 == 1 || i + 1 == fehlende.size()) seite.Zeile("</TR>");
  }
  seite.Zeile("</TABLE>");
  seite.Zeile("<HR>");
}

}  // namespace

void VertretungsCSSZeile(THTMLSeite& seite) {
  seite.Zeile("<link rel=\"stylesheet\" href=\"" + Standard().fVertrCSS + "\" type=\"text/css\">");
}

void BemerkungsBlock(THTMLSeite& seite, const TVDEinstellung& e,
                     const std::vector<std::string>& bemerkung) {
  if (!e.MitAllgBem) return;
  for (const std::string& zeile : bemerkung) seite.Zeile(HTMLText(zeile));
  if (!bemerkung.empty()) seite.Zeile("<HR>");
}

void FehlBloecke(THTMLSeite& seite, const TVDEinstellung& e, TDatumZeit datum) {
  if (e.MitFehlLehrern) FehlListe(seite, e, datum, leh, "fehlende Lehrer:");
  if (e.MitFehlKlassen) FehlListe(seite, e, datum, kla, "fehlende Klassen:");
  if (e.MitFehlRaeumen) FehlListe(seite, e, datum, rau, "fehlende R\xE4ume:");
}

}  // namespace orbato
