#pragma once

#include <QSettings>
#include <QString>
#include <memory>

#include "persist/einstellungsspeicher.h"

namespace orbato {

// The user's settings store: on Windows the registry below HKEY_CURRENT_USER\Software\WOrbato3
// (keys Tevi0 …), elsewhere the user's configuration directory (WOrbato3/WinOrbato.conf, one group
// per key). Every value is a string.
class TQSettingsSpeicher : public Einstellungsspeicher {
 public:
  TQSettingsSpeicher();
  // A store in an INI file of its own, for tests and for settings kept beside a plan file.
  explicit TQSettingsSpeicher(const QString& iniDatei);

  void OeffneSchluessel(const std::string& schluessel) override;
  bool HatWert(const std::string& name) const override;
  std::string LiesWert(const std::string& name) const override;
  void SchreibeWert(const std::string& name, const std::string& wert) override;

  // Writes what is pending to the disk or the registry; false when that failed.
  bool Sichern();

 private:
  QString Pfad(const std::string& name) const;
  std::unique_ptr<QSettings> fSettings;
  QString fSchluessel;
};

}  // namespace orbato
