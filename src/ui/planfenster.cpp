#include "ui/planfenster.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "placement/passtin.h"
#include "placement/raeume.h"
#include "placement/setzen.h"
#include "placement/setzmenue.h"
#include "platform/qttext.h"
#include "ui/menuedaten.h"

namespace orbato {
namespace {

QString Kuerzel(const TElement* e) {
  return e ? QtText(e->fKuerzel.str()) : QString();
}

int32_t Version() {
  const int32_t w = Standard().fAktuelleWoche;
  return w >= 1 && w <= Standard().WochenZahl() ? w : 1;
}

}  // namespace

TPlnForm::TPlnForm(TPlanElement* element, int art)
    : fElement(element), fArt(art), fRaster(new QTableWidget(this)), fSchalter(new QToolButton) {
  setWindowTitle(QStringLiteral("Plan ") + Kuerzel(element));
  element->fPlnFenster = this;
  // A teacher, a class and a room may share a short name, so the kind is part of the key.
  Schule().FensterAnmelden(FensterTitel() + " " + std::to_string(art), this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(fRaster);
  fRaster->setEditTriggers(QAbstractItemView::NoEditTriggers);
  fRaster->setSelectionMode(QAbstractItemView::SingleSelection);
  fRaster->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  fSchalter->setText(QStringLiteral("o"));
  fSchalter->setAutoRaise(true);
  if (art == 9) fSchalter->setToolTip(QStringLiteral("Klasse oder Kopplung anzeigen"));
  fRaster->setCornerWidget(fSchalter);
  connect(fSchalter, &QToolButton::clicked, this, [this] {
    fKopplungZeigen = !fKopplungZeigen;
    fSchalter->setText(fKopplungZeigen ? QStringLiteral("o") : QStringLiteral("x"));
    Fuellen();
  });
  connect(fRaster, &QTableWidget::cellClicked, this,
          [this](int zeile, int spalte) { Geklickt(spalte + 1, zeile + 1); });
  connect(fRaster, &QTableWidget::cellDoubleClicked, this,
          [this](int zeile, int spalte) { Doppelgeklickt(spalte + 1, zeile + 1); });
  fMenuZeigen = [this](TMenu& menu) {
    if (menu.empty()) return;
    QMenu qmenu(this);
    MenuFuellen(&qmenu, menu);
    qmenu.exec(QCursor::pos());
  };
}

TPlnForm::~TPlnForm() {
  if (fElement) {
    fElement->fPlnFenster = nullptr;
    Schule().FensterAbmelden(this);
  }
}

void TPlnForm::FensterSchliessen() {
  if (fElement) {
    fElement->fPlnFenster = nullptr;
    Schule().FensterAbmelden(this);
    fElement = nullptr;
  }
  if (parentWidget()) {
    parentWidget()->close();
  } else {
    close();
  }
}

void TPlnForm::FensterNachVorn() {
  if (parentWidget()) parentWidget()->raise();
}

std::string TPlnForm::FensterTitel() const {
  return ModellText(windowTitle());
}

char TPlnForm::ZellMarke(int32_t tag, int32_t std) const {
  return tag >= 1 && tag <= 7 && std >= 1 && std <= 16 ? fMarke[tag][std] : ' ';
}

void TPlnForm::ZelleZeigen(int32_t tag, int32_t std, TKurs* kurs, char marke) {
  if (tag < 1 || tag > 7 || std < 1 || std > 16) return;
  fKurs[tag][std] = kurs;
  fMarke[tag][std] = marke;
  ZelleMalen(tag, std);
}

int32_t TPlnForm::ZellWoche() const {
  return Version();
}

QString TPlnForm::ZellText(int32_t tag, int32_t std) const {
  const QTableWidgetItem* item = fRaster->item(std - 1, tag - 1);
  return item ? item->text() : QString();
}

void TPlnForm::FensterUpdate() {
  Fuellen();
}

// Every course of the element enters its placements of the current version; for a room only
// those in that room.
void TPlnForm::Fuellen() {
  if (fElement == nullptr) return;
  const TStandard& s = Standard();
  const int32_t woche = Version();
  const int tage = s.fMaxTageNeu >= 1 && s.fMaxTageNeu <= 7 ? s.fMaxTageNeu : 7;
  const int stunden = s.fPlnStd >= 1 && s.fPlnStd <= 16 ? s.fPlnStd : 16;
  fRaster->setColumnCount(tage);
  fRaster->setRowCount(stunden);
  QStringList tagKoepfe;
  for (int t = 1; t <= tage; ++t) tagKoepfe << QtText(s.fTagBez[t - 1].str());
  fRaster->setHorizontalHeaderLabels(tagKoepfe);
  QStringList stdKoepfe;
  for (int p = 1; p <= stunden; ++p) stdKoepfe << QtText(s.fStdBez[woche - 1][p - 1].str());
  fRaster->setVerticalHeaderLabels(stdKoepfe);
  for (auto& zeile : fKurs) zeile.fill(nullptr);
  for (auto& zeile : fMarke) zeile.fill(' ');
  const bool raumPlan = fElement->Art() == rau;
  for (TKurs* k : fElement->fKurse) {
    for (const TSetzung* st : k->fSetzungen) {
      if (st->fWoche != woche || (raumPlan && st->fRaum != fElement)) continue;
      if (st->fTag < 1 || st->fTag > 7 || st->fStunde < 1 || st->fStunde > 16) continue;
      if (fKurs[st->fTag][st->fStunde]) continue;
      fKurs[st->fTag][st->fStunde] = k;
      fMarke[st->fTag][st->fStunde] = st->fFixiert ? 'F' : 'N';
    }
  }
  for (int t = 1; t <= tage; ++t) {
    for (int p = 1; p <= stunden; ++p) ZelleMalen(t, p);
  }
}

void TPlnForm::ZelleMalen(int32_t tag, int32_t std) {
  if (fElement == nullptr || tag > fRaster->columnCount() || std > fRaster->rowCount()) return;
  const TStandard& s = Standard();
  auto* item = new QTableWidgetItem;
  QFont schrift = fRaster->font();
  const TKurs* kurs = fKurs[tag][std];
  const TSetzung* setzung = kurs ? kurs->SetzungFinden(Version(), tag, std) : nullptr;
  if (kurs && setzung) {
    item->setText(
        Texte(*kurs, *setzung).join(s.fNebenEinander ? QStringLiteral(" ") : QStringLiteral("\n")));
    item->setBackground(QtFarbe(kurs->fColor));
    schrift.setBold(kurs->fKopplung && s.fPlnKoppFett);
    schrift.setUnderline(setzung->fFixiert);
  } else if (fElement->fSperrung.GetWocheTagStd(Version(), tag, std)) {
    item->setText(QStringLiteral("*sperrung*"));
    item->setBackground(Qt::lightGray);
  } else {
    item->setBackground(Qt::white);
  }
  if (fMarke[tag][std] == 'R') {
    item->setBackground(palette().color(QPalette::Highlight));
    item->setForeground(palette().color(QPalette::HighlightedText));
  }
  item->setFont(schrift);
  fRaster->setItem(std - 1, tag - 1, item);
}

TMenu TPlnForm::KlickMenu(int32_t tag, int32_t std) {
  TMenu menu;
  if (fElement == nullptr) return menu;
  TKurs* kurs = fKurs[tag][std];
  TRaum* raum = fElement->Art() == rau ? static_cast<TRaum*>(fElement) : nullptr;
  switch (Schule().fToolArt) {
    case ZeigTool:
      if (kurs == nullptr) break;
      for (TKurs* k : fElement->fKurse) {
        ErzeugePlnMenu(
            *k, menu, false, fElement->Art(), raum, std, tag,
            [this](TKurs& gewaehlt, int32_t t, int32_t p) { ZelleZeigen(t, p, &gewaehlt, 'N'); });
      }
      break;
    case SetzTool:
      if (kurs == nullptr) {
        if (fElement->fSperrung.GetWocheTagStd(-1, tag, std)) break;
        for (TKurs* k : fElement->fKurse)
          ErzeugeSetzMenu(*k, menu, tag, raum == nullptr, std, raum);
      } else if (raum == nullptr) {
        for (const TSetzung* s : kurs->fSetzungen) {
          if (s->fWoche == Version()) ZelleZeigen(s->fTag, s->fStunde, kurs, 'R');
        }
        ErzeugeRaumSetzMenu(*kurs, menu, *this);
      }
      break;
    default:
      break;
  }
  return menu;
}

void TPlnForm::Geklickt(int32_t tag, int32_t std) {
  TMenu menu = KlickMenu(tag, std);
  fMenuZeigen(menu);
  // The marks of a room menu last as long as the menu.
  if (Schule().fToolArt == SetzTool) Fuellen();
}

void TPlnForm::Doppelgeklickt(int32_t tag, int32_t std) {
  TKurs* kurs = fKurs[tag][std];
  if (kurs == nullptr) return;
  switch (Schule().fToolArt) {
    case LoeschTool:
      Loeschen(tag, std);
      break;
    case FixTool:
      FixiereZelle(*kurs, tag, std);
      Schule().SetDirty();
      PlanFensterAktualisieren(*kurs, kurs->RaumFuerZelle(Version(), tag, std));
      Fuellen();
      break;
    default:
      break;
  }
}

// A coupled lesson is deleted alone or with its coupling, as the user answers.
void TPlnForm::Loeschen(int32_t tag, int32_t std) {
  TKurs* kurs = fKurs[tag][std];
  if (kurs->fKopplung == nullptr) {
    LoescheSetzung(*kurs, -1, tag, false, std);
  } else {
    switch (FrageKopplung(*kurs, Version(), tag, std)) {
      case TKopplungsWahl::DieserKurs:
        LoescheSetzung(*kurs, -1, tag, false, std);
        break;
      case TKopplungsWahl::Kopplung:
        LoescheSetzung(*kurs, -1, tag, true, std);
        break;
      case TKopplungsWahl::Nein:
      case TKopplungsWahl::Abbrechen:
        return;
    }
  }
  Fuellen();
}

TLePlnForm::TLePlnForm(TLehrer* lehrer) : TPlnForm(lehrer, 9), fLehrer(lehrer) {}

// A coupled course shows its coupling while the switch reads "o", otherwise its first class.
QStringList TLePlnForm::Texte(const TKurs& kurs, const TSetzung& setzung) const {
  QStringList texte{
      kurs.fKopplung && fKopplungZeigen ? Kuerzel(kurs.fKopplung) : Kuerzel(kurs.ErsteKlasse()),
      Kuerzel(kurs.fFach)};
  if (Standard().fMitRaum) texte << Kuerzel(setzung.fRaum);
  return texte;
}

TKlPlnForm::TKlPlnForm(TKlasse* klasse) : TPlnForm(klasse, 10), fKlasse(klasse) {}

QStringList TKlPlnForm::Texte(const TKurs& kurs, const TSetzung& setzung) const {
  QStringList texte{
      kurs.fKopplung && fKopplungZeigen ? Kuerzel(kurs.fKopplung) : Kuerzel(kurs.fLehrer),
      Kuerzel(kurs.fFach)};
  if (Standard().fMitRaum) texte << Kuerzel(setzung.fRaum);
  return texte;
}

TRaPlnForm::TRaPlnForm(TRaum* raum) : TPlnForm(raum, 11), fRaum(raum) {}

QStringList TRaPlnForm::Texte(const TKurs& kurs, const TSetzung&) const {
  return {Kuerzel(kurs.fLehrer),
          kurs.fKopplung && fKopplungZeigen ? Kuerzel(kurs.fKopplung) : Kuerzel(kurs.ErsteKlasse()),
          Kuerzel(kurs.fFach)};
}

TPlnForm* PlanFensterOeffnen(TPlanElement* element) {
  if (auto* offen = dynamic_cast<TPlnForm*>(element->fPlnFenster)) return offen;
  TPlnForm* neu = nullptr;
  switch (element->Art()) {
    case leh:
      neu = new TLePlnForm(static_cast<TLehrer*>(element));
      break;
    case kla:
      neu = new TKlPlnForm(static_cast<TKlasse*>(element));
      break;
    case rau:
      neu = new TRaPlnForm(static_cast<TRaum*>(element));
      break;
    default:
      return nullptr;
  }
  // Filled only now: the texts of a cell belong to the kind of plan, known after construction.
  neu->FensterUpdate();
  return neu;
}

}  // namespace orbato
