#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "dokument.h"
#include "lauf.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"
#include "model/woche/versionen.h"
#include "oberflaeche.h"
#include "platform/qttext.h"
#include "ui/voreinstellungen/versionsdialog.h"
#include "ui/voreinstellungen/zeitendialog.h"

namespace orbato {
namespace {

TKurs* NeuerKurs(TSchule& schule, const char* lehrer, const char* klasse, int stunden) {
  auto* kurs = new TKurs;
  kurs->IKurs(schule.HoleLehrer(lehrer), schule.HoleKlasse(klasse), 0, nullptr, nullptr, nullptr);
  kurs->fStunden.SetWochenStunde(0, stunden);
  return kurs;
}

TSetzung* Setze(TKurs* kurs, int woche, int tag, int std) {
  auto* s = new TSetzung(woche, tag, std);
  kurs->SetzungAufnehmen(s);
  return s;
}

void Klicke(QWidget* knopf) {
  QTest::mouseClick(knopf, Qt::LeftButton, {}, knopf->rect().center());
}

// Chooses the label with a click, opens its editor with F2, types and confirms with Return.
void Tippe(QTableWidget* tabelle, int zeile, const QString& text) {
  const QRect zelle = tabelle->visualItemRect(tabelle->item(zeile, 1));
  QTest::mouseClick(tabelle->viewport(), Qt::LeftButton, {}, zelle.center());
  QTest::keyClick(tabelle, Qt::Key_F2);
  // Editors closed before wait for their deletion, hidden.
  QLineEdit* editor = nullptr;
  for (QLineEdit* e : tabelle->viewport()->findChildren<QLineEdit*>()) {
    if (e->isVisible()) editor = e;
  }
  QVERIFY(editor != nullptr);
  editor->selectAll();
  // Key by key with its text, umlauts included, which the ASCII key table does not have.
  for (const QChar c : text) {
    QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
  QTest::keyClick(editor, Qt::Key_Return);
  // The view takes the text over from the event loop.
  QApplication::processEvents();
}

QString Ablehnung() {
  return QStringLiteral(
      "Stunden, die in der neuen Version verplant werden\n"
      "sollen, kollidieren mit dort schon verplanten und\n"
      "fixierten Stunden bzw. Sperrungen.\n"
      "Sperrungen und Fixierungen können nicht\n"
      "verdrängt werden.");
}

}  // namespace

class VersionenTest : public QObject, TEingesetztesDokument {
  Q_OBJECT

 private slots:
  void init() {
    Anlegen(fDialoge);
    VersionErweitern(*fSchule, 3);
  }
  void cleanup() { Abbauen(); }

  // The dialog starts on the kept choices; choosing teachers lists them, a second version enables
  // "Kopieren", which copies the chosen teacher's course at once; "Ok" keeps the choices and the
  // inverted mode.
  void TheVersionDialogCopiesTheChosenElements() {
    fSchule->HoleKlasse("5a");
    TKurs* mue = NeuerKurs(*fSchule, "MUE", "5a", 1);
    TKurs* sch = NeuerKurs(*fSchule, "SCH", "5a", 1);
    Setze(mue, 1, 1, 1);
    Setze(sch, 1, 2, 2);
    fStandard->fAktuelleWoche = 1;

    TVersionsDialog dialog(*fSchule, *fStandard);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Voreinstellung für Planversionen"));
    QVERIFY(
        static_cast<QRadioButton*>(KnopfMit(&dialog, QStringLiteral("alle Kurse")))->isChecked());
    QVERIFY(
        static_cast<QRadioButton*>(KnopfMit(&dialog, QStringLiteral("auch Pläne")))->isChecked());
    QVERIFY(!dialog.Liste()->isEnabled());
    auto* von = dialog.findChild<QSpinBox*>(QStringLiteral("von"));
    auto* zu = dialog.findChild<QSpinBox*>(QStringLiteral("zu"));
    QCOMPARE(von->value(), 1);
    QCOMPARE(zu->maximum(), 3);
    QVERIFY(!dialog.KopierenKnopf()->isEnabled());
    auto* modus = static_cast<QCheckBox*>(KnopfMit(
        &dialog,
        QStringLiteral("Aktionen möglichst\nfür alle Planversionen\ngleichzeitig ausführen")));
    QVERIFY(modus != nullptr);
    QVERIFY(!modus->isChecked());

    Klicke(KnopfMit(&dialog, QStringLiteral("Lehrer")));
    QCOMPARE(dialog.Liste()->count(), 2);
    QCOMPARE(dialog.Liste()->item(1)->text(), QStringLiteral("SCH"));
    QVERIFY(dialog.Liste()->isEnabled());
    QTest::mouseClick(dialog.Liste()->viewport(), Qt::LeftButton, {},
                      dialog.Liste()->visualItemRect(dialog.Liste()->item(1)).center());
    zu->setFocus();
    QTest::keyClick(zu, Qt::Key_Up);
    QCOMPARE(zu->value(), 2);
    QVERIFY(dialog.KopierenKnopf()->isEnabled());
    Klicke(dialog.KopierenKnopf());

    QVERIFY(sch->SetzungFinden(2, 2, 2) != nullptr);
    QCOMPARE(mue->SetzungFinden(2, 1, 1), nullptr);
    QCOMPARE(fDialoge.Protokoll(TDialogVorgang::MeldungZeigen).size(), std::size_t{1});
    QVERIFY(dialog.isVisible());

    Klicke(KnopfMit(&dialog, QStringLiteral("nur Deputate")));
    Klicke(modus);
    Klicke(KnopfMit(&dialog, QStringLiteral("Ok")));
    QVERIFY(dialog.ModusGeaendert());
    QCOMPARE(fStandard->fVersKuerzel, 0);
    QVERIFY(!fStandard->fVersAuchPlan);
    QVERIFY(!fStandard->fEineWoche);
  }

