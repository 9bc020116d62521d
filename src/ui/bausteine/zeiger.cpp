#include "ui/bausteine/zeiger.h"

#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QtGlobal>
#include <array>

namespace orbato {

namespace {

struct TZeigerBild {
  const char* name;
  QPoint heiss;  // the pixel that points; drawn by scripts/zeiger.py at this place
};

// Index = cursor number - 1. The files are ":/zeiger/<name in lower case>.xpm".
constexpr std::array<TZeigerBild, kZeigerZahl> kBilder = {{
    {"SETZER", {1, 30}},      // the pencil's lead, bottom left
    {"GUMMI", {6, 26}},       // the middle of the rubbing edge
    {"HALBGUMMI", {6, 26}},   // as GUMMI
    {"HAND", {16, 20}},       // the middle of the palm
    {"HALBHAND", {16, 20}},   // as HAND
    {"HAMMER", {2, 7}},       // the striking face of the head
    {"PFEIL4", {15, 15}},     // where the arrows cross
    {"PFEIL3", {15, 15}},     // where the arrows cross
    {"GRIFF", {16, 20}},      // the middle of the closed hand
    {"LUPEMINUS", {12, 12}},  // the centre of the lens
    {"LUPEPLUS", {12, 12}},   // the centre of the lens
    {"ROTHAND", {16, 20}},    // as HAND
    {"ROTSETZER", {1, 30}},   // as SETZER
}};

const std::array<QCursor, kZeigerZahl>& Geladen() {
  static const std::array<QCursor, kZeigerZahl> zeiger = [] {
    std::array<QCursor, kZeigerZahl> z;
    for (int i = 0; i < kZeigerZahl; ++i) {
      const QString datei =
          QStringLiteral(":/zeiger/%1.xpm").arg(QString::fromLatin1(kBilder[i].name).toLower());
      const QPixmap bild(datei);
      if (bild.isNull()) {
        // A missing drawing must not leave the tool without any cursor.
        qWarning("Mauszeiger %s fehlt", kBilder[i].name);
        z[i] = QCursor(Qt::ArrowCursor);
      } else {
        z[i] = QCursor(bild, kBilder[i].heiss.x(), kBilder[i].heiss.y());
      }
    }
    return z;
  }();
  return zeiger;
}

}  // namespace

const char* ZeigerName(int nr) {
  if (nr < 1 || nr > kZeigerZahl) return nullptr;
  return kBilder[nr - 1].name;
}

void ZeigerLaden() {
  Geladen();
}

QCursor Zeiger(int nr) {
  if (nr < 1 || nr > kZeigerZahl) return QCursor(Qt::ArrowCursor);
  return Geladen()[nr - 1];
}

QCursor WerkzeugZeiger(int toolArt) {
  static constexpr std::array<int, 5> kWerkzeugZeiger = {0, SetzerZeiger, GummiZeiger, HandZeiger,
                                                         HammerZeiger};
  if (toolArt < 0 || toolArt >= static_cast<int>(kWerkzeugZeiger.size())) {
    return QCursor(Qt::ArrowCursor);
  }
  return Zeiger(kWerkzeugZeiger[toolArt]);
}

}  // namespace orbato
