#include "ui/plaene/komprimierfenster.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <memory>
#include <utility>

#include "dokument.h"
#include "lauf.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/kurse/kurs.h"
#include "oberflaeche.h"
#include "persist/planschreiber.h"
#include "ui/plaene/planfenster.h"

namespace orbato {
namespace {

// 5a on Monday: periods 1 and 2 free before MUE M in 3 and SCH D in 4. 6a on Monday: MEI E in 1,
// a gap, ABE K in 3. The other days are blocked for both.
void Schule(TSchule& schule) {
  const auto stunde = [&](const char* klasse, const char* lehrer, const char* fach, int32_t std) {
    TKlasse* k = schule.HoleKlasse(klasse);
    for (int32_t tag = 2; tag <= 7; ++tag) k->fSperrung.SetWocheTagStd(0, tag, true, 0);
    auto* kurs = new TKurs;
    kurs->IKurs(schule.HoleLehrer(lehrer), k, 1, nullptr, schule.HoleFach(fach), nullptr);
    kurs->SetzungAufnehmen(new TSetzung(1, 1, std, nullptr));
  };
  stunde("5a", "MUE", "M", 3);
  stunde("5a", "SCH", "D", 4);
  stunde("6a", "MEI", "E", 1);
  stunde("6a", "ABE", "K", 3);
}

QStringList Titel(const QWidget* fenster) {
  QStringList titel;
  for (const QGroupBox* g : fenster->findChildren<QGroupBox*>()) titel << g->title();
  return titel;
}

}  // namespace

class KomprimierFensterTest : public QObject, protected TEingesetztesDokument {
  Q_OBJECT

 private slots:
  void init() {
    Anlegen(fDialoge);
    fStandard->fMaxTageNeu = 5;
    Schule(*fSchule);
  }
  void cleanup() { Abbauen(); }

  // The window shows the first class; the check boxes write the settings when clicked.
  void ShowsTheFirstClassAndWritesTheSettingsAtOnce() {
    TKompForm fenster(*fSchule, *fStandard);
    fenster.show();
    QCOMPARE(fenster.windowTitle(), QStringLiteral("Komprimieren"));
    QCOMPARE(Titel(&fenster),
             (QStringList{QStringLiteral("Klassenplan"), QStringLiteral("Information"),
                          QStringLiteral("Steuerung"), QStringLiteral("Einstellungen")}));
    QCOMPARE(fenster.KlassenText(), QStringLiteral("5a"));
    QCOMPARE(fenster.VersionsText(), QStringLiteral("1"));
    QCOMPARE(fenster.HohlText(), QStringLiteral("2"));
    QTableWidget* plan = fenster.Klassenplan();
    QCOMPARE(plan->columnCount(), 5);
    QCOMPARE(plan->rowCount(), 6);
    QCOMPARE(plan->item(2, 0)->text(), QStringLiteral("MUE M"));
    QCOMPARE(plan->item(3, 0)->text(), QStringLiteral("SCH D"));
    QCOMPARE(plan->item(0, 0)->text(), QString());
    QVERIFY(fenster.Knopf(QStringLiteral("nächste Klasse")));
    QVERIFY(fenster.Knopf(QStringLiteral("Start"))->isEnabled());

    QCOMPARE(fenster.Bruecken()->text(), QStringLiteral("Brücken erlauben"));
    QCOMPARE(fenster.Mehrfach()->text(), QStringLiteral("Mehrfachstunden zerreißen"));
    QVERIFY(!fenster.Bruecken()->isChecked());
    fenster.Bruecken()->click();
    QVERIFY(fStandard->fKompBruecken);
    QVERIFY(!fStandard->fKompMehrfach);
    fenster.Mehrfach()->click();
    fenster.Bruecken()->click();
    QVERIFY(fStandard->fKompMehrfach);
    QVERIFY(!fStandard->fKompBruecken);
  }

  // "Start" runs over both classes, pass after pass, showing each class's count as it falls, and
  // closes the window; an open class plan shows the result at the end.
  void StartRunsOverEveryClassAndCloses() {
    std::unique_ptr<TPlnForm> klassenplan(
        PlanFensterOeffnen(*fSchule, *fStandard, fSchule->HoleKlasse("5a")));
    TKompForm fenster(*fSchule, *fStandard);
    fenster.show();
    QStringList gezeigt;
    TKomprimierung& komp = fenster.Kompression();
    const auto zeigen = komp.fZeigen;
    komp.fZeigen = [&] {
      zeigen();
      gezeigt << fenster.KlassenText() + QLatin1Char(':') + fenster.HohlText() +
                     (fenster.Knopf(QStringLiteral("Start"))->isEnabled() ? QStringLiteral("+")
                                                                          : QString());
    };
    fSchule->SetDirty(false);
    QTest::mouseClick(fenster.Knopf(QStringLiteral("Start")), Qt::LeftButton);
    QCOMPARE(gezeigt,
             (QStringList{"5a:2", "5a:1", "5a:0", "6a:1", "6a:0", "5a:0", "6a:0", "5a:0", "5a:0"}));
    QVERIFY(!fenster.isVisible());
    QCOMPARE(fenster.result(), int(QDialog::Accepted));
    QCOMPARE(fenster.Klassenplan()->item(0, 0)->text(), QStringLiteral("MUE M"));
    QCOMPARE(fenster.Klassenplan()->item(1, 0)->text(), QStringLiteral("SCH D"));
    QCOMPARE(komp.Durchgaenge(), 2);
    QVERIFY(fSchule->IsDirty());
    QCOMPARE(fSchule->HoleKlasse("5a")->fPlnFenster, klassenplan.get());
    QCOMPARE(klassenplan->ZellText(1, 1), QStringLiteral("MUE M "));
    QCOMPARE(klassenplan->ZellText(1, 3), QString());
  }

