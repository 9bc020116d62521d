#include "model/elemente/sollelement.h"

#include <algorithm>

#include "model/einstellungen/standard.h"
#include "model/elemente/fach.h"
#include "model/kurse/kurs.h"
#include "model/uv/stundenwert.h"

namespace orbato {

TSollElement::TSollElement() {
  const int32_t vorgabe = Standard().fLeSoll;
  for (int32_t w = 1; w <= fSoll.ZahlWochen(); ++w) fSoll.SetWochenStunde(w, vorgabe);
}

void TSollElement::SetSoll(int32_t woche, int32_t wert) {
  const int64_t hoechstens = std::max<int64_t>(int64_t{Standard().fDivisor} * 200, 0);
  fSoll.SetWochenStunde(woche, static_cast<int32_t>(std::clamp<int64_t>(wert, 0, hoechstens)));
  Geaendert();
}

void TSollElement::KopiereSoll(int32_t wert) {
  const TStandard& s = Standard();
  if (s.fEineWoche) {
    SetSoll(s.fAktuelleWoche, wert);
    return;
  }
  for (int32_t w = 1; w <= s.WochenZahl(); ++w) SetSoll(w, wert);
}

int32_t TSollElement::FachSumme(const TFach* fach) const {
  int32_t summe = 0;
  for (const TKurs* k : fKurse) {
    if (k->fFach == fach) summe += k->fStunden.GetWochenStunde(-1);
  }
  return summe;
}

void TSollElement::AendereSoll(int32_t n) {
  SetSoll(-1, GetSoll(Standard().fAktuelleWoche) + n);
  FensterRefresh();
}

std::string PopZeile(int32_t a, int32_t b, int32_t c, const std::string& kuerzel) {
  return "[" + StundenWert(a) + " ]-[" + StundenWert(b) + " ]-[" + StundenWert(c) + " ]  " +
         kuerzel;
}

TSollElement::TPopWerte TSollElement::PopWerte(const TFach* fach, TKuerzelArt art) const {
  int32_t dieses = 0, andere = 0;
  for (const TKurs* k : fKurse) {
    if (art == leh ? k->fNichtZaehlenLe : k->fNichtZaehlenKl) continue;
    const int32_t wert = k->fStunden.GetWochenStunde(-1) * k->fFaktor;
    (k->fFach == fach ? dieses : andere) += wert;
  }
  // A class counts its couplings once (or each course, with fKopDop), as its own sums do.
  if (art == kla) andere = FaktorSumme(-1, KopDop(), kla) - dieses;
  return {dieses, andere, GetSoll(-1) - dieses - andere};
}

std::string TSollElement::KursPopZeile(const TFach* fach, TKuerzelArt art) const {
  const TPopWerte w = PopWerte(fach, art);
  return PopZeile(w.dieses, w.andere, w.rest, fKuerzel.str());
}

std::string TSollElement::KursPopHinweis(const TFach* fach, TKuerzelArt art) const {
  const TPopWerte w = PopWerte(fach, art);
  const auto zahl = [](int32_t wert) {
    std::string text = StundenWert(wert);
    text.erase(0, text.find_first_not_of(' '));
    return text;
  };
  return "in " + KuerzelVon(fach) + ": " + zahl(w.dieses) +
         " Std., in anderen F\xE4"
         "chern: " +
         zahl(w.andere) + " Std., bis zum Soll offen: " + zahl(w.rest) + " Std.";
}

bool TSollElement::RaumFehltImPlan() const {
  for (const TKurs* k : fKurse) {
    for (const TSetzung* s : k->fSetzungen) {
      if (s->fRaum == nullptr) return true;
    }
  }
  return false;
}

}  // namespace orbato
