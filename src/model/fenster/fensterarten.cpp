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
  switch (art) {
    case 9:
    case 16:
    case 61:
      return leh;
    case 10:
    case 17:
    case 62:
      return kla;
    case 11:
    case 20:
    case 65:
      return rau;
    case 18:
    case 63:
      return kop;
    case 19:
    case 64:
      return fac;
    case 12:
    case 66:
      return uvt;
    default:
      return std::nullopt;
  }
}

std::optional<int> FensterPaletteArt(int art) {
  if (art >= 61 && art <= 66) return 0;
  if (art >= 16 && art <= 21) return 1;
  if ((art >= 9 && art <= 12) || (art >= 31 && art <= 33)) return 2;
  return std::nullopt;
}

bool FensterWiederOeffnen(int art) {
  return (art >= 9 && art <= 12) || (art >= 16 && art <= 22) || (art >= 31 && art <= 33) ||
         (art >= 61 && art <= 66) || art == 69 || art == 71 || (art >= 72 && art <= 77);
}

bool WerkzeugErlaubt(int art, int werkzeug) {
  if (werkzeug == 0 || art == 0 || (art >= 9 && art <= 11) || art == 22 || art == 68) return true;
  // The overviews are plan windows of many elements side by side.
  if (art >= 31 && art <= 33) return true;
  if ((art >= 16 && art <= 21) || art == 67) return werkzeug <= 3;
  if (art >= 61 && art <= 66) return werkzeug <= 2;
  // The substitution window deletes a record by a double click with the delete tool.
  if (art == 69) return werkzeug == 2;
  return false;
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
  if (satz.fArt < 16 || satz.fArt > 20 || klammer == std::string_view::npos) return nullptr;
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
