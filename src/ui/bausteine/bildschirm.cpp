#include "ui/bausteine/bildschirm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace orbato {
namespace {

constexpr int kRandGeschaetzt = 8;
// What must remain of a window for it to stay where it was put, as the reopening of saved
// windows asks of a place.
constexpr int kBrauchbar = 200;

// One axis: the place stays and the length shrinks to the end of the area while a usable
// length remains there; otherwise the window moves back until it fits as a whole.
std::pair<int, int> Achse(int anfang, int laenge, int flaecheAnfang, int flaecheLaenge) {
  const int ende = flaecheAnfang + flaecheLaenge;
  const int gekuerzt = ende - std::max(anfang, flaecheAnfang);
  if (anfang >= flaecheAnfang && gekuerzt >= std::min(laenge, kBrauchbar)) {
    return {anfang, std::min(laenge, gekuerzt)};
  }
  const int passend = std::min(laenge, flaecheLaenge);
  return {std::clamp(anfang, flaecheAnfang, ende - passend), passend};
}

}  // namespace

QRect Hineingerueckt(const QRect& rahmen, const QRect& flaeche) {
  const auto [links, breite] =
      Achse(rahmen.left(), rahmen.width(), flaeche.left(), flaeche.width());
  const auto [oben, hoehe] = Achse(rahmen.top(), rahmen.height(), flaeche.top(), flaeche.height());
  return {links, oben, breite, hoehe};
}

void AufDenBildschirm(QWidget& fenster) {
  const QScreen* bildschirm =
      fenster.screen() ? fenster.screen() : QGuiApplication::primaryScreen();
  if (bildschirm == nullptr) return;
  const QRect frei = bildschirm->availableGeometry();
  // Before the window is shown its frame is not known: a title bar and borders as wide as the
  // usual window managers draw them are assumed. The position is the frame's either way.
  const int titel = fenster.style()->pixelMetric(QStyle::PM_TitleBarHeight);
  const QRect aussen =
      fenster.isVisible()
          ? fenster.frameGeometry()
          : QRect(fenster.pos(),
                  fenster.size() + QSize(2 * kRandGeschaetzt, titel + 2 * kRandGeschaetzt));
  const QSize rahmen = aussen.size() - fenster.size();
  const QRect ziel = Hineingerueckt(aussen, frei);
  if (ziel == aussen) return;
  // A window's position is its frame's, its size the inside's.
  fenster.resize(ziel.size() - rahmen);
  fenster.move(ziel.topLeft());
}

}  // namespace orbato
