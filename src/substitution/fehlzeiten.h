#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/basis/datum.h"
#include "model/elemente/kuerzelart.h"
#include "model/schnittstellen/menue.h"

namespace orbato {

class TFehl;
class TPlanElement;
class TSchule;
class TStandard;
template <class T>
class TListe;

// One row of the absence entry window: the element, its record of the window's date (none until
// "Ok" creates it), the reason as shown ("(-)", "(K)") and one character per period 1..16, "+"
// absent and "-" present.
struct TFehlZeile {
  TPlanElement* fElement = nullptr;
  TFehl* fFehl = nullptr;
  std::string fGrund = "(-)";
  std::string fStunden = std::string(16, '-');
};

// The period text as a mask: character i = "+" sets the bit of period i, and back.
uint32_t StundenMaske(std::string_view stunden);
std::string StundenText(uint32_t maske);

// The absence entry window of one element kind (teachers, classes or rooms) and one date: the
// rows the user edits, the menus he picks from, and "Ok", which turns the rows into absence
// records and tells the elements every period that changed. The window shows what the accessors
// answer and forwards clicks and choices; the command line drives the same object.
class TFehlForm {
 public:
  // How adding an element went.
  enum class TZugang { Neu, FehltSchon };

  // The kind's window for the date: one row per absence of that kind on the date, in list order.
  // `art` is teachers, classes or rooms.
  TFehlForm(TSchule& schule, const TStandard& standard, TKuerzelArt art, TDatumZeit datum);

  TSchule& Dokument() const { return fSchule; }
  TKuerzelArt Art() const { return fArt; }
  TDatumZeit Datum() const { return fDatum; }
  // "Fehlende Lehrer", the element button "Lehrer", the date "Montag, 3. März, 2025".
  std::string Titel() const;
  std::string ElementKnopf() const;
  std::string DatumText() const;
  int32_t Tag() const { return fTag; }
  int32_t Woche() const { return fWoche; }
  static constexpr std::string_view kHinweis = "Strg = Alle Stunden  Shift = Keine Stunde";

  // The range new rows start with, and the period labels its two buttons show.
  int32_t Von() const { return fVon; }
  int32_t Bis() const { return fBis; }
  std::string VonText() const { return StundenName(fVon); }
  std::string BisText() const { return StundenName(fBis); }
  // "von" above "bis" takes "bis" along, "bis" below "von" takes "von" along.
  void SetVon(int32_t std);
  void SetBis(int32_t std);
  // The periods 1 .. fPlnStd by their labels for one of the two buttons; the entry of the
  // current choice is checked.
  TMenu StundenMenu(bool bis);

  const std::vector<TFehlZeile>& Zeilen() const { return fZeilen; }
  // The selected row and the top row shown (0-based); -1 without a selection.
  int32_t Auswahl() const { return fAuswahl; }
  int32_t ObersteZeile() const { return fOberste; }
  // The row of the element, -1 without one.
  int32_t ZeileVon(const TPlanElement* element) const;

  // The element button's pick list: every element of the kind, each adding itself.
  TMenu ElementMenu();
  // A new row with "(-)" and the range, selected and scrolled into view; an element with a row
  // gets "Fehlt schon" and its row is selected.
  TZugang ElementHinzufuegen(TPlanElement* element);
  // The window opened on one element: its row selected and in view, a new row when it has none;
  // no "Fehlt schon", since the element was picked as one absent that day.
  void ElementZeigen(TPlanElement* element);

  // What the element has in each period of the window's weekday and plan version (column 1).
  std::string TagesZeile(int32_t zeile) const;
  // A click into column 1 at `x` pixels from the cell's left edge: Shift clears every period,
  // Ctrl sets every one, otherwise the period under the mouse changes.
  void StundenKlick(int32_t zeile, int32_t x, bool shift, bool strg);
  // The period text as it is to stand; shorter texts are filled with "-".
  void SetStunden(int32_t zeile, std::string_view stunden);
  // The reason menu of column 0: the twenty codes of the settings, in order.
  TMenu GrundMenu(int32_t zeile);
  void SetGrund(int32_t zeile, std::string_view code);

  // "Ok": every row becomes its record, in row order; the substitution windows redraw.
  void Ok();

 private:
  std::string StundenName(int32_t std) const;
  TListe<TFehl>& Menge() const;
  void Sichtbar(int32_t zeile);
  void Uebernehme(TFehlZeile& zeile);

  TSchule& fSchule;
  const TStandard& fStandard;
  TKuerzelArt fArt;
  TDatumZeit fDatum;
  int32_t fTag;
  int32_t fWoche;
  int32_t fVon = 1;
  int32_t fBis;
  std::vector<TFehlZeile> fZeilen;
  int32_t fAuswahl = -1;
  int32_t fOberste = 0;
};

// The reason of a row's reason cell: the character between the parentheses, "-" for "(-)".
std::string GrundAusZelle(std::string_view zelle);

// The long absence of one row ("längere Fehlzeit"): the row's periods and reason on every school
// day after the window's date up to a last day the user enters. The window's own date stays for
// the window's "Ok".
class TLangeFehlzeit {
 public:
  // The fields start at the window's date.
  TLangeFehlzeit(const TFehlForm& form, const TFehlZeile& zeile);

  // "MÜ fehlt bis".
  std::string Ueberschrift() const;

  int fTag, fMonat, fJahr;

  // "Ok": an impossible day is corrected downward, a last day before the window's date resets
  // the fields to it; then the days are entered. The number of school days entered.
  int32_t Ok();

 private:
  void Eintragen(TDatumZeit datum);

  TSchule& fSchule;
  TKuerzelArt fArt;
  TDatumZeit fStart;
  TPlanElement* fElement;
  uint32_t fMaske;
  std::string fGrund;
};

}  // namespace orbato
