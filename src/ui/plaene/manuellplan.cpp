#include "ui/plaene/manuellplan.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/kurse/kurs.h"
#include "placement/manuell.h"
#include "platform/qttext.h"
#include "ui/bausteine/werkzeugmaus.h"
#include "ui/hauptfenster/menuedaten.h"
#include "ui/plaene/manuellfarben.h"
#include "ui/plaene/wochentabelle.h"

namespace orbato {
namespace {

int32_t Version(const TStandard& s) {
  return std::clamp(s.fAktuelleWoche, 1, s.WochenZahl());
}

// Paints a cell from what the logic says of it: the ground by the worst obstacle, the lesson on
// it in its course colour, the marks of the move tool over everything.
class TZellMaler : public QStyledItemDelegate {
 public:
  TZellMaler(const TManuellForm& form, const TManuellPlan& plan, const TStandard& standard)
      : QStyledItemDelegate(const_cast<TManuellPlan*>(&plan)),
        fForm(form),
        fPlan(plan),
        fStandard(standard) {}

  void paint(QPainter* maler, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const int32_t tag = index.column() + 1;
    const int32_t std = index.row() + 1;
    const TManuellZelle zelle = fForm.Zelle(fPlan.PlanNr(), tag, std);
    const QRect r = option.rect;
    maler->save();
    // The course's own lessons stand on a ground of their own: what they meet there is the
    // course itself.
    maler->fillRect(r, zelle.fEigene ? kEigenerGrund : SchwereFarbe(zelle.fSchwere));
    if (zelle.fGesperrt && zelle.fKurs == nullptr) maler->fillRect(r, SperrMuster());
    const QRect innen = r.adjusted(3, 3, -3, -3);
    if (zelle.fKurs) Stunde(*maler, innen, zelle);
    if (zelle.fMarke == 'R') {
      QColor markiert = fPlan.palette().color(QPalette::Highlight);
      markiert.setAlpha(150);
      maler->fillRect(r, markiert);
    }
    Texte(*maler, innen, zelle);
    if (tag == fPlan.ZielTag() && std == fPlan.ZielStd()) {
      maler->setPen(QPen(kZielRahmen, 2, Qt::DashLine));
      maler->drawRect(r.adjusted(1, 1, -2, -2));
    }
    maler->setPen(kGitter);
    maler->drawLine(r.bottomLeft(), r.bottomRight());
    maler->drawLine(r.topRight(), r.bottomRight());
    maler->restore();
  }

 private:
  // The lesson's box: the course colour, framed dark for the current course's own lessons.
  static void Stunde(QPainter& maler, const QRect& innen, const TManuellZelle& zelle) {
    maler.setPen(zelle.fEigene ? QPen(kEigenerRahmen, 2) : QPen(kStundenRahmen, 1));
    maler.setBrush(QtFarbe(zelle.fKurs->fColor));
    maler.drawRoundedRect(innen, 3, 3);
  }

  // A blocked cell says so by its pattern.
  void Texte(QPainter& maler, const QRect& innen, const TManuellZelle& zelle) const {
    if (zelle.fTexte.empty() || zelle.fKurs == nullptr) return;
    QFont schrift = fPlan.font();
    const TStandard& s = fStandard;
    schrift.setBold(zelle.fEigene || (zelle.fKurs && zelle.fKurs->fKopplung && s.fPlnKoppFett));
    schrift.setUnderline(zelle.fFixiert);
    maler.setFont(schrift);
    maler.setPen(zelle.fMarke == 'R' ? fPlan.palette().color(QPalette::HighlightedText)
                                     : QColor(Qt::black));
    // The group (class, teacher or coupling) above, subject and room below.
    QString oben = QtText(zelle.fTexte[0]);
    QStringList unten;
    for (size_t i = 1; i < zelle.fTexte.size(); ++i) {
      if (!zelle.fTexte[i].empty()) unten << QtText(zelle.fTexte[i]);
    }
    const QRect text = innen.adjusted(3, 1, -3, -1);
    if (unten.isEmpty()) {
      maler.drawText(text, Qt::AlignCenter, oben);
      return;
    }
    const QRect obenRect(text.left(), text.top(), text.width(), text.height() / 2);
    const QRect untenRect(text.left(), text.top() + text.height() / 2, text.width(),
                          text.height() - text.height() / 2);
    maler.drawText(obenRect, Qt::AlignCenter, oben);
    schrift.setBold(false);
    maler.setFont(schrift);
    maler.drawText(untenRect, Qt::AlignCenter, unten.join(QLatin1Char(' ')));
  }

