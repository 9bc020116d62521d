#pragma once

// The random planner of the long run: one step at a time from the event loop, each step planned
// before it acts, so that a step which opens a pop-up menu or a dialog finds the next one running
// inside that menu's or dialog's own event loop, as a hurried planner's next key press does.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QWidgetAction>
#include <cstdio>
#include <deque>
#include <map>
#include <random>

#include "checks/befund.h"
#include "checks/fehlerausgabe.h"
#include "checks/konsistenz.h"
#include "lauf.h"
#include "model/dokument/schule.h"
#include "model/elemente/element.h"
#include "model/elemente/klasse.h"
#include "platform/qttext.h"
#include "ui/hauptfenster/eingabepause.h"
#include "ui/plaene/planfenster.h"

namespace orbato {

class TDauerlauf : public QObject {
 public:
  TDauerlauf(TLauf& lauf, QString demo, unsigned saat, int schritte, bool protokoll)
      : fLauf(lauf), fDemo(std::move(demo)), fZufall(saat), fZiel(schritte), fProtokoll(protokoll) {
    // Save dialogs get a new name now and then, open dialogs the demo school, the others nothing.
    lauf.palette->fDateiWaehlen = [this](const QString& titel, const QString&, bool speichern) {
      const int w = Zahl(4);
      if (titel.contains(QStringLiteral("öffnen"))) return w == 0 ? QString() : fDemo;
      const QString endung = titel.contains(QStringLiteral("Sichern")) ? QStringLiteral(".orb")
                                                                       : QStringLiteral(".txt");
      if (speichern && w > 0) return fLauf.Pfad(QStringLiteral("d%1").arg(Zahl(5)) + endung);
      return QString();
    };
  }

  void Starten() {
    // Shortcuts reach only the active window, as they do on a desktop.
    fLauf.palette->activateWindow();
    Planen();
  }
  bool Fertig() const { return fFertig; }
  // What went wrong, with the last steps before it; empty while all is well.
  const QString& Befund() const { return fBefund; }
  int Schritte() const { return fSchritt; }
  int Pruefungen() const { return fPruefungen; }
  int Menues() const { return fMenues; }
  int Dialoge() const { return fDialoge; }

 private:
  int Zahl(int n) { return std::uniform_int_distribution<int>(0, n - 1)(fZufall); }
  bool Wurf(int prozent) { return Zahl(100) < prozent; }
  template <typename T>
  T Eines(const QList<T>& liste) {
    return liste.at(Zahl(static_cast<int>(liste.size())));
  }

  void Planen() {
    QTimer::singleShot(0, this, [this] { Schritt(); });
  }

  void Notiere(const QString& text) {
    const QString zeile = QStringLiteral("%1 [%2] %3").arg(fSchritt).arg(fTiefe).arg(text);
    if (fProtokoll) std::fprintf(stderr, "%s\n", qPrintable(zeile));
    fLetzte.push_back(zeile);
    if (fLetzte.size() > 40) fLetzte.pop_front();
  }

  void Fehler(const QString& text) {
    if (!fBefund.isEmpty()) return;
    fBefund = text + QStringLiteral("\nLetzte Schritte:\n");
    for (const QString& z : fLetzte) fBefund += z + QLatin1Char('\n');
  }

  // One step. Inside a pop-up menu or a dialog the step answers it; at the top it first checks
  // the document, then does one thing a planner does.
  void Schritt() {
    if (fFertig) return;
    if (fSchritt >= fZiel || !fBefund.isEmpty()) {
      Ausklingen();
      return;
    }
    // In the middle of an operation that takes no input a planner can do nothing either.
    if (EingabenPausieren()) {
      Planen();
      return;
    }
    ++fSchritt;
    ++fTiefe;
    Planen();
    if (QWidget* popup = QApplication::activePopupWidget()) {
      PopupBedienen(popup);
    } else if (QWidget* modal = QApplication::activeModalWidget()) {
      ModalBeantworten(modal);
    } else if (fTiefe > 1 && ++fGewartet < kGeduld) {
      // Inside the event loop of a dialog that has closed but whose exec() has not returned:
      // nobody can click there, so the run waits for the code after the dialog.
      --fSchritt;
    } else {
      fGewartet = 0;
      if (fTiefe == 1) Pruefen();
      Handeln();
    }
    --fTiefe;
  }

