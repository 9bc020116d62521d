#include "placement/versionkopie.h"

#include <algorithm>
#include <utility>

#include "model/dokument/schule.h"
#include "model/dokument/verlauf.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "placement/setzen.h"

namespace orbato {
namespace {

using TBesetzer = std::vector<std::pair<TKurs*, TSetzung*>>;

// One cell of a lesson to copy, taken before the copy changes the course's placements.
struct TZelle {
  int32_t tag;
  int32_t std;
  TRaum* raum;
};

// The lessons that stand in the way of a lesson of `kurs` in a cell: its own, its teacher's, those
// in the room and those of its classes, except the lessons of its own coupling, which a class
// holds together in one cell. Each lesson once.
TBesetzer ImWeg(TKurs& kurs, TRaum* raum, int32_t woche, int32_t tag, int32_t std) {
  TBesetzer weg;
  const auto dazu = [&](TKurs* k) {
    TSetzung* s = k->SetzungFinden(woche, tag, std);
    if (s == nullptr) return;
    const bool schonDa =
        std::any_of(weg.begin(), weg.end(), [s](const auto& paar) { return paar.second == s; });
    if (!schonDa) weg.emplace_back(k, s);
  };
  dazu(&kurs);
  if (kurs.fLehrer) {
    for (TKurs* k : kurs.fLehrer->KurseFinden(woche, tag, nullptr, std)) dazu(k);
  }
  if (raum) {
    for (TKurs* k : raum->KurseFinden(woche, tag, raum, std)) dazu(k);
  }
  for (const TKlasse* klasse : kurs.fKlassen) {
    for (TKurs* k : klasse->KurseFinden(woche, tag, nullptr, std)) {
      if (k != &kurs && kurs.fKopplung != nullptr && k->fKopplung == kurs.fKopplung) continue;
      dazu(k);
    }
  }
  return weg;
}

// One run of a copy with its three flags: whether to go on, whether the displacement question
// has been asked, and what it was answered.
class TKopierLauf {
 public:
  TKopierLauf(TSchule& schule, const TVersionsKopie& kopie)
      : fSchule(schule), fKopie(kopie), fVon(kopie.fVon), fZu(kopie.fZu) {}

  TKopieErgebnis Laufen() {
    if (fKopie.fWas == kVersAlleKurse) {
      GanzeSchule();
    } else {
      for (TElement* e : fKopie.fElemente) {
        Element(*e);
        if (fErgebnis != TKopieErgebnis::Kopiert) break;
      }
    }
    return fErgebnis;
  }

 private:
  bool Weiter() const { return fErgebnis == TKopieErgebnis::Kopiert; }

  void GanzeSchule() {
    for (TLehrer* l : fSchule.fLehrerMenge) Soll(*l);
    for (TKlasse* k : fSchule.fKlassenMenge) Soll(*k);
    if (fKopie.fAuchPlaene) {
      for (TLehrer* l : fSchule.fLehrerMenge) Sperrung(l->fSperrung, l->fBesetzung);
      for (TKlasse* k : fSchule.fKlassenMenge) Sperrung(k->fSperrung, k->fBesetzung);
      for (TRaum* r : fSchule.fRaumMenge) Sperrung(r->fSperrung, r->fBesetzung);
    }
    Kurse(fSchule.fKursMenge);
  }

  void Element(TElement& e) {
    auto* soll = dynamic_cast<TSollElement*>(&e);
    if (soll) Soll(*soll);
    auto* plan = dynamic_cast<TPlanElement*>(&e);
    if (plan && fKopie.fAuchPlaene) Sperrung(plan->fSperrung, plan->fBesetzung);
    Kurse(e.fKurse);
  }

  void Kurse(const TListe<TKurs>& kurse) {
    if (fKopie.fAuchPlaene) {
      for (TKurs* k : kurse) {
        if (!Weiter()) return;
        Pruefen(*k);
      }
    }
    if (!Weiter()) return;
    for (TKurs* k : kurse) Kopieren(*k);
  }

  void Soll(TSollElement& e) {
    fSchule.fVerlauf.MerkeStunden(e.fSoll);
    e.fSoll.SetWochenStunde(fZu, e.fSoll.GetWochenStunde(fVon));
  }

  // The blocking of the source version, except where the target version has lessons, which
  // must not end up in blocked cells.
  void Sperrung(TWochBereich& sperrung, const TWochBereich& besetzung) {
    fSchule.fVerlauf.MerkeBereich(sperrung);
    for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
      const int32_t wort = sperrung.GetWocheTag(fVon, tag) & ~besetzung.GetWocheTag(fZu, tag);
      sperrung.SetWocheTag(fZu, tag, wort);
    }
  }

