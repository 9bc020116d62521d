#include "ui/vertretung/vuebersichtfenster.h"

#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "lauf.h"
#include "model/schnittstellen/zwischenablage.h"
#include "oberflaeche.h"
#include "substitution/vertretungsexport.h"
#include "ui/bausteine/zeitraumdialog.h"
#include "ui/vertretung/ausfallfenster.h"
#include "vertretungsschule.h"

namespace orbato {
namespace {

QByteArray Lies(const QString& pfad) {
  QFile datei(pfad);
  return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

QByteArray Bytes(const std::vector<uint8_t>& b) {
  return {reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size())};
}

QStringList Zeile(QTableWidget* tabelle, int zeile) {
  QStringList texte;
  for (int s = 0; s < tabelle->columnCount(); ++s) texte << tabelle->item(zeile, s)->text();
  return texte;
}

// Sets one date of the range dialog.
void Setze(TZeitraumDialog* d, int datum, int tag, int monat, int jahr) {
  d->Jahr(datum)->setValue(jahr);
  d->Monat(datum)->setValue(monat);
  d->Tag(datum)->setValue(tag);
}

}  // namespace

class VUebersichtFensterTest : public QObject {
  Q_OBJECT

 private:
  TLauf* fLauf = nullptr;

  TVUebForm* Aktiv() const {
    QMdiSubWindow* rahmen = fLauf->palette->Arbeitsflaeche()->activeSubWindow();
    return rahmen ? qobject_cast<TVUebForm*>(rahmen->widget()) : nullptr;
  }

 private slots:
  void init() {
    fLauf = new TLauf;
    QVERIFY(
        fLauf->palette->Oeffnen(fLauf->Kopie(QStringLiteral("leer.orb"), QStringLiteral("l.orb"))));
    QVERIFY(VertretungsSchule(fLauf->palette->schule()));
  }
  void cleanup() {
    delete fLauf;
    fLauf = nullptr;
  }

