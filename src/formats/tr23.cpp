// Textures of Tomb Raider 2 and 3 levels: 8-bit or 16-bit pages, streamed row by row.
#include "formats/tr23.h"

#include <array>

#include "core/checked.h"
#include "core/file_io.h"
#include "formats/level_export.h"
#include "formats/level_format.h"

namespace tilesmith {

ReadResult open_tr23(InFile& in, Package& package, bool as_8bit, bool correct_transparent, Progress& progress) {
    const std::string& file_name = in.path();
    const Tr23Layout layout = parse_tr23_layout(in, file_name);

    // The palette is read in both modes, as the level stores it.
    std::array<std::uint8_t, kTr2PaletteBytes> palette{};
    in.seek(kTr2PaletteOffset);
    in.read_exact(palette.data(), palette.size());

    const int height = layout.pages * kPageSide;
    auto fresh = Package::for_overwrite(kPageSide, height);
    progress.reset(height / kTileSide);

    // The 8-bit pages lie inside the file (the parser checked); the 16-bit
    // ones may end early, and pixels beyond the end read as transparent.
    std::array<std::uint8_t, 2 * kPageSide> buffer{};
    int missing_rows = 0;
    if (as_8bit) {
        in.seek(kTr2PagesOffset);
        for (int y = 0; y < height; ++y) {
            in.read_some(buffer.data(), kPageSide);
            std::uint8_t* out = fresh.row(y);
            for (int x = 0; x < kPageSide; ++x, out += 3) {
                const std::uint8_t* rgb = &palette[3 * std::size_t(buffer[x])];
                // 6-bit palette values; times four, kept to 8 bits.
                out[0] = std::uint8_t(rgb[2] << 2);
                out[1] = std::uint8_t(rgb[1] << 2);
                out[2] = std::uint8_t(rgb[0] << 2);
            }
            if (y % kTileSide == kTileSide - 1) progress.step();
        }
    } else {
        in.seek(layout.pages16_offset);
        for (int y = 0; y < height; ++y) {
            const std::size_t got = in.read_some(buffer.data(), buffer.size());
            std::uint8_t* out = fresh.row(y);
            for (int x = 0; x < kPageSide; ++x, out += 3)
                word16_to_bgr(read_u16le(&buffer[2 * std::size_t(x)]), correct_transparent, out);
            if (got < buffer.size()) {
                const int present = int(got / 2);
                fresh.fill_rect(present, y, kPageSide - present, 1, kTransparent);
                ++missing_rows;
            }
            if (y % kTileSide == kTileSide - 1) progress.step();
        }
    }

    package.take_pixels(fresh);
    return read_result_of(package, file_name, missing_rows);
}

ReadResult open_tr23(const std::string& file_name, Package& package, bool as_8bit, bool correct_transparent,
                     Progress& progress) {
    InFile in(file_name);
    return open_tr23(in, package, as_8bit, correct_transparent, progress);
}

namespace {

constexpr FileExtension kTr23Extensions[] = {{".tr2", Msg::Tr23Filter}};

ReadResult read_tr23_format(const std::string& file_name, Package& package, const ReaderOptions& options,
                            Progress& progress) {
    return open_tr23(file_name, package, options.as_8bit, options.correct_transparent, progress);
}

ReadResult read_tr23_open(InFile& in, Package& package, const ReaderOptions& options, Progress& progress) {
    return open_tr23(in, package, options.as_8bit, options.correct_transparent, progress);
}

}  // namespace

constinit const FileFormat kTr23Format{FormatKind::level, kTr23Extensions, Msg::Tr25Filter,
                                       read_tr23_format, nullptr, ex_tr23, kTr23Versions, "Tomb Raider 2/3 level",
                                       nullptr, 1, read_tr23_open};

}  // namespace tilesmith
