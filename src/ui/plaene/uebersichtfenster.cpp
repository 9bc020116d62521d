#include "ui/plaene/uebersichtfenster.h"

#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/planelement.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "placement/planwerkzeug.h"
#include "placement/regeln.h"
#include "placement/setzen.h"
#include "placement/setzmenue.h"
#include "placement/tausch.h"
#include "platform/qttext.h"
#include "ui/bausteine/werkzeugmaus.h"
#include "ui/bausteine/werkzeugtasten.h"
#include "ui/hauptfenster/fensterregister.h"
#include "ui/hauptfenster/fensterwege.h"
#include "ui/hauptfenster/menuedaten.h"
#include "ui/plaene/planraster.h"

namespace orbato {

// The cells as the view asks for them, read from the window's columns; nothing is stored per
// cell, so that a change redraws only the cells it touched.
class TUeberModell : public QAbstractTableModel {
 public:
  explicit TUeberModell(TUeberForm& form) : QAbstractTableModel(&form), fForm(form) {}

  int rowCount(const QModelIndex& eltern = {}) const override {
    return eltern.isValid() ? 0 : fForm.Zeilen();
  }
  int columnCount(const QModelIndex& eltern = {}) const override {
    return eltern.isValid() ? 0 : fForm.Spalten();
  }
  QVariant data(const QModelIndex& index, int rolle) const override;
  QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

  void Zuruecksetzen(const std::function<void()>& aendern) {
    beginResetModel();
    aendern();
    endResetModel();
  }
  void Geaendert(int zeile, int spalte, int bisZeile) {
    emit dataChanged(index(zeile, spalte), index(bisZeile, spalte));
  }
  // Names, colours or period labels may have changed: every cell and header is drawn anew.
  void AllesGeaendert() {
    if (rowCount() == 0 || columnCount() == 0) return;
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
  }
  QFont fSchrift;

 private:
  TUeberForm& fForm;
};

namespace {

QString Kuerzel(const TElement* e) {
  return e ? QtText(e->fKuerzel.str()) : QString();
}

template <class T>
void ElementeSammeln(const TListe<T>& menge, std::vector<TPlanElement*>& elemente) {
  for (T* e : menge) elemente.push_back(e);
}

std::vector<TPlanElement*> Elemente(const TSchule& s, TKuerzelArt art) {
  std::vector<TPlanElement*> elemente;
  if (art == leh) ElementeSammeln(s.fLehrerMenge, elemente);
  if (art == kla) ElementeSammeln(s.fKlassenMenge, elemente);
  if (art == rau) ElementeSammeln(s.fRaumMenge, elemente);
  return elemente;
}

}  // namespace

QVariant TUeberModell::data(const QModelIndex& index, int rolle) const {
  const int spalte = index.column() + 1;
  const int zeile = index.row() + 1;
  const TPlanElement* element = fForm.Element(spalte);
  if (element == nullptr) return {};
  const bool markiert = fForm.ZellMarke(spalte, zeile) == 'R';
  if (rolle == Qt::ForegroundRole) {
    return markiert ? QVariant(fForm.palette().color(QPalette::HighlightedText)) : QVariant();
  }
  if (rolle != Qt::DisplayRole && rolle != Qt::BackgroundRole && rolle != Qt::FontRole) return {};
  const int32_t tag = fForm.Tag(zeile);
  const int32_t std = fForm.Stunde(zeile);
  const TZellBild bild = PlanZellBild(fForm.fStandard, *element, fForm.ZellKurs(spalte, zeile), tag,
                                      std, fForm.fKopplungZeigen);
  switch (rolle) {
    case Qt::DisplayRole:
      return QtText(PlanZellZeile(fForm.fStandard, bild));
    case Qt::BackgroundRole:
      if (markiert) return fForm.palette().color(QPalette::Highlight);
      return ZellHintergrund(bild);
    default: {
      if (!bild.fFett && !bild.fUnterstrichen) return {};
      QFont schrift = fSchrift;
      schrift.setBold(bild.fFett);
      schrift.setUnderline(bild.fUnterstrichen);
      return schrift;
    }
  }
}

QVariant TUeberModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
  if (rolle != Qt::DisplayRole) return {};
  if (richtung == Qt::Horizontal) return Kuerzel(fForm.Element(abschnitt + 1));
  return fForm.ZeilenKopf(abschnitt + 1);
}

