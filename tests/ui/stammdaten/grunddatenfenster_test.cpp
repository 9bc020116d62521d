#include "ui/stammdaten/grunddatenfenster.h"
#include "ui/hauptfenster/fensterregister.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "lauf.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/kurse/setzung.h"
#include "model/uv/uvtab.h"
#include "oberflaeche.h"
#include "rasterziehen.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/stammdaten/klassengrunddaten.h"
#include "ui/stammdaten/kursuebernahme.h"
#include "ui/stammdaten/lehrergrunddaten.h"
#include "ui/stammdaten/sperrraster.h"
#include "ui/stammdaten/uvtabgrunddaten.h"

namespace orbato {
namespace {

QString AktiverTitel(const TLauf& lauf) {
  const QMdiSubWindow* f = lauf.palette->Arbeitsflaeche()->activeSubWindow();
  return f ? f->windowTitle() : QString();
}

QStringList Eintraege(const QListWidget* liste) {
  QStringList texte;
  for (int i = 0; i < liste->count(); ++i) texte << liste->item(i)->text();
  return texte;
}

// The menu a button shows is answered by choosing the entry with that caption.
void WaehleIm(TGrForm* fenster, const char* text) {
  fenster->fMenuZeigen = [text](TMenu& menu, QWidget*) { QVERIFY(WaehleEintrag(menu, text)); };
}

TKurs* Kurs(TLehrer* l, TKlasse* k, int32_t stunden, TRaum* r, TFach* f, TKopplung* o = nullptr) {
  auto* kurs = new TKurs;
  kurs->IKurs(l, k, stunden, r, f, o);
  return kurs;
}

// Dark pixels of a part of a picture.
int Tinte(const QImage& bild, const QRect& feld) {
  int zahl = 0;
  for (int y = feld.top(); y <= feld.bottom(); ++y) {
    for (int x = feld.left(); x <= feld.right(); ++x) zahl += qGray(bild.pixel(x, y)) < 128;
  }
  return zahl;
}

// The row shows its whole text: as many dark pixels lie inside its rectangle as the text has
// when drawn in the list's font with room all round. Dots cut off at the row's edge are missing
// from the row; dots reaching in from a neighbouring row are too many.
void PruefeGanzeZeile(QListWidget* liste, int zeile) {
  const QString text = liste->item(zeile)->text();
  const QRect feld = liste->visualItemRect(liste->item(zeile));
  const QImage bild = liste->viewport()->grab().toImage();
  const QFontMetrics fm(liste->font());
  QImage frei(fm.horizontalAdvance(text) + 20, 3 * fm.height(), QImage::Format_RGB32);
  frei.fill(Qt::white);
  QPainter maler(&frei);
  maler.setFont(liste->font());
  maler.setPen(liste->palette().color(QPalette::Text));
  maler.drawText(QPoint(10, 2 * fm.height()), text);
  maler.end();
  QVERIFY2(Tinte(frei, frei.rect()) > 0, qPrintable(text));
  QCOMPARE(Tinte(bild, feld), Tinte(frei, frei.rect()));
}

}  // namespace

class GrunddatenFensterTest : public QObject {
  Q_OBJECT

