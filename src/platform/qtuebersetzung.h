#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace orbato {

// The folders searched for Qt's German catalogue, first hit wins: the program's own data folder
// beside its binary (where the package puts a copy, so that an installation does not depend on
// the system's Qt translations), then Qt's translations folder.
QStringList QtUebersetzungsOrdner();

// Qt's own dialogs (files, folders, fonts, colours, printers, page set-up) and standard buttons
// speak German: installs Qt's German catalogue into the application and makes German the
// default locale of the widgets (month names, decimal commas). Returns the catalogue's path,
// empty when none was found: the dialogs then stay English and the program works as before.
QString QtDeutschLaden(QCoreApplication& anwendung);

}  // namespace orbato
