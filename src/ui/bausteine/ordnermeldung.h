#pragma once

#include <QString>
#include <string>

#include "model/schnittstellen/dialoge.h"

namespace orbato {

// A command that wrote files into a folder the planner does not see says how many went where
// ("8 Untis-Dateien geschrieben in den Ordner" and the folder on a line of its own) and offers to
// open the folder.
void InOrdnerGeschriebenMelden(Dialoge& dialoge, const std::string& titel, const std::string& was,
                               const QString& ordner);

}  // namespace orbato
