#include "ui/stammdaten/deputatmodell.h"

#include <QBrush>
#include <QFont>
#include <algorithm>

#include "model/einstellungen/standard.h"
#include "model/kurse/kurs.h"
#include "platform/qttext.h"

namespace orbato {

TDepModell::TDepModell(const TStandard& standard, QObject* eltern)
    : QAbstractTableModel(eltern), fStandard(standard), fSpalten(DepSpalten(standard)) {}

void TDepModell::Setzen(std::vector<TKurs*> kurse,
                        const std::function<std::string(const TKurs&)>& grund) {
  beginResetModel();
  fKurse = std::move(kurse);
  fSpalten = DepSpalten(fStandard);
  fMitGrund = static_cast<bool>(grund);
  fGruende.clear();
  if (fMitGrund) {
    for (const TKurs* kurs : fKurse) fGruende.push_back(QtText(grund(*kurs)));
  }
  fFett = QtSchrift(fStandard.fDepFont);
  fFett.setBold(true);
  endResetModel();
}

void TDepModell::Entfernen(const TKurs* kurs) {
  for (auto i = fKurse.begin(); i != fKurse.end();) {
    if (*i != kurs) {
      ++i;
      continue;
    }
    const int zeile = static_cast<int>(i - fKurse.begin());
    beginRemoveRows({}, zeile, zeile);
    if (fMitGrund) fGruende.erase(fGruende.begin() + zeile);
    i = fKurse.erase(i);
    endRemoveRows();
  }
}

TKurs* TDepModell::Kurs(int zeile) const {
  return zeile >= 0 && zeile < static_cast<int>(fKurse.size()) ? fKurse[zeile] : nullptr;
}

int TDepModell::SpaltenNr(TDepSpalte spalte) const {
  const auto i = std::find(fSpalten.begin(), fSpalten.end(), spalte);
  return i == fSpalten.end() ? -1 : static_cast<int>(i - fSpalten.begin());
}

int TDepModell::rowCount(const QModelIndex& eltern) const {
  return eltern.isValid() ? 0 : static_cast<int>(fKurse.size());
}

int TDepModell::columnCount(const QModelIndex& eltern) const {
  return eltern.isValid() ? 0 : static_cast<int>(fSpalten.size()) + (fMitGrund ? 1 : 0);
}

QVariant TDepModell::data(const QModelIndex& index, int rolle) const {
  const TKurs* kurs = Kurs(index.row());
  if (kurs == nullptr || index.column() >= columnCount()) return {};
  if (index.column() == static_cast<int>(fSpalten.size())) {
    if (rolle == Qt::DisplayRole) return fGruende[static_cast<std::size_t>(index.row())];
    if (rolle == Qt::BackgroundRole) return QBrush(QtFarbe(kurs->fColor));
    return {};
  }
  const TDepSpalte spalte = fSpalten[index.column()];
  switch (rolle) {
    case Qt::DisplayRole:
      return QtText(DepText(*kurs, spalte));
    case Qt::BackgroundRole:
      return QBrush(QtFarbe(kurs->fColor));
    case Qt::ForegroundRole:
      return DepStil(*kurs, spalte).fRot ? QVariant(QBrush(Qt::red)) : QVariant();
    case Qt::FontRole:
      return DepStil(*kurs, spalte).fFett ? QVariant(fFett) : QVariant();
    default:
      return {};
  }
}

QVariant TDepModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
  if (rolle != Qt::DisplayRole || richtung != Qt::Horizontal) return {};
  if (abschnitt < 0 || abschnitt >= columnCount()) return {};
  if (abschnitt == static_cast<int>(fSpalten.size())) return QStringLiteral("Grund");
  return QtText(DepKopf(fSpalten[abschnitt]));
}

}  // namespace orbato