 private slots:
  // The palette's kind "Grunddaten" opens the master-data window of every element kind, one per
  // element; the windows come back with the plan file.
  void OpensOnePerElementAndComesBack() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"))));
    TSchule& s = lauf.palette->schule();
    auto* tabelle = new TUVTab;
    tabelle->SetKuerzel("UV5");
    s.fUVTabMenge.ListeAnhaengen(tabelle);
    s.SetFensterArt(GFenster);
    QTest::keyPress(lauf.palette.get(), Qt::Key_Shift);
    for (TElement* e : std::initializer_list<TElement*>{s.HoleLehrer("BRA"), s.HoleKlasse("5a"),
                                                        s.HoleKopplung("REL5"), s.HoleFach("KR"),
                                                        s.HoleRaum("R11"), tabelle}) {
      lauf.palette->ElementFensterOeffnen(e);
      QVERIFY(e->fGrDatFenster);
      QCOMPARE(AktiverTitel(lauf), QStringLiteral("Grunddaten ") + QtText(e->fKuerzel.str()));
    }
    QTest::keyRelease(lauf.palette.get(), Qt::Key_Shift);
    const QList<int> arten = {61, 62, 63, 64, 65, 66};
    QList<int> offen;
    for (const TElement* e : std::initializer_list<const TElement*>{
             s.HoleLehrer("BRA"), s.HoleKlasse("5a"), s.HoleKopplung("REL5"), s.HoleFach("KR"),
             s.HoleRaum("R11"), tabelle})
      offen << e->fGrDatFenster->FensterArt();
    QCOMPARE(offen, arten);
    // A subject of the same short name as a teacher has a window of its own, which redraws
    // with the others.
    TFach* bra = s.HoleFach("BRA");
    lauf.palette->ElementFensterOeffnen(bra);
    bra->SetInfo("Brandschutz");
    s.FensterAktualisieren();
    QCOMPARE(bra->fGrDatFenster->FensterTitel(), std::string("Grunddaten BRA"));
    QCOMPARE(dynamic_cast<TGrForm*>(bra->fGrDatFenster)->fInfo->text(),
             QStringLiteral("Brandschutz"));
    bra->fGrDatFenster->FensterSchliessen();
    // Asked for again, the window that is open comes to the front; no second one opens.
    const int anzahl = lauf.palette->Arbeitsflaeche()->subWindowList().size();
    lauf.palette->ElementFensterOeffnen(s.HoleLehrer("BRA"));
    QCOMPARE(lauf.palette->Arbeitsflaeche()->subWindowList().size(), anzahl);
    QCOMPARE(AktiverTitel(lauf), QStringLiteral("Grunddaten BRA"));

    QVERIFY(lauf.palette->Sichern());
    QVERIFY(lauf.palette->DateiSchliessen());
    QVERIFY(lauf.palette->Oeffnen(lauf.Pfad(QStringLiteral("s.orb"))));
    QStringList titel;
    for (const QMdiSubWindow* f : lauf.palette->Arbeitsflaeche()->subWindowList())
      titel << f->windowTitle();
    titel.sort();
    QCOMPARE(titel, (QStringList{QStringLiteral("Grunddaten 5a"), QStringLiteral("Grunddaten BRA"),
                                 QStringLiteral("Grunddaten KR"), QStringLiteral("Grunddaten R11"),
                                 QStringLiteral("Grunddaten REL5"),
                                 QStringLiteral("Grunddaten UV5"), QStringLiteral("Plan MÜL")}));
    // "Neuer Kurs" in a class's master data makes a course of the class.
    TKlasse* klasse = lauf.palette->schule().HoleKlasse("5a");
    const int kurse = klasse->fKurse.ListeZahlElemente();
    lauf.palette->ElementFensterOeffnen(klasse, GFenster);
    lauf.Waehle({"Werkzeuge", "Neuer Kurs"});
    QCOMPARE(klasse->fKurse.ListeZahlElemente(), kurse + 1);
    QCOMPARE(AktiverTitel(lauf), QStringLiteral("Kurs"));
    QCOMPARE(dynamic_cast<TKlGrForm*>(klasse->fGrDatFenster)->fKurse->count(), kurse + 1);
  }

