#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "lauf.h"
#include "oberflaeche.h"
#include "ui/befehle/gpudialog.h"
#include "ui/hauptfenster/orbatopalette.h"

namespace orbato {
namespace {

QByteArray Lies(const QString& pfad) {
  QFile datei(pfad);
  return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// Fills the dialog "Untis-Dateien (GPU)" and presses "Ok".
TModalSkript::TSchritt Fuelle(const QString& ordner, int trenner, int zeichensatz,
                              bool vertretungen = false) {
  return [=](QWidget* fenster) {
    auto* dialog = qobject_cast<TGpuDialog*>(fenster);
    QVERIFY(dialog != nullptr);
    dialog->OrdnerFeld()->setText(ordner);
    dialog->TrennzeichenFeld()->setCurrentIndex(trenner);
    dialog->ZeichensatzFeld()->setCurrentIndex(zeichensatz);
    if (dialog->VertretungenFeld()) dialog->VertretungenFeld()->setChecked(vertretungen);
    dialog->accept();
  };
}

}  // namespace

class GpuBefehleTest : public QObject {
  Q_OBJECT

 private slots:
  // The dialog offers detection only for reading; the export's range waits for its check box.
  void TheDialogOffersWhatEachDirectionNeeds() {
    TGpuDialog import(TGpuDialog::TRichtung::Import, QStringLiteral("/x"), 46364.5);
    QCOMPARE(import.windowTitle(), QStringLiteral("Untis-Dateien (GPU)"));
    QCOMPARE(import.TrennzeichenFeld()->count(), 4);
    QCOMPARE(import.TrennzeichenFeld()->itemText(0), QStringLiteral("erkennen"));
    QCOMPARE(import.ZeichensatzFeld()->itemText(2), QStringLiteral("UTF-8"));
    QVERIFY(import.VertretungenFeld() == nullptr);
    import.TrennzeichenFeld()->setCurrentIndex(2);
    import.ZeichensatzFeld()->setCurrentIndex(1);
    QCOMPARE(import.Lesart().trenner, ';');
    QVERIFY(import.Lesart().kodierung == TGpuKodierung::Cp1252);

    TGpuDialog export_(TGpuDialog::TRichtung::Export, QStringLiteral("/x"), 46364.5);
    QCOMPARE(export_.TrennzeichenFeld()->itemText(0), QStringLiteral("Komma"));
    QCOMPARE(export_.Schreibart().trenner, ',');
    QVERIFY(!export_.Schreibart().utf8);
    QVERIFY(!export_.VonFeld()->isEnabled());
    QCOMPARE(export_.Von(), 0.0);
    export_.VertretungenFeld()->setChecked(true);
    QVERIFY(export_.BisFeld()->isEnabled());
    QCOMPARE(export_.Von(), 46364.5);
    export_.TrennzeichenFeld()->setCurrentIndex(2);
    QCOMPARE(export_.Schreibart().trenner, '\t');
  }

  // "Export" writes the demo school's files; "Import" reads them into a new document named after
  // the folder and shows the report.
  void TheDemoSchoolGoesOutAndComesBack() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(lauf.Demo(TDemoGroesse::klein)));
    const QString ordner = lauf.Pfad(QStringLiteral("untis"));
    TModalSkript skript;
    skript.Dann(Fuelle(ordner, 1, 1, true)).Druecke(QStringLiteral("Ok"));
    lauf.Waehle({"Datei", "Export", "Untis-Dateien (GPU)..."});
    // GPU001 to GPU006, and GPU013 and GPU014 for the range of days.
    QCOMPARE(skript.fTitel, QStringList(2, QStringLiteral("Untis-Dateien (GPU)")));
    QCOMPARE(skript.fTexte,
             QStringList{QStringLiteral("8 Untis-Dateien geschrieben in den Ordner\n") +
                         QDir::toNativeSeparators(ordner)});
    const QByteArray klassen = Lies(ordner + QStringLiteral("/GPU003.TXT"));
    QVERIFY(klassen.startsWith("\"5a\";\"Klasse 5a\";;"));
    QVERIFY(QFile::exists(ordner + QStringLiteral("/GPU014.TXT")));

    TLauf neu;
    skript.Dann(Fuelle(ordner, 0, 0)).Druecke(QStringLiteral("Ok"));
    neu.Waehle({"Datei", "Import", "Untis-Dateien (GPU)..."});
    QCOMPARE(skript.fTitel.mid(2),
             (QStringList{QStringLiteral("Untis-Dateien (GPU)"), QStringLiteral("Untis-Import")}));
    QCOMPARE(skript.fTexte.last(),
             QStringLiteral("Untis-Import: 6 Klassen, 12 Lehrer, 15 Räume, 24 Fächer, 98 Kurse, "
                            "13 Kopplungen, 111 Setzungen in Planversion 1."));
    QVERIFY(neu.palette->DokumentOffen());
    QCOMPARE(neu.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16 [untis.ORB]*"));
    QCOMPARE(neu.palette->schule().fKursMenge.ListeZahlElemente(), 98);
    QVERIFY(skript.fUnerwartet.isEmpty());
  }

  // A folder without the files names itself and leaves the program without a document.
  void AFolderWithoutFilesIsRefused() {
    TLauf lauf;
    QVERIFY(!lauf.palette->GpuImportieren(lauf.ordner.path(), {}));
    QCOMPARE(lauf.fehler, QStringList{QStringLiteral("Der Ordner ") + lauf.ordner.path() +
                                      QStringLiteral(" enthält keine Untis-Dateien (GPU001.TXT "
                                                     "bis GPU006.TXT).")});
    QVERIFY(!lauf.palette->DokumentOffen());
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::GpuBefehleTest)
#include "gpubefehle_test.moc"
