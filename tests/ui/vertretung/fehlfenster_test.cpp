#include "ui/vertretung/fehlfenster.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <string>

#include "dokument.h"
#include "model/kurse/kurs.h"
#include "model/kurse/setzung.h"
#include "model/schnittstellen/uhr.h"
#include "model/vertretung/fehl.h"
#include "model/vertretung/kalender.h"
#include "model/vertretung/vertretung.h"
#include "oberflaeche.h"
#include "platform/qttext.h"
#include "ui/vertretung/fehlzeitdialog.h"

namespace orbato {
namespace {

TDatumZeit Datum(int jahr, int monat, int tag) {
  return *KodiereDatum(jahr, monat, tag) + 0.5;
}

QStringList Texte(const TMenu& menu) {
  QStringList texte;
  for (const TMenuEintrag& e : menu) texte << QtText(e.fText);
  return texte;
}

// Clicks into a cell of the grid, `x` pixels from its left edge.
void Klicke(TFehlFenster& fenster, int zeile, int spalte, int x = -1,
            Qt::KeyboardModifiers tasten = {}) {
  QTableWidget* raster = fenster.Raster();
  const QRect zelle = raster->visualRect(raster->model()->index(zeile, spalte));
  const QPoint punkt(x < 0 ? zelle.center().x() : zelle.left() + x, zelle.center().y());
  QTest::mouseClick(raster->viewport(), Qt::LeftButton, tasten, punkt);
}

// The absences of a list as "MUE 9.12 -+--------------(K)", in list order.
QStringList Liste(const TListe<TFehl>& menge) {
  QStringList zeilen;
  for (const TFehl* f : menge) {
    const TKalenderDatum d = DekodiereDatum(f->fDatum);
    zeilen << QStringLiteral("%1 %2.%3 %4(%5)")
                  .arg(QtText(f->fElement->fKuerzel.str()))
                  .arg(d.Tag)
                  .arg(d.Monat)
                  .arg(QtText(StundenText(f->fZeit)))
                  .arg(QtText(f->fGrund.str()));
  }
  return zeilen;
}

QString Stunden(TFehlFenster& fenster, int zeile) {
  return fenster.Raster()
      ->item(zeile, TFehlFenster::kTag)
      ->data(TFehlFenster::kStundenRolle)
      .toString();
}

}  // namespace

class FehlFensterTest : public QObject, TEingesetztesDokument {
  Q_OBJECT

 private slots:
  // A school week in December 2026: MUE teaches 5a on Wednesday in period 2; SCH and KOC teach
  // nothing. The periods are labelled "1. Std" .. "8. Std", the reasons start "K", "D".
  void init() {
    Anlegen(fDialoge);
    fSchule->SetUhr(&fUhr);
    fStandard->fMaxTageNeu = 5;
    fStandard->fPlnStd = 8;
    for (int i = 0; i < 16; ++i) {
      fStandard->fStdBez[0][static_cast<std::size_t>(i)] = std::to_string(i + 1) + ". Std";
    }
    fStandard->fGrund[0] = "K";
    fStandard->fGrund[1] = "D";
    fMue = fSchule->HoleLehrer("MUE");
    fSch = fSchule->HoleLehrer("SCH");
    fKoc = fSchule->HoleLehrer("KOC");
    fMathe = new TKurs;
    fMathe->IKurs(fMue, fSchule->HoleKlasse("5a"), 1, fSchule->HoleRaum("R1"), nullptr, nullptr);
    fMatheMi = new TSetzung(1, 3, 2, fSchule->HoleRaum("R1"));
    fMathe->SetzungAufnehmen(fMatheMi);
    fSchule->SetDirty(false);
  }
  void cleanup() {
    fSchule->SetUhr(nullptr);
    Abbauen();
  }

