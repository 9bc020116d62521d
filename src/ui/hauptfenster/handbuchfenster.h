#pragma once

#include <QMainWindow>
#include <QString>
#include <QUrl>

class QAction;
class QTextBrowser;

namespace orbato {

// The manual shipped in the program's resources under ":/handbuch": a browser over its pages
// with "Zurück", "Vor" and "Startseite". One window serves both help entries; each opens it on
// its own start page under its own title.
class THandbuchFenster : public QMainWindow {
  Q_OBJECT

 public:
  // The page the entry "WinOrbato Hilfe" opens: the short help on the program's windows.
  static constexpr const char* kHilfeSeite = "index.html";
  static constexpr const char* kHilfeTitel = "WinOrbato Hilfe";
  // The page of "Orbato-Handbuch": the chapter list of the whole manual.
  static constexpr const char* kHandbuchSeite = "inhalt.html";
  static constexpr const char* kHandbuchTitel = "Orbato-Handbuch";

  explicit THandbuchFenster(QWidget* eltern = nullptr);

  // Shows the page (a file name below ":/handbuch") as the new start page under the title.
  void Zeigen(const QString& titel, const QString& seite);
  // "qrc:/handbuch/<seite>".
  static QUrl SeitenUrl(const QString& seite);

  QTextBrowser* Browser() const { return fBrowser; }
  QAction* Zurueck() const { return fZurueck; }
  QAction* Vor() const { return fVor; }
  QAction* Startseite() const { return fStartseite; }

 private:
  QTextBrowser* fBrowser;
  QAction* fZurueck;
  QAction* fVor;
  QAction* fStartseite;
  QUrl fStart;
};

}  // namespace orbato
