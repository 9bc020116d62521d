#pragma once

namespace orbato {

struct TLauf;

// `orbato export ical EIN.orb ORDNER --von JJJJ-MM-TT --bis JJJJ-MM-TT [--lehrer] [--klassen]
// [--raeume]`: one calendar file per teacher, class and room (only the kinds named, all three
// when none is) in the folder ORDNER, created when missing. A build without libical answers
// with exit status 1.
int KalenderExportieren(TLauf& lauf);

}  // namespace orbato
