// The morning's substitution plan from start to end, through the windows as a planner uses them.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "lauf.h"
#include "model/dokument/schule.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/menue.h"
#include "oberflaeche.h"
#include "platform/qttext.h"
#include "substitution/fehlzeiten.h"
#include "ui/hauptfenster/fensterregister.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/vertretung/fehlfenster.h"
#include "ui/vertretung/vertretungsfenster.h"
#include "ui/vertretung/vertretungswahlfenster.h"
#include "ui/vertretung/vstundenfenster.h"

namespace orbato {

class VertretungsMorgenTest : public QObject {
  Q_OBJECT

  // Tuesday, 8 December 2026. MUE teaches Mathe to 5a in R1 in periods 2 and 3 and Deutsch to 5b
  // in R1 in period 4; SCH teaches Englisch to 5b in period 1, KOC nothing. R2 is free all day.
  struct TMorgen {
    TMorgen() {
      lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("m.orb")));
      TStandard& st = lauf.palette->standard();
      st.fMaxTageNeu = 5;
      st.fPlnStd = 8;
      for (int i = 0; i < kMaxStunden; ++i) {
        st.fStdBez[0][static_cast<std::size_t>(i)] = std::to_string(i + 1) + ". Std";
      }
      st.fVertrFreiCheck = true;
      st.fVertrRandCheck = false;
      st.fVertrSortArt = 3;
      TSchule& s = lauf.palette->schule();
      TRaum* r1 = s.HoleRaum("R1");
      s.HoleRaum("R2");
      mue = s.HoleLehrer("MUE");
      sch = s.HoleLehrer("SCH");
      s.HoleLehrer("KOC");
      Kurs(mue, s.HoleKlasse("5a"), s.HoleFach("M"), r1, {2, 3});
      Kurs(mue, s.HoleKlasse("5b"), s.HoleFach("D"), r1, {4});
      Kurs(sch, s.HoleKlasse("5b"), s.HoleFach("E"), nullptr, {1});
      QVERIFY(lauf.palette->Sichern());
    }
    static void Kurs(TLehrer* l, TKlasse* k, TFach* f, TRaum* r, std::initializer_list<int> std) {
      auto* kurs = new TKurs;
      kurs->IKurs(l, k, static_cast<int32_t>(std.size()), r, f, nullptr);
      for (int s : std) kurs->SetzungAufnehmen(new TSetzung(1, 2, s, r));
    }

