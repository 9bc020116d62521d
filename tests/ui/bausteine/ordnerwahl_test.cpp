#include "ui/bausteine/ordnerwahl.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace orbato {

class OrdnerWahlTest : public QObject {
  Q_OBJECT

 private slots:
  // The dialog names what it asks for: a new folder, made with "Anlegen".
  void AsksForANewFolder() {
    QTemporaryDir ordner;
    const auto dialog =
        NeuerOrdnerDialog(nullptr, QStringLiteral("Exportieren in den Ordner"), ordner.path());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Exportieren in den Ordner"));
    QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
    QVERIFY(dialog->testOption(QFileDialog::ShowDirsOnly));
    QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    QCOMPARE(dialog->labelText(QFileDialog::FileName), QStringLiteral("Neuer &Ordner:"));
    QCOMPARE(dialog->labelText(QFileDialog::Accept), QStringLiteral("&Anlegen"));
    QCOMPARE(dialog->nameFilters(), QStringList{QStringLiteral("Ordner (*)")});
    QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(ordner.path()).canonicalPath());
  }

  // A name typed and Enter: the dialog answers the path of the folder to be made and leaves the
  // making to the command.
  void TypedNameIsTheAnswer() {
    QTemporaryDir ordner;
    const auto dialog =
        NeuerOrdnerDialog(nullptr, QStringLiteral("Exportieren in den Ordner"), ordner.path());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name != nullptr);
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("plan"));
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(dialog->result(), static_cast<int>(QDialog::Accepted));
    QCOMPARE(dialog->selectedFiles(), QStringList{QDir(ordner.path()).filePath("plan")});
    QVERIFY(!QDir(ordner.filePath(QStringLiteral("plan"))).exists());
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::OrdnerWahlTest)
#include "ordnerwahl_test.moc"
