// The texture map of Tomb Raider object packages: red-green-blue rows, streamed, and written back into a copy.
#include "formats/wad.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/checked.h"
#include "core/error.h"
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

WadLayout wad_base_layout(InFile& base) {
    const WadLayout layout = parse_wad_layout(base, base.path());
    // A map cut short would be copied damaged.
    const std::int64_t map_end = layout.map_offset + layout.map_bytes;
    if (map_end > base.size())
        throw Error(Phrase(Msg::BaseNotWalked).arg(base.path()).arg(Phrase(Msg::DataBeyondEnd).arg(map_end).arg(base.size())));
    return layout;
}

ExportResult ex_wad(const std::string& output_name, InFile& base, const Package& package, Progress& progress) {
    const WadLayout layout = wad_base_layout(base);
    if (package.width() != kPageSide || std::int64_t(package.height()) != layout.pages * kPageSide)
        return ExportResult::package_size_mismatch;

    progress.reset(int(layout.pages) + 2);
    AtomicOutFile out(output_name);
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(kPage24Bytes));
    // Everything before the map is the base's own, records and size field included.
    base.seek(0);
    for (std::int64_t left = layout.map_offset; left > 0;) {
        const std::size_t got = base.read_some(buffer.data(), std::size_t(std::min<std::int64_t>(left, kPage24Bytes)));
        out.write(buffer.data(), got);
        left -= std::int64_t(got);
    }
    // The map's rows as red, green, blue.
    for (int page = 0; page < int(layout.pages); ++page) {
        std::uint8_t* rgb = buffer.data();
        for (int y = page * kPageSide; y < (page + 1) * kPageSide; ++y) {
            const std::uint8_t* bgr = package.row(y);
            for (int x = 0; x < kPageSide; ++x, bgr += 3, rgb += 3) {
                rgb[0] = bgr[2];
                rgb[1] = bgr[1];
                rgb[2] = bgr[0];
            }
        }
        out.write(buffer.data(), buffer.size());
        progress.step();
    }
    // The rest of the map past its whole pages, and everything after it.
    base.seek(layout.map_offset + layout.pages * kPage24Bytes);
    while (const std::size_t got = base.read_some(buffer.data(), buffer.size())) out.write(buffer.data(), got);
    progress.step();
    out.commit();
    progress.step();
    return ExportResult::written;
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
                                      read_wad_format, nullptr, ex_wad, {}, "Tomb Raider object package",
                                      nullptr, 1, read_wad_open};

}  // namespace tilesmith
