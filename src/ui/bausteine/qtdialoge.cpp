#include "ui/bausteine/qtdialoge.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/qttext.h"
#include "ui/hauptfenster/eingabepause.h"

namespace orbato {
namespace {

QMessageBox::Icon Symbol(TMeldungsArt art) {
  switch (art) {
    case TMeldungsArt::Frage:
      return QMessageBox::Question;
    case TMeldungsArt::Information:
      return QMessageBox::Information;
    case TMeldungsArt::Warnung:
      return QMessageBox::Warning;
    case TMeldungsArt::Fehler:
      break;
  }
  return QMessageBox::Critical;
}

QString Zeilen(const std::vector<std::string>& zeilen) {
  QStringList text;
  for (const std::string& z : zeilen) text << QtText(z);
  return text.join(QLatin1Char('\n'));
}

// The progress window stays until its operation ends: Escape and the close box only ask the
// operation to stop, as its button does, and the window closes when the operation is over.
class TFortschrittsFenster : public QDialog {
 public:
  TFortschrittsFenster(QWidget* eltern, bool& abbruch) : QDialog(eltern), fAbbruch(abbruch) {}
  void reject() override { fAbbruch = true; }
  void Schliessen() {
    fFertig = true;
    close();
  }

 protected:
  void closeEvent(QCloseEvent* ereignis) override {
    if (!fFertig) {
      fAbbruch = true;
      ereignis->ignore();
      return;
    }
    // Not QDialog's, which would reject first.
    QWidget::closeEvent(ereignis);
  }

 private:
  bool& fAbbruch;
  bool fFertig = false;
};

// A small frameless-looking window that stays beside the work; the message window is not modal.
QDialog* KleinesFenster(QDialog* fenster, std::string_view titel) {
  fenster->setAttribute(Qt::WA_DeleteOnClose);
  // It shows what is under way; the keyboard stays with the window the user works in.
  fenster->setAttribute(Qt::WA_ShowWithoutActivating);
  fenster->setWindowTitle(QtText(titel));
  fenster->setModal(false);
  new QVBoxLayout(fenster);
  return fenster;
}

}  // namespace

TQtDialoge::TQtDialoge(QWidget* eltern) : fEltern(eltern) {}

TQtDialoge::~TQtDialoge() {
  MeldungSchliessen();
  FortschrittBeenden();
}

int TQtDialoge::Frage(std::string_view titel, const std::vector<std::string>& zeilen,
                      const std::vector<std::string>& knoepfe, TMeldungsArt art) {
  QMessageBox box(Symbol(art), QtText(titel), Zeilen(zeilen), QMessageBox::NoButton, fEltern);
  std::vector<QPushButton*> gedrueckt;
  for (const std::string& k : knoepfe) {
    gedrueckt.push_back(box.addButton(QtText(k), QMessageBox::ActionRole));
  }
  if (!gedrueckt.empty()) {
    box.setDefaultButton(gedrueckt.front());
    // Escape and the close box answer the last button, the one that changes least.
    box.setEscapeButton(gedrueckt.back());
  }
  box.exec();
  for (std::size_t i = 0; i < gedrueckt.size(); ++i) {
    if (box.clickedButton() == gedrueckt[i]) return static_cast<int>(i);
  }
  return static_cast<int>(knoepfe.size()) - 1;
}

int TQtDialoge::FrageMitListe(std::string_view titel, const std::vector<std::string>& zeilen,
                              const std::vector<std::string>& eintraege,
                              const std::vector<std::string>& knoepfe, int standard, TMeldungsArt) {
  const int zahl = static_cast<int>(knoepfe.size());
  const int vorgabe = std::clamp(standard, 0, std::max(zahl - 1, 0));
  QDialog dialog(fEltern);
  dialog.setWindowTitle(QtText(titel));
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(Zeilen(zeilen), &dialog));
  auto* liste = new QListWidget(&dialog);
  for (const std::string& e : eintraege) liste->addItem(QtText(e));
  liste->setMinimumWidth(360);
  layout->addWidget(liste);
  auto* reihe = new QHBoxLayout;
  reihe->addStretch();
  int gewaehlt = vorgabe;
  for (int i = 0; i < zahl; ++i) {
    auto* knopf = new QPushButton(QtText(knoepfe[static_cast<std::size_t>(i)]), &dialog);
    knopf->setAutoDefault(false);
    knopf->setDefault(i == vorgabe);
    QObject::connect(knopf, &QPushButton::clicked, &dialog, [&dialog, &gewaehlt, i] {
      gewaehlt = i;
      dialog.accept();
    });
    reihe->addWidget(knopf);
  }
  layout->addLayout(reihe);
  // Escape and the close box reject the dialog, which answers the default button.
  if (dialog.exec() != QDialog::Accepted) return vorgabe;
  return gewaehlt;
}

