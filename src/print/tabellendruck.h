#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/einstellungen/standard.h"

namespace orbato {

class TPrevPrinter;
struct TDruckAuftrag;

// One column of a printed table. Its width is measured from the header and every cell's text
// (or given), and narrowed when the columns together are wider than the printable width.
struct TDruckSpalte {
  using TZeichnen = std::function<void(TPrevPrinter&, const QRect&, const QString&)>;
  TDruckSpalte(QString kopf_, bool rechts_ = false, int breite_ = 0, TZeichnen zeichnen_ = {})
      : kopf(std::move(kopf_)), rechts(rechts_), breite(breite_), zeichnen(std::move(zeichnen_)) {}

  QString kopf;
  bool rechts = false;  // numbers stand at the right edge of the cell
  // The width of the cell's content in printer pixels; 0 measures the texts.
  int breite = 0;
  // Draws the cell in place of its text, into the cell less its padding.
  TZeichnen zeichnen;
  // Long texts go on over further lines of the row instead of being cut.
  bool umbrechen = false;
};

// A list as it is printed: a title line, a table with a header row, lines below it.
struct TDruckTabelle {
  QString titel;
  std::vector<TDruckSpalte> spalten;
  std::vector<std::vector<QString>> zeilen;
  // A background per row; missing or invalid colours leave the row white.
  std::vector<QColor> farben;
  // Rows marked here are group headings: their first text in bold over the whole width. A
  // heading is not left alone at the foot of a page, and a group that goes on over a page
  // break gets its heading again.
  std::vector<bool> gruppenKopf;
  std::vector<QString> schluss;
};

// Prints tables one after another onto the pages of a job. Every page begins with the header of
// DruckKopf; a table that does not fit continues on the next page under its title with
// "(Fortsetzung)" and its header row again; a table that fits on a page of its own is not split.
// Nothing is drawn outside the margins or past the printer's reach: columns are narrowed and texts
// cut to their cell.
class TTabellenDruck {
 public:
  // The margin in centimetres on every side, the date in the header with `mitDatum`.
  TTabellenDruck(TPrevPrinter& drucker, const TDruckAuftrag& auftrag, const TSchrift& schrift,
                 int32_t randCm, bool mitDatum);

  // A new job with its first page.
  void Beginnen(const QString& titel);
  // The next table begins on a page of its own, unless nothing is on the current one yet.
  void NeueSeite();
  void Drucke(const TDruckTabelle& tabelle);
  // A title and lines of text below it, each line broken at blanks to the printable width.
  void Absatz(const QString& titel, const std::vector<QString>& zeilen);
  void Beenden();

  // The printable part of the page inside the margins, and the measures of a table.
  QRect Bereich() const { return fBereich; }
  int ZeilenHoehe() const { return fZeilenHoehe; }
  // The space between a cell's rule and its text, across and down.
  int InnenX() const { return fInnenX; }
  int InnenY() const { return fInnenY; }
  // The column widths, cells included, for the table on the printable width.
  std::vector<int> Spaltenbreiten(const TDruckTabelle& tabelle) const;

 private:
  void Seite();
  // Title, header row, rows and the lines below, as on one page.
  int Hoehe(const TDruckTabelle& tabelle, const std::vector<int>& breiten) const;
  // One row with all the lines its broken texts take.
  int ZeilenHoehe(const TDruckTabelle& tabelle, const std::vector<int>& breiten,
                  std::size_t nr) const;
  bool IstGruppenKopf(const TDruckTabelle& tabelle, std::size_t nr) const {
    return nr < tabelle.gruppenKopf.size() && tabelle.gruppenKopf[nr];
  }
  void GruppenZeile(const QString& text, int breite);
  void Titel(const QString& titel);
  void Kopfzeile(const TDruckTabelle& tabelle, const std::vector<int>& breiten);
  void Zeile(const TDruckTabelle& tabelle, const std::vector<int>& breiten, std::size_t nr);
  void Text(const QString& text, const QRect& zelle, bool rechts);
  bool Passt(int hoehe) const { return fY + hoehe <= fBereich.bottom(); }

  TPrevPrinter& fDrucker;
  const TDruckAuftrag& fAuftrag;
  TSchrift fSchrift;
  bool fMitDatum;
  QRect fBereich;
  int fZeilenHoehe = 0;
  int fTitelHoehe = 0;
  int fInnenX = 0;
  int fInnenY = 0;
  int fY = 0;
  int fRumpfOben = 0;  // where the first table of a page begins
  bool fSeiteLeer = true;
};

// A model text for a cell, without the blanks that right-align hour values in their field: the
// table aligns them itself.
QString ZellenText(const std::string& text);

// The text cut at the end, with "…", so that it is at most `breite` wide in the current font.
QString Abgeschnitten(const TPrevPrinter& drucker, const QString& text, int breite);
// The text broken into lines at most `breite` wide in the current font: at blanks where it can,
// inside a word that is wider than a line. An empty text is one empty line.
std::vector<QString> Umgebrochen(const TPrevPrinter& drucker, const QString& text, int breite);

}  // namespace orbato
