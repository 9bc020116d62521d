#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/basis/datum.h"
#include "model/basis/fixtext.h"
#include "model/elemente/kuerzelart.h"
#include "persist/streamfehler.h"

namespace orbato {

// The typed byte stream of the plan file: big-endian integers, fixed-size length-prefixed texts in
// the file code, dates as seconds since 1904, colours as three words. It works on bytes in memory:
// reading takes a whole file's bytes (LiesGanzeDatei), writing collects them for one careful write
// to disk (SchreibeDateiSicher).
class TBuffer {
 public:
  // A stream to write into.
  TBuffer() = default;
  // A stream that reads these bytes from the start.
  explicit TBuffer(std::vector<uint8_t> bytes) : fBytes(std::move(bytes)) {}

  const std::vector<uint8_t>& Bytes() const { return fBytes; }
  std::size_t Groesse() const { return fBytes.size(); }
  std::size_t Position() const { return fPosition; }

  void WriteByte(uint8_t b);
  void WriteInt(int32_t i);  // the low 16 bits
  void WriteWord(uint16_t w);
  void WriteLong(int32_t l);
  void WriteBool(bool b);
  void WriteDatum(TDatumZeit d);
  void WriteColor(int32_t farbe);
  void WriteArt(TKuerzelArt art);
  void WriteKue(const TKuerzelString& s) { WriteFeld(s.str(), 11); }
  void WriteInfo(const TInfoString& s) { WriteFeld(s.str(), 31); }
  void WriteBem(const TBemString& s) { WriteFeld(s.str(), 81); }
  void WriteGrund(const TGrundString& s) { WriteFeld(s.str(), 1); }
  void WriteStr255(const str255& s) { WriteFeld(s.str(), 255); }
  // A text without length or end: each character's Unicode value, its low byte in file code
  // (so the euro sign becomes 0xAC). Typographic quotes and dashes are written in their plain
  // form. No character of the text becomes one of the bytes the text files are cut at (TAB, LF,
  // CR, group separator): such a character is written as a blank, so a writer puts those
  // separators and line ends in with WriteByte.
  void WriteStr(std::string_view cp1252);
  // A text as UTF-8, byte by byte, without length, end or byte-order mark.
  void WriteStrUTF8(std::string_view cp1252);

  // Each read needs its whole field; fewer bytes before the end raise "Stream-Lesefehler".
  uint8_t ReadByte();
  int32_t ReadInt();  // sign-extended
  uint16_t ReadWord();
  int32_t ReadLong();
  bool ReadBool();
  TDatumZeit ReadDatum();  // to the nearest hundredth of a day
  int32_t ReadColor();
  TKuerzelArt ReadArt();
  TKuerzelString ReadKue() { return OhneFuehrendeBlanks(ReadFeld(11)); }
  TKuerzelString ReadAltKue() { return OhneFuehrendeBlanks(ReadFeld(7)); }
  TInfoString ReadInfo() { return TInfoString(ReadFeld(31)); }
  TInfoString ReadAltInfo() { return TInfoString(ReadFeld(21)); }
  TBemString ReadBem() { return TBemString(ReadFeld(81)); }
  TBemString ReadAltBem() { return TBemString(ReadFeld(61)); }
  TGrundString ReadGrund() { return TGrundString(ReadFeld(1)); }
  str255 ReadStr255() { return str255(ReadFeld(255)); }
  // One byte of a text file, in memory code.
  uint8_t ReadZeichen();

  // The nine letters the file code keeps under codes of their own.
  static uint8_t DateiCode(uint8_t speicher);
  static uint8_t SpeicherCode(uint8_t datei);

 private:
  void WriteFeld(const std::string& text, std::size_t zeichen);
  std::string ReadFeld(std::size_t zeichen);
  static TKuerzelString OhneFuehrendeBlanks(std::string text);
  const uint8_t* Nimm(std::size_t anzahl);

  std::vector<uint8_t> fBytes;
  std::size_t fPosition = 0;
};

}  // namespace orbato
