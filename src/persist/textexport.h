#pragma once

#include <string>

namespace orbato {

class Dialoge;
class TSchule;

// The text exports of the menu "Export" and of the command line, each one writer.
enum class TTextExport { Kurse, Lanis, Schulmanager, Lehrerplaene, Klassenplaene, Raumplaene };

void TextExportToFile(TTextExport art, const TSchule& schule, Dialoge& dialoge,
                      const std::string& pfad);

}  // namespace orbato
