#include "ui/drucken/vertretungsdruckdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "lauf.h"
#include "oberflaeche.h"
#include "ui/bausteine/schriftfeld.h"
#include "ui/drucken/vdeinstellungsdialog.h"
#include "vertretungsschule.h"

namespace orbato {
namespace {

using TZeilen = std::vector<std::string>;
using THaken = std::array<bool, 4>;

// One call of an output as the dialog made it, with the ticks and remark the settings held.
struct TAufruf {
  QString knopf;
  TDatumZeit datum = 0;
  TZeilen zeilen;
  THaken haken{};
  TZeilen memo;
};

void Ankreuzen(QCheckBox* feld) {
  QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint(6, feld->height() / 2));
}

const QStringList kPfad = {"Datei", "Drucken", "Vertretung", "Vertretungsplan..."};

}  // namespace

class VertretungsDruckDialogTest : public QObject {
  Q_OBJECT

  // The date of the dialog the menu entry opens; closed without storing.
  static TDatumZeit GeoeffnetAm(TLauf& lauf) {
    TDatumZeit datum = 0;
    TModalSkript skript;
    skript.Dann([&datum](QWidget* w) {
      if (auto* d = qobject_cast<TVertrDruckDialog*>(w)) datum = d->Datum();
      SchliesseOhneAenderung(w);
    });
    lauf.Waehle(kPfad);
    [&] { QTRY_VERIFY(skript.Fertig()); }();
    return datum;
  }

