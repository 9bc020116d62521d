#pragma once

#include "persist/kursdatei.h"

namespace orbato {

// The format check of the course exchange file, for one field or item at its separator:
// - a TAB checks the field it ends (fields 1 to 22; a list field's last item by the rule of last
//   items); field 23 and any field beyond are left to the line end;
// - a group separator checks the item it ends and is allowed in the list fields 13 to 17 only;
// - a CR accepts the line when it ends field 23 (22 TABs) and that field is "0" or "1".
// Field 3, the hours, takes 1 to 4 characters, digits or "-": the export writes the hours of all
// plan versions summed, which reach four digits.
bool KursFeldOk(const TKursFeld& feld);

}  // namespace orbato
