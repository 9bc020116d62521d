#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lauf.h"
#include "model/kurse/kurs.h"
#include "model/kurse/setzung.h"
#include "model/schnittstellen/menue.h"
#include "model/schnittstellen/zwischenablage.h"
#include "oberflaeche.h"
#include "placement/setzen.h"
#include "platform/qttext.h"
#include "scheduler/planqualitaet.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/plaene/qualitaetfenster.h"

namespace orbato {
namespace {

using TPaare = QList<QPair<QString, QString>>;

TPaare Paare(const QTableWidget* t) {
  TPaare paare;
  for (int z = 0; z < t->rowCount(); ++z)
    paare.append({t->item(z, 0)->text(), t->item(z, 1)->text()});
  return paare;
}

QString N(int32_t n) {
  return QString::number(n);
}

// What the window must show for the figures, with the day limits 5 and 2 ("Optimieren").
TPaare Erwartet(const TPlanQualitaet& q, int32_t max) {
  const auto schlechtester = [](const std::optional<TSchlechtester>& s) {
    return s ? N(s->fLuecken) + QStringLiteral(" (") + QtText(s->fKuerzel) + QLatin1Char(')')
             : QStringLiteral("0");
  };
  return {
      {QStringLiteral("Stunden zu setzen"), N(q.fStundenSoll)},
      {QStringLiteral("Stunden gesetzt"), N(q.fStundenGesetzt)},
      {QStringLiteral("Hohlstunden der Klassen"), N(q.fKlassenLueckenSumme)},
      {QStringLiteral("Klassen mit Hohlstunden"), N(q.fKlassenMitLuecken)},
      {QStringLiteral("meiste Hohlstunden einer Klasse"), schlechtester(q.fSchlechtesteKlasse)},
      {QStringLiteral("Springstunden der Lehrer"), N(q.fLehrerLueckenSumme)},
      {QStringLiteral("meiste Springstunden eines Lehrers"), schlechtester(q.fSchlechtesterLehrer)},
      {QStringLiteral("Lehrer mit mehr als 2 Springstunden"), N(q.fLehrerUeberGrenze)},
      {QStringLiteral("Klassentage mit einem Fach doppelt"), N(q.fFachDoppeltTage)},
      {QStringLiteral("Lehrertage über %1 Stunden").arg(max), N(q.fLehrerTageUeberMax)},
      {QStringLiteral("Lehrertage unter 2 Stunden"), N(q.fLehrerTageUnterMin)},
      {QStringLiteral("Wunsch freier Tag erfüllt"),
       N(q.fFreierTagErfuellt) + QStringLiteral(" von ") + N(q.fFreierTagGewuenscht)},
      {QStringLiteral("Blöcke über nicht verbundene Zellen"), N(q.fUnverbundeneBloecke)},
      {QStringLiteral("Verstöße gegen harte Regeln"), N(q.fHarteVerletzungen)}};
}

std::string LehrerZeile(const TLehrerQualitaet& z) {
  const char* frei = !z.fFreierTagGewuenscht ? "" : z.fFreierTag ? "ja" : "nein";
  return z.fKuerzel + '\t' + std::to_string(z.fStunden) + '\t' + std::to_string(z.fLuecken) + '\t' +
         std::to_string(z.fTageUeberMax) + '\t' + std::to_string(z.fTageUnterMin) + '\t' + frei;
}

// Runs `taste` once the pop-up menu is open: from a timer, since the menu's own loop runs.
void ImMenu(const std::function<void(QWidget* menu)>& taste, bool& gesehen) {
  QTimer::singleShot(50, [taste, &gesehen] {
    if (QWidget* menu = QApplication::activePopupWidget()) {
      gesehen = true;
      taste(menu);
    }
  });
}

// A right click into the table, as the mouse sends it.
void RechtsKlick(QTableWidget* tabelle) {
  const QPoint wo = tabelle->visualItemRect(tabelle->item(0, 0)).center();
  QContextMenuEvent ereignis(QContextMenuEvent::Mouse, wo, tabelle->viewport()->mapToGlobal(wo));
  QApplication::sendEvent(tabelle->viewport(), &ereignis);
}

TQualitaetForm* Aktives(const TLauf& lauf) {
  const QMdiSubWindow* f = lauf.palette->Arbeitsflaeche()->activeSubWindow();
  return f ? qobject_cast<TQualitaetForm*>(f->widget()) : nullptr;
}

// A course outside couplings, to be planned, with a lesson placed in the version.
TKurs* KursMitStunde(TSchule& s, int32_t woche) {
  for (TKurs* k : s.fKursMenge) {
    if (k->fNichtVerplanen || k->fKopplung != nullptr) continue;
    for (const TSetzung* z : k->fSetzungen) {
      if (z->fWoche == woche) return k;
    }
  }
  return nullptr;
}

// A row of the table as it is shown, tab-separated.
std::string Gezeigt(const QTableWidget* t, int z) {
  std::vector<std::string> felder;
  for (int s = 0; s < t->columnCount(); ++s) felder.push_back(ModellText(t->item(z, s)->text()));
  return TabZeile(felder);
}

}  // namespace

class PlanQualitaetTest : public QObject {
  Q_OBJECT

