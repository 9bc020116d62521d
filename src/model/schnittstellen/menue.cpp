#include "model/schnittstellen/menue.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace orbato {

namespace {

// round(sqrt(m)) without floating point. With r = floor(sqrt(m)), sqrt(m) >= r + 1/2 exactly when
// m >= r * r + r + 1/4, that is m > r * r + r for whole m; so no half ever needs a tie rule.
int64_t GerundeteWurzel(int64_t m) {
  if (m <= 0) return 0;
  int64_t r = 0;
  int64_t bit = int64_t{1} << 20;  // the root of 7 * INT_MAX stays below 2^21
  while (bit > 0) {
    const int64_t versuch = r + bit;
    if (versuch * versuch <= m) r = versuch;
    bit >>= 1;
  }
  return m > r * r + r ? r + 1 : r;
}

int Spaltenlaenge(int mindestens, int faktor, int anzahl) {
  const int64_t n = std::max(anzahl, 0);
  return static_cast<int>(std::max<int64_t>(mindestens, GerundeteWurzel(faktor * n)));
}

template <typename Menu, typename Eintrag>
Eintrag* Suche(Menu& menu, std::string_view text) {
  for (Eintrag& e : menu) {
    if (!e.fTrennlinie && e.fText == text) return &e;
    if (Eintrag* innen = Suche<Menu, Eintrag>(e.fUntermenu, text)) return innen;
  }
  return nullptr;
}

}  // namespace

TMenuEintrag MenuEintrag(std::string text, std::function<void()> befehl, int tag) {
  TMenuEintrag e;
  e.fText = std::move(text);
  e.fBefehl = std::move(befehl);
  e.fTag = tag;
  return e;
}

TMenuEintrag Trennlinie() {
  TMenuEintrag e = MenuEintrag("-");
  e.fTrennlinie = true;
  e.fEnabled = false;
  return e;
}

void InSpaltenUmbrechen(TMenu& menu, int proSpalte) {
  for (std::size_t i = 0; i < menu.size(); ++i) {
    menu[i].fBreak = proSpalte > 0 && i > 0 && i % static_cast<std::size_t>(proSpalte) == 0;
  }
}

TMenuEintrag* FindeEintrag(TMenu& menu, std::string_view text) {
  return Suche<TMenu, TMenuEintrag>(menu, text);
}

const TMenuEintrag* FindeEintrag(const TMenu& menu, std::string_view text) {
  return Suche<const TMenu, const TMenuEintrag>(menu, text);
}

TMenuEintrag* FindePfad(TMenu& menu, std::initializer_list<std::string_view> pfad) {
  TMenu* ebene = &menu;
  TMenuEintrag* gefunden = nullptr;
  for (std::string_view text : pfad) {
    if (ebene == nullptr) return nullptr;
    const auto it = std::find_if(ebene->begin(), ebene->end(), [text](const TMenuEintrag& e) {
      return !e.fTrennlinie && e.fText == text;
    });
    if (it == ebene->end()) return nullptr;
    gefunden = &*it;
    ebene = &it->fUntermenu;
  }
  return gefunden;
}

bool Waehle(TMenuEintrag& eintrag) {
  if (!eintrag.fEnabled || eintrag.fTrennlinie || eintrag.HatUntermenu() || !eintrag.fBefehl) {
    return false;
  }
  // A command may rebuild the very menu it came from; run a copy so that it outlives the entry.
  const std::function<void()> befehl = eintrag.fBefehl;
  befehl();
  return true;
}

bool WaehleEintrag(TMenu& menu, std::string_view text) {
  TMenuEintrag* e = FindeEintrag(menu, text);
  return e != nullptr && Waehle(*e);
}

int MenuSpaltenLaenge(int anzahl) {
  return Spaltenlaenge(16, 3, anzahl);
}

int VersionsMenuSpaltenLaenge(int versionen) {
  return Spaltenlaenge(8, 3, versionen);
}

int FachPopupSpaltenLaenge(int anzahlKlassen) {
  return Spaltenlaenge(16, 7, anzahlKlassen);
}

void NachJedemBefehl(TMenu& menu, const std::function<void()>& danach) {
  for (TMenuEintrag& e : menu) {
    NachJedemBefehl(e.fUntermenu, danach);
    if (!e.fBefehl) continue;
    e.fBefehl = [befehl = std::move(e.fBefehl), danach] {
      befehl();
      danach();
    };
  }
}

}  // namespace orbato
