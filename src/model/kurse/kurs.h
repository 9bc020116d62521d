#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/basis/fixtext.h"
#include "model/basis/liste.h"
#include "model/elemente/kuerzelart.h"
#include "model/kurse/setzung.h"
#include "model/woche/wochbereich.h"
#include "model/woche/wochenstunden.h"

namespace orbato {

class TFach;
class TKlasse;
class TKopplung;
class TLehrer;
class TPlanElement;
class TRaum;
class TVertretung;

// One teaching assignment: a teacher teaches a subject to classes for a number of lessons per
// week, in given rooms, perhaps as part of a coupling. The course owns its placements.
class TKurs {
 public:
  // Empty relations, zero lessons, the course blocking template in every version.
  TKurs();
  ~TKurs();
  TKurs(const TKurs&) = delete;
  TKurs& operator=(const TKurs&) = delete;

  // Sets the relations (each may be none), the lessons for the current selection and the course
  // defaults of the settings, and enters the course into the lists of its elements and of the
  // document.
  void IKurs(TLehrer* lehrer, TKlasse* klasse, int32_t stunden, TRaum* raum, TFach* fach,
             TKopplung* kopplung);

  // Relations. Each keeps the element's fKurse and the subject's classes in step.
  void LehrerErgaenzen(TLehrer* lehrer);
  void LehrerEntfernen();
  void FachErgaenzen(TFach* fach);
  void FachEntfernen();
  void KopplungErgaenzen(TKopplung* kopplung);
  void KopplungEntfernen();
  void KlasseErgaenzen(TKlasse* klasse);
  void KlasseEntfernen(TKlasse* klasse);
  void RaumErgaenzen(TRaum* raum, bool spaeter);
  void RaumEntfernen(TRaum* raum);
  // An element's own room changes from `alt` to `neu` for its courses: the old room leaves a
  // course unless a lesson is held in it, the new one is added.
  static void RaumWechsel(const TListe<TKurs>& kurse, TRaum* alt, TRaum* neu);
  // Detaches from every element; used when the course is destroyed.
  void AllesEntfernen();

  // Sort keys of the course order.
  void BerechneReihe();

  // Placements as the model holds them. Taking one in sets the occupancy of the course, its
  // teacher, its classes and the placement's room; giving one up clears what no other lesson
  // still occupies and frees the placement.
  void SetzungAufnehmen(TSetzung* setzung);
  void SetzungAufgeben(TSetzung* setzung);
  void AlleSetzungenAufgeben();
  // Takes the room out of a placement, respectively gives it `raum` instead, keeping the room's
  // occupancy right.
  void RaumAusSetzung(TSetzung* setzung);
  void RaumInSetzung(TSetzung* setzung, TRaum* raum);
  // Fixes or frees one of its placements; marks the document changed.
  void SetzeFixiert(TSetzung* setzung, bool fixiert);
  // Brings an element's occupancy in line with the course's lessons after it joined or left the
  // course while lessons were placed: KlasseErgaenzen and KlasseEntfernen leave the grids alone,
  // since the course window lets classes change only on a course without placements.
  void BesetzungAbstimmen(TPlanElement& element) const;

  // Queries
  TSetzung* SetzungFinden(int32_t woche, int32_t tag, int32_t std) const;
  int32_t VerplanteStunden(int32_t woche) const;
  int32_t RestStunden(int32_t woche) const {
    return fStunden.GetWochenStunde(woche) - VerplanteStunden(woche);
  }
  bool HatNegativeStunden() const;
  void EntferneNegativeStunden();
  bool IstGesperrt(int32_t woche, int32_t tag, const TRaum* raum, int32_t std) const;
  bool IstFixiert(int32_t woche, int32_t tag, int32_t std) const;
  void EntSperre(int32_t woche, int32_t tag, TRaum* raum, int32_t std);
  void KopiereSperrung(const TWochBereich& bereich);
  void MerkeZeit(TRaum* raum, double jetzt);
  int32_t StatistikSumme() const;
  // The course has classes and each is absent then, or is the class `ohne`.
  bool AlleKlassenAbwesend(int32_t std, const TKlasse* ohne, TDatumZeit datum) const;
  // The record that lets this course's placement take the place of the lesson of `v`: the
  // substitute's own lesson in that period, now given by nobody (substitution planning).
  TVertretung* SetzeStattVertretung(TVertretung* v, TSetzung* setzung);
  // The records of a new placement for the absences recorded at its time, on every date still
  // kept (substitution planning).
  void VertretungenAnlegen(TSetzung& setzung);
  // The same when a placement goes: its records are destroyed with their balances.
  void VertretungenAufgeben(TSetzung& setzung);
  bool HatKlasse(const TKlasse* klasse) const { return fKlassen.ListeElemNr(klasse) > 0; }
  bool HatRaum(const TRaum* raum) const { return fRaeume.ListeElemNr(raum) > 0; }
  // The room most of the placements use; on a tie the one earlier in the room list.
  TRaum* VerplanterRaum() const;
  // The courses of its coupling in coupling order, or the course alone: what moves and is
  // placed together with it.
  std::vector<TKurs*> MitKopplung();
  bool HatSetzungIn(const TRaum* raum) const;
  // The room of the lesson in that cell (woche > 0, tag != 0, some lesson placed), else the first
  // room of the course.
  TRaum* RaumFuerZelle(int32_t woche, int32_t tag, int32_t std) const;
  TKlasse* ErsteKlasse() const { return fKlassen.ListeNrInhalt(1); }
  TRaum* ErsterRaum() const { return fRaeume.ListeNrInhalt(1); }

