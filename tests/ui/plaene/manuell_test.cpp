#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "lauf.h"
#include "model/kurse/kurs.h"
#include "oberflaeche.h"
#include "placement/setzen.h"
#include "platform/qttext.h"
#include "ui/plaene/manuellfenster.h"
#include "ui/plaene/manuellplan.h"
#include "ui/plaene/planfenster.h"

namespace orbato {
namespace {

TKurs* Kurs(TLehrer* l, TKlasse* k, int32_t stunden, TRaum* r, TFach* f) {
  auto* kurs = new TKurs;
  kurs->IKurs(l, k, stunden, r, f, nullptr);
  return kurs;
}

// The cells of a course in version 1 as "day/period room".
QStringList Zellen(const TKurs* kurs) {
  QStringList zellen;
  for (const TSetzung* s : kurs->fSetzungen) {
    zellen << QStringLiteral("%1/%2 %3")
                  .arg(s->fTag)
                  .arg(s->fStunde)
                  .arg(s->fRaum ? QtText(s->fRaum->fKuerzel.str()) : QStringLiteral("-"));
  }
  zellen.sort();
  return zellen;
}

QPoint Mitte(const TManuellPlan& plan, int tag, int std) {
  return plan.ZellRechteck(tag, std).center();
}

}  // namespace

class ManuellFensterTest : public QObject {
  Q_OBJECT

