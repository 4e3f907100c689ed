// The benchmarks' made-up pictures: a cheap, well-mixed hash of two numbers,
// so that pixels and tiles look random but come out the same every run.
#pragma once
#include <cstdint>

inline std::uint32_t hash(std::uint32_t x, std::uint32_t y) {
    std::uint32_t h = x * 0x85EBCA6Bu ^ y * 0xC2B2AE35u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 13;
    return h;
}
