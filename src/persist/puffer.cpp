#include "persist/puffer.h"

#include <algorithm>
#include <cmath>

#include "model/basis/zeichensatz.h"

namespace orbato {
namespace {

// Day 1462 of the program's count is 1 January 1904, the start of the file's seconds.
constexpr int64_t kTag1904 = 1462;
constexpr int64_t kSekundenProTag = 86400;

// memory (Windows-1252) -> file code, for the nine letters that differ
constexpr uint8_t kPaare[9][2] = {{0xC4, 0x80}, {0xD6, 0x85}, {0xDC, 0x86},
                                  {0xE4, 0x8A}, {0xF6, 0x9A}, {0xFC, 0x9F},
                                  {0xA7, 0xA4}, {0xDF, 0xA7}, {0xA5, 0xB4}};

// TAB, LF, CR and the group separator: the text files are cut into fields, items and lines there.
bool IstTrenner(uint8_t datei) {
  return datei == 9 || datei == 10 || datei == 13 || datei == 29;
}

}  // namespace

uint8_t TBuffer::DateiCode(uint8_t speicher) {
  for (const auto& paar : kPaare) {
    if (paar[0] == speicher) return paar[1];
  }
  return speicher;
}

uint8_t TBuffer::SpeicherCode(uint8_t datei) {
  for (const auto& paar : kPaare) {
    if (paar[1] == datei) return paar[0];
  }
  return datei;
}

void TBuffer::WriteByte(uint8_t b) {
  fBytes.push_back(b);
}

void TBuffer::WriteInt(int32_t i) {
  WriteWord(static_cast<uint16_t>(i & 0xFFFF));
}

void TBuffer::WriteWord(uint16_t w) {
  WriteByte(static_cast<uint8_t>(w >> 8));
  WriteByte(static_cast<uint8_t>(w & 0xFF));
}

void TBuffer::WriteLong(int32_t l) {
  const auto u = static_cast<uint32_t>(l);
  WriteWord(static_cast<uint16_t>(u >> 16));
  WriteWord(static_cast<uint16_t>(u & 0xFFFF));
}

void TBuffer::WriteBool(bool b) {
  WriteByte(b ? 1 : 0);
}

void TBuffer::WriteDatum(TDatumZeit d) {
  const double tage = std::trunc(d);
  const auto sekunden = static_cast<int64_t>(std::trunc((d - tage) * kSekundenProTag));
  const int64_t wert = (static_cast<int64_t>(tage) - kTag1904) * kSekundenProTag + sekunden;
  WriteLong(static_cast<int32_t>(static_cast<uint32_t>(wert)));
}

void TBuffer::WriteColor(int32_t farbe) {
  const auto rgb = static_cast<uint32_t>(farbe);  // only the three colour bytes have a place
  WriteWord(static_cast<uint16_t>((rgb & 0xFF) << 8));
  WriteWord(static_cast<uint16_t>(((rgb >> 8) & 0xFF) << 8));
  WriteWord(static_cast<uint16_t>(((rgb >> 16) & 0xFF) << 8));
}

void TBuffer::WriteArt(TKuerzelArt art) {
  WriteByte(static_cast<uint8_t>(art));
}

void TBuffer::WriteFeld(const std::string& text, std::size_t zeichen) {
  const std::size_t laenge = std::min(text.size(), zeichen);
  WriteByte(static_cast<uint8_t>(laenge));
  for (std::size_t i = 0; i < laenge; ++i) WriteByte(DateiCode(static_cast<uint8_t>(text[i])));
  fBytes.insert(fBytes.end(), zeichen - laenge, 0);
}

// A character outside the code page keeps only its low byte, which put the right double quote on
// the group separator and the left one on a control byte; the plain forms keep them readable. A
// character that would still land on a separator, a TAB or line break typed into a name, would
// cut the line when read back; as a blank it keeps the words apart, adds nothing visible (the
// import trims names) and keeps one byte per character, so the field lengths stay as they were.
void TBuffer::WriteStr(std::string_view cp1252) {
  for (char c : cp1252) {
    const char32_t zeichen = UnicodeAusCp1252(static_cast<unsigned char>(SchlichtesZeichen(c)));
    const auto datei = DateiCode(static_cast<uint8_t>(zeichen & 0xFF));
    WriteByte(IstTrenner(datei) ? ' ' : datei);
  }
}

void TBuffer::WriteStrUTF8(std::string_view cp1252) {
  const std::string utf8 = Utf8AusCp1252(cp1252);
  fBytes.insert(fBytes.end(), utf8.begin(), utf8.end());
}

const uint8_t* TBuffer::Nimm(std::size_t anzahl) {
  if (fBytes.size() - fPosition < anzahl) throw TStreamFehler("Stream-Lesefehler");
  const uint8_t* anfang = fBytes.data() + fPosition;
  fPosition += anzahl;
  return anfang;
}

uint8_t TBuffer::ReadByte() {
  return *Nimm(1);
}

int32_t TBuffer::ReadInt() {
  return static_cast<int16_t>(ReadWord());
}

uint16_t TBuffer::ReadWord() {
  const uint8_t* b = Nimm(2);
  return static_cast<uint16_t>(b[0] << 8 | b[1]);
}

int32_t TBuffer::ReadLong() {
  const uint8_t* b = Nimm(4);
  return static_cast<int32_t>(uint32_t{b[0]} << 24 | uint32_t{b[1]} << 16 | uint32_t{b[2]} << 8 |
                              uint32_t{b[3]});
}

bool TBuffer::ReadBool() {
  return ReadByte() != 0;
}

TDatumZeit TBuffer::ReadDatum() {
  const auto u = static_cast<uint32_t>(ReadLong());
  const double tage = static_cast<double>(u) / kSekundenProTag;
  // nearbyint rounds halves to even in the default rounding mode.
  return std::nearbyint(tage * 100) / 100 + kTag1904;
}

int32_t TBuffer::ReadColor() {
  const int32_t rot = ReadWord() >> 8;
  const int32_t gruen = ReadWord() >> 8;
  const int32_t blau = ReadWord() >> 8;
  return rot + gruen * 256 + blau * 65536;
}

TKuerzelArt TBuffer::ReadArt() {
  const uint8_t art = ReadByte();
  // Old files stored couplings and courses under numbers that now mean teachers and rooms.
  return static_cast<TKuerzelArt>(art == 2 ? 0 : art == 6 ? 4 : art);
}

std::string TBuffer::ReadFeld(std::size_t zeichen) {
  const uint8_t* feld = Nimm(1 + zeichen);
  const std::size_t laenge = std::min<std::size_t>(feld[0], zeichen);
  std::string text(laenge, '\0');
  for (std::size_t i = 0; i < laenge; ++i) text[i] = static_cast<char>(SpeicherCode(feld[1 + i]));
  return text;
}

TKuerzelString TBuffer::OhneFuehrendeBlanks(std::string text) {
  for (char& c : text) {
    if (c != ' ') break;
    c = static_cast<char>(0xA5);
  }
  return TKuerzelString(text);
}

uint8_t TBuffer::ReadZeichen() {
  return SpeicherCode(ReadByte());
}

}  // namespace orbato