 private slots:
  // From the selected cells of a class plan to the manual window, which places with the move
  // tool, moves by dragging from one plan into another, and takes everything back with Ctrl+Z;
  // closed, the edit menu is as it was.
  void PlacesAndMovesWithTheMouseAndTakesItBackWithCtrlZ() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("s.orb"))));
    QVERIFY(lauf.An({"Werkzeuge", "Manuell"}));
    TStandard& st = lauf.palette->standard();
    st.fMaxTageNeu = 5;
    st.fPlnStd = 6;
    st.fManArt = 1;
    TSchule& s = lauf.palette->schule();
    TKlasse* klasse = s.HoleKlasse("5a");
    TLehrer* lehrer = s.HoleLehrer("MUE");
    TRaum* raum = s.HoleRaum("R1");
    TKurs* kurs = Kurs(lehrer, klasse, 3, raum, s.HoleFach("M"));
    TKurs* andere = Kurs(s.HoleLehrer("SCH"), klasse, 1, nullptr, s.HoleFach("D"));
    NeueSetzung(*kurs, 1, 1, raum, 1);
    NeueSetzung(*andere, 1, 3, nullptr, 2);

    // Nothing selected: nothing opens.
    auto* plan =
        qobject_cast<TPlnForm*>(lauf.palette->ElementFensterOeffnen(klasse, PFenster)->widget());
    lauf.Waehle({"Werkzeuge", "Manuell"});
    QCOMPARE(lauf.palette->ManuellFenster(), nullptr);
    // Cells chosen with the show tool, whose menus stay shut here.
    plan->fMenuZeigen = [](TMenu&) {};
    lauf.palette->schule().SetToolArt(ZeigTool);
    QVERIFY(QTest::qWaitForWindowExposed(plan));
    QWidget* planFlaeche = plan->Raster()->viewport();
    const auto planMitte = [&](int tag, int std) {
      return plan->Raster()->visualItemRect(plan->Raster()->item(std - 1, tag - 1)).center();
    };
    QTest::mouseClick(planFlaeche, Qt::LeftButton, {}, planMitte(1, 1));
    QTest::mouseClick(planFlaeche, Qt::LeftButton, Qt::ControlModifier, planMitte(3, 2));
    QCOMPARE(lauf.palette->ManuellAuswahl(), (std::vector<TKurs*>{kurs, andere}));

    lauf.Waehle({"Werkzeuge", "Manuell"});
    TManuellFenster* fenster = lauf.palette->ManuellFenster();
    QVERIFY(fenster != nullptr);
    QCOMPARE(fenster->FensterArt(), 68);
    QCOMPARE(fenster->windowTitle(), QStringLiteral("Manuell"));
    QCOMPARE(lauf.palette->Arbeitsflaeche()->activeSubWindow()->widget(), fenster);
    QCOMPARE(s.fToolArt, SchiebTool);
    QCOMPARE(fenster->Feld(QStringLiteral("Lehrer")), QStringLiteral("MUE"));
    QCOMPARE(fenster->Feld(QStringLiteral("Kopplung")), QStringLiteral("ohne"));
    QCOMPARE(fenster->Feld(QStringLiteral("Raum")), QStringLiteral("R1"));
    QAction* widerrufen = lauf.palette->Aktion({"Bearbeiten", "Widerrufen"});
    QAction* loeschen = lauf.palette->Aktion({"Bearbeiten", "Löschen Protokoll"});
    QCOMPARE(widerrufen->text(), QStringLiteral("Widerrufen Protokoll"));
    QVERIFY(!widerrufen->isEnabled());
    QVERIFY(loeschen->isVisible());
    QVERIFY(!loeschen->isEnabled());
    // What the history would bring back the journal would not know of.
    QVERIFY(!lauf.An({"Bearbeiten", "Wiederherstellen"}));
    const std::vector<TManuellPlan*> plaene = fenster->Plaene();
    QCOMPARE(plaene.size(), std::size_t{2});
    QVERIFY(QTest::qWaitForWindowExposed(fenster));

    // A click of the move tool places a lesson; the commands of the journal wake up.
    QTest::mouseClick(plaene[0]->viewport(), Qt::LeftButton, {}, Mitte(*plaene[0], 2, 4));
    QCOMPARE(Zellen(kurs), (QStringList{"1/1 R1", "2/4 R1"}));
    QVERIFY(widerrufen->isEnabled());
    QVERIFY(loeschen->isEnabled());

    // Dragged from the class's plan into the teacher's, the lesson moves there.
    QWidget* von = plaene[0]->viewport();
    QTest::mousePress(von, Qt::LeftButton, {}, Mitte(*plaene[0], 2, 4));
    QVERIFY(fenster->Form().Zieht());
    QCOMPARE(fenster->Form().Zelle(1, 1, 1).fMarke, 'R');
    const QPoint ziel =
        von->mapFromGlobal(plaene[1]->viewport()->mapToGlobal(Mitte(*plaene[1], 5, 6)));
    QTest::mouseMove(von, ziel);
    QCOMPARE(plaene[1]->ZielTag(), 5);
    QTest::mouseRelease(von, Qt::LeftButton, {}, ziel);
    QCOMPARE(Zellen(kurs), (QStringList{"1/1 R1", "5/6 R1"}));
    QCOMPARE(plaene[1]->ZielTag(), 0);

    // The last lesson placed: the move tool goes on to the next course with lessons left.
    QTest::mouseClick(plaene[1]->viewport(), Qt::LeftButton, {}, Mitte(*plaene[1], 4, 1));
    QCOMPARE(Zellen(kurs), (QStringList{"1/1 R1", "4/1 R1", "5/6 R1"}));
    QCOMPARE(fenster->Form().fKurs, kurs);  // the other course has all its lessons

    // Ctrl+Z takes the journal back; the first course of the list is shown.
    const auto strgZ = [&] {
      lauf.palette->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(lauf.palette.get()));
      QTest::keyClick(lauf.palette.get(), Qt::Key_Z, Qt::ControlModifier);
    };
    strgZ();
    QCOMPARE(Zellen(kurs), QStringList{"1/1 R1"});
    QCOMPARE(Zellen(andere), QStringList{"3/2 -"});
    QVERIFY(!widerrufen->isEnabled());
    QVERIFY(!loeschen->isEnabled());

    // Closing with lessons left asks; "Nein" keeps the window, "Ja" closes it.
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Nein")).Druecke(QStringLiteral("Ja"));
    fenster->parentWidget()->close();
    QCOMPARE(lauf.palette->ManuellFenster(), fenster);
    fenster->parentWidget()->close();
    QCOMPARE(skript.fTitel, (QStringList{"Manuellfenster schließen", "Manuellfenster schließen"}));
    QTRY_COMPARE(lauf.palette->ManuellFenster(), nullptr);
    QCOMPARE(s.fProtokoll, nullptr);
    QCOMPARE(widerrufen->text(), QStringLiteral("&Widerrufen"));
    QVERIFY(!loeschen->isVisible());
    // The general history is back: Ctrl+Z takes back the journal's replay as one step.
    QVERIFY(widerrufen->isEnabled());
    strgZ();
    QCOMPARE(Zellen(kurs), (QStringList{"1/1 R1", "4/1 R1", "5/6 R1"}));
    QVERIFY(skript.fUnerwartet.isEmpty());
  }

  // Opened with Ctrl the plans show no obstacles; the element buttons show the course's plans.
  void WithoutConflictsAndWithTheElementButtons() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("s.orb"))));
    TStandard& st = lauf.palette->standard();
    st.fMaxTageNeu = 5;
    st.fPlnStd = 6;
    st.fManArt = 5;
    TSchule& s = lauf.palette->schule();
    TKlasse* klasse = s.HoleKlasse("5a");
    TKurs* kurs = Kurs(s.HoleLehrer("MUE"), klasse, 2, s.HoleRaum("R1"), s.HoleFach("M"));
    TLehrer* sch = s.HoleLehrer("SCH");
    sch->fSperrung.SetWocheTagStd(1, 2, true, 2);
    NeueSetzung(*kurs, 1, 1, nullptr, 1);
    auto* plan =
        qobject_cast<TPlnForm*>(lauf.palette->ElementFensterOeffnen(klasse, PFenster)->widget());
    plan->Raster()->setCurrentCell(0, 0);
    lauf.palette->ManuellRechnung(true);
    TManuellFenster* fenster = lauf.palette->ManuellFenster();
    QVERIFY(fenster != nullptr);
    QCOMPARE(fenster->Plaene().size(), std::size_t{4});
    QCOMPARE(fenster->Form().Zelle(0, 1, 2).fSchwere, -1);

    fenster->fMenuZeigen = [](TMenu& menu, QWidget*) { QVERIFY(WaehleEintrag(menu, "SCH")); };
    fenster->Form().PlanAktivieren(3);
    QTest::mouseClick(fenster->Knopf(QStringLiteral("Lehrer")), Qt::LeftButton,
                      Qt::ControlModifier);
    QCOMPARE(fenster->Form().Plan(3), sch);
    QCOMPARE(fenster->Form().Zelle(3, 2, 2).fTexte, std::vector<std::string>{"*sperrung*"});
    // Closing the document closes the window without a question.
    s.SetDirty(false);
    QVERIFY(lauf.palette->DateiSchliessen());
    QCOMPARE(lauf.palette->ManuellFenster(), nullptr);
    QCOMPARE(lauf.palette->Aktion({"Bearbeiten", "Widerrufen"})->text(),
             QStringLiteral("&Widerrufen"));
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::ManuellFensterTest)
#include "manuell_test.moc"
