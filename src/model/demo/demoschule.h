#pragma once

namespace orbato {

class TSchule;
class TStandard;

enum class TDemoGroesse { klein, mittel, gross };

// Fills an empty document (installed as Schule(), with `standard` installed as Standard()) with a
// fictional school: klein 12 teachers and 6 classes in one plan version, mittel 50 teachers and
// 20 classes in A/B weeks, gross 150 teachers, 60 classes and about 2000 courses in four plan
// versions. Teachers, classes, rooms, subjects, couplings for religion, languages, electives and
// the upper level's course blocks, targets that fit the teaching loads, a few blockings and about
// half of the lessons placed without a collision. The same size always gives the same school.
void ErzeugeDemoSchule(TSchule& schule, TStandard& standard, TDemoGroesse groesse);

}  // namespace orbato
