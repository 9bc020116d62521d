#include "ui/vertretung/vuebersichtfenster.h"

#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/dokument/schule.h"
#include "platform/qttext.h"
#include "ui/hauptfenster/fensterwege.h"

namespace orbato {
namespace {

// The counts and hours stand right-aligned from the third column on.
constexpr int kZahlSpalten = 2;

QTableWidget* NeueTabelle(const TRasterZeile& kopf, QWidget* eltern) {
  auto* tabelle = new QTableWidget(0, static_cast<int>(kopf.size()), eltern);
  QStringList texte;
  for (const std::string& t : kopf) texte << QtText(t);
  tabelle->setHorizontalHeaderLabels(texte);
  tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabelle->verticalHeader()->hide();
  return tabelle;
}

void Zeilen(QTableWidget* tabelle, const std::vector<TRasterZeile>& zeilen, std::size_t ab,
            int zahlenAb) {
  tabelle->setRowCount(static_cast<int>(zeilen.size() - std::min(ab, zeilen.size())));
  for (std::size_t z = ab; z < zeilen.size(); ++z) {
    for (std::size_t s = 0; s < zeilen[z].size(); ++s) {
      auto* item = new QTableWidgetItem(QtText(zeilen[z][s]));
      if (zahlenAb >= 0 && static_cast<int>(s) >= zahlenAb) {
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      }
      tabelle->setItem(static_cast<int>(z - ab), static_cast<int>(s), item);
    }
  }
  tabelle->resizeColumnsToContents();
}

}  // namespace

TVUebForm::TVUebForm(TSchule& schule, TKuerzelArt art, TDatumZeit von, TDatumZeit bis,
                     QWidget* eltern)
    : QWidget(eltern),
      fSchule(schule),
      fUebersicht(schule, art, von, bis),
      fBereich(new QLabel(this)),
      fRaster(NeueTabelle(fUebersicht.Raster().front(), this)),
      fDetails(NeueTabelle(TVertretungsUebersicht::DetailKopf(), this)) {
  setWindowTitle(QtText(fUebersicht.Titel()));
  fSchule.FensterAnmelden(FensterTitel(), this);
  fRaster->setSelectionMode(QAbstractItemView::SingleSelection);
  auto* teilung = new QSplitter(Qt::Vertical, this);
  teilung->addWidget(fRaster);
  teilung->addWidget(fDetails);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fBereich);
  layout->addWidget(teilung);
  connect(fRaster, &QTableWidget::currentCellChanged, this,
          [this](int zeile) { DetailsFuellen(zeile); });
  Fuellen();
}

TVUebForm::~TVUebForm() {
  fSchule.FensterAbmelden(this);
}

void TVUebForm::SetBereich(TDatumZeit von, TDatumZeit bis) {
  fUebersicht.SetBereich(von, bis);
  Fuellen();
}

// The records may have changed since: everything is computed again, the row kept.
void TVUebForm::Fuellen() {
  fUebersicht.Rechnen();
  fBereich->setText(QtText(fUebersicht.BereichText()));
  const int zeile = std::max(0, fRaster->currentRow());
  {
    const QSignalBlocker still(fRaster);
    Zeilen(fRaster, fUebersicht.Raster(), 1, kZahlSpalten);
    if (fRaster->rowCount() > 0)
      fRaster->setCurrentCell(std::min(zeile, fRaster->rowCount() - 1), 0);
  }
  DetailsFuellen(fRaster->currentRow());
}

void TVUebForm::DetailsFuellen(int zeile) {
  Zeilen(fDetails, fUebersicht.Details(zeile + 1), 0, -1);
}

void TVUebForm::FensterSchliessen() {
  fSchule.FensterAbmelden(this);
  RahmenSchliessen(this);
}

void TVUebForm::FensterNachVorn() {
  RahmenNachVorn(this);
}

std::string TVUebForm::FensterTitel() const {
  return ModellText(windowTitle());
}

QSize TVUebForm::sizeHint() const {
  const QFontMetrics schrift = fontMetrics();
  return {schrift.horizontalAdvance(QLatin1Char('x')) * 90, schrift.lineSpacing() * 34};
}

}  // namespace orbato
