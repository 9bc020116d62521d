#include "ui/drucken/htmlfarbendialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTextBrowser>

#include "html/stilvorlage.h"
#include "lauf.h"
#include "oberflaeche.h"
#include "platform/qttext.h"

namespace orbato {

namespace {

using D = THTMLFarbenDialog;

const QStringList& Pfad() {
  static const QStringList pfad = {QStringLiteral("Bearbeiten"), QStringLiteral("Voreinstellungen"),
                                   QStringLiteral("HTML-Farben")};
  return pfad;
}

D* Dialog(QWidget* w) {
  auto* d = qobject_cast<D*>(w);
  if (d == nullptr) qWarning("kein HTML-Farben-Dialog: %s", qPrintable(w->windowTitle()));
  return d;
}

// Answers the colour dialog with `farbe` and puts a custom colour into its palette.
TModalSkript::TSchritt Farbe(const QColor& farbe, bool nehmen = true) {
  return [farbe, nehmen](QWidget* w) {
    auto* d = qobject_cast<QColorDialog*>(w);
    if (d == nullptr) return SchliesseOhneAenderung(w);
    QColorDialog::setCustomColor(0, QColor(1, 2, 3));
    d->setCurrentColor(farbe);
    nehmen ? d->accept() : d->reject();
  };
}

QString Blatt(const THTMLFarben& f) {
  return QtText(Stilvorlage(f));
}

QByteArray Inhalt(const QString& pfad) {
  QFile datei(pfad);
  return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("fehlt");
}

}  // namespace

class HTMLFarbenDialogTest : public QObject {
  Q_OBJECT

 private slots:
  // The fields show the stored look; each change reaches the preview's stylesheet at once; "Ok"
  // stores the look and the custom colours of the colour dialog.
  void OkStoresTheLookAndThePreviewFollowsEveryChange() {
    TLauf lauf;
    TStandard& st = lauf.palette->standard();
    THTMLFarben erwartet;
    TModalSkript skript;
    skript.Dann([&](QWidget* w) {
      D* d = Dialog(w);
      QVERIFY(d);
      QCOMPARE(d->Schriftart()->currentText(), QStringLiteral("Arial"));
      QCOMPARE(d->Groesse()->value(), 14);
      QVERIFY(d->TitelFett()->isChecked());
      QCOMPARE(d->Vorschau()->document()->defaultStyleSheet(), Blatt(erwartet));
      QVERIFY(d->Vorschau()->toPlainText().contains(
          QStringLiteral("Vertretungsplan für Montag, 07. Sep 2026")));

      d->FarbKnopf(D::kTitelHintergrund)->click();
      erwartet.TitelHintergrund = 0x0000FF;
      QCOMPARE(d->Vorschau()->document()->defaultStyleSheet(), Blatt(erwartet));
      d->FarbKnopf(D::kAdhocText)->click();
      erwartet.AdhocText = THTMLFarben::Farbe(0, 128, 255);
      QCOMPARE(d->Vorschau()->document()->defaultStyleSheet(), Blatt(erwartet));
      d->Groesse()->setValue(20);
      erwartet.Schrift.Groesse = 20;
      QCOMPARE(d->Vorschau()->document()->defaultStyleSheet(), Blatt(erwartet));
      d->Schriftart()->lineEdit()->clear();
      QTest::keyClicks(d->Schriftart()->lineEdit(), QStringLiteral("Verdana"));
      erwartet.Schrift.Name = "Verdana";
      QCOMPARE(d->Vorschau()->document()->defaultStyleSheet(), Blatt(erwartet));
      d->TitelFett()->setChecked(false);
      erwartet.TitelFett = false;
      QCOMPARE(d->Vorschau()->document()->defaultStyleSheet(), Blatt(erwartet));
      QVERIFY(d->Farben() == erwartet);
      // Nothing is stored before "Ok".
      QVERIFY(st.fHTMLFarben == THTMLFarben{});
      KnopfMit(d, QStringLiteral("Ok"))->click();
    });
    skript.Dann(Farbe(Qt::red));
    skript.Dann(Farbe(QColor(0, 128, 255)));
    lauf.Waehle(Pfad());
    QTRY_VERIFY(skript.Fertig());
    QVERIFY(skript.fUnerwartet.isEmpty());
    QCOMPARE(skript.fTitel.value(0), QStringLiteral("HTML-Farben"));
    QCOMPARE(skript.fTitel.size(), 3);
    QVERIFY(st.fHTMLFarben == erwartet);
    QCOMPARE(st.fCustomFarbe[0], std::string("030201"));
    QCOMPARE(st.fCustomFarbe[1], std::string("FFFFFF"));
  }

