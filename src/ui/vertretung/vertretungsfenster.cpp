#include "ui/vertretung/vertretungsfenster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/fenster/fenstertyp.h"
#include "model/vertretung/gutschrift.h"
#include "platform/qttext.h"
#include "ui/bausteine/zeilenhoehe.h"
#include "ui/hauptfenster/fensterregister.h"
#include "ui/hauptfenster/fensterwege.h"
#include "ui/hauptfenster/menuedaten.h"

namespace orbato {
namespace {

constexpr int kKreisGroesse = 10;
// The background of a row changed today.
const QColor kHeuteGrund(255, 255, 170);

QIcon Kreis(TVertrKreis kreis) {
  QPixmap bild(kKreisGroesse, kKreisGroesse);
  bild.fill(Qt::transparent);
  QPainter maler(&bild);
  maler.setRenderHint(QPainter::Antialiasing);
  maler.setPen(Qt::NoPen);
  maler.setBrush(KreisFarbe(kreis));
  maler.drawEllipse(0, 0, kKreisGroesse - 1, kKreisGroesse - 1);
  return QIcon(bild);
}

QTableWidget* NeueTabelle(QWidget* eltern) {
  auto* tabelle = new QTableWidget(eltern);
  tabelle->setObjectName(QStringLiteral("vertretungen"));
  tabelle->setColumnCount(kVertrSpalten);
  QStringList koepfe;
  for (std::string_view s : TVertretungsForm::Spalten()) koepfe << QtText(s);
  tabelle->setHorizontalHeaderLabels(koepfe);
  tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabelle->setSelectionMode(QAbstractItemView::ExtendedSelection);
  tabelle->verticalHeader()->hide();
  TabellenZeilen(tabelle, 4);
  return tabelle;
}

}  // namespace

QColor VertretungsFarbe(TVertrFarbe farbe) {
  switch (farbe) {
    case TVertrFarbe::Blau:
      return Qt::blue;
    case TVertrFarbe::Rot:
      return Qt::red;
    case TVertrFarbe::Tuerkis:
      return QColor(0, 128, 128);
    case TVertrFarbe::Schwarz:
      break;
  }
  return Qt::black;
}

QColor KreisFarbe(TVertrKreis kreis) {
  switch (kreis) {
    case TVertrKreis::Gruen:
      return QColor(0, 160, 0);
    case TVertrKreis::Rot:
      return Qt::red;
    case TVertrKreis::Blau:
      return Qt::blue;
    case TVertrKreis::Keiner:
      break;
  }
  return Qt::transparent;
}

TVertrForm::TVertrForm(TSchule& schule, TStandard& standard, TDatumZeit datum, QWidget* eltern)
    : QWidget(eltern),
      fSchule(schule),
      fStandard(standard),
      fForm(schule, standard, datum),
      fDatumFeld(new QLabel(this)),
      fSortierung(new QComboBox(this)),
      fInaktive(new QCheckBox(QStringLiteral("inaktive Vertretungen"), this)),
      fTabelle(NeueTabelle(this)) {
  setWindowTitle(QtText(FensterTypTitel(TFensterTyp::Vertretungen)));
  fMenuZeigen = [this](TMenu& menu) { MenuAmZeiger(this, menu); };
  FensterRegister().Anmelden(TFensterTyp::Vertretungen, this);
  fSchule.FensterAnmelden(FensterTitel(), this);
  fVersionGewechselt = fForm.Oeffnen();

  QFont fett = fDatumFeld->font();
  fett.setBold(true);
  fDatumFeld->setFont(fett);
  for (std::string_view name : TVertretungsForm::SortNamen()) fSortierung->addItem(QtText(name));
  fSortierung->setCurrentIndex(fForm.SortArt());
  fInaktive->setChecked(fForm.Inaktive());
  auto* kopf = new QHBoxLayout;
  kopf->addWidget(fDatumFeld);
  kopf->addStretch();
  kopf->addWidget(new QLabel(QStringLiteral("sortiert nach"), this));
  kopf->addWidget(fSortierung);
  kopf->addWidget(fInaktive);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(NeuerKnopf(QStringLiteral("Ad hoc setzen"),
                                [this] { fForm.AdHocSetzen(AusgewaehlteZeilen()); }));
  knoepfe->addWidget(NeuerKnopf(QStringLiteral("Ad hoc löschen"),
                                [this] { fForm.AdHocLoeschen(AusgewaehlteZeilen()); }));
  knoepfe->addStretch();
  for (TKuerzelArt art : {leh, kla, rau}) {
    knoepfe->addWidget(NeuerKnopf(QtText(FehlendeKnopf(art)), [this, art] {
      FehlendeGeklickt(art, QGuiApplication::keyboardModifiers() & Qt::ControlModifier);
    }));
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(kopf);
  layout->addWidget(fTabelle);
  layout->addLayout(knoepfe);

  connect(fSortierung, &QComboBox::currentIndexChanged, this, [this](int art) {
    if (art < 0 || art == fForm.SortArt()) return;
    fForm.SetSortArt(art);
    Fuellen();
  });
  connect(fInaktive, &QCheckBox::toggled, this, [this](bool an) {
    fForm.SetInaktive(an);
    Fuellen();
  });
  connect(fTabelle, &QTableWidget::cellDoubleClicked, this,
          [this](int zeile, int) { Doppelgeklickt(zeile); });
  connect(fTabelle, &QTableWidget::cellClicked, this,
          [this](int zeile, int spalte) { Geklickt(zeile, spalte); });
  fTabelle->installEventFilter(this);
  // The planner comes for the records: the window takes the keys into its list, not into the
  // sort box above it.
  setFocusProxy(fTabelle);
  fTabelle->setFocus();
  Fuellen();
}

// The next substitution window opens where this one was.
TVertrForm::~TVertrForm() {
  RahmenPlatz(this, fStandard.fVertrLeft, fStandard.fVertrTop);
  FensterRegister().Abmelden(this);
  fSchule.FensterAbmelden(this);
}

QPushButton* TVertrForm::NeuerKnopf(const QString& text, const std::function<void()>& befehl) {
  auto* knopf = new QPushButton(text, this);
  knopf->setAutoDefault(false);
  connect(knopf, &QPushButton::clicked, this, [this, befehl] {
    befehl();
    Fuellen();
  });
  return knopf;
}

QPushButton* TVertrForm::Knopf(const QString& text) const {
  for (QPushButton* b : findChildren<QPushButton*>()) {
    if (b->text() == text) return b;
  }
  return nullptr;
}

bool TVertrForm::SetDatum(TDatumZeit datum) {
  fForm = TVertretungsForm(fSchule, fStandard, datum);
  fVersionGewechselt = fForm.Oeffnen();
  Fuellen();
  return fVersionGewechselt;
}

void TVertrForm::FensterUpdate() {
  fForm.Aufbauen();
  Fuellen();
}

void TVertrForm::FensterSchliessen() {
  FensterRegister().Abmelden(this);
  fSchule.FensterAbmelden(this);
  RahmenSchliessen(this);
}

void TVertrForm::FensterNachVorn() {
  RahmenNachVorn(this);
}

// The selection follows its records through the new rows.
void TVertrForm::Fuellen() {
  std::vector<const TVertretung*> gewaehlt;
  for (int z : AusgewaehlteZeilen()) {
    if (z < static_cast<int>(fAngezeigt.size()))
      gewaehlt.push_back(fAngezeigt[static_cast<size_t>(z)]);
  }
  const QSignalBlocker ruhe(fTabelle);
  fDatumFeld->setText(QtText(fForm.DatumText()));
  const auto& zeilen = fForm.Zeilen();
  fTabelle->clearSelection();
  fTabelle->setRowCount(static_cast<int>(zeilen.size()));
  fAngezeigt.clear();
  for (int z = 0; z < static_cast<int>(zeilen.size()); ++z) {
    ZeileFuellen(z, zeilen[static_cast<size_t>(z)]);
    fAngezeigt.push_back(zeilen[static_cast<size_t>(z)].fVertretung);
    if (std::find(gewaehlt.begin(), gewaehlt.end(), fAngezeigt.back()) != gewaehlt.end()) {
      fTabelle->selectionModel()->select(fTabelle->model()->index(z, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
  }
  fTabelle->resizeColumnsToContents();
}

void TVertrForm::ZeileFuellen(int z, const TVertrZeile& zeile) {
  for (int s = 0; s < kVertrSpalten; ++s) {
    const TVertrZelle& zelle = zeile.fZellen[static_cast<size_t>(s)];
    auto* item = new QTableWidgetItem(QtText(zelle.fText));
    item->setForeground(VertretungsFarbe(zelle.fFarbe));
    if (zelle.fFett) {
      QFont fett = fTabelle->font();
      fett.setBold(true);
      item->setFont(fett);
    }
    if (zeile.fHervorgehoben) item->setBackground(kHeuteGrund);
    if (s == kVertrT) {
      item->setData(Qt::UserRole, static_cast<int>(zeile.fKreis));
      if (zeile.fKreis != TVertrKreis::Keiner) item->setIcon(Kreis(zeile.fKreis));
    }
    fTabelle->setItem(z, s, item);
  }
}

std::vector<int> TVertrForm::AusgewaehlteZeilen() const {
  std::vector<int> zeilen;
  for (const QModelIndex& i : fTabelle->selectionModel()->selectedRows()) zeilen.push_back(i.row());
  std::sort(zeilen.begin(), zeilen.end());
  return zeilen;
}

void TVertrForm::Doppelgeklickt(int zeile) {
  TVertretung* v = fForm.VertretungIn(zeile);
  const TVertretungsForm::TKlick klick = fForm.Doppelklick(zeile);
  if (klick == TVertretungsForm::TKlick::Wahl && fWahlOeffnen) fWahlOeffnen(v);
  Fuellen();
}

void TVertrForm::Geklickt(int zeile, int spalte) {
  TMenu menu = fForm.ZellenMenu(zeile, spalte);
  if (!menu.empty() && fMenuZeigen) fMenuZeigen(menu);
}

void TVertrForm::FehlendeGeklickt(TKuerzelArt art, bool strg) {
  const TDatumZeit datum = fForm.Datum();
  if (!strg) {
    if (fFehlendeOeffnen) fFehlendeOeffnen(art, datum, nullptr);
    return;
  }
  TMenu menu = fForm.FehlendeMenu(art, [this, art, datum](TPlanElement* element) {
    if (fFehlendeOeffnen) fFehlendeOeffnen(art, datum, element);
  });
  if (!menu.empty() && fMenuZeigen) fMenuZeigen(menu);
}

void TVertrForm::LoeschenGefragt() {
  fForm.Loeschen(fTabelle->currentRow());
  Fuellen();
}

bool TVertrForm::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt == fTabelle && ereignis->type() == QEvent::KeyPress) {
    switch (static_cast<QKeyEvent*>(ereignis)->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        Doppelgeklickt(fTabelle->currentRow());
        return true;
      case Qt::Key_Delete:
        LoeschenGefragt();
        return true;
      case Qt::Key_F5:
        FensterUpdate();
        return true;
      default:
        break;
    }
  }
  return QWidget::eventFilter(objekt, ereignis);
}

// As wide as the columns, rows for a school morning.
QSize TVertrForm::sizeHint() const {
  int breite = 2 * fTabelle->frameWidth() + 40;
  for (int s = 0; s < fTabelle->columnCount(); ++s) breite += fTabelle->columnWidth(s);
  const int zeilen = std::clamp(fTabelle->rowCount(), 8, 24);
  const int hoehe = fTabelle->horizontalHeader()->sizeHint().height() +
                    zeilen * fTabelle->verticalHeader()->defaultSectionSize() + 90;
  return {std::max(breite, 560), hoehe};
}

}  // namespace orbato
