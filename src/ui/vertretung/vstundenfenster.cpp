#include "ui/vertretung/vstundenfenster.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/dokument/schule.h"
#include "model/fenster/fenstertyp.h"
#include "platform/qttext.h"
#include "ui/hauptfenster/fensterwege.h"

namespace orbato {
namespace {

QToolButton* Pfeil(Qt::ArrowType richtung, const char* name, QWidget* eltern) {
  auto* knopf = new QToolButton(eltern);
  knopf->setArrowType(richtung);
  knopf->setObjectName(QString::fromLatin1(name));
  knopf->setAutoRepeat(true);
  return knopf;
}

}  // namespace

TVStdForm::TVStdForm(TSchule& schule, QWidget* eltern)
    : QWidget(eltern),
      fSchule(schule),
      fStunden(schule),
      fSeiten(new QTabWidget(this)),
      fTabellen{NeueTabelle(), NeueTabelle()},
      fHoch(Pfeil(Qt::UpArrow, "hoch", this)),
      fRunter(Pfeil(Qt::DownArrow, "runter", this)),
      fRuecksetzen(new QPushButton(QStringLiteral("Rücksetzen"), this)) {
  setWindowTitle(QtText(FensterTypTitel(TFensterTyp::VertreteneStunden)));
  fSchule.FensterAnmelden(FensterTitel(), this);
  fSeiten->addTab(fTabellen[0], QStringLiteral("Tabelle 1"));
  fSeiten->addTab(fTabellen[1], QStringLiteral("Tabelle 2"));
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(fHoch);
  knoepfe->addWidget(fRunter);
  knoepfe->addStretch();
  knoepfe->addWidget(fRuecksetzen);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fSeiten);
  layout->addLayout(knoepfe);

  connect(fSeiten, &QTabWidget::currentChanged, this, [this](int seite) {
    fStunden.SetTabelle(seite + 1);
    Fuellen();
  });
  connect(fHoch, &QToolButton::clicked, this, [this] {
    fStunden.Schritt(+1);
    Fuellen();
  });
  connect(fRunter, &QToolButton::clicked, this, [this] {
    fStunden.Schritt(-1);
    Fuellen();
  });
  connect(fRuecksetzen, &QPushButton::clicked, this, [this] {
    fStunden.Ruecksetzen();
    Fuellen();
  });
  Fuellen();
}

TVStdForm::~TVStdForm() {
  fSchule.FensterAbmelden(this);
}

QTableWidget* TVStdForm::NeueTabelle() {
  auto* tabelle = new QTableWidget(0, 2, this);
  tabelle->setHorizontalHeaderLabels({QStringLiteral("Lehrer"), QStringLiteral("Stunden")});
  tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
  tabelle->verticalHeader()->hide();
  connect(tabelle, &QTableWidget::currentCellChanged, this,
          [this](int zeile) { ZeileGewaehlt(zeile); });
  return tabelle;
}

void TVStdForm::ZeileGewaehlt(int zeile) {
  if (zeile >= 0) fStunden.SetZeile(zeile + 1);
}

// Both tables anew, the selected teacher marked in each.
void TVStdForm::Fuellen() {
  const int zeilen = fStunden.Zeilen();
  for (int t = 1; t <= 2; ++t) {
    QTableWidget* tabelle = Tabelle(t);
    const QSignalBlocker still(tabelle);
    tabelle->setRowCount(zeilen);
    for (int z = 1; z <= zeilen; ++z) {
      tabelle->setItem(z - 1, 0, new QTableWidgetItem(QtText(fStunden.Kuerzel(z))));
      auto* wert = new QTableWidgetItem(QtText(fStunden.Wert(t, z)));
      wert->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      tabelle->setItem(z - 1, 1, wert);
    }
    if (zeilen > 0) tabelle->setCurrentCell(fStunden.Zeile() - 1, 0);
    tabelle->resizeColumnsToContents();
  }
  fRuecksetzen->setEnabled(zeilen > 0);
}

void TVStdForm::FensterSchliessen() {
  fSchule.FensterAbmelden(this);
  RahmenSchliessen(this);
}

void TVStdForm::FensterNachVorn() {
  RahmenNachVorn(this);
}

std::string TVStdForm::FensterTitel() const {
  return ModellText(windowTitle());
}

QSize TVStdForm::sizeHint() const {
  const QFontMetrics schrift = fontMetrics();
  return {schrift.horizontalAdvance(QLatin1Char('x')) * 30, schrift.lineSpacing() * 24};
}

}  // namespace orbato
