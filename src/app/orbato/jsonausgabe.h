#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace orbato {

// Values as JSON text. Numbers go through to_chars, so the output never depends on a locale.
std::string JsonZahl(int64_t n);
// A Windows-1252 text of the model as a JSON string in UTF-8.
std::string JsonText(std::string_view cp1252);

// Writes objects and arrays of objects or arrays one member or element per line; every other value
// arrives as finished JSON text.
class TJsonAusgabe {
 public:
  explicit TJsonAusgabe(std::ostream& aus) : fAus(aus) {}

  void Auf(char klammer) {
    fAus << klammer;
    fEbenen.push_back({klammer == '{' ? '}' : ']', true});
  }
  void Zu() {
    const TEbene ebene = fEbenen.back();
    fEbenen.pop_back();
    if (!ebene.leer) {
      fAus << '\n';
      Einzug();
    }
    fAus << ebene.schluss;
  }

  // A member of the open object.
  void Feld(std::string_view name, std::string_view wert) {
    Schluessel(name);
    fAus << wert;
  }
  void FeldAuf(std::string_view name, char klammer) {
    Schluessel(name);
    Auf(klammer);
  }
  // An element of the open array.
  void Element(std::string_view wert) {
    Naechster();
    fAus << wert;
  }
  void ElementAuf(char klammer) {
    Naechster();
    Auf(klammer);
  }

 private:
  struct TEbene {
    char schluss;
    bool leer;
  };

  void Naechster() {
    TEbene& ebene = fEbenen.back();
    if (!ebene.leer) fAus << ',';
    ebene.leer = false;
    fAus << '\n';
    Einzug();
  }
  void Schluessel(std::string_view name) {
    Naechster();
    fAus << '"' << name << "\": ";
  }
  void Einzug() {
    for (std::size_t i = 0; i < fEbenen.size(); ++i) fAus << "  ";
  }

  std::ostream& fAus;
  std::vector<TEbene> fEbenen;
};

}  // namespace orbato
