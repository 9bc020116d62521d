#pragma once

#include <vector>

#include "ui/stammdaten/sollgrunddaten.h"

class QCheckBox;

namespace orbato {

class TFach;
class TLehrer;

// "Grunddaten" of a teacher: target, lessons, own room, blocking, info, the subjects he teaches
// and whether he is to get a free day.
class TLeGrForm : public TSollGrForm {
  Q_OBJECT

 public:
  TLeGrForm(TSchule& schule, TStandard& standard, TLehrer* lehrer);

  // "Neues Fach": the subject menu; with Ctrl a multiple choice of subjects.
  void NeuesFachKlick(bool ctrl);
  TMenu FachMenu();
  // A double-click on a subject of the list: with the delete tool the teacher loses it, unless he
  // still has lessons of it.
  void FachDoppelklick(int zeile);

  // The multiple choice of subjects; tests replace it.
  std::function<std::vector<TFach*>()> fFaecherWaehlen;

  QListWidget* fFaecher;
  QPushButton* fNeuesFach;
  QCheckBox* fFreierTag;

 protected:
  void Anzeigen() override;

 private:
  TLehrer* fLehrer;
};

}  // namespace orbato
