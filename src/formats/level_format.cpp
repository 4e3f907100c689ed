// The level header parsers and their refusals, shared by the readers and the export.
#include "formats/level_format.h"

#include <algorithm>

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

void refuse_shorter_than(InFile& in, const std::string& file_name, std::int64_t size, Msg kind) {
    if (in.size() < size) refuse_level(file_name, Phrase(kind).arg(in.size()));
}

// Texture data that would reach `byte` of a file that ends before it.
void refuse_beyond_the_end(const InFile& in, const std::string& file_name, std::int64_t byte) {
    refuse_level(file_name, Phrase(Msg::DataBeyondEnd).arg(byte).arg(in.size()));
}

void refuse_negative(const std::string& file_name, std::int64_t value) {
    refuse_level(file_name, Phrase(Msg::NegativeCount).arg(value));
}

}  // namespace

void refuse_level(const std::string& file_name, Phrase problem) {
    throw Error(Msg::CannotReadFile, file_name, std::move(problem));
}

void check_level_pages(const std::string& file_name, std::int64_t pages) {
    const auto rows = checked_mul(pages, kPageSide);
    const auto pixels = rows ? checked_mul(*rows, kPageSide) : std::nullopt;
    const auto bytes = rows ? checked_mul(*rows, 3 * kPageSide) : std::nullopt;
    if (pages < 0 || !pixels || !bytes || *pixels > kMaxPackagePixels || *bytes > kMaxBufferBytes)
        refuse_level(file_name, Phrase(Msg::PagesOver1GiB).arg(pages));
}

Tr23Layout parse_tr23_layout(InFile& in, const std::string& file_name) {
    refuse_shorter_than(in, file_name, kTr2PagesOffset, Msg::TooShortForTr23);
    const std::int32_t pages = read_i32_at(in, kTr2PageCountOffset);
    if (pages < 0) refuse_negative(file_name, pages);
    // A level missing part of its 16-bit pages is still read; one whose 8-bit
    // pages already leave the file has a page count that cannot be right.
    const std::int64_t pages16_offset = kTr2PagesOffset + pages * kPage8Bytes;
    if (pages16_offset > in.size())
        refuse_level(file_name, Phrase(Msg::PagesBeyondEnd).arg(pages).arg(in.size()));
    check_level_pages(file_name, pages);
    return {pages, pages16_offset};
}

Tr45Layout parse_tr45_layout(InFile& in, const std::string& file_name, Tr45Parts parts) {
    const bool both = parts == Tr45Parts::both_blocks;
    refuse_shorter_than(in, file_name, kTr45BlockOffset, Msg::TooShortForTr45);
    Tr45Layout l;
    l.unpacked32 = read_i32_at(in, kTr45SizesOffset);
    l.packed32 = read_i32_at(in, kTr45SizesOffset + 4);
    if (l.unpacked32 < 0 || l.packed32 < 0) refuse_negative(file_name, std::min(l.unpacked32, l.packed32));
    if (!both) {
        if (l.unpacked32 > kMaxBufferBytes) refuse_level(file_name, Phrase(Msg::BlockOver1GiB).arg(l.unpacked32));
    } else {
        const std::int64_t header16 = kTr45BlockOffset + std::int64_t(l.packed32);
        if (header16 + 8 > in.size()) refuse_beyond_the_end(in, file_name, header16 + 8);
        l.unpacked16 = read_i32_at(in, header16);
        l.packed16 = read_i32_at(in, header16 + 4);
        if (l.unpacked16 < 0 || l.packed16 < 0) refuse_negative(file_name, std::min(l.unpacked16, l.packed16));
        l.rest = header16 + 8 + std::int64_t(l.packed16);
        if (l.rest > in.size()) refuse_beyond_the_end(in, file_name, l.rest);
        if (l.unpacked32 > kMaxBufferBytes || l.unpacked16 > kMaxBufferBytes)
            refuse_level(file_name, Phrase(Msg::BlockOver1GiB).arg(std::max(l.unpacked32, l.unpacked16)));
    }
    l.pages = l.unpacked32 / kPage32Bytes;
    check_level_pages(file_name, l.pages);
    return l;
}

WadLayout parse_wad_layout(InFile& in, const std::string& file_name) {
    refuse_shorter_than(in, file_name, kWadRecordsOffset, Msg::TooShortForWad);
    const std::int32_t records = read_i32_at(in, kWadRecordCountOffset);
    if (records < 0) refuse_negative(file_name, records);
    // The size field and the map follow the records; both must start inside the file.
    const std::int64_t size_offset = kWadRecordsOffset + std::int64_t(records) * kWadRecordBytes;
    const std::int64_t map_offset = size_offset + 4;
    if (map_offset > in.size()) refuse_beyond_the_end(in, file_name, map_offset);
    const std::int32_t map_bytes = read_i32_at(in, size_offset);
    if (map_bytes < 0) refuse_negative(file_name, map_bytes);
    const std::int64_t pages = map_bytes / kPage24Bytes;
    check_level_pages(file_name, pages);
    return {map_offset, pages, map_bytes};
}

}  // namespace tilesmith
