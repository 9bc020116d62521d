#include "placement/tausch.h"

#include <algorithm>

#include "model/dokument/schule.h"
#include "model/dokument/verlauf.h"
#include "model/einstellungen/standard.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "placement/setzen.h"
#include "placement/wochenspanne.h"

namespace orbato {
namespace {

struct TSlot {
  int32_t tag;
  int32_t std;
};

// The course's hour at `von` in that version would be blocked at `nach`, or cannot move since it
// is fixed.
bool Behindert(const TKurs& kurs, int32_t woche, TSlot von, TSlot nach) {
  const TSetzung* s = kurs.SetzungFinden(woche, von.tag, von.std);
  return s && (s->fFixiert || kurs.IstGesperrt(woche, nach.tag, s->fRaum, nach.std));
}

void KonfliktZeilen(const TKurs& kurs, int32_t woche, TSlot von, TSlot nach,
                    std::vector<std::string>& zeilen) {
  const TSetzung* s = kurs.SetzungFinden(woche, von.tag, von.std);
  if (s == nullptr) return;
  if (kurs.IstGesperrt(woche, nach.tag, s->fRaum, nach.std)) {
    zeilen.push_back("gesperrt " + kurs.WochenZeile(woche, nach.tag, nullptr, false, nach.std));
  }
  if (s->fFixiert) {
    zeilen.push_back("fixiert " + kurs.WochenZeile(woche, von.tag, nullptr, false, von.std));
  }
}

// Takes the course's hour out of `von`, first lifting what would block it at `nach` for its
// teacher, its classes and its room. False when it has none there; `raum` is the hour's room.
bool Herausnehmen(TKurs& kurs, int32_t woche, TSlot von, TSlot nach, TRaum*& raum) {
  TSetzung* s = kurs.SetzungFinden(woche, von.tag, von.std);
  if (s == nullptr) return false;
  raum = s->fRaum;
  // Only where something is blocked, so that the step keeps no copies of untouched blockings.
  if (kurs.IstGesperrt(woche, nach.tag, raum, nach.std)) {
    kurs.EntSperre(woche, nach.tag, raum, nach.std);
  }
  SetzungEntfernen(kurs, s);
  return true;
}

bool GueltigeZeit(int32_t tag, int32_t std) {
  return tag >= 1 && tag <= std::min(Standard().fMaxTageNeu, kMaxTage) && std >= 1 &&
         std <= kMaxStunden;
}

}  // namespace

bool TauschBehinderung(const TSchule& schule, int32_t tagA, int32_t stdA, int32_t stdB,
                       int32_t tagB) {
  const TSlot a{tagA, stdA};
  const TSlot b{tagB, stdB};
  const TWochenSpanne spanne = Wochenspanne();
  for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
    for (const TKurs* k : schule.fKursMenge) {
      if (Behindert(*k, w, a, b) || Behindert(*k, w, b, a)) return true;
    }
  }
  return false;
}

std::vector<std::string> TauschKonflikte(const TSchule& schule, int32_t tagA, int32_t stdA,
                                         int32_t stdB, int32_t tagB) {
  const TSlot a{tagA, stdA};
  const TSlot b{tagB, stdB};
  const TWochenSpanne spanne = Wochenspanne();
  std::vector<std::string> zeilen;
  for (const TKurs* k : schule.fKursMenge) {
    for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
      KonfliktZeilen(*k, w, a, b, zeilen);
      KonfliktZeilen(*k, w, b, a, zeilen);
    }
  }
  return zeilen;
}

// Both hours of a course that holds both slots leave before either comes back, since a course
// holds a cell once at most. They come back through VerlegteSetzung, not NeueSetzung: the hours
// exist already, and a course not to be planned (read so from a plan or exchange file together
// with its hours) or holding more hours than lessons would lose them. Left behind instead, such an
// hour would collide with the hours coming into its slot.
void TauscheAlleStunden(TSchule& schule, int32_t tagA, int32_t stdA, int32_t stdB, int32_t tagB) {
  const TSlot a{tagA, stdA};
  const TSlot b{tagB, stdB};
  const TWochenSpanne spanne = Wochenspanne();
  for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
    for (TKurs* k : schule.fKursMenge) {
      TRaum* raumA = nullptr;
      TRaum* raumB = nullptr;
      const bool ausA = Herausnehmen(*k, w, a, b, raumA);
      const bool ausB = Herausnehmen(*k, w, b, a, raumB);
      if (ausA) VerlegteSetzung(*k, w, b.tag, raumA, b.std);
      if (ausB) VerlegteSetzung(*k, w, a.tag, raumB, a.std);
    }
  }
}

std::string TauschZeit(int32_t tag, int32_t std) {
  const TStandard& s = Standard();
  std::string text;
  if (tag >= 1 && tag <= kMaxTage) text = s.fTagBez[tag - 1].str();
  text = (text + ' ').substr(0, 12);
  const int32_t w = s.fAktuelleWoche;
  if (w >= 1 && w <= kMaxWochen && std >= 1 && std <= kMaxStunden) {
    text += s.fStdBez[w - 1][std - 1].str();
  }
  return text.substr(0, 27);
}

bool StundenTausch(TSchule& schule, int32_t tagA, int32_t stdA, int32_t tagB, int32_t stdB) {
  if (tagA == tagB && stdA == stdB) return false;
  if (!GueltigeZeit(tagA, stdA) || !GueltigeZeit(tagB, stdB)) return false;
  Dialoge& dialoge = schule.Dialog();
  const std::vector<std::string> frage = {"Tausche", TauschZeit(tagA, stdA), "mit",
                                          TauschZeit(tagB, stdB),
                                          "f\xFC"
                                          "r die ganze Schule."};
  if (dialoge.Frage("Stundentausch", frage, {"Ok", "Abbrechen"}) != 0) return false;
  if (TauschBehinderung(schule, tagA, stdA, stdB, tagB)) {
    const int antwort =
        dialoge.FrageMitListe("Tauschkonflikte",
                              {"Konflikte durch Sperrungen oder", "Fixierungen. Wollen Sie die",
                               "Stunden trotzdem tauschen?"},
                              TauschKonflikte(schule, tagA, stdA, stdB, tagB), {"Ja", "Nein"}, 1);
    if (antwort != 0) return false;
  }
  {
    TVerlaufSchritt schritt(schule);
    TauscheAlleStunden(schule, tagA, stdA, stdB, tagB);
  }
  // Blockings lifted and hours moved concern windows beyond the plans of the moved hours.
  schule.FensterAktualisieren();
  return true;
}

}  // namespace orbato