  std::vector<TZelle> Quelle(const TKurs& kurs) const {
    std::vector<TZelle> zellen;
    const int32_t tage = Standard().fMaxTageNeu;
    for (const TSetzung* s : kurs.fSetzungen) {
      if (s->fWoche == fVon && s->fTag <= tage) zellen.push_back({s->fTag, s->fStunde, s->fRaum});
    }
    return zellen;
  }

  // Before anything of a course moves, every cell its lessons are to take in the target version
  // is looked at: blockings and fixed lessons there refuse the copy, other lessons there raise
  // the question, once per run, whether they may be displaced.
  void Pruefen(TKurs& kurs) {
    for (const TZelle& z : Quelle(kurs)) {
      if (kurs.IstGesperrt(fZu, z.tag, z.raum, z.std)) return Ablehnen();
      const TBesetzer weg = ImWeg(kurs, z.raum, fZu, z.tag, z.std);
      if (std::any_of(weg.begin(), weg.end(), [](const auto& p) { return p.second->fFixiert; }))
        return Ablehnen();
      if (!weg.empty() && !fGefragt) {
        fGefragt = true;
        if (!Fragen()) return;
      }
    }
  }

  void Ablehnen() {
    fSchule.Dialog().Nachricht(
        "Kollision",
        {"Stunden, die in der neuen Version verplant werden",
         "sollen, kollidieren mit dort schon verplanten und", "fixierten Stunden bzw. Sperrungen.",
         "Sperrungen und Fixierungen k\xF6nnen nicht", "verdr\xE4ngt werden."},
        TMeldungsArt::Warnung);
    fErgebnis = TKopieErgebnis::Abgelehnt;
  }

  // False on "Abbrechen".
  bool Fragen() {
    const std::string knopf =
        fSchule.Dialog().FrageKnopf("Kollision",
                                    {"Stunden, die in der neuen Version verplant werden",
                                     "sollen, kollidieren mit dort schon verplanten Stunden.",
                                     "Sollen diese schon verplanten Stunden aus den ",
                                     "Pl\xE4nen der neuen Version verdr\xE4ngt werden?"},
                                    {"Ja", "Nein", "Abbrechen"});
    if (knopf == "Abbrechen") {
      fErgebnis = TKopieErgebnis::Abgebrochen;
      return false;
    }
    fVerdraengen = knopf == "Ja";
    return true;
  }

  void Kopieren(TKurs& kurs) {
    fSchule.fVerlauf.MerkeStunden(kurs.fStunden);
    kurs.fStunden.SetWochenStunde(fZu, kurs.fStunden.GetWochenStunde(fVon));
    std::vector<TSetzung*> alt;
    for (TSetzung* s : kurs.fSetzungen) {
      if (s->fWoche == fZu) alt.push_back(s);
    }
    for (TSetzung* s : alt) SetzungEntfernen(kurs, s);
    if (fKopie.fAuchPlaene) {
      for (const TZelle& z : Quelle(kurs)) Setzen(kurs, z);
    }
    // Where the course now has lessons it must not be blocked.
    Sperrung(kurs.fSperrung, kurs.fBesetzung);
  }

  void Setzen(TKurs& kurs, const TZelle& z) {
    const TBesetzer weg = ImWeg(kurs, z.raum, fZu, z.tag, z.std);
    if (!weg.empty()) {
      if (!fVerdraengen) return;
      for (const auto& [k, s] : weg) SetzungEntfernen(*k, s);
    }
    NeueSetzung(kurs, fZu, z.tag, z.raum, z.std);
  }

  TSchule& fSchule;
  const TVersionsKopie& fKopie;
  const int32_t fVon;
  const int32_t fZu;
  TKopieErgebnis fErgebnis = TKopieErgebnis::Kopiert;
  bool fGefragt = false;
  bool fVerdraengen = true;
};

}  // namespace

TKopieErgebnis VersionKopieren(TSchule& schule, const TVersionsKopie& kopie) {
  const int32_t wochen = Standard().WochenZahl();
  if (kopie.fVon == kopie.fZu || kopie.fVon < 1 || kopie.fVon > wochen || kopie.fZu < 1 ||
      kopie.fZu > wochen) {
    return TKopieErgebnis::Kopiert;
  }
  TMeldungsFenster meldung(schule.Dialog(), "Die Planversion wird kopiert.");
  TKopieErgebnis ergebnis;
  {
    TVerlaufSchritt schritt(schule);
    ergebnis = TKopierLauf(schule, kopie).Laufen();
    schule.SetDirty();
  }
  schule.AlleFensterUpdate();
  return ergebnis;
}

}  // namespace orbato
