#pragma once

#include <QGuiApplication>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/basis/liste.h"
#include "model/fenster/deputat.h"
#include "model/fenster/fenstertyp.h"
#include "model/schnittstellen/fenster.h"
#include "model/schnittstellen/menue.h"

class QLabel;
class QTableView;

namespace orbato {

class TDepModell;
class TElement;
class TFach;
class TKlasse;
class TKopplung;
class TKurs;
class TLehrer;
class TRaum;
class TSchule;
class TStandard;
class Zwischenablage;

// A teaching-load window: the courses of one teacher, class, coupling, subject or room, or of
// the whole document ("alle Kurse"), one row per course, changed cell by cell with the palette's
// tools. Courses are copied, cut, pasted and deleted here.
class TDepForm : public QWidget, public Fenster {
  Q_OBJECT

 public:
  ~TDepForm() override;

  // Both recompute the rows from the course list, so that courses that came or went show; a
  // sort the user chose is kept.
  void FensterUpdate() override { Fuellen(); }
  void FensterRefresh() override { Fuellen(); }
  void FensterSchliessen() override;
  void FensterNachVorn() override;
  int FensterArt() const override { return Nr(fTyp); }
  std::string FensterTitel() const override;
  void KursEntfernt(const TKurs* kurs) override;
  QSize sizeHint() const override;

  TElement* Element() const { return fElement; }
  // The list the rows come from: the element's courses, or all courses.
  TListe<TKurs>& Quelle() const;
  QTableView* Tabelle() const { return fTabelle; }
  const TDepModell& Modell() const { return *fModell; }
  int Zeilen() const;
  TKurs* ZeilenKurs(int zeile) const;
  // The row's text in the column, as shown.
  QString Text(int zeile, TDepSpalte spalte) const;
  // The courses of the selected rows, in row order, each once.
  std::vector<TKurs*> Auswahl() const;
  void Auswaehlen(const std::vector<int>& zeilen);
  void AllesAuswaehlen();
  // Shows these courses, in this order, in place of the window's own list, with a last column
  // "Grund" that says for each what `grund` makes of it, asked anew at every refresh; the
  // window's filters do not apply. "alle Kurse" lists the courses the scheduler left open so.
  // "Grund" stands first, where no window width hides it; `kopf`, when given, heads the list.
  void KurseZeigen(std::vector<TKurs*> kurse, std::function<std::string(const TKurs&)> grund,
                   const QString& kopf = {});
  // The heading over a list of KurseZeigen; empty otherwise.
  QString Kopf() const;
  // Back to the window's own list.
  void ListeZeigen();
  bool ZeigtListe() const { return !fGezeigt.has_value(); }

  // The tools, as the mouse calls them; public so that tests can drive them cell by cell.
  void Geklickt(int zeile, TDepSpalte spalte,
                Qt::KeyboardModifiers tasten = QGuiApplication::keyboardModifiers());
  void Doppelgeklickt(int zeile);
  // The move tool's drop of a cell of one row onto another row.
  void Ziehen(int vonZeile, TDepSpalte spalte, int nachZeile);
  // Enter on the current cell (table column `spalte`): the click of the tool in hand; the move
  // tool takes the cell's class, room or info up and, on Enter in another row, carries it there.
  void ZelleAusloesen(int zeile, int spalte);
  // Escape: the move tool lets go of what it holds; false when it holds nothing.
  bool FallenLassen();
  // A click on a column header.
  void Sortieren(TDepSpalte spalte);

  // "Kopieren" and "Ausschneiden" (Shift leaves out the continuation lines), "Einsetzen" (only
  // "alle Kurse" takes courses), "Löschen".
  void Kopieren(bool mitCut, bool ohneFolgezeilen, Zwischenablage& ablage);
  void Einsetzen(const Zwischenablage& ablage);
  void AuswahlLoeschen();

  // Shows a menu the window built; tests replace it to choose entries themselves.
  std::function<void(TMenu&)> fMenuZeigen;
  // Asks for several classes (the set tool with Ctrl in "Klasse"); tests answer it themselves.
  std::function<std::vector<TKlasse*>()> fKlassenWaehlen;

 protected:
  // `element` none for "alle Kurse"; `nurGekoppelt` and `nurOffen` the filters of opening with
  // Alt, and with Ctrl and Alt.
  TDepForm(TSchule& schule, TStandard& standard, TElement* element, TFensterTyp typ,
           bool nurGekoppelt, bool nurOffen);

 private:
  void Fuellen();
  void Abmessen();
  void TitelSetzen();
  // After a change of courses: every window that shows them.
  void Geaendert();
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
  TDepSpalte Spalte(int nr) const;
  // Whether the column number is one of the course columns, not "Grund".
  bool IstKursSpalte(int nr) const;

  TSchule& fSchule;
  TStandard& fStandard;
  TElement* fElement;
  TFensterTyp fTyp;
  bool fNurGekoppelt;
  bool fNurOffen;
  TDepModell* fModell;
  QTableView* fTabelle;
  QLabel* fKopf;
  int fSortiertNach = -1;  // the column kind sorted by, -1 for the list order
  int fZiehZeile = -1;
  int fZiehSpalte = -1;
  std::optional<std::vector<TKurs*>> fGezeigt;  // the courses shown in place of the list
  std::function<std::string(const TKurs&)> fGrund;
};

class TLeDepForm : public TDepForm {
  Q_OBJECT
 public:
  TLeDepForm(TSchule& schule, TStandard& standard, TLehrer* lehrer, bool nurGekoppelt,
             bool nurOffen);
  TLehrer* fLehrer;
};

class TKlDepForm : public TDepForm {
  Q_OBJECT
 public:
  TKlDepForm(TSchule& schule, TStandard& standard, TKlasse* klasse, bool nurGekoppelt,
             bool nurOffen);
  TKlasse* fKlasse;
};

class TKoDepForm : public TDepForm {
  Q_OBJECT
 public:
  TKoDepForm(TSchule& schule, TStandard& standard, TKopplung* kopplung, bool nurGekoppelt,
             bool nurOffen);
  TKopplung* fKopplung;
};

class TFaDepForm : public TDepForm {
  Q_OBJECT
 public:
  TFaDepForm(TSchule& schule, TStandard& standard, TFach* fach, bool nurGekoppelt, bool nurOffen);
  TFach* fFach;
};

class TRaDepForm : public TDepForm {
  Q_OBJECT
 public:
  TRaDepForm(TSchule& schule, TStandard& standard, TRaum* raum, bool nurGekoppelt, bool nurOffen);
  TRaum* fRaum;
};

// "alle Kurse": every course of the document; one at most.
class TKursDepForm : public TDepForm {
  Q_OBJECT
 public:
  TKursDepForm(TSchule& schule, TStandard& standard, bool nurGekoppelt, bool nurOffen);
  ~TKursDepForm() override;
};

// The element's teaching-load window: the one open, or a new one with the filters.
TDepForm* DepFensterOeffnen(TSchule& schule, TStandard& standard, TElement* element,
                            bool nurGekoppelt = false, bool nurOffen = false);
// "alle Kurse": the one open, or a new one.
TDepForm* AlleKurseOeffnen(TSchule& schule, TStandard& standard, bool nurGekoppelt = false,
                           bool nurOffen = false);

}  // namespace orbato
