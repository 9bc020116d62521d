#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "austausch/gpu/gpuimport.h"

namespace orbato::gpubeispiel {

inline std::vector<uint8_t> Bytes(std::string_view text) {
  return {text.begin(), text.end()};
}

inline std::string Text(const std::vector<uint8_t>& bytes) {
  return {bytes.begin(), bytes.end()};
}

// A line as Untis writes it: the fields given, then empty ones up to `felder`, CR LF.
inline std::string Zeile(const std::string& anfang, int felder, bool trennerAmEnde = true) {
  int kommas = trennerAmEnde ? 1 : 0;
  for (char c : anfang) kommas -= c == ',' ? 1 : 0;
  return anfang + std::string(static_cast<std::size_t>(felder - 1 + kommas), ',') + "\r\n";
}

// A small school after the Untis samples: one lesson per class, lesson 12 coupling two religion
// lines for 7a and 7b, a teacher with an umlaut (UTF-8 in GPU001/002, Windows-1252 in GPU004),
// two student groups whose names are too long, and timetable lines outside our grid.
inline TGpuDateien BeispielSchule() {
  TGpuDateien d;
  d[1] = Bytes(
      "5,\"5b\",\"BRA\",\"M\",\"R012\",1,1,,\r\n5,\"5b\",\"BRA\",\"M\",\"R012\",1,2,,\r\n"
      "5,\"5b\",\"BRA\",\"M\",\"R012\",3,2,,\r\n5,\"5b\",\"BRA\",\"M\",\"R012\",5,4,,\r\n"
      "12,\"7a\",\"MUE\",\"ER\",\"R104\",1,3,,\r\n12,\"7b\",\"MUE\",\"ER\",\"R104\",1,3,,\r\n"
      "12,\"7a\",\"SCH\",\"KR\",\"R105\",1,3,,\r\n12,\"7b\",\"SCH\",\"KR\",\"R105\",1,3,,\r\n"
      "12,\"7a\",\"MUE\",\"ER\",\"R104\",2,4,,\r\n12,\"7b\",\"MUE\",\"ER\",\"R104\",2,4,,\r\n"
      "12,\"7a\",\"SCH\",\"KR\",\"R105\",2,4,,\r\n12,\"7b\",\"SCH\",\"KR\",\"R105\",2,4,,\r\n"
      "20,\"6c\",\"K\xC3\x96H\",\"PH\",\"PH1\",4,5,,\r\n20,\"6c\",\"K\xC3\x96H\",\"PH\",\"PH1\",8,"
      "5,,\r\n"
      "20,\"6c\",\"K\xC3\x96H\",\"PH\",\"PH1\",4,17,,\r\n");
  d[2] = Bytes(Zeile("5,4,4,4,\"5b\",\"BRA\",\"M\",\"R012\",,,,,,,\"20240902\",\"20250731\"", 46) +
               Zeile("12,2,2,2,\"7a\",\"MUE\",\"ER\",\"R104\"", 46) +
               Zeile("12,2,0,2,\"7a\",\"SCH\",\"KR\",\"R105\"", 46) +
               Zeile("12,2,2,0,\"7b\",\"MUE\",\"ER\",\"R104\"", 46) +
               Zeile("12,2,0,0,\"7b\",\"SCH\",\"KR\",\"R105\"", 46) +
               Zeile("20,1,1,1,\"6c\",\"K\xC3\x96H\",\"PH\",\"PH1\",,,,\"WA\"", 46) +
               Zeile("21,2,2,2,\"09a_N-NW-SP-1\",\"BRA\",\"M\"", 46) +
               Zeile("21,2,2,2,\"09a_N-NW-SP-2\",\"BRA\",\"M\"", 46));
  d[3] =
      Bytes(Zeile("\"5b\",\"Klasse 5b\",,\"R012\"", 32) + Zeile("\"6c\",\"Klasse 6c\"", 32) +
            Zeile("\"7a\",\"Klasse 7a\"", 32) + Zeile("\"7b\",\"Klasse 7b\"", 32) +
            Zeile("\"09a_N-NW-SP-1\",\"Kurs 1\"", 32) + Zeile("\"09a_N-NW-SP-2\",\"Kurs 2\"", 32));
  d[4] =
      Bytes(Zeile("\"BRA\",\"Brandt\",,,,,,,,,,,,,25.500,,,,,,,,,,,,,,\"Anna\",,\"1\"", 45, false) +
            Zeile("\"MUE\",\"M\xFCller\",,,,,,,,,,,,,23.000", 45, false) +
            Zeile("\"SCH\",\"Schmidt\",,,,,,,,,,,,,12", 45, false) +
            Zeile("\"K\xD6H\",\"K\xF6hler\"", 45, false));
  d[5] = Bytes(Zeile("\"R012\",\"Raum 012\",,,,,,30", 17) +
               Zeile("\"R104\",\"Raum 104\",\"R105\",,,,,30", 17) +
               Zeile("\"R105\",\"Raum 105\"", 17) + Zeile("\"PH1\",\"Physiksaal\"", 17));
  d[6] =
      Bytes(Zeile("\"M\",\"Mathematik\"", 21, false) +
            Zeile("\"ER\",\"Ev. Religion\",,\"R104\"", 21, false) +
            Zeile("\"KR\",\"Kath. Religion\"", 21, false) + Zeile("\"PH\",\"Physik\"", 21, false));
  return d;
}

}  // namespace orbato::gpubeispiel
