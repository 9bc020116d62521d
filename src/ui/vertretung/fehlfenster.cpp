#include "ui/vertretung/fehlfenster.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/planelement.h"
#include "model/kuerzel/kuerzelmenue.h"
#include "platform/qttext.h"
#include "ui/bausteine/dialogknoepfe.h"
#include "ui/hauptfenster/menuedaten.h"
#include "ui/vertretung/fehlzeitdialog.h"

namespace orbato {
namespace {

constexpr int kPerioden = 16;
// One period of the day line; the click rule of the form counts in the same width.
constexpr int kStundenBreite = 9;
constexpr int kZeilenHoehe = 24;
// The rows in view: the selected one and the eight above it (TFehlForm::ObersteZeile).
constexpr int kSichtbar = 9;
// The mark of an absent period below its cell.
constexpr int kMarkeHoehe = 5;

// What an element has in a period, as the day line's letters say.
QColor CodeFarbe(QChar code) {
  switch (code.toLatin1()) {
    case 'E':
      return {100, 149, 237};  // a lesson
    case 'G':
      return {31, 78, 156};  // a fixed lesson
    case 'K':
      return {130, 196, 120};  // a coupled lesson
    case 'L':
      return {46, 125, 50};  // a fixed coupled lesson
    case 'S':
      return {150, 150, 150};  // blocked
    case 'U':
      return {255, 224, 130};  // a gap between lessons
    default:
      return {255, 255, 255};  // free
  }
}

// The periods a row marks absent ('+'), spelled out for its tooltip.
QString FehlStundenText(const std::string& stunden) {
  QStringList nummern;
  for (std::size_t i = 0; i < stunden.size(); ++i) {
    if (stunden[i] == '+') nummern << QString::number(i + 1);
  }
  return nummern.isEmpty()
             ? QStringLiteral("fehlt in keiner Stunde")
             : QStringLiteral("fehlt in Stunde ") + nummern.join(QStringLiteral(", "));
}

// Column 1: one cell per period coloured by the day line, the absent ones marked red below.
class TTagesZeilenMaler : public QStyledItemDelegate {
 public:
  TTagesZeilenMaler(const TStandard& standard, QObject* eltern)
      : QStyledItemDelegate(eltern), fStandard(standard) {}

  void paint(QPainter* maler, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    // The selection shows in the other columns; here it would drown the colours.
    QStyleOptionViewItem ohneAuswahl(option);
    ohneAuswahl.state &= ~QStyle::State_Selected;
    QStyledItemDelegate::paint(maler, ohneAuswahl, index);
    const QString codes = index.data(TFehlFenster::kTagesZeilenRolle).toString();
    const QString stunden = index.data(TFehlFenster::kStundenRolle).toString();
    const int gezeigt = fStandard.fPlnStd;
    const QRect r = option.rect;
    maler->save();
    for (int i = 0; i < kPerioden; ++i) {
      const QRect zelle(r.left() + i * kStundenBreite, r.top() + 3, kStundenBreite,
                        r.height() - kMarkeHoehe - 7);
      QColor farbe = CodeFarbe(i < codes.size() ? codes[i] : QLatin1Char('F'));
      // Periods past the day's end stand back.
      if (i >= gezeigt) farbe = farbe.lighter(125);
      maler->fillRect(zelle, farbe);
      maler->setPen(QColor(180, 180, 180));
      maler->drawRect(zelle.adjusted(0, 0, -1, -1));
      if (i < stunden.size() && stunden[i] == QLatin1Char('+')) {
        maler->fillRect(
            QRect(zelle.left() + 1, r.bottom() - kMarkeHoehe - 1, kStundenBreite - 2, kMarkeHoehe),
            QColor(220, 40, 40));
      }
    }
    maler->restore();
  }

