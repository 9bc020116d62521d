#pragma once

#include <cstdint>

namespace orbato {

class TPlanElement;
class TStandard;

// The school day of the demo school: the periods the plan windows show, on the days it teaches.
// The default seven-day week only shows the weekend, so the school teaches Monday to Friday then
// as with a five-day week; a six-day week is a school that also teaches on Saturday.
struct TSchulzeit {
  int32_t tage;     // teaching days, Monday first
  int32_t stunden;  // periods a day

  static TSchulzeit Aus(const TStandard& standard);
  bool Umfasst(int32_t tag, int32_t std) const { return tag <= tage && std <= stunden; }
  int32_t Zellen() const { return tage * stunden; }
};

// Blocks every cell outside the school day in every version, so that the plan windows show the
// days without lessons as blocked and no placement, by hand or automatic, goes there.
void SperreAusserhalb(TPlanElement& element, const TSchulzeit& zeit);

// The cells of the school day that are not blocked, in the version that has fewest.
int32_t FreieZellen(const TPlanElement& element, const TSchulzeit& zeit);

// The lessons an element may take: nine tenths of its free cells, so that a timetable of it
// still has cells to move lessons into.
int32_t Platz(const TPlanElement& element, const TSchulzeit& zeit);

}  // namespace orbato