  // The target goes up and down by one time unit and stops at 0; "Ist" shows lessons and
  // workload; subjects come from the menu or the multiple choice and go with the delete tool
  // unless lessons of them exist; "freier Tag" is the teacher's flag.
  void TeacherTargetSubjectsAndFreeDay() {
    TLauf lauf;
    TSchule& s = lauf.palette->schule();
    TLehrer* l = s.HoleLehrer("MEI");
    TFach* m = s.HoleFach("M");
    TFach* d = s.HoleFach("D");
    TFach* e = s.HoleFach("E");
    TKurs* kurs = Kurs(l, s.HoleKlasse("5a"), 3, nullptr, m);
    kurs->SetFaktor(2);
    l->SetSoll(-1, 1);
    auto* fenster =
        dynamic_cast<TLeGrForm*>(GrunddatenFensterOeffnen(s, lauf.palette->standard(), l));
    QVERIFY(fenster);
    QCOMPARE(fenster->fSoll->text(), QStringLiteral(" 1.0"));
    QCOMPARE(fenster->fIstStunden->text(), QStringLiteral("( 3 )"));
    QCOMPARE(fenster->fIst->text(), QStringLiteral(" 6.0"));
    QTest::mouseClick(fenster->fSollAb, Qt::LeftButton);
    QTest::mouseClick(fenster->fSollAb, Qt::LeftButton);
    QCOMPARE(l->GetSoll(-1), 0);
    QCOMPARE(fenster->fSoll->text(), QStringLiteral(" 0.0"));
    for (int i = 0; i < 3; ++i) QTest::mouseClick(fenster->fSollAuf, Qt::LeftButton);
    QCOMPARE(l->GetSoll(-1), 3);
    // At most 200 hours.
    l->SetSoll(-1, 200);
    QTest::mouseClick(fenster->fSollAuf, Qt::LeftButton);
    QCOMPARE(l->GetSoll(-1), 200);

    l->NeuesFach(m);
    fenster->FensterUpdate();
    QCOMPARE(Eintraege(fenster->fFaecher), QStringList{QStringLiteral("M")});
    WaehleIm(fenster, "D");
    fenster->NeuesFachKlick(false);
    fenster->fFaecherWaehlen = [&] { return std::vector<TFach*>{d, e}; };
    fenster->NeuesFachKlick(true);
    QCOMPARE(Eintraege(fenster->fFaecher),
             (QStringList{QStringLiteral("M"), QStringLiteral("D"), QStringLiteral("E")}));
    s.SetToolArt(LoeschTool);
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok"));
    fenster->FachDoppelklick(0);
    QCOMPARE(skript.fTexte,
             QStringList{QString::fromUtf8("Erst müssen die zugehörigen Kurse gelöscht werden!")});
    fenster->FachDoppelklick(1);
    QCOMPARE(Eintraege(fenster->fFaecher), (QStringList{QStringLiteral("M"), QStringLiteral("E")}));

    QVERIFY(!l->fFreierTag);
    fenster->fFreierTag->click();
    QVERIFY(l->fFreierTag);
    delete fenster;
    QCOMPARE(l->fGrDatFenster, nullptr);
  }

  // Choosing a room for a teacher who has one asks "Lehrerraumwechsel": "Nein" only sets his
  // room, every course keeps its rooms; "Ja" replaces the room in his courses; "ohne" asks
  // nothing.
  void RoomChangeAsksAndNoLeavesTheCourses() {
    TLauf lauf;
    TSchule& s = lauf.palette->schule();
    TLehrer* l = s.HoleLehrer("MEI");
    TRaum* r1 = s.HoleRaum("R1");
    s.HoleRaum("R2");
    l->SetRaum(r1);
    TKurs* a = Kurs(l, s.HoleKlasse("5a"), 2, r1, nullptr);
    TKurs* b = Kurs(l, s.HoleKlasse("5b"), 2, nullptr, nullptr);
    auto* fenster =
        dynamic_cast<TLeGrForm*>(GrunddatenFensterOeffnen(s, lauf.palette->standard(), l));
    QCOMPARE(fenster->fRaum->text(), QStringLiteral("R1"));
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Nein"));
    WaehleIm(fenster, "R2");
    fenster->fRaum->click();
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Lehrerraumwechsel")});
    QCOMPARE(skript.fTexte, QStringList{QStringLiteral(
                                "Soll in allen Kursen\ndes Lehrers\nder Raum\nR1\ndurch Raum\nR2\n"
                                "ersetzt werden?")});
    QCOMPARE(fenster->fRaum->text(), QStringLiteral("R2"));
    QCOMPARE(KuerzelTexte(a->fRaeume), QStringList{QStringLiteral("R1")});
    QCOMPARE(KuerzelTexte(b->fRaeume), QStringList{});

    skript.Druecke(QStringLiteral("Ja"));
    WaehleIm(fenster, "R1");
    fenster->fRaum->click();
    QCOMPARE(skript.fTitel.last(), QStringLiteral("Lehrerraumwechsel"));
    QCOMPARE(l->fRaum, r1);
    // Only the courses that had R2 change; none had it.
    QCOMPARE(KuerzelTexte(a->fRaeume), QStringList{QStringLiteral("R1")});

    WaehleIm(fenster, "ohne");
    fenster->fRaum->click();
    QCOMPARE(skript.fTitel.size(), 2);
    QCOMPARE(fenster->fRaum->text(), QStringLiteral("ohne"));
    QVERIFY(skript.fUnerwartet.isEmpty());
    delete fenster;
  }

