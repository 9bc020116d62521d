#include "ui/plaene/planfenster.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/fenster/planzelle.h"
#include "model/kurse/kurs.h"
#include "placement/passtin.h"
#include "placement/planwerkzeug.h"
#include "placement/raeume.h"
#include "placement/regeln.h"
#include "placement/setzen.h"
#include "placement/setzmenue.h"
#include "platform/qttext.h"
#include "ui/bausteine/werkzeugmaus.h"
#include "ui/bausteine/werkzeugtasten.h"
#include "ui/hauptfenster/fensterwege.h"
#include "ui/hauptfenster/menuedaten.h"
#include "ui/plaene/planraster.h"
#include "ui/plaene/wochentabelle.h"

namespace orbato {
namespace {

QString Kuerzel(const TElement* e) {
  return e ? QtText(e->fKuerzel.str()) : QString();
}

}  // namespace

TPlnForm::TPlnForm(TSchule& schule, TStandard& standard, TPlanElement* element, TFensterTyp typ)
    : fSchule(schule),
      fStandard(standard),
      fElement(element),
      fTyp(typ),
      fRaster(new QTableWidget(this)),
      fSchalter(new QToolButton) {
  setWindowTitle(QStringLiteral("Plan ") + Kuerzel(element));
  element->fPlnFenster = this;
  // A teacher, a class and a room may share a short name, so the kind is part of the key.
  fSchule.FensterAnmelden(FensterTitel() + " " + std::to_string(Nr(typ)), this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(fRaster);
  fRaster->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The delete and fix tools act on every selected cell.
  fRaster->setSelectionMode(QAbstractItemView::ExtendedSelection);
  fSchalter->setText(QStringLiteral("o"));
  fSchalter->setAutoRaise(true);
  if (typ == TFensterTyp::LehrerPlan)
    fSchalter->setToolTip(QStringLiteral("Klasse oder Kopplung anzeigen"));
  fRaster->setCornerWidget(fSchalter);
  connect(fSchalter, &QToolButton::clicked, this, [this] {
    fKopplungZeigen = !fKopplungZeigen;
    fSchalter->setText(fKopplungZeigen ? QStringLiteral("o") : QStringLiteral("x"));
    Fuellen();
  });
  // Each mouse action is one step of the document's history, whatever it does to the plan.
  connect(fRaster, &QTableWidget::cellClicked, this, [this](int zeile, int spalte) {
    TVerlaufSchritt schritt;
    Geklickt(spalte + 1, zeile + 1);
  });
  connect(fRaster, &QTableWidget::cellDoubleClicked, this, [this](int zeile, int spalte) {
    TVerlaufSchritt schritt;
    Doppelgeklickt(spalte + 1, zeile + 1);
  });
  fRaster->viewport()->installEventFilter(this);
  WerkzeugTastenAnschliessen(*fRaster, *this, fSchule, [this](int) { RechtsKlick(); });
  fRaster->setContextMenuPolicy(Qt::PreventContextMenu);
  fRaster->setAutoScroll(true);
  fMenuZeigen = [this](TMenu& menu) { MenuAmZeiger(this, menu); };
}

TPlnForm::~TPlnForm() {
  if (fElement) {
    fElement->fPlnFenster = nullptr;
    fSchule.FensterAbmelden(this);
  }
}

void TPlnForm::FensterSchliessen() {
  if (fElement) {
    fElement->fPlnFenster = nullptr;
    fSchule.FensterAbmelden(this);
    fElement = nullptr;
  }
  RahmenSchliessen(this);
}

void TPlnForm::FensterNachVorn() {
  RahmenNachVorn(this);
}

std::string TPlnForm::FensterTitel() const {
  return ModellText(windowTitle());
}

char TPlnForm::ZellMarke(int32_t tag, int32_t std) const {
  return tag >= 1 && tag <= kMaxTage && std >= 1 && std <= kMaxStunden ? fZellen.fMarke[tag][std]
                                                                       : ' ';
}

void TPlnForm::ZelleZeigen(int32_t tag, int32_t std, TKurs* kurs, char marke) {
  if (tag < 1 || tag > 7 || std < 1 || std > 16) return;
  fZellen.fKurs[tag][std] = kurs;
  fZellen.fMarke[tag][std] = marke;
  ZelleMalen(tag, std);
}

int32_t TPlnForm::ZellWoche() const {
  return PlanVersion(fStandard);
}

QString TPlnForm::ZellText(int32_t tag, int32_t std) const {
  const QTableWidgetItem* item = fRaster->item(std - 1, tag - 1);
  return item ? item->text() : QString();
}

void TPlnForm::FensterUpdate() {
  Fuellen();
}

// Every course of the element enters its placements of the current version; for a room only
// those in that room.
void TPlnForm::Fuellen() {
  if (fElement == nullptr) return;
  const int32_t woche = PlanVersion(fStandard);
  const auto [tage, stunden] = WochenTabelle(*fRaster, fStandard, woche);
  PlanBelegungFuellen(*fElement, woche, fZellen);
  Abmessen();
  for (int t = 1; t <= tage; ++t) {
    for (int p = 1; p <= stunden; ++p) ZelleMalen(t, p);
  }
}

// Cells as the plan settings size them: the texts of a cell side by side in one line, or one
// above the other.
void TPlnForm::Abmessen() {
  const TStandard& s = fStandard;
  fRaster->setFont(QtSchrift(s.fPlnFont));
  const std::vector<int32_t> teile = PlanTeilBreiten(fStandard, fElement->Art());
  int32_t breite = 0;
  for (int32_t b : teile) breite = s.fNebenEinander ? breite + b : std::max(breite, b);
  const int32_t zeilen = s.fNebenEinander ? 1 : static_cast<int32_t>(teile.size());
  // The settings give the size the window opens with; then the days share the window's width
  // and the periods its height, down to what still shows a short name and a line of text.
  fSpaltenBreite = std::max(breite, 13);
  fZeilenHoehe = std::max(s.fPlnHoehe * zeilen, 1);
  const QFontMetrics masse(fRaster->font());
  QHeaderView* tage = fRaster->horizontalHeader();
  tage->setMinimumSectionSize(std::min(fSpaltenBreite, masse.averageCharWidth() * 5 + 4));
  tage->setDefaultSectionSize(fSpaltenBreite);
  tage->setSectionResizeMode(QHeaderView::Stretch);
  QHeaderView* stunden = fRaster->verticalHeader();
  stunden->setMinimumSectionSize(std::min(fZeilenHoehe, masse.height() + 2));
  stunden->setDefaultSectionSize(fZeilenHoehe);
  stunden->setSectionResizeMode(QHeaderView::Stretch);
  stunden->setFixedWidth(std::max(s.fPlnStdBreite, 13));
  updateGeometry();
}

// The whole grid at the size the settings give, so that the window opens as large as the
// workspace lets it.
QSize TPlnForm::sizeHint() const {
  const int breite = fRaster->verticalHeader()->width() + 2 * fRaster->frameWidth() +
                     fRaster->columnCount() * fSpaltenBreite;
  const int hoehe = fRaster->horizontalHeader()->sizeHint().height() + 2 * fRaster->frameWidth() +
                    fRaster->rowCount() * fZeilenHoehe;
  return {breite, hoehe};
}

void TPlnForm::ZelleMalen(int32_t tag, int32_t std) {
  if (fElement == nullptr || tag > fRaster->columnCount() || std > fRaster->rowCount()) return;
  auto* item = new QTableWidgetItem;
  QFont schrift = fRaster->font();
  const TZellBild bild =
      PlanZellBild(fStandard, *fElement, fZellen.fKurs[tag][std], tag, std, fKopplungZeigen);
  item->setText(QtText(PlanZellZeile(fStandard, bild)));
  item->setBackground(ZellHintergrund(bild));
  schrift.setBold(bild.fFett);
  schrift.setUnderline(bild.fUnterstrichen);
  if (fZellen.fMarke[tag][std] == 'R') {
    item->setBackground(palette().color(QPalette::Highlight));
    item->setForeground(palette().color(QPalette::HighlightedText));
  }
  item->setFont(schrift);
  fRaster->setItem(std - 1, tag - 1, item);
}

TMenu TPlnForm::KlickMenu(int32_t tag, int32_t std) {
  if (fElement == nullptr) return {};
  return KlickMenuFuellen(
      fSchule, fStandard, fSchule.fToolArt, *fElement, fZellen.fKurs[tag][std], tag, std,
      [this](TKurs& gewaehlt, int32_t t, int32_t p) { ZelleZeigen(t, p, &gewaehlt, 'N'); },
      [this](TKurs& kurs, TMenu& menu) {
        for (const TSetzung* s : kurs.fSetzungen) {
          if (s->fWoche == PlanVersion(fStandard)) ZelleZeigen(s->fTag, s->fStunde, &kurs, 'R');
        }
        ErzeugeRaumSetzMenu(fSchule, fStandard, kurs, menu, *this);
      });
}

void TPlnForm::Geklickt(int32_t tag, int32_t std) {
  TMenu menu = KlickMenu(tag, std);
  if (!MenuUeberstanden(this, fMenuZeigen, menu)) return;
  // The marks of a room menu last as long as the menu.
  if (fSchule.fToolArt == SetzTool) Fuellen();
}

void TPlnForm::Doppelgeklickt(int32_t tag, int32_t std, Qt::KeyboardModifiers tasten) {
  TKurs* kurs = fZellen.fKurs[tag][std];
  if (kurs == nullptr) return;
  switch (fSchule.fToolArt) {
    case ZeigTool:
      LektionZeigen(fSchule, fStandard, *kurs, &fElement->fKurse, tag, std,
                    tasten & Qt::ControlModifier);
      break;
    case LoeschTool:
      for (const auto& [t, p] : AuswahlZellen(*fRaster, tag, std)) {
        // A cell may have lost its lesson with a coupled one deleted before it.
        if (fZellen.fKurs[t][p] == nullptr) continue;
        // With Alt the hour stays and only loses its room. The placement code has redrawn the
        // plan windows of everything the lesson touched.
        ZelleLoeschen(fStandard, *fZellen.fKurs[t][p], t, p, tasten & Qt::AltModifier);
        Fuellen();
      }
      break;
    case SchiebTool:
      if (!(tasten & Qt::ControlModifier)) Markieren(*kurs);
      break;
    case FixTool:
      for (const auto& [t, p] : AuswahlZellen(*fRaster, tag, std)) {
        if (TKurs* k = fZellen.fKurs[t][p]) {
          FixiereZelle(fSchule, fStandard, *k, t, p);
          PlanFensterAktualisieren(*k, k->RaumFuerZelle(PlanVersion(fStandard), t, p));
        }
      }
      fSchule.SetDirty();
      break;
    default:
      break;
  }
}

TMenu TPlnForm::RechtsMenu() {
  TMenu menu;
  if (fElement == nullptr) return menu;
  for (TKurs* k : fElement->fKurse) {
    ErzeugeRechtsMenu(fStandard, *k, menu, [this, k] {
      Fuellen();
      const TStandard& s = fStandard;
      for (int32_t t = 1; t <= fRaster->columnCount(); ++t) {
        for (int32_t p = 1; p <= fRaster->rowCount(); ++p) {
          if (!k->fSetzungUnmoeglich.GetWocheTagStd(s.fAktuelleWoche, t, p)) {
            fZellen.fMarke[t][p] = 'R';
            ZelleMalen(t, p);
          }
        }
      }
    });
  }
  return menu;
}

void TPlnForm::RechtsKlick() {
  TMenu menu = RechtsMenu();
  fMenuZeigen(menu);
}

void TPlnForm::Markieren(const TKurs& kurs) {
  for (const TSetzung* s : kurs.fSetzungen) {
    if (s->fWoche == PlanVersion(fStandard) && s->fTag <= kMaxTage && s->fStunde <= kMaxStunden) {
      fZellen.fMarke[s->fTag][s->fStunde] = 'R';
      ZelleMalen(s->fTag, s->fStunde);
    }
  }
}

void TPlnForm::Vorschau(int32_t tag, int32_t std, bool ohneRaum) {
  TKurs* kurs = fZellen.fKurs[tag][std];
  if (kurs == nullptr) return;
  Fuellen();
  for (int32_t t = 1; t <= fRaster->columnCount(); ++t) {
    for (int32_t p = 1; p <= fRaster->rowCount(); ++p) {
      if (VorschauFrei(fStandard, *kurs, tag, std, t, p, ohneRaum)) {
        fZellen.fMarke[t][p] = 'R';
        ZelleMalen(t, p);
      }
    }
  }
}

bool TPlnForm::Aufnehmen(int32_t tag, int32_t std) {
  fGezogen = fZellen.fKurs[tag][std];
  fVonTag = tag;
  fVonStd = std;
  if (fGezogen) Markieren(*fGezogen);
  return fGezogen != nullptr;
}

void TPlnForm::Ablegen(int32_t tag, int32_t std, bool alt, bool shift) {
  TKurs* kurs = fGezogen;
  fGezogen = nullptr;
  if (kurs == nullptr) return;
  ZelleAblegen(fSchule, *kurs, fVonTag, fVonStd, tag, std, alt, shift);
  Fuellen();
}

bool TPlnForm::FallenLassen() {
  if (fGezogen == nullptr) return false;
  fGezogen = nullptr;
  Fuellen();
  return true;
}

QString TPlnForm::PlanText() const {
  return RasterText(*fRaster->model());
}

bool TPlnForm::ZelleBei(const QPoint& punkt, int32_t& tag, int32_t& std) const {
  const QModelIndex index = fRaster->indexAt(punkt);
  if (!index.isValid()) return false;
  tag = index.column() + 1;
  std = index.row() + 1;
  return true;
}

// The mouse on the grid: the right click of the set tool and the drag of the move tool; the
// other tools work through the table's click signals.
bool TPlnForm::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt != fRaster->viewport()) return QWidget::eventFilter(objekt, ereignis);
  return PlanMausVerteilen(*this, *ereignis, fSchule.fToolArt);
}

