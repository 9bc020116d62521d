#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <memory>

#include "dokument.h"
#include "lauf.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "oberflaeche.h"
#include "placement/setzen.h"
#include "scheduler/automatik.h"
#include "scheduler/bewertungstabelle.h"
#include "ui/hauptfenster/fensterregister.h"
#include "ui/plaene/automatikfenster.h"
#include "ui/plaene/automatikstartdialog.h"
#include "ui/stammdaten/deputatfenster.h"
#include "ui/stammdaten/deputatmodell.h"
#include "ui/voreinstellungen/automatikvoreinstellung.h"
#include "ui/voreinstellungen/bewertungsraster.h"

namespace orbato {
namespace {

// What the scheduler window shows: "noch zu setzen", "nicht verplanbar", the bar, and which of
// "Start", "Abbrechen", "Ok", "Nachbessern", "nicht verplanbare Stunden zeigen" are enabled.
QString Stand(const TAutomatForm& form) {
  QString knoepfe;
  for (const char* text :
       {"Start", "Abbrechen", "Ok", "Nachbessern", "nicht verplanbare Stunden zeigen"}) {
    knoepfe += KnopfMit(const_cast<TAutomatForm*>(&form), QString::fromUtf8(text))->isEnabled()
                   ? QLatin1Char('1')
                   : QLatin1Char('0');
  }
  return QStringLiteral("%1 %2 %3/%4 %5")
      .arg(form.RestFeld()->text(), form.NvpFeld()->text())
      .arg(form.Balken()->value())
      .arg(form.Balken()->maximum())
      .arg(knoepfe);
}

QStringList Texte(const QWidget& fenster) {
  QStringList texte;
  for (const QLabel* l : fenster.findChildren<QLabel*>()) texte << l->text();
  for (const QCheckBox* c : fenster.findChildren<QCheckBox*>()) texte << c->text();
  return texte;
}

}  // namespace

class AutomatikFensterTest : public QObject, protected TEingesetztesDokument {
  Q_OBJECT

 private slots:
  // A week of five days and six periods, the built-in rating tables; the courses take table 2,
  // day by day and period by period.
  void init() {
    Anlegen(fDialoge);
    fStandard->fMaxTageNeu = 5;
    fStandard->fPlnStd = 6;
    fStandard->fAuTab = TStandard::EingebauteTabellen();
    fMei = fSchule->HoleLehrer("MEI");
    fAbc = fSchule->HoleLehrer("ABC");
    f5a = fSchule->HoleKlasse("5a");
    f5b = fSchule->HoleKlasse("5b");
  }
  void cleanup() {
    delete dynamic_cast<TDepForm*>(FensterRegister().Offen(TFensterTyp::AlleKurse));
    Abbauen();
  }

  void TheStartDialogIsFilledFromTheSettingsAndStoresOnOkOnly() {
    fStandard->fAuStd = 7;
    fStandard->fAuProzent = 60;
    fStandard->fAuRaumUnwichtig = false;
    {
      TAutoStartForm dialog(fDialoge, *fStandard);
      QCOMPARE(dialog.windowTitle(), QStringLiteral("Automatisches Rechnen"));
      QCOMPARE(
          Texte(dialog),
          (QStringList{QStringLiteral("Wieviele Stunden rechnen,  bevor die\n"
                                      "Reihenfolge neu ermittelt wird?"),
                       QStringLiteral("Wieviel Prozent der Stunden rechnen?"),
                       QStringLiteral("Falls nicht anders möglich,\nsetze Stunden auch, wenn:"),
                       QStringLiteral("die Zahl der Einfach- bzw. Mehrfach-\n"
                                      "stunden dann nicht stimmt."),
                       QStringLiteral("kein passender Raum gefunden wird."),
                       QStringLiteral("freie Tage nicht immer eingehalten\nwerden.")}));
      auto* std = dialog.findChild<QSpinBox*>(QStringLiteral("auStd"));
      auto* prozent = dialog.findChild<QSpinBox*>(QStringLiteral("auProzent"));
      QCOMPARE(std->value(), 7);
      QCOMPARE(std->minimum(), 1);
      QCOMPARE(std->maximum(), 5000);
      QCOMPARE(prozent->value(), 60);
      QCOMPARE(prozent->minimum(), 5);
      QCOMPARE(prozent->maximum(), 100);
      QVERIFY(!dialog.findChild<QCheckBox*>(QStringLiteral("auRaumUnwichtig"))->isChecked());
      std->setValue(12);
      dialog.findChild<QCheckBox*>(QStringLiteral("auFreiUnwichtig"))->setChecked(false);
      dialog.show();
      QTest::keyClick(&dialog, Qt::Key_Escape);
      QCOMPARE(dialog.result(), int(QDialog::Rejected));
      QCOMPARE(fStandard->fAuStd, 7);
      QVERIFY(fStandard->fAuFreiUnwichtig);
    }
    TAutoStartForm dialog(fDialoge, *fStandard);
    dialog.findChild<QSpinBox*>(QStringLiteral("auStd"))->setValue(12);
    dialog.findChild<QSpinBox*>(QStringLiteral("auProzent"))->setValue(3);
    dialog.findChild<QCheckBox*>(QStringLiteral("auEinzelUnwichtig"))->setChecked(false);
    dialog.findChild<QCheckBox*>(QStringLiteral("auRaumUnwichtig"))->setChecked(true);
    dialog.findChild<QCheckBox*>(QStringLiteral("auFreiUnwichtig"))->setChecked(false);
    KnopfMit(&dialog, QStringLiteral("Ok"))->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(fStandard->fAuStd, 12);
    QCOMPARE(fStandard->fAuProzent, 5);
    QVERIFY(!fStandard->fAuEinzelUnwichtig);
    QVERIFY(fStandard->fAuRaumUnwichtig);
    QVERIFY(!fStandard->fAuFreiUnwichtig);
  }

