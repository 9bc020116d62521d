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

// With half classes, one lesson of German, English and Mathematics is given to each half.
void Klassenfaecher(int stufe, bool gruppen, std::vector<TEintrag>& tafel) {
  for (const TStundentafel& t : kStundentafel) {
    const std::string fach = t.fach;
    const bool geteilt = gruppen && (fach == "D" || fach == "E" || fach == "M");
    const int stunden = t.stunden[static_cast<std::size_t>(stufe)] - (geteilt ? 1 : 0);
    if (stunden > 0) tafel.push_back({TForm::klasse, fach, "", {stunden, Rang(fach)}});
  }
  tafel.push_back({TForm::klasse, "SP", "", {3, 2}});
}

void Gruppenfaecher(int stufe, std::vector<TEintrag>& tafel) {
  const auto halbe = [&](const char* fach, const char* info, int rang) {
    tafel.push_back({TForm::gruppen, fach, info, {1, rang}});
  };
  halbe("D", "Deutsch in Gruppen", 1);
  halbe("E", "Englisch in Gruppen", 1);
  halbe("M", "Mathematik in Gruppen", 1);
  halbe("F\xD6", "F\xF6rderunterricht in Gruppen", 0);
  if (stufe >= 2) halbe("LZ", "Lernzeit in Gruppen", 0);
  if (stufe < 2) halbe("IF", "Informatik in Gruppen", 1);
  if (stufe >= 2) halbe("NW", "Praktikum in Gruppen", 1);
}

void Jahrgangsfaecher(int stufe, int zuege, bool gruppen, std::vector<TEintrag>& tafel) {
  tafel.push_back(
      {TForm::jahrgang, "REL", "Religion", {2, 2}, {"KR", "ER", "PL"}, std::max(3, zuege)});
  if (stufe >= 1) {
    tafel.push_back({TForm::jahrgang,
                     "SPR",
                     "Zweite Fremdsprache",
                     {stufe == 1 ? 4 : 3, 2},
                     {"F", "L"},
                     std::max(2, zuege)});
  }
  if (stufe >= 4) {
    tafel.push_back(
        {TForm::jahrgang, "WP", "Wahlpflicht", {3, 1}, {"IF", "NW", "SW", "KU"}, zuege + 1});
  }
  if (gruppen) {
    tafel.push_back({TForm::jahrgang,
                     "AG",
                     "Arbeitsgemeinschaften",
                     {1, 0},
                     {"MU", "KU", "SP", "IF"},
                     zuege + 1});
  }
}

}  // namespace

std::vector<TEintrag> Stundentafel(int stufe, int zuege, bool gruppen) {
  std::vector<TEintrag> tafel;
  Klassenfaecher(stufe, gruppen, tafel);
  if (gruppen) Gruppenfaecher(stufe, tafel);
  Jahrgangsfaecher(stufe, zuege, gruppen, tafel);
  return tafel;
}

}  // namespace orbato
