#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace orbato {

// One entry of a menu the core fills (the set menu of a cell, the pick menus of a subject, the
// short-name menus, the plan-version menu, …). The GUI turns the data into its own menus and calls
// `fBefehl` when the entry is chosen; tests read the data and choose entries directly.
struct TMenuEintrag {
  std::string fText;     // caption, Windows-1252
  std::string fHinweis;  // tooltip, Windows-1252; none when empty
  bool fEnabled = true;
  bool fChecked = false;
  int fTag = 0;         // what the entry stands for: a version, a number in a list, …
  bool fBreak = false;  // this entry starts a new column
  bool fTrennlinie = false;
  std::vector<TMenuEintrag> fUntermenu;  // an entry with a submenu opens it and runs nothing
  std::function<void()> fBefehl;

  bool HatUntermenu() const { return !fUntermenu.empty(); }
};

using TMenu = std::vector<TMenuEintrag>;

// A plain entry; the other fields are set on the result where needed.
TMenuEintrag MenuEintrag(std::string text, std::function<void()> befehl = {}, int tag = 0);
TMenuEintrag Trennlinie();

// Columns of at most `proSpalte` entries: entries at 0-based index proSpalte, 2 * proSpalte, …
// start a new column, no other entry does. With proSpalte < 1 the menu has a single column.
void InSpaltenUmbrechen(TMenu& menu, int proSpalte);

// The first entry with that caption, searched in order and into submenus depth first; none when
// absent. Separators are never found.
TMenuEintrag* FindeEintrag(TMenu& menu, std::string_view text);
const TMenuEintrag* FindeEintrag(const TMenu& menu, std::string_view text);
// The entry reached by following captions through submenus: {"Datei", "Export", "Kurse..."}.
TMenuEintrag* FindePfad(TMenu& menu, std::initializer_list<std::string_view> pfad);

// Lets every command of the menu and its submenus be followed by `danach`, so that a window can
// redraw after whatever entry is chosen.
void NachJedemBefehl(TMenu& menu, const std::function<void()>& danach);

// Chooses the entry as the user would: runs its command and answers true when it is enabled, has
// a command and opens no submenu; otherwise nothing happens and the answer is false.
bool Waehle(TMenuEintrag& eintrag);
bool WaehleEintrag(TMenu& menu, std::string_view text);

// Entries per column of long menus. With n entries the rule 3 * sqrt(n / 3) equals sqrt(3 * n),
// which is never exactly halfway between two integers for whole n, so rounding to nearest and
// rounding halves to even give the same column length; it is computed in integers.
//
// The short-name menus "Le", "Kl", "Ko", "Fa", "Ra", "UV" and their pop-up variants, the course
// menu of manual planning, the "Wie" menu and the other long menus of the substitution windows:
// max(16, round(sqrt(3 * n))); 300 teachers give columns of 30.
int MenuSpaltenLaenge(int anzahl);
// The plan-version menu of the palette, 1 .. number of versions: max(8, round(sqrt(3 * n)));
// 24 versions give columns of 8, 54 give 13.
int VersionsMenuSpaltenLaenge(int versionen);
// A subject's pick menus of teachers and of classes: max(16, round(7 * sqrt(k / 7))), with k the
// number of classes of the school in both menus, however many teachers the teacher menu lists.
int FachPopupSpaltenLaenge(int anzahlKlassen);
// The version menu of the calendar window: new columns at the entries 17, 33, …
inline constexpr int KalenderMenuSpaltenLaenge = 16;

}  // namespace orbato
