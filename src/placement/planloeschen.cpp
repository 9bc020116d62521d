#include "placement/planloeschen.h"

#include <algorithm>

#include "model/dokument/schule.h"
#include "model/dokument/verlauf.h"
#include "model/einstellungen/standard.h"
#include "model/kuerzel/kuerzelmenge.h"
#include "model/kuerzel/kuerzelmenue.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "placement/setzen.h"
#include "placement/wochenspanne.h"

namespace orbato {
namespace {

int32_t Tage() {
  return std::clamp(Standard().fMaxTageNeu, 1, kMaxTage);
}

// The cell of a placement, read before any removal: a removal in every version may take later
// placements of the list with it.
struct TZelle {
  int32_t woche, tag, std;
};

}  // namespace

TPlanLoeschung::TPlanLoeschung(TSchule& schule) : fSchule(schule) {
  const int32_t woche = Standard().fAktuelleWoche;
  for (int32_t t = 1; t <= Tage(); ++t) fZellen.SetWocheTagStd(woche, t, true, 0);
  SetzeArt(Art());
}

TPlLoeschArt TPlanLoeschung::Art() const {
  const int32_t art = Standard().fPlLoeRadio;
  return art >= inAllenPlaenen && art <= fuerRaeume ? static_cast<TPlLoeschArt>(art)
                                                    : inAllenPlaenen;
}

void TPlanLoeschung::SetzeArt(TPlLoeschArt art) {
  Standard().fPlLoeRadio = art;
  const std::vector<TElement*> elemente = Elemente();
  fVonElement = elemente.empty() ? nullptr : elemente.front();
  fBisElement = elemente.empty() ? nullptr : elemente.back();
}

bool TPlanLoeschung::MitKopplungen() const {
  return Standard().fPlLoeMitKopp;
}

void TPlanLoeschung::SetzeMitKopplungen(bool mit) {
  Standard().fPlLoeMitKopp = mit;
}

bool TPlanLoeschung::OhneFixierte() const {
  return Standard().fPlLoeFixNicht;
}

void TPlanLoeschung::SetzeOhneFixierte(bool ohne) {
  Standard().fPlLoeFixNicht = ohne;
}

std::vector<TElement*> TPlanLoeschung::Elemente() const {
  if (!BereichWaehlbar()) return {};
  return KuerzelElemente(fSchule, ElementArt());
}

// 1-based place in the kind's list, 0 for none.
int32_t TPlanLoeschung::Position(const TElement* element) const {
  const std::vector<TElement*> elemente = Elemente();
  const auto stelle = std::find(elemente.begin(), elemente.end(), element);
  return stelle == elemente.end() ? 0 : static_cast<int32_t>(stelle - elemente.begin()) + 1;
}

void TPlanLoeschung::WaehleVon(TElement* element) {
  const int32_t nr = Position(element);
  if (nr == 0) return;
  fVonElement = fBisElement && nr > Position(fBisElement) ? fBisElement : element;
}

void TPlanLoeschung::WaehleBis(TElement* element) {
  const int32_t nr = Position(element);
  if (nr == 0) return;
  fBisElement = fVonElement && nr < Position(fVonElement) ? fVonElement : element;
}

TMenu TPlanLoeschung::BereichsMenu(bool von) {
  if (!BereichWaehlbar()) return {};
  return KuerzelMenu(fSchule, ElementArt(),
                     [this, von](TElement* e) { von ? WaehleVon(e) : WaehleBis(e); });
}

TMenu TPlanLoeschung::VonMenu() {
  return BereichsMenu(true);
}

TMenu TPlanLoeschung::BisMenu() {
  return BereichsMenu(false);
}

bool TPlanLoeschung::ZelleGewaehlt(int32_t tag, int32_t std) const {
  return fZellen.GetWocheTagStd(Standard().fAktuelleWoche, tag, std);
}

void TPlanLoeschung::Ziehen(int32_t vonTag, int32_t vonStd, int32_t bisTag, int32_t bisStd) {
  const auto tag = [](int32_t t) { return std::clamp(t, 1, Tage()); };
  const auto periode = [](int32_t p) { return std::clamp(p, 1, kMaxStunden); };
  // The grid is no blocking: no cell is held back as occupied.
  const TWochBereich keineBesetzung;
  SperrungZiehen(fZellen, keineBesetzung, tag(vonTag), periode(vonStd), tag(bisTag),
                 periode(bisStd));
  fSchule.SetDirty();
}

std::vector<TKurs*> TPlanLoeschung::Kurse() const {
  std::vector<TKurs*> kurse;
  if (!BereichWaehlbar()) {
    for (TKurs* k : fSchule.fKursMenge) kurse.push_back(k);
    return kurse;
  }
  const std::vector<TElement*> elemente = Elemente();
  const int32_t von = Position(fVonElement);
  const int32_t bis = Position(fBisElement);
  if (von == 0 || bis == 0) return kurse;
  for (int32_t nr = von; nr <= bis; ++nr) {
    for (TKurs* k : elemente[static_cast<size_t>(nr - 1)]->fKurse) kurse.push_back(k);
  }
  return kurse;
}

void TPlanLoeschung::Loeschen() {
  TMeldungsFenster meldung(fSchule.Dialog(), "Die Pl\xE4ne werden gel\xF6scht.");
  TVerlaufSchritt schritt(fSchule);
  for (TKurs* kurs : Kurse()) KursLoeschen(*kurs);
  fSchule.FensterAktualisieren();
}

bool TPlanLoeschung::Verschont(const TKurs& kurs, const TSetzung& setzung) const {
  const TStandard& s = Standard();
  return !ZelleGewaehlt(setzung.fTag, setzung.fStunde) ||
         (s.fEineWoche && setzung.fWoche != s.fAktuelleWoche) ||
         (OhneFixierte() && setzung.fFixiert) || (!MitKopplungen() && kurs.fKopplung);
}

void TPlanLoeschung::KursLoeschen(TKurs& kurs) {
  std::vector<TZelle> zellen;
  for (const TSetzung* s : kurs.fSetzungen) zellen.push_back({s->fWoche, s->fTag, s->fStunde});
  for (const TZelle& z : zellen) {
    const TSetzung* s = kurs.SetzungFinden(z.woche, z.tag, z.std);
    if (s != nullptr && !Verschont(kurs, *s)) ZelleLoeschen(kurs, z.tag, z.std);
  }
}

// The hour goes from that cell in each version of the selection. A fixed hour of another version
// in the same cell stays when fixed hours are spared: it is spared by its own fixing, not by the
// version the list happened to name first.
void TPlanLoeschung::ZelleLoeschen(TKurs& kurs, int32_t tag, int32_t std) {
  const TWochenSpanne spanne = Wochenspanne();
  bool fixierteDabei = false;
  for (int32_t w = spanne.von; w <= spanne.bis; ++w) fixierteDabei |= kurs.IstFixiert(w, tag, std);
  if (!OhneFixierte() || !fixierteDabei) {
    LoescheSetzung(kurs, -1, tag, false, std);
    return;
  }
  for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
    if (!kurs.IstFixiert(w, tag, std)) LoescheSetzung(kurs, w, tag, false, std);
  }
}

}  // namespace orbato
