#include "ui/plaene/uebersichtfenster.h"
#include "ui/hauptfenster/fensterregister.h"

#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "dokument.h"
#include "lauf.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/kopplung.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/zwischenablage.h"
#include "oberflaeche.h"
#include "placement/setzen.h"
#include "platform/qttext.h"
#include "ui/bausteine/qtdialoge.h"

namespace orbato {
namespace {

QPoint Mitte(const TUeberForm& f, int spalte, int zeile) {
  return f.Raster()->visualRect(f.Raster()->model()->index(zeile - 1, spalte - 1)).center();
}

// Presses on one cell and lets go over another, with the keys held throughout.
void Ziehe(const TUeberForm& f, int vonSpalte, int vonZeile, int nachSpalte, int nachZeile,
           Qt::KeyboardModifiers tasten = {}) {
  QWidget* flaeche = f.Raster()->viewport();
  QTest::mousePress(flaeche, Qt::LeftButton, tasten, Mitte(f, vonSpalte, vonZeile));
  QTest::mouseMove(flaeche, Mitte(f, nachSpalte, nachZeile));
  QTest::mouseRelease(flaeche, Qt::LeftButton, tasten, Mitte(f, nachSpalte, nachZeile));
}

QString AktiverTitel(const TLauf& lauf) {
  const QMdiSubWindow* f = lauf.palette->Arbeitsflaeche()->activeSubWindow();
  return f ? f->windowTitle() : QString();
}

}  // namespace

class UebersichtFensterTest : public QObject, protected TEingesetztesDokument {
  Q_OBJECT

 private slots:
  void init() {
    Anlegen(fDialoge);
    fStandard->fMaxTageNeu = 5;
    fStandard->fPlnStd = 8;
    fMei = fSchule->HoleLehrer("MEI");
    fAbe = fSchule->HoleLehrer("ABE");
    f5a = fSchule->HoleKlasse("5a");
    fR1 = fSchule->HoleRaum("R1");
    fDeutsch = new TKurs;
    fDeutsch->IKurs(fMei, f5a, 3, fR1, fSchule->HoleFach("D"), nullptr);
    fMathe = new TKurs;
    fMathe->IKurs(fAbe, fSchule->HoleKlasse("6b"), 2, nullptr, fSchule->HoleFach("M"), nullptr);
    NeueSetzung(*fDeutsch, 1, 1, fR1, 1);
  }
  void cleanup() { Abbauen(); }

