#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "model/fenster/fenstertyp.h"
#include "model/schnittstellen/fenster.h"
#include "placement/manuell.h"

class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QGridLayout;

namespace orbato {

class TManuellPlan;
class TSchule;
class TStandard;

// "Manuell": the manual-planning window. The logic (TManuellForm) decides; this window shows the
// current course's teacher, subject, class, coupling and room, up to four plans painted cell by
// cell from the logic, the element buttons with their menus and the course menu under
// "Bearbeite", and hands the palette's tools and the mouse to the logic. One per document.
class TManuellFenster : public QWidget, public Fenster {
  Q_OBJECT

 public:
  TManuellFenster(TSchule& schule, TStandard& standard, QWidget* eltern = nullptr);
  ~TManuellFenster() override;

  // Starts with the courses; set the hooks of the logic that the palette needs first.
  void Starten(const std::vector<TKurs*>& kurse, bool ohneKonflikte);
  TManuellForm& Form() { return fForm; }

  void FensterUpdate() override;
  void FensterRefresh() override { FensterUpdate(); }
  // Closes without asking: the document goes, or its last course did.
  void FensterSchliessen() override;
  void FensterNachVorn() override;
  int FensterArt() const override { return Nr(TFensterTyp::Manuell); }
  std::string FensterTitel() const override { return FensterTypTitel(TFensterTyp::Manuell); }
  void KursEntfernt(const TKurs* kurs) override { fForm.KursEntfernt(kurs); }
  void ElementEntfernt(const TElement* element) override { fForm.ElementEntfernt(element); }
  QSize sizeHint() const override;

  // The plans shown, in order (up to four); the panel text of an element ("Lehrer" …).
  std::vector<TManuellPlan*> Plaene() const;
  QString Feld(const QString& name) const;
  QPushButton* Knopf(const QString& text) const;
  QMenu* KursMenu() const { return fKursMenu; }
  // Shows a menu the logic built below a button; tests replace it to choose entries themselves.
  std::function<void(TMenu& menu, QWidget* knopf)> fMenuZeigen;
  // Told when the window has closed, so that the main menu gives up the journal's commands.
  std::function<void()> fBeimSchliessen;

 protected:
  void closeEvent(QCloseEvent* ereignis) override;

 private:
  QWidget* Kopfzeile();
  QWidget* Legende();
  void PlaeneAnordnen();
  void Zeigen();
  // Rebuilds once the operation under way has ended; several changes give one rebuild.
  void SpaeterNeuaufbauen();
  void ElementKnopf(const QString& text, std::function<TMenu(bool alle)> menu);
  bool PlanBei(const QPoint& global, TManuellPlan*& plan, int32_t& tag, int32_t& std) const;
  void ZielZeigen(TManuellPlan* ziel, int32_t tag, int32_t std);
  void Abmelden();

  TSchule& fSchule;
  TStandard& fStandard;
  TManuellForm fForm;
  QMenuBar* fLeiste;
  QMenu* fKursMenu;
  QLabel* fKursZeile;
  std::array<QLabel*, 5> fFelder{};  // Lehrer, Fach, Klasse, Kopplung, Raum
  QLabel* fZeige;
  QGridLayout* fPlanRaster;
  std::array<TManuellPlan*, 4> fPlaene{};
  std::array<QLabel*, 4> fPlanTitel{};
  std::array<QWidget*, 4> fPlanTeile{};
  int32_t fGezeigtePlaene = 0;
  bool fNeuaufbauAusstehend = false;
  bool fOhneFrage = false;
  bool fAngemeldet = false;
};

}  // namespace orbato
