#include "scheduler/bewertungstabelle.h"

#include <cstdlib>
#include <string>

namespace orbato {
namespace {

constexpr int32_t kVormittag = 6;

bool Innen(int32_t tag, int32_t std) {
  return tag >= 1 && tag <= kMaxTage && std >= 1 && std <= kMaxStunden;
}

int32_t& Eintrag(TBewertungsTabelle& tabelle, int32_t tag, int32_t std) {
  return tabelle[static_cast<std::size_t>(std - 1)][static_cast<std::size_t>(tag - 1)];
}

int32_t Eintrag(const TBewertungsTabelle& tabelle, int32_t tag, int32_t std) {
  return tabelle[static_cast<std::size_t>(std - 1)][static_cast<std::size_t>(tag - 1)];
}

int32_t PeriodeFuerPeriode(int32_t tag, int32_t std) {
  return kMaxTage * (std - 1) + tag;
}

int32_t VormittageTagFuerTag(int32_t tag, int32_t std) {
  if (std <= kVormittag) return kVormittag * (tag - 1) + std;
  return kVormittag * kMaxTage + kMaxTage * (std - kVormittag - 1) + tag;
}

}  // namespace

int32_t Rang(const TBewertungsTabelle& tabelle, int32_t tag, int32_t std) {
  return std::abs(Eintrag(tabelle, tag, std));
}

bool MitNaechsterVerbunden(const TBewertungsTabelle& tabelle, int32_t tag, int32_t std) {
  return Innen(tag, std) && std < kMaxStunden && Eintrag(tabelle, tag, std) < 0;
}

bool VerbindungUmschalten(TBewertungsTabelle& tabelle, int32_t tag, int32_t std) {
  if (!Innen(tag, std) || std >= kMaxStunden) return false;
  Eintrag(tabelle, tag, std) = -Eintrag(tabelle, tag, std);
  return true;
}

void RaengeTauschen(TBewertungsTabelle& tabelle, int32_t tagA, int32_t stdA, int32_t tagB,
                    int32_t stdB) {
  if (!Innen(tagA, stdA) || !Innen(tagB, stdB)) return;
  int32_t& a = Eintrag(tabelle, tagA, stdA);
  int32_t& b = Eintrag(tabelle, tagB, stdB);
  const int32_t rangA = std::abs(a);
  const int32_t rangB = std::abs(b);
  a = a < 0 ? -rangB : rangB;
  b = b < 0 ? -rangA : rangA;
}

bool IstRangfolge(const TBewertungsTabelle& tabelle) {
  std::array<bool, kTabellenZellen + 1> gesehen{};
  for (const auto& zeile : tabelle) {
    for (int32_t eintrag : zeile) {
      const int32_t rang = std::abs(eintrag);
      if (rang < 1 || rang > kTabellenZellen || gesehen[static_cast<std::size_t>(rang)])
        return false;
      gesehen[static_cast<std::size_t>(rang)] = true;
    }
  }
  return true;
}

TBewertungsTabelle StandardTabelle(TStandardTabelle art) {
  TBewertungsTabelle tabelle{};
  for (int32_t std = 1; std <= kMaxStunden; ++std) {
    for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
      const int32_t rang = art == TStandardTabelle::NachmittagsZuletzt
                               ? VormittageTagFuerTag(tag, std)
                               : PeriodeFuerPeriode(tag, std);
      const bool verbunden =
          std < kMaxStunden && (art == TStandardTabelle::Blockfreundlich || std % 2 == 1);
      Eintrag(tabelle, tag, std) = verbunden ? -rang : rang;
    }
  }
  return tabelle;
}

TMenu StandardTabellenMenu(const std::function<void(const TBewertungsTabelle&)>& waehlen) {
  TMenu menu;
  const auto eintrag = [&](std::string text, const TBewertungsTabelle& tabelle) {
    menu.push_back(MenuEintrag(std::move(text), [waehlen, tabelle] { waehlen(tabelle); }));
  };
  eintrag("Vormittags zuerst", StandardTabelle(TStandardTabelle::VormittagsZuerst));
  eintrag("Blockfreundlich", StandardTabelle(TStandardTabelle::Blockfreundlich));
  eintrag("Nachmittags zuletzt", StandardTabelle(TStandardTabelle::NachmittagsZuletzt));
  menu.push_back(Trennlinie());
  const auto eingebaut = TStandard::EingebauteTabellen();
  for (std::size_t t = 0; t < eingebaut.size(); ++t) {
    eintrag("Eingebaute Tabelle " + std::to_string(t + 1), eingebaut[t]);
  }
  return menu;
}

}  // namespace orbato
