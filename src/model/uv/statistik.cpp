#include "model/uv/statistik.h"

#include "model/dokument/schule.h"
#include "model/fenster/fenstertyp.h"
#include "model/schnittstellen/zwischenablage.h"
#include "model/uv/elementstatistik.h"
#include "model/uv/stundenwert.h"
#include "model/uv/uvstatistik.h"

namespace orbato {
namespace {

template <class T, class F>
void ZeilenVon(const TListe<T>& menge, F zeile, std::vector<std::vector<std::string>>& zeilen) {
  for (const T* e : menge) zeilen.push_back(zeile(*e));
}

template <class T>
TElement* ElementVon(const TListe<T>& menge, int zeile) {
  return menge.ListeNrInhalt(zeile + 1);
}

}  // namespace

TFensterTyp StatistikTyp(TKuerzelArt art) {
  switch (art) {
    case leh:
      return TFensterTyp::Lehrerstatistik;
    case kla:
      return TFensterTyp::Klassenstatistik;
    case fac:
      return TFensterTyp::Fachstatistik;
    case kop:
      return TFensterTyp::Kopplungsstatistik;
    case rau:
      return TFensterTyp::Raumstatistik;
    default:
      return TFensterTyp::UVStatistik;
  }
}

std::string StatistikTitel(TKuerzelArt art) {
  return FensterTypTitel(StatistikTyp(art));
}

int StatistikFensterArt(TKuerzelArt art) {
  return Nr(StatistikTyp(art));
}

std::vector<std::string> StatistikKoepfe(TKuerzelArt art) {
  switch (art) {
    case leh:
    case kla:
      return {"Soll", "Ist", "(Ist)", "Rest", art == leh ? "Lehrer" : "Klasse", "Info"};
    case fac:
      return FachStatistikKoepfe();
    case kop:
      return KopplungsStatistikKoepfe();
    case rau:
      return RaumStatistikKoepfe();
    default:
      return UVStatistikKoepfe();
  }
}

int StatistikZahlSpalten(TKuerzelArt art) {
  // The subjects' course count and the rooms' share are numbers too.
  return art == fac || art == rau ? 5 : 4;
}

std::vector<std::string> StatistikZeile(const TSollElement& element) {
  const TKuerzelArt art = element.Art();
  const bool ohneKopp = art == leh || static_cast<const TKlasse&>(element).fKopDop;
  const int32_t soll = element.GetSoll(-1);
  const int32_t ist = element.FaktorSumme(-1, ohneKopp, art);
  return {StundenWert(soll),
          StundenWert(ist),
          std::to_string(element.StundenSumme(-1, ohneKopp, art)),
          StundenWert(soll - ist),
          element.fKuerzel.str(),
          element.fInfo.str()};
}

std::vector<std::vector<std::string>> StatistikZeilen(const TSchule& schule, TKuerzelArt art) {
  std::vector<std::vector<std::string>> zeilen;
  const auto soll = [](const TSollElement& e) { return StatistikZeile(e); };
  if (art == leh) ZeilenVon(schule.fLehrerMenge, soll, zeilen);
  if (art == kla) ZeilenVon(schule.fKlassenMenge, soll, zeilen);
  if (art == fac) ZeilenVon(schule.fFachMenge, FachStatistikZeile, zeilen);
  if (art == kop) ZeilenVon(schule.fKopplMenge, KopplungsStatistikZeile, zeilen);
  if (art == rau) ZeilenVon(schule.fRaumMenge, RaumStatistikZeile, zeilen);
  if (art == uvt) {
    for (TUVStatistikZeile& z : UVStatistik(schule)) zeilen.push_back(std::move(z.fTexte));
  }
  if (zeilen.empty()) zeilen.emplace_back(StatistikKoepfe(art).size());
  return zeilen;
}

TElement* StatistikElement(const TSchule& schule, TKuerzelArt art, int zeile) {
  if (zeile < 0) return nullptr;
  switch (art) {
    case leh:
      return ElementVon(schule.fLehrerMenge, zeile);
    case kla:
      return ElementVon(schule.fKlassenMenge, zeile);
    case fac:
      return ElementVon(schule.fFachMenge, zeile);
    case kop:
      return ElementVon(schule.fKopplMenge, zeile);
    case rau:
      return ElementVon(schule.fRaumMenge, zeile);
    default:
      break;
  }
  const std::vector<TUVStatistikZeile> zeilen = UVStatistik(schule);
  return zeile < static_cast<int>(zeilen.size()) ? zeilen[zeile].fElement : nullptr;
}

std::string StatistikText(const TSchule& schule, TKuerzelArt art) {
  std::vector<std::string> text = {TabZeile(StatistikKoepfe(art))};
  for (const auto& zeile : StatistikZeilen(schule, art)) text.push_back(TabZeile(zeile));
  return ZwischenablageText(text);
}

}  // namespace orbato