  // One column per teacher in list order, one row per day and period; row 9 is Tuesday's first
  // period; the cells show what the plan windows show.
  void ShowsEveryTeacherDayByPeriod() {
    std::unique_ptr<TUeberForm> f(UeberFormOeffnen(*fSchule, *fStandard, leh));
    QCOMPARE(f->windowTitle(), QStringLiteral("Übersicht für Lehrer"));
    QCOMPARE(f->FensterArt(), 31);
    QCOMPARE(FensterRegister().Offen(TFensterTyp::LehrerUebersicht), f.get());
    QCOMPARE(UeberFormOeffnen(*fSchule, *fStandard, leh), f.get());
    QCOMPARE(f->Zeilen(), 40);
    QCOMPARE(f->Raster()->model()->rowCount(), 40);
    QCOMPARE(f->Spalten(), 2);
    QCOMPARE(f->Tag(9), 2);
    QCOMPARE(f->Stunde(9), 1);
    QCOMPARE(f->Zeile(2, 1), 9);
    QCOMPARE(f->Tag(40), 5);
    QCOMPARE(f->Stunde(40), 8);
    QCOMPARE(f->ZeilenKopf(9), QStringLiteral("Di  1"));
    QCOMPARE(f->Raster()->model()->headerData(8, Qt::Vertical).toString(), QStringLiteral("Di  1"));
    QCOMPARE(f->Raster()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("ABE"));
    QCOMPARE(f->ZellText(1, 1), QStringLiteral("5a D R1"));
    QCOMPARE(f->ZellMarke(1, 1), 'N');
    QCOMPARE(f->ZellText(2, 1), QString());

    // A lesson placed through the engine and a blocking show after the command.
    NeueSetzung(*fMathe, 1, 2, nullptr, 4)->SetFixiert(true);
    fAbe->fSperrung.SetWocheTagStd(1, 5, true, 8);
    fSchule->BelegungGeaendert();
    QCOMPARE(f->ZellText(2, 12), QString());
    QTest::qWait(0);
    QCOMPARE(f->ZellText(2, 12), QStringLiteral("6b M "));
    QCOMPARE(f->ZellMarke(2, 12), 'F');
    QVERIFY(f->Raster()->model()->index(11, 1).data(Qt::FontRole).value<QFont>().underline());
    QCOMPARE(f->ZellText(2, 40), QStringLiteral("*sperrung*"));
    QCOMPARE(f->Raster()->model()->index(39, 1).data(Qt::BackgroundRole).value<QColor>(),
             QColor(Qt::lightGray));
    QCOMPARE(f->Abgleichen(), 0);

    // The room overview names the teacher first.
    std::unique_ptr<TUeberForm> raeume(UeberFormOeffnen(*fSchule, *fStandard, rau));
    QCOMPARE(raeume->windowTitle(), QStringLiteral("Übersicht für Räume"));
    QCOMPARE(raeume->FensterArt(), 33);
    QCOMPARE(raeume->ZellText(1, 1), QStringLiteral("MEI 5a D"));
  }

  // Coupled courses show their coupling, bold, until the corner switch reads "x".
  void TheSwitchShowsTheClassInsteadOfTheCoupling() {
    fDeutsch->KopplungErgaenzen(fSchule->HoleKopplung("RE5"));
    std::unique_ptr<TUeberForm> f(UeberFormOeffnen(*fSchule, *fStandard, leh));
    QCOMPARE(f->ZellText(1, 1), QStringLiteral("RE5 D R1"));
    QVERIFY(f->Raster()->model()->index(0, 0).data(Qt::FontRole).value<QFont>().bold());
    f->Schalter()->click();
    QCOMPARE(f->Schalter()->text(), QStringLiteral("x"));
    QCOMPARE(f->ZellText(1, 1), QStringLiteral("5a D R1"));
  }

  // Without fNebenEinander the texts stand one above the other, three lines with the room; the
  // clipboard has them side by side.
  void StacksTheTextsOfACell() {
    fStandard->fNebenEinander = false;
    fStandard->fPlnStd = 1;
    fStandard->fMaxTageNeu = 1;
    std::unique_ptr<TUeberForm> f(UeberFormOeffnen(*fSchule, *fStandard, kla));
    QCOMPARE(f->ZellText(1, 1), QStringLiteral("MEI\nD\nR1"));
    QCOMPARE(f->Raster()->verticalHeader()->defaultSectionSize(), 3 * fStandard->fPlnHoehe);
    QCOMPARE(f->UebersichtText(), QStringLiteral("\t5a\t6b\nMo  1\tMEI D R1\t\n"));
  }

  // A deleted teacher's column goes; the other columns stay as they were.
  void DropsTheColumnOfADeletedTeacher() {
    NeueSetzung(*fMathe, 1, 1, nullptr, 2);
    std::unique_ptr<TUeberForm> f(UeberFormOeffnen(*fSchule, *fStandard, leh));
    f->show();
    fSchule->LehrerLoeschen(fMei);
    QCOMPARE(f->Element(1), nullptr);
    QCOMPARE(f->ZellText(1, 1), QString());
    QTest::qWait(0);
    QCOMPARE(f->Spalten(), 1);
    QCOMPARE(f->Raster()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("ABE"));
    QCOMPARE(f->ZellText(1, 2), QStringLiteral("6b M "));
    fSchule->KursEntfernen(fMathe);
    QCOMPARE(f->ZellText(1, 2), QString());
  }

