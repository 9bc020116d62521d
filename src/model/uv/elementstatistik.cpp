#include "model/uv/elementstatistik.h"

#include <algorithm>
#include <cstdint>

#include "model/einstellungen/standard.h"
#include "model/elemente/fach.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/uv/stundenwert.h"

namespace orbato {
namespace {

struct TVerplant {
  int32_t fVerplant = 0;
  int32_t fOffen = 0;
};

// As the sums of a subject count: every course but those counted for nobody.
bool ZaehltFuerFach(const TKurs& k) {
  return !(k.fNichtZaehlenKl && k.fNichtZaehlenLe);
}

TVerplant Verplant(const TElement& element) {
  TVerplant v;
  for (const TKurs* k : element.fKurse) {
    if (k->fNichtVerplanen || !ZaehltFuerFach(*k)) continue;
    v.fVerplant += k->VerplanteStunden(-1);
    v.fOffen += k->RestStunden(-1);
  }
  return v;
}

// How many cells of the version selection the room's lessons take: on the shown days, in all 16
// periods or only in the shown ones.
int32_t BelegteZellen(const TRaum& raum, int32_t stunden) {
  const TStandard& st = Standard();
  int32_t zahl = 0;
  for (int32_t w = st.ErsteAuswahlWoche(); w <= st.LetzteAuswahlWoche(); ++w) {
    for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) {
      for (int32_t std = 1; std <= stunden; ++std) {
        if (raum.fBesetzung.GetWocheTagStd(w, tag, std)) ++zahl;
      }
    }
  }
  return zahl;
}

std::string Anteil(const TRaum& raum) {
  const TStandard& st = Standard();
  const int32_t zellen =
      (st.LetzteAuswahlWoche() - st.ErsteAuswahlWoche() + 1) * st.fMaxTageNeu * st.fPlnStd;
  if (zellen <= 0) return "0 %";
  const int32_t belegt = BelegteZellen(raum, st.fPlnStd);
  return std::to_string((200 * belegt + zellen) / (2 * zellen)) + " %";
}

std::string Lehrer(const TKopplung& kopplung) {
  std::vector<const TLehrer*> gesehen;
  std::string text;
  for (const TKurs* k : kopplung.fKurse) {
    if (k->fLehrer == nullptr ||
        std::find(gesehen.begin(), gesehen.end(), k->fLehrer) != gesehen.end())
      continue;
    gesehen.push_back(k->fLehrer);
    if (!text.empty()) text += ' ';
    text += k->fLehrer->fKuerzel.str();
  }
  return text;
}

std::string KursTexte(const TKopplung& kopplung) {
  std::string text;
  for (const TKurs* k : kopplung.fKurse) {
    if (!text.empty()) text += ", ";
    text += k->WahlZeile(0, 0, 0, 0, 3, 1);
  }
  return text;
}

}  // namespace

std::vector<std::string> FachStatistikKoepfe() {
  return {"Ist", "(Ist)", "verplant", "offen", "Kurse", "Fach", "Info"};
}

std::vector<std::string> FachStatistikZeile(const TFach& fach) {
  const TVerplant v = Verplant(fach);
  return {StundenWert(fach.FaktorSumme(-1, true, fac)),
          std::to_string(fach.StundenSumme(-1, true, fac)),
          std::to_string(v.fVerplant),
          std::to_string(v.fOffen),
          std::to_string(fach.fKurse.ListeZahlElemente()),
          fach.fKuerzel.str(),
          fach.fInfo.str()};
}

std::vector<std::string> KopplungsStatistikKoepfe() {
  return {"Ist", "(Ist)", "verplant", "offen", "Kopplung", "Info", "Lehrer", "Kurse"};
}

std::vector<std::string> KopplungsStatistikZeile(const TKopplung& kopplung) {
  const TKurs* groesster = kopplung.GroessterKopplungsKurs(-1, false);
  const bool geplant = groesster != nullptr && !groesster->fNichtVerplanen;
  return {StundenWert(kopplung.FaktorSumme(-1, true, fac)),
          std::to_string(groesster ? groesster->fStunden.GetWochenStunde(-1) : 0),
          std::to_string(geplant ? groesster->VerplanteStunden(-1) : 0),
          std::to_string(geplant ? groesster->RestStunden(-1) : 0),
          kopplung.fKuerzel.str(),
          kopplung.fInfo.str(),
          Lehrer(kopplung),
          KursTexte(kopplung)};
}

std::vector<std::string> RaumStatistikKoepfe() {
  return {"Ist", "(Ist)", "verplant", "offen", "Anteil", "Raum", "Info"};
}

std::vector<std::string> RaumStatistikZeile(const TRaum& raum) {
  return {StundenWert(raum.FaktorSumme(-1, true, fac)),
          std::to_string(raum.StundenSumme(-1, true, fac)),
          std::to_string(BelegteZellen(raum, kMaxStunden)),
          std::to_string(Verplant(raum).fOffen),
          Anteil(raum),
          raum.fKuerzel.str(),
          raum.fInfo.str()};
}

}  // namespace orbato
