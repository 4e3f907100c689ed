// Checked size arithmetic for counts read from files: nothing is sized from a
// value that overflowed.
#pragma once
#include <cstdint>
#include <limits>
#include <optional>

namespace tilesmith {

// The same sums and products without compiler help, for compilers that lack
// the overflow built-ins.
namespace portable {
inline std::optional<std::int64_t> checked_mul(std::int64_t a, std::int64_t b) {
    constexpr std::int64_t lo = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int64_t>::max();
    const bool overflow = a > 0 ? (b > 0 ? a > hi / b : b < lo / a)
                                : (b > 0 ? a < lo / b : a != 0 && b < hi / a);
    if (overflow) return std::nullopt;
    return a * b;
}
inline std::optional<std::int64_t> checked_add(std::int64_t a, std::int64_t b) {
    constexpr std::int64_t lo = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int64_t>::max();
    if ((b > 0 && a > hi - b) || (b < 0 && a < lo - b)) return std::nullopt;
    return a + b;
}
}  // namespace portable

#if defined(__has_builtin)
#if __has_builtin(__builtin_mul_overflow) && __has_builtin(__builtin_add_overflow)
#define TILESMITH_OVERFLOW_BUILTINS 1
#endif
#endif

inline std::optional<std::int64_t> checked_mul(std::int64_t a, std::int64_t b) {
#ifdef TILESMITH_OVERFLOW_BUILTINS
    std::int64_t r;
    if (__builtin_mul_overflow(a, b, &r)) return std::nullopt;
    return r;
#else
    return portable::checked_mul(a, b);
#endif
}
inline std::optional<std::int64_t> checked_add(std::int64_t a, std::int64_t b) {
#ifdef TILESMITH_OVERFLOW_BUILTINS
    std::int64_t r;
    if (__builtin_add_overflow(a, b, &r)) return std::nullopt;
    return r;
#else
    return portable::checked_add(a, b);
#endif
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