  // Monday 1 to Monday 3 moves the teacher's course though the drop lands in another teacher's
  // column; a drop on its own cell does nothing.
  void DragsWithinTheCoursesOwnPlan() {
    std::unique_ptr<TUeberForm> f(UeberFormOeffnen(*fSchule, *fStandard, leh));
    f->resize(500, 500);
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    fSchule->SetToolArt(SchiebTool);
    Ziehe(*f, 1, 1, 2, 3);
    QVERIFY(fDeutsch->SetzungFinden(1, 1, 1) == nullptr);
    QVERIFY(fDeutsch->SetzungFinden(1, 1, 3) != nullptr);
    QCOMPARE(fDeutsch->SetzungFinden(1, 1, 3)->fRaum, fR1);
    QCOMPARE(fMathe->fSetzungen.ListeZahlElemente(), 0);
    QCOMPARE(f->ZellText(1, 3), QStringLiteral("5a D R1"));
    QCOMPARE(f->ZellText(1, 1), QString());
    QCOMPARE(f->ZellText(2, 3), QString());
    QCOMPARE(fSchule->fVerlauf.ZahlSchritte(), std::size_t{1});

    Ziehe(*f, 1, 3, 1, 3);
    QCOMPARE(fDeutsch->fSetzungen.ListeZahlElemente(), 1);
    QCOMPARE(fSchule->fVerlauf.ZahlSchritte(), std::size_t{1});

    // Pressing marks the course's cells in its column only.
    NeueSetzung(*fDeutsch, 1, 2, nullptr, 1);
    QVERIFY(f->Aufnehmen(1, 9));
    QCOMPARE(f->ZellMarke(1, 3), 'R');
    QCOMPARE(f->ZellMarke(1, 9), 'R');
    QCOMPARE(f->ZellMarke(2, 3), ' ');
    QCOMPARE(f->ZeilenMarke(9), 'R');
    f->Ablegen(2, 9, false, false);
    QCOMPARE(f->ZellMarke(1, 9), 'N');
  }

  // Without a mouse: the move tool picks the lesson up with Enter and puts it down two rows
  // further with Enter; Escape lets go; the set tool's menu key offers the column's courses.
  void MovesAndPlacesFromTheKeyboard() {
    std::unique_ptr<TUeberForm> f(UeberFormOeffnen(*fSchule, *fStandard, leh));
    f->resize(500, 500);
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    QTableView* raster = f->Raster();
    raster->setFocus();
    raster->setCurrentIndex(raster->model()->index(0, 0));
    fSchule->SetToolArt(SchiebTool);
    QTest::keyClick(raster, Qt::Key_Return);
    QCOMPARE(f->ZellMarke(1, 1), 'R');
    QTest::keyClick(raster, Qt::Key_Escape);
    QCOMPARE(f->ZellMarke(1, 1), 'N');
    QTest::keyClick(raster, Qt::Key_Return);
    QTest::keyClick(raster, Qt::Key_Down);
    QTest::keyClick(raster, Qt::Key_Down);
    QTest::keyClick(raster, Qt::Key_Return);
    QVERIFY(fDeutsch->SetzungFinden(1, 1, 1) == nullptr);
    QVERIFY(fDeutsch->SetzungFinden(1, 1, 3) != nullptr);
    QCOMPARE(f->ZellText(1, 3), QStringLiteral("5a D R1"));
    QCOMPARE(fSchule->fVerlauf.ZahlSchritte(), std::size_t{1});

    fSchule->SetToolArt(SetzTool);
    QStringList angeboten;
    f->fMenuZeigen = [&](TMenu& menu) {
      for (const TMenuEintrag& e : menu) angeboten << QString::fromStdString(e.fText);
    };
    QTest::keyClick(raster, Qt::Key_Right);
    QTest::keyClick(raster, Qt::Key_Menu);
    QCOMPARE(angeboten, QStringList{QStringLiteral("[2] ABE M 6b")});
  }

