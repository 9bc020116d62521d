#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/basis/liste.h"
#include "model/dokument/undo.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/kuerzelart.h"
#include "model/schnittstellen/menue.h"
#include "placement/konflikt.h"

namespace orbato {

class TElement;
class TKlasse;
class TKopplung;
class TKurs;
class TPlanElement;
class TRaum;
class TSchule;
class TSetzung;

// The courses a selection hands to manual planning: each once, in the order met, without the
// courses that are not to be placed.
std::vector<TKurs*> ManuellKurse(const std::vector<TKurs*>& auswahl);

// What one cell of one of the window's plans shows.
struct TManuellZelle {
  TKurs* fKurs = nullptr;  // the lesson the plan holds there, none for an empty cell
  bool fFixiert = false;
  bool fGesperrt = false;  // the plan's element is blocked there
  bool fEigene = false;    // a lesson of the current course
  char fMarke = ' ';       // 'R' marked
  // The worst obstacle the current course meets there, 0 for none; -1 while obstacles are not
  // shown.
  int32_t fSchwere = 0;
  std::vector<std::string> fTexte;
};

// The manual-planning window ("Manuell") as state and commands: the courses of a selection are
// placed one after the other, the window showing for the current course, cell by cell, what
// stands in the way of a lesson there. While it is open it keeps the journal of every lesson
// placed or removed anywhere, which "Widerrufen Protokoll" takes back as a whole.
//
// The window draws what the queries answer and forwards the user's actions; it hands in the hooks.
// Each command that changes the plan is one step of the document's history.
class TManuellForm {
 public:
  TManuellForm(TSchule& schule, TStandard& standard);
  // Ends the journal if the window did not close through Schliessen.
  ~TManuellForm();
  TManuellForm(const TManuellForm&) = delete;
  TManuellForm& operator=(const TManuellForm&) = delete;

  // Starts with the first course of the list: the journal starts empty, the move tool is
  // selected. Without conflicts (opened with Ctrl) the cells show no obstacles.
  void IManuellForm(const std::vector<TKurs*>& kurse, bool ohneKonflikte);
  // Makes the course current (adding it to the work list when missing): its room, its plans and
  // the obstacles of every cell.
  void SetKurs(TKurs* kurs);
  // The coupling's obstacles follow the tool: the place tool shows those of the coupled courses
  // with lessons left, the move tool those of every coupled course. Then everything is rebuilt.
  void KonflUpdate();
  // Rebuilds the obstacles of every cell from the plan as it stands, then redraws.
  void Neuaufbau();
  // Lessons were placed or removed since the last rebuild.
  bool Veraltet() const { return fVeraltetSeit; }

  // The tools of the palette on a cell of plan `plan` (0-based): showing, placing, moving (a
  // click on a cell without a lesson of the current course), deleting (with `ctrl` the room only)
  // and fixing.
  void Klick(int32_t plan, int32_t tag, int32_t std, bool ctrl = false);
  // The move tool's drag: only lessons of the current course are picked up, and every cell of it
  // is marked. The drop moves the lesson with the window's room; with `alt` the two periods are
  // swapped for the whole school.
  bool Aufnehmen(int32_t tag, int32_t std);
  void Ablegen(int32_t tag, int32_t std, bool alt);
  void Abbrechen();
  bool Zieht() const { return fGezogen; }
  // The press with Ctrl: the pressed lesson is lifted for a moment and every cell of the plan
  // whose lesson (with all its coupled lessons there) could go into the pressed cell without any
  // obstacle is marked; with `ohneRaum` (Shift) without the window's room.
  void Vorschau(int32_t plan, int32_t tag, int32_t std, bool ohneRaum);
  void VorschauEnde();

  // The journal's two commands: take back every change since the journal started, newest first,
  // and show the course that was first in the work list again; forget the journal.
  void WiderrufenProtokoll();
  void LoeschenProtokoll();
  bool ProtokollBefehleAn() const { return fBefehleAn; }

  // Asks "Manuellfenster schließen" while a course of the work list has lessons left; false
  // when the user keeps the window open.
  bool DarfSchliessen();
  // Ends the journal; the window is closed.
  void Schliessen();
  bool Offen() const { return fOffen; }
  // A course is about to be destroyed: the window lets go of it, and shows another course or
  // closes when it was the last.
  void KursEntfernt(const TKurs* kurs);
  // An element is about to be destroyed: panels showing it go empty, and the course's class,
  // coupling and room are taken anew from what the course keeps.
  void ElementEntfernt(const TElement* element);

