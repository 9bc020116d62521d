#include "ui/hauptfenster/orbatopalette.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "lauf.h"
#include "model/kurse/kurs.h"
#include "model/kurse/setzung.h"
#include "oberflaeche.h"
#include "persist/planschreiber.h"
#include "placement/setzen.h"
#include "platform/qsettingsspeicher.h"
#include "platform/qttext.h"
#include "ui/hauptfenster/kennwortdialog.h"
#include "ui/plaene/planfenster.h"
#include "ui/stammdaten/kuerzeldialog.h"
#include "ui/voreinstellungen/kennwortaendern.h"

namespace orbato {
namespace {

// A step that ticks a check or radio button by its caption and presses "Ok".
TModalSkript::TSchritt Eckdaten(int tage, int versionen) {
  return [tage, versionen](QWidget* d) {
    KnopfMit(d, QStringLiteral("%1-Tagewoche").arg(tage))->click();
    d->findChild<QSpinBox*>(QStringLiteral("versionen"))->setValue(versionen);
    KnopfMit(d, QStringLiteral("Ok"))->click();
  };
}

TSetzung* Setze(TKurs* kurs, int woche, int tag, int std) {
  auto* s = new TSetzung(woche, tag, std);
  kurs->SetzungAufnehmen(s);
  return s;
}

// A document window of a kind the test chooses, as the window code of each kind will provide.
class TTestDokument : public QWidget, public Fenster {
 public:
  TTestDokument(int art, QString titel) : fArt(art) { setWindowTitle(titel); }
  void FensterUpdate() override {}
  void FensterRefresh() override {}
  void FensterSchliessen() override { close(); }
  void FensterNachVorn() override {}
  int FensterArt() const override { return fArt; }
  std::string FensterTitel() const override { return ModellText(windowTitle()); }

 private:
  int fArt;
};

}  // namespace

class OrbatoPaletteTest : public QObject {
  Q_OBJECT

