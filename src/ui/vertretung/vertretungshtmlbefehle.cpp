#include "ui/vertretung/vertretungshtmlbefehle.h"

#include <QFile>
#include <QFileDialog>
#include <algorithm>

#include "html/vertretungshtml.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/streamfehler.h"
#include "platform/qttext.h"
#include "ui/bausteine/ordnerpfad.h"
#include "ui/bausteine/wartezeiger.h"
#include "ui/vertretung/vertretungshtmldialog.h"

namespace orbato {
namespace {

const QString kFilter = QStringLiteral("HTML-Dateien (*.HTML)||*.html");
const QString kTitel = QStringLiteral("Vertretungsplan als HTML-Datei");

QString Waehle(QWidget* eltern, const QString& vorschlag, const QString& filter) {
  if (const TVertrHTMLDateiWahl& wahl = VertrHTMLDateiWahl()) {
    return wahl(eltern, kTitel, vorschlag, filter);
  }
  // The filter as Qt writes it: the description, both spellings of the extension.
  const QString qtFilter =
      filter.isEmpty() ? QString() : QStringLiteral("HTML-Dateien (*.HTML *.html)");
  return QFileDialog::getSaveFileName(eltern, kTitel, vorschlag, qtFilter);
}

std::string DateiPfad(const QString& pfad) {
  return pfad.isEmpty() ? std::string() : QFile::encodeName(pfad).toStdString();
}

// Which one layout is ticked, 1..4; 0 unless exactly one.
int32_t EinzigesLayout(const TStandard& standard) {
  const auto& check = standard.fVertrCheck;
  if (std::count(check.begin(), check.end(), true) != 1) return 0;
  return static_cast<int32_t>(std::find(check.begin(), check.end(), true) - check.begin()) + 1;
}

// A page that cannot be written ends the export with the file's message.
template <class Schritt>
void MitMeldung(TSchule& schule, Schritt&& schritt) {
  try {
    TWarteZeiger warten;
    schritt();
  } catch (const TStreamFehler& fehler) {
    schule.Dialog().Nachricht("Fehler", {fehler.what()}, TMeldungsArt::Fehler);
  }
}

}  // namespace

TVertrHTMLDateiWahl& VertrHTMLDateiWahl() {
  static TVertrHTMLDateiWahl wahl;
  return wahl;
}

void VertretungAlsHTML(QWidget* eltern, TSchule& schule, TStandard& standard, TDatumZeit datum,
                       const std::vector<std::string>& bemerkung) {
  const int32_t layout = EinzigesLayout(standard);
  if (layout == 0) {
    schule.Dialog().Nachricht("Warnung", {"darf nur eine Druckeinstellung"}, TMeldungsArt::Warnung);
    return;
  }
  {
    TVertrHTMLDialog dialog(standard, eltern);
    if (dialog.exec() != QDialog::Accepted) return;
    dialog.Uebernehmen();
  }
  if (standard.fVertrHTMLMitTagesordner) {
    const QString ordner =
        Waehle(eltern, QtText(standard.fHTMLVertPfad + TagesordnerName(datum)), QString());
    if (ordner.isEmpty()) return;
    standard.fHTMLVertPfad = OrdnerVon(ordner);
    MitMeldung(schule, [&] {
      VertretungImTagesordner(schule, datum, layout, bemerkung, DateiPfad(ordner));
    });
    return;
  }
  const QString ordner = QtText(standard.fHTMLVertPfad);
  const QString vp = Waehle(eltern, ordner + QStringLiteral("vp.html"), kFilter);
  const QString ep = standard.fVertrHTMLGemeinsam
                         ? QString()
                         : Waehle(eltern, ordner + QStringLiteral("ep.html"), kFilter);
  MitMeldung(schule, [&] {
    VertretungInDateien(schule, datum, layout, bemerkung, DateiPfad(vp), DateiPfad(ep));
  });
}

void VierHTMLDateien(QWidget*, TSchule& schule, const TStandard& standard, TDatumZeit datum,
                     const std::vector<std::string>& bemerkung) {
  const auto& check = standard.fVertrCheck;
  if (std::count(check.begin(), check.end(), true) != 4) {
    schule.Dialog().Nachricht("Warnung",
                              {"Es m\xFCssen alle 4 Druckeinstellungen gew\xE4hlt sein!"},
                              TMeldungsArt::Warnung);
    return;
  }
  MitMeldung(schule, [&] { VierHTMLDateienExportieren(schule, datum, bemerkung); });
}

}  // namespace orbato
