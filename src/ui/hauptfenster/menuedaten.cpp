#include "ui/hauptfenster/menuedaten.h"

#include <QCursor>
#include <QGridLayout>
#include <QMenu>
#include <QPointer>
#include <QToolButton>
#include <QWidget>
#include <QWidgetAction>
#include <memory>

#include "model/dokument/verlauf.h"
#include "platform/qttext.h"

namespace orbato {
namespace {

int gOffeneMenues = 0;

bool HatSpalten(const TMenu& daten) {
  for (const TMenuEintrag& e : daten) {
    if (e.fBreak) return true;
  }
  return false;
}

// Whatever a menu command does to the plan is one step of the document's history.
std::function<void()> EinSchritt(std::function<void()> befehl) {
  if (!befehl) return befehl;
  return [befehl = std::move(befehl)] {
    TVerlaufSchritt schritt;
    befehl();
  };
}

void EintragEinfuegen(QMenu* menu, const TMenuEintrag& e) {
  if (e.fTrennlinie) {
    menu->addSeparator();
    return;
  }
  if (e.HatUntermenu()) {
    MenuFuellen(menu->addMenu(QtText(e.fText)), e.fUntermenu);
    return;
  }
  QAction* aktion = menu->addAction(QtText(e.fText));
  aktion->setEnabled(e.fEnabled);
  aktion->setCheckable(e.fChecked);
  aktion->setChecked(e.fChecked);
  aktion->setData(e.fTag);
  if (!e.fHinweis.empty()) {
    aktion->setToolTip(QtText(e.fHinweis));
    menu->setToolTipsVisible(true);
  }
  if (e.fBefehl) QObject::connect(aktion, &QAction::triggered, menu, EinSchritt(e.fBefehl));
}

// One button per entry, a new column at every break.
void SpaltenEinfuegen(QMenu* menu, const TMenu& daten) {
  auto* flaeche = new QWidget(menu);
  auto* raster = new QGridLayout(flaeche);
  raster->setContentsMargins(2, 2, 2, 2);
  raster->setSpacing(0);
  int spalte = 0;
  int zeile = 0;
  for (const TMenuEintrag& e : daten) {
    if (e.fTrennlinie) continue;
    if (e.fBreak && zeile > 0) {
      ++spalte;
      zeile = 0;
    }
    auto* knopf = new QToolButton(flaeche);
    knopf->setText(QtText(e.fText));
    knopf->setAutoRaise(true);
    knopf->setEnabled(e.fEnabled);
    knopf->setCheckable(e.fChecked);
    knopf->setChecked(e.fChecked);
    knopf->setToolButtonStyle(Qt::ToolButtonTextOnly);
    knopf->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    knopf->setProperty("tag", e.fTag);
    if (!e.fHinweis.empty()) knopf->setToolTip(QtText(e.fHinweis));
    auto befehl = EinSchritt(e.fBefehl);
    QObject::connect(knopf, &QToolButton::clicked, menu, [menu, befehl] {
      menu->close();
      if (befehl) befehl();
    });
    raster->addWidget(knopf, zeile++, spalte);
  }
  auto* aktion = new QWidgetAction(menu);
  aktion->setDefaultWidget(flaeche);
  menu->addAction(aktion);
}

}  // namespace

void MenuFuellen(QMenu* menu, const TMenu& daten) {
  menu->clear();
  if (HatSpalten(daten)) {
    SpaltenEinfuegen(menu, daten);
    return;
  }
  for (const TMenuEintrag& e : daten) EintragEinfuegen(menu, e);
}

bool MenuZeigen(QWidget* besitzer, const TMenu& daten, const QPoint& wo) {
  if (daten.empty()) return true;
  QPointer<QWidget> wache(besitzer);
  // A child of the window would die with it while its own event loop still runs.
  QMenu menu;
  MenuFuellen(&menu, daten);
  if (besitzer) QObject::connect(besitzer, &QObject::destroyed, &menu, &QMenu::close);
  ++gOffeneMenues;
  menu.exec(wo);
  --gOffeneMenues;
  return besitzer == nullptr || !wache.isNull();
}

namespace {
const QPoint* gMenuOrt = nullptr;
}  // namespace

TMenuOrt::TMenuOrt(const QPoint& wo) : fWo(wo), fVorher(gMenuOrt) {
  gMenuOrt = &fWo;
}

TMenuOrt::~TMenuOrt() {
  gMenuOrt = fVorher;
}

QPoint MenuZeigerOrt() {
  return gMenuOrt ? *gMenuOrt : QCursor::pos();
}

bool MenuAmZeiger(QWidget* besitzer, const TMenu& daten) {
  return MenuZeigen(besitzer, daten, MenuZeigerOrt());
}

bool MenuUeberstanden(QWidget* fenster, const std::function<void(TMenu&)>& zeigen, TMenu& menu) {
  const QPointer<QWidget> wache(fenster);
  zeigen(menu);
  return !wache.isNull();
}

bool MenuUnterKnopf(const TMenu& daten, QWidget* knopf) {
  return MenuZeigen(knopf, daten, knopf->mapToGlobal(QPoint(0, knopf->height())));
}

bool ElementMenuOffen() {
  return gOffeneMenues > 0;
}

}  // namespace orbato
