#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orbato {

// Two upper-case hexadecimal digits per byte.
std::string HexAusBytes(std::span<const uint8_t> bytes);
// The bytes of pairs of hexadecimal digits (either case); none for an odd length or a non-digit.
std::optional<std::vector<uint8_t>> BytesAusHex(std::string_view hex);

// A number of exactly `stellen` hexadecimal digits; none otherwise.
std::optional<uint32_t> ZahlAusHex(std::string_view hex, std::size_t stellen);
std::string HexAusZahl(uint32_t zahl, std::size_t stellen);

}  // namespace orbato
