#include "ui/plaene/parfenster.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "model/dokument/schule.h"
#include "model/elemente/kopplung.h"
#include "model/fenster/fenstertyp.h"
#include "platform/qttext.h"
#include "ui/bausteine/werkzeugmaus.h"
#include "ui/bausteine/zeilenhoehe.h"
#include "ui/hauptfenster/fensterregister.h"
#include "ui/hauptfenster/fensterwege.h"
#include "ui/hauptfenster/menuedaten.h"
#include "ui/plaene/parstartdialog.h"
#include "ui/plaene/parsuchdialog.h"

namespace orbato {
namespace {

// Where a cell keeps its mark, 'K' or 'F'.
constexpr int kMarkeRolle = Qt::UserRole + 1;
constexpr int kKonfliktBreite = 60;
// The grid grows with its rows up to this height, then scrolls.
constexpr int kMaxRasterHoehe = 500;

}  // namespace

TParForm::TParForm(TSchule& schule, TParRaster raster, bool mitFach)
    : fSchule(schule),
      fRaster(std::move(raster)),
      fMitFach(mitFach),
      fTabelle(new QTableWidget(this)),
      fSuchen(new QPushButton(QStringLiteral("Suche Lösung"), this)) {
  setWindowTitle(QtText(FensterTypTitel(TFensterTyp::ParalleleKopplungen)));
  FensterRegister().Anmelden(TFensterTyp::ParalleleKopplungen, this);
  fSchule.FensterAnmelden(FensterTitel(), this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* knopfZeile = new QHBoxLayout;
  knopfZeile->addWidget(fSuchen);
  knopfZeile->addStretch();
  layout->addLayout(knopfZeile);
  layout->addWidget(fTabelle);
  connect(fSuchen, &QPushButton::clicked, this, [this] { SucheLoesung(); });
  fTabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
  fTabelle->setSelectionMode(QAbstractItemView::SingleSelection);
  TabellenZeilen(fTabelle);
  fTabelle->viewport()->installEventFilter(this);
  connect(fTabelle, &QTableWidget::cellClicked, this,
          [this](int zeile, int spalte) { Geklickt(spalte, zeile + 1); });
  connect(fTabelle, &QTableWidget::cellDoubleClicked, this,
          [this](int zeile, int spalte) { Doppelgeklickt(spalte, zeile + 1); });
  fMenuZeigen = [this](TMenu& menu) { MenuAmZeiger(this, menu); };
  fRaster.AlleBerechnen();
  Fuellen();
}

TParForm::~TParForm() {
  FensterRegister().Abmelden(this);
  fSchule.FensterAbmelden(this);
}

void TParForm::FensterSchliessen() {
  FensterRegister().Abmelden(this);
  fSchule.FensterAbmelden(this);
  RahmenSchliessen(this);
}

void TParForm::FensterNachVorn() {
  RahmenNachVorn(this);
}

void TParForm::FensterRefresh() {
  fRaster.AlleBerechnen();
  Fuellen();
}

std::string TParForm::FensterTitel() const {
  return ModellText(windowTitle());
}

void TParForm::ElementEntfernt(const TElement* element) {
  if (element->Art() != kop) return;
  fRaster.KopplungEntfernt(static_cast<const TKopplung*>(element));
  Fuellen();
}

// The course still belongs to its coupling now; the rows are counted once it is gone.
void TParForm::KursEntfernt(const TKurs*) {
  if (fZaehlenVorgemerkt) return;
  fZaehlenVorgemerkt = true;
  QTimer::singleShot(0, this, [this] {
    fZaehlenVorgemerkt = false;
    FensterRefresh();
  });
}

void TParForm::Fuellen() {
  const std::vector<std::string> koepfe = ParKoepfe(fRaster.Spalten());
  QStringList texte;
  for (const std::string& k : koepfe) texte << QtText(k);
  fTabelle->clear();
  fTabelle->setColumnCount(static_cast<int>(texte.size()));
  fTabelle->setRowCount(fRaster.Zeilen());
  fTabelle->setHorizontalHeaderLabels(texte);
  for (int32_t z = 1; z <= fRaster.Zeilen(); ++z) {
    auto* zahl = new QTableWidgetItem(QString::number(fRaster.Konflikte(z)));
    zahl->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fTabelle->setItem(z - 1, 0, zahl);
    for (int32_t s = 1; s <= fRaster.Spalten(); ++s) {
      const TParZelle& zelle = fRaster.Zelle(s, z);
      auto* item = new QTableWidgetItem(QtText(fRaster.ZellText(s, z, fMitFach)));
      if (zelle.fKopplung) item->setData(kMarkeRolle, QString(QLatin1Char(zelle.fMarke)));
      // Fixed couplings stand out in bold.
      if (zelle.fMarke == 'F') {
        QFont fett = item->font();
        fett.setBold(true);
        item->setFont(fett);
      }
      fTabelle->setItem(z - 1, s, item);
    }
  }
  fTabelle->setColumnWidth(0, kKonfliktBreite);
  for (int32_t s = 1; s <= fRaster.Spalten(); ++s) fTabelle->setColumnWidth(s, fMitFach ? 120 : 60);
}

QSize TParForm::sizeHint() const {
  int breite = 2 * fTabelle->frameWidth() + fTabelle->verticalHeader()->sizeHint().width() + 20;
  for (int s = 0; s < fTabelle->columnCount(); ++s) breite += fTabelle->columnWidth(s);
  const int raster = std::min(
      fTabelle->rowCount() * fTabelle->verticalHeader()->defaultSectionSize(), kMaxRasterHoehe);
  const int hoehe = fSuchen->sizeHint().height() + 2 * fTabelle->frameWidth() +
                    fTabelle->horizontalHeader()->sizeHint().height() + raster + 4;
  return {breite, hoehe};
}

void TParForm::Geklickt(int32_t spalte, int32_t zeile) {
  if (fSchule.fToolArt != SetzTool) return;
  TMenu menu = fRaster.SetzMenu(spalte, zeile, [this] { Fuellen(); });
  fMenuZeigen(menu);
}

void TParForm::Doppelgeklickt(int32_t spalte, int32_t zeile) {
  if (spalte < 1) return;
  switch (fSchule.fToolArt) {
    case LoeschTool:
      fRaster.Leeren(spalte, zeile);
      break;
    case FixTool:
      fRaster.Fixieren(spalte, zeile);
      break;
    default:
      return;
  }
  Fuellen();
}

void TParForm::Aufnehmen(int32_t spalte, int32_t zeile) {
  const bool belegt = spalte >= 1 && fRaster.Zelle(spalte, zeile).fKopplung != nullptr;
  fVonSpalte = belegt ? spalte : 0;
  fVonZeile = belegt ? zeile : 0;
}

void TParForm::Ablegen(int32_t spalte, int32_t zeile, bool kopieren) {
  if (fVonSpalte == 0) return;
  const int32_t vonSpalte = std::exchange(fVonSpalte, 0);
  const int32_t vonZeile = std::exchange(fVonZeile, 0);
  if (spalte < 1) return;
  fRaster.Schiebe(vonSpalte, vonZeile, spalte, zeile, kopieren);
  Fuellen();
}

bool TParForm::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt != fTabelle->viewport()) return QWidget::eventFilter(objekt, ereignis);
  return MausVerteilen(
      {
          {TMausAktion::Druck, Qt::LeftButton, SchiebTool,
           [this](const QMouseEvent& maus) {
             const QModelIndex index = fTabelle->indexAt(maus.position().toPoint());
             if (index.isValid()) Aufnehmen(index.column(), index.row() + 1);
             return true;
           }},
          {TMausAktion::Loslassen, Qt::LeftButton, SchiebTool,
           [this](const QMouseEvent& maus) {
             const QModelIndex index = fTabelle->indexAt(maus.position().toPoint());
             if (index.isValid()) {
               Ablegen(index.column(), index.row() + 1, maus.modifiers() & Qt::ShiftModifier);
             } else {
               fVonSpalte = fVonZeile = 0;
             }
             return true;
           }},
      },
      *ereignis, fSchule.fToolArt);
}

void TParForm::SucheLoesung() {
  TParSuchForm suche(fRaster, this);
  suche.exec();
  Fuellen();
}

TParForm* ParFormOeffnen(TSchule& schule, TStandard& st, QWidget* eltern) {
  if (auto* form = FensterRegister().Offen<TParForm>(TFensterTyp::ParalleleKopplungen)) {
    return form;
  }
  TParStartForm start(st, schule.fParListe, eltern);
  if (start.exec() != QDialog::Accepted) return nullptr;
  TParRaster raster = st.fParUeber
                          ? TParRaster::AusParListe(schule, st, st.fParZeilen, st.fParSpalten)
                          : TParRaster(schule, st, st.fParZeilen, st.fParSpalten);
  return new TParForm(schule, std::move(raster), st.fParMitFach);
}

TParForm* ParFormWiederOeffnen(TSchule& schule, const TStandard& standard) {
  if (auto* form = FensterRegister().Offen<TParForm>(TFensterTyp::ParalleleKopplungen)) {
    return form;
  }
  const TParListe& par = schule.fParListe;
  return new TParForm(schule, TParRaster::AusParListe(schule, standard, par.fZeilen, par.fSpalten),
                      standard.fParMitFach);
}

}  // namespace orbato