bool TPlnForm::SetzDruck(const QMouseEvent&) {
  RechtsKlick();
  return true;
}

bool TPlnForm::SchiebDruck(const QMouseEvent& maus) {
  int32_t tag = 0;
  int32_t std = 0;
  if (!ZelleBei(maus.position().toPoint(), tag, std)) return false;
  if (maus.modifiers() & Qt::ControlModifier) {
    Vorschau(tag, std, maus.modifiers() & Qt::AltModifier);
  } else {
    Aufnehmen(tag, std);
  }
  return true;
}

// The target is the current cell; the table scrolls to keep it in view.
bool TPlnForm::Zug(const QMouseEvent& maus) {
  int32_t tag = 0;
  int32_t std = 0;
  if (fGezogen && ZelleBei(maus.position().toPoint(), tag, std)) {
    fRaster->setCurrentCell(std - 1, tag - 1);
    fRaster->scrollToItem(fRaster->item(std - 1, tag - 1));
  }
  return fGezogen != nullptr;
}

bool TPlnForm::Loslassen(const QMouseEvent& maus) {
  if (fGezogen == nullptr) return false;
  int32_t tag = 0;
  int32_t std = 0;
  if (ZelleBei(maus.position().toPoint(), tag, std)) {
    Ablegen(tag, std, maus.modifiers() & Qt::AltModifier, maus.modifiers() & Qt::ShiftModifier);
  } else {
    fGezogen = nullptr;
    Fuellen();
  }
  return true;
}

