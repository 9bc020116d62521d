#include "ui/vertretung/vertretungsvoreinstellung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/einstellungen/standard.h"
#include "platform/qttext.h"
#include "substitution/vertretungsform.h"
#include "ui/bausteine/dialogknoepfe.h"

namespace orbato {
namespace {

constexpr int kGrundLaenge = 1;
constexpr int kBemLaenge = 31;

QLineEdit* Textfeld(const std::string& text, int laenge, QWidget* eltern) {
  auto* feld = new QLineEdit(QtText(text), eltern);
  feld->setMaxLength(laenge);
  return feld;
}

}  // namespace

TVertrVoreinstellung::TVertrVoreinstellung(TStandard& standard, QWidget* eltern)
    : QDialog(eltern), fStandard(standard) {
  setWindowTitle(QStringLiteral("Voreinstellung für Vertretungen"));
  auto* seiten = new QHBoxLayout;
  seiten->addWidget(Allgemein());
  seiten->addWidget(Texte());
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(seiten);
  layout->addWidget(OkAbbrechen(this));
}

QCheckBox* TVertrVoreinstellung::Schalter(const QString& text, bool wert, QWidget* eltern) {
  auto* feld = new QCheckBox(text, eltern);
  feld->setChecked(wert);
  return feld;
}

// The order follows the keys of the list: classes, absent teachers, substitutes, periods.
QWidget* TVertrVoreinstellung::Allgemein() {
  auto* seite = new QWidget(this);
  auto* form = new QFormLayout(seite);
  fSortierung = new QComboBox(seite);
  for (std::string_view name : TVertretungsForm::SortNamen()) fSortierung->addItem(QtText(name));
  fSortierung->setCurrentIndex(std::clamp(fStandard.fVertrSortArt, 0, 3));
  form->addRow(QStringLiteral("sortiert nach"), fSortierung);
  fBemAuto = Schalter(QStringLiteral("automatische Bemerkungen"), fStandard.fVBemAuto, seite);
  form->addRow(fBemAuto);
  fFrei = Schalter(QStringLiteral("\"frei\" in die Bemerkung"), fStandard.fVFrei, seite);
  form->addRow(fFrei);
  fMerke = new QSpinBox(seite);
  fMerke->setRange(0, 9999);
  fMerke->setValue(fStandard.fVertrMerke);
  form->addRow(QStringLiteral("Vertretungen merken (Tage)"), fMerke);
  fFreiCheck = Schalter(QStringLiteral("freie Lehrer"), fStandard.fVertrFreiCheck, seite);
  form->addRow(fFreiCheck);
  fRandCheck = Schalter(QStringLiteral("Randstunden"), fStandard.fVertrRandCheck, seite);
  form->addRow(fRandCheck);
  fInaktivCheck =
      Schalter(QStringLiteral("inaktive Vertretungen"), fStandard.fVertrInaktivCheck, seite);
  form->addRow(fInaktivCheck);
  return seite;
}

// One row per number: the absence reason and the remark template.
QWidget* TVertrVoreinstellung::Texte() {
  auto* seite = new QWidget(this);
  auto* raster = new QGridLayout(seite);
  raster->addWidget(new QLabel(QStringLiteral("Nr."), seite), 0, 0);
  raster->addWidget(new QLabel(QStringLiteral("Fehlgrund"), seite), 0, 1);
  raster->addWidget(new QLabel(QStringLiteral("Bemerkung"), seite), 0, 2);
  const int breite = fontMetrics().horizontalAdvance(QStringLiteral("MM"));
  for (std::size_t i = 0; i < fGrund.size(); ++i) {
    const int zeile = static_cast<int>(i) + 1;
    raster->addWidget(new QLabel(QString::number(zeile), seite), zeile, 0);
    fGrund[i] = Textfeld(fStandard.fGrund[i].str(), kGrundLaenge, seite);
    fGrund[i]->setFixedWidth(breite * 2);
    raster->addWidget(fGrund[i], zeile, 1);
    fBemBez[i] = Textfeld(fStandard.fBemBez[i].str(), kBemLaenge, seite);
    fBemBez[i]->setMinimumWidth(breite * 12);
    raster->addWidget(fBemBez[i], zeile, 2);
  }
  raster->setVerticalSpacing(1);
  return seite;
}

bool TVertrVoreinstellung::Uebernehmen() {
  const int sortierung = fSortierung->currentIndex();
  const bool neueOrdnung = sortierung != fStandard.fVertrSortArt;
  fStandard.fVertrSortArt = sortierung;
  fStandard.fVBemAuto = fBemAuto->isChecked();
  fStandard.fVFrei = fFrei->isChecked();
  fStandard.fVertrMerke = fMerke->value();
  fStandard.fVertrFreiCheck = fFreiCheck->isChecked();
  fStandard.fVertrRandCheck = fRandCheck->isChecked();
  fStandard.fVertrInaktivCheck = fInaktivCheck->isChecked();
  for (std::size_t i = 0; i < fGrund.size(); ++i) {
    fStandard.fGrund[i] = ModellText(fGrund[i]->text());
    fStandard.fBemBez[i] = ModellText(fBemBez[i]->text());
  }
  return neueOrdnung;
}

}  // namespace orbato
