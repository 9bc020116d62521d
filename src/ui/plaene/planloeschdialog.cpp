#include "ui/plaene/planloeschdialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/elemente/element.h"
#include "platform/qttext.h"
#include "ui/bausteine/dialogknoepfe.h"
#include "ui/bausteine/wartezeiger.h"
#include "ui/hauptfenster/menuedaten.h"
#include "ui/stammdaten/sperrraster.h"

namespace orbato {

TPlLoeschForm::TPlLoeschForm(TSchule& schule, const TStandard& standard, QWidget* eltern)
    : QDialog(eltern),
      fLoeschung(schule),
      fArten(new QButtonGroup(this)),
      fVon(new QPushButton(QStringLiteral("von"))),
      fBis(new QPushButton(QStringLiteral("bis"))),
      fVonText(new QLabel),
      fBisText(new QLabel),
      fMitKopplungen(new QCheckBox(QStringLiteral("mit Kopplungen"))),
      fOhneFixierte(new QCheckBox(QStringLiteral("ohne fixierte Std."))),
      fRaster(new TSperrRaster(standard)) {
  setWindowTitle(QStringLiteral("Pläne löschen"));
  auto* spalten = new QHBoxLayout(this);
  auto* links = new QVBoxLayout;
  spalten->addLayout(links);
  links->addWidget(ArtGruppe());
  fMitKopplungen->setChecked(fLoeschung.MitKopplungen());
  fOhneFixierte->setChecked(fLoeschung.OhneFixierte());
  connect(fMitKopplungen, &QCheckBox::toggled, this,
          [this](bool an) { fLoeschung.SetzeMitKopplungen(an); });
  connect(fOhneFixierte, &QCheckBox::toggled, this,
          [this](bool an) { fLoeschung.SetzeOhneFixierte(an); });
  links->addWidget(fMitKopplungen);
  links->addWidget(fOhneFixierte);
  links->addStretch();
  auto* knoepfe = OkAbbrechen(this);
  knoepfe->setOrientation(Qt::Vertical);
  links->addWidget(knoepfe);

  auto* stunden = new QGroupBox(QStringLiteral("zu löschende Stunden"));
  auto* rahmen = new QVBoxLayout(stunden);
  rahmen->addWidget(fRaster);
  spalten->addWidget(stunden);
  fRaster->fGezogen = [this](int32_t vonTag, int32_t vonStd, int32_t bisTag, int32_t bisStd) {
    fLoeschung.Ziehen(vonTag, vonStd, bisTag, bisStd);
    RasterZeigen();
  };

  fMenuZeigen = [](TMenu& menu, QWidget* knopf) { MenuUnterKnopf(menu, knopf); };
  const auto bereichsMenu = [this](bool von) {
    TMenu menu = von ? fLoeschung.VonMenu() : fLoeschung.BisMenu();
    NachJedemBefehl(menu, [this] { BereichZeigen(); });
    fMenuZeigen(menu, von ? fVon : fBis);
  };
  connect(fVon, &QPushButton::clicked, this, [bereichsMenu] { bereichsMenu(true); });
  connect(fBis, &QPushButton::clicked, this, [bereichsMenu] { bereichsMenu(false); });
  BereichZeigen();
  RasterZeigen();
}

// "Stunden löschen": the six kinds, then "von" and "bis" with the elements chosen.
QWidget* TPlLoeschForm::ArtGruppe() {
  auto* gruppe = new QGroupBox(QStringLiteral("Stunden löschen"));
  auto* raster = new QGridLayout(gruppe);
  const char* const texte[] = {"in allenPlänen", "für Lehrer", "für Klassen",
                               "für Kopplungen", "für Fächer", "für Räume"};
  for (int art = inAllenPlaenen; art <= fuerRaeume; ++art) {
    auto* knopf = new QRadioButton(QString::fromUtf8(texte[art]));
    fArten->addButton(knopf, art);
    raster->addWidget(knopf, art, 0, 1, 2);
  }
  fArten->button(fLoeschung.Art())->setChecked(true);
  connect(fArten, &QButtonGroup::idToggled, this, [this](int art, bool an) {
    if (!an) return;
    fLoeschung.SetzeArt(static_cast<TPlLoeschArt>(art));
    BereichZeigen();
  });
  raster->addWidget(fVon, 6, 0);
  raster->addWidget(fVonText, 6, 1);
  raster->addWidget(fBis, 7, 0);
  raster->addWidget(fBisText, 7, 1);
  return gruppe;
}

QRadioButton* TPlLoeschForm::ArtKnopf(TPlLoeschArt art) const {
  return qobject_cast<QRadioButton*>(fArten->button(art));
}

QString TPlLoeschForm::VonText() const {
  return fVonText->text();
}

QString TPlLoeschForm::BisText() const {
  return fBisText->text();
}

void TPlLoeschForm::BereichZeigen() {
  const bool waehlbar = fLoeschung.BereichWaehlbar();
  fVon->setEnabled(waehlbar);
  fBis->setEnabled(waehlbar);
  fVonText->setText(QtText(KuerzelVon(fLoeschung.fVonElement)));
  fBisText->setText(QtText(KuerzelVon(fLoeschung.fBisElement)));
}

void TPlLoeschForm::RasterZeigen() {
  fRaster->Anzeigen(fLoeschung.Zellen(), fKeineBesetzung, Qt::white);
}

void TPlLoeschForm::accept() {
  {
    TWarteZeiger warten;
    fLoeschung.Loeschen();
  }
  QDialog::accept();
}

}  // namespace orbato
