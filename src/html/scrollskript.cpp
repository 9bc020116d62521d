#include "html/scrollskript.h"

#include <string>

#include "model/einstellungen/standard.h"

namespace orbato {

void SchreibeScrollSkript(THTMLSeite& seite) {
  const TStandard& standard = Standard();
  seite.Zeile("<script type=\"text/javascript\">");
  seite.Zeile("<!--");
  seite.Zeile("var zeitScrollen=" + std::to_string(standard.fVertrScrollSekunden) + ";");
  // Minutes in the settings, milliseconds for the browser.
  seite.Zeile("var zeitLaden=" + std::to_string(int64_t{standard.fVertrLaden} * 60000) + ";");
  seite.Zeile("var SprungPixel=" + std::to_string(standard.fVertrScrollPixel) + ";");
  seite.Zeile("var ende = 0;");
  seite.Zeile("");
  seite.Zeile("function auto() {");
  seite.Zeile("var aktiv1 = window.setInterval(\"scrollen()\",zeitScrollen);");
  seite.Zeile("var aktiv2 = window.setInterval(\"laden()\",zeitLaden);");
  seite.Zeile("}");
  seite.Zeile("");
  seite.Zeile("function scrollen() {");
  seite.Zeile("var position=0;");
  seite.Zeile("if (window.pageYOffset) position=window.pageYOffset;");
  seite.Zeile("else if (document.body.scrollTop) position=document.body.scrollTop;");
  seite.Zeile("if (position>=ende-1) scrollTo(0,-1);");
  seite.Zeile("else window.scrollBy(0,SprungPixel);");
  seite.Zeile("}");
  seite.Zeile("");
  seite.Zeile("function laden() {");
  seite.Zeile("window.history.go(0);");
  seite.Zeile("}");
  seite.Zeile("");
  seite.Zeile("function windowSize() {");
  seite.Zeile("window.scrollBy(0,50000);");
  seite.Zeile("if (window.pageYOffset) ende=window.pageYOffset;");
  seite.Zeile("else if (document.body.scrollTop) ende=document.body.scrollTop;");
  seite.Zeile("auto();");
  seite.Zeile("}");
  seite.Zeile("// -->");
  seite.Zeile("</script>");
}

}  // namespace orbato