  // The rubber band blocks the cells it covers that hold none of the teacher's lessons, and
  // clears them again when it starts on a blocked cell.
  void BlockingBandSparesOccupiedCells() {
    TLauf lauf;
    TSchule& s = lauf.palette->schule();
    TLehrer* l = s.HoleLehrer("MEI");
    TKurs* kurs = Kurs(l, s.HoleKlasse("5a"), 2, nullptr, nullptr);
    kurs->SetzungAufnehmen(new TSetzung(1, 2, 2, nullptr));
    auto* fenster =
        dynamic_cast<TLeGrForm*>(GrunddatenFensterOeffnen(s, lauf.palette->standard(), l));
    fenster->show();
    QVERIFY(QTest::qWaitForWindowExposed(fenster));
    Ziehe(fenster->fSperrung, 1, 1, 2, 3);
    QList<bool> gesperrt;
    for (int t = 1; t <= 2; ++t)
      for (int p = 1; p <= 3; ++p) gesperrt << l->fSperrung.GetWocheTagStd(1, t, p);
    QCOMPARE(gesperrt, (QList<bool>{true, true, true, true, false, true}));
    QCOMPARE(fenster->fSperrung->item(1, 1)->text(), QString::fromUtf8("•"));
    QCOMPARE(fenster->fSperrung->item(2, 1)->text(), QStringLiteral("X"));
    QVERIFY(!l->fSperrung.GetWocheTagStd(1, 3, 1));
    Ziehe(fenster->fSperrung, 2, 3, 1, 3);
    QVERIFY(!l->fSperrung.GetWocheTagStd(1, 1, 3));
    QVERIFY(!l->fSperrung.GetWocheTagStd(1, 2, 3));
    QVERIFY(l->fSperrung.GetWocheTagStd(1, 1, 2));
    delete fenster;
  }

  // The class window: class teachers from the menu, the hours of a course with placed lessons
  // stop at them, "Neuer Kurs" opens the course window, "einfach" is fKopDop the other way round.
  void ClassTeachersCourseHoursAndSimpleCount() {
    TLauf lauf;
    TSchule& s = lauf.palette->schule();
    TKlasse* k = s.HoleKlasse("5a");
    TLehrer* l = s.HoleLehrer("MEI");
    TKurs* kurs = Kurs(l, k, 4, nullptr, s.HoleFach("M"));
    for (int p = 1; p <= 4; ++p) kurs->SetzungAufnehmen(new TSetzung(1, 1, p, nullptr));
    auto* fenster =
        dynamic_cast<TKlGrForm*>(GrunddatenFensterOeffnen(s, lauf.palette->standard(), k));
    QVERIFY(fenster);
    QCOMPARE(fenster->FensterArt(), 62);
    QCOMPARE(fenster->fLehrer1->text(), QStringLiteral("ohne"));
    WaehleIm(fenster, "MEI");
    fenster->fLehrer1->click();
    QCOMPARE(k->fLehrer1, l);
    QCOMPARE(fenster->fLehrer1->text(), QStringLiteral("MEI"));
    QCOMPARE(Eintraege(fenster->fKurse), QStringList{QStringLiteral("  4  MEI M 5a")});
    fenster->fKurse->setCurrentRow(0);
    QTest::mouseClick(fenster->fKursAb, Qt::LeftButton);
    QCOMPARE(kurs->fStunden.GetWochenStunde(-1), 4);
    QTest::mouseClick(fenster->fKursAuf, Qt::LeftButton);
    QCOMPARE(kurs->fStunden.GetWochenStunde(-1), 5);
    QCOMPARE(Eintraege(fenster->fKurse), QStringList{QStringLiteral("  5  MEI M 5a")});

    fenster->fNeuerKurs->click();
    QCOMPARE(k->fKurse.ListeZahlElemente(), 2);
    QVERIFY(FensterRegister().Offen(TFensterTyp::Kurs));

    QVERIFY(fenster->fEinfach->isChecked());
    fenster->fEinfach->click();
    QVERIFY(k->fKopDop);
    delete fenster;
  }