  // "Abbrechen" keeps the look, the folder and the custom colours, whatever was changed or
  // written meanwhile; a colour dialog left with "Cancel" keeps the colour.
  void CancelChangesNoSetting() {
    TLauf lauf;
    TStandard& st = lauf.palette->standard();
    const TStandard vorher = st;
    QTemporaryDir ordner;
    TModalSkript skript;
    skript.Dann([&](QWidget* w) {
      D* d = Dialog(w);
      QVERIFY(d);
      d->FarbKnopf(D::kHintergrund)->click();
      QCOMPARE(d->Farben().Hintergrund, THTMLFarben{}.Hintergrund);
      d->FarbKnopf(D::kPlanRahmen)->click();
      QCOMPARE(d->Farben().PlanRahmen, 0x00FF00);
      d->Groesse()->setValue(30);
      d->fOrdnerWaehlen = [&](const QString&) { return ordner.path(); };
      KnopfMit(d, QStringLiteral("Stylesheet schreiben..."))->click();
      KnopfMit(d, QStringLiteral("Abbrechen"))->click();
    });
    skript.Dann(Farbe(Qt::black, false));
    skript.Dann(Farbe(Qt::green));
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle(Pfad());
    QTRY_VERIFY(skript.Fertig());
    QVERIFY(skript.fUnerwartet.isEmpty());
    QVERIFY(st.fHTMLFarben == vorher.fHTMLFarben);
    QCOMPARE(st.fHTMLFarbenPfad, vorher.fHTMLFarbenPfad);
    QVERIFY(st.fCustomFarbe == vorher.fCustomFarbe);
    QVERIFY(QFile::exists(ordner.filePath(QStringLiteral("orbato.css"))));
  }

  // The check box shows whether the exports write the stylesheet beside their pages; "Ok" stores
  // it, "Abbrechen" does not, and "Standard", which concerns the look, leaves it alone.
  void TheExportsWriteTheSheetAsTheCheckBoxSays() {
    TLauf lauf;
    TStandard& st = lauf.palette->standard();
    QVERIFY(st.fStilvorlageSchreiben);
    const auto umschalten = [](const QString& knopf) {
      return [knopf](QWidget* w) {
        D* d = Dialog(w);
        QVERIFY(d);
        QCOMPARE(d->MitDenSeiten()->text(),
                 QStringLiteral("Stylesheet orbato.css mit den Seiten schreiben"));
        const bool vorher = d->MitDenSeiten()->isChecked();
        d->MitDenSeiten()->click();
        KnopfMit(d, QStringLiteral("Standard"))->click();
        QCOMPARE(d->MitDenSeiten()->isChecked(), !vorher);
        KnopfMit(d, knopf)->click();
      };
    };
    TModalSkript skript;
    skript.Dann(umschalten(QStringLiteral("Abbrechen")));
    skript.Dann(umschalten(QStringLiteral("Ok")));
    skript.Dann([](QWidget* w) {
      D* d = Dialog(w);
      QVERIFY(d);
      QVERIFY(!d->MitDenSeiten()->isChecked());
      d->MitDenSeiten()->click();
      KnopfMit(d, QStringLiteral("Ok"))->click();
    });
    lauf.Waehle(Pfad());
    QVERIFY(st.fStilvorlageSchreiben);
    lauf.Waehle(Pfad());
    QVERIFY(!st.fStilvorlageSchreiben);
    lauf.Waehle(Pfad());
    QTRY_VERIFY(skript.Fertig());
    QVERIFY(st.fStilvorlageSchreiben);
    QVERIFY(skript.fUnerwartet.isEmpty());
  }

  void StandardShowsTheBuiltInLook() {
    TLauf lauf;
    TStandard& st = lauf.palette->standard();
    st.fHTMLFarben.Schrift = {"Courier New", 30};
    st.fHTMLFarben.TitelFett = false;
    st.fHTMLFarben.Verweis = 0x123456;
    TModalSkript skript;
    skript.Dann([&](QWidget* w) {
      D* d = Dialog(w);
      QVERIFY(d);
      QCOMPARE(d->Schriftart()->currentText(), QStringLiteral("Courier New"));
      QCOMPARE(d->Groesse()->value(), 30);
      QVERIFY(!d->TitelFett()->isChecked());
      QCOMPARE(d->Vorschau()->document()->defaultStyleSheet(), Blatt(st.fHTMLFarben));
      KnopfMit(d, QStringLiteral("Standard"))->click();
      QCOMPARE(d->Schriftart()->currentText(), QStringLiteral("Arial"));
      QCOMPARE(d->Groesse()->value(), 14);
      QVERIFY(d->TitelFett()->isChecked());
      QCOMPARE(d->Vorschau()->document()->defaultStyleSheet(), Blatt(THTMLFarben{}));
      KnopfMit(d, QStringLiteral("Ok"))->click();
    });
    lauf.Waehle(Pfad());
    QTRY_VERIFY(skript.Fertig());
    QVERIFY(st.fHTMLFarben == THTMLFarben{});
  }

