#include "model/uvtab.h"

#include "model/fach.h"
#include "model/klasse.h"
#include "model/lehrer.h"

namespace orbato {

TUVTab::~TUVTab() = default;

}  // namespace orbato
