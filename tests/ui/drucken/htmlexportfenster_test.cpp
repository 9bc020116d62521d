#include "ui/drucken/htmlexportfenster.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "html/planhtml.h"
#include "lauf.h"
#include "model/schnittstellen/dialoge.h"
#include "oberflaeche.h"
#include "platform/qttext.h"
#include "ui/bausteine/qtdialoge.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/voreinstellungen/eckdatendialog.h"
#include "urlfaenger.h"

namespace orbato {
namespace {

const QStringList kMenu = {"Datei", "Export", "HTML-Dateien..."};

QByteArray Lies(const QString& pfad) {
  QFile datei(pfad);
  return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

QString MitTrenner(const QString& ordner) {
  return QDir::toNativeSeparators(ordner + QLatin1Char('/'));
}

}  // namespace

class HTMLExportFensterTest : public QObject {
  Q_OBJECT

 private slots:
  // The folder dialog starts in the folder last used and keeps the new folder's parent; every
  // page of the list is written there with the stylesheet, the file names with the export's own.
  void MenuWritesThePagesIntoTheFolderNamed() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"))));
    lauf.palette->standard().fHTMLPlanPfad = "/nirgends/";
    QDir(lauf.ordner.path()).mkdir(QStringLiteral("netz"));
    lauf.dateiAntworten << lauf.Pfad(QStringLiteral("netz/plan"));
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle(kMenu);
    QCOMPARE(lauf.dateiDialoge,
             QStringList{QStringLiteral("Exportieren in den Ordner: /nirgends/")});
    QCOMPARE(QtText(lauf.palette->standard().fHTMLPlanPfad),
             MitTrenner(lauf.Pfad(QStringLiteral("netz"))));
    const TPlanHTML plan(lauf.palette->schule());
    QStringList erwartet;
    for (const std::string& name : plan.Dateien()) erwartet << QString::fromStdString(name);
    erwartet << QStringLiteral("orbato.css");
    erwartet.sort();
    QStringList geschrieben = QDir(lauf.Pfad(QStringLiteral("netz/plan"))).entryList(QDir::Files);
    geschrieben.sort();
    QCOMPARE(geschrieben, erwartet);
    const THTMLSeite seite = plan.Index();
    const std::vector<uint8_t>& index = seite.Bytes();
    QCOMPARE(Lies(lauf.Pfad(QStringLiteral("netz/plan/index.html"))),
             QByteArray(reinterpret_cast<const char*>(index.data()),
                        static_cast<qsizetype>(index.size())));
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Exportieren in HTML-Dateien")});
    QCOMPARE(skript.fTexte, QStringList{QStringLiteral("%1 Seiten veröffentlicht im Ordner\n%2")
                                            .arg(plan.Dateien().size())
                                            .arg(lauf.Pfad(QStringLiteral("netz/plan")))});
    QVERIFY(skript.fUnerwartet.isEmpty());
    QVERIFY(lauf.fehler.isEmpty());
  }

  // "Ordner öffnen" hands the folder to the desktop; "Ok" leaves it.
  void TheMessageOpensTheFolder() {
    TUrlFaenger faenger;
    QTemporaryDir ordner;
    TQtDialoge dialoge;
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ordner öffnen")).Druecke(QStringLiteral("Ok"));
    VeroeffentlichtMelden(dialoge, ordner.path(), 1);
    VeroeffentlichtMelden(dialoge, ordner.path(), 2);
    QCOMPARE(skript.fTexte,
             (QStringList{QStringLiteral("1 Seite veröffentlicht im Ordner\n") + ordner.path(),
                          QStringLiteral("2 Seiten veröffentlicht im Ordner\n") + ordner.path()}));
    QCOMPARE(faenger.fUrls, QList<QUrl>{QUrl::fromLocalFile(ordner.path())});
  }

  // An existing folder: the warning, and no file in it; a cancelled dialog does nothing.
  void AnExistingFolderIsRefusedWithTheWarning() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"))));
    QDir(lauf.ordner.path()).mkdir(QStringLiteral("da"));
    lauf.dateiAntworten << lauf.Pfad(QStringLiteral("da"));
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle(kMenu);
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Warnung")});
    QCOMPARE(skript.fTexte, QStringList{QStringLiteral("Kann Verzeichnis nicht erstellen!")});
    QVERIFY(QDir(lauf.Pfad(QStringLiteral("da"))).isEmpty());
    QCOMPARE(QtText(lauf.palette->standard().fHTMLPlanPfad), MitTrenner(lauf.ordner.path()));

