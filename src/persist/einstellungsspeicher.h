#pragma once

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace orbato {

// The per-user settings store as the settings object sees it: keys below the program's root (on
// Windows "Software\WOrbato3\Tevi0" …), each with named string values. Texts are Windows-1252.
class Einstellungsspeicher {
 public:
  virtual ~Einstellungsspeicher() = default;

  // Opens the key of this name ("Tevi0"); reading and writing then refer to it. A key that does not
  // exist is created.
  virtual void OeffneSchluessel(const std::string& schluessel) = 0;
  virtual bool HatWert(const std::string& name) const = 0;
  // The value of the open key; empty when it has none.
  virtual std::string LiesWert(const std::string& name) const = 0;
  virtual void SchreibeWert(const std::string& name, const std::string& wert) = 0;
};

// A store in memory. Keys and values keep the order in which they were first written, so that a
// saved settings object can be listed in the order of its layout.
class TEinstellungenImSpeicher : public Einstellungsspeicher {
 public:
  struct TSchluessel {
    std::string name;
    std::vector<std::pair<std::string, std::string>> werte;
    std::unordered_map<std::string, std::size_t> index;
  };

  void OeffneSchluessel(const std::string& schluessel) override;
  bool HatWert(const std::string& name) const override;
  std::string LiesWert(const std::string& name) const override;
  void SchreibeWert(const std::string& name, const std::string& wert) override;

  // Writes one value into any key without changing which key is open.
  void Setze(const std::string& schluessel, const std::string& name, const std::string& wert);
  const std::vector<TSchluessel>& Schluessel() const { return fSchluessel; }

 private:
  TSchluessel& Finde(const std::string& schluessel);
  std::vector<TSchluessel> fSchluessel;
  std::unordered_map<std::string, std::size_t> fIndex;
  std::size_t fOffen = 0;
};

}  // namespace orbato
