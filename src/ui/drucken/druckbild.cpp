#include "ui/drucken/druckbild.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <algorithm>

#include "ui/bausteine/schriftfeld.h"

namespace orbato {

namespace {

constexpr int kGroessterRand = 10;

}  // namespace

TDruckbild DruckbildGruppe(const TSchrift& schrift, int rand, QWidget* eltern) {
  auto* gruppe = new QGroupBox(QStringLiteral("Ausdruck"), eltern);
  auto* raster = new QGridLayout(gruppe);
  auto* schriftFeld = new TSchriftFeld(schrift, gruppe);
  schriftFeld->setAutoDefault(false);
  auto* schriftName = new QLabel(QStringLiteral("Sch&rift"), gruppe);
  schriftName->setBuddy(schriftFeld);
  auto* randFeld = new QSpinBox(gruppe);
  randFeld->setRange(0, kGroessterRand);
  randFeld->setValue(std::clamp(rand, 0, kGroessterRand));
  auto* randName = new QLabel(QStringLiteral("Ra&nd [cm]"), gruppe);
  randName->setBuddy(randFeld);
  raster->addWidget(schriftName, 0, 0);
  raster->addWidget(schriftFeld, 0, 1);
  raster->addWidget(randName, 1, 0);
  raster->addWidget(randFeld, 1, 1);
  return {gruppe, schriftFeld, randFeld};
}

}  // namespace orbato
