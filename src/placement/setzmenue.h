#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "model/elemente/kuerzelart.h"
#include "model/schnittstellen/menue.h"

namespace orbato {

class TKopplung;
class TKurs;
class TPlanZellen;
class TRaum;
class TSchule;
class TStandard;
class TUeberZellen;

// The menus a course builds for the placement commands of the plan windows, as data. Entries
// that stand for a cell carry day * 100 + period in fTag; the room an entry stands for is bound
// into its command (none for "ohne Raum"). The document and the settings are those of the window
// that asks; its commands keep them, so a menu must not outlive that window.

inline constexpr int ZellTag(int32_t tag, int32_t std) {
  return tag * 100 + std;
}

// The course's entry for an empty cell: "[" remaining lessons "] " course line. Enabled when the
// course (with its coupling) may go there in every version of the span. With `mitRaum` (teacher
// and class windows) an enabled entry opens "ohne Raum" and the course's rooms, each placing with
// SetzMitRaum; without it (the plan window of `fensterRaum`) the entry places into that room with
// SetzImRaum and is enabled only while that room is free. No entry for a course not to be placed
// or without a lesson left.
void ErzeugeSetzMenu(TSchule& schule, const TStandard& standard, TKurs& kurs, TMenu& menu,
                     int32_t tag, bool mitRaum, int32_t std, TRaum* fensterRaum = nullptr);
// Place the course into the cell of `zellTag` with `raum` and each other course of its coupling
// with its first free room, in the current version or in every version; warns once when a
// coupled course had to go without a room.
void SetzMitRaum(TSchule& schule, const TStandard& standard, TKurs& kurs, int zellTag, TRaum* raum);
void SetzImRaum(TSchule& schule, const TStandard& standard, TKurs& kurs, int zellTag, TRaum* raum);

// The room menu for the cells marked 'R' in a plan window, respectively an overview window: the
// school's rooms that fit every marked cell, "<" name ">" for a room the course does not list,
// "[" name "]" for a listed room busy with another course (choosing it swaps rooms).
void ErzeugeRaumSetzMenu(const TSchule& schule, const TStandard& standard, TKurs& kurs, TMenu& menu,
                         const TPlanZellen& fenster);
void ErzeugeRaumUeberSetzMenu(const TSchule& schule, const TStandard& standard, TKurs& kurs,
                              TMenu& menu, const TUeberZellen& fenster);

// The entry that marks where the course can go: "[" remaining lessons "] " course line, disabled
// without a lesson left, else opening "ohne Raum" and the course's rooms; choosing one fills
// fSetzungUnmoeglich of the current version (RechtsWahl) and then calls `zeigen` so that the
// window (plan window, respectively overview) highlights the possible cells.
void ErzeugeRechtsMenu(const TStandard& standard, TKurs& kurs, TMenu& menu,
                       std::function<void()> zeigen);
void ErzeugeRechtsUebMenu(const TStandard& standard, TKurs& kurs, TMenu& menu,
                          std::function<void()> zeigen);
void RechtsWahl(const TStandard& standard, TKurs& kurs, const TRaum* raum);
void RechtsUebWahl(const TStandard& standard, TKurs& kurs, const TRaum* raum);

// What a class plan does when one of several courses sharing a cell is chosen: it shows that
// course in the cell from then on.
using TKlPlanWechsel = std::function<void(TKurs& kurs, int32_t tag, int32_t std)>;

// The information entries for an occupied cell: the course's week line for every version of the
// span with a placement there (in `raum`, when given); in a teacher or room plan one line per
// class of a course with several classes. `art` is the kind of the plan (leh, kla, rau); in a
// class plan choosing the entry calls `wechseln`.
void ErzeugePlnMenu(const TStandard& standard, TKurs& kurs, TMenu& menu, bool mitInfo,
                    TKuerzelArt art, const TRaum* raum, int32_t std, int32_t tag,
                    const TKlPlanWechsel& wechseln = {});
// The same for plans that show couplings, in single-version mode only: the week lines of every
// course of the coupling, each coupling once (`gezeigt` collects the couplings already listed by
// the element's earlier courses).
void ErzeugePlnKoppMenu(const TStandard& standard, TKurs& kurs, TMenu& menu, bool mitInfo,
                        TKuerzelArt art, const TRaum* raum, int32_t std, int32_t tag,
                        std::vector<const TKopplung*>& gezeigt,
                        const TKlPlanWechsel& wechseln = {});

// The fixing tool on a cell: an uncoupled course inverts the fixing of its placement in each
// version of the span; for a coupled course every placement of the coupling there takes the
// opposite of the course's state in the first version of the span. Versions without a placement
// there are skipped.
void FixiereZelle(TSchule& schule, const TStandard& standard, TKurs& kurs, int32_t tag,
                  int32_t std);

}  // namespace orbato
