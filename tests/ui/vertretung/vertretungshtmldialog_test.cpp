#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "dokument.h"
#include "model/schnittstellen/dialoge.h"
#include "oberflaeche.h"
#include "ui/vertretung/vertretungshtmlbefehle.h"
#include "ui/vertretung/vertretungshtmldialog.h"

namespace orbato {

class VertretungsHTMLDialogTest : public QObject, TEingesetztesDokument {
  Q_OBJECT

 private:
  // Wednesday, 9 December 2026.
  static constexpr TDatumZeit kMittwoch = 46365.5;

  // Answers the save dialogs from a list and notes what each proposed.
  void DateienAntworten(QStringList antworten) {
    fAntworten = std::move(antworten);
    fGefragt.clear();
    VertrHTMLDateiWahl() = [this](QWidget*, const QString& titel, const QString& vorschlag,
                                  const QString& filter) {
      fGefragt << titel + QStringLiteral(": ") + vorschlag + QStringLiteral(" ") + filter;
      return fAntworten.isEmpty() ? QString() : fAntworten.takeFirst();
    };
  }
  QStringList Dateien(const QString& ordner) const {
    return QDir(ordner).entryList(QDir::Files, QDir::Name);
  }
  QStringList Meldungen() const {
    QStringList texte;
    for (const TDialogEintrag& e : fDialoge.Protokoll(TDialogVorgang::Nachricht)) {
      texte << QString::fromLatin1(e.fZeilen.at(0).c_str());
    }
    return texte;
  }

  TSkriptDialoge fDialoge;
  QTemporaryDir fOrdner;
  QStringList fAntworten, fGefragt;

 private slots:
  void init() {
    fDialoge = TSkriptDialoge();
    Anlegen(fDialoge);
    // Each test starts with an empty folder.
    QDir(fOrdner.path()).removeRecursively();
    QDir().mkpath(fOrdner.path());
    fStandard->fHTMLVertPfad =
        QFile::encodeName(fOrdner.path() + QStringLiteral("/")).toStdString();
  }
  void cleanup() {
    VertrHTMLDateiWahl() = nullptr;
    Abbauen();
  }

  // Every field shows its setting, and "Ok" stores what was changed.
  void ShowsAndStoresEverySetting() {
    fStandard->fVertrHTMLSize = 3;
    TVertrHTMLDialog d(*fStandard);
    QCOMPARE(d.windowTitle(),
             QStringLiteral("Einstellung für den HTML-Export des Vertretungsplans"));
    QStringList texte;
    for (QLabel* l : d.findChildren<QLabel*>()) texte << l->text();
    for (QAbstractButton* b : d.findChildren<QAbstractButton*>()) texte << b->text();
    for (const char* t :
         {"als gemeinsame Datei", "als getrennte Dateien", "Fenster automatisch scrollen",
          "Millisekunden", "Pixel", "Seite automatisch neu laden nach", "Minuten",
          "mit Tagesordner", "nur vertretene Stunden", "Leerzeilen", "(oben und unten)",
          "Pfad zur css-Datei", "Ok", "Abbrechen"}) {
      QVERIFY2(texte.contains(QString::fromUtf8(t)), t);
    }
    QVERIFY(d.Getrennt()->isChecked() && !d.Gemeinsam()->isChecked());
    QVERIFY(!d.Scrollen()->isChecked() && d.MitZurueck()->isChecked());
    QCOMPARE(d.ScrollSekunden()->value(), 5);
    QCOMPARE(d.ScrollPixel()->value(), 100);
    QCOMPARE(d.Laden()->value(), 32);
    QCOMPARE(d.CSS()->text(), QStringLiteral("orbato.css"));
    QCOMPARE(d.Groesse()->count(), 7);
    QCOMPARE(d.Groesse()->itemText(0), QStringLiteral("(-2)"));
    QCOMPARE(d.Groesse()->itemText(6), QStringLiteral("(+4)"));
    QCOMPARE(d.Groesse()->currentText(), QStringLiteral("(+3)"));

    d.Gemeinsam()->setChecked(true);
    d.Scrollen()->setChecked(true);
    d.ScrollSekunden()->setValue(40);
    d.ScrollPixel()->setValue(2);
    d.Laden()->setValue(10);
    d.MitTagesordner()->setChecked(true);
    d.NurVertretene()->setChecked(true);
    d.MitZurueck()->setChecked(false);
    d.Leerzeilen()->setValue(3);
    d.CSS()->setText(QStringLiteral("../stil/schön.css"));
    d.Groesse()->setCurrentIndex(0);
    d.Uebernehmen();
    const TStandard& s = *fStandard;
    QVERIFY(s.fVertrHTMLGemeinsam && s.fVertrHTMLScrollen && s.fVertrHTMLMitTagesordner &&
            s.fVertrHTMLNurVertreteneStd && !s.fVertrHTMLMitZurueck);
    QCOMPARE(s.fVertrScrollSekunden, 40);
    QCOMPARE(s.fVertrScrollPixel, 2);
    QCOMPARE(s.fVertrLaden, 10);
    QCOMPARE(s.fVertrLeerzeilen, 3);
    QCOMPARE(s.fVertrCSS, std::string("../stil/sch\xF6n.css"));
    QCOMPARE(s.fVertrHTMLSize, -2);
  }

