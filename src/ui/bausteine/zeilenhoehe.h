#pragma once

class QAbstractItemView;
class QFontMetrics;
class QListWidget;
class QTableView;
class QWidget;

namespace orbato {

// Item views give a row of text the font's height and cut what reaches beyond the row. The dots
// and accents of capitals such as "Ü" rise above the font's ascent in common fonts, so a row of
// the bare font height loses them.

// The height of a one-line row that holds every character a model text can have whole, the line
// centred in it.
int ZeilenHoehe(const QFontMetrics& schrift);
// The rows of the view that much higher than the font, in whatever font an item has.
void GanzeZeilen(QAbstractItemView* ansicht);
// A list widget with such rows.
QListWidget* TextListe(QWidget* eltern = nullptr);
// The rows of a table in its own font one such line high, and at least `luft` pixels higher than
// the font; below the style's least height where the font is small.
void TabellenZeilen(QTableView* tabelle, int luft = 0);

}  // namespace orbato
