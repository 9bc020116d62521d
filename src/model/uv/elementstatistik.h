#pragma once

#include <string>
#include <vector>

namespace orbato {

class TFach;
class TKopplung;
class TRaum;

// The rows of "Fachstatistik", "Kopplungsstatistik" and "Raumstatistik". Each begins like the
// teacher statistics with the workload ("Ist", an hour value) and the lessons ("(Ist)"), both of
// the current version selection, then how many of the lessons are placed and how many are still
// open; the short name and the info text follow.

// "Ist", "(Ist)", "verplant", "offen", "Kurse" (how many), "Fach", "Info". Every course counts on
// its own, unless it is counted neither for its teacher nor for its classes; placed and open
// lessons are those of the counted courses that are to be placed.
std::vector<std::string> FachStatistikKoepfe();
std::vector<std::string> FachStatistikZeile(const TFach& fach);

// "Ist", "(Ist)", "verplant", "offen", "Kopplung", "Info", "Lehrer", "Kurse". The workload is
// that of all its courses, the lessons those the coupling takes in the plan (its largest course),
// placed and open those of the largest course; then its teachers once each and its courses as
// teacher, subject and first class, in the coupling's order.
std::vector<std::string> KopplungsStatistikKoepfe();
std::vector<std::string> KopplungsStatistikZeile(const TKopplung& kopplung);

// "Ist", "(Ist)", "verplant", "offen", "Anteil", "Raum", "Info". Workload, lessons and open
// lessons of the courses that may use the room; placed are the lessons held in the room, and
// "Anteil" the share of the week's shown periods (fMaxTageNeu × fPlnStd) the room is in use, in
// whole percent.
std::vector<std::string> RaumStatistikKoepfe();
std::vector<std::string> RaumStatistikZeile(const TRaum& raum);

}  // namespace orbato
