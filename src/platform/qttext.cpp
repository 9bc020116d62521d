#include "platform/qttext.h"

#include "model/basis/zeichensatz.h"

namespace orbato {

QString QtText(std::string_view cp1252) {
  return QString::fromStdString(Utf8AusCp1252(cp1252));
}

std::string ModellText(const QString& text) {
  return Cp1252AusUtf8(text.toStdString());
}

QFont QtSchrift(const TSchrift& schrift) {
  QFont font(QtText(schrift.Name));
  // Stored sizes may be negative (a pixel height in the old convention); the point size counts.
  const int groesse = schrift.Groesse < 0 ? -schrift.Groesse : schrift.Groesse;
  if (groesse > 0) font.setPointSize(groesse);
  return font;
}

TSchrift ModellSchrift(const QFont& font) {
  return {ModellText(font.family()), static_cast<int32_t>(font.pointSize())};
}

QColor QtFarbe(int32_t farbe) {
  const auto f = static_cast<uint32_t>(farbe);
  return {static_cast<int>(f & 0xFF), static_cast<int>((f >> 8) & 0xFF),
          static_cast<int>((f >> 16) & 0xFF)};
}

int32_t ModellFarbe(const QColor& farbe) {
  return farbe.red() | (farbe.green() << 8) | (farbe.blue() << 16);
}

}  // namespace orbato
