// Writing the target package into a copy of a Tomb Raider 2-5 base level.
#define ZLIB_CONST
#include "formats/level_export.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <vector>

#include "core/checked.h"
#include "core/error.h"
#include "core/file_io.h"
#include "formats/deflate_blocks.h"
#include "formats/format_registry.h"
#include "formats/level_format.h"
#include "formats/level_kind.h"

namespace tilesmith {

namespace {

// Unchanged stretches of the base go through this one buffer, so a level of
// any length is copied in constant memory.
using CopyBuffer = std::array<std::uint8_t, 10240>;

// Copies the base from `from` up to `to` (or its end, whichever comes first).
void copy_stretch(InFile& base, AtomicOutFile& out, std::int64_t from, std::int64_t to,
                  CopyBuffer& buffer) {
    base.seek(from);
    std::int64_t left = to - from;
    while (left > 0) {
        const std::size_t want = std::size_t(std::min<std::int64_t>(left, buffer.size()));
        const std::size_t got = base.read_some(buffer.data(), want);
        if (got == 0) break;
        out.write(buffer.data(), got);
        left -= std::int64_t(got);
    }
}

void write_i32(AtomicOutFile& out, std::int64_t value) {
    std::uint8_t raw[4];
    write_u32le(raw, std::uint32_t(value));
    out.write(raw, 4);
}

// One zlib stream at level 9 (deflate, 15-bit window, memory level 8) of
// `size` bytes of `data` followed by `zeros` zero bytes. With no zeros it is one
// whole-buffer call with the finish flag. The zeros (a block the base declares
// larger than its whole pages) are fed from a small buffer rather than held:
// zlib makes the same stream of the same bytes however they are handed over,
// and a base declaring a huge block then costs no memory.
std::vector<std::uint8_t> compress_block(const std::uint8_t* data, std::size_t size, std::size_t zeros) {
    static const std::uint8_t kZeros[65536] = {};
    z_stream stream{};
    if (const int rc = deflateInit2(&stream, 9, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY); rc != Z_OK)
        throw Error(Phrase(Msg::ZlibError).arg(zError(rc)));
    // deflateBound is enough for the data in one call; the output grows should
    // the zeros need more.
    std::vector<std::uint8_t> out(deflateBound(&stream, uLong(size)) + (zeros ? sizeof kZeros : 0));
    stream.next_in = data;
    stream.avail_in = uInt(size);
    stream.next_out = out.data();
    stream.avail_out = uInt(out.size());
    int rc;
    while (true) {
        if (stream.avail_in == 0 && zeros > 0) {
            const std::size_t chunk = std::min(zeros, sizeof kZeros);
            zeros -= chunk;
            stream.next_in = kZeros;
            stream.avail_in = uInt(chunk);
        }
        if (stream.avail_out == 0) {
            const std::size_t used = out.size();
            out.resize(used * 2);
            stream.next_out = out.data() + used;
            stream.avail_out = uInt(out.size() - used);
        }
        rc = deflate(&stream, zeros == 0 ? Z_FINISH : Z_NO_FLUSH);
        if (rc == Z_STREAM_END || (rc != Z_OK && rc != Z_BUF_ERROR)) break;
        // Z_BUF_ERROR only asks for more room, which the next turn gives.
    }
    const std::size_t compressed = stream.total_out;
    const std::string words = stream.msg ? stream.msg : zError(rc);
    deflateEnd(&stream);
    if (rc != Z_STREAM_END) throw Error(Phrase(Msg::ZlibError).arg(words));
    out.resize(compressed);
    return out;
}

// A block of whole pages is compressed whole by libdeflate; a block the base
// declares larger keeps zlib's stream, whose zeros beyond the pages cost no
// memory. Neither asks whether to stop: a stop leaves its thread behind.
std::vector<std::uint8_t> pack_block(const std::vector<std::uint8_t>& pages, std::int32_t declared) {
    const std::size_t zeros = std::size_t(declared) - pages.size();
    if (zeros > 0) return compress_block(pages.data(), pages.size(), zeros);
    return deflate_whole(pages.data(), pages.size());
}

}  // namespace

ExportResult ex_tr23(const std::string& output_name, InFile& base, const Package& package, Progress& progress) {
    const std::string& base_name = base.path();
    // Everything before the 16-bit pages is copied; the parser refuses a base without all of it.
    const Tr23Layout layout = parse_tr23_layout(base, base_name);
    const std::int32_t pages = layout.pages;
    const std::int64_t head_end = layout.pages16_offset;

    if (package.width() != kPageSide ||
        std::int64_t(package.height()) != std::int64_t(pages) * kPageSide)
        return ExportResult::package_size_mismatch;

    progress.reset(5);
    std::vector<std::uint8_t> block(std::size_t(pages * kPage16Bytes));
    std::uint8_t* word = block.data();
    for (int y = 0; y < package.height(); ++y) {
        const std::uint8_t* bgr = package.row(y);
        for (int x = 0; x < kPageSide; ++x, bgr += 3, word += 2)
            write_u16le(word, bgr_to_word16(bgr));
    }
    progress.step();

    AtomicOutFile out(output_name);
    CopyBuffer buffer;
    copy_stretch(base, out, 0, head_end, buffer);
    progress.step();
    out.write(block.data(), block.size());
    progress.step();
    copy_stretch(base, out, head_end + pages * kPage16Bytes, base.size(), buffer);
    progress.step();
    out.commit();
    progress.step();
    return ExportResult::written;
}

ExportResult ex_tr45(const std::string& output_name, InFile& base, const Package& package, Progress& progress) {
    const std::string& base_name = base.path();
    const Tr45Layout layout = parse_tr45_layout(base, base_name, Tr45Parts::both_blocks);
    const std::int32_t unpacked32 = layout.unpacked32, unpacked16 = layout.unpacked16;
    const std::int64_t rest = layout.rest, pages = layout.pages;

    if (package.width() != kPageSide ||
        std::int64_t(package.height()) != pages * kPageSide)
        return ExportResult::package_size_mismatch;
    // A 16-bit block too small for the package's pages cannot take its words.
    if (unpacked16 < pages * kPage16Bytes) return ExportResult::package_size_mismatch;

    // Only the whole pages are held; the rest of each block is zeros.
    std::vector<std::uint8_t> block32(std::size_t(pages * kPage32Bytes));
    std::vector<std::uint8_t> block16(std::size_t(pages * kPage16Bytes));
    progress.reset(9);
    std::uint8_t* bgra = block32.data();
    std::uint8_t* word = block16.data();
    for (int y = 0; y < package.height(); ++y) {
        const std::uint8_t* bgr = package.row(y);
        for (int x = 0; x < kPageSide; ++x, bgr += 3, bgra += 4, word += 2) {
            bgr_to_bgra(bgr, bgra);
            write_u16le(word, bgr_to_word16(bgr));
        }
    }
    progress.step();
    // The two blocks on two cores; a stop waits for the one being compressed.
    std::vector<std::uint8_t> packed32_new, packed16_new;
    run_on_pool({[&] {
                     packed32_new = pack_block(block32, unpacked32);
                     block32 = {};
                 },
                 [&] {
                     packed16_new = pack_block(block16, unpacked16);
                     block16 = {};
                 }},
                progress);
    progress.step();

    AtomicOutFile out(output_name);
    CopyBuffer buffer;
    copy_stretch(base, out, 0, kTr45SizesOffset, buffer);
    progress.step();
    write_i32(out, unpacked32);
    write_i32(out, std::int64_t(packed32_new.size()));
    out.write(packed32_new.data(), packed32_new.size());
    progress.step();
    write_i32(out, unpacked16);
    write_i32(out, std::int64_t(packed16_new.size()));
    out.write(packed16_new.data(), packed16_new.size());
    progress.step();
    copy_stretch(base, out, rest, base.size(), buffer);
    progress.step();
    out.commit();
    progress.step();
    return ExportResult::written;
}

ExportResult ex_tr23(const std::string& output_name, const std::string& base_name,
                     const Package& package, Progress& progress) {
    InFile base(base_name);
    return ex_tr23(output_name, base, package, progress);
}

ExportResult ex_tr45(const std::string& output_name, const std::string& base_name,
                     const Package& package, Progress& progress) {
    InFile base(base_name);
    return ex_tr45(output_name, base, package, progress);
}

ExportResult export_level(const std::string& output_name, const std::string& base_name,
                          const Package& package, Progress& progress, LevelFile* base_read,
                          const ReaderOptions& base_options) {
    // Compared by identity: another spelling or a link to the base is the base.
    if (same_file(output_name, base_name)) return ExportResult::output_is_base;
    // The base is what its first bytes say, as when it is opened.
    const FileFormat* format = format_of_file(base_name);
    if (!format || !format->exporter) return ExportResult::not_a_level;
    InFile base(base_name);
    // Reading the base's pages, when asked for, takes a fifth of the gauge and
    // a stop ends it; the walk alone moves nothing.
    CountingProgress walking;
    ProgressShare reading(progress, 0, 200), writing(progress, 200, 1000);
    if (base_read) progress.reset(1000);
    LevelFile read = naming_file(Msg::CannotReadFile, base_name, [&] {
        return read_level_file(base, base_options, base_read ? static_cast<Progress&>(reading) : walking,
                               base_read ? LevelParts::pages_and_walk : LevelParts::walk_only);
    });
    if (!read.kind.taken) return ExportResult::base_of_another_kind(read.kind.version->misnamed);
    if (const auto why = read.export_refusal()) throw Error(*why);
    // Errors about the base name it already; the others are about the output.
    const ExportResult result = naming_file(
        Msg::CannotWriteFile, output_name, [&] { return format->exporter(output_name, base, package, base_read ? static_cast<Progress&>(writing) : progress); },
        base_name);
    if (base_read) *base_read = std::move(read);
    return result;
}

}  // namespace tilesmith
