#include "ui/drucken/vbereichdruckdialog.h"

#include <QDate>
#include <QDateEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "dokument.h"
#include "lauf.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/uhr.h"
#include "oberflaeche.h"
#include "print/druckermass.h"
#include "print/prevprinter.h"
#include "ui/bausteine/schriftfeld.h"

namespace orbato {
namespace {

struct TAusgabeAufruf {
  QWidget* eltern = nullptr;
  int seiten = 0;
  QString titel;
};

TDatumZeit Dez(int tag) {
  return *KodiereDatum(2026, 12, tag) + 0.5;
}

}  // namespace

class VBereichDruckDialogTest : public QObject, TEingesetztesDokument {
  Q_OBJECT

  TSkriptDialoge fDialoge;
  TFesteUhr fUhr{*KodiereDatum(2026, 12, 7) + 0.4};
  std::vector<TAusgabeAufruf> fAufrufe;

  TVBereichDruckDialog::TAusgabe Ausgabe() {
    return [this](QWidget* eltern, Dialoge& dialoge, const TAufzeichnung& aufzeichnen) {
      TPrevPrinter drucker(dialoge, PdfMass());
      aufzeichnen(drucker);
      fAufrufe.push_back({eltern, drucker.GetPageCount(), drucker.Title()});
    };
  }

 private slots:
  void init() {
    Anlegen(fDialoge);
    fSchule->SetUhr(&fUhr);
    fAufrufe.clear();
    fSchule->HoleLehrer("MEI");
    fSchule->HoleKlasse("5a");
  }
  void cleanup() {
    fSchule->SetUhr(nullptr);
    Abbauen();
  }

  // The three captions of "Drucken" / "Vertretung" beside the plan, each with its title.
  void EachCaptionHasItsPrintout() {
    const struct {
      const char* eintrag;
      TVBereichDruck art;
      QString titel;
    } faelle[] = {
        {"Vertretungsstunden...", TVBereichDruck::Vertretungsstunden, "Vertretungsstunden drucken"},
        {"Vertretungsübersicht für Lehrer...", TVBereichDruck::UebersichtLehrer,
         "Vertretungsübersicht für Lehrer drucken"},
        {"Vertretungsübersicht für Klassen...", TVBereichDruck::UebersichtKlassen,
         "Vertretungsübersicht für Klassen drucken"},
    };
    for (const auto& f : faelle) {
      const TVBereichDruck* art = VBereichDruckZuEintrag(QString::fromUtf8(f.eintrag));
      QVERIFY(art);
      QCOMPARE(*art, f.art);
      TVBereichDruckDialog d(*art, *fSchule, *fStandard);
      QCOMPARE(d.windowTitle(), f.titel);
    }
    QVERIFY(!VBereichDruckZuEintrag(QStringLiteral("Vertretungsplan...")));
  }

  // A range never chosen starts at today; "bis" follows "von" so that it never runs backwards.
  void NewRangeStartsTodayAndNeverRunsBackwards() {
    TVBereichDruckDialog d(TVBereichDruck::UebersichtLehrer, *fSchule, *fStandard);
    QCOMPARE(d.VonFeld()->date(), QDate(2026, 12, 7));
    QCOMPARE(d.BisFeld()->date(), QDate(2026, 12, 7));
    d.VonFeld()->setDate(QDate(2026, 12, 9));
    QCOMPARE(d.BisFeld()->date(), QDate(2026, 12, 9));
    d.BisFeld()->setDate(QDate(2026, 12, 1));
    QCOMPARE(d.VonFeld()->date(), QDate(2026, 12, 1));
    QCOMPARE(d.Von(), Dez(1));
    QCOMPARE(d.Bis(), Dez(1));
  }

