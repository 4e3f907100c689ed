// Textures of Tomb Raider 4 and 5 levels: the zlib-compressed 32-bit block.
#define ZLIB_CONST
#include "formats/tr45.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <new>
#include <optional>

#include "core/checked.h"
#include "core/error.h"
#include "core/file_io.h"
#include "core/zeroed_buffer.h"
#include "formats/deflate_blocks.h"
#include "formats/level_export.h"
#include "formats/level_format.h"

namespace tilesmith {

namespace {

// Inflates the block in one Z_FINISH call into `out`. A block cut short by the
// end of the file counts as followed by `zero_padding` zero bytes, as if the
// whole stored size had been read into a zeroed buffer; those zeros are fed in
// small chunks so that a huge stored size is never allocated.
void inflate_block(const std::uint8_t* in, std::size_t in_size, std::int64_t zero_padding,
                   std::uint8_t* out, std::size_t out_size) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) throw Error(Phrase(Msg::ZlibError).arg(zError(Z_MEM_ERROR)));
    stream.next_in = in;
    stream.avail_in = uInt(in_size);
    stream.next_out = out;
    stream.avail_out = uInt(out_size);
    int rc = inflate(&stream, Z_FINISH);
    static const std::uint8_t zeros[65536] = {};
    while (rc == Z_BUF_ERROR && stream.avail_in == 0 && zero_padding > 0) {
        const auto chunk = std::min<std::int64_t>(zero_padding, sizeof zeros);
        zero_padding -= chunk;
        stream.next_in = zeros;
        stream.avail_in = uInt(chunk);
        rc = inflate(&stream, Z_FINISH);
    }
    // zlib's own words, kept before the stream is released.
    const std::string words = stream.msg ? stream.msg : zError(rc);
    inflateEnd(&stream);
    if (rc == Z_STREAM_END) return;
    if (rc == Z_OK || rc == Z_BUF_ERROR) throw Error(Phrase(Msg::ZlibStreamOverrun));
    throw Error(Phrase(Msg::ZlibError).arg(words));
}

// Deflate writes at most 258 bytes for two bits of input, so the compressed
// bytes the file holds inflate to at most 1032 times as many. A block
// announcing more is refused before its buffer exists. Blocks of a few pages
// still go to zlib, whose own errors say what is wrong with them.
void check_inflatable(const std::string& file_name, std::int64_t unpacked, std::int64_t present) {
    constexpr std::int64_t kMostPerByte = 1032;
    constexpr std::int64_t kLeftToZlib = 4 * kPage32Bytes;
    if (unpacked > kLeftToZlib && unpacked > present * kMostPerByte)
        refuse_level(file_name, Phrase(Msg::BlockCannotInflate).arg(unpacked).arg(present));
}

}  // namespace

ReadResult open_tr45(InFile& in, Package& package, bool correct_transparent, Progress& progress) {
    const std::string& file_name = in.path();
    const Tr45Layout layout = parse_tr45_layout(in, file_name, Tr45Parts::block32);
    const std::int32_t unpacked = layout.unpacked32, packed = layout.packed32;
    const std::int64_t pages = layout.pages;

    // Only what the file holds is read; the rest of the stored size reads as zeros.
    const std::int64_t available = std::min<std::int64_t>(packed, in.size() - kTr45BlockOffset);
    check_inflatable(file_name, unpacked, available);
    if (available > kMaxBufferBytes)
        refuse_level(file_name, Phrase(Msg::BlockOver1GiB).arg(packed));
    // The gauge moves through the reading and the inflating as through the pages' rows.
    const int height = int(pages) * kPageSide;
    progress.reset(height / kTileSide + 2);
    // In huge pages, as the output: the megabytes of a level's block otherwise
    // cost a page fault every 4 KiB.
    std::optional<ZeroedBuffer> input(std::in_place, std::size_t(available));
    in.seek(kTr45BlockOffset);
    const std::size_t got = in.read_some(input->data(), std::size_t(available));
    progress.step();

    // Pages the stream never reaches stay untouched zeros.
    std::optional<ZeroedBuffer> output;
    auto zeroed_output = [&] {
        output.reset();  // a failed attempt's pages go back before fresh ones are mapped
        try {
            output.emplace(std::size_t(unpacked));
        } catch (const std::bad_alloc&) {
            refuse_level(file_name, Msg::NotEnoughMemory);
        }
    };
    zeroed_output();
    // A whole stream of exactly U bytes decodes in one libdeflate call; any other
    // (cut short, ending early, damaged) goes through zlib into fresh zeros,
    // which gives each such case its own result and text.
    if (!inflate_whole(input->data(), got, output->data(), std::size_t(unpacked))) {
        zeroed_output();
        naming_file(Msg::CannotReadFile, file_name, [&] {
            inflate_block(input->data(), got, packed - std::int64_t(got), output->data(), std::size_t(unpacked));
        });
    }
    input.reset();
    progress.step();

    auto fresh = Package::for_overwrite(kPageSide, height);
    // Pixels move as little-endian words (blue, green, red, alpha); each store
    // of four bytes is overlapped by the next pixel, except the last of a row.
    const std::uint32_t alpha_mask = correct_transparent ? 0xFF000000u : 0;
    auto convert = [alpha_mask](const std::uint8_t* src) {
        const std::uint32_t v = read_u32le(src);
        return alpha_mask && !(v & alpha_mask) ? 0x00FF00FFu : v;  // blue 255, red 255
    };
    const std::uint8_t* src = output->data();
    for (int y = 0; y < height; ++y) {
        std::uint8_t* out = fresh.row(y);
        for (int x = 0; x < kPageSide - 1; ++x, src += 4, out += 3) write_u32le(out, convert(src));
        const std::uint32_t last = convert(src);
        src += 4;
        out[0] = std::uint8_t(last);
        out[1] = std::uint8_t(last >> 8);
        out[2] = std::uint8_t(last >> 16);
        if (y % kTileSide == kTileSide - 1) progress.step();
    }

    package.take_pixels(fresh);
    return read_result_of(package);
}

ReadResult open_tr45(const std::string& file_name, Package& package, bool correct_transparent,
                     Progress& progress) {
    InFile in(file_name);
    return open_tr45(in, package, correct_transparent, progress);
}

namespace {

constexpr FileExtension kTr45Extensions[] = {{".tr4", Msg::Tr4Filter}, {".trc", Msg::Tr5Filter}};

ReadResult read_tr45_format(const std::string& file_name, Package& package, const ReaderOptions& options,
                            Progress& progress) {
    return open_tr45(file_name, package, options.correct_transparent, progress);
}

ReadResult read_tr45_open(InFile& in, Package& package, const ReaderOptions& options, Progress& progress) {
    return open_tr45(in, package, options.correct_transparent, progress);
}

}  // namespace

constinit const FileFormat kTr45Format{FormatKind::level, kTr45Extensions, Msg::Tr25Filter,
                                       read_tr45_format, nullptr, ex_tr45, kTr45Versions, {}, nullptr, 1,
                                       read_tr45_open};

}  // namespace tilesmith
