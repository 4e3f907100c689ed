// Checked size arithmetic for counts read from files: nothing is sized from a
// value that overflowed.
#pragma once
#include <cstdint>
#include <optional>

namespace tilesmith {

inline std::optional<std::int64_t> checked_mul(std::int64_t a, std::int64_t b) {
    std::int64_t r;
    if (__builtin_mul_overflow(a, b, &r)) return std::nullopt;
    return r;
}
inline std::optional<std::int64_t> checked_add(std::int64_t a, std::int64_t b) {
    std::int64_t r;
    if (__builtin_add_overflow(a, b, &r)) return std::nullopt;
    return r;
}

// Nothing read from a file may make the program hold more than this at once.
constexpr std::int64_t kMaxBufferBytes = std::int64_t(1) << 30;  // 1 GiB
// A package of more pixels than this is refused before it is allocated.
constexpr std::int64_t kMaxPackagePixels = std::int64_t(1) << 28;

inline std::uint32_t read_u32le(const unsigned char* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
inline std::int32_t read_i32le(const unsigned char* p) { return std::int32_t(read_u32le(p)); }
inline std::uint16_t read_u16le(const unsigned char* p) {
    return std::uint16_t(p[0] | (p[1] << 8));
}
inline void write_u32le(unsigned char* p, std::uint32_t v) {
    p[0] = v & 0xFF; p[1] = (v >> 8) & 0xFF; p[2] = (v >> 16) & 0xFF; p[3] = (v >> 24) & 0xFF;
}
inline void write_u16le(unsigned char* p, std::uint16_t v) { p[0] = v & 0xFF; p[1] = v >> 8; }

}  // namespace tilesmith
