// The texture map of Tomb Raider object packages: red-green-blue rows, streamed.
#include "formats/wad.h"

#include <array>

#include "core/checked.h"
#include "core/file_io.h"
#include "formats/level_format.h"

namespace tilesmith {

ReadResult open_wad(InFile& in, Package& package, Progress& progress) {
    const std::string& file_name = in.path();
    const WadLayout layout = parse_wad_layout(in, file_name);
    // A map cut short still loads with its missing rows transparent, but the
    // file must reach at least the page before the last: a page count beyond
    // that cannot be right and would only cost memory.
    const std::int64_t pages_reached = (in.size() - layout.map_offset + kPage24Bytes - 1) / kPage24Bytes;
    if (layout.pages > pages_reached + 1)
        refuse_level(file_name, Phrase(Msg::PagesBeyondEnd).arg(layout.pages).arg(in.size()));
    in.seek(layout.map_offset);

    const int height = int(layout.pages) * kPageSide;
    auto fresh = Package::for_overwrite(kPageSide, height);
    progress.reset(height / kTileSide);

    std::array<std::uint8_t, 3 * kPageSide> buffer{};
    int missing_rows = 0;
    for (int y = 0; y < height; ++y) {
        const std::size_t got = in.read_some(buffer.data(), buffer.size());
        std::uint8_t* out = fresh.row(y);
        for (int x = 0; x < kPageSide; ++x) {
            out[3 * x] = buffer[3 * x + 2];
            out[3 * x + 1] = buffer[3 * x + 1];
            out[3 * x + 2] = buffer[3 * x];
        }
        // Pixels beyond the end of the file read as transparent.
        if (got < buffer.size()) {
            const int present = int(got / 3);
            fresh.fill_rect(present, y, kPageSide - present, 1, kTransparent);
            ++missing_rows;
        }
        if (y % kTileSide == kTileSide - 1) progress.step();
    }

    package.take_pixels(fresh);
    return read_result_of(package, file_name, missing_rows);
}

ReadResult open_wad(const std::string& file_name, Package& package, Progress& progress) {
    InFile in(file_name);
    return open_wad(in, package, progress);
}

namespace {

constexpr FileExtension kWadExtensions[] = {{".wad", Msg::WadFilter}};

ReadResult read_wad_format(const std::string& file_name, Package& package, const ReaderOptions&,
                           Progress& progress) {
    return open_wad(file_name, package, progress);
}

ReadResult read_wad_open(InFile& in, Package& package, const ReaderOptions&, Progress& progress) {
    return open_wad(in, package, progress);
}

}  // namespace

constinit const FileFormat kWadFormat{FormatKind::object_package, kWadExtensions, Msg::WadFilter,
                                      read_wad_format, nullptr, nullptr, {}, "Tomb Raider object package",
                                      nullptr, 1, read_wad_open};

}  // namespace tilesmith
