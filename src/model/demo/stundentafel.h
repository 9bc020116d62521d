#pragma once

#include <string>
#include <vector>

#include "model/demo/stundenkuerzung.h"

namespace orbato {

// What a class of grade 5..10 has in a week: courses of its own, lessons in half classes held
// side by side, and the couplings of all classes of the grade.
enum class TForm { klasse, gruppen, jahrgang };

struct TEintrag {
  TForm form;
  std::string fach;  // for a coupling of the grade the short name it starts with
  std::string info;  // a coupling's long name, without the class or grade
  TWunsch wunsch;
  std::vector<std::string> faecher = {};  // the subjects of the grade's courses in turn
  int anzahl = 0;                         // the courses of the grade's coupling
};

// The week of a class of grade 5..10 (stufe 0..5) in a grade of `zuege` classes, in the order
// its courses are made: own courses, then half classes when the school teaches in them
// (`gruppen`), then the grade's couplings.
std::vector<TEintrag> Stundentafel(int stufe, int zuege, bool gruppen);

}  // namespace orbato
