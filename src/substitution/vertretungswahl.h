#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/basis/datum.h"
#include "model/schnittstellen/menue.h"

namespace orbato {

class Fenster;
class TFach;
class TLehrer;
class TPlanElement;
class TRaum;
class TSchule;
class TStandard;
class TVertretung;

// The records of a date as the substitution window lists them, one row each: the document's
// order, records not in force only when asked for.
std::vector<TVertretung*> VertretungenDesTages(const TSchule& schule, TDatumZeit datum,
                                               bool mitInaktiven);

// A teacher the proposal window offers: short name, day line of the record's day and the balance
// counter chosen for display, formatted as an hour value.
struct TLehrerAngebot {
  TLehrer* fLehrer = nullptr;
  std::string fKuerzel;
  std::string fTagesZeile;
  std::string fZaehler;
};

// A room the proposal window offers.
struct TRaumAngebot {
  TRaum* fRaum = nullptr;
  std::string fKuerzel;
  std::string fTagesZeile;
};

// One period of the panel "Tagesplan": its label and the lessons of the element then.
struct TTagesplanZeile {
  std::string fStunde;
  std::string fText;
};

// A remark with a template added the way "LBem"/"SBem" add it on a left click: one blank, then
// the template cut from its end until template and remark together take at most 80 characters.
std::string BemerkungMitVorlage(std::string_view bemerkung, std::string_view vorlage);

// The proposal window "Vertretungswahl" for one record at a time: the teachers and rooms that
// can take the lesson, the fields of the substitute, the partner records, the day plan and the
// commands that enter, cancel, clear or count the substitution. The record points to the window
// through `fFenster` while it is edited, so that a record that becomes invalid or goes closes the
// window; the form lets go of it then and touches it no more.
class TVertretungsWahl {
 public:
  enum class TModus { Raum, Lehrer };

  // `fenster` is the window that shows the form; without one the form links the record to a
  // window of its own that only lets go of the record, and takes the document's place of the
  // proposal window while it is free, so that the bookkeeping's updates reach the lists.
  TVertretungsWahl(TSchule& schule, TStandard& standard, Fenster* fenster = nullptr);
  ~TVertretungsWahl();
  TVertretungsWahl(const TVertretungsWahl&) = delete;
  TVertretungsWahl& operator=(const TVertretungsWahl&) = delete;

  // Takes up a record: the previous one is let go, counter 3 of every teacher is loaded with the
  // balance of the record's month, the mode starts as the record asks and the lists are built.
  void Bearbeite(TVertretung* v);
  // The window closes or the record goes: the link is cut while the record still lives.
  void Loslassen();
  TVertretung* Vertretung() const { return fV; }

  // The record's time line and course line, two blanks between them.
  std::string KopfZeile() const;

  // "Raumauswahl" / "Lehrerauswahl": room choice when the record keeps the course's own teacher
  // in another room, teacher choice otherwise.
  TModus Modus() const { return fModus; }
  void SetModus(TModus modus);

  // The check boxes and choices, which are settings of the user: "freie Lehrer" (also "freie
  // Räume"), "Randstunden", "nach Eignung", the teachers offered (0 "gleiche Klasse",
  // 1 "gleiches Fach", 2 "alle Lehrer"), the counter shown (0 "V-Std. 1", 1 "V-Std 2",
  // 2 "Monatsstd.") and the day plan (0 "Lehrerplan", 1 "Klassenplan").
  static const std::array<const char*, 3> kLehrerAuswahl;
  static const std::array<const char*, 3> kZaehlerAuswahl;
  static const std::array<const char*, 2> kPlanAuswahl;
  bool FreieLehrer() const;
  void SetFreieLehrer(bool an);
  bool Randstunden() const;
  void SetRandstunden(bool an);
  bool NachEignung() const;
  void SetNachEignung(bool an);
  int LehrerAuswahl() const;
  void SetLehrerAuswahl(int auswahl);
  int ZaehlerAuswahl() const;
  void SetZaehlerAuswahl(int auswahl);
  int PlanAuswahl() const;
  void SetPlanAuswahl(int auswahl);

  // The lists as they were last built; Aktualisieren builds them from the data as it stands.
  const std::vector<TLehrerAngebot>& Lehrer() const { return fLehrer; }
  const std::vector<TRaumAngebot>& Raeume() const { return fRaeume; }
  void Aktualisieren();

  // The substitute's fields: short names, "ohne" for none, "-----" for a cancelled lesson.
  std::string LehrerFeld() const;
  std::string FachFeld() const;
  std::string RaumFeld() const;
  bool Angerechnet() const;

  // The partner records: "statt" the lesson the substitute gives up (fZu), "verlegt" the record
  // this lesson was moved for (fVon); empty without one. Switching edits the partner instead.
  std::string StattZeile() const;
  std::string VerlegtZeile() const;
  void ZumStattPartner();
  void ZumVerlegtPartner();

  // The "statt" menu: visible with a substitute and without a "statt" partner; the substitute's
  // swaps with the course's first class.
  bool StattKnopfSichtbar() const;
  TMenu StattMenu();

  // The day plan of the substitute (or the course's teacher), respectively of the course's first
  // class, in periods 1..fPlnStd of the record's day, and that element's own room.
  const TPlanElement* TagesplanElement() const;
  std::vector<TTagesplanZeile> Tagesplan() const;
  std::string TagesplanRaum() const;

  // A double click into the lists (0-based rows) and the same for any teacher or room. False
  // when nothing was entered ("Nein", or the record went meanwhile).
  bool LehrerEintragen(int zeile);
  bool LehrerEintragen(TLehrer* lehrer);
  bool RaumEintragen(int zeile);
  bool RaumEintragen(TRaum* raum);

  // "Fach": every subject, the record's checked; choosing sets the subject and the day of change.
  TMenu FachMenu();
  void FachWaehlen(TFach* fach);
  // "Wie am": the other records of the placement with a substitute.
  TMenu WieMenu();
  // "Frei", "Löschen" (by the mode), "Anrechnen".
  void Frei();
  void Loeschen();
  void Anrechnen(bool angerechnet);

  // The remarks; what is typed is stored at once.
  std::string LBem() const;
  std::string SBem() const;
  void SetLBem(std::string_view text);
  void SetSBem(std::string_view text);
  // "LBem" / "SBem": the twenty templates of the settings, empty ones left out, each tagged with
  // its number; an entry's command appends (left click), BemErsetzen replaces (right click).
  TMenu BemMenu(bool lehrer);
  void BemAnfuegen(bool lehrer, int nr);
  void BemErsetzen(bool lehrer, int nr);

 private:
  class TEigenesFenster;

  void Danach();
  void Geaendert();
  void LehrerListeBauen();
  void RaumListeBauen();
  bool LehrerAngeboten(const TLehrer& l) const;
  bool RaumAngeboten(const TRaum& r) const;
  void NachEignungOrdnen();

  TSchule& fSchule;
  TStandard& fStandard;
  Fenster* fFenster;
  std::unique_ptr<Fenster> fEigenes;
  bool fAngemeldet = false;
  TVertretung* fV = nullptr;
  TModus fModus = TModus::Lehrer;
  std::vector<TLehrerAngebot> fLehrer;
  std::vector<TRaumAngebot> fRaeume;
};

}  // namespace orbato
