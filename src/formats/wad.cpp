// The texture map of Tomb Raider object packages: red-green-blue rows, streamed.
#include "formats/wad.h"

#include <array>

#include "core/checked.h"
#include "core/file_io.h"
#include "formats/level_format.h"

namespace tilesmith {

ReadResult open_wad(const std::string& file_name, Package& package, Progress& progress) {
    InFile in(file_name);
    if (in.size() < kWadRecordsOffset)
        refuse_level(file_name, "the file is too short (" + std::to_string(in.size()) +
                                    " bytes) to be an object package");
    std::uint8_t raw[4];
    in.seek(kWadRecordCountOffset);
    in.read_exact(raw, 4);
    const std::int32_t records = read_i32le(raw);
    if (records < 0)
        refuse_level(file_name, "its record count " + std::to_string(records) + " is negative");

    // The size field and the map follow the records; both must start inside the file.
    const std::int64_t size_offset = kWadRecordsOffset + std::int64_t(records) * kWadRecordBytes;
    const std::int64_t map_offset = size_offset + 4;
    if (map_offset > in.size())
        refuse_level(file_name, "its texture map would start at byte " +
                                    std::to_string(map_offset) + ", beyond the end of the file (" +
                                    std::to_string(in.size()) + " bytes)");
    in.seek(size_offset);
    in.read_exact(raw, 4);
    const std::int32_t map_bytes = read_i32le(raw);
    if (map_bytes < 0)
        refuse_level(file_name, "its texture map size " + std::to_string(map_bytes) +
                                    " is negative");
    const std::int64_t pages = map_bytes / kPage24Bytes;
    check_level_pages(file_name, pages);

    const int height = int(pages) * kLevelPageSide;
    auto fresh = Package::for_overwrite(kLevelPageSide, height);
    progress.reset(height / 64);

    // A short file leaves the buffer's earlier bytes in place: zeros, then the last row.
    std::array<std::uint8_t, 3 * kLevelPageSide> buffer{};
    for (int y = 0; y < height; ++y) {
        in.read_some(buffer.data(), buffer.size());
        std::uint8_t* out = fresh.row(y);
        for (int x = 0; x < kLevelPageSide; ++x) {
            out[3 * x] = buffer[3 * x + 2];
            out[3 * x + 1] = buffer[3 * x + 1];
            out[3 * x + 2] = buffer[3 * x];
        }
        if (y % 64 == 63) progress.step();
    }

    package.take_pixels(fresh);
    return ReadResult{kLevelPageSide / 64, height / 64};
}

namespace {

constexpr FileExtension kWadExtensions[] = {{".wad", "Pakiet obiektów Tomb Raider"}};

ReadResult read_wad_format(const std::string& file_name, Package& package, const ReaderOptions&,
                           Progress& progress) {
    return open_wad(file_name, package, progress);
}

}  // namespace

constinit const FileFormat kWadFormat{FormatKind::object_package, kWadExtensions,
                                      "Pakiet obiektów Tomb Raider", read_wad_format, nullptr, nullptr};

}  // namespace tilesmith