  // Texts: short names joined by single blanks.
  std::string OhneRaumZeile(const TKlasse* klasse) const;
  std::string OhneRaumKlKoZeile() const;
  // With the room the course is held in, or else its first room.
  std::string MitRaumZeile() const;
  std::string KurzZeile(int32_t woche, int32_t tag, const TKlasse* klasse, int32_t std) const;
  std::string Zeile(int32_t woche, int32_t tag, TKuerzelArt art, bool mitInfo, int32_t std) const;
  std::string WochenZeile(int32_t woche, int32_t tag, const TKlasse* klasse, bool mitInfo,
                          int32_t std) const;
  std::string WahlZeile(int32_t woche, int32_t tag, int32_t std, int a, int b, int c) const;
  std::string SVZeile(int32_t tag) const;

  // The rules of the course window and the course's pop-up menus.
  // Asks "Kurs ist verplant" when the course has placements, removing them on "Ja"; true when the
  // course ends up without placements.
  bool NichtVerplant();
  // Lessons of the current version (single-version mode) or of every version; below the placed
  // lessons only after NichtVerplant. False when nothing changed.
  bool SetzeStunden(int32_t stunden);
  // Lessons per day, with the single lessons that follow from it.
  void SetzeStdProTag(int32_t stdProTag);
  // Only while nothing is placed; clearing it drops negative lessons. The course then takes its
  // new place in the document's course list.
  bool SetzeNichtVerplanen(bool nichtVerplanen);
  // The lessons the course window shows: the current version, or the share of every version.
  int32_t AnzeigeStunden() const;
  // The rubber band over the course's blocking grid, from the cell where it started to the cell
  // where it ended: every cell of the rectangle that the course does not occupy takes the
  // opposite of the start cell's blocking, in the current version (single-version mode) or in
  // every version.
  void SperrungZiehen(int32_t vonTag, int32_t vonStd, int32_t bisTag, int32_t bisStd);
  // Exchanges two rooms (1-based) in the order of preference.
  void RaeumeTauschen(int32_t a, int32_t b);

  // Setters of stored fields mark the document changed; the sort keys and the score do not.
  void SetInfo(std::string_view info);
  void SetEinzelStd(int32_t n);
  void SetStdProTag(int32_t n);
  void SetTabellenNr(int32_t n);
  void SetFaktor(int32_t n);
  void SetnichtVerplanen(bool b);
  void SetnichtZaehlenLe(bool b);
  void SetnichtZaehlenKl(bool b);
  void SetColor(int32_t farbe);
  void SetReihe1(int32_t r) { fReihe1 = r; }
  void SetReihe2(int32_t r) { fReihe2 = r; }
  void SetBewertung(int32_t b) { fBewertung = b; }

  TInfoString fInfo;
  TLehrer* fLehrer = nullptr;
  TListe<TKlasse> fKlassen;
  TKopplung* fKopplung = nullptr;
  TFach* fFach = nullptr;
  TListe<TRaum> fRaeume;
  TListe<TRaum> fRaumErgaenzt;
  TWochenStunden fStunden;
  TListe<TSetzung> fSetzungen{true};
  int32_t fEinzelStd = 0;
  int32_t fStdProTag = 1;
  int32_t fTabellenNr = 1;
  int32_t fFaktor = 1;
  bool fNichtVerplanen = false;
  bool fNichtZaehlenLe = false;
  bool fNichtZaehlenKl = false;
  TWochBereich fSperrung;
  TWochBereich fBesetzung;
  TWochBereich fSetzungUnmoeglich;
  int32_t fReihe1 = 0;
  int32_t fReihe2 = 0;
  int32_t fBewertung = 0;
  int32_t fColor = 0xFFFFFF;
  // Creation order: the last tie-break of the course order, so that no two courses compare equal.
  const uint64_t fLaufNr;

 private:
  void BelegeZelle(const TSetzung& s, bool belegt);
  static void StimmeZelleAb(TPlanElement& e, const TSetzung& s, bool nurImRaum);
};

// The course order of every course list: fReihe1, fReihe2, then creation order.
int KursVergleich(const TKurs* a, const TKurs* b);
// A class's course list: by subject first while fNachKlSortiert is on.
int KlassenKursVergleich(const TKurs* a, const TKurs* b);

}  // namespace orbato
