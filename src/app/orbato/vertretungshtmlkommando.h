#pragma once

namespace orbato {

struct TLauf;

// `orbato vertretung-html EIN.orb DATUM ZIEL [--einstellung N] [--schulname TEXT]`: the
// substitution pages of DATUM with print layout N (1..4, default 1). With day folders in the
// stored settings ZIEL is the new folder and gets index.html, vp.html and, for separate files,
// ep.html; otherwise ZIEL is the one file of the substitution plan, which carries the
// replacement rooms as well, and no ep.html is written, since the command writes only what it was
// asked to. --schulname replaces the school name of the settings for this run.
int VertretungHTMLKommando(TLauf& lauf);

}  // namespace orbato
