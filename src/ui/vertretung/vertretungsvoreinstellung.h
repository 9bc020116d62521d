#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace orbato {

class TStandard;

// "Voreinstellung für Vertretungen": the order of the substitution list, the automatic remarks and
// "frei" in them, the days records are kept, the candidate filters of the proposal window and
// whether records not in force are listed, the twenty absence reasons (one character each) and
// the twenty remark templates (31 characters each). "Ok" writes them into the settings; a new
// order sorts the document's records again.
class TVertrVoreinstellung : public QDialog {
  Q_OBJECT

 public:
  TVertrVoreinstellung(TStandard& standard, QWidget* eltern = nullptr);

  QComboBox* Sortierung() const { return fSortierung; }
  QCheckBox* BemAuto() const { return fBemAuto; }
  QCheckBox* Frei() const { return fFrei; }
  QSpinBox* Merke() const { return fMerke; }
  QCheckBox* FreiCheck() const { return fFreiCheck; }
  QCheckBox* RandCheck() const { return fRandCheck; }
  QCheckBox* InaktivCheck() const { return fInaktivCheck; }
  // Reason and remark template i (1..20).
  QLineEdit* Grund(int i) const { return fGrund[static_cast<std::size_t>(i - 1)]; }
  QLineEdit* Bemerkung(int i) const { return fBemBez[static_cast<std::size_t>(i - 1)]; }

  // Writes the fields into the settings; true when the order changed.
  bool Uebernehmen();

 private:
  QWidget* Allgemein();
  QWidget* Texte();
  QCheckBox* Schalter(const QString& text, bool wert, QWidget* eltern);

  TStandard& fStandard;
  QComboBox* fSortierung = nullptr;
  QCheckBox* fBemAuto = nullptr;
  QCheckBox* fFrei = nullptr;
  QSpinBox* fMerke = nullptr;
  QCheckBox* fFreiCheck = nullptr;
  QCheckBox* fRandCheck = nullptr;
  QCheckBox* fInaktivCheck = nullptr;
  std::array<QLineEdit*, 20> fGrund{};
  std::array<QLineEdit*, 20> fBemBez{};
};

}  // namespace orbato
