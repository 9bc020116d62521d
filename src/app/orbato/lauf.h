#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/orbato/kommandozeile.h"
#include "model/basis/datum.h"

namespace orbato {

class TStandard;
class Uhr;

// A command's arguments after parsing: positional arguments and options in the order given.
struct TAufruf {
  std::vector<std::string> argumente;
  std::multimap<std::string, std::string> optionen;
  // The same options as a sequence, for commands whose options act one after the other.
  std::vector<std::pair<std::string, std::string>> folge;

  std::optional<std::string> Option(const std::string& name) const {
    const auto it = optionen.find(name);
    if (it == optionen.end()) return std::nullopt;
    return it->second;
  }
};

// What every command has: the settings after loading and the moment that counts as now.
struct TLauf {
  const TAufruf& aufruf;
  TKommandoUmgebung& umgebung;
  TStandard& standard;
  const Uhr& uhr;
};

// "JJJJ-MM-TT" as that day at noon, the form absences and substitutions keep their dates in; none
// for anything else.
std::optional<TDatumZeit> LiesTag(std::string_view text);

// The days of --von and --bis, both needed: the reason for Falsch when one is missing ("ical
// braucht --von und --bis", with the command's name) or not such a day.
std::optional<std::string> LiesVonBis(const TAufruf& aufruf, std::string_view kommando,
                                      TDatumZeit& von, TDatumZeit& bis);

// Wrong usage: the reason and the usage text on stderr, exit status 2.
int Falsch(TKommandoUmgebung& u, const std::string& grund);
// A command that could not be done: the reason (UTF-8) on stderr, exit status 1.
int Fehler(TKommandoUmgebung& u, const std::string& grund);

}  // namespace orbato
