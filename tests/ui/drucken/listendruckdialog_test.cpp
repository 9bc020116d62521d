#include "ui/drucken/listendruckdialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTest>

#include "dokument.h"
#include "lauf.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "oberflaeche.h"
#include "print/druckermass.h"
#include "print/prevprinter.h"
#include "ui/bausteine/schriftfeld.h"

namespace orbato {
namespace {

// One call of an output: the window it was given and the pages it recorded.
struct TAusgabeAufruf {
  QWidget* eltern = nullptr;
  int seiten = 0;
  QString titel;
};

QStringList Texte(const QList<QCheckBox*>& felder) {
  QStringList texte;
  for (const QCheckBox* f : felder) texte << f->text();
  return texte;
}

QList<bool> Haken(const QList<QCheckBox*>& felder) {
  QList<bool> haken;
  for (const QCheckBox* f : felder) haken << f->isChecked();
  return haken;
}

}  // namespace

class ListenDruckDialogTest : public QObject, TEingesetztesDokument {
  Q_OBJECT

  TSkriptDialoge fDialoge;
  std::vector<TAusgabeAufruf> fAufrufe;

  // Records what the dialog hands over, as the printer would get it.
  TListenDruckDialog::TAusgabe Ausgabe() {
    return [this](QWidget* eltern, Dialoge& dialoge, const TAufzeichnung& aufzeichnen) {
      TPrevPrinter drucker(dialoge, PdfMass());
      aufzeichnen(drucker);
      fAufrufe.push_back({eltern, drucker.GetPageCount(), drucker.Title()});
    };
  }

 private slots:
  void init() {
    Anlegen(fDialoge);
    fAufrufe.clear();
    for (const char* k : {"MEI", "SCH", "KOH"}) fSchule->HoleLehrer(k);
    fSchule->HoleLehrer("MEI")->SetInfo("Meier, Anna");
    for (const char* k : {"5a", "5b"}) fSchule->HoleKlasse(k);
    auto* kurs = new TKurs;
    kurs->IKurs(fSchule->HoleLehrer("MEI"), fSchule->HoleKlasse("5a"), 4, nullptr,
                fSchule->HoleFach("M"), nullptr);
  }
  void cleanup() { Abbauen(); }

  // Each printout has its title and the options its settings group stores, ticked as stored.
  void EachPrintoutShowsItsTitleAndOptions() {
    struct TFall {
      TListenDruck art;
      QString titel;
      QStringList optionen;
      QList<bool> haken;
    };
    const TFall faelle[] = {
        {TListenDruck::Kuerzel,
         "Kürzel drucken",
         {"Lehrer", "Klassen", "Kopplungen", "Fächer", "Räume", "UV-Tabellen"},
         {true, true, true, true, true, true}},
        {TListenDruck::Deputate,
         "Deputate drucken",
         {"mit Datum", "1 Seite pro Deputat", "mit Zusatzinfo", "mit Kursinfo", "mit Farbe"},
         {false, false, false, false, false}},
        {TListenDruck::Reststunden, "Reststunden drucken", {"mit Datum"}, {false}},
        {TListenDruck::Stundenverteilung,
         "Stundenverteilung drucken",
         {"mit Datum", "nach Springstunden sortiert", "mit Gesamtsumme", "mit Farbe"},
         {false, false, false, false}},
        {TListenDruck::Fachkonferenzen,
         "Fachkonferenzen drucken",
         {"1 Seite pro Fach", "mit Einsatz"},
         {true, false}},
        {TListenDruck::Klassenkonferenzen,
         "Klassenkonferenzen drucken",
         {"1 Seite pro Klasse"},
         {true}},
    };
    for (const TFall& f : faelle) {
      TListenDruckDialog d(f.art, *fSchule, *fStandard);
      QCOMPARE(d.windowTitle(), f.titel);
      QCOMPARE(Texte(d.Optionen()), f.optionen);
      QCOMPARE(Haken(d.Optionen()), f.haken);
      QCOMPARE(d.Rand()->value(), 1);
      QCOMPARE(d.SchriftFeld()->text(), QStringLiteral("Arial, 8 pt"));
      QCOMPARE(d.AuswahlListe() != nullptr, f.art == TListenDruck::Deputate);
      for (const char* knopf : {"Ok", "Ansehen", "Abbrechen"}) {
        QVERIFY2(KnopfMit(&d, QString::fromUtf8(knopf)), knopf);
      }
    }
  }

