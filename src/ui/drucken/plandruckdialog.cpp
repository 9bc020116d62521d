#include "ui/drucken/plandruckdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "model/dokument/schule.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "platform/qttext.h"
#include "print/druckarten.h"
#include "print/druckauftrag.h"
#include "print/plandruck.h"
#include "ui/bausteine/mehrfachwahl.h"
#include "ui/bausteine/schriftfeld.h"

namespace orbato {
namespace {

constexpr int kGroessterRand = 10;
constexpr int kBemLaenge = 81;
using D = TDruckEinstellung;

struct THaken {
  const char* text;  // UTF-8
  bool D::*feld;
};

// What each printout calls its window, its elements and the check boxes it has.
struct TArtText {
  const char* titel;
  const char* fuer;
  std::vector<THaken> haken;
  TDruckFunktion drucken;
};

std::vector<THaken> Teile(const char* erster, bool D::*ersterFeld, const char* dritter,
                          bool D::*dritterFeld, const char* statt, const char* alle) {
  return {{erster, ersterFeld},
          {"mit Fach", &D::Fa},
          {dritter, dritterFeld},
          {"mit Kopplung", &D::Ko},
          {statt, &D::Statt},
          {"mit Sperrungen", &D::Sperr},
          {"mit Fixierungen", &D::Fix},
          {"Kopplungen fett", &D::Fett},
          {alle, &D::Alle},
          {"mit Datum", &D::Datum},
          {"1 Seite pro Plan", &D::EineSeite},
          {"mit Farbe", &D::Farbe},
          {"alle Planversionen", &D::Versionen}};
}

std::vector<THaken> KopplungsHaken() {
  return {{"mit Kürzel", &D::MitKuerzel},    {"mit Sperrungen", &D::Sperr},
          {"mit Fixierungen", &D::Fix},      {"Kopplungen fett", &D::Fett},
          {"alle Kopplungspläne", &D::Alle}, {"mit Datum", &D::Datum},
          {"mit Farbe", &D::Farbe},          {"alle Planversionen", &D::Versionen}};
}

const TArtText& ArtText(TPlanDruckArt art) {
  static const std::array<TArtText, 5> texte = {{
      {"Lehrerpläne drucken", "für Lehrer",
       Teile("mit Klasse", &D::Kl, "mit Raum", &D::Ra, "Kopplung statt Klasse", "alle Lehrerpläne"),
       LehrerplaeneDrucken},
      {"Klassenpläne drucken", "für Klassen",
       Teile("mit Lehrer", &D::Le, "mit Raum", &D::Ra, "Kopplung statt Lehrer",
             "alle Klassenpläne"),
       KlassenplaeneDrucken},
      {"Raumpläne drucken", "für Räume",
       Teile("mit Klasse", &D::Kl, "mit Lehrer", &D::Le, "Kopplung statt Klasse", "alle Raumpläne"),
       RaumplaeneDrucken},
      {"Kopplungspläne für Lehrer drucken", "für Lehrer", KopplungsHaken(),
       KopplungsplaeneLehrerDrucken},
      {"Kopplungspläne für Klassen drucken", "für Klassen", KopplungsHaken(),
       KopplungsplaeneKlassenDrucken},
  }};
  return texte[static_cast<std::size_t>(art)];
}

QDateTime QtDatumZeit(TDatumZeit wert) {
  const TKalenderDatum d = DekodiereDatum(wert);
  const TUhrzeit z = DekodiereZeit(wert);
  return {QDate(d.Jahr, d.Monat, d.Tag), QTime(z.Stunde, z.Minute, z.Sekunde)};
}

TDatumZeit ModellDatumZeit(const QDateTime& wert) {
  const QDate d = wert.date();
  const QTime z = wert.time();
  return KodiereDatum(d.year(), d.month(), d.day()).value_or(0) +
         KodiereZeit(z.hour(), z.minute(), z.second()).value_or(0);
}

QComboBox* Auswahlliste(QWidget* eltern, const QStringList& texte, int32_t wert) {
  auto* liste = new QComboBox(eltern);
  liste->addItems(texte);
  liste->setCurrentIndex(std::clamp<int>(wert, 1, static_cast<int>(texte.size())) - 1);
  return liste;
}

}  // namespace

TDruckEinstellung& PlanDruckEinstellung(TStandard& standard, TPlanDruckArt art) {
  switch (art) {
    case TPlanDruckArt::Lehrer:
      return standard.fLPlnDruck;
    case TPlanDruckArt::Klassen:
      return standard.fKPlnDruck;
    case TPlanDruckArt::Raeume:
      return standard.fRPlnDruck;
    case TPlanDruckArt::KopplungenLehrer:
      return standard.fKoLePlnDruck;
    case TPlanDruckArt::KopplungenKlassen:
      break;
  }
  return standard.fKoKlPlnDruck;
}

TPlanDruckDialog::TPlanDruckDialog(TPlanDruckArt art, TStandard& standard, TSchule& schule,
                                   QWidget* eltern)
    : QDialog(eltern),
      fArt(art),
      fStandard(standard),
      fSchule(schule),
      fEinstellung(PlanDruckEinstellung(standard, art)) {
  setWindowTitle(QString::fromUtf8(ArtText(art).titel));
  fDrucken = [this](const TAufzeichnung& aufzeichnen) {
    DruckenNachDialog(parentWidget(), fSchule.Dialog(), aufzeichnen);
  };
  fAnsehen = [this](const TAufzeichnung& aufzeichnen) {
    DruckAnsehen(parentWidget(), fSchule.Dialog(), aufzeichnen);
  };
  auto* links = new QVBoxLayout;
  links->addWidget(Bereich());
  links->addWidget(Anordnung());
  links->addWidget(Raender());
  links->addStretch();
  auto* rechts = new QVBoxLayout;
  rechts->addWidget(Optionen());
  rechts->addWidget(SchriftUndAuswahl());
  rechts->addStretch();
  auto* mitte = new QHBoxLayout;
  mitte->addLayout(links);
  mitte->addLayout(rechts);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(mitte);
  layout->addWidget(Knoepfe());
}

bool TPlanDruckDialog::Kopplungsplan() const {
  return fArt == TPlanDruckArt::KopplungenLehrer || fArt == TPlanDruckArt::KopplungenKlassen;
}

// "von" and "bis", each a day and a period, and the remark line.
QWidget* TPlanDruckDialog::Bereich() {
  auto* gruppe = new QGroupBox(this);
  auto* raster = new QGridLayout(gruppe);
  QStringList tage, stunden;
  for (const auto& name : fStandard.fTagName) tage << QtText(name.str());
  const auto& bez = fStandard.fStdBez[static_cast<std::size_t>(
      std::clamp(fStandard.fAktuelleWoche, 1, fStandard.WochenZahl()) - 1)];
  for (const auto& b : bez) stunden << QtText(b.str());
  fVonTag = Auswahlliste(gruppe, tage, fEinstellung.VonTag);
  fVonStd = Auswahlliste(gruppe, stunden, fEinstellung.VonStd);
  fBisTag = Auswahlliste(gruppe, tage, fEinstellung.BisTag);
  fBisStd = Auswahlliste(gruppe, stunden, fEinstellung.BisStd);
  raster->addWidget(new QLabel(QStringLiteral("von"), gruppe), 0, 0);
  raster->addWidget(fVonTag, 0, 1);
  raster->addWidget(fVonStd, 0, 2);
  raster->addWidget(new QLabel(QStringLiteral("bis"), gruppe), 1, 0);
  raster->addWidget(fBisTag, 1, 1);
  raster->addWidget(fBisStd, 1, 2);
  fBemerkung = new QLineEdit(QtText(fEinstellung.Bem.str()), gruppe);
  fBemerkung->setMaxLength(kBemLaenge);
  auto* bemName = new QLabel(QStringLiteral("&Bemerkung"), gruppe);
  bemName->setBuddy(fBemerkung);
  raster->addWidget(bemName, 2, 0);
  raster->addWidget(fBemerkung, 2, 1, 1, 2);
  return gruppe;
}

// "Kürzelanordnung" (not for coupling plans) and "Reihenfolge".
QWidget* TPlanDruckDialog::Anordnung() {
  auto* seite = new QWidget(this);
  auto* reihe = new QHBoxLayout(seite);
  reihe->setContentsMargins(0, 0, 0, 0);
  const auto paar = [&](const QString& titel, const QString& a, const QString& b, bool zweites,
                        QRadioButton*& ersterKnopf, QRadioButton*& zweiterKnopf) {
    auto* gruppe = new QGroupBox(titel, seite);
    auto* spalte = new QVBoxLayout(gruppe);
    ersterKnopf = new QRadioButton(a, gruppe);
    zweiterKnopf = new QRadioButton(b, gruppe);
    (zweites ? zweiterKnopf : ersterKnopf)->setChecked(true);
    spalte->addWidget(ersterKnopf);
    spalte->addWidget(zweiterKnopf);
    reihe->addWidget(gruppe);
    return gruppe;
  };
  QWidget* kuerzel = paar(QString::fromUtf8("Kürzelanordnung"), QStringLiteral("nebeneinander"),
                          QStringLiteral("untereinander"), !fEinstellung.Neben, fNeben, fUnter);
  kuerzel->setVisible(!Kopplungsplan());
  paar(QStringLiteral("Reihenfolge"), QStringLiteral("Stunden links"), QStringLiteral("Tage links"),
       fEinstellung.Links, fStundenLinks, fTageLinks);
  return seite;
}

// The check boxes in two columns, and the date plans count as changed from.
QWidget* TPlanDruckDialog::Optionen() {
  auto* gruppe = new QGroupBox(this);
  auto* raster = new QGridLayout(gruppe);
  const std::vector<THaken>& haken = ArtText(fArt).haken;
  const int zeilen = static_cast<int>(haken.size() + 1) / 2;
  for (std::size_t i = 0; i < haken.size(); ++i) {
    auto* feld = new QCheckBox(QString::fromUtf8(haken[i].text), gruppe);
    feld->setChecked(fEinstellung.*haken[i].feld);
    const int nr = static_cast<int>(i);
    raster->addWidget(feld, nr % zeilen, nr / zeilen);
    fHaken.emplace_back(feld, haken[i].feld);
  }
  fAb = new QDateTimeEdit(QtDatumZeit(fEinstellung.Ab), gruppe);
  fAb->setDisplayFormat(QStringLiteral("dd.MM.yyyy hh:mm"));
  fAb->setCalendarPopup(true);
  auto* abName = new QLabel(QString::fromUtf8("geändert a&b"), gruppe);
  abName->setBuddy(fAb);
  raster->addWidget(abName, zeilen, 0);
  raster->addWidget(fAb, zeilen, 1);
  return gruppe;
}

QWidget* TPlanDruckDialog::Raender() {
  auto* gruppe = new QGroupBox(QStringLiteral("Rand [cm]"), this);
  auto* raster = new QGridLayout(gruppe);
  const std::array<const char*, 4> namen = {"links", "rechts", "oben", "unten"};
  const std::array<int32_t, 4> werte = {fEinstellung.RandLi, fEinstellung.RandRe,
                                        fEinstellung.RandOb, fEinstellung.RandUn};
  for (std::size_t i = 0; i < namen.size(); ++i) {
    fRand[i] = new QSpinBox(gruppe);
    fRand[i]->setRange(0, kGroessterRand);
    fRand[i]->setValue(std::clamp(werte[i], 0, kGroessterRand));
    auto* name = new QLabel(QString::fromLatin1(namen[i]), gruppe);
    name->setBuddy(fRand[i]);
    const int nr = static_cast<int>(i);
    raster->addWidget(name, nr / 2, nr % 2 * 2);
    raster->addWidget(fRand[i], nr / 2, nr % 2 * 2 + 1);
  }
  return gruppe;
}

// The font, and the elements printed: "alle" or their short names.
QWidget* TPlanDruckDialog::SchriftUndAuswahl() {
  auto* gruppe = new QGroupBox(this);
  auto* raster = new QGridLayout(gruppe);
  fSchriftFeld = new TSchriftFeld(fEinstellung.Font, gruppe);
  fSchriftFeld->setAutoDefault(false);
  raster->addWidget(new QLabel(QStringLiteral("Schrift"), gruppe), 0, 0);
  raster->addWidget(fSchriftFeld, 0, 1);
  raster->addWidget(new QLabel(QString::fromUtf8(ArtText(fArt).fuer), gruppe), 1, 0);
  fAuswahlFeld = new QLabel(gruppe);
  fAuswahlFeld->setWordWrap(true);
  raster->addWidget(fAuswahlFeld, 2, 0, 1, 2);
  AuswahlZeigen();
  return gruppe;
}

QWidget* TPlanDruckDialog::Knoepfe() {
  auto* seite = new QWidget(this);
  auto* reihe = new QHBoxLayout(seite);
  reihe->setContentsMargins(0, 0, 0, 0);
  fOk = new QPushButton(QStringLiteral("Ok"), seite);
  fOk->setDefault(true);
  connect(fOk, &QPushButton::clicked, this, &TPlanDruckDialog::accept);
  fAnsehenKnopf = new QPushButton(QStringLiteral("&Ansehen"), seite);
  fAnsehenKnopf->setAutoDefault(false);
  connect(fAnsehenKnopf, &QPushButton::clicked, this, [this] {
    Uebernehmen();
    if (fAnsehen) fAnsehen(Aufzeichnung());
  });
  fAuswahlKnopf = new QPushButton(QStringLiteral("Aus&wahl"), seite);
  fAuswahlKnopf->setAutoDefault(false);
  connect(fAuswahlKnopf, &QPushButton::clicked, this, [this] { Waehlen(); });
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), seite);
  abbrechen->setAutoDefault(false);
  connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
  for (QPushButton* k : {fOk, fAnsehenKnopf, fAuswahlKnopf, abbrechen}) reihe->addWidget(k);
  return seite;
}

