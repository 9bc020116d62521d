#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/basis/datum.h"
#include "model/elemente/kuerzelart.h"
#include "model/schnittstellen/menue.h"

namespace orbato {

class TPlanElement;
class TSchule;
class TStandard;
class TVertretung;

// The columns of the substitution window, in the order shown.
enum TVertrSpalte {
  kVertrT = 0,
  kVertrStunde,
  kVertrLehrer,
  kVertrKlasse,
  kVertrFach,
  kVertrKoppl,
  kVertrRaum,
  kVertrBem,
  kVertrVLehrer,
  kVertrVFach,
  kVertrVRaum,
  kVertrSpalten
};

// The text colour of a cell: black as planned, blue where a value needs attention or differs
// from the plan, red for a change made today, teal for a record not in force.
enum class TVertrFarbe { Schwarz, Blau, Rot, Tuerkis };
// The filled circle of column "T": green with both partners, red when the lesson was moved here
// from another record ("verlegt"), blue when it swaps with another one ("statt").
enum class TVertrKreis { Keiner, Gruen, Rot, Blau };

struct TVertrZelle {
  std::string fText;  // Windows-1252
  TVertrFarbe fFarbe = TVertrFarbe::Schwarz;
  bool fFett = false;
};

// One row: the record it shows and what the view paints. The row background is highlighted for a
// change made today.
struct TVertrZeile {
  TVertretung* fVertretung = nullptr;
  TVertrKreis fKreis = TVertrKreis::Keiner;
  bool fHervorgehoben = false;
  std::array<TVertrZelle, kVertrSpalten> fZellen;
};

// What a day needs before its substitution window opens: a school day opens it; on a holiday or
// beyond the school week "Vertretung unnötig" says so and the user takes it ("Ok") or asks for
// another date ("Anderer Tag").
enum class TVertrTag { Schultag, Ok, AndererTag };
TVertrTag Vertretung(TSchule& schule, TDatumZeit datum);

// The substitution window "Vertretungen" of one date: the records of that date as rows, the
// order of the list, the ad hoc marks, and what a double click, a click into a cell and the
// absence buttons lead to. The Qt window paints the rows and forwards the user's actions; the
// command line prints the same rows.
class TVertretungsForm {
 public:
  // What a double click did.
  enum class TKlick { Nichts, Wahl, Unnoetig, Geloescht, Behalten };

  TVertretungsForm(TSchule& schule, TStandard& standard, TDatumZeit datum);

  // The plan version of the date becomes the current one; true when it changed, and then every
  // window is to be redrawn. A list saved under another order is sorted first; builds the rows.
  bool Oeffnen();
  TDatumZeit Datum() const { return fDatum; }
  // "Mi, 9. Dez 2026".
  std::string DatumText() const;
  static const std::array<std::string_view, kVertrSpalten>& Spalten();

  // The rows anew from the document's list: the records of the date, those not in force only
  // while "inaktive Vertretungen" is ticked.
  void Aufbauen();
  const std::vector<TVertrZeile>& Zeilen() const { return fZeilen; }
  // The record of a row (0-based); none for a row out of range or a record that is gone.
  TVertretung* VertretungIn(int zeile) const;
  // The row that shows the record, -1 when none does.
  int ZeileVon(const TVertretung* v) const;

  // "inaktive Vertretungen".
  bool Inaktive() const;
  void SetInaktive(bool zeigen);

  // "sortiert nach": the captions of the four orders, the current one, and a new one, which
  // sorts the whole list again.
  static const std::array<std::string_view, 4>& SortNamen();
  int SortArt() const;
  void SetSortArt(int art);

  // "Ad hoc setzen" marks the rows as changed today, "Ad hoc löschen" takes the mark away.
  void AdHocSetzen(const std::vector<int>& zeilen);
  void AdHocLoeschen(const std::vector<int>& zeilen);

  // A double click on a row: with the delete tool the question "Vertretung löschen"; otherwise a
  // record in force goes to the proposal window (Wahl, the caller opens it), one not in force gets
  // the note "Vertretung unnötig".
  TKlick Doppelklick(int zeile);
  // "Vertretung löschen": on "Ja" the record is destroyed and the rows are built anew.
  bool Loeschen(int zeile);

  // A click into a cell: the classes of a course with several classes ("Klasse"), the courses of
  // a coupling ("Koppl.") or the two remarks ("Bem"); empty elsewhere.
  TMenu ZellenMenu(int zeile, int spalte) const;
  // The absence buttons with Ctrl: the elements of the kind absent on the date, each entry
  // handing its element to `waehle`.
  TMenu FehlendeMenu(TKuerzelArt art, const std::function<void(TPlanElement*)>& waehle) const;

 private:
  void AdHoc(const std::vector<int>& zeilen, TDatumZeit wert);
  TVertrZeile Zeile(TVertretung& v) const;
  void Geaendert();

  // Pointers, so that the window can take a form of another date.
  TSchule* fSchule;
  TStandard* fStandard;
  TDatumZeit fDatum;
  std::vector<TVertrZeile> fZeilen;
};

// The captions of the absence buttons: "fehlender Lehrer", "fehlende Klasse", "Raumänderung".
std::string_view FehlendeKnopf(TKuerzelArt art);

}  // namespace orbato
