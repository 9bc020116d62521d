#include "ui/bausteine/ordnermeldung.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "platform/qttext.h"

namespace orbato {

void InOrdnerGeschriebenMelden(Dialoge& dialoge, const std::string& titel, const std::string& was,
                               const QString& ordner) {
  const int knopf = dialoge.Frage(titel, {was, ModellText(QDir::toNativeSeparators(ordner))},
                                  {"Ordner \xF6"
                                   "ffnen",
                                   "Ok"},
                                  TMeldungsArt::Information);
  if (knopf == 0) QDesktopServices::openUrl(QUrl::fromLocalFile(ordner));
}

}  // namespace orbato
