#include "ui/plaene/planfenster.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "dokument.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/kopplung.h"
#include "model/kurse/kurs.h"
#include "oberflaeche.h"
#include "placement/setzen.h"
#include "ui/bausteine/qtdialoge.h"

namespace orbato {

class PlanFensterTest : public QObject, protected TEingesetztesDokument {
  Q_OBJECT

 private slots:
  void init() {
    Anlegen(fDialoge);
    fLehrer = fSchule->HoleLehrer("MEI");
    fKlasse = fSchule->HoleKlasse("5a");
    fRaum = fSchule->HoleRaum("R1");
    fFach = fSchule->HoleFach("D");
    fKurs = new TKurs;
    fKurs->IKurs(fLehrer, fKlasse, 2, fRaum, fFach, nullptr);
  }
  void cleanup() { Abbauen(); }

  // An hour placed from the teacher's menu into a room shows in the class and room plans too.
  void PlacesFromTheTeachersMenuIntoARoom() {
    std::unique_ptr<TPlnForm> lehrer(PlanFensterOeffnen(*fSchule, *fStandard, fLehrer));
    std::unique_ptr<TPlnForm> klasse(PlanFensterOeffnen(*fSchule, *fStandard, fKlasse));
    std::unique_ptr<TPlnForm> raum(PlanFensterOeffnen(*fSchule, *fStandard, fRaum));
    QCOMPARE(lehrer->windowTitle(), QStringLiteral("Plan MEI"));
    QCOMPARE(lehrer->FensterArt(), 9);
    QCOMPARE(PlanFensterOeffnen(*fSchule, *fStandard, fLehrer), lehrer.get());
    fSchule->SetToolArt(SetzTool);
    std::vector<std::string> angeboten;
    lehrer->fMenuZeigen = [&](TMenu& menu) {
      for (const TMenuEintrag& e : menu) angeboten.push_back(e.fText);
      QVERIFY(WaehleEintrag(menu, "R1"));
    };
    lehrer->Geklickt(2, 3);
    QCOMPARE(angeboten.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(angeboten[0]), QStringLiteral("[2] MEI D 5a"));
    QCOMPARE(lehrer->ZellText(2, 3), QStringLiteral("5a D R1"));
    QCOMPARE(klasse->ZellText(2, 3), QStringLiteral("MEI D R1"));
    QCOMPARE(raum->ZellText(2, 3), QStringLiteral("MEI 5a D"));
    QCOMPARE(klasse->ZellMarke(2, 3), 'N');

    // Fixing underlines the cell; a second double-click frees it again.
    fSchule->SetToolArt(FixTool);
    klasse->Doppelgeklickt(2, 3);
    QVERIFY(fKurs->SetzungFinden(1, 2, 3)->fFixiert);
    QVERIFY(lehrer->Raster()->item(2, 1)->font().underline());
    QCOMPARE(lehrer->ZellMarke(2, 3), 'F');
    klasse->Doppelgeklickt(2, 3);
    QVERIFY(!fKurs->SetzungFinden(1, 2, 3)->fFixiert);

    // Blocked cells say so.
    fLehrer->fSperrung.SetWocheTagStd(1, 1, true, 1);
    lehrer->FensterUpdate();
    QCOMPARE(lehrer->ZellText(1, 1), QStringLiteral("*sperrung*"));
    lehrer->fMenuZeigen = [&](TMenu& menu) { QVERIFY(menu.empty()); };
    lehrer->Geklickt(1, 1);
  }

  // The corner switch shows coupled courses by their coupling or by their first class; a course
  // placed only in another version leaves the cell empty.
  void TheSwitchAndTheVersionDecideWhatACellShows() {
    TKopplung* kopplung = fSchule->HoleKopplung("RE5");
    fKurs->KopplungErgaenzen(kopplung);
    NeueSetzung(*fKurs, 1, 1, nullptr, 1);
    std::unique_ptr<TPlnForm> lehrer(PlanFensterOeffnen(*fSchule, *fStandard, fLehrer));
    QCOMPARE(lehrer->ZellText(1, 1), QStringLiteral("RE5 D "));
    QVERIFY(lehrer->Raster()->item(0, 0)->font().bold());
    lehrer->Schalter()->click();
    QCOMPARE(lehrer->Schalter()->text(), QStringLiteral("x"));
    QCOMPARE(lehrer->ZellText(1, 1), QStringLiteral("5a D "));
    lehrer->Schalter()->click();
    QCOMPARE(lehrer->ZellText(1, 1), QStringLiteral("RE5 D "));

    fStandard->fAktuelleWoche = 2;
    fStandard->SetMaxWocheNeu(2);
    fStandard->fAktuelleWoche = 2;
    lehrer->FensterUpdate();
    QCOMPARE(lehrer->ZellText(1, 1), QString());
  }

