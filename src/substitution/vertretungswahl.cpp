#include "substitution/vertretungswahl.h"

#include <algorithm>
#include <tuple>

#include "model/dokument/schule.h"
#include "model/fenster/fenstertyp.h"
#include "model/schnittstellen/fenster.h"
#include "model/uv/stundenwert.h"
#include "model/vertretung/gutschrift.h"
#include "model/vertretung/kalender.h"

namespace orbato {

namespace {

constexpr int32_t kPerioden = 16;
constexpr std::size_t kBemerkungMitVorlage = 80;
constexpr const char* kOhne = "ohne";
constexpr const char* kAbgesagt = "-----";

std::string Kuerzel(const TElement* e) {
  return e ? e->fKuerzel.str() : std::string(kOhne);
}

bool IstUnterricht(char code) {
  return code == 'E' || code == 'G' || code == 'K' || code == 'L';
}

// A neighbour of the period on the day line that holds nothing: free, blocked, or beyond the day.
bool RandFrei(const std::string& zeile, int32_t std) {
  if (std < 1 || std > kPerioden) return true;
  const char code = zeile[static_cast<std::size_t>(std - 1)];
  return code == 'F' || code == 'S';
}

// Whether one of the element's lessons in the record's cell has its classes there.
bool UnterrichtMitKlassen(const TPlanElement& e, const TPlanElement* raum, const TVertretung& v) {
  for (const TKurs* k : e.KurseFinden(v.Woche(), v.Tag(), raum, v.Stunde())) {
    if (!k->AlleKlassenAbwesend(v.Stunde(), nullptr, v.fDatum)) return true;
  }
  return false;
}

int32_t Zaehler(const TLehrer& l, int auswahl) {
  if (auswahl == 0) return l.fVStunden1;
  if (auswahl == 1) return l.fVStunden2;
  return l.fVStunden3;
}

void VertretungsFensterAktualisieren(TSchule& schule) {
  schule.FensterUpdate(TFensterTyp::Vertretungen);
}

}  // namespace

// The window of a form that has no window of its own on screen: the record's link to it lets the
// form know when the record goes, and the bookkeeping's updates rebuild the lists.
class TVertretungsWahl::TEigenesFenster : public Fenster {
 public:
  explicit TEigenesFenster(TVertretungsWahl& wahl) : fWahl(wahl) {}
  void FensterUpdate() override { fWahl.Aktualisieren(); }
  void FensterRefresh() override { fWahl.Aktualisieren(); }
  void FensterSchliessen() override { fWahl.Loslassen(); }
  void FensterNachVorn() override {}
  int FensterArt() const override { return Nr(TFensterTyp::Vertretungswahl); }
  std::string FensterTitel() const override {
    return FensterTypTitel(TFensterTyp::Vertretungswahl);
  }

