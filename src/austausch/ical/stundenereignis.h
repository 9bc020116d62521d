#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/basis/datum.h"
#include "model/elemente/kuerzelart.h"

namespace orbato {

class TKurs;
class TPlanElement;
class TSchule;
class TStandard;

// One lesson on one date as a calendar shows it to one teacher, class or room. Texts are in the
// document's character set.
struct TStundenEreignis {
  std::string uid;
  TDatumZeit datum = 0;  // the day at midnight
  int32_t stunde = 0;
  int32_t beginn = 0, ende = 0;  // minutes after midnight
  std::string titel;
  std::string ort;
  std::string beschreibung;
  // The lesson does not take place for this element (cancelled, taken over by a substitute, or
  // moved to another room); the calendar keeps it as a cancelled event so that a program that
  // read it before drops it.
  bool abgesagt = false;
};

// Every lesson of `element` (a teacher, class or room, `art` leh, kla or rau) on the school days
// from `von` to `bis`, in the plan version the calendar gives each week, with the substitutions of
// each date applied: a cancelled lesson or one taken over by another teacher or room is a cancelled
// event, a lesson the element takes over for someone else is an event of its own. Ordered by date,
// period and UID.
std::vector<TStundenEreignis> StundenEreignisse(const TSchule& schule, const TStandard& standard,
                                                TKuerzelArt art, const TPlanElement& element,
                                                TDatumZeit von, TDatumZeit bis);

// The UID of the event of `element`'s calendar for `kurs` on `datum` in `stunde`:
// "20261214-3-L-MUE-MUE.D.5a@Schule". It names whose calendar it is, the date, the period and the
// lesson by its course's teacher, subject and classes, and nothing a substitution changes, so that
// a calendar program that reads the file again replaces the event instead of adding a second one
// (a course list number would shift whenever a course is added). Letters and digits stand as they
// are, every other byte of the document's character set as "%XX"; without a school name "orbato"
// stands after the "@".
std::string StundenUid(const TStandard& standard, TKuerzelArt art, const TPlanElement& element,
                       const TKurs& kurs, TDatumZeit datum, int32_t stunde);

// A text for a UID or a file name: letters and digits as they are, every other byte as "%XX", so
// that no short name ends a UID part early, names a folder or brings a character that a calendar
// program or a file system would not keep.
std::string KuerzelTeil(const std::string& text);

}  // namespace orbato