  // Deleting a coupled hour asks which lessons go: this course's, the coupling's, or none.
  void DeletesACoupledHourAsAnswered() {
    TKopplung* kopplung = fSchule->HoleKopplung("RE5");
    fKurs->KopplungErgaenzen(kopplung);
    auto* kr = new TKurs;
    kr->IKurs(fSchule->HoleLehrer("ABE"), fKlasse, 2, nullptr, fFach, kopplung);
    std::unique_ptr<TPlnForm> klasse(PlanFensterOeffnen(*fSchule, *fStandard, fKlasse));
    fSchule->SetToolArt(LoeschTool);
    const auto setzeBeide = [&] {
      NeueSetzung(*fKurs, 1, 2, nullptr, 2);
      NeueSetzung(*kr, 1, 2, nullptr, 2);
    };
    setzeBeide();
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Abbrechen"))
        .Druecke(QStringLiteral("Dieser Kurs"))
        .Druecke(QStringLiteral("Kopplung"));
    klasse->Doppelgeklickt(2, 2);
    QCOMPARE(fKurs->fSetzungen.ListeZahlElemente() + kr->fSetzungen.ListeZahlElemente(), 2);
    TKurs* gezeigt = klasse->ZellKurs(2, 2);
    klasse->Doppelgeklickt(2, 2);
    QCOMPARE(gezeigt->fSetzungen.ListeZahlElemente(), 0);
    QCOMPARE(fKurs->fSetzungen.ListeZahlElemente() + kr->fSetzungen.ListeZahlElemente(), 1);
    klasse->Doppelgeklickt(2, 2);
    QCOMPARE(fKurs->fSetzungen.ListeZahlElemente() + kr->fSetzungen.ListeZahlElemente(), 0);
    QCOMPARE(skript.fTitel, (QStringList{"gekoppelten Kurs löschen", "gekoppelten Kurs löschen",
                                         "gekoppelten Kurs löschen"}));
    QCOMPARE(klasse->ZellText(2, 2), QString());
  }

  // Dragging with the move tool: a fixed hour of the teacher in the way forbids the drop, an
  // unfixed one is displaced at the user's word; a drop on the course's own cell does nothing.
  void MovesAnHourByDragging() {
    auto* andere = new TKurs;
    andere->IKurs(fLehrer, fSchule->HoleKlasse("5b"), 1, nullptr, fFach, nullptr);
    NeueSetzung(*fKurs, 1, 1, fRaum, 1);
    NeueSetzung(*andere, 1, 3, nullptr, 2)->SetFixiert(true);
    std::unique_ptr<TPlnForm> klasse(PlanFensterOeffnen(*fSchule, *fStandard, fKlasse));
    klasse->resize(600, 400);
    klasse->show();
    QVERIFY(QTest::qWaitForWindowExposed(klasse.get()));
    fSchule->SetToolArt(SchiebTool);
    QWidget* flaeche = klasse->Raster()->viewport();
    const auto mitte = [&](int tag, int std) {
      return klasse->Raster()->visualItemRect(klasse->Raster()->item(std - 1, tag - 1)).center();
    };
    const auto ziehe = [&](int vonTag, int vonStd, int nachTag, int nachStd) {
      QTest::mousePress(flaeche, Qt::LeftButton, {}, mitte(vonTag, vonStd));
      QTest::mouseMove(flaeche, mitte(nachTag, nachStd));
      QTest::mouseRelease(flaeche, Qt::LeftButton, {}, mitte(nachTag, nachStd));
    };
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok")).Druecke(QStringLiteral("Trotzdem setzen"));
    ziehe(1, 1, 3, 2);
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Setzungsverbot")});
    QVERIFY(fKurs->SetzungFinden(1, 1, 1) != nullptr);

    andere->SetzungFinden(1, 3, 2)->SetFixiert(false);
    ziehe(1, 1, 3, 2);
    QCOMPARE(skript.fTitel.last(), QStringLiteral("Verdrängen"));
    QVERIFY(fKurs->SetzungFinden(1, 3, 2) != nullptr);
    QCOMPARE(fKurs->SetzungFinden(1, 3, 2)->fRaum, fRaum);
    QCOMPARE(andere->fSetzungen.ListeZahlElemente(), 0);
    QCOMPARE(klasse->ZellText(3, 2), QStringLiteral("MEI D R1"));
    QCOMPARE(klasse->ZellText(1, 1), QString());

    ziehe(3, 2, 3, 2);
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTitel.size(), 2);
    QCOMPARE(fKurs->fSetzungen.ListeZahlElemente(), 1);
  }