 private slots:
  void LoadsSettingsAtStartAndSavesThemAtExit() {
    TLauf lauf([](QSettings& ini) {
      ini.setValue(QStringLiteral("Tevi1/mwn"), QStringLiteral("3"));
      ini.setValue(QStringLiteral("Tevi2/pst"), QStringLiteral("8"));
      ini.setValue(QStringLiteral("Tevi0/pal"), QStringLiteral("40"));
      ini.setValue(QStringLiteral("Tevi0/pat"), QStringLiteral("30"));
    });
    QVERIFY(QTest::qWaitForWindowExposed(lauf.palette.get()));
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16"));
    QCOMPARE(lauf.palette->standard().fMaxWocheNeu, 3);
    QCOMPARE(lauf.palette->standard().fPlnStd, 8);
    QCOMPARE(lauf.palette->pos(), QPoint(40, 30));
    QCOMPARE(&Standard(), &lauf.palette->standard());

    lauf.palette->standard().fSchulname = "Schule am Park";
    lauf.palette->move(60, 70);
    lauf.palette->close();
    QVERIFY(lauf.speicher->Sichern());
    QSettings ini(lauf.EinstellungsDatei(), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Tevi0/snm")).toString(), QStringLiteral("Schule am Park"));
    QCOMPARE(ini.value(QStringLiteral("Tevi0/pal")).toString(), QStringLiteral("60"));
    QCOMPARE(ini.value(QStringLiteral("Tevi0/pat")).toString(), QStringLiteral("70"));
    QCOMPARE(ini.value(QStringLiteral("Tevi1/mwn")).toString(), QStringLiteral("3"));
  }

  // The main window comes back at the size it was left with, in a key of its own beside the
  // program's settings; maximised it comes back maximised at its normal size.
  void RemembersItsSize() {
    QString gespeichert;
    {
      TLauf lauf;
      lauf.palette->resize(700, 500);
      lauf.palette->close();
      QVERIFY(lauf.speicher->Sichern());
      QSettings ini(lauf.EinstellungsDatei(), QSettings::IniFormat);
      gespeichert = ini.value(QStringLiteral("Oberflaeche/Hauptfenster")).toString();
    }
    QCOMPARE(gespeichert, QStringLiteral("700,500"));
    TLauf wieder([](QSettings& ini) {
      ini.setValue(QStringLiteral("Oberflaeche/Hauptfenster"), QStringLiteral("640,480"));
    });
    QCOMPARE(wieder.palette->size(), QSize(640, 480));
    TLauf gross([](QSettings& ini) {
      ini.setValue(QStringLiteral("Oberflaeche/Hauptfenster"), QStringLiteral("640,480,max"));
    });
    QVERIFY(gross.palette->isMaximized());
    TLauf kaputt([](QSettings& ini) {
      ini.setValue(QStringLiteral("Oberflaeche/Hauptfenster"), QStringLiteral("x,480"));
    });
    // The default size, cut where the screen is narrower (as the tests' screen is).
    QCOMPARE(kaputt.palette->height(), 620);
    QCOMPARE(kaputt.palette->width(),
             std::min(900, kaputt.palette->screen()->availableGeometry().width() - 16));
  }

  // After a change of monitor the stored place may lie off the screen: that axis starts at 0.
  void ResetsAnOffScreenPalettePositionOnThatAxis() {
    TLauf lauf([](QSettings& ini) {
      ini.setValue(QStringLiteral("Tevi0/pal"), QStringLiteral("100000"));
      ini.setValue(QStringLiteral("Tevi0/pat"), QStringLiteral("20"));
    });
    QCOMPARE(lauf.palette->pos(), QPoint(0, 20));
    TLauf oben([](QSettings& ini) {
      ini.setValue(QStringLiteral("Tevi0/pal"), QStringLiteral("10"));
      ini.setValue(QStringLiteral("Tevi0/pat"), QStringLiteral("-5"));
    });
    QCOMPARE(oben.palette->pos(), QPoint(10, 0));
  }

  void QuitsWithControlQ() {
    TLauf lauf;
    QVERIFY(QTest::qWaitForWindowExposed(lauf.palette.get()));
    QTest::keyClick(lauf.palette.get(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!lauf.palette->isVisible());
  }

  // With a password set, start-up goes on only with the right entry.
  void AsksForThePasswordWhenOneIsSet() {
    {
      TLauf ohne;
      QVERIFY(ohne.palette->KennwortPruefen());  // no dialog at all: nothing would answer it
    }
    const auto versuche = [](const QString& eingabe, const QString& knopf) {
      TLauf lauf([](QSettings& ini) {
        ini.setValue(QStringLiteral("Tevi0/wks"),
                     QStringLiteral("A5AEF991FCB1F9AF9B98BC9F59C0C80963E76AAC"));
      });
      TModalSkript skript;
      QString frage;
      skript.Dann([&](QWidget* d) {
        frage = d->findChild<QLabel*>()->text();
        QTest::keyClicks(static_cast<TKennwortDialog*>(d)->Feld(), eingabe);
        KnopfMit(d, knopf)->click();
      });
      const bool weiter = lauf.palette->KennwortPruefen();
      if (skript.fTitel != QStringList{QStringLiteral("Kennworteingabe")})
        return skript.fTitel.join(',');
      if (frage != QStringLiteral("Geben Sie bitte das Kennwort ein!")) return frage;
      return weiter ? QStringLiteral("weiter") : QStringLiteral("Ende");
    };
    QCOMPARE(versuche(QStringLiteral("geheim"), QStringLiteral("Ok")), QStringLiteral("weiter"));
    QCOMPARE(versuche(QStringLiteral("Geheim"), QStringLiteral("Ok")), QStringLiteral("Ende"));
    QCOMPARE(versuche(QStringLiteral("geheim"), QStringLiteral("Abbrechen")),
             QStringLiteral("Ende"));
  }

  // Without a file named on the command line the open dialog comes at once; the folder chosen is
  // kept for the next time.
  void StartsWithTheOpenDialogAndFollowsTheDocumentState() {
    TLauf lauf;
    const QString datei =
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("schule.orb"));
    QVERIFY(lauf.An({"Datei", "Neu"}));
    QVERIFY(lauf.An({"Datei", "Öffnen..."}));
    for (const char* aus : {"Sichern", "Sichern unter...", "Datei schließen"}) {
      QVERIFY2(!lauf.An({"Datei", QString::fromUtf8(aus)}), aus);
    }
    QVERIFY(!lauf.An({"Daten", "Kürzel..."}));
    QVERIFY(!lauf.An({"Datei", "Export"}));

    lauf.dateiAntworten << datei;
    lauf.palette->StartDatei(QString());
    QCOMPARE(lauf.dateiDialoge, QStringList{QStringLiteral("WinOrbato-Datei öffnen: ")});
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16 [schule.orb]"));
    QCOMPARE(QtText(lauf.palette->standard().fOpenPfad), lauf.ordner.path() + QLatin1Char('/'));
    QCOMPARE(lauf.palette->schule().fKursMenge.ListeZahlElemente(), 3);
    QVERIFY(!lauf.An({"Datei", "Neu"}));
    QVERIFY(!lauf.An({"Datei", "Öffnen..."}));
    QVERIFY(!lauf.An({"Datei", "Sichern"}));
    QVERIFY(lauf.An({"Datei", "Sichern unter..."}));
    QVERIFY(lauf.An({"Datei", "Datei schließen"}));
    QVERIFY(lauf.An({"Datei", "Export"}));
    QVERIFY(lauf.An({"Daten", "Kürzel..."}));
    QVERIFY(lauf.An({"Daten", "Kurse"}));
    QVERIFY(lauf.An({"Prüfen", "Konsistenz"}));
    QVERIFY(lauf.An({"Datei", "Papierformat..."}));
    QVERIFY(lauf.An({"Datei", "Fenster drucken..."}));

    lauf.Waehle({"Datei", "Datei schließen"});
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16"));
    QCOMPARE(lauf.palette->schule().fKursMenge.ListeZahlElemente(), 0);
    QVERIFY(lauf.An({"Datei", "Neu"}));
    QVERIFY(!lauf.An({"Datei", "Datei schließen"}));
    QVERIFY(!lauf.An({"Daten", "Kürzel..."}));
    QVERIFY(lauf.fehler.isEmpty());
  }

  // The first start of an installation asks once for the school week; the plans and printouts
  // follow it. A store a run has used is not asked again; "Abbrechen" keeps the defaults.
  void TheFirstStartAsksForTheSchoolWeek() {
    TLauf neu;
    QVERIFY(neu.palette->ErsterStart());
    TModalSkript skript;
    skript.Dann([](QWidget* dialog) {
      dialog->findChild<QRadioButton*>(QStringLiteral("sechs"))->click();
      auto* stunden = dialog->findChild<QSpinBox*>(QStringLiteral("stunden"));
      QCOMPARE(stunden->value(), 8);
      stunden->setValue(7);
      KnopfMit(dialog, QStringLiteral("Ok"))->click();
    });
    neu.palette->SchulwocheBeimErstenStart();
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Schulwoche")});
    QCOMPARE(neu.palette->standard().fMaxTageNeu, 6);
    QCOMPARE(neu.palette->standard().fPlnStd, 7);
    QCOMPARE(neu.palette->standard().fLPlnDruck.BisTag, 6);
    QCOMPARE(neu.palette->standard().fLPlnDruck.Bem, std::string());
    neu.palette->SchulwocheBeimErstenStart();
    QCOMPARE(skript.fTitel.size(), 1);
    neu.palette->close();
    QVERIFY(neu.speicher->Sichern());
    QSettings gespeichert(neu.EinstellungsDatei(), QSettings::IniFormat);
    QCOMPARE(gespeichert.value(QStringLiteral("Tevi1/mtn")).toString(), QStringLiteral("6"));

    TLauf abgebrochen;
    skript.Druecke(QStringLiteral("Abbrechen"));
    abgebrochen.palette->SchulwocheBeimErstenStart();
    QCOMPARE(abgebrochen.palette->standard().fMaxTageNeu, 7);

    TLauf alt([](QSettings& ini) { ini.setValue(QStringLiteral("Tevi0/pal"), 10); });
    QVERIFY(!alt.palette->ErsterStart());
    alt.palette->SchulwocheBeimErstenStart();
    QCOMPARE(skript.fTitel.size(), 2);
    QVERIFY(skript.fUnerwartet.isEmpty());
  }

  // "Neu" runs the three preference dialogs and the short-name editor in order; what they set
  // is the new document's.
  void NewRunsTheFourDialogsInOrder() {
    TLauf lauf;
    TModalSkript skript;
    skript.Dann(Eckdaten(5, 2))
        .Dann([](QWidget* d) {
          d->findChild<QDoubleSpinBox*>(QStringLiteral("leSoll"))->setValue(25.5);
          KnopfMit(d, QStringLiteral("Ok"))->click();
        })
        .Dann([](QWidget* d) {
          d->findChild<QSpinBox*>(QStringLiteral("kursStd"))->setValue(4);
          KnopfMit(d, QStringLiteral("Ok"))->click();
        })
        .Dann([](QWidget* d) {
          auto* dialog = static_cast<TKuerzelDialog*>(d);
          const auto neu = [&](int art, const QStringList& namen) {
            KnopfMit(d, QStringList{"Lehrer", "Klassen", "Kopplungen", "Fächer", "Räume"}.at(art))
                ->click();
            for (const QString& name : namen) {
              QTest::keyClicks(dialog->Feld(), name);
              dialog->Knopf(QStringLiteral("Neues"))->click();
            }
          };
          neu(0, {QStringLiteral("MÜL"), QStringLiteral("ABE")});
          neu(1, {QStringLiteral("5a"), QStringLiteral("5A")});
          neu(2, {QStringLiteral("RE5")});
          neu(3, {QStringLiteral("D")});
          // "Ok" with a new name creates it and keeps the editor open; the next closes it.
          KnopfMit(d, QStringLiteral("Räume"))->click();
          QTest::keyClicks(dialog->Feld(), QStringLiteral("R101"));
          dialog->Knopf(QStringLiteral("Ok"))->click();
          QVERIFY(dialog->isVisible());
          dialog->Knopf(QStringLiteral("Ok"))->click();
        });
    lauf.Waehle({"Datei", "Neu"});
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTitel,
             (QStringList{"Voreinstellung für Eckdaten", "Voreinstellung für Grunddaten",
                          "Voreinstellung für Kurse", "Kürzel"}));
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16 [ohne Titel]*"));
    const TSchule& s = lauf.palette->schule();
    QCOMPARE(s.fLehrerMenge.ListeZahlElemente(), 2);
    QCOMPARE(QtText(s.fLehrerMenge.ListeNrInhalt(1)->fKuerzel.str()), QStringLiteral("MÜL"));
    QCOMPARE(s.fKlassenMenge.ListeZahlElemente(), 2);
    QCOMPARE(s.fKopplMenge.ListeZahlElemente(), 1);
    QCOMPARE(s.fFachMenge.ListeZahlElemente(), 1);
    QCOMPARE(s.fRaumMenge.ListeZahlElemente(), 1);
    QCOMPARE(lauf.palette->standard().fMaxTageNeu, 5);
    QCOMPARE(lauf.palette->standard().fMaxWocheNeu, 2);
    QCOMPARE(lauf.palette->standard().fLeSoll, 26);  // 25.5 hours in whole hours
    QCOMPARE(lauf.palette->standard().fKursStd, 4);
    // The short-name menus follow the lists.
    QCOMPARE(lauf.palette->KuerzelMenues().fLe.size(), std::size_t{2});
    QCOMPARE(lauf.palette->KuerzelMenues().fLe[1].fText, std::string("ABE"));
    QCOMPARE(lauf.palette->KuerzelMenues().fRa[0].fText, std::string("R101"));
    QVERIFY(lauf.An({"Datei", "Sichern unter..."}));
    QVERIFY(!lauf.An({"Datei", "Neu"}));
  }