  // Title, date, element button and range come from the form; the rows are the day's absences
  // of the kind, each with its reason, day line, periods and short name.
  void TheWindowShowsTheKindTheDateAndTheDaysAbsences() {
    Fehlt(fSch, fMi, "--++", "K");
    Fehlt(fMue, fMi, "-+");
    Fehlt(fKoc, fMi + 1, "+");
    TFehlFenster fenster(*fSchule, *fStandard, leh, fMi);
    fenster.show();
    QCOMPARE(fenster.windowTitle(), QStringLiteral("Fehlende Lehrer"));
    QCOMPARE(fenster.DatumFeld()->text(), QStringLiteral("Mittwoch, 9. Dezember, 2026"));
    QCOMPARE(fenster.ElementKnopf()->text(), QStringLiteral("Lehrer"));
    QCOMPARE(fenster.VonKnopf()->text(), QStringLiteral("1. Std"));
    QCOMPARE(fenster.BisKnopf()->text(), QStringLiteral("8. Std"));
    QCOMPARE(fenster.Raster()->toolTip(),
             QStringLiteral("Strg = Alle Stunden  Shift = Keine Stunde"));
    QTableWidget* raster = fenster.Raster();
    QCOMPARE(raster->rowCount(), 2);
    QCOMPARE(raster->columnCount(), 4);
    // The records stand by date and then by the teachers' order, MUE first.
    QCOMPARE(raster->item(0, TFehlFenster::kGrund)->text(), QStringLiteral("(-)"));
    QCOMPARE(raster->item(0, TFehlFenster::kKuerzel)->text(), QStringLiteral("MUE"));
    QCOMPARE(raster->item(0, TFehlFenster::kTag)->data(TFehlFenster::kTagesZeilenRolle).toString(),
             QStringLiteral("FEFFFFFFFFFFFFFF"));
    QCOMPARE(Stunden(fenster, 0), QStringLiteral("-+--------------"));
    QCOMPARE(raster->item(1, TFehlFenster::kGrund)->text(), QStringLiteral("(K)"));
    QCOMPARE(raster->item(1, TFehlFenster::kKuerzel)->text(), QStringLiteral("SCH"));
    QCOMPARE(raster->item(1, TFehlFenster::kTag)->data(TFehlFenster::kTagesZeilenRolle).toString(),
             QStringLiteral("FFFFFFFFFFFFFFFF"));
    QCOMPARE(Stunden(fenster, 1), QStringLiteral("--++------------"));
    QCOMPARE(raster->currentRow(), -1);
    QVERIFY(!raster->item(1, TFehlFenster::kLang)->icon().isNull());
    // Each period is one width of the click rule; the whole day fits the column.
    QCOMPARE(raster->columnWidth(TFehlFenster::kTag), 16 * 9);

    TFehlFenster klassen(*fSchule, *fStandard, kla, fMi);
    QCOMPARE(klassen.windowTitle(), QStringLiteral("Fehlende Klassen"));
    QCOMPARE(klassen.ElementKnopf()->text(), QStringLiteral("Klassen"));
    QCOMPARE(klassen.Raster()->rowCount(), 0);
    TFehlFenster raeume(*fSchule, *fStandard, rau, fMi);
    QCOMPARE(raeume.windowTitle(), QStringLiteral("Fehlende Räume"));
    QCOMPARE(raeume.ElementKnopf()->text(), QStringLiteral("Räume"));
  }