  // The range dialog starts at today for both dates and corrects a day the month does not have;
  // the window lists the teachers with the selected one's records below, "Kopieren" takes the
  // grid, and the menu again shows another range in the same window.
  void TheTeacherOverviewOfARange() {
    TModalSkript skript;
    skript.Dann([](QWidget* w) {
      auto* d = qobject_cast<TZeitraumDialog*>(w);
      QVERIFY(d);
      QCOMPARE(d->windowTitle(), QStringLiteral("Vertretungsübersicht für Lehrer"));
      for (int i = 0; i < 2; ++i) {
        QCOMPARE(d->Tag(i)->value(), 8);
        QCOMPARE(d->Monat(i)->value(), 12);
        QCOMPARE(d->Jahr(i)->value(), 2026);
        QCOMPARE(d->Wochentag(i)->text(), QStringLiteral("Dienstag"));
      }
      Setze(d, 1, 31, 2, 2027);
      QCOMPARE(d->Tag(1)->value(), 28);
      QCOMPARE(d->Wochentag(1)->text(), QStringLiteral("Sonntag"));
      Setze(d, 0, 1, 12, 2026);
      KnopfMit(d, QStringLiteral("Ok"))->click();
    });
    fLauf->Waehle(
        {QStringLiteral("Vertretung"), QStringLiteral("Vertretungsübersicht für Lehrer")});
    QTRY_VERIFY(skript.Fertig());
    TVUebForm* fenster = Aktiv();
    QVERIFY(fenster);
    QCOMPARE(fenster->windowTitle(), QStringLiteral("Vertretungsübersicht für Lehrer"));
    QCOMPARE(fenster->FensterArt(), 81);
    QCOMPARE(fenster->Bereich()->text(), QStringLiteral("vom 01.12.2026 bis 28.02.2027"));
    QCOMPARE(fenster->Raster()->rowCount(), 2);
    QCOMPARE(fenster->Raster()->horizontalHeaderItem(6)->text(), QStringLiteral("Std. gefehlt"));
    QCOMPARE(Zeile(fenster->Raster(), 0),
             (QStringList{"MUE", "", "0", "0.0", "0.0", "1", "2.0", "0"}));
    QCOMPARE(Zeile(fenster->Raster(), 1),
             (QStringList{"SCH", "", "1", "2.0", "2.0", "0", "0.0", "0"}));
    QCOMPARE(fenster->Details()->rowCount(), 1);
    QCOMPARE(Zeile(fenster->Details(), 0).mid(0, 5),
             (QStringList{"Di, 8. Dez 2026", "1", "fehlt", "MUE 5a M", "SCH"}));
    fenster->Raster()->setCurrentCell(1, 0);
    QCOMPARE(fenster->Details()->item(0, 2)->text(), QStringLiteral("vertritt"));

    TSpeicherZwischenablage ablage;
    fLauf->palette->fAblage = &ablage;
    fLauf->Waehle({QStringLiteral("Bearbeiten"), QStringLiteral("Kopieren")});
    QCOMPARE(ablage.HoleText(), fenster->Text());
    QVERIFY(ablage.HoleText().starts_with("Lehrer\tName\tvertreten\t"));

    skript.Dann([](QWidget* w) {
      auto* d = qobject_cast<TZeitraumDialog*>(w);
      Setze(d, 0, 9, 12, 2026);
      Setze(d, 1, 9, 12, 2026);
      KnopfMit(d, QStringLiteral("Ok"))->click();
    });
    fLauf->Waehle(
        {QStringLiteral("Vertretung"), QStringLiteral("Vertretungsübersicht für Lehrer")});
    QTRY_VERIFY(skript.Fertig());
    QCOMPARE(fLauf->palette->Arbeitsflaeche()->subWindowList().size(), 1);
    QCOMPARE(Aktiv(), fenster);
    QCOMPARE(Zeile(fenster->Raster(), 1)[2], QStringLiteral("0"));
    // "Abbrechen" opens nothing.
    skript.Druecke(QStringLiteral("Abbrechen"));
    fLauf->Waehle(
        {QStringLiteral("Vertretung"), QStringLiteral("Vertretungsübersicht für Klassen")});
    QTRY_VERIFY(skript.Fertig());
    QCOMPARE(fLauf->palette->Arbeitsflaeche()->subWindowList().size(), 1);
    QVERIFY(skript.fUnerwartet.isEmpty());
  }

