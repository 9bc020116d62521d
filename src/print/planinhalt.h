#pragma once

#include <QString>
#include <vector>

#include "model/einstellungen/standard.h"

namespace orbato {

class TElement;
class TKlasse;
class TKopplung;
class TLehrer;
class TPlanElement;
class TRaum;
class TSchule;
struct TGedruckterPlan;
struct TPlanBereich;

// What one part of a lesson's cell names.
enum class TPlanTeil { Klasse, Lehrer, Fach, Raum, Kopplung };

// The parts a cell shows, in order. With `statt` a coupled course shows its coupling in place of
// the part `stattTeil`: the class in teacher and room plans, the teacher in class plans.
struct TZellenTeile {
  std::vector<TPlanTeil> teile;
  bool statt = false;
  TPlanTeil stattTeil = TPlanTeil::Klasse;
  bool Statt(TPlanTeil teil) const { return statt && teil == stattTeil; }
};
// The parts of the teacher, class and room plans by their options.
TZellenTeile LehrerplanTeile(const TDruckEinstellung& e);
TZellenTeile KlassenplanTeile(const TDruckEinstellung& e);
TZellenTeile RaumplanTeile(const TDruckEinstellung& e);
// Every text a part may show in the document, for the size of the cells.
std::vector<std::vector<QString>> TeilTexte(const TSchule& schule, const TZellenTeile& teile);

// The titles: the short name followed by three spaces, cut to 14 characters, and the info text,
// all cut to 45 characters; then what each kind adds.
QString NamensZeile(const TElement& element);
// "  (" room ")" when the teacher has a room; "  ( " and each class he is a class teacher of,
// each followed by " ", and ")" when there is one.
QString LehrerTitel(const TSchule& schule, const TLehrer& lehrer);
// The class's room and its class teachers alike.
QString KlassenTitel(const TKlasse& klasse);
QString RaumTitel(const TRaum& raum);
// With the short name as a teacher's title, or the info text alone (the short name when it is
// empty).
QString KopplungsTitel(const TKopplung& kopplung, bool mitKuerzel);

// The grid of a teacher, class or room in one version: its blockings and the lessons of its
// courses in the range, the first course in list order taking a cell; a room's lessons are those
// held in it.
void PlanElementFuellen(TGedruckterPlan& plan, const TPlanElement& element,
                        const TZellenTeile& teile, const TDruckEinstellung& e,
                        const TPlanBereich& bereich);

// The grid of a coupling in one version: per cell the teachers (mitLehrern) or classes of its
// courses held there, each once; blocked where one of its courses could not be placed.
void KopplungFuellen(TGedruckterPlan& plan, const TKopplung& kopplung, bool mitLehrern,
                     const TDruckEinstellung& e, const TPlanBereich& bereich);

}  // namespace orbato