  // The range menus move "von" and "bis"; the element menu adds a teacher with that range; a
  // click toggles the period under the mouse, Shift clears every period, Ctrl sets every one;
  // the reason menu sets the reason. Nothing is recorded before "Ok".
  void TheElementMenuAddsARowAndClicksSetItsPeriods() {
    TFehlFenster fenster(*fSchule, *fStandard, leh, fMi);
    QStringList angeboten;
    QWidget* unter = nullptr;
    std::string wahl;
    fenster.fMenuZeigen = [&](TMenu& menu, QWidget* knopf) {
      angeboten = Texte(menu);
      unter = knopf;
      QVERIFY(WaehleEintrag(menu, wahl));
    };
    fenster.show();
    wahl = "3. Std";
    QTest::mouseClick(fenster.VonKnopf(), Qt::LeftButton);
    QCOMPARE(unter, fenster.VonKnopf());
    QCOMPARE(angeboten, (QStringList{"1. Std", "2. Std", "3. Std", "4. Std", "5. Std", "6. Std",
                                     "7. Std", "8. Std"}));
    QCOMPARE(fenster.VonKnopf()->text(), QStringLiteral("3. Std"));
    wahl = "5. Std";
    QTest::mouseClick(fenster.BisKnopf(), Qt::LeftButton);
    QCOMPARE(unter, fenster.BisKnopf());
    QCOMPARE(fenster.BisKnopf()->text(), QStringLiteral("5. Std"));

    wahl = "SCH";
    QTest::mouseClick(fenster.ElementKnopf(), Qt::LeftButton);
    QCOMPARE(unter, fenster.ElementKnopf());
    QCOMPARE(angeboten, (QStringList{"MUE", "SCH", "KOC"}));
    QTableWidget* raster = fenster.Raster();
    QCOMPARE(raster->rowCount(), 1);
    QCOMPARE(raster->item(0, TFehlFenster::kKuerzel)->text(), QStringLiteral("SCH"));
    QCOMPARE(raster->item(0, TFehlFenster::kGrund)->text(), QStringLiteral("(-)"));
    QCOMPARE(Stunden(fenster, 0), QStringLiteral("--+++-----------"));
    QCOMPARE(raster->currentRow(), 0);
    // The new row says which periods it marks, and the window says in which order to work.
    QCOMPARE(raster->item(0, TFehlFenster::kTag)->toolTip(),
             QStringLiteral("fehlt in Stunde 3, 4, 5"));
    QCOMPARE(fenster.findChild<QLabel*>(QStringLiteral("hinweis"))->text(),
             QStringLiteral("Erst die Stunden wählen, dann hinzufügen: „von“ und „bis“ gelten für "
                            "die Zeilen, die danach kommen.\nIn einer Zeile schaltet ein Klick "
                            "eine Stunde um (Strg: alle, Shift: keine)."));

    // Period 1 at the left edge, 6 at 45..53, 16 at the right edge.
    Klicke(fenster, 0, TFehlFenster::kTag, 0);
    Klicke(fenster, 0, TFehlFenster::kTag, 45);
    Klicke(fenster, 0, TFehlFenster::kTag, 143);
    QCOMPARE(Stunden(fenster, 0), QStringLiteral("+-++++---------+"));
    Klicke(fenster, 0, TFehlFenster::kTag, 44);
    QCOMPARE(Stunden(fenster, 0), QStringLiteral("+-++-+---------+"));
    QCOMPARE(fenster.Form().Zeilen()[0].fStunden, "+-++-+---------+");
    Klicke(fenster, 0, TFehlFenster::kTag, 70, Qt::ShiftModifier);
    QCOMPARE(Stunden(fenster, 0), QStringLiteral("----------------"));
    QCOMPARE(raster->item(0, TFehlFenster::kTag)->toolTip(),
             QStringLiteral("fehlt in keiner Stunde"));
    Klicke(fenster, 0, TFehlFenster::kTag, 70, Qt::ControlModifier);
    QCOMPARE(Stunden(fenster, 0), QStringLiteral("++++++++++++++++"));
    // Clicks elsewhere in the row leave the periods.
    Klicke(fenster, 0, TFehlFenster::kKuerzel);
    QCOMPARE(Stunden(fenster, 0), QStringLiteral("++++++++++++++++"));

    // Column 0 offers the twenty reasons at the mouse; the choice stands in parentheses.
    wahl = "D";
    Klicke(fenster, 0, TFehlFenster::kGrund);
    QCOMPARE(unter, nullptr);
    QCOMPARE(angeboten.size(), 20);
    QCOMPARE(angeboten.mid(0, 3), (QStringList{"K", "D", "-"}));
    QCOMPARE(raster->item(0, TFehlFenster::kGrund)->text(), QStringLiteral("(D)"));
    QCOMPARE(fenster.Form().Zeilen()[0].fGrund, "(D)");
    QVERIFY(fSchule->fFehlLehrerMenge.ListeZahlElemente() == 0);
    QVERIFY(!fSchule->IsDirty());
    fenster.reject();
  }

