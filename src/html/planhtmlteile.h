#pragma once

// The pieces the pages of the timetable information system share.

#include <string>
#include <string_view>

#include "html/htmlseite.h"
#include "model/basis/liste.h"
#include "model/elemente/kuerzelart.h"

namespace orbato {

class TElement;
class TKurs;
class TPlanElement;
class TPlanHTML;

// `<A HREF="P">T</A>`: T is written as it is, already escaped.
std::string Verweis(const std::string& seite, std::string_view text);
// The link of an element inside a cell: one blank, then the link with the escaped short name;
// empty for none.
std::string ZellenVerweis(const TPlanHTML& plan, const TElement* element);

// A data cell `<TD><DIV CLASS="Plan">` … "</DIV></TD>" on three lines.
void DatenZelle(THTMLSeite& seite, std::string_view wert);
// A header cell on one line.
void TitelZelle(THTMLSeite& seite, std::string_view text);

// The lines from "<HTML>" to "<TABLE>" below the school name: one title line and one heading.
void SeitenKopf(THTMLSeite& seite, std::string_view titelZeile, std::string_view ueberschrift);

// The week grid of a teacher, class or room in the current plan version.
void WochenRaster(THTMLSeite& seite, const TPlanHTML& plan, const TPlanElement& element);
// The course table: the header row and one row per course in list order.
void KursTabelle(THTMLSeite& seite, const TPlanHTML& plan, const TListe<TKurs>& kurse);

// The plan version the pages show, within the grid's bounds.
int32_t PlanWoche();

}  // namespace orbato