  // "Ok" stores the ticks, font and margin, closes, and hands the recording to the printer
  // dialog of the window the dialog came from.
  void OkStoresClosesAndPrints() {
    QWidget fenster;
    TListenDruckDialog d(TListenDruck::Fachkonferenzen, *fSchule, *fStandard, &fenster);
    d.fDrucken = Ausgabe();
    d.fAnsehen = [](QWidget*, Dialoge&, const TAufzeichnung&) { QFAIL("Vorschau"); };
    d.SchriftFeld()->fSchriftWaehlen = [](QFont& schrift) {
      schrift = QFont(QStringLiteral("Courier New"), 11);
      return true;
    };
    d.show();
    d.Option(QStringLiteral("1 Seite pro Fach"))->setChecked(false);
    d.Option(QStringLiteral("mit Einsatz"))->setChecked(true);
    d.Rand()->setValue(2);
    d.SchriftFeld()->click();
    QCOMPARE(d.SchriftFeld()->text(), QStringLiteral("Courier New, 11 pt"));
    QTest::mouseClick(d.OkKnopf(), Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    const TDruckEinstellung& e = fStandard->fFaKonfDruck;
    QVERIFY(!e.Einzeln && e.Einsatz);
    QCOMPARE(e.Rand, 2);
    QCOMPARE(e.Font, (TSchrift{"Courier New", 11}));
    QCOMPARE(fAufrufe.size(), std::size_t{1});
    QCOMPARE(fAufrufe[0].eltern, &fenster);
    QCOMPARE(fAufrufe[0].titel, QStringLiteral("Fachkonferenzen"));
    QCOMPARE(fAufrufe[0].seiten, 1);
  }

  // "Ansehen" stores first, so that the preview shows the options as ticked; the dialog stays.
  void PreviewStoresAndKeepsTheDialogOpen() {
    TListenDruckDialog d(TListenDruck::Kuerzel, *fSchule, *fStandard);
    d.fDrucken = [](QWidget*, Dialoge&, const TAufzeichnung&) { QFAIL("Drucken"); };
    d.fAnsehen = Ausgabe();
    d.show();
    d.Option(QStringLiteral("Kopplungen"))->setChecked(false);
    QTest::mouseClick(d.AnsehenKnopf(), Qt::LeftButton);
    QVERIFY(d.isVisible());
    QVERIFY(!fStandard->fKueDruck.Ko && fStandard->fKueDruck.Le);
    QCOMPARE(fAufrufe.size(), std::size_t{1});
    QCOMPARE(fAufrufe[0].eltern, &d);
    QCOMPARE(fAufrufe[0].titel, QStringLiteral("Kürzel"));
  }

  // "Abbrechen" and Escape leave the settings as they were and print nothing.
  void CancelStoresNothing() {
    for (const bool escape : {false, true}) {
      TListenDruckDialog d(TListenDruck::Stundenverteilung, *fSchule, *fStandard);
      d.fDrucken = Ausgabe();
      d.fAnsehen = Ausgabe();
      d.show();
      d.Option(QStringLiteral("mit Farbe"))->setChecked(true);
      d.Rand()->setValue(4);
      if (escape) {
        QTest::keyClick(&d, Qt::Key_Escape);
      } else {
        QTest::mouseClick(d.AbbrechenKnopf(), Qt::LeftButton);
      }
      QVERIFY(!d.isVisible());
      QVERIFY(!fStandard->fSVDruck.Fa);
      QCOMPARE(fStandard->fSVDruck.Rand, 1);
      QVERIFY(fAufrufe.empty());
    }
  }

  // The choice lists the elements of the kind of sheet; the chosen ones alone are printed, none
  // chosen prints them all.
  void TeachingLoadSheetsOfTheChosenElements() {
    fStandard->fDepDruck.EineSeite = true;
    TListenDruckDialog d(TListenDruck::Deputate, *fSchule, *fStandard);
    d.fDrucken = Ausgabe();
    d.fAnsehen = Ausgabe();
    QVERIFY(d.DeputatArt(0)->isChecked());
    QCOMPARE(d.Option(QStringLiteral("1 Seite pro Deputat"))->isChecked(), true);
    QListWidget* liste = d.AuswahlListe();
    QCOMPARE(liste->count(), 3);
    QCOMPARE(liste->item(0)->text(), QStringLiteral("MEI   Meier, Anna"));
    QCOMPARE(liste->item(2)->text(), QStringLiteral("KOH"));
    QTest::mouseClick(d.AnsehenKnopf(), Qt::LeftButton);
    liste->item(0)->setSelected(true);
    liste->item(2)->setSelected(true);
    QCOMPARE(d.Auswahl(), (std::vector<const TPlanElement*>{fSchule->HoleLehrer("MEI"),
                                                            fSchule->HoleLehrer("KOH")}));
    QTest::mouseClick(d.AnsehenKnopf(), Qt::LeftButton);

    d.DeputatArt(1)->setChecked(true);
    QCOMPARE(liste->count(), 2);
    QCOMPARE(liste->item(1)->text(), QStringLiteral("5b"));
    QVERIFY(d.Auswahl().empty());
    liste->item(1)->setSelected(true);
    QTest::mouseClick(d.OkKnopf(), Qt::LeftButton);
    QVERIFY(fStandard->fDepDruck.Kl && !fStandard->fDepDruck.Links);
    QCOMPARE(fAufrufe.size(), std::size_t{3});
    QCOMPARE(fAufrufe[0].seiten, 3);
    QCOMPARE(fAufrufe[1].seiten, 2);
    QCOMPARE(fAufrufe[2].seiten, 1);

    fStandard->fDepDruck.Links = true;
    TListenDruckDialog raeume(TListenDruck::Deputate, *fSchule, *fStandard);
    QVERIFY(raeume.DeputatArt(2)->isChecked());
    QCOMPARE(raeume.AuswahlListe()->count(), 0);
  }

  // The six menu entries open their dialogs once a document is open; the options chosen
  // outlive the program in its settings store. A cancelled printer dialog prints nothing.
  void MenuEntriesOpenTheDialogsAndTheOptionsAreKept() {
    const QList<QStringList> pfade = {{"Datei", "Drucken", "Kürzel..."},
                                      {"Datei", "Drucken", "Deputate..."},
                                      {"Datei", "Drucken", "Listen", "Reststunden..."},
                                      {"Datei", "Drucken", "Listen", "Stundenverteilung..."},
                                      {"Datei", "Drucken", "Listen", "Fachkonferenzen..."},
                                      {"Datei", "Drucken", "Listen", "Klassenkonferenzen..."}};
    const QStringList titel = {"Kürzel drucken",          "Deputate drucken",
                               "Reststunden drucken",     "Stundenverteilung drucken",
                               "Fachkonferenzen drucken", "Klassenkonferenzen drucken"};
    TLauf lauf;
    QVERIFY(!lauf.An({"Datei", "Drucken"}));
    QVERIFY(lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("d.orb"))));
    for (int i = 0; i < pfade.size(); ++i) {
      QVERIFY(lauf.An(pfade[i]));
      TModalSkript skript;
      skript.Dann([&titel, i](QWidget* w) {
        auto* d = qobject_cast<TListenDruckDialog*>(w);
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), titel[i]);
        KnopfMit(d, QStringLiteral("Abbrechen"))->click();
      });
      lauf.Waehle(pfade[i]);
      QTRY_VERIFY(skript.Fertig());
      QVERIFY(skript.fUnerwartet.isEmpty());
    }
    TModalSkript skript;
    skript.Dann([](QWidget* w) {
      auto* d = qobject_cast<TListenDruckDialog*>(w);
      QVERIFY(d);
      d->Option(QStringLiteral("mit Einsatz"))->setChecked(true);
      d->Option(QStringLiteral("1 Seite pro Fach"))->setChecked(false);
      d->OkKnopf()->click();
    });
    skript.Dann([](QWidget* w) { SchliesseOhneAenderung(w); });
    lauf.Waehle(pfade[4]);
    QTRY_VERIFY(skript.Fertig());
    QVERIFY(lauf.palette->close());
    QVERIFY(lauf.speicher->Sichern());
    QSettings gespeichert(lauf.EinstellungsDatei(), QSettings::IniFormat);
    QCOMPARE(gespeichert.value(QStringLiteral("Tevi21/fkes")).toString(), QStringLiteral("1"));
    QCOMPARE(gespeichert.value(QStringLiteral("Tevi21/fkez")).toString(), QStringLiteral("0"));
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::ListenDruckDialogTest)
#include "listendruckdialog_test.moc"
