// "Datei" / "Export" / "Kalender (iCal)...": the calendars of every teacher, class and room.

#include <QFile>

#include "model/vertretung/kalender.h"
#include "platform/qttext.h"
#include "ui/bausteine/ordnermeldung.h"
#include "ui/bausteine/ordnerwahl.h"
#include "ui/bausteine/wartezeiger.h"
#include "ui/bausteine/zeitraumdialog.h"
#include "ui/hauptfenster/orbatopalette.h"

#ifdef ORBATO_MIT_LIBICAL
#include "austausch/ical/kalenderexport.h"
#endif

namespace orbato {

bool TOrbatoPalette::KalenderExportieren() {
#ifdef ORBATO_MIT_LIBICAL
  // Four school weeks from today, the span a calendar program is usually given ahead.
  constexpr int kVorschlagTage = 27;
  if (!fDokumentOffen) return false;
  const TDatumZeit heute = Mittag(fUhr.Jetzt());
  TZeitraumDialog zeitraum(*fStandard, QStringLiteral("Kalender (iCal)"), heute,
                           heute + kVorschlagTage, this);
  if (zeitraum.exec() != QDialog::Accepted) return false;
  const QString titel = QStringLiteral("Exportieren in den Ordner");
  const QString vorschlag = QtText(fStandard->fHTMLPlanPfad);
  const QString pfad = fDateiWaehlen ? fDateiWaehlen(titel, vorschlag, true)
                                     : NeuenOrdnerWaehlen(this, titel, vorschlag);
  if (pfad.isEmpty()) return false;
  TWarteZeiger warten;
  const TKalenderExport ergebnis =
      KalenderExport(*fSchule, *fStandard, QFile::encodeName(pfad).toStdString(), {leh, kla, rau},
                     zeitraum.Von(), zeitraum.Bis(), fUhr.Jetzt());
  if (!ergebnis.fehler.empty()) {
    fDialoge.Nachricht("Warnung", {ergebnis.fehler}, TMeldungsArt::Warnung);
    return false;
  }
  InOrdnerGeschriebenMelden(
      fDialoge, "Kalender (iCal)",
      std::to_string(ergebnis.dateien.size()) + " Kalender geschrieben in den Ordner", pfad);
  return true;
#else
  return false;
#endif
}

}  // namespace orbato