  // An untitled document is always saved under a name; a titled one goes back to its file.
  void SavingAsksForANameOnlyWhenUntitled() {
    TLauf lauf;
    TModalSkript skript;
    for (int i = 0; i < 4; ++i) skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle({"Datei", "Neu"});
    QVERIFY(skript.Fertig());
    lauf.palette->schule().HoleLehrer("MEI");
    QVERIFY(lauf.An({"Datei", "Sichern"}));

    lauf.dateiAntworten << lauf.Pfad(QStringLiteral("neu"));
    QVERIFY(lauf.palette->Sichern());
    QCOMPARE(lauf.dateiDialoge, QStringList{QStringLiteral("Sichern als: ohne Titel")});
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16 [neu.ORB]"));
    QVERIFY(QFile::exists(lauf.Pfad(QStringLiteral("neu.ORB"))));
    QVERIFY(!lauf.palette->schule().IsDirty());

    lauf.palette->schule().HoleLehrer("ABE");
    QVERIFY(lauf.palette->Sichern());
    QCOMPARE(lauf.dateiDialoge.size(), 1);
    QFile datei(lauf.Pfad(QStringLiteral("neu.ORB")));
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QVERIFY(datei.readAll().contains("ABE"));

    // A cancelled save dialog writes nothing and keeps the mark.
    lauf.palette->schule().HoleLehrer("ZZZ");
    QVERIFY(!lauf.palette->SichernUnter());
    QVERIFY(lauf.palette->schule().IsDirty());
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16 [neu.ORB]*"));
  }