  // Short names with umlauts come through whole in the master-data lists of a class, a teacher
  // and a subject: the text as the model has it, and the dots above the capitals inside the
  // row, in the first row and below another.
  void ListRowsShowUmlautsWhole() {
    TLauf lauf;
    TSchule& s = lauf.palette->schule();
    TKlasse* k = s.HoleKlasse("5a");
    TLehrer* mueller = s.HoleLehrer("M\xDCL");
    TFach* foerder = s.HoleFach("F\xD6");
    Kurs(mueller, k, 3, nullptr, foerder);
    Kurs(s.HoleLehrer("J\xC4G"), k, 2, nullptr, s.HoleFach("\xC4K"));
    mueller->NeuesFach(foerder);
    mueller->NeuesFach(s.HoleFach("D"));
    for (TElement* e : std::initializer_list<TElement*>{k, mueller, foerder})
      lauf.palette->ElementFensterOeffnen(e, GFenster);
    QApplication::processEvents();

    QListWidget* kurse = dynamic_cast<TKlGrForm*>(k->fGrDatFenster)->fKurse;
    QCOMPARE(Eintraege(kurse), (QStringList{QString::fromUtf8("  3  MÜL FÖ 5a"),
                                            QString::fromUtf8("  2  JÄG ÄK 5a")}));
    QListWidget* faecher = dynamic_cast<TLeGrForm*>(mueller->fGrDatFenster)->fFaecher;
    QCOMPARE(Eintraege(faecher), (QStringList{QString::fromUtf8("FÖ"), QStringLiteral("D")}));
    auto* fach = dynamic_cast<TFaGrForm*>(foerder->fGrDatFenster);
    QCOMPARE(Eintraege(fach->fLehrer), QStringList{QString::fromUtf8("MÜL")});
    QCOMPARE(Eintraege(fach->fKlassen), QStringList{QStringLiteral("5a")});
    for (QListWidget* liste : {kurse, faecher, fach->fLehrer}) {
      for (int zeile = 0; zeile < liste->count(); ++zeile) PruefeGanzeZeile(liste, zeile);
    }
  }

