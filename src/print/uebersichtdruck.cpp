#include "print/uebersichtdruck.h"

#include <QColor>
#include <QPen>
#include <algorithm>

#include "model/einstellungen/standard.h"
#include "platform/qttext.h"
#include "print/druckauftrag.h"
#include "print/prevprinter.h"
#include "print/seitenkopf.h"
#include "print/uebersichtbloecke.h"
#include "print/uebersichtdaten.h"

namespace orbato {
namespace {

constexpr double kZentimeter = 1 / 2.54;

QString JobTitel(TUebersichtArt art) {
  switch (art) {
    case TUebersichtArt::Lehrer:
      return QStringLiteral("Lehrerübersicht");
    case TUebersichtArt::Klassen:
      return QStringLiteral("Klassenübersicht");
    case TUebersichtArt::Raeume:
      return QStringLiteral("Raumübersicht");
    case TUebersichtArt::Faecher:
      return QStringLiteral("Fächerübersicht");
    case TUebersichtArt::Kombination:
      break;
  }
  return QStringLiteral("Kopplungsübersicht");
}

// What the rows are, in the corner above their short names.
QString EckText(TUebersichtArt art) {
  switch (art) {
    case TUebersichtArt::Lehrer:
      return QStringLiteral("Lehrer");
    case TUebersichtArt::Klassen:
      return QStringLiteral("Klasse");
    case TUebersichtArt::Raeume:
      return QStringLiteral("Raum");
    case TUebersichtArt::Faecher:
      return QStringLiteral("Fach");
    case TUebersichtArt::Kombination:
      break;
  }
  return QStringLiteral("Kopplung");
}

// Lays an overview out on the pages: a grid with the short names in the left column and one
// column per period, the days over their periods. A week too wide for the page is printed in
// blocks of days one below the other, rows that do not fit continue on the next page under the
// repeated header, and every page starts with the page header.
class TUebersichtDruck {
 public:
  TUebersichtDruck(TPrevPrinter& drucker, const TDruckAuftrag& auftrag, TUebersichtArt art,
                   const TUebersicht& daten)
      : fDrucker(drucker),
        fAuftrag(auftrag),
        fArt(art),
        fDaten(daten),
        fEinst(UebersichtEinstellung(auftrag.standard, art)) {}

  void Drucken();

 private:
  void Raender();
  void Schriften();
  void Messen();
  int Breite(const QString& text, bool fett);
  QString Passend(const QString& text, int breite);
  QString StundenText(const TUebersichtSpalte& s) const;
  QString TagText(int32_t tag) const;
  QString Titel() const;
  bool MitDatum() const;

  void SeitenKopf();
  void NeueSeite();
  int KopfHoehe() const { return 2 * (fZeile + 2 * fRandY); }
  void BlockKopf(const TSpaltenBlock& block);
  int ZeilenHoehe(const TUebersichtZeile& zeile, const TSpaltenBlock& block) const;
  void ZeileDrucken(const TUebersichtZeile& zeile, const TSpaltenBlock& block, int hoehe);
  void ZelleDrucken(const TUebersichtZelle& zelle, const QRect& rechteck);
  void Kasten(const QRect& rechteck, const QBrush& pinsel);
  void Mittig(const QRect& rechteck, const QString& text);

