#include "ui/drucken/plandruckdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "lauf.h"
#include "model/dokument/schule.h"
#include "model/elemente/lehrer.h"
#include "model/schnittstellen/dialoge.h"
#include "oberflaeche.h"
#include "print/druckermass.h"
#include "print/prevprinter.h"
#include "ui/bausteine/schriftfeld.h"

namespace orbato {
namespace {

QStringList Texte(const TPlanDruckDialog& d) {
  QStringList texte;
  for (const auto& [feld, option] : d.Haken()) texte << feld->text();
  return texte;
}

}  // namespace

class PlanDruckDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    fStandard = std::make_unique<TStandard>();
    fEingesetzt = std::make_unique<TStandardEinsetzen>(*fStandard);
    fSchule = std::make_unique<TSchule>();
    fSchuleEingesetzt = std::make_unique<TSchuleEinsetzen>(*fSchule);
    fSchule->HoleLehrer("M\xDCL");
    fSchule->HoleLehrer("SCH");
    fSchule->HoleKlasse("5a");
  }
  void cleanup() {
    fSchuleEingesetzt.reset();
    fSchule.reset();
    fEingesetzt.reset();
    fStandard.reset();
  }

  // The options of the settings, every one in its field.
  void ShowsTheStoredOptions() {
    TDruckEinstellung& e = fStandard->fLPlnDruck;
    e.VonTag = 2;
    e.VonStd = 3;
    e.BisTag = 4;
    e.BisStd = 6;
    e.Bem = "Aushang ab Montag";
    e.Neben = true;
    e.Links = true;
    e.Kl = false;
    e.Fett = true;
    e.Alle = false;
    e.EineSeite = true;
    e.Ab = 46000.5;
    e.RandLi = 2;
    e.RandRe = 1;
    e.RandOb = 3;
    e.RandUn = 4;
    e.Font = {"Courier New", 11};
    TPlanDruckDialog d(TPlanDruckArt::Lehrer, *fStandard, *fSchule);
    QCOMPARE(d.windowTitle(), QStringLiteral("Lehrerpläne drucken"));
    QCOMPARE(d.VonTag()->currentText(), QStringLiteral("Dienstag"));
    QCOMPARE(d.VonStd()->currentText(), QStringLiteral(" 3"));
    QCOMPARE(d.BisTag()->currentText(), QStringLiteral("Donnerstag"));
    QCOMPARE(d.BisStd()->currentText(), QStringLiteral(" 6"));
    QCOMPARE(d.Bemerkung()->text(), QStringLiteral("Aushang ab Montag"));
    QVERIFY(d.Nebeneinander()->isChecked() && !d.Untereinander()->isChecked());
    QVERIFY(d.TageLinks()->isChecked() && !d.StundenLinks()->isChecked());
    QCOMPARE(Texte(d), (QStringList{"mit Klasse", "mit Fach", "mit Raum", "mit Kopplung",
                                    "Kopplung statt Klasse", "mit Sperrungen", "mit Fixierungen",
                                    "Kopplungen fett", "alle Lehrerpläne", "mit Datum",
                                    "1 Seite pro Plan", "mit Farbe", "alle Planversionen"}));
    QStringList an;
    for (const auto& [feld, option] : d.Haken()) {
      if (feld->isChecked()) an << feld->text();
    }
    QCOMPARE(an,
             (QStringList{"mit Fach", "mit Raum", "Kopplung statt Klasse", "mit Sperrungen",
                          "mit Fixierungen", "Kopplungen fett", "mit Datum", "1 Seite pro Plan"}));
    QCOMPARE(d.Ab()->dateTime(), QDateTime(QDate(2025, 12, 9), QTime(12, 0)));
    QCOMPARE((QList<int>{d.Rand(0)->value(), d.Rand(1)->value(), d.Rand(2)->value(),
                         d.Rand(3)->value()}),
             (QList<int>{2, 1, 3, 4}));
    QCOMPARE(d.SchriftFeld()->text(), QStringLiteral("Courier New, 11 pt"));
    QCOMPARE(d.AuswahlFeld()->text(), QStringLiteral("alle"));
    for (const char* knopf : {"Ok", "Ansehen", "Auswahl", "Abbrechen"}) {
      QVERIFY2(KnopfMit(&d, QString::fromUtf8(knopf)), knopf);
    }
  }

  // "Ok" stores every option, closes and hands over the printout of the chosen teachers.
  void OkStoresTheOptionsClosesAndPrints() {
    TPlanDruckDialog d(TPlanDruckArt::Lehrer, *fStandard, *fSchule);
    std::vector<TAufzeichnung> gedruckt;
    TDruckEinstellung beimDruck;
    d.fDrucken = [&](const TAufzeichnung& a) {
      QVERIFY(!d.isVisible());
      beimDruck = fStandard->fLPlnDruck;
      gedruckt.push_back(a);
    };
    d.fAnsehen = [](const TAufzeichnung&) { QFAIL("Ansehen"); };
    d.SchriftFeld()->fSchriftWaehlen = [](QFont& f) {
      f = QFont(QStringLiteral("Times New Roman"));
      f.setPointSize(12);
      return true;
    };
    d.fWaehlen = [](const QStringList& kuerzel) {
      [&] { QCOMPARE(kuerzel, (QStringList{"MÜL", "SCH"})); }();
      return std::vector<int>{1};
    };
    d.show();
    d.VonTag()->setCurrentIndex(1);
    d.BisStd()->setCurrentIndex(7);
    d.Bemerkung()->setText(QStringLiteral("Gültig ab März"));
    d.Nebeneinander()->setChecked(true);
    d.TageLinks()->setChecked(true);
    d.Haken(QStringLiteral("mit Kopplung"))->setChecked(true);
    d.Haken(QStringLiteral("alle Lehrerpläne"))->setChecked(false);
    d.Haken(QStringLiteral("mit Farbe"))->setChecked(true);
    d.Ab()->setDateTime(QDateTime(QDate(2026, 3, 1), QTime(6, 0)));
    d.Rand(1)->setValue(2);
    d.Rand(3)->setValue(1);
    d.SchriftFeld()->click();
    QCOMPARE(d.SchriftFeld()->text(), QStringLiteral("Times New Roman, 12 pt"));
    d.AuswahlKnopf()->click();
    QCOMPARE(d.AuswahlFeld()->text(), QStringLiteral("SCH"));
    QTest::mouseClick(d.OkKnopf(), Qt::LeftButton);

    QCOMPARE(gedruckt.size(), std::size_t{1});
    QCOMPARE(d.result(), int(QDialog::Accepted));
    TDruckEinstellung erwartet;
    erwartet.VonTag = 2;
    erwartet.BisStd = 8;
    erwartet.Bem = "G\xFCltig ab M\xE4rz";
    erwartet.Neben = true;
    erwartet.Links = true;
    erwartet.Ko = true;
    erwartet.Alle = false;
    erwartet.Farbe = true;
    erwartet.Ab = 46082.25;
    erwartet.RandRe = 2;
    erwartet.RandUn = 1;
    erwartet.Font = {"Times New Roman", 12};
    QVERIFY(fStandard->fLPlnDruck == erwartet);
    QVERIFY(beimDruck == erwartet);
    // The other printouts keep theirs.
    QVERIFY(fStandard->fKPlnDruck == TDruckEinstellung{});

    // The recording prints SCH alone, on a page of its own.
    fStandard->fLPlnDruck.Alle = true;
    fStandard->fLPlnDruck.EineSeite = true;
    TSkriptDialoge dialoge;
    TPrevPrinter drucker(dialoge, PdfMass());
    gedruckt[0](drucker);
    QCOMPARE(drucker.Title(), QStringLiteral("Lehrerpläne"));
    QCOMPARE(drucker.GetPageCount(), 1);
  }

  // "Ansehen" stores the options and keeps the dialog open; "Abbrechen" stores nothing.
  void PreviewStoresAndCancelDoesNot() {
    TPlanDruckDialog d(TPlanDruckArt::Raeume, *fStandard, *fSchule);
    int angesehen = 0;
    d.fAnsehen = [&](const TAufzeichnung&) {
      QVERIFY(!fStandard->fRPlnDruck.Sperr);
      ++angesehen;
    };
    d.fDrucken = [](const TAufzeichnung&) { QFAIL("Drucken"); };
    d.show();
    d.Haken(QStringLiteral("mit Sperrungen"))->setChecked(false);
    d.AnsehenKnopf()->click();
    QCOMPARE(angesehen, 1);
    QVERIFY(d.isVisible());
    d.Haken(QStringLiteral("mit Fach"))->setChecked(false);
    KnopfMit(&d, QStringLiteral("Abbrechen"))->click();
    QVERIFY(!d.isVisible());
    QVERIFY(fStandard->fRPlnDruck.Fa);
    QVERIFY(!fStandard->fRPlnDruck.Sperr);
  }

  // Each printout names its own elements; the coupling plans have no cell parts.
  void CaptionsFollowThePrintout() {
    TPlanDruckDialog klassen(TPlanDruckArt::Klassen, *fStandard, *fSchule);
    QCOMPARE(klassen.windowTitle(), QStringLiteral("Klassenpläne drucken"));
    QCOMPARE(Texte(klassen).mid(0, 5), (QStringList{"mit Lehrer", "mit Fach", "mit Raum",
                                                    "mit Kopplung", "Kopplung statt Lehrer"}));
    QVERIFY(klassen.Haken(QStringLiteral("alle Klassenpläne")));
    QVERIFY(KnopfMit(&klassen, QStringLiteral("untereinander")));
    klassen.Haken(QStringLiteral("mit Lehrer"))->setChecked(false);
    klassen.Uebernehmen();
    QVERIFY(!fStandard->fKPlnDruck.Le);
    QVERIFY(fStandard->fKPlnDruck.Kl);

    TPlanDruckDialog raeume(TPlanDruckArt::Raeume, *fStandard, *fSchule);
    QCOMPARE(raeume.windowTitle(), QStringLiteral("Raumpläne drucken"));
    QCOMPARE(Texte(raeume).mid(0, 5), (QStringList{"mit Klasse", "mit Fach", "mit Lehrer",
                                                   "mit Kopplung", "Kopplung statt Klasse"}));
    QVERIFY(raeume.Haken(QStringLiteral("alle Raumpläne")));

    fStandard->fKoKlPlnDruck.MitKuerzel = false;
    TPlanDruckDialog kopplungen(TPlanDruckArt::KopplungenKlassen, *fStandard, *fSchule);
    kopplungen.show();
    QCOMPARE(kopplungen.windowTitle(), QStringLiteral("Kopplungspläne für Klassen drucken"));
    QCOMPARE(Texte(kopplungen),
             (QStringList{"mit Kürzel", "mit Sperrungen", "mit Fixierungen", "Kopplungen fett",
                          "alle Kopplungspläne", "mit Datum", "mit Farbe", "alle Planversionen"}));
    QVERIFY(!kopplungen.Haken(QStringLiteral("mit Kürzel"))->isChecked());
    QVERIFY(!kopplungen.Nebeneinander()->isVisible());
    QVERIFY(kopplungen.TageLinks()->isVisible());
    kopplungen.fWaehlen = [](const QStringList& kuerzel) {
      [&] { QCOMPARE(kuerzel, QStringList{"5a"}); }();
      return std::vector<int>{0};
    };
    kopplungen.AuswahlKnopf()->click();
    QCOMPARE(kopplungen.Auswahl().size(), std::size_t{1});
    QCOMPARE(kopplungen.Auswahl()[0]->fKuerzel.str(), std::string("5a"));

    TPlanDruckDialog lehrer(TPlanDruckArt::KopplungenLehrer, *fStandard, *fSchule);
    QCOMPARE(lehrer.windowTitle(), QStringLiteral("Kopplungspläne für Lehrer drucken"));
  }

  // The menu entry opens the dialog only with a document open.
  void MenuEntryOpensTheDialog() {
    cleanup();
    TLauf lauf;
    const QStringList pfad = {"Datei", "Drucken", "Kopplungspläne für Lehrer..."};
    QVERIFY(lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("d.orb"))));
    QVERIFY(lauf.An(pfad));
    TModalSkript skript;
    skript.Dann([](QWidget* w) {
      auto* d = qobject_cast<TPlanDruckDialog*>(w);
      QVERIFY(d);
      QCOMPARE(d->windowTitle(), QStringLiteral("Kopplungspläne für Lehrer drucken"));
      KnopfMit(d, QStringLiteral("Abbrechen"))->click();
    });
    lauf.Waehle(pfad);
    QTRY_VERIFY(skript.Fertig());
    QVERIFY(skript.fUnerwartet.isEmpty());
  }

 private:
  std::unique_ptr<TStandard> fStandard;
  std::unique_ptr<TStandardEinsetzen> fEingesetzt;
  std::unique_ptr<TSchule> fSchule;
  std::unique_ptr<TSchuleEinsetzen> fSchuleEingesetzt;
};

}  // namespace orbato

QTEST_MAIN(orbato::PlanDruckDialogTest)
#include "plandruckdialog_test.moc"
