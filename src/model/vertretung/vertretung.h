#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/basis/datum.h"
#include "model/basis/fixtext.h"
#include "model/basis/liste.h"
#include "model/schnittstellen/menue.h"
#include "model/vertretung/statt.h"

namespace orbato {

class Fenster;
class TFach;
class TKurs;
class TLehrer;
class TRaum;
class TSetzung;

// One placed lesson on one date that does not take place as planned: who substitutes, where, with
// which subject and remarks. A record belongs to the placement it concerns and is listed in the
// document's substitution list as well. The bookkeeping operations live with the substitution
// planning; the plan file and the placement engine only read, create and free records.
class TVertretung {
 public:
  TVertretung() = default;
  TVertretung(const TVertretung&) = delete;
  TVertretung& operator=(const TVertretung&) = delete;

  // Plain setters; each marks the document changed. The remarks are cut to 81 characters.
  void SetDatum(TDatumZeit datum);
  void SetAdHoc(TDatumZeit adHoc);
  void SetKurs(TKurs* kurs);
  void SetSetzung(TSetzung* setzung);
  void SetLehrer(TLehrer* lehrer);
  void SetFach(TFach* fach);
  void SetRaum(TRaum* raum);
  void SetLInfo(std::string_view text);
  void SetSInfo(std::string_view text);
  void SetFrei(bool frei);
  void SetGueltig(bool gueltig);
  void SetAngerechnet(bool angerechnet);
  void SetVon(TVertretung* von);
  void SetZu(TVertretung* zu);
  void SetVonNr(int32_t nr) { fVonNr = nr; }
  void SetZuNr(int32_t nr) { fZuNr = nr; }
  void SetNr(int32_t nr) { fNr = nr; }
  void SetFenster(Fenster* fenster) { fFenster = fenster; }

  // The course's weighted hours one lesson of it is worth, the unit of the balances.
  int32_t Faktor() const;
  int32_t Woche() const;
  int32_t Tag() const;
  int32_t Stunde() const;
  // Whether the lesson needs nobody: every class of the course is absent then.
  bool KlassenAbwesend() const;
  // A substitute other than the course's own teacher.
  bool EchteVertretung() const;

  // Enters T as the substitute, after the questions of "Lehrer fehlt"; with a swap offered by
  // the "statt" menu the class's own teacher gives this lesson instead. False on "Nein".
  bool TrageLehrerEin(TLehrer* lehrer, const TStatt* statt = nullptr);
  // The swap: the teacher of the offer gives this lesson, his lesson on the offer's date goes.
  bool StattEintragen(TStatt& statt);
  // Enters the room (none clears it), after the questions of "Raum ist besetzt". False on "Nein".
  bool TrageRaumEin(TRaum* raum);
  void MacheUngueltig();
  void MacheGueltig() { SetGueltig(true); }
  // The automatic remarks: "verlegt auf …", "frei", "statt …", "in Raum …".
  void FuelleBemerkung();
  // "ddd, d. mmm", two blanks, the period label; as a remark relative to `bezug` without the
  // date when the dates agree and without the period when both agree.
  std::string ZeitZeile(const TVertretung* bezug = nullptr) const;
  // The course without room, class and coupling, a blank and the placement's room; as a remark
  // relative to `bezug` empty when both courses have the same single class.
  std::string KursZeile(const TVertretung* bezug = nullptr) const;

  // The proposal window's commands: "Frei" cancels the lesson, "Löschen" clears the substitute
  // (teacher mode) or the room, "Anrechnen" counts the substitute.
  void Frei();
  void Loeschen(bool lehrerModus);
  void Anrechnen(bool angerechnet);
  // The balance correction of a record not in force but counted, when it goes.
  void Korrektur();

  // "Wie am": the other records of the placement with a substitute.
  TMenu ErzeugeWieMenu();
  // Copies teacher, subject and room of the other record.
  void WieAuswahl(TVertretung* vorbild);
  void RaumAuswahl(TRaum* raum) { TrageRaumEin(raum); }
  // The two remarks, each when not empty.
  TMenu ErzeugeInfoMenu() const;
  // "statt": T's lessons with the course's first class at the edge of its day, on dates near
  // this one; fills fStattListe.
  TMenu ErzeugeKlassenMenu(TLehrer* lehrer);
  // Enters the i-th (1-based) offer of the last "statt" menu.
  bool StattWahl(int32_t nr);

  // The rows of the printouts in layout i (1..4); part 0 joins teacher, class, subject and room,
  // parts 1..4 give one of them.
  std::string OriginalString(int32_t layout, int32_t teil) const;
  std::string VertretungsString(int32_t layout, int32_t teil) const;
  std::string OriginalTabString(int32_t layout, int32_t teil) const;
  std::string VertretungsTabString(int32_t layout, int32_t teil) const;
  // One line of the dated substitution list, fields each followed by ";" but the last.
  std::string ExportString() const;

  TDatumZeit fDatum = 0.5;
  TDatumZeit fAdHoc = 0;
  TKurs* fKurs = nullptr;
  TSetzung* fSetzung = nullptr;
  TLehrer* fLehrer = nullptr;
  TFach* fFach = nullptr;
  TRaum* fRaum = nullptr;
  TBemString fLInfo;
  TBemString fSInfo;
  bool fFrei = false;
  bool fGueltig = true;
  bool fAngerechnet = true;
  TVertretung* fVon = nullptr;
  TVertretung* fZu = nullptr;
  int32_t fVonNr = 0, fZuNr = 0, fNr = 0;
  Fenster* fFenster = nullptr;
  TListe<TStatt> fStattListe{true};
};

// Takes a record out of the document's list and out of every partner link, before it dies with
// its placement.
void VertretungVergessen(TVertretung* v);
// Frees a record without touching any balance: its proposal window closes, it leaves its
// placement and the document's list, the record that caused it forgets it, and the record created
// because of it goes with it.
void VertretungFreigeben(TVertretung* v);
// Destroys a record as the planner or the bookkeeping does: the balances it moved are set right
// first, then it is freed and the substitution window showing its date is rebuilt.
void VertretungZerstoeren(TVertretung* v);

// A new record of a placement on a date, last changed today, in both lists.
TVertretung* NeueVertretung(TKurs& kurs, TSetzung& setzung, TDatumZeit datum);
// Inserts a record into the document's list at the place of the chosen order.
void VertretungEinordnen(TVertretung* v);
// Moves a record whose substitute changed to its place in the list.
void VertretungUmordnen(TVertretung* v);
// Sorts the whole list again, after the order was changed.
void VertretungenSortieren();
// Sorts the list when it is out of order, as it is after loading, without marking the document
// changed.
void VertretungenOrdnen();
// The comparison of the chosen order (fVertrSortArt 0..3): negative when a comes first.
int VertretungVergleich(const TVertretung* a, const TVertretung* b);
// The same in one of the four orders, whatever the list keeps.
int VertretungVergleichNach(const TVertretung* a, const TVertretung* b, int32_t art);

}  // namespace orbato
