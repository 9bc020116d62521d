#include "ui/statistikfenster.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <QTest>

#include "lauf.h"
#include "model/dokument/zwischenablage.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"
#include "ui/orbatopalette.h"

namespace orbato {

class StatistikFensterTest : public QObject {
  Q_OBJECT

 private slots:
  // "Daten" / "Lehrer": one row per teacher; courses worth 26 against a target of 24 leave -2;
  // the rows follow a change of a course; the table copies as text; a double-click with Shift
  // opens the teacher's teaching load.
  void ShowsTargetAgainstWorkload() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"))));
    TSchule& s = lauf.palette->schule();
    TLehrer* neu = s.HoleLehrer("NEU");
    auto* kurs = new TKurs;
    kurs->IKurs(neu, nullptr, 13, nullptr, nullptr, nullptr);
    kurs->SetFaktor(2);
    lauf.Waehle({"Daten", "Lehrer"});
    auto* statistik = dynamic_cast<TStatForm*>(s.fLeStatForm);
    QVERIFY(statistik);
    QCOMPARE(statistik->FensterArt(), 72);
    QCOMPARE(lauf.palette->Arbeitsflaeche()->activeSubWindow()->windowTitle(),
             QStringLiteral("Lehrerstatistik"));
    QTableWidget* tabelle = statistik->Tabelle();
    QCOMPARE(tabelle->rowCount(), 3);
    const auto zeile = [&](int z) {
      QStringList texte;
      for (int c = 0; c < 6; ++c) texte << tabelle->item(z, c)->text();
      return texte;
    };
    QCOMPARE(zeile(2),
             (QStringList{QStringLiteral("24.0"), QStringLiteral("26.0"), QStringLiteral("13"),
                          QStringLiteral("-2.0"), QStringLiteral("NEU"), QString()}));
    kurs->SetzeStunden(12);
    s.FensterAktualisieren();
    QCOMPARE(zeile(2)[3], QStringLiteral(" 0.0"));

    TSpeicherZwischenablage ablage;
    lauf.palette->fAblage = &ablage;
    lauf.Waehle({"Bearbeiten", "Kopieren"});
    const std::vector<std::string> zeilen = ZwischenablageZeilen(ablage.HoleText());
    QCOMPARE(zeilen.size(), std::size_t{4});
    QCOMPARE(zeilen[0], std::string("Soll\tIst\t(Ist)\tRest\tLehrer\tInfo"));
    QCOMPARE(zeilen[3], std::string("24.0\t24.0\t12\t 0.0\tNEU\t"));

    statistik->Doppelgeklickt(2, true);
    QCOMPARE(lauf.palette->Arbeitsflaeche()->activeSubWindow()->windowTitle(),
             QStringLiteral("Deputat NEU [24.0/24.0]"));
    QCOMPARE(dynamic_cast<TStatForm*>(s.fLeStatForm), statistik);
    lauf.Waehle({"Daten", "Klassen"});
    QCOMPARE(s.fKlStatForm->FensterArt(), 73);
    QCOMPARE(dynamic_cast<TStatForm*>(s.fKlStatForm)->Tabelle()->horizontalHeaderItem(4)->text(),
             QStringLiteral("Klasse"));
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::StatistikFensterTest)
#include "statistikfenster_test.moc"
