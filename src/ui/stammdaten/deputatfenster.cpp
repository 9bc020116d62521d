#include "ui/stammdaten/deputatfenster.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/element.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kursablage.h"
#include "model/kurse/kurswahl.h"
#include "model/schnittstellen/dialoge.h"
#include "platform/qttext.h"
#include "ui/bausteine/mehrfachwahl.h"
#include "ui/bausteine/rastertasten.h"
#include "ui/bausteine/werkzeugmaus.h"
#include "ui/hauptfenster/fensterregister.h"
#include "ui/hauptfenster/fensterwege.h"
#include "ui/hauptfenster/menuedaten.h"
#include "ui/stammdaten/deputatmodell.h"

namespace orbato {
namespace {

bool IstZiehSpalte(TDepSpalte spalte, const TStandard& standard) {
  return spalte == TDepSpalte::Klasse || spalte == TDepSpalte::Raum ||
         (spalte == TDepSpalte::Info && standard.fMitKursInfo);
}

}  // namespace

TDepForm::TDepForm(TSchule& schule, TStandard& standard, TElement* element, TFensterTyp typ,
                   bool nurGekoppelt, bool nurOffen)
    : fSchule(schule),
      fStandard(standard),
      fElement(element),
      fTyp(typ),
      fNurGekoppelt(nurGekoppelt),
      fNurOffen(nurOffen),
      fModell(new TDepModell(standard, this)),
      fTabelle(new QTableView(this)),
      fKopf(new QLabel(this)) {
  if (fElement) {
    fElement->SetDepFenster(this);
    fSchule.FensterAnmelden("Deputat " + fElement->fKuerzel.str() + " " + std::to_string(Nr(typ)),
                            this);
  } else {
    fSchule.FensterAnmelden("alle Kurse", this);
  }
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  fKopf->setObjectName(QStringLiteral("kopf"));
  fKopf->hide();
  layout->addWidget(fKopf);
  layout->addWidget(fTabelle);
  fTabelle->setModel(fModell);
  fTabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
  fTabelle->setSelectionMode(QAbstractItemView::ExtendedSelection);
  fTabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
  fTabelle->verticalHeader()->hide();
  fTabelle->horizontalHeader()->setSectionsClickable(true);
  fTabelle->viewport()->installEventFilter(this);
  connect(fTabelle->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int nr) {
    if (IstKursSpalte(nr)) Sortieren(Spalte(nr));
  });
  // A click may take placements away: one step of the document's history.
  connect(fTabelle, &QTableView::clicked, this, [this](const QModelIndex& i) {
    TVerlaufSchritt schritt;
    if (IstKursSpalte(i.column())) Geklickt(i.row(), Spalte(i.column()));
  });
  connect(fTabelle, &QTableView::doubleClicked, this,
          [this](const QModelIndex& i) { Doppelgeklickt(i.row()); });
  RasterTastenAnschliessen(*fTabelle, {[this](int zeile, int spalte) {
                                         TVerlaufSchritt schritt;
                                         ZelleAusloesen(zeile, spalte);
                                       },
                                       {},
                                       [this] { return FallenLassen(); },
                                       {}});
  fMenuZeigen = [this](TMenu& menu) { MenuAmZeiger(this, menu); };
  fKlassenWaehlen = [this] { return KlassenWaehlen(this, fSchule); };
  Fuellen();
}

TDepForm::~TDepForm() {
  if (fElement && fElement->fDepFenster == this) fElement->SetDepFenster(nullptr);
  fSchule.FensterAbmelden(this);
}

void TDepForm::FensterSchliessen() {
  if (fElement && fElement->fDepFenster == this) fElement->SetDepFenster(nullptr);
  fElement = nullptr;
  fSchule.FensterAbmelden(this);
  RahmenSchliessen(this);
}

void TDepForm::FensterNachVorn() {
  RahmenNachVorn(this);
}

std::string TDepForm::FensterTitel() const {
  return ModellText(windowTitle());
}

void TDepForm::KursEntfernt(const TKurs* kurs) {
  if (fGezeigt) std::erase(*fGezeigt, kurs);
  fModell->Entfernen(kurs);
}

TListe<TKurs>& TDepForm::Quelle() const {
  return fElement ? fElement->fKurse : fSchule.fKursMenge;
}

int TDepForm::Zeilen() const {
  return fModell->rowCount();
}

TKurs* TDepForm::ZeilenKurs(int zeile) const {
  return fModell->Kurs(zeile);
}

