#include "ui/vertretung/vertretungsvoreinstellung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include "lauf.h"
#include "oberflaeche.h"
#include "vertretungsschule.h"

namespace orbato {

class VertretungsVoreinstellungTest : public QObject {
  Q_OBJECT

 private:
  static const QStringList& Pfad() {
    static const QStringList pfad = {QStringLiteral("Bearbeiten"),
                                     QStringLiteral("Voreinstellungen"),
                                     QStringLiteral("Vertretung")};
    return pfad;
  }

 private slots:
  // The dialog shows the settings; "Ok" stores every field, texts cut to their length, and a new
  // order sorts the records again.
  void OkStoresEverySettingAndSortsTheRecords() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("l.orb"))));
    TSchule& s = lauf.palette->schule();
    TVertretung* mathe = VertretungsSchule(s);
    QVERIFY(mathe);
    // SCH is away in period 2: his Englisch gets a record without a substitute.
    TFehlForm form(s, lauf.palette->standard(), leh, kDienstag);
    form.ElementHinzufuegen(s.HoleLehrer("SCH"));
    form.SetStunden(form.ZeileVon(s.HoleLehrer("SCH")), "-+");
    form.Ok();
    QCOMPARE(s.fVertretungsMenge.ListeZahlElemente(), 2);
    QCOMPARE(s.fVertretungsMenge.ListeNrInhalt(1), mathe);
    TStandard& st = lauf.palette->standard();
    st.fGrund[2] = "K";
    st.fBemBez[19] = "Aufgaben im Sekretariat";

    TModalSkript skript;
    skript.Dann([&](QWidget* w) {
      auto* d = qobject_cast<TVertrVoreinstellung*>(w);
      QVERIFY(d);
      QCOMPARE(d->windowTitle(), QStringLiteral("Voreinstellung für Vertretungen"));
      QCOMPARE(d->Sortierung()->count(), 4);
      QCOMPARE(d->Sortierung()->currentText(), QStringLiteral("Klassen"));
      QVERIFY(d->BemAuto()->isChecked() && d->Frei()->isChecked());
      QCOMPARE(d->Merke()->value(), 10);
      QVERIFY(d->FreiCheck()->isChecked() && d->RandCheck()->isChecked() &&
              d->InaktivCheck()->isChecked());
      QCOMPARE(d->Grund(1)->text(), QStringLiteral("-"));
      QCOMPARE(d->Grund(3)->text(), QStringLiteral("K"));
      QCOMPARE(d->Bemerkung(20)->text(), QStringLiteral("Aufgaben im Sekretariat"));
      d->Sortierung()->setCurrentIndex(2);
      d->BemAuto()->setChecked(false);
      d->Frei()->setChecked(false);
      d->Merke()->setValue(30);
      d->FreiCheck()->setChecked(false);
      d->RandCheck()->setChecked(false);
      d->InaktivCheck()->setChecked(false);
      d->Grund(1)->clear();
      QTest::keyClicks(d->Grund(1), QStringLiteral("Ü2"));
      QTest::keyClicks(d->Bemerkung(1),
                       QStringLiteral("Bitte die Aufgaben aus dem Fach abholen und erledigen"));
      KnopfMit(d, QStringLiteral("Ok"))->click();
    });
    lauf.Waehle(Pfad());
    QTRY_VERIFY(skript.Fertig());
    QCOMPARE(st.fVertrSortArt, 2);
    QVERIFY(!st.fVBemAuto && !st.fVFrei);
    QCOMPARE(st.fVertrMerke, 30);
    QVERIFY(!st.fVertrFreiCheck && !st.fVertrRandCheck && !st.fVertrInaktivCheck);
    QCOMPARE(st.fGrund[0].str(), std::string("\xDC"));
    QCOMPARE(st.fGrund[2].str(), std::string("K"));
    QCOMPARE(st.fBemBez[0].str(), std::string("Bitte die Aufgaben aus dem Fach"));
    QCOMPARE(st.fBemBez[19].str(), std::string("Aufgaben im Sekretariat"));
    // Records without a substitute come first now.
    QCOMPARE(s.fVertretungsMenge.ListeNrInhalt(2), mathe);
    QVERIFY(skript.fUnerwartet.isEmpty());
  }

  // "Abbrechen" leaves every setting as it was.
  void CancelChangesNothing() {
    TLauf lauf;
    TStandard& st = lauf.palette->standard();
    TModalSkript skript;
    skript.Dann([](QWidget* w) {
      auto* d = qobject_cast<TVertrVoreinstellung*>(w);
      QVERIFY(d);
      d->Sortierung()->setCurrentIndex(3);
      d->Merke()->setValue(1);
      d->Grund(2)->setText(QStringLiteral("X"));
      KnopfMit(d, QStringLiteral("Abbrechen"))->click();
    });
    QVERIFY(lauf.An(Pfad()));
    lauf.Waehle(Pfad());
    QTRY_VERIFY(skript.Fertig());
    QCOMPARE(st.fVertrSortArt, 0);
    QCOMPARE(st.fVertrMerke, 10);
    QCOMPARE(st.fGrund[1].str(), std::string("-"));
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::VertretungsVoreinstellungTest)
#include "vertretungsvoreinstellung_test.moc"
