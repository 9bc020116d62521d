#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/basis/datum.h"
#include "model/einstellungen/standard.h"
#include "model/schnittstellen/menue.h"

namespace orbato {

class TSchule;

// The calendar window: which plan version holds in which calendar week, and which days are
// holidays, one month at a time. Everything is edited in working copies of the document's week
// calendar and the settings' holiday table; "Ok" stores both and drops the substitutions that no
// longer fit, "Abbrechen" simply lets the form go.
//
// The grid has 7 columns and 9 rows: column 0 the row titles, columns 1..6 the six calendar weeks
// from the one holding the 1st of the month; row 0 the plan version of the week, row 1 its ISO
// week number, rows 2..8 Monday to Sunday with the day numbers of the month's days.
class TKalenderForm {
 public:
  static constexpr int kSpalten = 7;
  static constexpr int kZeilen = 9;
  static constexpr int kVersionsZeile = 0;
  static constexpr int kKalWochenZeile = 1;
  static constexpr int kErsteTagZeile = 2;
  static constexpr int kErstesJahr = 1994;
  static constexpr int kLetztesJahr = 2050;

  using TWochenTabelle = std::array<uint8_t, kKalenderWochen>;

  struct TZelle {
    std::string fText;     // Windows-1252
    bool fFerien = false;  // a day of the month that is a holiday: grey
    bool fRot = false;     // a day of the month beyond the school week
  };

  // Opens on the month of the document's today.
  TKalenderForm(TSchule& schule, TStandard& standard);

  int Jahr() const { return fJahr; }
  int Monat() const { return fMonat; }
  // Any month, held inside January 1994 .. December 2050.
  void ZeigeMonat(int jahr, int monat);
  void NaechsterMonat();
  void VorigerMonat();
  bool HatNaechsten() const;
  bool HatVorigen() const;
  // "mmmm yyyy" of the month shown.
  std::string Titel() const;

  TZelle Zelle(int spalte, int zeile) const;
  // The Monday of week column 1..6 and that week's place in the tables.
  TDatumZeit Montag(int spalte) const;
  int WochenIndex(int spalte) const { return KalenderWoche(Montag(spalte)); }
  // Whether a cell is a day cell holding a day of the month.
  bool IstTag(int spalte, int zeile) const;

  // The versions 1 .. number of versions for week column `spalte`, the version it has checked;
  // choosing one sets the working calendar of that week.
  TMenu VersionsMenu(int spalte);
  void SetzeVersion(int spalte, int32_t version);

  // The rubber band over day cells ended, from the cell pressed to the cell released: every day
  // of the month inside the rectangle becomes a holiday, or a school day when the cell pressed was
  // already shown as a holiday.
  void Gezogen(int vonSpalte, int vonZeile, int bisSpalte, int bisZeile);

  const TWochenTabelle& Kalender() const { return fKalender; }
  const TWochenTabelle& Ferien() const { return fFerien; }

  // Stores both tables and removes every substitution whose date no longer carries its lesson.
  void Ok();

 private:
  TDatumZeit Erster() const;
  bool Ferientag(int spalte, int zeile) const;
  void SetzeFerientag(int spalte, int zeile, bool ferien);

  TSchule& fSchule;
  TStandard& fStandard;
  TWochenTabelle fKalender;
  TWochenTabelle fFerien;
  int fJahr = kErstesJahr;
  int fMonat = 1;
};

// Removes the substitutions whose date now maps to another plan version than their placement's,
// is a holiday or lies beyond the school week, one at a time from the start of the list, since
// each removal may take partners along.
void UnpassendeVertretungenEntfernen(TSchule& schule, const TStandard& standard);

}  // namespace orbato
