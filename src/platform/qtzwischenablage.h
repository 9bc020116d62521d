#pragma once

#include "model/schnittstellen/zwischenablage.h"

namespace orbato {

// The system clipboard, its Unicode text converted to and from Windows-1252.
class TQtZwischenablage : public Zwischenablage {
 public:
  std::string HoleText() const override;
  void SetzeText(std::string_view text) override;
};

}  // namespace orbato
