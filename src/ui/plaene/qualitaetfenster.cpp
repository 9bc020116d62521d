#include "ui/plaene/qualitaetfenster.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/fenster/fenstertyp.h"
#include "model/schnittstellen/zwischenablage.h"
#include "platform/qttext.h"
#include "scheduler/planqualitaet.h"
#include "scheduler/qualitaetstabelle.h"
#include "ui/bausteine/zeilenhoehe.h"
#include "ui/hauptfenster/fensterwege.h"
#include "ui/hauptfenster/menuedaten.h"
#include "ui/hauptfenster/orbatopalette.h"

namespace orbato {
namespace {

// The version the palette's button shows, within the versions the document has.
int32_t AktuelleVersion(const TStandard& st) {
  return std::clamp(st.fAktuelleWoche, 1, st.WochenZahl());
}

TQualitaetsTabelle AnsichtsTabelle(TSchule& schule, const TStandard& standard,
                                   TQualitaetForm::TAnsicht ansicht) {
  const TQualitaetsGrenzen grenzen = QualitaetsGrenzen(standard.fOptimieren);
  const int32_t woche = AktuelleVersion(standard);
  if (ansicht == TQualitaetForm::Kennzahlen)
    return KennzahlTabelle(PlanQualitaet(schule, woche, grenzen), grenzen);
  const TElementQualitaet elemente = ElementQualitaet(schule, woche, grenzen);
  if (ansicht == TQualitaetForm::Lehrer) return LehrerTabelle(elemente.fLehrer, grenzen);
  return KlassenTabelle(elemente.fKlassen);
}

// A number sorts as a number; the short names and the other texts as texts.
QTableWidgetItem* Zelle(const std::string& text, bool zahlen) {
  auto* zelle = new QTableWidgetItem;
  bool istZahl = false;
  const int zahl = QString::fromStdString(text).toInt(&istZahl);
  if (zahlen && istZahl) {
    zelle->setData(Qt::DisplayRole, zahl);
    zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  } else {
    zelle->setText(QtText(text));
  }
  return zelle;
}

TQualitaetForm* OffeneForm(const TSchule& schule) {
  for (const auto& [name, fenster] : schule.fFensterListe) {
    if (auto* form = dynamic_cast<TQualitaetForm*>(fenster)) return form;
  }
  return nullptr;
}

}  // namespace

TQualitaetForm::TQualitaetForm(TSchule& schule, const TStandard& standard)
    : fSchule(schule),
      fStandard(standard),
      fUeberschrift(new QLabel(this)),
      fAktualisieren(new QPushButton(QStringLiteral("Aktualisieren"), this)),
      fTabelle(new QTableWidget(this)) {
  setWindowTitle(QtText(FensterTypTitel(TFensterTyp::Planqualitaet)));
  fSchule.FensterAnmelden(FensterTitel(), this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  QFont fett = fUeberschrift->font();
  fett.setBold(true);
  fUeberschrift->setFont(fett);
  layout->addWidget(fUeberschrift);
  auto* knopfZeile = new QHBoxLayout;
  auto* gruppe = new QButtonGroup(this);
  const QString texte[3] = {QStringLiteral("Kennzahlen"), QStringLiteral("Lehrer"),
                            QStringLiteral("Klassen")};
  for (int i = 0; i < 3; ++i) {
    fKnoepfe[i] = new QRadioButton(texte[i], this);
    gruppe->addButton(fKnoepfe[i], i);
    knopfZeile->addWidget(fKnoepfe[i]);
  }
  fKnoepfe[Kennzahlen]->setChecked(true);
  connect(gruppe, &QButtonGroup::idClicked, this,
          [this](int i) { AnsichtWaehlen(static_cast<TAnsicht>(i)); });
  knopfZeile->addStretch();
  knopfZeile->addWidget(fAktualisieren);
  connect(fAktualisieren, &QPushButton::clicked, this, [this] { Fuellen(); });
  layout->addLayout(knopfZeile);
  layout->addWidget(fTabelle);
  fTabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
  fTabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
  fTabelle->setSelectionMode(QAbstractItemView::SingleSelection);
  fTabelle->verticalHeader()->hide();
  fTabelle->horizontalHeader()->setStretchLastSection(true);
  TabellenZeilen(fTabelle);
  fTabelle->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(fTabelle, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& wo) { KontextMenu(wo); });
  // The keys go to the table, whatever was clicked last.
  setFocusProxy(fTabelle);
  Fuellen();
}

TQualitaetForm::~TQualitaetForm() {
  fSchule.FensterAbmelden(this);
}

void TQualitaetForm::FensterSchliessen() {
  fSchule.FensterAbmelden(this);
  RahmenSchliessen(this);
}

void TQualitaetForm::FensterNachVorn() {
  RahmenNachVorn(this);
}

std::string TQualitaetForm::FensterTitel() const {
  return ModellText(windowTitle());
}

void TQualitaetForm::BelegungGeaendert() {
  if (fFuellenVorgemerkt) return;
  fFuellenVorgemerkt = true;
  QTimer::singleShot(0, this, [this] { Fuellen(); });
}

// A new view starts unsorted, in the order of the school's lists.
void TQualitaetForm::AnsichtWaehlen(TAnsicht ansicht) {
  fAnsicht = ansicht;
  fTabelle->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  Fuellen();
}

void TQualitaetForm::Fuellen() {
  fFuellenVorgemerkt = false;
  fUeberschrift->setText(QtText(QualitaetsUeberschrift(AktuelleVersion(fStandard))));
  TabelleFuellen(AnsichtsTabelle(fSchule, fStandard, fAnsicht));
}

// The rows keep the sort the planner chose by a click on a column's header.
void TQualitaetForm::TabelleFuellen(const TQualitaetsTabelle& tabelle) {
  const int zeile = std::max(fTabelle->currentRow(), 0);
  const bool sortierbar = fAnsicht != Kennzahlen;
  fTabelle->setSortingEnabled(false);
  fTabelle->clear();
  fTabelle->setColumnCount(static_cast<int>(tabelle.fKoepfe.size()));
  QStringList koepfe;
  for (const std::string& k : tabelle.fKoepfe) koepfe << QtText(k);
  fTabelle->setHorizontalHeaderLabels(koepfe);
  fTabelle->setRowCount(static_cast<int>(tabelle.fZeilen.size()));
  for (int z = 0; z < static_cast<int>(tabelle.fZeilen.size()); ++z) {
    const std::vector<std::string>& felder = tabelle.fZeilen[z];
    for (int s = 0; s < static_cast<int>(felder.size()); ++s)
      fTabelle->setItem(z, s, Zelle(felder[s], sortierbar && s > 0));
  }
  fTabelle->setSortingEnabled(sortierbar);
  fTabelle->horizontalHeader()->setSortIndicatorShown(sortierbar);
  fTabelle->resizeColumnsToContents();
  if (fTabelle->rowCount() > 0)
    fTabelle->setCurrentCell(std::min(zeile, fTabelle->rowCount() - 1), 0);
  updateGeometry();
}

void TQualitaetForm::KontextMenu(const QPoint& wo) {
  const TMenu menu = {MenuEintrag("Kopieren", [this] { emit KopierenGewuenscht(); })};
  MenuZeigen(this, menu, fTabelle->viewport()->mapToGlobal(wo));
}

std::string TQualitaetForm::Text() const {
  std::vector<std::string> zeilen;
  std::vector<std::string> felder;
  for (int s = 0; s < fTabelle->columnCount(); ++s)
    felder.push_back(ModellText(fTabelle->horizontalHeaderItem(s)->text()));
  zeilen.push_back(TabZeile(felder));
  for (int z = 0; z < fTabelle->rowCount(); ++z) {
    felder.clear();
    for (int s = 0; s < fTabelle->columnCount(); ++s) {
      const QTableWidgetItem* zelle = fTabelle->item(z, s);
      felder.push_back(zelle ? ModellText(zelle->text()) : std::string());
    }
    zeilen.push_back(TabZeile(felder));
  }
  return ZwischenablageText(zeilen);
}

// As wide as the columns, as tall as the figures.
QSize TQualitaetForm::sizeHint() const {
  int breite = 2 * fTabelle->frameWidth() + 28;
  for (int s = 0; s < fTabelle->columnCount(); ++s) breite += fTabelle->columnWidth(s);
  const int zeilen = std::min(std::max(fTabelle->rowCount(), 2), 16);
  const int hoehe = fUeberschrift->sizeHint().height() + fAktualisieren->sizeHint().height() +
                    2 * fTabelle->frameWidth() + fTabelle->horizontalHeader()->sizeHint().height() +
                    zeilen * fTabelle->verticalHeader()->defaultSectionSize() + 24;
  return {std::max(breite, QWidget::sizeHint().width()), hoehe};
}

QMdiSubWindow* PlanQualitaetZeigen(TOrbatoPalette& palette) {
  TQualitaetForm* form = OffeneForm(palette.schule());
  if (form == nullptr) {
    form = new TQualitaetForm(palette.schule(), palette.standard());
    QObject::connect(form, &TQualitaetForm::KopierenGewuenscht, &palette,
                     [&palette] { palette.Kopieren(); });
  }
  QMdiSubWindow* rahmen = palette.FensterEinsetzen(form);
  form->setFocus();
  return rahmen;
}

}  // namespace orbato
