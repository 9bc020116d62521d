#include "ui/plaene/svfenster.h"
#include "ui/hauptfenster/fensterregister.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <QTest>

#include "lauf.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "placement/setzen.h"
#include "ui/hauptfenster/orbatopalette.h"

namespace orbato {
namespace {

QStringList Koepfe(const QTableWidget* t) {
  QStringList koepfe;
  for (int s = 0; s < t->columnCount(); ++s) koepfe << t->horizontalHeaderItem(s)->text();
  return koepfe;
}

// The row of the element with that short name, -1 when it is not listed.
int ZeileVon(const QTableWidget* t, const QString& kuerzel) {
  for (int z = 0; z < t->rowCount(); ++z) {
    if (t->item(z, 0)->text() == kuerzel) return z;
  }
  return -1;
}

QString Codes(const QTableWidget* t, int zeile, int tag) {
  return t->item(zeile, tag)->data(Qt::UserRole + 1).toString();
}

// The colour of a glyph's middle pixel, or (with ecke) of its upper left corner.
QColor Punkt(QTableWidget* t, int zeile, int tag, int periode, bool ecke = false) {
  const QImage bild = t->viewport()->grab().toImage();
  const QRect zelle = t->visualItemRect(t->item(zeile, tag));
  const int links = zelle.left() + 2 + (periode - 1) * 7;
  const int oben = zelle.top() + (zelle.height() - 5) / 2;
  return bild.pixelColor(ecke ? QPoint(links, oben) : QPoint(links + 2, oben + 2));
}

QString AktiverTitel(const TLauf& lauf) {
  const QMdiSubWindow* f = lauf.palette->Arbeitsflaeche()->activeSubWindow();
  return f ? f->windowTitle() : QString();
}

}  // namespace

class SVFensterTest : public QObject {
  Q_OBJECT

 private slots:
  // "Pläne" / "Stundenverteilung": a teacher with lessons in periods 1 and 4 of Monday shows
  // E, U, U, E, F, F and 2 gap periods, drawn as the glyphs of their codes; the rows follow
  // placements and blockings; "Räume" lists the rooms with their own lessons; a double-click
  // opens the plan; the window comes back with the plan file.
  void ShowsTheSpreadOfTheLessons() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"))));
    TSchule& s = lauf.palette->schule();
    TStandard& st = lauf.palette->standard();
    st.fMaxTageNeu = 5;
    st.fPlnStd = 6;
    const int32_t w = st.fAktuelleWoche;
    TLehrer* zz = s.HoleLehrer("ZZ");
    TRaum* rz = s.HoleRaum("RZ");
    auto* kurs = new TKurs;
    kurs->IKurs(zz, nullptr, 5, nullptr, nullptr, nullptr);
    QVERIFY(NeueSetzung(*kurs, w, 1, nullptr, 1));
    QVERIFY(NeueSetzung(*kurs, w, 1, nullptr, 4));
    QVERIFY(NeueSetzung(*kurs, w, 2, rz, 3));

    lauf.Waehle({"Pläne", "Stundenverteilung"});
    auto* sv = dynamic_cast<TSVForm*>(FensterRegister().Offen(TFensterTyp::Stundenverteilung));
    QVERIFY(sv);
    QCOMPARE(sv->FensterArt(), 71);
    QCOMPARE(AktiverTitel(lauf), QStringLiteral("Stundenverteilung"));
    QVERIFY(sv->Knopf(leh)->isChecked());
    QCOMPARE(sv->Knopf(rau)->text(), QStringLiteral("Räume"));
    QTableWidget* t = sv->Tabelle();
    QCOMPARE(Koepfe(t), (QStringList{"Kürzel", "Mo", "Di", "Mi", "Do", "Fr", "Sprstd."}));
    QCOMPARE(t->columnWidth(1), 45);
    QCOMPARE(t->rowCount(), s.fLehrerMenge.ListeZahlElemente());
    const int z = ZeileVon(t, QStringLiteral("ZZ"));
    QCOMPARE(z, t->rowCount() - 1);
    QCOMPARE(Codes(t, z, 1), QStringLiteral("EUUEFF"));
    QCOMPARE(Codes(t, z, 2), QStringLiteral("FFEFFF"));
    QCOMPARE(t->item(z, 6)->text(), QStringLiteral("2"));

