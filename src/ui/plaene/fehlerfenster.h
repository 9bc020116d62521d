#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

#include "checks/fehlerausgabe.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace orbato {

// The error window "Fehler": the findings of the plan checks, one per row, under a heading per
// check with its count. The findings of several checks stand one after another until the user
// closes the window. A double click (or Enter) on a finding that names a place opens it.
class TFehlerForm : public QWidget {
  Q_OBJECT

 public:
  explicit TFehlerForm(std::function<void(const TFundort&)> oeffnen = {});

  // The next findings belong to this check; its heading comes with its first finding, so that a
  // check without findings leaves no empty heading.
  void PruefungBeginnen(const QString& name);
  void NeuerFehler(const QString& zeile, const TFundort& ort = {});

  // The findings, in order, without the headings.
  QStringList Zeilen() const;
  // The headings: the check's name and its count ("Brücken: 2 Meldungen").
  QStringList Ueberschriften() const;
  QTreeWidget* Liste() const { return fListe; }

  // Wide enough for a finding's line, high enough for a dozen of them.
  QSize sizeHint() const override;

 private:
  void Oeffnen(QTreeWidgetItem* zeile);
  void UeberschriftSetzen();

  std::function<void(const TFundort&)> fOeffnen;
  QTreeWidget* fListe;
  QString fPruefung;
  QTreeWidgetItem* fAbschnitt = nullptr;
  std::vector<TFundort> fOrte;  // by the number each finding row keeps
};

// What the checks write to: the window opens in the workspace the first time a check finds
// something, and again after the user closed it.
class TFehlerFenster : public Fehlerausgabe {
 public:
  // `zeigen` puts a new window into the workspace; `oeffnen` opens the place of a finding.
  explicit TFehlerFenster(std::function<void(QWidget*)> zeigen,
                          std::function<void(const TFundort&)> oeffnen = {})
      : fZeigen(std::move(zeigen)), fOeffnen(std::move(oeffnen)) {}

  void FehlerInit() override;
  void NeuerFehler(std::string_view zeile) override;
  void PruefungBeginnen(std::string_view name) override;
  void NeuerFehlerBei(std::string_view zeile, const TFundort& ort) override;
  // The window while it is open.
  TFehlerForm* Form() const { return fForm; }

 private:
  std::function<void(QWidget*)> fZeigen;
  std::function<void(const TFundort&)> fOeffnen;
  QPointer<TFehlerForm> fForm;
  QString fPruefung;
};

}  // namespace orbato
