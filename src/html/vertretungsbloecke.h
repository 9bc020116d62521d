#pragma once

// The pieces the substitution pages are made of: the stylesheet line and the content blocks of a
// print layout, each written as the layout asks for it.

#include <cstdint>
#include <string>
#include <vector>

#include "html/htmlseite.h"
#include "model/basis/datum.h"

namespace orbato {

struct TVDEinstellung;

// `<link rel="stylesheet" href="orbato.css" type="text/css">` with the stylesheet of the settings.
void VertretungsCSSZeile(THTMLSeite& seite);

// The print dialog's remark lines, each escaped on its own line, "<HR>" after them when there
// were any; nothing without "mit allg. Bemerkungen".
void BemerkungsBlock(THTMLSeite& seite, const TVDEinstellung& e,
                     const std::vector<std::string>& bemerkung);
// The lists of absent teachers, classes and rooms of the date, each when the layout asks for it
// and there is someone absent; two absences per table row.
void FehlBloecke(THTMLSeite& seite, const TVDEinstellung& e, TDatumZeit datum);

// The table of the substitutions of the date, grouped as the layout's plan part says.
void VertretungsTabelle(THTMLSeite& seite, int32_t layout, TDatumZeit datum);
// The table of the lessons held by their own teacher in another room, grouped as the layout's
// replacement-room part says.
void ErsatzraumTabelle(THTMLSeite& seite, int32_t layout, TDatumZeit datum);

}  // namespace orbato
