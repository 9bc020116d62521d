#pragma once

#include <QDialog>
#include <functional>

#include "model/kuerzel/kuerzeleditor.h"

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orbato {

// "Kürzel": the short-name editor on screen. The editor in the core decides; this dialog shows
// its rows, field and buttons and hands it the user's clicks, typing and drags.
class TKuerzelDialog : public QDialog {
  Q_OBJECT

 public:
  TKuerzelDialog(TSchule& schule, QWidget* eltern = nullptr);

  TKuerzelEditor& Editor() { return fEditor; }
  QListWidget* Liste() const { return fListe; }
  QLineEdit* Feld() const { return fFeld; }
  QPushButton* Knopf(const QString& text) const;

 private:
  void ArtGewaehlt(int art);
  void Zeigen();
  void Aendern();
  void ZeileVerschoben(int von, int ziel);

  TKuerzelEditor fEditor;
  QButtonGroup* fArten;
  QListWidget* fListe;
  QLineEdit* fFeld;
  QPushButton* fNeues;
  QPushButton* fAendern;
  QPushButton* fLoeschen;
  QPushButton* fSortieren;
  QPushButton* fOk;
  bool fZeigt = false;
};

// "Kürzel ändern": a field with the short name; "Ok" only while it is not empty. The dialog stays
// open while `annehmen` refuses the name.
class TKuerzelAendernDialog : public QDialog {
  Q_OBJECT

 public:
  TKuerzelAendernDialog(const QString& kuerzel, std::function<bool(const QString&)> annehmen,
                        QWidget* eltern = nullptr);
  QLineEdit* Feld() const { return fFeld; }
  void accept() override;

 private:
  QLineEdit* fFeld;
  std::function<bool(const QString&)> fAnnehmen;
};

}  // namespace orbato
