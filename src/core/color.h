// Packed colours: a 32-bit value with red in bits 0-7, green 8-15, blue 16-23.
#pragma once
#include <cstdint>

namespace tilesmith {

using PackedColor = std::uint32_t;

constexpr PackedColor pack_rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return PackedColor(r) | (PackedColor(g) << 8) | (PackedColor(b) << 16);
}
constexpr std::uint8_t red_of(PackedColor c) { return std::uint8_t(c & 0xFF); }
constexpr std::uint8_t green_of(PackedColor c) { return std::uint8_t((c >> 8) & 0xFF); }
constexpr std::uint8_t blue_of(PackedColor c) { return std::uint8_t((c >> 16) & 0xFF); }

// Pure magenta, compared exactly, is the transparent colour throughout.
constexpr PackedColor kTransparent = pack_rgb(255, 0, 255);
constexpr PackedColor kSilver = pack_rgb(192, 192, 192);
constexpr PackedColor kBlack = pack_rgb(0, 0, 0);
constexpr PackedColor kWhite = pack_rgb(255, 255, 255);
// What a read outside a package returns: every bit set, so each channel reads 255.
constexpr PackedColor kOutside = 0xFFFFFFFFu;

}  // namespace tilesmith
