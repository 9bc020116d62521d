#include "platform/qttext.h"

#include <cstdio>

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

QColor EigeneFarbe(const std::string& text) {
  unsigned wert = 0xFFFFFF;
  if (text.size() != 6 || std::sscanf(text.c_str(), "%6x", &wert) != 1) wert = 0xFFFFFF;
  return QtFarbe(static_cast<int32_t>(wert));
}

std::string EigeneFarbeText(const QColor& farbe) {
  char text[8];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(ModellFarbe(farbe)) & 0xFFFFFFu);
  return text;
}

}  // namespace orbato
