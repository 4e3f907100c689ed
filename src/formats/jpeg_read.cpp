// JPEG reading: libjpeg fed from our file reader, any colour space turned into
// the package's blue, green, red.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <memory>
#include <vector>

// libjpeg's headers need stdio's FILE declared first.
#include <jpeglib.h>
#include <jerror.h>

#include "core/checked.h"
#include "core/error.h"
#include "core/file_io.h"
#include "formats/jpeg_codec.h"
#include "formats/jpeg_trap.h"

namespace tilesmith {

namespace {

// A libjpeg source that reads an InFile in blocks. At the end of the file it
// hands libjpeg an end-of-image marker and remembers that the data ran out.
// Running out alone proves nothing once the picture has begun: the decoder
// reads ahead, so a file lacking only its own end marker runs out too. Whether
// rows are missing is what the decoder's "premature end of data" warning says.
struct FileSource {
    jpeg_source_mgr pub{};
    InFile* file = nullptr;
    bool hit_end = false;
    JOCTET buffer[64 * 1024];

    static void init(j_decompress_ptr) {}
    static void term(j_decompress_ptr) {}

    static boolean fill(j_decompress_ptr cinfo) {
        auto* self = reinterpret_cast<FileSource*>(cinfo->src);
        std::size_t got = 0;
        bool failed = false;
        try {
            got = self->file->read_some(self->buffer, sizeof self->buffer);
        } catch (...) {
            JpegErrorTrap::keep(reinterpret_cast<j_common_ptr>(cinfo), std::current_exception());
            failed = true;
        }
        // Jump only after the handler has ended: no exception object is live.
        if (failed) JpegErrorTrap::fail(reinterpret_cast<j_common_ptr>(cinfo));
        if (got == 0) {
            self->hit_end = true;
            self->buffer[0] = 0xFF;
            self->buffer[1] = JPEG_EOI;
            got = 2;
        }
        self->pub.next_input_byte = self->buffer;
        self->pub.bytes_in_buffer = got;
        return TRUE;
    }

    static void skip(j_decompress_ptr cinfo, long count) {
        auto* self = reinterpret_cast<FileSource*>(cinfo->src);
        if (count <= 0) return;
        while (std::size_t(count) > self->pub.bytes_in_buffer) {
            count -= long(self->pub.bytes_in_buffer);
            fill(cinfo);
            if (self->hit_end) return;
        }
        self->pub.next_input_byte += count;
        self->pub.bytes_in_buffer -= std::size_t(count);
    }

    void attach(j_decompress_ptr cinfo, InFile& in) {
        file = &in;
        pub.init_source = &FileSource::init;
        pub.fill_input_buffer = &FileSource::fill;
        pub.skip_input_data = &FileSource::skip;
        pub.resync_to_restart = jpeg_resync_to_restart;
        pub.term_source = &FileSource::term;
        pub.bytes_in_buffer = 0;
        pub.next_input_byte = nullptr;
        cinfo->src = &pub;
    }
};

// A progressive picture may repeat its scans without end, and every scan walks
// all blocks of its components again: a small file could keep us busy for
// minutes. The work of all scans together is capped instead, at a few seconds
// at most; the scans of real pictures, at any size we accept, stay well under it.
struct ScanBudget {
    jpeg_progress_mgr pub{};
    const std::string* file_name = nullptr;
    int counted_scans = 0;
    std::int64_t spent = 0;
    // In blocks visited; a scan also costs a fixed amount for its markers and set-up.
    static constexpr std::int64_t kBudget = std::int64_t(1) << 26;
    static constexpr std::int64_t kScanCost = 1024;

    static void check(j_common_ptr common) {
        auto* cinfo = reinterpret_cast<j_decompress_ptr>(common);
        auto* self = reinterpret_cast<ScanBudget*>(cinfo->progress);
        if (cinfo->input_scan_number <= self->counted_scans) return;
        std::int64_t blocks = kScanCost;
        for (int i = 0; i < cinfo->comps_in_scan; ++i)
            blocks += std::int64_t(cinfo->cur_comp_info[i]->width_in_blocks) *
                      cinfo->cur_comp_info[i]->height_in_blocks;
        self->spent += blocks * (cinfo->input_scan_number - self->counted_scans);
        self->counted_scans = cinfo->input_scan_number;
        if (self->spent <= kBudget) return;
        // The error is made and kept in its own block, which has ended before the jump.
        {
            const Phrase why = Phrase(Msg::TooManyJpegScans)
                                   .arg(self->counted_scans)
                                   .arg(cinfo->image_width)
                                   .arg(cinfo->image_height);
            JpegErrorTrap::keep(common, std::make_exception_ptr(Error(Msg::CannotReadFile, *self->file_name, why)));
        }
        JpegErrorTrap::fail(common);
    }

