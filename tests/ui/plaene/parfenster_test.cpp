#include "ui/plaene/parfenster.h"
#include "ui/hauptfenster/fensterregister.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "lauf.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/zwischenablage.h"
#include "oberflaeche.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/plaene/parstartdialog.h"
#include "ui/plaene/parsuchdialog.h"

namespace orbato {
namespace {

QStringList Koepfe(const QTableWidget* t) {
  QStringList koepfe;
  for (int s = 0; s < t->columnCount(); ++s) koepfe << t->horizontalHeaderItem(s)->text();
  return koepfe;
}

QStringList Zeile(const QTableWidget* t, int zeile) {
  QStringList texte;
  for (int s = 0; s < t->columnCount(); ++s) texte << t->item(zeile, s)->text();
  return texte;
}

QPoint Mitte(const QTableWidget* t, int spalte, int zeile) {
  return t->visualItemRect(t->item(zeile - 1, spalte)).center();
}

QString AktiverTitel(const TLauf& lauf) {
  const QMdiSubWindow* f = lauf.palette->Arbeitsflaeche()->activeSubWindow();
  return f ? f->windowTitle() : QString();
}

// A coupling of one two-hour course per teacher given, all of one class and subject.
TKopplung* Kopplung(TSchule& s, const char* kuerzel, std::initializer_list<const char*> lehrer) {
  TKopplung* o = s.HoleKopplung(kuerzel);
  for (const char* l : lehrer) {
    (new TKurs)->IKurs(s.HoleLehrer(l), s.HoleKlasse("PK"), 2, nullptr, s.HoleFach("PM"), o);
  }
  return o;
}

}  // namespace

class ParFensterTest : public QObject {
  Q_OBJECT

 private slots:
  // "Daten" / "Parallele Kopplungen": the start dialog sizes the grid; the set tool puts
  // couplings into cells and places a row, the fix, move and delete tools change cells, each
  // change recounting "Konfl."; "Suche Lösung" rearranges the movable couplings; the grid copies
  // as text and comes back with the plan file.
  void DrivesTheGridFromTheMenu() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"))));
    TSchule& s = lauf.palette->schule();
    TStandard& st = lauf.palette->standard();
    st.fMaxTageNeu = 5;
    st.fPlnStd = 6;
    TKopplung* pa = Kopplung(s, "PA", {"PL1", "PL2"});
    TKopplung* pb = Kopplung(s, "PB", {"PL1"});
    TKopplung* pc = Kopplung(s, "PC", {"PL3"});

    TModalSkript skript;
    skript.Dann([](QWidget* w) {
      auto* start = qobject_cast<TParStartForm*>(w);
      QVERIFY(start);
      QCOMPARE(start->fZeilen->value(), 10);
      QCOMPARE(start->fSpalten->value(), 3);
      QCOMPARE(start->fZeilen->maximum(), 40);
      QCOMPARE(start->fSpalten->minimum(), 2);
      QVERIFY(!start->fUeber->isChecked());
      start->fZeilen->setValue(2);
      start->fSpalten->setValue(2);
      start->fMitFach->setChecked(true);
      KnopfMit(w, QStringLiteral("Ok"))->click();
    });
    lauf.Waehle({"Daten", "Parallele Kopplungen"});
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Parallele Kopplungen")});
    auto* par = dynamic_cast<TParForm*>(FensterRegister().Offen(TFensterTyp::ParalleleKopplungen));
    QVERIFY(par);
    QCOMPARE(par->FensterArt(), 22);
    QCOMPARE(AktiverTitel(lauf), QStringLiteral("Parallele Kopplungen"));
    QCOMPARE(st.fParZeilen, 2);
    QCOMPARE(st.fParSpalten, 2);
    QVERIFY(st.fParMitFach);
    QVERIFY(!st.fParUeber);
    QTableWidget* t = par->Tabelle();
    QCOMPARE(Koepfe(t), (QStringList{"Konfl.", "Spalte 1", "Spalte 2"}));
    QCOMPARE(t->rowCount(), 2);
    QCOMPARE(t->columnWidth(1), 120);