  // "WinOrbato beenden?" with each of its four answers.
  void TheCloseQuestionHasFourAnswers() {
    const auto schliesse = [](const QString& antwort, QStringList speichern) {
      auto lauf = std::make_unique<TLauf>();
      const QString datei =
          lauf->Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("schule.orb"));
      lauf->palette->Oeffnen(datei);
      lauf->palette->schule().HoleLehrer("NEU");
      lauf->dateiAntworten = std::move(speichern);
      TModalSkript skript;
      skript.Druecke(antwort);
      lauf->palette->close();
      QStringList ergebnis{skript.fTitel.join(','), skript.fTexte.join(',')};
      ergebnis << (lauf->palette->isVisible() ? QStringLiteral("offen") : QStringLiteral("zu"));
      ergebnis << QString::number(lauf->dateiDialoge.size());
      QFile gesichert(datei);
      gesichert.open(QIODevice::ReadOnly);
      ergebnis << (gesichert.readAll().contains("NEU") ? QStringLiteral("gesichert")
                                                       : QStringLiteral("alt"));
      return ergebnis.join('|');
    };
    const QString frage = QStringLiteral("WinOrbato beenden?|Sollen Ihre Daten gesichert werden?|");
    QCOMPARE(schliesse(QStringLiteral("Ja"), {}), frage + QStringLiteral("zu|0|gesichert"));
    QCOMPARE(schliesse(QStringLiteral("Nein"), {}), frage + QStringLiteral("zu|0|alt"));
    QCOMPARE(schliesse(QStringLiteral("Abbrechen"), {}), frage + QStringLiteral("offen|0|alt"));
    QCOMPARE(schliesse(QStringLiteral("Mit einem anderem Namen"),
                       {QStringLiteral("/nonexistent/x.orb")}),
             frage + QStringLiteral("offen|1|alt"));

    // Closing with a clean document asks nothing.
    TLauf sauber;
    sauber.palette->Oeffnen(
        sauber.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb")));
    TModalSkript nichts;
    sauber.palette->close();
    QVERIFY(nichts.fTitel.isEmpty());
    QVERIFY(!sauber.palette->isVisible());
  }

  // A converted file of the old layout shows "Ohne Titel" and is saved under a name chosen anew,
  // so that the old file stays as it was.
  void SavesAConvertedFileUnderANewName() {
    TLauf lauf;
    const QString alt = lauf.Kopie(QStringLiteral("alt_211.orb"), QStringLiteral("alt.orb"));
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok"));  // "Neues Datenformat"
    QVERIFY(lauf.palette->Oeffnen(alt));
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16 [Ohne Titel]*"));
    QVERIFY(lauf.An({"Datei", "Sichern"}));
    lauf.dateiAntworten << lauf.Pfad(QStringLiteral("neu.orb"));
    QVERIFY(lauf.palette->Sichern());
    QCOMPARE(lauf.dateiDialoge.last(),
             QStringLiteral("Sichern als: ") + lauf.ordner.path() + QStringLiteral("/alt.orb"));
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16 [neu.orb]"));
    QFile vorher(alt);
    QVERIFY(vorher.open(QIODevice::ReadOnly));
    QCOMPARE(vorher.read(2), QByteArray::fromHex("ff2d"));  // still -211
  }

  // Closing a document with unsaved work asks, like leaving the program; "Abbrechen" keeps it.
  void ClosingADirtyDocumentAsksFirst() {
    TLauf lauf;
    lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb")));
    lauf.palette->schule().HoleLehrer("NEU");
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Abbrechen")).Druecke(QStringLiteral("Nein"));
    QVERIFY(!lauf.palette->DateiSchliessen());
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16 [s.orb]*"));
    QVERIFY(lauf.palette->DateiSchliessen());
    QCOMPARE(skript.fTitel, (QStringList{"Daten sichern?", "Daten sichern?"}));
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16"));
  }

  // A file of a newer program is refused and the open document stays exactly as it was.
  void RefusesATooNewFileWithoutTouchingTheDocument() {
    TLauf lauf;
    lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb")));
    TSchule* vorher = &lauf.palette->schule();
    QFile neu(lauf.Pfad(QStringLiteral("neu.orb")));
    QVERIFY(neu.open(QIODevice::WriteOnly));
    neu.write(QByteArray::fromHex("fed3"));  // -301
    neu.close();
    QVERIFY(!lauf.palette->Oeffnen(lauf.Pfad(QStringLiteral("neu.orb"))));
    QCOMPARE(lauf.fehler, QStringList{QStringLiteral("Die Version der Daten ist zu neu!")});
    QCOMPARE(&lauf.palette->schule(), vorher);
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16 [s.orb]"));
    QVERIFY(lauf.An({"Datei", "Datei schließen"}));
    QVERIFY(!lauf.An({"Datei", "Neu"}));
  }

