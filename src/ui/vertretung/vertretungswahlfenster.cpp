#include "ui/vertretung/vertretungswahlfenster.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>
#include <utility>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/fenster/fenstertyp.h"
#include "model/vertretung/vertretung.h"
#include "platform/qttext.h"
#include "ui/bausteine/tageszeilenlegende.h"
#include "ui/hauptfenster/fensterregister.h"
#include "ui/hauptfenster/fensterwege.h"
#include "ui/hauptfenster/menuedaten.h"

namespace orbato {
namespace {

constexpr int kBemerkungLaenge = 81;

// A template menu: a left click appends the template, a right click puts it in place of the
// remark.
class TVorlagenMenu : public QMenu {
 public:
  TVorlagenMenu(QWidget* eltern, std::function<void(int)> ersetzen)
      : QMenu(eltern), fErsetzen(std::move(ersetzen)) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* ereignis) override {
    QAction* aktion = actionAt(ereignis->position().toPoint());
    if (ereignis->button() == Qt::RightButton && aktion != nullptr) {
      close();
      fErsetzen(aktion->data().toInt());
      return;
    }
    QMenu::mouseReleaseEvent(ereignis);
  }

 private:
  std::function<void(int)> fErsetzen;
};

QTableWidget* Liste(const QStringList& koepfe, QWidget* eltern) {
  auto* liste = new QTableWidget(eltern);
  liste->setColumnCount(static_cast<int>(koepfe.size()));
  liste->setHorizontalHeaderLabels(koepfe);
  liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
  liste->setSelectionBehavior(QAbstractItemView::SelectRows);
  liste->setSelectionMode(QAbstractItemView::SingleSelection);
  liste->verticalHeader()->hide();
  liste->horizontalHeader()->setStretchLastSection(true);
  liste->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  liste->horizontalHeaderItem(1)->setToolTip(TageszeilenLegende());
  return liste;
}

// The second column of both lists holds the day line, whose letters the tooltip spells out.
void Zeile(QTableWidget* liste, int zeile, const QStringList& texte) {
  for (int spalte = 0; spalte < texte.size(); ++spalte) {
    auto* zelle = new QTableWidgetItem(texte[spalte]);
    if (spalte == 1) zelle->setToolTip(TageszeilenLegende());
    liste->setItem(zeile, spalte, zelle);
  }
}

QLineEdit* Feld(QWidget* eltern) {
  auto* feld = new QLineEdit(eltern);
  feld->setReadOnly(true);
  return feld;
}

QComboBox* Auswahl(const auto& texte, int wert, QWidget* eltern) {
  auto* box = new QComboBox(eltern);
  for (const char* t : texte) box->addItem(QtText(t));
  box->setCurrentIndex(wert);
  return box;
}

}  // namespace

