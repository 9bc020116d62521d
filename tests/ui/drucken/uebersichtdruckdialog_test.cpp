#include "ui/drucken/uebersichtdruckdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
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

QStringList Pfad(const QString& eintrag) {
  return {QStringLiteral("Datei"), QStringLiteral("Drucken"), QStringLiteral("Übersichten"),
          eintrag};
}

// One call of an output: which one, the parent it got, and the pages its recording gave.
struct TAufruf {
  QString knopf;
  QWidget* eltern = nullptr;
  int seiten = 0;
  QString titel;
};

// A document of its own with two teachers, installed as the program's with its settings.
struct TDokument {
  TStandard standard;
  TStandardEinsetzen standardEingesetzt{standard};
  TSchule schule;
  TSchuleEinsetzen schuleEingesetzt{schule};
  TDokument() {
    schule.HoleLehrer("M\xDCL");
    schule.HoleLehrer("SCH");
    standard.fMaxTageNeu = 5;
    standard.fPlnStd = 8;
  }
};

}  // namespace

class UebersichtDruckDialogTest : public QObject {
  Q_OBJECT

  // The outputs of the dialog, recorded with the pages each would get.
  static void Mitschreiben(TUebersichtDruckDialog& d, std::vector<TAufruf>& aufrufe) {
    const auto ausgabe = [&aufrufe](const QString& knopf) {
      return [&aufrufe, knopf](QWidget* eltern, Dialoge& dialoge, const TAufzeichnung& a) {
        TPrevPrinter drucker(dialoge, PdfMass(QPageLayout::Landscape));
        a(drucker);
        aufrufe.push_back({knopf, eltern, drucker.GetPageCount(), drucker.Title()});
      };
    };
    d.fDrucken = ausgabe(QStringLiteral("Ok"));
    d.fAnsehen = ausgabe(QStringLiteral("Ansehen"));
  }

