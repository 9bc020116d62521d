// "Optimieren" in the scheduler window and in the menu "Pläne", and its weights. The runs that
// must stop, close or show figures go through a run of the test's own, which reports progress as
// the search does; the others use the search itself on plans it cannot change.
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <array>
#include <map>

#include "dokument.h"
#include "lauf.h"
#include "model/dokument/verlauf.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"
#include "model/kurse/setzung.h"
#include "model/schnittstellen/dialoge.h"
#include "oberflaeche.h"
#include "placement/setzen.h"
#include "ui/plaene/automatikfenster.h"
#include "ui/plaene/automatikstartdialog.h"
#include "ui/plaene/optimieranzeige.h"
#include "ui/stammdaten/deputatfenster.h"
#include "ui/voreinstellungen/optimiergewichte.h"

namespace orbato {
namespace {

const char* const kKnoepfe[] = {"Start",       "Abbrechen",  "Ok",
                                "Nachbessern", "Optimieren", "nicht verplanbare Stunden zeigen"};

// "noch zu setzen", "nicht verplanbar", the bar, and which buttons are enabled, in the order of
// kKnoepfe.
QString Stand(TAutomatForm& form) {
  QString knoepfe;
  for (const char* text : kKnoepfe) {
    knoepfe +=
        KnopfMit(&form, QString::fromUtf8(text))->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
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
  return texte;
}

TOptimierFortschritt Fortschritt(int64_t schritte, int32_t klassen, int32_t lehrer,
                                 int32_t schlechtester) {
  TOptimierFortschritt stand;
  stand.fSchritte = schritte;
  stand.fSchritteMax = 1000;
  stand.fBeste.fKlassenLuecken = klassen;
  stand.fBeste.fLehrerLuecken = lehrer;
  stand.fBeste.fSchlechtesterLehrer = schlechtester;
  return stand;
}

// A run that reports progress until it is stopped, at most `runden` times; answers `ergebnis`.
// `beiRunde` sees each round after its report.
struct TTestLauf {
  int runden = 50;
  bool ergebnis = false;
  std::function<void(int)> beiRunde;
  int gemeldet = 0;
  bool gestoppt = false;

  bool operator()(TOptimierung& optimierung) {
    for (gemeldet = 0; gemeldet < runden;) {
      optimierung.fZwischendurch(Fortschritt(250, 7, 12, 3));
      ++gemeldet;
      if (beiRunde) beiRunde(gemeldet);
      if (optimierung.Abgebrochen()) {
        gestoppt = true;
        break;
      }
    }
    return ergebnis;
  }
};

// Every lesson of the courses as course, version, day and period, to compare plans.
std::vector<std::array<int32_t, 4>> Plan(const std::vector<TKurs*>& kurse) {
  std::vector<std::array<int32_t, 4>> plan;
  for (std::size_t k = 0; k < kurse.size(); ++k) {
    for (const TSetzung* s : kurse[k]->fSetzungen)
      plan.push_back({static_cast<int32_t>(k), s->fWoche, s->fTag, s->fStunde});
  }
  std::sort(plan.begin(), plan.end());
  return plan;
}

TKurs* NeuerKurs(TLehrer* l, TKlasse* k, int32_t stunden) {
  auto* kurs = new TKurs;
  kurs->IKurs(l, k, stunden, nullptr, nullptr, nullptr);
  kurs->fStdProTag = 1;
  kurs->fEinzelStd = 0;
  kurs->fTabellenNr = 2;
  return kurs;
}

// Selects everything in a spin box and types the text, as a planner does.
void Tippe(QSpinBox* feld, const QString& text) {
  QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(feld, text);
}

}  // namespace

class OptimierTexteTest : public QObject {
  Q_OBJECT

