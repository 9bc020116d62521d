#pragma once

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace orbato {

// How a question or message box looks: the icon and the system sound the user gets with it.
enum class TMeldungsArt { Frage, Information, Warnung, Fehler };

// Everything the core asks the user or shows him goes through here; the GUI implements it with
// modal boxes and small windows, the command line and the tests with scripted answers. All texts
// are Windows-1252, each line of a box one element of `zeilen`, exactly as the program words them.
class Dialoge {
 public:
  virtual ~Dialoge() = default;

  // A modal question; returns the 0-based index of the button chosen. `knoepfe` holds at least
  // one caption, in the order shown ({"Ja", "Nein"}, {"Ja", "Nein", "Abbrechen"}, …). A box the
  // user closes without a button answers its last button, the one that changes least.
  virtual int Frage(std::string_view titel, const std::vector<std::string>& zeilen,
                    const std::vector<std::string>& knoepfe,
                    TMeldungsArt art = TMeldungsArt::Frage) = 0;
  // A modal question with a list: the box lines, under them a list of `eintraege`, one row each,
  // then the buttons. `standard` (0-based) is the default button, which Escape and the close box
  // answer as well. Shown as a plain question, the rows after the lines, where a set of dialogs
  // has no list of its own.
  virtual int FrageMitListe(std::string_view titel, const std::vector<std::string>& zeilen,
                            const std::vector<std::string>& eintraege,
                            const std::vector<std::string>& knoepfe, int standard,
                            TMeldungsArt art = TMeldungsArt::Frage);
  // A modal message with the single button "Ok".
  virtual void Nachricht(std::string_view titel, const std::vector<std::string>& zeilen,
                         TMeldungsArt art) = 0;

  // The one-line message window of long operations ("Das Kürzelmenu wird angelegt."). It stays on
  // screen, not modal, until closed; showing it again while open only changes title and text.
  virtual void MeldungZeigen(std::string_view text, std::string_view titel = "Meldung") = 0;
  virtual void MeldungAendern(std::string_view text) = 0;
  virtual void MeldungSchliessen() = 0;

  // A progress window ("Einlesen", "Speichern", "Importieren", …) with a bar from 0 to `maximum`
  // and one line of text (the file name). `Abgebrochen` lets the window process pending input,
  // so that it stays responsive, and tells whether its cancel button has been pressed since the
  // start.
  virtual void FortschrittBeginnen(std::string_view titel, int maximum) = 0;
  virtual void FortschrittText(std::string_view text) = 0;
  // The second line, which says what part of the work is under way ("Lehrerdaten", …).
  virtual void FortschrittInfo(std::string_view text) = 0;
  virtual void FortschrittSetzen(int position) = 0;
  virtual void FortschrittSchritt(int schritte = 1) = 0;
  virtual bool Abgebrochen() = 0;
  virtual void FortschrittBeenden() = 0;

  // The system beep, the only signal of some refusals.
  virtual void Piep() = 0;

  // The caption of the button chosen, for callers that branch on more than two answers.
  std::string FrageKnopf(std::string_view titel, const std::vector<std::string>& zeilen,
                         const std::vector<std::string>& knoepfe,
                         TMeldungsArt art = TMeldungsArt::Frage);
  // The plain confirmation with "Ja" and "Nein"; true on "Ja".
  bool FrageJaNein(std::string_view titel, const std::vector<std::string>& zeilen,
                   TMeldungsArt art = TMeldungsArt::Frage);
};

// Keeps the message window open for one scope, so that it closes on every way out, an exception
// of a file reader included.
class TMeldungsFenster {
 public:
  TMeldungsFenster(Dialoge& dialoge, std::string_view text, std::string_view titel = "Meldung");
  ~TMeldungsFenster();
  TMeldungsFenster(const TMeldungsFenster&) = delete;
  TMeldungsFenster& operator=(const TMeldungsFenster&) = delete;

 private:
  Dialoge& fDialoge;
};

// The same for a progress window.
class TFortschritt {
 public:
  TFortschritt(Dialoge& dialoge, std::string_view titel, int maximum);
  ~TFortschritt();
  TFortschritt(const TFortschritt&) = delete;
  TFortschritt& operator=(const TFortschritt&) = delete;

  void Text(std::string_view text) { fDialoge.FortschrittText(text); }
  void Info(std::string_view text) { fDialoge.FortschrittInfo(text); }
  void Setzen(int position) { fDialoge.FortschrittSetzen(position); }
  void Schritt(int schritte = 1) { fDialoge.FortschrittSchritt(schritte); }
  bool Abgebrochen() { return fDialoge.Abgebrochen(); }

 private:
  Dialoge& fDialoge;
};

// What the scripted dialogs were asked to do, one record per call.
enum class TDialogVorgang {
  Frage,
  Nachricht,
  MeldungZeigen,
  MeldungAendern,
  MeldungSchliessen,
  FortschrittBeginnen,
  FortschrittText,
  FortschrittInfo,
  FortschrittSetzen,
  FortschrittSchritt,
  Abgebrochen,
  FortschrittBeenden,
  Piep
};

struct TDialogEintrag {
  TDialogVorgang fVorgang = TDialogVorgang::Piep;
  TMeldungsArt fArt = TMeldungsArt::Information;  // questions and messages
  std::string fTitel;                             // questions, messages, windows
  std::vector<std::string> fZeilen;               // box lines; the one text of the windows
  std::vector<std::string> fKnoepfe;              // questions; {"Ok"} for messages
  std::vector<std::string> fEintraege;            // the list of a question with a list
  int fAntwort = -1;                              // questions: the index chosen
  int fStandard = -1;                             // a question with a list: its default button
  int fZahl = 0;  // progress: maximum, position or steps; 1 when `Abgebrochen` answered yes
};

// Dialogs for tests and batch runs: questions are answered from a queue of button captions; with
// the queue empty the first button is chosen, the same rule the command line follows when it has
// no option for a question. Every call is recorded in order.
class TSkriptDialoge : public Dialoge {
 public:
  // Queues the captions of the buttons to choose at the next questions, in order. A caption that
  // the question does not offer is a fault of the script and raises std::invalid_argument.
  void Antworte(std::string knopf);
  void Antworte(std::initializer_list<std::string_view> knoepfe);
  std::size_t OffeneAntworten() const { return fAntworten.size(); }
  // From the n-th call of `Abgebrochen` (1-based, counted across all progress windows) on the user
  // has pressed cancel; 0 means never.
  void BrichAbBeiAnfrage(int n) { fAbbruchBei = n; }

  int Frage(std::string_view titel, const std::vector<std::string>& zeilen,
            const std::vector<std::string>& knoepfe,
            TMeldungsArt art = TMeldungsArt::Frage) override;
  // Recorded as a question, with its rows and its default button.
  int FrageMitListe(std::string_view titel, const std::vector<std::string>& zeilen,
                    const std::vector<std::string>& eintraege,
                    const std::vector<std::string>& knoepfe, int standard,
                    TMeldungsArt art = TMeldungsArt::Frage) override;
  void Nachricht(std::string_view titel, const std::vector<std::string>& zeilen,
                 TMeldungsArt art) override;
  void MeldungZeigen(std::string_view text, std::string_view titel = "Meldung") override;
  void MeldungAendern(std::string_view text) override;
  void MeldungSchliessen() override;
  void FortschrittBeginnen(std::string_view titel, int maximum) override;
  void FortschrittText(std::string_view text) override;
  void FortschrittInfo(std::string_view text) override;
  void FortschrittSetzen(int position) override;
  void FortschrittSchritt(int schritte = 1) override;
  bool Abgebrochen() override;
  void FortschrittBeenden() override;
  void Piep() override;

  const std::vector<TDialogEintrag>& Protokoll() const { return fProtokoll; }
  // The records of one kind only, in order.
  std::vector<TDialogEintrag> Protokoll(TDialogVorgang vorgang) const;
  std::size_t Anzahl(TDialogVorgang vorgang) const;
  void ProtokollLeeren() { fProtokoll.clear(); }

  // What is on screen now, so that tests can see a window left open.
  bool MeldungOffen() const { return fMeldungOffen; }
  const std::string& MeldungsText() const { return fMeldungsText; }
  bool FortschrittOffen() const { return fFortschrittOffen; }
  int FortschrittPosition() const { return fPosition; }
  int FortschrittMaximum() const { return fMaximum; }

 private:
  void Notiere(TDialogVorgang vorgang, std::string_view titel, std::vector<std::string> zeilen,
               int zahl = 0);

  std::deque<std::string> fAntworten;
  std::vector<TDialogEintrag> fProtokoll;
  int fAbbruchBei = 0;
  int fAnfragen = 0;
  bool fMeldungOffen = false;
  std::string fMeldungsText;
  bool fFortschrittOffen = false;
  int fPosition = 0;
  int fMaximum = 0;
};

}  // namespace orbato