  // Two layouts ticked: the message, no dialog, no file.
  void RefusesMoreThanOneLayout() {
    fStandard->fVertrCheck = {true, false, true, false};
    DateienAntworten({});
    TModalSkript skript;
    VertretungAlsHTML(nullptr, *fSchule, *fStandard, kMittwoch, {});
    QCOMPARE(Meldungen(), QStringList{QStringLiteral("darf nur eine Druckeinstellung")});
    QVERIFY(skript.fTitel.isEmpty());
    QVERIFY(fGefragt.isEmpty());
    fStandard->fVertrCheck = {false, false, false, false};
    VertretungAlsHTML(nullptr, *fSchule, *fStandard, kMittwoch, {});
    QCOMPARE(Meldungen().size(), 2);
  }

  // "Abbrechen" stores nothing and asks for no file.
  void CancelStopsBeforeTheFileDialog() {
    DateienAntworten({fOrdner.filePath(QStringLiteral("vp.html"))});
    TModalSkript skript;
    skript.Dann([](QWidget* w) {
      auto* d = qobject_cast<TVertrHTMLDialog*>(w);
      QVERIFY(d);
      d->Scrollen()->setChecked(true);
      KnopfMit(d, QStringLiteral("Abbrechen"))->click();
    });
    VertretungAlsHTML(nullptr, *fSchule, *fStandard, kMittwoch, {});
    QVERIFY(skript.Fertig());
    QVERIFY(!fStandard->fVertrHTMLScrollen);
    QVERIFY(fGefragt.isEmpty());
    QVERIFY(Dateien(fOrdner.path()).isEmpty());
  }

  // With day folders the save dialog proposes the day's folder; it is made with three files and
  // its folder becomes the next start.
  void DayFolderFromTheSaveDialog() {
    const QString unter = fOrdner.filePath(QStringLiteral("unter"));
    QVERIFY(QDir().mkpath(unter));
    const QString ordner = unter + QStringLiteral("/Vertretung 09-12-2026");
    DateienAntworten({ordner});
    TModalSkript skript;
    skript.Dann([](QWidget* w) {
      auto* d = qobject_cast<TVertrHTMLDialog*>(w);
      QVERIFY(d);
      d->MitTagesordner()->setChecked(true);
      KnopfMit(d, QStringLiteral("Ok"))->click();
    });
    VertretungAlsHTML(nullptr, *fSchule, *fStandard, kMittwoch, {"Hallo"});
    QVERIFY(skript.Fertig());
    QCOMPARE(fGefragt, QStringList{QStringLiteral("Vertretungsplan als HTML-Datei: ") +
                                   fOrdner.path() + QStringLiteral("/Vertretung 09-12-2026 ")});
    QCOMPARE(Dateien(ordner),
             (QStringList{QStringLiteral("ep.html"), QStringLiteral("index.html"),
                          QStringLiteral("orbato.css"), QStringLiteral("vp.html")}));
    QCOMPARE(QString::fromStdString(fStandard->fHTMLVertPfad), unter + QStringLiteral("/"));
    QVERIFY(fStandard->fVertrHTMLMitTagesordner);
    QVERIFY(Meldungen().isEmpty());
  }

  // Without day folders: "vp.html" and "ep.html" each from its own dialog; a cancelled one skips
  // its file, and one common file asks only once.
  void SingleFilesFromOneOrTwoDialogs() {
    const QString vp = fOrdner.filePath(QStringLiteral("plan.html"));
    DateienAntworten({vp, QString()});
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok"));
    VertretungAlsHTML(nullptr, *fSchule, *fStandard, kMittwoch, {});
    const QString start = QStringLiteral("Vertretungsplan als HTML-Datei: ") + fOrdner.path();
    QCOMPARE(fGefragt,
             (QStringList{start + QStringLiteral("/vp.html HTML-Dateien (*.HTML)||*.html"),
                          start + QStringLiteral("/ep.html HTML-Dateien (*.HTML)||*.html")}));
    QCOMPARE(Dateien(fOrdner.path()), QStringList{QStringLiteral("plan.html")});

    QFile::remove(vp);
    fStandard->fVertrHTMLGemeinsam = true;
    DateienAntworten({vp});
    skript.Druecke(QStringLiteral("Ok"));
    VertretungAlsHTML(nullptr, *fSchule, *fStandard, kMittwoch, {});
    QCOMPARE(fGefragt.size(), 1);
    QCOMPARE(Dateien(fOrdner.path()), QStringList{QStringLiteral("plan.html")});
  }

  // "HTML 4" needs all four layouts ticked; then each layout's file and the message.
  void FourFilesNeedAllFourLayouts() {
    fStandard->fVertrCheck = {true, true, true, false};
    VierHTMLDateien(nullptr, *fSchule, *fStandard, kMittwoch, {});
    QCOMPARE(Meldungen(),
             QStringList{QString::fromUtf8("Es müssen alle 4 Druckeinstellungen gewählt sein!")});
    QVERIFY(Dateien(fOrdner.path()).isEmpty());
    fStandard->fVertrCheck = {true, true, true, true};
    for (int i = 0; i < 4; ++i) {
      fStandard->fVDEinstellung[static_cast<size_t>(i)].HTMLPfad =
          fOrdner.filePath(QStringLiteral("e%1.html").arg(i + 1)).toStdString();
    }
    VierHTMLDateien(nullptr, *fSchule, *fStandard, kMittwoch, {});
    QCOMPARE(Dateien(fOrdner.path()).size(), 4);
    QCOMPARE(Meldungen().last(), QStringLiteral("Die 4 HTML-Dateien wurden exportiert."));
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::VertretungsHTMLDialogTest)
#include "vertretungshtmldialog_test.moc"
