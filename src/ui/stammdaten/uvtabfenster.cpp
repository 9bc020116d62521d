#include "ui/stammdaten/uvtabfenster.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/dokument/schule.h"
#include "model/uv/uvmatrix.h"
#include "model/uv/uvtab.h"
#include "platform/qttext.h"
#include "ui/hauptfenster/fensterwege.h"

namespace orbato {

TUVTabForm::TUVTabForm(TSchule& schule, TStandard& standard, TUVTab* tabelle)
    : fSchule(schule),
      fStandard(standard),
      fTab(tabelle),
      fMatrix(std::make_unique<TUVMatrix>(*tabelle)),
      fRaster(new QTableWidget(this)),
      fSchalter(new QToolButton) {
  setWindowTitle(QStringLiteral("UV-Tabelle ") + QtText(tabelle->fKuerzel.str()));
  tabelle->SetDepFenster(this);
  fSchule.FensterAnmelden(FensterTitel() + " 12", this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* leiste = new QHBoxLayout;
  fSchalter->setText(QStringLiteral("o"));
  fSchalter->setToolTip(QStringLiteral("Kopplung oder Lehrer/Fach anzeigen"));
  leiste->addWidget(fSchalter);
  leiste->addStretch();
  layout->addLayout(leiste);
  layout->addWidget(fRaster);
  fRaster->setEditTriggers(QAbstractItemView::NoEditTriggers);
  fRaster->setSelectionMode(QAbstractItemView::ExtendedSelection);
  fRaster->horizontalHeader()->hide();
  fRaster->verticalHeader()->hide();
  connect(fSchalter, &QToolButton::clicked, this, [this] {
    fMatrix->SchalterUmschalten();
    fSchalter->setText(QtText(fMatrix->Schalter()));
    Zeichnen();
  });
  connect(fRaster, &QTableWidget::cellDoubleClicked, this,
          [this](int zeile, int spalte) { Doppelgeklickt(zeile, spalte); });
  Zeichnen();
}

TUVTabForm::~TUVTabForm() {
  if (fTab && fTab->fDepFenster == this) fTab->SetDepFenster(nullptr);
  fSchule.FensterAbmelden(this);
}

void TUVTabForm::FensterSchliessen() {
  if (fTab && fTab->fDepFenster == this) fTab->SetDepFenster(nullptr);
  fTab = nullptr;
  fSchule.FensterAbmelden(this);
  RahmenSchliessen(this);
}

void TUVTabForm::FensterNachVorn() {
  RahmenNachVorn(this);
}

std::string TUVTabForm::FensterTitel() const {
  return ModellText(windowTitle());
}

// Catches up with changes elsewhere without moving the courses that stay, so that empty lines
// and the places of new courses survive every redraw.
void TUVTabForm::FensterUpdate() {
  if (fTab == nullptr) return;
  fMatrix->Abgleichen();
  Zeichnen();
}

void TUVTabForm::KursEntfernt(const TKurs* kurs) {
  if (fMatrix->KursEntfernen(kurs)) Zeichnen();
}

QString TUVTabForm::ZellText(int zeile, int spalte) const {
  const TUVText text = fMatrix->Text(zeile, spalte);
  if (text.fStunden.empty()) return QtText(text.fKuerzel);
  if (text.fKuerzel.empty()) return QtText(text.fStunden);
  return QtText(text.fStunden) + QStringLiteral(" \u00A6 ") + QtText(text.fKuerzel);
}

void TUVTabForm::Zeichnen() {
  fRaster->setRowCount(fMatrix->Zeilen());
  fRaster->setColumnCount(fMatrix->Spalten());
  for (int z = 0; z < fMatrix->Zeilen(); ++z) {
    for (int s = 0; s < fMatrix->Spalten(); ++s) {
      const TUVStil stil = fMatrix->Stil(z, s);
      auto* item = new QTableWidgetItem(ZellText(z, s));
      QFont schrift = fRaster->font();
      schrift.setBold(stil.fFett || z == 0 || s == 0);
      schrift.setItalic(stil.fKursiv);
      item->setFont(schrift);
      item->setBackground(QtFarbe(stil.fFarbe));
      if (stil.fRot) item->setForeground(Qt::red);
      fRaster->setItem(z, s, item);
    }
  }
  fRaster->resizeColumnsToContents();
  fRaster->resizeRowsToContents();
  updateGeometry();
}

QSize TUVTabForm::sizeHint() const {
  int breite = 2 * fRaster->frameWidth() + 20;
  for (int s = 0; s < fRaster->columnCount(); ++s) breite += fRaster->columnWidth(s);
  int hoehe = 2 * fRaster->frameWidth() + fSchalter->sizeHint().height() + 20;
  for (int z = 0; z < fRaster->rowCount(); ++z) hoehe += fRaster->rowHeight(z);
  return {breite, hoehe};
}

std::vector<std::pair<int32_t, int32_t>> TUVTabForm::Auswahl(int zeile, int spalte) const {
  std::vector<std::pair<int32_t, int32_t>> zellen{{zeile, spalte}};
  for (const QModelIndex& i : fRaster->selectionModel()->selectedIndexes()) {
    if (i.row() != zeile || i.column() != spalte) zellen.emplace_back(i.row(), i.column());
  }
  return zellen;
}

void TUVTabForm::Geaendert() {
  fSchule.SetDirty();
  fSchule.FensterAktualisieren();
}

// What the tool and the keys make of a double-click, by the kind of cell.
void TUVTabForm::Doppelgeklickt(int zeile, int spalte, Qt::KeyboardModifiers tasten) {
  if (fTab == nullptr) return;
  const TUVZelle zelle = fMatrix->Zelle(zeile, spalte);
  const bool ctrl = tasten & Qt::ControlModifier;
  const TToolArt tool = fSchule.fToolArt;
  switch (zelle.fArt) {
    case TUVZellArt::Leer:
      if (tool != ZeigTool) return;
      if (TKurs* kurs = fMatrix->KursAnlegen(zeile, spalte)) {
        Geaendert();
        KursFensterZeigen(fSchule, fStandard, kurs, &fSchule.fKursMenge);
      }
      return;
    case TUVZellArt::Kurs:
      if (tool == ZeigTool) {
        KursFensterZeigen(fSchule, fStandard, zelle.fKurs, &fSchule.fKursMenge);
      } else if (tool == LoeschTool) {
        const bool geaendert = ctrl ? fMatrix->RaeumeEntfernen(zeile, spalte)
                                    : fMatrix->ElementeEntfernen(Auswahl(zeile, spalte)) > 0;
        if (geaendert) Geaendert();
      }
      return;
    case TUVZellArt::Zeilenkopf:
    case TUVZellArt::Spaltenkopf: {
      TElement* element = zelle.fArt == TUVZellArt::Zeilenkopf ? zelle.fZeile : zelle.fSpalte;
      if (ctrl && element && element->Art() == kla) {
        if (fMatrix->LeerzeileEinfuegen(element)) Zeichnen();
        return;
      }
      ElementFensterZeigen(element, (tasten & Qt::ShiftModifier) ? DFenster : GFenster);
      return;
    }
    case TUVZellArt::Ecke:
      return;
  }
}

std::string TUVTabForm::Text() const {
  return fMatrix->KopierText();
}

void TUVTabForm::AuswahlLoeschen() {
  std::vector<std::pair<int32_t, int32_t>> zellen;
  for (const QModelIndex& i : fRaster->selectionModel()->selectedIndexes())
    zellen.emplace_back(i.row(), i.column());
  if (fMatrix->AuswahlLoeschen(fSchule, zellen) > 0) Geaendert();
}

std::vector<TKurs*> TUVTabForm::AusgewaehlteKurse() const {
  QModelIndexList zellen = fRaster->selectionModel()->selectedIndexes();
  std::sort(zellen.begin(), zellen.end());
  std::vector<TKurs*> kurse;
  for (const QModelIndex& i : zellen) {
    TKurs* kurs = fMatrix->Zelle(i.row(), i.column()).fKurs;
    if (kurs && std::find(kurse.begin(), kurse.end(), kurs) == kurse.end()) kurse.push_back(kurs);
  }
  return kurse;
}

TUVTabForm* UVTabFensterOeffnen(TSchule& schule, TStandard& standard, TUVTab* tabelle) {
  if (auto* offen = dynamic_cast<TUVTabForm*>(tabelle->fDepFenster)) return offen;
  return new TUVTabForm(schule, standard, tabelle);
}

}  // namespace orbato
