#include "ui/voreinstellungen/zeitendialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/qttext.h"
#include "platform/qttextmass.h"
#include "ui/bausteine/dialogknoepfe.h"

namespace orbato {
namespace {

constexpr int kZeilen = 8;

// The editor of a label takes no more than a label holds.
class TZeitEditor : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(eltern, option, index);
    if (auto* zeile = qobject_cast<QLineEdit*>(editor)) {
      zeile->setMaxLength(static_cast<int>(TZeitenWahl::kLaenge));
    }
    return editor;
  }
};

QTableWidget* NeueTabelle(QWidget* eltern, int nr) {
  auto* tabelle = new QTableWidget(kZeilen, 2, eltern);
  tabelle->setObjectName(QStringLiteral("zeiten%1").arg(nr + 1));
  tabelle->setHorizontalHeaderLabels({QStringLiteral("Stunde"), QStringLiteral("Zeit")});
  tabelle->verticalHeader()->hide();
  tabelle->horizontalHeader()->setStretchLastSection(true);
  tabelle->setItemDelegateForColumn(1, new TZeitEditor(tabelle));
  for (int z = 0; z < kZeilen; ++z) {
    auto* stunde = new QTableWidgetItem(QString::number(nr * kZeilen + z + 1));
    stunde->setFlags(Qt::ItemIsEnabled);
    stunde->setTextAlignment(Qt::AlignCenter);
    tabelle->setItem(z, 0, stunde);
    tabelle->setItem(z, 1, new QTableWidgetItem);
  }
  tabelle->resizeColumnToContents(0);
  return tabelle;
}

}  // namespace

TZeitenDialog::TZeitenDialog(TSchule& schule, TStandard& standard, QWidget* eltern)
    : QDialog(eltern),
      fSchule(schule),
      fStandard(standard),
      fWahl(standard),
      fVersion(new QSpinBox(this)),
      fTabellen{NeueTabelle(this, 0), NeueTabelle(this, 1)} {
  setWindowTitle(QStringLiteral("Voreinstellung für Zeiten"));
  fVersion->setObjectName(QStringLiteral("planversion"));
  fVersion->setRange(1, fWahl.Versionen());
  fVersion->setValue(fWahl.Version());
  auto* kopf = new QHBoxLayout;
  kopf->addWidget(new QLabel(QStringLiteral("Planversion"), this));
  kopf->addWidget(fVersion);
  kopf->addStretch();
  auto* tabellen = new QHBoxLayout;
  for (QTableWidget* t : fTabellen) tabellen->addWidget(t);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(kopf);
  layout->addLayout(tabellen);
  layout->addWidget(OkAbbrechen(this));
  for (int i = 0; i < 2; ++i) {
    connect(fTabellen[i], &QTableWidget::cellChanged, this,
            [this, i](int zeile, int) { ZeitGeaendert(i, zeile); });
  }
  connect(fVersion, &QSpinBox::valueChanged, this, [this](int version) {
    fWahl.SetzeVersion(version);
    Fuellen();
  });
  Fuellen();
  resize(560, 340);
}

void TZeitenDialog::Fuellen() {
  for (int i = 0; i < 2; ++i) {
    const QSignalBlocker stumm(fTabellen[i]);
    for (int z = 0; z < kZeilen; ++z) {
      fTabellen[i]->item(z, 1)->setText(QtText(fWahl.Zeit(i * kZeilen + z + 1)));
    }
  }
}

void TZeitenDialog::ZeitGeaendert(int tabelle, int zeile) {
  const int std = tabelle * kZeilen + zeile + 1;
  fWahl.SetzeZeit(std, ModellText(fTabellen[tabelle]->item(zeile, 1)->text()));
  // A pasted text longer than a label shows as it is kept.
  const QSignalBlocker stumm(fTabellen[tabelle]);
  fTabellen[tabelle]->item(zeile, 1)->setText(QtText(fWahl.Zeit(std)));
}

void TZeitenDialog::accept() {
  TQtTextMass mass;
  fWahl.Uebernehmen(fSchule, fStandard, mass);
  QDialog::accept();
}

}  // namespace orbato
