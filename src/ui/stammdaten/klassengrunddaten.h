#pragma once

#include "ui/stammdaten/sollgrunddaten.h"

class QCheckBox;

namespace orbato {

class TKlasse;
class TKurs;

// "Grunddaten" of a class: target, lessons, own room, blocking, info, the class teacher and his
// deputy, the class's courses with their hours, taking over the courses of another class, and
// whether a coupling counts once ("einfach").
class TKlGrForm : public TSollGrForm {
  Q_OBJECT

 public:
  TKlGrForm(TSchule& schule, TStandard& standard, TKlasse* klasse);

  // The menu of the class-teacher button 1 or 2: "ohne", then every teacher.
  TMenu LehrerMenu(int nr);
  // The hours of the selected course one step up (+1) or down (-1).
  void KursStunden(int richtung);
  TKurs* GewaehlterKurs() const;
  // "Neuer Kurs": a course of the class, shown in the course window.
  void NeuerKurs();
  // "Übernehmen": refused while lessons of the class are placed, else the dialog.
  void Uebernehmen();

  QPushButton* fLehrer1;
  QPushButton* fLehrer2;
  QListWidget* fKurse;
  QToolButton* fKursAuf;
  QToolButton* fKursAb;
  QPushButton* fNeuerKurs;
  QPushButton* fUebernehmen;
  QCheckBox* fEinfach;

 protected:
  void Anzeigen() override;

 private:
  TKlasse* fKlasse;
};

}  // namespace orbato
