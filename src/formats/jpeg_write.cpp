// JPEG writing: libjpeg's encoder at quality 100 streaming into an atomic file.
#include <cstdint>
#include <exception>
#include <memory>
#include <vector>

#include "core/error.h"
#include "core/file_io.h"
#include "formats/jpeg_codec.h"
#include "formats/jpeg_trap.h"

namespace tilesmith {

namespace {

// A libjpeg destination that passes full blocks on to an AtomicOutFile.
struct FileDestination {
    jpeg_destination_mgr pub{};
    AtomicOutFile* file = nullptr;
    JOCTET buffer[64 * 1024];

    static void init(j_compress_ptr cinfo) {
        auto* self = reinterpret_cast<FileDestination*>(cinfo->dest);
        self->pub.next_output_byte = self->buffer;
        self->pub.free_in_buffer = sizeof self->buffer;
    }

    // Writes `count` bytes of the buffer; a failed write leaves libjpeg by its
    // error jump, after the exception has been dealt with.
    static void flush(j_compress_ptr cinfo, std::size_t count) {
        auto* self = reinterpret_cast<FileDestination*>(cinfo->dest);
        bool failed = false;
        try {
            self->file->write(self->buffer, count);
        } catch (...) {
            JpegErrorTrap::keep(reinterpret_cast<j_common_ptr>(cinfo), std::current_exception());
            failed = true;
        }
        if (failed) JpegErrorTrap::fail(reinterpret_cast<j_common_ptr>(cinfo));
    }

    static boolean empty(j_compress_ptr cinfo) {
        auto* self = reinterpret_cast<FileDestination*>(cinfo->dest);
        flush(cinfo, sizeof self->buffer);
        init(cinfo);
        return TRUE;
    }

    static void term(j_compress_ptr cinfo) {
        auto* self = reinterpret_cast<FileDestination*>(cinfo->dest);
        flush(cinfo, sizeof self->buffer - self->pub.free_in_buffer);
    }

    void attach(j_compress_ptr cinfo, AtomicOutFile& out) {
        file = &out;
        pub.init_destination = &FileDestination::init;
        pub.empty_output_buffer = &FileDestination::empty;
        pub.term_destination = &FileDestination::term;
        cinfo->dest = &pub;
    }
};

struct CompressGuard {
    jpeg_compress_struct* cinfo;
    bool created = false;
    ~CompressGuard() {
        if (created) jpeg_destroy_compress(cinfo);
    }
};

// The libjpeg calls of encoding, each run by jpeg_guarded: plain functions
// over libjpeg's structures, holding nothing with a destructor.
struct Scanline {
    jpeg_compress_struct* cinfo;
    JSAMPROW row;
};

void create_compress(void* cinfo) { jpeg_create_compress(static_cast<j_compress_ptr>(cinfo)); }
void set_quality_100(void* cinfo) {
    jpeg_set_defaults(static_cast<j_compress_ptr>(cinfo));
    jpeg_set_quality(static_cast<j_compress_ptr>(cinfo), 100, TRUE);
}
void start_compress(void* cinfo) { jpeg_start_compress(static_cast<j_compress_ptr>(cinfo), TRUE); }
void finish_compress(void* cinfo) { jpeg_finish_compress(static_cast<j_compress_ptr>(cinfo)); }
void write_scanline(void* state) {
    auto* line = static_cast<Scanline*>(state);
    JSAMPROW rows[1] = {line->row};
    jpeg_write_scanlines(line->cinfo, rows, 1);
}

}  // namespace

void write_jpeg(const std::string& file_name, const Package& package, Progress& progress) {
    progress.reset(4);
    AtomicOutFile out(file_name);
    JpegErrorTrap trap;
    jpeg_compress_struct cinfo{};
    CompressGuard guard{&cinfo};
    auto destination = std::make_unique<FileDestination>();
    const int width = package.width(), height = package.height();
    std::vector<std::uint8_t> row(std::size_t(width) * 3);
    // Runs one libjpeg call; a libjpeg error or a failed write ends the save.
    const auto run = [&](void (*call)(void*), void* state) {
        if (!jpeg_guarded(trap, call, state)) trap.rethrow(Msg::CannotWriteFile, file_name);
    };

    cinfo.err = trap.install();
    run(create_compress, &cinfo);
    guard.created = true;
    destination->attach(&cinfo, out);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    run(set_quality_100, &cinfo);
    progress.step();

    run(start_compress, &cinfo);
    progress.step();
    Scanline line{&cinfo, row.data()};
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* src = package.row(y);
        std::uint8_t* dst = row.data();
        for (int x = 0; x < width; ++x) {
            dst[3 * x] = src[3 * x + 2];
            dst[3 * x + 1] = src[3 * x + 1];
            dst[3 * x + 2] = src[3 * x];
        }
        run(write_scanline, &line);
    }
    run(finish_compress, &cinfo);
    progress.step();
    out.commit();
    progress.step();
}

}  // namespace tilesmith
