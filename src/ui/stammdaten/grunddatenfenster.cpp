#include "ui/stammdaten/grunddatenfenster.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <string>

#include "model/dokument/schule.h"
#include "model/elemente/fach.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/planelement.h"
#include "model/elemente/raum.h"
#include "model/fenster/grunddaten.h"
#include "model/uv/uvtab.h"
#include "ui/bausteine/zeilenhoehe.h"
#include "ui/hauptfenster/fensterwege.h"
#include "ui/hauptfenster/menuedaten.h"
#include "ui/stammdaten/klassengrunddaten.h"
#include "ui/stammdaten/lehrergrunddaten.h"
#include "ui/stammdaten/sperrraster.h"
#include "ui/stammdaten/uvtabgrunddaten.h"

namespace orbato {

TGrForm::TGrForm(TSchule& schule, TStandard& standard, TElement* element, TFensterTyp typ)
    : fInfo(new QLineEdit),
      fSchule(schule),
      fStandard(standard),
      fElement(element),
      fTyp(typ),
      fForm(new QFormLayout) {
  setWindowTitle(QtText(GrunddatenTitel(*element)));
  element->SetGrDatFenster(this);
  // A teacher and a subject may share a short name: the kind keeps their entries apart.
  fSchule.FensterAnmelden(FensterTitel() + " " + std::to_string(Nr(typ)), this);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(fForm);
  fInfo->setMaxLength(31);
  connect(fInfo, &QLineEdit::textEdited, this, [this](const QString& text) {
    fElement->SetInfo(ModellText(text));
    Geaendert();
  });
  fMenuZeigen = [](TMenu& menu, QWidget* knopf) { MenuUnterKnopf(menu, knopf); };
}

TGrForm::~TGrForm() {
  if (fElement && fElement->fGrDatFenster == this) fElement->SetGrDatFenster(nullptr);
  fSchule.FensterAbmelden(this);
}

void TGrForm::FensterSchliessen() {
  if (fElement && fElement->fGrDatFenster == this) fElement->SetGrDatFenster(nullptr);
  fElement = nullptr;
  fSchule.FensterAbmelden(this);
  RahmenSchliessen(this);
}

void TGrForm::FensterNachVorn() {
  RahmenNachVorn(this);
}

std::string TGrForm::FensterTitel() const {
  return ModellText(windowTitle());
}

void TGrForm::Anzeigen() {
  if (fElement == nullptr) return;
  const QSignalBlocker sperre(fInfo);
  const QString info = QtText(fElement->fInfo.str());
  if (fInfo->text() != info) fInfo->setText(info);
  if (auto* planElement = dynamic_cast<TPlanElement*>(fElement); planElement && fSperrung)
    fSperrung->Anzeigen(planElement->fSperrung, planElement->fBesetzung, Qt::white);
}

void TGrForm::Geaendert() {
  fSchule.SetDirty();
  // This window is among the open ones and redraws with them.
  fSchule.FensterAktualisieren();
}

void TGrForm::SperrungAnlegen() {
  fSperrung = new TSperrRaster(fStandard);
  fSperrung->fGezogen = [this](int32_t vonTag, int32_t vonStd, int32_t bisTag, int32_t bisStd) {
    SperrungZiehen(vonTag, vonStd, bisTag, bisStd);
  };
  auto* layout = static_cast<QHBoxLayout*>(this->layout());
  layout->addWidget(fSperrung, 0, Qt::AlignTop);
}

void TGrForm::SperrungZiehen(int32_t vonTag, int32_t vonStd, int32_t bisTag, int32_t bisStd) {
  auto* planElement = dynamic_cast<TPlanElement*>(fElement);
  if (planElement == nullptr) return;
  planElement->SperrungZiehen(vonTag, vonStd, bisTag, bisStd);
  Geaendert();
}

void TGrForm::MenuZeigen(TMenu menu, QWidget* knopf) {
  // Whatever is chosen, the windows redraw.
  NachJedemBefehl(menu, [this] { Geaendert(); });
  fMenuZeigen(menu, knopf);
}

TKoGrForm::TKoGrForm(TSchule& schule, TStandard& standard, TKopplung* kopplung)
    : TGrForm(schule, standard, kopplung, TFensterTyp::KopplungsGrunddaten) {
  Form()->addRow(QStringLiteral("Info"), fInfo);
  Anzeigen();
}

TRaGrForm::TRaGrForm(TSchule& schule, TStandard& standard, TRaum* raum)
    : TGrForm(schule, standard, raum, TFensterTyp::RaumGrunddaten) {
  Form()->addRow(QStringLiteral("Info"), fInfo);
  SperrungAnlegen();
  Anzeigen();
}

TFaGrForm::TFaGrForm(TSchule& schule, TStandard& standard, TFach* fach)
    : TGrForm(schule, standard, fach, TFensterTyp::FachGrunddaten),
      fLehrer(TextListe()),
      fKlassen(TextListe()),
      fFach(fach) {
  Form()->addRow(QStringLiteral("Info"), fInfo);
  Form()->addRow(QStringLiteral("Lehrer"), fLehrer);
  Form()->addRow(QStringLiteral("Klassen"), fKlassen);
  connect(fLehrer, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { LehrerDoppelklick(fLehrer->row(item)); });
  Anzeigen();
}

void TFaGrForm::Anzeigen() {
  TGrForm::Anzeigen();
  if (Element() == nullptr) return;
  ListeSetzen(fLehrer, KuerzelTexte(fFach->fLehrer));
  ListeSetzen(fKlassen, KuerzelTexte(fFach->fKlassen));
}

void TFaGrForm::LehrerDoppelklick(int zeile) {
  if (Element() == nullptr || fSchule.fToolArt != LoeschTool) return;
  TLehrer* lehrer = fFach->fLehrer.ListeNrInhalt(zeile + 1);
  if (lehrer == nullptr) return;
  // Refused, with a message, while he still has lessons of the subject.
  if (lehrer->FachEntfernen(fFach)) Geaendert();
}

TGrForm* GrunddatenFensterOeffnen(TSchule& schule, TStandard& standard, TElement* element) {
  if (auto* offen = dynamic_cast<TGrForm*>(element->fGrDatFenster)) return offen;
  switch (element->Art()) {
    case leh:
      return new TLeGrForm(schule, standard, static_cast<TLehrer*>(element));
    case kla:
      return new TKlGrForm(schule, standard, static_cast<TKlasse*>(element));
    case kop:
      return new TKoGrForm(schule, standard, static_cast<TKopplung*>(element));
    case fac:
      return new TFaGrForm(schule, standard, static_cast<TFach*>(element));
    case rau:
      return new TRaGrForm(schule, standard, static_cast<TRaum*>(element));
    case uvt:
      return new TUVGrForm(schule, standard, static_cast<TUVTab*>(element));
    default:
      return nullptr;
  }
}

}  // namespace orbato
