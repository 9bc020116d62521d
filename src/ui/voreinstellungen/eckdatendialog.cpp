#include "ui/voreinstellungen/eckdatendialog.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/qttext.h"

namespace orbato {

TEckdatenDialog::TEckdatenDialog(const TEckdaten& werte, QWidget* eltern)
    : TVoreinstellungsDialog(QStringLiteral("Voreinstellung für Eckdaten"), eltern),
      fTage(new QButtonGroup(this)) {
  auto* tage = new QVBoxLayout;
  for (int n = 5; n <= 7; ++n) {
    auto* knopf = new QRadioButton(QStringLiteral("%1-Tagewoche").arg(n), this);
    knopf->setChecked(n == werte.fTage);
    fTage->addButton(knopf, n);
    tage->addWidget(knopf);
  }
  Formular()->addRow(QStringLiteral("Tage pro Woche"), tage);
  fPlnStd = Zahl(QStringLiteral("Stunden pro Tag"), "plnStd", 1, 16, werte.fPlnStd);
  fVersionen = Zahl(QStringLiteral("Maximale\nVersionszahl"), "versionen", 1, 54, werte.fVersionen);
  fDivisor = Zahl(QStringLiteral("Kleinste Zeiteinheit\n(Teile einer Stunde)"), "divisor", 1, 100,
                  werte.fDivisor);
  fVorKomma = Zahl(QStringLiteral("Stellen vor dem Komma"), "vorKomma", 1, 3, werte.fVorKomma);
  fNachKomma = Zahl(QStringLiteral("Stellen nach dem Komma"), "nachKomma", 0, 3, werte.fNachKomma);
  fVertrMerke =
      Zahl(QStringLiteral("Vertretungen merken\n(Tage)"), "vertrMerke", 0, 9999, werte.fVertrMerke);
  fSpeicherZeit = Zahl(QStringLiteral("Erinnerung ans Sichern\n(Minuten, 0 = nie)"), "speicherZeit",
                       0, 9999, werte.fSpeicherZeit);
  fSchulname = new QLineEdit(this);
  fSchulname->setObjectName(QStringLiteral("schulname"));
  Formular()->addRow(QStringLiteral("Schulname"), fSchulname);
}

void TEckdatenDialog::SetSchulname(const std::string& schulname) {
  fSchulname->setText(QtText(schulname));
}

std::string TEckdatenDialog::Schulname() const {
  return ModellText(fSchulname->text());
}

TEckdaten TEckdatenDialog::Werte() const {
  TEckdaten w;
  w.fTage = fTage->checkedId() >= 5 ? fTage->checkedId() : 7;
  w.fPlnStd = fPlnStd->value();
  w.fVersionen = fVersionen->value();
  w.fDivisor = fDivisor->value();
  w.fVorKomma = fVorKomma->value();
  w.fNachKomma = fNachKomma->value();
  w.fVertrMerke = fVertrMerke->value();
  w.fSpeicherZeit = fSpeicherZeit->value();
  return w;
}

}  // namespace orbato