    void attach(j_decompress_ptr cinfo, const std::string& name) {
        file_name = &name;
        pub.progress_monitor = &ScanBudget::check;
        cinfo->progress = &pub;
    }
};

struct DecompressGuard {
    jpeg_decompress_struct* cinfo;
    bool created = false;
    ~DecompressGuard() {
        if (created) jpeg_destroy_decompress(cinfo);
    }
};

// The libjpeg calls of decoding, each run by jpeg_guarded: plain functions
// over libjpeg's structures, holding nothing with a destructor.
struct Scanline {
    jpeg_decompress_struct* cinfo;
    JSAMPROW row;
    JDIMENSION got = 0;
};

void create_decompress(void* cinfo) { jpeg_create_decompress(static_cast<j_decompress_ptr>(cinfo)); }
void read_header(void* cinfo) { jpeg_read_header(static_cast<j_decompress_ptr>(cinfo), TRUE); }
void start_decompress(void* cinfo) { jpeg_start_decompress(static_cast<j_decompress_ptr>(cinfo)); }
void finish_decompress(void* cinfo) { jpeg_finish_decompress(static_cast<j_decompress_ptr>(cinfo)); }
void read_scanline(void* state) {
    auto* line = static_cast<Scanline*>(state);
    JSAMPROW rows[1] = {line->row};
    line->got = jpeg_read_scanlines(line->cinfo, rows, 1);
}

void grey_to_bgr(const std::uint8_t* src, std::uint8_t* dst, int width) {
    for (int x = 0; x < width; ++x) dst[3 * x] = dst[3 * x + 1] = dst[3 * x + 2] = src[x];
}

void rgb_to_bgr(const std::uint8_t* src, std::uint8_t* dst, int width) {
    for (int x = 0; x < width; ++x) {
        dst[3 * x] = src[3 * x + 2];
        dst[3 * x + 1] = src[3 * x + 1];
        dst[3 * x + 2] = src[3 * x];
    }
}

// libjpeg does not turn CMYK into RGB. Files with an Adobe marker store the
// inks inverted (255 = no ink), which is what Adobe applications write.
void cmyk_to_bgr(const std::uint8_t* src, std::uint8_t* dst, int width, bool inverted) {
    for (int x = 0; x < width; ++x) {
        unsigned c = src[4 * x], m = src[4 * x + 1], y = src[4 * x + 2], k = src[4 * x + 3];
        if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        dst[3 * x] = std::uint8_t((y * k + 127) / 255);
        dst[3 * x + 1] = std::uint8_t((m * k + 127) / 255);
        dst[3 * x + 2] = std::uint8_t((c * k + 127) / 255);
    }
}

}  // namespace

void read_jpeg(const std::string& file_name, Package& fresh, Progress& progress) {
    InFile in(file_name);
    JpegErrorTrap trap;
    jpeg_decompress_struct cinfo{};
    DecompressGuard guard{&cinfo};
    auto source = std::make_unique<FileSource>();
    ScanBudget budget;
    // Runs one libjpeg call; a libjpeg error or a failed callback ends the read.
    const auto run = [&](void (*call)(void*), void* state) {
        if (jpeg_guarded(trap, call, state)) return;
        if (source->hit_end && !trap.own_message()) throw Error(Msg::FileTruncated, file_name);
        // libjpeg's own words for this ("Backing store not supported") say little.
        if (!trap.own_message() && (trap.manager.msg_code == JERR_NO_BACKING_STORE ||
                                    trap.manager.msg_code == JERR_OUT_OF_MEMORY))
            throw Error(Msg::CannotReadFile, file_name, Msg::DecodeOver1GiB);
        trap.rethrow(Msg::CannotReadFile, file_name);
    };

    cinfo.err = trap.install();
    run(create_decompress, &cinfo);
    guard.created = true;
    source->attach(&cinfo, in);
    budget.attach(&cinfo, file_name);
    // libjpeg's memory manager would otherwise take whatever a progressive
    // picture's coefficients need.
    cinfo.mem->max_memory_to_use = long(kMaxBufferBytes);
    run(read_header, &cinfo);
    if (source->hit_end) throw Error(Msg::FileTruncated, file_name);

    const std::int64_t pixels = std::int64_t(cinfo.image_width) * cinfo.image_height;
    if (pixels > kMaxPackagePixels)
        throw Error(Msg::CannotReadFile, file_name,
                    Phrase(Msg::PictureTooLarge).arg(cinfo.image_width).arg(cinfo.image_height));
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    // Greyscale is widened here, not by libjpeg: not every libjpeg converts it.
    if (cinfo.jpeg_color_space == JCS_GRAYSCALE) cinfo.out_color_space = JCS_GRAYSCALE;
    else if (cmyk) cinfo.out_color_space = JCS_CMYK;
    else cinfo.out_color_space = JCS_RGB;

    // Arithmetic coding may meet a marker inside its data without harm, so
    // its decoder never warns; for it, running out before the end is all we have.
    const auto rows_missing = [&] { return trap.data_ended_early || (cinfo.arith_code && source->hit_end); };
    run(start_decompress, &cinfo);
    // Progressive pictures are read whole here.
    if (rows_missing()) throw Error(Msg::FileTruncated, file_name);
    const int width = int(cinfo.output_width), height = int(cinfo.output_height);
    const int components = cinfo.output_components;
    fresh.resize(width, height);
    progress.reset(height);
    std::vector<std::uint8_t> row(std::size_t(width) * std::size_t(components));
    Scanline line{&cinfo, row.data()};
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = int(cinfo.output_scanline);
        run(read_scanline, &line);
        if (line.got != 1) throw Error(Msg::FileTruncated, file_name);
        if (rows_missing()) throw Error(Msg::FileTruncated, file_name);
        std::uint8_t* dst = fresh.row(y);
        if (components == 1) grey_to_bgr(row.data(), dst, width);
        else if (components == 4) cmyk_to_bgr(row.data(), dst, width, cinfo.saw_Adobe_marker);
        else rgb_to_bgr(row.data(), dst, width);
        // Between libjpeg's calls: a stop ends the read here.
        progress.step();
    }
    // A missing end-of-image marker after the last row costs nothing.
    run(finish_decompress, &cinfo);
}

}  // namespace tilesmith