 private slots:
  void TheFiguresAndTheSummaryAreWordedExactly() {
    TOptimierZahlen vorher{5000, 78, 152, 9, 4, 2};
    TOptimierZahlen nachher{700, 0, 3, 1, 1, 2};
    QCOMPARE(OptimierZwischenstand(vorher),
             (QStringList{QStringLiteral("Hohlstunden der Klassen: 78"),
                          QStringLiteral("Springstunden der Lehrer: 152"),
                          QStringLiteral("meiste Springstunden eines Lehrers: 9")}));
    QCOMPARE(OptimierErgebnis(true, vorher, nachher),
             QStringLiteral("Optimiert: Hohlstunden der Klassen 78 → 0, Springstunden der Lehrer "
                            "152 → 3"));
    QCOMPARE(OptimierErgebnis(false, vorher, vorher),
             QStringLiteral("Keine Verbesserung gefunden."));
    QCOMPARE(OptimierBericht(true, vorher, nachher),
             (QStringList{QStringLiteral("Der Plan wurde optimiert:"),
                          QStringLiteral("Hohlstunden der Klassen: 78 → 0"),
                          QStringLiteral("Springstunden der Lehrer: 152 → 3"),
                          QStringLiteral("meiste Springstunden eines Lehrers: 9 → 1"),
                          QStringLiteral("späte Beginne der Vollzeitklassen: 4 → 1"),
                          QStringLiteral("Klassentage mit einem Fach zweimal: 2 → 2")}));
    QCOMPARE(OptimierBericht(false, vorher, vorher),
             QStringList{QStringLiteral("Keine Verbesserung gefunden.")});
  }

  // The bar follows the steps or the time, whichever is further on, and never leaves its range.
  void TheBarFollowsStepsOrTimeWhicheverIsFurther() {
    QCOMPARE(OptimierBalken(Fortschritt(250, 0, 0, 0), 30, 3), 250);
    QCOMPARE(OptimierBalken(Fortschritt(250, 0, 0, 0), 30, 15), 500);
    QCOMPARE(OptimierBalken(Fortschritt(250, 0, 0, 0), 30, 45), 1000);
    QCOMPARE(OptimierBalken(Fortschritt(5000, 0, 0, 0), 30, 0), 1000);
    QCOMPARE(OptimierBalken(TOptimierFortschritt{}, 0, 7), 0);
    QCOMPARE(kOptimierBalken, 1000);
  }
};

class OptimierGewichteTest : public QObject, protected TEingesetztesDokument {
  Q_OBJECT

 private slots:
  void init() {
    Anlegen(fDialoge);
    fStandard->fOptimieren = kGesetzt;
  }
  void cleanup() { Abbauen(); }

  void TheFieldsShowTheSettingsUnderTheirLabelsWithinTheirRanges() {
    TOptGewichteForm dialog(fDialoge, *fStandard);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Optimieren - Gewichte"));
    QCOMPARE(
        Texte(dialog),
        (QStringList{QStringLiteral("Punkte je Fall:"), QStringLiteral("Hohlstunde einer Klasse"),
                     QStringLiteral("später Beginn einer Vollzeitklasse"),
                     QStringLiteral("Springstunde eines Lehrers"),
                     QStringLiteral("je Springstunde des Lehrers mit den meisten"),
                     QStringLiteral("Fach zweimal am Tag"),
                     QStringLiteral("Klassentag außerhalb der Grenzen (je Stunde)"),
                     QStringLiteral("Lehrertag außerhalb der Grenzen (je Stunde)"),
                     QStringLiteral("freier Tag nicht erfüllt"),
                     QStringLiteral("Rang der Zelle in der Bewertungstabelle"),
                     QStringLiteral("Grenzen:"), QStringLiteral("Vollzeitklasse ab Wochenstunden"),
                     QStringLiteral("Stunden einer Klasse am Tag: mindestens / höchstens"),
                     QStringLiteral("Stunden eines Lehrers am Tag: mindestens / höchstens"),
                     QStringLiteral("längste Laufzeit in Sekunden")}));
    QStringList felder;
    for (const QSpinBox* f : dialog.findChildren<QSpinBox*>()) {
      felder << QStringLiteral("%1=%2 [%3,%4]")
                    .arg(f->objectName())
                    .arg(f->value())
                    .arg(f->minimum())
                    .arg(f->maximum());
    }
    QCOMPARE(felder,
             (QStringList{"klassenLuecke=301 [0,10000]", "spaeterBeginn=101 [0,10000]",
                          "lehrerLuecke=31 [0,10000]", "schlechtesterLehrer=32 [0,10000]",
                          "fachDoppelt=102 [0,10000]", "klassenTag=51 [0,10000]",
                          "lehrerTag=21 [0,10000]", "freierTag=103 [0,10000]", "rang=2 [0,10000]",
                          "vollzeitAb=22 [0,112]", "klasseMin=3 [0,16]", "klasseMax=7 [1,16]",
                          "lehrerMin=1 [0,16]", "lehrerMax=5 [1,16]", "sekunden=45 [1,3600]"}));
    QCOMPARE(KnopfMit(&dialog, QStringLiteral("Standard"))->parentWidget(),
             static_cast<QWidget*>(dialog.findChild<QDialogButtonBox*>()));
  }