    // The set tool: a click offers the couplings, a chosen one goes into the cell.
    lauf.Waehle({"Werkzeuge", "Setzen"});
    QCOMPARE(s.fToolArt, SetzTool);
    std::vector<std::string> wahl;
    par->fMenuZeigen = [&wahl](TMenu& menu) {
      TMenu* ebene = &menu;
      TMenuEintrag* e = nullptr;
      for (const std::string& text : wahl) {
        e = FindeEintrag(*ebene, text);
        QVERIFY(e);
        ebene = &e->fUntermenu;
      }
      QVERIFY(Waehle(*e));
    };
    wahl = {"PA"};
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, Mitte(t, 1, 1));
    wahl = {"PB"};
    par->Geklickt(2, 1);
    wahl = {"PC"};
    par->Geklickt(1, 2);
    QCOMPARE(Zeile(t, 0), (QStringList{"1", "PA PM", "PB PM"}));
    QCOMPARE(Zeile(t, 1), (QStringList{"0", "PC PM", ""}));

    // The row's placement: every course of PA and PB in Tuesday's third period, in the current
    // version only.
    wahl = {"Zeile 1 setzen", "Dienstag", "3. Stunde"};
    par->Geklickt(0, 1);
    for (const TKopplung* o : {pa, pb}) {
      for (const TKurs* k : o->fKurse) {
        QCOMPARE(k->fSetzungen.ListeZahlElemente(), 1);
        QVERIFY(k->SetzungFinden(st.fAktuelleWoche, 2, 3));
      }
    }
    QCOMPARE(pc->fKurse.ListeNrInhalt(1)->fSetzungen.ListeZahlElemente(), 0);

    lauf.Waehle({"Werkzeuge", "Fixieren"});
    par->Doppelgeklickt(2, 1);
    QCOMPARE(par->Raster().Zelle(2, 1).fMarke, 'F');
    QVERIFY(t->item(0, 2)->font().bold());
    QCOMPARE(t->item(0, 2)->data(Qt::UserRole + 1).toString(), QStringLiteral("F"));

