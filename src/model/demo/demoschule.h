#pragma once

namespace orbato {

class TSchule;
class TStandard;

enum class TDemoGroesse { klein, mittel, gross };

// Fills an empty document (installed as Schule(), with `standard` installed as Standard()) with a
// fictional school: klein 12 teachers and 6 classes in one plan version, mittel 50 teachers and
// 20 classes in A/B weeks, gross 150 teachers, 60 classes and about 2000 courses (in a day of six
// periods; more in a longer one) in four plan versions, most of them held side by side in half
// classes, bands of classes and wide course blocks. Teachers, classes, rooms, subjects,
// couplings for religion, languages, electives and the upper level's course blocks, a few blockings
// and about half of the lessons placed without a collision. The school keeps to the school day of
// `standard` (TSchulzeit): every cell outside it is blocked for every teacher, class and room, the
// curriculum is cut to nine tenths of each class's free cells, teachers and rooms take no more than
// that of theirs either; a class's target is its lessons, a teacher's about his. The same size and
// school day always give the same school.
void ErzeugeDemoSchule(TSchule& schule, TStandard& standard, TDemoGroesse groesse);

}  // namespace orbato
