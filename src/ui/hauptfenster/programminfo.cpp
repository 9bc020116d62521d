#include "ui/hauptfenster/programminfo.h"

#include <QStringList>
#include <QtGlobal>
#include <version>

namespace orbato {
namespace {

// The standard library is linked at build time; only its own macros tell which one it is.
QString StandardBibliothek() {
#if defined(_LIBCPP_VERSION)
  return QStringLiteral("LLVM libc++ %1.%2.%3")
      .arg(_LIBCPP_VERSION / 10000)
      .arg(_LIBCPP_VERSION / 100 % 100)
      .arg(_LIBCPP_VERSION % 100);
#elif defined(_GLIBCXX_RELEASE)
  return QStringLiteral("GNU libstdc++ %1 (%2)").arg(_GLIBCXX_RELEASE).arg(__GLIBCXX__);
#else
  return QStringLiteral("unbekannt");
#endif
}

QString Compiler() {
#if defined(__clang__)
  return QStringLiteral("Clang %1.%2.%3")
      .arg(__clang_major__)
      .arg(__clang_minor__)
      .arg(__clang_patchlevel__);
#elif defined(__GNUC__)
  return QStringLiteral("GCC %1.%2.%3").arg(__GNUC__).arg(__GNUC_MINOR__).arg(__GNUC_PATCHLEVEL__);
#else
  return QStringLiteral("unbekannt");
#endif
}

}  // namespace

QString ProgrammVersion() {
  return QStringLiteral(ORBATO_VERSION);
}

QString ProgrammTitel() {
  return QStringLiteral("WinOrbato ") + ProgrammVersion();
}

QString UeberWinOrbatoText() {
  return QStringList{
      ProgrammTitel(),
      QString(),
      QStringLiteral("Unterrichtsverteilung, Stundenplan und Vertretungsplan für eine Schule."),
      QString(),
      QStringLiteral("Alle Rechte vorbehalten."),
      QString(),
      QStringLiteral("Verwendete Bibliotheken:"),
      QStringLiteral("Qt %1 (übersetzt mit Qt %2)")
          .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR)),
      QStringLiteral("C++-Standardbibliothek: ") + StandardBibliothek(),
      QStringLiteral("Übersetzt mit %1 nach C++%2").arg(Compiler()).arg(__cplusplus / 100 % 100),
  }
      .join(QLatin1Char('\n'));
}

QString UpdatesText() {
  return QStringList{
      QStringLiteral("Installierte Version: ") + ProgrammVersion(),
      QString(),
      QStringLiteral("Die installierte Version nennen dieses Fenster und "
                     "„Hilfe“ / „Über WinOrbato...“."),
      QString(),
      QStringLiteral("Eine neuere Version erhält die Schule von ihrem Softwareanbieter als "
                     "Debian-Paket „winorbato“. Installiert wird sie mit"),
      QStringLiteral("apt install ./winorbato_<Version>_amd64.deb"),
      QString(),
      QStringLiteral("Plandateien älterer Versionen liest die neue Version; beim nächsten "
                     "Sichern schreibt sie sie im neuen Format."),
  }
      .join(QLatin1Char('\n'));
}

}  // namespace orbato
