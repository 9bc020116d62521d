#include "ui/bausteine/zeilenhoehe.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QTableView>
#include <algorithm>

#include "model/basis/zeichensatz.h"

namespace orbato {
namespace {

// Every printable character of Windows-1252.
const QString& Zeichenvorrat() {
  static const QString zeichen = [] {
    QString z;
    for (int b = 0x21; b <= 0xFF; ++b) {
      const char32_t c = UnicodeAusCp1252(static_cast<unsigned char>(b));
      if (c < 0x7F || c >= 0xA0) z += QString::fromUcs4(&c, 1);
    }
    return z;
  }();
  return zeichen;
}

// Adds the room the accents need to the height the style gives an item. Measuring the characters
// costs more than the rest of the size, so the last font's extra room is kept.
class TGanzeZeilen : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    if (fZusatz < 0 || opt.font != fSchrift) {
      fSchrift = opt.font;
      fZusatz = ZeilenHoehe(opt.fontMetrics) - opt.fontMetrics.height();
    }
    QSize groesse = QStyledItemDelegate::sizeHint(option, index);
    groesse.rheight() += fZusatz;
    return groesse;
  }

 private:
  mutable QFont fSchrift;
  mutable int fZusatz = -1;
};

}  // namespace

int ZeilenHoehe(const QFontMetrics& schrift) {
  const QRect tinte = schrift.tightBoundingRect(Zeichenvorrat());
  const int oben = -tinte.top() - schrift.ascent();
  const int unten = tinte.bottom() + 1 - schrift.descent();
  // The line sits in the middle of the row: the larger overhang is needed on both sides.
  return schrift.height() + 2 * std::max({0, oben, unten});
}

void GanzeZeilen(QAbstractItemView* ansicht) {
  ansicht->setItemDelegate(new TGanzeZeilen(ansicht));
}

QListWidget* TextListe(QWidget* eltern) {
  auto* liste = new QListWidget(eltern);
  GanzeZeilen(liste);
  return liste;
}

void TabellenZeilen(QTableView* tabelle, int luft) {
  const QFontMetrics schrift = tabelle->fontMetrics();
  tabelle->verticalHeader()->setMinimumSectionSize(12);
  tabelle->verticalHeader()->setDefaultSectionSize(
      std::max(schrift.height() + luft, ZeilenHoehe(schrift)));
}

}  // namespace orbato
