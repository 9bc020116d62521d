#include "platform/qttext.h"

#include "model/zeichensatz.h"

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

}  // namespace orbato
