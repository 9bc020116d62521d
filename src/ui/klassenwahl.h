#pragma once

#include <vector>

class QWidget;

namespace orbato {

class TKlasse;

// The multiple choice "Klassen": every class of the document in list order; answers the chosen
// ones, none when cancelled.
std::vector<TKlasse*> KlassenWaehlen(QWidget* eltern);

}  // namespace orbato