TUeberForm::TUeberForm(TSchule& schule, TStandard& standard, TKuerzelArt art)
    : fSchule(schule),
      fStandard(standard),
      fArt(art),
      fTyp(UeberFensterTyp(art)),
      fRaster(new QTableView(this)),
      fModell(new TUeberModell(*this)),
      fSchalter(new QToolButton) {
  setWindowTitle(QtText(FensterTypTitel(fTyp)));
  FensterRegister().Anmelden(fTyp, this);
  fSchule.FensterAnmelden(FensterTitel(), this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(fRaster);
  fRaster->setModel(fModell);
  fRaster->setEditTriggers(QAbstractItemView::NoEditTriggers);
  fRaster->setSelectionMode(QAbstractItemView::ExtendedSelection);
  fRaster->setWordWrap(false);
  fRaster->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  fRaster->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  fSchalter->setText(QStringLiteral("o"));
  fSchalter->setAutoRaise(true);
  if (art == leh) fSchalter->setToolTip(QStringLiteral("Klasse oder Kopplung anzeigen"));
  fRaster->setCornerWidget(fSchalter);
  connect(fSchalter, &QToolButton::clicked, this, [this] {
    fKopplungZeigen = !fKopplungZeigen;
    fSchalter->setText(fKopplungZeigen ? QStringLiteral("o") : QStringLiteral("x"));
    fRaster->viewport()->update();
  });
  // Each mouse action is one step of the document's history, whatever it does to the plan.
  connect(fRaster, &QTableView::clicked, this, [this](const QModelIndex& i) {
    TVerlaufSchritt schritt;
    Geklickt(i.column() + 1, i.row() + 1);
  });
  connect(fRaster, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
    TVerlaufSchritt schritt;
    Doppelgeklickt(i.column() + 1, i.row() + 1);
  });
  fRaster->viewport()->installEventFilter(this);
  WerkzeugTastenAnschliessen(*fRaster, *this, fSchule, [this](int spalte) { RechtsKlick(spalte); });
  fRaster->setContextMenuPolicy(Qt::PreventContextMenu);
  fRaster->setAutoScroll(true);
  fMenuZeigen = [this](TMenu& menu) { MenuAmZeiger(this, menu); };
  Fuellen();
}

TUeberForm::~TUeberForm() {
  // The view asks the model for cells while the widget closes, when the columns are gone; its
  // viewport sends events while it dies, which must not reach the filter of a half-gone view.
  fRaster->viewport()->removeEventFilter(this);
  delete fRaster;
  FensterRegister().Abmelden(this);
  fSchule.FensterAbmelden(this);
}

void TUeberForm::FensterSchliessen() {
  FensterRegister().Abmelden(this);
  fSchule.FensterAbmelden(this);
  RahmenSchliessen(this);
}

void TUeberForm::FensterNachVorn() {
  RahmenNachVorn(this);
}

std::string TUeberForm::FensterTitel() const {
  return ModellText(windowTitle());
}

void TUeberForm::BelegungGeaendert() {
  if (fAbgleichVorgemerkt) return;
  fAbgleichVorgemerkt = true;
  QTimer::singleShot(0, this, [this] { Abgleichen(); });
}

// The course's cells show nothing until the comparison after the command.
void TUeberForm::KursEntfernt(const TKurs* kurs) {
  for (TSpalte& s : fSpalten) {
    for (auto& tag : s.fBelegung.fKurs) {
      for (TKurs*& k : tag) {
        if (k == kurs) k = nullptr;
      }
    }
  }
  if (fGezogen == kurs) fGezogen = nullptr;
  BelegungGeaendert();
}