TVertrWahlForm::TVertrWahlForm(TSchule& schule, TStandard& standard)
    : fSchule(schule),
      fStandard(standard),
      fKopf(new QLabel(this)),
      fRaumModus(new QRadioButton(QStringLiteral("Raumauswahl"), this)),
      fLehrerModus(new QRadioButton(QStringLiteral("Lehrerauswahl"), this)),
      fSeiten(new QStackedWidget(this)),
      fLehrerListe(Liste({QStringLiteral("Lehrer"), QStringLiteral("Tag"), QString()}, this)),
      fRaumListe(Liste({QStringLiteral("Raum"), QStringLiteral("Tag")}, this)),
      fLehrerAuswahl(Auswahl(TVertretungsWahl::kLehrerAuswahl, fWahl.LehrerAuswahl(), this)),
      fZaehlerAuswahl(Auswahl(TVertretungsWahl::kZaehlerAuswahl, fWahl.ZaehlerAuswahl(), this)),
      fPlanAuswahl(Auswahl(TVertretungsWahl::kPlanAuswahl, fWahl.PlanAuswahl(), this)),
      fLehrerFeld(Feld(this)),
      fFachFeld(Feld(this)),
      fRaumFeld(Feld(this)),
      fLBem(new QLineEdit(this)),
      fSBem(new QLineEdit(this)),
      fPlanRaum(new QLabel(this)),
      fTagesplan(Liste({QStringLiteral("Stunde"), QStringLiteral("Unterricht")}, this)),
      fStattPartner(new QPushButton(this)),
      fVerlegtPartner(new QPushButton(this)),
      fStattMenuKnopf(new QPushButton(QStringLiteral("statt"), this)),
      fAnrechnen(new QCheckBox(QStringLiteral("Anrechnen"), this)),
      fLBemMenu(new TVorlagenMenu(this,
                                  [this](int nr) {
                                    fWahl.BemErsetzen(true, nr);
                                    Zeigen();
                                  })),
      fSBemMenu(new TVorlagenMenu(this, [this](int nr) {
        fWahl.BemErsetzen(false, nr);
        Zeigen();
      })) {
  setWindowTitle(QtText(FensterTypTitel(TFensterTyp::Vertretungswahl)));
  FensterRegister().Anmelden(TFensterTyp::Vertretungswahl, this);
  fSchule.FensterAnmelden(FensterTitel(), this);

  auto* modus = new QButtonGroup(this);
  modus->addButton(fRaumModus);
  modus->addButton(fLehrerModus);
  connect(fRaumModus, &QRadioButton::toggled, this, [this](bool an) {
    if (fZeigt) return;
    fWahl.SetModus(an ? TVertretungsWahl::TModus::Raum : TVertretungsWahl::TModus::Lehrer);
    Zeigen();
  });
  auto* kopf = new QHBoxLayout;
  kopf->addWidget(fRaumModus);
  kopf->addWidget(fLehrerModus);
  kopf->addStretch();
  fSeiten->addWidget(RaumSeite());
  fSeiten->addWidget(LehrerSeite());

  auto* rechts = new QVBoxLayout;
  rechts->addWidget(Felder());
  rechts->addWidget(Knoepfe());
  rechts->addWidget(TagesplanTafel(), 1);
  auto* mitte = new QHBoxLayout;
  mitte->addWidget(fSeiten, 1);
  mitte->addLayout(rechts);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fKopf);
  layout->addLayout(kopf);
  layout->addLayout(mitte, 1);
  layout->addWidget(Bemerkungen());
  Zeigen();
}

// The proposal window keeps a place for each of its two modes.
TVertrWahlForm::~TVertrWahlForm() {
  if (fWahl.Modus() == TVertretungsWahl::TModus::Raum) {
    RahmenPlatz(this, fStandard.fVertrRaLeft, fStandard.fVertrRaTop);
  } else {
    RahmenPlatz(this, fStandard.fVertrLeLeft, fStandard.fVertrLeTop);
  }
  fWahl.Loslassen();
  FensterRegister().Abmelden(this);
  fSchule.FensterAbmelden(this);
}

QWidget* TVertrWahlForm::LehrerSeite() {
  auto* seite = new QWidget(this);
  auto* frei = new QCheckBox(QStringLiteral("freie Lehrer"), seite);
  auto* rand = new QCheckBox(QStringLiteral("Randstunden"), seite);
  auto* eignung = new QCheckBox(QStringLiteral("nach Eignung"), seite);
  frei->setChecked(fWahl.FreieLehrer());
  rand->setChecked(fWahl.Randstunden());
  eignung->setChecked(fWahl.NachEignung());
  connect(frei, &QCheckBox::toggled, this, [this](bool an) {
    fWahl.SetFreieLehrer(an);
    Zeigen();
  });
  connect(rand, &QCheckBox::toggled, this, [this](bool an) {
    fWahl.SetRandstunden(an);
    Zeigen();
  });
  connect(eignung, &QCheckBox::toggled, this, [this](bool an) {
    fWahl.SetNachEignung(an);
    Zeigen();
  });
  connect(fLehrerAuswahl, &QComboBox::activated, this, [this](int i) {
    fWahl.SetLehrerAuswahl(i);
    Zeigen();
  });
  connect(fZaehlerAuswahl, &QComboBox::activated, this, [this](int i) {
    fWahl.SetZaehlerAuswahl(i);
    Zeigen();
  });
  // A double click or Enter chooses the row.
  connect(fLehrerListe, &QTableWidget::activated, this, [this](const QModelIndex& zeile) {
    fWahl.LehrerEintragen(zeile.row());
    Zeigen();
  });
  connect(fStattPartner, &QPushButton::clicked, this, [this] {
    fWahl.ZumStattPartner();
    Zeigen();
  });
  connect(fVerlegtPartner, &QPushButton::clicked, this, [this] {
    fWahl.ZumVerlegtPartner();
    Zeigen();
  });
  auto* wahl = new QHBoxLayout;
  wahl->addWidget(fLehrerAuswahl);
  wahl->addWidget(fZaehlerAuswahl);
  auto* kaesten = new QHBoxLayout;
  kaesten->addWidget(frei);
  kaesten->addWidget(rand);
  kaesten->addWidget(eignung);
  auto* partner = new QGridLayout;
  partner->addWidget(new QLabel(QStringLiteral("statt"), seite), 0, 0);
  partner->addWidget(fStattPartner, 0, 1);
  partner->addWidget(new QLabel(QStringLiteral("verlegt"), seite), 1, 0);
  partner->addWidget(fVerlegtPartner, 1, 1);
  partner->setColumnStretch(1, 1);
  auto* layout = new QVBoxLayout(seite);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(kaesten);
  layout->addLayout(wahl);
  layout->addWidget(fLehrerListe, 1);
  layout->addLayout(partner);
  return seite;
}

