#pragma once

namespace orbato {

struct TLauf;

// `orbato import-gpu ORDNER AUS.orb [--in EIN.orb] [--nein] [--trennzeichen C]
// [--kodierung utf8|cp1252]`: the Untis files of a folder into a new document (or the one loaded
// from EIN.orb), saved as AUS.orb; prints the import report.
int GpuImportieren(TLauf& lauf);
// `orbato export gpu EIN.orb ORDNER [--trennzeichen C] [--utf8] [--von JJJJ-MM-TT --bis
// JJJJ-MM-TT]`: the Untis files of the current plan version into the folder.
int GpuExportieren(TLauf& lauf);

}  // namespace orbato
