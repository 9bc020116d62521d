#pragma once

#include <QString>

namespace orbato {

// What the letters of a day line mean (one letter per period), for the tooltips of the windows
// that show day lines as letters.
QString TageszeilenLegende();

}  // namespace orbato
