#include "ui/plaene/manuellfenster.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "model/dokument/schule.h"
#include "model/elemente/lehrer.h"
#include "model/fenster/fenstertyp.h"
#include "model/kurse/kurs.h"
#include "platform/qttext.h"
#include "ui/hauptfenster/fensterwege.h"
#include "ui/hauptfenster/menuedaten.h"
#include "ui/plaene/manuellfarben.h"
#include "ui/plaene/manuellplan.h"

namespace orbato {
namespace {

const char* const kFeldNamen[] = {"Lehrer", "Fach", "Klasse", "Kopplung", "Raum"};

QString PlanTitel(const TPlanElement* element) {
  if (element == nullptr) return QStringLiteral("–");
  const char* art = element->Art() == leh ? "Lehrer " : element->Art() == kla ? "Klasse " : "Raum ";
  return QString::fromLatin1(art) + QtText(element->fKuerzel.str());
}

// A small sample of a cell's ground for the legend.
class TFarbfeld : public QWidget {
 public:
  TFarbfeld(QBrush grund, QColor rahmen, int breite, QWidget* eltern)
      : QWidget(eltern), fGrund(std::move(grund)), fRahmen(rahmen), fBreite(breite) {
    setFixedSize(24, 15);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter maler(this);
    maler.fillRect(rect(), Qt::white);
    maler.fillRect(rect(), fGrund);
    maler.setPen(QPen(fRahmen, fBreite));
    maler.drawRect(rect().adjusted(fBreite / 2, fBreite / 2, -1, -1));
  }

 private:
  QBrush fGrund;
  QColor fRahmen;
  int fBreite;
};

QLabel* Wert(QWidget* eltern) {
  auto* feld = new QLabel(eltern);
  feld->setMinimumWidth(44);
  feld->setFrameShape(QFrame::StyledPanel);
  feld->setFrameShadow(QFrame::Sunken);
  feld->setContentsMargins(4, 1, 4, 1);
  feld->setAutoFillBackground(true);
  QPalette farben = feld->palette();
  farben.setColor(QPalette::Window, Qt::white);
  feld->setPalette(farben);
  return feld;
}

}  // namespace

TManuellFenster::TManuellFenster(TSchule& schule, TStandard& standard, QWidget* eltern)
    : QWidget(eltern),
      fSchule(schule),
      fStandard(standard),
      fForm(schule, standard),
      fLeiste(new QMenuBar(this)),
      fKursMenu(new QMenu(QStringLiteral("Kurs"), this)),
      fKursZeile(new QLabel(this)),
      fZeige(Wert(this)),
      fPlanRaster(new QGridLayout) {
  setWindowTitle(QtText(FensterTypTitel(TFensterTyp::Manuell)));
  fAngemeldet = fSchule.FensterAnmelden("Manuell", this);
  fLeiste->setNativeMenuBar(false);
  QMenu* bearbeite = fLeiste->addMenu(QStringLiteral("Bearbeite"));
  bearbeite->addMenu(fKursMenu);
  connect(fKursMenu, &QMenu::aboutToShow, this,
          [this] { MenuFuellen(fKursMenu, fForm.KursMenu()); });
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 2, 6, 6);
  layout->setSpacing(6);
  layout->setMenuBar(fLeiste);
  layout->addWidget(Kopfzeile());
  fPlanRaster->setSpacing(10);
  fPlanRaster->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  layout->addLayout(fPlanRaster, 1);
  layout->addWidget(Legende());
  for (int32_t i = 0; i < 4; ++i) {
    fPlanTeile[i] = new QWidget(this);
    auto* teil = new QVBoxLayout(fPlanTeile[i]);
    teil->setContentsMargins(0, 0, 0, 0);
    teil->setSpacing(2);
    fPlanTitel[i] = new QLabel(fPlanTeile[i]);
    QFont fett = fPlanTitel[i]->font();
    fett.setBold(true);
    fPlanTitel[i]->setFont(fett);
    fPlaene[i] = new TManuellPlan(fForm, fSchule, fStandard, i, fPlanTeile[i]);
    fPlaene[i]->fPlanBei = [this](const QPoint& g, TManuellPlan*& p, int32_t& t, int32_t& s) {
      return PlanBei(g, p, t, s);
    };
    fPlaene[i]->fZielZeigen = [this](TManuellPlan* p, int32_t t, int32_t s) {
      ZielZeigen(p, t, s);
    };
    teil->addWidget(fPlanTitel[i]);
    teil->addWidget(fPlaene[i], 1);
    fPlanTeile[i]->hide();
  }
  fMenuZeigen = [this](TMenu& menu, QWidget* knopf) { MenuUnterKnopf(menu, knopf); };
  fForm.fZeigen = [this] { Zeigen(); };
  fForm.fVeraltet = [this] { SpaeterNeuaufbauen(); };
  fForm.fSchliessenNoetig = [this] { FensterSchliessen(); };
}

