#pragma once

#include <QDir>
#include <QFileInfo>
#include <string>

#include "platform/qttext.h"

namespace orbato {

// The folder of a path with its closing separator, as the settings keep it.
inline std::string OrdnerVon(const QString& pfad) {
  return ModellText(QDir::toNativeSeparators(QFileInfo(pfad).absolutePath() + QLatin1Char('/')));
}

}  // namespace orbato
