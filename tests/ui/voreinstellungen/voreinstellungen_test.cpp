#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "model/einstellungen/standard.h"
#include "oberflaeche.h"
#include "ui/voreinstellungen/eckdatendialog.h"
#include "ui/voreinstellungen/vorgabendialoge.h"
#include "ui/voreinstellungen/wochenraster.h"

namespace orbato {

class VoreinstellungenTest : public QObject {
  Q_OBJECT

 private slots:
  // A click turns a cell over; dragging on gives the cells passed the first one's new state.
  void TheBlockingGridFollowsClicksAndDrags() {
    TStandard standard;
    TStandardEinsetzen eingesetzt(standard);
    standard.fMaxTageNeu = 5;
    TGrunddatenDialog dialog(standard);
    dialog.show();
    TWochenRaster* raster = dialog.Raster();
    QTest::mouseClick(raster, Qt::LeftButton, {}, raster->ZellRechteck(2, 3).center());
    QTest::mousePress(raster, Qt::LeftButton, {}, raster->ZellRechteck(1, 1).center());
    for (int std = 2; std <= 4; ++std)
      QTest::mouseMove(raster, raster->ZellRechteck(1, std).center());
    QTest::mouseRelease(raster, Qt::LeftButton, {}, raster->ZellRechteck(1, 4).center());
    QTest::mouseClick(raster, Qt::LeftButton, {}, raster->ZellRechteck(1, 2).center());
    QCOMPARE(raster->Elem().GetTag(1), 0b1101);
    QCOMPARE(raster->Elem().GetTag(2), 0b100);
    int tag = 0;
    int std = 0;
    QVERIFY(!raster->ZelleBei(raster->ZellRechteck(6, 1).center(), tag, std));  // a 5-day week

    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("klSoll"))->setValue(31);
    KnopfMit(&dialog, QStringLiteral("Ok"))->click();
    QCOMPARE(standard.fGrWoElem.GetTag(1), 0b1101);
    QCOMPARE(standard.fGrWoElem.GetTag(2), 0b100);
    QCOMPARE(standard.fKlSoll, 31);
    QCOMPARE(standard.fLeSoll, 24);
  }

  // Targets are kept in units of the smallest time unit: with quarters 25.75 hours are 103.
  void TargetsAreStoredInTimeUnits() {
    TStandard standard;
    TStandardEinsetzen eingesetzt(standard);
    standard.fDivisor = 4;
    standard.fNachKomma = 2;
    standard.fLeSoll = 96;
    TGrunddatenDialog dialog(standard);
    auto* feld = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("leSoll"));
    QCOMPARE(feld->value(), 24.0);
    feld->setValue(25.75);
    KnopfMit(&dialog, QStringLiteral("Ok"))->click();
    QCOMPARE(standard.fLeSoll, 103);
  }

  // "Abbrechen" keeps every course default; "Ok" stores them all.
  void CourseDefaultsAreStoredOnOkOnly() {
    TStandard standard;
    TStandardEinsetzen eingesetzt(standard);
    {
      TKursVorgabenDialog dialog(standard);
      dialog.findChild<QSpinBox*>(QStringLiteral("kursStd"))->setValue(5);
      KnopfMit(&dialog, QStringLiteral("Abbrechen"))->click();
      QCOMPARE(standard.fKursStd, 3);
    }
    TKursVorgabenDialog dialog(standard);
    dialog.findChild<QSpinBox*>(QStringLiteral("kursStd"))->setValue(5);
    dialog.findChild<QSpinBox*>(QStringLiteral("faktor"))->setValue(2);
    dialog.findChild<QSpinBox*>(QStringLiteral("tabellenNr"))->setValue(9);
    dialog.findChild<QCheckBox*>(QStringLiteral("nichtZaehlenKl"))->setChecked(true);
    KnopfMit(&dialog, QStringLiteral("Ok"))->click();
    QCOMPARE(standard.fKursStd, 5);
    QCOMPARE(standard.fFaktor, 2);
    QCOMPARE(standard.fTabellenNr, 4);  // the last of the rating tables
    QVERIFY(standard.fNichtZaehlenKl);
    QVERIFY(!standard.fNichtZaehlenLe);
  }

  void TheBasicDataDialogShowsTheStoredValues() {
    TEckdaten werte;
    werte.fTage = 6;
    werte.fVersionen = 12;
    werte.fSpeicherZeit = 15;
    TEckdatenDialog dialog(werte);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Voreinstellung für Eckdaten"));
    QVERIFY(KnopfMit(&dialog, QStringLiteral("6-Tagewoche"))->isChecked());
    QCOMPARE(dialog.Werte(), werte);
    dialog.findChild<QSpinBox*>(QStringLiteral("versionen"))->setValue(60);
    QCOMPARE(dialog.Werte().fVersionen, 54);
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::VoreinstellungenTest)
#include "voreinstellungen_test.moc"