 private:
  const TStandard& fStandard;
};

// The symbol of column 3: a calendar leaf.
QIcon KalenderSymbol() {
  QPixmap bild(16, 16);
  bild.fill(Qt::transparent);
  QPainter maler(&bild);
  maler.fillRect(QRect(1, 2, 14, 13), Qt::white);
  maler.fillRect(QRect(1, 2, 14, 4), QColor(200, 40, 40));
  maler.setPen(QColor(90, 90, 90));
  maler.drawRect(QRect(1, 2, 13, 12));
  for (int y = 8; y <= 12; y += 2) {
    for (int x = 3; x <= 12; x += 3) maler.drawPoint(x, y);
  }
  return QIcon(bild);
}

QTableWidget* NeuesRaster(const TStandard& standard, QWidget* eltern) {
  auto* raster = new QTableWidget(0, 4, eltern);
  raster->setObjectName(QStringLiteral("fehlende"));
  raster->horizontalHeader()->hide();
  raster->verticalHeader()->hide();
  raster->setEditTriggers(QAbstractItemView::NoEditTriggers);
  raster->setSelectionMode(QAbstractItemView::SingleSelection);
  raster->setSelectionBehavior(QAbstractItemView::SelectRows);
  raster->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  raster->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  raster->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  raster->setShowGrid(true);
  raster->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  raster->verticalHeader()->setDefaultSectionSize(kZeilenHoehe);
  raster->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  raster->setItemDelegateForColumn(TFehlFenster::kTag, new TTagesZeilenMaler(standard, raster));
  raster->setIconSize(QSize(16, 16));
  const int kuerzel = raster->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMM"));
  raster->setColumnWidth(TFehlFenster::kGrund, 34);
  raster->setColumnWidth(TFehlFenster::kTag, kPerioden * kStundenBreite);
  raster->setColumnWidth(TFehlFenster::kKuerzel, kuerzel);
  raster->setColumnWidth(TFehlFenster::kLang, 24);
  const int rand = 2 * raster->frameWidth();
  raster->setFixedSize(34 + kPerioden * kStundenBreite + kuerzel + 24 + rand +
                           raster->style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                       kSichtbar * kZeilenHoehe + rand);
  raster->setToolTip(QtText(TFehlForm::kHinweis));
  return raster;
}

QTableWidgetItem* Zelle(QTableWidget* raster, int zeile, int spalte) {
  QTableWidgetItem* zelle = raster->item(zeile, spalte);
  if (zelle == nullptr) {
    zelle = new QTableWidgetItem;
    zelle->setTextAlignment(Qt::AlignCenter);
    raster->setItem(zeile, spalte, zelle);
  }
  return zelle;
}

}  // namespace

TFehlFenster::TFehlFenster(TSchule& schule, const TStandard& standard, TKuerzelArt art,
                           TDatumZeit datum, QWidget* eltern)
    : QDialog(eltern),
      fSchule(schule),
      fForm(schule, standard, art, datum),
      fDatum(new QLabel(this)),
      fElement(new QPushButton(this)),
      fVon(new QPushButton(this)),
      fBis(new QPushButton(this)),
      fRaster(NeuesRaster(standard, this)),
      fKalender(KalenderSymbol()) {
  fDatum->setObjectName(QStringLiteral("datum"));
  QFont fett = fDatum->font();
  fett.setBold(true);
  fDatum->setFont(fett);
  fElement->setObjectName(QStringLiteral("element"));
  fVon->setObjectName(QStringLiteral("von"));
  fBis->setObjectName(QStringLiteral("bis"));
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(fElement);
  knoepfe->addStretch();
  knoepfe->addWidget(new QLabel(QStringLiteral("von Stunde"), this));
  knoepfe->addWidget(fVon);
  knoepfe->addWidget(new QLabel(QStringLiteral("bis Stunde"), this));
  knoepfe->addWidget(fBis);
  // The range applies to the rows added after it, which is easy to get the wrong way round.
  auto* hinweis = new QLabel(QStringLiteral("Erst die Stunden wählen, dann hinzufügen: „von“ und "
                                            "„bis“ gelten für die Zeilen, die danach kommen.\n"
                                            "In einer Zeile schaltet ein Klick eine Stunde um "
                                            "(Strg: alle, Shift: keine)."),
                             this);
  hinweis->setObjectName(QStringLiteral("hinweis"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fDatum);
  layout->addLayout(knoepfe);
  layout->addWidget(hinweis);
  layout->addWidget(fRaster);
  layout->addWidget(OkAbbrechen(this));
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(fElement, &QPushButton::clicked, this, [this] { ElementWahl(); });
  connect(fVon, &QPushButton::clicked, this, [this] { StundenWahl(false); });
  connect(fBis, &QPushButton::clicked, this, [this] { StundenWahl(true); });
  fRaster->viewport()->installEventFilter(this);
  fMenuZeigen = [this](TMenu& menu, QWidget* knopf) {
    if (knopf != nullptr) {
      MenuUnterKnopf(menu, knopf);
    } else {
      MenuAmZeiger(this, menu);
    }
  };
  Fuellen();
}

void TFehlFenster::Fuellen() {
  setWindowTitle(QtText(fForm.Titel()));
  fDatum->setText(QtText(fForm.DatumText()));
  fElement->setText(QtText(fForm.ElementKnopf()));
  fVon->setText(QtText(fForm.VonText()));
  fBis->setText(QtText(fForm.BisText()));
  const std::vector<TFehlZeile>& zeilen = fForm.Zeilen();
  fRaster->setRowCount(static_cast<int>(zeilen.size()));
  for (int z = 0; z < fRaster->rowCount(); ++z) {
    const TFehlZeile& zeile = zeilen[static_cast<std::size_t>(z)];
    Zelle(fRaster, z, kGrund)->setText(QtText(zeile.fGrund));
    QTableWidgetItem* tag = Zelle(fRaster, z, kTag);
    tag->setData(kTagesZeilenRolle, QtText(fForm.TagesZeile(z)));
    tag->setData(kStundenRolle, QtText(zeile.fStunden));
    tag->setToolTip(FehlStundenText(zeile.fStunden));
    Zelle(fRaster, z, kKuerzel)->setText(QtText(zeile.fElement->fKuerzel.str()));
    Zelle(fRaster, z, kLang)->setIcon(fKalender);
  }
}

void TFehlFenster::Auswaehlen() {
  if (fForm.Auswahl() < 0) return;
  fRaster->selectRow(fForm.Auswahl());
  // The scroll range follows the rows only once the view has laid them out.
  fRaster->doItemsLayout();
  fRaster->verticalScrollBar()->setValue(fForm.ObersteZeile());
}

void TFehlFenster::ElementZeigen(TPlanElement* element) {
  fForm.ElementZeigen(element);
  Fuellen();
  Auswaehlen();
}

void TFehlFenster::accept() {
  fForm.Ok();
  QDialog::accept();
}

void TFehlFenster::showEvent(QShowEvent* ereignis) {
  QDialog::showEvent(ereignis);
  Auswaehlen();
}

void TFehlFenster::Zeigen(TMenu& menu, QWidget* knopf) {
  NachJedemBefehl(menu, [this] {
    Fuellen();
    Auswaehlen();
  });
  fMenuZeigen(menu, knopf);
}

void TFehlFenster::ElementWahl() {
  // With Ctrl the kind's short-name menu, as the palette offers it.
  if (QGuiApplication::keyboardModifiers() & Qt::ControlModifier) {
    TMenu menu = KuerzelMenu(fSchule, fForm.Art(), [this](TElement* e) {
      fForm.ElementHinzufuegen(static_cast<TPlanElement*>(e));
    });
    return Zeigen(menu, fElement);
  }
  TMenu menu = fForm.ElementMenu();
  Zeigen(menu, fElement);
}

void TFehlFenster::StundenWahl(bool bis) {
  TMenu menu = fForm.StundenMenu(bis);
  Zeigen(menu, bis ? fBis : fVon);
}

void TFehlFenster::Geklickt(int zeile, int spalte, int x, Qt::KeyboardModifiers tasten) {
  switch (spalte) {
    case kGrund: {
      TMenu menu = fForm.GrundMenu(zeile);
      NachJedemBefehl(menu, [this] { Fuellen(); });
      fMenuZeigen(menu, nullptr);
      break;
    }
    case kTag:
      fForm.StundenKlick(zeile, x, tasten & Qt::ShiftModifier, tasten & Qt::ControlModifier);
      Fuellen();
      break;
    case kLang:
      LangeFehlzeit(zeile);
      break;
    default:
      break;
  }
}

void TFehlFenster::LangeFehlzeit(int zeile) {
  TFehlzeitDialog dialog(fForm, fForm.Zeilen().at(static_cast<std::size_t>(zeile)), this);
  dialog.exec();
}

bool TFehlFenster::eventFilter(QObject* objekt, QEvent* ereignis) {
  const auto* maus = dynamic_cast<QMouseEvent*>(ereignis);
  if (objekt != fRaster->viewport() || maus == nullptr || maus->button() != Qt::LeftButton) {
    return QDialog::eventFilter(objekt, ereignis);
  }
  const QPoint punkt = maus->position().toPoint();
  const QModelIndex zelle = fRaster->indexAt(punkt);
  if (ereignis->type() == QEvent::MouseButtonPress) {
    fDruckZeile = zelle.isValid() ? zelle.row() : -1;
    fDruckSpalte = zelle.column();
  } else if (ereignis->type() == QEvent::MouseButtonRelease) {
    const bool gleich =
        zelle.isValid() && zelle.row() == fDruckZeile && zelle.column() == fDruckSpalte;
    fDruckZeile = fDruckSpalte = -1;
    if (gleich) {
      const int x = punkt.x() - fRaster->visualRect(zelle).left();
      Geklickt(zelle.row(), zelle.column(), x, maus->modifiers());
    }
  }
  return false;
}

bool FehlFensterZeigen(QWidget* eltern, TSchule& schule, const TStandard& standard, TKuerzelArt art,
                       TDatumZeit datum, TPlanElement* element) {
  TFehlFenster fenster(schule, standard, art, datum, eltern);
  if (element != nullptr) fenster.ElementZeigen(element);
  return fenster.exec() == QDialog::Accepted;
}

}  // namespace orbato
