// PNG files written byte by byte for tests.
#include "support/png_builder.h"

#include <zlib.h>

#include <array>
#include <cstdlib>

namespace tilesmith {

namespace {

void put32(Bytes& b, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) b.push_back(std::uint8_t(v >> s));
}


int predict(int filter, int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    const int paeth = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
    const int by_filter[5] = {0, a, b, (a + b) / 2, paeth};
    return by_filter[filter];
}

// Rows of the pixels the pass covers, each filtered with the picture's filter.
void add_rows(Bytes& raw, const PngPicture& s, int x0, int y0, int dx, int dy) {
    if (x0 >= s.width || y0 >= s.height) return;
    Bytes above;
    for (int y = y0; y < s.height; y += dy) {
        Bytes row;
        std::size_t bpp = 0;
        for (int x = x0; x < s.width; x += dx) {
            const std::vector<int> samples = s.pixel(x, y);
            bpp = samples.size() * std::size_t(s.bit_depth / 8);
            for (int v : samples) {
                if (s.bit_depth == 16) row.push_back(std::uint8_t(v >> 8));
                row.push_back(std::uint8_t(v));
            }
        }
        above.resize(row.size(), 0);
        raw.push_back(std::uint8_t(s.filter));
        for (std::size_t i = 0; i < row.size(); ++i)
            raw.push_back(std::uint8_t(row[i] - predict(s.filter, i >= bpp ? row[i - bpp] : 0, above[i],
                                                        i >= bpp ? above[i - bpp] : 0)));
        above = row;
    }
}

}  // namespace

Bytes png_chunk(const char type[4], const Bytes& data) {
    Bytes chunk;
    put32(chunk, std::uint32_t(data.size()));
    chunk.insert(chunk.end(), type, type + 4);
    chunk.insert(chunk.end(), data.begin(), data.end());
    put32(chunk, std::uint32_t(crc32(0, chunk.data() + 4, uInt(chunk.size() - 4))));
    return chunk;
}

Bytes png_bytes(const PngPicture& s) {
    Bytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    put32(header, std::uint32_t(s.width));
    put32(header, std::uint32_t(s.height));
    header.insert(header.end(), {std::uint8_t(s.bit_depth), std::uint8_t(s.colour_type), 0, 0,
                                 std::uint8_t(s.interlaced ? 1 : 0)});
    const Bytes ihdr = png_chunk("IHDR", header);
    file.insert(file.end(), ihdr.begin(), ihdr.end());
    for (const auto& [type, data] : {std::pair{"PLTE", s.palette}, std::pair{"tRNS", s.transparency}}) {
        if (data.empty()) continue;
        const Bytes c = png_chunk(type, data);
        file.insert(file.end(), c.begin(), c.end());
    }
    Bytes raw;
    if (!s.interlaced) {
        add_rows(raw, s, 0, 0, 1, 1);
    } else {
        // Adam7: starting column and row, then steps, of the seven passes.
        constexpr std::array<std::array<int, 4>, 7> passes{{{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8},
                                                            {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2},
                                                            {0, 1, 1, 2}}};
        for (const auto& p : passes) add_rows(raw, s, p[0], p[1], p[2], p[3]);
    }
    uLongf size = compressBound(uLong(raw.size()));
    Bytes packed(size);
    compress(packed.data(), &size, raw.data(), uLong(raw.size()));
    packed.resize(size);
    const Bytes idat = png_chunk("IDAT", packed), iend = png_chunk("IEND", {});
    file.insert(file.end(), idat.begin(), idat.end());
    file.insert(file.end(), iend.begin(), iend.end());
    return file;
}

}  // namespace tilesmith