QString TDepForm::Text(int zeile, TDepSpalte spalte) const {
  const int nr = fModell->SpaltenNr(spalte);
  return nr < 0 ? QString() : fModell->index(zeile, nr).data().toString();
}

bool TDepForm::IstKursSpalte(int nr) const {
  return nr >= 0 && nr < static_cast<int>(fModell->Spalten().size());
}

TDepSpalte TDepForm::Spalte(int nr) const {
  const auto& spalten = fModell->Spalten();
  return nr >= 0 && nr < static_cast<int>(spalten.size()) ? spalten[nr] : TDepSpalte::Wert;
}

std::vector<TKurs*> TDepForm::Auswahl() const {
  std::vector<int> zeilen;
  for (const QModelIndex& i : fTabelle->selectionModel()->selectedRows()) zeilen.push_back(i.row());
  std::sort(zeilen.begin(), zeilen.end());
  std::vector<TKurs*> kurse;
  for (int z : zeilen) {
    TKurs* k = ZeilenKurs(z);
    if (k && std::find(kurse.begin(), kurse.end(), k) == kurse.end()) kurse.push_back(k);
  }
  return kurse;
}

void TDepForm::Auswaehlen(const std::vector<int>& zeilen) {
  QItemSelectionModel* auswahl = fTabelle->selectionModel();
  auswahl->clearSelection();
  for (int z : zeilen) {
    auswahl->select(fModell->index(z, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
}

void TDepForm::AllesAuswaehlen() {
  fTabelle->selectAll();
}

void TDepForm::KurseZeigen(std::vector<TKurs*> kurse,
                           std::function<std::string(const TKurs&)> grund, const QString& kopf) {
  fGezeigt = std::move(kurse);
  fGrund = std::move(grund);
  fKopf->setText(kopf);
  fKopf->setVisible(!kopf.isEmpty());
  fSortiertNach = -1;
  fTabelle->clearSelection();
  Fuellen();
}

QString TDepForm::Kopf() const {
  return fKopf->text();
}

void TDepForm::ListeZeigen() {
  if (!fGezeigt) return;
  fGezeigt.reset();
  fGrund = nullptr;
  fKopf->clear();
  fKopf->hide();
  fSortiertNach = -1;
  Fuellen();
}

// The rows from the course list with the window's filters, in the order the user sorted by;
// the selected courses stay selected.
void TDepForm::Fuellen() {
  const std::vector<TKurs*> gewaehlt = Auswahl();
  // The rows are made anew; the view stays where the user scrolled to.
  const int oben = fTabelle->verticalScrollBar()->value();
  std::vector<TKurs*> kurse =
      fGezeigt ? *fGezeigt : DepKurse(fStandard, Quelle(), fNurGekoppelt, fNurOffen);
  if (fSortiertNach >= 0) DepSortieren(kurse, static_cast<TDepSpalte>(fSortiertNach));
  fModell->Setzen(std::move(kurse), fGrund);
  std::vector<int> zeilen;
  for (int z = 0; z < Zeilen(); ++z) {
    if (std::find(gewaehlt.begin(), gewaehlt.end(), ZeilenKurs(z)) != gewaehlt.end())
      zeilen.push_back(z);
  }
  Auswaehlen(zeilen);
  Abmessen();
  fTabelle->verticalScrollBar()->setValue(oben);
  TitelSetzen();
}

void TDepForm::Abmessen() {
  const TStandard& s = fStandard;
  fTabelle->setFont(QtSchrift(s.fDepFont));
  fTabelle->verticalHeader()->setMinimumSectionSize(std::min(s.fDepHoehe, 13));
  fTabelle->verticalHeader()->setDefaultSectionSize(s.fDepHoehe);
  const auto& spalten = fModell->Spalten();
  // The settings hold the width of the text; a cell adds its margins and a header its own.
  const int rand = 2 * fTabelle->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 6;
  for (int i = 0; i < static_cast<int>(spalten.size()); ++i) {
    fTabelle->setColumnWidth(i, DepBreite(fStandard, spalten[i]) + rand);
  }
  if (fGrund) {
    const int grund = static_cast<int>(spalten.size());
    fTabelle->resizeColumnToContents(grund);
    QHeaderView* kopf = fTabelle->horizontalHeader();
    kopf->moveSection(kopf->visualIndex(grund), 0);
  }
  updateGeometry();
}

// As tall as the rows, at least one; the workspace cuts it to what fits.
QSize TDepForm::sizeHint() const {
  int breite = 2 * fTabelle->frameWidth() + fTabelle->verticalScrollBar()->sizeHint().width();
  for (int i = 0; i < fModell->columnCount(); ++i) breite += fTabelle->columnWidth(i);
  const int zeilen = std::max(Zeilen(), 1);
  const int hoehe = 2 * fTabelle->frameWidth() + fTabelle->horizontalHeader()->sizeHint().height() +
                    zeilen * fTabelle->verticalHeader()->defaultSectionSize();
  return {breite, hoehe};
}

void TDepForm::TitelSetzen() {
  setWindowTitle(fElement ? QtText(DeputatTitel(*fElement))
                          : QtText(FensterTypTitel(TFensterTyp::AlleKurse)));
}

void TDepForm::Geaendert() {
  fSchule.SetDirty();
  fSchule.FensterAktualisieren();
}

void TDepForm::Geklickt(int zeile, TDepSpalte spalte, Qt::KeyboardModifiers tasten) {
  TKurs* kurs = ZeilenKurs(zeile);
  if (kurs == nullptr) return;
  const bool ctrl = tasten & Qt::ControlModifier;
  TMenu menu;
  switch (fSchule.fToolArt) {
    case ZeigTool:
      menu = DepZeigMenu(*kurs, spalte);
      break;
    case SetzTool:
      if (ctrl && spalte == TDepSpalte::Klasse) {
        if (KlassenErgaenzen(*kurs, fKlassenWaehlen())) Geaendert();
        return;
      }
      menu = DepSetzMenu(*kurs, spalte);
      break;
    case LoeschTool:
      if (DepLoeschen(*kurs, spalte, ctrl, menu)) {
        Geaendert();
        return;
      }
      break;
    default:
      return;
  }
  NachJedemBefehl(menu, [this] { Geaendert(); });
  fMenuZeigen(menu);
}

void TDepForm::Doppelgeklickt(int zeile) {
  if (fSchule.fToolArt != ZeigTool) return;
  if (TKurs* kurs = ZeilenKurs(zeile)) KursFensterZeigen(fSchule, fStandard, kurs, &Quelle());
}

void TDepForm::Ziehen(int vonZeile, TDepSpalte spalte, int nachZeile) {
  TKurs* quelle = ZeilenKurs(vonZeile);
  TKurs* ziel = ZeilenKurs(nachZeile);
  if (quelle == nullptr || ziel == nullptr || quelle == ziel) return;
  if (DepUebertragen(fStandard, *quelle, *ziel, spalte)) Geaendert();
}

void TDepForm::ZelleAusloesen(int zeile, int spalte) {
  if (fSchule.fToolArt != SchiebTool) {
    if (IstKursSpalte(spalte)) Geklickt(zeile, Spalte(spalte), Qt::NoModifier);
    return;
  }
  if (fZiehZeile < 0) {
    if (IstKursSpalte(spalte) && IstZiehSpalte(Spalte(spalte), fStandard)) {
      fZiehZeile = zeile;
      fZiehSpalte = spalte;
    }
    return;
  }
  const int von = std::exchange(fZiehZeile, -1);
  if (zeile != von) Ziehen(von, Spalte(fZiehSpalte), zeile);
}

bool TDepForm::FallenLassen() {
  if (fZiehZeile < 0) return false;
  fZiehZeile = -1;
  return true;
}

void TDepForm::Sortieren(TDepSpalte spalte) {
  fSortiertNach = static_cast<int>(spalte);
  Fuellen();
}

void TDepForm::Kopieren(bool mitCut, bool ohneFolgezeilen, Zwischenablage& ablage) {
  const std::vector<TKurs*> auswahl = Auswahl();
  if (auswahl.empty()) {
    fSchule.Dialog().Piep();
    return;
  }
  KurseKopieren(fSchule, auswahl, mitCut, ohneFolgezeilen, ablage);
  if (mitCut) Geaendert();
}

void TDepForm::Einsetzen(const Zwischenablage& ablage) {
  if (fTyp != TFensterTyp::AlleKurse) {
    PasteFehler(fSchule.Dialog());
    return;
  }
  if (KurseEinsetzen(fSchule, ablage)) Geaendert();
}

void TDepForm::AuswahlLoeschen() {
  if (DepAuswahlLoeschen(fSchule, Auswahl()) > 0) Geaendert();
}

// The move tool drags a class, room or info cell from one row to another; the table still sees
// the press and the release and selects as with any other tool.
bool TDepForm::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt != fTabelle->viewport()) return QWidget::eventFilter(objekt, ereignis);
  return MausVerteilen(
      {
          {TMausAktion::Druck, Qt::LeftButton, SchiebTool,
           [this](const QMouseEvent& maus) {
             const QModelIndex index = fTabelle->indexAt(maus.position().toPoint());
             fZiehZeile = index.isValid() && IstZiehSpalte(Spalte(index.column()), fStandard)
                              ? index.row()
                              : -1;
             fZiehSpalte = index.column();
             return false;
           }},
          {TMausAktion::Loslassen, Qt::LeftButton, SchiebTool,
           [this](const QMouseEvent& maus) {
             const QModelIndex index = fTabelle->indexAt(maus.position().toPoint());
             if (fZiehZeile >= 0 && index.isValid() && index.row() != fZiehZeile)
               Ziehen(fZiehZeile, Spalte(fZiehSpalte), index.row());
             fZiehZeile = -1;
             return false;
           }},
      },
      *ereignis, fSchule.fToolArt);
}

TLeDepForm::TLeDepForm(TSchule& schule, TStandard& standard, TLehrer* lehrer, bool nurGekoppelt,
                       bool nurOffen)
    : TDepForm(schule, standard, lehrer, TFensterTyp::LehrerDeputat, nurGekoppelt, nurOffen),
      fLehrer(lehrer) {}

TKlDepForm::TKlDepForm(TSchule& schule, TStandard& standard, TKlasse* klasse, bool nurGekoppelt,
                       bool nurOffen)
    : TDepForm(schule, standard, klasse, TFensterTyp::KlassenDeputat, nurGekoppelt, nurOffen),
      fKlasse(klasse) {}

TKoDepForm::TKoDepForm(TSchule& schule, TStandard& standard, TKopplung* kopplung, bool nurGekoppelt,
                       bool nurOffen)
    : TDepForm(schule, standard, kopplung, TFensterTyp::KopplungsDeputat, nurGekoppelt, nurOffen),
      fKopplung(kopplung) {}

TFaDepForm::TFaDepForm(TSchule& schule, TStandard& standard, TFach* fach, bool nurGekoppelt,
                       bool nurOffen)
    : TDepForm(schule, standard, fach, TFensterTyp::FachDeputat, nurGekoppelt, nurOffen),
      fFach(fach) {}

TRaDepForm::TRaDepForm(TSchule& schule, TStandard& standard, TRaum* raum, bool nurGekoppelt,
                       bool nurOffen)
    : TDepForm(schule, standard, raum, TFensterTyp::RaumDeputat, nurGekoppelt, nurOffen),
      fRaum(raum) {}

TKursDepForm::TKursDepForm(TSchule& schule, TStandard& standard, bool nurGekoppelt, bool nurOffen)
    : TDepForm(schule, standard, nullptr, TFensterTyp::AlleKurse, nurGekoppelt, nurOffen) {
  FensterRegister().Anmelden(TFensterTyp::AlleKurse, this);
}

TKursDepForm::~TKursDepForm() {
  FensterRegister().Abmelden(this);
}

TDepForm* DepFensterOeffnen(TSchule& schule, TStandard& standard, TElement* element,
                            bool nurGekoppelt, bool nurOffen) {
  if (auto* offen = dynamic_cast<TDepForm*>(element->fDepFenster)) return offen;
  switch (element->Art()) {
    case leh:
      return new TLeDepForm(schule, standard, static_cast<TLehrer*>(element), nurGekoppelt,
                            nurOffen);
    case kla:
      return new TKlDepForm(schule, standard, static_cast<TKlasse*>(element), nurGekoppelt,
                            nurOffen);
    case kop:
      return new TKoDepForm(schule, standard, static_cast<TKopplung*>(element), nurGekoppelt,
                            nurOffen);
    case fac:
      return new TFaDepForm(schule, standard, static_cast<TFach*>(element), nurGekoppelt, nurOffen);
    case rau:
      return new TRaDepForm(schule, standard, static_cast<TRaum*>(element), nurGekoppelt, nurOffen);
    default:
      return nullptr;
  }
}

TDepForm* AlleKurseOeffnen(TSchule& schule, TStandard& standard, bool nurGekoppelt, bool nurOffen) {
  if (auto* offen = FensterRegister().Offen<TDepForm>(TFensterTyp::AlleKurse)) return offen;
  return new TKursDepForm(schule, standard, nurGekoppelt, nurOffen);
}

}  // namespace orbato
