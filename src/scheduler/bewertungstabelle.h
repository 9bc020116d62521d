#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "model/einstellungen/standard.h"
#include "model/schnittstellen/menue.h"

namespace orbato {

// One rating table of the automatic scheduler as the settings hold it, [period 0..15][day 0..6].
// The absolute value of an entry is the cell's rank (1 the most wanted cell; the ranks of a table
// are a permutation of 1..112), a negative entry links the cell with the next period of its day,
// so that a block may run on across the link.
using TBewertungsTabelle = std::array<std::array<int32_t, kMaxTage>, kMaxStunden>;

inline constexpr int32_t kTabellenZellen = kMaxTage * kMaxStunden;

// The rank of a cell (day 1..7, period 1..16), without its link sign.
int32_t Rang(const TBewertungsTabelle& tabelle, int32_t tag, int32_t std);
// Whether the cell is linked with the next period of its day; never for the last period.
bool MitNaechsterVerbunden(const TBewertungsTabelle& tabelle, int32_t tag, int32_t std);
// Links the cell with the next period, or undoes the link: the sign of the upper cell of the
// pair flips. False, and nothing changes, for the last period or a cell outside the table.
bool VerbindungUmschalten(TBewertungsTabelle& tabelle, int32_t tag, int32_t std);
// Exchanges the ranks of two cells; each keeps its own link.
void RaengeTauschen(TBewertungsTabelle& tabelle, int32_t tagA, int32_t stdA, int32_t tagB,
                    int32_t stdB);
// Whether the ranks are 1..112, each once.
bool IstRangfolge(const TBewertungsTabelle& tabelle);

// The standard tables the editor offers besides the built-in ones. Periods 1..6 count as the
// morning, as in the built-in tables.
enum class TStandardTabelle {
  // Period by period, each over the days Monday to Sunday: every hour goes to the earliest
  // period free on any day. The usual double periods 1-2, 3-4, ... are linked.
  VormittagsZuerst,
  // The same order with every period linked to the next, so that blocks may start anywhere.
  Blockfreundlich,
  // The mornings day by day (Monday 1..6, Tuesday 1..6, ...), then the afternoons period by
  // period; the double periods linked as in VormittagsZuerst.
  NachmittagsZuletzt
};
TBewertungsTabelle StandardTabelle(TStandardTabelle art);

// The menu of "Wechseln": "Vormittags zuerst", "Blockfreundlich", "Nachmittags zuletzt", then
// "Eingebaute Tabelle 1" .. "4" (the tables of TStandard::EingebauteTabellen). Choosing an entry
// hands its table to `waehlen`.
TMenu StandardTabellenMenu(const std::function<void(const TBewertungsTabelle&)>& waehlen);

}  // namespace orbato
