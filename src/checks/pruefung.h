#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orbato {

class Dialoge;
class Fehlerausgabe;
class TSchule;

// The commands of the menu "Prüfen", in its order.
enum class TPruefung { Konsistenz, Bruecken, FehlRaum, FehlStunden, Versionen, Kopplungen, Einzel };

inline constexpr std::array<TPruefung, 7> kAllePruefungen = {
    TPruefung::Konsistenz, TPruefung::Bruecken,   TPruefung::FehlRaum, TPruefung::FehlStunden,
    TPruefung::Versionen,  TPruefung::Kopplungen, TPruefung::Einzel};

// The caption in the menu (Windows-1252): "Konsistenz", "Brücken", "fehlende Räume", …
std::string_view MenueText(TPruefung pruefung);
// The name on the command line: konsistenz, bruecken, raeume, stunden, versionen, kopplungen,
// einzel.
std::string_view KommandoName(TPruefung pruefung);
// The check of a command-line name or a menu caption, compared exactly; none for anything else.
std::optional<TPruefung> PruefungAusName(std::string_view name);
std::optional<TPruefung> PruefungAusMenueText(std::string_view text);

// The menu command: shows "Die Daten werden geprüft." while the check runs, then the result box
// "Prüfergebnis" with the level. `fertig` runs between the two, when the work is done (the GUI
// gives back the normal cursor there). Answers the level, 0..2.
int Pruefen(TSchule& schule, TPruefung pruefung, Dialoge& dialoge, Fehlerausgabe& fehler,
            const std::function<void()>& fertig = {});
// The check alone, without notice and result box; the beeps of "Konsistenz" go to `dialoge`.
int PruefungAusfuehren(TSchule& schule, TPruefung pruefung, Dialoge& dialoge,
                       Fehlerausgabe& fehler);

// The result box's second line: "keine Fehler gefunden.", "kleinere …", "größere …".
std::string_view ErgebnisText(int stufe);
// Both lines of the result box as one: "Beim Prüfen der Daten wurden keine Fehler gefunden."
std::string ErgebnisZeile(int stufe);

}  // namespace orbato
