#include "ui/drucken/htmlfarbendialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <cstdio>
#include <filesystem>

#include "html/stilvorlage.h"
#include "persist/streamfehler.h"
#include "platform/qttext.h"
#include "ui/bausteine/dialogknoepfe.h"
#include "ui/bausteine/qtdialoge.h"

namespace orbato {
namespace {

const char* const kFarbNamen[THTMLFarbenDialog::kFarbenZahl] = {
    "Hintergrund", "Text", "Überschriften", "Verweise",    "Hintergrund", "Text",
    "Hintergrund", "Text", "Rahmen",        "Hintergrund", "Text"};

QIcon Farbfeld(const QColor& farbe) {
  QPixmap feld(16, 16);
  feld.fill(farbe);
  QPainter(&feld).drawRect(0, 0, 15, 15);
  return QIcon(feld);
}

// A piece of a plan page and of a substitution page, with the classes the pages use.
QString Beispiel() {
  return QStringLiteral(
      "<h1>Gymnasium am See</h1><h2>Klassenplan 5a</h2>"
      "<table><tr><th><div class=\"Titel\">*</div></th><th><div class=\"Titel\">Mo</div></th>"
      "<th><div class=\"Titel\">Di</div></th></tr>"
      "<tr><th><div class=\"Titel\"> 1</div></th><td><div class=\"Plan\"><a href=\"#\">M&Uuml;</a>"
      " <a href=\"#\">D</a> <a href=\"#\">R12</a></div></td>"
      "<td><div class=\"Plan\">---</div></td></tr></table>"
      "<hr><h3>Vertretungsplan f&uuml;r Montag, 07. Sep 2026</h3>"
      "<table><tr><td><div class=\"Null\">M&Uuml; Meier</div></td>"
      "<td><div class=\"Null\"> 1 -  4</div></td></tr></table>"
      "<table><tr><th colspan=\"5\"><div class=\"Titel\">5a</div></th></tr>"
      "<tr><td><div class=\"Eins\"> 1</div></td><td><div class=\"Zwei\">M&Uuml; D R12</div></td>"
      "<td><div class=\"Drei\">==&gt;</div></td><td><div class=\"Vier\">SCH D R12</div></td>"
      "<td><div class=\"Fuenf\">Buch S. 12</div></td></tr>"
      "<tr><td><div class=\"Eins\"><div class=\"Adhoc\"> 2</div></div></td>"
      "<td><div class=\"Zwei\"><div class=\"Adhoc\">M&Uuml; E R12</div></div></td>"
      "<td><div class=\"Drei\"><div class=\"Adhoc\">==&gt;</div></div></td>"
      "<td><div class=\"Vier\"><div class=\"Adhoc\">-----</div></div></td>"
      "<td><div class=\"Fuenf\"><div class=\"Adhoc\">frei</div></div></td></tr></table>"
      "<p><a href=\"#\">zur&uuml;ck</a></p>");
}

QString OrdnerWaehlen(QWidget* eltern, const QString& start) {
  return QFileDialog::getExistingDirectory(eltern, QStringLiteral("Stylesheet schreiben"), start);
}

}  // namespace

THTMLFarbenDialog::THTMLFarbenDialog(TStandard& standard, QWidget* eltern)
    : QDialog(eltern),
      fStandard(standard),
      fFarben(standard.fHTMLFarben),
      fPfad(standard.fHTMLFarbenPfad),
      fEigeneFarben(standard.fCustomFarbe) {
  setWindowTitle(QStringLiteral("HTML-Farben"));
  fOrdnerWaehlen = [this](const QString& start) { return OrdnerWaehlen(this, start); };

  auto* seite = Farbgruppe(QStringLiteral("Seite"), {kHintergrund, kText, kUeberschrift, kVerweis});
  auto* form = static_cast<QFormLayout*>(seite->layout());
  fSchriftart = new QComboBox(seite);
  // The pages are read on other computers, so a font missing here may still be typed in.
  fSchriftart->setEditable(true);
  fSchriftart->addItems(QFontDatabase::families());
  form->addRow(QStringLiteral("Schriftart"), fSchriftart);
  fGroesse = new QSpinBox(seite);
  fGroesse->setRange(6, 72);
  fGroesse->setSuffix(QStringLiteral(" pt"));
  form->addRow(QStringLiteral("Schriftgröße"), fGroesse);
  auto* titel = Farbgruppe(QStringLiteral("Kopfzellen"), {kTitelHintergrund, kTitelText});
  fTitelFett = new QCheckBox(QStringLiteral("fett"), titel);
  static_cast<QFormLayout*>(titel->layout())->addRow(fTitelFett);

  auto* links = new QVBoxLayout;
  links->addWidget(seite);
  links->addWidget(titel);
  links->addWidget(
      Farbgruppe(QStringLiteral("Zellen"), {kPlanHintergrund, kPlanText, kPlanRahmen}));
  links->addWidget(Farbgruppe(QStringLiteral("Ad hoc"), {kAdhocHintergrund, kAdhocText}));
  links->addStretch();
  fVorschau = new QTextBrowser(this);
  fVorschau->setOpenLinks(false);
  fVorschau->setMinimumSize(420, 420);
  auto* oben = new QHBoxLayout;
  oben->addLayout(links);
  oben->addWidget(fVorschau, 1);

  auto* knoepfe = OkAbbrechen(this);
  connect(knoepfe->addButton(QStringLiteral("Standard"), QDialogButtonBox::ResetRole),
          &QPushButton::clicked, this, [this] { StandardZeigen(); });
  connect(
      knoepfe->addButton(QStringLiteral("Stylesheet schreiben..."), QDialogButtonBox::ActionRole),
      &QPushButton::clicked, this, [this] { StilvorlageSchreiben(); });
  // Not part of the look: "Standard" leaves it as it is.
  fMitDenSeiten =
      new QCheckBox(QStringLiteral("Stylesheet orbato.css mit den Seiten schreiben"), this);
  fMitDenSeiten->setChecked(standard.fStilvorlageSchreiben);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(oben);
  layout->addWidget(fMitDenSeiten);
  layout->addWidget(knoepfe);

  FelderZeigen();
  connect(fSchriftart, &QComboBox::currentTextChanged, this, [this] { Uebernehme(); });
  connect(fGroesse, &QSpinBox::valueChanged, this, [this] { Uebernehme(); });
  connect(fTitelFett, &QCheckBox::toggled, this, [this] { Uebernehme(); });
}

QWidget* THTMLFarbenDialog::Farbgruppe(const QString& titel, std::initializer_list<TFarbe> farben) {
  auto* gruppe = new QGroupBox(titel, this);
  auto* form = new QFormLayout(gruppe);
  for (const TFarbe f : farben) {
    auto* knopf = new QPushButton(QStringLiteral("Ändern..."), gruppe);
    knopf->setObjectName(QStringLiteral("farbe%1").arg(f));
    connect(knopf, &QPushButton::clicked, this, [this, f] { FarbeWaehlen(f); });
    fFarbKnoepfe[f] = knopf;
    form->addRow(QString::fromUtf8(kFarbNamen[f]), knopf);
  }
  return gruppe;
}

int32_t& THTMLFarbenDialog::Wert(TFarbe f) {
  int32_t* const werte[kFarbenZahl] = {&fFarben.Hintergrund,      &fFarben.Text,
                                       &fFarben.Ueberschrift,     &fFarben.Verweis,
                                       &fFarben.TitelHintergrund, &fFarben.TitelText,
                                       &fFarben.PlanHintergrund,  &fFarben.PlanText,
                                       &fFarben.PlanRahmen,       &fFarben.AdhocHintergrund,
                                       &fFarben.AdhocText};
  return *werte[f];
}

void THTMLFarbenDialog::FarbeWaehlen(TFarbe f) {
  for (int i = 0; i < 16; ++i) QColorDialog::setCustomColor(i, EigeneFarbe(fEigeneFarben[i]));
  QColorDialog dialog(QtFarbe(Wert(f)), this);
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  const bool ok = dialog.exec() == QDialog::Accepted;
  for (int i = 0; i < 16; ++i) fEigeneFarben[i] = EigeneFarbeText(QColorDialog::customColor(i));
  if (!ok) return;
  Wert(f) = ModellFarbe(dialog.selectedColor()) & 0xFFFFFF;
  FelderZeigen();
}

void THTMLFarbenDialog::StandardZeigen() {
  fFarben = THTMLFarben{};
  FelderZeigen();
}

void THTMLFarbenDialog::FelderZeigen() {
  for (int f = 0; f < kFarbenZahl; ++f) {
    fFarbKnoepfe[f]->setIcon(Farbfeld(QtFarbe(Wert(static_cast<TFarbe>(f)))));
  }
  {
    const QSignalBlocker a(fSchriftart), b(fGroesse), c(fTitelFett);
    fSchriftart->setCurrentText(QtText(fFarben.Schrift.Name));
    fGroesse->setValue(fFarben.Schrift.Groesse);
    fTitelFett->setChecked(fFarben.TitelFett);
  }
  VorschauZeigen();
}

void THTMLFarbenDialog::Uebernehme() {
  fFarben.Schrift = {ModellText(fSchriftart->currentText().trimmed()), fGroesse->value()};
  fFarben.TitelFett = fTitelFett->isChecked();
  VorschauZeigen();
}

// The sheet becomes the document's default style before the sample is set, so that it applies.
void THTMLFarbenDialog::VorschauZeigen() {
  fVorschau->document()->setDefaultStyleSheet(QtText(Stilvorlage(fFarben)));
  fVorschau->setHtml(Beispiel());
}

void THTMLFarbenDialog::StilvorlageSchreiben() {
  const std::string& start = fPfad.empty() ? fStandard.fHTMLPlanPfad : fPfad;
  const QString ordner = fOrdnerWaehlen(QtText(start));
  if (ordner.isEmpty()) return;
  TQtDialoge dialoge(this);
  const std::string ziel = QFile::encodeName(ordner).toStdString();
  const QString datei = QDir(ordner).filePath(QString::fromLatin1(kStilvorlageName));
  const std::string titel = ModellText(windowTitle());
  if (QFile::exists(datei) &&
      dialoge.Frage(
          titel,
          {ModellText(
               QStringLiteral("Die Datei %1 gibt es schon.").arg(QDir::toNativeSeparators(datei))),
           "Soll sie ersetzt werden?"},
          {"Ja", "Nein"}) != 0) {
    return;
  }
  try {
    SchreibeStilvorlage(ziel, fFarben);
  } catch (const TStreamFehler& f) {
    dialoge.Nachricht(titel, {"Das Stylesheet wurde nicht geschrieben.", f.what()},
                      TMeldungsArt::Fehler);
    return;
  }
  fPfad = ModellText(QDir::toNativeSeparators(QDir(ordner).absolutePath() + QLatin1Char('/')));
  dialoge.Nachricht(titel,
                    {ModellText(QStringLiteral("Das Stylesheet wurde als %1 geschrieben.")
                                    .arg(QDir::toNativeSeparators(datei))),
                     "Kopieren Sie es neben die HTML-Seiten, wenn es nicht schon dort liegt."},
                    TMeldungsArt::Information);
}

void THTMLFarbenDialog::accept() {
  fStandard.fHTMLFarben = fFarben;
  fStandard.fHTMLFarbenPfad = fPfad;
  fStandard.fStilvorlageSchreiben = fMitDenSeiten->isChecked();
  fStandard.fCustomFarbe = fEigeneFarben;
  QDialog::accept();
}

}  // namespace orbato