  // Past the last step every menu and dialog is closed; the run ends back at the top.
  void Ausklingen() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      popup->close();
      Planen();
    } else if (QWidget* modal = QApplication::activeModalWidget()) {
      if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
      } else {
        modal->close();
      }
      Planen();
    } else if (fTiefe > 0 || fLauf.palette->BefehleWarten()) {
      // A main-menu command still waiting may open a dialog of its own.
      Planen();
    } else {
      if (fBefund.isEmpty()) Pruefen();
      fFertig = true;
    }
  }

  // The consistency check finds nothing after any step that ended: every grid and back-reference
  // agrees with the placements, no teacher, class or room is booked twice. The check of the
  // couplings' teachers is left out: two courses of one teacher in a coupling are the planner's
  // data, which a random planner enters now and then.
  void Pruefen() {
    if (!fLauf.palette->DokumentOffen()) return;
    TSchule& schule = fLauf.palette->schule();
    TFehlerSammlung fehler;
    TBefund befund(fehler);
    TAbgleich abgleich{befund, fLauf.palette->dialoge()};
    KurseAbgleichen(schule, abgleich);
    LehrerAbgleichen(schule, abgleich);
    KlassenAbgleichen(schule, abgleich);
    RaeumeAbgleichen(schule, abgleich);
    const int stufe = befund.Stufe();
    ++fPruefungen;
    if (stufe != 0) {
      QString text = QStringLiteral("Konsistenzprüfung Stufe %1:").arg(stufe);
      for (const std::string& z : fehler.Zeilen()) text += QLatin1Char('\n') + QtText(z);
      Fehler(text);
    }
  }

  void Handeln() {
    if (!fLauf.palette->isVisible()) {
      if (fTiefe > 1) return;
      Notiere(QStringLiteral("Programm neu gestartet"));
      fLauf.palette->show();
    }
    // A planner starts again from the top, not in the middle of a command.
    if (!fLauf.palette->DokumentOffen()) {
      if (fTiefe > 1) return;
      Notiere(QStringLiteral("Demo geöffnet"));
      fLauf.palette->Oeffnen(fDemo);
      return;
    }
    const int w = Zahl(100);
    if (w < 12) {
      Menuebefehl();
    } else if (w < 30) {
      Tastenkuerzel(Ziel());
    } else if (w < 40) {
      FensterOeffnen();
    } else if (w < 47) {
      WerkzeugWaehlen();
    } else if (w < 72) {
      Zellklick();
    } else if (w < 80) {
      StundeZeigen();
    } else if (w < 85) {
      Rastertaste();
    } else if (w < 90) {
      KnopfImFenster();
    } else {
      FensterSchliessen();
    }
  }

  // Where a key press goes: the open pop-up, the dialog, the widget with the focus, the palette.
  QWidget* Ziel() const {
    if (QWidget* w = QApplication::activePopupWidget()) return w;
    if (QWidget* w = QApplication::activeModalWidget()) return w;
    if (QWidget* w = QApplication::focusWidget()) return w;
    return fLauf.palette.get();
  }

  void Menuebefehl() {
    QList<QAction*> aktionen;
    for (const QString& pfad : fLauf.palette->AktionsPfade()) {
      // Help opens the manual on the file system; printing reaches the printers.
      if (pfad.startsWith(QStringLiteral("Hilfe/"))) continue;
      QAction* a = fLauf.palette->Aktion(pfad.split(QLatin1Char('/')));
      if (a && a->isEnabled() && a->menu() == nullptr) aktionen << a;
    }
    if (aktionen.isEmpty()) return;
    QAction* a = Eines(aktionen);
    Notiere(QStringLiteral("Menü ") + a->text());
    a->trigger();
  }

  void Tastenkuerzel(QWidget* ziel) {
    static const QList<QKeyCombination> tasten = {
        Qt::CTRL | Qt::Key_W,   Qt::CTRL | Qt::Key_W,   Qt::CTRL | Qt::Key_S,
        Qt::CTRL | Qt::Key_Z,   Qt::CTRL | Qt::Key_Z,   Qt::CTRL | Qt::Key_Y,
        Qt::CTRL | Qt::Key_X,   Qt::CTRL | Qt::Key_C,   Qt::CTRL | Qt::Key_V,
        Qt::CTRL | Qt::Key_A,   Qt::CTRL | Qt::Key_K,   Qt::CTRL | Qt::Key_U,
        Qt::CTRL | Qt::Key_H,   Qt::CTRL | Qt::Key_Q,   Qt::CTRL | Qt::Key_N,
        Qt::CTRL | Qt::Key_O,   Qt::CTRL | Qt::Key_F1,  Qt::CTRL | Qt::Key_F2,
        Qt::CTRL | Qt::Key_F3,  Qt::CTRL | Qt::Key_F4,  Qt::CTRL | Qt::Key_F5,
        Qt::CTRL | Qt::Key_F6,  Qt::CTRL | Qt::Key_F7,  Qt::CTRL | Qt::Key_F8,
        Qt::CTRL | Qt::Key_F9,  Qt::CTRL | Qt::Key_F10, Qt::CTRL | Qt::Key_F11,
        Qt::CTRL | Qt::Key_F12, Qt::CTRL | Qt::Key_P,
    };
    const QKeyCombination taste = Eines(tasten);
    // The program has the focus: a closed dialog leaves no active window on this platform.
    if (QApplication::activeWindow() == nullptr && QApplication::activePopupWidget() == nullptr) {
      fLauf.palette->activateWindow();
      QApplication::setActiveWindow(fLauf.palette.get());
    }
    Notiere(QStringLiteral("Taste ") + QKeySequence(taste).toString() + QStringLiteral(" an ") +
            QString::fromLatin1(ziel->metaObject()->className()));
    QTest::keyClick(ziel, taste.key(), taste.keyboardModifiers());
  }

  void FensterOeffnen() {
    TSchule& schule = fLauf.palette->schule();
    std::vector<TElement*> elemente;
    for (TElement* e : schule.fLehrerMenge) elemente.push_back(e);
    for (TElement* e : schule.fKlassenMenge) elemente.push_back(e);
    for (TElement* e : schule.fRaumMenge) elemente.push_back(e);
    for (TElement* e : schule.fKopplMenge) elemente.push_back(e);
    for (TElement* e : schule.fFachMenge) elemente.push_back(e);
    if (elemente.empty()) return;
    TElement* e = elemente[static_cast<size_t>(Zahl(static_cast<int>(elemente.size())))];
    const auto art = static_cast<TFensterArt>(Zahl(3));
    Notiere(QStringLiteral("Fenster %1 Art %2").arg(QtText(e->fKuerzel.str())).arg(art));
    fLauf.palette->ElementFensterOeffnen(e, art);
  }

  void WerkzeugWaehlen() {
    static const char* const werkzeuge[] = {"Zeigen",  "Zeigen",   "Setzen",
                                            "Löschen", "Schieben", "Fixieren"};
    const QString name = QString::fromUtf8(werkzeuge[Zahl(6)]);
    QAction* a = fLauf.palette->Aktion({QStringLiteral("Werkzeuge"), name});
    if (a && a->isEnabled()) {
      Notiere(QStringLiteral("Werkzeug ") + name);
      a->trigger();
    }
  }

  // The windows a planner sees: those of the workspace and the top-level ones beside the
  // palette.
  QList<QWidget*> Fenster() const {
    QList<QWidget*> fenster;
    for (QMdiSubWindow* f : fLauf.palette->Arbeitsflaeche()->subWindowList()) {
      if (f->isVisible()) fenster << f;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->isVisible() && w != fLauf.palette.get() && !w->isModal() &&
          !(w->windowFlags() & Qt::Popup) && w->windowType() != Qt::ToolTip) {
        fenster << w;
      }
    }
    return fenster;
  }

  QAbstractItemView* Raster() {
    QList<QAbstractItemView*> raster;
    for (QWidget* f : Fenster()) {
      for (QAbstractItemView* r : f->findChildren<QAbstractItemView*>()) {
        if (r->isVisible() && r->model() && r->model()->rowCount() > 0 &&
            r->model()->columnCount() > 0) {
          raster << r;
        }
      }
    }
    return raster.isEmpty() ? nullptr : Eines(raster);
  }

  Qt::KeyboardModifiers Tasten() {
    const int w = Zahl(20);
    if (w == 0) return Qt::ShiftModifier;
    if (w == 1) return Qt::ControlModifier;
    if (w == 2) return Qt::AltModifier;
    return Qt::NoModifier;
  }

  void Zellklick() {
    QAbstractItemView* raster = Raster();
    if (raster == nullptr) return;
    QAbstractItemModel* modell = raster->model();
    const QModelIndex index =
        modell->index(Zahl(modell->rowCount()), Zahl(modell->columnCount()), raster->rootIndex());
    raster->scrollTo(index);
    const QPoint punkt = raster->visualRect(index).center();
    if (!raster->viewport()->rect().contains(punkt)) return;
    if (QWidget* f = raster->window(); f != nullptr) f->activateWindow();
    if (auto* rahmen = qobject_cast<QMdiSubWindow*>(RahmenVon(raster))) {
      fLauf.palette->Arbeitsflaeche()->setActiveSubWindow(rahmen);
    }
    const Qt::KeyboardModifiers tasten = Tasten();
    const int w = Zahl(10);
    QPointer<QWidget> flaeche(raster->viewport());
    Notiere(QStringLiteral("%1 in %2 Zeile %3 Spalte %4 (%5)")
                .arg(w < 5   ? QStringLiteral("Klick")
                     : w < 8 ? QStringLiteral("Doppelklick")
                     : w < 9 ? QStringLiteral("Rechtsklick")
                             : QStringLiteral("Ziehen"))
                .arg(RahmenVon(raster)->windowTitle())
                .arg(index.row())
                .arg(index.column())
                .arg(static_cast<int>(tasten)));
    if (w < 5) {
      QTest::mouseClick(flaeche, Qt::LeftButton, tasten, punkt);
    } else if (w < 8) {
      // A double click as the system delivers it: press, release, double-click, release.
      QTest::mouseClick(flaeche, Qt::LeftButton, tasten, punkt);
      if (flaeche) QTest::mouseDClick(flaeche, Qt::LeftButton, tasten, punkt);
    } else if (w < 9) {
      QTest::mouseClick(flaeche, Qt::RightButton, tasten, punkt);
    } else {
      const QModelIndex nach =
          modell->index(Zahl(modell->rowCount()), Zahl(modell->columnCount()), raster->rootIndex());
      const QPoint ende = raster->visualRect(nach).center();
      QTest::mousePress(flaeche, Qt::LeftButton, tasten, punkt);
      if (flaeche) QTest::mouseMove(flaeche, ende);
      if (flaeche) QTest::mouseRelease(flaeche, Qt::LeftButton, tasten, ende);
    }
  }

  // The pop-up of a lesson in a plan window, with the tool "Zeigen": what a planner does most.
  void StundeZeigen() {
    QList<TPlnForm*> plaene;
    for (QMdiSubWindow* f : fLauf.palette->Arbeitsflaeche()->subWindowList()) {
      if (auto* plan = qobject_cast<TPlnForm*>(f->widget()); plan && f->isVisible()) plaene << plan;
    }
    if (plaene.isEmpty()) {
      // "Kl" / a class, as a plan.
      TListe<TKlasse>& klassen = fLauf.palette->schule().fKlassenMenge;
      if (klassen.ListeZahlElemente() == 0) return;
      TKlasse* klasse = klassen.ListeNrInhalt(1 + Zahl(klassen.ListeZahlElemente()));
      Notiere(QStringLiteral("Plan ") + QtText(klasse->fKuerzel.str()));
      QMdiSubWindow* rahmen = fLauf.palette->ElementFensterOeffnen(klasse, PFenster);
      if (rahmen == nullptr) return;
      plaene << qobject_cast<TPlnForm*>(rahmen->widget());
    }
    TPlnForm* plan = Eines(plaene);
    QTableWidget* raster = plan->Raster();
    QList<QTableWidgetItem*> stunden;
    for (int z = 0; z < raster->rowCount(); ++z) {
      for (int s = 0; s < raster->columnCount(); ++s) {
        QTableWidgetItem* item = raster->item(z, s);
        if (item && !item->text().trimmed().isEmpty()) stunden << item;
      }
    }
    if (stunden.isEmpty()) return;
    QTableWidgetItem* item = Eines(stunden);
    fLauf.palette->Arbeitsflaeche()->setActiveSubWindow(
        qobject_cast<QMdiSubWindow*>(plan->parentWidget()));
    if (QAction* a =
            fLauf.palette->Aktion({QStringLiteral("Werkzeuge"), QStringLiteral("Zeigen")})) {
      a->trigger();
    }
    Notiere(QStringLiteral("Stunde zeigen in %1: %2").arg(plan->windowTitle(), item->text()));
    raster->scrollToItem(item);
    QTest::mouseClick(raster->viewport(), Qt::LeftButton, {},
                      raster->visualItemRect(item).center());
  }

  static QWidget* RahmenVon(QWidget* w) {
    for (QWidget* p = w; p != nullptr; p = p->parentWidget()) {
      if (qobject_cast<QMdiSubWindow*>(p) || p->isWindow()) return p;
    }
    return w;
  }

  void Rastertaste() {
    QAbstractItemView* raster = Raster();
    if (raster == nullptr) return;
    static const QList<Qt::Key> tasten = {Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Left,
                                          Qt::Key_Right,  Qt::Key_Return, Qt::Key_Space,
                                          Qt::Key_Delete, Qt::Key_Tab,    Qt::Key_Escape};
    raster->setFocus();
    const Qt::Key taste = Eines(tasten);
    Notiere(QStringLiteral("Rastertaste %1 in %2")
                .arg(QKeySequence(taste).toString(), RahmenVon(raster)->windowTitle()));
    QTest::keyClick(raster, taste, Tasten());
  }

  // A button of a document window: the switches of the plans, the substitution window's
  // commands, the course window's fields.
  void KnopfImFenster() {
    QList<QAbstractButton*> knoepfe;
    for (QWidget* f : Fenster()) {
      for (QAbstractButton* b : f->findChildren<QAbstractButton*>()) {
        if (b->isVisible() && b->isEnabled()) knoepfe << b;
      }
    }
    if (knoepfe.isEmpty()) return;
    QAbstractButton* b = Eines(knoepfe);
    Notiere(QStringLiteral("Knopf \"%1\" in %2").arg(b->text(), RahmenVon(b)->windowTitle()));
    b->click();
  }

  void FensterSchliessen() {
    const QList<QWidget*> fenster = Fenster();
    const int w = Zahl(3);
    if (w == 0) {
      Notiere(QStringLiteral("Strg+W"));
      QTest::keyClick(Ziel(), Qt::Key_W, Qt::ControlModifier);
    } else if (w == 1) {
      Notiere(QStringLiteral("Fenster schließen (Menü)"));
      if (QAction* a = fLauf.palette->Aktion(
              {QStringLiteral("Datei"), QStringLiteral("Fenster schließen")})) {
        a->trigger();
      }
    } else if (!fenster.isEmpty()) {
      QWidget* f = Eines(fenster);
      Notiere(QStringLiteral("Schließknopf ") + f->windowTitle());
      f->close();
    }
  }

  // In a pop-up menu: an entry chosen with the keyboard, Escape, or a shortcut of the main menu.
  void PopupBedienen(QWidget* popup) {
    ++fMenues;
    const int w = Zahl(10);
    if (w < 3) {
      Notiere(QStringLiteral("Pop-up: Escape"));
      QTest::keyClick(popup, Qt::Key_Escape);
      return;
    }
    if (w < 6) {
      Tastenkuerzel(popup);
      return;
    }
    auto* menu = qobject_cast<QMenu*>(popup);
    if (menu == nullptr) {
      Notiere(QStringLiteral("Pop-up: Return"));
      QTest::keyClick(popup, Qt::Key_Return);
      return;
    }
    QList<QAction*> eintraege;
    for (QAction* a : menu->actions()) {
      if (a->isVisible() && a->isEnabled() && !a->isSeparator()) eintraege << a;
    }
    if (eintraege.isEmpty()) {
      QTest::keyClick(popup, Qt::Key_Escape);
      return;
    }
    QAction* a = Eines(eintraege);
    // A menu of columns holds one button per entry.
    if (auto* spalten = qobject_cast<QWidgetAction*>(a)) {
      const QList<QAbstractButton*> knoepfe =
          spalten->defaultWidget()->findChildren<QAbstractButton*>();
      if (!knoepfe.isEmpty()) {
        QAbstractButton* b = Eines(knoepfe);
        Notiere(QStringLiteral("Pop-up-Spalte: ") + b->text());
        b->click();
      }
      return;
    }
    Notiere(QStringLiteral("Pop-up: ") + a->text());
    menu->setActiveAction(a);
    QTest::keyClick(menu, Qt::Key_Return);
  }

  // A dialog: a random button, Escape, or a main-menu shortcut; one that stays open too long is
  // cancelled.
  void ModalBeantworten(QWidget* modal) {
    auto& [wache, runden] = fRunden[modal];
    if (wache != modal) {
      // A new dialog where an earlier one lived.
      wache = modal;
      runden = 0;
      ++fDialoge;
    }
    ++runden;
    const QString art = QString::fromLatin1(modal->metaObject()->className());
    const bool fremd = art.contains(QStringLiteral("FileDialog")) ||
                       art.contains(QStringLiteral("Print")) ||
                       art.contains(QStringLiteral("PageSetup"));
    if (fremd || runden > 12 || fTiefe > 8 || Wurf(20)) {
      Notiere(QStringLiteral("Dialog \"%1\" abgebrochen").arg(modal->windowTitle()));
      if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
      } else {
        modal->close();
      }
      return;
    }
    if (Wurf(10)) {
      Tastenkuerzel(modal);
      return;
    }
    QList<QAbstractButton*> knoepfe;
    for (QAbstractButton* b : modal->findChildren<QAbstractButton*>()) {
      if (b->isVisible() && b->isEnabled()) knoepfe << b;
    }
    if (knoepfe.isEmpty()) {
      Notiere(QStringLiteral("Dialog \"%1\": Escape").arg(modal->windowTitle()));
      QTest::keyClick(modal, Qt::Key_Escape);
      return;
    }
    QAbstractButton* b = Eines(knoepfe);
    Notiere(QStringLiteral("Dialog \"%1\": Knopf \"%2\"").arg(modal->windowTitle(), b->text()));
    b->click();
  }

  TLauf& fLauf;
  QString fDemo;
  std::mt19937 fZufall;
  int fZiel;
  bool fProtokoll;
  int fSchritt = 0;
  int fTiefe = 0;
  // Ticks waited inside a loop without a menu or dialog; past kGeduld the run acts there after
  // all, so that a loop that waits for input of another kind cannot hold it.
  static constexpr int kGeduld = 200;
  int fGewartet = 0;
  int fPruefungen = 0;
  int fMenues = 0;
  int fDialoge = 0;
  bool fFertig = false;
  QString fBefund;
  std::deque<QString> fLetzte;
  std::map<QWidget*, std::pair<QPointer<QWidget>, int>> fRunden;
};

}  // namespace orbato