void TQtDialoge::Nachricht(std::string_view titel, const std::vector<std::string>& zeilen,
                           TMeldungsArt art) {
  QMessageBox box(Symbol(art), QtText(titel), Zeilen(zeilen), QMessageBox::NoButton, fEltern);
  box.setEscapeButton(box.addButton(QStringLiteral("Ok"), QMessageBox::AcceptRole));
  box.exec();
}

void TQtDialoge::MeldungZeigen(std::string_view text, std::string_view titel) {
  if (!fMeldung) {
    fMeldung = KleinesFenster(new QDialog(fEltern), titel);
    fMeldungsText = new QLabel(fMeldung);
    fMeldungsText->setMinimumWidth(280);
    fMeldung->layout()->addWidget(fMeldungsText);
  }
  fMeldung->setWindowTitle(QtText(titel));
  fMeldungsText->setText(QtText(text));
  fMeldung->show();
  Zeichne();
}

void TQtDialoge::MeldungAendern(std::string_view text) {
  if (!fMeldung) return;
  fMeldungsText->setText(QtText(text));
  Zeichne();
}

void TQtDialoge::MeldungSchliessen() {
  if (fMeldung) fMeldung->close();
  fMeldung = nullptr;
}

void TQtDialoge::FortschrittBeginnen(std::string_view titel, int maximum) {
  FortschrittBeenden();
  fAbbruch = false;
  fFortschritt = KleinesFenster(new TFortschrittsFenster(fEltern, fAbbruch), titel);
  fFortschrittText = new QLabel(fFortschritt);
  fFortschrittInfo = new QLabel(fFortschritt);
  fBalken = new QProgressBar(fFortschritt);
  fBalken->setRange(0, std::max(maximum, 0));
  fBalken->setMinimumWidth(280);
  // The progress window alone takes input while it runs.
  fFortschritt->setWindowModality(Qt::ApplicationModal);
  fFortschritt->setObjectName(QStringLiteral("Fortschritt"));
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), fFortschritt);
  QObject::connect(abbrechen, &QPushButton::clicked, [this] { fAbbruch = true; });
  for (QWidget* w :
       {static_cast<QWidget*>(fFortschrittText), static_cast<QWidget*>(fFortschrittInfo),
        static_cast<QWidget*>(fBalken), static_cast<QWidget*>(abbrechen)}) {
    fFortschritt->layout()->addWidget(w);
  }
  fFortschritt->show();
  Zeichne();
}

void TQtDialoge::FortschrittText(std::string_view text) {
  if (fFortschritt) fFortschrittText->setText(QtText(text));
}

void TQtDialoge::FortschrittInfo(std::string_view text) {
  if (fFortschritt) fFortschrittInfo->setText(QtText(text));
}

void TQtDialoge::FortschrittSetzen(int position) {
  if (!fFortschritt) return;
  fBalken->setValue(std::clamp(position, fBalken->minimum(), fBalken->maximum()));
  Zeichne();
}

void TQtDialoge::FortschrittSchritt(int schritte) {
  if (fFortschritt) FortschrittSetzen(fBalken->value() + schritte);
}

bool TQtDialoge::Abgebrochen() {
  Zeichne();
  return fAbbruch;
}

void TQtDialoge::FortschrittBeenden() {
  if (fFortschritt) static_cast<TFortschrittsFenster*>(fFortschritt.data())->Schliessen();
  fFortschritt = nullptr;
}

void TQtDialoge::Piep() {
  QApplication::beep();
}

void TQtDialoge::Zeichne() const {
  if (fFortschritt) {
    QApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
  } else {
    ZeichnenOhneEingaben();
  }
}

void SchliesseOhneAenderung(QWidget* fenster) {
  if (auto* box = qobject_cast<QMessageBox*>(fenster); box && box->escapeButton()) {
    box->escapeButton()->click();
  } else if (auto* dialog = qobject_cast<QDialog*>(fenster)) {
    dialog->reject();
  }
}

}  // namespace orbato