  // The overview exports write the grid of the open window, or of a range asked for; the list
  // asks for its range starting at the stored one and keeps the new one.
  void TheExportsOfTheMenu() {
    TModalSkript skript;
    TSchule& s = fLauf->palette->schule();
    TStandard& st = fLauf->palette->standard();
    fLauf->palette->VertretungsUebersicht(leh, kDienstag, kDienstag);
    const QString lehrer = fLauf->Pfad(QStringLiteral("lehrer.txt"));
    fLauf->dateiAntworten << lehrer;
    fLauf->Waehle({"Datei", "Export", QStringLiteral("Vertretungsübersicht für Lehrer...")});
    QCOMPARE(fLauf->dateiDialoge.last(),
             QStringLiteral("Exportieren: Vertretungsübersicht Lehrer.txt"));
    QCOMPARE(Lies(lehrer), QByteArray("MUE\t\t0\t0.0\t0.0\t1\t2.0\t0\r"
                                      "SCH\t\t1\t2.0\t2.0\t0\t0.0\t0\r"));

    skript.Dann([](QWidget* w) {
      auto* d = qobject_cast<TZeitraumDialog*>(w);
      QVERIFY(d);
      QCOMPARE(d->windowTitle(), QStringLiteral("Vertretungsübersicht für Klassen"));
      KnopfMit(d, QStringLiteral("Ok"))->click();
    });
    const QString klassen = fLauf->Pfad(QStringLiteral("klassen.txt"));
    fLauf->dateiAntworten << klassen;
    fLauf->Waehle({"Datei", "Export", QStringLiteral("Vertretungsübersicht für Klassen...")});
    QTRY_VERIFY(skript.Fertig());
    QCOMPARE(Lies(klassen), QByteArray("5a\t\t1\t0\t1\t0\t0\t0\r"));

    skript.Dann([](QWidget* w) {
      auto* d = qobject_cast<TZeitraumDialog*>(w);
      QVERIFY(d);
      QCOMPARE(d->windowTitle(), QStringLiteral("Vertretungsplan exportieren"));
      QCOMPARE(d->Tag(0)->value(), 1);
      QCOMPARE(d->Monat(0)->value(), 1);
      QCOMPARE(d->Jahr(0)->value(), 2014);
      QCOMPARE(d->Monat(1)->value(), 3);
      Setze(d, 0, 7, 12, 2026);
      Setze(d, 1, 11, 12, 2026);
      KnopfMit(d, QStringLiteral("Ok"))->click();
    });
    const QString plan = fLauf->Pfad(QStringLiteral("plan.csv"));
    fLauf->dateiAntworten << plan;
    fLauf->Waehle({"Datei", "Export", "Vertretungsplan..."});
    QTRY_VERIFY(skript.Fertig());
    QVERIFY(fLauf->dateiDialoge.last().endsWith(QStringLiteral("/Vertretungsplan.csv")));
    QCOMPARE(st.fVExpVon, *KodiereDatum(2026, 12, 7) + 0.5);
    QCOMPARE(st.fVExpBis, *KodiereDatum(2026, 12, 11) + 0.5);
    QCOMPARE(Lies(plan), Bytes(VertretungExportBytes(s, st.fVExpVon, st.fVExpBis)));
    QVERIFY(Lies(plan).startsWith("20261208;Dienstag;;;100;MUE\r\n20261208;Dienstag;;;101;\r\n"));
    QVERIFY(skript.fUnerwartet.isEmpty());
    QVERIFY(fLauf->fehler.isEmpty());
  }

  // "VÜK" and "VÜL" of the weekly report open the overviews of its Monday to Sunday; a week that
  // does not exist leaves them off.
  void TheWeeklyReportLeadsToTheOverviews() {
    TStandard& st = fLauf->palette->standard();
    st.fWoAusfallKW = 50;
    st.fWoAusfallJahr = 2026;
    QMdiSubWindow* rahmen = fLauf->palette->WoAusfall();
    auto* bericht = qobject_cast<TWoAusfallForm*>(rahmen->widget());
    QVERIFY(bericht);
    QVERIFY(bericht->Knopf(QStringLiteral("VÜK"))->isEnabled());
    QTest::mouseClick(bericht->Knopf(QStringLiteral("VÜK")), Qt::LeftButton);
    TVUebForm* klassen = Aktiv();
    QVERIFY(klassen);
    QCOMPARE(klassen->FensterArt(), 82);
    QCOMPARE(klassen->Bereich()->text(), QStringLiteral("vom 07.12.2026 bis 13.12.2026"));
    QCOMPARE(Zeile(klassen->Raster(), 0), (QStringList{"5a", "", "1", "0", "1", "0", "0", "0"}));
    QTest::mouseClick(bericht->Knopf(QStringLiteral("VÜL")), Qt::LeftButton);
    QCOMPARE(Aktiv()->FensterArt(), 81);
    QCOMPARE(Aktiv()->Bereich()->text(), QStringLiteral("vom 07.12.2026 bis 13.12.2026"));
    QCOMPARE(fLauf->palette->Arbeitsflaeche()->subWindowList().size(), 3);
    bericht->KW()->setValue(53);
    bericht->Jahr()->setValue(2027);
    QVERIFY(!bericht->Knopf(QStringLiteral("VÜK"))->isEnabled());
    QVERIFY(!bericht->Knopf(QStringLiteral("VÜL"))->isEnabled());
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::VUebersichtFensterTest)
#include "vuebersichtfenster_test.moc"
