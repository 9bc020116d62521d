#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QPushButton;
class QScrollArea;

namespace orbato {

class Dialoge;
class TPrevPrinter;
class TSeitenAnsicht;

// The preview of a recorded printout: one page at a time, white on grey, scaled to the window or
// zoomed, with paging, printing and saving as PDF. PgUp/PgDn turn the pages, +/- zoom, Esc
// closes.
class TVorschauFenster : public QDialog {
  Q_OBJECT

 public:
  // How the page is fitted: all of it in the window, its width in the window, or by a factor.
  enum class TZoom { GanzeSeite, Seitenbreite, Frei };

  // `dialoge` shows the messages of printing and saving; the recorder must outlive the window.
  TVorschauFenster(TPrevPrinter& aufnahme, Dialoge& dialoge, QWidget* eltern = nullptr);

  // How "als PDF sichern..." asks for the file: a file dialog unless a test puts something else
  // in. Answers the path, empty when cancelled.
  std::function<QString(const QString& vorschlag)> fPdfDateiWaehlen;
  // What "Drucken" does: the printer dialog and the pages printed on the program's printer.
  std::function<void(TPrevPrinter& aufnahme)> fDrucken;

  // The 1-based page shown; 0 when nothing was recorded.
  int Seite() const { return fSeite; }
  void ZeigeSeite(int seite);
  void VorigeSeite() { ZeigeSeite(fSeite - 1); }
  void NaechsteSeite() { ZeigeSeite(fSeite + 1); }

  void SetZoom(TZoom zoom);
  TZoom Zoom() const { return fZoom; }
  // Screen pixels per printer pixel as the page is shown now.
  double Massstab() const { return fMassstab; }
  // "+" and "-": a quarter larger or smaller than the page is shown now.
  void Groesser();
  void Kleiner();

  // Writes every page into the PDF file; a German message when it cannot be written.
  bool AlsPdfSichern(const QString& pfad);

  QLabel* SeitenText() const { return fSeitenText; }
  QLabel* ZoomText() const { return fZoomText; }
  QWidget* Ansicht() const;
  QPushButton* VorigeKnopf() const { return fVorige; }
  QPushButton* NaechsteKnopf() const { return fNaechste; }
  QPushButton* DruckenKnopf() const { return fDruckenKnopf; }
  QPushButton* PdfKnopf() const { return fPdfKnopf; }

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
  void keyPressEvent(QKeyEvent* ereignis) override;

 private:
  QWidget* Leiste();
  void Anpassen();
  void PdfWaehlen();

  TPrevPrinter& fAufnahme;
  Dialoge& fDialoge;
  int fSeite = 0;
  TZoom fZoom = TZoom::GanzeSeite;
  double fMassstab = 0.1;
  QScrollArea* fRollen = nullptr;
  TSeitenAnsicht* fAnsicht = nullptr;
  QLabel* fSeitenText = nullptr;
  QLabel* fZoomText = nullptr;
  QPushButton* fVorige = nullptr;
  QPushButton* fNaechste = nullptr;
  QPushButton* fDruckenKnopf = nullptr;
  QPushButton* fPdfKnopf = nullptr;
};

}  // namespace orbato