  // The folder dialog starts in the plan pages' folder, then in the folder written to; the sheet
  // has the look shown, not the stored one; an existing sheet is replaced only on "Ja".
  void WritesTheStylesheetIntoTheChosenFolder() {
    TLauf lauf;
    TStandard& st = lauf.palette->standard();
    st.fHTMLPlanPfad = "/srv/pl\xE4ne/";
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("orbato.css"));
    const QString ziel = QDir::toNativeSeparators(datei);
    QStringList starts;
    QString antwort;
    THTMLFarben gezeigt;
    gezeigt.Schrift.Groesse = 22;
    TModalSkript skript;
    skript.Dann([&](QWidget* w) {
      D* d = Dialog(w);
      QVERIFY(d);
      d->fOrdnerWaehlen = [&](const QString& start) {
        starts << start;
        return antwort;
      };
      // A cancelled folder dialog writes nothing and says nothing.
      KnopfMit(d, QStringLiteral("Stylesheet schreiben..."))->click();
      QVERIFY(!QFile::exists(datei));
      antwort = ordner.path();
      d->Groesse()->setValue(22);
      KnopfMit(d, QStringLiteral("Stylesheet schreiben..."))->click();
      QCOMPARE(Inhalt(datei), QByteArray::fromStdString(Stilvorlage(gezeigt)));
      QFile f(datei);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("von Hand");
      f.close();
      KnopfMit(d, QStringLiteral("Stylesheet schreiben..."))->click();
      QCOMPARE(Inhalt(datei), QByteArray("von Hand"));
      KnopfMit(d, QStringLiteral("Stylesheet schreiben..."))->click();
      QCOMPARE(Inhalt(datei), QByteArray::fromStdString(Stilvorlage(gezeigt)));
      KnopfMit(d, QStringLiteral("Ok"))->click();
    });
    skript.Druecke(QStringLiteral("Ok"));
    skript.Druecke(QStringLiteral("Nein"));
    skript.Druecke(QStringLiteral("Ja"));
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle(Pfad());
    QTRY_VERIFY(skript.Fertig());
    QVERIFY(skript.fUnerwartet.isEmpty());
    const QString geschrieben =
        QStringLiteral(
            "Das Stylesheet wurde als %1 geschrieben.\n"
            "Kopieren Sie es neben die HTML-Seiten, wenn es nicht schon dort liegt.")
            .arg(ziel);
    QCOMPARE(skript.fTexte,
             QStringList(
                 {geschrieben,
                  QStringLiteral("Die Datei %1 gibt es schon.\nSoll sie ersetzt werden?").arg(ziel),
                  QStringLiteral("Die Datei %1 gibt es schon.\nSoll sie ersetzt werden?").arg(ziel),
                  geschrieben}));
    const QString ordnerText = QDir::toNativeSeparators(ordner.path() + QLatin1Char('/'));
    QCOMPARE(starts, QStringList({QStringLiteral("/srv/pläne/"), QStringLiteral("/srv/pläne/"),
                                  ordnerText, ordnerText}));
    QCOMPARE(QtText(st.fHTMLFarbenPfad), ordnerText);
    QVERIFY(st.fHTMLFarben == gezeigt);
    QCOMPARE(QDir(ordner.path()).entryList(QDir::Files), QStringList({"orbato.css"}));
  }

  void AFolderThatCannotTakeTheSheetSaysSo() {
    TLauf lauf;
    TStandard& st = lauf.palette->standard();
    QTemporaryDir ordner;
    const QString fehlt = ordner.filePath(QStringLiteral("fehlt"));
    TModalSkript skript;
    skript.Dann([&](QWidget* w) {
      D* d = Dialog(w);
      QVERIFY(d);
      d->fOrdnerWaehlen = [&](const QString&) { return fehlt; };
      KnopfMit(d, QStringLiteral("Stylesheet schreiben..."))->click();
      KnopfMit(d, QStringLiteral("Ok"))->click();
    });
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle(Pfad());
    QTRY_VERIFY(skript.Fertig());
    QCOMPARE(skript.fTexte.size(), 1);
    const QString erwartet = QStringLiteral(
                                 "Das Stylesheet wurde nicht geschrieben.\nDatei \"%1\" kann "
                                 "nicht erstellt werden.")
                                 .arg(fehlt + QStringLiteral("/orbato.css"));
    QVERIFY2(skript.fTexte.value(0).startsWith(erwartet), qPrintable(skript.fTexte.value(0)));
    QVERIFY(!QFile::exists(fehlt));
    QCOMPARE(st.fHTMLFarbenPfad, std::string());
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::HTMLFarbenDialogTest)
#include "htmlfarbendialog_test.moc"
