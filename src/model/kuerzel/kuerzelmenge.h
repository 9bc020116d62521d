#pragma once

#include <string_view>
#include <vector>

#include "model/elemente/kuerzelart.h"

namespace orbato {

class TElement;
class TSchule;

// The document's list of one element kind seen as plain elements, for the code that treats all
// six kinds alike (the short-name editor and menus). Courses are no kind of their own here: for
// `kur` the answers are empty and nothing changes.

// The elements of the kind in list order.
std::vector<TElement*> KuerzelElemente(const TSchule& schule, TKuerzelArt art);
// Empties the kind's list and refills it in the given order, which must hold exactly its
// elements; each element's fReihe becomes its new 1-based position.
void KuerzelMengeNeuFuellen(TSchule& schule, TKuerzelArt art,
                            const std::vector<TElement*>& reihenfolge);
// A new element of the kind with that short name (cut to 11), appended to the list and numbered
// like the others; the document is marked changed. The caller makes sure the name is free.
TElement* NeuesKuerzelElement(TSchule& schule, TKuerzelArt art, std::string_view kuerzel);

// The order of short names: the locale's case-sensitive string order, as the Windows user
// interface sorts names. Letters compare by their base letter first ("\xE4" beside "a", "\xDF"
// as "ss"), then accents, then case with small before capital letters; punctuation comes before
// digits and digits before letters, each character for itself, so "10a" precedes "5a". Only
// equal texts compare equal.
int KuerzelVergleich(std::string_view a, std::string_view b);

}  // namespace orbato
