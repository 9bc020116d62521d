#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/basis/fixtext.h"
#include "model/basis/liste.h"
#include "model/dokument/parliste.h"
#include "model/dokument/verlauf.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/fenster/fensterdaten.h"
#include "model/fenster/fenstertyp.h"
#include "model/kurse/kurs.h"
#include "model/uv/uvtab.h"
#include "model/vertretung/fehl.h"
#include "model/vertretung/vertretung.h"
#include "model/woche/wochbereich.h"

namespace orbato {

class Dialoge;
class Fenster;
class TSetzung;
class TUndoProtokoll;
class Uhr;

enum TToolArt { ZeigTool = 0, SetzTool = 1, LoeschTool = 2, SchiebTool = 3, FixTool = 4 };

// The answer to "Daten sichern?" when a document with unsaved changes is closed.
enum class TSichernAntwort { Ja, AndererName, Nein };

// The school document: owns every element and course of one school, the calendar of plan
// versions and two school-wide week ranges, knows its file and whether it has unsaved changes.
class TSchule {
 public:
  // Empty lists, "Ohne Titel", every calendar week on plan version 1.
  TSchule();
  // Frees the courses first, so that no element is left pointing into a freed course.
  ~TSchule();
  TSchule(const TSchule&) = delete;
  TSchule& operator=(const TSchule&) = delete;

  // Marks unsaved changes (or, with false, none); tells the shell so that "Sichern" follows.
  void SetDirty(bool geaendert = true);
  bool IsDirty() const { return fDirty; }
  std::function<void(bool)> fBeiDirty;
  // Before a command that changes much at once, so that the shell can keep the state before it.
  void VorGrossemUmbau() {
    if (fVorGrossemUmbau) fVorGrossemUmbau();
  }
  std::function<void()> fVorGrossemUmbau;

  void SetDateiName(std::string_view name) { fDateiName = name; }
  void SetFensterArt(TFensterArt art) { fFensterArt = art; }
  // The manual-planning window, while it is open, follows the tool with its conflict display.
  void SetToolArt(TToolArt art) {
    fToolArt = art;
    if (fBeiToolArt) fBeiToolArt(art);
  }
  std::function<void(TToolArt)> fBeiToolArt;

  // Where the core asks the user; without one installed a scripted set answers the first button.
  Dialoge& Dialog();
  void SetDialoge(Dialoge* dialoge) { fDialoge = dialoge; }
  // The clock change times are taken from; the computer's clock unless one is installed.
  void SetUhr(const Uhr* uhr) { fUhr = uhr; }
  TDatumZeit Jetzt() const;

  // Asks "Daten sichern?" when there are unsaved changes; Nein without asking otherwise.
  TSichernAntwort FrageSichern();

  // Finds the element of that kind by its short name (cut to 11 characters, compared exactly);
  // a missing one is created at the end of its kind's list.
  TLehrer* HoleLehrer(std::string_view kuerzel);
  TKlasse* HoleKlasse(std::string_view kuerzel);
  TFach* HoleFach(std::string_view kuerzel);
  TKopplung* HoleKopplung(std::string_view kuerzel);
  TRaum* HoleRaum(std::string_view kuerzel);
  // Finding only; none when absent.
  template <class T>
  static T* HoleElement(const TListe<T>& menge, std::string_view kuerzel) {
    const TKuerzelString gesucht(kuerzel);
    for (T* e : menge) {
      if (e->fKuerzel == gesucht) return e;
    }
    return nullptr;
  }

  // A course with the default lessons and nothing else set ("alle Kurse").
  TKurs* ErzeugeNeuenKurs();
  // Destroys a course: its placements go, every element forgets it.
  void KursEntfernen(TKurs* kurs);
  // Destroys an element with everything that refers to it.
  void LehrerLoeschen(TLehrer* lehrer);
  void KlasseLoeschen(TKlasse* klasse);
  void RaumLoeschen(TRaum* raum);
  void FachLoeschen(TFach* fach);
  void KopplungLoeschen(TKopplung* kopplung);
  void UVTabLoeschen(TUVTab* tabelle);
  void ElementLoeschen(TElement* element);
  // The short-name window's "Löschen": an element that still has courses is deleted only after
  // the question "Kürzel löschen". True when it was deleted.
  bool ElementLoeschenNachFrage(TElement* element);
  // "Kürzel ändern": refused with "Stop" when another element of the kind has the name.
  bool KuerzelAendern(TElement* element, std::string_view kuerzel);

