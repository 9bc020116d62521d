#include <QPen>
#include <algorithm>

#include "model/dokument/schule.h"
#include "print/druckauftrag.h"
#include "print/listendruck.h"
#include "print/prevprinter.h"
#include "print/tabellendruck.h"

namespace orbato {
namespace {

// A period's glyph at arm's length: about 2.5 mm, less when the week does not fit the page.
constexpr double kZeichenZoll = 0.1;
const QColor kOliv(128, 128, 0);

// One period's glyph, centred in its slot. Without colour the blocked square is crossed and the
// gap bar thicker, so that both stay apart from the others in black and white.
void Zeichen(TPrevPrinter& d, const QRect& platz, QChar code, bool farbe) {
  const int seite = std::max(2, std::min(platz.width() * 7 / 10, platz.height() * 8 / 10));
  const int x = platz.left() + (platz.width() - seite) / 2;
  const int y = platz.top() + (platz.height() - seite) / 2;
  const int strich = std::max(1, seite / 6);
  const QPen schwarz(Qt::black, std::max(1, seite / 12));
  d.SetPen(schwarz);
  d.SetBrush(Qt::NoBrush);
  switch (code.unicode()) {
    case 'E':
      d.Ellipse(x, y, x + seite, y + seite);
      break;
    case 'K':
      d.SetBrush(Qt::black);
      d.Ellipse(x, y, x + seite, y + seite);
      break;
    case 'G':
      d.Rectangle(x, y, x + seite, y + seite);
      break;
    case 'L':
      d.SetBrush(Qt::black);
      d.Rectangle(x, y, x + seite, y + seite);
      break;
    case 'S':
      if (farbe) {
        d.SetPen(QPen(kOliv));
        d.SetBrush(kOliv);
        d.Rectangle(x, y, x + seite, y + seite);
      } else {
        d.Rectangle(x, y, x + seite, y + seite);
        d.Line(x, y, x + seite, y + seite);
        d.Line(x, y + seite, x + seite, y);
      }
      break;
    case 'F':
      d.SetBrush(Qt::black);
      d.FillRect(QRect(x, y + (seite - strich) / 2, seite, strich));
      break;
    case 'U':
      d.SetBrush(farbe ? QBrush(Qt::red) : QBrush(Qt::black));
      d.FillRect(QRect(x, y + (seite - 3 * strich) / 2, seite, farbe ? strich : 3 * strich));
      break;
    default:
      break;
  }
  d.SetBrush(Qt::NoBrush);
}

// A day cell: its letters left to right, period 1 first, each in an equal slot.
TDruckSpalte TagSpalte(const QString& kopf, int perioden, int breite, bool farbe) {
  TDruckSpalte spalte{kopf, false, breite * perioden, {}};
  spalte.zeichnen = [farbe, perioden](TPrevPrinter& d, const QRect& zelle, const QString& codes) {
    const int slot = zelle.width() / std::max(perioden, 1);
    for (int i = 0; i < codes.size() && i < perioden; ++i) {
      Zeichen(d, QRect(zelle.left() + i * slot, zelle.top(), slot, zelle.height()), codes[i],
              farbe);
    }
  };
  return spalte;
}

struct TSVZeile {
  QString kuerzel;
  std::vector<QString> tage;
  int32_t spring = 0;
};

template <class T>
std::vector<TSVZeile> SVZeilen(const TListe<T>& liste, const TStandard& standard, int perioden) {
  std::vector<TSVZeile> zeilen;
  for (const T* e : liste) {
    TSVZeile zeile{ZellenText(e->fKuerzel.str()), {}, e->SpringStd()};
    for (int32_t tag = 1; tag <= standard.fMaxTageNeu; ++tag) {
      zeile.tage.push_back(QString::fromLatin1(
          e->SVZeile(standard.fAktuelleWoche, tag).substr(0, static_cast<std::size_t>(perioden))));
    }
    zeilen.push_back(std::move(zeile));
  }
  return zeilen;
}

int Perioden(const TStandard& standard) {
  return std::clamp(standard.fPlnStd, 1, 16);
}

template <class T>
TDruckTabelle SVTabelle(const QString& art, const TListe<T>& liste, const TStandard& standard,
                        int zeichen) {
  const TDruckEinstellung& e = standard.fSVDruck;
  const int perioden = Perioden(standard);
  std::vector<TSVZeile> zeilen = SVZeilen(liste, standard, perioden);
  if (e.SortRest) {
    std::stable_sort(zeilen.begin(), zeilen.end(),
                     [](const TSVZeile& a, const TSVZeile& b) { return a.spring > b.spring; });
  }
  TDruckTabelle tabelle;
  tabelle.titel = QStringLiteral("Stundenverteilung ") + art;
  tabelle.spalten.push_back({QStringLiteral("Kürzel")});
  for (int32_t tag = 1; tag <= standard.fMaxTageNeu; ++tag) {
    const QString kopf = ZellenText(standard.fTagBez[static_cast<std::size_t>(tag - 1)].str());
    tabelle.spalten.push_back(TagSpalte(kopf, perioden, zeichen, e.Fa));
  }
  tabelle.spalten.push_back({QStringLiteral("Sprstd."), true});
  int32_t summe = 0;
  for (const TSVZeile& z : zeilen) {
    std::vector<QString> zeile = {z.kuerzel};
    zeile.insert(zeile.end(), z.tage.begin(), z.tage.end());
    zeile.push_back(QString::number(z.spring));
    tabelle.zeilen.push_back(std::move(zeile));
    summe += z.spring;
  }
  if (e.SortGesamt) tabelle.schluss = {QStringLiteral("Springstunden gesamt: %1").arg(summe)};
  return tabelle;
}

// What the glyphs mean, drawn as in the lists.
TDruckTabelle Zeichenerklaerung(int zeichen, bool farbe) {
  TDruckTabelle tabelle;
  tabelle.titel = QStringLiteral("Zeichenerklärung");
  tabelle.spalten = {TagSpalte(QStringLiteral("Zeichen"), 1, zeichen, farbe),
                     {QStringLiteral("Bedeutung")}};
  const std::pair<const char*, const char*> zeilen[] = {
      {"E", "Stunde"},      {"G", "fixierte Stunde"},
      {"K", "Kopplung"},    {"L", "fixierte Kopplung"},
      {"S", "gesperrt"},    {"F", "frei"},
      {"U", "Springstunde"}};
  for (const auto& [code, text] : zeilen) {
    tabelle.zeilen.push_back({QString::fromLatin1(code), QString::fromUtf8(text)});
  }
  return tabelle;
}

}  // namespace

void StundenverteilungDrucken(TPrevPrinter& drucker, const TDruckAuftrag& auftrag) {
  const TStandard& st = auftrag.standard;
  const TDruckEinstellung& e = st.fSVDruck;
  const TSchule& s = auftrag.schule;
  TTabellenDruck druck(drucker, auftrag, e.Font, e.Rand, e.Datum);
  druck.Beginnen(QStringLiteral("Stundenverteilung"));
  const int zeichen = std::max(1, drucker.XInch(kZeichenZoll));
  druck.Drucke(SVTabelle(QStringLiteral("Lehrer"), s.fLehrerMenge, st, zeichen));
  druck.NeueSeite();
  druck.Drucke(SVTabelle(QStringLiteral("Klassen"), s.fKlassenMenge, st, zeichen));
  druck.NeueSeite();
  druck.Drucke(SVTabelle(QStringLiteral("Räume"), s.fRaumMenge, st, zeichen));
  druck.Drucke(Zeichenerklaerung(zeichen, e.Fa));
  druck.Beenden();
}

}  // namespace orbato