TManuellFenster::~TManuellFenster() {
  Abmelden();
  if (fForm.Offen()) {
    fForm.Schliessen();
    if (fBeimSchliessen) fBeimSchliessen();
  }
}

void TManuellFenster::Starten(const std::vector<TKurs*>& kurse, bool ohneKonflikte) {
  fForm.IManuellForm(kurse, ohneKonflikte);
}

// The current course's line, its elements with their menu buttons, and the display switch.
QWidget* TManuellFenster::Kopfzeile() {
  auto* kopf = new QWidget(this);
  auto* raster = new QGridLayout(kopf);
  raster->setContentsMargins(0, 0, 0, 0);
  raster->setHorizontalSpacing(4);
  auto* kurs = new QLabel(QStringLiteral("Kurs:"), kopf);
  raster->addWidget(kurs, 0, 0);
  QFont fett = fKursZeile->font();
  fett.setBold(true);
  fett.setPointSizeF(fett.pointSizeF() * 1.15);
  fKursZeile->setFont(fett);
  raster->addWidget(fKursZeile, 0, 1, 1, 12);
  for (int i = 0; i < 5; ++i) fFelder[i] = Wert(kopf);
  ElementKnopf(QStringLiteral("Lehrer"),
               [this](bool alle) { return fForm.ElementMenu(leh, alle); });
  ElementKnopf(QStringLiteral("Fach"), [this](bool) { return fForm.FachMenu(); });
  ElementKnopf(QStringLiteral("Klasse"),
               [this](bool alle) { return fForm.ElementMenu(kla, alle); });
  ElementKnopf(QStringLiteral("Kopplung"), [this](bool) { return fForm.KopplungsMenu(); });
  ElementKnopf(QStringLiteral("Raum"), [this](bool alle) { return fForm.ElementMenu(rau, alle); });
  ElementKnopf(QStringLiteral("Zeige"), [this](bool) { return fForm.ZeigeMenu(); });
  int spalte = 0;
  for (int i = 0; i < 6; ++i) {
    const QString name = i < 5 ? QString::fromLatin1(kFeldNamen[i]) : QStringLiteral("Zeige");
    raster->addWidget(Knopf(name), 1, spalte++);
    raster->addWidget(i < 5 ? fFelder[i] : fZeige, 1, spalte++);
  }
  raster->setColumnStretch(spalte, 1);
  return kopf;
}

void TManuellFenster::ElementKnopf(const QString& text, std::function<TMenu(bool alle)> menu) {
  auto* knopf = new QPushButton(text, this);
  knopf->setObjectName(text);
  knopf->setFocusPolicy(Qt::NoFocus);
  connect(knopf, &QPushButton::clicked, this, [this, knopf, menu = std::move(menu)] {
    const bool alle = QGuiApplication::keyboardModifiers() & Qt::ControlModifier;
    TMenu daten = menu(alle);
    fMenuZeigen(daten, knopf);
  });
}

QPushButton* TManuellFenster::Knopf(const QString& text) const {
  return findChild<QPushButton*>(text);
}

// What each colour of the ground says.
QWidget* TManuellFenster::Legende() {
  auto* legende = new QWidget(this);
  auto* zeile = new QHBoxLayout(legende);
  zeile->setContentsMargins(0, 0, 0, 0);
  zeile->setSpacing(4);
  const auto eintrag = [&](const QBrush& grund, const QColor& rahmen, int breite,
                           const char* text) {
    auto* feld = new TFarbfeld(grund, rahmen, breite, legende);
    zeile->addWidget(feld);
    zeile->addWidget(new QLabel(QString::fromUtf8(text), legende));
    zeile->addSpacing(10);
  };
  eintrag(SchwereFarbe(0), kStundenRahmen, 1, "frei");
  eintrag(SchwereFarbe(1), kStundenRahmen, 1, "verdrängbar");
  eintrag(SchwereFarbe(2), kStundenRahmen, 1, "Raum nicht frei");
  eintrag(SchwereFarbe(3), kStundenRahmen, 1, "gesperrt oder fixiert");
  eintrag(SperrMuster(), kStundenRahmen, 1, "Sperrung im Plan");
  eintrag(kEigenerGrund, kEigenerRahmen, 2, "Stunde des Kurses");
  zeile->addStretch(1);
  return legende;
}

