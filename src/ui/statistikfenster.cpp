#include "ui/statistikfenster.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/uv/statistik.h"
#include "platform/qttext.h"
#include "ui/fensterwege.h"
#include "ui/zeilenhoehe.h"

namespace orbato {
namespace {

// The hour columns are right-aligned, so that the decimal points stand under each other.
constexpr int kZahlSpalten = 4;

QStringList QtTexte(const std::vector<std::string>& texte) {
  QStringList liste;
  for (const std::string& t : texte) liste << QtText(t);
  return liste;
}

}  // namespace

TStatForm::TStatForm(TKuerzelArt art) : fArt(art), fTabelle(new QTableWidget(this)) {
  setWindowTitle(art == leh ? QStringLiteral("Lehrerstatistik")
                            : QStringLiteral("Klassenstatistik"));
  Verweis() = this;
  Schule().FensterAnmelden(FensterTitel(), this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(fTabelle);
  fTabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
  fTabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
  fTabelle->verticalHeader()->hide();
  fTabelle->verticalHeader()->setMinimumSectionSize(12);
  const QFontMetrics schrift = fTabelle->fontMetrics();
  fTabelle->verticalHeader()->setDefaultSectionSize(
      std::max(schrift.height() + 6, ZeilenHoehe(schrift)));
  fTabelle->setColumnCount(6);
  fTabelle->setHorizontalHeaderLabels(QtTexte(StatistikKoepfe(art)));
  connect(fTabelle, &QTableWidget::cellDoubleClicked, this, [this](int zeile, int) {
    Doppelgeklickt(zeile, QGuiApplication::keyboardModifiers() & Qt::ShiftModifier);
  });
  Fuellen();
}

TStatForm::~TStatForm() {
  if (Verweis() == this) Verweis() = nullptr;
  Schule().FensterAbmelden(this);
}

Fenster*& TStatForm::Verweis() const {
  return fArt == leh ? Schule().fLeStatForm : Schule().fKlStatForm;
}

void TStatForm::FensterSchliessen() {
  if (Verweis() == this) Verweis() = nullptr;
  Schule().FensterAbmelden(this);
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
  const auto zeilen = StatistikZeilen(Schule(), fArt);
  fTabelle->setRowCount(static_cast<int>(zeilen.size()));
  for (int z = 0; z < static_cast<int>(zeilen.size()); ++z) {
    for (int s = 0; s < 6; ++s) {
      auto* item = new QTableWidgetItem(QtText(zeilen[z][s]));
      if (s < kZahlSpalten) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
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
  TElement* element = fArt == leh
                          ? static_cast<TElement*>(Schule().fLehrerMenge.ListeNrInhalt(zeile + 1))
                          : Schule().fKlassenMenge.ListeNrInhalt(zeile + 1);
  ElementFensterZeigen(element, shift ? DFenster : GFenster);
}

std::string TStatForm::Text() const {
  return StatistikText(Schule(), fArt);
}

TStatForm* StatistikOeffnen(TKuerzelArt art) {
  Fenster* offen = art == leh ? Schule().fLeStatForm : Schule().fKlStatForm;
  if (auto* form = dynamic_cast<TStatForm*>(offen)) return form;
  if (art == leh) return new TLeStatForm;
  return new TKlStatForm;
}

}  // namespace orbato
