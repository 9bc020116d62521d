#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "model/einstellungen/standard.h"

namespace orbato {

class TPrevPrinter;
struct TDruckAuftrag;

// What one lesson shows in a cell of a printed plan.
struct TPlanEintrag {
  std::vector<QString> teile;  // one text per part of the cell, in the order of the parts
  int32_t farbe = 0xFFFFFF;    // Windows colour, taken with "mit Farbe"
  bool fett = false, unterstrichen = false;
};

// One printed plan: one element in one plan version. Days and periods count from 1.
struct TGedruckterPlan {
  QStringList titel;  // the lines above the grid
  int32_t woche = 1;
  std::array<std::array<bool, kMaxStunden>, kMaxTage> gesperrt{};
  std::array<std::array<std::optional<TPlanEintrag>, kMaxStunden>, kMaxTage> zellen;

  bool Gesperrt(int32_t tag, int32_t std) const { return gesperrt[tag - 1][std - 1]; }
  const std::optional<TPlanEintrag>& Zelle(int32_t tag, int32_t std) const {
    return zellen[tag - 1][std - 1];
  }
  std::optional<TPlanEintrag>& Zelle(int32_t tag, int32_t std) { return zellen[tag - 1][std - 1]; }
};

// A whole job of plans of one kind.
struct TPlanSatz {
  QString jobTitel;
  // Per part of a cell, every text it may hold: the cells are sized by the widest, the same in
  // every plan, so that the plans tile the page in a regular raster.
  std::vector<std::vector<QString>> teilTexte;
  bool nebeneinander = false;  // parts side by side instead of stacked
  std::vector<TGedruckterPlan> plaene;
};

// The days and periods a printout covers, held inside the week grid.
struct TPlanBereich {
  int32_t vonTag = 1, bisTag = 1, vonStd = 1, bisStd = 1;
  bool Enthaelt(int32_t tag, int32_t std) const {
    return tag >= vonTag && tag <= bisTag && std >= vonStd && std <= bisStd;
  }
};
TPlanBereich PlanBereich(const TDruckEinstellung& einstellung);

// The sizes of the plans of a job in printer pixels, and how many go on a page.
struct TPlanMasse {
  int links = 0, rechts = 0, oben = 0, unten = 0;  // the box inside the margins
  int zeile = 0;                                   // line height of the plan font
  int zelleBreite = 0, zelleHoehe = 0;
  int randBreite = 0;  // the column of labels at the left
  int kopfHoehe = 0;   // the row of labels at the top
  int spalten = 0, reihen = 0;
  int titelZeilen = 0;
  int planBreite = 0, planHoehe = 0;
  int quer = 1, hoch = 1;  // plans across and down a page
};
// Measured in the recorder's current font, which must be the plan font; the labels of days and
// periods come from `standard`.
TPlanMasse PlanMasse(const TPrevPrinter& drucker, const TStandard& standard,
                     const TDruckEinstellung& einstellung, const TPlanSatz& satz);

// Records the job: a new job, the page header on every page, the plans in order in a raster of
// quer × hoch per page, DonePrinting.
void PlaeneAufzeichnen(TPrevPrinter& drucker, const TDruckAuftrag& auftrag,
                       const TDruckEinstellung& einstellung, const TPlanSatz& satz);

}  // namespace orbato
