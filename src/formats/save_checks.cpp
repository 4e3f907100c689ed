// The checks before a save.
#include "formats/save_checks.h"

#include "core/color.h"
#include "formats/bmpjpg.h"
#include "formats/dispatch.h"

namespace tilesmith {

std::int64_t transparent_pixels(const Package& package) {
    std::int64_t count = 0;
    for (int y = 0; y < package.height(); ++y) {
        const std::uint8_t* p = package.row(y);
        // Rows hold blue, green, red.
        for (int x = 0; x < package.width(); ++x, p += 3) count += p[0] == 255 && p[1] == 0 && p[2] == 255;
    }
    return count;
}

std::optional<Phrase> transparency_loss_question(const std::string& file_name, const Package& package) {
    if (format_of(file_name) != &kJpegFormat) return std::nullopt;
    const std::int64_t count = transparent_pixels(package);
    if (count == 0) return std::nullopt;
    return Phrase(Msg::JpegLosesTransparency).arg(count);
}

bool can_write_back(const std::string& opened_file) {
    return !opened_file.empty() && is_writable_extension(file_extension(opened_file));
}

}  // namespace tilesmith
