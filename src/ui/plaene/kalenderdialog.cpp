#include "ui/plaene/kalenderdialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QShortcut>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/qttext.h"
#include "ui/bausteine/dialogknoepfe.h"
#include "ui/bausteine/gummirahmen.h"
#include "ui/hauptfenster/menuedaten.h"

namespace orbato {
namespace {

constexpr int kWochenBreite = 44;
constexpr int kZeilenHoehe = 22;

QTableWidget* NeuesRaster(QWidget* eltern) {
  auto* raster = new QTableWidget(TKalenderForm::kZeilen, TKalenderForm::kSpalten, eltern);
  raster->setObjectName(QStringLiteral("kalender"));
  raster->horizontalHeader()->hide();
  raster->verticalHeader()->hide();
  raster->setEditTriggers(QAbstractItemView::NoEditTriggers);
  raster->setSelectionMode(QAbstractItemView::NoSelection);
  raster->setFocusPolicy(Qt::NoFocus);
  raster->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  raster->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  raster->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  raster->verticalHeader()->setDefaultSectionSize(kZeilenHoehe);
  for (int z = 0; z < TKalenderForm::kZeilen; ++z) {
    for (int s = 0; s < TKalenderForm::kSpalten; ++s) {
      auto* zelle = new QTableWidgetItem;
      zelle->setTextAlignment(s == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
      raster->setItem(z, s, zelle);
    }
  }
  return raster;
}

QToolButton* Pfeil(QWidget* eltern, Qt::ArrowType richtung, const QString& name) {
  auto* knopf = new QToolButton(eltern);
  knopf->setObjectName(name);
  knopf->setArrowType(richtung);
  knopf->setAutoRepeat(true);
  return knopf;
}

}  // namespace

TKalenderDialog::TKalenderDialog(TSchule& schule, TStandard& standard, QWidget* eltern)
    : QDialog(eltern),
      fForm(schule, standard),
      fMonat(new QLabel(this)),
      fZurueck(Pfeil(this, Qt::LeftArrow, QStringLiteral("zurueck"))),
      fVor(Pfeil(this, Qt::RightArrow, QStringLiteral("vor"))),
      fRaster(NeuesRaster(this)) {
  fMonat->setObjectName(QStringLiteral("monat"));
  fMonat->setAlignment(Qt::AlignCenter);
  QFont fett = fMonat->font();
  fett.setBold(true);
  fMonat->setFont(fett);
  auto* kopf = new QHBoxLayout;
  kopf->addWidget(fZurueck);
  kopf->addWidget(fMonat, 1);
  kopf->addWidget(fVor);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(kopf);
  layout->addWidget(new QLabel(QStringLiteral("Welche Planversion gilt in welcher Woche?"), this));
  layout->addWidget(new QLabel(QStringLiteral("neben dem Wort \"Planversion\" klicken!"), this));
  layout->addWidget(fRaster, 0, Qt::AlignHCenter);
  layout->addWidget(OkAbbrechen(this));
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(fZurueck, &QToolButton::clicked, this, [this] { Blaettern(false); });
  connect(fVor, &QToolButton::clicked, this, [this] { Blaettern(true); });
  connect(new QShortcut(QKeySequence(Qt::Key_PageUp), this), &QShortcut::activated, this,
          [this] { Blaettern(false); });
  connect(new QShortcut(QKeySequence(Qt::Key_PageDown), this), &QShortcut::activated, this,
          [this] { Blaettern(true); });
  connect(fRaster, &QTableWidget::cellClicked, this, &TKalenderDialog::Geklickt);
  auto* gummi = new TGummiRahmen(fRaster, Qt::AltModifier,
                                 [this](const QModelIndex& von, const QModelIndex& bis) {
                                   fForm.Gezogen(von.column(), von.row(), bis.column(), bis.row());
                                   Fuellen();
                                 });
  gummi->AmRandEnden();
  fMenuZeigen = [this](TMenu& menu) { MenuAmZeiger(this, menu); };
  Fuellen();
}

void TKalenderDialog::Fuellen() {
  const QString titel = QtText(fForm.Titel());
  setWindowTitle(titel);
  fMonat->setText(titel);
  fZurueck->setEnabled(fForm.HatVorigen());
  fVor->setEnabled(fForm.HatNaechsten());
  const QColor grau(Qt::lightGray);
  for (int z = 0; z < TKalenderForm::kZeilen; ++z) {
    for (int s = 0; s < TKalenderForm::kSpalten; ++s) {
      const TKalenderForm::TZelle daten = fForm.Zelle(s, z);
      QTableWidgetItem* zelle = fRaster->item(z, s);
      zelle->setText(QtText(daten.fText));
      zelle->setBackground(daten.fFerien ? QBrush(grau) : QBrush());
      zelle->setForeground(daten.fRot ? QBrush(Qt::red) : QBrush());
    }
  }
  // Every cell stays in view, so that a rubber band can reach each of them.
  fRaster->resizeColumnToContents(0);
  for (int s = 1; s < TKalenderForm::kSpalten; ++s) fRaster->setColumnWidth(s, kWochenBreite);
  const int breite = fRaster->columnWidth(0) + (TKalenderForm::kSpalten - 1) * kWochenBreite;
  fRaster->setFixedSize(breite + 2 * fRaster->frameWidth(),
                        TKalenderForm::kZeilen * kZeilenHoehe + 2 * fRaster->frameWidth());
}

void TKalenderDialog::Blaettern(bool vor) {
  if (vor) {
    fForm.NaechsterMonat();
  } else {
    fForm.VorigerMonat();
  }
  Fuellen();
}

void TKalenderDialog::Geklickt(int zeile, int spalte) {
  if (zeile != TKalenderForm::kVersionsZeile || spalte < 1) return;
  TMenu menu = fForm.VersionsMenu(spalte);
  NachJedemBefehl(menu, [this] { Fuellen(); });
  fMenuZeigen(menu);
}

void TKalenderDialog::accept() {
  fForm.Ok();
  QDialog::accept();
}

}  // namespace orbato
