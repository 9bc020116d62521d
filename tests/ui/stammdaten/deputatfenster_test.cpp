#include "ui/stammdaten/deputatfenster.h"
#include "ui/hauptfenster/fensterregister.h"

#include <QHeaderView>
#include <QTableView>
#include <QTest>

#include "dokument.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/zwischenablage.h"
#include "oberflaeche.h"
#include "placement/setzen.h"
#include "ui/bausteine/qtdialoge.h"
#include "ui/stammdaten/deputatmodell.h"

namespace orbato {
namespace {

using enum TDepSpalte;

QStringList Spalte(const TDepForm& form, TDepSpalte spalte) {
  QStringList texte;
  for (int z = 0; z < form.Zeilen(); ++z) texte << form.Text(z, spalte);
  return texte;
}

}  // namespace

class DeputatFensterTest : public QObject, protected TEingesetztesDokument {
  Q_OBJECT

 private slots:
  void init() {
    Anlegen(fDialoge);
    fMei = fSchule->HoleLehrer("MEI");
    fAbc = fSchule->HoleLehrer("ABC");
    f5a = fSchule->HoleKlasse("5a");
    f5b = fSchule->HoleKlasse("5b");
    fR1 = fSchule->HoleRaum("R1");
    fR2 = fSchule->HoleRaum("R2");
    fDeutsch = Kurs(fMei, f5a, 4, fR1, "D");
    fEnglisch = Kurs(fMei, f5b, 3, nullptr, "E");
  }
  void cleanup() { Abbauen(); }

  // One row per course of the element; the title carries the workload against the target, and a
  // course without hours shows only while the setting asks for it.
  void ListsTheCoursesOfTheElement() {
    TKurs* leer = Kurs(fMei, f5a, 0, nullptr, "Ku");
    std::unique_ptr<TDepForm> form(DepFensterOeffnen(*fSchule, *fStandard, fMei));
    QCOMPARE(form->FensterArt(), 16);
    QCOMPARE(DepFensterOeffnen(*fSchule, *fStandard, fMei), form.get());
    QCOMPARE(form->windowTitle(), QStringLiteral("Deputat MEI [ 7.0/24.0]"));
    // In the course order: by class first.
    QCOMPARE(Spalte(*form, Fach),
             (QStringList{QStringLiteral("D"), QStringLiteral("Ku"), QStringLiteral("E")}));
    QCOMPARE(Spalte(*form, Wert),
             (QStringList{QStringLiteral(" 4.0"), QStringLiteral(" 0.0"), QStringLiteral(" 3.0")}));
    QCOMPARE(form->Modell().columnCount(), 7);
    // Open hours are red; several classes are bold.
    const QModelIndex std = form->Modell().index(0, 1);
    QCOMPARE(std.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
    fDeutsch->KlasseErgaenzen(f5b);
    form->FensterUpdate();
    QVERIFY(form->Modell().index(0, 4).data(Qt::FontRole).value<QFont>().bold());

    fStandard->fMitNullStd = false;
    fStandard->fMitZusatzInfo = true;
    form->FensterRefresh();
    QCOMPARE(form->Zeilen(), 2);
    QCOMPARE(form->Modell().columnCount(), 14);
    QCOMPARE(leer->fStunden.GetWochenStunde(1), 0);
    // The element's destruction closes its window.
    form->show();
    fSchule->LehrerLoeschen(fMei);
    QVERIFY(!form->isVisible());
    QCOMPARE(form->Element(), nullptr);
  }

  // A click on the "Std" header sorts by the text: "10" before "9".
  void SortsByTheTextOfAColumn() {
    fEnglisch->SetzeStunden(10);
    Kurs(fAbc, f5a, 9, nullptr, "M");
    std::unique_ptr<TDepForm> alle(AlleKurseOeffnen(*fSchule, *fStandard));
    QCOMPARE(alle->FensterArt(), 21);
    QCOMPARE(alle->windowTitle(), QStringLiteral("alle Kurse"));
    QCOMPARE(FensterRegister().Offen(TFensterTyp::AlleKurse), alle.get());
    alle->resize(600, 300);
    alle->show();
    QVERIFY(QTest::qWaitForWindowExposed(alle.get()));
    QHeaderView* kopf = alle->Tabelle()->horizontalHeader();
    QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {},
                      QPoint(kopf->sectionViewportPosition(1) + 5, kopf->height() / 2));
    QCOMPARE(Spalte(*alle, Std),
             (QStringList{QStringLiteral("10"), QStringLiteral("4"), QStringLiteral("9")}));
    // The sort stays when the rows are recomputed.
    alle->FensterRefresh();
    QCOMPARE(Spalte(*alle, Std).first(), QStringLiteral("10"));
  }

