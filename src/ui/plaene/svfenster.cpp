#include "ui/plaene/svfenster.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "model/dokument/schule.h"
#include "model/elemente/planelement.h"
#include "model/fenster/fenstertyp.h"
#include "model/fenster/stundenverteilung.h"
#include "platform/qttext.h"
#include "ui/bausteine/zeilenhoehe.h"
#include "ui/hauptfenster/fensterregister.h"
#include "ui/hauptfenster/fensterwege.h"

namespace orbato {
namespace {

// Where the day cells keep their status text; their display text stays empty.
constexpr int kCodeRolle = Qt::UserRole + 1;
// The grid grows with its rows up to this height, then scrolls.
constexpr int kMaxRasterHoehe = 200;
constexpr TKuerzelArt kArten[3] = {leh, kla, rau};
constexpr int kGlyphe = 5;

class TSVZeichner : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* maler, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyledItemDelegate::paint(maler, option, index);
    const QString codes = index.data(kCodeRolle).toString();
    if (!codes.isEmpty()) SVTagZeichnen(*maler, option.rect, codes.toStdString());
  }
};

void GlypheZeichnen(QPainter& maler, const QRect& feld, const TSVGlyphe& g) {
  const QColor farbe = QtFarbe(g.fFarbe);
  if (g.fFigur == TSVFigur::Strich) {
    maler.fillRect(QRect(feld.center().x(), feld.top(), 1, feld.height()), farbe);
    return;
  }
  maler.setPen(farbe);
  maler.setBrush(g.fGefuellt ? QBrush(farbe) : QBrush(Qt::NoBrush));
  // The outline is drawn on the rectangle's right and lower edge too, hence one pixel less.
  const QRect umriss = feld.adjusted(0, 0, -1, -1);
  if (g.fFigur == TSVFigur::Kreis) {
    maler.drawEllipse(umriss);
  } else {
    maler.drawRect(umriss);
  }
}

}  // namespace

void SVTagZeichnen(QPainter& maler, const QRect& zelle, const std::string& codes) {
  maler.save();
  const int oben = zelle.top() + (zelle.height() - kGlyphe) / 2;
  for (int i = 0; i < static_cast<int>(codes.size()); ++i) {
    const QRect feld(zelle.left() + 2 + i * kSVGlyphBreite, oben, kGlyphe, kGlyphe);
    GlypheZeichnen(maler, feld, SVGlyphe(codes[i]));
  }
  maler.restore();
}

