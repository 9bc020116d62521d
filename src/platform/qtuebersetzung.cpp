#include "platform/qtuebersetzung.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orbato {
namespace {

// "qtbase" holds every text of the widgets' dialogs and buttons; the meta catalogue "qt" would
// also pull in modules the program does not use.
const QString kKatalog = QStringLiteral("qtbase_de");

}  // namespace

QStringList QtUebersetzungsOrdner() {
  const QDir programm(QCoreApplication::applicationDirPath());
  return {QDir::cleanPath(programm.filePath(QStringLiteral("../share/winorbato/translations"))),
          QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

QString QtDeutschLaden(QCoreApplication& anwendung) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  for (const QString& ordner : QtUebersetzungsOrdner()) {
    auto* uebersetzer = new QTranslator(&anwendung);
    if (uebersetzer->load(kKatalog, ordner) && QCoreApplication::installTranslator(uebersetzer)) {
      return uebersetzer->filePath();
    }
    delete uebersetzer;
  }
  return {};
}

}  // namespace orbato