  // Typed values and Enter: "Ok" stores exactly what was typed, every other value stays.
  void EnterStoresExactlyTheTypedValues() {
    TOptGewichteForm dialog(fDialoge, *fStandard);
    dialog.show();
    Tippe(Feld(dialog, "klassenLuecke"), QStringLiteral("450"));
    Tippe(Feld(dialog, "rang"), QStringLiteral("0"));
    Tippe(Feld(dialog, "klasseMin"), QStringLiteral("5"));
    Tippe(Feld(dialog, "lehrerMax"), QStringLiteral("12"));
    Tippe(Feld(dialog, "sekunden"), QStringLiteral("120"));
    QCOMPARE(fStandard->fOptimieren, kGesetzt);
    QTest::keyClick(Feld(dialog, "sekunden"), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    TOptimierEinstellungen erwartet = kGesetzt;
    erwartet.fKlassenLuecke = 450;
    erwartet.fRang = 0;
    erwartet.fKlasseMin = 5;
    erwartet.fLehrerMax = 12;
    erwartet.fSekunden = 120;
    QCOMPARE(fStandard->fOptimieren, erwartet);
    QVERIFY(fDialoge.Protokoll().empty());
  }

  // "Standard" fills in the defaults, which only "Ok" stores; "Abbrechen" and Escape store
  // nothing.
  void StandardFillsInTheDefaultsAndAbbrechenKeepsTheSettings() {
    {
      TOptGewichteForm dialog(fDialoge, *fStandard);
      dialog.show();
      Tippe(Feld(dialog, "fachDoppelt"), QStringLiteral("9"));
      QTest::mouseClick(KnopfMit(&dialog, QStringLiteral("Abbrechen")), Qt::LeftButton);
      QCOMPARE(dialog.result(), int(QDialog::Rejected));
      QCOMPARE(fStandard->fOptimieren, kGesetzt);
    }
    {
      TOptGewichteForm dialog(fDialoge, *fStandard);
      dialog.show();
      QTest::mouseClick(KnopfMit(&dialog, QStringLiteral("Standard")), Qt::LeftButton);
      QVERIFY(dialog.isVisible());
      QCOMPARE(Feld(dialog, "klassenLuecke")->value(), 300);
      QCOMPARE(Feld(dialog, "sekunden")->value(), 30);
      QTest::keyClick(&dialog, Qt::Key_Escape);
      QCOMPARE(dialog.result(), int(QDialog::Rejected));
      QCOMPARE(fStandard->fOptimieren, kGesetzt);
    }
    TOptGewichteForm dialog(fDialoge, *fStandard);
    dialog.show();
    QTest::mouseClick(KnopfMit(&dialog, QStringLiteral("Standard")), Qt::LeftButton);
    QTest::mouseClick(KnopfMit(&dialog, QStringLiteral("Ok")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(fStandard->fOptimieren, TOptimierEinstellungen{});
  }

  // The least hours of a day above the most: the message says which day, the dialog stays and
  // nothing is stored until the values fit.
  void AMinimumAboveTheMaximumIsRefusedAndTheDialogStays() {
    TOptGewichteForm dialog(fDialoge, *fStandard);
    dialog.show();
    Tippe(Feld(dialog, "klasseMin"), QStringLiteral("9"));
    Tippe(Feld(dialog, "lehrerMin"), QStringLiteral("6"));
    Tippe(Feld(dialog, "lehrerMax"), QStringLiteral("4"));
    QTest::keyClick(Feld(dialog, "lehrerMax"), Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(fStandard->fOptimieren, kGesetzt);
    Tippe(Feld(dialog, "klasseMax"), QStringLiteral("10"));
    QTest::keyClick(Feld(dialog, "klasseMax"), Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(fStandard->fOptimieren, kGesetzt);
    const auto meldungen = fDialoge.Protokoll(TDialogVorgang::Nachricht);
    QCOMPARE(meldungen.size(), std::size_t{2});
    const std::string zweite =
        "mindestens darf nicht gr\xF6\xDF"
        "er sein als h\xF6"
        "chstens.";
    QCOMPARE(meldungen[0].fTitel, std::string("Optimieren - Gewichte"));
    QCOMPARE(meldungen[0].fZeilen,
             (std::vector<std::string>{"Stunden einer Klasse am Tag:", zweite}));
    QCOMPARE(meldungen[1].fZeilen,
             (std::vector<std::string>{"Stunden eines Lehrers am Tag:", zweite}));
    QCOMPARE(meldungen[1].fArt, TMeldungsArt::Warnung);
    Tippe(Feld(dialog, "lehrerMax"), QStringLiteral("6"));
    QTest::keyClick(Feld(dialog, "lehrerMax"), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(fStandard->fOptimieren.fKlasseMin, 9);
    QCOMPARE(fStandard->fOptimieren.fKlasseMax, 10);
    QCOMPARE(fStandard->fOptimieren.fLehrerMin, 6);
    QCOMPARE(fStandard->fOptimieren.fLehrerMax, 6);
  }

  // The start dialog of the scheduler leads to the weights; their "Ok" stores them even when the
  // start dialog is then cancelled.
  void TheStartDialogOpensTheWeights() {
    TAutoStartForm start(fDialoge, *fStandard);
    start.show();
    TModalSkript skript;
    skript.Dann([](QWidget* w) {
      auto* feld = w->findChild<QSpinBox*>(QStringLiteral("freierTag"));
      Tippe(feld, QStringLiteral("77"));
      QTest::keyClick(feld, Qt::Key_Return);
    });
    QTest::mouseClick(KnopfMit(&start, QStringLiteral("Gewichte...")), Qt::LeftButton);
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Optimieren - Gewichte")});
    QVERIFY(start.isVisible());
    QCOMPARE(fStandard->fOptimieren.fFreierTag, 77);
    QTest::keyClick(&start, Qt::Key_Escape);
    QCOMPARE(start.result(), int(QDialog::Rejected));
    QCOMPARE(fStandard->fOptimieren.fFreierTag, 77);
    QVERIFY(skript.fUnerwartet.isEmpty());
  }

 private:
  static QSpinBox* Feld(QWidget& dialog, const char* name) {
    return dialog.findChild<QSpinBox*>(QString::fromLatin1(name));
  }

  static constexpr TOptimierEinstellungen kGesetzt{301, 101, 31, 32, 102, 51, 21, 103,
                                                   2,   22,  3,  7,  1,   5,  45};
  TSkriptDialoge fDialoge;
};

class OptimierFensterTest : public QObject, protected TEingesetztesDokument {
  Q_OBJECT

 private slots:
  void init() {
    Anlegen(fDialoge);
    fStandard->fMaxTageNeu = 5;
    fStandard->fPlnStd = 6;
    fStandard->fAuTab = TStandard::EingebauteTabellen();
    fStandard->fOptimieren.fSekunden = 3600;
    fDeutsch = NeuerKurs(fSchule->HoleLehrer("MEI"), fSchule->HoleKlasse("5a"), 3);
  }
  void cleanup() { Abbauen(); }

  // "Optimieren" sits right after "Nachbessern" and waits for the end of the run; a run that
  // placed nothing leaves it off.
  void TheButtonFollowsNachbessernAndWaitsForTheRun() {
    TAutomatForm form(*fSchule, *fStandard, {fDeutsch});
    form.show();
    QCOMPARE(Spalte(form), (QStringList{"Start", "Abbrechen", "Ok", "Nachbessern", "Optimieren"}));
    QCOMPARE(Stand(form), QStringLiteral("3 0 0/3 110000"));
    QVERIFY(!form.OptimierFeld()->isVisible());
    KnopfMit(&form, QStringLiteral("Start"))->click();
    QCOMPARE(Stand(form), QStringLiteral("0 0 3/3 001010"));

    TLehrer* voll = fSchule->HoleLehrer("ABC");
    for (int32_t tag = 1; tag <= 5; ++tag) voll->fSperrung.SetWocheTag(1, tag, 0b111111);
    TAutomatForm leer(*fSchule, *fStandard, {NeuerKurs(voll, fSchule->HoleKlasse("5b"), 2)});
    leer.show();
    KnopfMit(&leer, QStringLiteral("Start"))->click();
    QCOMPARE(Stand(leer), QStringLiteral("0 2 2/2 001101"));
  }

  // While the run goes, the bar and the figures show where it stands, "Abbrechen" alone is on, and
  // clicks on the others do nothing; at the end the summary and the buttons of a finished run.
  void TheRunShowsItsFiguresAndEndsWithTheSummary() {
    TAutomatForm form(*fSchule, *fStandard, {fDeutsch});
    form.show();
    KnopfMit(&form, QStringLiteral("Start"))->click();
    QString waehrend;
    QString figuren;
    TTestLauf lauf;
    lauf.runden = 2;
    lauf.ergebnis = true;
    lauf.beiRunde = [&](int runde) {
      if (runde > 1) return;
      waehrend = Stand(form);
      figuren = form.OptimierFeld()->text();
      for (const char* text : {"Optimieren", "Ok", "Nachbessern", "Start"})
        QTest::mouseClick(KnopfMit(&form, QString::fromUtf8(text)), Qt::LeftButton);
      QTest::keyClick(&form, Qt::Key_Return);
    };
    int laeufe = 0;
    form.fOptimierLauf = [&](TOptimierung& o) {
      ++laeufe;
      return lauf(o);
    };
    QTest::mouseClick(KnopfMit(&form, QStringLiteral("Optimieren")), Qt::LeftButton);
    QCOMPARE(laeufe, 1);
    QCOMPARE(lauf.gemeldet, 2);
    QVERIFY(!lauf.gestoppt);
    QCOMPARE(waehrend, QStringLiteral("0 0 250/1000 010000"));
    QCOMPARE(figuren, QStringLiteral("Hohlstunden der Klassen: 7\nSpringstunden der Lehrer: "
                                     "12\nmeiste Springstunden eines Lehrers: 3"));
    QVERIFY(form.isVisible());
    QVERIFY(form.OptimierFeld()->isVisible());
    // The figures of a run the test stands in for are those of an untouched search.
    QCOMPARE(form.OptimierFeld()->text(),
             QStringLiteral("Optimiert: Hohlstunden der Klassen 0 → 0, Springstunden der Lehrer "
                            "0 → 0"));
    QCOMPARE(Stand(form), QStringLiteral("0 0 3/3 001010"));
    QVERIFY(fSchule->IsDirty());
  }

  // "Abbrechen" and Escape stop the run after the step under way; the window stays.
  void AbbrechenAndEscapeStopTheRunAndTheWindowStays() {
    TAutomatForm form(*fSchule, *fStandard, {fDeutsch});
    form.show();
    KnopfMit(&form, QStringLiteral("Start"))->click();
    for (bool escape : {false, true}) {
      TTestLauf lauf;
      form.fOptimierLauf = std::ref(lauf);
      QTimer::singleShot(0, &form, [&form, escape] {
        if (escape) {
          QTest::keyClick(&form, Qt::Key_Escape);
        } else {
          QTest::mouseClick(KnopfMit(&form, QStringLiteral("Abbrechen")), Qt::LeftButton);
        }
      });
      QTest::mouseClick(KnopfMit(&form, QStringLiteral("Optimieren")), Qt::LeftButton);
      QVERIFY(lauf.gestoppt);
      QCOMPARE(lauf.gemeldet, 1);
      QVERIFY(form.isVisible());
      QCOMPARE(form.OptimierFeld()->text(), QStringLiteral("Keine Verbesserung gefunden."));
      QCOMPARE(Stand(form), QStringLiteral("0 0 3/3 001010"));
    }
    QVERIFY(fSchule->IsDirty());
  }

  // Closing the window in the middle stops the run; the window closes once the run is over.
  void ClosingTheWindowStopsTheRunThenCloses() {
    auto form = std::make_unique<TAutomatForm>(*fSchule, *fStandard, std::vector<TKurs*>{fDeutsch});
    form->show();
    KnopfMit(form.get(), QStringLiteral("Start"))->click();
    TTestLauf lauf;
    bool offen = false;
    lauf.beiRunde = [&](int) { offen = form->isVisible(); };
    form->fOptimierLauf = std::ref(lauf);
    QTimer::singleShot(0, form.get(), [&form] { form->close(); });
    QTest::mouseClick(KnopfMit(form.get(), QStringLiteral("Optimieren")), Qt::LeftButton);
    QVERIFY(lauf.gestoppt);
    QCOMPARE(lauf.gemeldet, 1);
    QVERIFY(offen);
    QVERIFY(!form->isVisible());
    QCOMPARE(form->result(), int(QDialog::Rejected));
    form.reset();
    QCOMPARE(fDeutsch->VerplanteStunden(1), 3);
  }

  // The search itself on lessons that are all fixed: nothing changes, the summary says so, and
  // the history holds one step more at most.
  void FixedLessonsGiveNoImprovementAndOneUndoStepAtMost() {
    fStandard->fOptimieren.fSekunden = 1;
    TAutomatForm form(*fSchule, *fStandard, {fDeutsch});
    form.show();
    KnopfMit(&form, QStringLiteral("Start"))->click();
    for (TSetzung* s : fDeutsch->fSetzungen) s->SetFixiert(true);
    const auto vorher = Plan({fDeutsch});
    const std::size_t schritte = fSchule->fVerlauf.ZahlSchritte();
    QTest::mouseClick(KnopfMit(&form, QStringLiteral("Optimieren")), Qt::LeftButton);
    QCOMPARE(form.OptimierFeld()->text(), QStringLiteral("Keine Verbesserung gefunden."));
    QCOMPARE(Plan({fDeutsch}), vorher);
    QVERIFY(fSchule->fVerlauf.ZahlSchritte() <= schritte + 1);
    QCOMPARE(Stand(form), QStringLiteral("0 0 3/3 001010"));
  }

 private:
  // The captions of the button column right of the counters, top to bottom.
  static QStringList Spalte(TAutomatForm& form) {
    form.layout()->activate();
    const int x = KnopfMit(&form, QStringLiteral("Start"))->x();
    std::map<int, QString> knoepfe;
    for (QPushButton* b : form.findChildren<QPushButton*>()) {
      if (b->x() == x) knoepfe[b->y()] = b->text();
    }
    QStringList texte;
    for (const auto& [y, text] : knoepfe) texte << text;
    return texte;
  }

  TSkriptDialoge fDialoge;
  TKurs* fDeutsch = nullptr;
};

class OptimierMenueTest : public QObject {
  Q_OBJECT

  // Ctrl+Z on the main window, made the active one as the planner's click would.
  static void ZurueckNehmen(TLauf& lauf) {
    lauf.palette->activateWindow();
    QApplication::setActiveWindow(lauf.palette.get());
    QTest::keyClick(lauf.palette.get(), Qt::Key_Z, Qt::ControlModifier);
  }

 private slots:
  // Both entries follow "Komprimieren" in "Pläne", which needs a document.
  void ThePlansMenuHoldsTheEntriesAfterKomprimieren() {
    TLauf lauf;
    QAction* optimieren = lauf.palette->Aktion({"Pläne", "Optimieren..."});
    QVERIFY(optimieren);
    auto* menu = qobject_cast<QMenu*>(optimieren->parent());
    QStringList texte;
    for (const QAction* a : menu->actions()) texte << a->text();
    QCOMPARE(texte,
             (QStringList{"Löschen...", "Komprimieren", "Optimieren...",
                          "Gewichte für Optimieren...", "Stundenverteilung", "Planqualität...",
                          "nicht belegte Räume", "später eingetragene Räume"}));
    QVERIFY(!menu->menuAction()->isEnabled());
    QVERIFY(lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("s.orb"))));
    QVERIFY(menu->menuAction()->isEnabled());
    QVERIFY(lauf.An({"Pläne", "Gewichte für Optimieren..."}));

    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle({"Pläne", "Optimieren..."});
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Optimieren")});
    QCOMPARE(
        skript.fTexte,
        QStringList{QStringLiteral("In der aktuellen Planversion sind keine Stunden verplant.")});

    skript.Dann([](QWidget* w) {
      auto* feld = w->findChild<QSpinBox*>(QStringLiteral("lehrerLuecke"));
      Tippe(feld, QStringLiteral("45"));
      QTest::keyClick(feld, Qt::Key_Return);
    });
    lauf.Waehle({"Pläne", "Gewichte für Optimieren..."});
    QCOMPARE(skript.fTitel.last(), QStringLiteral("Optimieren - Gewichte"));
    QCOMPARE(lauf.palette->standard().fOptimieren.fLehrerLuecke, 45);
    QVERIFY(skript.Fertig());
    QVERIFY(skript.fUnerwartet.isEmpty());
  }

  // The progress window shows the figures; Ctrl+Z meanwhile takes nothing back, Escape and the
  // close box stop the run, and the message box gives the figures before and after.
  void TheProgressWindowShowsTheFiguresAndEscapeStops() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("s.orb"))));
    TSchule& s = lauf.palette->schule();
    lauf.palette->standard().fOptimieren.fSekunden = 3600;
    TKurs* kurs = NeuerKurs(s.HoleLehrer("MEI"), s.HoleKlasse("5a"), 2);
    {
      TVerlaufSchritt schritt(s);
      NeueSetzung(*kurs, 1, 1, nullptr, 2);
    }
    QCOMPARE(s.fVerlauf.ZahlSchritte(), std::size_t{1});

    for (bool escape : {true, false}) {
      QStringList texte;
      QString balken;
      TTestLauf testLauf;
      testLauf.ergebnis = escape;
      testLauf.beiRunde = [&](int runde) {
        QDialog* fenster = lauf.palette->dialoge().FortschrittsFenster();
        if (runde > 1 || fenster == nullptr) return;
        texte << fenster->windowTitle() << Texte(*fenster);
        const auto* b = fenster->findChild<QProgressBar*>();
        balken = QStringLiteral("%1/%2").arg(b->value()).arg(b->maximum());
        ZurueckNehmen(lauf);
        // Where the keys go while the window is up: it takes no command.
        for (Qt::Key taste : {Qt::Key_Z, Qt::Key_W, Qt::Key_Q})
          QTest::keyClick(fenster, taste, Qt::ControlModifier);
        if (escape) {
          QTest::keyClick(fenster, Qt::Key_Escape);
        } else {
          fenster->close();
        }
      };
      lauf.palette->fOptimierLauf = std::ref(testLauf);
      TModalSkript skript;
      skript.Druecke(QStringLiteral("Ok"));
      lauf.Waehle({"Pläne", "Optimieren..."});
      QVERIFY(testLauf.gestoppt);
      QCOMPARE(testLauf.gemeldet, 2);
      QCOMPARE(texte, (QStringList{"Optimieren", "Der Plan wird optimiert.",
                                   "Hohlstunden der Klassen: 7\nSpringstunden der Lehrer: 12\n"
                                   "meiste Springstunden eines Lehrers: 3"}));
      QCOMPARE(balken, QStringLiteral("250/1000"));
      QCOMPARE(lauf.palette->dialoge().FortschrittsFenster(), nullptr);
      QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Optimieren")});
      QCOMPARE(skript.fTexte,
               QStringList{escape ? QStringLiteral("Der Plan wurde optimiert:\n"
                                                   "Hohlstunden der Klassen: 0 → 0\n"
                                                   "Springstunden der Lehrer: 0 → 0\n"
                                                   "meiste Springstunden eines Lehrers: 0 → 0\n"
                                                   "späte Beginne der Vollzeitklassen: 0 → 0\n"
                                                   "Klassentage mit einem Fach zweimal: 0 → 0")
                                  : QStringLiteral("Keine Verbesserung gefunden.")});
      QVERIFY(skript.fUnerwartet.isEmpty());
      QCOMPARE(kurs->VerplanteStunden(1), 1);
      QCOMPARE(s.fVerlauf.ZahlSchritte(), std::size_t{1});
    }
    // Once the run is over, the key takes back the lesson placed before.
    ZurueckNehmen(lauf);
    QCOMPARE(kurs->VerplanteStunden(1), 0);
  }