  // Shift-drop on another row asks "Stundentausch" with the row headers and exchanges both
  // periods for the whole school.
  void SwapsTwoPeriodsByAShiftDrop() {
    NeueSetzung(*fMathe, 1, 3, nullptr, 2);
    std::unique_ptr<TUeberForm> f(UeberFormOeffnen(*fSchule, *fStandard, leh));
    f->resize(600, 1000);
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    fSchule->SetToolArt(SchiebTool);
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok"));
    Ziehe(*f, 1, 1, 2, f->Zeile(3, 2), Qt::ShiftModifier);
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Stundentausch")});
    QCOMPARE(skript.fTexte,
             QStringList{QStringLiteral("Tausche\nMo  1\nmit\nMi  2\nfür die ganze Schule.")});
    QVERIFY(fDeutsch->SetzungFinden(1, 3, 2) != nullptr);
    QVERIFY(fMathe->SetzungFinden(1, 1, 1) != nullptr);
    QCOMPARE(f->ZellText(1, 18), QStringLiteral("5a D R1"));
    QCOMPARE(f->ZellText(2, 1), QStringLiteral("6b M "));
    QCOMPARE(f->ZellText(1, 1), QString());
  }

  // Placing from the column's menu, fixing, deleting, and the preview of the move tool.
  void TheToolsActOnTheColumnsElement() {
    std::unique_ptr<TUeberForm> f(UeberFormOeffnen(*fSchule, *fStandard, leh));
    fSchule->SetToolArt(SetzTool);
    QStringList angeboten;
    f->fMenuZeigen = [&](TMenu& menu) {
      for (const TMenuEintrag& e : menu) angeboten << QString::fromStdString(e.fText);
      QVERIFY(WaehleEintrag(menu, "ohne Raum"));
    };
    f->Geklickt(2, 10);
    QCOMPARE(angeboten, QStringList{QStringLiteral("[2] ABE M 6b")});
    QVERIFY(fMathe->SetzungFinden(1, 2, 2) != nullptr);
    QCOMPARE(f->ZellText(2, 10), QStringLiteral("6b M "));

    fSchule->SetToolArt(FixTool);
    f->Doppelgeklickt(2, 10, Qt::NoModifier);
    QVERIFY(fMathe->SetzungFinden(1, 2, 2)->fFixiert);
    QCOMPARE(f->ZellMarke(2, 10), 'F');

    fSchule->SetToolArt(LoeschTool);
    f->Doppelgeklickt(1, 1, Qt::AltModifier);
    QVERIFY(fDeutsch->SetzungFinden(1, 1, 1)->fRaum == nullptr);
    QCOMPARE(f->ZellText(1, 1), QStringLiteral("5a D "));
    f->Doppelgeklickt(1, 1, Qt::NoModifier);
    QCOMPARE(fDeutsch->fSetzungen.ListeZahlElemente(), 0);
    QCOMPARE(f->ZellText(1, 1), QString());

    // ABE is blocked on Monday 2 and busy on Tuesday 2: the rest of the week is free.
    fAbe->fSperrung.SetWocheTagStd(1, 1, true, 2);
    f->FensterUpdate();
    f->Vorschau(2, 10, false);
    QString marken;
    for (int z = 1; z <= 16; ++z) marken += QLatin1Char(f->ZellMarke(2, z));
    QCOMPARE(marken, QStringLiteral("R RRRRRRRFRRRRRR"));
  }

  // Copy gives the short names, then one line per row with its header.
  void CopiesTheOverviewAsText() {
    fStandard->fPlnStd = 2;
    fStandard->fMaxTageNeu = 2;
    fAbe->fSperrung.SetWocheTagStd(1, 2, true, 2);
    std::unique_ptr<TUeberForm> f(UeberFormOeffnen(*fSchule, *fStandard, leh));
    QCOMPARE(f->UebersichtText(), QStringLiteral("\tMEI\tABE\n"
                                                 "Mo  1\t5a D R1\t\n"
                                                 "Mo  2\t\t\n"
                                                 "Di  1\t\t\n"
                                                 "Di  2\t\t*sperrung*\n"));
  }

