// Every entry of the main window's menus, walked once on the demo school.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "lauf.h"
#include "model/demo/demoschule.h"
#include "model/dokument/schule.h"
#include "persist/planschreiber.h"
#include "ui/hauptfenster/orbatopalette.h"

namespace orbato {
namespace {

// Entries that end the run or swap the document; their own tests drive them.
bool Ausgenommen(const QString& pfad) {
  static const QStringList ausgenommen = {
      QStringLiteral("Datei/Neu"),
      QStringLiteral("Datei/Öffnen..."),
      QStringLiteral("Datei/Beenden"),
      QStringLiteral("Datei/Datei schließen"),
      QStringLiteral("Datei/Import/Kurse..."),
      QStringLiteral("Datei/Sichern unter..."),
  };
  return ausgenommen.contains(pfad);
}

// Closes whatever dialog or message a command opens, for as long as it lives; nested ones too.
class TDialogSchliesser : public QObject {
 public:
  TDialogSchliesser() {
    fUhr.setInterval(20);
    connect(&fUhr, &QTimer::timeout, this, [] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal != nullptr && modal->objectName() == QStringLiteral("Fortschritt")) return;
      if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
      } else if (modal != nullptr) {
        modal->close();
      }
    });
    fUhr.start();
  }

 private:
  QTimer fUhr;
};

}  // namespace

class MenueWegeTest : public QObject {
  Q_OBJECT

 private slots:
  // No entry of a menu is left disabled for want of a command, and every entry runs on the demo
  // school without bringing the program down; the document stays open throughout.
  void EveryEntryHasItsCommand() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(lauf.Demo(TDemoGroesse::klein)));

    const QStringList pfade = lauf.palette->AktionsPfade();
    QVERIFY(pfade.size() > 100);
    QStringList ohneBefehl;
    for (const QString& p : pfade) {
      const QAction* a = lauf.palette->Aktion(p.split(QLatin1Char('/')));
      if (a->property("ohneBefehl").toBool()) ohneBefehl << p;
    }
    QCOMPARE(ohneBefehl, QStringList());

    TDialogSchliesser schliesser;
    int ausgefuehrt = 0;
    for (const QString& p : pfade) {
      QAction* a = lauf.palette->Aktion(p.split(QLatin1Char('/')));
      if (a->menu() != nullptr || !a->isEnabled() || Ausgenommen(p)) continue;
      a->trigger();
      QTest::qWait(0);
      QVERIFY2(lauf.palette->DokumentOffen(), qPrintable(p));
      ++ausgefuehrt;
    }
    QVERIFY(ausgefuehrt > 80);
    for (QMdiSubWindow* f : lauf.palette->Arbeitsflaeche()->subWindowList()) f->close();
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::MenueWegeTest)
#include "menuewege_test.moc"