    TVertrForm* Vertretungen() const {
      return dynamic_cast<TVertrForm*>(
          lauf.palette->fensterRegister().Offen(TFensterTyp::Vertretungen));
    }
    TVertrWahlForm* Wahl() const {
      return dynamic_cast<TVertrWahlForm*>(
          lauf.palette->fensterRegister().Offen(TFensterTyp::Vertretungswahl));
    }
    QStringList Zeile(int zeile) const {
      QTableWidget* t = Vertretungen()->Tabelle();
      QStringList texte;
      for (int spalte : {kVertrStunde, kVertrLehrer, kVertrKlasse, kVertrRaum, kVertrVLehrer,
                         kVertrVFach, kVertrVRaum}) {
        texte << t->item(zeile, spalte)->text();
      }
      return texte;
    }
    static void Doppelklick(QTableWidget* t, int zeile, int spalte) {
      const QPoint punkt = t->visualItemRect(t->item(zeile, spalte)).center();
      QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, punkt);
      QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, punkt);
    }
    static int ZeileMit(QTableWidget* t, const QString& text) {
      for (int z = 0; z < t->rowCount(); ++z) {
        if (t->item(z, 0) && t->item(z, 0)->text() == text) return z;
      }
      return -1;
    }
    QStringList Bilanzen() const {
      lauf.Waehle({QStringLiteral("Vertretung"), QStringLiteral("Vertretungsstunden")});
      auto* fenster =
          qobject_cast<TVStdForm*>(lauf.palette->Arbeitsflaeche()->activeSubWindow()->widget());
      QStringList texte;
      if (fenster == nullptr) return texte;
      for (int seite : {1, 2}) {
        QTableWidget* t = fenster->Tabelle(seite);
        for (int z = 0; z < t->rowCount(); ++z) {
          texte << t->item(z, 0)->text() + QLatin1Char('=') + t->item(z, 1)->text();
        }
      }
      return texte;
    }

    TLauf lauf;
    TLehrer* mue = nullptr;
    TLehrer* sch = nullptr;
  };

 private slots:
  // "Heute", MUE absent in periods 2 to 4 through the absence window, SCH chosen from the
  // proposals for period 2 and moved to R2, period 3 "frei", period 4 still open; the balances
  // credit SCH; saved and opened again, the day reads the same.
  void TheMorningsPlanIsMadeSavedAndReadBack() {
    TMorgen m;
    m.lauf.Waehle({QStringLiteral("Vertretung"), QStringLiteral("Heute")});
    TVertrForm* tag = m.Vertretungen();
    QVERIFY(tag);
    QCOMPARE(tag->Tabelle()->rowCount(), 0);

    TModalSkript skript;
    skript.Dann([](QWidget* w) {
      auto* fenster = qobject_cast<TFehlFenster*>(w);
      QVERIFY(fenster);
      std::string wahl;
      fenster->fMenuZeigen = [&wahl](TMenu& menu, QWidget*) { QVERIFY(WaehleEintrag(menu, wahl)); };
      wahl = "2. Std";
      QTest::mouseClick(fenster->VonKnopf(), Qt::LeftButton);
      wahl = "4. Std";
      QTest::mouseClick(fenster->BisKnopf(), Qt::LeftButton);
      wahl = "MUE";
      QTest::mouseClick(fenster->ElementKnopf(), Qt::LeftButton);
      QTest::mouseClick(KnopfMit(fenster, QStringLiteral("Ok")), Qt::LeftButton);
    });
    QTest::mouseClick(tag->Knopf(QStringLiteral("fehlender Lehrer")), Qt::LeftButton);
    QVERIFY(skript.Fertig());
    QVERIFY(skript.fUnerwartet.isEmpty());
    QCOMPARE(tag->Tabelle()->rowCount(), 3);
    QCOMPARE(m.Zeile(0), (QStringList{"Dienstag 2. Std", "MUE", "5a", "R1", "?????", "M", "R1"}));
    QCOMPARE(m.Zeile(2), (QStringList{"Dienstag 4. Std", "MUE", "5b", "R1", "?????", "D", "R1"}));

    // Period 2: SCH from the free teachers, then room R2.
    TMorgen::Doppelklick(tag->Tabelle(), 0, kVertrStunde);
    TVertrWahlForm* wahl = m.Wahl();
    QVERIFY(wahl);
    QVERIFY(wahl->LehrerModus()->isChecked());
    const int sch = TMorgen::ZeileMit(wahl->LehrerListe(), QStringLiteral("SCH"));
    QVERIFY(sch >= 0);
    QCOMPARE(TMorgen::ZeileMit(wahl->LehrerListe(), QStringLiteral("MUE")), -1);
    TMorgen::Doppelklick(wahl->LehrerListe(), sch, 0);
    wahl->RaumModus()->click();
    const int r2 = TMorgen::ZeileMit(wahl->RaumListe(), QStringLiteral("R2"));
    QVERIFY(r2 >= 0);
    TMorgen::Doppelklick(wahl->RaumListe(), r2, 0);

    // Period 3: the same window takes the next record; "Frei" cancels the lesson.
    TMorgen::Doppelklick(tag->Tabelle(), 1, kVertrStunde);
    QCOMPARE(m.Wahl(), wahl);
    QTest::mouseClick(wahl->Knopf(QStringLiteral("Frei")), Qt::LeftButton);

    QCOMPARE(m.Zeile(0), (QStringList{"Dienstag 2. Std", "MUE", "5a", "R1", "SCH", "M", "R2"}));
    QCOMPARE(m.Zeile(1),
             (QStringList{"Dienstag 3. Std", "MUE", "5a", "R1", "-----", "-----", "-----"}));
    QCOMPARE(m.Zeile(2), (QStringList{"Dienstag 4. Std", "MUE", "5b", "R1", "?????", "D", "R1"}));
    const QStringList bilanzen = m.Bilanzen();
    QCOMPARE(bilanzen,
             (QStringList{"MUE= 0.0", "SCH= 1.0", "KOC= 0.0", "MUE= 0.0", "SCH= 1.0", "KOC= 0.0"}));
    QVERIFY(m.lauf.palette->schule().IsDirty());

    QVERIFY(m.lauf.palette->Sichern());
    QVERIFY(m.lauf.palette->DateiSchliessen());
    QVERIFY(m.lauf.palette->Oeffnen(m.lauf.Pfad(QStringLiteral("m.orb"))));
    QVERIFY(!m.lauf.palette->schule().IsDirty());
    m.lauf.Waehle({QStringLiteral("Vertretung"), QStringLiteral("Heute")});
    QVERIFY(m.Vertretungen());
    QCOMPARE(m.Vertretungen()->Tabelle()->rowCount(), 3);
    QCOMPARE(m.Zeile(0), (QStringList{"Dienstag 2. Std", "MUE", "5a", "R1", "SCH", "M", "R2"}));
    QCOMPARE(m.Zeile(1),
             (QStringList{"Dienstag 3. Std", "MUE", "5a", "R1", "-----", "-----", "-----"}));
    QCOMPARE(m.Zeile(2), (QStringList{"Dienstag 4. Std", "MUE", "5b", "R1", "?????", "D", "R1"}));
    QCOMPARE(m.Bilanzen(), bilanzen);
    QVERIFY(!m.lauf.palette->schule().IsDirty());
  }

  // The substitution window and the proposal window open where the planner left them, the
  // proposal window at one place per mode.
  void TheWindowsOpenWhereTheyWereLeft() {
    TMorgen m;
    TStandard& st = m.lauf.palette->standard();
    st.fVertrLeft = 30;
    st.fVertrTop = 40;
    st.fVertrLeLeft = 50;
    st.fVertrLeTop = 60;
    st.fVertrRaLeft = 70;
    st.fVertrRaTop = 80;
    TSchule& s = m.lauf.palette->schule();
    m.lauf.Waehle({QStringLiteral("Vertretung"), QStringLiteral("Heute")});
    QWidget* rahmen = m.Vertretungen()->parentWidget();
    QCOMPARE(rahmen->pos(), QPoint(30, 40));
    rahmen->move(35, 45);
    TVertrForm* tag = m.Vertretungen();
    tag->FensterSchliessen();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(QPoint(st.fVertrLeft, st.fVertrTop), QPoint(35, 45));

    TFehlForm form(s, m.lauf.palette->standard(), leh, 46364.5);
    form.ElementHinzufuegen(m.mue);
    form.SetStunden(form.ZeileVon(m.mue), "-+");
    form.Ok();
    TVertretung* v = s.fVertretungsMenge.ListeNrInhalt(1);
    QVERIFY(v);
    TVertrWahlForm* wahl = VertretungswahlZeigen(s, st, v);
    QCOMPARE(wahl->parentWidget()->pos(), QPoint(50, 60));
    wahl->RaumModus()->click();
    wahl->parentWidget()->move(75, 85);
    wahl->FensterSchliessen();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(QPoint(st.fVertrRaLeft, st.fVertrRaTop), QPoint(75, 85));
    QCOMPARE(QPoint(st.fVertrLeLeft, st.fVertrLeTop), QPoint(50, 60));
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::VertretungsMorgenTest)
#include "vertretungsmorgen_test.moc"