 private slots:
  // "Prüfen" / "Planqualität...": the figures of the current version against the day limits of
  // "Optimieren"; the table has the keys; they follow a change of the plan, and "Aktualisieren"
  // takes changed limits.
  void ShowsTheFiguresOfTheCurrentVersion() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(lauf.Demo(TDemoGroesse::klein)));
    TSchule& s = lauf.palette->schule();
    TStandard& st = lauf.palette->standard();
    st.fOptimieren.fLehrerMax = 5;
    lauf.palette->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(lauf.palette.get()));
    lauf.Waehle({"Prüfen", "Planqualität..."});
    TQualitaetForm* form = Aktives(lauf);
    QVERIFY(form);
    QCOMPARE(lauf.palette->Arbeitsflaeche()->activeSubWindow()->windowTitle(),
             QStringLiteral("Planqualität"));
    QCOMPARE(form->Ueberschrift()->text(), QStringLiteral("Planversion 1"));
    QTableWidget* t = form->Tabelle();
    QCOMPARE(t->horizontalHeaderItem(0)->text(), QStringLiteral("Kennzahl"));
    QCOMPARE(t->horizontalHeaderItem(1)->text(), QStringLiteral("Wert"));
    const TPlanQualitaet q = PlanQualitaet(s, 1, {2, 5, 2});
    QVERIFY(q.fStundenGesetzt > 0);
    QVERIFY(q.fStundenGesetzt < q.fStundenSoll);
    QCOMPARE(Paare(t), Erwartet(q, 5));

    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(t));
    QCOMPARE(t->currentRow(), 0);
    QTest::keyClick(t, Qt::Key_Down);
    QTest::keyClick(t, Qt::Key_Down);
    QCOMPARE(t->currentRow(), 2);

    // A lesson taken out of the plan: the figures follow once the command is done.
    TKurs* kurs = KursMitStunde(s, 1);
    QVERIFY(kurs);
    TSetzung* stunde = nullptr;
    for (TSetzung* z : kurs->fSetzungen) {
      if (z->fWoche == 1) stunde = z;
    }
    LoescheSetzung(*kurs, 1, stunde->fTag, true, stunde->fStunde);
    const TPlanQualitaet danach = PlanQualitaet(s, 1, {2, 5, 2});
    QCOMPARE(danach.fStundenGesetzt, q.fStundenGesetzt - 1);
    QTRY_COMPARE(Paare(t), Erwartet(danach, 5));
    QCOMPARE(t->currentRow(), 2);

    st.fOptimieren.fLehrerMax = 7;
    QCOMPARE(t->item(9, 0)->text(), QStringLiteral("Lehrertage über 5 Stunden"));
    QTest::mouseClick(form->AktualisierenKnopf(), Qt::LeftButton);
    QCOMPARE(Paare(t), Erwartet(PlanQualitaet(s, 1, {2, 7, 2}), 7));
  }

  // Another plan version chosen at the palette's button: the window shows that version.
  void FollowsTheChosenVersion() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(lauf.Demo(TDemoGroesse::mittel)));
    TSchule& s = lauf.palette->schule();
    TStandard& st = lauf.palette->standard();
    QCOMPARE(st.fMaxWocheNeu, 2);
    lauf.Waehle({"Pläne", "Planqualität..."});
    TQualitaetForm* form = Aktives(lauf);
    QVERIFY(form);
    const int32_t andere = st.fAktuelleWoche == 1 ? 2 : 1;
    const TMenu versionen = lauf.palette->VersionsMenuDaten();
    QCOMPARE(versionen.size(), std::size_t{2});
    versionen[andere - 1].fBefehl();
    QCOMPARE(st.fAktuelleWoche, andere);
    QCOMPARE(form->Ueberschrift()->text(), QStringLiteral("Planversion %1").arg(andere));
    QCOMPARE(Paare(form->Tabelle()), Erwartet(PlanQualitaet(s, andere, {2, 6, 2}), 6));
  }

  // "Lehrer" shows a row per teacher in list order, sortable by a click on a column; Ctrl+C and
  // the context menu's "Kopieren" copy the table as shown; Ctrl+W closes the window, also from
  // its open context menu, and closing the document closes it.
  void TeachersAndClassesCopyAndClose() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(lauf.Demo(TDemoGroesse::klein)));
    TSchule& s = lauf.palette->schule();
    TSpeicherZwischenablage ablage;
    lauf.palette->fAblage = &ablage;
    lauf.palette->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(lauf.palette.get()));
    lauf.Waehle({"Pläne", "Planqualität..."});
    QPointer<TQualitaetForm> form = Aktives(lauf);
    QVERIFY(form);
    QTableWidget* t = form->Tabelle();
    const TElementQualitaet e = ElementQualitaet(s, 1, {2, 6, 2});
    QCOMPARE(static_cast<int>(e.fLehrer.size()), 12);

    QTest::mouseClick(form->Knopf(TQualitaetForm::Lehrer), Qt::LeftButton);
    QCOMPARE(form->Ansicht(), TQualitaetForm::Lehrer);
    QCOMPARE(t->rowCount(), 12);
    QVERIFY(lauf.An({"Bearbeiten", "Kopieren"}));
    QTest::keyClick(t, Qt::Key_C, Qt::ControlModifier);

    std::vector<std::string> zeilen = ZwischenablageZeilen(ablage.HoleText());
    QCOMPARE(zeilen.size(), std::size_t{13});
    QCOMPARE(zeilen[0], std::string("Lehrer\tStunden\tSpringstunden\tTage \xFC"
                                    "ber 6\tTage unter 2\tfreier Tag"));
    QCOMPARE(zeilen[1], LehrerZeile(e.fLehrer[0]));
    QCOMPARE(zeilen[2], LehrerZeile(e.fLehrer[1]));
    QCOMPARE(zeilen[12], LehrerZeile(e.fLehrer[11]));

    // Sorted by the gaps, fewest first, as the copy shows too.
    QHeaderView* kopf = t->horizontalHeader();
    QTest::mouseClick(
        kopf->viewport(), Qt::LeftButton, {},
        QPoint(kopf->sectionViewportPosition(2) + kopf->sectionSize(2) / 2, kopf->height() / 2));
    int32_t wenigste = e.fLehrer[0].fLuecken;
    for (const TLehrerQualitaet& z : e.fLehrer) wenigste = std::min(wenigste, z.fLuecken);
    QCOMPARE(t->item(0, 2)->text(), N(wenigste));
    for (int z = 1; z < t->rowCount(); ++z)
      QVERIFY(t->item(z - 1, 2)->text().toInt() <= t->item(z, 2)->text().toInt());
    t->setFocus();
    QTest::keyClick(t, Qt::Key_C, Qt::ControlModifier);
    zeilen = ZwischenablageZeilen(ablage.HoleText());
    QCOMPARE(zeilen.size(), std::size_t{13});
    for (int z = 0; z < 12; ++z) QCOMPARE(zeilen[z + 1], Gezeigt(t, z));

    // "Klassen" through the context menu's "Kopieren".
    QTest::mouseClick(form->Knopf(TQualitaetForm::Klassen), Qt::LeftButton);
    QCOMPARE(t->rowCount(), static_cast<int>(e.fKlassen.size()));
    bool gesehen = false;
    ImMenu(
        [](QWidget* menu) {
          QTest::keyClick(menu, Qt::Key_Down);
          QTest::keyClick(menu, Qt::Key_Return);
        },
        gesehen);
    RechtsKlick(t);
    QVERIFY(gesehen);
    zeilen = ZwischenablageZeilen(ablage.HoleText());
    QCOMPARE(zeilen.size(), e.fKlassen.size() + 1);
    QCOMPARE(zeilen[0], std::string("Klasse\tStunden\tHohlstunden\tTage mit Fach doppelt\t"
                                    "Tage mit sp\xE4tem Beginn"));
    const TKlassenQualitaet& k = e.fKlassen[0];
    QCOMPARE(zeilen[1], k.fKuerzel + '\t' + std::to_string(k.fStunden) + '\t' +
                            std::to_string(k.fLuecken) + '\t' + std::to_string(k.fFachDoppeltTage) +
                            '\t' + std::to_string(k.fSpaeteTage));

    // Ctrl+W while the context menu is open closes the menu, then the window.
    gesehen = false;
    ImMenu([](QWidget* menu) { QTest::keyClick(menu, Qt::Key_W, Qt::ControlModifier); }, gesehen);
    RechtsKlick(t);
    QVERIFY(gesehen);
    QTRY_VERIFY(form.isNull());
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QVERIFY(lauf.palette->DokumentOffen());

    // One window per document: the second entry brings the open one back; Ctrl+W closes it.
    lauf.Waehle({"Prüfen", "Planqualität..."});
    form = Aktives(lauf);
    QVERIFY(form);
    lauf.Waehle({"Pläne", "Planqualität..."});
    QCOMPARE(Aktives(lauf), form.data());
    QCOMPARE(lauf.palette->Arbeitsflaeche()->subWindowList().size(), 1);
    QTest::keyClick(form->Tabelle(), Qt::Key_W, Qt::ControlModifier);
    QTRY_VERIFY(form.isNull());

    // Closing the document closes the window with it.
    lauf.Waehle({"Pläne", "Planqualität..."});
    form = Aktives(lauf);
    QVERIFY(form);
    s.SetDirty(false);
    lauf.Waehle({"Datei", "Datei schließen"});
    QVERIFY(!lauf.palette->DokumentOffen());
    QTRY_VERIFY(form.isNull());
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::PlanQualitaetTest)
#include "planqualitaet_test.moc"
