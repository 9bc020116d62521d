// How the core's menus turn into Qt menus: the tooltips that explain a terse caption.
#include "ui/hauptfenster/menuedaten.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QToolButton>

namespace orbato {

class MenuedatenTest : public QObject {
  Q_OBJECT

 private slots:
  // The pick menus of a subject show "[ 4.0 ]-[10.0 ]-[16.0 ]  5a"; the tooltip says it in words.
  void AnEntryWithAHintShowsItAsTooltip() {
    TMenu daten = {MenuEintrag("[ 4.0 ]-[10.0 ]-[16.0 ]  5a"), MenuEintrag("ohne")};
    daten[0].fHinweis =
        "in D: 4.0 Std., in anderen F\xE4"
        "chern: 10.0 Std., bis zum Soll offen: 16.0 Std.";
    QMenu menu;
    MenuFuellen(&menu, daten);
    QVERIFY(menu.toolTipsVisible());
    QCOMPARE(menu.actions()[0]->toolTip(),
             QStringLiteral(
                 "in D: 4.0 Std., in anderen Fächern: 10.0 Std., bis zum Soll offen: 16.0 Std."));
    QCOMPARE(menu.actions()[1]->toolTip(), QStringLiteral("ohne"));

    // A menu without hints shows no tooltips, which would only repeat the captions.
    QMenu schlicht;
    MenuFuellen(&schlicht, {MenuEintrag("a"), MenuEintrag("b")});
    QVERIFY(!schlicht.toolTipsVisible());
  }

  // A long menu is laid out as columns of buttons; each button carries its entry's hint.
  void ButtonsOfAColumnMenuCarryTheHints() {
    TMenu daten;
    for (int i = 0; i < 40; ++i) {
      daten.push_back(MenuEintrag("K" + std::to_string(i)));
      daten.back().fHinweis = "Hinweis " + std::to_string(i);
    }
    InSpaltenUmbrechen(daten, 16);
    QMenu menu;
    MenuFuellen(&menu, daten);
    const QList<QToolButton*> knoepfe = menu.findChildren<QToolButton*>();
    QCOMPARE(knoepfe.size(), 40);
    for (const QToolButton* knopf : knoepfe) {
      QCOMPARE(knopf->toolTip(), QStringLiteral("Hinweis ") + knopf->text().mid(1));
    }
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::MenuedatenTest)
#include "menuedaten_test.moc"
