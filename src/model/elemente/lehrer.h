#pragma once

#include <map>
#include <string>

#include "model/elemente/sollelement.h"

namespace orbato {

class TFach;
class TRaum;
class TVertretung;

class TLehrer : public TSollElement {
 public:
  ~TLehrer() override;
  TKuerzelArt Art() const override { return leh; }

  void SetRaum(TRaum* raum);
  void SetVStunden1(int32_t n);
  void SetVStunden2(int32_t n);
  void SetfreierTag(bool b);
  void SetVStunden3(int32_t n) { fVStunden3 = n; }
  void SetPopFach(TFach* fach) { fPopFach = fach; }

  void NeuesFach(TFach* fach);
  // Refused (false) while courses of the subject still have lessons in some version.
  bool FachEntfernen(TFach* fach);
  void NeuerRaum(TRaum* raum);
  bool HatUnterrichtInKlasse(const TElement* klasse) const;
  bool HatUnterrichtAmRand(const TElement* klasse) const;
  bool HatKursNichtAngerechnet() const;
  // A course of this teacher with the default lessons and his room.
  TKurs* NeuerKurs();

  // Substitution bookkeeping (substitution planning).
  void FehltNeuIn(int32_t std, TDatumZeit datum) override;
  void FehltNichtMehrIn(int32_t std, TDatumZeit datum) override;
  // The record of that date and period in which the teacher substitutes for another, if any.
  TVertretung* VertrittSchon(int32_t std, TDatumZeit datum) const;
  // Whether the teacher's own lesson in that period has every class absent, so he is free.
  bool WurdeFrei(int32_t std, TDatumZeit datum) const;
  // The lesson the teacher gives in that period of the date, by the calendar's plan version.
  TKurs* KursAm(int32_t std, TDatumZeit datum) const;
  // Changes the balance by `betrag`: all three counters, and the log of the lesson's month.
  void AendereVStunden(int32_t betrag, TDatumZeit datum);
  // The month's balance (month = year * 100 + month) from the log, computed when missing.
  int32_t MonatsStunden(int32_t monat);
  // Computes the month's balance from the records and logs it.
  void erzeugeMonatsStunden(int32_t monat);
  // Loads counter 3 with the balance of the month of the date.
  void aendereVStunden3(TDatumZeit datum);

  TListe<TFach> fFaecher;
  int32_t fVStunden1 = 0, fVStunden2 = 0, fVStunden3 = 0;
  TRaum* fRaum = nullptr;
  TFach* fPopFach = nullptr;
  bool fFreierTag = false;
  std::map<std::string, std::string> fDict;  // month (yyyymm) -> substitution balance
};

}  // namespace orbato