  // "Start" places every hour it can; the counters, the bar and the buttons follow.
  void ARunPlacesTheHoursAndEndsWithOkEnabled() {
    TKurs* deutsch = Kurs(fMei, f5a, 3);
    TKurs* englisch = Kurs(fAbc, f5a, 2);
    TAutomatForm form(*fSchule, *fStandard, {deutsch, englisch, deutsch});
    form.show();
    QCOMPARE(form.windowTitle(), QStringLiteral("Automatisches Rechnen"));
    QCOMPARE(Stand(form), QStringLiteral("5 0 0/5 11000"));
    KnopfMit(&form, QStringLiteral("Start"))->click();
    QCOMPARE(Stand(form), QStringLiteral("0 0 5/5 00100"));
    QCOMPARE(deutsch->VerplanteStunden(1), 3);
    QCOMPARE(englisch->VerplanteStunden(1), 2);
    QVERIFY(form.isVisible());
    QVERIFY(fSchule->IsDirty());
    QTest::keyClick(&form, Qt::Key_Return);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(!form.isVisible());
  }

  // Hours without a cell are counted as not plannable; their courses can be shown.
  void HoursWithoutACellAreCountedAsNotPlannable() {
    TKurs* deutsch = Kurs(fMei, f5a, 3);
    TKurs* englisch = Kurs(fAbc, f5b, 2);
    NurMontagErste(fMei);
    TAutomatForm form(*fSchule, *fStandard, {deutsch, englisch});
    form.show();
    KnopfMit(&form, QStringLiteral("Start"))->click();
    QCOMPARE(Stand(form), QStringLiteral("0 2 5/5 00111"));
    QCOMPARE(form.Automatik().Rest(), std::vector<TKurs*>{deutsch});
  }