  // "Ansehen" stores range, font and margin and shows the pages; the dialog stays open.
  void PreviewStoresTheOptionsAndKeepsTheDialogOpen() {
    TVBereichDruckDialog d(TVBereichDruck::Vertretungsstunden, *fSchule, *fStandard);
    d.fDrucken = [](QWidget*, Dialoge&, const TAufzeichnung&) { QFAIL("Drucken"); };
    d.fAnsehen = Ausgabe();
    d.show();
    d.VonFeld()->setDate(QDate(2026, 12, 2));
    d.BisFeld()->setDate(QDate(2026, 12, 11));
    d.Rand()->setValue(3);
    d.SchriftFeld()->fSchriftWaehlen = [](QFont& schrift) {
      schrift = QFont(QStringLiteral("Courier New"), 12);
      return true;
    };
    d.SchriftFeld()->click();
    QTest::mouseClick(d.AnsehenKnopf(), Qt::LeftButton);
    QVERIFY(d.isVisible());
    QCOMPARE(fStandard->fVStdDruckVon, Dez(2));
    QCOMPARE(fStandard->fVStdDruckBis, Dez(11));
    QCOMPARE(fStandard->fVStdDruckRand, 3);
    QCOMPARE(fStandard->fVStdDruckFont, (TSchrift{"Courier New", 12}));
    // The overview's settings are another group.
    QCOMPARE(fStandard->fVUebDruckVon, 0.0);
    QCOMPARE(fAufrufe.size(), std::size_t{1});
    QCOMPARE(fAufrufe[0].eltern, &d);
    QCOMPARE(fAufrufe[0].titel, QStringLiteral("Vertretungsstunden"));
    QCOMPARE(fAufrufe[0].seiten, 1);
  }

  // "Ok" stores, closes and prints for the window the dialog was opened from; the next dialog
  // starts with the stored range.
  void OkPrintsAndTheNextDialogStartsWithTheRange() {
    QWidget fenster;
    {
      TVBereichDruckDialog d(TVBereichDruck::UebersichtKlassen, *fSchule, *fStandard, &fenster);
      d.fDrucken = Ausgabe();
      d.fAnsehen = [](QWidget*, Dialoge&, const TAufzeichnung&) { QFAIL("Vorschau"); };
      d.show();
      d.BisFeld()->setDate(QDate(2026, 12, 18));
      QTest::mouseClick(d.OkKnopf(), Qt::LeftButton);
      QVERIFY(!d.isVisible());
    }
    QCOMPARE(fStandard->fVUebDruckVon, Dez(7));
    QCOMPARE(fStandard->fVUebDruckBis, Dez(18));
    QCOMPARE(fAufrufe.size(), std::size_t{1});
    QCOMPARE(fAufrufe[0].eltern, &fenster);
    QCOMPARE(fAufrufe[0].titel, QStringLiteral("Vertretungsübersicht für Klassen"));
    TVBereichDruckDialog wieder(TVBereichDruck::UebersichtLehrer, *fSchule, *fStandard);
    QCOMPARE(wieder.BisFeld()->date(), QDate(2026, 12, 18));
  }

  // "Abbrechen" and Escape leave the settings as they were and print nothing.
  void CancelStoresNothing() {
    for (const bool escape : {false, true}) {
      TVBereichDruckDialog d(TVBereichDruck::UebersichtLehrer, *fSchule, *fStandard);
      d.fDrucken = Ausgabe();
      d.fAnsehen = Ausgabe();
      d.show();
      d.Rand()->setValue(5);
      d.VonFeld()->setDate(QDate(2026, 12, 3));
      if (escape) {
        QTest::keyClick(&d, Qt::Key_Escape);
      } else {
        QTest::mouseClick(d.AbbrechenKnopf(), Qt::LeftButton);
      }
      QVERIFY(!d.isVisible());
      QCOMPARE(fStandard->fVUebDruck.Rand, 1);
      QCOMPARE(fStandard->fVUebDruckVon, 0.0);
      QVERIFY(fAufrufe.empty());
    }
  }

  // The menu entries of "Drucken" / "Vertretung" open these dialogs.
  void MenuEntriesOpenTheDialogs() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("d.orb"))));
    for (const char* eintrag : {"Vertretungsstunden...", "Vertretungsübersicht für Lehrer...",
                                "Vertretungsübersicht für Klassen..."}) {
      const QStringList pfad = {"Datei", "Drucken", "Vertretung", QString::fromUtf8(eintrag)};
      QVERIFY(lauf.An(pfad));
      QString titel;
      TModalSkript skript;
      skript.Dann([&titel](QWidget* w) {
        if (auto* d = qobject_cast<TVBereichDruckDialog*>(w)) titel = d->windowTitle();
        SchliesseOhneAenderung(w);
      });
      lauf.Waehle(pfad);
      QTRY_VERIFY(skript.Fertig());
      QCOMPARE(titel, QString::fromUtf8(eintrag).chopped(3) + QStringLiteral(" drucken"));
    }
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::VBereichDruckDialogTest)
#include "vbereichdruckdialog_test.moc"