  // The menu entries open the overviews once each; "Kopieren" copies the active one; the
  // overview comes back with the plan file.
  void OpensFromTheMenuAndComesBackWithThePlanFile() {
    Abbauen();
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("u.orb"))));
    TSchule& s = lauf.palette->schule();
    lauf.Waehle({"Übersichten", "Klassenübersicht"});
    auto* klassen =
        dynamic_cast<TUeberForm*>(FensterRegister().Offen(TFensterTyp::KlassenUebersicht));
    QVERIFY(klassen);
    QCOMPARE(klassen->FensterArt(), 32);
    QCOMPARE(AktiverTitel(lauf), QStringLiteral("Übersicht für Klassen"));
    QCOMPARE(klassen->Spalten(), s.fKlassenMenge.ListeZahlElemente());
    lauf.Waehle({"Übersichten", "Lehrerübersicht"});
    QCOMPARE(AktiverTitel(lauf), QStringLiteral("Übersicht für Lehrer"));
    QVERIFY(lauf.An({"Bearbeiten", "Kopieren"}));
    QVERIFY(lauf.An({"Werkzeuge", "Fixieren"}));
    TSpeicherZwischenablage ablage;
    lauf.palette->fAblage = &ablage;
    lauf.Waehle({"Bearbeiten", "Kopieren"});
    auto* lehrer =
        dynamic_cast<TUeberForm*>(FensterRegister().Offen(TFensterTyp::LehrerUebersicht));
    QVERIFY(lehrer);
    QCOMPARE(QtText(ablage.HoleText()), lehrer->UebersichtText());
    lauf.Waehle({"Übersichten", "Klassenübersicht"});
    QCOMPARE(dynamic_cast<TUeberForm*>(FensterRegister().Offen(TFensterTyp::KlassenUebersicht)),
             klassen);
    const auto uebersichten = [&lauf] {
      QStringList titel;
      for (const QMdiSubWindow* f : lauf.palette->Arbeitsflaeche()->subWindowList()) {
        if (f->windowTitle().startsWith(QStringLiteral("Übersicht"))) titel << f->windowTitle();
      }
      titel.sort();
      return titel;
    };
    const QStringList beide{QStringLiteral("Übersicht für Klassen"),
                            QStringLiteral("Übersicht für Lehrer")};
    QCOMPARE(uebersichten(), beide);

    QVERIFY(lauf.palette->Sichern());
    QVERIFY(lauf.palette->DateiSchliessen());
    QCOMPARE(lauf.palette->fensterRegister().Offen(TFensterTyp::LehrerUebersicht), nullptr);
    QVERIFY(lauf.palette->Oeffnen(lauf.Pfad(QStringLiteral("u.orb"))));
    QVERIFY(dynamic_cast<TUeberForm*>(FensterRegister().Offen(TFensterTyp::LehrerUebersicht)));
    QVERIFY(dynamic_cast<TUeberForm*>(FensterRegister().Offen(TFensterTyp::KlassenUebersicht)));
    QCOMPARE(FensterRegister().Offen(TFensterTyp::RaumUebersicht), nullptr);
    QCOMPARE(uebersichten(), beide);
    lauf.palette->fAblage = nullptr;
  }

 private:
  TQtDialoge fDialoge;
  TLehrer* fMei = nullptr;
  TLehrer* fAbe = nullptr;
  TKlasse* f5a = nullptr;
  TRaum* fR1 = nullptr;
  TKurs* fDeutsch = nullptr;
  TKurs* fMathe = nullptr;
};

}  // namespace orbato

QTEST_MAIN(orbato::UebersichtFensterTest)
#include "uebersichtfenster_test.moc"