  const TManuellForm& fForm;
  const TManuellPlan& fPlan;
  const TStandard& fStandard;
};

}  // namespace

TManuellPlan::TManuellPlan(TManuellForm& form, TSchule& schule, const TStandard& standard,
                           int32_t plan, QWidget* eltern)
    : QTableWidget(eltern), fForm(form), fSchule(schule), fStandard(standard), fPlan(plan) {
  setObjectName(QStringLiteral("Plan%1").arg(plan + 1));
  setItemDelegate(new TZellMaler(form, *this, standard));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  setFocusPolicy(Qt::NoFocus);
  setShowGrid(false);
  setAutoScroll(true);
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  viewport()->installEventFilter(this);
  fMenuZeigen = [this](TMenu& menu, const QPoint& global) { MenuZeigen(this, menu, global); };
}

// Cells two lines high, as wide as the widest group name, or subject and room side by side.
void TManuellPlan::Aufbauen() {
  const TStandard& s = fStandard;
  WochenTabelle(*this, s, Version(s));
  setFont(QtSchrift(s.fPlnFont));
  const int32_t gruppe = std::max({s.fPlnKlBreite, s.fPlnKoBreite, s.fPlnLeBreite});
  const int32_t unten = s.fPlnFaBreite + (s.fMitRaum ? s.fPlnRaBreite : 0);
  const int32_t breite = std::max({gruppe, unten, 36}) + 10;
  const int32_t hoehe = std::max(2 * s.fPlnHoehe, 30) + 6;
  for (int t = 0; t < columnCount(); ++t) setColumnWidth(t, breite);
  for (int p = 0; p < rowCount(); ++p) setRowHeight(p, hoehe);
  verticalHeader()->setFixedWidth(std::max(s.fPlnStdBreite, 24));
  updateGeometry();
  viewport()->update();
}

QSize TManuellPlan::sizeHint() const {
  int breite = verticalHeader()->width() + 2 * frameWidth();
  for (int t = 0; t < columnCount(); ++t) breite += columnWidth(t);
  int hoehe = horizontalHeader()->sizeHint().height() + 2 * frameWidth();
  for (int p = 0; p < rowCount(); ++p) hoehe += rowHeight(p);
  return {breite, hoehe};
}

QRect TManuellPlan::ZellRechteck(int32_t tag, int32_t std) const {
  return visualRect(model()->index(std - 1, tag - 1));
}

bool TManuellPlan::ZelleBei(const QPoint& punkt, int32_t& tag, int32_t& std) const {
  const QModelIndex index = indexAt(punkt);
  if (!index.isValid()) return false;
  tag = index.column() + 1;
  std = index.row() + 1;
  return true;
}

void TManuellPlan::ZielSetzen(int32_t tag, int32_t std) {
  if (tag == fZielTag && std == fZielStd) return;
  fZielTag = tag;
  fZielStd = std;
  if (tag > 0) scrollTo(model()->index(std - 1, tag - 1));
  viewport()->update();
}

bool TManuellPlan::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt != viewport()) return QTableWidget::eventFilter(objekt, ereignis);
  if (ereignis->type() == QEvent::ToolTip) return Hinweis(static_cast<QHelpEvent&>(*ereignis));
  return MausVerteilen(
      {
          {TMausAktion::Druck, kJederKnopf, kJedesWerkzeug,
           [this](const QMouseEvent& maus) { return Druck(maus); }},
          {TMausAktion::Zug, kJederKnopf, kJedesWerkzeug,
           [this](const QMouseEvent& maus) { return Bewegung(maus); }},
          {TMausAktion::Loslassen, kJederKnopf, kJedesWerkzeug,
           [this](const QMouseEvent& maus) { return Loslassen(maus); }},
          // A second click in quick succession would otherwise delete or place twice.
          {TMausAktion::Doppelklick, kJederKnopf, kJedesWerkzeug,
           [](const QMouseEvent&) { return true; }},
      },
      *ereignis, fSchule.fToolArt);
}