QWidget* TVertrWahlForm::RaumSeite() {
  auto* seite = new QWidget(this);
  auto* frei = new QCheckBox(QStringLiteral("freie Räume"), seite);
  frei->setChecked(fWahl.FreieLehrer());
  connect(frei, &QCheckBox::toggled, this, [this](bool an) {
    fWahl.SetFreieLehrer(an);
    Zeigen();
  });
  connect(fRaumListe, &QTableWidget::activated, this, [this](const QModelIndex& zeile) {
    fWahl.RaumEintragen(zeile.row());
    Zeigen();
  });
  auto* layout = new QVBoxLayout(seite);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(frei);
  layout->addWidget(fRaumListe, 1);
  return seite;
}

QWidget* TVertrWahlForm::Felder() {
  auto* tafel = new QWidget(this);
  auto* raster = new QGridLayout(tafel);
  raster->setContentsMargins(0, 0, 0, 0);
  raster->addWidget(new QLabel(QStringLiteral("VLehrer"), tafel), 0, 0);
  raster->addWidget(fLehrerFeld, 0, 1);
  raster->addWidget(new QLabel(QStringLiteral("VFach"), tafel), 1, 0);
  raster->addWidget(fFachFeld, 1, 1);
  raster->addWidget(new QLabel(QStringLiteral("VRaum"), tafel), 2, 0);
  raster->addWidget(fRaumFeld, 2, 1);
  return tafel;
}

QWidget* TVertrWahlForm::Knoepfe() {
  auto* tafel = new QWidget(this);
  auto* raster = new QGridLayout(tafel);
  raster->setContentsMargins(0, 0, 0, 0);
  const auto knopf = [&](const QString& text, int zeile, int spalte, auto befehl) {
    auto* k = new QPushButton(text, tafel);
    raster->addWidget(k, zeile, spalte);
    connect(k, &QPushButton::clicked, this, [this, k, befehl] {
      befehl(k);
      Zeigen();
    });
    return k;
  };
  knopf(QStringLiteral("Fach"), 0, 0, [this](QWidget* k) { MenuUnterKnopf(fWahl.FachMenu(), k); });
  knopf(QStringLiteral("Wie am"), 0, 1, [this](QWidget* k) { MenuUnterKnopf(fWahl.WieMenu(), k); });
  knopf(QStringLiteral("Frei"), 1, 0, [this](QWidget*) { fWahl.Frei(); });
  knopf(QStringLiteral("Löschen"), 1, 1, [this](QWidget*) { fWahl.Loeschen(); });
  raster->addWidget(fStattMenuKnopf, 2, 0);
  raster->addWidget(fAnrechnen, 2, 1);
  connect(fStattMenuKnopf, &QPushButton::clicked, this, [this] {
    MenuUnterKnopf(fWahl.StattMenu(), fStattMenuKnopf);
    Zeigen();
  });
  connect(fAnrechnen, &QCheckBox::clicked, this, [this](bool an) {
    fWahl.Anrechnen(an);
    Zeigen();
  });
  return tafel;
}

QGroupBox* TVertrWahlForm::TagesplanTafel() {
  auto* tafel = new QGroupBox(QStringLiteral("Tagesplan"), this);
  connect(fPlanAuswahl, &QComboBox::activated, this, [this](int i) {
    fWahl.SetPlanAuswahl(i);
    Zeigen();
  });
  auto* layout = new QVBoxLayout(tafel);
  auto* zeile = new QHBoxLayout;
  zeile->addWidget(fPlanAuswahl);
  zeile->addWidget(fPlanRaum, 1);
  layout->addLayout(zeile);
  layout->addWidget(fTagesplan, 1);
  return tafel;
}