  // "Übernehmen": refused while the class has placed lessons; otherwise the target's courses
  // go and the source's come over, the coupled one as the option says, a shared course with the
  // source class in place of the target.
  void TakeOverCoursesUnderEachOption() {
    struct TFall {
      const char* knopf;
      int kurse;           // courses of 5b afterwards
      bool gekoppeltIn5b;  // the coupled course of 5a then holds 5b itself
    };
    for (const TFall& fall :
         {TFall{"ohne Kopplungen", 2, false}, TFall{"in Kopplungen Klasse ergänzen", 3, true},
          TFall{"eigene Kurse statt Kopplungen", 3, false}}) {
      TLauf lauf;
      TSchule& s = lauf.palette->schule();
      TKlasse* a = s.HoleKlasse("5a");
      TKlasse* b = s.HoleKlasse("5b");
      TKlasse* c = s.HoleKlasse("5c");
      TLehrer* l = s.HoleLehrer("MEI");
      Kurs(l, a, 4, nullptr, s.HoleFach("M"));
      TKurs* gekoppelt = Kurs(l, a, 2, nullptr, s.HoleFach("RK"), s.HoleKopplung("REL5"));
      TKurs* geteilt = Kurs(l, a, 1, nullptr, s.HoleFach("SP"));
      geteilt->KlasseErgaenzen(b);
      geteilt->KlasseErgaenzen(c);
      TKurs* alt = Kurs(l, b, 3, nullptr, s.HoleFach("D"));
      alt->SetzungAufnehmen(new TSetzung(1, 1, 1, nullptr));
      auto* fenster =
          dynamic_cast<TKlGrForm*>(GrunddatenFensterOeffnen(s, lauf.palette->standard(), b));
      TModalSkript skript;
      skript.Druecke(QStringLiteral("Ok"));
      fenster->fUebernehmen->click();
      QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Stop")});
      QCOMPARE(skript.fTexte,
               QStringList{QString::fromUtf8("Die Stundentafel der  Klasse\n5b\nenthält schon "
                                             "verplante Kurse. Diese müssen\nerst aus den Plänen "
                                             "gelöscht werden.")});
      alt->AlleSetzungenAufgeben();

      skript.Dann([&](QWidget* w) {
        auto* dialog = qobject_cast<TKursUebernahmeDialog*>(w);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString::fromUtf8("Kurse übernehmen"));
        dialog->fQuelle->setCurrentText(QStringLiteral("5a"));
        for (QRadioButton* r :
             {dialog->fOhneKopplungen, dialog->fKlasseErgaenzen, dialog->fEigeneKurse}) {
          if (r->text() == QString::fromUtf8(fall.knopf)) r->setChecked(true);
        }
        dialog->accept();
      });
      fenster->fUebernehmen->click();
      QVERIFY(skript.Fertig());
      QCOMPARE(b->fKurse.ListeZahlElemente(), fall.kurse);
      QCOMPARE(gekoppelt->HatKlasse(b), fall.gekoppeltIn5b);
      // The shared course lost 5b; its copy for 5b has 5a where 5b stood.
      QCOMPARE(KuerzelTexte(geteilt->fKlassen),
               (QStringList{QStringLiteral("5a"), QStringLiteral("5c")}));
      TKurs* kopie = nullptr;
      for (TKurs* k : b->fKurse) {
        if (k->fFach == s.HoleFach("SP")) kopie = k;
      }
      QVERIFY(kopie);
      QCOMPARE(kopie->fLehrer, nullptr);
      QCOMPARE(KuerzelTexte(kopie->fKlassen),
               (QStringList{QStringLiteral("5a"), QStringLiteral("5b"), QStringLiteral("5c")}));
      QCOMPARE(fenster->fKurse->count(), fall.kurse);
      delete fenster;
    }
  }

  // The set-up window of a table: members come from the buttons' menus, go with the delete tool,
  // and the orientation switch relabels both lists and keeps what the table holds.
  void TableSetUpListsAndOrientation() {
    TLauf lauf;
    TSchule& s = lauf.palette->schule();
    s.HoleKlasse("5a");
    s.HoleKlasse("5b");
    s.HoleFach("M");
    s.HoleLehrer("MEI");
    auto* tabelle = new TUVTab;
    tabelle->SetKuerzel("UV5");
    tabelle->SetIstFach(true);
    s.fUVTabMenge.ListeAnhaengen(tabelle);
    auto* fenster =
        dynamic_cast<TUVGrForm*>(GrunddatenFensterOeffnen(s, lauf.palette->standard(), tabelle));
    QVERIFY(fenster);
    QCOMPARE(fenster->fTitel[0]->text(), QStringLiteral("UV-Klassen"));
    QCOMPARE(fenster->fTitel[1]->text(), QString::fromUtf8("UV-Fächer"));
    QCOMPARE(fenster->fNeu[0]->text(), QStringLiteral("Neue Klasse"));
    QCOMPARE(fenster->fNeu[1]->text(), QStringLiteral("Neues Fach"));
    QVERIFY(fenster->fKlassenFaecher->isChecked());
    WaehleIm(fenster, "5b");
    fenster->fNeu[0]->click();
    WaehleIm(fenster, "M");
    fenster->fNeu[1]->click();
    fenster->fWaehlen = [&](TKuerzelArt) {
      return std::vector<TElement*>{s.HoleKlasse("5a"), s.HoleKlasse("5b")};
    };
    fenster->NeuKlick(0, true);
    QCOMPARE(Eintraege(fenster->fListe[0]),
             (QStringList{QStringLiteral("5a"), QStringLiteral("5b")}));
    QCOMPARE(Eintraege(fenster->fListe[1]), QStringList{QStringLiteral("M")});

    fenster->fLehrerKlassen->click();
    QVERIFY(!tabelle->fIstFach);
    QCOMPARE(fenster->fTitel[0]->text(), QStringLiteral("UV-Lehrer"));
    QCOMPARE(fenster->fTitel[1]->text(), QStringLiteral("UV-Klassen"));
    QCOMPARE(fenster->fNeu[0]->text(), QStringLiteral("Neuer Lehrer"));
    QCOMPARE(Eintraege(fenster->fListe[0]), QStringList{});
    QCOMPARE(Eintraege(fenster->fListe[1]),
             (QStringList{QStringLiteral("5a"), QStringLiteral("5b")}));
    s.SetToolArt(LoeschTool);
    fenster->Doppelklick(1, 0);
    QCOMPARE(Eintraege(fenster->fListe[1]), QStringList{QStringLiteral("5b")});
    QCOMPARE(tabelle->fFaecher.ListeZahlElemente(), 1);
    delete fenster;
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::GrunddatenFensterTest)
#include "grunddatenfenster_test.moc"
