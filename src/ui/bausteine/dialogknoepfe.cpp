#include "ui/bausteine/dialogknoepfe.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace orbato {

QDialogButtonBox* OkAbbrechen(QDialog* dialog) {
  auto* knoepfe = new QDialogButtonBox(dialog);
  knoepfe->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole)->setDefault(true);
  knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
  QObject::connect(knoepfe, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(knoepfe, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return knoepfe;
}

QPushButton* OkKnopf(QDialogButtonBox* knoepfe) {
  return qobject_cast<QPushButton*>(knoepfe->buttons().value(0));
}

TDruckKnoepfe DruckKnoepfe(QDialog* dialog, std::function<void()> ansehen) {
  auto* seite = new QWidget(dialog);
  auto* reihe = new QHBoxLayout(seite);
  reihe->setContentsMargins(0, 0, 0, 0);
  TDruckKnoepfe k{seite, new QPushButton(QStringLiteral("Ok"), seite),
                  new QPushButton(QStringLiteral("&Ansehen"), seite),
                  new QPushButton(QStringLiteral("Abbrechen"), seite)};
  k.ok->setDefault(true);
  k.ansehen->setAutoDefault(false);
  k.abbrechen->setAutoDefault(false);
  QObject::connect(k.ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(k.ansehen, &QPushButton::clicked, dialog, std::move(ansehen));
  QObject::connect(k.abbrechen, &QPushButton::clicked, dialog, &QDialog::reject);
  reihe->addStretch();
  for (QPushButton* b : {k.ok, k.ansehen, k.abbrechen}) reihe->addWidget(b);
  return k;
}

}  // namespace orbato
