#include "ui/hauptfenster/startbild.h"

#include <QEventLoop>
#include <QPainter>
#include <QPixmap>
#include <QSplashScreen>
#include <QTimer>

#include "ui/hauptfenster/programminfo.h"

namespace orbato {

QPixmap Startbild() {
  QPixmap bild(420, 240);
  bild.fill(QColor(0xF4, 0xF1, 0xE8));
  QPainter maler(&bild);
  maler.setRenderHint(QPainter::Antialiasing);
  maler.fillRect(QRect(0, 0, 420, 70), QColor(0x1F, 0x4E, 0x79));
  QFont gross = maler.font();
  gross.setPointSize(24);
  gross.setBold(true);
  maler.setFont(gross);
  maler.setPen(Qt::white);
  maler.drawText(QRect(20, 0, 400, 70), Qt::AlignVCenter, ProgrammTitel());
  QFont klein = maler.font();
  klein.setPointSize(12);
  klein.setBold(false);
  maler.setFont(klein);
  maler.setPen(QColor(0x20, 0x20, 0x20));
  int y = 100;
  for (const char* job : {"Unterrichtsverteilung", "Stundenplan", "Vertretungsplan"}) {
    maler.drawText(QPoint(40, y), QString::fromUtf8(job));
    y += 36;
  }
  return bild;
}

void StartbildZeigen() {
  QSplashScreen bild(Startbild());
  bild.show();
  QEventLoop warten;
  QTimer::singleShot(2000, &warten, &QEventLoop::quit);
  warten.exec();
  bild.close();
}

}  // namespace orbato
