#include "ui/stammdaten/statistikfenster.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/uv/statistik.h"
#include "platform/qttext.h"
#include "ui/bausteine/zeilenhoehe.h"
#include "ui/hauptfenster/fensterregister.h"
#include "ui/hauptfenster/fensterwege.h"

namespace orbato {
namespace {

QStringList QtTexte(const std::vector<std::string>& texte) {
  QStringList liste;
  for (const std::string& t : texte) liste << QtText(t);
  return liste;
}

}  // namespace

TStatForm::TStatForm(TSchule& schule, TKuerzelArt art)
    : fSchule(schule), fArt(art), fTabelle(new QTableWidget(this)) {
  setWindowTitle(QtText(StatistikTitel(art)));
  FensterRegister().Anmelden(StatistikTyp(art), this);
  fSchule.FensterAnmelden(FensterTitel(), this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(fTabelle);
  fTabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
  fTabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
  fTabelle->verticalHeader()->hide();
  TabellenZeilen(fTabelle, 6);
  fTabelle->setColumnCount(static_cast<int>(StatistikKoepfe(art).size()));
  fTabelle->setHorizontalHeaderLabels(QtTexte(StatistikKoepfe(art)));
  connect(fTabelle, &QTableWidget::cellDoubleClicked, this, [this](int zeile, int) {
    Doppelgeklickt(zeile, QGuiApplication::keyboardModifiers() & Qt::ShiftModifier);
  });
  Fuellen();
}

TStatForm::~TStatForm() {
  FensterRegister().Abmelden(this);
  fSchule.FensterAbmelden(this);
}

int TStatForm::FensterArt() const {
  return StatistikFensterArt(fArt);
}

// A run of the scheduler tells of every lesson; the table is filled once after it.
void TStatForm::BelegungGeaendert() {
  if (fFuellenVorgemerkt) return;
  fFuellenVorgemerkt = true;
  QTimer::singleShot(0, this, [this] { Fuellen(); });
}

void TStatForm::FensterSchliessen() {
  FensterRegister().Abmelden(this);
  fSchule.FensterAbmelden(this);
  RahmenSchliessen(this);
}

void TStatForm::FensterNachVorn() {
  RahmenNachVorn(this);
}

std::string TStatForm::FensterTitel() const {
  return ModellText(windowTitle());
}

// Every row anew: a change of one course may move the sums of several elements.
void TStatForm::Fuellen() {
  fFuellenVorgemerkt = false;
  const auto zeilen = StatistikZeilen(fSchule, fArt);
  // The number columns are right-aligned, so that the decimal points stand under each other.
  const int zahlSpalten = StatistikZahlSpalten(fArt);
  fTabelle->setRowCount(static_cast<int>(zeilen.size()));
  for (int z = 0; z < static_cast<int>(zeilen.size()); ++z) {
    for (int s = 0; s < static_cast<int>(zeilen[z].size()); ++s) {
      auto* item = new QTableWidgetItem(QtText(zeilen[z][s]));
      if (s < zahlSpalten) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      fTabelle->setItem(z, s, item);
    }
  }
  fTabelle->resizeColumnsToContents();
  updateGeometry();
}

// As wide as the columns and as tall as the rows, at least two.
QSize TStatForm::sizeHint() const {
  int breite = 2 * fTabelle->frameWidth() + 20;
  for (int s = 0; s < fTabelle->columnCount(); ++s) breite += fTabelle->columnWidth(s);
  const int zeilen = std::max(fTabelle->rowCount(), 2);
  const int hoehe = 2 * fTabelle->frameWidth() + fTabelle->horizontalHeader()->sizeHint().height() +
                    zeilen * fTabelle->verticalHeader()->defaultSectionSize();
  return {breite, hoehe};
}

void TStatForm::Doppelgeklickt(int zeile, bool shift) {
  TElement* element = StatistikElement(fSchule, fArt, zeile);
  if (element) ElementFensterZeigen(element, shift ? DFenster : GFenster);
}

std::string TStatForm::Text() const {
  return StatistikText(fSchule, fArt);
}

TStatForm* StatistikOeffnen(TSchule& schule, TKuerzelArt art) {
  if (auto* form = FensterRegister().Offen<TStatForm>(StatistikTyp(art))) return form;
  switch (art) {
    case leh:
      return new TLeStatForm(schule);
    case kla:
      return new TKlStatForm(schule);
    case fac:
      return new TFaStatForm(schule);
    case kop:
      return new TKoStatForm(schule);
    case rau:
      return new TRaStatForm(schule);
    default:
      return new TUVStatForm(schule);
  }
}

}  // namespace orbato
