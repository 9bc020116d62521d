#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "model/fenster/deputat.h"

namespace orbato {

class TKurs;
class TStandard;

// The rows of a teaching-load window for Qt's table: one course per row, the columns of the
// settings. Texts are asked for only for the rows on screen, so that "alle Kurse" of a large
// school redraws quickly.
class TDepModell : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit TDepModell(const TStandard& standard, QObject* eltern = nullptr);

  // New rows (in this order) and the columns as the settings stand now; with `grund` a last
  // column "Grund" holds its text for each row's course.
  void Setzen(std::vector<TKurs*> kurse,
              const std::function<std::string(const TKurs&)>& grund = nullptr);
  // Takes out every row of the course.
  void Entfernen(const TKurs* kurs);
  const std::vector<TKurs*>& Kurse() const { return fKurse; }
  const std::vector<TDepSpalte>& Spalten() const { return fSpalten; }
  TKurs* Kurs(int zeile) const;
  // The column's kind; none (-1) outside the columns.
  int SpaltenNr(TDepSpalte spalte) const;

  int rowCount(const QModelIndex& eltern = {}) const override;
  int columnCount(const QModelIndex& eltern = {}) const override;
  QVariant data(const QModelIndex& index, int rolle) const override;
  QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

 private:
  const TStandard& fStandard;
  std::vector<TKurs*> fKurse;
  std::vector<TDepSpalte> fSpalten;
  std::vector<QString> fGruende;  // one per row while the column "Grund" is shown
  bool fMitGrund = false;
  QFont fFett;  // the workload font, bold
};

}  // namespace orbato
