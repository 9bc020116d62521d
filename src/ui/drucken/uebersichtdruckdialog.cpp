#include "ui/drucken/uebersichtdruckdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "model/dokument/schule.h"
#include "platform/qttext.h"
#include "print/druckauftrag.h"
#include "print/uebersichtdruck.h"
#include "ui/bausteine/schriftfeld.h"

namespace orbato {
namespace {

constexpr int kGroessterRand = 10;

struct TOption {
  const char* text;  // UTF-8
  bool TDruckEinstellung::*wert;
};
using D = TDruckEinstellung;

// The ticks each overview keeps, in the order of its settings.
std::vector<TOption> Optionen(TUebersichtArt art) {
  const std::vector<TOption> darstellung = {
      {"mit Sperrungen", &D::Sperr}, {"mit Fixierungen", &D::Fix}, {"Kopplungen fett", &D::Fett}};
  std::vector<TOption> optionen;
  switch (art) {
    case TUebersichtArt::Lehrer:
      optionen = {{"mit Klasse", &D::Kl},
                  {"mit Fach", &D::Fa},
                  {"mit Raum", &D::Ra},
                  {"mit Kopplung", &D::Ko},
                  {"Kopplung statt Klasse", &D::Statt}};
      break;
    case TUebersichtArt::Klassen:
      optionen = {{"mit Lehrer", &D::Le},
                  {"mit Fach", &D::Fa},
                  {"mit Raum", &D::Ra},
                  {"mit Kopplung", &D::Ko},
                  {"Kopplung statt Lehrer", &D::Statt}};
      break;
    case TUebersichtArt::Raeume:
      optionen = {{"mit Klasse", &D::Kl},
                  {"mit Fach", &D::Fa},
                  {"mit Lehrer", &D::Le},
                  {"mit Kopplung", &D::Ko},
                  {"Kopplung statt Klasse", &D::Statt}};
      break;
    case TUebersichtArt::Faecher:
      return {{"mit Kursen", &D::Ku},   {"mit Lehrer", &D::Na},
              {"mit Klasse", &D::Kl},   {"mit Raum", &D::Ra},
              {"mit Kopplung", &D::Ko}, {"Kopplung statt Klasse", &D::Statt},
              {"mit Datum", &D::Datum}};
    case TUebersichtArt::Kombination:
      optionen = darstellung;
      optionen.push_back({"mit Datum", &D::Datum});
      optionen.push_back({"mit Farbe", &D::Farbe});
      optionen.push_back({"untereinander", &D::Un});
      return optionen;
  }
  optionen.insert(optionen.end(), darstellung.begin(), darstellung.end());
  optionen.push_back({"mit Farbe", &D::Farbe});
  optionen.push_back({"untereinander", &D::Un});
  return optionen;
}

}  // namespace

QString UebersichtDruckTitel(TUebersichtArt art) {
  switch (art) {
    case TUebersichtArt::Lehrer:
      return QStringLiteral("Lehrerübersicht drucken");
    case TUebersichtArt::Klassen:
      return QStringLiteral("Klassenübersicht drucken");
    case TUebersichtArt::Raeume:
      return QStringLiteral("Raumübersicht drucken");
    case TUebersichtArt::Faecher:
      return QStringLiteral("Fächerübersicht drucken");
    case TUebersichtArt::Kombination:
      break;
  }
  return QStringLiteral("Kopplungsübersicht drucken");
}

TUebersichtDruckDialog::TUebersichtDruckDialog(TUebersichtArt art, TSchule& schule,
                                               TStandard& standard, QWidget* eltern)
    : QDialog(eltern),
      fDrucken([](QWidget* w, Dialoge& d, const TAufzeichnung& a) { DruckenNachDialog(w, d, a); }),
      fAnsehen(DruckAnsehen),
      fArt(art),
      fSchule(schule),
      fStandard(standard),
      fEinst(UebersichtEinstellung(standard, art)) {
  setWindowTitle(UebersichtDruckTitel(art));
  auto* layout = new QVBoxLayout(this);
  if (art != TUebersichtArt::Faecher) layout->addWidget(Bereich());
  auto* bemName = new QLabel(QStringLiteral("&Bemerkung"), this);
  fBemerkung = new QLineEdit(QtText(fEinst.Bem.str()), this);
  fBemerkung->setMaxLength(static_cast<int>(TBemString::Kapazitaet));
  bemName->setBuddy(fBemerkung);
  layout->addWidget(bemName);
  layout->addWidget(fBemerkung);
  auto* mitte = new QHBoxLayout;
  mitte->addWidget(Inhalt());
  mitte->addWidget(Druckbild());
  layout->addLayout(mitte);
  layout->addWidget(Knoepfe());
  TeileAbgleichen();
}

QComboBox* TUebersichtDruckDialog::Auswahl(QWidget* eltern, const QStringList& texte,
                                           int32_t wert) {
  auto* feld = new QComboBox(eltern);
  feld->addItems(texte);
  feld->setCurrentIndex(std::clamp(wert, 1, static_cast<int32_t>(texte.size())) - 1);
  return feld;
}

// "von" and "bis", each a day of the school's week and a period of the current version.
QWidget* TUebersichtDruckDialog::Bereich() {
  auto* gruppe = new QGroupBox(QStringLiteral("Bereich"), this);
  auto* raster = new QGridLayout(gruppe);
  QStringList tage, stunden;
  for (int32_t t = 0; t < std::clamp(fStandard.fMaxTageNeu, 1, kMaxTage); ++t) {
    tage << QtText(fStandard.fTagBez[static_cast<std::size_t>(t)].str());
  }
  const int32_t woche = std::clamp(fStandard.fAktuelleWoche, 1, kMaxWochen);
  const auto& bez = fStandard.fStdBez[static_cast<std::size_t>(woche - 1)];
  for (int32_t s = 0; s < std::clamp(fStandard.fPlnStd, 1, kMaxStunden); ++s) {
    stunden << QtText(bez[static_cast<std::size_t>(s)].str()).trimmed();
  }
  fVonTag = Auswahl(gruppe, tage, fEinst.VonTag);
  fVonStd = Auswahl(gruppe, stunden, fEinst.VonStd);
  fBisTag = Auswahl(gruppe, tage, fEinst.BisTag);
  fBisStd = Auswahl(gruppe, stunden, fEinst.BisStd);
  auto* von = new QLabel(QStringLiteral("&von"), gruppe);
  von->setBuddy(fVonTag);
  auto* bis = new QLabel(QStringLiteral("b&is"), gruppe);
  bis->setBuddy(fBisTag);
  raster->addWidget(von, 0, 0);
  raster->addWidget(fVonTag, 0, 1);
  raster->addWidget(fVonStd, 0, 2);
  raster->addWidget(bis, 1, 0);
  raster->addWidget(fBisTag, 1, 1);
  raster->addWidget(fBisStd, 1, 2);
  raster->setColumnStretch(3, 1);
  return gruppe;
}

QWidget* TUebersichtDruckDialog::Inhalt() {
  auto* gruppe = new QGroupBox(QStringLiteral("Inhalt"), this);
  auto* spalte = new QVBoxLayout(gruppe);
  for (const TOption& o : Optionen(fArt)) {
    auto* feld = new QCheckBox(QString::fromUtf8(o.text), gruppe);
    feld->setChecked(fEinst.*o.wert);
    spalte->addWidget(feld);
    fHaken.push_back({feld, o.wert});
  }
  if (QCheckBox* kurse = Haken(QStringLiteral("mit Kursen"))) {
    connect(kurse, &QCheckBox::toggled, this, [this] { TeileAbgleichen(); });
  }
  spalte->addStretch();
  return gruppe;
}

// The margins in whole centimetres, and the font below.
QWidget* TUebersichtDruckDialog::Druckbild() {
  auto* seite = new QWidget(this);
  auto* spalte = new QVBoxLayout(seite);
  spalte->setContentsMargins(0, 0, 0, 0);
  auto* gruppe = new QGroupBox(QStringLiteral("Rand [cm]"), seite);
  auto* raster = new QGridLayout(gruppe);
  const auto rand = [&](const QString& name, int32_t wert) {
    auto* feld = new QSpinBox(gruppe);
    feld->setRange(0, kGroessterRand);
    feld->setValue(std::clamp(wert, 0, kGroessterRand));
    const int zeile = static_cast<int>(fRaender.size());
    if (!name.isEmpty()) {
      auto* beschriftung = new QLabel(name, gruppe);
      beschriftung->setBuddy(feld);
      raster->addWidget(beschriftung, zeile, 0);
    }
    raster->addWidget(feld, zeile, 1);
    fRaender.push_back(feld);
  };
  if (fArt == TUebersichtArt::Faecher) {
    rand({}, fEinst.Rand);
  } else {
    rand(QStringLiteral("links"), fEinst.RandLi);
    rand(QStringLiteral("rechts"), fEinst.RandRe);
    rand(QStringLiteral("oben"), fEinst.RandOb);
    rand(QStringLiteral("unten"), fEinst.RandUn);
  }
  auto* schriftGruppe = new QGroupBox(QStringLiteral("Schrift"), seite);
  auto* reihe = new QHBoxLayout(schriftGruppe);
  fSchriftFeld = new TSchriftFeld(fEinst.Font, schriftGruppe);
  fSchriftFeld->setAutoDefault(false);
  reihe->addWidget(fSchriftFeld);
  spalte->addWidget(gruppe);
  spalte->addWidget(schriftGruppe);
  spalte->addStretch();
  return seite;
}

QWidget* TUebersichtDruckDialog::Knoepfe() {
  auto* seite = new QWidget(this);
  auto* reihe = new QHBoxLayout(seite);
  reihe->setContentsMargins(0, 0, 0, 0);
  auto* ok = new QPushButton(QStringLiteral("Ok"), seite);
  ok->setDefault(true);
  auto* ansehen = new QPushButton(QStringLiteral("&Ansehen"), seite);
  ansehen->setAutoDefault(false);
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), seite);
  abbrechen->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, [this] {
    Uebernehmen();
    accept();
    Ausgeben(fDrucken, parentWidget());
  });
  connect(ansehen, &QPushButton::clicked, this, [this] {
    Uebernehmen();
    Ausgeben(fAnsehen, this);
  });
  connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
  reihe->addStretch();
  reihe->addWidget(ok);
  reihe->addWidget(ansehen);
  reihe->addWidget(abbrechen);
  return seite;
}

