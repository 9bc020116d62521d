#pragma once

#include <string>

#include "model/einstellungen/standard.h"
#include "persist/einstellungsspeicher.h"

namespace orbato {

// The settings live in the keys Tevi0 … Tevi38 of the store.
inline constexpr int kStandardSchluessel = 39;
std::string StandardSchluesselName(int nr);

// Reads every value from the store, key by key: a value the store lacks, or one that cannot be
// converted, takes its default. Afterwards the row heights follow the fonts, the current version
// lies inside the number of versions and the automatic tables are checked.
void LoadStandard(TStandard& standard, Einstellungsspeicher& speicher);

// Reads the values of one key only (0 … kStandardSchluessel - 1): a value the store lacks, or one
// that cannot be converted, keeps what `standard` holds.
void LoadStandardSchluessel(TStandard& standard, Einstellungsspeicher& speicher, int schluessel);

// Writes every value under the key and name it is loaded from, opening each key in turn.
void SaveStandard(const TStandard& standard, Einstellungsspeicher& speicher);

// Whether the store holds settings of an earlier run: the program writes the palette's place on
// every exit, so a store without it has never been used (the first start of an installation).
bool EinstellungenVorhanden(Einstellungsspeicher& speicher);

// Whether the layout knows this value name in this key (for value names given on a command line).
bool IstStandardWert(int schluessel, const std::string& name);

}  // namespace orbato