bool TManuellPlan::Druck(const QMouseEvent& maus) {
  int32_t tag = 0;
  int32_t std = 0;
  fForm.PlanAktivieren(fPlan);
  if (!ZelleBei(maus.position().toPoint(), tag, std)) return true;
  if (maus.button() == Qt::RightButton) {
    TMenu menu = fForm.KonfliktMenu(tag, std);
    fMenuZeigen(menu, maus.globalPosition().toPoint());
    return true;
  }
  if (maus.button() != Qt::LeftButton) return true;
  const Qt::KeyboardModifiers tasten = maus.modifiers();
  if (fSchule.fToolArt == SchiebTool) {
    if (tasten & Qt::ControlModifier) {
      fVorschau = true;
      fForm.Vorschau(fPlan, tag, std, tasten & Qt::ShiftModifier);
      return true;
    }
    if (fForm.Aufnehmen(tag, std)) {
      ZielSetzen(tag, std);
      return true;
    }
  }
  fDruckTag = tag;
  fDruckStd = std;
  return true;
}

// While a lesson is dragged the cell under the pointer is framed, in whichever plan it is.
bool TManuellPlan::Bewegung(const QMouseEvent& maus) {
  if (!fForm.Zieht()) return false;
  TManuellPlan* ziel = nullptr;
  int32_t tag = 0;
  int32_t std = 0;
  if (!fPlanBei || !fPlanBei(maus.globalPosition().toPoint(), ziel, tag, std)) ziel = nullptr;
  if (fZielZeigen) fZielZeigen(ziel, tag, std);
  return true;
}

bool TManuellPlan::Loslassen(const QMouseEvent& maus) {
  if (maus.button() != Qt::LeftButton) return true;
  if (fVorschau) {
    fVorschau = false;
    fForm.VorschauEnde();
    viewport()->update();
    return true;
  }
  if (fForm.Zieht()) {
    if (fZielZeigen) fZielZeigen(nullptr, 0, 0);
    TManuellPlan* ziel = nullptr;
    int32_t tag = 0;
    int32_t std = 0;
    if (fPlanBei && fPlanBei(maus.globalPosition().toPoint(), ziel, tag, std)) {
      fForm.Ablegen(tag, std, maus.modifiers() & Qt::AltModifier);
    } else {
      fForm.Abbrechen();
    }
    return true;
  }
  int32_t tag = 0;
  int32_t std = 0;
  const bool gleich =
      ZelleBei(maus.position().toPoint(), tag, std) && tag == fDruckTag && std == fDruckStd;
  fDruckTag = fDruckStd = 0;
  if (gleich) fForm.Klick(fPlan, tag, std, maus.modifiers() & Qt::ControlModifier);
  return true;
}

// The obstacles of the cell, one per line.
bool TManuellPlan::Hinweis(const QHelpEvent& hilfe) {
  int32_t tag = 0;
  int32_t std = 0;
  if (!ZelleBei(hilfe.pos(), tag, std)) return false;
  QStringList zeilen;
  for (const std::string& t : fForm.KonfliktTexte(tag, std)) zeilen << QtText(t);
  if (zeilen.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(hilfe.globalPos(), zeilen.join(QLatin1Char('\n')), viewport());
  }
  return true;
}

}  // namespace orbato