    // Dragged with Shift, a coupling is copied; the delete tool empties the copy again.
    lauf.Waehle({"Werkzeuge", "Schieben"});
    QTest::mousePress(t->viewport(), Qt::LeftButton, {}, Mitte(t, 1, 2));
    QTest::mouseRelease(t->viewport(), Qt::LeftButton, Qt::ShiftModifier, Mitte(t, 2, 2));
    QCOMPARE(Zeile(t, 1), (QStringList{"1", "PC PM", "PC PM"}));
    lauf.Waehle({"Werkzeuge", "Löschen"});
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, Mitte(t, 2, 2));
    QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, Mitte(t, 2, 2));
    QCOMPARE(Zeile(t, 1), (QStringList{"0", "PC PM", ""}));

    // PB is fixed beside PA in row 1, which needs PL1 twice: PA and PC change rows.
    QString zaehler;
    skript.Dann([&zaehler](QWidget* w) {
      auto* suche = qobject_cast<TParSuchForm*>(w);
      QVERIFY(suche);
      QCOMPARE(w->windowTitle(), QStringLiteral("Suche Lösung"));
      QCOMPARE(suche->fZaehler->text(), QStringLiteral("0"));
      QObject::connect(suche, &QDialog::finished, suche,
                       [suche, &zaehler] { zaehler = suche->fZaehler->text(); });
      KnopfMit(w, QStringLiteral("Start"))->click();
    });
    par->SuchKnopf()->click();
    QVERIFY(skript.Fertig());
    QCOMPARE(zaehler, QStringLiteral("1"));
    QCOMPARE(Zeile(t, 0), (QStringList{"0", "PC PM", "PB PM"}));
    QCOMPARE(Zeile(t, 1), (QStringList{"0", "PA PM", ""}));
    QCOMPARE(par->Raster().Zelle(2, 1).fMarke, 'F');
    QCOMPARE(s.fParListe.fListe, (std::vector<TKopplung*>{pc, pb, pa, nullptr}));

    TSpeicherZwischenablage ablage;
    lauf.palette->fAblage = &ablage;
    lauf.palette->FensterEinsetzen(par);
    lauf.Waehle({"Bearbeiten", "Kopieren"});
    QCOMPARE(QString::fromStdString(ablage.HoleText()),
             QStringLiteral("Konfl.\tSpalte 1\tSpalte 2\n0\tPC PM\tPB PM\n0\tPA PM\t\n"));

    // Open already, the window comes to the front without asking.
    lauf.Waehle({"Daten", "Parallele Kopplungen"});
    QCOMPARE(skript.fUnerwartet, QStringList{});
    QCOMPARE(dynamic_cast<TParForm*>(FensterRegister().Offen(TFensterTyp::ParalleleKopplungen)),
             par);

    QVERIFY(lauf.palette->Sichern());
    QVERIFY(lauf.palette->DateiSchliessen());
    QCOMPARE(lauf.palette->fensterRegister().Offen(TFensterTyp::ParalleleKopplungen), nullptr);
    QVERIFY(lauf.palette->Oeffnen(lauf.Pfad(QStringLiteral("s.orb"))));
    TSchule& neu = lauf.palette->schule();
    auto* wieder =
        dynamic_cast<TParForm*>(FensterRegister().Offen(TFensterTyp::ParalleleKopplungen));
    QVERIFY(wieder);
    QVERIFY(!neu.IsDirty());
    QCOMPARE(Zeile(wieder->Tabelle(), 0), (QStringList{"0", "PC PM", "PB PM"}));
    QCOMPARE(wieder->Raster().Zelle(2, 1).fMarke, 'K');

    // Taken over, the stored grid gives the dialog its size.
    wieder->FensterSchliessen();
    skript.Dann([](QWidget* w) {
      auto* start = qobject_cast<TParStartForm*>(w);
      QVERIFY(start);
      start->fZeilen->setValue(7);
      start->fUeber->setChecked(true);
      QCOMPARE(start->fZeilen->value(), 2);
      QCOMPARE(start->fSpalten->value(), 2);
      start->fSpalten->setValue(3);
      start->fMitFach->setChecked(false);
      KnopfMit(w, QStringLiteral("Ok"))->click();
    });
    lauf.Waehle({"Daten", "Parallele Kopplungen"});
    QVERIFY(skript.Fertig());
    auto* gross =
        dynamic_cast<TParForm*>(FensterRegister().Offen(TFensterTyp::ParalleleKopplungen));
    QVERIFY(gross);
    QCOMPARE(gross->Tabelle()->columnWidth(3), 60);
    QCOMPARE(Zeile(gross->Tabelle(), 1), (QStringList{"0", "PA", "", ""}));
    QVERIFY(st.fParUeber);
  }

  // A long search answers "Anhalten": it stops with the last arrangement found in the grid and
  // the window open; the second "Anhalten" closes it.
  void StopsALongSearch() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"))));
    TSchule& s = lauf.palette->schule();
    TParRaster raster(s, lauf.palette->standard(), 10, 2);
    for (int32_t z = 1; z <= 10; ++z) {
      for (int32_t sp = 1; sp <= 2; ++sp) {
        const std::string name = "L" + std::to_string(z) + "_" + std::to_string(sp);
        raster.Setze(sp, z, Kopplung(s, name.c_str(), {name.c_str()}));
      }
    }
    auto* par = new TParForm(s, raster, false);
    lauf.palette->FensterEinsetzen(par);
    const TParZelle fest = par->Raster().Zelle(1, 1);

    bool liefNachStart = false;
    bool offenNachAnhalten = false;
    QString zaehler;
    TModalSkript skript;
    skript.Dann([&](QWidget* w) {
      auto* suche = qobject_cast<TParSuchForm*>(w);
      QVERIFY(suche);
      suche->fStart->click();
      QVERIFY(!suche->fStart->isEnabled());
      QTimer::singleShot(100, suche, [&, suche] {
        liefNachStart = suche->Laeuft();
        suche->fAnhalten->click();
        offenNachAnhalten = suche->isVisible() && !suche->Laeuft();
        zaehler = suche->fZaehler->text();
        suche->fAnhalten->click();
      });
    });
    par->SucheLoesung();
    QVERIFY(skript.Fertig());
    QVERIFY(liefNachStart);
    QVERIFY(offenNachAnhalten);
    QVERIFY(zaehler.toLongLong() > 0);
    // The first arrangements keep column 1 in its order and change column 2 from below.
    QCOMPARE(par->Raster().Zelle(1, 1), fest);
    QCOMPARE(par->Tabelle()->item(0, 0)->text(), QStringLiteral("0"));
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::ParFensterTest)
#include "parfenster_test.moc"