 private slots:
  // The five entries open their dialogs; without a document they do nothing.
  void MenuEntriesOpenTheDialogOfTheirOverview() {
    TLauf lauf;
    {
      TModalSkript ohneDokument;
      lauf.Waehle(Pfad(QStringLiteral("Lehrer...")));
      QTest::qWait(50);
      QVERIFY(ohneDokument.fTitel.isEmpty());
    }
    QVERIFY(lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("d.orb"))));
    TModalSkript skript;
    const QStringList eintraege = {"Lehrer...", "Klassen...", "Räume...", "Fächer...",
                                   "Kombination..."};
    for (int i = 0; i < eintraege.size(); ++i) skript.Druecke(QStringLiteral("Abbrechen"));
    for (const QString& e : eintraege) {
      QVERIFY(lauf.An(Pfad(e)));
      lauf.Waehle(Pfad(e));
    }
    QTRY_VERIFY(skript.Fertig());
    QCOMPARE(skript.fTitel, (QStringList{"Lehrerübersicht drucken", "Klassenübersicht drucken",
                                         "Raumübersicht drucken", "Fächerübersicht drucken",
                                         "Kopplungsübersicht drucken"}));
    QVERIFY(skript.fUnerwartet.isEmpty());
  }

  // "Ok" from the menu stores the options, shows the printer dialog (here cancelled) and the
  // settings are written when the program ends.
  void OkFromTheMenuStoresAndTheSettingsAreSavedAtExit() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("d.orb"))));
    TModalSkript skript;
    skript.Dann([](QWidget* w) {
      auto* d = qobject_cast<TUebersichtDruckDialog*>(w);
      QVERIFY(d);
      d->Bemerkung()->setText(QStringLiteral("Aushang Flur"));
      d->Haken(QStringLiteral("mit Farbe"))->setChecked(true);
      d->Haken(QStringLiteral("mit Raum"))->setChecked(false);
      d->Raender()[3]->setValue(2);
      KnopfMit(d, QStringLiteral("Ok"))->click();
    });
    skript.Dann([](QWidget* w) { SchliesseOhneAenderung(w); });
    lauf.Waehle(Pfad(QStringLiteral("Lehrer...")));
    QTRY_VERIFY(skript.Fertig());
    QCOMPARE(skript.fTitel.size(), 2);
    const TDruckEinstellung& e = lauf.palette->standard().fLUebDruck;
    QCOMPARE(e.Bem.str(), std::string("Aushang Flur"));
    QVERIFY(e.Farbe && !e.Ra && e.Kl);
    QCOMPARE(e.RandUn, 2);
    lauf.palette->close();
    QVERIFY(lauf.speicher->Sichern());
    QSettings ini(lauf.EinstellungsDatei(), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Tevi17/lubm")).toString(), QStringLiteral("Aushang Flur"));
    QCOMPARE(ini.value(QStringLiteral("Tevi17/luco")).toString(), QStringLiteral("1"));
    QCOMPARE(ini.value(QStringLiteral("Tevi17/lura")).toString(), QStringLiteral("0"));
    QCOMPARE(ini.value(QStringLiteral("Tevi17/luru")).toString(), QStringLiteral("2"));
  }

  // The teachers' dialog shows the stored options; "Ok" stores every one of them, closes, and
  // prints what the recording gives for the options stored.
  void TeacherDialogShowsAndStoresItsOptions() {
    TDokument dok;
    TDruckEinstellung& e = dok.standard.fLUebDruck;
    e.VonTag = 2;
    e.VonStd = 3;
    e.BisTag = 4;
    e.BisStd = 12;  // beyond the week: the last period
    e.Bem = "Stand Montag";
    e.Ko = true;
    e.Fett = true;
    e.RandLi = 3;
    e.Font = {"Courier", 9};
    std::vector<TAufruf> aufrufe;
    QWidget eltern;
    TUebersichtDruckDialog d(TUebersichtArt::Lehrer, dok.schule, dok.standard, &eltern);
    Mitschreiben(d, aufrufe);
    QCOMPARE(d.windowTitle(), QStringLiteral("Lehrerübersicht drucken"));
    QCOMPARE(d.HakenTexte(),
             (QStringList{"mit Klasse", "mit Fach", "mit Raum", "mit Kopplung",
                          "Kopplung statt Klasse", "mit Sperrungen", "mit Fixierungen",
                          "Kopplungen fett", "mit Farbe", "untereinander"}));
    QCOMPARE(d.VonTag()->count(), 5);
    QCOMPARE(d.VonTag()->currentText(), QStringLiteral("Di"));
    QCOMPARE(d.VonStd()->count(), 8);
    QCOMPARE(d.VonStd()->currentText(), QStringLiteral("3"));
    QCOMPARE(d.BisTag()->currentText(), QStringLiteral("Do"));
    QCOMPARE(d.BisStd()->currentText(), QStringLiteral("8"));
    QCOMPARE(d.Bemerkung()->text(), QStringLiteral("Stand Montag"));
    QVERIFY(d.Haken(QStringLiteral("mit Kopplung"))->isChecked());
    QVERIFY(d.Haken(QStringLiteral("Kopplungen fett"))->isChecked());
    QVERIFY(!d.Haken(QStringLiteral("untereinander"))->isChecked());
    QCOMPARE(d.Raender().size(), std::size_t{4});
    QCOMPARE(d.Raender()[0]->value(), 3);
    QCOMPARE(d.SchriftFeld()->text(), QStringLiteral("Courier, 9 pt"));

    d.SchriftFeld()->fSchriftWaehlen = [](QFont& f) {
      f = QFont(QStringLiteral("Arial"));
      f.setPointSize(7);
      return true;
    };
    d.SchriftFeld()->click();
    d.VonTag()->setCurrentIndex(0);
    d.BisStd()->setCurrentIndex(5);
    d.Haken(QStringLiteral("untereinander"))->setChecked(true);
    d.Haken(QStringLiteral("mit Fach"))->setChecked(false);
    d.Raender()[1]->setValue(1);
    d.show();
    KnopfMit(&d, QStringLiteral("Ok"))->click();
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(e.VonTag, 1);
    QCOMPARE(e.VonStd, 3);
    QCOMPARE(e.BisTag, 4);
    QCOMPARE(e.BisStd, 6);
    QVERIFY(e.Un && !e.Fa && e.Kl && e.Ra);
    QCOMPARE(e.RandRe, 1);
    QCOMPARE(e.Font, (TSchrift{"Arial", 7}));
    QCOMPARE(aufrufe.size(), std::size_t{1});
    QCOMPARE(aufrufe[0].knopf, QStringLiteral("Ok"));
    QCOMPARE(aufrufe[0].eltern, &eltern);
    QCOMPARE(aufrufe[0].seiten, 1);
    QCOMPARE(aufrufe[0].titel, QStringLiteral("Lehrerübersicht"));
    // The other overviews keep their own settings.
    QCOMPARE(dok.standard.fKUebDruck, TDruckEinstellung{});
  }

  // "Ansehen" stores and previews with the dialog as parent, which stays open; "Abbrechen" then
  // closes without storing what changed since.
  void PreviewStoresAndCancelStoresNothing() {
    TDokument dok;
    std::vector<TAufruf> aufrufe;
    TUebersichtDruckDialog d(TUebersichtArt::Kombination, dok.schule, dok.standard);
    Mitschreiben(d, aufrufe);
    d.show();
    d.Haken(QStringLiteral("mit Datum"))->setChecked(false);
    KnopfMit(&d, QStringLiteral("Ansehen"))->click();
    QVERIFY(d.isVisible());
    QVERIFY(!dok.standard.fKoUebDruck.Datum);
    QCOMPARE(aufrufe.size(), std::size_t{1});
    QCOMPARE(aufrufe[0].knopf, QStringLiteral("Ansehen"));
    QCOMPARE(aufrufe[0].eltern, &d);
    QCOMPARE(aufrufe[0].seiten, 0);  // no couplings, no pages

    d.Haken(QStringLiteral("mit Farbe"))->setChecked(true);
    d.Bemerkung()->setText(QStringLiteral("verworfen"));
    KnopfMit(&d, QStringLiteral("Abbrechen"))->click();
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QVERIFY(!dok.standard.fKoUebDruck.Farbe);
    QCOMPARE(dok.standard.fKoUebDruck.Bem.str(), std::string("Bemerkung"));
    QCOMPARE(aufrufe.size(), std::size_t{1});
  }

  // Each overview offers the options it keeps: classes name the teacher, rooms both; couplings
  // have no cell parts but the date; subjects have no range, a single margin, and their parts
  // follow "mit Kursen".
  void EachKindOffersItsOwnOptions() {
    TDokument dok;
    TUebersichtDruckDialog klassen(TUebersichtArt::Klassen, dok.schule, dok.standard);
    QCOMPARE(klassen.HakenTexte().mid(0, 5),
             (QStringList{"mit Lehrer", "mit Fach", "mit Raum", "mit Kopplung",
                          "Kopplung statt Lehrer"}));
    TUebersichtDruckDialog raeume(TUebersichtArt::Raeume, dok.schule, dok.standard);
    QCOMPARE(raeume.HakenTexte().mid(0, 3), (QStringList{"mit Klasse", "mit Fach", "mit Lehrer"}));
    TUebersichtDruckDialog kopplungen(TUebersichtArt::Kombination, dok.schule, dok.standard);
    QCOMPARE(kopplungen.HakenTexte(),
             (QStringList{"mit Sperrungen", "mit Fixierungen", "Kopplungen fett", "mit Datum",
                          "mit Farbe", "untereinander"}));
    QVERIFY(kopplungen.VonTag() != nullptr);

    dok.standard.fFUebDruck.Rand = 4;
    dok.standard.fFUebDruck.Ko = true;
    std::vector<TAufruf> aufrufe;
    TUebersichtDruckDialog faecher(TUebersichtArt::Faecher, dok.schule, dok.standard);
    Mitschreiben(faecher, aufrufe);
    QCOMPARE(faecher.windowTitle(), QStringLiteral("Fächerübersicht drucken"));
    QCOMPARE(faecher.HakenTexte(),
             (QStringList{"mit Kursen", "mit Lehrer", "mit Klasse", "mit Raum", "mit Kopplung",
                          "Kopplung statt Klasse", "mit Datum"}));
    QVERIFY(faecher.VonTag() == nullptr && faecher.BisStd() == nullptr);
    QCOMPARE(faecher.Raender().size(), std::size_t{1});
    QCOMPARE(faecher.Raender()[0]->value(), 4);
    QVERIFY(faecher.Haken(QStringLiteral("mit Kopplung"))->isChecked());
    QVERIFY(faecher.Haken(QStringLiteral("mit Raum"))->isEnabled());
    faecher.Haken(QStringLiteral("mit Kursen"))->setChecked(false);
    QVERIFY(!faecher.Haken(QStringLiteral("mit Raum"))->isEnabled());
    QVERIFY(!faecher.Haken(QStringLiteral("mit Lehrer"))->isEnabled());
    QVERIFY(faecher.Haken(QStringLiteral("mit Datum"))->isEnabled());
    faecher.Raender()[0]->setValue(2);
    faecher.show();
    KnopfMit(&faecher, QStringLiteral("Ok"))->click();
    QVERIFY(!dok.standard.fFUebDruck.Ku);
    QCOMPARE(dok.standard.fFUebDruck.Rand, 2);
    QCOMPARE(dok.standard.fFUebDruck.RandLi, 1);  // not an option of the subject overview
    QCOMPARE(aufrufe.size(), std::size_t{1});
    QCOMPARE(aufrufe[0].seiten, 0);  // no subjects
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::UebersichtDruckDialogTest)
#include "uebersichtdruckdialog_test.moc"
