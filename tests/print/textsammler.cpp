#include "textsammler.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>

#include "print/prevprinter.h"

namespace orbato {
namespace {

class TSammelMotor : public QPaintEngine {
 public:
  explicit TSammelMotor(std::vector<TGedruckterText>& texte)
      : QPaintEngine(QPaintEngine::AllFeatures), fTexte(texte) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState& zustand) override {
    if (zustand.state() & QPaintEngine::DirtyTransform) fTransform = zustand.transform();
    if (zustand.state() & QPaintEngine::DirtyFont) fUnterstrichen = zustand.font().underline();
  }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  // Lines, rectangles and cells are not collected; without these the engine's defaults hand
  // polygons back and forth between its two overloads for ever.
  void drawPath(const QPainterPath&) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawTextItem(const QPointF& punkt, const QTextItem& item) override {
    // The painter draws an underline as a line or decoration of its own, so the item's font has
    // none; the painter's font or the item's flags tell.
    QFont font = item.font();
    font.setUnderline(fUnterstrichen || (item.renderFlags() & QTextItem::Underline));
    fTexte.push_back({item.text(), fTransform.map(punkt), font});
  }
  Type type() const override { return QPaintEngine::User; }

 private:
  std::vector<TGedruckterText>& fTexte;
  QTransform fTransform;
  bool fUnterstrichen = false;
};

class TSammelGeraet : public QPaintDevice {
 public:
  TSammelGeraet(std::vector<TGedruckterText>& texte, QSize groesse, int ppi)
      : fMotor(texte), fGroesse(groesse), fPpi(ppi) {}
  QPaintEngine* paintEngine() const override { return &fMotor; }

 protected:
  int metric(PaintDeviceMetric m) const override {
    switch (m) {
      case PdmWidth:
        return fGroesse.width();
      case PdmHeight:
        return fGroesse.height();
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY:
        return fPpi;
      case PdmDepth:
        return 32;
      case PdmDevicePixelRatio:
        return 1;
      case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
      default:
        return 0;
    }
  }

 private:
  mutable TSammelMotor fMotor;
  QSize fGroesse;
  int fPpi;
};

}  // namespace

std::vector<TGedruckterText> TexteDerSeite(const TPrevPrinter& drucker, int seite) {
  std::vector<TGedruckterText> texte;
  TSammelGeraet geraet(texte, drucker.PrintSize(), drucker.pYppi());
  QPainter maler(&geraet);
  drucker.SeiteZeichnen(maler, seite, QRectF(QPointF(0, 0), QSizeF(drucker.PrintSize())));
  maler.end();
  return texte;
}

std::vector<QString> ZeilenDerSeite(const TPrevPrinter& drucker, int seite) {
  std::vector<QString> zeilen;
  for (const TGedruckterText& t : TexteDerSeite(drucker, seite)) zeilen.push_back(t.text);
  return zeilen;
}

bool SeiteEnthaelt(const TPrevPrinter& drucker, int seite, const QString& text) {
  for (const TGedruckterText& t : TexteDerSeite(drucker, seite)) {
    if (t.text.contains(text)) return true;
  }
  return false;
}

}  // namespace orbato