  // The scheduler window opened from the menu: while "Optimieren" runs, the main menu's keys
  // reach neither the window nor the program, not even later.
  void TheMenuKeysWaitWhileTheSchedulerWindowOptimises() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("s.orb"))));
    TStandard& st = lauf.palette->standard();
    st.fMaxTageNeu = 5;
    st.fPlnStd = 6;
    st.fAuTab = TStandard::EingebauteTabellen();
    st.fOptimieren.fSekunden = 3600;
    TSchule& s = lauf.palette->schule();
    TKurs* kurs = NeuerKurs(s.HoleLehrer("MEI"), s.HoleKlasse("5a"), 2);
    qobject_cast<TDepForm*>(lauf.palette->AlleKurseZeigen()->widget())->AllesAuswaehlen();
    TTestLauf testLauf;
    testLauf.runden = 2;
    QString stand;
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok")).Dann([&](QWidget* w) {
      auto* form = static_cast<TAutomatForm*>(w);
      KnopfMit(form, QStringLiteral("Start"))->click();
      testLauf.beiRunde = [&](int runde) {
        if (runde > 1) return;
        ZurueckNehmen(lauf);
        for (Qt::Key taste : {Qt::Key_Z, Qt::Key_W, Qt::Key_Q, Qt::Key_N})
          QTest::keyClick(form, taste, Qt::ControlModifier);
      };
      form->fOptimierLauf = std::ref(testLauf);
      KnopfMit(form, QStringLiteral("Optimieren"))->click();
      stand = Stand(*form);
      QTest::keyClick(form, Qt::Key_Return);
    });
    lauf.Waehle({"Werkzeuge", "Automatik"});
    QTest::qWait(50);
    QCOMPARE(testLauf.gemeldet, 2);
    QVERIFY(!testLauf.gestoppt);
    QCOMPARE(stand, QStringLiteral("0 0 2/2 001010"));
    QCOMPARE(skript.fTitel, (QStringList{"Automatisches Rechnen", "Automatisches Rechnen"}));
    QVERIFY(skript.fUnerwartet.isEmpty());
    QVERIFY(lauf.palette->isVisible());
    QVERIFY(lauf.palette->DokumentOffen());
    QCOMPARE(&lauf.palette->schule(), &s);
    QCOMPARE(kurs->VerplanteStunden(1), 2);
    QCOMPARE(lauf.palette->Arbeitsflaeche()->subWindowList().size(), 1);
  }

  // The search itself from the menu on fixed lessons: no change, and one undo at most takes the
  // plan back to where it was.
  void TheSearchFromTheMenuIsOneUndoStepAtMost() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("s.orb"))));
    TSchule& s = lauf.palette->schule();
    lauf.palette->standard().fOptimieren.fSekunden = 1;
    TKurs* a = NeuerKurs(s.HoleLehrer("MEI"), s.HoleKlasse("5a"), 2);
    TKurs* b = NeuerKurs(s.HoleLehrer("ABC"), s.HoleKlasse("5a"), 1);
    NeueSetzung(*a, 1, 1, nullptr, 1);
    NeueSetzung(*a, 1, 2, nullptr, 1);
    NeueSetzung(*b, 1, 1, nullptr, 3);
    for (TKurs* k : {a, b}) {
      for (TSetzung* z : k->fSetzungen) z->SetFixiert(true);
    }
    const auto vorher = Plan({a, b});
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle({"Pläne", "Optimieren..."});
    QCOMPARE(skript.fTexte, QStringList{QStringLiteral("Keine Verbesserung gefunden.")});
    QVERIFY(s.fVerlauf.ZahlSchritte() <= 1);
    if (s.fVerlauf.ZahlSchritte() == 1) lauf.Waehle({"Bearbeiten", "Widerrufen"});
    QCOMPARE(Plan({a, b}), vorher);
    QVERIFY(skript.fUnerwartet.isEmpty());
  }
};

}  // namespace orbato

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  // The windows alone first: a main window installs the ways windows open for the whole process.
  int fehler = 0;
  {
    orbato::OptimierTexteTest test;
    fehler |= QTest::qExec(&test, argc, argv);
  }
  {
    orbato::OptimierGewichteTest test;
    fehler |= QTest::qExec(&test, argc, argv);
  }
  {
    orbato::OptimierFensterTest test;
    fehler |= QTest::qExec(&test, argc, argv);
  }
  {
    orbato::OptimierMenueTest test;
    fehler |= QTest::qExec(&test, argc, argv);
  }
  return fehler;
}

#include "optimieren_test.moc"
