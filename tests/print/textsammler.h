#pragma once

#include <QFont>
#include <QPointF>
#include <QString>
#include <vector>

namespace orbato {

class TPrevPrinter;

// One text drawn on a recorded page, as the page replays it: where its baseline starts and in
// which font.
struct TGedruckterText {
  QString text;
  QPointF punkt;
  QFont font;
};

// Replays recorded page n (1-based) and collects its texts in drawing order.
std::vector<TGedruckterText> TexteDerSeite(const TPrevPrinter& drucker, int seite);
// Only the strings, for comparisons.
std::vector<QString> ZeilenDerSeite(const TPrevPrinter& drucker, int seite);
// Whether some text of the page equals or contains the string.
bool SeiteEnthaelt(const TPrevPrinter& drucker, int seite, const QString& text);

}  // namespace orbato
