#include "model/basis/sha1.h"

#include <vector>

namespace orbato {
namespace {

uint32_t Drehe(uint32_t x, int n) {
  return (x << n) | (x >> (32 - n));
}

void Block(std::array<uint32_t, 5>& h, const uint8_t* block) {
  std::array<uint32_t, 80> w{};
  for (int i = 0; i < 16; ++i) {
    w[i] = uint32_t{block[4 * i]} << 24 | uint32_t{block[4 * i + 1]} << 16 |
           uint32_t{block[4 * i + 2]} << 8 | uint32_t{block[4 * i + 3]};
  }
  for (int i = 16; i < 80; ++i) w[i] = Drehe(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
  uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4];
  for (int i = 0; i < 80; ++i) {
    uint32_t f, k;
    if (i < 20) {
      f = (b & c) | (~b & d);
      k = 0x5A827999;
    } else if (i < 40) {
      f = b ^ c ^ d;
      k = 0x6ED9EBA1;
    } else if (i < 60) {
      f = (b & c) | (b & d) | (c & d);
      k = 0x8F1BBCDC;
    } else {
      f = b ^ c ^ d;
      k = 0xCA62C1D6;
    }
    const uint32_t t = Drehe(a, 5) + f + e + k + w[i];
    e = d;
    d = c;
    c = Drehe(b, 30);
    b = a;
    a = t;
  }
  h[0] += a;
  h[1] += b;
  h[2] += c;
  h[3] += d;
  h[4] += e;
}

}  // namespace

std::array<uint8_t, 20> Sha1(std::string_view bytes) {
  std::vector<uint8_t> daten(bytes.begin(), bytes.end());
  const uint64_t bits = static_cast<uint64_t>(daten.size()) * 8;
  daten.push_back(0x80);
  while (daten.size() % 64 != 56) daten.push_back(0);
  for (int i = 7; i >= 0; --i) daten.push_back(static_cast<uint8_t>(bits >> (8 * i)));
  std::array<uint32_t, 5> h = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
  for (std::size_t i = 0; i < daten.size(); i += 64) Block(h, daten.data() + i);
  std::array<uint8_t, 20> digest{};
  for (int i = 0; i < 20; ++i) digest[i] = static_cast<uint8_t>(h[i / 4] >> (24 - 8 * (i % 4)));
  return digest;
}

}  // namespace orbato