  // Without a mouse: the arrows move the cell; Enter opens the set tool's menu there, below the
  // cell; the move tool picks the hour up with Enter and puts it down with Enter on another cell
  // (Escape lets go); the fix and delete tools act with Enter; Shift+F10 and the menu key give the
  // set tool's course menu.
  void PlacesMovesFixesAndDeletesFromTheKeyboard() {
    std::unique_ptr<TPlnForm> klasse(PlanFensterOeffnen(*fSchule, *fStandard, fKlasse));
    klasse->resize(600, 400);
    klasse->show();
    QVERIFY(QTest::qWaitForWindowExposed(klasse.get()));
    QTableWidget* raster = klasse->Raster();
    raster->setFocus();
    raster->setCurrentCell(0, 0);
    QTest::keyClick(raster, Qt::Key_Right);
    QTest::keyClick(raster, Qt::Key_Down);
    QCOMPARE(raster->currentRow(), 1);
    QCOMPARE(raster->currentColumn(), 1);

    fSchule->SetToolArt(SetzTool);
    klasse->fMenuZeigen = [&](TMenu& menu) { QVERIFY(WaehleEintrag(menu, "R1")); };
    std::vector<std::string> kursMenu;
    const auto zeigen = [&](TMenu& menu) {
      for (const TMenuEintrag& e : menu) kursMenu.push_back(e.fText);
    };
    QTest::keyClick(raster, Qt::Key_Return);
    QCOMPARE(klasse->ZellText(2, 2), QStringLiteral("MEI D R1"));

    klasse->fMenuZeigen = zeigen;
    QTest::keyClick(raster, Qt::Key_F10, Qt::ShiftModifier);
    QTest::keyClick(raster, Qt::Key_Menu);
    QCOMPARE(kursMenu.size(), std::size_t{2});
    QCOMPARE(QString::fromStdString(kursMenu[0]), QString::fromStdString(kursMenu[1]));

    // Move: Enter on the hour, Down twice, Escape lets go; again, and Enter puts it down.
    fSchule->SetToolArt(SchiebTool);
    QTest::keyClick(raster, Qt::Key_Return);
    QCOMPARE(klasse->ZellMarke(2, 2), 'R');
    QTest::keyClick(raster, Qt::Key_Escape);
    QCOMPARE(klasse->ZellMarke(2, 2), 'N');
    QTest::keyClick(raster, Qt::Key_Space);
    QTest::keyClick(raster, Qt::Key_Down);
    QTest::keyClick(raster, Qt::Key_Down);
    QTest::keyClick(raster, Qt::Key_Return);
    QVERIFY(fKurs->SetzungFinden(1, 2, 4) != nullptr);
    QVERIFY(fKurs->SetzungFinden(1, 2, 2) == nullptr);
    QCOMPARE(klasse->ZellText(2, 4), QStringLiteral("MEI D R1"));

    fSchule->SetToolArt(FixTool);
    QTest::keyClick(raster, Qt::Key_Return);
    QVERIFY(fKurs->SetzungFinden(1, 2, 4)->fFixiert);
    QTest::keyClick(raster, Qt::Key_Return);
    QVERIFY(!fKurs->SetzungFinden(1, 2, 4)->fFixiert);

    fSchule->SetToolArt(LoeschTool);
    QTest::keyClick(raster, Qt::Key_Return);
    QCOMPARE(fKurs->fSetzungen.ListeZahlElemente(), 0);
    QCOMPARE(klasse->ZellText(2, 4), QString());
  }

  // The window opens at the size the settings give; then the days share its width and the
  // periods its height, and shrink no further than a short name needs.
  void TheGridGrowsAndShrinksWithTheWindow() {
    fStandard->fMaxTageNeu = 5;
    fStandard->fPlnStd = 6;
    std::unique_ptr<TPlnForm> klasse(PlanFensterOeffnen(*fSchule, *fStandard, fKlasse));
    QTableWidget* raster = klasse->Raster();
    QCOMPARE(raster->columnCount(), 5);
    QCOMPARE(raster->rowCount(), 6);
    klasse->resize(klasse->sizeHint());
    klasse->show();
    QVERIFY(QTest::qWaitForWindowExposed(klasse.get()));
    const int natur = raster->columnWidth(0);
    const auto gleich = [&](int breite, int hoehe) {
      for (int t = 1; t < 5; ++t) QVERIFY(qAbs(raster->columnWidth(t) - breite) <= 1);
      for (int p = 1; p < 6; ++p) QVERIFY(qAbs(raster->rowHeight(p) - hoehe) <= 1);
    };
    klasse->resize(klasse->sizeHint() + QSize(500, 300));
    QTRY_VERIFY(raster->columnWidth(0) >= natur + 99);
    gleich(raster->columnWidth(0), raster->rowHeight(0));
    QVERIFY(raster->horizontalScrollBar()->maximum() == 0);
    const int breit = raster->viewport()->width();
    QVERIFY(qAbs(5 * raster->columnWidth(0) - breit) <= 5);

    // Too small for the readable minimum: the grid scrolls instead.
    const int schmal = raster->horizontalHeader()->minimumSectionSize();
    const int flach = raster->verticalHeader()->minimumSectionSize();
    QVERIFY(schmal >= raster->fontMetrics().averageCharWidth() * 4);
    klasse->resize(60, 60);
    QTRY_VERIFY(raster->horizontalScrollBar()->maximum() > 0);
    QVERIFY(raster->columnWidth(0) <= schmal + 1);
    QVERIFY(raster->rowHeight(0) <= flach + 1);
    QVERIFY(raster->verticalScrollBar()->maximum() > 0);
  }