  // Copying courses from a teacher's window and pasting them into "alle Kurse" makes new courses;
  // pasting anywhere else says where courses go.
  void CopiesCoursesFromOneWindowIntoAllCourses() {
    fDeutsch->KlasseErgaenzen(f5b);
    std::unique_ptr<TDepForm> mei(DepFensterOeffnen(*fSchule, *fStandard, fMei));
    std::unique_ptr<TDepForm> alle(AlleKurseOeffnen(*fSchule, *fStandard));
    TSpeicherZwischenablage ablage;
    mei->Auswaehlen({0, 1});
    mei->Kopieren(false, false, ablage);
    QCOMPARE(QString::fromStdString(ablage.HoleText()),
             QStringLiteral("1\t4\tMEI\tD\t5a\t\tR1\t\t1\t3\t1\tFALSE\tFALSE\tFALSE\t16777215\r\n"
                            "\t\t\t\t5b\t\t\t\t\t\t\t\t\t\t\r\n"
                            "1\t3\tMEI\tE\t5b\t\t\t\t1\t3\t1\tFALSE\tFALSE\tFALSE\t16777215\r\n"));
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok"));
    mei->Einsetzen(ablage);
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Fehler beim Einsetzen")});
    QCOMPARE(fSchule->fKursMenge.ListeZahlElemente(), 2);

    alle->Einsetzen(ablage);
    QCOMPARE(fSchule->fKursMenge.ListeZahlElemente(), 4);
    QCOMPARE(alle->Zeilen(), 4);
    QCOMPARE(mei->Zeilen(), 4);
    QCOMPARE(mei->windowTitle(), QStringLiteral("Deputat MEI [14.0/24.0]"));
    const TKurs* kopie = fMei->fKurse.ListeNrInhalt(2);
    QVERIFY(kopie != fDeutsch);
    QCOMPARE(kopie->fKlassen.ListeZahlElemente(), 2);

    // Copying nothing beeps.
    mei->Auswaehlen({});
    mei->Kopieren(false, false, ablage);
    QCOMPARE(ablage.Schreibvorgaenge(), 1);
  }

  // Deleting a selection takes the courses without placed hours only.
  void DeletesOnlyUnplacedCourses() {
    NeueSetzung(*fDeutsch, 1, 1, fR1, 1);
    std::unique_ptr<TDepForm> mei(DepFensterOeffnen(*fSchule, *fStandard, fMei));
    mei->AllesAuswaehlen();
    mei->AuswahlLoeschen();
    QCOMPARE(fSchule->fKursMenge.ListeZahlElemente(), 1);
    QCOMPARE(Spalte(*mei, Fach), QStringList{QStringLiteral("D")});
  }

