#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "checks/fehlerausgabe.h"

class QPlainTextEdit;

namespace orbato {

// The error window "Fehler": the findings of the plan checks, one per line, read-only. The lines
// of several checks stand one after another until the user closes the window.
class TFehlerForm : public QWidget {
  Q_OBJECT

 public:
  TFehlerForm();
  void NeuerFehler(const QString& zeile);
  QStringList Zeilen() const;

 private:
  QPlainTextEdit* fText;
};

// What the checks write to: the window opens in the workspace the first time a check finds
// something, and again after the user closed it.
class TFehlerFenster : public Fehlerausgabe {
 public:
  // `zeigen` puts a new window into the workspace.
  explicit TFehlerFenster(std::function<void(QWidget*)> zeigen) : fZeigen(std::move(zeigen)) {}

  void FehlerInit() override;
  void NeuerFehler(std::string_view zeile) override;
  // The window while it is open.
  TFehlerForm* Form() const { return fForm; }

 private:
  std::function<void(QWidget*)> fZeigen;
  QPointer<TFehlerForm> fForm;
};

}  // namespace orbato