TSVForm::TSVForm(TSchule& schule, const TStandard& standard)
    : fSchule(schule), fStandard(standard), fTabelle(new QTableWidget(this)) {
  setWindowTitle(QtText(FensterTypTitel(TFensterTyp::Stundenverteilung)));
  FensterRegister().Anmelden(TFensterTyp::Stundenverteilung, this);
  fSchule.FensterAnmelden(FensterTitel(), this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* knopfZeile = new QHBoxLayout;
  auto* gruppe = new QButtonGroup(this);
  const QString texte[3] = {QStringLiteral("Lehrer"), QStringLiteral("Klassen"),
                            QStringLiteral("Räume")};
  for (int i = 0; i < 3; ++i) {
    fKnoepfe[i] = new QRadioButton(texte[i], this);
    gruppe->addButton(fKnoepfe[i], i);
    knopfZeile->addWidget(fKnoepfe[i]);
  }
  knopfZeile->addStretch();
  fKnoepfe[0]->setChecked(true);
  connect(gruppe, &QButtonGroup::idClicked, this, [this](int i) { ArtWaehlen(kArten[i]); });
  layout->addLayout(knopfZeile);
  layout->addWidget(fTabelle);
  fTabelle->setItemDelegate(new TSVZeichner(fTabelle));
  fTabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
  fTabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
  fTabelle->verticalHeader()->hide();
  TabellenZeilen(fTabelle);
  connect(fTabelle, &QTableWidget::cellDoubleClicked, this,
          [this](int zeile, int) { Doppelgeklickt(zeile); });
  Fuellen();
}

TSVForm::~TSVForm() {
  FensterRegister().Abmelden(this);
  fSchule.FensterAbmelden(this);
}

void TSVForm::FensterSchliessen() {
  FensterRegister().Abmelden(this);
  fSchule.FensterAbmelden(this);
  RahmenSchliessen(this);
}

void TSVForm::FensterNachVorn() {
  RahmenNachVorn(this);
}

std::string TSVForm::FensterTitel() const {
  return ModellText(windowTitle());
}

QAbstractButton* TSVForm::Knopf(TKuerzelArt art) const {
  for (int i = 0; i < 3; ++i) {
    if (kArten[i] == art) return fKnoepfe[i];
  }
  return nullptr;
}

void TSVForm::ArtWaehlen(TKuerzelArt art) {
  fArt = art;
  Fuellen();
}

void TSVForm::BelegungGeaendert() {
  if (fFuellenVorgemerkt) return;
  fFuellenVorgemerkt = true;
  QTimer::singleShot(0, this, [this] { Fuellen(); });
}

// Every row anew: days and periods may have changed with the settings.
void TSVForm::Fuellen() {
  fFuellenVorgemerkt = false;
  QStringList koepfe;
  for (const std::string& k : SVKoepfe(fStandard)) koepfe << QtText(k);
  const std::vector<TSVZeile> zeilen = SVZeilen(fSchule, fStandard, fArt);
  const int tage = static_cast<int>(koepfe.size()) - 2;
  fTabelle->clear();
  fTabelle->setColumnCount(static_cast<int>(koepfe.size()));
  fTabelle->setHorizontalHeaderLabels(koepfe);
  fTabelle->setRowCount(static_cast<int>(zeilen.size()));
  for (int z = 0; z < static_cast<int>(zeilen.size()); ++z) {
    fTabelle->setItem(z, 0, new QTableWidgetItem(QtText(zeilen[z].fKuerzel)));
    for (int t = 0; t < tage; ++t) {
      auto* tag = new QTableWidgetItem;
      tag->setData(kCodeRolle, QString::fromStdString(zeilen[z].fTage[t]));
      fTabelle->setItem(z, t + 1, tag);
    }
    auto* spr = new QTableWidgetItem(QString::number(zeilen[z].fSprStd));
    spr->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fTabelle->setItem(z, tage + 1, spr);
  }
  fTabelle->resizeColumnsToContents();
  // The day headers may be wider than the glyphs; the glyphs set the width.
  for (int t = 1; t <= tage; ++t) fTabelle->setColumnWidth(t, SVTagBreite(fStandard));
  updateGeometry();
}

QSize TSVForm::sizeHint() const {
  int breite = 2 * fTabelle->frameWidth() + 20;
  for (int s = 0; s < fTabelle->columnCount(); ++s) breite += fTabelle->columnWidth(s);
  const int raster = std::min(
      fTabelle->rowCount() * fTabelle->verticalHeader()->defaultSectionSize(), kMaxRasterHoehe);
  const int hoehe = fKnoepfe[0]->sizeHint().height() + 2 * fTabelle->frameWidth() +
                    fTabelle->horizontalHeader()->sizeHint().height() + raster;
  return {std::max(breite, QWidget::sizeHint().width()), hoehe};
}

void TSVForm::Doppelgeklickt(int zeile) {
  if (TPlanElement* element = SVElement(fSchule, fArt, zeile)) {
    ElementFensterZeigen(element, PFenster);
  }
}

TSVForm* SVFormOeffnen(TSchule& schule, const TStandard& standard) {
  if (auto* form = FensterRegister().Offen<TSVForm>(TFensterTyp::Stundenverteilung)) return form;
  return new TSVForm(schule, standard);
}

}  // namespace orbato