  // Without a mouse: Enter opens the set tool's menu of the current cell; the move tool takes a
  // room cell up with Enter and carries it to the row below with Enter; Escape lets go.
  void TheToolsWorkFromTheKeyboard() {
    std::unique_ptr<TDepForm> mei(DepFensterOeffnen(*fSchule, *fStandard, fMei));
    mei->resize(700, 300);
    mei->show();
    QVERIFY(QTest::qWaitForWindowExposed(mei.get()));
    QTableView* tabelle = mei->findChild<QTableView*>();
    QVERIFY(tabelle);
    const auto spalte = [&](const QString& kopf) {
      for (int c = 0; c < tabelle->model()->columnCount(); ++c) {
        if (tabelle->model()->headerData(c, Qt::Horizontal).toString() == kopf) return c;
      }
      return -1;
    };
    const int std = spalte(QStringLiteral("Std"));
    const int raum = spalte(QStringLiteral("Raum"));
    QVERIFY(std >= 0 && raum >= 0);
    std::vector<std::string> angeboten;
    mei->fMenuZeigen = [&](TMenu& menu) {
      for (const TMenuEintrag& e : menu) angeboten.push_back(e.fText);
    };
    tabelle->setFocus();
    tabelle->setCurrentIndex(tabelle->model()->index(1, std));
    fSchule->SetToolArt(SetzTool);
    QTest::keyClick(tabelle, Qt::Key_Return);
    QCOMPARE(angeboten.size(), std::size_t{21});

    fSchule->SetToolArt(SchiebTool);
    tabelle->setCurrentIndex(tabelle->model()->index(0, raum));
    QTest::keyClick(tabelle, Qt::Key_Return);
    QTest::keyClick(tabelle, Qt::Key_Escape);
    QTest::keyClick(tabelle, Qt::Key_Down);
    QTest::keyClick(tabelle, Qt::Key_Escape);
    QCOMPARE(fEnglisch->fRaeume.ListeZahlElemente(), 0);
    QTest::keyClick(tabelle, Qt::Key_Up);
    QTest::keyClick(tabelle, Qt::Key_Return);
    QTest::keyClick(tabelle, Qt::Key_Down);
    QTest::keyClick(tabelle, Qt::Key_Return);
    QCOMPARE(fEnglisch->fRaeume.ListeZahlElemente(), 1);
    QCOMPARE(fEnglisch->ErsterRaum(), fR1);
  }

  // The tools in a row: the set tool's hour menu, the delete tool's room menu, dragging a room cell
  // onto another course.
  void TheToolsChangeTheCourseOfTheRow() {
    fDeutsch->RaumErgaenzen(fR2, false);
    fEnglisch->RaumErgaenzen(fR2, false);
    std::unique_ptr<TDepForm> mei(DepFensterOeffnen(*fSchule, *fStandard, fMei));
    std::vector<std::string> angeboten;
    mei->fMenuZeigen = [&](TMenu& menu) {
      angeboten.clear();
      for (const TMenuEintrag& e : menu) angeboten.push_back(e.fText);
      if (!menu.empty()) Waehle(menu.back());
    };
    fSchule->SetToolArt(SetzTool);
    mei->Geklickt(1, Std, {});
    QCOMPARE(angeboten.size(), std::size_t{21});
    QCOMPARE(fEnglisch->fStunden.GetWochenStunde(1), 20);
    QCOMPARE(mei->Text(1, Std), QStringLiteral("20"));

    fSchule->SetToolArt(SchiebTool);
    mei->Ziehen(0, Raum, 1);
    QCOMPARE(fEnglisch->fRaeume.ListeZahlElemente(), 2);
    QCOMPARE(fEnglisch->fRaeume.ListeNrInhalt(2), fR1);

    fSchule->SetToolArt(LoeschTool);
    mei->Geklickt(0, Raum, {});
    QCOMPARE(angeboten, (std::vector<std::string>{"R1", "R2"}));
    QCOMPARE(fDeutsch->fRaeume.ListeZahlElemente(), 1);
    QCOMPARE(fDeutsch->ErsterRaum(), fR1);

    // The set tool with Ctrl in "Klasse" adds the classes chosen.
    fSchule->SetToolArt(SetzTool);
    mei->fKlassenWaehlen = [&] { return std::vector<TKlasse*>{f5a, f5b}; };
    mei->Geklickt(0, Klasse, Qt::ControlModifier);
    QCOMPARE(fDeutsch->fKlassen.ListeZahlElemente(), 2);
  }

 private:
  TKurs* Kurs(TLehrer* l, TKlasse* k, int32_t stunden, TRaum* r, const char* fach) {
    auto* kurs = new TKurs;
    kurs->IKurs(l, k, stunden, r, fSchule->HoleFach(fach), nullptr);
    return kurs;
  }

  TQtDialoge fDialoge;
  TLehrer* fMei = nullptr;
  TLehrer* fAbc = nullptr;
  TKlasse* f5a = nullptr;
  TKlasse* f5b = nullptr;
  TRaum* fR1 = nullptr;
  TRaum* fR2 = nullptr;
  TKurs* fDeutsch = nullptr;
  TKurs* fEnglisch = nullptr;
};

}  // namespace orbato

QTEST_MAIN(orbato::DeputatFensterTest)
#include "deputatfenster_test.moc"
