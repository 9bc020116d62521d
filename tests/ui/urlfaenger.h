#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace orbato {

// Takes the place of the desktop's file manager and browser while it lives, so that no test
// starts a program outside itself.
class TUrlFaenger : public QObject {
  Q_OBJECT

 public:
  // One made inside the life of another catches until it ends; then the outer one catches again.
  TUrlFaenger() : fAeusserer(sAktiver) {
    sAktiver = this;
    Fangen(this);
  }
  ~TUrlFaenger() override {
    sAktiver = fAeusserer;
    Fangen(fAeusserer);
  }
  TUrlFaenger(const TUrlFaenger&) = delete;
  TUrlFaenger& operator=(const TUrlFaenger&) = delete;

  QList<QUrl> fUrls;

 public slots:
  void Oeffnen(const QUrl& url) { fUrls << url; }

 private:
  static void Fangen(TUrlFaenger* faenger) {
    for (const QString& schema : kSchemata) {
      if (faenger) {
        QDesktopServices::setUrlHandler(schema, faenger, "Oeffnen");
      } else {
        QDesktopServices::unsetUrlHandler(schema);
      }
    }
  }

  TUrlFaenger* fAeusserer;
  inline static TUrlFaenger* sAktiver = nullptr;
  inline static const QStringList kSchemata = {QStringLiteral("file"), QStringLiteral("http"),
                                               QStringLiteral("https")};
};

}  // namespace orbato