QCheckBox* TPlanDruckDialog::Haken(const QString& text) const {
  for (const auto& [feld, option] : fHaken) {
    if (feld->text() == text) return feld;
  }
  return nullptr;
}

std::vector<const TPlanElement*> TPlanDruckDialog::Angebot() const {
  std::vector<const TPlanElement*> elemente;
  const auto alle = [&elemente](const auto& menge) {
    for (const TPlanElement* e : menge) elemente.push_back(e);
  };
  switch (fArt) {
    case TPlanDruckArt::Lehrer:
    case TPlanDruckArt::KopplungenLehrer:
      alle(fSchule.fLehrerMenge);
      break;
    case TPlanDruckArt::Klassen:
    case TPlanDruckArt::KopplungenKlassen:
      alle(fSchule.fKlassenMenge);
      break;
    case TPlanDruckArt::Raeume:
      alle(fSchule.fRaumMenge);
      break;
  }
  return elemente;
}

// None chosen, or the choice cancelled, prints the whole list.
void TPlanDruckDialog::Waehlen() {
  const std::vector<const TPlanElement*> angebot = Angebot();
  QStringList kuerzel;
  for (const TPlanElement* e : angebot) kuerzel << QtText(e->fKuerzel.str());
  const std::vector<int> gewaehlt =
      fWaehlen ? fWaehlen(kuerzel) : MehrfachWahl(this, QStringLiteral("Auswahl"), kuerzel);
  fAuswahl.clear();
  for (int i : gewaehlt) {
    if (i >= 0 && i < static_cast<int>(angebot.size())) {
      fAuswahl.push_back(angebot[static_cast<std::size_t>(i)]);
    }
  }
  AuswahlZeigen();
}