  // The set tool's right click marks where a course could go; copying gives the plan as text.
  void MarksWhereACourseFitsAndCopiesThePlan() {
    fStandard->fMaxTageNeu = 5;
    fStandard->fPlnStd = 2;
    NeueSetzung(*fKurs, 1, 2, nullptr, 1);
    fLehrer->fSperrung.SetWocheTagStd(1, 4, true, 2);
    std::unique_ptr<TPlnForm> lehrer(PlanFensterOeffnen(*fSchule, *fStandard, fLehrer));
    lehrer->fMenuZeigen = [](TMenu& menu) {
      QCOMPARE(menu.size(), std::size_t{1});
      QCOMPARE(QString::fromStdString(menu[0].fText), QStringLiteral("[1] MEI D 5a"));
      QVERIFY(WaehleEintrag(menu, "ohne Raum"));
    };
    fSchule->SetToolArt(SetzTool);
    lehrer->RechtsKlick();
    QString marken;
    for (int std = 1; std <= 2; ++std) {
      for (int tag = 1; tag <= 5; ++tag) marken += QLatin1Char(lehrer->ZellMarke(tag, std));
    }
    QCOMPARE(marken, QStringLiteral("RNRRRRRR R"));
    QCOMPARE(lehrer->PlanText(),
             QStringLiteral("\tMo\tDi\tMi\tDo\tFr\n 1\t\t5a D \t\t\t\n 2\t\t\t\t*sperrung*\t\n"));
  }

  // Ctrl with the move tool shows where the course could go; a double-click marks its cells; Alt
  // with the delete tool takes only the room.
  void PreviewsMarksAndTakesTheRoom() {
    fStandard->fMaxTageNeu = 5;
    fStandard->fPlnStd = 2;
    NeueSetzung(*fKurs, 1, 1, fRaum, 1);
    fLehrer->fSperrung.SetWocheTagStd(1, 3, true, 2);
    std::unique_ptr<TPlnForm> klasse(PlanFensterOeffnen(*fSchule, *fStandard, fKlasse));
    const auto marken = [&] {
      QString m;
      for (int std = 1; std <= 2; ++std) {
        for (int tag = 1; tag <= 5; ++tag) m += QLatin1Char(klasse->ZellMarke(tag, std));
      }
      return m;
    };
    klasse->Vorschau(1, 1, false);
    QCOMPARE(marken(), QStringLiteral("NRRRRRR RR"));
    fSchule->SetToolArt(SchiebTool);
    klasse->FensterUpdate();
    klasse->Doppelgeklickt(1, 1, Qt::NoModifier);
    QCOMPARE(marken(), QStringLiteral("R         "));
    fSchule->SetToolArt(LoeschTool);
    klasse->Doppelgeklickt(1, 1, Qt::AltModifier);
    QCOMPARE(fKurs->fSetzungen.ListeZahlElemente(), 1);
    QVERIFY(fKurs->SetzungFinden(1, 1, 1)->fRaum == nullptr);
    QVERIFY(!fRaum->fBesetzung.GetWocheTagStd(1, 1, 1));
    QCOMPARE(klasse->ZellText(1, 1), QStringLiteral("MEI D "));
  }

  // An element that is deleted closes its plan window and unlinks it.
  void ClosesWithItsElement() {
    TPlnForm* lehrer = PlanFensterOeffnen(*fSchule, *fStandard, fLehrer);
    lehrer->show();
    QCOMPARE(fSchule->fFensterListe.size(), std::size_t{1});
    fSchule->LehrerLoeschen(fLehrer);
    QVERIFY(!lehrer->isVisible());
    QVERIFY(lehrer->Element() == nullptr);
    QCOMPARE(fSchule->fFensterListe.size(), std::size_t{0});
    delete lehrer;
  }

 private:
  TQtDialoge fDialoge;
  TLehrer* fLehrer = nullptr;
  TKlasse* fKlasse = nullptr;
  TRaum* fRaum = nullptr;
  TFach* fFach = nullptr;
  TKurs* fKurs = nullptr;
};

}  // namespace orbato

QTEST_MAIN(orbato::PlanFensterTest)
#include "planfenster_test.moc"
