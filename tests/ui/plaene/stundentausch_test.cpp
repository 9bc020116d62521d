#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>

#include "dokument.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/kurse/kurs.h"
#include "oberflaeche.h"
#include "placement/setzen.h"
#include "ui/bausteine/qtdialoge.h"
#include "ui/plaene/planfenster.h"

namespace orbato {

// The school-wide swap of two periods, started by dragging an hour with Shift held in a plan
// window.
class StundenTauschTest : public QObject, protected TEingesetztesDokument {
  Q_OBJECT

 private slots:
  void init() {
    Anlegen(fDialoge);
    fMei = fSchule->HoleLehrer("MEI");
    f5a = fSchule->HoleKlasse("5a");
    fR1 = fSchule->HoleRaum("R1");
    fDeutsch = new TKurs;
    fDeutsch->IKurs(fMei, f5a, 2, fR1, fSchule->HoleFach("D"), nullptr);
    fMathe = new TKurs;
    fMathe->IKurs(fSchule->HoleLehrer("ABE"), f5a, 2, nullptr, fSchule->HoleFach("M"), nullptr);
    fAnders = new TKurs;
    fAnders->IKurs(fSchule->HoleLehrer("KUN"), fSchule->HoleKlasse("6b"), 1, nullptr,
                   fSchule->HoleFach("E"), nullptr);
    NeueSetzung(*fDeutsch, 1, 1, fR1, 1);
    NeueSetzung(*fMathe, 1, 3, nullptr, 2);
    NeueSetzung(*fAnders, 1, 3, nullptr, 2)->SetFixiert(true);
  }
  void cleanup() { Abbauen(); }

  // "Abbrechen" in "Stundentausch" leaves the plan; "Ok" and "Ja" over the listed fixed hour
  // exchange every hour of the two periods, and the window shows it.
  void SwapsTwoPeriodsByAShiftDrop() {
    std::unique_ptr<TPlnForm> klasse(PlanFensterOeffnen(*fSchule, *fStandard, f5a));
    klasse->resize(600, 400);
    klasse->show();
    QVERIFY(QTest::qWaitForWindowExposed(klasse.get()));
    fSchule->SetToolArt(SchiebTool);
    QWidget* flaeche = klasse->Raster()->viewport();
    const auto mitte = [&](int tag, int std) {
      return klasse->Raster()->visualItemRect(klasse->Raster()->item(std - 1, tag - 1)).center();
    };
    const auto zieheMitShift = [&] {
      QTest::mousePress(flaeche, Qt::LeftButton, Qt::ShiftModifier, mitte(1, 1));
      QTest::mouseMove(flaeche, mitte(3, 2));
      QTest::mouseRelease(flaeche, Qt::LeftButton, Qt::ShiftModifier, mitte(3, 2));
    };

    TModalSkript skript;
    skript.Druecke(QStringLiteral("Abbrechen"));
    zieheMitShift();
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTexte,
             QStringList{QStringLiteral("Tausche\nMo  1\nmit\nMi  2\nfür die ganze Schule.")});
    QVERIFY(fDeutsch->SetzungFinden(1, 1, 1) != nullptr);
    QCOMPARE(klasse->ZellText(1, 1), QStringLiteral("MEI D R1"));

