#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <string>
#include <string_view>

#include "model/einstellungen/standard.h"

namespace orbato {

// Texts cross from the model (Windows-1252) to Qt (Unicode) and back here.
QString QtText(std::string_view cp1252);
std::string ModellText(const QString& text);

// The core's plain font description and the QFont that shows it.
QFont QtSchrift(const TSchrift& schrift);
TSchrift ModellSchrift(const QFont& font);

// Colours are stored as Windows colour values: red in the low byte, blue in the third.
QColor QtFarbe(int32_t farbe);
int32_t ModellFarbe(const QColor& farbe);
// The custom colours of the colour dialog are kept as six hexadecimal digits of the Windows
// colour value; anything else reads as white.
QColor EigeneFarbe(const std::string& text);
std::string EigeneFarbeText(const QColor& farbe);

}  // namespace orbato