// One plan alone; two side by side (1) or one above the other (2); three in a row (3) or two
// above one (4); four in two rows (5).
void TManuellFenster::PlaeneAnordnen() {
  const int32_t zahl = fForm.PlanZahl();
  const int32_t art = fStandard.fManArt;
  if (zahl == fGezeigtePlaene) return;
  for (QWidget* teil : fPlanTeile) {
    fPlanRaster->removeWidget(teil);
    teil->hide();
  }
  for (int32_t i = 0; i < zahl; ++i) {
    int zeile = 0;
    int spalte = i;
    if (art == 2 || art == 4 || art == 5) {
      zeile = i / 2;
      spalte = i % 2;
    }
    fPlanRaster->addWidget(fPlanTeile[i], zeile, spalte);
    fPlanTeile[i]->show();
  }
  fGezeigtePlaene = zahl;
}

void TManuellFenster::Zeigen() {
  const TKurs* kurs = fForm.fKurs;
  if (kurs) {
    const int32_t rest = kurs->RestStunden(-1);
    fKursZeile->setText(QtText(kurs->MitRaumZeile()) + QStringLiteral("   ") +
                        (rest >= 1 ? QStringLiteral("noch %1 zu setzen").arg(rest)
                                   : QStringLiteral("alle Stunden gesetzt")));
  } else {
    fKursZeile->clear();
  }
  const TElement* elemente[] = {kurs ? kurs->fLehrer : nullptr, kurs ? kurs->fFach : nullptr,
                                fForm.fKlasse, fForm.fKopplung, fForm.fRaum};
  for (int i = 0; i < 5; ++i) fFelder[i]->setText(QtText(TManuellForm::Kuerzel(elemente[i])));
  QPalette farben = fFelder[3]->palette();
  farben.setColor(QPalette::WindowText, fForm.KopplungRot() ? Qt::red : Qt::black);
  fFelder[3]->setPalette(farben);
  fZeige->setText(QtText(fForm.ZeigeText()));
  PlaeneAnordnen();
  for (int32_t i = 0; i < fGezeigtePlaene; ++i) {
    fPlanTitel[i]->setText(PlanTitel(fForm.Plan(i)));
    fPlaene[i]->Aufbauen();
  }
}

void TManuellFenster::SpaeterNeuaufbauen() {
  if (fNeuaufbauAusstehend) return;
  fNeuaufbauAusstehend = true;
  QTimer::singleShot(0, this, [this] {
    fNeuaufbauAusstehend = false;
    if (fForm.Offen() && fForm.Veraltet()) fForm.Neuaufbau();
  });
}

void TManuellFenster::FensterUpdate() {
  if (fForm.Offen()) fForm.Neuaufbau();
}

void TManuellFenster::FensterSchliessen() {
  fOhneFrage = true;
  RahmenSchliessen(this);
}

void TManuellFenster::FensterNachVorn() {
  RahmenNachVorn(this);
}

QSize TManuellFenster::sizeHint() const {
  return QWidget::sizeHint().expandedTo(QSize(480, 300));
}

std::vector<TManuellPlan*> TManuellFenster::Plaene() const {
  return {fPlaene.begin(), fPlaene.begin() + fGezeigtePlaene};
}

QString TManuellFenster::Feld(const QString& name) const {
  for (int i = 0; i < 5; ++i) {
    if (name == QString::fromLatin1(kFeldNamen[i])) return fFelder[i]->text();
  }
  return name == QStringLiteral("Zeige") ? fZeige->text() : QString();
}

bool TManuellFenster::PlanBei(const QPoint& global, TManuellPlan*& plan, int32_t& tag,
                              int32_t& std) const {
  for (TManuellPlan* p : Plaene()) {
    const QPoint punkt = p->viewport()->mapFromGlobal(global);
    if (p->viewport()->rect().contains(punkt) && p->ZelleBei(punkt, tag, std)) {
      plan = p;
      return true;
    }
  }
  return false;
}

void TManuellFenster::ZielZeigen(TManuellPlan* ziel, int32_t tag, int32_t std) {
  for (TManuellPlan* p : fPlaene) {
    if (p == ziel) {
      p->ZielSetzen(tag, std);
    } else {
      p->ZielSetzen(0, 0);
    }
  }
}

void TManuellFenster::closeEvent(QCloseEvent* ereignis) {
  if (!fOhneFrage && fForm.Offen() && !fForm.DarfSchliessen()) {
    ereignis->ignore();
    return;
  }
  Abmelden();
  if (fForm.Offen()) {
    fForm.Schliessen();
    if (fBeimSchliessen) fBeimSchliessen();
  }
  ereignis->accept();
}

void TManuellFenster::Abmelden() {
  if (!fAngemeldet) return;
  fAngemeldet = false;
  fSchule.FensterAbmelden(this);
}

}  // namespace orbato
