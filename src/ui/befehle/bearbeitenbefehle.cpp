// The clipboard commands of "Bearbeiten" and the course commands of "Werkzeuge", dispatched on
// the active document window.

#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kursablage.h"
#include "model/schnittstellen/zwischenablage.h"
#include "platform/qttext.h"
#include "platform/qtzwischenablage.h"
#include "ui/hauptfenster/fensterwege.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/plaene/parfenster.h"
#include "ui/plaene/planfenster.h"
#include "ui/plaene/qualitaetfenster.h"
#include "ui/plaene/uebersichtfenster.h"
#include "ui/stammdaten/deputatfenster.h"
#include "ui/stammdaten/grunddatenfenster.h"
#include "ui/stammdaten/kursfenster.h"
#include "ui/stammdaten/statistikfenster.h"
#include "ui/stammdaten/uvtabfenster.h"
#include "ui/vertretung/vuebersichtfenster.h"

namespace orbato {
namespace {

template <class T>
T* Aktiv(const QMdiArea* flaeche) {
  const QMdiSubWindow* aktiv = flaeche->activeSubWindow();
  return aktiv ? qobject_cast<T*>(aktiv->widget()) : nullptr;
}

}  // namespace

Zwischenablage& TOrbatoPalette::Ablage() {
  if (fAblage) return *fAblage;
  static TQtZwischenablage system;
  return system;
}

bool TOrbatoPalette::ShiftGehalten() const {
  return fShift || (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier);
}

void TOrbatoPalette::Kopieren() {
  if (const TPlnForm* plan = Aktiv<TPlnForm>(fArbeitsflaeche)) {
    Ablage().SetzeText(ModellText(plan->PlanText()));
  } else if (const TUeberForm* uebersicht = Aktiv<TUeberForm>(fArbeitsflaeche)) {
    Ablage().SetzeText(ModellText(uebersicht->UebersichtText()));
  } else if (const TUVTabForm* matrix = Aktiv<TUVTabForm>(fArbeitsflaeche)) {
    Ablage().SetzeText(matrix->Text());
  } else if (const TStatForm* statistik = Aktiv<TStatForm>(fArbeitsflaeche)) {
    Ablage().SetzeText(statistik->Text());
  } else if (const TVUebForm* vertretungen = Aktiv<TVUebForm>(fArbeitsflaeche)) {
    Ablage().SetzeText(vertretungen->Text());
  } else if (const TParForm* parallel = Aktiv<TParForm>(fArbeitsflaeche)) {
    Ablage().SetzeText(parallel->Text());
  } else if (const TQualitaetForm* qualitaet = Aktiv<TQualitaetForm>(fArbeitsflaeche)) {
    Ablage().SetzeText(qualitaet->Text());
  } else if (TDepForm* dep = Aktiv<TDepForm>(fArbeitsflaeche)) {
    dep->Kopieren(false, ShiftGehalten(), Ablage());
  } else if (const TKursForm* kurs = Aktiv<TKursForm>(fArbeitsflaeche)) {
    // The course window copies the selected part of its info text.
    if (kurs->fInfo->hasSelectedText()) {
      Ablage().SetzeText(ModellText(kurs->fInfo->selectedText()));
    } else {
      fDialoge.Piep();
    }
  } else {
    fDialoge.Piep();
  }
}

void TOrbatoPalette::Ausschneiden() {
  if (TDepForm* dep = Aktiv<TDepForm>(fArbeitsflaeche)) {
    dep->Kopieren(true, ShiftGehalten(), Ablage());
  } else {
    fDialoge.Piep();
  }
}

// Courses go into "alle Kurse" only; the course window's info field takes one short line.
void TOrbatoPalette::Einsetzen() {
  if (TDepForm* dep = Aktiv<TDepForm>(fArbeitsflaeche)) {
    dep->Einsetzen(Ablage());
    return;
  }
  if (TKursForm* kurs = Aktiv<TKursForm>(fArbeitsflaeche); kurs && kurs->fInfo->hasFocus()) {
    const std::vector<std::string> zeilen = ZwischenablageZeilen(Ablage().HoleText());
    if (InfoFormOk(zeilen)) {
      kurs->fInfo->insert(QtText(zeilen[0]));
      emit kurs->fInfo->textEdited(kurs->fInfo->text());
      return;
    }
  }
  PasteFehler(fDialoge);
}

void TOrbatoPalette::Loeschen() {
  if (TDepForm* dep = Aktiv<TDepForm>(fArbeitsflaeche)) dep->AuswahlLoeschen();
  if (TUVTabForm* matrix = Aktiv<TUVTabForm>(fArbeitsflaeche)) matrix->AuswahlLoeschen();
}

void TOrbatoPalette::AllesAuswaehlen() {
  if (TDepForm* dep = Aktiv<TDepForm>(fArbeitsflaeche)) dep->AllesAuswaehlen();
}

// A course of the active window's element (a distribution table has none), or in "alle Kurse" a
// course without any; its course window opens.
void TOrbatoPalette::NeuerKurs() {
  TKurs* kurs = nullptr;
  TListe<TKurs>* liste = nullptr;
  TElement* element = nullptr;
  if (const TPlnForm* plan = Aktiv<TPlnForm>(fArbeitsflaeche)) element = plan->Element();
  if (const TGrForm* grund = Aktiv<TGrForm>(fArbeitsflaeche)) element = grund->Element();
  if (const TDepForm* dep = Aktiv<TDepForm>(fArbeitsflaeche)) {
    element = dep->Element();
    if (element == nullptr) {
      kurs = fSchule->ErzeugeNeuenKurs();
      liste = &fSchule->fKursMenge;
    }
  }
  if (element) {
    switch (element->Art()) {
      case leh:
        kurs = static_cast<TLehrer*>(element)->NeuerKurs();
        break;
      case kla:
        kurs = static_cast<TKlasse*>(element)->NeuerKurs();
        break;
      case kop:
        kurs = static_cast<TKopplung*>(element)->NeuerKurs();
        break;
      case fac:
        kurs = static_cast<TFach*>(element)->NeuerKurs();
        break;
      case rau:
        kurs = static_cast<TRaum*>(element)->NeuerKurs();
        break;
      default:
        break;
    }
    liste = &element->fKurse;
  }
  if (kurs == nullptr) return;
  fSchule->SetDirty();
  fSchule->FensterAktualisieren();
  KursFensterZeigen(*fSchule, *fStandard, kurs, liste);
}

}  // namespace orbato
