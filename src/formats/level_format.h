// Layout of Tomb Raider level files, the one parser of each family's header
// that its reader and the export share, and the pixel conversions they share.
#pragma once
#include <cstdint>
#include <string>

#include "core/dimensions.h"
#include "core/file_io.h"
#include "strings/phrase.h"

namespace tilesmith {

constexpr std::int64_t kPage8Bytes = 65536;    // palette indexes
constexpr std::int64_t kPage16Bytes = 131072;  // 16-bit words
constexpr std::int64_t kPage24Bytes = 196608;  // red, green, blue (object packages)
constexpr std::int64_t kPage32Bytes = 262144;  // blue, green, red, alpha

// Tomb Raider 2/3 (.tr2).
constexpr std::int64_t kTr2PaletteOffset = 4;
constexpr std::int64_t kTr2PaletteBytes = 768;
constexpr std::int64_t kTr2PageCountOffset = 1796;
constexpr std::int64_t kTr2PagesOffset = 1800;

// Tomb Raider 4/5 (.tr4, .trc): U32 and C32 at 10, the compressed 32-bit block at 18.
constexpr std::int64_t kTr45SizesOffset = 10;
constexpr std::int64_t kTr45BlockOffset = 18;

// Object packages (.wad): N at 4, N records of 8 bytes from 8, then S and the map.
constexpr std::int64_t kWadRecordCountOffset = 4;
constexpr std::int64_t kWadRecordsOffset = 8;
constexpr std::int64_t kWadRecordBytes = 8;

// Throws Error(CannotReadFile) about the file with the problem as its reason.
[[noreturn]] void refuse_level(const std::string& file_name, Phrase problem);

// Refuses a page count whose package (kPageSide x kPageSide pages pixels) would pass the
// pixel or byte limits of core/checked.h, before anything is allocated.
void check_level_pages(const std::string& file_name, std::int64_t pages);

// The parsers read the header fields, refuse (Error) any whose texture data
// could not be where it says or would pass the limits, and leave the file's
// position unspecified.

// A TR2/3 level: `pages` 8-bit pages from kTr2PagesOffset, then as many
// 16-bit pages from pages16_offset. The 8-bit pages lie inside the file.
struct Tr23Layout {
    std::int32_t pages = 0;
    std::int64_t pages16_offset = 0;
};
Tr23Layout parse_tr23_layout(InFile& in, const std::string& file_name);

// A TR4/5 level's zlib blocks: the 32-bit one's sizes at kTr45SizesOffset and
// its stream at kTr45BlockOffset; the 16-bit one's header right after that
// stream, its stream, then the rest of the level.
struct Tr45Layout {
    std::int32_t unpacked32 = 0, packed32 = 0;
    // Parsed for Tr45Parts::both_blocks only.
    std::int32_t unpacked16 = 0, packed16 = 0;
    std::int64_t rest = 0;  // where the level goes on after the 16-bit stream
    std::int64_t pages = 0;  // whole 32-bit pages
};
// The reader needs the 32-bit block alone; the export rewrites both, so both
// must lie inside the file.
enum class Tr45Parts { block32, both_blocks };
Tr45Layout parse_tr45_layout(InFile& in, const std::string& file_name, Tr45Parts parts);

// An object package: its 24-bit texture map of `pages` pages at map_offset.
struct WadLayout {
    std::int64_t map_offset = 0;
    std::int64_t pages = 0;
    std::int64_t map_bytes = 0;  // as its size field says: whole pages and any bytes after them
};
WadLayout parse_wad_layout(InFile& in, const std::string& file_name);

// The 16-bit word of a level: bit 15 opaque, then 5 bits each of red, green, blue.
// Widening by a shift of three keeps the low bits 0, so white reads as 248.
inline void word16_to_bgr(std::uint16_t w, bool correct_transparent, std::uint8_t* bgr) {
    if (correct_transparent && !(w & 0x8000)) {
        bgr[0] = 255; bgr[1] = 0; bgr[2] = 255;
        return;
    }
    bgr[0] = std::uint8_t((w & 31) << 3);
    bgr[1] = std::uint8_t(((w >> 5) & 31) << 3);
    bgr[2] = std::uint8_t(((w >> 10) & 31) << 3);
}

// Export treats magenta and the magenta a 5-bit round trip leaves as transparent.
inline bool is_export_transparent(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return g == 0 && ((r == 255 && b == 255) || (r == 248 && b == 248));
}

inline std::uint16_t bgr_to_word16(const std::uint8_t* bgr) {
    if (is_export_transparent(bgr[2], bgr[1], bgr[0])) return 0;
    return std::uint16_t(0x8000 | ((bgr[2] >> 3) << 10) | ((bgr[1] >> 3) << 5) | (bgr[0] >> 3));
}

inline void bgr_to_bgra(const std::uint8_t* bgr, std::uint8_t* bgra) {
    if (is_export_transparent(bgr[2], bgr[1], bgr[0])) {
        bgra[0] = bgra[1] = bgra[2] = bgra[3] = 0;
        return;
    }
    bgra[0] = bgr[0]; bgra[1] = bgr[1]; bgra[2] = bgr[2]; bgra[3] = 255;
}

}  // namespace tilesmith
