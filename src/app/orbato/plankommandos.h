#pragma once

namespace orbato {

struct TLauf;

// The commands on plan files: new, describe, convert, and the demo school.
int Neu(TLauf& lauf);
int Info(TLauf& lauf);
int Umwandeln(TLauf& lauf);
int Demo(TLauf& lauf);

}  // namespace orbato
