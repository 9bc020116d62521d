#include "pdfwerkzeug.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace orbato {
namespace {

QByteArray Ausfuehren(const QString& programm, const QStringList& argumente, bool* ok) {
  QProcess prozess;
  prozess.start(programm, argumente);
  *ok = prozess.waitForFinished(60000) && prozess.exitStatus() == QProcess::NormalExit &&
        prozess.exitCode() == 0;
  return prozess.readAllStandardOutput();
}

}  // namespace

int PdfSeiten(const QString& pdf) {
  bool ok = false;
  const QString info = QString::fromUtf8(Ausfuehren(QStringLiteral("pdfinfo"), {pdf}, &ok));
  const auto treffer = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
  return ok && treffer.hasMatch() ? treffer.captured(1).toInt() : -1;
}

QString PdfText(const QString& pdf, int seite) {
  QStringList argumente{QStringLiteral("-layout")};
  if (seite > 0) argumente << "-f" << QString::number(seite) << "-l" << QString::number(seite);
  argumente << pdf << QStringLiteral("-");
  bool ok = false;
  const QByteArray text = Ausfuehren(QStringLiteral("pdftotext"), argumente, &ok);
  return ok ? QString::fromUtf8(text) : QString();
}

QString PdfTextIn(const QString& pdf, int seite, const QRectF& teil) {
  // pdftotext crops in points at its resolution of 72 per inch; A4 is 595 by 842 points, landscape
  // the other way round.
  bool ok = false;
  const QString info = QString::fromUtf8(
      Ausfuehren(QStringLiteral("pdfinfo"),
                 {"-f", QString::number(seite), "-l", QString::number(seite), pdf}, &ok));
  const auto treffer =
      QRegularExpression(QStringLiteral("size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
  if (!ok || !treffer.hasMatch()) return {};
  const double breite = treffer.captured(1).toDouble(), hoehe = treffer.captured(2).toDouble();
  const QByteArray text = Ausfuehren(
      QStringLiteral("pdftotext"),
      {"-f", QString::number(seite), "-l", QString::number(seite), "-x",
       QString::number(qRound(teil.x() * breite)), "-y", QString::number(qRound(teil.y() * hoehe)),
       "-W", QString::number(qRound(teil.width() * breite)), "-H",
       QString::number(qRound(teil.height() * hoehe)), pdf, "-"},
      &ok);
  return ok ? QString::fromUtf8(text) : QString();
}

bool PdfAlsBild(const QString& pdf, int seite, const QString& png, int aufloesung) {
  QString stamm = png;
  if (stamm.endsWith(QStringLiteral(".png"))) stamm.chop(4);
  bool ok = false;
  Ausfuehren(QStringLiteral("pdftoppm"),
             {"-png", "-singlefile", "-r", QString::number(aufloesung), "-f",
              QString::number(seite), "-l", QString::number(seite), pdf, stamm},
             &ok);
  return ok && QFile::exists(stamm + QStringLiteral(".png"));
}

long PdfDunklePunkte(const QString& pdf, int seite) {
  QTemporaryDir ordner;
  const QString png = ordner.filePath(QStringLiteral("seite.png"));
  if (!PdfAlsBild(pdf, seite, png, 30)) return -1;
  const QImage bild(png);
  if (bild.isNull()) return -1;
  long dunkel = 0;
  for (int y = 0; y < bild.height(); ++y) {
    for (int x = 0; x < bild.width(); ++x) {
      if (qGray(bild.pixel(x, y)) < 200) ++dunkel;
    }
  }
  return dunkel;
}

}  // namespace orbato
