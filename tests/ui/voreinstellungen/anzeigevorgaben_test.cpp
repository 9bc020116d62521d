#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QTest>
#include <QTimer>

#include "model/basis/datum.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "oberflaeche.h"
#include "ui/bausteine/schriftfeld.h"
#include "ui/voreinstellungen/anzeigevorgaben.h"

namespace orbato {

class AnzeigeVorgabenTest : public QObject {
  Q_OBJECT

 private slots:
  void ThePlanDialogShowsAndStoresTheWindowSettings() {
    TStandard standard;
    TStandardEinsetzen eingesetzt(standard);
    standard.fManArt = 4;
    standard.fMitRaum = false;
    TPlanVorgabenDialog dialog(standard);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Voreinstellung für Pläne"));
    QCOMPARE(dialog.SchriftFeld()->text(), QStringLiteral("Arial, 8 pt"));
    auto* art = dialog.findChild<QComboBox*>(QStringLiteral("manArt"));
    QCOMPARE(art->currentText(), QStringLiteral("zwei über einem"));
    QCOMPARE(art->count(), 6);
    QVERIFY(!dialog.findChild<QCheckBox*>(QStringLiteral("mitRaum"))->isChecked());

    dialog.SchriftFeld()->fSchriftWaehlen = [](QFont& schrift) {
      schrift = QFont(QStringLiteral("Liberation Serif"), 12);
      return true;
    };
    dialog.SchriftFeld()->click();
    QCOMPARE(dialog.SchriftFeld()->text(), QStringLiteral("Liberation Serif, 12 pt"));
    dialog.findChild<QCheckBox*>(QStringLiteral("neben"))->setChecked(false);
    dialog.findChild<QCheckBox*>(QStringLiteral("koppFett"))->setChecked(false);
    art->setCurrentIndex(5);
    KnopfMit(&dialog, QStringLiteral("Ok"))->click();
    QCOMPARE(standard.fPlnFont, (TSchrift{"Liberation Serif", 12}));
    QVERIFY(!standard.fNebenEinander);
    QVERIFY(!standard.fPlnKoppFett);
    QVERIFY(!standard.fMitRaum);
    QCOMPARE(standard.fManArt, 5);
    QVERIFY(standard.fManZeigKopp);
  }

  void TheDeputyDialogStoresColumnsAndTheStatisticsPeriod() {
    TStandard standard;
    TStandardEinsetzen eingesetzt(standard);
    TDeputatVorgabenDialog dialog(standard);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Voreinstellung für Deputate"));
    auto* von = dialog.findChild<QDateEdit*>(QStringLiteral("von"));
    QCOMPARE(von->date(), QDate(1994, 1, 1));
    von->setDate(QDate(2026, 8, 3));
    dialog.findChild<QDateEdit*>(QStringLiteral("bis"))->setDate(QDate(2027, 1, 29));
    dialog.findChild<QCheckBox*>(QStringLiteral("nullStd"))->setChecked(false);
    dialog.findChild<QCheckBox*>(QStringLiteral("statistik"))->setChecked(true);
    KnopfMit(&dialog, QStringLiteral("Abbrechen"))->click();
    QVERIFY(standard.fMitNullStd);
    QCOMPARE(standard.fDepVon, 34335.0);

    TDeputatVorgabenDialog zweiter(standard);
    zweiter.findChild<QDateEdit*>(QStringLiteral("von"))->setDate(QDate(2026, 8, 3));
    zweiter.findChild<QCheckBox*>(QStringLiteral("statistik"))->setChecked(true);
    KnopfMit(&zweiter, QStringLiteral("Ok"))->click();
    QCOMPARE(standard.fDepVon, *KodiereDatum(2026, 8, 3));
    QVERIFY(standard.fMitStatistik);
    QVERIFY(!standard.fMitKursInfo);
  }

  // A new plan font takes new row heights at once.
  void OkRecomputesTheRowHeightsFromTheNewFont() {
    TStandard standard;
    TStandardEinsetzen eingesetzt(standard);
    TSchule schule;
    TSchuleEinsetzen schuleEingesetzt(schule);
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<TPlanVorgabenDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      dialog->SchriftFeld()->SetSchrift({"Arial", 20});
      KnopfMit(dialog, QStringLiteral("Ok"))->click();
    });
    PlanVorgabenAendern(nullptr, standard, &schule);
    QCOMPARE(standard.fPlnFont.Groesse, 20);
    QCOMPARE(standard.fPlnHoehe, (20 * 165 + 50) / 100 + 5);
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::AnzeigeVorgabenTest)
#include "anzeigevorgaben_test.moc"
