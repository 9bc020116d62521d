#include "print/tabellendruck.h"

#include <QPen>
#include <algorithm>
#include <numeric>

#include "platform/qttext.h"
#include "print/druckauftrag.h"
#include "print/prevprinter.h"
#include "print/seitenkopf.h"

namespace orbato {
namespace {

constexpr double kInnenXZoll = 0.05;
constexpr double kInnenYZoll = 0.02;
constexpr double kLinieZoll = 0.005;
constexpr int kKleinsteSchrift = 4;
constexpr int kTitelGroesser = 2;
const QColor kKopfGrund(225, 225, 225);

// Narrows the widest columns to a common width until the columns fit; narrow columns keep their
// width, so that a long text column gives way before the short numbers do.
std::vector<int> Eingepasst(std::vector<int> breiten, int verfuegbar) {
  const long summe = std::accumulate(breiten.begin(), breiten.end(), 0L);
  if (summe <= verfuegbar || breiten.empty()) return breiten;
  std::vector<int> sortiert = breiten;
  std::sort(sortiert.begin(), sortiert.end());
  int rest = std::max(verfuegbar, 0);
  int grenze = 0;
  for (std::size_t i = 0; i < sortiert.size(); ++i) {
    const int uebrig = static_cast<int>(sortiert.size() - i);
    if (static_cast<long>(sortiert[i]) * uebrig > rest) {
      grenze = rest / uebrig;
      break;
    }
    rest -= sortiert[i];
  }
  for (int& b : breiten) b = std::min(b, grenze);
  return breiten;
}

// The part of the sheet inside the margin that the printer also reaches.
QRect Druckflaeche(const TPrevPrinter& drucker, int32_t randCm) {
  const int randX = drucker.XInch(std::max(randCm, 0) / 2.54);
  const int randY = drucker.YInch(std::max(randCm, 0) / 2.54);
  const int links = std::max(randX, drucker.XOff());
  const int oben = std::max(randY, drucker.YOff());
  const int rechts =
      std::min(drucker.PageSize().width() - randX, drucker.XOff() + drucker.PrintSize().width());
  const int unten =
      std::min(drucker.PageSize().height() - randY, drucker.YOff() + drucker.PrintSize().height());
  return {links, oben, std::max(rechts - links, 0), std::max(unten - oben, 0)};
}

QString ErsterText(const std::vector<QString>& zeile) {
  return zeile.empty() ? QString() : zeile.front();
}

}  // namespace

QString ZellenText(const std::string& text) {
  return QtText(text).trimmed();
}

QString Abgeschnitten(const TPrevPrinter& drucker, const QString& text, int breite) {
  if (drucker.TextWidth(text) <= breite) return text;
  const QString ende = QStringLiteral("…");
  QString kurz = text;
  while (!kurz.isEmpty() && drucker.TextWidth(kurz + ende) > breite) kurz.chop(1);
  if (kurz.isEmpty()) return drucker.TextWidth(ende) <= breite ? ende : QString();
  return kurz + ende;
}

std::vector<QString> Umgebrochen(const TPrevPrinter& drucker, const QString& text, int breite) {
  std::vector<QString> zeilen;
  QString zeile;
  // A word wider than a line is split where the line is full.
  const auto anhaengen = [&](QString wort) {
    const QString versuch = zeile.isEmpty() ? wort : zeile + QLatin1Char(' ') + wort;
    if (drucker.TextWidth(versuch) <= breite) {
      zeile = versuch;
      return;
    }
    if (!zeile.isEmpty()) zeilen.push_back(zeile);
    zeile.clear();
    while (wort.size() > 1 && drucker.TextWidth(wort) > breite) {
      qsizetype n = 1;
      while (n < wort.size() && drucker.TextWidth(wort.left(n + 1)) <= breite) ++n;
      zeilen.push_back(wort.left(n));
      wort = wort.mid(n);
    }
    zeile = wort;
  };
  for (const QString& wort : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) anhaengen(wort);
  if (!zeile.isEmpty() || zeilen.empty()) zeilen.push_back(zeile);
  return zeilen;
}

TTabellenDruck::TTabellenDruck(TPrevPrinter& drucker, const TDruckAuftrag& auftrag,
                               const TSchrift& schrift, int32_t randCm, bool mitDatum)
    : fDrucker(drucker), fAuftrag(auftrag), fSchrift(schrift), fMitDatum(mitDatum) {
  fSchrift.Groesse = std::max(fSchrift.Groesse, kKleinsteSchrift);
  fBereich = Druckflaeche(drucker, randCm);
  fInnenX = std::max(1, drucker.XInch(kInnenXZoll));
  fInnenY = std::max(1, drucker.YInch(kInnenYZoll));
}

void TTabellenDruck::Beginnen(const QString& titel) {
  fDrucker.NewJob(titel);
  fDrucker.SetFont(fDrucker.Schrift(QtText(fSchrift.Name), fSchrift.Groesse));
  fZeilenHoehe = fDrucker.TextHeight() + 2 * fInnenY;
  fDrucker.SetFont(
      fDrucker.Schrift(QtText(fSchrift.Name), fSchrift.Groesse + kTitelGroesser, true));
  fTitelHoehe = fDrucker.TextHeight() + fInnenY;
  Seite();
}

void TTabellenDruck::Beenden() {
  fDrucker.DonePrinting();
}

void TTabellenDruck::NeueSeite() {
  if (fSeiteLeer) return;
  fDrucker.NewPage();
  Seite();
}

// The header of a fresh page; the job's first page is already there.
void TTabellenDruck::Seite() {
  fDrucker.SetFont(fDrucker.Schrift(QtText(fSchrift.Name), fSchrift.Groesse));
  fDrucker.SetBrush(Qt::NoBrush);
  fDrucker.SetPen(QPen(Qt::black, std::max(1, fDrucker.XInch(kLinieZoll))));
  fY = fBereich.top() + DruckKopf(fDrucker, fAuftrag, fMitDatum, fBereich.left(), fBereich.top());
  fY += fZeilenHoehe / 2;
  fRumpfOben = fY;
  fSeiteLeer = true;
}

std::vector<int> TTabellenDruck::Spaltenbreiten(const TDruckTabelle& tabelle) const {
  const QFont vorher = fDrucker.GetFont();
  std::vector<int> breiten;
  fDrucker.SetFont(fDrucker.Schrift(QtText(fSchrift.Name), fSchrift.Groesse, true));
  for (const TDruckSpalte& s : tabelle.spalten) breiten.push_back(fDrucker.TextWidth(s.kopf));
  fDrucker.SetFont(fDrucker.Schrift(QtText(fSchrift.Name), fSchrift.Groesse));
  for (std::size_t i = 0; i < breiten.size(); ++i) {
    const TDruckSpalte& s = tabelle.spalten[i];
    if (s.breite > 0) {
      breiten[i] = std::max(breiten[i], s.breite);
      continue;
    }
    for (const auto& zeile : tabelle.zeilen) {
      if (i < zeile.size()) breiten[i] = std::max(breiten[i], fDrucker.TextWidth(zeile[i]));
    }
  }
  for (int& b : breiten) b += 2 * fInnenX;
  fDrucker.SetFont(vorher);
  return Eingepasst(breiten, fBereich.width());
}

void TTabellenDruck::Drucke(const TDruckTabelle& tabelle) {
  const std::vector<int> breiten = Spaltenbreiten(tabelle);
  const int erste = tabelle.zeilen.empty() ? fZeilenHoehe : ZeilenHoehe(tabelle, breiten, 0);
  const int anfang = fTitelHoehe + fZeilenHoehe + erste;
  if (!fSeiteLeer) {
    fY += fZeilenHoehe;
    // A table that would fit on a page of its own is not split over two.
    const int ganz = Hoehe(tabelle, breiten);
    if (!Passt(anfang) || (!Passt(ganz) && ganz <= fBereich.bottom() - fRumpfOben)) {
      fDrucker.NewPage();
      Seite();
    }
  }
  Titel(tabelle.titel);
  Kopfzeile(tabelle, breiten);
  const int breite = std::accumulate(breiten.begin(), breiten.end(), 0);
  int zeilenAufSeite = 0;
  std::size_t gruppe = tabelle.zeilen.size();  // the heading of the group being printed
  for (std::size_t nr = 0; nr < tabelle.zeilen.size(); ++nr) {
    const bool kopf = IstGruppenKopf(tabelle, nr);
    int hoehe = ZeilenHoehe(tabelle, breiten, nr);
    // A heading goes to the next page together with the first row of its group.
    if (kopf && nr + 1 < tabelle.zeilen.size() && !IstGruppenKopf(tabelle, nr + 1)) {
      hoehe += ZeilenHoehe(tabelle, breiten, nr + 1);
    }
    // A page that cannot hold a single row does not send every row on to the next one.
    if (!Passt(hoehe) && zeilenAufSeite > 0) {
      fDrucker.NewPage();
      Seite();
      Titel(tabelle.titel + QStringLiteral(" (Fortsetzung)"));
      Kopfzeile(tabelle, breiten);
      zeilenAufSeite = 0;
      if (!kopf && gruppe < tabelle.zeilen.size()) {
        GruppenZeile(ErsterText(tabelle.zeilen[gruppe]) + QStringLiteral(" (Fortsetzung)"), breite);
      }
    }
    if (kopf) {
      gruppe = nr;
      GruppenZeile(ErsterText(tabelle.zeilen[nr]), breite);
    } else {
      Zeile(tabelle, breiten, nr);
    }
    ++zeilenAufSeite;
  }
  fDrucker.SetFont(fDrucker.Schrift(QtText(fSchrift.Name), fSchrift.Groesse));
  const int zeile = fDrucker.TextHeight();
  if (!tabelle.schluss.empty()) fY += fInnenY;
  for (const QString& text : tabelle.schluss) {
    if (!Passt(zeile)) {
      fDrucker.NewPage();
      Seite();
    }
    fDrucker.TextOut(fBereich.left(), fY, Abgeschnitten(fDrucker, text, fBereich.width()));
    fY += zeile;
  }
  fSeiteLeer = false;
}

void TTabellenDruck::Absatz(const QString& titel, const std::vector<QString>& zeilen) {
  fDrucker.SetFont(fDrucker.Schrift(QtText(fSchrift.Name), fSchrift.Groesse));
  const int zeile = fDrucker.TextHeight();
  if (!fSeiteLeer) fY += fZeilenHoehe;
  if (!Passt(fTitelHoehe + zeile) && !fSeiteLeer) {
    fDrucker.NewPage();
    Seite();
  }
  Titel(titel);
  fDrucker.SetFont(fDrucker.Schrift(QtText(fSchrift.Name), fSchrift.Groesse));
  for (const QString& text : zeilen) {
    for (const QString& teil : Umgebrochen(fDrucker, text, fBereich.width())) {
      if (!Passt(zeile)) {
        fDrucker.NewPage();
        Seite();
      }
      fDrucker.TextOut(fBereich.left(), fY, teil);
      fY += zeile;
    }
  }
  fSeiteLeer = false;
}

int TTabellenDruck::ZeilenHoehe(const TDruckTabelle& tabelle, const std::vector<int>& breiten,
                                std::size_t nr) const {
  if (IstGruppenKopf(tabelle, nr)) return fZeilenHoehe;
  const QFont vorher = fDrucker.GetFont();
  fDrucker.SetFont(fDrucker.Schrift(QtText(fSchrift.Name), fSchrift.Groesse));
  std::size_t zeilen = 1;
  const std::vector<QString>& texte = tabelle.zeilen[nr];
  for (std::size_t i = 0; i < breiten.size() && i < texte.size(); ++i) {
    if (!tabelle.spalten[i].umbrechen) continue;
    zeilen = std::max(zeilen, Umgebrochen(fDrucker, texte[i], breiten[i] - 2 * fInnenX).size());
  }
  const int hoehe = fZeilenHoehe + static_cast<int>(zeilen - 1) * fDrucker.TextHeight();
  fDrucker.SetFont(vorher);
  return hoehe;
}

int TTabellenDruck::Hoehe(const TDruckTabelle& tabelle, const std::vector<int>& breiten) const {
  const QFont vorher = fDrucker.GetFont();
  fDrucker.SetFont(fDrucker.Schrift(QtText(fSchrift.Name), fSchrift.Groesse));
  const int schluss = tabelle.schluss.empty() ? 0
                                              : fInnenY + static_cast<int>(tabelle.schluss.size()) *
                                                              fDrucker.TextHeight();
  fDrucker.SetFont(vorher);
  int zeilen = 0;
  for (std::size_t nr = 0; nr < tabelle.zeilen.size(); ++nr) {
    zeilen += ZeilenHoehe(tabelle, breiten, nr);
  }
  return fTitelHoehe + fZeilenHoehe + zeilen + schluss;
}

void TTabellenDruck::GruppenZeile(const QString& text, int breite) {
  fDrucker.SetFont(fDrucker.Schrift(QtText(fSchrift.Name), fSchrift.Groesse, true));
  const QRect zelle(fBereich.left(), fY, breite, fZeilenHoehe);
  fDrucker.SetBrush(kKopfGrund);
  fDrucker.FillRect(zelle);
  fDrucker.SetBrush(Qt::NoBrush);
  fDrucker.Rectangle(zelle.left(), zelle.top(), zelle.left() + zelle.width() + 1,
                     zelle.top() + zelle.height() + 1);
  Text(text, zelle, false);
  fY += fZeilenHoehe;
}

void TTabellenDruck::Titel(const QString& titel) {
  fDrucker.SetFont(
      fDrucker.Schrift(QtText(fSchrift.Name), fSchrift.Groesse + kTitelGroesser, true));
  fDrucker.TextOut(fBereich.left(), fY, Abgeschnitten(fDrucker, titel, fBereich.width()));
  fY += fTitelHoehe;
}

void TTabellenDruck::Kopfzeile(const TDruckTabelle& tabelle, const std::vector<int>& breiten) {
  fDrucker.SetFont(fDrucker.Schrift(QtText(fSchrift.Name), fSchrift.Groesse, true));
  const int breite = std::accumulate(breiten.begin(), breiten.end(), 0);
  fDrucker.SetBrush(kKopfGrund);
  fDrucker.FillRect(QRect(fBereich.left(), fY, breite, fZeilenHoehe));
  fDrucker.SetBrush(Qt::NoBrush);
  int x = fBereich.left();
  for (std::size_t i = 0; i < breiten.size(); ++i) {
    const QRect zelle(x, fY, breiten[i], fZeilenHoehe);
    fDrucker.Rectangle(zelle.left(), zelle.top(), zelle.left() + zelle.width() + 1,
                       zelle.top() + zelle.height() + 1);
    Text(tabelle.spalten[i].kopf, zelle, tabelle.spalten[i].rechts);
    x += breiten[i];
  }
  fY += fZeilenHoehe;
}

void TTabellenDruck::Zeile(const TDruckTabelle& tabelle, const std::vector<int>& breiten,
                           std::size_t nr) {
  const int hoehe = ZeilenHoehe(tabelle, breiten, nr);
  fDrucker.SetFont(fDrucker.Schrift(QtText(fSchrift.Name), fSchrift.Groesse));
  const int breite = std::accumulate(breiten.begin(), breiten.end(), 0);
  if (nr < tabelle.farben.size() && tabelle.farben[nr].isValid() &&
      tabelle.farben[nr] != QColor(Qt::white)) {
    fDrucker.SetBrush(tabelle.farben[nr]);
    fDrucker.FillRect(QRect(fBereich.left(), fY, breite, hoehe));
    fDrucker.SetBrush(Qt::NoBrush);
  }
  const std::vector<QString>& texte = tabelle.zeilen[nr];
  int x = fBereich.left();
  for (std::size_t i = 0; i < breiten.size(); ++i) {
    const QRect zelle(x, fY, breiten[i], hoehe);
    fDrucker.Rectangle(zelle.left(), zelle.top(), zelle.left() + zelle.width() + 1,
                       zelle.top() + zelle.height() + 1);
    const QString text = i < texte.size() ? texte[i] : QString();
    const TDruckSpalte& spalte = tabelle.spalten[i];
    if (spalte.zeichnen) {
      spalte.zeichnen(fDrucker, zelle.adjusted(fInnenX, fInnenY, -fInnenX, -fInnenY), text);
      fDrucker.SetBrush(Qt::NoBrush);
      fDrucker.SetPen(QPen(Qt::black, std::max(1, fDrucker.XInch(kLinieZoll))));
    } else if (spalte.umbrechen) {
      int y = fY + fInnenY;
      for (const QString& teil : Umgebrochen(fDrucker, text, zelle.width() - 2 * fInnenX)) {
        if (!teil.isEmpty()) fDrucker.TextOut(zelle.left() + fInnenX, y, teil);
        y += fDrucker.TextHeight();
      }
    } else {
      Text(text, zelle, spalte.rechts);
    }
    x += breiten[i];
  }
  fY += hoehe;
}

void TTabellenDruck::Text(const QString& text, const QRect& zelle, bool rechts) {
  const QString kurz = Abgeschnitten(fDrucker, text, zelle.width() - 2 * fInnenX);
  if (kurz.isEmpty()) return;
  const int x = rechts ? zelle.left() + zelle.width() - fInnenX - fDrucker.TextWidth(kurz)
                       : zelle.left() + fInnenX;
  fDrucker.TextOut(x, zelle.top() + fInnenY, kurz);
}

}  // namespace orbato
