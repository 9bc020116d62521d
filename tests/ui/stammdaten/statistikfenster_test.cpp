#include "ui/stammdaten/statistikfenster.h"
#include "ui/hauptfenster/fensterregister.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <QTest>

#include "lauf.h"
#include "model/elemente/fach.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/zwischenablage.h"
#include "model/uv/uvtab.h"
#include "placement/setzen.h"
#include "ui/hauptfenster/orbatopalette.h"

namespace orbato {
namespace {

QStringList Zeile(const QTableWidget* t, int z) {
  QStringList texte;
  for (int c = 0; c < t->columnCount(); ++c) texte << t->item(z, c)->text();
  return texte;
}

QStringList Koepfe(const QTableWidget* t) {
  QStringList koepfe;
  for (int c = 0; c < t->columnCount(); ++c) koepfe << t->horizontalHeaderItem(c)->text();
  return koepfe;
}

QString AktiverTitel(const TLauf& lauf) {
  const QMdiSubWindow* f = lauf.palette->Arbeitsflaeche()->activeSubWindow();
  return f ? f->windowTitle() : QString();
}

}  // namespace

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
    auto* statistik =
        dynamic_cast<TStatForm*>(FensterRegister().Offen(TFensterTyp::Lehrerstatistik));
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
    QCOMPARE(dynamic_cast<TStatForm*>(FensterRegister().Offen(TFensterTyp::Lehrerstatistik)),
             statistik);
    lauf.Waehle({"Daten", "Klassen"});
    QCOMPARE(FensterRegister().Offen(TFensterTyp::Klassenstatistik)->FensterArt(), 73);
    QCOMPARE(dynamic_cast<TStatForm*>(FensterRegister().Offen(TFensterTyp::Klassenstatistik))
                 ->Tabelle()
                 ->horizontalHeaderItem(4)
                 ->text(),
             QStringLiteral("Klasse"));
  }

  // "Daten" / "Fächer", "Kopplungen", "Räume", "UV-Statistik" and "UV-Tabellen": one window of
  // each kind; placed lessons follow the plan; the tables copy as text; a double-click with Shift
  // on a table's line opens its matrix; the windows come back with the plan file.
  void OtherKindsShowPlacedAndOpenLessons() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"))));
    TSchule& s = lauf.palette->schule();
    TStandard& st = lauf.palette->standard();
    st.fMaxTageNeu = 5;
    st.fPlnStd = 8;
    TLehrer* l = s.HoleLehrer("NL");
    TKlasse* k = s.HoleKlasse("NKL");
    TFach* f = s.HoleFach("NF");
    TKopplung* o = s.HoleKopplung("NK");
    TRaum* r = s.HoleRaum("NR");
    auto* kurs = new TKurs;
    kurs->IKurs(l, k, 4, r, f, o);
    auto* tab = new TUVTab;
    tab->SetKuerzel("NT");
    tab->SetIstFach(true);
    s.fUVTabMenge.ListeAnhaengen(tab);
    tab->NeueKlasse(k);
    tab->NeuesFach(f);

    lauf.Waehle({"Daten", "Fächer"});
    auto* fach = dynamic_cast<TStatForm*>(FensterRegister().Offen(TFensterTyp::Fachstatistik));
    QVERIFY(fach);
    QCOMPARE(fach->FensterArt(), 74);
    QCOMPARE(AktiverTitel(lauf), QStringLiteral("Fachstatistik"));
    QTableWidget* t = fach->Tabelle();
    QCOMPARE(Koepfe(t),
             (QStringList{"Ist", "(Ist)", "verplant", "offen", "Kurse", "Fach", "Info"}));
    QCOMPARE(t->rowCount(), s.fFachMenge.ListeZahlElemente());
    QCOMPARE(Zeile(t, t->rowCount() - 1), (QStringList{" 4.0", "4", "0", "4", "1", "NF", ""}));
    QCOMPARE(t->item(0, 0)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));

    lauf.Waehle({"Daten", "Kopplungen"});
    auto* kopplung =
        dynamic_cast<TStatForm*>(FensterRegister().Offen(TFensterTyp::Kopplungsstatistik));
    QVERIFY(kopplung);
    QCOMPARE(kopplung->FensterArt(), 75);
    QCOMPARE(AktiverTitel(lauf), QStringLiteral("Kopplungsstatistik"));
    QTableWidget* tk = kopplung->Tabelle();
    QCOMPARE(Zeile(tk, tk->rowCount() - 1),
             (QStringList{" 4.0", "4", "0", "4", "NK", "", "NL", "NL NF NKL"}));

    lauf.Waehle({"Daten", "Räume"});
    auto* raum = dynamic_cast<TStatForm*>(FensterRegister().Offen(TFensterTyp::Raumstatistik));
    QVERIFY(raum);
    QCOMPARE(raum->FensterArt(), 76);
    QTableWidget* tr = raum->Tabelle();
    QCOMPARE(Zeile(tr, tr->rowCount() - 1), (QStringList{" 4.0", "4", "0", "4", "0 %", "NR", ""}));

    // Two lessons placed: the rows follow once the command is done.
    QVERIFY(NeueSetzung(*kurs, st.fAktuelleWoche, 1, r, 1));
    QVERIFY(NeueSetzung(*kurs, st.fAktuelleWoche, 2, r, 1));
    QTest::qWait(0);
    QCOMPARE(Zeile(t, t->rowCount() - 1)[2], QStringLiteral("2"));
    QCOMPARE(Zeile(tk, tk->rowCount() - 1)[3], QStringLiteral("2"));
    QCOMPARE(Zeile(tr, tr->rowCount() - 1), (QStringList{" 4.0", "4", "2", "2", "5 %", "NR", ""}));

    lauf.Waehle({"Daten", "UV-Statistik"});
    auto* uv = dynamic_cast<TStatForm*>(FensterRegister().Offen(TFensterTyp::UVStatistik));
    QVERIFY(uv);
    QCOMPARE(uv->FensterArt(), 77);
    QCOMPARE(AktiverTitel(lauf), QStringLiteral("UV-Statistik"));
    QTableWidget* tu = uv->Tabelle();
    const int n = tu->rowCount();
    QCOMPARE(Zeile(tu, n - 3),
             (QStringList{"30.0", " 4.0", "4", "26.0", "NT", "Klassen", "Fächer", ""}));
    QCOMPARE(Zeile(tu, n - 2), (QStringList{"30.0", " 4.0", "4", "26.0", "NT", "NKL", "", ""}));
    QCOMPARE(Zeile(tu, n - 1), (QStringList{"", " 4.0", "4", "", "NT", "", "NF", ""}));
    lauf.Waehle({"Daten", "UV-Tabellen"});
    QCOMPARE(dynamic_cast<TStatForm*>(FensterRegister().Offen(TFensterTyp::UVStatistik)), uv);

    TSpeicherZwischenablage ablage;
    lauf.palette->fAblage = &ablage;
    lauf.Waehle({"Bearbeiten", "Kopieren"});
    const std::vector<std::string> zeilen = ZwischenablageZeilen(ablage.HoleText());
    QCOMPARE(zeilen.size(), std::size_t(n + 1));
    QCOMPARE(zeilen[0], std::string("Soll\tIst\t(Ist)\tRest\tTabelle\tZeile\tSpalte\tInfo"));
    QCOMPARE(zeilen[n - 2], std::string("30.0\t 4.0\t4\t26.0\tNT\tKlassen\tF\xE4"
                                        "cher\t"));

    uv->Doppelgeklickt(n - 3, true);
    QCOMPARE(tab->fDepFenster != nullptr, true);
    QCOMPARE(lauf.palette->Arbeitsflaeche()->activeSubWindow()->widget(),
             dynamic_cast<QWidget*>(tab->fDepFenster));

    QVERIFY(lauf.palette->Sichern());
    QVERIFY(lauf.palette->DateiSchliessen());
    QVERIFY(lauf.palette->Oeffnen(lauf.Pfad(QStringLiteral("s.orb"))));
    QVERIFY(FensterRegister().Offen(TFensterTyp::Fachstatistik) &&
            FensterRegister().Offen(TFensterTyp::Kopplungsstatistik) &&
            FensterRegister().Offen(TFensterTyp::Raumstatistik) &&
            FensterRegister().Offen(TFensterTyp::UVStatistik));
    QCOMPARE(FensterRegister().Offen(TFensterTyp::UVStatistik)->FensterTitel(),
             std::string("UV-Statistik"));
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::StatistikFensterTest)
#include "statistikfenster_test.moc"
