// How the main window opens document windows: an element's window by the palette's window kind,
// "alle Kurse", and every window another window asks for.

#include <QAction>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "model/elemente/element.h"
#include "model/elemente/planelement.h"
#include "model/fenster/fensterarten.h"
#include "model/uv/statistik.h"
#include "model/uv/uvtab.h"
#include "model/vertretung/kalender.h"
#include "ui/hauptfenster/fensterwege.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/plaene/parfenster.h"
#include "ui/plaene/planfenster.h"
#include "ui/plaene/svfenster.h"
#include "ui/plaene/uebersichtfenster.h"
#include "ui/stammdaten/deputatfenster.h"
#include "ui/stammdaten/grunddatenfenster.h"
#include "ui/stammdaten/statistikfenster.h"
#include "ui/stammdaten/uvtabfenster.h"

namespace orbato {
namespace {

// The window of that kind the element has open, if any.
Fenster* OffenesFenster(TElement* element, TFensterArt art) {
  if (art == GFenster) return element->fGrDatFenster;
  if (art == PFenster) return static_cast<TPlanElement*>(element)->fPlnFenster;
  return element->fDepFenster;
}

QMdiSubWindow* Rahmen(Fenster* fenster) {
  auto* widget = dynamic_cast<QWidget*>(fenster);
  return widget ? qobject_cast<QMdiSubWindow*>(widget->parentWidget()) : nullptr;
}

}  // namespace

void TOrbatoPalette::FensterWegeAnlegen() {
  FensterWegeSetzen(
      {[this](QWidget* fenster) { FensterEinsetzen(fenster); },
       [this](TElement* element, TFensterArt art) { ElementFensterOeffnen(element, art); }});
  for (const TFensterTypDaten& typ : kFensterTypen) {
    if (!typ.fElementArt) continue;
    const TFensterArt fensterArt = *typ.fPaletteArt;
    FensterArtAnmelden(Nr(typ.fTyp), [this, fensterArt](const TFenster&, TElement* e) {
      return ElementFensterOeffnen(e, fensterArt);
    });
  }
  FensterArtAnmelden(Nr(TFensterTyp::AlleKurse),
                     [this](const TFenster&, TElement*) { return AlleKurseZeigen(); });
  for (TKuerzelArt art : {leh, kla, fac, kop, rau, uvt}) {
    FensterArtAnmelden(StatistikFensterArt(art),
                       [this, art](const TFenster&, TElement*) { return StatistikZeigen(art); });
  }
  for (TKuerzelArt art : {leh, kla, rau}) {
    FensterArtAnmelden(Nr(UeberFensterTyp(art)), [this, art](const TFenster&, TElement*) {
      return FensterEinsetzen(UeberFormOeffnen(*fSchule, *fStandard, art));
    });
  }
  FensterArtAnmelden(Nr(TFensterTyp::Stundenverteilung), [this](const TFenster&, TElement*) {
    return FensterEinsetzen(SVFormOeffnen(*fSchule, *fStandard));
  });
  FensterArtAnmelden(Nr(TFensterTyp::ParalleleKopplungen), [this](const TFenster&, TElement*) {
    return FensterEinsetzen(ParFormWiederOeffnen(*fSchule, *fStandard));
  });
  // The substitution window comes back on today, when school is held today.
  FensterArtAnmelden(Nr(TFensterTyp::Vertretungen), [this](const TFenster&, TElement*) {
    return Schultag(HeuteMittag()) ? VertretungHeute() : nullptr;
  });
}

QMdiSubWindow* TOrbatoPalette::FensterEinsetzen(QWidget* fenster) {
  auto* rahmen = qobject_cast<QMdiSubWindow*>(fenster->parentWidget());
  if (rahmen == nullptr) {
    rahmen = fArbeitsflaeche->addSubWindow(fenster);
    rahmen->setAttribute(Qt::WA_DeleteOnClose);
    // Ctrl+W is the main menu's "Fenster schließen"; the frame's own menu would make it ambiguous.
    for (QAction* a : rahmen->systemMenu()->actions()) a->setShortcuts({});
    rahmen->show();
    // As large as the workspace allows from where the window opened.
    const QSize platz = fArbeitsflaeche->size() - QSize(rahmen->x(), rahmen->y());
    rahmen->resize(rahmen->sizeHint().boundedTo(platz).expandedTo(QSize(120, 80)));
  }
  fArbeitsflaeche->setActiveSubWindow(rahmen);
  return rahmen;
}

QMdiSubWindow* TOrbatoPalette::ElementFensterOeffnen(TElement* element) {
  return ElementFensterOeffnen(element, fSchule->fFensterArt);
}

// A window the element has already comes to the front, and the active window of its kind, which
// shows another element, closes unless Shift is held. Otherwise a new window opens with Shift or
// when the active window is of another kind; else it takes the active window's place.
QMdiSubWindow* TOrbatoPalette::ElementFensterOeffnen(TElement* element, TFensterArt art) {
  if (element == nullptr) return nullptr;
  auto* planElement = dynamic_cast<TPlanElement*>(element);
  // Couplings, subjects and tables have no plan of their own; their teaching-load window (a
  // table's matrix) stands in for it.
  if (art == PFenster && planElement == nullptr) art = DFenster;
  const int nr = Nr(ElementFensterTyp(element->Art(), art));
  const bool shift = Shift() || (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier);
  QMdiSubWindow* aktiv = fArbeitsflaeche->activeSubWindow();
  const Fenster* aktivesFenster = DokumentFenster(aktiv);
  const bool aktivGleich = aktivesFenster && aktivesFenster->FensterArt() == nr;
  if (QMdiSubWindow* rahmen = Rahmen(OffenesFenster(element, art))) {
    if (!shift && aktivGleich && aktivesFenster != OffenesFenster(element, art)) aktiv->close();
    fArbeitsflaeche->setActiveSubWindow(rahmen);
    return rahmen;
  }
  QWidget* neu = NeuesElementFenster(element, art);
  if (neu == nullptr) return nullptr;
  if (shift || !aktivGleich) return FensterEinsetzen(neu);
  const QRect platz = aktiv->geometry();
  aktiv->close();
  QMdiSubWindow* rahmen = FensterEinsetzen(neu);
  rahmen->setGeometry(platz);
  return rahmen;
}

QWidget* TOrbatoPalette::NeuesElementFenster(TElement* element, TFensterArt art) {
  if (art == GFenster) return GrunddatenFensterOeffnen(*fSchule, *fStandard, element);
  if (element->Art() == uvt)
    return UVTabFensterOeffnen(*fSchule, *fStandard, static_cast<TUVTab*>(element));
  if (art == PFenster)
    return PlanFensterOeffnen(*fSchule, *fStandard, static_cast<TPlanElement*>(element));
  const Qt::KeyboardModifiers tasten = QGuiApplication::keyboardModifiers();
  const bool alt = tasten & Qt::AltModifier;
  return DepFensterOeffnen(*fSchule, *fStandard, element, alt,
                           alt && (tasten & Qt::ControlModifier));
}

QMdiSubWindow* TOrbatoPalette::StatistikZeigen(TKuerzelArt art) {
  return FensterEinsetzen(StatistikOeffnen(*fSchule, art));
}

QMdiSubWindow* TOrbatoPalette::AlleKurseZeigen() {
  const Qt::KeyboardModifiers tasten = QGuiApplication::keyboardModifiers();
  const bool alt = tasten & Qt::AltModifier;
  TDepForm* fenster =
      AlleKurseOeffnen(*fSchule, *fStandard, alt, alt && (tasten & Qt::ControlModifier));
  // After the scheduler's rest list the menu shows every course again.
  fenster->ListeZeigen();
  return FensterEinsetzen(fenster);
}

}  // namespace orbato
