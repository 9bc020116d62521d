#include "ui/planfenster.h"

#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
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
#include "model/kurse/kurs.h"
#include "placement/passtin.h"
#include "placement/raeume.h"
#include "placement/regeln.h"
#include "placement/setzen.h"
#include "placement/setzmenue.h"
#include "platform/qttext.h"
#include "ui/fensterwege.h"
#include "ui/menuedaten.h"
#include "ui/wochentabelle.h"

namespace orbato {
namespace {

QString Kuerzel(const TElement* e) {
  return e ? QtText(e->fKuerzel.str()) : QString();
}

int32_t Version() {
  const int32_t w = Standard().fAktuelleWoche;
  return w >= 1 && w <= Standard().WochenZahl() ? w : 1;
}

}  // namespace

TPlnForm::TPlnForm(TPlanElement* element, int art)
    : fElement(element), fArt(art), fRaster(new QTableWidget(this)), fSchalter(new QToolButton) {
  setWindowTitle(QStringLiteral("Plan ") + Kuerzel(element));
  element->fPlnFenster = this;
  // A teacher, a class and a room may share a short name, so the kind is part of the key.
  Schule().FensterAnmelden(FensterTitel() + " " + std::to_string(art), this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(fRaster);
  fRaster->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The delete and fix tools act on every selected cell.
  fRaster->setSelectionMode(QAbstractItemView::ExtendedSelection);
  fSchalter->setText(QStringLiteral("o"));
  fSchalter->setAutoRaise(true);
  if (art == 9) fSchalter->setToolTip(QStringLiteral("Klasse oder Kopplung anzeigen"));
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
  fRaster->setContextMenuPolicy(Qt::PreventContextMenu);
  fRaster->setAutoScroll(true);
  fMenuZeigen = [this](TMenu& menu) {
    if (menu.empty()) return;
    QMenu qmenu(this);
    MenuFuellen(&qmenu, menu);
    qmenu.exec(QCursor::pos());
  };
}

TPlnForm::~TPlnForm() {
  if (fElement) {
    fElement->fPlnFenster = nullptr;
    Schule().FensterAbmelden(this);
  }
}

void TPlnForm::FensterSchliessen() {
  if (fElement) {
    fElement->fPlnFenster = nullptr;
    Schule().FensterAbmelden(this);
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
  return tag >= 1 && tag <= 7 && std >= 1 && std <= 16 ? fMarke[tag][std] : ' ';
}

void TPlnForm::ZelleZeigen(int32_t tag, int32_t std, TKurs* kurs, char marke) {
  if (tag < 1 || tag > 7 || std < 1 || std > 16) return;
  fKurs[tag][std] = kurs;
  fMarke[tag][std] = marke;
  ZelleMalen(tag, std);
}

int32_t TPlnForm::ZellWoche() const {
  return Version();
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
  const int32_t woche = Version();
  const auto [tage, stunden] = WochenTabelle(*fRaster, woche);
  for (auto& zeile : fKurs) zeile.fill(nullptr);
  for (auto& zeile : fMarke) zeile.fill(' ');
  const bool raumPlan = fElement->Art() == rau;
  for (TKurs* k : fElement->fKurse) {
    for (const TSetzung* st : k->fSetzungen) {
      if (st->fWoche != woche || (raumPlan && st->fRaum != fElement)) continue;
      if (st->fTag < 1 || st->fTag > 7 || st->fStunde < 1 || st->fStunde > 16) continue;
      if (fKurs[st->fTag][st->fStunde]) continue;
      fKurs[st->fTag][st->fStunde] = k;
      fMarke[st->fTag][st->fStunde] = st->fFixiert ? 'F' : 'N';
    }
  }
  Abmessen();
  for (int t = 1; t <= tage; ++t) {
    for (int p = 1; p <= stunden; ++p) ZelleMalen(t, p);
  }
}

// Cells as the plan settings size them: the texts of a cell side by side in one line, or one
// above the other.
void TPlnForm::Abmessen() {
  const TStandard& s = Standard();
  fRaster->setFont(QtSchrift(s.fPlnFont));
  const std::vector<int32_t> teile = TeilBreiten();
  int32_t breite = 0;
  for (int32_t b : teile) breite = s.fNebenEinander ? breite + b : std::max(breite, b);
  const int32_t zeilen = s.fNebenEinander ? 1 : static_cast<int32_t>(teile.size());
  fRaster->horizontalHeader()->setDefaultSectionSize(std::max(breite, 13));
  fRaster->horizontalHeader()->setMinimumSectionSize(13);
  for (int t = 0; t < fRaster->columnCount(); ++t) fRaster->setColumnWidth(t, std::max(breite, 13));
  fRaster->verticalHeader()->setMinimumSectionSize(std::min(s.fPlnHoehe, 13));
  for (int p = 0; p < fRaster->rowCount(); ++p) fRaster->setRowHeight(p, s.fPlnHoehe * zeilen);
  fRaster->verticalHeader()->setFixedWidth(std::max(s.fPlnStdBreite, 13));
  updateGeometry();
}

// The whole grid, so that the window opens as large as the workspace lets it.
QSize TPlnForm::sizeHint() const {
  int breite = fRaster->verticalHeader()->width() + 2 * fRaster->frameWidth();
  for (int t = 0; t < fRaster->columnCount(); ++t) breite += fRaster->columnWidth(t);
  int hoehe = fRaster->horizontalHeader()->sizeHint().height() + 2 * fRaster->frameWidth();
  for (int p = 0; p < fRaster->rowCount(); ++p) hoehe += fRaster->rowHeight(p);
  return {breite, hoehe};
}

void TPlnForm::ZelleMalen(int32_t tag, int32_t std) {
  if (fElement == nullptr || tag > fRaster->columnCount() || std > fRaster->rowCount()) return;
  const TStandard& s = Standard();
  auto* item = new QTableWidgetItem;
  QFont schrift = fRaster->font();
  const TKurs* kurs = fKurs[tag][std];
  const TSetzung* setzung = kurs ? kurs->SetzungFinden(Version(), tag, std) : nullptr;
  if (kurs && setzung) {
    item->setText(
        Texte(*kurs, *setzung).join(s.fNebenEinander ? QStringLiteral(" ") : QStringLiteral("\n")));
    item->setBackground(QtFarbe(kurs->fColor));
    schrift.setBold(kurs->fKopplung && s.fPlnKoppFett);
    schrift.setUnderline(setzung->fFixiert);
  } else if (fElement->fSperrung.GetWocheTagStd(Version(), tag, std)) {
    item->setText(QStringLiteral("*sperrung*"));
    item->setBackground(Qt::lightGray);
  } else {
    item->setBackground(Qt::white);
  }
  if (fMarke[tag][std] == 'R') {
    item->setBackground(palette().color(QPalette::Highlight));
    item->setForeground(palette().color(QPalette::HighlightedText));
  }
  item->setFont(schrift);
  fRaster->setItem(std - 1, tag - 1, item);
}

TMenu TPlnForm::KlickMenu(int32_t tag, int32_t std) {
  TMenu menu;
  if (fElement == nullptr) return menu;
  TKurs* kurs = fKurs[tag][std];
  TRaum* raum = fElement->Art() == rau ? static_cast<TRaum*>(fElement) : nullptr;
  switch (Schule().fToolArt) {
    case ZeigTool:
      if (kurs == nullptr) break;
      for (TKurs* k : fElement->fKurse) {
        ErzeugePlnMenu(
            *k, menu, false, fElement->Art(), raum, std, tag,
            [this](TKurs& gewaehlt, int32_t t, int32_t p) { ZelleZeigen(t, p, &gewaehlt, 'N'); });
      }
      break;
    case SetzTool:
      if (kurs == nullptr) {
        if (fElement->fSperrung.GetWocheTagStd(-1, tag, std)) break;
        for (TKurs* k : fElement->fKurse)
          ErzeugeSetzMenu(*k, menu, tag, raum == nullptr, std, raum);
      } else if (raum == nullptr) {
        for (const TSetzung* s : kurs->fSetzungen) {
          if (s->fWoche == Version()) ZelleZeigen(s->fTag, s->fStunde, kurs, 'R');
        }
        ErzeugeRaumSetzMenu(*kurs, menu, *this);
      }
      break;
    default:
      break;
  }
  return menu;
}

void TPlnForm::Geklickt(int32_t tag, int32_t std) {
  TMenu menu = KlickMenu(tag, std);
  fMenuZeigen(menu);
  // The marks of a room menu last as long as the menu.
  if (Schule().fToolArt == SetzTool) Fuellen();
}

void TPlnForm::Doppelgeklickt(int32_t tag, int32_t std, Qt::KeyboardModifiers tasten) {
  TKurs* kurs = fKurs[tag][std];
  if (kurs == nullptr) return;
  switch (Schule().fToolArt) {
    case ZeigTool:
      if (tasten & Qt::ControlModifier) {
        ZeigePlanFenster(*kurs, tag, std);
      } else {
        KursFensterZeigen(kurs, &fElement->fKurse);
      }
      break;
    case LoeschTool:
      for (const auto& [t, p] : AuswahlZellen(tag, std)) {
        // A cell may have lost its lesson with a coupled one deleted before it.
        if (fKurs[t][p] == nullptr) continue;
        // With Alt the hour stays and only loses its room.
        if (tasten & Qt::AltModifier) {
          LoescheRaumInSetzung(*fKurs[t][p], -1, t, p);
        } else {
          Loeschen(t, p);
        }
        Fuellen();
      }
      break;
    case SchiebTool:
      if (!(tasten & Qt::ControlModifier)) Markieren(*kurs);
      break;
    case FixTool:
      for (const auto& [t, p] : AuswahlZellen(tag, std)) {
        if (TKurs* k = fKurs[t][p]) {
          FixiereZelle(*k, t, p);
          PlanFensterAktualisieren(*k, k->RaumFuerZelle(Version(), t, p));
        }
      }
      Schule().SetDirty();
      break;
    default:
      break;
  }
}

std::vector<std::pair<int32_t, int32_t>> TPlnForm::AuswahlZellen(int32_t tag, int32_t std) const {
  std::vector<std::pair<int32_t, int32_t>> zellen{{tag, std}};
  for (const QModelIndex& i : fRaster->selectionModel()->selectedIndexes()) {
    const std::pair<int32_t, int32_t> zelle{i.column() + 1, i.row() + 1};
    if (zelle != zellen.front()) zellen.push_back(zelle);
  }
  return zellen;
}

// The plans of the room the lesson is held in, of the first class and of the teacher.
void TPlnForm::ZeigePlanFenster(const TKurs& kurs, int32_t tag, int32_t std) {
  const TSetzung* setzung = kurs.SetzungFinden(Version(), tag, std);
  PlanFensterZeigen(setzung ? setzung->fRaum : nullptr);
  PlanFensterZeigen(kurs.ErsteKlasse());
  PlanFensterZeigen(kurs.fLehrer);
}

// A coupled lesson is deleted alone or with its coupling, as the user answers.
void TPlnForm::Loeschen(int32_t tag, int32_t std) {
  TKurs* kurs = fKurs[tag][std];
  if (kurs->fKopplung == nullptr) {
    LoescheSetzung(*kurs, -1, tag, false, std);
  } else {
    switch (FrageKopplung(*kurs, Version(), tag, std)) {
      case TKopplungsWahl::DieserKurs:
        LoescheSetzung(*kurs, -1, tag, false, std);
        break;
      case TKopplungsWahl::Kopplung:
        LoescheSetzung(*kurs, -1, tag, true, std);
        break;
      case TKopplungsWahl::Nein:
      case TKopplungsWahl::Abbrechen:
        break;
    }
  }
  // The placement code has redrawn the plan windows of everything the lesson touched.
}

TMenu TPlnForm::RechtsMenu() {
  TMenu menu;
  if (fElement == nullptr) return menu;
  for (TKurs* k : fElement->fKurse) {
    ErzeugeRechtsMenu(*k, menu, [this, k] {
      Fuellen();
      const TStandard& s = Standard();
      for (int32_t t = 1; t <= fRaster->columnCount(); ++t) {
        for (int32_t p = 1; p <= fRaster->rowCount(); ++p) {
          if (!k->fSetzungUnmoeglich.GetWocheTagStd(s.fAktuelleWoche, t, p)) {
            fMarke[t][p] = 'R';
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
    if (s->fWoche == Version() && s->fTag <= 7 && s->fStunde <= 16) {
      fMarke[s->fTag][s->fStunde] = 'R';
      ZelleMalen(s->fTag, s->fStunde);
    }
  }
}

void TPlnForm::Vorschau(int32_t tag, int32_t std, bool ohneRaum) {
  TKurs* kurs = fKurs[tag][std];
  if (kurs == nullptr) return;
  Fuellen();
  std::vector<const TKurs*> kurse{kurs};
  if (kurs->fKopplung) kurse.assign(kurs->fKopplung->fKurse.begin(), kurs->fKopplung->fKurse.end());
  for (int32_t t = 1; t <= fRaster->columnCount(); ++t) {
    for (int32_t p = 1; p <= fRaster->rowCount(); ++p) {
      bool frei = true;
      for (const TKurs* k : kurse) {
        const TRaum* raum = ohneRaum ? nullptr : k->RaumFuerZelle(Version(), tag, std);
        frei = frei && SetzungPossible(*k, -1, t, raum, p);
      }
      if (frei) {
        fMarke[t][p] = 'R';
        ZelleMalen(t, p);
      }
    }
  }
}

bool TPlnForm::Aufnehmen(int32_t tag, int32_t std) {
  fGezogen = fKurs[tag][std];
  fVonTag = tag;
  fVonStd = std;
  if (fGezogen) Markieren(*fGezogen);
  return fGezogen != nullptr;
}

void TPlnForm::Ablegen(int32_t tag, int32_t std, bool alt, bool shift) {
  TKurs* kurs = fGezogen;
  fGezogen = nullptr;
  if (kurs == nullptr) return;
  const bool andereZelle = tag != fVonTag || std != fVonStd;
  if (!shift && andereZelle && !kurs->fBesetzung.GetWocheTagStd(-1, tag, std)) {
    TListe<TKonflikt> konflikte(true);
    if (PasstIn(*kurs, tag, std, !alt, konflikte, fVonStd, fVonTag)) {
      Schiebe(*kurs, tag, std, !alt, fVonStd, fVonTag);
    }
  }
  Fuellen();
}

QString TPlnForm::PlanText() const {
  QStringList zeilen;
  QStringList kopf{QString()};
  for (int t = 0; t < fRaster->columnCount(); ++t) {
    kopf << fRaster->horizontalHeaderItem(t)->text();
  }
  zeilen << kopf.join(QLatin1Char('\t'));
  for (int p = 1; p <= fRaster->rowCount(); ++p) {
    QStringList zeile{fRaster->verticalHeaderItem(p - 1)->text()};
    for (int t = 1; t <= fRaster->columnCount(); ++t) {
      zeile << ZellText(t, p).replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    zeilen << zeile.join(QLatin1Char('\t'));
  }
  return zeilen.join(QLatin1Char('\n')) + QLatin1Char('\n');
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
  const auto* maus = dynamic_cast<QMouseEvent*>(ereignis);
  if (maus == nullptr) return false;
  int32_t tag = 0;
  int32_t std = 0;
  const bool inZelle = ZelleBei(maus->position().toPoint(), tag, std);
  const TToolArt tool = Schule().fToolArt;
  TVerlaufSchritt schritt;
  switch (ereignis->type()) {
    case QEvent::MouseButtonPress:
      if (maus->button() == Qt::RightButton && tool == SetzTool) {
        RechtsKlick();
        return true;
      }
      if (maus->button() == Qt::LeftButton && tool == SchiebTool && inZelle) {
        if (maus->modifiers() & Qt::ControlModifier) {
          Vorschau(tag, std, maus->modifiers() & Qt::AltModifier);
        } else {
          Aufnehmen(tag, std);
        }
        return true;
      }
      return false;
    case QEvent::MouseMove:
      // The target is the current cell; the table scrolls to keep it in view.
      if (fGezogen && inZelle) {
        fRaster->setCurrentCell(std - 1, tag - 1);
        fRaster->scrollToItem(fRaster->item(std - 1, tag - 1));
      }
      return fGezogen != nullptr;
    case QEvent::MouseButtonRelease:
      if (fGezogen == nullptr || maus->button() != Qt::LeftButton) return false;
      if (inZelle) {
        Ablegen(tag, std, maus->modifiers() & Qt::AltModifier,
                maus->modifiers() & Qt::ShiftModifier);
      } else {
        fGezogen = nullptr;
        Fuellen();
      }
      return true;
    default:
      return false;
  }
}

TLePlnForm::TLePlnForm(TLehrer* lehrer) : TPlnForm(lehrer, 9), fLehrer(lehrer) {}

std::vector<int32_t> TLePlnForm::TeilBreiten() const {
  const TStandard& s = Standard();
  std::vector<int32_t> teile{std::max(s.fPlnKlBreite, s.fPlnKoBreite), s.fPlnFaBreite};
  if (s.fMitRaum) teile.push_back(s.fPlnRaBreite);
  return teile;
}

// A coupled course shows its coupling while the switch reads "o", otherwise its first class.
QStringList TLePlnForm::Texte(const TKurs& kurs, const TSetzung& setzung) const {
  QStringList texte{
      kurs.fKopplung && fKopplungZeigen ? Kuerzel(kurs.fKopplung) : Kuerzel(kurs.ErsteKlasse()),
      Kuerzel(kurs.fFach)};
  if (Standard().fMitRaum) texte << Kuerzel(setzung.fRaum);
  return texte;
}

TKlPlnForm::TKlPlnForm(TKlasse* klasse) : TPlnForm(klasse, 10), fKlasse(klasse) {}

std::vector<int32_t> TKlPlnForm::TeilBreiten() const {
  const TStandard& s = Standard();
  std::vector<int32_t> teile{std::max(s.fPlnLeBreite, s.fPlnKoBreite), s.fPlnFaBreite};
  if (s.fMitRaum) teile.push_back(s.fPlnRaBreite);
  return teile;
}

QStringList TKlPlnForm::Texte(const TKurs& kurs, const TSetzung& setzung) const {
  QStringList texte{
      kurs.fKopplung && fKopplungZeigen ? Kuerzel(kurs.fKopplung) : Kuerzel(kurs.fLehrer),
      Kuerzel(kurs.fFach)};
  if (Standard().fMitRaum) texte << Kuerzel(setzung.fRaum);
  return texte;
}

TRaPlnForm::TRaPlnForm(TRaum* raum) : TPlnForm(raum, 11), fRaum(raum) {}

std::vector<int32_t> TRaPlnForm::TeilBreiten() const {
  const TStandard& s = Standard();
  return {s.fPlnLeBreite, std::max(s.fPlnKlBreite, s.fPlnKoBreite), s.fPlnFaBreite};
}

QStringList TRaPlnForm::Texte(const TKurs& kurs, const TSetzung&) const {
  return {Kuerzel(kurs.fLehrer),
          kurs.fKopplung && fKopplungZeigen ? Kuerzel(kurs.fKopplung) : Kuerzel(kurs.ErsteKlasse()),
          Kuerzel(kurs.fFach)};
}

TPlnForm* PlanFensterOeffnen(TPlanElement* element) {
  if (auto* offen = dynamic_cast<TPlnForm*>(element->fPlnFenster)) return offen;
  TPlnForm* neu = nullptr;
  switch (element->Art()) {
    case leh:
      neu = new TLePlnForm(static_cast<TLehrer*>(element));
      break;
    case kla:
      neu = new TKlPlnForm(static_cast<TKlasse*>(element));
      break;
    case rau:
      neu = new TRaPlnForm(static_cast<TRaum*>(element));
      break;
    default:
      return nullptr;
  }
  // Filled only now: the texts of a cell belong to the kind of plan, known after construction.
  neu->FensterUpdate();
  return neu;
}

}  // namespace orbato