  // "Abbrechen" while the run is under way ends it after the course being placed and closes
  // the window; before "Start" it closes the window at once.
  void AbbrechenStopsTheRunBetweenCoursesAndCloses() {
    {
      TKurs* kurs = Kurs(fMei, f5a, 2);
      TAutomatForm form(*fSchule, *fStandard, {kurs});
      form.show();
      KnopfMit(&form, QStringLiteral("Abbrechen"))->click();
      QVERIFY(!form.isVisible());
      QCOMPARE(form.result(), int(QDialog::Rejected));
      QCOMPARE(kurs->VerplanteStunden(1), 0);
      fSchule->KursEntfernen(kurs);
    }
    TKurs* a = Kurs(fMei, f5a, 4);
    TKurs* b = Kurs(fAbc, f5b, 2);
    TKurs* c = Kurs(fSchule->HoleLehrer("XYZ"), fSchule->HoleKlasse("6a"), 1);
    TAutomatForm form(*fSchule, *fStandard, {a, b, c});
    form.show();
    QAbstractButton* abbrechen = KnopfMit(&form, QStringLiteral("Abbrechen"));
    // Pressed as soon as the window takes input again, that is after the first course.
    QTimer::singleShot(0, abbrechen, [abbrechen] { abbrechen->click(); });
    KnopfMit(&form, QStringLiteral("Start"))->click();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Rejected));
    // The most hours rate highest and go first.
    QCOMPARE(a->VerplanteStunden(1), 4);
    QCOMPARE(b->VerplanteStunden(1), 0);
    QCOMPARE(c->VerplanteStunden(1), 0);
    QCOMPARE(form.Automatik().Kurse().size(), std::size_t{2});
    QCOMPARE(form.RestFeld()->text(), QStringLiteral("3"));
  }

  // The courses left open go to "alle Kurse" with the reason for each; the window closes.
  void TheCoursesLeftOpenAreListedWithTheirReasons() {
    TKurs* deutsch = Kurs(fMei, f5a, 3);
    TKurs* englisch = Kurs(fAbc, f5b, 2);
    NurMontagErste(fMei);
    TDepForm* alle = AlleKurseOeffnen(*fSchule, *fStandard);
    QCOMPARE(alle->Zeilen(), 2);
    TAutomatForm form(*fSchule, *fStandard, {englisch, deutsch});
    form.show();
    KnopfMit(&form, QStringLiteral("Start"))->click();
    KnopfMit(&form, QStringLiteral("nicht verplanbare Stunden zeigen"))->click();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(AlleKurseOeffnen(*fSchule, *fStandard), alle);
    QVERIFY(alle->isVisible());
    QCOMPARE(alle->windowTitle(), QStringLiteral("alle Kurse"));
    QCOMPARE(alle->Zeilen(), 1);
    QCOMPARE(alle->ZeilenKurs(0), deutsch);
    const int grund = alle->Modell().columnCount() - 1;
    QCOMPARE(alle->Modell().headerData(grund, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Grund"));
    QCOMPARE(alle->Modell().index(0, grund).data().toString(),
             QStringLiteral("2 Stunden offen, keine Zelle frei: Lehrer MEI gesperrt Mo–Fr"));
    QCOMPARE(alle->Text(0, TDepSpalte::Std), QStringLiteral("3"));
    // "Grund" stands first, the list has a heading with the hours and the periods they need.
    QCOMPARE(alle->Tabelle()->horizontalHeader()->logicalIndex(0), grund);
    QCOMPARE(alle->Kopf(), QStringLiteral("nicht gesetzt: 2 Stunden, 2 Zeitfenster"));
    // The reason follows the plan: with the teacher free on Tuesday it names the cells left.
    fMei->fSperrung.SetWocheTag(1, 2, 0);
    fSchule->FensterAktualisieren();
    QCOMPARE(alle->Modell().index(0, grund).data().toString(),
             QStringLiteral("2 Stunden offen, 6 Zellen frei: höchstens 1 Stunde am Tag, 1 Tag "
                            "ohne Stunde des Kurses frei, Lehrer MEI gesperrt Mo, Mi–Fr"));
    // A click in the reason is no click in a course column, and the list goes back on demand.
    fSchule->SetToolArt(SetzTool);
    bool menu = false;
    alle->fMenuZeigen = [&](TMenu&) { menu = true; };
    alle->Tabelle()->clicked(alle->Modell().index(0, grund));
    QVERIFY(!menu);
    alle->ListeZeigen();
    QCOMPARE(alle->Zeilen(), 2);
    QCOMPARE(alle->Modell().columnCount(), grund);
    QCOMPARE(alle->Kopf(), QString());
    QCOMPARE(alle->Tabelle()->horizontalHeader()->logicalIndex(0), 0);
  }

  // "Nachbessern" moves a placed hour to make room for one left open; "Abbrechen" stops it with
  // the plan as good as it was, and the window stays.
  void NachbessernPlacesAnHourTheRunLeftOpen() {
    fStandard->fMaxTageNeu = 3;
    fStandard->fPlnStd = 1;
    // Monday and Tuesday are the first cells of the table; the other course may go on Tuesday
    // only, which the more highly rated first course has taken.
    TKurs* x = Kurs(fMei, f5a, 2);
    x->fStdProTag = 2;
    TKurs* y = Kurs(fAbc, f5a, 1);
    fAbc->fSperrung.SetWocheTagStd(1, 1, true, 1);
    fAbc->fSperrung.SetWocheTagStd(1, 3, true, 1);
    TAutomatForm form(*fSchule, *fStandard, {x, y});
    form.show();
    KnopfMit(&form, QStringLiteral("Start"))->click();
    QCOMPARE(Stand(form), QStringLiteral("0 1 3/3 00111"));
    QAbstractButton* abbrechen = KnopfMit(&form, QStringLiteral("Abbrechen"));
    QTimer::singleShot(0, abbrechen, [abbrechen] { abbrechen->click(); });
    KnopfMit(&form, QStringLiteral("Nachbessern"))->click();
    QVERIFY(form.isVisible());
    QCOMPARE(Stand(form), QStringLiteral("0 1 3/3 00111"));
    QCOMPARE(y->VerplanteStunden(1), 0);

    KnopfMit(&form, QStringLiteral("Nachbessern"))->click();
    QCOMPARE(Stand(form), QStringLiteral("0 0 3/3 00100"));
    QCOMPARE(x->VerplanteStunden(1), 2);
    QCOMPARE(y->VerplanteStunden(1), 1);
    QVERIFY(y->fBesetzung.GetWocheTagStd(1, 2, 1));
    QVERIFY(form.Automatik().Rest().empty());
  }

 private:
  TKurs* Kurs(TLehrer* l, TKlasse* k, int32_t stunden) {
    auto* kurs = new TKurs;
    kurs->IKurs(l, k, stunden, nullptr, nullptr, nullptr);
    kurs->fStdProTag = 1;
    kurs->fEinzelStd = 0;
    kurs->fTabellenNr = 2;
    return kurs;
  }
  // The teacher can teach on Monday in the first period only.
  static void NurMontagErste(TLehrer* lehrer) {
    for (int32_t tag = 1; tag <= 5; ++tag) lehrer->fSperrung.SetWocheTag(1, tag, 0b111111);
    lehrer->fSperrung.SetWocheTagStd(1, 1, false, 1);
  }

  TSkriptDialoge fDialoge;
  TLehrer* fMei = nullptr;
  TLehrer* fAbc = nullptr;
  TKlasse* f5a = nullptr;
  TKlasse* f5b = nullptr;
};

class AutomatikTabellenTest : public QObject {
  Q_OBJECT

 private slots:
  // The margin's upper part links the cell with the one above, its lower part with the one
  // below; a drag exchanges the ranks; the other tables are kept while one is edited.
  void LinksToggleInTheMarginAndADragSwapsRanks() {
    TStandard standard;
    TStandardEinsetzen eingesetzt(standard);
    standard.fAuTab = TStandard::EingebauteTabellen();
    TAuTabForm dialog(standard);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Voreinstellung für die Automatik"));
    QVERIFY(
        Texte(dialog).contains(QStringLiteral("Reihenfolge der\nSetzungen und\n"
                                              "Mehrfachstunden-\nposition bei der\n"
                                              "automatischen\nPlanerstellung")));
    QVERIFY(Texte(dialog).contains(QStringLiteral("Tabelle Nr.:")));
    TBewertungsRaster* raster = dialog.Raster();
    const auto& t1 = dialog.Tabelle(1);
    // Monday 1 (-7) is linked with Monday 2 (25).
    QTest::mouseClick(raster, Qt::LeftButton, {}, raster->RandUnten(1, 1).center());
    QCOMPARE(t1[0][0], 7);
    QTest::mouseClick(raster, Qt::LeftButton, {}, raster->RandOben(1, 2).center());
    QCOMPARE(t1[0][0], -7);
    QCOMPARE(t1[1][0], 25);
    // The first period has nothing above it.
    QTest::mouseClick(raster, Qt::LeftButton, {}, raster->RandOben(1, 1).center());
    QCOMPARE(t1[0][0], -7);
    QTest::mousePress(raster, Qt::LeftButton, {}, raster->ZellRechteck(1, 1).center());
    QTest::mouseRelease(raster, Qt::LeftButton, {}, raster->ZellRechteck(1, 2).center());
    QCOMPARE(t1[0][0], -25);
    QCOMPARE(t1[1][0], 7);
    // Released where it was pressed, a cell changes nothing.
    QTest::mouseClick(raster, Qt::LeftButton, {}, raster->ZellRechteck(3, 3).center());
    QCOMPARE(t1[2][2], standard.fAuTab[0][2][2]);

    dialog.TabellenNr()->setValue(2);
    QTest::mouseClick(raster, Qt::LeftButton, {}, raster->RandUnten(2, 6).center());
    QCOMPARE(dialog.Tabelle(2)[5][1], 12);
    QCOMPARE(t1[0][0], -25);
    QCOMPARE(standard.fAuTab, TStandard::EingebauteTabellen());
    KnopfMit(&dialog, QStringLiteral("Ok"))->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(standard.fAuTab[0][0][0], -25);
    QCOMPARE(standard.fAuTab[0][1][0], 7);
    QCOMPARE(standard.fAuTab[1][5][1], 12);
    QCOMPARE(standard.fAuTab[2], TStandard::EingebauteTabellen()[2]);
  }

  void AbbrechenKeepsTheTables() {
    TStandard standard;
    TStandardEinsetzen eingesetzt(standard);
    standard.fAuTab = TStandard::EingebauteTabellen();
    TAuTabForm dialog(standard);
    dialog.show();
    TBewertungsRaster* raster = dialog.Raster();
    QTest::mouseClick(raster, Qt::LeftButton, {}, raster->RandUnten(4, 4).center());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(standard.fAuTab, TStandard::EingebauteTabellen());
  }

  // "Wechseln" puts the table chosen in place of the one shown and confirms the dialog.
  void WechselnTakesAStandardTableAndConfirms() {
    TStandard standard;
    TStandardEinsetzen eingesetzt(standard);
    standard.fAuTab = TStandard::EingebauteTabellen();
    const auto waehle = [&](int nr, const char* eintrag) {
      TAuTabForm dialog(standard);
      dialog.show();
      dialog.TabellenNr()->setValue(nr);
      QStringList texte;
      dialog.fMenuZeigen = [&](TMenu& menu) {
        for (const TMenuEintrag& e : menu) texte << QString::fromLatin1(e.fText);
        QVERIFY(WaehleEintrag(menu, eintrag));
      };
      KnopfMit(&dialog, QStringLiteral("Wechseln"))->click();
      QCOMPARE(texte.size(), 8);
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      QVERIFY(!dialog.isVisible());
    };
    waehle(3, "Blockfreundlich");
    QCOMPARE(standard.fAuTab[2], StandardTabelle(TStandardTabelle::Blockfreundlich));
    QCOMPARE(standard.fAuTab[1], TStandard::EingebauteTabellen()[1]);
    waehle(1, "Eingebaute Tabelle 4");
    QCOMPARE(standard.fAuTab[0], TStandard::EingebauteTabellen()[3]);
    QCOMPARE(standard.fAuTab[2], StandardTabelle(TStandardTabelle::Blockfreundlich));
  }
};

class AutomatikMenueTest : public QObject {
  Q_OBJECT

 private slots:
  // "Werkzeuge" / "Automatik" needs a document and a selection; it runs the start dialog and
  // the scheduler window over the courses chosen in "alle Kurse". "Bearbeiten" /
  // "Voreinstellungen" / "Automatik" opens the table editor.
  void TheMenuRunsTheSchedulerOnTheSelection() {
    TLauf lauf;
    QVERIFY(!lauf.An({"Werkzeuge", "Automatik"}));
    QVERIFY(lauf.An({"Bearbeiten", "Voreinstellungen", "Automatik"}));
    QVERIFY(lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("s.orb"))));
    QVERIFY(lauf.An({"Werkzeuge", "Automatik"}));
    TStandard& st = lauf.palette->standard();
    st.fMaxTageNeu = 5;
    st.fPlnStd = 6;
    st.fAuTab = TStandard::EingebauteTabellen();
    TSchule& s = lauf.palette->schule();
    TKurs* deutsch = Kurs(s.HoleLehrer("MEI"), s.HoleKlasse("5a"), 3);
    TKurs* englisch = Kurs(s.HoleLehrer("ABC"), s.HoleKlasse("5b"), 2);

    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle({"Werkzeuge", "Automatik"});
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Automatisches Rechnen")});
    QCOMPARE(skript.fTexte,
             QStringList{QStringLiteral("Es sind keine Kurse ausgewählt.\nWählen Sie die Kurse, "
                                        "deren Stunden gesetzt werden sollen,\nin einem Deputat, "
                                        "in \"alle Kurse\" oder in einer UV-Tabelle aus.")});

    TDepForm* alle = qobject_cast<TDepForm*>(lauf.palette->AlleKurseZeigen()->widget());
    for (int z = 0; z < alle->Zeilen(); ++z) {
      if (alle->ZeilenKurs(z) == englisch) alle->Auswaehlen({z});
    }
    QCOMPARE(alle->Auswahl(), std::vector<TKurs*>{englisch});
    // "Abbrechen" of the start dialog (Escape) opens no scheduler window.
    skript.Dann([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    lauf.Waehle({"Werkzeuge", "Automatik"});
    QCOMPARE(skript.fTitel.size(), 2);
    // Return confirms the start dialog, then starts the run, then closes the window with "Ok".
    QString stand;
    skript.Dann([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }).Dann([&](QWidget* w) {
      auto* form = static_cast<TAutomatForm*>(w);
      QTest::keyClick(w, Qt::Key_Return);
      stand = Stand(*form);
      QTest::keyClick(w, Qt::Key_Return);
      if (w->isVisible()) SchliesseOhneAenderung(w);
    });
    lauf.Waehle({"Werkzeuge", "Automatik"});
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTitel.size(), 4);
    QCOMPARE(stand, QStringLiteral("0 0 2/2 00100"));
    QCOMPARE(englisch->VerplanteStunden(1), 2);
    QCOMPARE(deutsch->VerplanteStunden(1), 0);
    QVERIFY(s.IsDirty());

    skript.Druecke(QStringLiteral("Abbrechen"));
    lauf.Waehle({"Bearbeiten", "Voreinstellungen", "Automatik"});
    QCOMPARE(skript.fTitel.last(), QStringLiteral("Voreinstellung für die Automatik"));
    QVERIFY(skript.fUnerwartet.isEmpty());
  }

  // After the rest list, "Daten" / "Kurse" shows every course again.
  void TheRestListGivesWayToAllCoursesFromTheMenu() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("s.orb"))));
    TStandard& st = lauf.palette->standard();
    st.fMaxTageNeu = 5;
    st.fPlnStd = 6;
    st.fAuTab = TStandard::EingebauteTabellen();
    TSchule& s = lauf.palette->schule();
    TLehrer* mei = s.HoleLehrer("MEI");
    TKurs* deutsch = Kurs(mei, s.HoleKlasse("5a"), 3);
    Kurs(s.HoleLehrer("ABC"), s.HoleKlasse("5b"), 2);
    for (int32_t tag = 1; tag <= 5; ++tag) mei->fSperrung.SetWocheTag(1, tag, 0b111111);
    TDepForm* alle = qobject_cast<TDepForm*>(lauf.palette->AlleKurseZeigen()->widget());
    alle->AllesAuswaehlen();
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok")).Dann([](QWidget* w) {
      KnopfMit(w, QStringLiteral("Start"))->click();
      KnopfMit(w, QStringLiteral("nicht verplanbare Stunden zeigen"))->click();
      if (w->isVisible()) SchliesseOhneAenderung(w);
    });
    lauf.Waehle({"Werkzeuge", "Automatik"});
    QVERIFY(skript.Fertig());
    QCOMPARE(alle->Zeilen(), 1);
    QCOMPARE(alle->ZeilenKurs(0), deutsch);
    QCOMPARE(lauf.palette->Arbeitsflaeche()->activeSubWindow()->widget(), alle);
    lauf.Waehle({"Daten", "Kurse"});
    QCOMPARE(alle->Zeilen(), 2);
    QVERIFY(skript.fUnerwartet.isEmpty());
  }

 private:
  static TKurs* Kurs(TLehrer* l, TKlasse* k, int32_t stunden) {
    auto* kurs = new TKurs;
    kurs->IKurs(l, k, stunden, nullptr, nullptr, nullptr);
    kurs->fEinzelStd = 0;
    kurs->fTabellenNr = 2;
    return kurs;
  }
};

}  // namespace orbato

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  // The windows alone first: a main window installs the ways windows open for the whole process.
  int fehler = 0;
  {
    orbato::AutomatikFensterTest test;
    fehler |= QTest::qExec(&test, argc, argv);
  }
  {
    orbato::AutomatikTabellenTest test;
    fehler |= QTest::qExec(&test, argc, argv);
  }
  {
    orbato::AutomatikMenueTest test;
    fehler |= QTest::qExec(&test, argc, argv);
  }
  return fehler;
}

#include "automatik_test.moc"
