#pragma once

#include <QDialog>

#include "austausch/gpu/gpudatei.h"
#include "model/basis/datum.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;

namespace orbato {

// "Untis-Dateien (GPU)": the folder of the files, their separator and character set; for the
// export also whether the absences and substitutions of a range of days go with the plan. The
// import offers "erkennen" for both, which looks at each file.
class TGpuDialog : public QDialog {
  Q_OBJECT

 public:
  enum class TRichtung { Import, Export };
  TGpuDialog(TRichtung richtung, const QString& ordner, TDatumZeit heute,
             QWidget* eltern = nullptr);

  QString Ordner() const;
  TGpuLesart Lesart() const;
  TGpuSchreibart Schreibart() const;
  // The range of days for GPU013 and GPU014 at noon; both 0 when not asked for.
  TDatumZeit Von() const;
  TDatumZeit Bis() const;

  QLineEdit* OrdnerFeld() const { return fOrdner; }
  QComboBox* TrennzeichenFeld() const { return fTrenner; }
  QComboBox* ZeichensatzFeld() const { return fZeichensatz; }
  QCheckBox* VertretungenFeld() const { return fVertretungen; }
  QDateEdit* VonFeld() const { return fVon; }
  QDateEdit* BisFeld() const { return fBis; }

 private:
  QLineEdit* fOrdner = nullptr;
  QComboBox* fTrenner = nullptr;
  QComboBox* fZeichensatz = nullptr;
  QCheckBox* fVertretungen = nullptr;
  QDateEdit* fVon = nullptr;
  QDateEdit* fBis = nullptr;
};

}  // namespace orbato
