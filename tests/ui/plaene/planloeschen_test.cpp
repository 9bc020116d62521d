#include <QCheckBox>
#include <QGroupBox>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "lauf.h"
#include "model/kurse/kurs.h"
#include "model/kurse/setzung.h"
#include "oberflaeche.h"
#include "placement/raeume.h"
#include "rasterziehen.h"
#include "ui/hauptfenster/fensterregister.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/plaene/planloeschdialog.h"
#include "ui/stammdaten/sperrraster.h"

namespace orbato {
namespace {

// The hours of a course as "version/day/period", fixed ones with a trailing "F", sorted.
QStringList Stunden(const TKurs* kurs) {
  QStringList zellen;
  for (const TSetzung* s : kurs->fSetzungen) {
    zellen << QStringLiteral("%1/%2/%3%4")
                  .arg(s->fWoche)
                  .arg(s->fTag)
                  .arg(s->fStunde)
                  .arg(s->fFixiert ? QStringLiteral("F") : QString());
  }
  zellen.sort();
  return zellen;
}

QStringList Titel(const QWidget* fenster) {
  QStringList titel;
  for (const QGroupBox* g : fenster->findChildren<QGroupBox*>()) titel << g->title();
  return titel;
}

// An open document with three teachers' courses in version 1, the current one.
struct TLoeschLauf : TLauf {
  TLoeschLauf() {
    palette->Oeffnen(Kopie(QStringLiteral("leer.orb"), QStringLiteral("s.orb")));
    palette->standard().fEineWoche = true;
    palette->standard().fAktuelleWoche = 1;
    TSchule& s = palette->schule();
    const auto kurs = [&](const char* lehrer, const char* klasse) {
      auto* k = new TKurs;
      k->IKurs(s.HoleLehrer(lehrer), s.HoleKlasse(klasse), 4, nullptr, nullptr, nullptr);
      return k;
    };
    mue = kurs("MUE", "5a");
    sch = kurs("SCH", "5b");
    mei = kurs("MEI", "6a");
    Setze(mue, 1, 1);
    Setze(mue, 1, 2);
    Setze(mue, 2, 3)->fFixiert = true;
    Setze(sch, 1, 2);
    Setze(sch, 4, 4);
    Setze(mei, 5, 16);
    s.SetDirty(false);
  }
  static TSetzung* Setze(TKurs* k, int32_t tag, int32_t std) {
    auto* s = new TSetzung(1, tag, std, nullptr);
    k->SetzungAufnehmen(s);
    return s;
  }
  TKurs* mue;
  TKurs* sch;
  TKurs* mei;
};

}  // namespace

class PlanLoeschenTest : public QObject {
  Q_OBJECT

 private slots:
  // The menu opens the dialog on every plan; a rubber band over Monday takes it out of the
  // choice, and "Ok" removes every other unfixed hour as one step that "Widerrufen" takes back.
  void OkRemovesTheHoursOutsideTheDraggedCells() {
    TLoeschLauf lauf;
    TSchule& s = lauf.palette->schule();
    QVERIFY(lauf.An({"Pläne", "Löschen..."}));
    TModalSkript skript;
    QStringList gesehen;
    skript.Dann([&](QWidget* fenster) {
      auto* dialog = qobject_cast<TPlLoeschForm*>(fenster);
      if (dialog == nullptr) return SchliesseOhneAenderung(fenster);
      gesehen << Titel(dialog);
      for (int art = inAllenPlaenen; art <= fuerRaeume; ++art) {
        QRadioButton* knopf = dialog->ArtKnopf(static_cast<TPlLoeschArt>(art));
        gesehen << knopf->text() + (knopf->isChecked() ? QStringLiteral("*") : QString());
      }
      gesehen << dialog->MitKopplungen()->text() << dialog->OhneFixierte()->text();
      gesehen << QString::number(dialog->VonKnopf()->isEnabled()) +
                     QString::number(dialog->BisKnopf()->isEnabled());
      TSperrRaster* raster = dialog->Raster();
      gesehen << raster->item(0, 0)->text() + raster->item(15, raster->columnCount() - 1)->text();
      Ziehe(raster, 1, 16, 1, 1);
      gesehen << raster->item(0, 0)->text() + raster->item(15, 0)->text() +
                     raster->item(0, 1)->text();
      QTest::mouseClick(KnopfMit(dialog, QStringLiteral("Ok")), Qt::LeftButton);
    });
    lauf.Waehle({"Pläne", "Löschen..."});
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Pläne löschen")});
    QVERIFY(skript.fUnerwartet.isEmpty());
    QCOMPARE(gesehen,
             (QStringList{"Stunden löschen", "zu löschende Stunden", "in allenPlänen*",
                          "für Lehrer", "für Klassen", "für Kopplungen", "für Fächer", "für Räume",
                          "mit Kopplungen", "ohne fixierte Std.", "00", "XX", "X"}));
    QCOMPARE(Stunden(lauf.mue), (QStringList{"1/1/1", "1/1/2", "1/2/3F"}));
    QCOMPARE(Stunden(lauf.sch), (QStringList{"1/1/2"}));
    QCOMPARE(Stunden(lauf.mei), QStringList{});
    QVERIFY(s.IsDirty());

    QCOMPARE(s.fVerlauf.ZahlSchritte(), size_t{1});
    lauf.Waehle({"Bearbeiten", "Widerrufen"});
    QCOMPARE(Stunden(lauf.sch), (QStringList{"1/1/2", "1/4/4"}));
    QCOMPARE(Stunden(lauf.mei), (QStringList{"1/5/16"}));
    QVERIFY(!s.fVerlauf.KannWiderrufen());
  }

