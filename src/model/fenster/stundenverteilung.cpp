#include "model/fenster/stundenverteilung.h"

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"

namespace orbato {
namespace {

constexpr int32_t kSchwarz = 0x000000;
constexpr int32_t kRot = 0x0000FF;
constexpr int32_t kOliv = 0x008080;

template <class T>
void ZeilenVon(const TStandard& standard, const TListe<T>& menge, std::vector<TSVZeile>& zeilen) {
  for (const T* e : menge) zeilen.push_back(SVZeileVon(standard, *e));
}

}  // namespace

TSVGlyphe SVGlyphe(char code) {
  switch (code) {
    case 'E':
      return {TSVFigur::Kreis, false, kSchwarz};
    case 'K':
      return {TSVFigur::Kreis, true, kSchwarz};
    case 'G':
      return {TSVFigur::Quadrat, false, kSchwarz};
    case 'L':
      return {TSVFigur::Quadrat, true, kSchwarz};
    case 'S':
      return {TSVFigur::Quadrat, true, kOliv};
    case 'U':
      return {TSVFigur::Strich, true, kRot};
    default:
      return {TSVFigur::Strich, true, kSchwarz};
  }
}

std::vector<std::string> SVKoepfe(const TStandard& st) {
  std::vector<std::string> koepfe = {
      "K\xFC"
      "rzel"};
  for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) koepfe.push_back(st.fTagBez[tag - 1].str());
  koepfe.emplace_back("Sprstd.");
  return koepfe;
}

int32_t SVTagBreite(const TStandard& standard) {
  return standard.fPlnStd * kSVGlyphBreite + 3;
}

TSVZeile SVZeileVon(const TStandard& st, const TPlanElement& element) {
  TSVZeile zeile{element.fKuerzel.str(), {}, element.SpringStd()};
  for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) {
    zeile.fTage.push_back(element.SVZeile(st.fAktuelleWoche, tag).substr(0, st.fPlnStd));
  }
  return zeile;
}

std::vector<TSVZeile> SVZeilen(const TSchule& schule, const TStandard& standard, TKuerzelArt art) {
  std::vector<TSVZeile> zeilen;
  if (art == leh) ZeilenVon(standard, schule.fLehrerMenge, zeilen);
  if (art == kla) ZeilenVon(standard, schule.fKlassenMenge, zeilen);
  if (art == rau) ZeilenVon(standard, schule.fRaumMenge, zeilen);
  return zeilen;
}

TPlanElement* SVElement(const TSchule& schule, TKuerzelArt art, int zeile) {
  if (zeile < 0) return nullptr;
  if (art == leh) return schule.fLehrerMenge.ListeNrInhalt(zeile + 1);
  if (art == kla) return schule.fKlassenMenge.ListeNrInhalt(zeile + 1);
  if (art == rau) return schule.fRaumMenge.ListeNrInhalt(zeile + 1);
  return nullptr;
}

}  // namespace orbato
