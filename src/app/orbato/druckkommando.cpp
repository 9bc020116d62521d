#include "app/orbato/druckkommando.h"

#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "app/orbato/plankommandos.h"
#include "model/einstellungen/standard.h"
#include "model/schnittstellen/uhr.h"
#include "model/vertretung/kalender.h"
#include "print/druckarten.h"
#include "print/druckauftrag.h"
#include "print/druckermass.h"
#include "print/prevprinter.h"

namespace orbato {
namespace {

// "ART erwartet kuerzel, deputate, … oder vertretungsuebersicht-klassen: X".
std::string UnbekannteArt(const std::string& art) {
  std::string text = "ART erwartet ";
  const auto& arten = DruckArten();
  for (std::size_t i = 0; i < arten.size(); ++i) {
    if (i > 0) text += i + 1 == arten.size() ? " oder " : ", ";
    text += arten[i].name;
  }
  return text + ": " + art;
}

// Qt's own warnings (a missing runtime folder, a painter that could not begin) are no business
// of the command line's output: the command reports its failures in its own words.
void NurErnstesMelden(QtMsgType art, const QMessageLogContext&, const QString& text) {
  if (art == QtCriticalMsg || art == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
}

// Text is measured and pictures are recorded with Qt's GUI module, which wants a GUI
// application; the command line has none, so one without a display is started for this run.
class TDruckAnwendung {
 public:
  TDruckAnwendung() {
    if (QCoreApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    fVorher = qInstallMessageHandler(NurErnstesMelden);
    fAnwendung = std::make_unique<QGuiApplication>(fArgc, fArgv);
  }
  ~TDruckAnwendung() {
    if (!fAnwendung) return;
    fAnwendung.reset();
    qInstallMessageHandler(fVorher);
  }
  TDruckAnwendung(const TDruckAnwendung&) = delete;
  TDruckAnwendung& operator=(const TDruckAnwendung&) = delete;

 private:
  QtMessageHandler fVorher = nullptr;
  char fName[7] = "orbato";
  char* fArgv[2] = {fName, nullptr};
  int fArgc = 1;
  std::unique_ptr<QGuiApplication> fAnwendung;
};

// The layouts the substitution print dialog left ticked, 1..4.
std::vector<int> AngehakteEinstellungen(const TStandard& standard) {
  std::vector<int> nummern;
  for (std::size_t i = 0; i < standard.fVertrCheck.size(); ++i) {
    if (standard.fVertrCheck[i]) nummern.push_back(static_cast<int>(i) + 1);
  }
  return nummern;
}

}  // namespace

int DruckKommando(TLauf& lauf) {
  const std::string& name = lauf.aufruf.argumente[0];
  const TDruckArt* art = DruckArt(name);
  if (art == nullptr) return Falsch(lauf.umgebung, UnbekannteArt(name));
  TDatumZeit datum = Mittag(lauf.uhr.Jetzt());
  if (const auto text = lauf.aufruf.Option("--datum")) {
    const std::optional<TDatumZeit> tag = LiesTag(*text);
    if (!tag) return Falsch(lauf.umgebung, "--datum erwartet JJJJ-MM-TT: " + *text);
    datum = *tag;
  }
  const std::string& ziel = lauf.aufruf.argumente[2];
  TDruckAnwendung anwendung;
  return MitGeladenemPlan(
      lauf,
      [&](TSchule& schule, TSkriptDialoge& dialoge) {
        const TStandard& standard = lauf.standard;
        TDruckAuftrag auftrag{schule, standard, {}, 0, {}, {}};
        if (art->mitDatum) {
          auftrag.datum = datum;
          auftrag.einstellungen = AngehakteEinstellungen(standard);
          auftrag.bemerkungen = standard.fVMemo[0];
        }
        TPrevPrinter drucker(dialoge, PdfMass(art->ausrichtung));
        art->aufzeichnen(drucker, auftrag);
        drucker.DonePrinting();
        if (drucker.GetPageCount() == 0) return Fehler(lauf.umgebung, "Es gibt nichts zu drucken.");
        bool geschrieben = false;
        {
          auto pdf = PdfDrucker(QFile::decodeName(ziel.c_str()), art->ausrichtung, drucker.Title());
          geschrieben = drucker.PrintIt(*pdf);
        }
        if (!geschrieben) {
          return Fehler(lauf.umgebung, "Die Datei " + ziel + " kann nicht geschrieben werden.");
        }
        lauf.umgebung.aus << "Seiten: " << drucker.GetPageCount() << '\n';
        return 0;
      },
      1);
}

}  // namespace orbato
