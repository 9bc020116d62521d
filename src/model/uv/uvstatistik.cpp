#include "model/uv/uvstatistik.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>

#include "model/dokument/schule.h"
#include "model/uv/stundenwert.h"

namespace orbato {
namespace {

struct TSumme {
  int32_t fWert = 0;
  int32_t fStunden = 0;
};

using TFilter = std::function<bool(const TKurs&)>;

bool ZaehltFuer(const TKurs& k, TKuerzelArt art) {
  if (art == leh) return !k.fNichtZaehlenLe;
  if (art == kla) return !k.fNichtZaehlenKl;
  return !(k.fNichtZaehlenKl && k.fNichtZaehlenLe);
}

// The element's courses that the table shows, each with its own lessons; with `einmal` the
// courses of one coupling add only the largest of them.
TSumme Summe(const TElement& element, TKuerzelArt art, bool einmal, const TFilter& imTab) {
  TSumme summe;
  std::map<const TKopplung*, TSumme> kopplungen;
  for (const TKurs* k : element.fKurse) {
    if (!ZaehltFuer(*k, art) || !imTab(*k)) continue;
    const int32_t stunden = k->fStunden.GetWochenStunde(-1);
    const TSumme eigene{stunden * k->fFaktor, stunden};
    if (einmal && k->fKopplung) {
      TSumme& groesste = kopplungen[k->fKopplung];
      groesste.fWert = std::max(groesste.fWert, eigene.fWert);
      groesste.fStunden = std::max(groesste.fStunden, eigene.fStunden);
      continue;
    }
    summe.fWert += eigene.fWert;
    summe.fStunden += eigene.fStunden;
  }
  for (const auto& [kopplung, groesste] : kopplungen) {
    summe.fWert += groesste.fWert;
    summe.fStunden += groesste.fStunden;
  }
  return summe;
}

template <class T>
bool Enthaelt(const TListe<T>& liste, const T* element) {
  return element != nullptr && liste.ListeElemNr(element) > 0;
}

bool HatKlasseAus(const TKurs& k, const TUVTab& tab) {
  for (const TKlasse* klasse : k.fKlassen) {
    if (Enthaelt(tab.fKlassen, klasse)) return true;
  }
  return false;
}

struct TZeilen {
  const TUVTab& fTab;
  std::vector<TUVStatistikZeile>& fZeilen;
  int32_t fSoll = 0;
  TSumme fIst;

  void Element(const TElement& e, TKuerzelArt art, const TFilter& imTab, bool alsZeile) {
    const bool einmal = art == kla && !static_cast<const TKlasse&>(e).fKopDop;
    const TSumme ist = Summe(e, art, einmal, imTab);
    std::string soll, rest;
    if (art != fac) {
      const int32_t s = static_cast<const TSollElement&>(e).GetSoll(-1);
      soll = StundenWert(s);
      rest = StundenWert(s - ist.fWert);
      if (alsZeile) fSoll += s;
    }
    if (alsZeile) {
      fIst.fWert += ist.fWert;
      fIst.fStunden += ist.fStunden;
    }
    const std::string name = e.fKuerzel.str();
    fZeilen.push_back(
        {const_cast<TElement*>(&e),
         {soll, StundenWert(ist.fWert), std::to_string(ist.fStunden), rest, fTab.fKuerzel.str(),
          alsZeile ? name : "", alsZeile ? "" : name, e.fInfo.str()}});
  }
};

void KlassenFaecher(TZeilen& z) {
  const TUVTab& tab = z.fTab;
  const TFilter mitFach = [&tab](const TKurs& k) { return Enthaelt(tab.fFaecher, k.fFach); };
  const TFilter mitKlasse = [&tab](const TKurs& k) { return HatKlasseAus(k, tab); };
  for (const TKlasse* k : tab.fKlassen) z.Element(*k, kla, mitFach, true);
  for (const TFach* f : tab.fFaecher) z.Element(*f, fac, mitKlasse, false);
}

void LehrerKlassen(TZeilen& z) {
  const TUVTab& tab = z.fTab;
  const TFilter mitKlasse = [&tab](const TKurs& k) { return HatKlasseAus(k, tab); };
  const TFilter mitLehrer = [&tab](const TKurs& k) { return Enthaelt(tab.fLehrer, k.fLehrer); };
  for (const TLehrer* l : tab.fLehrer) z.Element(*l, leh, mitKlasse, true);
  for (const TKlasse* k : tab.fKlassen) z.Element(*k, kla, mitLehrer, false);
}

}  // namespace

std::vector<std::string> UVStatistikKoepfe() {
  return {"Soll", "Ist", "(Ist)", "Rest", "Tabelle", "Zeile", "Spalte", "Info"};
}

std::vector<TUVStatistikZeile> UVStatistik(const TSchule& schule) {
  std::vector<TUVStatistikZeile> zeilen;
  for (TUVTab* tab : schule.fUVTabMenge) {
    const std::size_t kopf = zeilen.size();
    zeilen.push_back({tab, {}});
    TZeilen z{*tab, zeilen, 0, {}};
    if (tab->fIstFach) {
      KlassenFaecher(z);
    } else {
      LehrerKlassen(z);
    }
    zeilen[kopf].fTexte = {StundenWert(z.fSoll),
                           StundenWert(z.fIst.fWert),
                           std::to_string(z.fIst.fStunden),
                           StundenWert(z.fSoll - z.fIst.fWert),
                           tab->fKuerzel.str(),
                           tab->fIstFach ? "Klassen" : "Lehrer",
                           tab->fIstFach ? "F\xE4"
                                           "cher"
                                         : "Klassen",
                           tab->fInfo.str()};
  }
  return zeilen;
}

}  // namespace orbato
