#include "ui/bausteine/qtdialoge.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace orbato {

// Runs `wie` on the modal box as soon as it is open.
void BeimNaechstenKasten(std::function<void(QMessageBox&)> wie) {
  QTimer::singleShot(0, [wie] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box != nullptr);
    wie(*box);
  });
}

QPushButton* Knopf(QMessageBox& box, const QString& text) {
  for (QAbstractButton* b : box.buttons()) {
    if (b->text() == text) return qobject_cast<QPushButton*>(b);
  }
  return nullptr;
}

class QtDialogeTest : public QObject {
  Q_OBJECT

 private slots:
  void AsksWithTheProgramsOwnButtons() {
    TQtDialoge dialoge;
    QString titel, text;
    QStringList knoepfe;
    BeimNaechstenKasten([&](QMessageBox& box) {
      titel = box.windowTitle();
      text = box.text();
      for (QAbstractButton* b : box.buttons()) knoepfe << b->text();
      Knopf(box, QStringLiteral("Mit einem anderem Namen"))->click();
    });
    const int antwort = dialoge.Frage("Daten sichern?", {"Sollen Ihre Daten", "gesichert werden?"},
                                      {"Ja", "Mit einem anderem Namen", "Nein"});
    QCOMPARE(antwort, 1);
    QCOMPARE(titel, QStringLiteral("Daten sichern?"));
    QCOMPARE(text, QStringLiteral("Sollen Ihre Daten\ngesichert werden?"));
    QCOMPARE(knoepfe.size(), 3);
  }

  void EscapeAnswersTheLastButton() {
    TQtDialoge dialoge;
    BeimNaechstenKasten([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    QCOMPARE(dialoge.FrageJaNein("K\xFCrzel l\xF6schen", {"Wirklich?"}), false);
  }

  void ShowsMessagesWithOk() {
    TQtDialoge dialoge;
    QString text;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    BeimNaechstenKasten([&](QMessageBox& box) {
      text = box.text();
      symbol = box.icon();
      Knopf(box, QStringLiteral("Ok"))->click();
    });
    dialoge.Nachricht("Fehler", {"Die Version der Daten ist zu alt!"}, TMeldungsArt::Fehler);
    QCOMPARE(text, QStringLiteral("Die Version der Daten ist zu alt!"));
    QCOMPARE(symbol, QMessageBox::Critical);
  }

  void KeepsTheMessageWindowUntilClosed() {
    TQtDialoge dialoge;
    dialoge.MeldungZeigen("Das K\xFCrzelmenu wird angelegt.");
    QVERIFY(dialoge.MeldungsFenster() != nullptr);
    QVERIFY(dialoge.MeldungsFenster()->isVisible());
    QCOMPARE(dialoge.MeldungsFenster()->windowTitle(), QStringLiteral("Meldung"));
    QCOMPARE(dialoge.MeldungsFenster()->findChild<QLabel*>()->text(),
             QStringLiteral("Das Kürzelmenu wird angelegt."));
    dialoge.MeldungAendern(
        "Die Daten werden gepr\xFC"
        "ft.");
    QCOMPARE(dialoge.MeldungsFenster()->findChild<QLabel*>()->text(),
             QStringLiteral("Die Daten werden geprüft."));
    dialoge.MeldungSchliessen();
    QVERIFY(dialoge.MeldungsFenster() == nullptr);
  }

  void ShowsProgressAndItsCancelButton() {
    TQtDialoge dialoge;
    {
      TFortschritt fortschritt(dialoge, "Einlesen", 12);
      fortschritt.Text("schule.orb");
      fortschritt.Info("Kurse Lehrer M\xDCL");
      fortschritt.Setzen(5);
      fortschritt.Schritt(2);
      QDialog* fenster = dialoge.FortschrittsFenster();
      QVERIFY(fenster != nullptr);
      QCOMPARE(fenster->windowTitle(), QStringLiteral("Einlesen"));
      QProgressBar* balken = fenster->findChild<QProgressBar*>();
      QCOMPARE(balken->maximum(), 12);
      QCOMPARE(balken->value(), 7);
      const QList<QLabel*> zeilen = fenster->findChildren<QLabel*>();
      QCOMPARE(zeilen.at(0)->text(), QStringLiteral("schule.orb"));
      QCOMPARE(zeilen.at(1)->text(), QStringLiteral("Kurse Lehrer MÜL"));
      QVERIFY(!fortschritt.Abgebrochen());
      fenster->findChild<QPushButton*>()->click();
      QVERIFY(fortschritt.Abgebrochen());
    }
    QVERIFY(dialoge.FortschrittsFenster() == nullptr);
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::QtDialogeTest)
#include "qtdialoge_test.moc"