  // A folder where the plan file should be: the message, and the open document stays as it was;
  // given on the command line at start-up, the program comes up without a document.
  void RefusesAFolderWithoutTouchingTheDocument() {
    const QString meldung =
        QStringLiteral(" kann nicht geöffnet werden. Der Pfad bezeichnet einen Ordner.");
    TLauf lauf;
    lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb")));
    TSchule* vorher = &lauf.palette->schule();
    QVERIFY(!lauf.palette->Oeffnen(lauf.ordner.path()));
    QCOMPARE(lauf.fehler, QStringList{QStringLiteral("Datei ") + lauf.ordner.path() + meldung});
    QCOMPARE(&lauf.palette->schule(), vorher);
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16 [s.orb]"));
    QVERIFY(lauf.An({"Datei", "Datei schließen"}));

    TLauf start;
    start.palette->StartDatei(start.ordner.path());
    QCOMPARE(start.fehler, QStringList{QStringLiteral("Datei ") + start.ordner.path() + meldung});
    QCOMPARE(start.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16"));
    QVERIFY(start.An({"Datei", "Öffnen..."}));
    QVERIFY(!start.An({"Datei", "Datei schließen"}));
  }

  // Reducing a 6-day week to 5 with a Saturday lesson asks "Stunden löschen".
  void ReducingTheDaysAsksAboutTheLessonsOnThem() {
    for (const QString& antwort : {QStringLiteral("Nein"), QStringLiteral("Ja")}) {
      TLauf lauf;
      TModalSkript skript;
      skript.Dann(Eckdaten(6, 1));
      for (int i = 0; i < 3; ++i) skript.Druecke(QStringLiteral("Ok"));
      lauf.Waehle({"Datei", "Neu"});
      QVERIFY(skript.Fertig());
      TSchule& s = lauf.palette->schule();
      auto* kurs = new TKurs;
      kurs->IKurs(s.HoleLehrer("MEI"), s.HoleKlasse("5a"), 2, nullptr, nullptr, nullptr);
      Setze(kurs, 1, 6, 3);
      Setze(kurs, 1, 2, 1);

      skript.Dann(Eckdaten(5, 1)).Druecke(antwort);
      lauf.Waehle({"Bearbeiten", "Voreinstellungen", "Eckdaten"});
      QVERIFY(skript.Fertig());
      QCOMPARE(skript.fTitel.last(), QStringLiteral("Stunden löschen"));
      QCOMPARE(skript.fTexte.last(),
               QStringLiteral("Es sind für\nSamstag oder Sonntag\nStunden in den Plänen  "
                              "eingetragen.\nSollen diese Stunden gelöscht werden?"));
      const bool ja = antwort == QStringLiteral("Ja");
      QCOMPARE(lauf.palette->standard().fMaxTageNeu, ja ? 5 : 6);
      QCOMPARE(kurs->fSetzungen.ListeZahlElemente(), ja ? 1 : 2);
      QCOMPARE(s.HoleLehrer("MEI")->fBesetzung.GetWocheTagStd(1, 6, 3), !ja);
    }
  }

  // Growing gives the new versions nothing; shrinking over placed lessons asks first.
  void GrowsAndShrinksThePlanVersions() {
    TLauf lauf;
    TModalSkript skript;
    skript.Dann(Eckdaten(5, 2));
    for (int i = 0; i < 3; ++i) skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle({"Datei", "Neu"});
    TSchule& s = lauf.palette->schule();
    auto* kurs = new TKurs;
    kurs->IKurs(s.HoleLehrer("MEI"), nullptr, 2, nullptr, nullptr, nullptr);
    QCOMPARE(kurs->fStunden.GetWochenStunde(1), 2);

    skript.Dann(Eckdaten(5, 4));
    lauf.Waehle({"Bearbeiten", "Voreinstellungen", "Eckdaten"});
    QVERIFY(skript.Fertig());
    QCOMPARE(lauf.palette->standard().fMaxWocheNeu, 4);
    QCOMPARE(kurs->fStunden.ZahlWochen(), 4);
    QCOMPARE(kurs->fStunden.GetWochenStunde(3), 0);
    QCOMPARE(kurs->fStunden.GetWochenStunde(1), 2);

    Setze(kurs, 4, 1, 1);
    lauf.palette->standard().fAktuelleWoche = 4;
    skript.Dann(Eckdaten(5, 3)).Druecke(QStringLiteral("Nein"));
    lauf.Waehle({"Bearbeiten", "Voreinstellungen", "Eckdaten"});
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTexte.last(), QStringLiteral("In den zu löschenden Planversionen sind "
                                                  "Stunden verplant. Trotzdem löschen?"));
    QCOMPARE(lauf.palette->standard().fMaxWocheNeu, 4);
    QCOMPARE(kurs->fSetzungen.ListeZahlElemente(), 1);

    skript.Dann(Eckdaten(5, 3)).Druecke(QStringLiteral("Ja"));
    lauf.Waehle({"Bearbeiten", "Voreinstellungen", "Eckdaten"});
    QVERIFY(skript.Fertig());
    QCOMPARE(lauf.palette->standard().fMaxWocheNeu, 3);
    QCOMPARE(lauf.palette->standard().fAktuelleWoche, 3);
    QCOMPARE(kurs->fSetzungen.ListeZahlElemente(), 0);
    QCOMPARE(lauf.palette->VersionsKnopf()->text(), QStringLiteral("3"));
  }