QWidget* TVertrWahlForm::Bemerkungen() {
  auto* tafel = new QWidget(this);
  auto* raster = new QGridLayout(tafel);
  raster->setContentsMargins(0, 0, 0, 0);
  int zeile = 0;
  for (const bool lehrer : {true, false}) {
    QLineEdit* feld = lehrer ? fLBem : fSBem;
    feld->setMaxLength(kBemerkungLaenge);
    connect(feld, &QLineEdit::textEdited, this, [this, lehrer](const QString& text) {
      lehrer ? fWahl.SetLBem(ModellText(text)) : fWahl.SetSBem(ModellText(text));
    });
    auto* knopf = new QPushButton(lehrer ? QStringLiteral("LBem") : QStringLiteral("SBem"), tafel);
    QMenu* menu = BemMenu(lehrer);
    connect(menu, &QMenu::aboutToShow, this, [this, lehrer] { BemMenuFuellen(lehrer); });
    connect(knopf, &QPushButton::clicked, this,
            [knopf, menu] { menu->popup(knopf->mapToGlobal(QPoint(0, knopf->height()))); });
    raster->addWidget(knopf, zeile, 0);
    raster->addWidget(feld, zeile++, 1);
  }
  return tafel;
}

void TVertrWahlForm::BemMenuFuellen(bool lehrer) {
  QMenu* menu = BemMenu(lehrer);
  menu->clear();
  for (const TMenuEintrag& e : fWahl.BemMenu(lehrer)) {
    QAction* aktion = menu->addAction(QtText(e.fText));
    aktion->setData(e.fTag);
    connect(aktion, &QAction::triggered, this, [this, lehrer, nr = e.fTag] {
      fWahl.BemAnfuegen(lehrer, nr);
      Zeigen();
    });
  }
}

void TVertrWahlForm::Bearbeite(TVertretung* v) {
  fWahl.Bearbeite(v);
  Zeigen();
}

void TVertrWahlForm::FensterSchliessen() {
  fWahl.Loslassen();
  Zeigen();
  FensterRegister().Abmelden(this);
  fSchule.FensterAbmelden(this);
  RahmenSchliessen(this);
}

void TVertrWahlForm::FensterNachVorn() {
  RahmenNachVorn(this);
}

void TVertrWahlForm::KursEntfernt(const TKurs* kurs) {
  if (fWahl.Vertretung() && fWahl.Vertretung()->fKurs == kurs) FensterSchliessen();
}

// The lists may hold the element; they are built again once it is gone.
void TVertrWahlForm::ElementEntfernt(const TElement*) {
  fLehrerListe->setRowCount(0);
  fRaumListe->setRowCount(0);
  QTimer::singleShot(0, this, [this] { Zeigen(); });
}

QSize TVertrWahlForm::sizeHint() const {
  const QFontMetrics schrift = fLehrerListe->fontMetrics();
  return {schrift.horizontalAdvance(QLatin1Char('x')) * 90, schrift.lineSpacing() * 34};
}

QCheckBox* TVertrWahlForm::Pruefkasten(const QString& text) const {
  for (QCheckBox* k : findChildren<QCheckBox*>()) {
    if (k->text() == text) return k;
  }
  return nullptr;
}

QPushButton* TVertrWahlForm::Knopf(const QString& text) const {
  for (QPushButton* b : findChildren<QPushButton*>()) {
    if (b->text() == text) return b;
  }
  return nullptr;
}

void TVertrWahlForm::Zeigen() {
  fWahl.Aktualisieren();
  fZeigt = true;
  fKopf->setText(QtText(fWahl.KopfZeile()));
  const bool raum = fWahl.Modus() == TVertretungsWahl::TModus::Raum;
  fRaumModus->setChecked(raum);
  fLehrerModus->setChecked(!raum);
  fSeiten->setCurrentIndex(raum ? 0 : 1);
  EinstellungenZeigen();
  ListenZeigen();
  FelderZeigen();
  TagesplanZeigen();
  fZeigt = false;
}

// "freie Lehrer" and "freie Räume" are one setting; each box shows what the other changed.
void TVertrWahlForm::EinstellungenZeigen() {
  const std::pair<const char*, bool> kaesten[] = {{"freie Lehrer", fWahl.FreieLehrer()},
                                                  {"freie R\xE4ume", fWahl.FreieLehrer()},
                                                  {"Randstunden", fWahl.Randstunden()},
                                                  {"nach Eignung", fWahl.NachEignung()}};
  for (const auto& [text, an] : kaesten) {
    QCheckBox* kasten = Pruefkasten(QtText(text));
    const QSignalBlocker still(kasten);
    kasten->setChecked(an);
  }
  fLehrerAuswahl->setCurrentIndex(fWahl.LehrerAuswahl());
  fZaehlerAuswahl->setCurrentIndex(fWahl.ZaehlerAuswahl());
}

