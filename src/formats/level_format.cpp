// The level header parsers and their refusals, shared by the readers and the export.
#include "formats/level_format.h"

#include "core/checked.h"
#include "core/error.h"

namespace tilesmith {

namespace {

std::int32_t read_i32_at(InFile& in, std::int64_t offset) {
    std::uint8_t raw[4];
    in.seek(offset);
    in.read_exact(raw, 4);
    return read_i32le(raw);
}

void refuse_shorter_than(InFile& in, const std::string& file_name, std::int64_t size, const char* kind) {
    if (in.size() < size)
        refuse_level(file_name, "the file is too short (" + std::to_string(in.size()) + " bytes) to be " + kind);
}

std::string beyond_the_end(const InFile& in) {
    return "beyond the end of the file (" + std::to_string(in.size()) + " bytes)";
}

}  // namespace

void refuse_level(const std::string& file_name, const std::string& problem) {
    throw Error(Msg::CannotReadFile, file_name, problem);
}

void check_level_pages(const std::string& file_name, std::int64_t pages) {
    const auto rows = checked_mul(pages, kPageSide);
    const auto pixels = rows ? checked_mul(*rows, kPageSide) : std::nullopt;
    const auto bytes = rows ? checked_mul(*rows, 3 * kPageSide) : std::nullopt;
    if (pages < 0 || !pixels || !bytes || *pixels > kMaxPackagePixels || *bytes > kMaxBufferBytes)
        refuse_level(file_name, std::to_string(pages) +
                                    " texture pages would make a package larger than 1 GiB");
}

Tr23Layout parse_tr23_layout(InFile& in, const std::string& file_name) {
    refuse_shorter_than(in, file_name, kTr2PagesOffset, "a Tomb Raider 2/3 level");
    const std::int32_t pages = read_i32_at(in, kTr2PageCountOffset);
    if (pages < 0) refuse_level(file_name, "its page count " + std::to_string(pages) + " is negative");
    // A level missing part of its 16-bit pages is still read; one whose 8-bit
    // pages already leave the file has a page count that cannot be right.
    const std::int64_t pages16_offset = kTr2PagesOffset + pages * kPage8Bytes;
    if (pages16_offset > in.size())
        refuse_level(file_name, "its " + std::to_string(pages) + " texture pages would end " + beyond_the_end(in));
    check_level_pages(file_name, pages);
    return {pages, pages16_offset};
}

Tr45Layout parse_tr45_layout(InFile& in, const std::string& file_name, Tr45Parts parts) {
    const bool both = parts == Tr45Parts::both_blocks;
    refuse_shorter_than(in, file_name, kTr45BlockOffset, "a Tomb Raider 4/5 level");
    Tr45Layout l;
    l.unpacked32 = read_i32_at(in, kTr45SizesOffset);
    l.packed32 = read_i32_at(in, kTr45SizesOffset + 4);
    const std::string block32 = both ? "32-bit texture block" : "texture block";
    if (l.unpacked32 < 0 || l.packed32 < 0)
        refuse_level(file_name, "its " + block32 + " sizes (" + std::to_string(l.unpacked32) + ", " +
                                    std::to_string(l.packed32) + ") are negative");
    if (!both) {
        if (l.unpacked32 > kMaxBufferBytes)
            refuse_level(file_name, "its texture block of " + std::to_string(l.unpacked32) +
                                        " bytes would pass the 1 GiB limit");
    } else {
        const std::int64_t header16 = kTr45BlockOffset + std::int64_t(l.packed32);
        if (header16 + 8 > in.size())
            refuse_level(file_name, "its 16-bit texture block would start at byte " + std::to_string(header16) +
                                        ", " + beyond_the_end(in));
        l.unpacked16 = read_i32_at(in, header16);
        l.packed16 = read_i32_at(in, header16 + 4);
        if (l.unpacked16 < 0 || l.packed16 < 0)
            refuse_level(file_name, "its 16-bit texture block sizes (" + std::to_string(l.unpacked16) + ", " +
                                        std::to_string(l.packed16) + ") are negative");
        l.rest = header16 + 8 + std::int64_t(l.packed16);
        if (l.rest > in.size())
            refuse_level(file_name, "its 16-bit texture block would end at byte " + std::to_string(l.rest) +
                                        ", " + beyond_the_end(in));
        if (l.unpacked32 > kMaxBufferBytes || l.unpacked16 > kMaxBufferBytes)
            refuse_level(file_name, "its texture blocks (" + std::to_string(l.unpacked32) + ", " +
                                        std::to_string(l.unpacked16) + " bytes) would pass the 1 GiB limit");
    }
    l.pages = l.unpacked32 / kPage32Bytes;
    check_level_pages(file_name, l.pages);
    return l;
}

WadLayout parse_wad_layout(InFile& in, const std::string& file_name) {
    refuse_shorter_than(in, file_name, kWadRecordsOffset, "an object package");
    const std::int32_t records = read_i32_at(in, kWadRecordCountOffset);
    if (records < 0) refuse_level(file_name, "its record count " + std::to_string(records) + " is negative");
    // The size field and the map follow the records; both must start inside the file.
    const std::int64_t size_offset = kWadRecordsOffset + std::int64_t(records) * kWadRecordBytes;
    const std::int64_t map_offset = size_offset + 4;
    if (map_offset > in.size())
        refuse_level(file_name, "its texture map would start at byte " + std::to_string(map_offset) + ", " +
                                    beyond_the_end(in));
    const std::int32_t map_bytes = read_i32_at(in, size_offset);
    if (map_bytes < 0)
        refuse_level(file_name, "its texture map size " + std::to_string(map_bytes) + " is negative");
    const std::int64_t pages = map_bytes / kPage24Bytes;
    check_level_pages(file_name, pages);
    return {map_offset, pages};
}

}  // namespace tilesmith
