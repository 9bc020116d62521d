#pragma once

namespace orbato {

struct TLauf;

// `orbato ausfall EIN.orb KW JAHR`: the weekly cancellation report of ISO week KW of JAHR, as the
// report window shows it, one line of stdout per line of the report.
int WochenAusfallKommando(TLauf& lauf);

}  // namespace orbato