    t->scrollToItem(t->item(z, 1));
    QTest::qWait(0);
    const QColor schwarz(0, 0, 0);
    QVERIFY(Punkt(t, z, 1, 1) != schwarz);           // open circle: white inside
    QVERIFY(Punkt(t, z, 1, 1, true) != schwarz);     // … and round
    QCOMPARE(Punkt(t, z, 1, 2), QColor(255, 0, 0));  // gap: red bar
    QCOMPARE(Punkt(t, z, 1, 5), schwarz);            // free: black bar

    // A further lesson through the placement engine, a blocking from the master data.
    QVERIFY(NeueSetzung(*kurs, w, 1, nullptr, 2));
    zz->fSperrung.SetWocheTagStd(w, 1, true, 6);
    QCOMPARE(Codes(t, z, 1), QStringLiteral("EUUEFF"));  // the rows follow after the command
    QTest::qWait(0);
    QCOMPARE(Codes(t, z, 1), QStringLiteral("EEUEFS"));
    QCOMPARE(t->item(z, 6)->text(), QStringLiteral("1"));
    zz->fSperrung.SetWocheTagStd(w, 1, true, 5);
    s.FensterAktualisieren();
    QCOMPARE(Codes(t, z, 1), QStringLiteral("EEUESS"));
    t->scrollToItem(t->item(z, 1));
    QTest::qWait(0);
    QCOMPARE(Punkt(t, z, 1, 6), QColor(128, 128, 0));  // blocked: olive square
    kurs->SetzungFinden(w, 1, 1)->SetFixiert(true);
    s.FensterAktualisieren();
    QCOMPARE(Codes(t, z, 1), QStringLiteral("GEUESS"));
    QTest::qWait(0);
    QCOMPARE(Punkt(t, z, 1, 1, true), schwarz);  // open square: black corner
    QVERIFY(Punkt(t, z, 1, 1) != schwarz);

    sv->Knopf(rau)->click();
    QCOMPARE(sv->Art(), rau);
    QCOMPARE(t->rowCount(), s.fRaumMenge.ListeZahlElemente());
    const int r = ZeileVon(t, QStringLiteral("RZ"));
    QCOMPARE(Codes(t, r, 1), QStringLiteral("FFFFFF"));
    QCOMPARE(Codes(t, r, 2), QStringLiteral("FFEFFF"));
    QCOMPARE(t->item(r, 6)->text(), QStringLiteral("0"));

    sv->Doppelgeklickt(r);
    QCOMPARE(AktiverTitel(lauf), QStringLiteral("Plan RZ"));
    lauf.Waehle({"Pläne", "Stundenverteilung"});
    QCOMPARE(dynamic_cast<TSVForm*>(FensterRegister().Offen(TFensterTyp::Stundenverteilung)), sv);
    QCOMPARE(AktiverTitel(lauf), QStringLiteral("Stundenverteilung"));

    QVERIFY(lauf.palette->Sichern());
    QVERIFY(lauf.palette->DateiSchliessen());
    QCOMPARE(lauf.palette->fensterRegister().Offen(TFensterTyp::Stundenverteilung), nullptr);
    QVERIFY(lauf.palette->Oeffnen(lauf.Pfad(QStringLiteral("s.orb"))));
    QVERIFY(dynamic_cast<TSVForm*>(FensterRegister().Offen(TFensterTyp::Stundenverteilung)));
    QStringList titel;
    for (const QMdiSubWindow* f : lauf.palette->Arbeitsflaeche()->subWindowList())
      titel << f->windowTitle();
    QVERIFY(titel.contains(QStringLiteral("Stundenverteilung")));
    QVERIFY(titel.contains(QStringLiteral("Plan RZ")));
  }

  // The grid grows with its rows up to about 200 pixels, then scrolls.
  void HeightFollowsTheRowsUpToALimit() {
    TLauf lauf;
    TSchule& s = lauf.palette->schule();
    s.HoleLehrer("A");
    TSVForm wenige(s, lauf.palette->standard());
    const int hoeheEins = wenige.sizeHint().height();
    wenige.FensterSchliessen();
    for (int i = 0; i < 40; ++i) s.HoleLehrer("L" + std::to_string(i));
    TSVForm viele(s, lauf.palette->standard());
    const int zeile = viele.Tabelle()->verticalHeader()->defaultSectionSize();
    QCOMPARE(viele.sizeHint().height() - hoeheEins, 200 - zeile);
    QVERIFY(viele.sizeHint().width() >= 5 * 45);
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::SVFensterTest)
#include "svfenster_test.moc"
