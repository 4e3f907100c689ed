// The export's checks of its base: its exporter, its kind and its texture size.
#include "formats/export_check.h"

#include <cstdint>

#include "core/dimensions.h"
#include "core/error.h"
#include "core/file_io.h"
#include "formats/format_registry.h"
#include "formats/level_file.h"
#include "formats/level_format.h"
#include "formats/level_kind.h"
#include "formats/tr1.h"
#include "formats/tr23.h"
#include "formats/tr45.h"

namespace tilesmith {

namespace {

// The pages of the base's texture set as its exporter reads them; nullopt for
// a format whose size only its exporter checks.
std::optional<std::int64_t> base_pages(const FileFormat& format, InFile& in) {
    if (&format == &kTr1Format) return walk_tr1(in).pages;
    if (&format == &kTr23Format) return parse_tr23_layout(in, in.path()).pages;
    if (&format == &kTr45Format) return parse_tr45_layout(in, in.path(), Tr45Parts::both_blocks).pages;
    return std::nullopt;
}

std::string size_text(std::int64_t width, std::int64_t height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

}  // namespace

std::optional<Phrase> export_base_refusal(const std::string& base_name, const Package& package) {
    const FileFormat* format = format_of(base_name);
    if (!format || !format->exporter)
        return Phrase(Msg::BaseNotTaken).arg(base_name).arg(extension_list(FormatRole::export_base));
    // One opening: the kind, the walk and the size of its texture set.
    return naming_file(Msg::CannotReadFile, base_name, [&]() -> std::optional<Phrase> {
        InFile in(base_name);
        CountingProgress reading;
        const LevelFile read = read_level_file(in, ReaderOptions{}, reading, LevelParts::walk_only);
        if (!read.kind.taken) return Phrase(Msg::FileRefused).arg(base_name).arg(read.kind.version->misnamed);
        // A level cut short or with damaged counts would be copied damaged.
        if (!read.walked() && read.walk_reason) return Phrase(Msg::BaseNotWalked).arg(base_name).arg(*read.walk_reason);
        const auto pages = base_pages(*format, in);
        if (pages && (package.width() != kPageSide || package.height() != *pages * kPageSide))
            return Phrase(Msg::BaseSizeDiffers)
                .arg(size_text(package.width(), package.height()))
                .arg(base_name)
                .arg(size_text(kPageSide, *pages * kPageSide));
        return std::nullopt;
    });
}

}  // namespace tilesmith