  TPrevPrinter& fDrucker;
  const TDruckAuftrag& fAuftrag;
  TUebersichtArt fArt;
  const TUebersicht& fDaten;
  const TDruckEinstellung& fEinst;
  QFont fSchrift, fFett;
  int fLinks = 0, fRechts = 0, fOben = 0, fUnten = 0;
  int fRandX = 0, fRandY = 0;  // room between a cell's edge and its text
  int fZeile = 0;              // line height
  int fNamen = 0;              // width of the column of short names
  int fSpalte = 0;             // width of one period
  int fRasterOben = 0;         // where the grid starts on every page
  int fMaxZeilen = 1;          // lines a cell may show so that its row fits a page
  int fY = 0;
};

// The margins of the settings, never outside the part of the sheet the printer reaches.
void TUebersichtDruck::Raender() {
  const bool einRand = fArt == TUebersichtArt::Faecher;
  const int li = einRand ? fEinst.Rand : fEinst.RandLi;
  const int re = einRand ? fEinst.Rand : fEinst.RandRe;
  const int ob = einRand ? fEinst.Rand : fEinst.RandOb;
  const int un = einRand ? fEinst.Rand : fEinst.RandUn;
  fLinks = std::max(fDrucker.XInch(li * kZentimeter), fDrucker.XOff());
  fOben = std::max(fDrucker.YInch(ob * kZentimeter), fDrucker.YOff());
  fRechts = std::min(fDrucker.PageSize().width() - fDrucker.XInch(re * kZentimeter),
                     fDrucker.XOff() + fDrucker.PrintSize().width());
  fUnten = std::min(fDrucker.PageSize().height() - fDrucker.YInch(un * kZentimeter),
                    fDrucker.YOff() + fDrucker.PrintSize().height());
}

void TUebersichtDruck::Schriften() {
  const QString name = QtText(fEinst.Font.Name);
  const int punkte = std::max(1, static_cast<int>(fEinst.Font.Groesse));
  fSchrift = fDrucker.Schrift(name, punkte);
  fFett = fDrucker.Schrift(name, punkte, true);
  fDrucker.SetFont(fSchrift);
  fZeile = fDrucker.TextHeight();
  fRandX = std::max(1, fDrucker.XInch(0.03));
  fRandY = std::max(1, fDrucker.YInch(0.015));
}

int TUebersichtDruck::Breite(const QString& text, bool fett) {
  fDrucker.SetFont(fett ? fFett : fSchrift);
  return fDrucker.TextWidth(text);
}

// The text cut at the end until it fits the width in the current font.
QString TUebersichtDruck::Passend(const QString& text, int breite) {
  QString t = text;
  while (!t.isEmpty() && fDrucker.TextWidth(t) > breite) t.chop(1);
  return t;
}

QString TUebersichtDruck::StundenText(const TUebersichtSpalte& s) const {
  const auto& bez = fAuftrag.standard.fStdBez[static_cast<std::size_t>(fDaten.woche - 1)];
  return QtText(bez[static_cast<std::size_t>(s.std - 1)].str()).trimmed();
}

QString TUebersichtDruck::TagText(int32_t tag) const {
  return QtText(fAuftrag.standard.fTagBez[static_cast<std::size_t>(tag - 1)].str());
}

// The remark, with several plan versions preceded by the number of the one printed.
QString TUebersichtDruck::Titel() const {
  QString titel = QtText(fEinst.Bem.str());
  if (fAuftrag.standard.fMaxWocheNeu > 1) {
    titel = QStringLiteral(" {%1}  ").arg(fDaten.woche) + titel;
  }
  return titel.trimmed().isEmpty() ? QString() : titel;
}

// Only the subject and coupling overviews let the date be left out.
bool TUebersichtDruck::MitDatum() const {
  return fEinst.Datum || (fArt != TUebersichtArt::Faecher && fArt != TUebersichtArt::Kombination);
}

// Every period column is as wide as the widest text any of them holds, so that the blocks of a
// week line up; neither column may take the whole page.
void TUebersichtDruck::Messen() {
  const int platz = fRechts - fLinks;
  int namen = Breite(EckText(fArt), true);
  for (const TUebersichtZeile& z : fDaten.zeilen) {
    namen = std::max(namen, Breite(QtText(z.kopf), false));
  }
  fNamen = std::min(namen + 2 * fRandX, platz / 3);
  int spalte = Breite(QStringLiteral("88"), false);
  for (const TUebersichtSpalte& s : fDaten.spalten) {
    spalte = std::max(spalte, Breite(StundenText(s), false));
  }
  for (const TUebersichtZeile& z : fDaten.zeilen) {
    for (const TUebersichtZelle& zelle : z.zellen) {
      for (const std::string& text : zelle.zeilen) {
        spalte = std::max(spalte, Breite(QtText(text), zelle.fett));
      }
    }
  }
  spalte += 2 * fRandX;
  // A day's abbreviation fits over its periods.
  for (std::size_t i = 0; i < fDaten.spalten.size();) {
    std::size_t j = i;
    while (j < fDaten.spalten.size() && fDaten.spalten[j].tag == fDaten.spalten[i].tag) ++j;
    const int tag = Breite(TagText(fDaten.spalten[i].tag), true) + 2 * fRandX;
    spalte = std::max(spalte, (tag + static_cast<int>(j - i) - 1) / static_cast<int>(j - i));
    i = j;
  }
  fSpalte = std::max(1, std::min(spalte, platz - fNamen));
}

void TUebersichtDruck::SeitenKopf() {
  fDrucker.SetPen(QPen(Qt::black, std::max(1, fDrucker.XInch(0.006))));
  fDrucker.SetBrush(Qt::NoBrush);
  fDrucker.SetFont(fSchrift);
  fY = fOben + DruckKopf(fDrucker, fAuftrag, MitDatum(), fLinks, fOben);
  fY += fZeile / 2;
  const QString titel = Titel();
  if (!titel.isEmpty()) {
    fDrucker.SetFont(fFett);
    fDrucker.TextOut(fLinks, fY, Passend(titel, fRechts - fLinks));
    fY += fZeile + fZeile / 2;
  }
  fRasterOben = fY;
}

void TUebersichtDruck::NeueSeite() {
  fDrucker.NewPage();
  SeitenKopf();
}

void TUebersichtDruck::Kasten(const QRect& rechteck, const QBrush& pinsel) {
  fDrucker.SetBrush(pinsel);
  fDrucker.Rectangle(rechteck.left(), rechteck.top(), rechteck.left() + rechteck.width(),
                     rechteck.top() + rechteck.height());
  fDrucker.SetBrush(Qt::NoBrush);
}

void TUebersichtDruck::Mittig(const QRect& rechteck, const QString& text) {
  const QString t = Passend(text, rechteck.width() - 2 * fRandX);
  fDrucker.TextOut(rechteck.left() + (rechteck.width() - fDrucker.TextWidth(t)) / 2,
                   rechteck.top() + (rechteck.height() - fZeile) / 2, t);
}

// The corner, the days over their periods and the period labels.
void TUebersichtDruck::BlockKopf(const TSpaltenBlock& block) {
  const int h = fZeile + 2 * fRandY;
  const QRect ecke(fLinks, fY, fNamen, 2 * h);
  Kasten(ecke, Qt::NoBrush);
  fDrucker.SetFont(fFett);
  Mittig(ecke, EckText(fArt));
  int x = fLinks + fNamen;
  for (std::size_t i = block.von; i < block.bis;) {
    std::size_t j = i;
    while (j < block.bis && fDaten.spalten[j].tag == fDaten.spalten[i].tag) ++j;
    const QRect tag(x, fY, fSpalte * static_cast<int>(j - i), h);
    Kasten(tag, Qt::NoBrush);
    fDrucker.SetFont(fFett);
    Mittig(tag, TagText(fDaten.spalten[i].tag));
    for (std::size_t k = i; k < j; ++k, x += fSpalte) {
      const QRect stunde(x, fY + h, fSpalte, h);
      Kasten(stunde, Qt::NoBrush);
      fDrucker.SetFont(fSchrift);
      Mittig(stunde, StundenText(fDaten.spalten[k]));
    }
    i = j;
  }
  fY += 2 * h;
}

int TUebersichtDruck::ZeilenHoehe(const TUebersichtZeile& zeile, const TSpaltenBlock& block) const {
  std::size_t zeilen = 1;
  for (std::size_t i = block.von; i < block.bis; ++i) {
    zeilen = std::max(zeilen, zeile.zellen[i].zeilen.size());
  }
  return static_cast<int>(std::min(zeilen, static_cast<std::size_t>(fMaxZeilen))) * fZeile +
         2 * fRandY;
}

void TUebersichtDruck::ZelleDrucken(const TUebersichtZelle& zelle, const QRect& rechteck) {
  QBrush pinsel = Qt::NoBrush;
  if (zelle.farbe) {
    pinsel = QBrush(QtFarbe(*zelle.farbe));
  } else if (zelle.gesperrt) {
    pinsel = QBrush(QColor(210, 210, 210));
  }
  Kasten(rechteck, pinsel);
  QFont schrift = zelle.fett ? fFett : fSchrift;
  schrift.setUnderline(zelle.unterstrichen);
  fDrucker.SetFont(schrift);
  const std::size_t zeilen = std::min(zelle.zeilen.size(), static_cast<std::size_t>(fMaxZeilen));
  for (std::size_t i = 0; i < zeilen; ++i) {
    fDrucker.TextOut(rechteck.left() + fRandX,
                     rechteck.top() + fRandY + static_cast<int>(i) * fZeile,
                     Passend(QtText(zelle.zeilen[i]), rechteck.width() - 2 * fRandX));
  }
}

void TUebersichtDruck::ZeileDrucken(const TUebersichtZeile& zeile, const TSpaltenBlock& block,
                                    int hoehe) {
  const QRect name(fLinks, fY, fNamen, hoehe);
  Kasten(name, Qt::NoBrush);
  fDrucker.SetFont(fSchrift);
  fDrucker.TextOut(fLinks + fRandX, fY + fRandY, Passend(QtText(zeile.kopf), fNamen - 2 * fRandX));
  int x = fLinks + fNamen;
  for (std::size_t i = block.von; i < block.bis; ++i, x += fSpalte) {
    ZelleDrucken(zeile.zellen[i], QRect(x, fY, fSpalte, hoehe));
  }
  fY += hoehe;
}

void TUebersichtDruck::Drucken() {
  fDrucker.NewJob(JobTitel(fArt));
  Raender();
  Schriften();
  Messen();
  SeitenKopf();
  fMaxZeilen = std::max(1, (fUnten - fRasterOben - KopfHoehe() - 2 * fRandY) / fZeile);
  const auto bloecke =
      SpaltenBloecke(fDaten.spalten, fRechts - fLinks - fNamen, fSpalte, fEinst.Un);
  for (std::size_t b = 0; b < bloecke.size(); ++b) {
    const TSpaltenBlock& block = bloecke[b];
    if (b > 0) {
      // The next block goes below the last one when its header and first row still fit.
      const int abstand = fZeile;
      if (fY + abstand + KopfHoehe() + ZeilenHoehe(fDaten.zeilen.front(), block) > fUnten) {
        NeueSeite();
      } else {
        fY += abstand;
      }
    }
    BlockKopf(block);
    for (const TUebersichtZeile& zeile : fDaten.zeilen) {
      const int hoehe = ZeilenHoehe(zeile, block);
      if (fY + hoehe > fUnten && fY > fRasterOben + KopfHoehe()) {
        NeueSeite();
        BlockKopf(block);
      }
      ZeileDrucken(zeile, block, hoehe);
    }
  }
  fDrucker.DonePrinting();
}

void UebersichtAufzeichnen(TPrevPrinter& drucker, const TDruckAuftrag& auftrag,
                           TUebersichtArt art) {
  const TUebersicht daten = UebersichtDaten(art, auftrag);
  // Like the plans: an empty list prints nothing.
  if (daten.zeilen.empty() || daten.spalten.empty()) return;
  TUebersichtDruck(drucker, auftrag, art, daten).Drucken();
}

}  // namespace

void UebersichtLehrerDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  UebersichtAufzeichnen(drucker, auftrag, TUebersichtArt::Lehrer);
}

void UebersichtKlassenDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  UebersichtAufzeichnen(drucker, auftrag, TUebersichtArt::Klassen);
}

void UebersichtRaeumeDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  UebersichtAufzeichnen(drucker, auftrag, TUebersichtArt::Raeume);
}

void UebersichtFaecherDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  UebersichtAufzeichnen(drucker, auftrag, TUebersichtArt::Faecher);
}

void UebersichtKombinationDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  UebersichtAufzeichnen(drucker, auftrag, TUebersichtArt::Kombination);
}

TDruckFunktion UebersichtDrucken(TUebersichtArt art) {
  switch (art) {
    case TUebersichtArt::Lehrer:
      return UebersichtLehrerDrucken;
    case TUebersichtArt::Klassen:
      return UebersichtKlassenDrucken;
    case TUebersichtArt::Raeume:
      return UebersichtRaeumeDrucken;
    case TUebersichtArt::Faecher:
      return UebersichtFaecherDrucken;
    case TUebersichtArt::Kombination:
      break;
  }
  return UebersichtKombinationDrucken;
}

}  // namespace orbato