void TUeberForm::ElementEntfernt(const TElement* element) {
  fModell->Zuruecksetzen([&] {
    for (TSpalte& s : fSpalten) {
      if (s.fElement == element) s = TSpalte{};
    }
  });
  // The element leaves its list only after this call; the columns follow the list then.
  QTimer::singleShot(0, this, [this] { Fuellen(); });
}

QSize TUeberForm::sizeHint() const {
  const QHeaderView* kopf = fRaster->horizontalHeader();
  const QHeaderView* seite = fRaster->verticalHeader();
  const int rahmen = 2 * fRaster->frameWidth();
  return {seite->sizeHint().width() + Spalten() * kopf->defaultSectionSize() + rahmen,
          kopf->sizeHint().height() + Zeilen() * seite->defaultSectionSize() + rahmen};
}

TPlanElement* TUeberForm::Element(int spalte) const {
  return spalte >= 1 && spalte <= Spalten() ? fSpalten[spalte - 1].fElement : nullptr;
}

TKurs* TUeberForm::ZellKurs(int spalte, int zeile) const {
  if (Element(spalte) == nullptr || zeile < 1 || zeile > Zeilen()) return nullptr;
  return fSpalten[spalte - 1].fBelegung.fKurs[Tag(zeile)][Stunde(zeile)];
}

char TUeberForm::ZellMarke(int spalte, int zeile) const {
  if (Element(spalte) == nullptr || zeile < 1 || zeile > Zeilen()) return ' ';
  if (spalte == fMarkSpalte && fMarken.at(zeile - 1)) return 'R';
  return fSpalten[spalte - 1].fBelegung.fMarke[Tag(zeile)][Stunde(zeile)];
}

char TUeberForm::ZeilenMarke(int32_t zeile) const {
  return ZellMarke(fMarkSpalte, zeile);
}

QString TUeberForm::ZellText(int spalte, int zeile) const {
  return fModell->index(zeile - 1, spalte - 1).data().toString();
}

QString TUeberForm::ZeilenKopf(int zeile) const {
  return QtText(TauschZeit(Tag(zeile), Stunde(zeile)));
}

QString TUeberForm::UebersichtText() const {
  return RasterText(*fModell);
}

void TUeberForm::SpalteLesen(TSpalte& spalte) const {
  const int32_t woche = PlanVersion(fStandard);
  PlanBelegungFuellen(*spalte.fElement, woche, spalte.fBelegung);
  for (int32_t t = 1; t <= fTage; ++t) {
    spalte.fGesperrt[t] = 0;
    for (int32_t p = 1; p <= fStunden; ++p) {
      const TKurs* k = spalte.fBelegung.fKurs[t][p];
      const TSetzung* s = k ? k->SetzungFinden(woche, t, p) : nullptr;
      spalte.fRaum[t][p] = s ? s->fRaum : nullptr;
      if (spalte.fElement->fSperrung.GetWocheTagStd(woche, t, p)) spalte.fGesperrt[t] |= 1u << p;
    }
  }
}

// Every column anew. While the elements, days and periods stay, the view keeps its place and
// selection and only redraws; otherwise it starts afresh.
void TUeberForm::Fuellen() {
  fAbgleichVorgemerkt = false;
  const TStandard& s = fStandard;
  const int tage = std::clamp<int>(s.fMaxTageNeu, 1, kMaxTage);
  const int stunden = std::clamp<int>(s.fPlnStd, 1, kMaxStunden);
  const std::vector<TPlanElement*> elemente = Elemente(fSchule, fArt);
  bool gleich = tage == fTage && stunden == fStunden && elemente.size() == fSpalten.size();
  for (std::size_t i = 0; gleich && i < elemente.size(); ++i) {
    gleich = elemente[i] == fSpalten[i].fElement;
  }
  MarkenLoeschen();
  if (gleich) {
    for (TSpalte& spalte : fSpalten) SpalteLesen(spalte);
    fModell->AllesGeaendert();
  } else {
    fModell->Zuruecksetzen([&] {
      fTage = tage;
      fStunden = stunden;
      fSpalten.assign(elemente.size(), TSpalte{});
      for (std::size_t i = 0; i < elemente.size(); ++i) {
        fSpalten[i].fElement = elemente[i];
        SpalteLesen(fSpalten[i]);
      }
      fMarken.assign(static_cast<std::size_t>(Zeilen()), false);
    });
  }
  Abmessen();
}

