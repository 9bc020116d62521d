#pragma once

#include <string>
#include <vector>

namespace orbato {

class Dialoge;
class TKurs;
class TSchule;
class Zwischenablage;

// The course clipboard text: one tab-separated line of 15 fields per course (factor, lessons,
// teacher, subject, first class, coupling, first room, info, lessons per day, single lessons,
// table, the three flags, colour), followed by a continuation line for every further class or
// room unless `ohneFolgezeilen`.
std::vector<std::string> KursZeilen(const TKurs& kurs, bool ohneFolgezeilen);

// Whether lines may be pasted as courses: 15 fields each, within their lengths, numbers where
// numbers belong, continuation lines only after a course and only with a class and a room.
bool KursFormOk(const std::vector<std::string>& zeilen);
// One line of at most 31 (info field) or 81 (remark field) characters.
bool InfoFormOk(const std::vector<std::string>& zeilen);
bool BemFormOk(const std::vector<std::string>& zeilen);
// "Fehler beim Einsetzen": the clipboard does not fit where it was pasted.
void PasteFehler(Dialoge& dialoge);

// Copies the chosen courses; when cutting, asks "Kures löschen?" and on "Ja" deletes those that
// have no placed lessons.
void KurseKopieren(TSchule& schule, const std::vector<TKurs*>& auswahl, bool mitCut,
                   bool ohneFolgezeilen, Zwischenablage& ablage);
// Pastes the clipboard's courses into the school ("alle Kurse"); unknown short names are created
// after the question "Unbekannte Kürzel". False when nothing was pasted.
bool KurseEinsetzen(TSchule& schule, const Zwischenablage& ablage);

}  // namespace orbato