void TUebersichtDruckDialog::Ausgeben(const TAusgabe& ausgabe, QWidget* eltern) {
  // The call may replace itself while it runs; it runs as it was when the button was pressed.
  const TAusgabe aufruf = ausgabe;
  if (aufruf) aufruf(eltern, fSchule.Dialog(), Aufzeichnung());
}

// Without "mit Kursen" a cell only counts the courses, so their parts have nothing to show.
void TUebersichtDruckDialog::TeileAbgleichen() {
  const QCheckBox* kurse = Haken(QStringLiteral("mit Kursen"));
  if (kurse == nullptr) return;
  for (const THaken& h : fHaken) {
    if (h.feld != kurse && h.wert != &D::Datum) h.feld->setEnabled(kurse->isChecked());
  }
}

QCheckBox* TUebersichtDruckDialog::Haken(const QString& text) const {
  for (const THaken& h : fHaken) {
    if (h.feld->text() == text) return h.feld;
  }
  return nullptr;
}

QStringList TUebersichtDruckDialog::HakenTexte() const {
  QStringList texte;
  for (const THaken& h : fHaken) texte << h.feld->text();
  return texte;
}

void TUebersichtDruckDialog::Uebernehmen() {
  if (fVonTag) {
    fEinst.VonTag = fVonTag->currentIndex() + 1;
    fEinst.VonStd = fVonStd->currentIndex() + 1;
    fEinst.BisTag = fBisTag->currentIndex() + 1;
    fEinst.BisStd = fBisStd->currentIndex() + 1;
  }
  fEinst.Bem = ModellText(fBemerkung->text());
  for (const THaken& h : fHaken) fEinst.*h.wert = h.feld->isChecked();
  if (fArt == TUebersichtArt::Faecher) {
    fEinst.Rand = fRaender[0]->value();
  } else {
    fEinst.RandLi = fRaender[0]->value();
    fEinst.RandRe = fRaender[1]->value();
    fEinst.RandOb = fRaender[2]->value();
    fEinst.RandUn = fRaender[3]->value();
  }
  fEinst.Font = fSchriftFeld->Schrift();
}

TAufzeichnung TUebersichtDruckDialog::Aufzeichnung() const {
  const TSchule& schule = fSchule;
  const TStandard& standard = fStandard;
  const TDruckFunktion drucken = UebersichtDrucken(fArt);
  return [&schule, &standard, drucken](TPrevPrinter& drucker) {
    drucken(drucker, TDruckAuftrag{schule, standard, {}, 0, {}, {}});
  };
}

}  // namespace orbato
