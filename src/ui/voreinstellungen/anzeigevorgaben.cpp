#include "ui/voreinstellungen/anzeigevorgaben.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/fenster/spaltenbreiten.h"
#include "platform/qttextmass.h"
#include "ui/bausteine/datumsfeld.h"
#include "ui/bausteine/schriftfeld.h"

namespace orbato {
namespace {

template <class D>
void Aendern(QWidget* eltern, TStandard& standard, TSchule* schule) {
  D dialog(standard, eltern);
  if (dialog.exec() != QDialog::Accepted) return;
  TQtTextMass mass;
  BerechnePlnBreite(standard, mass);
  BerechneDepBreite(standard, mass);
  if (schule) schule->FensterAktualisieren();
}

}  // namespace

void PlanVorgabenAendern(QWidget* eltern, TStandard& standard, TSchule* schule) {
  Aendern<TPlanVorgabenDialog>(eltern, standard, schule);
}

void DeputatVorgabenAendern(QWidget* eltern, TStandard& standard, TSchule* schule) {
  Aendern<TDeputatVorgabenDialog>(eltern, standard, schule);
}

TPlanVorgabenDialog::TPlanVorgabenDialog(TStandard& standard, QWidget* eltern)
    : TVoreinstellungsDialog(QStringLiteral("Voreinstellung für Pläne"), eltern),
      fStandard(standard),
      fSchrift(new TSchriftFeld(standard.fPlnFont, this)) {
  fSchrift->setObjectName(QStringLiteral("schrift"));
  Formular()->addRow(QStringLiteral("Schrift"), fSchrift);
  fNeben = Schaltfeld(QStringLiteral("Kürzel nebeneinander"), "neben", standard.fNebenEinander);
  fMitRaum = Schaltfeld(QStringLiteral("mit Raum"), "mitRaum", standard.fMitRaum);
  fKoppFett = Schaltfeld(QStringLiteral("Kopplungen fett"), "koppFett", standard.fPlnKoppFett);
  fManArt = new QComboBox(this);
  fManArt->setObjectName(QStringLiteral("manArt"));
  fManArt->addItems({QStringLiteral("ein Plan"), QStringLiteral("zwei nebeneinander"),
                     QStringLiteral("zwei untereinander"), QStringLiteral("drei nebeneinander"),
                     QStringLiteral("zwei über einem"), QStringLiteral("vier in zwei Reihen")});
  fManArt->setCurrentIndex(std::clamp(standard.fManArt, 0, 5));
  Formular()->addRow(QStringLiteral("Pläne im Fenster \"Manuell\""), fManArt);
  fManZeigKopp = Schaltfeld(QStringLiteral("Kopplungen im Fenster \"Manuell\" zeigen"),
                            "manZeigKopp", standard.fManZeigKopp);
}

void TPlanVorgabenDialog::accept() {
  fStandard.fPlnFont = fSchrift->Schrift();
  fStandard.fNebenEinander = fNeben->isChecked();
  fStandard.fMitRaum = fMitRaum->isChecked();
  fStandard.fPlnKoppFett = fKoppFett->isChecked();
  fStandard.fManArt = fManArt->currentIndex();
  fStandard.fManZeigKopp = fManZeigKopp->isChecked();
  QDialog::accept();
}

TDeputatVorgabenDialog::TDeputatVorgabenDialog(TStandard& standard, QWidget* eltern)
    : TVoreinstellungsDialog(QStringLiteral("Voreinstellung für Deputate"), eltern),
      fStandard(standard),
      fSchrift(new TSchriftFeld(standard.fDepFont, this)) {
  fSchrift->setObjectName(QStringLiteral("schrift"));
  Formular()->addRow(QStringLiteral("Schrift"), fSchrift);
  fNullStd =
      Schaltfeld(QStringLiteral("Kurse ohne Stunden zeigen"), "nullStd", standard.fMitNullStd);
  fKursInfo = Schaltfeld(QStringLiteral("mit Kursinfo"), "kursInfo", standard.fMitKursInfo);
  fZusatzInfo = Schaltfeld(QStringLiteral("mit Zusatzinfo"), "zusatzInfo", standard.fMitZusatzInfo);
  fStatistik = Schaltfeld(QStringLiteral("mit Statistik"), "statistik", standard.fMitStatistik);
  fVon = DatumsFeld(standard.fDepVon, this);
  fVon->setObjectName(QStringLiteral("von"));
  Formular()->addRow(QStringLiteral("Statistik vom"), fVon);
  fBis = DatumsFeld(standard.fDepBis, this);
  fBis->setObjectName(QStringLiteral("bis"));
  Formular()->addRow(QStringLiteral("bis zum"), fBis);
}

void TDeputatVorgabenDialog::accept() {
  fStandard.fDepFont = fSchrift->Schrift();
  fStandard.fMitNullStd = fNullStd->isChecked();
  fStandard.fMitKursInfo = fKursInfo->isChecked();
  fStandard.fMitZusatzInfo = fZusatzInfo->isChecked();
  fStandard.fMitStatistik = fStatistik->isChecked();
  fStandard.fDepVon = FeldDatum(fVon);
  fStandard.fDepBis = FeldDatum(fBis);
  QDialog::accept();
}

}  // namespace orbato