  // The plans: up to four by fManArt, the first class's always, then the teacher's, the room's
  // and another class's. Each may be none.
  int32_t PlanZahl() const;
  TPlanElement* Plan(int32_t plan) const;
  // The panel the element buttons show their plan in: the one the user last worked in.
  void PlanAktivieren(int32_t plan);
  int32_t AktiverPlan() const { return fAktiverPlan; }
  TManuellZelle Zelle(int32_t plan, int32_t tag, int32_t std) const;
  // The lesson the plan shows in the cell: the current course's, else one of its coupling, else
  // the first of the element's courses placed there (in the plan's room, for a room).
  TKurs* ZellKurs(int32_t plan, int32_t tag, int32_t std) const;
  const TListe<TKonflikt>& Konflikte(int32_t tag, int32_t std) const;
  // The short texts of the cell's obstacles, for its menu and its hint.
  std::vector<std::string> KonfliktTexte(int32_t tag, int32_t std) const;

  // The panel's texts: short names, "ohne" for a missing element.
  static std::string Kuerzel(const TElement* element);
  // The coupling's name in red: the obstacles of every coupled course are shown.
  bool KopplungRot() const;
  // "Kopplung" or "Le/Kl": how coupled lessons are shown (fManZeigKopp).
  std::string ZeigeText() const;

  // Menus as data; each command redraws through fZeigen.
  // "Kurs": the work list, each course as "workload (lessons) line with room", "<" … ">" when
  // all its lessons are placed, the current one ticked; choosing one makes it current.
  TMenu KursMenu();
  static std::string KursMenuText(const TKurs& kurs);
  // "Lehrer", "Klasse", "Raum" (art leh, kla, rau): those of the current course and its coupling,
  // the current course's ticked; with `alle` (Ctrl) every one of the school. Choosing one shows
  // its plan in the active panel.
  TMenu ElementMenu(TKuerzelArt art, bool alle);
  // "Fach": the subject's courses; "Kopplung": the coupling and its courses; choosing a course
  // makes it current.
  TMenu FachMenu();
  TMenu KopplungsMenu();
  // "Zeige": "Kopplung" and "Le/Kl", the one in force ticked.
  TMenu ZeigeMenu();
  // The cell's obstacles by their short texts; an entry naming a course makes it current.
  TMenu KonfliktMenu(int32_t tag, int32_t std);

  // Something changed that the window shows: it redraws.
  std::function<void()> fZeigen;
  // A lesson was placed or removed outside the window's own commands: the window rebuilds soon,
  // once the operation under way has ended.
  std::function<void()> fVeraltet;
  // The journal's commands are enabled or disabled.
  std::function<void(bool)> fBefehle;
  // The window must close (its last course was destroyed).
  std::function<void()> fSchliessenNoetig;

  TListe<TKurs> fKurse;
  TKurs* fKurs = nullptr;
  TKlasse* fKlasse = nullptr;
  TKopplung* fKopplung = nullptr;
  TRaum* fRaum = nullptr;
  bool fOhneKonflikte = false;
  bool fAlleKonflikte = true;
  TUndoProtokoll fUndoListe;

 private:
  // The current course's coupling as it is now: the course may join or leave one while the
  // window holds it, and what the window places or lists must follow. fKopplung is what the
  // window shows, taken afresh with every rebuild.
  TKopplung* Kopplung() const;

  struct TZellListe {
    TListe<TKonflikt> fListe{true};
  };

  void Vormerken(TKurs* kurs);
  void Zeigen() const;
  void Veralten();
  // The current version, the one the plans show.
  int32_t Version() const;
  void PlaeneSetzen();
  void RaumWaehlen();
  // The current course, then the other courses of its coupling.
  std::vector<TKurs*> MitKopplungZuerst() const;
  void ZelleAufbauen(int32_t tag, int32_t std);
  void ListenLeeren();
  // The tools, one cell each.
  void ZeigeKurs(int32_t plan, int32_t tag, int32_t std);
  bool Setzen(int32_t tag, int32_t std);
  void SetzeAlle(int32_t tag, int32_t std);
  void Loeschen(int32_t plan, int32_t tag, int32_t std, bool nurRaum);
  void Fixieren(int32_t plan, int32_t tag, int32_t std);
  // After the current course's last lesson went in: the next course of the work list that has
  // lessons left, wrapping round; the current course stays when there is none.
  void Weiter();
  void PlanZeigen(TPlanElement* element);
  TMenuEintrag KursEintrag(TKurs* kurs);

  TSchule& fSchule;
  TStandard& fStandard;
  bool fOffen = false;
  bool fBefehleAn = false;
  bool fVeraltetSeit = false;
  std::array<std::array<TZellListe, kMaxStunden + 1>, kMaxTage + 1> fZellen;
  std::array<TPlanElement*, 4> fPlaene{};
  int32_t fAktiverPlan = 0;
  // The drag of the move tool and the Ctrl preview.
  bool fGezogen = false;
  int32_t fVonTag = 0;
  int32_t fVonStd = 0;
  int32_t fVorschauPlan = -1;
  std::array<std::array<bool, kMaxStunden + 1>, kMaxTage + 1> fVorschau{};
};

}  // namespace orbato