  // The labels of one version at a time: 8 periods a table, at most 15 characters typed, trailing
  // blanks gone and every version stored on "Ok".
  void TheTimesDialogEditsTheLabelsOfEveryVersion() {
    fStandard->fAktuelleWoche = 2;
    TZeitenDialog dialog(*fSchule, *fStandard);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Voreinstellung für Zeiten"));
    QCOMPARE(dialog.Version()->value(), 2);
    QCOMPARE(dialog.Version()->maximum(), 3);
    QTableWidget* links = dialog.Tabelle(0);
    QTableWidget* rechts = dialog.Tabelle(1);
    QCOMPARE(links->rowCount(), 8);
    QCOMPARE(links->horizontalHeaderItem(0)->text(), QStringLiteral("Stunde"));
    QCOMPARE(links->horizontalHeaderItem(1)->text(), QStringLiteral("Zeit"));
    QCOMPARE(rechts->item(0, 0)->text(), QStringLiteral("9"));
    QCOMPARE(rechts->item(7, 1)->text(), QStringLiteral("16"));
    QCOMPARE(links->item(0, 1)->text(), QStringLiteral(" 1"));

    Tippe(links, 0, QStringLiteral("7.45 - 8.30 Uhr und mehr"));
    QCOMPARE(links->item(0, 1)->text(), QStringLiteral("7.45 - 8.30 Uhr"));
    Tippe(rechts, 7, QStringLiteral("Pause  "));
    dialog.Version()->setFocus();
    QTest::keyClick(dialog.Version(), Qt::Key_Down);
    QCOMPARE(links->item(0, 1)->text(), QStringLiteral(" 1"));
    Tippe(links, 2, QStringLiteral("Früh"));
    QTest::keyClick(dialog.Version(), Qt::Key_Up);
    QCOMPARE(links->item(0, 1)->text(), QStringLiteral("7.45 - 8.30 Uhr"));
    QCOMPARE(fStandard->fStdBez[1][0], " 1");

    Klicke(KnopfMit(&dialog, QStringLiteral("Ok")));
    QCOMPARE(fStandard->fStdBez[1][0], "7.45 - 8.30 Uhr");
    QCOMPARE(fStandard->fStdBez[1][15], "Pause");
    QCOMPARE(fStandard->fStdBez[0][2], "Fr\xFCh");
    QCOMPARE(fStandard->fStdBez[2][2], " 3");
  }

 private:
  TSkriptDialoge fDialoge;
};

// Through the main window: "Planversionen" only with more than one version; a copy onto a fixed
// lesson shows the refusal and copies nothing; "Zeiten" stores the labels.
class VersionenMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void TheMenuEntriesOpenTheDialogs() {
    {
      TLauf eine;
      QVERIFY(!eine.An({"Bearbeiten", "Voreinstellungen", "Planversionen"}));
    }
    TLauf lauf(
        [](QSettings& ini) { ini.setValue(QStringLiteral("Tevi1/mwn"), QStringLiteral("2")); });
    QVERIFY(lauf.An({"Bearbeiten", "Voreinstellungen", "Planversionen"}));
    TSchule& schule = lauf.palette->schule();
    TKurs* kurs = NeuerKurs(schule, "MUE", "5a", 1);
    TKurs* fest = NeuerKurs(schule, "SCH", "5a", 1);
    Setze(kurs, 1, 1, 1);
    Setze(fest, 2, 1, 1)->fFixiert = true;

    TModalSkript skript;
    skript
        .Dann([](QWidget* d) {
          auto* zu = d->findChild<QSpinBox*>(QStringLiteral("zu"));
          zu->setFocus();
          QTest::keyClick(zu, Qt::Key_Up);
          Klicke(KnopfMit(d, QStringLiteral("Kopieren")));
          Klicke(KnopfMit(d, QStringLiteral("Ok")));
        })
        .Druecke(QStringLiteral("Ok"));
    lauf.Waehle({"Bearbeiten", "Voreinstellungen", "Planversionen"});
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTitel, (QStringList{QStringLiteral("Voreinstellung für Planversionen"),
                                         QStringLiteral("Kollision")}));
    QCOMPARE(skript.fTexte, QStringList{Ablehnung()});
    QCOMPARE(kurs->SetzungFinden(2, 1, 1), nullptr);
    QVERIFY(fest->SetzungFinden(2, 1, 1) != nullptr);

    skript.Dann([](QWidget* d) {
      auto* dialog = static_cast<TZeitenDialog*>(d);
      Tippe(dialog->Tabelle(0), 1, QStringLiteral("8.30"));
      QCOMPARE(dialog->Tabelle(0)->item(1, 1)->text(), QStringLiteral("8.30"));
      Klicke(KnopfMit(d, QStringLiteral("Ok")));
    });
    lauf.Waehle({"Bearbeiten", "Voreinstellungen", "Zeiten"});
    QVERIFY(skript.Fertig());
    QCOMPARE(lauf.palette->standard().fStdBez[0][1], "8.30");
    QVERIFY(skript.fUnerwartet.isEmpty());
  }
};

}  // namespace orbato

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  int fehler = 0;
  {
    orbato::VersionenTest test;
    fehler |= QTest::qExec(&test, argc, argv);
  }
  {
    orbato::VersionenMenuTest test;
    fehler |= QTest::qExec(&test, argc, argv);
  }
  return fehler;
}
#include "versionen_test.moc"
