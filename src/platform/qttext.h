#pragma once

#include <QFont>
#include <QString>
#include <string>
#include <string_view>

#include "model/standard.h"

namespace orbato {

// Texts cross from the model (Windows-1252) to Qt (Unicode) and back here.
QString QtText(std::string_view cp1252);
std::string ModellText(const QString& text);

// The core's plain font description and the QFont that shows it.
QFont QtSchrift(const TSchrift& schrift);
TSchrift ModellSchrift(const QFont& font);

}  // namespace orbato
