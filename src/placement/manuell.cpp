#include "placement/manuell.h"

#include <algorithm>
#include <unordered_set>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "placement/widerrufen.h"

namespace orbato {

std::vector<TKurs*> ManuellKurse(const std::vector<TKurs*>& auswahl) {
  std::vector<TKurs*> kurse;
  std::unordered_set<const TKurs*> gesehen;
  for (TKurs* k : auswahl) {
    if (k == nullptr || k->fNichtVerplanen || !gesehen.insert(k).second) continue;
    kurse.push_back(k);
  }
  return kurse;
}

TManuellForm::TManuellForm(TSchule& schule, TStandard& standard)
    : fSchule(schule), fStandard(standard) {}

TManuellForm::~TManuellForm() {
  Schliessen();
}

void TManuellForm::IManuellForm(const std::vector<TKurs*>& kurse, bool ohneKonflikte) {
  for (TKurs* k : kurse) Vormerken(k);
  fOhneKonflikte = ohneKonflikte;
  fUndoListe.fUndoListe.ListeEntfernen(true);
  fUndoListe.fMerken = true;
  fUndoListe.fKursVormerken = [this](TKurs* k) { Vormerken(k); };
  // Every lesson placed or removed passes here, also in the middle of an operation that is not
  // finished yet; the window rebuilds only once it is.
  fUndoListe.fBefehleAn = [this](bool an) {
    const bool vorher = fBefehleAn;
    fBefehleAn = an;
    if (fBefehle && an != vorher) fBefehle(an);
    if (an) Veralten();
  };
  fSchule.fProtokoll = &fUndoListe;
  fSchule.fBeiToolArt = [this](TToolArt art) {
    if (art == SetzTool || art == SchiebTool) KonflUpdate();
  };
  fOffen = true;
  fBefehleAn = false;
  if (fBefehle) fBefehle(false);
  fKurs = nullptr;
  if (TKurs* erster = fKurse.ListeNrInhalt(1)) SetKurs(erster);
  fSchule.SetToolArt(SchiebTool);
}

void TManuellForm::Vormerken(TKurs* kurs) {
  if (kurs && fKurse.ListeElemNr(kurs) == 0) fKurse.ListeAnhaengen(kurs);
}

void TManuellForm::Zeigen() const {
  if (fZeigen) fZeigen();
}

int32_t TManuellForm::Version() const {
  return std::clamp(fStandard.fAktuelleWoche, 1, fStandard.WochenZahl());
}

void TManuellForm::SetKurs(TKurs* kurs) {
  if (kurs == nullptr) return;
  Vormerken(kurs);
  fKurs = kurs;
  fKlasse = kurs->ErsteKlasse();
  fKopplung = kurs->fKopplung;
  RaumWaehlen();
  fGezogen = false;
  fVorschauPlan = -1;
  PlaeneSetzen();
  Neuaufbau();
}

// The room most of the course's lessons are held in, else its first room.
void TManuellForm::RaumWaehlen() {
  fRaum = fKurs ? fKurs->VerplanterRaum() : nullptr;
  if (fRaum == nullptr && fKurs) fRaum = fKurs->ErsterRaum();
}

void TManuellForm::KonflUpdate() {
  if (fKopplung && !fOhneKonflikte) {
    if (fSchule.fToolArt == SetzTool) fAlleKonflikte = false;
    if (fSchule.fToolArt == SchiebTool) fAlleKonflikte = true;
  }
  Neuaufbau();
}

bool TManuellForm::KopplungRot() const {
  return fKopplung && !fOhneKonflikte && fAlleKonflikte;
}

TKopplung* TManuellForm::Kopplung() const {
  return fKurs ? fKurs->fKopplung : nullptr;
}

std::string TManuellForm::ZeigeText() const {
  return fStandard.fManZeigKopp ? "Kopplung" : "Le/Kl";
}

std::string TManuellForm::Kuerzel(const TElement* element) {
  return element ? element->fKuerzel.str() : "ohne";
}

void TManuellForm::Weiter() {
  if (fKurs == nullptr || fKurs->RestStunden(-1) >= 1) return;
  const int32_t n = fKurse.ListeZahlElemente();
  const int32_t eigene = fKurse.ListeElemNr(fKurs);
  for (int32_t i = 1; i < n; ++i) {
    TKurs* k = fKurse.ListeNrInhalt((eigene - 1 + i) % n + 1);
    if (!k->fNichtVerplanen && k->RestStunden(-1) >= 1) {
      SetKurs(k);
      return;
    }
  }
}

void TManuellForm::WiderrufenProtokoll() {
  TKurs* erster = fKurse.ListeNrInhalt(1);
  {
    TVerlaufSchritt schritt(fSchule);
    orbato::WiderrufenProtokoll(fUndoListe);
  }
  if (erster) {
    SetKurs(erster);
  } else {
    Neuaufbau();
  }
}

void TManuellForm::LoeschenProtokoll() {
  fUndoListe.Loeschen();
}

bool TManuellForm::DarfSchliessen() {
  const bool offen = std::any_of(fKurse.begin(), fKurse.end(), [](const TKurs* k) {
    return !k->fNichtVerplanen && k->RestStunden(-1) >= 1;
  });
  if (!offen) return true;
  return fSchule.Dialog().FrageJaNein(
      "Manuellfenster schlie\xDF"
      "en",
      {"Es sind noch Kurse vorhanden, bei denen", "nicht alle Stunden verplant sind.",
       "Soll das Manuellfenster trotzdem geschlossen werden?"});
}

void TManuellForm::Schliessen() {
  if (!fOffen) return;
  fOffen = false;
  fUndoListe.fUndoListe.ListeEntfernen(true);
  fUndoListe.fMerken = false;
  fUndoListe.fKursVormerken = nullptr;
  fUndoListe.fBefehleAn = nullptr;
  if (fSchule.fProtokoll == &fUndoListe) fSchule.fProtokoll = nullptr;
  fSchule.fBeiToolArt = nullptr;
  fBefehleAn = false;
  ListenLeeren();
}

void TManuellForm::KursEntfernt(const TKurs* kurs) {
  const int32_t nr = fKurse.ListeElemNr(kurs);
  if (nr == 0 && fKurs != kurs) return;
  // The lists may name the course, which is gone before the window rebuilds them.
  ListenLeeren();
  if (nr > 0) {
    fKurse.fAktuell = nr - 1;
    fKurse.ListeLoeschen(false);
  }
  if (fKurs == kurs) {
    fKurs = nullptr;
    fKlasse = nullptr;
    fKopplung = nullptr;
    fRaum = nullptr;
    fGezogen = false;
    if (fKurse.ListeZahlElemente() == 0) {
      if (fSchliessenNoetig) fSchliessenNoetig();
      return;
    }
    // The course that followed it, or the last one.
    TKurs* naechster = fKurse.ListeNrInhalt(std::min(nr, fKurse.ListeZahlElemente()));
    fKurs = naechster;
    fKlasse = naechster->ErsteKlasse();
    fKopplung = naechster->fKopplung;
    RaumWaehlen();
    PlaeneSetzen();
  }
  Veralten();
}

void TManuellForm::ElementEntfernt(const TElement* element) {
  ListenLeeren();
  for (TPlanElement*& plan : fPlaene) {
    if (static_cast<const TElement*>(plan) == element) plan = nullptr;
  }
  // The course has let go of the element already.
  if (fKurs) {
    fKlasse = fKurs->ErsteKlasse();
    fKopplung = fKurs->fKopplung;
    if (static_cast<const TElement*>(fRaum) == element) RaumWaehlen();
  }
  Veralten();
}

void TManuellForm::Veralten() {
  fVeraltetSeit = true;
  if (fVeraltet) fVeraltet();
}

}  // namespace orbato