  // The controls write the settings when clicked, "Abbrechen" removes nothing, and the next
  // opening starts from the settings with the whole list as range; "bis" from the element menu
  // limits "Ok" to the range.
  void TheControlsWriteTheSettingsAndTheRangeLimitsOk() {
    TLoeschLauf lauf;
    TSchule& s = lauf.palette->schule();
    TStandard& st = lauf.palette->standard();
    TModalSkript skript;
    QStringList gesehen;
    skript.Dann([&](QWidget* fenster) {
      auto* dialog = qobject_cast<TPlLoeschForm*>(fenster);
      if (dialog == nullptr) return SchliesseOhneAenderung(fenster);
      QTest::mouseClick(dialog->ArtKnopf(fuerLehrer), Qt::LeftButton);
      gesehen << QString::number(st.fPlLoeRadio) + dialog->VonText() + dialog->BisText() +
                     QString::number(dialog->VonKnopf()->isEnabled());
      dialog->fMenuZeigen = [](TMenu& menu, QWidget*) { QVERIFY(WaehleEintrag(menu, "SCH")); };
      QTest::mouseClick(dialog->VonKnopf(), Qt::LeftButton);
      QTest::mouseClick(dialog->MitKopplungen(), Qt::LeftButton);
      QTest::mouseClick(dialog->OhneFixierte(), Qt::LeftButton);
      gesehen << dialog->VonText() + dialog->BisText() + QString::number(st.fPlLoeMitKopp) +
                     QString::number(st.fPlLoeFixNicht);
      QTest::mouseClick(KnopfMit(dialog, QStringLiteral("Abbrechen")), Qt::LeftButton);
    });
    skript.Dann([&](QWidget* fenster) {
      auto* dialog = qobject_cast<TPlLoeschForm*>(fenster);
      if (dialog == nullptr) return SchliesseOhneAenderung(fenster);
      gesehen << QString::number(dialog->ArtKnopf(fuerLehrer)->isChecked()) +
                     QString::number(dialog->MitKopplungen()->isChecked()) +
                     QString::number(dialog->OhneFixierte()->isChecked()) + dialog->VonText() +
                     dialog->BisText();
      dialog->fMenuZeigen = [](TMenu& menu, QWidget*) { QVERIFY(WaehleEintrag(menu, "SCH")); };
      QTest::mouseClick(dialog->BisKnopf(), Qt::LeftButton);
      gesehen << dialog->BisText();
      QTest::mouseClick(KnopfMit(dialog, QStringLiteral("Ok")), Qt::LeftButton);
    });
    lauf.Waehle({"Pläne", "Löschen..."});
    QCOMPARE(Stunden(lauf.mue), (QStringList{"1/1/1", "1/1/2", "1/2/3F"}));
    QCOMPARE(s.fVerlauf.ZahlSchritte(), size_t{0});
    lauf.Waehle({"Pläne", "Löschen..."});
    QVERIFY(skript.Fertig());
    QVERIFY(skript.fUnerwartet.isEmpty());
    QCOMPARE(gesehen, (QStringList{"1MUEMEI1", "SCHMEI00", "100MUEMEI", "SCH"}));
    QCOMPARE(Stunden(lauf.mue), QStringList{});
    QCOMPARE(Stunden(lauf.sch), QStringList{});
    QCOMPARE(Stunden(lauf.mei), (QStringList{"1/5/16"}));
  }

  // "nicht belegte Räume" warns, closes "alle Kurse" and leaves each course the rooms its hours
  // use; "später eingetragene Räume" on "Abbrechen" keeps the adopted room.
  void RoomCleanUpsWarnFirst() {
    TLoeschLauf lauf;
    TSchule& s = lauf.palette->schule();
    TRaum* r1 = s.HoleRaum("R1");
    TRaum* r2 = s.HoleRaum("R2");
    lauf.mue->RaumErgaenzen(r1, false);
    lauf.mue->RaumErgaenzen(r2, false);
    RaumAenderung(*lauf.sch, r2, 1, 2, 1);
    lauf.palette->AlleKurseZeigen();
    QVERIFY(FensterRegister().Offen(TFensterTyp::AlleKurse));
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok")).Druecke(QStringLiteral("Abbrechen"));
    lauf.Waehle({"Pläne", "nicht belegte Räume"});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(FensterRegister().Offen(TFensterTyp::AlleKurse), nullptr);
    QVERIFY(lauf.palette->Arbeitsflaeche()->subWindowList().isEmpty());
    QCOMPARE(lauf.mue->fRaeume.ListeZahlElemente(), 0);
    QCOMPARE(lauf.sch->fRaeume.ListeNrInhalt(1), r2);
    lauf.Waehle({"Pläne", "später eingetragene Räume"});
    QCOMPARE(lauf.sch->fRaumErgaenzt.ListeNrInhalt(1), r2);
    QCOMPARE(skript.fTitel, (QStringList{"Warnung", "Warnung"}));
    QCOMPARE(skript.fTexte,
             (QStringList{"Lösche in allen Deputaten\ndiejenigen Räume, die in den\nPlänen nicht "
                          "benutzt wurden.",
                          "Lösche in allen Plänen und\nDeputaten diejenigen Räume,\ndie später "
                          "in den Plänen\neingetragen wurden."}));
    QVERIFY(skript.fUnerwartet.isEmpty());
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::PlanLoeschenTest)
#include "planloeschen_test.moc"