 private:
  TVertretungsWahl& fWahl;
};

const std::array<const char*, 3> TVertretungsWahl::kLehrerAuswahl = {
    "gleiche Klasse", "gleiches Fach", "alle Lehrer"};
const std::array<const char*, 3> TVertretungsWahl::kZaehlerAuswahl = {"V-Std. 1", "V-Std 2",
                                                                      "Monatsstd."};
const std::array<const char*, 2> TVertretungsWahl::kPlanAuswahl = {"Lehrerplan", "Klassenplan"};

std::vector<TVertretung*> VertretungenDesTages(const TSchule& schule, TDatumZeit datum,
                                               bool mitInaktiven) {
  std::vector<TVertretung*> zeilen;
  const int tag = GanzerTag(datum);
  for (TVertretung* v : schule.fVertretungsMenge) {
    if (GanzerTag(v->fDatum) == tag && (v->fGueltig || mitInaktiven)) zeilen.push_back(v);
  }
  return zeilen;
}

std::string BemerkungMitVorlage(std::string_view bemerkung, std::string_view vorlage) {
  const std::size_t platz =
      bemerkung.size() >= kBemerkungMitVorlage ? 0 : kBemerkungMitVorlage - bemerkung.size();
  return std::string(bemerkung) + " " + std::string(vorlage.substr(0, platz));
}

TVertretungsWahl::TVertretungsWahl(TSchule& schule, TStandard& standard, Fenster* fenster)
    : fSchule(schule), fStandard(standard), fFenster(fenster) {
  if (fFenster == nullptr) {
    fEigenes = std::make_unique<TEigenesFenster>(*this);
    fFenster = fEigenes.get();
    // Only the first proposal form without a window of its own is told of changes.
    if (fSchule.OffenesFenster(TFensterTyp::Vertretungswahl) == nullptr) {
      fAngemeldet = fSchule.FensterAnmelden(fFenster->FensterTitel(), fFenster);
    }
  }
}

TVertretungsWahl::~TVertretungsWahl() {
  Loslassen();
  if (fAngemeldet) fSchule.FensterAbmelden(fFenster);
}

void TVertretungsWahl::Bearbeite(TVertretung* v) {
  Loslassen();
  if (v == nullptr) return;
  fV = v;
  fV->SetFenster(fFenster);
  for (TLehrer* l : fSchule.fLehrerMenge) l->aendereVStunden3(fV->fDatum);
  const bool eigenerLehrer = fV->fKurs && fV->fLehrer == fV->fKurs->fLehrer;
  const bool andererRaum = fV->fSetzung && fV->fRaum != fV->fSetzung->fRaum;
  fModus = eigenerLehrer && andererRaum ? TModus::Raum : TModus::Lehrer;
  Aktualisieren();
}

void TVertretungsWahl::Loslassen() {
  // A record that went with its placement is no longer listed; its memory is gone, so only the
  // pointer is compared.
  if (fV && NochDa(fV) && fV->fFenster == fFenster) fV->SetFenster(nullptr);
  fV = nullptr;
  fLehrer.clear();
  fRaeume.clear();
}

std::string TVertretungsWahl::KopfZeile() const {
  return fV ? fV->ZeitZeile() + "  " + fV->KursZeile() : std::string();
}

void TVertretungsWahl::SetModus(TModus modus) {
  fModus = modus;
  Aktualisieren();
}

bool TVertretungsWahl::FreieLehrer() const {
  return fStandard.fVertrFreiCheck;
}
bool TVertretungsWahl::Randstunden() const {
  return fStandard.fVertrRandCheck;
}
bool TVertretungsWahl::NachEignung() const {
  return fStandard.fVertrNachEignung;
}
int TVertretungsWahl::LehrerAuswahl() const {
  return fStandard.fVertrLeAuswahl;
}
int TVertretungsWahl::ZaehlerAuswahl() const {
  return fStandard.fVertrVStdAuswahl;
}
int TVertretungsWahl::PlanAuswahl() const {
  return fStandard.fVertrPlnAuswahl;
}

void TVertretungsWahl::SetFreieLehrer(bool an) {
  fStandard.fVertrFreiCheck = an;
  Aktualisieren();
}
void TVertretungsWahl::SetRandstunden(bool an) {
  fStandard.fVertrRandCheck = an;
  Aktualisieren();
}
void TVertretungsWahl::SetNachEignung(bool an) {
  fStandard.fVertrNachEignung = an;
  Aktualisieren();
}
void TVertretungsWahl::SetLehrerAuswahl(int auswahl) {
  fStandard.fVertrLeAuswahl = std::clamp(auswahl, 0, 2);
  Aktualisieren();
}
void TVertretungsWahl::SetZaehlerAuswahl(int auswahl) {
  fStandard.fVertrVStdAuswahl = std::clamp(auswahl, 0, 2);
  Aktualisieren();
}
void TVertretungsWahl::SetPlanAuswahl(int auswahl) {
  fStandard.fVertrPlnAuswahl = std::clamp(auswahl, 0, 1);
}

void TVertretungsWahl::Aktualisieren() {
  if (fV && !NochDa(fV)) {
    fV = nullptr;
    if (fEigenes == nullptr) fFenster->FensterSchliessen();
  }
  fLehrer.clear();
  fRaeume.clear();
  if (fV == nullptr || fV->fSetzung == nullptr || fV->fKurs == nullptr) return;
  if (fModus == TModus::Lehrer) {
    LehrerListeBauen();
  } else {
    RaumListeBauen();
  }
}

bool TVertretungsWahl::LehrerAngeboten(const TLehrer& l) const {
  const TStandard& s = fStandard;
  const TVertretung& v = *fV;
  const int32_t std = v.Stunde();
  if (s.fVertrFreiCheck && UnterrichtMitKlassen(l, nullptr, v)) return false;
  if (l.fSperrung.GetWocheTagStd(v.Woche(), v.Tag(), std)) return false;
  if (l.Abwesend(std, v.fDatum)) return false;
  if (s.fVertrRandCheck) {
    const std::string zeile = l.SVZeile(v.Woche(), v.Tag());
    if (zeile[static_cast<std::size_t>(std - 1)] == 'F' && RandFrei(zeile, std - 1) &&
        RandFrei(zeile, std + 1)) {
      return false;
    }
  }
  if (s.fVertrLeAuswahl == 0 && !l.HatUnterrichtInKlasse(v.fKurs->ErsteKlasse())) return false;
  if (s.fVertrLeAuswahl == 1 &&
      (v.fKurs->fFach == nullptr || l.fFaecher.ListeElemNr(v.fKurs->fFach) == 0)) {
    return false;
  }
  return true;
}

void TVertretungsWahl::LehrerListeBauen() {
  const int auswahl = fStandard.fVertrVStdAuswahl;
  for (TLehrer* l : fSchule.fLehrerMenge) {
    if (!LehrerAngeboten(*l)) continue;
    fLehrer.push_back({l, l->fKuerzel.str(), l->SVZeile(fV->Woche(), fV->Tag()),
                       StundenWert(Zaehler(*l, auswahl))});
  }
  if (fStandard.fVertrNachEignung) NachEignungOrdnen();
}

// The class's own teachers first, then those of the subject, then those with a lesson next to
// the period, then those with the fewest substitutions this month; otherwise the list's order.
void TVertretungsWahl::NachEignungOrdnen() {
  const TKlasse* klasse = fV->fKurs->ErsteKlasse();
  const TFach* fach = fV->fKurs->fFach;
  const std::size_t std = static_cast<std::size_t>(fV->Stunde());
  const auto schluessel = [&](const TLehrerAngebot& a) {
    const TLehrer& l = *a.fLehrer;
    const bool nachbar = (std > 1 && IstUnterricht(a.fTagesZeile[std - 2])) ||
                         (std < kPerioden && IstUnterricht(a.fTagesZeile[std]));
    return std::make_tuple(!(klasse && l.HatUnterrichtInKlasse(klasse)),
                           !(fach && l.fFaecher.ListeElemNr(fach) > 0), !nachbar, l.fVStunden3);
  };
  std::stable_sort(fLehrer.begin(), fLehrer.end(),
                   [&](const TLehrerAngebot& a, const TLehrerAngebot& b) {
                     return schluessel(a) < schluessel(b);
                   });
}

bool TVertretungsWahl::RaumAngeboten(const TRaum& r) const {
  const TVertretung& v = *fV;
  if (fStandard.fVertrFreiCheck && UnterrichtMitKlassen(r, &r, v)) return false;
  if (r.fSperrung.GetWocheTagStd(v.Woche(), v.Tag(), v.Stunde())) return false;
  return !r.Abwesend(v.Stunde(), v.fDatum);
}

void TVertretungsWahl::RaumListeBauen() {
  for (TRaum* r : fSchule.fRaumMenge) {
    if (RaumAngeboten(*r)) {
      fRaeume.push_back({r, r->fKuerzel.str(), r->SVZeile(fV->Woche(), fV->Tag())});
    }
  }
}

std::string TVertretungsWahl::LehrerFeld() const {
  if (fV == nullptr) return {};
  return fV->fFrei ? kAbgesagt : Kuerzel(fV->fLehrer);
}
std::string TVertretungsWahl::FachFeld() const {
  if (fV == nullptr) return {};
  return fV->fFrei ? kAbgesagt : Kuerzel(fV->fFach);
}
std::string TVertretungsWahl::RaumFeld() const {
  if (fV == nullptr) return {};
  return fV->fFrei ? kAbgesagt : Kuerzel(fV->fRaum);
}
bool TVertretungsWahl::Angerechnet() const {
  return fV && fV->fAngerechnet;
}

std::string TVertretungsWahl::StattZeile() const {
  if (fV == nullptr || fV->fZu == nullptr) return {};
  return fV->fZu->ZeitZeile() + "  " + fV->fZu->KursZeile();
}
std::string TVertretungsWahl::VerlegtZeile() const {
  if (fV == nullptr || fV->fVon == nullptr) return {};
  return fV->fVon->ZeitZeile() + "  " + fV->fVon->KursZeile();
}
void TVertretungsWahl::ZumStattPartner() {
  if (fV && fV->fZu) Bearbeite(fV->fZu);
}
void TVertretungsWahl::ZumVerlegtPartner() {
  if (fV && fV->fVon) Bearbeite(fV->fVon);
}

bool TVertretungsWahl::StattKnopfSichtbar() const {
  return fV && fV->fLehrer && fV->fZu == nullptr;
}

TMenu TVertretungsWahl::StattMenu() {
  if (!StattKnopfSichtbar()) return {};
  TMenu menu = fV->ErzeugeKlassenMenu(fV->fLehrer);
  NachJedemBefehl(menu, [this] { Danach(); });
  return menu;
}

const TPlanElement* TVertretungsWahl::TagesplanElement() const {
  if (fV == nullptr || fV->fKurs == nullptr) return nullptr;
  if (fStandard.fVertrPlnAuswahl == 1) return fV->fKurs->ErsteKlasse();
  return fV->fLehrer ? fV->fLehrer : fV->fKurs->fLehrer;
}

std::vector<TTagesplanZeile> TVertretungsWahl::Tagesplan() const {
  std::vector<TTagesplanZeile> zeilen;
  const TPlanElement* e = TagesplanElement();
  if (e == nullptr || fV->fSetzung == nullptr) return zeilen;
  const TStandard& s = fStandard;
  const int32_t woche = fV->Woche(), tag = fV->Tag();
  const int32_t stunden = std::clamp(s.fPlnStd, 1, kPerioden);
  for (int32_t std = 1; std <= stunden; ++std) {
    TTagesplanZeile z;
    z.fStunde = StundenBezeichnung(woche, std);
    for (const TKurs* k : e->KurseFinden(woche, tag, nullptr, std)) {
      if (!z.fText.empty()) z.fText += ", ";
      z.fText += k->KurzZeile(woche, tag, nullptr, std);
    }
    zeilen.push_back(std::move(z));
  }
  return zeilen;
}

std::string TVertretungsWahl::TagesplanRaum() const {
  const TPlanElement* e = TagesplanElement();
  if (e == nullptr) return {};
  if (const auto* l = dynamic_cast<const TLehrer*>(e)) return Kuerzel(l->fRaum);
  if (const auto* k = dynamic_cast<const TKlasse*>(e)) return Kuerzel(k->fRaum);
  return {};
}

bool TVertretungsWahl::LehrerEintragen(int zeile) {
  if (zeile < 0 || zeile >= static_cast<int>(fLehrer.size())) return false;
  return LehrerEintragen(fLehrer[static_cast<std::size_t>(zeile)].fLehrer);
}

bool TVertretungsWahl::LehrerEintragen(TLehrer* lehrer) {
  if (fV == nullptr || lehrer == nullptr) return false;
  const bool eingetragen = fV->TrageLehrerEin(lehrer);
  Danach();
  return eingetragen && fV != nullptr;
}

bool TVertretungsWahl::RaumEintragen(int zeile) {
  if (zeile < 0 || zeile >= static_cast<int>(fRaeume.size())) return false;
  return RaumEintragen(fRaeume[static_cast<std::size_t>(zeile)].fRaum);
}

bool TVertretungsWahl::RaumEintragen(TRaum* raum) {
  if (fV == nullptr || raum == nullptr) return false;
  const bool eingetragen = fV->TrageRaumEin(raum);
  Danach();
  return eingetragen && fV != nullptr;
}

TMenu TVertretungsWahl::FachMenu() {
  TMenu menu;
  if (fV == nullptr) return menu;
  for (TFach* f : fSchule.fFachMenge) {
    TMenuEintrag e = MenuEintrag(f->fKuerzel.str(), [this, f] { FachWaehlen(f); });
    e.fChecked = f == fV->fFach;
    menu.push_back(std::move(e));
  }
  InSpaltenUmbrechen(menu, MenuSpaltenLaenge(static_cast<int>(menu.size())));
  return menu;
}

void TVertretungsWahl::FachWaehlen(TFach* fach) {
  if (fV == nullptr) return;
  fV->SetFach(fach);
  fV->SetAdHoc(HeuteMittag());
  Geaendert();
}

TMenu TVertretungsWahl::WieMenu() {
  if (fV == nullptr) return {};
  TMenu menu = fV->ErzeugeWieMenu();
  NachJedemBefehl(menu, [this] { Danach(); });
  return menu;
}

void TVertretungsWahl::Frei() {
  if (fV == nullptr) return;
  fV->Frei();
  Danach();
}

void TVertretungsWahl::Loeschen() {
  if (fV == nullptr) return;
  fV->Loeschen(fModus == TModus::Lehrer);
  Danach();
}

void TVertretungsWahl::Anrechnen(bool angerechnet) {
  if (fV == nullptr) return;
  fV->Anrechnen(angerechnet);
  Danach();
}

std::string TVertretungsWahl::LBem() const {
  return fV ? fV->fLInfo.str() : std::string();
}
std::string TVertretungsWahl::SBem() const {
  return fV ? fV->fSInfo.str() : std::string();
}

void TVertretungsWahl::SetLBem(std::string_view text) {
  if (fV == nullptr) return;
  fV->SetLInfo(text);
  VertretungsFensterAktualisieren(fSchule);
}

void TVertretungsWahl::SetSBem(std::string_view text) {
  if (fV == nullptr) return;
  fV->SetSInfo(text);
  VertretungsFensterAktualisieren(fSchule);
}

TMenu TVertretungsWahl::BemMenu(bool lehrer) {
  TMenu menu;
  const auto& vorlagen = fStandard.fBemBez;
  for (std::size_t i = 0; i < vorlagen.size(); ++i) {
    if (vorlagen[i].empty()) continue;
    const int nr = static_cast<int>(i) + 1;
    menu.push_back(MenuEintrag(
        vorlagen[i].str(), [this, lehrer, nr] { BemAnfuegen(lehrer, nr); }, nr));
  }
  return menu;
}

void TVertretungsWahl::BemAnfuegen(bool lehrer, int nr) {
  if (fV == nullptr || nr < 1 || nr > 20) return;
  const std::string vorlage = fStandard.fBemBez[static_cast<std::size_t>(nr - 1)].str();
  const std::string text = BemerkungMitVorlage(lehrer ? LBem() : SBem(), vorlage);
  lehrer ? SetLBem(text) : SetSBem(text);
}

void TVertretungsWahl::BemErsetzen(bool lehrer, int nr) {
  if (fV == nullptr || nr < 1 || nr > 20) return;
  const std::string vorlage = fStandard.fBemBez[static_cast<std::size_t>(nr - 1)].str();
  lehrer ? SetLBem(vorlage) : SetSBem(vorlage);
}

// A change made here without the bookkeeping: the document is changed and both windows redraw.
void TVertretungsWahl::Geaendert() {
  fSchule.SetDirty();
  VertretungsFensterAktualisieren(fSchule);
  Danach();
}

// After a command the record may have gone (the window then closed) or changed its lists.
void TVertretungsWahl::Danach() {
  Aktualisieren();
}

}  // namespace orbato
