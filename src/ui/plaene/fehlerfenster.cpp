#include "ui/plaene/fehlerfenster.h"

#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "model/fenster/fenstertyp.h"
#include "platform/qttext.h"

namespace orbato {
namespace {

constexpr int kOrtRolle = Qt::UserRole;

QString Meldungen(int n) {
  return n == 1 ? QStringLiteral("1 Meldung") : QStringLiteral("%1 Meldungen").arg(n);
}

}  // namespace

TFehlerForm::TFehlerForm(std::function<void(const TFundort&)> oeffnen)
    : fOeffnen(std::move(oeffnen)), fListe(new QTreeWidget) {
  setWindowTitle(QtText(FensterTypTitel(TFensterTyp::Fehler)));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  fListe->setHeaderHidden(true);
  fListe->setColumnCount(1);
  fListe->setRootIsDecorated(true);
  fListe->setUniformRowHeights(true);
  fListe->setSelectionMode(QAbstractItemView::ExtendedSelection);
  fListe->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  fListe->header()->setStretchLastSection(false);
  fListe->setToolTip(QStringLiteral("Doppelklick oder Eingabe öffnet den Plan an dieser Stelle"));
  layout->addWidget(fListe);
  // The findings name the plan version in braces, as the plan file's messages always have.
  auto* legende = new QLabel(QStringLiteral("{1}, {2} …: die Planversion"), this);
  legende->setObjectName(QStringLiteral("legende"));
  legende->setContentsMargins(4, 2, 4, 2);
  layout->addWidget(legende);
  connect(fListe, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* zeile) { Oeffnen(zeile); });
}

QSize TFehlerForm::sizeHint() const {
  const QFontMetrics masse(fListe->font());
  return {masse.horizontalAdvance(QLatin1Char('x')) * 90, masse.height() * 16};
}

void TFehlerForm::PruefungBeginnen(const QString& name) {
  fPruefung = name;
  fAbschnitt = nullptr;
}

void TFehlerForm::NeuerFehler(const QString& zeile, const TFundort& ort) {
  if (fAbschnitt == nullptr && !fPruefung.isEmpty()) {
    fAbschnitt = new QTreeWidgetItem(fListe);
    QFont fett = fAbschnitt->font(0);
    fett.setBold(true);
    fAbschnitt->setFont(0, fett);
    fAbschnitt->setExpanded(true);
  }
  auto* eintrag = fAbschnitt ? new QTreeWidgetItem(fAbschnitt) : new QTreeWidgetItem(fListe);
  eintrag->setText(0, zeile);
  eintrag->setData(0, kOrtRolle, static_cast<int>(fOrte.size()));
  fOrte.push_back(ort);
  UeberschriftSetzen();
  fListe->scrollToItem(eintrag);
}

void TFehlerForm::UeberschriftSetzen() {
  if (fAbschnitt == nullptr) return;
  fAbschnitt->setText(0, fPruefung + QStringLiteral(": ") + Meldungen(fAbschnitt->childCount()));
}

QStringList TFehlerForm::Zeilen() const {
  QStringList zeilen;
  for (QTreeWidgetItemIterator i(fListe); *i; ++i) {
    if ((*i)->data(0, kOrtRolle).isValid()) zeilen << (*i)->text(0);
  }
  return zeilen;
}

QStringList TFehlerForm::Ueberschriften() const {
  QStringList titel;
  for (int i = 0; i < fListe->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* zeile = fListe->topLevelItem(i);
    if (!zeile->data(0, kOrtRolle).isValid()) titel << zeile->text(0);
  }
  return titel;
}

void TFehlerForm::Oeffnen(QTreeWidgetItem* zeile) {
  const QVariant nr = zeile ? zeile->data(0, kOrtRolle) : QVariant();
  if (!nr.isValid() || !fOeffnen) return;
  const TFundort& ort = fOrte.at(static_cast<std::size_t>(nr.toInt()));
  if (ort.fKurs != nullptr || ort.fElement != nullptr) fOeffnen(ort);
}

void TFehlerFenster::FehlerInit() {
  if (fForm) return;
  fForm = new TFehlerForm(fOeffnen);
  fForm->PruefungBeginnen(fPruefung);
  fZeigen(fForm);
}

void TFehlerFenster::NeuerFehler(std::string_view zeile) {
  NeuerFehlerBei(zeile, TFundort{});
}

void TFehlerFenster::PruefungBeginnen(std::string_view name) {
  fPruefung = QtText(name);
  if (fForm) fForm->PruefungBeginnen(fPruefung);
}

void TFehlerFenster::NeuerFehlerBei(std::string_view zeile, const TFundort& ort) {
  if (!fForm) FehlerInit();
  fForm->NeuerFehler(QtText(zeile), ort);
}

}  // namespace orbato
