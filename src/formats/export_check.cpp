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

std::string size_text(std::int64_t width, std::int64_t height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

}  // namespace

std::optional<Phrase> export_base_refusal(const std::string& base_name, const Package& package) {
    return export_base_refusal(base_name, package.width(), package.height());
}

std::optional<Phrase> export_base_refusal(const std::string& base_name, int width, int height) {
    const FileFormat* format = format_of_file(base_name);
    if (!format || !format->exporter)
        return Phrase(Msg::BaseNotTaken).arg(base_name).arg(extension_list(FormatRole::export_base));
    // One opening: the kind, the walk and the size of its texture set.
    return naming_file(Msg::CannotReadFile, base_name, [&]() -> std::optional<Phrase> {
        InFile in(base_name);
        CountingProgress reading;
        const LevelFile read = read_level_file(in, ReaderOptions{}, reading, LevelParts::walk_only);
        if (!read.kind.taken) return Phrase(Msg::FileRefused).arg(base_name).arg(read.kind.version->misnamed);
        if (const auto why = read.export_refusal()) return why;
        // The pages as the exporter reads them: a Tomb Raider 4/5 base needs both blocks.
        const auto pages = level_pages(*format, in, true);
        if (pages && (width != kPageSide || height != *pages * kPageSide))
            return Phrase(Msg::BaseSizeDiffers)
                .arg(size_text(width, height))
                .arg(base_name)
                .arg(size_text(kPageSide, *pages * kPageSide));
        return std::nullopt;
    });
}

}  // namespace tilesmith