  // A teacher added a second time gets "Fehlt schon" and his row is selected; with Ctrl the
  // button offers the short-name menu. Rows past the eighth scroll the grid.
  void ASecondAddSaysFehltSchonAndTheGridScrolls() {
    for (int i = 1; i <= 10; ++i) fSchule->HoleLehrer("L" + std::to_string(i));
    TFehlFenster fenster(*fSchule, *fStandard, leh, fMi);
    std::string wahl;
    TMenu gezeigt;
    fenster.fMenuZeigen = [&](TMenu& menu, QWidget*) {
      gezeigt = menu;
      QVERIFY(WaehleEintrag(menu, wahl));
    };
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
    for (const char* k : {"MUE", "SCH", "KOC", "L1", "L2", "L3", "L4", "L5", "L6", "L7", "L8"}) {
      wahl = k;
      QTest::mouseClick(fenster.ElementKnopf(), Qt::LeftButton);
    }
    QTableWidget* raster = fenster.Raster();
    QCOMPARE(raster->rowCount(), 11);
    QCOMPARE(raster->currentRow(), 10);
    QCOMPARE(raster->rowAt(0), 2);
    QCOMPARE(fenster.Form().ObersteZeile(), 2);

    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok"));
    wahl = "SCH";
    QTest::mouseClick(fenster.ElementKnopf(), Qt::LeftButton);
    QTRY_VERIFY(skript.Fertig());
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Fehlt schon")});
    QCOMPARE(skript.fTexte, QStringList{QStringLiteral("SCH\nfehlt an diesem Tag schon.")});
    QCOMPARE(raster->rowCount(), 11);
    QCOMPARE(raster->currentRow(), 1);
    QCOMPARE(raster->rowAt(0), 0);

    // The short-name menu of the palette: the same teachers, tagged with their position.
    wahl = "L9";
    QTest::mouseClick(fenster.ElementKnopf(), Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(Texte(gezeigt).mid(0, 4), (QStringList{"MUE", "SCH", "KOC", "L1"}));
    QCOMPARE(gezeigt.size(), std::size_t{13});
    QCOMPARE(gezeigt[3].fTag, 4);
    QCOMPARE(raster->rowCount(), 12);
    QCOMPARE(raster->item(11, TFehlFenster::kKuerzel)->text(), QStringLiteral("L9"));
    QCOMPARE(raster->currentRow(), 11);
    QCOMPARE(raster->rowAt(0), 3);
    QVERIFY(skript.fUnerwartet.isEmpty());
    fenster.reject();
  }

  // "Ok" turns the rows into records: MUE absent in his lesson gets a substitution record; the
  // reason stands; a row cleared to no period removes its record.
  void OkCreatesTheRecordsAndTheSubstitutions() {
    Fehlt(fSch, fMi, "+++");
    TModalSkript skript;
    skript.Dann([&](QWidget* w) {
      auto* fenster = qobject_cast<TFehlFenster*>(w);
      QVERIFY(fenster);
      fenster->fMenuZeigen = [](TMenu& menu, QWidget*) { QVERIFY(WaehleEintrag(menu, "K")); };
      Klicke(*fenster, 0, TFehlFenster::kTag, 10, Qt::ShiftModifier);
      fenster->Form().SetVon(2);
      fenster->Form().SetBis(3);
      fenster->ElementZeigen(fMue);
      Klicke(*fenster, 1, TFehlFenster::kGrund);
      QTest::mouseClick(KnopfMit(fenster, QStringLiteral("Ok")), Qt::LeftButton);
    });
    QVERIFY(FehlFensterZeigen(nullptr, *fSchule, *fStandard, leh, fMi));
    QVERIFY(skript.Fertig());
    QCOMPARE(Liste(fSchule->fFehlLehrerMenge), QStringList{"MUE 9.12 -++-------------(K)"});
    QCOMPARE(fSchule->fVertretungsMenge.ListeZahlElemente(), 1);
    const TVertretung* v = fSchule->fVertretungsMenge.ListeNrInhalt(1);
    QCOMPARE(v->fSetzung, fMatheMi);
    QCOMPARE(v->fDatum, fMi);
    QCOMPARE(v->fLehrer, nullptr);
    QVERIFY(v->fGueltig);
    QVERIFY(fSchule->IsDirty());
  }

  // Opened on a teacher, the window selects his new row; "Abbrechen" leaves records,
  // substitutions and the document as they were.
  void AbbrechenChangesNothing() {
    Fehlt(fSch, fMi, "+++", "D");
    fSchule->SetDirty(false);
    TModalSkript skript;
    skript.Dann([&](QWidget* w) {
      auto* fenster = qobject_cast<TFehlFenster*>(w);
      QVERIFY(fenster);
      QCOMPARE(fenster->Raster()->rowCount(), 2);
      QCOMPARE(fenster->Raster()->currentRow(), 1);
      Klicke(*fenster, 0, TFehlFenster::kTag, 0, Qt::ShiftModifier);
      QTest::mouseClick(KnopfMit(fenster, QStringLiteral("Abbrechen")), Qt::LeftButton);
    });
    QVERIFY(!FehlFensterZeigen(nullptr, *fSchule, *fStandard, leh, fMi, fMue));
    QVERIFY(skript.Fertig());
    QCOMPARE(Liste(fSchule->fFehlLehrerMenge), QStringList{"SCH 9.12 +++-------------(D)"});
    QCOMPARE(fSchule->fVertretungsMenge.ListeZahlElemente(), 0);
    QVERIFY(!fSchule->IsDirty());
  }

  // The calendar symbol opens "längere Fehlzeit" at the window's date; "Ok" enters the row's
  // periods and reason on Friday, Monday and Tuesday, not on the weekend, and not on the window's
  // date, which waits for the window's "Ok".
  void ALongAbsenceSkipsTheWeekend() {
    const TDatumZeit donnerstag = Datum(2026, 12, 10);
    TFehlFenster fenster(*fSchule, *fStandard, leh, donnerstag);
    fenster.show();
    fenster.Form().SetVon(1);
    fenster.Form().SetBis(2);
    fenster.ElementZeigen(fKoc);
    fenster.Form().SetGrund(0, "K");
    QStringList gesehen;
    int eingetragen = -1;
    TModalSkript skript;
    skript.Dann([&](QWidget* w) {
      auto* dialog = qobject_cast<TFehlzeitDialog*>(w);
      QVERIFY(dialog);
      gesehen << dialog->windowTitle() << dialog->findChild<QLabel*>("ueberschrift")->text()
              << QString::number(dialog->TagFeld()->value())
              << QString::number(dialog->MonatFeld()->value())
              << QString::number(dialog->JahrFeld()->value());
      dialog->TagFeld()->setValue(15);
      QTest::mouseClick(KnopfMit(dialog, QStringLiteral("Ok")), Qt::LeftButton);
      eingetragen = dialog->Eingetragen();
    });
    Klicke(fenster, 0, TFehlFenster::kLang);
    QVERIFY(skript.Fertig());
    QCOMPARE(gesehen, (QStringList{"längere Fehlzeit", "KOC fehlt bis", "10", "12", "2026"}));
    QCOMPARE(eingetragen, 3);
    QCOMPARE(Liste(fSchule->fFehlLehrerMenge),
             (QStringList{"KOC 11.12 ++--------------(K)", "KOC 14.12 ++--------------(K)",
                          "KOC 15.12 ++--------------(K)"}));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QVERIFY(fSchule->IsDirty());
    fenster.accept();
    QCOMPARE(fSchule->fFehlLehrerMenge.ListeZahlElemente(), 4);
    QCOMPARE(Liste(fSchule->fFehlLehrerMenge)[0], QStringLiteral("KOC 10.12 ++--------------(K)"));
  }

  // A day the month lacks becomes its last day, shown in the field; a last day before the
  // window's date puts the fields back to it and enters nothing; "Abbrechen" enters nothing.
  void TheLongAbsenceCorrectsTheDay() {
    TFehlFenster fenster(*fSchule, *fStandard, leh, Datum(2026, 2, 26));
    fenster.show();
    fenster.ElementZeigen(fKoc);
    QStringList felder;
    const auto eingeben = [&](int tag, int monat, const QString& knopf) {
      return [&felder, tag, monat, knopf](QWidget* w) {
        auto* dialog = qobject_cast<TFehlzeitDialog*>(w);
        QVERIFY(dialog);
        dialog->TagFeld()->setValue(tag);
        dialog->MonatFeld()->setValue(monat);
        QTest::mouseClick(KnopfMit(dialog, knopf), Qt::LeftButton);
        felder << QStringLiteral("%1.%2 %3")
                      .arg(dialog->TagFeld()->value())
                      .arg(dialog->MonatFeld()->value())
                      .arg(dialog->Eingetragen());
      };
    };
    TModalSkript skript;
    skript.Dann(eingeben(31, 2, QStringLiteral("Ok")))
        .Dann(eingeben(20, 1, QStringLiteral("Ok")))
        .Dann(eingeben(6, 3, QStringLiteral("Abbrechen")));
    Klicke(fenster, 0, TFehlFenster::kLang);
    Klicke(fenster, 0, TFehlFenster::kLang);
    Klicke(fenster, 0, TFehlFenster::kLang);
    QVERIFY(skript.Fertig());
    QCOMPARE(felder, (QStringList{"28.2 1", "26.2 0", "6.3 0"}));
    QCOMPARE(Liste(fSchule->fFehlLehrerMenge), QStringList{"KOC 27.2 ++++++++--------(-)"});
    fenster.reject();
  }

 private:
  // Records the teacher's periods of the date as the planner does ("-+" = period 2).
  void Fehlt(TLehrer* l, TDatumZeit datum, std::string_view stunden, std::string_view grund = "") {
    TFehlForm form(*fSchule, *fStandard, leh, datum);
    form.ElementZeigen(l);
    const int32_t zeile = form.ZeileVon(l);
    form.SetStunden(zeile, stunden);
    if (!grund.empty()) form.SetGrund(zeile, grund);
    form.Ok();
  }

  TQtDialoge fDialoge;
  TFesteUhr fUhr{*KodiereDatum(2026, 12, 7) + 0.4};
  const TDatumZeit fMi = Datum(2026, 12, 9);
  TLehrer* fMue = nullptr;
  TLehrer* fSch = nullptr;
  TLehrer* fKoc = nullptr;
  TKurs* fMathe = nullptr;
  TSetzung* fMatheMi = nullptr;
};

}  // namespace orbato

QTEST_MAIN(orbato::FehlFensterTest)
#include "fehlfenster_test.moc"