TLePlnForm::TLePlnForm(TSchule& schule, TStandard& standard, TLehrer* lehrer)
    : TPlnForm(schule, standard, lehrer, TFensterTyp::LehrerPlan), fLehrer(lehrer) {}

TKlPlnForm::TKlPlnForm(TSchule& schule, TStandard& standard, TKlasse* klasse)
    : TPlnForm(schule, standard, klasse, TFensterTyp::KlassenPlan), fKlasse(klasse) {}

TRaPlnForm::TRaPlnForm(TSchule& schule, TStandard& standard, TRaum* raum)
    : TPlnForm(schule, standard, raum, TFensterTyp::RaumPlan), fRaum(raum) {}

TPlnForm* PlanFensterOeffnen(TSchule& schule, TStandard& standard, TPlanElement* element) {
  if (auto* offen = dynamic_cast<TPlnForm*>(element->fPlnFenster)) return offen;
  TPlnForm* neu = nullptr;
  switch (element->Art()) {
    case leh:
      neu = new TLePlnForm(schule, standard, static_cast<TLehrer*>(element));
      break;
    case kla:
      neu = new TKlPlnForm(schule, standard, static_cast<TKlasse*>(element));
      break;
    case rau:
      neu = new TRaPlnForm(schule, standard, static_cast<TRaum*>(element));
      break;
    default:
      return nullptr;
  }
  // Filled only now: the texts of a cell belong to the kind of plan, known after construction.
  neu->FensterUpdate();
  return neu;
}

}  // namespace orbato
