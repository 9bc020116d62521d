#include "ui/stammdaten/kuerzeldialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "dokument.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "oberflaeche.h"
#include "platform/qttext.h"
#include "ui/bausteine/qtdialoge.h"

namespace orbato {
namespace {

QStringList Zeilen(const QListWidget* liste) {
  QStringList zeilen;
  for (int i = 0; i < liste->count(); ++i) zeilen << liste->item(i)->text();
  return zeilen;
}

QStringList Lehrer(const TSchule& schule) {
  QStringList namen;
  for (const TLehrer* l : schule.fLehrerMenge) namen << QtText(l->fKuerzel.str());
  return namen;
}

}  // namespace

class KuerzelDialogTest : public QObject, protected TEingesetztesDokument {
  Q_OBJECT

 private slots:
  void init() {
    Anlegen(fDialoge);
    for (const char* k : {"M\xDCL", "ABE", "ZOE"}) fSchule->HoleLehrer(k);
  }
  void cleanup() { Abbauen(); }

  // A name another teacher has is refused with "Stop" and the rename dialog stays open.
  void RenamingToATakenNameStopsAndStaysOpen() {
    TKuerzelDialog dialog(*fSchule);
    dialog.show();
    dialog.Liste()->itemClicked(dialog.Liste()->item(0));
    QCOMPARE(dialog.Feld()->text(), QStringLiteral("MÜL"));
    QVERIFY(!dialog.Knopf(QStringLiteral("Neues"))->isEnabled());
    TModalSkript skript;
    bool offen = false;
    skript
        .Dann([&](QWidget* d) {
          auto* aendern = static_cast<TKuerzelAendernDialog*>(d);
          aendern->Feld()->setText(QStringLiteral("ABE"));
          KnopfMit(d, QStringLiteral("Ok"))->click();
          offen = d->isVisible();
          aendern->Feld()->clear();
          const bool ohneText = KnopfMit(d, QStringLiteral("Ok"))->isEnabled();
          aendern->Feld()->setText(QStringLiteral("MAI"));
          if (!ohneText) KnopfMit(d, QStringLiteral("Ok"))->click();
        })
        .Druecke(QStringLiteral("Ok"));
    dialog.Knopf(QStringLiteral("Ändern"))->click();
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTitel, (QStringList{"Kürzel ändern", "Stop"}));
    QCOMPARE(skript.fTexte,
             QStringList{QStringLiteral(
                 "Das Kürzel\nABE\ngibt es schon. Wählen Sie\nein anderes Kürzel!")});
    QVERIFY(offen);
    QCOMPARE(Zeilen(dialog.Liste()), (QStringList{"MAI", "ABE", "ZOE"}));
    QCOMPARE(dialog.Feld()->text(), QStringLiteral("MAI"));
    QCOMPARE(Lehrer(*fSchule), (QStringList{"MAI", "ABE", "ZOE"}));
  }

  // An element with courses goes only after "Ja"; its row goes with it.
  void DeletingAnElementWithCoursesAsksFirst() {
    auto* kurs = new TKurs;
    kurs->IKurs(fSchule->fLehrerMenge.ListeNrInhalt(2), nullptr, 2, nullptr, nullptr, nullptr);
    TKuerzelDialog dialog(*fSchule);
    dialog.show();
    QTest::keyClicks(dialog.Feld(), QStringLiteral("ABE"));
    QCOMPARE(dialog.Liste()->currentRow(), 1);
    QVERIFY(dialog.Knopf(QStringLiteral("Löschen"))->isEnabled());
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Nein")).Druecke(QStringLiteral("Ja"));
    dialog.Knopf(QStringLiteral("Löschen"))->click();
    QCOMPARE(Lehrer(*fSchule).size(), 3);
    dialog.Knopf(QStringLiteral("Löschen"))->click();
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTitel, (QStringList{"Kürzel löschen", "Kürzel löschen"}));
    QCOMPARE(Zeilen(dialog.Liste()), (QStringList{"MÜL", "ZOE"}));
    QCOMPARE(Lehrer(*fSchule), (QStringList{"MÜL", "ZOE"}));
    QCOMPARE(fSchule->fKursMenge.ListeZahlElemente(), 1);
    QCOMPARE(dialog.Feld()->text(), QString());
  }

  // A row dragged elsewhere takes the document's list along; "Sortieren" orders by name.
  void DraggingAndSortingOrderTheDocumentsList() {
    TKuerzelDialog dialog(*fSchule);
    dialog.show();
    QVERIFY(dialog.Liste()->model()->moveRow(QModelIndex(), 0, QModelIndex(), 3));
    QCOMPARE(Zeilen(dialog.Liste()), (QStringList{"ABE", "ZOE", "MÜL"}));
    QCOMPARE(Lehrer(*fSchule), (QStringList{"ABE", "ZOE", "MÜL"}));
    QVERIFY(fSchule->IsDirty());
    dialog.Knopf(QStringLiteral("Sortieren"))->click();
    QCOMPARE(Zeilen(dialog.Liste()), (QStringList{"ABE", "MÜL", "ZOE"}));
    QCOMPARE(Lehrer(*fSchule), (QStringList{"ABE", "MÜL", "ZOE"}));
    QVERIFY(fDialoge.MeldungsFenster() == nullptr);
  }

  // Typing decides the buttons: a new name offers "Neues", a name in the list selects it.
  void TheFieldDecidesTheButtons() {
    TKuerzelDialog dialog(*fSchule);
    dialog.show();
    QTest::keyClicks(dialog.Feld(), QStringLiteral("abe"));
    QVERIFY(dialog.Knopf(QStringLiteral("Neues"))->isEnabled());
    QVERIFY(!dialog.Knopf(QStringLiteral("Ändern"))->isEnabled());
    QCOMPARE(dialog.Liste()->selectedItems().size(), 0);
    dialog.Knopf(QStringLiteral("Neues"))->click();
    QCOMPARE(Zeilen(dialog.Liste()).last(), QStringLiteral("abe"));
    QCOMPARE(dialog.Feld()->text(), QString());
    QVERIFY(!dialog.Knopf(QStringLiteral("Neues"))->isEnabled());
    KnopfMit(&dialog, QStringLiteral("Klassen"))->click();
    QCOMPARE(dialog.Liste()->count(), 0);
  }

 private:
  TQtDialoge fDialoge;
};

}  // namespace orbato

QTEST_MAIN(orbato::KuerzelDialogTest)
#include "kuerzeldialog_test.moc"
