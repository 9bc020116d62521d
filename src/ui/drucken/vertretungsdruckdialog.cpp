#include "ui/drucken/vertretungsdruckdialog.h"

#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/vertretung/kalender.h"
#include "platform/qttext.h"
#include "ui/bausteine/schriftfeld.h"
#include "ui/drucken/druckbild.h"
#include "ui/drucken/vdeinstellungsdialog.h"

namespace orbato {
namespace {

// The years the calendar of plan versions covers, as in the date dialog.
constexpr int kErstesJahr = 1994;
constexpr int kLetztesJahr = 2050;

QDate QtDatum(TDatumZeit datum) {
  const TKalenderDatum d = DekodiereDatum(datum);
  return {d.Jahr, d.Monat, d.Tag};
}

}  // namespace

TVertrDruckDialog::TVertrDruckDialog(TStandard& standard, TDatumZeit datum, QWidget* eltern)
    : QDialog(eltern), fStandard(standard) {
  setWindowTitle(QStringLiteral("Drucke Vertretungsplan"));
  auto* mitte = new QHBoxLayout;
  mitte->addWidget(DatumUndBemerkung(), 1);
  auto* rechts = new QVBoxLayout;
  rechts->addWidget(Einstellungen());
  rechts->addWidget(Druckbild());
  rechts->addStretch();
  mitte->addLayout(rechts);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(mitte);
  layout->addWidget(Knoepfe());
  fDatumFeld->setDate(QtDatum(Mittag(datum)));
  WochentagZeigen();
  KnoepfeAbgleichen();
}

// The date with its weekday, and the remark below.
QWidget* TVertrDruckDialog::DatumUndBemerkung() {
  auto* seite = new QWidget(this);
  auto* raster = new QGridLayout(seite);
  raster->setContentsMargins(0, 0, 0, 0);
  fDatumFeld = new QDateEdit(seite);
  fDatumFeld->setCalendarPopup(true);
  fDatumFeld->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  fDatumFeld->setDateRange(QDate(kErstesJahr, 1, 1), QDate(kLetztesJahr, 12, 31));
  fWochentag = new QLabel(seite);
  fWochentag->setMinimumWidth(
      fWochentag->fontMetrics().horizontalAdvance(QStringLiteral("Donnerstag")));
  auto* datumName = new QLabel(QStringLiteral("Da&tum"), seite);
  datumName->setBuddy(fDatumFeld);
  connect(fDatumFeld, &QDateEdit::dateChanged, this, [this] { WochentagZeigen(); });
  fBemerkung = new QPlainTextEdit(seite);
  fBemerkung->setTabChangesFocus(true);
  QStringList zeilen;
  for (const std::string& zeile : fStandard.fVMemo[0]) zeilen << QtText(zeile);
  fBemerkung->setPlainText(zeilen.join(QLatin1Char('\n')));
  auto* bemName = new QLabel(QStringLiteral("&Bemerkung"), seite);
  bemName->setBuddy(fBemerkung);
  raster->addWidget(datumName, 0, 0);
  raster->addWidget(fDatumFeld, 0, 1);
  raster->addWidget(fWochentag, 0, 2);
  raster->setColumnStretch(3, 1);
  raster->addWidget(bemName, 1, 0, 1, 4);
  raster->addWidget(fBemerkung, 2, 0, 1, 4);
  return seite;
}

// The four layouts: a tick each, and the button that edits it.
QWidget* TVertrDruckDialog::Einstellungen() {
  auto* gruppe = new QGroupBox(QStringLiteral("Einstellungen"), this);
  auto* raster = new QGridLayout(gruppe);
  for (std::size_t i = 0; i < fHaken.size(); ++i) {
    const int nummer = static_cast<int>(i) + 1;
    fHaken[i] = new QCheckBox(gruppe);
    fHaken[i]->setChecked(fStandard.fVertrCheck[i]);
    fHaken[i]->setAccessibleName(QStringLiteral("Einstellung %1 verwenden").arg(nummer));
    fEinstellung[i] = new QPushButton(QStringLiteral("Einstellung &%1").arg(nummer), gruppe);
    fEinstellung[i]->setAutoDefault(false);
    connect(fEinstellung[i], &QPushButton::clicked, this,
            [this, nummer] { EinstellungZeigen(nummer); });
    raster->addWidget(fHaken[i], nummer - 1, 0);
    raster->addWidget(fEinstellung[i], nummer - 1, 1);
  }
  return gruppe;
}

// Font and margin of the printed sheet.
QWidget* TVertrDruckDialog::Druckbild() {
  const TDruckbild bild =
      DruckbildGruppe(fStandard.fVertrDruckFont, fStandard.fVertrDruckRand, this);
  fSchriftFeld = bild.schrift;
  fRand = bild.rand;
  return bild.gruppe;
}

QPushButton* TVertrDruckDialog::Ausgabe(const QString& text, TAusgabe TVertrDruckDialog::*ausgabe) {
  auto* knopf = new QPushButton(text, this);
  knopf->setAutoDefault(false);
  connect(knopf, &QPushButton::clicked, this, [this, ausgabe] {
    // The call may be replaced while it runs; it runs as it was when the button was pressed.
    const TAusgabe aufruf = this->*ausgabe;
    if (!aufruf) return;
    Uebernehmen();
    aufruf(Datum(), Zeilen());
  });
  return knopf;
}

QWidget* TVertrDruckDialog::Knoepfe() {
  auto* seite = new QWidget(this);
  auto* reihe = new QHBoxLayout(seite);
  reihe->setContentsMargins(0, 0, 0, 0);
  fDruckenKnopf = Ausgabe(QStringLiteral("&Drucken"), &TVertrDruckDialog::fDrucken);
  fAnsehenKnopf = Ausgabe(QStringLiteral("&Ansehen"), &TVertrDruckDialog::fAnsehen);
  fAlsHTMLKnopf = Ausgabe(QStringLiteral("als &HTML-Datei"), &TVertrDruckDialog::fAlsHTML);
  fHTML4Knopf = Ausgabe(QStringLiteral("HT&ML 4"), &TVertrDruckDialog::fHTML4);
  fSchliessenKnopf = new QPushButton(QStringLiteral("&Schließen"), seite);
  connect(fSchliessenKnopf, &QPushButton::clicked, this, &QDialog::accept);
  for (QPushButton* k : {fDruckenKnopf, fAnsehenKnopf, fAlsHTMLKnopf, fHTML4Knopf}) {
    reihe->addWidget(k);
  }
  reihe->addStretch();
  reihe->addWidget(fSchliessenKnopf);
  return seite;
}

void TVertrDruckDialog::KnoepfeAbgleichen() {
  fDruckenKnopf->setVisible(static_cast<bool>(fDrucken));
  fAnsehenKnopf->setVisible(static_cast<bool>(fAnsehen));
  fAlsHTMLKnopf->setVisible(static_cast<bool>(fAlsHTML));
  fHTML4Knopf->setVisible(static_cast<bool>(fHTML4));
  // Enter prints where printing is offered, and closes otherwise.
  fDruckenKnopf->setDefault(static_cast<bool>(fDrucken));
  fSchliessenKnopf->setDefault(!fDrucken);
}

void TVertrDruckDialog::showEvent(QShowEvent* ereignis) {
  KnoepfeAbgleichen();
  QDialog::showEvent(ereignis);
}

void TVertrDruckDialog::EinstellungZeigen(int i) {
  TVDEinstellungsDialog dialog(fStandard.fVDEinstellung[static_cast<std::size_t>(i - 1)], i, this);
  dialog.exec();
}

void TVertrDruckDialog::WochentagZeigen() {
  const int tag = orbato::Wochentag(Datum());
  fWochentag->setText(QtText(fStandard.fTagName[static_cast<std::size_t>(tag - 1)].str()));
}

TDatumZeit TVertrDruckDialog::Datum() const {
  const QDate d = fDatumFeld->date();
  return Mittag(KodiereDatum(d.year(), d.month(), d.day()).value_or(0));
}

std::vector<std::string> TVertrDruckDialog::Zeilen() const {
  QString text = fBemerkung->toPlainText();
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  std::vector<std::string> zeilen;
  if (text.isEmpty()) return zeilen;
  for (const QString& zeile : text.split(QLatin1Char('\n'))) zeilen.push_back(ModellText(zeile));
  return zeilen;
}

void TVertrDruckDialog::Uebernehmen() {
  for (std::size_t i = 0; i < fHaken.size(); ++i) fStandard.fVertrCheck[i] = fHaken[i]->isChecked();
  fStandard.fVMemo[0] = Zeilen();
  fStandard.fVertrDruckFont = fSchriftFeld->Schrift();
  fStandard.fVertrDruckRand = fRand->value();
}

void TVertrDruckDialog::accept() {
  Uebernehmen();
  QDialog::accept();
}

}  // namespace orbato
