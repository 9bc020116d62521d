#pragma once

#include <string>
#include <vector>

#include "model/demo/stundenkuerzung.h"

namespace orbato {

// What a class of grade 5..10 has in a week: courses of its own, lessons in half classes held
// side by side, and the couplings of the grade's classes, of all or of a band of them.
enum class TForm { klasse, gruppen, jahrgang };

// How far a school divides its classes: `keine`, not at all; `haupt`, one lesson of German,
// English and Mathematics and the computing and lab lessons in half classes, remedial and study
// lessons too when the week has space; `fein`, a large school with teachers enough, which also
// teaches the sciences, art and music wholly in half classes, keeps the remedial and study
// lessons in the week, and holds religion and the second language in bands of a few classes.
enum class TTeilung { keine, haupt, fein };

struct TEintrag {
  TForm form;
  std::string fach;  // for a coupling of the grade the short name it starts with
  std::string info;  // a coupling's long name, without the class or grade
  TWunsch wunsch;
  std::vector<std::string> faecher = {};  // the subjects of the grade's courses in turn
  int anzahl = 0;                         // the courses of each of the grade's couplings
  int band = 0;  // the classes a coupling takes, in their order; 0 for the whole grade
};

// The week of a class of grade 5..10 (stufe 0..5) in a grade of `zuege` classes, in the order
// its courses are made: own courses (among them the subjects a school of small groups teaches
// in half classes), then the lessons in half classes, then the grade's couplings.
std::vector<TEintrag> Stundentafel(int stufe, int zuege, TTeilung teilung);

}  // namespace orbato
