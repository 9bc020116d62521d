#include "ui/bausteine/tageszeilenlegende.h"

namespace orbato {

QString TageszeilenLegende() {
  return QStringLiteral(
      "Tageszeile, ein Buchstabe je Stunde:\n"
      "E  Unterricht\n"
      "G  Unterricht, fixiert\n"
      "K  Unterricht in einer Kopplung\n"
      "L  Unterricht in einer Kopplung, fixiert\n"
      "F  frei\n"
      "U  Springstunde (frei zwischen zwei Stunden)\n"
      "S  gesperrt");
}

}  // namespace orbato
