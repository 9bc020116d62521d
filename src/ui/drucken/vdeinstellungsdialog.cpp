#include "ui/drucken/vdeinstellungsdialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/qttext.h"
#include "ui/bausteine/dialogknoepfe.h"

namespace orbato {
namespace {

QString OhneMarke(QString text) {
  return text.remove(QLatin1Char('&'));
}

// The group a check box sits in, by its title without the "&" mark; "" outside any group.
QString GruppeVon(const QWidget* feld) {
  for (const QWidget* w = feld->parentWidget(); w != nullptr; w = w->parentWidget()) {
    if (const auto* gruppe = qobject_cast<const QGroupBox*>(w)) return OhneMarke(gruppe->title());
  }
  return QString();
}

}  // namespace

TVDEinstellungsDialog::TVDEinstellungsDialog(TVDEinstellung& einstellung, int nummer,
                                             QWidget* eltern)
    : QDialog(eltern), fEinstellung(einstellung) {
  setWindowTitle(QStringLiteral("Einstellung %1").arg(nummer));
  const TVDEinstellung& e = fEinstellung;
  auto* teile = new QVBoxLayout;
  teile->addWidget(Teil(QStringLiteral("&Vertretungsplan"), e.PlanDrucken, fPlanSortierung,
                        {QStringLiteral("Klassen"), QStringLiteral("vertr. Lehrern"),
                         QStringLiteral("fehl. Lehrern"), QStringLiteral("Stunden")},
                        e.PlanSortierung));
  teile->addWidget(Teil(QStringLiteral("&Ersatzraumplan"), e.ErsatzDrucken, fErsatzSortierung,
                        {QStringLiteral("Klassen"), QStringLiteral("Lehrern"),
                         QStringLiteral("Räumen"), QStringLiteral("Stunden")},
                        e.ErsatzSortierung));
  auto* kurse = new QHBoxLayout;
  kurse->addWidget(
      Kurs(QStringLiteral("&Originalkurs"), e.OrigLehrer, e.OrigKlasse, e.OrigFach, e.OrigRaum));
  kurse->addWidget(Kurs(QStringLiteral("Vertretungs&kurs"), e.VertrLehrer, e.VertrKlasse,
                        e.VertrFach, e.VertrRaum));
  teile->addLayout(kurse);
  teile->addStretch();
  auto* oben = new QHBoxLayout;
  oben->addLayout(teile);
  oben->addWidget(Optionen());
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(oben);
  layout->addWidget(Datei());
  layout->addWidget(OkAbbrechen(this));
}

QCheckBox* TVDEinstellungsDialog::NeuerSchalter(const QString& text, bool wert, QWidget* eltern) {
  auto* feld = new QCheckBox(text, eltern);
  feld->setChecked(wert);
  return feld;
}

// A part of the printout: whether it is printed, and its order; an order out of range shows the
// first.
QGroupBox* TVDEinstellungsDialog::Teil(const QString& titel, bool drucken, QComboBox*& sortierung,
                                       const QStringList& ordnungen, int ordnung) {
  auto* gruppe = new QGroupBox(titel, this);
  auto* form = new QFormLayout(gruppe);
  form->addRow(NeuerSchalter(QStringLiteral("Drucken"), drucken, gruppe));
  sortierung = new QComboBox(gruppe);
  sortierung->addItems(ordnungen);
  sortierung->setCurrentIndex(ordnung >= 0 && ordnung < ordnungen.size() ? ordnung : 0);
  form->addRow(QStringLiteral("sortiert nach"), sortierung);
  return gruppe;
}

// What a side of a substitution row names: the planned course or the substitute.
QGroupBox* TVDEinstellungsDialog::Kurs(const QString& titel, bool lehrer, bool klasse, bool fach,
                                       bool raum) {
  auto* gruppe = new QGroupBox(titel, this);
  auto* spalte = new QVBoxLayout(gruppe);
  spalte->addWidget(NeuerSchalter(QStringLiteral("mit Lehrer"), lehrer, gruppe));
  spalte->addWidget(NeuerSchalter(QStringLiteral("mit Klasse"), klasse, gruppe));
  spalte->addWidget(NeuerSchalter(QStringLiteral("mit Fach"), fach, gruppe));
  spalte->addWidget(NeuerSchalter(QStringLiteral("mit Raum"), raum, gruppe));
  return gruppe;
}

QWidget* TVDEinstellungsDialog::Optionen() {
  const TVDEinstellung& e = fEinstellung;
  auto* seite = new QWidget(this);
  auto* spalte = new QVBoxLayout(seite);
  spalte->setContentsMargins(0, 0, 0, 0);
  const std::pair<const char*, bool> schalter[] = {
      {"mit Ko&pplungen", e.MitKopplungen},
      {"mit &Datum", e.MitDatum},
      {"mit allg. &Bemerkungen", e.MitAllgBem},
      {"mit fehl. &Lehrern", e.MitFehlLehrern},
      {"mit fehl. Kl&assen", e.MitFehlKlassen},
      {"mit fehl. &Räumen", e.MitFehlRaeumen},
      {"mit Fehl&grund", e.MitFehlgrund},
      {"mit Ad &hoc", e.MitAdHoc},
      {"n&ur Ad hoc", e.NurAdHoc},
      {"mit&Farbe", e.MitFarbe},
      {"mitKalender&woche", e.MitKalenderwoche},
      {"Folge&tag", e.Folgetag},
      {"ohne Namen fehlender Lehrer", e.OhneFehlendeLehrer},
  };
  for (const auto& [text, wert] : schalter) {
    spalte->addWidget(NeuerSchalter(QString::fromUtf8(text), wert, seite));
  }
  Schalter({}, QStringLiteral("ohne Namen fehlender Lehrer"))
      ->setToolTip(QStringLiteral(
          "Für Aushänge: keine Liste der fehlenden Lehrer, kein Lehrer auf der Seite des "
          "Originalkurses und keine Gruppen nach fehlenden Lehrern; nur die Vertretung wird "
          "genannt."));
  spalte->addStretch();
  return seite;
}

// The HTML file of the four-file export and the three choices of names and remarks.
QWidget* TVDEinstellungsDialog::Datei() {
  const TVDEinstellung& e = fEinstellung;
  auto* seite = new QWidget(this);
  auto* raster = new QGridLayout(seite);
  raster->setContentsMargins(0, 0, 0, 0);
  raster->addWidget(
      Wahl(QStringLiteral("Lehrer al&s"), {QStringLiteral("Kürzel"), QStringLiteral("Info")},
           e.LehrerBezeichnung, fLehrerBezeichnung),
      0, 0);
  raster->addWidget(Wahl(QStringLiteral("Bemerku&ng"),
                         {QStringLiteral("Lehrerbemerkung"), QStringLiteral("Schülerbemerkung")},
                         e.Bemerkung, fBemerkung),
                    0, 1);
  raster->addWidget(Wahl(QStringLiteral("Pos&ition der Bemerkung"),
                         {QStringLiteral("in der Zeile"), QStringLiteral("unter der Zeile")},
                         e.BemerkungPosition, fBemerkungPosition),
                    0, 2);
  auto* pfad = new QHBoxLayout;
  fHTMLPfad = new QLineEdit(QtText(e.HTMLPfad), seite);
  fHTMLPfad->setMinimumWidth(fHTMLPfad->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 30);
  auto* name = new QLabel(QStringLiteral("HT&ML-Datei"), seite);
  name->setBuddy(fHTMLPfad);
  fPfadKnopf = new QToolButton(seite);
  fPfadKnopf->setText(QStringLiteral("..."));
  fPfadKnopf->setToolTip(QStringLiteral("HTML-Datei wählen"));
  connect(fPfadKnopf, &QToolButton::clicked, this, [this] { PfadWaehlen(); });
  pfad->addWidget(name);
  pfad->addWidget(fHTMLPfad, 1);
  pfad->addWidget(fPfadKnopf);
  raster->addLayout(pfad, 1, 0, 1, 3);
  return seite;
}

// A group of radio buttons whose ids are the stored values 0, 1, …; a value out of range selects
// the first.
QGroupBox* TVDEinstellungsDialog::Wahl(const QString& titel, const QStringList& texte, int wert,
                                       QButtonGroup*& gruppe) {
  auto* kasten = new QGroupBox(titel, this);
  auto* spalte = new QVBoxLayout(kasten);
  gruppe = new QButtonGroup(kasten);
  for (int i = 0; i < texte.size(); ++i) {
    auto* knopf = new QRadioButton(texte[i], kasten);
    gruppe->addButton(knopf, i);
    spalte->addWidget(knopf);
  }
  gruppe->button(wert >= 0 && wert < texte.size() ? wert : 0)->setChecked(true);
  return kasten;
}

void TVDEinstellungsDialog::PfadWaehlen() {
  const QString vorschlag = fHTMLPfad->text();
  const QString pfad =
      fDateiWaehlen ? fDateiWaehlen(vorschlag)
                    : QFileDialog::getSaveFileName(this, QStringLiteral("HTML-Datei"), vorschlag,
                                                   QStringLiteral("HTML-Dateien (*.html)"));
  if (!pfad.isEmpty()) fHTMLPfad->setText(pfad);
}

QCheckBox* TVDEinstellungsDialog::Schalter(const QString& gruppe, const QString& text) const {
  for (QCheckBox* feld : findChildren<QCheckBox*>()) {
    if (OhneMarke(feld->text()) == text && GruppeVon(feld) == gruppe) return feld;
  }
  return nullptr;
}

bool TVDEinstellungsDialog::An(const QString& gruppe, const QString& text) const {
  const QCheckBox* feld = Schalter(gruppe, text);
  return feld != nullptr && feld->isChecked();
}

TVDEinstellung TVDEinstellungsDialog::Werte() const {
  TVDEinstellung e;
  const QString plan = QStringLiteral("Vertretungsplan");
  const QString ersatz = QStringLiteral("Ersatzraumplan");
  const QString orig = QStringLiteral("Originalkurs");
  const QString vertr = QStringLiteral("Vertretungskurs");
  e.PlanDrucken = An(plan, QStringLiteral("Drucken"));
  e.PlanSortierung = fPlanSortierung->currentIndex();
  e.ErsatzDrucken = An(ersatz, QStringLiteral("Drucken"));
  e.ErsatzSortierung = fErsatzSortierung->currentIndex();
  e.MitKopplungen = An({}, QStringLiteral("mit Kopplungen"));
  e.MitDatum = An({}, QStringLiteral("mit Datum"));
  e.MitAllgBem = An({}, QStringLiteral("mit allg. Bemerkungen"));
  e.MitFehlLehrern = An({}, QStringLiteral("mit fehl. Lehrern"));
  e.MitFehlKlassen = An({}, QStringLiteral("mit fehl. Klassen"));
  e.MitFehlRaeumen = An({}, QStringLiteral("mit fehl. Räumen"));
  e.MitFehlgrund = An({}, QStringLiteral("mit Fehlgrund"));
  e.MitAdHoc = An({}, QStringLiteral("mit Ad hoc"));
  e.NurAdHoc = An({}, QStringLiteral("nur Ad hoc"));
  e.MitFarbe = An({}, QStringLiteral("mitFarbe"));
  e.OrigLehrer = An(orig, QStringLiteral("mit Lehrer"));
  e.OrigKlasse = An(orig, QStringLiteral("mit Klasse"));
  e.OrigFach = An(orig, QStringLiteral("mit Fach"));
  e.OrigRaum = An(orig, QStringLiteral("mit Raum"));
  e.VertrLehrer = An(vertr, QStringLiteral("mit Lehrer"));
  e.VertrKlasse = An(vertr, QStringLiteral("mit Klasse"));
  e.VertrFach = An(vertr, QStringLiteral("mit Fach"));
  e.VertrRaum = An(vertr, QStringLiteral("mit Raum"));
  e.MitKalenderwoche = An({}, QStringLiteral("mitKalenderwoche"));
  e.Folgetag = An({}, QStringLiteral("Folgetag"));
  e.OhneFehlendeLehrer = An({}, QStringLiteral("ohne Namen fehlender Lehrer"));
  e.HTMLPfad = ModellText(fHTMLPfad->text());
  e.LehrerBezeichnung = fLehrerBezeichnung->checkedId();
  e.Bemerkung = fBemerkung->checkedId();
  e.BemerkungPosition = fBemerkungPosition->checkedId();
  return e;
}

void TVDEinstellungsDialog::accept() {
  fEinstellung = Werte();
  QDialog::accept();
}

}  // namespace orbato
