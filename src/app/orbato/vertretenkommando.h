#pragma once

namespace orbato {

struct TLauf;

// `orbato vertreten EIN.orb AUS.orb DATUM ZEILE [--lehrer K] [--raum K] [--fach K] [--frei]
// [--lbem TEXT] [--sbem TEXT] [--statt N] [--anrechnen]`: the record in row ZEILE of the
// substitution window of DATUM, edited through the proposal window's commands in the order of the
// options, every question answered "Ja"; saves to AUS.orb.
int Vertreten(TLauf& lauf);

}  // namespace orbato
