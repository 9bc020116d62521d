#include "model/uv/statistik.h"

#include "model/dokument/schule.h"
#include "model/dokument/zwischenablage.h"
#include "model/uv/stundenwert.h"

namespace orbato {
namespace {

constexpr std::size_t kSpalten = 6;

template <class T>
void ZeilenVon(const TListe<T>& menge, std::vector<std::vector<std::string>>& zeilen) {
  for (const T* e : menge) zeilen.push_back(StatistikZeile(*e));
}

}  // namespace

std::vector<std::string> StatistikKoepfe(TKuerzelArt art) {
  return {"Soll", "Ist", "(Ist)", "Rest", art == leh ? "Lehrer" : "Klasse", "Info"};
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
  if (art == leh) ZeilenVon(schule.fLehrerMenge, zeilen);
  if (art == kla) ZeilenVon(schule.fKlassenMenge, zeilen);
  if (zeilen.empty()) zeilen.emplace_back(kSpalten);
  return zeilen;
}

std::string StatistikText(const TSchule& schule, TKuerzelArt art) {
  std::vector<std::string> text = {TabZeile(StatistikKoepfe(art))};
  for (const auto& zeile : StatistikZeilen(schule, art)) text.push_back(TabZeile(zeile));
  return ZwischenablageText(text);
}

}  // namespace orbato