int TUeberForm::Abgleichen() {
  fAbgleichVorgemerkt = false;
  int geaendert = 0;
  TSpalte neu;
  for (int c = 1; c <= Spalten(); ++c) {
    TSpalte& alt = fSpalten[c - 1];
    if (alt.fElement == nullptr) continue;
    neu.fElement = alt.fElement;
    SpalteLesen(neu);
    for (int32_t t = 1; t <= fTage; ++t) {
      for (int32_t p = 1; p <= fStunden; ++p) {
        if (neu.fBelegung.fKurs[t][p] == alt.fBelegung.fKurs[t][p] &&
            neu.fBelegung.fMarke[t][p] == alt.fBelegung.fMarke[t][p] &&
            neu.fRaum[t][p] == alt.fRaum[t][p] &&
            ((neu.fGesperrt[t] ^ alt.fGesperrt[t]) & (1u << p)) == 0)
          continue;
        ++geaendert;
        ZelleGeaendert(c, Zeile(t, p));
      }
    }
    alt = neu;
  }
  return geaendert;
}

// A tool works on the cells as the plans hold them, even before the comparison after the last
// command has run.
void TUeberForm::Nachholen() {
  if (fAbgleichVorgemerkt) Abgleichen();
}

void TUeberForm::ZelleGeaendert(int spalte, int zeile) {
  fModell->Geaendert(zeile - 1, spalte - 1, zeile - 1);
}

// Cells as the plan settings size them: side by side in one line, or one text above the other
// in a column as wide as "[88-88]".
void TUeberForm::Abmessen() {
  const TStandard& s = fStandard;
  const QFont schrift = QtSchrift(s.fPlnFont);
  fRaster->setFont(schrift);
  fModell->fSchrift = schrift;
  const std::vector<int32_t> teile = PlanTeilBreiten(fStandard, fArt);
  int breite = 0;
  if (s.fNebenEinander) {
    for (int32_t b : teile) breite += b;
  } else {
    breite = QFontMetrics(schrift).horizontalAdvance(QStringLiteral("[88-88]"));
  }
  const int zeilen = s.fNebenEinander ? 1 : static_cast<int>(teile.size());
  QHeaderView* kopf = fRaster->horizontalHeader();
  kopf->setMinimumSectionSize(13);
  kopf->setDefaultSectionSize(std::max(breite, 13));
  QHeaderView* seite = fRaster->verticalHeader();
  seite->setMinimumSectionSize(std::min(s.fPlnHoehe, 13));
  seite->setDefaultSectionSize(s.fPlnHoehe * zeilen);
  updateGeometry();
}

void TUeberForm::MarkenLoeschen() {
  const int spalte = fMarkSpalte;
  fMarkSpalte = 0;
  for (std::size_t z = 0; z < fMarken.size(); ++z) {
    if (fMarken[z]) {
      fMarken[z] = false;
      ZelleGeaendert(spalte, static_cast<int>(z) + 1);
    }
  }
}

// Marks lie in one column; marking another one clears them first.
void TUeberForm::Marke(int spalte, int zeile) {
  if (spalte != fMarkSpalte) {
    MarkenLoeschen();
    fMarkSpalte = spalte;
  }
  fMarken[zeile - 1] = true;
  ZelleGeaendert(spalte, zeile);
}

void TUeberForm::Markieren(int spalte, const TKurs& kurs) {
  for (const TSetzung* s : kurs.fSetzungen) {
    if (s->fWoche == PlanVersion(fStandard) && s->fTag >= 1 && s->fTag <= fTage &&
        s->fStunde >= 1 && s->fStunde <= fStunden)
      Marke(spalte, Zeile(s->fTag, s->fStunde));
  }
}

