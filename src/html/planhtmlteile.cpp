#include "html/planhtmlteile.h"

#include <algorithm>

#include "html/planhtml.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/element.h"

namespace orbato {

std::string Verweis(const std::string& seite, std::string_view text) {
  return "<A HREF=\"" + seite + "\">" + std::string(text) + "</A>";
}

std::string ZellenVerweis(const TPlanHTML& plan, const TElement* element) {
  if (element == nullptr) return {};
  return " " + Verweis(PlanSeitenName(element->Art(), plan.Nummer(element)),
                       HTMLText(element->fKuerzel.str()));
}

void DatenZelle(THTMLSeite& seite, std::string_view wert) {
  seite.Zeile(R"(<TD><DIV CLASS="Plan">)");
  seite.Zeile(wert);
  seite.Zeile("</DIV></TD>");
}

void TitelZelle(THTMLSeite& seite, std::string_view text) {
  seite.Teil(R"(<TH><DIV CLASS="Titel">)");
  seite.Teil(text);
  seite.Zeile("</DIV></TH>");
}

int32_t PlanWoche() {
  return std::clamp(Standard().fAktuelleWoche, 1, kMaxWochen);
}

}  // namespace orbato
