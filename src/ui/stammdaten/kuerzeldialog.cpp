#include "ui/stammdaten/kuerzeldialog.h"

#include <QAbstractItemModel>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/qttext.h"
#include "ui/bausteine/dialogknoepfe.h"
#include "ui/bausteine/zeilenhoehe.h"

namespace orbato {
namespace {
const char* const kArten[] = {"Lehrer", "Klassen", "Kopplungen", "Fächer", "Räume", "UVTabellen"};
}  // namespace

TKuerzelDialog::TKuerzelDialog(TSchule& schule, QWidget* eltern)
    : QDialog(eltern),
      fEditor(schule),
      fArten(new QButtonGroup(this)),
      fListe(TextListe(this)),
      fFeld(new QLineEdit(this)) {
  setWindowTitle(QStringLiteral("Kürzel"));
  auto* artBox = new QGroupBox(QStringLiteral("Kürzelart"), this);
  auto* artLayout = new QVBoxLayout(artBox);
  for (int art = 0; art < 6; ++art) {
    auto* knopf = new QRadioButton(QString::fromUtf8(kArten[art]), artBox);
    fArten->addButton(knopf, art);
    artLayout->addWidget(knopf);
  }
  fArten->button(0)->setChecked(true);
  artLayout->addStretch();

  fFeld->setMaxLength(11);
  fListe->setDragDropMode(QAbstractItemView::InternalMove);
  fListe->setDefaultDropAction(Qt::MoveAction);
  auto* mitte = new QVBoxLayout;
  mitte->addWidget(fFeld);
  mitte->addWidget(fListe);

  auto* knoepfe = new QVBoxLayout;
  const auto knopf = [&](const QString& text) {
    auto* k = new QPushButton(text, this);
    k->setAutoDefault(false);
    knoepfe->addWidget(k);
    return k;
  };
  fNeues = knopf(QStringLiteral("Neues"));
  fAendern = knopf(QStringLiteral("Ändern"));
  fLoeschen = knopf(QStringLiteral("Löschen"));
  fSortieren = knopf(QStringLiteral("Sortieren"));
  knoepfe->addStretch();
  fOk = knopf(QStringLiteral("Ok"));
  fOk->setDefault(true);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(artBox);
  layout->addLayout(mitte, 1);
  layout->addLayout(knoepfe);

  connect(fArten, &QButtonGroup::idClicked, this, &TKuerzelDialog::ArtGewaehlt);
  connect(fFeld, &QLineEdit::textEdited, this, [this](const QString& text) {
    fEditor.TextGeaendert(ModellText(text));
    Zeigen();
  });
  connect(fListe, &QListWidget::itemClicked, this, [this](QListWidgetItem* zeile) {
    fEditor.ZeileGeklickt(fListe->row(zeile));
    Zeigen();
  });
  connect(fNeues, &QPushButton::clicked, this, [this] {
    fEditor.Neues();
    Zeigen();
    fFeld->setFocus();
  });
  connect(fAendern, &QPushButton::clicked, this, &TKuerzelDialog::Aendern);
  connect(fLoeschen, &QPushButton::clicked, this, [this] {
    fEditor.Loeschen();
    Zeigen();
  });
  connect(fSortieren, &QPushButton::clicked, this, [this] {
    fEditor.Sortieren();
    Zeigen();
  });
  connect(fOk, &QPushButton::clicked, this, [this] {
    if (fEditor.Ok()) {
      accept();
    } else {
      Zeigen();
      fFeld->setFocus();
    }
  });
  connect(fListe->model(), &QAbstractItemModel::rowsMoved, this,
          [this](const QModelIndex&, int von, int, const QModelIndex&, int ziel) {
            ZeileVerschoben(von, ziel);
          });
  ArtGewaehlt(0);
}

QPushButton* TKuerzelDialog::Knopf(const QString& text) const {
  for (QPushButton* k : findChildren<QPushButton*>()) {
    if (k->text() == text) return k;
  }
  return nullptr;
}

void TKuerzelDialog::ArtGewaehlt(int art) {
  fEditor.ArtWaehlen(art);
  Zeigen();
}

// Everything on screen from the editor's state; the rows only when they changed, so that a drag
// in progress or the scroll position is not disturbed needlessly.
void TKuerzelDialog::Zeigen() {
  fZeigt = true;
  QStringList zeilen;
  for (const std::string& z : fEditor.Zeilen()) zeilen << QtText(z);
  QStringList bisher;
  for (int i = 0; i < fListe->count(); ++i) bisher << fListe->item(i)->text();
  if (zeilen != bisher) {
    fListe->clear();
    fListe->addItems(zeilen);
  }
  fListe->clearSelection();
  if (fEditor.Auswahl() >= 0) fListe->setCurrentRow(fEditor.Auswahl());
  if (fEditor.SichtbareZeile() >= 0) fListe->scrollToItem(fListe->item(fEditor.SichtbareZeile()));
  const QString text = QtText(fEditor.Text());
  if (fFeld->text() != text) fFeld->setText(text);
  fNeues->setEnabled(fEditor.NeuesMoeglich());
  fAendern->setEnabled(fEditor.AendernMoeglich());
  fLoeschen->setEnabled(fEditor.LoeschenMoeglich());
  fZeigt = false;
}

void TKuerzelDialog::Aendern() {
  if (fEditor.Element() == nullptr) return;
  TKuerzelAendernDialog dialog(
      QtText(fEditor.Text()),
      [this](const QString& neu) { return fEditor.Aendern(ModellText(neu)); }, this);
  dialog.exec();
  Zeigen();
}

// The list has moved the row itself; `ziel` is where it was inserted before the move, so a row
// moved down lands one above it.
void TKuerzelDialog::ZeileVerschoben(int von, int ziel) {
  if (fZeigt) return;
  const int nach = ziel > von ? ziel - 1 : ziel;
  if (nach != von) fEditor.Verschieben(von, nach);
  Zeigen();
}

TKuerzelAendernDialog::TKuerzelAendernDialog(const QString& kuerzel,
                                             std::function<bool(const QString&)> annehmen,
                                             QWidget* eltern)
    : QDialog(eltern), fFeld(new QLineEdit(kuerzel, this)), fAnnehmen(std::move(annehmen)) {
  setWindowTitle(QStringLiteral("Kürzel ändern"));
  fFeld->setMaxLength(11);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fFeld);
  QDialogButtonBox* knoepfe = OkAbbrechen(this);
  QPushButton* ok = OkKnopf(knoepfe);
  connect(fFeld, &QLineEdit::textChanged, ok,
          [ok](const QString& text) { ok->setEnabled(!text.isEmpty()); });
  ok->setEnabled(!kuerzel.isEmpty());
  layout->addWidget(knoepfe);
}

void TKuerzelAendernDialog::accept() {
  if (fFeld->text().isEmpty() || !fAnnehmen(fFeld->text())) return;
  QDialog::accept();
}

}  // namespace orbato
