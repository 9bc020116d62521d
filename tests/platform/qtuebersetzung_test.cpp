#include "platform/qtuebersetzung.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace orbato {

class QtUebersetzungTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    fKatalog = QtDeutschLaden(*QCoreApplication::instance());
    QVERIFY2(fKatalog.endsWith(QStringLiteral("/qtbase_de.qm")), qPrintable(fKatalog));
  }

  // The program's own folder comes first, so that a packaged copy wins over the system's.
  void OwnFolderBeforeQts() {
    const QStringList ordner = QtUebersetzungsOrdner();
    QCOMPARE(ordner.size(), 2);
    QVERIFY(ordner.at(0).endsWith(QStringLiteral("/share/winorbato/translations")));
  }

  // The standard buttons a planner answers with.
  void StandardButtonsSpeakGerman() {
    QMessageBox frage(QMessageBox::Question, QStringLiteral("Frage"), QStringLiteral("Sichern?"),
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(frage.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
    QCOMPARE(frage.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
    QCOMPARE(frage.button(QMessageBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    QDialogButtonBox knoepfe(QDialogButtonBox::Save | QDialogButtonBox::Close);
    QCOMPARE(knoepfe.button(QDialogButtonBox::Save)->text(), QStringLiteral("Speichern"));
    QCOMPARE(knoepfe.button(QDialogButtonBox::Close)->text(), QStringLiteral("Schließen"));
  }

  // Qt's file dialog, as the program shows it on a desktop without a native one.
  void FileDialogSpeaksGerman() {
    QFileDialog dialog(nullptr, QStringLiteral("Öffnen"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    QCOMPARE(dialog.labelText(QFileDialog::LookIn), QStringLiteral("Suchen in:"));
    QCOMPARE(dialog.labelText(QFileDialog::FileName), QStringLiteral("Datei&name:"));
    QCOMPARE(dialog.labelText(QFileDialog::Reject), QStringLiteral("Abbrechen"));
  }

  void NumbersAndMonthsAreGerman() {
    QCOMPARE(QLocale().toString(1.5), QStringLiteral("1,5"));
    QCOMPARE(QLocale().monthName(3), QStringLiteral("März"));
  }

 private:
  QString fKatalog;
};

}  // namespace orbato

QTEST_MAIN(orbato::QtUebersetzungTest)
#include "qtuebersetzung_test.moc"
