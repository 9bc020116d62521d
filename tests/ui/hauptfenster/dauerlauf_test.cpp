// A long random run of what a planner does, on the demo school: menu commands and shortcuts,
// clicks into every grid with every tool, pop-up menus and dialogs answered at random, windows
// opened and closed, undo and redo. The program must survive every step, the consistency check
// must find nothing after each, and at the end the document saves and loads unchanged.
//
// ORBATO_DAUERLAUF_SCHRITTE sets the steps per seed (a few thousand by default),
// ORBATO_DAUERLAUF_SAAT runs one seed only, ORBATO_DAUERLAUF_PROTOKOLL=1 prints every step.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <deque>
#include <random>

#include "dauerlaufschritte.h"
#include "lauf.h"
#include "model/demo/demoschule.h"
#include "model/dokument/schule.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/kurse/setzung.h"
#include "persist/plandatei.h"
#include "persist/planschreiber.h"
#include "platform/qttext.h"
#include "ui/bausteine/qtdialoge.h"

namespace orbato {
namespace {

int Umgebungszahl(const char* name, int vorgabe) {
  bool ok = false;
  const int wert = qEnvironmentVariableIntValue(name, &ok);
  return ok ? wert : vorgabe;
}

std::vector<uint8_t> Bytes(const QString& pfad) {
  QFile datei(pfad);
  if (!datei.open(QIODevice::ReadOnly)) return {};
  const QByteArray inhalt = datei.readAll();
  return {inhalt.begin(), inhalt.end()};
}

// Every course with its placements, one line each, sorted: loading sorts the courses by their
// keys, which the run changed under courses already in the list.
QStringList Stundenplan(const TSchule& schule) {
  QStringList zeilen;
  for (const TKurs* k : schule.fKursMenge) {
    QString zeile = QtText(k->fLehrer ? k->fLehrer->fKuerzel.str() : std::string("-")) +
                    QLatin1Char(' ') + QtText(k->fInfo.str());
    for (const TSetzung* st : k->fSetzungen) {
      zeile += QStringLiteral(" %1/%2/%3/%4%5")
                   .arg(st->fWoche)
                   .arg(st->fTag)
                   .arg(st->fStunde)
                   .arg(st->fRaum ? QtText(st->fRaum->fKuerzel.str()) : QString())
                   .arg(st->fFixiert ? QStringLiteral("F") : QString());
    }
    zeilen << zeile;
  }
  zeilen.sort();
  return zeilen;
}

// Loads `ein` and saves what was loaded as `aus`; answers the document loaded.
std::unique_ptr<TSchule> SpeichernUndLaden(const QString& ein, const QString& aus, TLauf& lauf) {
  TGeladenerPlan geladen = LadePlan(ein.toStdString(), lauf.palette->dialoge(), lauf.uhr);
  TSchuleEinsetzen eingesetzt(*geladen.schule);
  TWriteForm(geladen.schule->Dialog()).WriteToFile(aus.toStdString());
  return std::move(geladen.schule);
}

}  // namespace

class DauerlaufTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The run closes the main window now and then and opens it again, as a planner restarts.
    QApplication::setQuitOnLastWindowClosed(false);
  }

  void Dauerlauf_data() {
    QTest::addColumn<int>("saat");
    const int eine = Umgebungszahl("ORBATO_DAUERLAUF_SAAT", 0);
    for (int saat : eine > 0 ? std::vector<int>{eine} : std::vector<int>{1, 2, 3}) {
      QTest::newRow(qPrintable(QStringLiteral("Saat %1").arg(saat))) << saat;
    }
  }

  void Dauerlauf() {
    QFETCH(int, saat);
    TLauf lauf;
    const QString demo = lauf.Demo(TDemoGroesse::mittel);
    QVERIFY(lauf.palette->Oeffnen(demo));

    TDauerlauf dauerlauf(lauf, demo, static_cast<unsigned>(saat),
                         Umgebungszahl("ORBATO_DAUERLAUF_SCHRITTE", 2500),
                         qEnvironmentVariableIsSet("ORBATO_DAUERLAUF_PROTOKOLL"));
    dauerlauf.Starten();
    while (!dauerlauf.Fertig()) QTest::qWait(20);
    // QtTest cuts a long message short; the whole finding with its last steps goes to stderr.
    if (!dauerlauf.Befund().isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(dauerlauf.Befund()));
    QVERIFY2(dauerlauf.Befund().isEmpty(), qPrintable(dauerlauf.Befund()));

    // Saved and loaded, the document has every course with every placement, room and fix; saved
    // again, it gives the same bytes once more.
    if (!lauf.palette->DokumentOffen()) QVERIFY(lauf.palette->Oeffnen(demo));
    const QString erst = lauf.Pfad(QStringLiteral("erst.orb"));
    const QString dann = lauf.Pfad(QStringLiteral("dann.orb"));
    const QString dritt = lauf.Pfad(QStringLiteral("dritt.orb"));
    TWriteForm(lauf.palette->schule().Dialog()).WriteToFile(erst.toStdString());
    const QStringList vorher = Stundenplan(lauf.palette->schule());
    QCOMPARE(Stundenplan(*SpeichernUndLaden(erst, dann, lauf)), vorher);
    SpeichernUndLaden(dann, dritt, lauf);
    QVERIFY(!Bytes(dann).empty());
    QVERIFY(Bytes(dann) == Bytes(dritt));
    qInfo("%d Schritte, %d Konsistenzprüfungen, %d Pop-up-Menüs, %d Dialoge", dauerlauf.Schritte(),
          dauerlauf.Pruefungen(), dauerlauf.Menues(), dauerlauf.Dialoge());
    // Windows that ask before they close are answered with their escape button.
    QTimer schliesser;
    connect(&schliesser, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) SchliesseOhneAenderung(modal);
    });
    schliesser.start(20);
    for (QMdiSubWindow* f : lauf.palette->Arbeitsflaeche()->subWindowList()) f->close();
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::DauerlaufTest)
#include "dauerlauf_test.moc"