    QStringList zeilen;
    QString text;
    skript.Druecke(QStringLiteral("Ok")).Dann([&](QWidget* fenster) {
      text = fenster->findChild<QLabel*>()->text();
      const auto* liste = fenster->findChild<QListWidget*>();
      for (int i = 0; i < liste->count(); ++i) zeilen << liste->item(i)->text();
      KnopfMit(fenster, QStringLiteral("Ja"))->click();
    });
    zieheMitShift();
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTitel.mid(1),
             (QStringList{QStringLiteral("Stundentausch"), QStringLiteral("Tauschkonflikte")}));
    QCOMPARE(text, QStringLiteral("Konflikte durch Sperrungen oder\nFixierungen. Wollen Sie "
                                  "die\nStunden trotzdem tauschen?"));
    QCOMPARE(zeilen, QStringList{QStringLiteral("fixiert {1} KUN E 6b")});
    QVERIFY(fDeutsch->SetzungFinden(1, 3, 2) != nullptr);
    QCOMPARE(fDeutsch->SetzungFinden(1, 3, 2)->fRaum, fR1);
    QVERIFY(fMathe->SetzungFinden(1, 1, 1) != nullptr);
    QVERIFY(fAnders->SetzungFinden(1, 1, 1) != nullptr);
    QVERIFY(!fAnders->SetzungFinden(1, 1, 1)->fFixiert);
    QCOMPARE(fDeutsch->fSetzungen.ListeZahlElemente() + fMathe->fSetzungen.ListeZahlElemente() +
                 fAnders->fSetzungen.ListeZahlElemente(),
             3);
    QCOMPARE(klasse->ZellText(3, 2), QStringLiteral("MEI D R1"));
    QCOMPARE(klasse->ZellText(1, 1), QStringLiteral("ABE M "));
    QCOMPARE(fSchule->fVerlauf.ZahlSchritte(), std::size_t{1});
  }

  // Without a mouse: Enter picks the hour up, Shift+Enter on another cell asks for the same swap;
  // after "Abbrechen" the hand is empty, as after a drop of the mouse.
  void SwapsTwoPeriodsByShiftEnter() {
    std::unique_ptr<TPlnForm> klasse(PlanFensterOeffnen(*fSchule, *fStandard, f5a));
    klasse->show();
    QVERIFY(QTest::qWaitForWindowExposed(klasse.get()));
    fSchule->SetToolArt(SchiebTool);
    QTableWidget* raster = klasse->Raster();
    raster->setFocus();
    raster->setCurrentCell(0, 0);
    QTest::keyClick(raster, Qt::Key_Return);
    raster->setCurrentCell(1, 2);

    TModalSkript skript;
    skript.Druecke(QStringLiteral("Abbrechen"));
    QTest::keyClick(raster, Qt::Key_Return, Qt::ShiftModifier);
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTexte,
             QStringList{QStringLiteral("Tausche\nMo  1\nmit\nMi  2\nfür die ganze Schule.")});
    QVERIFY(fDeutsch->SetzungFinden(1, 1, 1) != nullptr);

    QVERIFY(!klasse->Haelt());
    raster->setCurrentCell(0, 0);
    QTest::keyClick(raster, Qt::Key_Return);
    raster->setCurrentCell(1, 2);
    skript.Druecke(QStringLiteral("Ok")).Druecke(QStringLiteral("Ja"));
    QTest::keyClick(raster, Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
    QVERIFY(skript.Fertig());
    QVERIFY(fDeutsch->SetzungFinden(1, 3, 2) != nullptr);
    QVERIFY(fMathe->SetzungFinden(1, 1, 1) != nullptr);
    QCOMPARE(klasse->ZellText(3, 2), QStringLiteral("MEI D R1"));
    // Ctrl+Shift+Enter is no tool key: the lesson stays where it went.
    QTest::keyClick(raster, Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(fDeutsch->SetzungFinden(1, 3, 2) != nullptr);
  }

  // Escape in "Tauschkonflikte" answers "Nein": nothing moves.
  void EscapeInTheConflictListLeavesThePlan() {
    std::unique_ptr<TPlnForm> klasse(PlanFensterOeffnen(*fSchule, *fStandard, f5a));
    klasse->show();
    QVERIFY(QTest::qWaitForWindowExposed(klasse.get()));
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok")).Dann([](QWidget* fenster) {
      QTest::keyClick(fenster, Qt::Key_Escape);
    });
    QVERIFY(klasse->Aufnehmen(1, 1));
    klasse->Ablegen(3, 2, false, true);
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTitel.size(), 2);
    QVERIFY(fDeutsch->SetzungFinden(1, 1, 1) != nullptr);
    QVERIFY(fAnders->SetzungFinden(1, 3, 2)->fFixiert);
    QCOMPARE(fSchule->fVerlauf.ZahlSchritte(), std::size_t{0});
  }

 private:
  TQtDialoge fDialoge;
  TLehrer* fMei = nullptr;
  TKlasse* f5a = nullptr;
  TRaum* fR1 = nullptr;
  TKurs* fDeutsch = nullptr;
  TKurs* fMathe = nullptr;
  TKurs* fAnders = nullptr;
};

}  // namespace orbato

QTEST_MAIN(orbato::StundenTauschTest)
#include "stundentausch_test.moc"
