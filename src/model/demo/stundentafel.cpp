#include "model/demo/stundentafel.h"

#include <algorithm>
#include <array>

namespace orbato {
namespace {

// Lessons a class of grade 5..10 has in its own courses.
struct TStundentafel {
  const char* fach;
  std::array<int, 6> stunden;
};
constexpr TStundentafel kStundentafel[] = {
    {"D", {4, 4, 4, 4, 4, 4}},     {"E", {4, 4, 4, 3, 3, 3}},  {"M", {4, 4, 4, 4, 4, 4}},
    {"BI", {2, 2, 1, 2, 2, 2}},    {"PH", {0, 1, 2, 2, 2, 2}}, {"CH", {0, 0, 2, 2, 2, 2}},
    {"EK", {2, 1, 1, 2, 1, 1}},    {"GE", {0, 2, 2, 2, 2, 2}}, {"PK", {2, 0, 0, 2, 2, 2}},
    {"KU", {2, 2, 2, 1, 1, 1}},    {"MU", {2, 2, 1, 1, 1, 1}}, {"KL", {1, 1, 1, 1, 1, 1}},
    {"F\xD6", {1, 1, 0, 0, 0, 0}},
};

// What a short week gives up first: the class hour and remedial lessons, then the smaller
// subjects; German, English, Mathematics and sport last.
int Rang(const std::string& fach) {
  if (fach == "D" || fach == "E" || fach == "M" || fach == "SP") return 2;
  if (fach == "KL" || fach == "F\xD6") return 0;
  return 1;
}

// The long name of a subject's coupling where a school of small groups teaches all of its
// lessons in half classes: the sciences in the lab, art and music; none for any other subject.
const char* Fachgruppe(const std::string& fach, TTeilung teilung) {
  if (teilung != TTeilung::fein) return nullptr;
  if (fach == "BI") return "Biologie in Gruppen";
  if (fach == "PH") return "Physik in Gruppen";
  if (fach == "CH") return "Chemie in Gruppen";
  if (fach == "KU") return "Kunst in Gruppen";
  if (fach == "MU") return "Musik in Gruppen";
  return nullptr;
}

// With half classes, one lesson of German, English and Mathematics is given to each half.
void Klassenfaecher(int stufe, TTeilung teilung, std::vector<TEintrag>& tafel) {
  for (const TStundentafel& t : kStundentafel) {
    const std::string fach = t.fach;
    const int stunden = t.stunden[static_cast<std::size_t>(stufe)];
    const char* fachgruppe = Fachgruppe(fach, teilung);
    if (fachgruppe && stunden > 0) {
      tafel.push_back({TForm::gruppen, fach, fachgruppe, {stunden, Rang(fach)}});
      continue;
    }
    const bool geteilt = teilung != TTeilung::keine && (fach == "D" || fach == "E" || fach == "M");
    const int ganz = stunden - (geteilt ? 1 : 0);
    if (ganz > 0) tafel.push_back({TForm::klasse, fach, "", {ganz, Rang(fach)}});
  }
  tafel.push_back({TForm::klasse, "SP", "", {3, 2}});
}

// Remedial and study lessons are extras a short week gives up, except in a school of small
// groups.
void Gruppenfaecher(int stufe, TTeilung teilung, std::vector<TEintrag>& tafel) {
  const auto halbe = [&](const char* fach, const char* info, int rang) {
    tafel.push_back({TForm::gruppen, fach, info, {1, rang}});
  };
  const int extra = teilung == TTeilung::fein ? 1 : 0;
  halbe("D", "Deutsch in Gruppen", 1);
  halbe("E", "Englisch in Gruppen", 1);
  halbe("M", "Mathematik in Gruppen", 1);
  halbe("F\xD6", "F\xF6rderunterricht in Gruppen", extra);
  if (stufe >= 2) halbe("LZ", "Lernzeit in Gruppen", extra);
  if (stufe < 2) halbe("IF", "Informatik in Gruppen", 1);
  if (stufe >= 2) halbe("NW", "Praktikum in Gruppen", 1);
}

void Jahrgangsfaecher(int stufe, int zuege, TTeilung teilung, std::vector<TEintrag>& tafel) {
  // A school of small groups holds religion and the second language in bands of three classes
  // with five groups each rather than across the grade: smaller couplings, which are easier to
  // place, with smaller groups.
  const bool baender = teilung == TTeilung::fein;
  const int bandKurse = 5, band = baender ? 3 : 0;
  tafel.push_back({TForm::jahrgang,
                   "REL",
                   "Religion",
                   {2, 2},
                   {"KR", "ER", "PL"},
                   baender ? bandKurse : std::max(3, zuege),
                   band});
  if (stufe >= 1) {
    tafel.push_back({TForm::jahrgang,
                     "SPR",
                     "Zweite Fremdsprache",
                     {stufe == 1 ? 4 : 3, 2},
                     {"F", "L"},
                     baender ? bandKurse : std::max(2, zuege),
                     band});
  }
  if (stufe >= 4) {
    tafel.push_back(
        {TForm::jahrgang, "WP", "Wahlpflicht", {3, 1}, {"IF", "NW", "SW", "KU"}, zuege + 1});
  }
  if (teilung != TTeilung::keine) {
    tafel.push_back({TForm::jahrgang,
                     "AG",
                     "Arbeitsgemeinschaften",
                     {1, 0},
                     {"MU", "KU", "SP", "IF"},
                     zuege + 1});
  }
}

}  // namespace

std::vector<TEintrag> Stundentafel(int stufe, int zuege, TTeilung teilung) {
  std::vector<TEintrag> tafel;
  Klassenfaecher(stufe, teilung, tafel);
  if (teilung != TTeilung::keine) Gruppenfaecher(stufe, teilung, tafel);
  Jahrgangsfaecher(stufe, zuege, teilung, tafel);
  return tafel;
}

}  // namespace orbato
