// The substitution table and the replacement-room table of a substitution page.
#include "html/vertretungsbloecke.h"
#include "model/einstellungen/standard.h"
#include "model/vertretung/vertretung.h"
#include "substitution/vertretungsinhalt.h"

namespace orbato {
namespace {

// The column classes of a row; a row without the period drops the first.
constexpr const char* kSpalten[] = {"Eins", "Zwei", "Drei", "Vier", "Fuenf"};

void Zelle(THTMLSeite& seite, const char* klasse, const std::string& text, bool adHoc) {
  const std::string kopf = std::string(" <TD><DIV CLASS=\"") + klasse + "\">";
  if (adHoc) {
    seite.Zeile(kopf + "<DIV CLASS=\"Adhoc\">" + HTMLText(text) + "</DIV></DIV></TD>");
  } else {
    seite.Zeile(kopf + HTMLText(text) + "</DIV></TD>");
  }
}

void Zeile(THTMLSeite& seite, const TVertretung& v, int32_t layout, bool mitStunde) {
  const bool adHoc = AdHocMarkiert(v, layout);
  const std::vector<std::string> zellen = ZellenTexte(v, layout, mitStunde);
  const std::size_t erste = std::size(kSpalten) - zellen.size();
  seite.Zeile("<TR>");
  for (std::size_t i = 0; i < zellen.size(); ++i)
    Zelle(seite, kSpalten[erste + i], zellen[i], adHoc);
  seite.Zeile("</TR>");
}

// The rows in groups, each group under its heading. With "nur vertretene Stunden" a record
// without a substitute writes nothing, not even the heading of the group it opens.
void SchreibeTabelle(THTMLSeite& seite, const TInhaltsTabelle& tabelle, int32_t layout) {
  const bool nurVertretene = Standard().fVertrHTMLNurVertreteneStd;
  seite.Zeile("<TABLE>");
  bool ersteZeile = true;
  const void* gruppe = nullptr;
  for (const TInhaltsZeile& z : tabelle.fZeilen) {
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
    Zeile(seite, *z.fVertretung, layout, tabelle.fMitStunde);
  }
  seite.Zeile("</TABLE>");
}

}  // namespace

void VertretungsTabelle(THTMLSeite& seite, int32_t layout, TDatumZeit datum) {
  SchreibeTabelle(seite, VertretungsInhalt(layout, datum), layout);
}

void ErsatzraumTabelle(THTMLSeite& seite, int32_t layout, TDatumZeit datum) {
  SchreibeTabelle(seite, ErsatzraumInhalt(layout, datum), layout);
}

}  // namespace orbato