TMenu TUeberForm::KlickMenu(int spalte, int zeile) {
  Nachholen();
  TPlanElement* element = Element(spalte);
  if (element == nullptr) return {};
  // A class's cell shows the course chosen from the lines of several.
  const auto wechseln = [this, spalte](TKurs& gewaehlt, int32_t t, int32_t p) {
    fSpalten[spalte - 1].fBelegung.fKurs[t][p] = &gewaehlt;
    ZelleGeaendert(spalte, Zeile(t, p));
  };
  return KlickMenuFuellen(fSchule, fStandard, fSchule.fToolArt, *element, ZellKurs(spalte, zeile),
                          Tag(zeile), Stunde(zeile), wechseln,
                          [this, spalte](TKurs& kurs, TMenu& menu) {
                            MarkenLoeschen();
                            Markieren(spalte, kurs);
                            ErzeugeRaumUeberSetzMenu(fSchule, fStandard, kurs, menu, *this);
                          });
}

void TUeberForm::Geklickt(int spalte, int zeile) {
  TMenu menu = KlickMenu(spalte, zeile);
  if (!MenuUeberstanden(this, fMenuZeigen, menu)) return;
  // The marks of a room menu last as long as the menu.
  if (fSchule.fToolArt == SetzTool) {
    MarkenLoeschen();
    Abgleichen();
  }
}

void TUeberForm::Doppelgeklickt(int spalte, int zeile, Qt::KeyboardModifiers tasten) {
  Nachholen();
  TKurs* kurs = ZellKurs(spalte, zeile);
  if (kurs == nullptr) return;
  const int32_t tag = Tag(zeile);
  const int32_t std = Stunde(zeile);
  switch (fSchule.fToolArt) {
    case ZeigTool:
      LektionZeigen(fSchule, fStandard, *kurs, &Element(spalte)->fKurse, tag, std,
                    tasten & Qt::ControlModifier);
      break;
    case LoeschTool:
      for (const auto& [s, z] : AuswahlZellen(*fRaster, spalte, zeile)) {
        // A cell may have lost its lesson with a coupled one deleted before it.
        Abgleichen();
        if (TKurs* k = ZellKurs(s, z))
          ZelleLoeschen(fStandard, *k, Tag(z), Stunde(z), tasten & Qt::AltModifier);
      }
      Abgleichen();
      break;
    case SchiebTool:
      if (!(tasten & Qt::ControlModifier)) {
        MarkenLoeschen();
        Markieren(spalte, *kurs);
      }
      break;
    case FixTool:
      for (const auto& [s, z] : AuswahlZellen(*fRaster, spalte, zeile)) {
        if (TKurs* k = ZellKurs(s, z)) FixiereZelle(fSchule, fStandard, *k, Tag(z), Stunde(z));
      }
      fSchule.SetDirty();
      Abgleichen();
      break;
    default:
      break;
  }
}

TMenu TUeberForm::RechtsMenu(int spalte) {
  Nachholen();
  TMenu menu;
  TPlanElement* element = Element(spalte);
  if (element == nullptr) return menu;
  for (TKurs* k : element->fKurse) {
    ErzeugeRechtsUebMenu(fStandard, *k, menu, [this, k, spalte] {
      MarkenLoeschen();
      Abgleichen();
      for (int z = 1; z <= Zeilen(); ++z) {
        if (!k->fSetzungUnmoeglich.GetWocheTagStd(fStandard.fAktuelleWoche, Tag(z), Stunde(z)))
          Marke(spalte, z);
      }
    });
  }
  return menu;
}

void TUeberForm::RechtsKlick(int spalte) {
  TMenu menu = RechtsMenu(spalte);
  fMenuZeigen(menu);
}

void TUeberForm::Vorschau(int spalte, int zeile, bool ohneRaum) {
  Nachholen();
  TKurs* kurs = ZellKurs(spalte, zeile);
  if (kurs == nullptr) return;
  MarkenLoeschen();
  Abgleichen();
  for (int z = 1; z <= Zeilen(); ++z) {
    if (VorschauFrei(fStandard, *kurs, Tag(zeile), Stunde(zeile), Tag(z), Stunde(z), ohneRaum))
      Marke(spalte, z);
  }
}

