#include "ui/voreinstellungen/optimiergewichte.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <string>

#include "model/schnittstellen/dialoge.h"

namespace orbato {
namespace {

using O = TOptimierEinstellungen;

// The ranges the settings store keeps the values in.
constexpr int kGewichtMax = 10000;
constexpr int kStundenMax = 16;

}  // namespace

TOptGewichteForm::TOptGewichteForm(Dialoge& dialoge, TStandard& standard, QWidget* eltern)
    : TVoreinstellungsDialog(QStringLiteral("Optimieren - Gewichte"), eltern),
      fDialoge(dialoge),
      fStandard(standard) {
  Formular()->addRow(new QLabel(QStringLiteral("Punkte je Fall:"), this));
  Gewicht("Hohlstunde einer Klasse", "klassenLuecke", &O::fKlassenLuecke, 0, kGewichtMax);
  Gewicht("später Beginn einer Vollzeitklasse", "spaeterBeginn", &O::fSpaeterBeginn, 0,
          kGewichtMax);
  Gewicht("Springstunde eines Lehrers", "lehrerLuecke", &O::fLehrerLuecke, 0, kGewichtMax);
  Gewicht("je Springstunde des Lehrers mit den meisten", "schlechtesterLehrer",
          &O::fSchlechtesterLehrer, 0, kGewichtMax);
  Gewicht("Fach zweimal am Tag", "fachDoppelt", &O::fFachDoppelt, 0, kGewichtMax);
  Gewicht("Klassentag außerhalb der Grenzen (je Stunde)", "klassenTag", &O::fKlassenTag, 0,
          kGewichtMax);
  Gewicht("Lehrertag außerhalb der Grenzen (je Stunde)", "lehrerTag", &O::fLehrerTag, 0,
          kGewichtMax);
  Gewicht("freier Tag nicht erfüllt", "freierTag", &O::fFreierTag, 0, kGewichtMax);
  Gewicht("Rang der Zelle in der Bewertungstabelle", "rang", &O::fRang, 0, kGewichtMax);
  Formular()->addRow(new QLabel(QStringLiteral("Grenzen:"), this));
  Gewicht("Vollzeitklasse ab Wochenstunden", "vollzeitAb", &O::fVollzeitAb, 0, 112);
  Grenzen("Stunden einer Klasse am Tag: mindestens / höchstens", "klasse", &O::fKlasseMin,
          &O::fKlasseMax);
  Grenzen("Stunden eines Lehrers am Tag: mindestens / höchstens", "lehrer", &O::fLehrerMin,
          &O::fLehrerMax);
  Gewicht("längste Laufzeit in Sekunden", "sekunden", &O::fSekunden, 1, 3600);
  Fuellen(standard.fOptimieren);

  QPushButton* vorgabe =
      Knoepfe()->addButton(QStringLiteral("Standard"), QDialogButtonBox::ResetRole);
  vorgabe->setAutoDefault(false);
  connect(vorgabe, &QPushButton::clicked, this, [this] { Fuellen(TOptimierEinstellungen{}); });
}

QSpinBox* TOptGewichteForm::Feld(const char* name, int32_t O::*wert, int von, int bis) {
  auto* feld = new QSpinBox(this);
  feld->setObjectName(QString::fromLatin1(name));
  feld->setRange(von, bis);
  fFelder.push_back({feld, wert});
  return feld;
}

void TOptGewichteForm::Gewicht(const char* beschriftung, const char* name, int32_t O::*wert,
                               int von, int bis) {
  Formular()->addRow(QString::fromUtf8(beschriftung), Feld(name, wert, von, bis));
}

void TOptGewichteForm::Grenzen(const char* beschriftung, const char* name, int32_t O::*min,
                               int32_t O::*max) {
  auto* reihe = new QWidget(this);
  auto* layout = new QHBoxLayout(reihe);
  layout->setContentsMargins(0, 0, 0, 0);
  const std::string n(name);
  layout->addWidget(Feld((n + "Min").c_str(), min, 0, kStundenMax));
  layout->addWidget(Feld((n + "Max").c_str(), max, 1, kStundenMax));
  Formular()->addRow(QString::fromUtf8(beschriftung), reihe);
}

void TOptGewichteForm::Fuellen(const TOptimierEinstellungen& werte) {
  for (const TFeld& f : fFelder) f.feld->setValue(werte.*f.wert);
}

bool TOptGewichteForm::GrenzenPassen(const char* wessen, QSpinBox* min, QSpinBox* max) {
  if (min->value() <= max->value()) return true;
  fDialoge.Nachricht("Optimieren - Gewichte",
                     {std::string("Stunden ") + wessen + " am Tag:",
                      "mindestens darf nicht gr\xF6\xDF"
                      "er sein als h\xF6"
                      "chstens."},
                     TMeldungsArt::Warnung);
  min->setFocus();
  min->selectAll();
  return false;
}

void TOptGewichteForm::accept() {
  const auto feld = [this](const char* name) {
    return findChild<QSpinBox*>(QString::fromLatin1(name));
  };
  if (!GrenzenPassen("einer Klasse", feld("klasseMin"), feld("klasseMax")) ||
      !GrenzenPassen("eines Lehrers", feld("lehrerMin"), feld("lehrerMax"))) {
    return;
  }
  for (const TFeld& f : fFelder) fStandard.fOptimieren.*f.wert = f.feld->value();
  QDialog::accept();
}

}  // namespace orbato
