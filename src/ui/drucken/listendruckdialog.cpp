#include "ui/drucken/listendruckdialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "model/dokument/schule.h"
#include "platform/qttext.h"
#include "print/druckarten.h"
#include "print/druckauftrag.h"
#include "print/listendruck.h"
#include "ui/bausteine/dialogknoepfe.h"
#include "ui/bausteine/schriftfeld.h"
#include "ui/drucken/druckbild.h"

namespace orbato {
namespace {

struct TOption {
  const char* text;
  bool TDruckEinstellung::*feld;
};

// What tells one list printout from another: its menu caption, its dialog's title, the settings
// group it keeps its options in, the options the dialog offers and its recording.
struct TBeschreibung {
  TListenDruck art;
  const char* eintrag;
  const char* titel;
  TDruckEinstellung TStandard::*gruppe;
  TDruckFunktion aufzeichnen;
  std::vector<TOption> optionen;
};

const std::vector<TBeschreibung>& Beschreibungen() {
  using D = TDruckEinstellung;
  using enum TListenDruck;
  static const std::vector<TBeschreibung> liste = {
      {Kuerzel,
       "Kürzel...",
       "Kürzel drucken",
       &TStandard::fKueDruck,
       KuerzelDrucken,
       {{"Lehrer", &D::Le},
        {"Klassen", &D::Kl},
        {"Kopplungen", &D::Ko},
        {"Fächer", &D::Fa},
        {"Räume", &D::Ra},
        {"UV-Tabellen", &D::Uv}}},
      {Deputate,
       "Deputate...",
       "Deputate drucken",
       &TStandard::fDepDruck,
       DeputateDrucken,
       {{"mit Datum", &D::Datum},
        {"1 Seite pro Deputat", &D::EineSeite},
        {"mit Zusatzinfo", &D::Zusatz},
        {"mit Kursinfo", &D::Info},
        {"mit Farbe", &D::Farbe}}},
      {Reststunden,
       "Reststunden...",
       "Reststunden drucken",
       &TStandard::fRestDruck,
       ReststundenDrucken,
       {{"mit Datum", &D::Datum}}},
      {Stundenverteilung,
       "Stundenverteilung...",
       "Stundenverteilung drucken",
       &TStandard::fSVDruck,
       StundenverteilungDrucken,
       {{"mit Datum", &D::Datum},
        {"nach Springstunden sortiert", &D::SortRest},
        {"mit Gesamtsumme", &D::SortGesamt},
        {"mit Farbe", &D::Fa}}},
      {Fachkonferenzen,
       "Fachkonferenzen...",
       "Fachkonferenzen drucken",
       &TStandard::fFaKonfDruck,
       FachkonferenzenDrucken,
       {{"1 Seite pro Fach", &D::Einzeln}, {"mit Einsatz", &D::Einsatz}}},
      {Klassenkonferenzen,
       "Klassenkonferenzen...",
       "Klassenkonferenzen drucken",
       &TStandard::fKlKonfDruck,
       KlassenkonferenzenDrucken,
       {{"1 Seite pro Klasse", &D::Einzeln}}},
  };
  return liste;
}

const TBeschreibung& Beschreibung(TListenDruck art) {
  return Beschreibungen()[static_cast<std::size_t>(art)];
}

template <class T>
void Anhaengen(const TListe<T>& liste, std::vector<const TPlanElement*>& elemente) {
  elemente.insert(elemente.end(), liste.begin(), liste.end());
}

}  // namespace

const TListenDruck* ListenDruckZuEintrag(const QString& eintrag) {
  for (const TBeschreibung& b : Beschreibungen()) {
    if (eintrag == QString::fromUtf8(b.eintrag)) return &b.art;
  }
  return nullptr;
}

TListenDruckDialog::TListenDruckDialog(TListenDruck art, TSchule& schule, TStandard& standard,
                                       QWidget* eltern)
    : QDialog(eltern), fArt(art), fSchule(schule), fStandard(standard) {
  fDrucken = [](QWidget* e, Dialoge& d, const TAufzeichnung& a) { DruckenNachDialog(e, d, a); };
  fAnsehen = DruckAnsehen;
  setWindowTitle(QString::fromUtf8(Beschreibung(art).titel));
  auto* mitte = new QHBoxLayout;
  auto* links = new QVBoxLayout;
  if (art == TListenDruck::Deputate) links->addWidget(DeputatArtGruppe());
  links->addWidget(OptionenGruppe());
  links->addWidget(Druckbild());
  links->addStretch();
  mitte->addLayout(links);
  if (art == TListenDruck::Deputate) mitte->addWidget(AuswahlGruppe(), 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(mitte);
  layout->addWidget(Knoepfe());
}

TDruckEinstellung& TListenDruckDialog::Einstellung() const {
  return fStandard.*(Beschreibung(fArt).gruppe);
}

QWidget* TListenDruckDialog::OptionenGruppe() {
  auto* gruppe = new QGroupBox(
      fArt == TListenDruck::Kuerzel ? QStringLiteral("Listen") : QStringLiteral("Optionen"), this);
  auto* spalte = new QVBoxLayout(gruppe);
  for (const TOption& o : Beschreibung(fArt).optionen) {
    auto* feld = new QCheckBox(QString::fromUtf8(o.text), gruppe);
    feld->setChecked(Einstellung().*(o.feld));
    spalte->addWidget(feld);
    fOptionen << feld;
  }
  return gruppe;
}

// Which kind of element the sheets are of; the choice lists the elements of that kind.
QWidget* TListenDruckDialog::DeputatArtGruppe() {
  auto* gruppe = new QGroupBox(QStringLiteral("Deputate für"), this);
  auto* spalte = new QVBoxLayout(gruppe);
  const char* const texte[] = {"Lehrer", "Klassen", "Räume"};
  for (std::size_t i = 0; i < fDeputatArt.size(); ++i) {
    fDeputatArt[i] = new QRadioButton(QString::fromUtf8(texte[i]), gruppe);
    spalte->addWidget(fDeputatArt[i]);
  }
  const TDruckEinstellung& e = Einstellung();
  fDeputatArt[e.Links ? 2 : e.Kl ? 1 : 0]->setChecked(true);
  for (QRadioButton* knopf : fDeputatArt) {
    connect(knopf, &QRadioButton::toggled, this, [this](bool an) {
      if (an) AuswahlFuellen();
    });
  }
  return gruppe;
}

QWidget* TListenDruckDialog::AuswahlGruppe() {
  auto* gruppe = new QGroupBox(QStringLiteral("Auswahl"), this);
  auto* spalte = new QVBoxLayout(gruppe);
  spalte->addWidget(new QLabel(QStringLiteral("ohne Auswahl alle"), gruppe));
  fAuswahlListe = new QListWidget(gruppe);
  fAuswahlListe->setSelectionMode(QAbstractItemView::ExtendedSelection);
  spalte->addWidget(fAuswahlListe);
  AuswahlFuellen();
  return gruppe;
}

void TListenDruckDialog::AuswahlFuellen() {
  fAuswahlElemente.clear();
  if (fDeputatArt[2]->isChecked()) {
    Anhaengen(fSchule.fRaumMenge, fAuswahlElemente);
  } else if (fDeputatArt[1]->isChecked()) {
    Anhaengen(fSchule.fKlassenMenge, fAuswahlElemente);
  } else {
    Anhaengen(fSchule.fLehrerMenge, fAuswahlElemente);
  }
  fAuswahlListe->clear();
  for (const TPlanElement* e : fAuswahlElemente) {
    QString text = QtText(e->fKuerzel.str());
    if (!e->fInfo.str().empty()) text += QStringLiteral("   ") + QtText(e->fInfo.str());
    fAuswahlListe->addItem(text);
  }
}

QWidget* TListenDruckDialog::Druckbild() {
  const TDruckbild bild = DruckbildGruppe(Einstellung().Font, Einstellung().Rand, this);
  fSchriftFeld = bild.schrift;
  fRand = bild.rand;
  return bild.gruppe;
}

QWidget* TListenDruckDialog::Knoepfe() {
  const TDruckKnoepfe k = DruckKnoepfe(this, [this] { Ansehen(); });
  fOkKnopf = k.ok;
  fAnsehenKnopf = k.ansehen;
  fAbbrechenKnopf = k.abbrechen;
  return k.reihe;
}

void TListenDruckDialog::Uebernehmen() {
  TDruckEinstellung& e = Einstellung();
  const auto& optionen = Beschreibung(fArt).optionen;
  for (std::size_t i = 0; i < optionen.size(); ++i) {
    e.*(optionen[i].feld) = fOptionen[static_cast<int>(i)]->isChecked();
  }
  if (fArt == TListenDruck::Deputate) {
    e.Kl = fDeputatArt[1]->isChecked();
    e.Links = fDeputatArt[2]->isChecked();
  }
  e.Font = fSchriftFeld->Schrift();
  e.Rand = fRand->value();
}

std::vector<const TPlanElement*> TListenDruckDialog::Auswahl() const {
  std::vector<const TPlanElement*> auswahl;
  if (!fAuswahlListe) return auswahl;
  for (int i = 0; i < fAuswahlListe->count(); ++i) {
    if (fAuswahlListe->item(i)->isSelected()) {
      auswahl.push_back(fAuswahlElemente[static_cast<std::size_t>(i)]);
    }
  }
  return auswahl;
}

TAufzeichnung TListenDruckDialog::Aufzeichnung() const {
  const TDruckFunktion aufzeichnen = Beschreibung(fArt).aufzeichnen;
  const TSchule* schule = &fSchule;
  const TStandard* standard = &fStandard;
  return [aufzeichnen, schule, standard, auswahl = Auswahl()](TPrevPrinter& drucker) {
    aufzeichnen(drucker, TDruckAuftrag{*schule, *standard, auswahl, 0, {}, {}});
  };
}

QCheckBox* TListenDruckDialog::Option(const QString& text) const {
  for (QCheckBox* feld : fOptionen) {
    if (feld->text() == text) return feld;
  }
  return nullptr;
}

void TListenDruckDialog::accept() {
  Uebernehmen();
  QDialog::accept();
  // The printer dialog belongs to the window the print dialog was opened from, which stays.
  if (fDrucken) fDrucken(parentWidget(), fSchule.Dialog(), Aufzeichnung());
}

void TListenDruckDialog::Ansehen() {
  Uebernehmen();
  if (fAnsehen) fAnsehen(this, fSchule.Dialog(), Aufzeichnung());
}

}  // namespace orbato
