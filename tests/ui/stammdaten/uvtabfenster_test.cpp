#include "ui/stammdaten/uvtabfenster.h"
#include "ui/hauptfenster/fensterregister.h"

#include <QItemSelectionModel>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "dokument.h"
#include "model/dokument/schule.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"
#include "model/uv/uvmatrix.h"
#include "model/uv/uvtab.h"
#include "ui/bausteine/qtdialoge.h"
#include "ui/stammdaten/kursfenster.h"

namespace orbato {

class UVTabFensterTest : public QObject, protected TEingesetztesDokument {
  Q_OBJECT

 private slots:
  void init() {
    Anlegen(fDialoge);
    fTab = new TUVTab;
    fTab->SetKuerzel("UV1");
    fSchule->fUVTabMenge.ListeAnhaengen(fTab);
    fMei = fSchule->HoleLehrer("MEI");
    f5a = fSchule->HoleKlasse("5a");
    f5b = fSchule->HoleKlasse("5b");
    fD = fSchule->HoleFach("D");
    fM = fSchule->HoleFach("M");
    f5a->SetReihe(1);
    f5b->SetReihe(2);
    fD->SetReihe(1);
    fM->SetReihe(2);
    fTab->SetIstFach(true);
    fTab->NeueKlasse(f5a);
    fTab->NeueKlasse(f5b);
    fTab->NeuesFach(fD);
    fTab->NeuesFach(fM);
  }
  void cleanup() {
    delete dynamic_cast<TKursForm*>(FensterRegister().Offen(TFensterTyp::Kurs));
    Abbauen();
  }

  // Two courses of 5a in German stand in two rows, a course of 5a and 5b in italics in 5b's
  // block; a double-click on an empty cell makes a course there and opens it; the switch shows
  // the coupling or the teacher.
  void ShowsAndMakesCourses() {
    Kurs(fMei, f5a, 3, fD);
    Kurs(nullptr, f5a, 2, fD);
    TKurs* beide = Kurs(fMei, f5a, 4, fM);
    beide->KlasseErgaenzen(f5b);
    std::unique_ptr<TUVTabForm> form(UVTabFensterOeffnen(*fSchule, *fStandard, fTab));
    QCOMPARE(form->windowTitle(), QStringLiteral("UV-Tabelle UV1"));
    QCOMPARE(form->FensterArt(), 12);
    QCOMPARE(form->Raster()->rowCount(), 4);
    QCOMPARE(form->Raster()->columnCount(), 3);
    QCOMPARE(form->ZellText(0, 0), QStringLiteral("UV"));
    QCOMPARE(form->ZellText(0, 1), QStringLiteral("D"));
    QCOMPARE(form->ZellText(1, 1), QString::fromUtf8(" 3.0 ¦ MEI"));
    QCOMPARE(form->ZellText(2, 1), QStringLiteral(" 2.0"));
    QVERIFY(form->Raster()->item(2, 1)->foreground().color() == QColor(Qt::red));
    QCOMPARE(form->ZellText(1, 2), QString::fromUtf8(" 4.0 ¦ MEI"));
    QVERIFY(!form->Raster()->item(1, 2)->font().italic());
    QVERIFY(form->Raster()->item(3, 2)->font().italic());

    fSchule->SetToolArt(ZeigTool);
    const int vorher = fSchule->fKursMenge.ListeZahlElemente();
    form->Doppelgeklickt(3, 1, {});
    QCOMPARE(fSchule->fKursMenge.ListeZahlElemente(), vorher + 1);
    auto* kursFenster = dynamic_cast<TKursForm*>(FensterRegister().Offen(TFensterTyp::Kurs));
    QVERIFY(kursFenster);
    QCOMPARE(kursFenster->Kurs()->ErsteKlasse(), f5b);
    QCOMPARE(kursFenster->Kurs()->fFach, fD);
    QVERIFY(!form->ZellText(3, 1).isEmpty());
    QCOMPARE(form->Matrix().Zelle(3, 1).fKurs, kursFenster->Kurs());
    // Ctrl on 5a's header adds an empty line to its block; it outlives the redraw that follows
    // a course made in it.
    form->Doppelgeklickt(1, 0, Qt::ControlModifier);
    QCOMPARE(form->Raster()->rowCount(), 5);
    form->Doppelgeklickt(3, 2, {});
    fSchule->FensterAktualisieren();
    QCOMPARE(form->Raster()->rowCount(), 5);
    QCOMPARE(form->Matrix().Zelle(3, 2).fKurs, kursFenster->Kurs());
    QCOMPARE(kursFenster->Kurs()->fFach, fM);

    // Destroying a course empties its cells.
    fSchule->KursEntfernen(beide);
    QCOMPARE(form->ZellText(1, 2), QString());
    // Copied, hours and short names stand in columns of their own.
    QVERIFY(form->Text().rfind("\t\tD\t\tM\r\n", 0) == 0);
  }

  // The scheduler takes the courses of the selected cells, row by row, each once; headers and
  // empty cells give none.
  void TheSelectedCellsGiveTheirCoursesEachOnce() {
    TKurs* deutsch = Kurs(fMei, f5a, 3, fD);
    TKurs* beide = Kurs(fMei, f5a, 4, fM);
    beide->KlasseErgaenzen(f5b);
    std::unique_ptr<TUVTabForm> form(UVTabFensterOeffnen(*fSchule, *fStandard, fTab));
    QCOMPARE(form->Matrix().Zelle(2, 2).fKurs, beide);
    QItemSelectionModel* auswahl = form->Raster()->selectionModel();
    for (auto [zeile, spalte] : {std::pair{2, 2}, {2, 1}, {1, 2}, {0, 1}, {1, 1}})
      auswahl->select(form->Raster()->model()->index(zeile, spalte), QItemSelectionModel::Select);
    QCOMPARE(form->AusgewaehlteKurse(), (std::vector<TKurs*>{deutsch, beide}));
  }

 private:
  TKurs* Kurs(TLehrer* l, TKlasse* k, int32_t stunden, TFach* f) {
    auto* kurs = new TKurs;
    kurs->IKurs(l, k, stunden, nullptr, f, nullptr);
    return kurs;
  }

  TQtDialoge fDialoge;
  TUVTab* fTab = nullptr;
  TLehrer* fMei = nullptr;
  TKlasse* f5a = nullptr;
  TKlasse* f5b = nullptr;
  TFach* fD = nullptr;
  TFach* fM = nullptr;
};

}  // namespace orbato

QTEST_MAIN(orbato::UVTabFensterTest)
#include "uvtabfenster_test.moc"
