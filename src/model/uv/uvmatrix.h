#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace orbato {

class TElement;
class TKlasse;
class TKurs;
class TSchule;
class TUVTab;

// The matrix window of a teaching-distribution table as data. Both orientations are made of one
// block of lines per class of the table, and across them one position per subject
// ("Klassen/Fächer": the lines are rows, the subjects columns) or per teacher ("Lehrer/Klassen":
// the lines are columns, the teachers rows). Grid row 0 and column 0 are the headers.

enum class TUVZellArt { Ecke, Spaltenkopf, Zeilenkopf, Kurs, Leer };

struct TUVZelle {
  TUVZellArt fArt = TUVZellArt::Leer;
  TElement* fZeile = nullptr;   // the class or teacher of the row, none in row 0
  TElement* fSpalte = nullptr;  // the subject or class of the column, none in column 0
  TKurs* fKurs = nullptr;
  // The class whose block the cell lies in, none for the corner and the cross headers.
  TKlasse* Klasse(bool istFach) const;
};

// The two values of a cell or a header: an hour value and a short name.
struct TUVText {
  std::string fStunden;
  std::string fKuerzel;
};

struct TUVStil {
  bool fRot = false;  // the short name of a course, the number of a header
  bool fFett = false;
  bool fKursiv = false;
  int32_t fFarbe = 0xFFFFFF;
};

// A course cell: the workload of the current selection, and the teacher ("Klassen/Fächer") or the
// subject ("Lehrer/Klassen"), or the coupling instead while `kopplungZeigen`.
TUVText UVKursText(const TKurs& kurs, bool istFach, bool kopplungZeigen);
// Red without the teacher, respectively the subject; bold when coupled and fPlnKoppFett; italics
// in the block of a class other than the course's first.
TUVStil UVKursStil(const TKurs& kurs, const TKlasse* block, bool istFach);
// A class or teacher header: target minus workload, counted as the element's own windows count
// it, then the short name; a subject header has the short name only.
TUVText UVKopfText(const TElement& element);
// Red number when the workload differs from the target.
TUVStil UVKopfStil(const TElement& element);

class TUVMatrix {
 public:
  explicit TUVMatrix(const TUVTab& tab);

  // Lays the grid out again from the table and the courses as they are now.
  void Aufbauen();

  int32_t Zeilen() const;
  int32_t Spalten() const;
  TUVZelle Zelle(int32_t zeile, int32_t spalte) const;
  bool IstFach() const { return fIstFach; }

  // A course created or changed elsewhere: into each of its classes' blocks where it is missing,
  // in the first empty cell of its position, else on a new line after the block. True when the
  // grid changed.
  bool KursEinfuegen(TKurs* kurs);
  // After changes elsewhere, without moving what still stands right: a new orientation or other
  // lists of the table lay the grid out anew; otherwise a course that no longer belongs in its
  // cell (another class, subject or teacher) leaves it, and every course missing from a block
  // goes in as KursEinfuegen puts it. Empty lines stay. True when the grid changed.
  bool Abgleichen();
  // Empties every cell showing the course; no line goes. True when one did.
  bool KursEntfernen(const TKurs* kurs);
  // The Ctrl double-click on a class header: an empty line at the end of the class's block.
  bool LeerzeileEinfuegen(const TElement* klasse);

  // The switch "Kopplung oder Lehrer/Fach anzeigen": "o" shows couplings, "x" the element.
  std::string Schalter() const { return fKopplungZeigen ? "o" : "x"; }
  void SchalterUmschalten() { fKopplungZeigen = !fKopplungZeigen; }

  // What a cell shows and how; empty texts and white for the corner and empty cells.
  TUVText Text(int32_t zeile, int32_t spalte) const;
  TUVStil Stil(int32_t zeile, int32_t spalte) const;

  // The double-click of the show tool on an empty course cell: a course of the row's and the
  // column's elements with fKursStd lessons and the class's room (else, "Lehrer/Klassen", the
  // teacher's), entered into the grid. None for other cells; the caller opens its window.
  TKurs* KursAnlegen(int32_t zeile, int32_t spalte);
  // The delete tool with Ctrl: every room goes from a course with rooms and nothing placed.
  bool RaeumeEntfernen(int32_t zeile, int32_t spalte);
  // The delete tool without Ctrl: the teacher ("Klassen/Fächer") or the subject ("Lehrer/Klassen")
  // goes from each selected course with nothing placed. Answers how many courses changed.
  int ElementeEntfernen(const std::vector<std::pair<int32_t, int32_t>>& auswahl);
  // "Löschen": each course of the selection without placed lessons is destroyed once, then the
  // grid is laid out again. Answers the number destroyed.
  int AuswahlLoeschen(TSchule& schule, const std::vector<std::pair<int32_t, int32_t>>& auswahl);

  // "Kopieren": the header line and one line per row, tab-separated, with CR LF.
  std::string KopierText() const;

 private:
  // One line of a block: a course or none per cross position.
  using TLinie = std::vector<TKurs*>;
  struct TBlock {
    TKlasse* fKlasse;
    std::vector<TLinie> fLinien;
  };

  // The 0-based cross position of the course, -1 when it is not shown.
  int32_t QuerPosition(const TKurs& kurs) const;
  void Einordnen(TBlock& block, int32_t quer, TKurs* kurs);
  // The subjects ("Klassen/Fächer") or teachers of the table, in its order.
  std::vector<TElement*> QuerAusTabelle() const;
  // Whether the orientation and the lists are still those of the table.
  bool PasstZurTabelle() const;
  // The block and the line in it of the 1-based line number; false for the header line.
  bool Position(int32_t linie, std::size_t& block, std::size_t& index) const;
  int32_t LinienZahl() const;
  TKurs* KursIn(int32_t zeile, int32_t spalte) const { return Zelle(zeile, spalte).fKurs; }
  std::string KopfZeile() const;
  std::string ZellenText(int32_t zeile, int32_t spalte) const;

  const TUVTab& fTab;
  bool fIstFach = true;
  bool fKopplungZeigen = true;
  std::vector<TElement*> fQuer;  // subjects or teachers
  std::vector<TBlock> fBloecke;
};

}  // namespace orbato
