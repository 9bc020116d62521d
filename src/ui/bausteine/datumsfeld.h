#pragma once

#include "model/basis/datum.h"

class QDateEdit;
class QWidget;

namespace orbato {

// A date field over the years the calendar of plan versions covers, with the calendar pop-up.
QDateEdit* DatumsFeld(TDatumZeit datum, QWidget* eltern);
// The field's date at midnight.
TDatumZeit FeldDatum(const QDateEdit* feld);

}  // namespace orbato
