#include "ui/vertretung/ausfallfenster.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "lauf.h"
#include "model/dokument/schule.h"
#include "model/kurse/kurs.h"
#include "model/vertretung/kalender.h"
#include "ui/hauptfenster/orbatopalette.h"

namespace orbato {

class AusfallFensterTest : public QObject {
  Q_OBJECT

 private slots:
  // "Vertretung" / "wöchentlicher Unterrichtsausfall (NRW)" opens on the stored week; every
  // change of week or year computes the report and is stored; a week that does not exist shows
  // nothing; "Rechnen" takes in what changed since; closing stores week and year.
  void FollowsItsFieldsAndKeepsThemInTheSettings() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("l.orb"))));
    TStandard& standard = lauf.palette->standard();
    standard.fWoAusfallKW = 10;
    standard.fWoAusfallJahr = 2026;
    standard.fMaxTageNeu = 5;
    TSchule& s = lauf.palette->schule();
    const TDatumZeit montag = *KodiereDatum(2026, 3, 2) + 0.5;
    TKlasse* q1 = s.HoleKlasse("Q1");
    auto* kurs = new TKurs;
    kurs->IKurs(s.HoleLehrer("A"), q1, 1, nullptr, nullptr, nullptr);
    auto* setzung = new TSetzung(PlanVersionAm(montag), 1, 1);
    kurs->SetzungAufnehmen(setzung);
    auto* v = new TVertretung;
    v->fKurs = kurs;
    v->fSetzung = setzung;
    v->fDatum = montag;
    setzung->fVertretungen.ListeAnhaengen(v);
    s.fVertretungsMenge.ListeAnhaengen(v);

    lauf.Waehle(
        {QStringLiteral("Vertretung"), QStringLiteral("wöchentlicher Unterrichtsausfall (NRW)")});
    QMdiSubWindow* rahmen = lauf.palette->Arbeitsflaeche()->activeSubWindow();
    QVERIFY(rahmen);
    QCOMPARE(rahmen->windowTitle(), QStringLiteral("wöchentlicher Unterrichtsausfall"));
    auto* fenster = qobject_cast<TWoAusfallForm*>(rahmen->widget());
    QVERIFY(fenster);
    QCOMPARE(fenster->KW()->value(), 10);
    QCOMPARE(fenster->Jahr()->value(), 2026);
    QCOMPARE(fenster->Bereich()->text(),
             QStringLiteral("02.03.2026 12:00:00 - 08.03.2026 12:00:00"));
    const auto zeilen = [&] { return fenster->Bericht()->toPlainText().split(QLatin1Char('\n')); };
    QCOMPARE(zeilen().size(), 24);
    QCOMPARE(zeilen()[0], QStringLiteral("Ermittlung des wöchentlichen Unterrichtsausfalls"));
    QCOMPARE(zeilen()[1], QStringLiteral("KW: 10   Jahr: 2026   Unterrichtstage: 5"));
    QCOMPARE(zeilen()[17], QStringLiteral("1.0 Stunden planmäßiger Unterricht"));
    QCOMPARE(zeilen()[23], QStringLiteral("1.0 entfallene Stunden"));
    QVERIFY(fenster->Bericht()->isReadOnly());

    QTest::keyClick(fenster->KW(), Qt::Key_Up);
    QCOMPARE(standard.fWoAusfallKW, 11);
    QCOMPARE(fenster->Bereich()->text(),
             QStringLiteral("09.03.2026 12:00:00 - 15.03.2026 12:00:00"));
    QCOMPARE(zeilen()[1], QStringLiteral("KW: 11   Jahr: 2026   Unterrichtstage: 5"));
    QCOMPARE(zeilen()[23], QStringLiteral("0.0 entfallene Stunden"));

    fenster->KW()->setValue(53);
    fenster->Jahr()->setValue(2027);
    QCOMPARE(standard.fWoAusfallKW, 53);
    QCOMPARE(standard.fWoAusfallJahr, 2027);
    QCOMPARE(fenster->Bereich()->text(), QString());
    QCOMPARE(fenster->Bericht()->toPlainText(), QString());

    fenster->KW()->setValue(10);
    fenster->Jahr()->setValue(2026);
    auto* fehlt = new TFehl;
    fehlt->fElement = q1;
    fehlt->fDatum = montag;
    fehlt->fZeit = TFehl::StundenBit(1);
    s.fFehlKlassenMenge.ListeAnhaengen(fehlt);
    QCOMPARE(zeilen()[19], QStringLiteral("0.0 Stunden erteilter Unterricht in besonderer Form"));
    QTest::mouseClick(fenster->Knopf(QStringLiteral("Rechnen")), Qt::LeftButton);
    QCOMPARE(zeilen()[19], QStringLiteral("1.0 Stunden erteilter Unterricht in besonderer Form"));

    QCOMPARE(fenster->Knopf(QStringLiteral("VÜK"))->toolTip(),
             QStringLiteral("Vertretungsübersicht für Klassen"));
    QCOMPARE(fenster->Knopf(QStringLiteral("VÜL"))->toolTip(),
             QStringLiteral("Vertretungsübersicht für Lehrer"));
    QVERIFY(fenster->Knopf(QStringLiteral("VÜK"))->isEnabled());

    // One window: the menu brings the open one to the front.
    lauf.Waehle(
        {QStringLiteral("Vertretung"), QStringLiteral("wöchentlicher Unterrichtsausfall (NRW)")});
    QCOMPARE(lauf.palette->Arbeitsflaeche()->subWindowList().size(), 1);
    QCOMPARE(lauf.palette->Arbeitsflaeche()->activeSubWindow(), rahmen);

    standard.fWoAusfallKW = 1;
    rahmen->close();
    QTest::qWait(0);
    QCOMPARE(standard.fWoAusfallKW, 10);
    QCOMPARE(standard.fWoAusfallJahr, 2026);
    QVERIFY(lauf.palette->Arbeitsflaeche()->subWindowList().isEmpty());
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::AusfallFensterTest)
#include "ausfallfenster_test.moc"
