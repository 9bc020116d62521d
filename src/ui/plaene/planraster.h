#pragma once

#include <QBrush>
#include <QString>
#include <utility>
#include <vector>

class QAbstractItemModel;
class QAbstractItemView;

namespace orbato {

struct TZellBild;

// What the plan windows and the overviews share in drawing and reading their grids.

// A grid as tab-separated text for the clipboard: a line of the column headers (after an empty
// field for the row headers), then one line per row, its header first; the lines of a stacked
// cell are joined by blanks.
QString RasterText(const QAbstractItemModel& modell);
// The cell double-clicked first (column, row from 1), then the other selected cells.
std::vector<std::pair<int, int>> AuswahlZellen(const QAbstractItemView& raster, int spalte,
                                               int zeile);
// The fill of a cell that is not marked: the course colour, grey when blocked, else white.
QBrush ZellHintergrund(const TZellBild& bild);

}  // namespace orbato