void TVertrWahlForm::ListenZeigen() {
  const auto& lehrer = fWahl.Lehrer();
  fLehrerListe->setRowCount(static_cast<int>(lehrer.size()));
  fLehrerListe->setHorizontalHeaderItem(
      2, new QTableWidgetItem(QtText(TVertretungsWahl::kZaehlerAuswahl[static_cast<std::size_t>(
             std::clamp(fWahl.ZaehlerAuswahl(), 0, 2))])));
  for (std::size_t i = 0; i < lehrer.size(); ++i) {
    Zeile(fLehrerListe, static_cast<int>(i),
          {QtText(lehrer[i].fKuerzel), QtText(lehrer[i].fTagesZeile), QtText(lehrer[i].fZaehler)});
  }
  const auto& raeume = fWahl.Raeume();
  fRaumListe->setRowCount(static_cast<int>(raeume.size()));
  for (std::size_t i = 0; i < raeume.size(); ++i) {
    Zeile(fRaumListe, static_cast<int>(i),
          {QtText(raeume[i].fKuerzel), QtText(raeume[i].fTagesZeile)});
  }
  fLehrerListe->resizeColumnsToContents();
  fRaumListe->resizeColumnsToContents();
}

void TVertrWahlForm::FelderZeigen() {
  fLehrerFeld->setText(QtText(fWahl.LehrerFeld()));
  fFachFeld->setText(QtText(fWahl.FachFeld()));
  fRaumFeld->setText(QtText(fWahl.RaumFeld()));
  // Only what differs is put back, so that typing keeps its cursor.
  const QString lbem = QtText(fWahl.LBem());
  const QString sbem = QtText(fWahl.SBem());
  if (fLBem->text() != lbem) fLBem->setText(lbem);
  if (fSBem->text() != sbem) fSBem->setText(sbem);
  fAnrechnen->setChecked(fWahl.Angerechnet());
  const QString statt = QtText(fWahl.StattZeile());
  const QString verlegt = QtText(fWahl.VerlegtZeile());
  fStattPartner->setText(statt);
  fStattPartner->setEnabled(!statt.isEmpty());
  fVerlegtPartner->setText(verlegt);
  fVerlegtPartner->setEnabled(!verlegt.isEmpty());
  fStattMenuKnopf->setVisible(fWahl.StattKnopfSichtbar());
  const bool offen = fWahl.Vertretung() != nullptr;
  for (QWidget* w : {static_cast<QWidget*>(fLBem), static_cast<QWidget*>(fSBem),
                     static_cast<QWidget*>(fAnrechnen)}) {
    w->setEnabled(offen);
  }
}

void TVertrWahlForm::TagesplanZeigen() {
  fPlanAuswahl->setCurrentIndex(fWahl.PlanAuswahl());
  const std::string raum = fWahl.TagesplanRaum();
  fPlanRaum->setText(raum.empty() ? QString() : QStringLiteral("Raum ") + QtText(raum));
  const auto zeilen = fWahl.Tagesplan();
  fTagesplan->setRowCount(static_cast<int>(zeilen.size()));
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    Zeile(fTagesplan, static_cast<int>(i), {QtText(zeilen[i].fStunde), QtText(zeilen[i].fText)});
  }
  fTagesplan->resizeColumnToContents(0);
}

TVertrWahlForm* VertretungswahlZeigen(TSchule& schule, TStandard& standard, TVertretung* v) {
  auto* form = FensterRegister().Offen<TVertrWahlForm>(TFensterTyp::Vertretungswahl);
  const bool neu = form == nullptr;
  if (neu) form = new TVertrWahlForm(schule, standard);
  form->Bearbeite(v);
  DokumentFensterZeigen(form);
  if (neu) {
    const TStandard& st = standard;
    if (form->RaumModus()->isChecked()) {
      RahmenVersetzen(form, st.fVertrRaLeft, st.fVertrRaTop);
    } else {
      RahmenVersetzen(form, st.fVertrLeLeft, st.fVertrLeTop);
    }
  }
  return form;
}

}  // namespace orbato
