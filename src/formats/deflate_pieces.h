// One deflate stream compressed in pieces apart, so that every core can take
// one: each piece but the last ends on a byte boundary after an empty stored
// block (as a zlib sync flush does), and the next piece follows it directly.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct libdeflate_compressor;

namespace tilesmith {

// Compresses `size` bytes at `data` with `compressor` and appends them to
// `out` as a piece of a longer stream; `last` ends the stream. A piece starts
// with an empty history, so it should hold a few hundred kilobytes at least.
// Throws std::bad_alloc when the memory cannot be had.
void deflate_piece(libdeflate_compressor* compressor, const std::uint8_t* data, std::size_t size, bool last,
                   std::vector<std::uint8_t>& out);

// The piece as plain stored blocks, none final (`last` adds an empty final
// one): what deflate_piece falls back to should the walk not understand
// libdeflate's stream.
void store_piece(const std::uint8_t* data, std::size_t size, bool last, std::vector<std::uint8_t>& out);

// Where the final block of the deflate stream `data` begins and where it ends,
// in bits from the start; false when the bytes are no complete deflate stream.
bool find_final_block(const std::uint8_t* data, std::size_t size, std::uint64_t& header_bit,
                      std::uint64_t& end_bit);

}  // namespace tilesmith