  // The buttons work while the run goes on: the window lets the input in between two cells of a
  // search (here the first time it is asked, held back long enough for the window to look).
  // "nächste Klasse" leaves 5a for the first pass, "Abbrechen" stops the run at once.
  void ButtonsWorkWhileTheRunGoesOn() {
    for (const QString& knopf : {QStringLiteral("nächste Klasse"), QStringLiteral("Abbrechen")}) {
      Abbauen();
      init();
      TKompForm fenster(*fSchule, *fStandard);
      fenster.show();
      TKomprimierung& komp = fenster.Kompression();
      QStringList gezeigt;
      const auto zeigen = komp.fZeigen;
      komp.fZeigen = [&] {
        zeigen();
        gezeigt << fenster.KlassenText() + QLatin1Char(':') + fenster.HohlText();
      };
      const auto eingaben = komp.fEingaben;
      bool erstes = true;
      komp.fEingaben = [&] {
        if (std::exchange(erstes, false)) QTest::qSleep(50);
        eingaben();
      };
      QTimer::singleShot(0, fenster.Knopf(knopf), &QPushButton::click);
      fenster.Knopf(QStringLiteral("Start"))->click();
      QVERIFY(!fenster.isVisible());
      if (knopf == QStringLiteral("Abbrechen")) {
        QVERIFY(komp.Abgebrochen());
        QCOMPARE(gezeigt, (QStringList{"5a:2", "5a:2"}));
        QVERIFY(fSchule->HoleKlasse("5a")->FindeKurs(1, 1, 3));
      } else {
        QCOMPARE(gezeigt.mid(0, 4), (QStringList{"5a:2", "6a:1", "6a:0", "5a:2"}));
        QCOMPARE(gezeigt.last(), QStringLiteral("5a:0"));
      }
    }
  }

  // "Abbrechen" before "Start" closes the window and moves nothing.
  void CancelBeforeStartCloses() {
    TKompForm fenster(*fSchule, *fStandard);
    fenster.show();
    QTest::mouseClick(fenster.Knopf(QStringLiteral("Abbrechen")), Qt::LeftButton);
    QVERIFY(!fenster.isVisible());
    QVERIFY(fSchule->HoleKlasse("5a")->FindeKurs(1, 1, 3));
    QCOMPARE(fenster.Kompression().Durchgaenge(), 0);
  }

  // From the menu: nothing without a document; the warning first; "Nein" opens nothing, "Ja" the
  // window, modal.
  void TheMenuWarnsThenOpensTheWindow() {
    TLauf lauf;
    TModalSkript skript;
    lauf.palette->Komprimieren();
    QTest::qWait(50);
    QVERIFY(skript.fTitel.isEmpty());
    const QString pfad = lauf.Pfad(QStringLiteral("k.orb"));
    {
      TStandard standard;
      TStandardEinsetzen standardEingesetzt(standard);
      TSchule schule;
      TSchuleEinsetzen schuleEingesetzt(schule);
      Schule(schule);
      TWriteForm(fDialoge).WriteToFile(pfad.toStdString());
    }
    QVERIFY(lauf.palette->Oeffnen(pfad));
    QVERIFY(lauf.An({"Pläne", "Komprimieren"}));
    skript.Druecke(QStringLiteral("Nein"));
    lauf.Waehle({"Pläne", "Komprimieren"});
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Komprimieren")});
    QCOMPARE(skript.fTexte, QStringList{QStringLiteral("Beim Komprimieren werden\nStunden in den "
                                                       "Plänen verschoben.\nSoll trotzdem "
                                                       "komprimiert werden?")});
    TSchule& s = lauf.palette->schule();
    QVERIFY(s.HoleKlasse("5a")->FindeKurs(1, 1, 3));

    QString hohl;
    skript.Druecke(QStringLiteral("Ja")).Dann([&](QWidget* f) {
      auto* fenster = qobject_cast<TKompForm*>(f);
      QVERIFY(fenster);
      hohl = fenster->HohlText();
      fenster->Knopf(QStringLiteral("Start"))->click();
    });
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle({"Pläne", "Komprimieren"});
    QCOMPARE(skript.fTitel.size(), 4);
    QCOMPARE(skript.fTitel.last(), QStringLiteral("Komprimieren"));
    // The window closes when the run ends; a message says what it did.
    QCOMPARE(
        skript.fTexte.last(),
        QStringLiteral("Hohlstunden der Klassen: 3 vorher, 0 nachher\nVerschobene Stunden: 3"));
    QCOMPARE(hohl, QStringLiteral("2"));
    QVERIFY(s.HoleKlasse("5a")->FindeKurs(1, 1, 1));
    QVERIFY(s.HoleKlasse("6a")->FindeKurs(1, 1, 2));
    QVERIFY(skript.Fertig());
    QVERIFY(skript.fUnerwartet.isEmpty());
  }

 private:
  TQtDialoge fDialoge;
};

}  // namespace orbato

QTEST_MAIN(orbato::KomprimierFensterTest)
#include "komprimierfenster_test.moc"