  // The version button: black in single-version mode, red otherwise; its menu chooses the
  // version, Ctrl+click switches the mode.
  void TheVersionButtonChoosesTheVersionAndTheMode() {
    TLauf lauf(
        [](QSettings& ini) { ini.setValue(QStringLiteral("Tevi1/mwn"), QStringLiteral("24")); });
    QToolButton* knopf = lauf.palette->VersionsKnopf();
    QCOMPARE(knopf->text(), QStringLiteral("1"));
    QCOMPARE(knopf->palette().color(QPalette::ButtonText), QColor(Qt::black));
    TMenu menu = lauf.palette->VersionsMenuDaten();
    QCOMPARE(menu.size(), std::size_t{24});
    QVERIFY(menu[8].fBreak);
    QVERIFY(!menu[7].fBreak);
    QVERIFY(WaehleEintrag(menu, "17"));
    QCOMPARE(lauf.palette->standard().fAktuelleWoche, 17);
    QCOMPARE(knopf->text(), QStringLiteral("17"));

    QTest::mouseClick(knopf, Qt::LeftButton, Qt::ControlModifier);
    QVERIFY(!lauf.palette->standard().fEineWoche);
    QCOMPARE(knopf->palette().color(QPalette::ButtonText), QColor(Qt::red));
    QTest::mouseClick(knopf, Qt::LeftButton, Qt::ControlModifier);
    QVERIFY(lauf.palette->standard().fEineWoche);
  }

  // Version entries only with more than one version; the tools as radio buttons in the palette
  // and the menu alike.
  void ToolsAndVersionEntriesFollowThePalette() {
    TLauf eine;
    QVERIFY(!eine.An({"Bearbeiten", "Voreinstellungen", "Planversionen"}));
    QVERIFY(!eine.An({"Prüfen", "Versionsunterschiede"}));

    eine.Waehle({"Werkzeuge", "Setzen"});
    QCOMPARE(eine.palette->schule().fToolArt, SetzTool);
    QVERIFY(eine.palette->Aktion({"Werkzeuge", "Setzen"})->isChecked());
    QVERIFY(!eine.palette->Aktion({"Werkzeuge", "Zeigen"})->isChecked());
    QCOMPARE(eine.palette->Aktion({"Werkzeuge", "Setzen"})->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_F7));
    eine.Waehle({"Werkzeuge", "Plan"});
    QCOMPARE(eine.palette->schule().fFensterArt, PFenster);
    QVERIFY(eine.palette->Aktion({"Werkzeuge", "Plan"})->isChecked());
    QCOMPARE(eine.palette->Arbeitsflaeche()->cursor().shape(), Qt::BitmapCursor);
    eine.Waehle({"Werkzeuge", "Zeigen"});
    QCOMPARE(eine.palette->Arbeitsflaeche()->cursor().shape(), Qt::ArrowCursor);
  }

  // The windows saved with a file come back, the first on top, where they stood; kinds without
  // window code and elements no longer there are skipped. Saving keeps the open ones.
  void ReopensTheSavedWindowsOfTheKindsThatExist() {
    TLauf lauf;
    QStringList geoeffnet;
    lauf.palette->FensterArtAnmelden(9, [&](const TFenster& satz, TElement* element) {
      geoeffnet << QtText(satz.fTitel.str()) + QStringLiteral(" -> ") +
                       QtText(element->fKuerzel.str()) +
                       (lauf.palette->Shift() ? QStringLiteral(" (Shift)") : QString());
      auto* fenster = lauf.palette->Arbeitsflaeche()->addSubWindow(
          new TTestDokument(9, QStringLiteral("Plan ") + QtText(element->fKuerzel.str())));
      fenster->setGeometry(0, 0, 350, 500);
      fenster->show();
      return fenster;
    });
    const QString datei = lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"));
    QVERIFY(lauf.palette->Oeffnen(datei));
    QCOMPARE(geoeffnet, QStringList{QStringLiteral("Plan MÜL -> MÜL (Shift)")});
    QCOMPARE(lauf.palette->schule().fFensterArt, PFenster);
    QVERIFY(!lauf.palette->Shift());
    const QList<QMdiSubWindow*> fenster = lauf.palette->Arbeitsflaeche()->subWindowList();
    QCOMPARE(fenster.size(), 1);
    QCOMPARE(fenster[0]->geometry(), QRect(10, 20, 350, 300));

    fenster[0]->setGeometry(30, 40, 200, 100);
    lauf.palette->schule().SetDirty();
    QVERIFY(lauf.palette->Sichern());
    const std::vector<TFenster>& saetze = lauf.palette->schule().fFensterSaetze;
    QCOMPARE(saetze.size(), std::size_t{1});
    QCOMPARE(saetze[0], (TFenster{9, "Plan M\xDCL", 30, 40, 200, 100}));

    // A record from a larger screen, or a damaged one, comes back inside the workspace.
    {
      lauf.palette->schule().fFensterSaetze = {TFenster{9, "Plan M\xDCL", -400, 5000, 200, 100}};
      const std::vector<uint8_t> weit = TWriteForm::PlanBytes(lauf.palette->schule());
      QFile weitDatei(lauf.Pfad(QStringLiteral("weit.orb")));
      QVERIFY(weitDatei.open(QIODevice::WriteOnly));
      weitDatei.write(reinterpret_cast<const char*>(weit.data()), static_cast<qint64>(weit.size()));
      weitDatei.close();
      lauf.palette->schule().SetDirty(false);
      QVERIFY(lauf.palette->DateiSchliessen());
      QVERIFY(lauf.palette->Oeffnen(weitDatei.fileName()));
      const QRect flaeche = lauf.palette->Arbeitsflaeche()->contentsRect();
      const QRect drinnen = lauf.palette->Arbeitsflaeche()->subWindowList().at(0)->geometry();
      QCOMPARE(drinnen, QRect(0, 0, 200, 100));
      QVERIFY(flaeche.contains(drinnen));
    }

    // Without an element of that name, and for a kind that is not reopened, nothing opens.
    lauf.palette->schule().fFensterSaetze = {TFenster{9, "Plan XYZ", 0, 0, 10, 10},
                                             TFenster{68, "Manuell", 0, 0, 10, 10}};
    const std::vector<uint8_t> bytes = TWriteForm::PlanBytes(lauf.palette->schule());
    QFile andere(lauf.Pfad(QStringLiteral("andere.orb")));
    QVERIFY(andere.open(QIODevice::WriteOnly));
    andere.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    andere.close();
    lauf.palette->schule().SetDirty(false);
    QVERIFY(lauf.palette->DateiSchliessen());
    QCOMPARE(lauf.palette->Arbeitsflaeche()->subWindowList().size(), 0);
    geoeffnet.clear();
    QVERIFY(lauf.palette->Oeffnen(andere.fileName()));
    QVERIFY(geoeffnet.isEmpty());
    QCOMPARE(lauf.palette->Arbeitsflaeche()->subWindowList().size(), 0);
  }