  // Open document windows, by name; a name already there is refused.
  bool FensterAnmelden(const std::string& name, Fenster* fenster);
  void FensterAbmelden(Fenster* fenster);
  // Redraws every open window in the order they were opened, each brought to the front.
  void AlleFensterUpdate();
  // Recomputes and redraws every open window where it stands, after a change of a course that
  // several windows may show.
  void FensterAktualisieren();
  // Tells every open window that a placement or a blocking changed.
  void BelegungGeaendert();
  // The open window of that kind, the first opened when there are several; none when none is.
  Fenster* OffenesFenster(TFensterTyp typ) const;
  // Redraws the open window of that kind, if there is one.
  void FensterUpdate(TFensterTyp typ);

  str255 fDateiName = "Ohne Titel";
  TFensterArt fFensterArt = GFenster;
  TToolArt fToolArt = ZeigTool;
  TListe<TKurs> fKursMenge{true};
  TListe<TLehrer> fLehrerMenge{true};
  TListe<TKlasse> fKlassenMenge{true};
  TListe<TKopplung> fKopplMenge{true};
  TListe<TFach> fFachMenge{true};
  TListe<TRaum> fRaumMenge{true};
  TListe<TUVTab> fUVTabMenge{true};
  TListe<TFehl> fFehlLehrerMenge{true};
  TListe<TFehl> fFehlKlassenMenge{true};
  TListe<TFehl> fFehlRaumMenge{true};
  // The absences of a kind of element; none for kinds that cannot be absent.
  const TListe<TFehl>* FehlMenge(TKuerzelArt art) const;
  TListe<TFehl>* FehlMenge(TKuerzelArt art);
  // The reason of the element's absence on that date in parentheses, "(-)" without one.
  std::string FehlGrund(const TPlanElement* element, TDatumZeit datum) const;
  TParListe fParListe;
  // Every substitution record; the placements own them.
  TListe<TVertretung> fVertretungsMenge;
  std::array<uint8_t, kKalenderWochen> fKalender;
  TWochBereich fGrWoBereich;
  TWochBereich fUEWoBereich;
  Fenster* fAktivesFenster = nullptr;
  std::vector<std::pair<std::string, Fenster*>> fFensterListe;
  // The window records the plan file is saved with: those read with the document until the
  // shell reopens them, and what the shell collects from its open windows before saving.
  std::vector<TFenster> fFensterSaetze;
  // The journal of manual planning while its window is open, none otherwise.
  TUndoProtokoll* fProtokoll = nullptr;
  // The user's actions on the plan, for "Widerrufen" and "Wiederherstellen"; it goes with the
  // document.
  TVerlauf fVerlauf;

 private:
  template <class T>
  T* Hole(TListe<T>& menge, std::string_view kuerzel);
  template <class T>
  void Entferne(TListe<T>& menge, T* element);
  void FehlLoeschen(TListe<TFehl>& menge, const TPlanElement* element);

  bool fDirty = false;
  Dialoge* fDialoge = nullptr;
  const Uhr* fUhr = nullptr;
};

// The document of the running program, installed by its owner like the settings object; without
// one a default document answers.
TSchule& Schule();

class TSchuleEinsetzen {
 public:
  explicit TSchuleEinsetzen(TSchule& schule);
  ~TSchuleEinsetzen();
  TSchuleEinsetzen(const TSchuleEinsetzen&) = delete;
  TSchuleEinsetzen& operator=(const TSchuleEinsetzen&) = delete;

 private:
  TSchule* fVorher;
};

}  // namespace orbato
