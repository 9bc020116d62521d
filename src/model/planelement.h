#pragma once

#include "model/element.h"
#include "model/wochbereich.h"

namespace orbato {

// A record that has a timetable of its own: teachers, classes, rooms and courses.
class TPlanElement : public TElement {
 public:
  // The blocking starts as the settings' default day mask for master data, in every version.
  TPlanElement();

  TWochBereich fSperrung;   // set bit: blocked, nothing may be placed there
  TWochBereich fBesetzung;  // set bit: occupied by a placed lesson
};

}  // namespace orbato