  // The short-name menus open plan windows; a plan file reopens the plan windows it was saved with.
  void OpensAndReopensPlanWindows() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"))));
    QList<QMdiSubWindow*> fenster = lauf.palette->Arbeitsflaeche()->subWindowList();
    QCOMPARE(fenster.size(), 1);
    QCOMPARE(fenster[0]->windowTitle(), QStringLiteral("Plan MÜL"));
    QCOMPARE(lauf.palette->schule().fFensterArt, PFenster);
    const TMenu& klassen = lauf.palette->KuerzelMenues().fKl;
    QVERIFY(!klassen.empty());
    klassen[0].fBefehl();
    klassen[0].fBefehl();  // the one window of the class comes to the front
    fenster = lauf.palette->Arbeitsflaeche()->subWindowList();
    QCOMPARE(fenster.size(), 2);
    QCOMPARE(fenster[1]->windowTitle(),
             QStringLiteral("Plan ") +
                 QtText(lauf.palette->schule().fKlassenMenge.ListeNrInhalt(1)->fKuerzel.str()));
    QCOMPARE(lauf.palette->Arbeitsflaeche()->activeSubWindow(), fenster[1]);
    // "Kopieren" puts the active plan on the clipboard.
    QVERIFY(lauf.An({"Bearbeiten", "Kopieren"}));
    lauf.Waehle({"Bearbeiten", "Kopieren"});
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("\tMo\tDi\t")));
    // Closing the document closes its windows.
    QVERIFY(lauf.palette->DateiSchliessen());
    QCOMPARE(lauf.palette->Arbeitsflaeche()->subWindowList().size(), 0);
  }

  // A tool that does nothing in the window made active gives way to "Zeigen".
  void TheActiveWindowDecidesTheTools() {
    TLauf lauf;
    lauf.Waehle({"Werkzeuge", "Fixieren"});
    QCOMPARE(lauf.palette->schule().fToolArt, FixTool);
    QMdiSubWindow* fenster = lauf.palette->Arbeitsflaeche()->addSubWindow(
        new TTestDokument(21, QStringLiteral("alle Kurse")));
    fenster->show();
    lauf.palette->Arbeitsflaeche()->setActiveSubWindow(fenster);
    QCOMPARE(lauf.palette->schule().fToolArt, ZeigTool);
    QVERIFY(!lauf.An({"Werkzeuge", "Fixieren"}));
    QVERIFY(lauf.An({"Werkzeuge", "Schieben"}));
  }

  // Palette layouts 3 to 6 fold the menu bar into one entry "Menu".
  void FoldsTheMenusIntoOneEntry() {
    TLauf lauf(
        [](QSettings& ini) { ini.setValue(QStringLiteral("Tevi0/pas"), QStringLiteral("4")); });
    const QList<QAction*> oben = lauf.palette->menuBar()->actions();
    QCOMPARE(oben.size(), 1);
    QCOMPARE(oben[0]->text(), QStringLiteral("Menu"));
    QCOMPARE(oben[0]->menu()->actions().size(), 16);
    QCOMPARE(oben[0]->menu()->actions().at(8)->text(), QStringLiteral("Le"));
    QVERIFY(lauf.An({"Datei", "Neu"}));
  }

  // The password is typed twice; "Ok" only while both agree, an empty one removes it.
  void SetsANewPassword() {
    TLauf lauf;
    TModalSkript skript;
    bool okBeiUngleich = true;
    skript.Dann([&](QWidget* d) {
      auto* dialog = static_cast<TKennwortAendernDialog*>(d);
      QTest::keyClicks(dialog->Feld(), QStringLiteral("geheim"));
      QTest::keyClicks(dialog->Wiederholung(), QStringLiteral("geheix"));
      okBeiUngleich = KnopfMit(d, QStringLiteral("Ok"))->isEnabled();
      dialog->Wiederholung()->setText(QStringLiteral("geheim"));
      KnopfMit(d, QStringLiteral("Ok"))->click();
    });
    lauf.Waehle({"Bearbeiten", "Voreinstellungen", "Kennwort"});
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Voreinstellung für Kennwort")});
    QVERIFY(!okBeiUngleich);
    QVERIFY(KennwortStimmt(lauf.palette->standard(), "geheim"));
    skript.Dann([](QWidget* d) { KnopfMit(d, QStringLiteral("Ok"))->click(); });
    lauf.Waehle({"Bearbeiten", "Voreinstellungen", "Kennwort"});
    QVERIFY(!KennwortGesetzt(lauf.palette->standard()));
  }

  // One clipboard view, showing what is on the clipboard; the windows laid out side by side.
  void ShowsTheClipboardAndArrangesTheWindows() {
    TLauf lauf;
    QGuiApplication::clipboard()->setText(QStringLiteral("MEI\t5a"));
    lauf.Waehle({"Fenster", "Zwischenablage"});
    lauf.Waehle({"Fenster", "Zwischenablage"});
    const QList<QMdiSubWindow*> fenster = lauf.palette->Arbeitsflaeche()->subWindowList();
    QCOMPARE(fenster.size(), 1);
    auto* ablage = qobject_cast<QPlainTextEdit*>(fenster[0]->widget());
    QVERIFY(ablage != nullptr);
    QCOMPARE(ablage->toPlainText(), QStringLiteral("MEI\t5a"));
    QCOMPARE(fenster[0]->windowTitle(), QStringLiteral("Zwischenablage"));

    TModalSkript skript;
    skript.Dann([](QWidget* d) {
      KnopfMit(d, QStringLiteral("nebeneinander"))->click();
      KnopfMit(d, QStringLiteral("Ok"))->click();
    });
    lauf.Waehle({"Fenster", "Anordnung..."});
    QCOMPARE(lauf.palette->standard().fFensterOrd, 2);
  }

  // An hour dragged in a plan window goes back with Ctrl+Z and comes again with Ctrl+Y; the
  // plan window follows, and the dirty mark is the one the document had.
  void UndoesAndRedoesADraggedHour() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"))));
    TSchule& schule = lauf.palette->schule();
    TLehrer* lehrer = schule.HoleLehrer("UND");
    auto* kurs = new TKurs;
    kurs->IKurs(lehrer, schule.HoleKlasse("9z"), 1, nullptr, nullptr, nullptr);
    NeueSetzung(*kurs, 1, 1, nullptr, 1);
    schule.SetDirty(false);
    QVERIFY(!lauf.An({"Bearbeiten", "Widerrufen"}));
    QVERIFY(!lauf.An({"Bearbeiten", "Wiederherstellen"}));

    TPlnForm* plan = PlanFensterOeffnen(schule, lauf.palette->standard(), lehrer);
    lauf.palette->Arbeitsflaeche()->addSubWindow(plan)->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(lauf.palette.get()));
    lauf.Waehle({"Werkzeuge", "Schieben"});
    QWidget* flaeche = plan->Raster()->viewport();
    const auto mitte = [&](int tag, int std) {
      return plan->Raster()->visualItemRect(plan->Raster()->item(std - 1, tag - 1)).center();
    };
    QTest::mousePress(flaeche, Qt::LeftButton, {}, mitte(1, 1));
    QTest::mouseMove(flaeche, mitte(2, 3));
    QTest::mouseRelease(flaeche, Qt::LeftButton, {}, mitte(2, 3));
    QVERIFY(kurs->SetzungFinden(1, 2, 3) != nullptr);
    QVERIFY(lauf.An({"Bearbeiten", "Widerrufen"}));

    lauf.palette->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(lauf.palette.get()));
    QTest::keyClick(plan->Raster(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(kurs->SetzungFinden(1, 1, 1) != nullptr);
    QCOMPARE(kurs->fSetzungen.ListeZahlElemente(), 1);
    QVERIFY(!lehrer->fBesetzung.GetWocheTagStd(1, 2, 3));
    QVERIFY(!plan->ZellText(1, 1).isEmpty());
    QVERIFY(plan->ZellText(2, 3).isEmpty());
    QVERIFY(!schule.IsDirty());
    QVERIFY(!lauf.An({"Bearbeiten", "Widerrufen"}));
    QVERIFY(lauf.An({"Bearbeiten", "Wiederherstellen"}));

    QTest::keyClick(plan->Raster(), Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(kurs->SetzungFinden(1, 2, 3) != nullptr);
    QVERIFY(plan->ZellText(1, 1).isEmpty());
    QVERIFY(schule.IsDirty());
    QVERIFY(!lauf.An({"Bearbeiten", "Wiederherstellen"}));
    // Closing the document takes its history along.
    schule.SetDirty(false);
    QVERIFY(lauf.palette->DateiSchliessen());
    QVERIFY(!lauf.An({"Bearbeiten", "Widerrufen"}));
  }

  // The reminder comes once the minutes have passed, and only for unsaved work.
  void RemindsToSaveInIdleTime() {
    TLauf lauf(
        [](QSettings& ini) { ini.setValue(QStringLiteral("Tevi1/spz"), QStringLiteral("10")); });
    lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb")));
    TModalSkript skript;
    lauf.palette->SpeicherErinnerung();  // the time since start-up is not over yet
    lauf.palette->schule().HoleLehrer("NEU");
    lauf.uhr.Stellen(46364.5 + 11.0 / 1440);
    skript.Druecke(QStringLiteral("Nein"));
    lauf.palette->SpeicherErinnerung();
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Daten sichern?")});
    QCOMPARE(skript.fTexte, QStringList{QStringLiteral("Sollen Ihre Daten gesichert werden?")});
    lauf.uhr.Stellen(46364.5 + 15.0 / 1440);
    lauf.palette->SpeicherErinnerung();  // 4 minutes after the last one
    QCOMPARE(skript.fTitel.size(), 1);
    skript.Druecke(QStringLiteral("Ja"));
    lauf.uhr.Stellen(46364.5 + 22.0 / 1440);
    lauf.palette->SpeicherErinnerung();
    QCOMPARE(skript.fTitel.size(), 2);
    QVERIFY(!lauf.palette->schule().IsDirty());
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::OrbatoPaletteTest)
#include "orbatopalette_test.moc"