bool TUeberForm::Aufnehmen(int spalte, int zeile) {
  Nachholen();
  fGezogen = ZellKurs(spalte, zeile);
  fVonTag = Tag(zeile);
  fVonStd = Stunde(zeile);
  MarkenLoeschen();
  if (fGezogen) Markieren(spalte, *fGezogen);
  return fGezogen != nullptr;
}

void TUeberForm::Ablegen(int, int zeile, bool alt, bool shift) {
  TKurs* kurs = fGezogen;
  fGezogen = nullptr;
  MarkenLoeschen();
  if (kurs == nullptr || zeile < 1 || zeile > Zeilen()) return;
  ZelleAblegen(fSchule, *kurs, fVonTag, fVonStd, Tag(zeile), Stunde(zeile), alt, shift);
  Abgleichen();
}

bool TUeberForm::FallenLassen() {
  if (fGezogen == nullptr) return false;
  fGezogen = nullptr;
  MarkenLoeschen();
  return true;
}

// The mouse on the grid: the right click of the set tool and the drag of the move tool; the
// other tools work through the view's click signals.
bool TUeberForm::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt != fRaster->viewport()) return QWidget::eventFilter(objekt, ereignis);
  return PlanMausVerteilen(*this, *ereignis, fSchule.fToolArt);
}

bool TUeberForm::SetzDruck(const QMouseEvent& maus) {
  const QModelIndex index = fRaster->indexAt(maus.position().toPoint());
  if (!index.isValid()) return false;
  RechtsKlick(index.column() + 1);
  return true;
}

bool TUeberForm::SchiebDruck(const QMouseEvent& maus) {
  const QModelIndex index = fRaster->indexAt(maus.position().toPoint());
  if (!index.isValid()) return false;
  if (maus.modifiers() & Qt::ControlModifier) {
    Vorschau(index.column() + 1, index.row() + 1, maus.modifiers() & Qt::AltModifier);
  } else {
    Aufnehmen(index.column() + 1, index.row() + 1);
  }
  return true;
}

// The target is the current cell; the view scrolls to keep it in sight.
bool TUeberForm::Zug(const QMouseEvent& maus) {
  const QModelIndex index = fRaster->indexAt(maus.position().toPoint());
  if (fGezogen && index.isValid()) {
    fRaster->setCurrentIndex(index);
    fRaster->scrollTo(index);
  }
  return fGezogen != nullptr;
}

bool TUeberForm::Loslassen(const QMouseEvent& maus) {
  if (fGezogen == nullptr) return false;
  const QModelIndex index = fRaster->indexAt(maus.position().toPoint());
  if (index.isValid()) {
    Ablegen(index.column() + 1, index.row() + 1, maus.modifiers() & Qt::AltModifier,
            maus.modifiers() & Qt::ShiftModifier);
  } else {
    fGezogen = nullptr;
    MarkenLoeschen();
  }
  return true;
}

TLehrUebForm::TLehrUebForm(TSchule& schule, TStandard& standard)
    : TUeberForm(schule, standard, leh) {}

TKlasUebForm::TKlasUebForm(TSchule& schule, TStandard& standard)
    : TUeberForm(schule, standard, kla) {}

TRaumUebForm::TRaumUebForm(TSchule& schule, TStandard& standard)
    : TUeberForm(schule, standard, rau) {}

TFensterTyp UeberFensterTyp(TKuerzelArt art) {
  return art == leh   ? TFensterTyp::LehrerUebersicht
         : art == kla ? TFensterTyp::KlassenUebersicht
                      : TFensterTyp::RaumUebersicht;
}

TUeberForm* UeberFormOeffnen(TSchule& schule, TStandard& standard, TKuerzelArt art) {
  if (auto* offen = FensterRegister().Offen<TUeberForm>(UeberFensterTyp(art))) return offen;
  if (art == leh) return new TLehrUebForm(schule, standard);
  if (art == kla) return new TKlasUebForm(schule, standard);
  return new TRaumUebForm(schule, standard);
}

}  // namespace orbato
