#include "platform/qsettingsspeicher.h"

#include "platform/qttext.h"

namespace orbato {

TQSettingsSpeicher::TQSettingsSpeicher()
#ifdef Q_OS_WIN
    : fSettings(std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\WOrbato3"),
                                            QSettings::NativeFormat))
#else
    : fSettings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("WOrbato3"),
                                            QStringLiteral("WinOrbato")))
#endif
{
}

TQSettingsSpeicher::TQSettingsSpeicher(const QString& iniDatei)
    : fSettings(std::make_unique<QSettings>(iniDatei, QSettings::IniFormat)) {}

QString TQSettingsSpeicher::Pfad(const std::string& name) const {
  return fSchluessel + QLatin1Char('/') + QtText(name);
}

void TQSettingsSpeicher::OeffneSchluessel(const std::string& schluessel) {
  // QSettings creates a group with its first value, which is when the registry creates the key.
  fSchluessel = QtText(schluessel);
}

bool TQSettingsSpeicher::HatWert(const std::string& name) const {
  return fSettings->contains(Pfad(name));
}

std::string TQSettingsSpeicher::LiesWert(const std::string& name) const {
  return ModellText(fSettings->value(Pfad(name)).toString());
}

void TQSettingsSpeicher::SchreibeWert(const std::string& name, const std::string& wert) {
  fSettings->setValue(Pfad(name), QtText(wert));
}

bool TQSettingsSpeicher::Sichern() {
  fSettings->sync();
  return fSettings->status() == QSettings::NoError;
}

}  // namespace orbato