void TPlanDruckDialog::AuswahlZeigen() {
  QStringList kuerzel;
  for (const TPlanElement* e : fAuswahl) kuerzel << QtText(e->fKuerzel.str());
  fAuswahlFeld->setText(kuerzel.isEmpty() ? QStringLiteral("alle")
                                          : kuerzel.join(QLatin1Char(' ')));
}

void TPlanDruckDialog::Uebernehmen() {
  TDruckEinstellung& e = fEinstellung;
  e.VonTag = fVonTag->currentIndex() + 1;
  e.VonStd = fVonStd->currentIndex() + 1;
  e.BisTag = fBisTag->currentIndex() + 1;
  e.BisStd = fBisStd->currentIndex() + 1;
  e.Bem = ModellText(fBemerkung->text());
  if (!Kopplungsplan()) e.Neben = fNeben->isChecked();
  e.Links = fTageLinks->isChecked();
  for (const auto& [feld, option] : fHaken) e.*option = feld->isChecked();
  e.Ab = ModellDatumZeit(fAb->dateTime());
  e.RandLi = fRand[0]->value();
  e.RandRe = fRand[1]->value();
  e.RandOb = fRand[2]->value();
  e.RandUn = fRand[3]->value();
  e.Font = fSchriftFeld->Schrift();
}

TAufzeichnung TPlanDruckDialog::Aufzeichnung() const {
  const TDruckFunktion drucken = ArtText(fArt).drucken;
  return [drucken, &schule = fSchule, &standard = fStandard,
          auswahl = fAuswahl](TPrevPrinter& drucker) {
    drucken(drucker, TDruckAuftrag{schule, standard, auswahl, 0, {}, {}});
  };
}

void TPlanDruckDialog::accept() {
  Uebernehmen();
  QDialog::accept();
  if (fDrucken) fDrucken(Aufzeichnung());
}

}  // namespace orbato
