#include "ui/stammdaten/kursfenster.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QCompleter>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringListModel>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/element.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/fenster/fenstertyp.h"
#include "model/kuerzel/kuerzelmenge.h"
#include "model/kurse/kurs.h"
#include "model/kurse/kurswahl.h"
#include "model/schnittstellen/dialoge.h"
#include "model/uv/stundenwert.h"
#include "platform/qttext.h"
#include "ui/bausteine/zeilenhoehe.h"
#include "ui/hauptfenster/fensterregister.h"
#include "ui/hauptfenster/fensterwege.h"
#include "ui/hauptfenster/menuedaten.h"
#include "ui/stammdaten/elementfelder.h"
#include "ui/stammdaten/sperrraster.h"

namespace orbato {
namespace {

constexpr TKuerzelArt kArten[5] = {leh, kla, kop, fac, rau};
// 7 days of 16 periods: the most lessons a version can hold, and so the lowest a course that is
// never placed may go.
constexpr int kWochenZellen = 112;

int32_t Versionen(const TStandard& s) {
  return s.fEineWoche ? 1 : s.WochenZahl();
}

void Setze(QSpinBox* feld, int von, int bis, int schritt, int wert) {
  const QSignalBlocker sperre(feld);
  feld->setRange(von, bis);
  feld->setSingleStep(schritt);
  feld->setValue(wert);
}

void Setze(QCheckBox* feld, bool wert) {
  const QSignalBlocker sperre(feld);
  feld->setChecked(wert);
}

void Setze(QLineEdit* feld, const QString& text) {
  const QSignalBlocker sperre(feld);
  if (feld->text() != text) feld->setText(text);
}

// The element of a typed short name: the exact one, else the only one that differs in case only.
TElement* GetipptesElement(const TSchule& schule, TKuerzelArt art, const QString& kuerzel) {
  TElement* aehnlich = nullptr;
  int treffer = 0;
  for (TElement* e : KuerzelElemente(schule, art)) {
    const QString name = QtText(e->fKuerzel.str());
    if (name == kuerzel) return e;
    if (name.compare(kuerzel, Qt::CaseInsensitive) == 0) {
      aehnlich = e;
      ++treffer;
    }
  }
  return treffer == 1 ? aehnlich : nullptr;
}

QSpinBox* Zahlfeld() {
  auto* feld = new QSpinBox;
  // A typed number takes effect when it is complete, not digit by digit.
  feld->setKeyboardTracking(false);
  return feld;
}

}  // namespace

TKursForm::TKursForm(TSchule& schule, TStandard& standard)
    : fLehrer(new QLineEdit),
      fFach(new QLineEdit),
      fKlassen(TextListe()),
      fKopplung(new QLineEdit),
      fRaeume(TextListe()),
      fStunden(Zahlfeld()),
      fVerplant(new QLabel),
      fFaktor(Zahlfeld()),
      fWert(new QLabel),
      fStdProTag(Zahlfeld()),
      fEinzelne(Zahlfeld()),
      fEinzelneHinweis(new QLabel),
      fTabelle(Zahlfeld()),
      fNichtVerplanen(new QCheckBox(QStringLiteral("nicht verplanen"))),
      fNichtZaehlenLe(new QCheckBox(QString::fromUtf8("nicht zählen Le"))),
      fNichtZaehlenKl(new QCheckBox(QString::fromUtf8("nicht zählen Kl"))),
      fSperrung(new TSperrRaster(standard)),
      fFarbe(new QLabel),
      fFarbeAendern(new QPushButton(QString::fromUtf8("Ändern"))),
      fInfo(new QLineEdit),
      fKlasseNeu(new QLineEdit),
      fRaumNeu(new QLineEdit),
      fKuerzel(new QPushButton(QString::fromUtf8("Kürzel"))),
      fSchule(schule),
      fStandard(standard) {
  setWindowTitle(QtText(FensterTypTitel(TFensterTyp::Kurs)));
  FensterRegister().Anmelden(TFensterTyp::Kurs, this);
  fSchule.FensterAnmelden("Kurs", this);
  Aufbauen();
  Verbinden();
  fMenuZeigen = [this](TMenu& menu) {
    fMenuOffen = true;
    // The button dies with the window, should the window close meanwhile.
    if (MenuUnterKnopf(menu, fKuerzel)) fMenuOffen = false;
  };
}

TKursForm::~TKursForm() {
  if (FensterRegister().Offen(TFensterTyp::Kurs) == this) {
    FensterRegister().Abmelden(this);
    fSchule.FensterAbmelden(this);
  }
}

TKursForm* TKursForm::Oeffnen(TSchule& schule, TStandard& standard, TKurs* kurs,
                              TListe<TKurs>* vater) {
  auto* form = FensterRegister().Offen<TKursForm>(TFensterTyp::Kurs);
  if (form == nullptr) form = new TKursForm(schule, standard);
  form->fKurs = kurs;
  form->fVater = vater;
  form->Anzeigen();
  // Shown and made the active window, whether it was open already or not.
  DokumentFensterZeigen(form);
  return form;
}

void TKursForm::FensterSchliessen() {
  if (FensterRegister().Offen(TFensterTyp::Kurs) == this) {
    FensterRegister().Abmelden(this);
    fSchule.FensterAbmelden(this);
  }
  fKurs = nullptr;
  RahmenSchliessen(this);
}

void TKursForm::FensterNachVorn() {
  RahmenNachVorn(this);
}

void TKursForm::KursEntfernt(const TKurs* kurs) {
  if (kurs == fKurs) FensterSchliessen();
}

void TKursForm::closeEvent(QCloseEvent* ereignis) {
  // A pop-up menu of the window still works on the course.
  if (fMenuOffen) {
    ereignis->ignore();
    return;
  }
  QWidget::closeEvent(ereignis);
}

void TKursForm::Aufbauen() {
  auto* layout = new QHBoxLayout(this);
  auto* links = new QVBoxLayout;
  links->addWidget(ElementTeil());
  links->addWidget(ZahlenTeil());
  layout->addLayout(links);
  layout->addWidget(SperrungsTeil(), 0, Qt::AlignTop);
}

QWidget* TKursForm::ElementTeil() {
  auto* teil = new QGroupBox;
  auto* raster = new QGridLayout(teil);
  for (QLineEdit* feld : {fLehrer, fFach, fKopplung}) feld->installEventFilter(this);
  for (QLineEdit* feld : {fKlasseNeu, fRaumNeu}) {
    feld->setPlaceholderText(QStringLiteral("Kürzel hinzufügen"));
  }
  const auto mitListe = [teil](QWidget* liste, QLineEdit* neu) {
    auto* spalte = new QVBoxLayout;
    spalte->setSpacing(2);
    spalte->addWidget(liste);
    spalte->addWidget(neu);
    return spalte;
  };
  fKlassen->setMaximumHeight(80);
  fRaeume->setMaximumHeight(80);
  fRaeume->viewport()->installEventFilter(this);
  raster->addWidget(new QLabel(QStringLiteral("Lehrer")), 0, 0);
  raster->addWidget(fLehrer, 0, 1);
  raster->addWidget(new QLabel(QStringLiteral("Fach")), 1, 0);
  raster->addWidget(fFach, 1, 1);
  raster->addWidget(new QLabel(QStringLiteral("Klassen")), 2, 0, Qt::AlignTop);
  raster->addLayout(mitListe(fKlassen, fKlasseNeu), 2, 1);
  raster->addWidget(new QLabel(QStringLiteral("Kopplung")), 3, 0);
  raster->addWidget(fKopplung, 3, 1);
  raster->addWidget(new QLabel(QString::fromUtf8("Räume")), 4, 0, Qt::AlignTop);
  raster->addLayout(mitListe(fRaeume, fRaumNeu), 4, 1);
  auto* arten = new QHBoxLayout;
  auto* gruppe = new QButtonGroup(teil);
  const char* const namen[5] = {"Lehrer", "Klasse", "Kopplung", "Fach", "Raum"};
  for (int i = 0; i < 5; ++i) {
    fArtKnopf[i] = new QRadioButton(QString::fromUtf8(namen[i]));
    gruppe->addButton(fArtKnopf[i], i);
    arten->addWidget(fArtKnopf[i]);
  }
  fArtKnopf[0]->setChecked(true);
  connect(gruppe, &QButtonGroup::idClicked, this, [this](int i) { fArt = kArten[i]; });
  arten->addWidget(fKuerzel);
  raster->addLayout(arten, 5, 0, 1, 2);
  return teil;
}

QWidget* TKursForm::ZahlenTeil() {
  auto* teil = new QGroupBox;
  auto* form = new QFormLayout(teil);
  form->addRow(QStringLiteral("Stunden"), fStunden);
  form->addRow(QStringLiteral("verplant"), fVerplant);
  form->addRow(QStringLiteral("Faktor"), fFaktor);
  form->addRow(QStringLiteral("Wert"), fWert);
  form->addRow(QStringLiteral("Std/Tag"), fStdProTag);
  form->addRow(QStringLiteral("Einzelne"), fEinzelne);
  fEinzelneHinweis->setObjectName(QStringLiteral("einzelneHinweis"));
  fEinzelneHinweis->setWordWrap(true);
  fEinzelneHinweis->hide();
  form->addRow(fEinzelneHinweis);
  form->addRow(QStringLiteral("Tabelle"), fTabelle);
  form->addRow(fNichtVerplanen);
  form->addRow(fNichtZaehlenLe);
  form->addRow(fNichtZaehlenKl);
  auto* farbe = new QHBoxLayout;
  fFarbe->setMinimumSize(40, 18);
  fFarbe->setAutoFillBackground(true);
  fFarbe->setFrameShape(QFrame::Box);
  farbe->addWidget(fFarbe);
  farbe->addWidget(fFarbeAendern);
  form->addRow(QStringLiteral("Farbe"), farbe);
  fInfo->setMaxLength(31);
  form->addRow(QStringLiteral("Info"), fInfo);
  return teil;
}

QWidget* TKursForm::SperrungsTeil() {
  auto* teil = new QGroupBox(QStringLiteral("Sperrung"));
  auto* layout = new QVBoxLayout(teil);
  fSperrung->fGezogen = [this](int32_t vonTag, int32_t vonStd, int32_t bisTag, int32_t bisStd) {
    SperrungZiehen(vonTag, vonStd, bisTag, bisStd);
  };
  layout->addWidget(fSperrung);
  return teil;
}

void TKursForm::Verbinden() {
  connect(fStunden, &QSpinBox::valueChanged, this, [this](int wert) {
    if (fKurs && fKurs->SetzeStunden(wert / Versionen(fStandard))) {
      EinzelneBegrenzen();
      Geaendert();
    }
    Anzeigen();
  });
  connect(fFaktor, &QSpinBox::valueChanged, this, [this](int wert) {
    fKurs->SetFaktor(wert);
    Geaendert();
  });
  connect(fStdProTag, &QSpinBox::valueChanged, this, [this](int wert) {
    fKurs->SetzeStdProTag(wert);
    Geaendert();
  });
  connect(fEinzelne, &QSpinBox::valueChanged, this, [this](int wert) {
    fEinzelneHinweis->hide();
    fKurs->SetEinzelStd(wert);
    Geaendert();
  });
  connect(fTabelle, &QSpinBox::valueChanged, this, [this](int wert) {
    fKurs->SetTabellenNr(wert);
    Geaendert();
  });
  connect(fNichtZaehlenLe, &QCheckBox::toggled, this, [this](bool an) {
    fKurs->SetnichtZaehlenLe(an);
    Geaendert();
  });
  connect(fNichtZaehlenKl, &QCheckBox::toggled, this, [this](bool an) {
    fKurs->SetnichtZaehlenKl(an);
    Geaendert();
  });
  connect(fNichtVerplanen, &QCheckBox::toggled, this, [this](bool an) {
    // Refused while hours are placed: the box goes back.
    if (fKurs->SetzeNichtVerplanen(an)) Geaendert();
    Anzeigen();
  });
  connect(fInfo, &QLineEdit::textEdited, this, [this](const QString& text) {
    fKurs->SetInfo(ModellText(text));
    Geaendert();
  });
  connect(fKuerzel, &QPushButton::clicked, this, [this] { KuerzelKlick(); });
  for (const auto& [feld, art] : EingabeFelder()) {
    auto* vorschlag = new QCompleter(new QStringListModel(feld), feld);
    vorschlag->setCaseSensitivity(Qt::CaseInsensitive);
    feld->setCompleter(vorschlag);
    connect(feld, &QLineEdit::returnPressed, this,
            [this, feld, art] { KuerzelEingegeben(art, feld->text()); });
  }
  connect(fFarbeAendern, &QPushButton::clicked, this, [this] { FarbeAendern(); });
  connect(fKlassen, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { FeldDoppelklick(kla, fKlassen->row(item)); });
  connect(fRaeume, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { FeldDoppelklick(rau, fRaeume->row(item)); });
}

void TKursForm::Anzeigen() {
  if (fKurs == nullptr) return;
  const TKurs& k = *fKurs;
  Setze(fLehrer, QtText(KuerzelVon(k.fLehrer)));
  Setze(fFach, QtText(KuerzelVon(k.fFach)));
  Setze(fKopplung, QtText(KuerzelVon(k.fKopplung)));
  ListeSetzen(fKlassen, KuerzelTexte(k.fKlassen));
  ListeSetzen(fRaeume, KuerzelTexte(k.fRaeume));
  const int32_t w = Versionen(fStandard);
  const int32_t verplant = k.VerplanteStunden(-1);
  const int32_t stunden = k.fStunden.GetWochenStunde(-1);
  const int32_t unten = k.fNichtVerplanen ? -kWochenZellen * w : std::min(verplant, stunden);
  Setze(fStunden, unten, kWochenZellen * w, w, stunden);
  fVerplant->setText(QString::number(verplant));
  Setze(fFaktor, 0, 10000, 1, k.fFaktor);
  fWert->setText(QtText(StundenWert(stunden * k.fFaktor)).trimmed());
  Setze(fStdProTag, 1, 16, 1, k.fStdProTag);
  Setze(fEinzelne, 0, std::max(EinzelneHoechstens(), k.fEinzelStd), 1, k.fEinzelStd);
  fEinzelne->setToolTip(QStringLiteral("höchstens %1: nicht mehr als die Stunden des Kurses und "
                                       "die Tage der Woche")
                            .arg(EinzelneHoechstens()));
  Setze(fTabelle, 1, 4, 1, k.fTabellenNr);
  Setze(fNichtVerplanen, k.fNichtVerplanen);
  Setze(fNichtZaehlenLe, k.fNichtZaehlenLe);
  Setze(fNichtZaehlenKl, k.fNichtZaehlenKl);
  QPalette farbe = fFarbe->palette();
  farbe.setColor(QPalette::Window, QtFarbe(k.fColor));
  fFarbe->setPalette(farbe);
  Setze(fInfo, QtText(k.fInfo.str()));
  Vervollstaendigen();
  fSperrung->Anzeigen(k.fSperrung, k.fBesetzung, QtFarbe(k.fColor));
}

int32_t TKursForm::EinzelneHoechstens() const {
  if (fKurs == nullptr) return 0;
  const int32_t stunden = fKurs->fStunden.GetWochenStunde(-1) / Versionen(fStandard);
  return std::clamp(stunden, 0, fStandard.fMaxTageNeu);
}

// Fewer hours than single ones would make the single ones a rule nobody can keep.
void TKursForm::EinzelneBegrenzen() {
  const int32_t hoechstens = EinzelneHoechstens();
  if (fKurs->fEinzelStd <= hoechstens) return;
  fKurs->SetEinzelStd(hoechstens);
  fEinzelneHinweis->setText(
      QStringLiteral("„Einzelne“ auf %1 gesenkt: nicht mehr als die Stunden des Kurses.")
          .arg(hoechstens));
  fEinzelneHinweis->show();
}

void TKursForm::Geaendert() {
  fSchule.SetDirty();
  // This window is among the open ones and redraws with them.
  fSchule.FensterAktualisieren();
}

void TKursForm::ArtWaehlen(TKuerzelArt art) {
  fArt = art;
  for (int i = 0; i < 5; ++i) {
    if (kArten[i] == art) fArtKnopf[i]->setChecked(true);
  }
}

TMenu TKursForm::KuerzelMenu() {
  TMenu menu = fKurs ? KursWahlMenu(*fKurs, fArt) : TMenu{};
  // Every choice redraws the windows, whether or not the rules let it change the course.
  NachJedemBefehl(menu, [this] { Geaendert(); });
  return menu;
}

void TKursForm::KuerzelKlick() {
  TMenu menu = KuerzelMenu();
  fMenuZeigen(menu);
}

void TKursForm::FeldDoppelklick(TKuerzelArt art, int zeile) {
  ArtWaehlen(art);
  if (fKurs == nullptr || fSchule.fToolArt != LoeschTool) return;
  TElement* element = nullptr;
  switch (art) {
    case leh:
      element = fKurs->fLehrer;
      break;
    case kla:
      element = fKurs->fKlassen.ListeNrInhalt(zeile + 1);
      break;
    case kop:
      element = fKurs->fKopplung;
      break;
    case fac:
      element = fKurs->fFach;
      break;
    case rau:
      element = fKurs->fRaeume.ListeNrInhalt(zeile + 1);
      break;
    default:
      return;
  }
  if (element && KursElementEntfernen(*fKurs, art, element)) Geaendert();
}

void TKursForm::SperrungZiehen(int32_t vonTag, int32_t vonStd, int32_t bisTag, int32_t bisStd) {
  if (fKurs == nullptr) return;
  fKurs->SperrungZiehen(vonTag, vonStd, bisTag, bisStd);
  Geaendert();
}

void TKursForm::RaumZiehen(int von, int nach) {
  if (fKurs == nullptr || von == nach || von < 0 || nach < 0) return;
  if (nach >= fKurs->fRaeume.ListeZahlElemente()) return;
  fKurs->RaeumeTauschen(von + 1, nach + 1);
  Geaendert();
  fRaeume->setCurrentRow(nach);
}

void TKursForm::FarbeAendern() {
  if (fKurs == nullptr) return;
  TStandard& s = fStandard;
  for (int i = 0; i < 16; ++i) QColorDialog::setCustomColor(i, EigeneFarbe(s.fCustomFarbe[i]));
  QColorDialog dialog(QtFarbe(fKurs->fColor), this);
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  const bool ok = dialog.exec() == QDialog::Accepted;
  // The custom colours are the user's palette, kept whether or not a colour was taken.
  for (int i = 0; i < 16; ++i) s.fCustomFarbe[i] = EigeneFarbeText(QColorDialog::customColor(i));
  if (!ok || fKurs == nullptr) return;
  fKurs->SetColor(ModellFarbe(dialog.selectedColor()));
  Geaendert();
}

std::array<std::pair<QLineEdit*, TKuerzelArt>, 5> TKursForm::EingabeFelder() const {
  return {{{fLehrer, leh}, {fFach, fac}, {fKopplung, kop}, {fKlasseNeu, kla}, {fRaumNeu, rau}}};
}

void TKursForm::Vervollstaendigen() {
  for (const auto& [feld, art] : EingabeFelder()) {
    QStringList kuerzel;
    for (const TElement* e : KuerzelElemente(fSchule, art)) kuerzel << QtText(e->fKuerzel.str());
    auto* modell = static_cast<QStringListModel*>(feld->completer()->model());
    if (modell->stringList() != kuerzel) modell->setStringList(kuerzel);
  }
}

void TKursForm::KuerzelEingegeben(TKuerzelArt art, const QString& text) {
  const QString kuerzel = text.trimmed();
  TElement* element = kuerzel.isEmpty() ? nullptr : GetipptesElement(fSchule, art, kuerzel);
  if (fKurs != nullptr && !kuerzel.isEmpty()) {
    if (element == nullptr) {
      fSchule.Dialog().Nachricht(
          "Kurs", {"Das K\xFCrzel \x84" + ModellText(kuerzel) + "\x93 gibt es nicht."},
          TMeldungsArt::Warnung);
    } else if (KursElementWaehlen(*fKurs, art, element)) {
      Geaendert();
    } else if (KursVerplant(*fKurs) && !KursNennt(*fKurs, art, element)) {
      fSchule.Dialog().Nachricht("Kurs",
                                 {"Lehrer, Klassen und Kopplung eines Kurses \xE4ndern sich nur,",
                                  "solange keine seiner Stunden gesetzt ist."},
                                 TMeldungsArt::Warnung);
    }
  }
  fKlasseNeu->clear();
  fRaumNeu->clear();
  Anzeigen();
}

bool TKursForm::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt == fRaeume->viewport()) return RaumMaus(ereignis);
  if (ereignis->type() == QEvent::MouseButtonDblClick) {
    if (objekt == fLehrer) FeldDoppelklick(leh);
    if (objekt == fFach) FeldDoppelklick(fac);
    if (objekt == fKopplung) FeldDoppelklick(kop);
  }
  return QWidget::eventFilter(objekt, ereignis);
}

// Dragging a room: each row the pointer enters exchanges its room with the one being dragged.
bool TKursForm::RaumMaus(QEvent* ereignis) {
  const auto* maus = dynamic_cast<QMouseEvent*>(ereignis);
  if (maus == nullptr) return false;
  const int zeile = fRaeume->indexAt(maus->position().toPoint()).row();
  switch (ereignis->type()) {
    case QEvent::MouseButtonPress:
      if (maus->button() == Qt::LeftButton) fZiehRaum = zeile;
      return false;
    case QEvent::MouseMove:
      if (fZiehRaum >= 0 && zeile >= 0 && zeile != fZiehRaum &&
          (maus->buttons() & Qt::LeftButton)) {
        RaumZiehen(fZiehRaum, zeile);
        fZiehRaum = zeile;
      }
      return false;
    case QEvent::MouseButtonRelease:
      fZiehRaum = -1;
      return false;
    default:
      return false;
  }
}

}  // namespace orbato
