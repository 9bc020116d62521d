// The program killed in the middle of its work: a child process runs the real main window on a
// copy of a real school's plan file, places hours, lets the recovery file be written and is
// killed with SIGKILL; the program started again offers the changes and brings every hour back.
#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <iostream>
#include <string_view>

#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/uhr.h"
#include "oberflaeche.h"
#include "persist/kursimport.h"
#include "persist/planschreiber.h"
#include "placement/regeln.h"
#include "placement/setzen.h"
#include "platform/qsettingsspeicher.h"
#include "ui/hauptfenster/orbatopalette.h"

namespace orbato {
namespace {

constexpr int kStunden = 40;  // the hours the child places

QByteArray Lies(const QString& pfad) {
  QFile datei(pfad);
  return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// Places one hour of each course in the first cell of version 1 where it fits, until kStunden
// are placed; each as a line "gesetzt COURSE DAY PERIOD", the course by its position.
void SetzeStunden(TSchule& schule) {
  int nr = 0;
  int gesetzt = 0;
  for (TKurs* kurs : schule.fKursMenge) {
    ++nr;
    for (int zelle = 0; zelle < 5 * 8 && gesetzt < kStunden; ++zelle) {
      const int tag = zelle / 8 + 1;
      const int stunde = zelle % 8 + 1;
      TRaum* raum = FreierRaum(*kurs, 1, tag, stunde);
      if (!SetzungPossible(*kurs, 1, tag, raum, stunde)) continue;
      if (NeueSetzung(*kurs, 1, tag, raum, stunde) == nullptr) continue;
      std::cout << "gesetzt " << nr << ' ' << tag << ' ' << stunde << std::endl;
      ++gesetzt;
      break;
    }
  }
}

// The child: the main window on the plan file (argv[2]) with the settings (argv[3]) and the data
// folder (argv[4]); says "bereit" once the recovery file is there, then waits to be killed.
int Kind(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  TQSettingsSpeicher speicher(QString::fromLocal8Bit(argv[3]));
  TSystemUhr uhr;
  TOrbatoPalette palette(speicher, uhr);
  palette.DatenOrdnerSetzen(QString::fromLocal8Bit(argv[4]));
  palette.fFehlerZeigen = [](const QString& text) { std::cerr << text.toStdString() << std::endl; };
  palette.show();
  const QString plan = QString::fromLocal8Bit(argv[2]);
  if (!palette.Oeffnen(plan)) return 3;
  SetzeStunden(palette.schule());
  // A minute is the shortest interval the settings offer; the test has less time.
  palette.WiederherstellTakt()->setInterval(100);
  QTimer warten;
  QObject::connect(&warten, &QTimer::timeout, [&] {
    if (!QFile::exists(plan + QStringLiteral(".wiederherstellung"))) return;
    warten.stop();
    std::cout << "bereit" << std::endl;
  });
  warten.start(20);
  return QApplication::exec();
}

}  // namespace

class WiederherstellungTest : public QObject {
  Q_OBJECT

 private slots:
  void AKilledProgramsHoursComeBack() {
    QTemporaryDir ordner;
    const QString plan = ordner.filePath(QStringLiteral("dgs.orb"));
    const QString ini = ordner.filePath(QStringLiteral("einstellungen.ini"));
    const QString daten = ordner.filePath(QStringLiteral("daten"));
    {
      TStandard standard;
      TStandardEinsetzen eingesetzt(standard);
      TSchule schule;
      TSchuleEinsetzen eingesetzt2(schule);
      TSkriptDialoge dialoge;  // "Ja": unknown short names are created
      QCOMPARE(TImportForm(schule, dialoge).ImportFromFile(ORBATO_TESTDATEN "/schulen/dgs.txt"),
               TImportErgebnis::Importiert);
      TWriteForm(dialoge).WriteToFile(QFile::encodeName(plan).toStdString());
    }
    {
      QSettings einstellungen(ini, QSettings::IniFormat);
      einstellungen.setValue(QStringLiteral("Tevi1/wdz"), 1);
    }
    const QByteArray original = Lies(plan);

    QProcess kind;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
      umgebung.insert(QString::fromLatin1(name), ordner.filePath(QStringLiteral("heim")));
    }
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    kind.setProcessEnvironment(umgebung);
    kind.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--kind"), plan, ini, daten});
    QVERIFY(kind.waitForStarted());
    QByteArray ausgabe;
    while (!ausgabe.contains("bereit\n")) {
      QVERIFY2(kind.waitForReadyRead(60000), kind.readAllStandardError().constData());
      ausgabe += kind.readAllStandardOutput();
    }
    const qint64 pid = kind.processId();
    ::kill(static_cast<pid_t>(pid), SIGKILL);
    QVERIFY(kind.waitForFinished());
    QCOMPARE(kind.exitStatus(), QProcess::CrashExit);

    // What the killed program left: its lock, its recovery file, the plan file untouched.
    QCOMPARE(Lies(plan), original);
    QVERIFY(Lies(ordner.filePath(QStringLiteral(".~lock.dgs.orb#")))
                .endsWith(QByteArray::number(pid) + '\n'));
    QVERIFY(QFile::exists(plan + QStringLiteral(".wiederherstellung")));
    QList<QByteArrayList> gesetzt;
    for (const QByteArray& zeile : ausgabe.split('\n')) {
      if (zeile.startsWith("gesetzt ")) gesetzt << zeile.split(' ');
    }
    QCOMPARE(gesetzt.size(), kStunden);

    // Started again on the same file: the dead program's lock is taken over without a word,
    // the changes are offered and come back under the plan file's name.
    TQSettingsSpeicher speicher(ini);
    TSystemUhr uhr;
    TOrbatoPalette palette(speicher, uhr);
    palette.DatenOrdnerSetzen(daten);
    QStringList fehler;
    palette.fFehlerZeigen = [&](const QString& text) { fehler << text; };
    palette.show();
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Wiederherstellen"));
    palette.StartDatei(plan);
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Wiederherstellung")});
    QVERIFY(skript.fTexte.value(0).startsWith(
        QStringLiteral("Für dgs.orb gibt es ungesicherte Änderungen vom ")));
    QCOMPARE(fehler, QStringList());
    QCOMPARE(palette.windowTitle(), QStringLiteral("WinOrbato 3.9.16 [dgs.orb]*"));
    const TSchule& schule = palette.schule();
    int setzungen = 0;
    for (const TKurs* kurs : schule.fKursMenge) setzungen += kurs->fSetzungen.ListeZahlElemente();
    QCOMPARE(setzungen, kStunden);
    for (const QByteArrayList& s : gesetzt) {
      const TKurs* kurs = schule.fKursMenge.ListeNrInhalt(s.at(1).toInt());
      QVERIFY(kurs != nullptr);
      QVERIFY2(kurs->SetzungFinden(1, s.at(2).toInt(), s.at(3).toInt()) != nullptr,
               s.join(' ').constData());
    }
    QVERIFY(Lies(ordner.filePath(QStringLiteral(".~lock.dgs.orb#")))
                .endsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
    QCOMPARE(Lies(plan), original);  // written only on "Sichern"
  }
};

}  // namespace orbato

int main(int argc, char** argv) {
  if (argc == 5 && std::string_view(argv[1]) == "--kind") return orbato::Kind(argc, argv);
  QApplication anwendung(argc, argv);
  orbato::WiederherstellungTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "wiederherstellung_test.moc"
