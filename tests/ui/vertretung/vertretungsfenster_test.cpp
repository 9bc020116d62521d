#include "ui/vertretung/vertretungsfenster.h"
#include "ui/hauptfenster/fensterregister.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "lauf.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/kurse/kurs.h"
#include "model/vertretung/kalender.h"
#include "oberflaeche.h"
#include "platform/qttext.h"
#include "substitution/fehlzeiten.h"
#include "ui/bausteine/datumsdialog.h"
#include "ui/hauptfenster/orbatopalette.h"

namespace orbato {

class VertretungsFensterTest : public QObject {
  Q_OBJECT

  // The clock of the run stands on Tuesday, 8 December 2026. MUE teaches 5a on Tuesday in
  // periods 1 and 3 and is absent in both; SCH teaches 5b on Tuesday in period 2 and on Wednesday
  // in period 1, and is absent on Wednesday.
  struct TSchulLauf {
    TSchulLauf() {
      lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("v.orb")));
      TStandard& st = lauf.palette->standard();
      st.fMaxTageNeu = 5;
      st.fPlnStd = 8;
      TSchule& s = lauf.palette->schule();
      // The document reads the time from the run's clock, as every rule of "today" does.
      s.SetUhr(&lauf.uhr);
      TRaum* r1 = s.HoleRaum("R1");
      Setze(Kurs(s.HoleLehrer("MUE"), s.HoleKlasse("5a"), s.HoleFach("M"), r1), {{2, 1}, {2, 3}},
            r1);
      TRaum* r2 = s.HoleRaum("R2");
      Setze(Kurs(s.HoleLehrer("SCH"), s.HoleKlasse("5b"), s.HoleFach("E"), r2), {{2, 2}, {3, 1}},
            r2);
      Fehlt(leh, s.HoleLehrer("MUE"), heute, "+-+");
      Fehlt(leh, s.HoleLehrer("SCH"), heute + 1, "+");
      s.SetDirty(false);
    }
    static TKurs* Kurs(TLehrer* l, TKlasse* k, TFach* f, TRaum* r) {
      auto* kurs = new TKurs;
      kurs->IKurs(l, k, 2, r, f, nullptr);
      return kurs;
    }
    static void Setze(TKurs* k, std::initializer_list<std::pair<int, int>> zellen, TRaum* r) {
      for (auto [tag, std] : zellen) k->SetzungAufnehmen(new TSetzung(1, tag, std, r));
    }
    static void Fehlt(TKuerzelArt art, TPlanElement* e, TDatumZeit datum, const char* stunden) {
      TFehlForm form(Schule(), Standard(), art, datum);
      form.ElementHinzufuegen(e);
      form.SetStunden(form.ZeileVon(e), stunden);
      form.Ok();
    }
    TVertrForm* Fenster() const {
      QMdiSubWindow* rahmen = lauf.palette->Arbeitsflaeche()->activeSubWindow();
      return rahmen ? qobject_cast<TVertrForm*>(rahmen->widget()) : nullptr;
    }
    QString Zelle(int zeile, int spalte) const {
      return Fenster()->Tabelle()->item(zeile, spalte)->text();
    }
    void Doppelklick(int zeile) const {
      QTableWidget* t = Fenster()->Tabelle();
      const QPoint punkt = t->visualItemRect(t->item(zeile, kVertrStunde)).center();
      QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, punkt);
      QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, punkt);
    }

    TLauf lauf;
    const TDatumZeit heute = 46364.5;
  };

 private slots:
  // "Heute" (Ctrl+H) opens the window of today with its records; the window is the document's
  // substitution window until it closes.
  void TodayShowsTheRecordsOfTheDay() {
    TSchulLauf s;
    QCOMPARE(
        s.lauf.palette->Aktion({QStringLiteral("Vertretung"), QStringLiteral("Heute")})->shortcut(),
        QKeySequence(Qt::CTRL | Qt::Key_H));
    s.lauf.palette->standard().fAktuelleWoche = 2;
    s.lauf.Waehle({QStringLiteral("Vertretung"), QStringLiteral("Heute")});
    TVertrForm* f = s.Fenster();
    QVERIFY(f);
    QCOMPARE(f->parentWidget()->windowTitle(), QStringLiteral("Vertretungen"));
    QCOMPARE(s.lauf.palette->fensterRegister().Offen(TFensterTyp::Vertretungen),
             static_cast<Fenster*>(f));
    QCOMPARE(s.lauf.palette->standard().fAktuelleWoche, 1);
    QCOMPARE(s.lauf.palette->VersionsKnopf()->text(), QStringLiteral("1"));
    QCOMPARE(f->DatumFeld()->text(), QStringLiteral("Di, 8. Dez 2026"));
    QTableWidget* t = f->Tabelle();
    QCOMPARE(s.lauf.palette->focusWidget(), t);
    QCOMPARE(t->columnCount(), 11);
    QCOMPARE(t->horizontalHeaderItem(10)->text(), QStringLiteral("VRaum"));
    QCOMPARE(t->rowCount(), 2);
    QCOMPARE(s.Zelle(0, kVertrStunde), QStringLiteral("Dienstag  1"));
    QCOMPARE(s.Zelle(1, kVertrStunde), QStringLiteral("Dienstag  3"));
    QCOMPARE(s.Zelle(0, kVertrVLehrer), QStringLiteral("?????"));
    // Made today: red, on a highlighted row; no substitute: blue.
    QCOMPARE(t->item(0, kVertrLehrer)->foreground().color(), QColor(Qt::red));
    QCOMPARE(t->item(0, kVertrVLehrer)->foreground().color(), QColor(Qt::blue));
    QCOMPARE(t->item(0, kVertrLehrer)->background().color(), QColor(255, 255, 170));

    // "Ad hoc löschen" on the selected row takes the red away.
    t->selectRow(1);
    QTest::mouseClick(f->Knopf(QStringLiteral("Ad hoc löschen")), Qt::LeftButton);
    QCOMPARE(t->item(1, kVertrLehrer)->foreground().color(), QColor(Qt::black));
    QCOMPARE(t->item(1, kVertrLehrer)->background().style(), Qt::NoBrush);
    QCOMPARE(t->item(0, kVertrLehrer)->foreground().color(), QColor(Qt::red));
    QCOMPARE(f->AusgewaehlteZeilen(), std::vector<int>{1});
    QVERIFY(s.lauf.palette->schule().IsDirty());

    s.lauf.palette->Arbeitsflaeche()->closeAllSubWindows();
    QTest::qWait(0);
    QCOMPARE(s.lauf.palette->fensterRegister().Offen(TFensterTyp::Vertretungen), nullptr);
  }

  // A double click and Enter hand a record in force to the proposal window; "Morgen" shows the
  // next day in the same window; the Ctrl list of an absence button leads to the absence window
  // on the element chosen.
  void LeadsToTheProposalAndTheAbsenceWindows() {
    TSchulLauf s;
    std::vector<TVertretung*> gewaehlt;
    QStringList fehlende;
    s.lauf.palette->fVertretungWaehlen = [&](TVertretung* v) { gewaehlt.push_back(v); };
    s.lauf.palette->fFehlendeOeffnen = [&](TKuerzelArt art, TDatumZeit d, TPlanElement* e) {
      fehlende << QStringLiteral("%1 %2 %3")
                      .arg(art)
                      .arg(d)
                      .arg(e ? QtText(e->fKuerzel.str()) : QStringLiteral("-"));
    };
    s.lauf.Waehle({QStringLiteral("Vertretung"), QStringLiteral("Heute")});
    TVertrForm* f = s.Fenster();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    s.Doppelklick(1);
    QCOMPARE(gewaehlt.size(), size_t{1});
    QCOMPARE(gewaehlt[0], f->Form().VertretungIn(1));
    f->Tabelle()->setCurrentCell(0, kVertrStunde);
    QTest::keyClick(f->Tabelle(), Qt::Key_Return);
    QCOMPARE(gewaehlt.size(), size_t{2});
    QCOMPARE(gewaehlt[1], f->Form().VertretungIn(0));

    s.lauf.Waehle({QStringLiteral("Vertretung"), QStringLiteral("Morgen")});
    QCOMPARE(s.lauf.palette->Arbeitsflaeche()->subWindowList().size(), 1);
    QCOMPARE(s.Fenster(), f);
    QCOMPARE(f->DatumFeld()->text(), QStringLiteral("Mi, 9. Dez 2026"));
    QCOMPARE(f->Tabelle()->rowCount(), 1);
    QCOMPARE(s.Zelle(0, kVertrLehrer), QStringLiteral("SCH"));

    QTest::mouseClick(f->Knopf(QStringLiteral("fehlende Klasse")), Qt::LeftButton);
    QStringList menus;
    f->fMenuZeigen = [&](TMenu& menu) {
      for (const TMenuEintrag& e : menu) menus << QtText(e.fText);
      WaehleEintrag(menu, "SCH");
    };
    f->FehlendeGeklickt(leh, true);
    QCOMPARE(menus, QStringList{QStringLiteral("SCH")});
    QCOMPARE(fehlende,
             (QStringList{QStringLiteral("1 46365.5 -"), QStringLiteral("0 46365.5 SCH")}));
  }

  // With the delete tool a double click asks "Vertretung löschen"; "Nein" keeps the record, "Ja"
  // takes it away and the window shows the rest. Delete asks the same.
  void TheDeleteToolAsksFirst() {
    TSchulLauf s;
    s.lauf.Waehle({QStringLiteral("Vertretung"), QStringLiteral("Heute")});
    TVertrForm* f = s.Fenster();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    s.lauf.palette->schule().SetToolArt(LoeschTool);
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Nein")).Druecke(QStringLiteral("Ja"));
    s.Doppelklick(0);
    QCOMPARE(f->Tabelle()->rowCount(), 2);
    s.Doppelklick(0);
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTitel, (QStringList{QStringLiteral("Vertretung löschen"),
                                         QStringLiteral("Vertretung löschen")}));
    QCOMPARE(skript.fTexte[0], QStringLiteral("Soll die Vertretung\nDi, 8. Dez   1\nMUE M R1"));
    QCOMPARE(f->Tabelle()->rowCount(), 1);
    QCOMPARE(s.Zelle(0, kVertrStunde), QStringLiteral("Dienstag  3"));
    QCOMPARE(s.lauf.palette->schule().fVertretungsMenge.ListeZahlElemente(), 2);

    s.lauf.palette->schule().SetToolArt(ZeigTool);
    skript.Druecke(QStringLiteral("Nein"));
    f->Tabelle()->setCurrentCell(0, kVertrStunde);
    QTest::keyClick(f->Tabelle(), Qt::Key_Delete);
    QVERIFY(skript.Fertig());
    QCOMPARE(f->Tabelle()->rowCount(), 1);
    QVERIFY(skript.fUnerwartet.isEmpty());
  }

  // On Saturday "Heute" says "Vertretung unnötig"; "Anderer Tag" asks for a date in the date
  // dialog, which corrects a day the month lacks and names the weekday.
  void AWeekendAsksForAnotherDay() {
    TSchulLauf s;
    s.lauf.uhr.Stellen(46368.5);
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok"));
    s.lauf.Waehle({QStringLiteral("Vertretung"), QStringLiteral("Heute")});
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTexte, QStringList{QStringLiteral("Samstag, 12. Dezember 2026")});
    QVERIFY(s.lauf.palette->Arbeitsflaeche()->subWindowList().isEmpty());

    QString wochentag;
    skript.Druecke(QStringLiteral("Anderer Tag")).Dann([&](QWidget* w) {
      auto* d = qobject_cast<TDatumsDialog*>(w);
      QVERIFY(d);
      QCOMPARE(d->Wochentag()->text(), QStringLiteral("Samstag"));
      d->Monat()->setValue(2);
      d->Tag()->setValue(31);
      QCOMPARE(d->Tag()->value(), 28);
      d->Monat()->setValue(12);
      d->Tag()->setValue(9);
      wochentag = d->Wochentag()->text();
      KnopfMit(d, QStringLiteral("Ok"))->click();
    });
    s.lauf.Waehle({QStringLiteral("Vertretung"), QStringLiteral("Heute")});
    QVERIFY(skript.Fertig());
    QCOMPARE(wochentag, QStringLiteral("Mittwoch"));
    QVERIFY(s.Fenster());
    QCOMPARE(s.Fenster()->DatumFeld()->text(), QStringLiteral("Mi, 9. Dez 2026"));
    QVERIFY(skript.fUnerwartet.isEmpty());
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::VertretungsFensterTest)
#include "vertretungsfenster_test.moc"
