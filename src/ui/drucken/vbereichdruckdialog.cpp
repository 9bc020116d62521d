#include "ui/drucken/vbereichdruckdialog.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "model/dokument/schule.h"
#include "model/vertretung/kalender.h"
#include "print/druckauftrag.h"
#include "print/vertretungsdruck.h"
#include "ui/bausteine/datumsfeld.h"
#include "ui/bausteine/dialogknoepfe.h"
#include "ui/bausteine/schriftfeld.h"

namespace orbato {
namespace {

constexpr int kGroessterRand = 10;

struct TBeschreibung {
  TVBereichDruck art;
  const char* eintrag;
  const char* titel;
  void (*aufzeichnen)(TPrevPrinter&, const TDruckAuftrag&);
};

const TBeschreibung kBeschreibungen[] = {
    {TVBereichDruck::Vertretungsstunden, "Vertretungsstunden...", "Vertretungsstunden drucken",
     VertretungsstundenDrucken},
    {TVBereichDruck::UebersichtLehrer, "Vertretungsübersicht für Lehrer...",
     "Vertretungsübersicht für Lehrer drucken", VertretungsuebersichtLehrerDrucken},
    {TVBereichDruck::UebersichtKlassen, "Vertretungsübersicht für Klassen...",
     "Vertretungsübersicht für Klassen drucken", VertretungsuebersichtKlassenDrucken},
};

const TBeschreibung& Beschreibung(TVBereichDruck art) {
  return kBeschreibungen[static_cast<std::size_t>(art)];
}

// A day never stored stands for today.
TDatumZeit OderHeute(TDatumZeit datum) {
  return datum > 0 ? datum : HeuteMittag();
}

QLabel* Name(const QString& text, QWidget* feld, QWidget* eltern) {
  auto* name = new QLabel(text, eltern);
  name->setBuddy(feld);
  return name;
}

}  // namespace

const TVBereichDruck* VBereichDruckZuEintrag(const QString& eintrag) {
  for (const TBeschreibung& b : kBeschreibungen) {
    if (eintrag == QString::fromUtf8(b.eintrag)) return &b.art;
  }
  return nullptr;
}

TVBereichDruckDialog::TVBereichDruckDialog(TVBereichDruck art, TSchule& schule, TStandard& standard,
                                           QWidget* eltern)
    : QDialog(eltern), fArt(art), fSchule(schule), fStandard(standard) {
  fDrucken = [](QWidget* e, Dialoge& d, const TAufzeichnung& a) { DruckenNachDialog(e, d, a); };
  fAnsehen = DruckAnsehen;
  setWindowTitle(QString::fromUtf8(Beschreibung(art).titel));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Bereich());
  layout->addWidget(Druckbild());
  layout->addWidget(Knoepfe());
}

TSchrift& TVBereichDruckDialog::Schrift() const {
  return fArt == TVBereichDruck::Vertretungsstunden ? fStandard.fVStdDruckFont
                                                    : fStandard.fVUebDruck.Font;
}

int32_t& TVBereichDruckDialog::RandWert() const {
  return fArt == TVBereichDruck::Vertretungsstunden ? fStandard.fVStdDruckRand
                                                    : fStandard.fVUebDruck.Rand;
}

TDatumZeit& TVBereichDruckDialog::VonWert() const {
  return fArt == TVBereichDruck::Vertretungsstunden ? fStandard.fVStdDruckVon
                                                    : fStandard.fVUebDruckVon;
}

TDatumZeit& TVBereichDruckDialog::BisWert() const {
  return fArt == TVBereichDruck::Vertretungsstunden ? fStandard.fVStdDruckBis
                                                    : fStandard.fVUebDruckBis;
}

QWidget* TVBereichDruckDialog::Bereich() {
  auto* gruppe = new QGroupBox(QStringLiteral("Zeitraum"), this);
  auto* raster = new QGridLayout(gruppe);
  fVon = DatumsFeld(OderHeute(VonWert()), gruppe);
  fBis = DatumsFeld(OderHeute(BisWert()), gruppe);
  raster->addWidget(Name(QStringLiteral("&von"), fVon, gruppe), 0, 0);
  raster->addWidget(fVon, 0, 1);
  raster->addWidget(Name(QStringLiteral("&bis"), fBis, gruppe), 1, 0);
  raster->addWidget(fBis, 1, 1);
  // The range never runs backwards.
  connect(fVon, &QDateEdit::dateChanged, this, [this](const QDate& von) {
    if (fBis->date() < von) fBis->setDate(von);
  });
  connect(fBis, &QDateEdit::dateChanged, this, [this](const QDate& bis) {
    if (fVon->date() > bis) fVon->setDate(bis);
  });
  return gruppe;
}

QWidget* TVBereichDruckDialog::Druckbild() {
  auto* gruppe = new QGroupBox(QStringLiteral("Ausdruck"), this);
  auto* raster = new QGridLayout(gruppe);
  fSchriftFeld = new TSchriftFeld(Schrift(), gruppe);
  fSchriftFeld->setAutoDefault(false);
  fRand = new QSpinBox(gruppe);
  fRand->setRange(0, kGroessterRand);
  fRand->setValue(std::clamp(RandWert(), 0, kGroessterRand));
  raster->addWidget(Name(QStringLiteral("Sch&rift"), fSchriftFeld, gruppe), 0, 0);
  raster->addWidget(fSchriftFeld, 0, 1);
  raster->addWidget(Name(QStringLiteral("Ra&nd [cm]"), fRand, gruppe), 1, 0);
  raster->addWidget(fRand, 1, 1);
  return gruppe;
}

QWidget* TVBereichDruckDialog::Knoepfe() {
  const TDruckKnoepfe k = DruckKnoepfe(this, [this] { Ansehen(); });
  fOkKnopf = k.ok;
  fAnsehenKnopf = k.ansehen;
  fAbbrechenKnopf = k.abbrechen;
  return k.reihe;
}

TDatumZeit TVBereichDruckDialog::Von() const {
  return Mittag(FeldDatum(fVon));
}

TDatumZeit TVBereichDruckDialog::Bis() const {
  return std::max(Von(), Mittag(FeldDatum(fBis)));
}

void TVBereichDruckDialog::Uebernehmen() {
  VonWert() = Von();
  BisWert() = Bis();
  Schrift() = fSchriftFeld->Schrift();
  RandWert() = fRand->value();
}

TAufzeichnung TVBereichDruckDialog::Aufzeichnung() const {
  const auto aufzeichnen = Beschreibung(fArt).aufzeichnen;
  const TSchule* schule = &fSchule;
  const TStandard* standard = &fStandard;
  return [aufzeichnen, schule, standard, von = Von(), bis = Bis()](TPrevPrinter& drucker) {
    TDruckAuftrag auftrag{*schule, *standard, {}, von, {}, {}};
    auftrag.bis = bis;
    aufzeichnen(drucker, auftrag);
  };
}

void TVBereichDruckDialog::accept() {
  Uebernehmen();
  QDialog::accept();
  // The printer dialog belongs to the window the print dialog was opened from, which stays.
  if (fDrucken) fDrucken(parentWidget(), fSchule.Dialog(), Aufzeichnung());
}

void TVBereichDruckDialog::Ansehen() {
  Uebernehmen();
  if (fAnsehen) fAnsehen(this, fSchule.Dialog(), Aufzeichnung());
}

}  // namespace orbato