 private slots:
  // The menu entry opens the dialog at today of the document's clock with the ticks and remark
  // of the settings; "Schließen" stores them changed.
  void MenuEntryOpensTheDialogAndCloseStores() {
    TLauf lauf;
    QVERIFY(!lauf.An({"Datei", "Drucken"}));
    QVERIFY(lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("d.orb"))));
    lauf.palette->schule().SetUhr(&lauf.uhr);
    QVERIFY(lauf.An(kPfad));
    TStandard& st = lauf.palette->standard();
    st.fVMemo[0] = {"Pause verl\xE4ngert", "Hof gesperrt"};
    st.fVMemo[1] = {"bleibt"};
    TModalSkript skript;
    skript.Dann([](QWidget* w) {
      auto* d = qobject_cast<TVertrDruckDialog*>(w);
      QVERIFY(d);
      QCOMPARE(d->windowTitle(), QStringLiteral("Drucke Vertretungsplan"));
      QCOMPARE(d->DatumFeld()->date(), QDate(2026, 12, 8));
      QCOMPARE(d->Wochentag()->text(), QStringLiteral("Dienstag"));
      QCOMPARE(d->Bemerkung()->toPlainText(), QStringLiteral("Pause verlängert\nHof gesperrt"));
      QCOMPARE((THaken{d->Haken(1)->isChecked(), d->Haken(2)->isChecked(), d->Haken(3)->isChecked(),
                       d->Haken(4)->isChecked()}),
               (THaken{true, false, false, false}));
      // The HTML export and the printout are connected; printing is the default.
      QVERIFY(d->AlsHTMLKnopf()->isVisible() && d->HTML4Knopf()->isVisible());
      QVERIFY(d->DruckenKnopf()->isVisible() && d->AnsehenKnopf()->isVisible());
      QVERIFY(d->SchliessenKnopf()->isVisible() && d->DruckenKnopf()->isDefault());
      Ankreuzen(d->Haken(1));
      Ankreuzen(d->Haken(3));
      Ankreuzen(d->Haken(4));
      d->Bemerkung()->selectAll();
      d->Bemerkung()->insertPlainText(QStringLiteral("Schüler der 5a: Aula"));
      KnopfMit(d, QStringLiteral("Schließen"))->click();
    });
    lauf.Waehle(kPfad);
    QTRY_VERIFY(skript.Fertig());
    QVERIFY(skript.fUnerwartet.isEmpty());
    QCOMPARE(st.fVertrCheck, (THaken{false, false, true, true}));
    QCOMPARE(st.fVMemo[0], TZeilen({"Sch\xFCler der 5a: Aula"}));
    QCOMPARE(st.fVMemo[1], TZeilen({"bleibt"}));
  }

  // With the window "Vertretungen" active the dialog starts at its date, otherwise at today.
  void MenuEntryTakesTheDateOfTheActiveSubstitutionWindow() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("d.orb"))));
    lauf.palette->schule().SetUhr(&lauf.uhr);
    lauf.palette->standard().fMaxTageNeu = 5;
    QVERIFY(lauf.palette->VertretungZeigen(kDienstag + 2));
    QCOMPARE(GeoeffnetAm(lauf), kDienstag + 2);
    lauf.palette->AlleKurseZeigen();
    QCOMPARE(GeoeffnetAm(lauf), kDienstag);
  }

  // Each output gets the dialog's date at noon and the remark's lines in file code, and finds
  // the ticks and the remark stored before it runs; the dialog stays open.
  void OutputsGetTheDateAndTheRemarkLines() {
    TStandard st;
    std::vector<TAufruf> aufrufe;
    TVertrDruckDialog d(st, kDienstag - 0.25);
    const auto ausgabe = [&](const QString& knopf) {
      return [&, knopf](TDatumZeit datum, const TZeilen& zeilen) {
        aufrufe.push_back({knopf, datum, zeilen, st.fVertrCheck, st.fVMemo[0]});
      };
    };
    d.fAlsHTML = ausgabe(QStringLiteral("als HTML-Datei"));
    d.fHTML4 = ausgabe(QStringLiteral("HTML 4"));
    d.fDrucken = ausgabe(QStringLiteral("Drucken"));
    d.fAnsehen = ausgabe(QStringLiteral("Ansehen"));
    d.show();
    QVERIFY(d.DruckenKnopf()->isDefault() && !d.SchliessenKnopf()->isDefault());
    d.DatumFeld()->setDate(QDate(2026, 12, 11));
    QCOMPARE(d.Wochentag()->text(), QStringLiteral("Freitag"));
    d.Haken(2)->setChecked(true);
    d.Bemerkung()->setPlainText(QStringLiteral("Wandertag der 7b\n\nRäume: <A1> & B2\n"));
    const TZeilen zeilen = {"Wandertag der 7b", "", "R\xE4ume: <A1> & B2"};
    const QList<QPushButton*> knoepfe = {d.AlsHTMLKnopf(), d.HTML4Knopf(), d.DruckenKnopf(),
                                         d.AnsehenKnopf()};
    for (QPushButton* k : knoepfe) QTest::mouseClick(k, Qt::LeftButton);
    QCOMPARE(aufrufe.size(), std::size_t{4});
    for (std::size_t i = 0; i < aufrufe.size(); ++i) {
      const TAufruf& a = aufrufe[i];
      QCOMPARE(a.knopf, knoepfe[static_cast<int>(i)]->text().remove(QLatin1Char('&')));
      QCOMPARE(a.datum, 46367.5);
      QCOMPARE(a.zeilen, zeilen);
      QCOMPARE(a.haken, (THaken{true, true, false, false}));
      QCOMPARE(a.memo, zeilen);
    }
    QVERIFY(d.isVisible());
  }

  // Only connected outputs show; a mnemonic reaches its button; an empty remark has no lines.
  void OnlyConnectedOutputsAreShown() {
    TStandard st;
    std::vector<TZeilen> aufrufe;
    TVertrDruckDialog d(st, kDienstag);
    d.fHTML4 = [&](TDatumZeit, const TZeilen& zeilen) { aufrufe.push_back(zeilen); };
    d.show();
    d.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QVERIFY(d.HTML4Knopf()->isVisible() && d.AlsHTMLKnopf()->isHidden());
    QVERIFY(d.DruckenKnopf()->isHidden() && d.AnsehenKnopf()->isHidden());
    d.Bemerkung()->setPlainText(QStringLiteral("\n"));
    QTest::keyClick(&d, Qt::Key_M, Qt::AltModifier);
    QTRY_COMPARE(aufrufe.size(), std::size_t{1});
    QVERIFY(aufrufe[0].empty());
    // Every mnemonic leads to one control only.
    QSet<int> gesehen;
    for (QWidget* w : d.findChildren<QWidget*>()) {
      const auto* knopf = qobject_cast<QAbstractButton*>(w);
      const auto* name = qobject_cast<QLabel*>(w);
      const QKeySequence taste = QKeySequence::mnemonic(knopf  ? knopf->text()
                                                        : name ? name->text()
                                                               : QString());
      if (taste.isEmpty()) continue;
      QVERIFY2(!gesehen.contains(taste[0].toCombined()), qPrintable(taste.toString()));
      gesehen.insert(taste[0].toCombined());
    }
    QCOMPARE(gesehen.size(), 13);
  }

  // Font and margin are stored on "Schließen"; Escape stores nothing at all.
  void FontAndMarginStoredOnCloseNothingOnEscape() {
    TStandard st;
    st.fVertrDruckFont = {"Arial", 9};
    for (const bool schliessen : {false, true}) {
      TVertrDruckDialog d(st, kDienstag);
      QCOMPARE(d.SchriftFeld()->text(), QStringLiteral("Arial, 9 pt"));
      QCOMPARE(d.Rand()->value(), 1);
      d.SchriftFeld()->fSchriftWaehlen = [](QFont& schrift) {
        if (schrift.family() != QStringLiteral("Arial") || schrift.pointSize() != 9) return false;
        schrift = QFont(QStringLiteral("Courier New"), 11);
        return true;
      };
      d.show();
      d.SchriftFeld()->click();
      QCOMPARE(d.SchriftFeld()->text(), QStringLiteral("Courier New, 11 pt"));
      d.Rand()->setValue(3);
      d.Haken(4)->setChecked(true);
      if (!schliessen) {
        QTest::keyClick(&d, Qt::Key_Escape);
        QCOMPARE(st.fVertrDruckFont, (TSchrift{"Arial", 9}));
        QCOMPARE(st.fVertrDruckRand, 1);
        QCOMPARE(st.fVertrCheck, (THaken{true, false, false, false}));
      } else {
        d.SchliessenKnopf()->click();
        QCOMPARE(st.fVertrDruckFont, (TSchrift{"Courier New", 11}));
        QCOMPARE(st.fVertrDruckRand, 3);
        QCOMPARE(st.fVertrCheck, (THaken{true, false, false, true}));
      }
    }
  }

  // "Einstellung i" edits layout i of the settings and no other.
  void LayoutButtonEditsItsOwnLayout() {
    TStandard st;
    const std::array<TVDEinstellung, 4> vorher = st.fVDEinstellung;
    TVertrDruckDialog d(st, kDienstag);
    d.show();
    TModalSkript skript;
    skript.Dann([](QWidget* w) {
      auto* e = qobject_cast<TVDEinstellungsDialog*>(w);
      QVERIFY(e);
      QCOMPARE(e->windowTitle(), QStringLiteral("Einstellung 3"));
      e->Schalter({}, QStringLiteral("mit Datum"))->setChecked(false);
      e->PlanSortierung()->setCurrentIndex(3);
      KnopfMit(e, QStringLiteral("Ok"))->click();
    });
    d.EinstellungKnopf(3)->click();
    QTRY_VERIFY(skript.Fertig());
    TVDEinstellung erwartet = vorher[2];
    erwartet.MitDatum = false;
    erwartet.PlanSortierung = 3;
    QVERIFY(st.fVDEinstellung ==
            (std::array<TVDEinstellung, 4>{vorher[0], vorher[1], erwartet, vorher[3]}));
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::VertretungsDruckDialogTest)
#include "vertretungsdruckdialog_test.moc"
