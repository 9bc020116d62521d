#include "model/fenster/fensterarten.h"

#include "model/dokument/schule.h"

namespace orbato {
namespace {

template <class T>
TElement* Suche(const TListe<T>& menge, std::string_view kuerzel) {
  for (T* e : menge) {
    if (e->fKuerzel.str() == kuerzel) return e;
  }
  return nullptr;
}

}  // namespace

std::optional<TKuerzelArt> FensterElementArt(int art) {
  return FensterTypDaten(art).fElementArt;
}

std::optional<TFensterArt> FensterPaletteArt(int art) {
  return FensterTypDaten(art).fPaletteArt;
}

bool FensterWiederOeffnen(int art) {
  return FensterTypDaten(art).fWiederOeffnen;
}

bool WerkzeugErlaubt(int art, int werkzeug) {
  if (werkzeug < 0 || werkzeug > 4) return false;
  return (FensterTypDaten(art).fWerkzeuge >> werkzeug) & 1;
}

TFensterTyp ElementFensterTyp(TKuerzelArt art, TFensterArt fensterArt) {
  if (art == uvt && fensterArt != GFenster) return TFensterTyp::UVMatrix;
  // Couplings and subjects have no plan window; their teaching-load window stands in for it.
  for (const TFensterArt gruppe : {fensterArt, DFenster}) {
    for (const TFensterTypDaten& d : kFensterTypen) {
      if (d.fElementArt == art && d.fPaletteArt == gruppe) return d.fTyp;
    }
  }
  return TFensterTyp::KeinFenster;
}

TElement* FensterElement(const TSchule& schule, const TFenster& satz) {
  const std::optional<TKuerzelArt> art = FensterElementArt(satz.fArt);
  if (!art) return nullptr;
  const std::string& titel = satz.fTitel.str();
  const std::size_t blank = titel.find(' ');
  const std::string_view kuerzel = blank == std::string::npos
                                       ? std::string_view(titel)
                                       : std::string_view(titel).substr(blank + 1);
  if (TElement* e = ElementMitKuerzel(schule, *art, kuerzel)) return e;
  // A teaching-load window's title goes on with its sums in brackets.
  const std::size_t klammer = kuerzel.rfind(" [");
  if (FensterPaletteArt(satz.fArt) != DFenster || klammer == std::string_view::npos) return nullptr;
  return ElementMitKuerzel(schule, *art, kuerzel.substr(0, klammer));
}

TElement* ElementMitKuerzel(const TSchule& schule, TKuerzelArt art, std::string_view kuerzel) {
  switch (art) {
    case leh:
      return Suche(schule.fLehrerMenge, kuerzel);
    case kla:
      return Suche(schule.fKlassenMenge, kuerzel);
    case kop:
      return Suche(schule.fKopplMenge, kuerzel);
    case fac:
      return Suche(schule.fFachMenge, kuerzel);
    case rau:
      return Suche(schule.fRaumMenge, kuerzel);
    case uvt:
      return Suche(schule.fUVTabMenge, kuerzel);
    case kur:
      break;
  }
  return nullptr;
}

TFensterRahmen FensterRahmen(const TFenster& satz, const TFensterRahmen& geoeffnet,
                             const TFensterRahmen& flaeche) {
  TFensterRahmen r = geoeffnet;
  if (flaeche.fLinks + flaeche.fBreite - satz.fLinks >= 200) r.fLinks = satz.fLinks;
  if (flaeche.fOben + flaeche.fHoehe - satz.fOben >= 200) r.fOben = satz.fOben;
  // A frame of no size, as a damaged file may hold, would leave the window unusable.
  if (satz.fBreite > 0 && satz.fBreite < geoeffnet.fBreite) r.fBreite = satz.fBreite;
  if (satz.fHoehe > 0 && satz.fHoehe < geoeffnet.fHoehe) r.fHoehe = satz.fHoehe;
  return r;
}

}  // namespace orbato
