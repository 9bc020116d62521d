#include "ui/vertretung/ausfallfenster.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/fenster/fenstertyp.h"
#include "model/vertretung/kalender.h"
#include "platform/qttext.h"

namespace orbato {
namespace {

QSpinBox* Zahlfeld(int von, int bis, int wert, QWidget* eltern) {
  auto* feld = new QSpinBox(eltern);
  feld->setRange(von, bis);
  feld->setValue(wert);
  return feld;
}

QPushButton* UebersichtKnopf(const QString& text, const QString& fenster, QWidget* eltern) {
  auto* knopf = new QPushButton(text, eltern);
  knopf->setToolTip(fenster);
  return knopf;
}

}  // namespace

TWoAusfallForm::TWoAusfallForm(const TSchule& schule, TStandard& standard, QWidget* eltern)
    : QWidget(eltern),
      fAusfall(schule, standard),
      fKW(Zahlfeld(1, 53, fAusfall.KW(), this)),
      fJahr(Zahlfeld(1994, 2099, fAusfall.Jahr(), this)),
      fBereich(new QLabel(this)),
      fBericht(new QPlainTextEdit(this)) {
  setWindowTitle(QtText(FensterTypTitel(TFensterTyp::Unterrichtsausfall)));
  auto* rechnen = new QPushButton(QStringLiteral("Rechnen"), this);
  auto* zeile = new QHBoxLayout;
  zeile->addWidget(new QLabel(QStringLiteral("KW"), this));
  zeile->addWidget(fKW);
  zeile->addWidget(new QLabel(QStringLiteral("Jahr"), this));
  zeile->addWidget(fJahr);
  zeile->addWidget(rechnen);
  zeile->addStretch();
  auto* vuek = UebersichtKnopf(QStringLiteral("VÜK"),
                               QStringLiteral("Vertretungsübersicht für Klassen"), this);
  auto* vuel = UebersichtKnopf(QStringLiteral("VÜL"),
                               QStringLiteral("Vertretungsübersicht für Lehrer"), this);
  zeile->addWidget(vuek);
  zeile->addWidget(vuel);
  fBericht->setReadOnly(true);
  fBericht->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(zeile);
  layout->addWidget(fBereich);
  layout->addWidget(fBericht);

  // A stored value outside the fields' range is taken as the fields show it.
  if (fKW->value() != fAusfall.KW()) fAusfall.SetKW(fKW->value());
  if (fJahr->value() != fAusfall.Jahr()) fAusfall.SetJahr(fJahr->value());
  connect(fKW, &QSpinBox::valueChanged, this, [this](int kw) {
    fAusfall.SetKW(kw);
    Zeigen();
  });
  connect(fJahr, &QSpinBox::valueChanged, this, [this](int jahr) {
    fAusfall.SetJahr(jahr);
    Zeigen();
  });
  connect(vuek, &QPushButton::clicked, this, [this] { UebersichtZeigen(kla); });
  connect(vuel, &QPushButton::clicked, this, [this] { UebersichtZeigen(leh); });
  connect(rechnen, &QPushButton::clicked, this, [this] {
    fAusfall.Rechnen();
    Zeigen();
  });
  Zeigen();
}

QPushButton* TWoAusfallForm::Knopf(const QString& text) const {
  for (QPushButton* b : findChildren<QPushButton*>()) {
    if (b->text() == text) return b;
  }
  return nullptr;
}

QSize TWoAusfallForm::sizeHint() const {
  const QFontMetrics schrift = fBericht->fontMetrics();
  return {schrift.horizontalAdvance(QLatin1Char('x')) * 84, schrift.lineSpacing() * 32};
}

void TWoAusfallForm::closeEvent(QCloseEvent* ereignis) {
  fAusfall.Schliessen();
  ereignis->accept();
}

// A week that does not exist has no range to show.
void TWoAusfallForm::Zeigen() {
  fBereich->setText(QtText(fAusfall.Bereich()));
  fBericht->setPlainText(QtText(fAusfall.Text()));
  const bool woche = IsoWochenMontag(fAusfall.KW(), fAusfall.Jahr()).has_value();
  for (const QString& text : {QStringLiteral("VÜK"), QStringLiteral("VÜL")}) {
    if (QPushButton* knopf = Knopf(text)) knopf->setEnabled(woche);
  }
}

void TWoAusfallForm::UebersichtZeigen(TKuerzelArt art) {
  const std::optional<TDatumZeit> montag = IsoWochenMontag(fAusfall.KW(), fAusfall.Jahr());
  if (montag && fUebersicht) fUebersicht(art, *montag + 0.5, *montag + 6.5);
}

}  // namespace orbato
