#pragma once

namespace orbato {

struct TLauf;

// `orbato html EIN.orb ORDNER [--schulname TEXT]`: the "Planinformationssystem" of the current
// plan version into the new folder ORDNER; --schulname stands for the stored school name in this
// run. A folder that exists already or cannot be made ends the command with exit status 1.
int PlanHTMLKommando(TLauf& lauf);

}  // namespace orbato
