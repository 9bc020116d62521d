#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include "lauf.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"
#include "model/kurse/setzung.h"
#include "oberflaeche.h"
#include "platform/qttext.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/plaene/fehlerfenster.h"

namespace orbato {

class PruefenTest : public QObject {
  Q_OBJECT

 private slots:
  // Each check of the menu ends with "Prüfergebnis"; findings go to the window "Fehler", whose
  // lines stay across checks until it is closed; a repair of "Konsistenz" counts as a minor one.
  void ChecksWriteTheErrorWindowAndShowTheResult() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"))));
    TSchule& s = lauf.palette->schule();
    QCOMPARE(lauf.An({"Prüfen", "Versionsunterschiede"}),
             lauf.palette->standard().fMaxWocheNeu != 1);
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle({"Prüfen", "Brücken"});
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Prüfergebnis")});
    QCOMPARE(skript.fTexte,
             QStringList{QStringLiteral("Beim Prüfen der Daten wurden\nkeine Fehler gefunden.")});
    QCOMPARE(lauf.palette->FehlerFenster().Form(), nullptr);

    // A course with more lessons placed than it has, on Friday with gaps between them.
    TKurs* kurs = s.HoleLehrer("BRA")->fKurse.ListeNrInhalt(1);
    const int32_t zusaetzlich = kurs->fStunden.GetWochenStunde(1) - kurs->VerplanteStunden(1) + 2;
    for (int32_t p = 0; p < zusaetzlich; ++p)
      kurs->SetzungAufnehmen(new TSetzung(1, 5, 9 + 2 * p, nullptr));
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle({"Prüfen", "Konsistenz"});
    QCOMPARE(skript.fTexte.last(),
             QStringLiteral("Beim Prüfen der Daten wurden\nkleinere Fehler gefunden."));
    QCOMPARE(kurs->fStunden.GetWochenStunde(1), kurs->VerplanteStunden(1));
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle({"Prüfen", "Brücken"});
    TFehlerForm* fehler = lauf.palette->FehlerFenster().Form();
    QVERIFY(fehler);
    QCOMPARE(lauf.palette->Arbeitsflaeche()->activeSubWindow()->windowTitle(),
             QStringLiteral("Fehler"));
    const QStringList zeilen = fehler->Zeilen();
    QCOMPARE(zeilen, QStringList{QStringLiteral("Der Kurs %1 hat {1} Fr eine Brücke.")
                                     .arg(QtText(kurs->OhneRaumZeile(nullptr)))});
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle({"Prüfen", "fehlende Stunden"});
    QVERIFY(fehler->Zeilen().size() > zeilen.size());
    QCOMPARE(fehler->Zeilen().mid(0, zeilen.size()), zeilen);
    QVERIFY(skript.fUnerwartet.isEmpty());
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::PruefenTest)
#include "pruefen_test.moc"
