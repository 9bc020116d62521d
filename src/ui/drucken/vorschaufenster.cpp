#include "ui/drucken/vorschaufenster.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "model/schnittstellen/dialoge.h"
#include "platform/qttext.h"
#include "print/druckermass.h"
#include "print/prevprinter.h"
#include "ui/drucken/druckausgabe.h"

namespace orbato {

// The sheet itself: white, with a thin frame, the recorded page drawn into all of it.
class TSeitenAnsicht : public QWidget {
 public:
  TSeitenAnsicht(const TPrevPrinter& aufnahme, QWidget* eltern)
      : QWidget(eltern), fAufnahme(aufnahme) {}
  void SetSeite(int seite) {
    fSeite = seite;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter maler(this);
    maler.fillRect(rect(), Qt::white);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::SmoothPixmapTransform);
    fAufnahme.SeiteZeichnen(maler, fSeite, QRectF(rect()));
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.setPen(Qt::darkGray);
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(rect().adjusted(0, 0, -1, -1));
  }

 private:
  const TPrevPrinter& fAufnahme;
  int fSeite = 0;
};

namespace {

// The grey border around the sheet, in screen pixels.
constexpr int kRand = 12;
// The zoom is kept between these scales (screen pixels per printer pixel).
constexpr double kKleinsterMassstab = 0.02;
constexpr double kGroessterMassstab = 2.0;

QPushButton* Knopf(const QString& text, QWidget* eltern) {
  auto* knopf = new QPushButton(text, eltern);
  knopf->setAutoDefault(false);
  knopf->setFocusPolicy(Qt::NoFocus);
  return knopf;
}

// The recorded sheet in printer pixels; A4 at 300 dpi stands in when nothing was recorded.
QSize Blatt(const TPrevPrinter& aufnahme) {
  const QSize blatt = aufnahme.PrintSize();
  return blatt.isEmpty() ? PdfMass().Druckbereich : blatt;
}

}  // namespace

TVorschauFenster::TVorschauFenster(TPrevPrinter& aufnahme, Dialoge& dialoge, QWidget* eltern)
    : QDialog(eltern), fAufnahme(aufnahme), fDialoge(dialoge) {
  aufnahme.DonePrinting();
  setWindowTitle(aufnahme.Title().isEmpty() ? QStringLiteral("Druckvorschau")
                                            : QStringLiteral("Druckvorschau: ") + aufnahme.Title());
  fPdfDateiWaehlen = [this](const QString& vorschlag) {
    return QFileDialog::getSaveFileName(this, QStringLiteral("Als PDF sichern"), vorschlag,
                                        QStringLiteral("PDF-Dateien (*.pdf)"));
  };
  fDrucken = [this](TPrevPrinter& seiten) {
    QPrinter& drucker = AktuellerDrucker();
    QPrintDialog dialog(&drucker, this);
    if (dialog.exec() != QDialog::Accepted) return;
    drucker.setDocName(seiten.Title());
    seiten.PrintIt(drucker);
  };

  fRollen = new QScrollArea(this);
  fRollen->setBackgroundRole(QPalette::Dark);
  fRollen->setAlignment(Qt::AlignCenter);
  fRollen->setFocusPolicy(Qt::NoFocus);
  auto* buehne = new QWidget;
  buehne->setAutoFillBackground(false);
  auto* mitte = new QVBoxLayout(buehne);
  mitte->setContentsMargins(kRand, kRand, kRand, kRand);
  fAnsicht = new TSeitenAnsicht(aufnahme, buehne);
  mitte->addWidget(fAnsicht, 0, Qt::AlignCenter);
  fRollen->setWidget(buehne);
  fRollen->viewport()->installEventFilter(this);

  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(Leiste());
  spalte->addWidget(fRollen, 1);
  resize(720, 860);
  ZeigeSeite(1);
}

QWidget* TVorschauFenster::Ansicht() const {
  return fAnsicht;
}

QWidget* TVorschauFenster::Leiste() {
  auto* leiste = new QWidget(this);
  auto* reihe = new QHBoxLayout(leiste);
  reihe->setContentsMargins(0, 0, 0, 0);
  fVorige = Knopf(QStringLiteral("vorige Seite"), leiste);
  fNaechste = Knopf(QStringLiteral("nächste Seite"), leiste);
  fSeitenText = new QLabel(leiste);
  connect(fVorige, &QPushButton::clicked, this, [this] { VorigeSeite(); });
  connect(fNaechste, &QPushButton::clicked, this, [this] { NaechsteSeite(); });
  reihe->addWidget(fVorige);
  reihe->addWidget(fNaechste);
  reihe->addWidget(fSeitenText);
  reihe->addSpacing(16);

  auto* ganz = Knopf(QStringLiteral("Ganze Seite"), leiste);
  auto* breite = Knopf(QStringLiteral("Seitenbreite"), leiste);
  auto* kleiner = Knopf(QStringLiteral("-"), leiste);
  kleiner->setToolTip(QStringLiteral("verkleinern"));
  auto* groesser = Knopf(QStringLiteral("+"), leiste);
  groesser->setToolTip(QStringLiteral("vergrößern"));
  for (QPushButton* knopf : {kleiner, groesser})
    knopf->setFixedWidth(knopf->sizeHint().height() * 2);
  fZoomText = new QLabel(leiste);
  connect(ganz, &QPushButton::clicked, this, [this] { SetZoom(TZoom::GanzeSeite); });
  connect(breite, &QPushButton::clicked, this, [this] { SetZoom(TZoom::Seitenbreite); });
  connect(kleiner, &QPushButton::clicked, this, [this] { Kleiner(); });
  connect(groesser, &QPushButton::clicked, this, [this] { Groesser(); });
  for (QWidget* w :
       {static_cast<QWidget*>(ganz), static_cast<QWidget*>(breite), static_cast<QWidget*>(kleiner),
        static_cast<QWidget*>(groesser), static_cast<QWidget*>(fZoomText)}) {
    reihe->addWidget(w);
  }
  reihe->addStretch(1);

  fPdfKnopf = Knopf(QStringLiteral("als PDF sichern..."), leiste);
  fDruckenKnopf = Knopf(QStringLiteral("Drucken"), leiste);
  auto* schliessen = Knopf(QStringLiteral("Schließen"), leiste);
  connect(fPdfKnopf, &QPushButton::clicked, this, [this] { PdfWaehlen(); });
  connect(fDruckenKnopf, &QPushButton::clicked, this, [this] {
    // The call may be replaced while it runs; it runs as it was when the button was pressed.
    const auto drucken = fDrucken;
    if (drucken) drucken(fAufnahme);
  });
  connect(schliessen, &QPushButton::clicked, this, &QDialog::reject);
  reihe->addWidget(fPdfKnopf);
  reihe->addWidget(fDruckenKnopf);
  reihe->addWidget(schliessen);
  return leiste;
}

