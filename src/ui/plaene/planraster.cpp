#include "ui/plaene/planraster.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QStringList>

#include "model/fenster/planzelle.h"
#include "platform/qttext.h"

namespace orbato {

QString RasterText(const QAbstractItemModel& modell) {
  const int spalten = modell.columnCount();
  QStringList zeilen;
  QStringList kopf{QString()};
  for (int s = 0; s < spalten; ++s) kopf << modell.headerData(s, Qt::Horizontal).toString();
  zeilen << kopf.join(QLatin1Char('\t'));
  for (int z = 0; z < modell.rowCount(); ++z) {
    QStringList zeile{modell.headerData(z, Qt::Vertical).toString()};
    for (int s = 0; s < spalten; ++s) {
      zeile << modell.index(z, s).data().toString().replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    zeilen << zeile.join(QLatin1Char('\t'));
  }
  return zeilen.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

std::vector<std::pair<int, int>> AuswahlZellen(const QAbstractItemView& raster, int spalte,
                                               int zeile) {
  std::vector<std::pair<int, int>> zellen{{spalte, zeile}};
  for (const QModelIndex& i : raster.selectionModel()->selectedIndexes()) {
    const std::pair<int, int> zelle{i.column() + 1, i.row() + 1};
    if (zelle != zellen.front()) zellen.push_back(zelle);
  }
  return zellen;
}

QBrush ZellHintergrund(const TZellBild& bild) {
  if (bild.fKurs) return QtFarbe(bild.fFarbe);
  return bild.fGesperrt ? Qt::lightGray : Qt::white;
}

}  // namespace orbato
