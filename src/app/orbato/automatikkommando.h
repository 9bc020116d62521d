#pragma once

#include "app/orbato/lauf.h"

namespace orbato {

// "orbato automatik": the scheduler over every course of the document, then saving.
int Automatik(TLauf& lauf);

}  // namespace orbato