void TVorschauFenster::ZeigeSeite(int seite) {
  const int seiten = fAufnahme.GetPageCount();
  fSeite = seiten == 0 ? 0 : std::clamp(seite, 1, seiten);
  fSeitenText->setText(QStringLiteral("Seite %1 von %2").arg(fSeite).arg(seiten));
  fVorige->setEnabled(fSeite > 1);
  fNaechste->setEnabled(fSeite < seiten);
  fDruckenKnopf->setEnabled(seiten > 0);
  fPdfKnopf->setEnabled(seiten > 0);
  fAnsicht->SetSeite(fSeite);
  fRollen->verticalScrollBar()->setValue(0);
  Anpassen();
}

void TVorschauFenster::SetZoom(TZoom zoom) {
  fZoom = zoom;
  Anpassen();
}

void TVorschauFenster::Groesser() {
  fMassstab = std::min(fMassstab * 1.25, kGroessterMassstab);
  SetZoom(TZoom::Frei);
}

void TVorschauFenster::Kleiner() {
  fMassstab = std::max(fMassstab / 1.25, kKleinsterMassstab);
  SetZoom(TZoom::Frei);
}

// Sizes the sheet for the zoom: the fitting modes measure the room the scroll area has without
// its scroll bars, so that a bar appearing does not change the scale again.
void TVorschauFenster::Anpassen() {
  const QSize blatt = Blatt(fAufnahme);
  const QSize platz = fRollen->maximumViewportSize() - QSize(2 * kRand, 2 * kRand);
  const int balken = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, fRollen);
  const double breit = double(std::max(1, platz.width())) / blatt.width();
  const double hoch = double(std::max(1, platz.height())) / blatt.height();
  if (fZoom == TZoom::GanzeSeite) {
    fMassstab = std::min(breit, hoch);
  } else if (fZoom == TZoom::Seitenbreite) {
    const bool rollt = blatt.height() * breit > platz.height();
    fMassstab = double(std::max(1, platz.width() - (rollt ? balken : 0))) / blatt.width();
  }
  fMassstab = std::clamp(fMassstab, kKleinsterMassstab, kGroessterMassstab);
  fAnsicht->setFixedSize(std::max(1, int(std::lround(blatt.width() * fMassstab))),
                         std::max(1, int(std::lround(blatt.height() * fMassstab))));
  fRollen->widget()->adjustSize();
  // The zoom in percent of the sheet's real size on this screen.
  const double echt = double(logicalDpiX()) / std::max(1, fAufnahme.pXppi());
  fZoomText->setText(QStringLiteral("%1 %").arg(std::lround(fMassstab / echt * 100)));
}

// No control takes the focus, so every key reaches the window, whatever was clicked last.
void TVorschauFenster::keyPressEvent(QKeyEvent* ereignis) {
  switch (ereignis->key()) {
    case Qt::Key_PageUp:
      VorigeSeite();
      break;
    case Qt::Key_PageDown:
      NaechsteSeite();
      break;
    case Qt::Key_Plus:
      Groesser();
      break;
    case Qt::Key_Minus:
      Kleiner();
      break;
    default:
      QDialog::keyPressEvent(ereignis);  // Esc closes
  }
}

bool TVorschauFenster::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt == fRollen->viewport() && ereignis->type() == QEvent::Resize && fZoom != TZoom::Frei) {
    Anpassen();
  }
  return QDialog::eventFilter(objekt, ereignis);
}

void TVorschauFenster::PdfWaehlen() {
  const auto waehlen = fPdfDateiWaehlen;
  if (!waehlen) return;
  QString name = fAufnahme.Title().isEmpty() ? QStringLiteral("Ausdruck") : fAufnahme.Title();
  name.replace(QLatin1Char('/'), QLatin1Char('-'));
  QString pfad = waehlen(QDir::home().filePath(name + QStringLiteral(".pdf")));
  if (pfad.isEmpty()) return;
  if (QFileInfo(pfad).suffix().isEmpty()) pfad += QStringLiteral(".pdf");
  AlsPdfSichern(pfad);
}

bool TVorschauFenster::AlsPdfSichern(const QString& pfad) {
  bool ok = false;
  if (!QFileInfo(pfad).isDir()) {
    auto pdf = PdfDrucker(pfad, fAufnahme.FOrientation(), fAufnahme.Title());
    ok = fAufnahme.PrintIt(*pdf);
  }
  if (!ok) {
    fDialoge.Nachricht("Als PDF sichern",
                       {ModellText(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.")
                                       .arg(QDir::toNativeSeparators(pfad)))},
                       TMeldungsArt::Fehler);
  }
  return ok;
}

}  // namespace orbato
