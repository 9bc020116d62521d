#pragma once

class QPixmap;

namespace orbato {

// The picture the program starts with: its name and its three jobs.
QPixmap Startbild();
// Shows it for two seconds before the main window is built.
void StartbildZeigen();

}  // namespace orbato
