#pragma once

#include <QWidget>

#include "model/fenster/fenstertyp.h"
#include "model/schnittstellen/fenster.h"
#include "substitution/vertretungswahl.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableWidget;

namespace orbato {

class TSchule;
class TStandard;
class TVertretung;

// "Vertretungswahl": the proposal window over one substitution record, a thin view of
// TVertretungsWahl. One per document; while it is open the document knows it as its proposal
// window, and the record it edits knows it too, so that a record that goes closes it.
class TVertrWahlForm : public QWidget, public Fenster {
  Q_OBJECT

 public:
  TVertrWahlForm(TSchule& schule, TStandard& standard);
  ~TVertrWahlForm() override;

  // Takes up another record (the window stays).
  void Bearbeite(TVertretung* v);
  TVertretungsWahl& Wahl() { return fWahl; }

  void FensterUpdate() override { Zeigen(); }
  void FensterRefresh() override { Zeigen(); }
  void FensterSchliessen() override;
  void FensterNachVorn() override;
  void KursEntfernt(const TKurs* kurs) override;
  void ElementEntfernt(const TElement* element) override;
  int FensterArt() const override { return Nr(TFensterTyp::Vertretungswahl); }
  std::string FensterTitel() const override {
    return FensterTypTitel(TFensterTyp::Vertretungswahl);
  }
  QSize sizeHint() const override;

  QLabel* Kopf() const { return fKopf; }
  QRadioButton* RaumModus() const { return fRaumModus; }
  QRadioButton* LehrerModus() const { return fLehrerModus; }
  QTableWidget* LehrerListe() const { return fLehrerListe; }
  QTableWidget* RaumListe() const { return fRaumListe; }
  QTableWidget* Tagesplan() const { return fTagesplan; }
  QCheckBox* Pruefkasten(const QString& text) const;
  QComboBox* LehrerAuswahl() const { return fLehrerAuswahl; }
  QComboBox* ZaehlerAuswahl() const { return fZaehlerAuswahl; }
  QComboBox* PlanAuswahl() const { return fPlanAuswahl; }
  QLineEdit* LehrerFeld() const { return fLehrerFeld; }
  QLineEdit* FachFeld() const { return fFachFeld; }
  QLineEdit* RaumFeld() const { return fRaumFeld; }
  QLineEdit* LBem() const { return fLBem; }
  QLineEdit* SBem() const { return fSBem; }
  QLabel* TagesplanRaum() const { return fPlanRaum; }
  QPushButton* StattPartner() const { return fStattPartner; }
  QPushButton* VerlegtPartner() const { return fVerlegtPartner; }
  QPushButton* Knopf(const QString& text) const;
  // The template menus of "LBem" and "SBem", as their buttons pop them up.
  QMenu* BemMenu(bool lehrer) const { return lehrer ? fLBemMenu : fSBemMenu; }

 private:
  QWidget* LehrerSeite();
  QWidget* RaumSeite();
  QWidget* Felder();
  QGroupBox* TagesplanTafel();
  QWidget* Bemerkungen();
  QWidget* Knoepfe();
  void Zeigen();
  void EinstellungenZeigen();
  void ListenZeigen();
  void FelderZeigen();
  void TagesplanZeigen();
  void BemMenuFuellen(bool lehrer);

  TSchule& fSchule;
  TStandard& fStandard;
  TVertretungsWahl fWahl{fSchule, fStandard, this};
  bool fZeigt = false;
  QLabel* fKopf;
  QRadioButton* fRaumModus;
  QRadioButton* fLehrerModus;
  QStackedWidget* fSeiten;
  QTableWidget* fLehrerListe;
  QTableWidget* fRaumListe;
  QComboBox* fLehrerAuswahl;
  QComboBox* fZaehlerAuswahl;
  QComboBox* fPlanAuswahl;
  QLineEdit* fLehrerFeld;
  QLineEdit* fFachFeld;
  QLineEdit* fRaumFeld;
  QLineEdit* fLBem;
  QLineEdit* fSBem;
  QLabel* fPlanRaum;
  QTableWidget* fTagesplan;
  QPushButton* fStattPartner;
  QPushButton* fVerlegtPartner;
  QPushButton* fStattMenuKnopf;
  QCheckBox* fAnrechnen;
  QMenu* fLBemMenu;
  QMenu* fSBemMenu;
};

// Opens the proposal window on the record, or takes the open one over to it, and brings it to
// the front; the substitution window's double click on a record in force calls it.
TVertrWahlForm* VertretungswahlZeigen(TSchule& schule, TStandard& standard, TVertretung* v);

}  // namespace orbato
