// The remark lines and the absence lists of a substitution page.
#include "html/vertretungsbloecke.h"

#include "model/einstellungen/standard.h"
#include "substitution/vertretungsinhalt.h"

namespace orbato {
namespace {

std::string NullZelle(const std::string& text) {
  return " <TD><DIV CLASS=\"Null\">" + HTMLText(text) + "</DIV></TD>";
}

void FehlTabelle(THTMLSeite& seite, const TFehlListe& liste) {
  seite.Zeile(HTMLText(liste.fUeberschrift));
  seite.Zeile("<TABLE>");
  const std::vector<TFehlEintrag>& fehlende = liste.fEintraege;
  for (std::size_t i = 0; i < fehlende.size(); ++i) {
    if (i % 2 == 0) seite.Zeile("<TR>");
    seite.Zeile(NullZelle(fehlende[i].fName));
    seite.Zeile(NullZelle(fehlende[i].fStunden));
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
  for (const TFehlListe& liste : FehlListen(e, datum)) FehlTabelle(seite, liste);
}

}  // namespace orbato
