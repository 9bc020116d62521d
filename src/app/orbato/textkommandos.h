#pragma once

namespace orbato {

struct TLauf;

// `orbato import TEXT AUS.orb [--in EIN.orb] [--nein]`: a course exchange file into a new
// document (or the one loaded from EIN.orb), saved as AUS.orb.
int Importieren(TLauf& lauf);
// `orbato export ART EIN.orb AUS [--von JJJJ-MM-TT --bis JJJJ-MM-TT]`: one text export, or with
// ART ical the calendars (icalkommando.h).
int Exportieren(TLauf& lauf);

}  // namespace orbato