    lauf.palette->standard().fHTMLPlanPfad = "/woanders/";
    lauf.Waehle(kMenu);  // no answer left: the dialog is cancelled
    QCOMPARE(lauf.palette->standard().fHTMLPlanPfad, std::string("/woanders/"));
    QVERIFY(skript.fUnerwartet.isEmpty());
  }

  // Without a document the entry writes nothing and asks nothing.
  void NothingWithoutADocument() {
    TLauf lauf;
    lauf.dateiAntworten << lauf.Pfad(QStringLiteral("plan"));
    QVERIFY(!PlanHTMLExportieren(*lauf.palette));
    QVERIFY(lauf.dateiDialoge.isEmpty());
    QVERIFY(!QDir(lauf.Pfad(QStringLiteral("plan"))).exists());
  }

  // The window shows the folder's name, the element being written and the bar of its kind; it
  // hands the warning on to the program's dialogs.
  void WindowShowsFolderElementAndBar() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"))));
    const TSchule& schule = lauf.palette->schule();
    TSkriptDialoge fragen;
    THTMLExportFenster fenster(fragen);
    QCOMPARE(fenster.windowTitle(), QStringLiteral("Exportieren in HTML-Dateien"));
    QVERIFY(fenster.ExportToFile(schule, ModellText(lauf.Pfad(QStringLiteral("web")))));
    QVERIFY(!fenster.isVisible());
    QCOMPARE(fenster.OrdnerText()->text(), QStringLiteral("web"));
    const int faecher = schule.fFachMenge.ListeZahlElemente();
    QVERIFY(faecher > 0);
    QCOMPARE(fenster.ElementText()->text(),
             QtText(schule.fFachMenge.ListeNrInhalt(faecher)->fKuerzel.str()));
    QCOMPARE(fenster.Balken()->maximum(), faecher);
    QCOMPARE(fenster.Balken()->value(), faecher - faecher % 5);
    QCOMPARE(fragen.Protokoll().size(), std::size_t{0});

    QVERIFY(!fenster.ExportToFile(schule, ModellText(lauf.Pfad(QStringLiteral("web")))));
    const auto meldungen = fragen.Protokoll(TDialogVorgang::Nachricht);
    QCOMPARE(meldungen.size(), std::size_t{1});
    QCOMPARE(meldungen[0].fZeilen, std::vector<std::string>{"Kann Verzeichnis nicht erstellen!"});
  }

  // The school name is entered with the other key data and heads the pages.
  void SchoolNameFromTheKeyDataHeadsThePages() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"))));
    lauf.palette->standard().fSchulname = "Alte Schule";
    TModalSkript skript;
    skript.Dann([](QWidget* d) {
      auto* feld = d->findChild<QLineEdit*>(QStringLiteral("schulname"));
      QCOMPARE(feld->text(), QStringLiteral("Alte Schule"));
      feld->setText(QStringLiteral("Gesamtschule Süd <Nord>"));
      KnopfMit(d, QStringLiteral("Ok"))->click();
    });
    lauf.Waehle({"Bearbeiten", "Voreinstellungen", "Eckdaten"});
    QVERIFY(skript.Fertig());
    QCOMPARE(lauf.palette->standard().fSchulname, std::string("Gesamtschule S\xFC"
                                                              "d <Nord>"));
    lauf.dateiAntworten << lauf.Pfad(QStringLiteral("plan"));
    lauf.Waehle(kMenu);
    QVERIFY(Lies(lauf.Pfad(QStringLiteral("plan/ku.html")))
                .contains("\r<BODY>\r<H1>Gesamtschule S&uuml;d &lt;Nord&gt;</H1>\r"));

    // "Abbrechen" keeps the name.
    skript.Druecke(QStringLiteral("Abbrechen"));
    lauf.Waehle({"Bearbeiten", "Voreinstellungen", "Eckdaten"});
    QCOMPARE(lauf.palette->standard().fSchulname, std::string("Gesamtschule S\xFC"
                                                              "d <Nord>"));
  }

  void KeyDataDialogKeepsTheNameInTheFileCode() {
    TEckdatenDialog dialog{TEckdaten{}};
    dialog.SetSchulname("M\xFCnster & Co");
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("schulname"))->text(),
             QStringLiteral("Münster & Co"));
    QCOMPARE(dialog.Schulname(), std::string("M\xFCnster & Co"));
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::HTMLExportFensterTest)
#include "htmlexportfenster_test.moc"
