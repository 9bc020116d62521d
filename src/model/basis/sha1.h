#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace orbato {

// The SHA-1 digest of a byte string (FIPS 180-4): 20 bytes, most significant first.
std::array<uint8_t, 20> Sha1(std::string_view bytes);

}  // namespace orbato
