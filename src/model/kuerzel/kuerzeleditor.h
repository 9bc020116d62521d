#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/elemente/kuerzelart.h"

namespace orbato {

class TElement;
class TSchule;

// The short-name editor "Kürzel": creates, renames, deletes, sorts and orders the elements of one
// kind at a time. This class holds the dialog's state and commands; the Qt dialog shows its rows,
// field and buttons and forwards clicks and typing. Texts are Windows-1252.
class TKuerzelEditor {
 public:
  // Starts on the teachers.
  explicit TKuerzelEditor(TSchule& schule);

  // "Kürzelart" 0..5: "Lehrer", "Klassen", "Kopplungen", "Fächer", "Räume", "UVTabellen". Fills
  // the rows from the document's list, clears field and selection, disables the three buttons.
  void ArtWaehlen(int art);
  int Art() const { return fArt; }
  static TKuerzelArt ElementArt(int art);

  // The edit field changed: an exactly equal row is selected (Ändern, Löschen on), an unknown
  // text enables Neues, an empty one disables all three.
  void TextGeaendert(std::string_view text);
  // A click on a row (0-based): selects its element and copies its name into the field.
  void ZeileGeklickt(int zeile);

  // "Neues": appends an element with the field's text (cut to 11) to the document's list and the
  // rows, clears the field. The row to scroll to is then the last.
  void Neues();
  // "Kürzel ändern" answered "Ok" with `kuerzel`: true when the dialog may close (renamed, or the
  // same name); false after "Stop" reported a name another element has. Row and field follow.
  bool Aendern(std::string_view kuerzel);
  // "Löschen": asks "Kürzel löschen" when the element still has courses; the row goes on deletion.
  void Loeschen();
  // "Sortieren" with more than one row, under the message window "Die Kürzel werden sortiert.".
  void Sortieren();
  // A row dragged from `von` and dropped on row `nach` (0-based); the document's list follows and
  // the document is marked changed.
  void Verschieben(int von, int nach);
  // "Ok": with "Neues" enabled creates that element and answers false (the editor stays open);
  // otherwise answers true (close; the caller rebuilds the short-name menus).
  bool Ok();

  const std::vector<std::string>& Zeilen() const { return fZeilen; }
  const std::string& Text() const { return fText; }
  int Auswahl() const { return fAuswahl; }  // 0-based row, -1 none
  TElement* Element() const { return fElement; }
  int SichtbareZeile() const { return fSichtbar; }  // the row to scroll into view, -1 none
  bool NeuesMoeglich() const { return fNeues; }
  bool AendernMoeglich() const { return fAendern; }
  bool LoeschenMoeglich() const { return fLoeschen; }

 private:
  // The document's list takes the rows' order; the selection follows its element.
  void MengeNachZeilen();
  void Knoepfe(bool neues, bool vorhanden);

  TSchule& fSchule;
  int fArt = 0;
  std::vector<std::string> fZeilen;
  std::vector<TElement*> fElemente;  // the element of each row
  std::string fText;
  int fAuswahl = -1;
  TElement* fElement = nullptr;
  int fSichtbar = -1;
  bool fNeues = false;
  bool fAendern = false;
  bool fLoeschen = false;
};

}  // namespace orbato
