#pragma once

// The harness of the GUI tests: answers the modal dialogs a command opens, in order, and finds
// menu entries and buttons by their captions.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

#include "ui/bausteine/qtdialoge.h"

namespace orbato {

// The button of a window with that caption (the "&" marks ignored); none when absent.
inline QAbstractButton* KnopfMit(QWidget* fenster, const QString& text) {
  for (QAbstractButton* b : fenster->findChildren<QAbstractButton*>()) {
    if (b->text().remove(QLatin1Char('&')) == text) return b;
  }
  return nullptr;
}

// Watches for modal windows and hands each new one to the next step of the script. A step runs
// from the event loop, so that it may open further dialogs, which the following steps answer. A
// modal window with no step left is recorded and closed, so that a test fails instead of hanging.
class TModalSkript : public QObject {
 public:
  using TSchritt = std::function<void(QWidget*)>;

  TModalSkript() {
    connect(&fTakt, &QTimer::timeout, this, [this] { Pruefe(); });
    fTakt.start(10);
  }

  // The next modal window is given to `schritt`.
  TModalSkript& Dann(TSchritt schritt) {
    fSchritte.push_back(std::move(schritt));
    return *this;
  }
  // The next modal window is answered with the button of that caption.
  TModalSkript& Druecke(const QString& knopf) {
    return Dann([knopf](QWidget* fenster) {
      if (QAbstractButton* b = KnopfMit(fenster, knopf)) {
        b->click();
      } else {
        qWarning("Knopf %s fehlt", qPrintable(knopf));
        SchliesseOhneAenderung(fenster);
      }
    });
  }

  bool Fertig() const { return fSchritte.empty(); }
  // The titles of the modal windows met, in order, and of those no step was left for.
  QStringList fTitel;
  QStringList fUnerwartet;
  // The text of each message box met, in order.
  QStringList fTexte;

 private:
  void Pruefe() {
    QWidget* fenster = QApplication::activeModalWidget();
    if (fenster == nullptr || !fenster->isVisible()) return;
    // A progress window is modal only to keep the input to itself; nobody answers it.
    if (fenster->objectName() == QStringLiteral("Fortschritt")) return;
    for (const QPointer<QWidget>& f : fErledigt) {
      if (f == fenster) return;
    }
    fErledigt.push_back(fenster);
    fTitel << fenster->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(fenster)) fTexte << box->text();
    if (fSchritte.empty()) {
      fUnerwartet << fenster->windowTitle();
      QTimer::singleShot(0, fenster, [fenster] { SchliesseOhneAenderung(fenster); });
      return;
    }
    TSchritt schritt = std::move(fSchritte.front());
    fSchritte.pop_front();
    QPointer<QWidget> ziel(fenster);
    QTimer::singleShot(0, fenster, [schritt, ziel] {
      if (ziel) schritt(ziel);
    });
  }

  QTimer fTakt;
  std::deque<TSchritt> fSchritte;
  std::vector<QPointer<QWidget>> fErledigt;
};

}  // namespace orbato
