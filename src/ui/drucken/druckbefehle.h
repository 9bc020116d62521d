#pragma once

#include <QString>
#include <functional>

namespace orbato {

class TOrbatoPalette;

// The command of an entry of "Datei" / "Drucken" and its submenus by its caption; none for an
// entry without one.
std::function<void()> DruckBefehl(TOrbatoPalette& palette, const QString& eintrag);

// The commands of each group of printouts; none for a caption not theirs.
std::function<void()> PlanDruckBefehl(TOrbatoPalette& palette, const QString& eintrag);
std::function<void()> ListenDruckBefehl(TOrbatoPalette& palette, const QString& eintrag);
std::function<void()> UebersichtDruckBefehl(TOrbatoPalette& palette, const QString& eintrag);

}  // namespace orbato
