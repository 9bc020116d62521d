#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

namespace orbato {

// The poppler tools on a PDF file. Each answers empty or -1 when the tool fails.
int PdfSeiten(const QString& pdf);                   // "Pages:" of pdfinfo
QString PdfText(const QString& pdf, int seite = 0);  // pdftotext -layout, one page or all
// The text of page n inside a part of the page given in fractions of its width and height.
QString PdfTextIn(const QString& pdf, int seite, const QRectF& teil);
// Renders page n at a low resolution with pdftoppm and counts the pixels that are not white.
long PdfDunklePunkte(const QString& pdf, int seite);
// Renders page n as PNG into the file, for the pictures of the printouts.
bool PdfAlsBild(const QString& pdf, int seite, const QString& png, int aufloesung = 60);

}  // namespace orbato
