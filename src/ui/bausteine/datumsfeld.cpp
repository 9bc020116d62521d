#include "ui/bausteine/datumsfeld.h"

#include <QDateEdit>

namespace orbato {

namespace {
constexpr int kErstesJahr = 1994;
constexpr int kLetztesJahr = 2050;
}  // namespace

QDateEdit* DatumsFeld(TDatumZeit datum, QWidget* eltern) {
  auto* feld = new QDateEdit(eltern);
  feld->setCalendarPopup(true);
  feld->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  feld->setDateRange(QDate(kErstesJahr, 1, 1), QDate(kLetztesJahr, 12, 31));
  const TKalenderDatum d = DekodiereDatum(datum);
  feld->setDate(QDate(d.Jahr, d.Monat, d.Tag));
  return feld;
}

TDatumZeit FeldDatum(const QDateEdit* feld) {
  const QDate d = feld->date();
  return KodiereDatum(d.year(), d.month(), d.day()).value_or(0);
}

}  // namespace orbato
